#include "app/SingleInstance.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <memory>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

using namespace dovrix;

Q_DECLARE_METATYPE(dovrix::HandOver)

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
    void secondStartHandsOverItsPage();
    void clientsCannotStarveTheServer();
    void heldConnectionsUnderDescriptorLimit();

private:
    // shellLimits: shell commands run before the program, which then replaces that shell.
    QProcess* start(const QStringList& arguments, const QString& shellLimits = {});
    QString makePdf(const QString& name) const;
    QString mostRecentFile() const;
    QList<int> rememberedPages() const;
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
        process->waitForFinished(test::TimeoutMs);
        delete process;
    }
    processes.clear();
    dir.reset();
}

QProcess* TestSingleInstance::start(const QStringList& arguments, const QString& shellLimits)
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
    const QString program = qEnvironmentVariable("DOVRIX_BUILD_DIR") + QStringLiteral("/dovrix");
    if (shellLimits.isEmpty())
        process->start(program, arguments);
    else
        process->start(QStringLiteral("/bin/sh"),
                       QStringList{QStringLiteral("-c"),
                                   shellLimits + QStringLiteral(" && exec \"$0\" \"$@\""), program}
                           + arguments);
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

// The 0-based pages remembered for the documents opened so far.
QList<int> TestSingleInstance::rememberedPages() const
{
    QSettings settings(dir->filePath(QStringLiteral("config/Dovrix/Dovrix.ini")),
                       QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("progress"));
    QList<int> pages;
    for (const QString& key : settings.childGroups())
        pages.append(settings.value(key + QStringLiteral("/page")).toInt());
    return pages;
}

void TestSingleInstance::messages_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<HandOver>("request");

    OpenRequest plain;
    plain.path = QStringLiteral("/tmp/a b.pdf");
    OpenRequest asked;
    asked.path = QStringLiteral("/tmp/--报告\n.pdf");
    asked.page = QStringLiteral("iv");
    asked.find = QStringLiteral("-x y");
    asked.forward = SourcePlace{QStringLiteral("/tmp/c:d.tex"), 12, 3};
    // Bytes a QString cannot spell travel as bytes.
    OpenRequest raw;
    raw.rawPath = QByteArray("/tmp/\xff %25.pdf");
    raw.path = QFile::decodeName(raw.rawPath);
    raw.page = QStringLiteral("2");
    const HandOver request{{plain, asked, raw}, 2};
    QTest::newRow("files, requests and page") << encodeHandOver(request).mid(4) << true << request;
    QTest::newRow("nothing") << encodeHandOver({}).mid(4) << true << HandOver();
    QTest::newRow("negative page")
        << QByteArray(R"({"version":2,"requests":[],"ocrPage":-7})") << true << HandOver();
    const auto invalid = [](const char* requests) -> QByteArray {
        return QByteArray(R"({"version":2,"requests":)") + requests + R"(,"ocrPage":-1})";
    };
    QTest::newRow("relative path") << invalid(R"([["--","a.pdf"]])") << false << HandOver();
    QTest::newRow("empty path") << invalid(R"([["--",""]])") << false << HandOver();
    QTest::newRow("relative TeX file")
        << invalid(R"([["--synctex-forward=3:0:a.tex","--","/a.pdf"]])") << false << HandOver();
    QTest::newRow("bad page") << invalid(R"([["--page=0","--","/a.pdf"]])") << false << HandOver();
    QTest::newRow("two files in one") << invalid(R"([["/a.pdf","/b.pdf"]])") << false << HandOver();
    QTest::newRow("not strings") << invalid(R"([["--",7]])") << false << HandOver();
    QTest::newRow("other version")
        << QByteArray(R"({"version":1,"files":[],"ocrPage":-1})") << false << HandOver();
    QTest::newRow("no page") << QByteArray(R"({"version":2,"requests":[]})") << false << HandOver();
    QTest::newRow("not json") << QByteArray("\xff\xfe garbage") << false << HandOver();
}

