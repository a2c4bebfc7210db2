#include "core/PdfWorker.h"
#include "core/RenderCache.h"

#include "support/TestPdf.h"
#include "support/WorkerGate.h"

#include <QPdfDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using dovrix::PdfWorker;
using dovrix::RenderCache;
using Key = RenderCache::Key;

namespace {

Key makeKey(int page, QSize size, int rotation = 0, double ratio = 1.0)
{
    Key key;
    key.page = page;
    key.size = size;
    key.rotation = rotation;
    key.devicePixelRatio = ratio;
    return key;
}

// Bounding box of the visibly drawn (dark, opaque) pixels.
QRect inkBounds(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QRect bounds;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) > 128 && qGray(line[x]) < 128)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

class TestRenderCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("pages.pdf"));
        QVERIFY(dovrix::test::writeSizedPdf(path, {QSizeF(200, 300)}, 4));
        QCOMPARE(document.load(path), QPdfDocument::Error::None);
    }

    void init() { worker = std::make_unique<PdfWorker>(); }

    void cleanup()
    {
        worker.reset(); // waits for the running job; the document outlives every job
    }

    void clampToPixelLimit_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("within limit") << QSize(2480, 3508) << QSize(2480, 3508);
        QTest::newRow("exactly at limit") << QSize(8192, 8192) << QSize(8192, 8192);
        QTest::newRow("10000 square") << QSize(10000, 10000) << QSize(8192, 8192);
        QTest::newRow("wide") << QSize(40000, 10000) << QSize(16384, 4096);
        QTest::newRow("empty stays") << QSize(0, 50000) << QSize(0, 50000);
        QTest::newRow("invalid stays") << QSize(-1, -1) << QSize(-1, -1);
    }

    void clampToPixelLimit()
    {
        QFETCH(QSize, size);
        QFETCH(QSize, expected);
        QCOMPARE(RenderCache::clampToPixelLimit(size), expected);
    }

    void clampKeepsThinPagesWithinTheLimit()
    {
        // The thin side truncates to zero and is raised to one pixel; the long side must then
        // shrink further rather than leave the image above the limit.
        const QSize clamped = RenderCache::clampToPixelLimit(QSize(1, 100000000));
        QCOMPARE(clamped.width(), 1);
        QVERIFY(clamped.height() > 0);
        QVERIFY(qint64(clamped.width()) * clamped.height() <= RenderCache::maxRenderPixels);

        const QSize big = RenderCache::clampToPixelLimit(QSize(30000, 29999));
        QVERIFY(qint64(big.width()) * big.height() <= RenderCache::maxRenderPixels);
        QVERIFY(big.width() >= big.height());
    }

    void keyEqualityAndHash_data()
    {
        QTest::addColumn<double>("ratioA");
        QTest::addColumn<double>("ratioB");
        QTest::addColumn<bool>("equal");
        QTest::addColumn<bool>("sameHash");
        QTest::newRow("same ratio") << 2.0 << 2.0 << true << true;
        QTest::newRow("within one eighth") << 1.0 << 1.1 << false << true;
        QTest::newRow("an eighth apart") << 1.0 << 1.125 << false << false;
        QTest::newRow("fractional screens") << 1.25 << 1.5 << false << false;
    }

    void keyEqualityAndHash()
    {
        QFETCH(double, ratioA);
        QFETCH(double, ratioB);
        QFETCH(bool, equal);
        QFETCH(bool, sameHash);
        const Key a = makeKey(2, QSize(300, 400), 90, ratioA);
        const Key b = makeKey(2, QSize(300, 400), 90, ratioB);
        QCOMPARE(a == b, equal);
        QCOMPARE(qHash(a) == qHash(b), sameHash);
        // Keys that share a hash bucket still stay apart in a hash map.
        QHash<Key, int> map{{a, 1}, {b, 2}};
        QCOMPARE(map.size(), equal ? 1 : 2);
    }

    void keyFieldsAndKnownHashes()
    {
        const Key key = makeKey(3, QSize(612, 792), 90, 2.0);
        QVERIFY(key != makeKey(4, QSize(612, 792), 90, 2.0));
        QVERIFY(key != makeKey(3, QSize(792, 612), 90, 2.0));
        QVERIFY(key != makeKey(3, QSize(612, 792), 270, 2.0));
        // Fixed values: the hash is a stable function of the fields.
        QCOMPARE(RenderCache::keyHash(makeKey(0, QSize(0, 0))), 0xddad7dfb3e286d59ULL);
        QCOMPARE(RenderCache::keyHash(key), 0x6cecd6d86d80bb66ULL);
        QCOMPARE(RenderCache::keyHash(makeKey(-1, QSize(132, 187))), 0xd218576f8bc19203ULL);
        QVERIFY(QMetaType::fromName("dovrix::RenderCache::Key").isValid());
    }

    void concurrentRequestsRenderOnce()
    {
        RenderCache cache(worker.get(), 1 << 24, 30);
        QSignalSpy spy(&cache, &RenderCache::pageRendered);
        const Key key = makeKey(0, QSize(100, 150));
        {
            dovrix::test::WorkerGate gate(worker.get());
            cache.request(key, &document);
            cache.request(key, &document);
            QVERIFY(cache.isInFlight(key));
        }
        QVERIFY(spy.wait());
        settle();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(qvariant_cast<Key>(spy.at(0).at(0)), key);
        const QImage image = qvariant_cast<QImage>(spy.at(0).at(1));
        QCOMPARE(image.size(), QSize(100, 150));
        QVERIFY(!cache.isInFlight(key));
        QCOMPARE(cache.cachedImage(key).size(), QSize(100, 150));
        QCOMPARE(cache.totalBytes(), image.sizeInBytes());

        // A cached key starts nothing.
        cache.request(key, &document);
        settle();
        QCOMPARE(spy.count(), 1);
    }

    void clearDropsQueuedAndFinishedRenders()
    {
        RenderCache cache(worker.get(), 1 << 24, 30);
        QSignalSpy spy(&cache, &RenderCache::pageRendered);
        const Key queued = makeKey(0, QSize(100, 150));
        const Key finished = makeKey(1, QSize(100, 150));
        {
            dovrix::test::WorkerGate gate(worker.get());
            cache.request(queued, &document);
            cache.clear();
            QVERIFY(!cache.isInFlight(queued));
        }
        // This render completes on the worker; its result is still on its way when the cache
        // is cleared.
        cache.request(finished, &document);
        QVERIFY(worker->waitForIdle());
        cache.clear();
        settle();
        QCOMPARE(spy.count(), 0);
        QCOMPARE(cache.count(), 0);
        QCOMPARE(cache.totalBytes(), 0);
        QVERIFY(cache.cachedImage(queued).isNull());
        QVERIFY(cache.cachedImage(finished).isNull());
    }

    void lateResultDoesNotReleaseANewerRender()
    {
        RenderCache cache(worker.get(), 1 << 24, 30);
        QSignalSpy spy(&cache, &RenderCache::pageRendered);
        const Key key = makeKey(2, QSize(80, 120));
        cache.request(key, &document);
        QVERIFY(worker->waitForIdle()); // the old result now waits in the event queue
        cache.clear();
        {
            dovrix::test::WorkerGate gate(worker.get());
            cache.request(key, &document);
            settle(); // delivers the old result, which is dropped
            QVERIFY(cache.isInFlight(key));
            cache.request(key, &document); // still in flight: nothing new starts
        }
        QVERIFY(spy.wait());
        settle();
        QCOMPARE(spy.count(), 1);
        QVERIFY(!cache.cachedImage(key).isNull());
    }

    void evictsLeastRecentlyUsed()
    {
        const Key a = makeKey(0, QSize(100, 100));
        const Key b = makeKey(1, QSize(100, 100));
        const Key c = makeKey(2, QSize(100, 100));
        const Key d = makeKey(3, QSize(100, 100));
        RenderCache cache(worker.get(), 0, 30);
        const qint64 imageBytes = renderInto(cache, a).sizeInBytes();
        QVERIFY(imageBytes >= 100 * 100 * 3);

        RenderCache lru(worker.get(), 3 * imageBytes, 30);
        renderInto(lru, a);
        renderInto(lru, b);
        renderInto(lru, c);
        QCOMPARE(lru.count(), 3);
        QVERIFY(!lru.cachedImage(a).isNull()); // a is now the most recent, b the least
        lru.request(b, &document);             // a request for a cached key does not touch it
        settle();
        renderInto(lru, d);
        QCOMPARE(lru.count(), 3);
        QVERIFY(!lru.contains(b));
        QVERIFY(lru.contains(a) && lru.contains(c) && lru.contains(d));
        QCOMPARE(lru.totalBytes(), 3 * imageBytes);
    }

    void imageAboveBudgetIsDeliveredNotKept()
    {
        // The largest image the cache renders is clamped to the pixel limit: 256 MiB, more than
        // the page view's 192 MiB budget. It is delivered, then evicted with everything else.
        RenderCache cache(worker.get(), 201326592, 30);
        renderInto(cache, makeKey(0, QSize(100, 150)));
        QCOMPARE(cache.count(), 1);
        const QImage huge = renderInto(cache, makeKey(1, QSize(10000, 10000)));
        QCOMPARE(huge.size(), QSize(8192, 8192));
        QCOMPARE(cache.count(), 0);
        QCOMPARE(cache.totalBytes(), 0);
    }

    void failedRenderCachesNothing_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("withDocument");
        QTest::newRow("page out of range") << 99 << true;
        QTest::newRow("no document") << 0 << false;
    }

    void failedRenderCachesNothing()
    {
        QFETCH(int, page);
        QFETCH(bool, withDocument);
        RenderCache cache(worker.get(), 1 << 24, 30);
        QSignalSpy spy(&cache, &RenderCache::pageRendered);
        const Key key = makeKey(page, QSize(50, 50));
        for (int attempt = 1; attempt <= 2; ++attempt) {
            cache.request(key, withDocument ? &document : nullptr);
            QVERIFY(spy.wait());
            QCOMPARE(spy.count(), attempt); // the second request renders again
            QVERIFY(qvariant_cast<QImage>(spy.last().at(1)).isNull());
            QCOMPARE(cache.count(), 0);
            QVERIFY(!cache.isInFlight(key));
        }
    }

    void rotationTurnsThePage_data()
    {
        // The page's mark sits near its top-left corner.
        QTest::addColumn<int>("rotation");
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("bottom");
        QTest::newRow("0") << 0 << false << false;
        QTest::newRow("90") << 90 << true << false;
        QTest::newRow("180") << 180 << true << true;
        QTest::newRow("270") << 270 << false << true;
    }

    void rotationTurnsThePage()
    {
        QFETCH(int, rotation);
        QFETCH(bool, right);
        QFETCH(bool, bottom);
        const QSize size = rotation % 180 ? QSize(300, 200) : QSize(200, 300);
        RenderCache cache(worker.get(), 1 << 24, 30);
        const QImage image = renderInto(cache, makeKey(0, size, rotation));
        QCOMPARE(image.size(), size);
        const QPoint centre = inkBounds(image).center();
        QVERIFY(!inkBounds(image).isEmpty());
        QCOMPARE(centre.x() > size.width() / 2, right);
        QCOMPARE(centre.y() > size.height() / 2, bottom);
    }

    void destroyedCacheLeavesQueuedJobsHarmless()
    {
        auto cache = std::make_unique<RenderCache>(worker.get(), 1 << 24, 30);
        {
            dovrix::test::WorkerGate gate(worker.get());
            cache->request(makeKey(0, QSize(100, 150)), &document);
            cache->request(makeKey(1, QSize(100, 150)), &document);
            cache.reset();
        }
        QVERIFY(worker->waitForIdle());
        settle();
        // A result that reached the event queue before the cache died is dropped as well.
        cache = std::make_unique<RenderCache>(worker.get(), 1 << 24, 30);
        cache->request(makeKey(2, QSize(100, 150)), &document);
        QVERIFY(worker->waitForIdle());
        cache.reset();
        settle();
    }

    void requestAfterTheWorkerIsGoneDoesNothing()
    {
        RenderCache cache(worker.get(), 1 << 24, 30);
        worker.reset();
        const Key key = makeKey(0, QSize(100, 150));
        cache.request(key, &document);
        QVERIFY(!cache.isInFlight(key));
        cache.clear();
    }

private:
    // Delivers the results that the worker has already handed over.
    static void settle() { QCoreApplication::sendPostedEvents(); }

    QImage renderInto(RenderCache& cache, const Key& key)
    {
        QSignalSpy spy(&cache, &RenderCache::pageRendered);
        cache.request(key, &document);
        if (!spy.wait(30000))
            return {};
        return qvariant_cast<QImage>(spy.first().at(1));
    }

    QTemporaryDir dir;
    QPdfDocument document;
    std::unique_ptr<PdfWorker> worker;
};

QTEST_MAIN(TestRenderCache)
#include "tst_rendercache.moc"
