#include "core/ReadingProgress.h"
#include "settings/AppSettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using dovrix::AppSettings;
using dovrix::ReadingProgress;

namespace {

const QString keyA = QString(64, QLatin1Char('a'));
const QString keyB = QString(64, QLatin1Char('b'));

QVariant stored(const QString& key, const char* name)
{
    QSettings raw;
    raw.beginGroup(QStringLiteral("progress"));
    return raw.value(key + QLatin1Char('/') + QLatin1String(name));
}

// Marks an entry as written long ago, so that a rewrite is visible in the time stamp.
void backdate(const QString& key)
{
    QSettings raw;
    raw.beginGroup(QStringLiteral("progress"));
    raw.setValue(key + QLatin1String("/ts"), 0);
}

} // namespace

class TestReadingProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Dovrix"));
        QCoreApplication::setApplicationName(QStringLiteral("Dovrix"));
    }

    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir->path());
        settings = std::make_unique<AppSettings>();
        progress = std::make_unique<ReadingProgress>(settings.get());
        timer = progress->findChild<QTimer*>();
        QVERIFY(timer);
        QVERIFY(timer->isSingleShot());
        QCOMPARE(timer->interval(), 800);
    }

    void cleanup()
    {
        progress.reset();
        settings.reset();
        dir.reset();
    }

    void pagingWritesOnlyTheLastPage()
    {
        progress->setDocumentKey(keyA);
        QCOMPARE(progress->savedPage(), -1);
        for (int page = 3; page <= 9; ++page) {
            progress->update(page, 1.0);
            // Nothing is written while the pages keep changing.
            QCOMPARE(settings->progressPage(keyA), -1);
            QVERIFY(timer->isActive());
        }
        QTRY_COMPARE(settings->progressPage(keyA), 9);
        QVERIFY(!timer->isActive());
        QCOMPARE(progress->savedPage(), 9);
        QCOMPARE(stored(keyA, "zoom").toDouble(), 1.0);
    }

    void flushWritesAtOnceAndForgetsTheKey()
    {
        progress->setDocumentKey(keyA);
        progress->update(5, 1.5);
        progress->flush();
        QCOMPARE(settings->progressPage(keyA), 5);
        QVERIFY(!timer->isActive());
        QVERIFY(progress->documentKey().isEmpty());
        QCOMPARE(progress->savedPage(), -1);

        // Without a key, updates and flushes write nothing.
        progress->update(6, 1.0);
        QVERIFY(!timer->isActive());
        progress->flush();
        QCOMPARE(settings->progressPage(keyA), 5);
    }

    void flushRenewsTheTimeStamp()
    {
        progress->setDocumentKey(keyA);
        progress->update(2, 1.0);
        progress->flush();
        backdate(keyA);
        progress->setDocumentKey(keyA);
        progress->flush(); // nothing changed since the last write
        QVERIFY(stored(keyA, "ts").toLongLong() > 0);
        QCOMPARE(settings->progressPage(keyA), 2);
    }

    void zoomOnlyChangeRewritesThePage()
    {
        settings->saveProgress(keyA, 4, 1.0);
        backdate(keyA);
        progress->setDocumentKey(keyA);
        QCOMPARE(progress->savedPage(), 4);
        progress->update(4, 2.0);
        QTRY_COMPARE(stored(keyA, "zoom").toDouble(), 2.0);
        QCOMPARE(settings->progressPage(keyA), 4);
        QVERIFY(stored(keyA, "ts").toLongLong() > 0);
    }

    void privateModeWritesNothing()
    {
        settings->saveProgress(keyA, 2, 1.0);
        settings->setPrivateMode(true);
        progress->setDocumentKey(keyA);
        QCOMPARE(progress->savedPage(), 2); // earlier entries stay readable
        progress->update(8, 3.0);
        QVERIFY(!timer->isActive());
        progress->flush();
        progress->setDocumentKey(keyB);
        progress->update(1, 1.0);
        progress->flush();
        QCOMPARE(settings->progressPage(keyA), 2);
        QCOMPARE(stored(keyA, "zoom").toDouble(), 1.0);
        QCOMPARE(settings->progressPage(keyB), -1);
    }

    void privateModeTurnedOnWhileAWriteIsPending()
    {
        progress->setDocumentKey(keyA);
        progress->update(7, 1.0);
        QVERIFY(timer->isActive());
        settings->setPrivateMode(true);
        QTRY_VERIFY(!timer->isActive());
        QCOMPARE(settings->progressPage(keyA), -1);
    }

    void newKeyKeepsThePendingWriteOfThePrevious()
    {
        progress->setDocumentKey(keyA);
        progress->update(6, 1.0);
        // A reload (or another document) right after a page change must not lose that page.
        progress->setDocumentKey(keyB);
        QCOMPARE(settings->progressPage(keyA), 6);
        QCOMPARE(settings->progressPage(keyB), -1);
        QVERIFY(!timer->isActive());
        QCOMPARE(progress->savedPage(), -1);
    }

    void emptyKeyWritesNothing()
    {
        progress->setDocumentKey(QString());
        progress->update(3, 1.0);
        QVERIFY(!timer->isActive());
        progress->flush();
        QCOMPARE(progress->savedPage(), -1);
        QSettings raw;
        QVERIFY(!raw.childGroups().contains(QStringLiteral("progress")));
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<AppSettings> settings;
    std::unique_ptr<ReadingProgress> progress;
    QTimer* timer = nullptr;
};

QTEST_MAIN(TestReadingProgress)
#include "tst_readingprogress.moc"