// The length prefix counts the body; a decoded request is exactly what was sent.
void TestSingleInstance::messages()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, valid);
    QFETCH(HandOver, request);

    const QByteArray message = encodeHandOver(request);
    QCOMPARE(qFromBigEndian<quint32>(message.constData()), quint32(message.size() - 4));
    OpenRequest untouched;
    untouched.path = QStringLiteral("/untouched");
    HandOver decoded{{untouched}, 5};
    QCOMPARE(decodeHandOver(body, &decoded), valid);
    if (!valid) {
        QCOMPARE(decoded.requests.size(), 1);
        QCOMPARE(decoded.requests.constFirst().path, untouched.path);
        return;
    }
    QCOMPARE(decoded.requests.size(), request.requests.size());
    for (qsizetype i = 0; i < request.requests.size(); ++i) {
        const OpenRequest& got = decoded.requests.at(i);
        const OpenRequest& sent = request.requests.at(i);
        QCOMPARE(got.path, sent.path);
        QCOMPARE(got.rawPath, sent.rawPath);
        QCOMPARE(got.page, sent.page);
        QCOMPARE(got.find, sent.find);
        QCOMPARE(got.forward.file, sent.forward.file);
        QCOMPARE(got.forward.line, sent.forward.line);
        QCOMPARE(got.forward.column, sent.forward.column);
    }
    QCOMPARE(decoded.ocrPage, request.ocrPage);
}

