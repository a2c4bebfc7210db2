#include "core/ReadingProgress.h"
#include "settings/AppSettings.h"
#include "support/SettingsFixtures.h"
#include "support/TestWait.h"

#include <QSettings>
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
    return QSettings().value(QLatin1String("progress/") + key + QLatin1Char('/')
                             + QLatin1String(name));
}

} // namespace

class TestReadingProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        dovrix::test::isolateSettings(dir->path());
        settings = std::make_unique<AppSettings>();
        progress = std::make_unique<ReadingProgress>(settings.get());
        timer = progress->findChild<QTimer*>();
        QVERIFY(timer);
    }

    void pagingWritesOnlyTheLastPage()
    {
        progress->setDocumentKey(keyA);
        for (int page = 3; page <= 9; ++page) {
            progress->update(page, 1.0);
            QVERIFY(timer->isActive()); // each change pushes the write further out
            QCOMPARE(settings->progressPage(keyA), -1);
        }
        QTRY_COMPARE_WITH_TIMEOUT(settings->progressPage(keyA), 9, dovrix::test::TimeoutMs);
        QCOMPARE(progress->savedPage(), 9);
    }

    void closingFlushesAtOnce()
    {
        progress->setDocumentKey(keyA);
        progress->update(5, 1.5);
        progress->flush();
        QCOMPARE(settings->progressPage(keyA), 5);
        QVERIFY(!timer->isActive());
        QCOMPARE(progress->savedPage(), -1); // the key is forgotten
        progress->update(6, 1.0);
        progress->flush();
        QCOMPARE(settings->progressPage(keyA), 5);
    }

    void zoomOnlyChangeRewritesThePage()
    {
        settings->saveProgress(keyA, 4, 1.0);
        QSettings().setValue(QLatin1String("progress/") + keyA + QLatin1String("/ts"), 0);
        progress->setDocumentKey(keyA);
        progress->update(4, 2.0);
        QTRY_COMPARE_WITH_TIMEOUT(stored(keyA, "zoom").toDouble(), 2.0, dovrix::test::TimeoutMs);
        QCOMPARE(settings->progressPage(keyA), 4);
        QVERIFY(stored(keyA, "ts").toLongLong() > 0);
    }

    void privateModeWritesNothing()
    {
        settings->saveProgress(keyA, 2, 1.0);
        progress->setDocumentKey(keyB);
        progress->update(7, 1.0);
        settings->setPrivateMode(true); // switched on while a write is pending
        QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), dovrix::test::TimeoutMs);
        progress->setDocumentKey(keyA);
        QCOMPARE(progress->savedPage(), 2); // stored positions stay readable
        progress->update(8, 3.0);
        QVERIFY(!timer->isActive());
        progress->flush();
        QCOMPARE(settings->progressPage(keyA), 2);
        QCOMPARE(settings->progressPage(keyB), -1);
    }

    void newKeyKeepsThePendingWriteOfThePrevious()
    {
        progress->setDocumentKey(keyA);
        progress->update(6, 1.0);
        progress->setDocumentKey(keyB); // a reload right after a page change
        QCOMPARE(settings->progressPage(keyA), 6);
        QVERIFY(!timer->isActive());
        QCOMPARE(progress->savedPage(), -1);
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<AppSettings> settings;
    std::unique_ptr<ReadingProgress> progress;
    QTimer* timer = nullptr;
};

QTEST_MAIN(TestReadingProgress)
#include "tst_readingprogress.moc"
