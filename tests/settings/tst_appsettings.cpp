#include "settings/AppSettings.h"
#include "support/SettingsFixtures.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using dovrix::AppSettings;

class TestAppSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() // a fresh INI file for every test
    {
        dir = std::make_unique<QTemporaryDir>();
        dovrix::test::isolateSettings(dir->path());
        settings = std::make_unique<AppSettings>();
    }

    void defaultsAndSharedState()
    {
        QCOMPARE(settings->language(), QStringLiteral("en"));
        QCOMPARE(settings->theme(), QStringLiteral("light"));
        QVERIFY(!settings->privateMode());
        settings->setTheme(QStringLiteral("midnight"));
        settings->setPrivateMode(true);
        AppSettings other; // nothing is cached: a second instance sees the writes
        QCOMPARE(other.theme(), QStringLiteral("midnight"));
        QVERIFY(other.privateMode());
        QSettings raw;
        QCOMPARE(raw.format(), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("prefs/theme")).toString(), QStringLiteral("midnight"));
    }

    void recentFiles()
    {
        settings->addRecentFile(QStringLiteral("/a.pdf"));
        settings->addRecentFile(QStringLiteral("/b.pdf"));
        settings->addRecentFile(QStringLiteral("/a.pdf"));
        QCOMPARE(settings->recentFiles(), QStringList({"/a.pdf", "/b.pdf"}));

        QStringList expected;
        for (int i = 1; i <= 11; ++i) {
            settings->addRecentFile(QStringLiteral("/f%1.pdf").arg(i));
            expected.prepend(QStringLiteral("/f%1.pdf").arg(i));
        }
        QCOMPARE(settings->recentFiles(), expected.mid(0, 10));

        // Empty entries (a hand-edited file, an empty path) never show up or take a slot.
        QSettings().setValue(QStringLiteral("recent/files"), QStringList({"", "/x.pdf", ""}));
        settings->addRecentFile(QString());
        QCOMPARE(settings->recentFiles(), QStringList({"/x.pdf"}));
    }

    void clearingRecentFilesKeepsEverythingElse()
    {
        settings->setLanguage(QStringLiteral("de"));
        settings->saveProgress(QStringLiteral("hash1"), 7, 2.0);
        settings->addRecentFile(QStringLiteral("/one.pdf"));
        settings->setPrivateMode(true); // turning private mode on erases nothing
        QCOMPARE(settings->recentFiles(), QStringList({"/one.pdf"}));
        settings->clearRecentFiles();
        QVERIFY(settings->recentFiles().isEmpty());
        QCOMPARE(settings->language(), QStringLiteral("de"));
        QVERIFY(settings->privateMode());
        QCOMPARE(settings->progressPage(QStringLiteral("hash1")), 7);
    }

    void progress()
    {
        const QString key = QString(64, QLatin1Char('a'));
        QCOMPARE(settings->progressPage(key), -1);
        settings->saveProgress(key, 0, 1.25); // page 0 is a position, not "nothing stored"
        QCOMPARE(settings->progressPage(key), 0);
        QCOMPARE(settings->progressPage(QString(64, QLatin1Char('b'))), -1);
        QSettings raw;
        raw.beginGroup(QStringLiteral("progress"));
        QCOMPARE(raw.value(key + QLatin1String("/zoom")).toDouble(), 1.25);
        QVERIFY(raw.value(key + QLatin1String("/ts")).toLongLong() > 1700000000);

        settings->saveProgress(QString(), 3, 1.0); // an empty key writes nothing
        QCOMPARE(settings->progressPage(QString()), -1);
        QCOMPARE(raw.childGroups(), QStringList({key}));
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<AppSettings> settings;
};

QTEST_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