void TestSingleInstance::secondStartHandsOverItsFiles()
{
    const QString first = makePdf(QStringLiteral("first.pdf"));
    const QString second = makePdf(QStringLiteral("second.pdf"));
    QVERIFY(!first.isEmpty() && !second.isEmpty());

    QProcess* running = start({first});
    QTRY_COMPARE_WITH_TIMEOUT(mostRecentFile(), first, test::TimeoutMs);
    QVERIFY(QFileInfo::exists(socketPath()));

    // A relative path is resolved against the folder of the start that names it.
    QProcess* later = start({QStringLiteral("second.pdf"), QStringLiteral("--ocr-page"), "1"});
    QVERIFY(later->waitForFinished(test::TimeoutMs));
    QCOMPARE(later->exitStatus(), QProcess::NormalExit);
    QCOMPARE(later->exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(mostRecentFile(), second, test::TimeoutMs);
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
    QTRY_COMPARE_WITH_TIMEOUT(mostRecentFile(), first, test::TimeoutMs);
    crashed->kill();
    QVERIFY(crashed->waitForFinished(test::TimeoutMs));
    QVERIFY(QFileInfo::exists(socketPath()));

    QProcess* next = start({second});
    QTRY_COMPARE_WITH_TIMEOUT(mostRecentFile(), second, test::TimeoutMs);
    QCOMPARE(next->state(), QProcess::Running);

    QProcess* later = start({third});
    QVERIFY(later->waitForFinished(test::TimeoutMs));
    QCOMPARE(later->exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(mostRecentFile(), third, test::TimeoutMs);
}

// The running window applies a later start's --page as if given on its own command line.
void TestSingleInstance::secondStartHandsOverItsPage()
{
    const QString first = makePdf(QStringLiteral("first.pdf"));
    const QString pages = dir->filePath(QStringLiteral("pages.pdf"));
    QVERIFY(!first.isEmpty() && test::writeTextPdf(pages, {"one", "two", "three", "four"}));

    start({first});
    QTRY_COMPARE_WITH_TIMEOUT(mostRecentFile(), first, test::TimeoutMs);
    QProcess* later = start({QStringLiteral("--page"), QStringLiteral("3"), pages});
    QVERIFY(later->waitForFinished(test::TimeoutMs));
    QCOMPARE(later->exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(mostRecentFile(), pages, test::TimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(rememberedPages().contains(2), test::TimeoutMs);
}

namespace {

QByteArray messageFor(int files)
{
    HandOver request;
    for (int i = 0; i < files; ++i) {
        OpenRequest open;
        open.path = QStringLiteral("/files/%1.pdf").arg(i);
        request.requests.append(open);
    }
    return encodeHandOver(request);
}

} // namespace

// Idle, partial, over-long and surplus connections are closed; a request for too many files is
// refused with its own answer; a deleted socket file is made again. The server stays usable.
void TestSingleInstance::clientsCannotStarveTheServer()
{
    const QString path = dir->filePath(QStringLiteral("run/test.socket"));
    SingleInstance server(path);
    server.setIdleTimeout(200);
    QCOMPARE(server.start({}), SingleInstance::Role::Serving);
    server.setListenCheckInterval(50);
    QSignalSpy received(&server, &SingleInstance::received);
#if defined(Q_OS_UNIX)
    struct stat status
    {
    };
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
    QCOMPARE(status.st_mode & 0777, mode_t(0700));
#endif

    const auto connectTo = [&path](QLocalSocket& socket, const QByteArray& bytes) {
        socket.connectToServer(path);
        QVERIFY(socket.state() == QLocalSocket::ConnectedState
                || QSignalSpy(&socket, &QLocalSocket::connected).wait(test::TimeoutMs));
        socket.write(bytes);
        socket.flush();
    };
    const auto answerTo = [&](const QByteArray& message) -> char {
        QLocalSocket client;
        connectTo(client, message);
        if (!client.bytesAvailable()
            && !QSignalSpy(&client, &QLocalSocket::readyRead).wait(test::TimeoutMs))
            return 0;
        char answer = 0;
        client.getChar(&answer);
        return answer;
    };

    struct Held
    {
        const char* name;
        QByteArray bytes;
    };
    QByteArray overLong(4, '\0');
    qToBigEndian(quint32(SingleInstance::MaxMessageBytes + 1), overLong.data());
    for (const Held& held :
         {Held{"nothing", {}}, Held{"half a header", "\0\0"},
          Held{"part of a message", messageFor(1).left(20)}, Held{"over-long header", overLong}}) {
        QLocalSocket client;
        connectTo(client, held.bytes);
        QVERIFY2(client.state() == QLocalSocket::UnconnectedState
                     || QSignalSpy(&client, &QLocalSocket::disconnected).wait(test::TimeoutMs),
                 held.name);
    }

    // More connections than the server keeps: the oldest are closed, a real request still goes.
    QList<QLocalSocket*> crowd;
    for (int i = 0; i < SingleInstance::MaxConnections + 4; ++i) {
        crowd.append(new QLocalSocket(this));
        connectTo(*crowd.last(), {});
    }
    QTRY_VERIFY_WITH_TIMEOUT(crowd.first()->state() == QLocalSocket::UnconnectedState,
                             test::TimeoutMs);
    QCOMPARE(answerTo(messageFor(SingleInstance::MaxFilesPerMessage)), 'k');
    QCOMPARE(received.size(), 1);
    QCOMPARE(received.first().first().value<QList<OpenRequest>>().size(),
             SingleInstance::MaxFilesPerMessage);
    QCOMPARE(answerTo(messageFor(SingleInstance::MaxFilesPerMessage + 1)), 'f');
    QCOMPARE(received.size(), 1);
    qDeleteAll(crowd);

    // The socket file removed (a cleaner of the runtime folder): made again.
    QVERIFY(QFile::remove(path));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path), test::TimeoutMs);
    QCOMPARE(answerTo(messageFor(1)), 'k');
}

// 300 connections held open against a window limited to 256 descriptors leave it listening: a
// later start still hands its file over.
void TestSingleInstance::heldConnectionsUnderDescriptorLimit()
{
    const QString first = makePdf(QStringLiteral("first.pdf"));
    const QString second = makePdf(QStringLiteral("second.pdf"));
    QVERIFY(!first.isEmpty() && !second.isEmpty());
    QProcess* running = start({first}, QStringLiteral("ulimit -n 256"));
    QTRY_COMPARE_WITH_TIMEOUT(mostRecentFile(), first, test::TimeoutMs);

    QList<QLocalSocket*> held;
    for (int i = 0; i < 300; ++i) {
        held.append(new QLocalSocket(this));
        held.last()->connectToServer(socketPath());
    }
    // Every one of them reaches the window: beyond the few it keeps, it closes them.
    const auto stillHeld = [&held] {
        return std::count_if(held.cbegin(), held.cend(), [](const QLocalSocket* socket) {
            return socket->state() != QLocalSocket::UnconnectedState;
        });
    };
    QTRY_VERIFY_WITH_TIMEOUT(stillHeld() <= SingleInstance::MaxConnections, test::TimeoutMs);
    QProcess* later = start({second});
    QVERIFY(later->waitForFinished(test::TimeoutMs));
    QCOMPARE(later->exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(mostRecentFile(), second, test::TimeoutMs);
    QCOMPARE(running->state(), QProcess::Running);
    qDeleteAll(held);
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
