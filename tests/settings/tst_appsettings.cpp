#include "settings/AppSettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using dovrix::AppSettings;

class TestAppSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Dovrix"));
        QCoreApplication::setApplicationName(QStringLiteral("Dovrix"));
    }

    // A fresh, empty INI location for every test function.
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir->path());
        settings = std::make_unique<AppSettings>();
    }

    void cleanup()
    {
        settings.reset();
        dir.reset();
    }

    void defaultsAndPreferences()
    {
        QCOMPARE(settings->language(), QStringLiteral("en"));
        QCOMPARE(settings->theme(), QStringLiteral("light"));
        QCOMPARE(settings->privateMode(), false);
        QVERIFY(settings->recentFiles().isEmpty());

        settings->setLanguage(QStringLiteral("zh_CN"));
        settings->setTheme(QStringLiteral("midnight"));
        settings->setPrivateMode(true);
        // A second instance reads what the first wrote: nothing is cached.
        AppSettings other;
        QCOMPARE(other.language(), QStringLiteral("zh_CN"));
        QCOMPARE(other.theme(), QStringLiteral("midnight"));
        QCOMPARE(other.privateMode(), true);

        // The file is INI with the documented keys, so that it stays readable across versions.
        QSettings raw;
        QCOMPARE(raw.format(), QSettings::IniFormat);
        QVERIFY(raw.fileName().endsWith(QLatin1String(".ini")));
        QCOMPARE(raw.value(QStringLiteral("prefs/theme")).toString(), QStringLiteral("midnight"));
    }

    void recentFilesMoveToFront()
    {
        settings->addRecentFile(QStringLiteral("/a.pdf"));
        settings->addRecentFile(QStringLiteral("/b.pdf"));
        settings->addRecentFile(QStringLiteral("/a.pdf"));
        QCOMPARE(settings->recentFiles(), QStringList({"/a.pdf", "/b.pdf"}));

        // Paths are compared exactly: another spelling is another entry.
        settings->addRecentFile(QStringLiteral("/A.pdf"));
        QCOMPARE(settings->recentFiles(), QStringList({"/A.pdf", "/a.pdf", "/b.pdf"}));
    }

    void recentFilesKeepTenNewest()
    {
        QStringList expected;
        for (int i = 1; i <= 11; ++i) {
            const QString path = QStringLiteral("/docs/file%1.pdf").arg(i);
            settings->addRecentFile(path);
            expected.prepend(path);
        }
        expected.removeLast(); // file1, the oldest
        QCOMPARE(settings->recentFiles(), expected);
        QCOMPARE(settings->recentFiles().size(), AppSettings::MaxRecentFiles);

        // Re-adding an entry of a full list does not drop anything else.
        settings->addRecentFile(QStringLiteral("/docs/file5.pdf"));
        QCOMPARE(settings->recentFiles().size(), 10);
        QCOMPARE(settings->recentFiles().first(), QStringLiteral("/docs/file5.pdf"));
        QVERIFY(settings->recentFiles().contains(QStringLiteral("/docs/file2.pdf")));
    }

    void recentFilesDropEmptyEntries()
    {
        QSettings raw;
        raw.setValue(QStringLiteral("recent/files"), QStringList({"", "/x.pdf", "", "/y.pdf"}));
        raw.sync();
        QCOMPARE(settings->recentFiles(), QStringList({"/x.pdf", "/y.pdf"}));
        settings->addRecentFile(QString());
        QCOMPARE(settings->recentFiles(), QStringList({"/x.pdf", "/y.pdf"}));
    }

    void privateModeKeepsExistingEntries()
    {
        settings->addRecentFile(QStringLiteral("/kept.pdf"));
        settings->saveProgress(QStringLiteral("abc"), 4, 1.5);
        settings->setPrivateMode(true);
        QCOMPARE(settings->recentFiles(), QStringList({"/kept.pdf"}));
        QCOMPARE(settings->progressPage(QStringLiteral("abc")), 4);
    }

    void clearRecentFilesLeavesTheRest()
    {
        settings->setTheme(QStringLiteral("dark"));
        settings->setLanguage(QStringLiteral("de"));
        settings->setPrivateMode(true);
        settings->saveProgress(QStringLiteral("hash1"), 7, 2.0);
        settings->addRecentFile(QStringLiteral("/one.pdf"));
        settings->addRecentFile(QStringLiteral("/two.pdf"));

        settings->clearRecentFiles();
        QVERIFY(settings->recentFiles().isEmpty());
        QCOMPARE(settings->theme(), QStringLiteral("dark"));
        QCOMPARE(settings->language(), QStringLiteral("de"));
        QCOMPARE(settings->privateMode(), true);
        QCOMPARE(settings->progressPage(QStringLiteral("hash1")), 7);
    }

    void progressByContentKey()
    {
        const QString key = QString(64, QLatin1Char('a'));
        QCOMPARE(settings->progressPage(key), -1);
        QCOMPARE(settings->progressPage(QString()), -1);

        const qint64 before = QDateTime::currentSecsSinceEpoch();
        settings->saveProgress(key, 12, 1.25);
        QCOMPARE(settings->progressPage(key), 12);
        QCOMPARE(settings->progressPage(QString(64, QLatin1Char('b'))), -1);

        QSettings raw;
        raw.beginGroup(QStringLiteral("progress"));
        QCOMPARE(raw.value(key + QLatin1String("/zoom")).toDouble(), 1.25);
        QVERIFY(raw.value(key + QLatin1String("/ts")).toLongLong() >= before);

        // Page 0 is a real position, not "nothing stored".
        settings->saveProgress(key, 0, 1.0);
        QCOMPARE(settings->progressPage(key), 0);

        // An empty key writes nothing at all.
        settings->saveProgress(QString(), 3, 1.0);
        raw.sync();
        QCOMPARE(raw.childGroups(), QStringList({key}));
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<AppSettings> settings;
};

QTEST_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
