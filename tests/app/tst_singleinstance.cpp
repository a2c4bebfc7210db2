#include "app/SingleInstance.h"
#include "tests/support/TestPdf.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <memory>

using namespace dovrix;

// Starts the real program twice with one runtime folder and one settings folder, as a second
// "open with" from the file manager does. A start that opened a file shows it first in the recent
// list of the shared settings file, which is how the tests see which process opened what.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void messages_data();
    void messages();
    void secondStartHandsOverItsFiles();
    void socketOfCrashedInstanceIsReplaced();

private:
    QProcess* start(const QStringList& arguments);
    QString makePdf(const QString& name) const;
    QString mostRecentFile() const;
    QString socketPath() const { return dir->filePath(QStringLiteral("run/dovrix.socket")); }

    std::unique_ptr<QTemporaryDir> dir;
    QList<QProcess*> processes;
};

void TestSingleInstance::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("run")));
    QVERIFY(QFile::setPermissions(dir->filePath(QStringLiteral("run")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void TestSingleInstance::cleanup()
{
    for (QProcess* process : std::as_const(processes)) {
        process->kill();
        process->waitForFinished();
        delete process;
    }
    processes.clear();
    dir.reset();
}

QProcess* TestSingleInstance::start(const QStringList& arguments)
{
    auto* process = new QProcess;
    processes.append(process);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir->filePath(QStringLiteral("run")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir->filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(dir->path());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(qEnvironmentVariable("DOVRIX_BUILD_DIR") + QStringLiteral("/dovrix"), arguments);
    return process;
}

QString TestSingleInstance::makePdf(const QString& name) const
{
    const QString path = dir->filePath(name);
    return test::writeTextPdf(path, {name}) ? path : QString();
}

QString TestSingleInstance::mostRecentFile() const
{
    const QSettings settings(dir->filePath(QStringLiteral("config/Dovrix/Dovrix.ini")),
                             QSettings::IniFormat);
    return settings.value(QStringLiteral("recent/files")).toStringList().value(0);
}

void TestSingleInstance::messages_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("ocrPage");

    const HandOver request{{QStringLiteral("/tmp/a b.pdf"), QStringLiteral("/tmp/报告\n.pdf")}, 2};
    QTest::newRow("files and page") << encodeHandOver(request).mid(4) << true << request.files << 2;
    QTest::newRow("nothing") << encodeHandOver({}).mid(4) << true << QStringList() << -1;
    QTest::newRow("negative page")
        << QByteArray(R"({"version":1,"files":[],"ocrPage":-7})") << true << QStringList() << -1;
    QTest::newRow("relative path") << QByteArray(R"({"version":1,"files":["a.pdf"],"ocrPage":-1})")
                                   << false << QStringList() << -1;
    QTest::newRow("empty path") << QByteArray(R"({"version":1,"files":[""],"ocrPage":-1})") << false
                                << QStringList() << -1;
    QTest::newRow("other version")
        << QByteArray(R"({"version":2,"files":[],"ocrPage":-1})") << false << QStringList() << -1;
    QTest::newRow("no page") << QByteArray(R"({"version":1,"files":[]})") << false << QStringList()
                             << -1;
    QTest::newRow("not json") << QByteArray("\xff\xfe garbage") << false << QStringList() << -1;
}

// The length prefix counts the body; a decoded request is exactly what was sent.
void TestSingleInstance::messages()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, valid);
    QFETCH(QStringList, files);
    QFETCH(int, ocrPage);

    const QByteArray message = encodeHandOver({files, ocrPage});
    QCOMPARE(qFromBigEndian<quint32>(message.constData()), quint32(message.size() - 4));
    HandOver decoded{{QStringLiteral("/untouched")}, 5};
    QCOMPARE(decodeHandOver(body, &decoded), valid);
    if (!valid) {
        QCOMPARE(decoded.files, QStringList{QStringLiteral("/untouched")});
        return;
    }
    QCOMPARE(decoded.files, files);
    QCOMPARE(decoded.ocrPage, ocrPage);
}

void TestSingleInstance::secondStartHandsOverItsFiles()
{
    const QString first = makePdf(QStringLiteral("first.pdf"));
    const QString second = makePdf(QStringLiteral("second.pdf"));
    QVERIFY(!first.isEmpty() && !second.isEmpty());

    QProcess* running = start({first});
    QTRY_COMPARE_WITH_TIMEOUT(mostRecentFile(), first, 60000);
    QVERIFY(QFileInfo::exists(socketPath()));

    // A relative path is resolved against the folder of the start that names it.
    QProcess* later = start({QStringLiteral("second.pdf"), QStringLiteral("--ocr-page"), "1"});
    QVERIFY(later->waitForFinished(60000));
    QCOMPARE(later->exitStatus(), QProcess::NormalExit);
    QCOMPARE(later->exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(mostRecentFile(), second, 60000);
    QCOMPARE(running->state(), QProcess::Running);
}

// A crash leaves the socket file behind; the next start replaces it and serves later starts.
void TestSingleInstance::socketOfCrashedInstanceIsReplaced()
{
    const QString first = makePdf(QStringLiteral("first.pdf"));
    const QString second = makePdf(QStringLiteral("second.pdf"));
    const QString third = makePdf(QStringLiteral("third.pdf"));
    QVERIFY(!first.isEmpty() && !second.isEmpty() && !third.isEmpty());

    QProcess* crashed = start({first});
    QTRY_COMPARE_WITH_TIMEOUT(mostRecentFile(), first, 60000);
    crashed->kill();
    QVERIFY(crashed->waitForFinished(60000));
    QVERIFY(QFileInfo::exists(socketPath()));

    QProcess* next = start({second});
    QTRY_COMPARE_WITH_TIMEOUT(mostRecentFile(), second, 60000);
    QCOMPARE(next->state(), QProcess::Running);

    QProcess* later = start({third});
    QVERIFY(later->waitForFinished(60000));
    QCOMPARE(later->exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(mostRecentFile(), third, 60000);
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
