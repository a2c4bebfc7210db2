#include "core/BookmarkStore.h"
#include "settings/AppSettings.h"
#include "support/SettingsFixtures.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace dovrix;

namespace {

const QString keyA = QString(64, QLatin1Char('a'));
const QString keyB = QString(64, QLatin1Char('b'));

} // namespace

class TestBookmarkStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        test::isolateSettings(dir->path());
        settings = std::make_unique<AppSettings>();
    }

    void roundTripPerDocument()
    {
        const Bookmark intro{QStringLiteral("1 Introduction"), 4, 123.5, 1.5};
        const Bookmark odd{QStringLiteral("“quoted”, 名字 / = [x]"), 0, 0.0, 0.75};
        {
            BookmarkStore store(settings.get());
            QSignalSpy changed(&store, &BookmarkStore::bookmarksChanged);
            store.setDocumentKey(keyA);
            store.add(intro);
            store.add(odd);
            store.add({QStringLiteral("gone"), 9, 1, 1});
            QVERIFY(store.remove(2));
            QVERIFY(!store.remove(2));
            QVERIFY(!store.rename(0, QStringLiteral("  ")));
            QVERIFY(store.rename(0, QStringLiteral(" Intro ")));
            QCOMPARE(changed.size(), 6); // key, three adds, one remove, one rename
            store.setDocumentKey(keyB);
            QVERIFY(store.bookmarks().isEmpty());
        }
        BookmarkStore reopened(settings.get());
        reopened.setDocumentKey(keyA);
        Bookmark renamed = intro;
        renamed.name = QStringLiteral("Intro");
        QCOMPARE(reopened.bookmarks(), (QList<Bookmark>{renamed, odd}));
        // Deleting the last one removes the entry.
        QVERIFY(reopened.remove(0) && reopened.remove(0));
        QVERIFY(settings->bookmarks(keyA).isEmpty());
    }

    void privateModeWritesNothing()
    {
        settings->setPrivateMode(true);
        BookmarkStore store(settings.get());
        store.setDocumentKey(keyA);
        store.add({QStringLiteral("secret"), 2, 10, 1});
        QCOMPARE(store.bookmarks().size(), 1); // usable for this session
        QVERIFY(settings->bookmarks(keyA).isEmpty());
        QVERIFY(!QSettings().childGroups().contains(QStringLiteral("bookmarks")));
    }

    void damagedEntriesAreSkipped_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("count");
        QTest::newRow("not json") << QByteArray("{{{") << 0;
        QTest::newRow("object instead of array") << QByteArray(R"({"name":"x","page":1})") << 0;
        QTest::newRow("nameless and negative")
            << QByteArray(R"([{"page":1},{"name":"n","page":-3},{"name":"ok","page":2}])") << 1;
    }

    void damagedEntriesAreSkipped()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, count);
        QCOMPARE(BookmarkStore::decode(stored).size(), count);
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<AppSettings> settings;
};

QTEST_GUILESS_MAIN(TestBookmarkStore)
#include "tst_bookmarkstore.moc"
