#include "app/StartUp.h"
#include "support/TestWait.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace dovrix;

class TestStartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void iconsAreCompiledIn();
    void ocrPageOption_data();
    void ocrPageOption();
    void versionAndHelp();
    void unknownOptionFails();

private:
    static QString program();
};

QString TestStartUp::program()
{
    return qEnvironmentVariable("DOVRIX_BUILD_DIR") + QStringLiteral("/dovrix");
}

void TestStartUp::iconsAreCompiledIn()
{
    for (int size : {16, 32, 48, 256}) {
        const QImage image(QStringLiteral(":/icons/Dovrix-%1.png").arg(size));
        QVERIFY2(!image.isNull(), qPrintable(QString::number(size)));
        QCOMPARE(image.size(), QSize(size, size));
    }
    const QIcon icon = applicationIcon();
    const QList<QSize> sizes = icon.availableSizes();
    QCOMPARE(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {256, 256}}));
}

void TestStartUp::ocrPageOption_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("index");
    QTest::newRow("first page") << "1" << 0;
    QTest::newRow("third page") << "3" << 2;
    QTest::newRow("zero") << "0" << -1;
    QTest::newRow("negative") << "-4" << -1;
    QTest::newRow("not a number") << "abc" << -1;
    QTest::newRow("trailing text") << "3x" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("hexadecimal") << "0x10" << -1;
    QTest::newRow("leading zeros") << "007" << 6;
    QTest::newRow("most negative") << "-2147483648" << -1;
    QTest::newRow("too large") << "99999999999" << -1;
}

void TestStartUp::ocrPageOption()
{
    QFETCH(QString, value);
    QFETCH(int, index);
    QCOMPARE(ocrPageIndexFromOption(value), index);
}

// Also without any display (a terminal without a window system, a build machine).
void TestStartUp::versionAndHelp()
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(program(), {"--version"});
    QVERIFY2(process.waitForFinished(test::TimeoutMs), qPrintable(process.errorString()));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).trimmed(),
             QStringLiteral("Dovrix 1.5.1"));

    // The help speaks the interface language: the one chosen in the settings, else the system's.
    QTemporaryDir config;
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    auto help = [&process, &environment] {
        process.setProcessEnvironment(environment);
        process.start(program(), {"--help"});
        if (!process.waitForFinished(test::TimeoutMs) || process.exitCode() != 0)
            return QString();
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    const QString system = help();
    QVERIFY2(system.contains(QStringLiteral("reiner PDF-Betrachter")), qPrintable(system));
    QVERIFY(system.contains(QStringLiteral("--find <text>")));
    QVERIFY(system.contains(QStringLiteral("[file]")));
    QVERIFY(QDir().mkpath(config.filePath(QStringLiteral("Dovrix"))));
    QFile ini(config.filePath(QStringLiteral("Dovrix/Dovrix.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[prefs]\nlanguage=zh-CN\n");
    ini.close();
    const QString chosen = help();
    QVERIFY2(chosen.contains(QStringLiteral("纯只读 PDF 查看器")), qPrintable(chosen));
    QVERIFY(chosen.contains(QStringLiteral("--ocr-page <page>")));
    QVERIFY(chosen.contains(QStringLiteral("要打开的 PDF 文件。")));
}

void TestStartUp::unknownOptionFails()
{
    QProcess process;
    process.start(program(), {"--no-such-option"});
    QVERIFY(process.waitForFinished(test::TimeoutMs));
    QVERIFY(process.exitCode() != 0);
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
