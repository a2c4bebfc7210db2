#include "core/PdfWorker.h"
#include "core/RenderCache.h"

#include "support/TestPdf.h"
#include "support/TestWait.h"
#include "support/WorkerGate.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using dovrix::DocumentHandle;
using dovrix::JobPriority;
using dovrix::PdfWorker;
using dovrix::RenderCache;
using dovrix::test::WorkerGate;
using Key = RenderCache::Key;

namespace {

Key makeKey(int page, QSize size, int rotation = 0, double ratio = 1.0)
{
    return Key{page, size, rotation, ratio, QRect()};
}

// Mean grey of the visible pixels (the ink), or -1 when there are none.
int inkGray(const QImage& rendered)
{
    const QImage image = rendered.convertToFormat(QImage::Format_ARGB32);
    qint64 sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb px = image.pixel(x, y);
            if (qAlpha(px) > 64) {
                sum += qGray(px);
                ++count;
            }
        }
    }
    return count ? int(sum / count) : -1;
}

// Delivers the results that the worker has already handed over.
void settle()
{
    QCoreApplication::sendPostedEvents();
}

} // namespace

class TestRenderCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const QString path = dir.filePath(QStringLiteral("pages.pdf"));
        QVERIFY(dovrix::test::writeSizedPdf(path, {QSizeF(200, 300)}, 4));
        handle = DocumentHandle(dovrix::PdfDocument::open(path).document);
        QVERIFY(handle);
    }

    void init() { worker = std::make_unique<PdfWorker>(); }
    void cleanup() { worker.reset(); } // the document outlives every job

    void clampToPixelLimit_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("within") << QSize(2480, 3508) << QSize(2480, 3508);
        QTest::newRow("at limit") << QSize(8192, 8192) << QSize(8192, 8192);
        QTest::newRow("10000 square") << QSize(10000, 10000) << QSize(8192, 8192);
        QTest::newRow("wide") << QSize(40000, 10000) << QSize(16384, 4096);
        // The thin side is raised to one pixel; the long side must not then exceed the limit.
        QTest::newRow("thin") << QSize(1, 100000000) << QSize(1, 67108864);
        QTest::newRow("empty") << QSize(0, 50000) << QSize(0, 50000);
    }

    void clampToPixelLimit()
    {
        QFETCH(QSize, size);
        QFETCH(QSize, expected);
        QCOMPARE(RenderCache::clampToPixelLimit(size), expected);
    }

    void keyEqualityAndHash_data()
    {
        QTest::addColumn<double>("ratioA");
        QTest::addColumn<double>("ratioB");
        QTest::addColumn<bool>("equal");
        QTest::addColumn<bool>("sameHash");
        QTest::newRow("same") << 2.0 << 2.0 << true << true;
        QTest::newRow("within an eighth") << 1.0 << 1.1 << false << true;
        QTest::newRow("an eighth apart") << 1.0 << 1.125 << false << false;
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
        const QHash<Key, int> map{{a, 1}, {b, 2}};
        QCOMPARE(map.size(), equal ? 1 : 2);
        QVERIFY(a != makeKey(2, QSize(400, 300), 90, ratioA));
        QVERIFY(a != makeKey(2, QSize(300, 400), 270, ratioA));
        // The hash is a fixed function of the fields.
        QCOMPARE(RenderCache::keyHash(makeKey(3, QSize(612, 792), 90, 2.0)), 0x6cecd6d86d80bb66ULL);
        QCOMPARE(RenderCache::keyHash(makeKey(-1, QSize(132, 187))), 0xd218576f8bc19203ULL);
    }

    void concurrentRequestsRenderOnce()
    {
        RenderCache cache(worker.get(), 1 << 24, JobPriority::PageView);
        QSignalSpy spy(&cache, &RenderCache::pageRendered);
        const Key key = makeKey(0, QSize(100, 150));
        {
            WorkerGate gate(worker.get());
            cache.request(key, handle);
            cache.request(key, handle);
        }
        QVERIFY(spy.wait(dovrix::test::TimeoutMs));
        cache.request(key, handle); // cached: starts nothing
        QVERIFY(worker->waitForIdle());
        settle();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(qvariant_cast<Key>(spy.at(0).at(0)), key);
        QCOMPARE(qvariant_cast<QImage>(spy.at(0).at(1)).size(), QSize(100, 150));
        QCOMPARE(cache.totalBytes(), cache.cachedImage(key).sizeInBytes());
    }

    void clearDropsQueuedAndFinishedRenders()
    {
        RenderCache cache(worker.get(), 1 << 24, JobPriority::PageView);
        QSignalSpy spy(&cache, &RenderCache::pageRendered);
        {
            WorkerGate gate(worker.get());
            cache.request(makeKey(0, QSize(100, 150)), handle);
            cache.clear();
        }
        cache.request(makeKey(1, QSize(100, 150)), handle);
        QVERIFY(worker->waitForIdle()); // rendered; the result waits in the event queue
        cache.clear();
        settle();
        QCOMPARE(spy.count(), 0);
        QCOMPARE(cache.count(), 0);
        QCOMPARE(cache.totalBytes(), 0);
    }

    void lateResultDoesNotReleaseANewerRender()
    {
        RenderCache cache(worker.get(), 1 << 24, JobPriority::PageView);
        QSignalSpy spy(&cache, &RenderCache::pageRendered);
        const Key key = makeKey(2, QSize(80, 120));
        cache.request(key, handle);
        QVERIFY(worker->waitForIdle());
        cache.clear();
        {
            WorkerGate gate(worker.get());
            cache.request(key, handle);
            settle(); // the old result arrives and is dropped
            cache.request(key, handle);
        }
        QVERIFY(spy.wait(dovrix::test::TimeoutMs));
        QVERIFY(worker->waitForIdle());
        settle();
        QCOMPARE(spy.count(), 1);
    }

    void evictsLeastRecentlyUsed()
    {
        const Key a = makeKey(0, QSize(100, 100)), b = makeKey(1, QSize(100, 100));
        const Key c = makeKey(2, QSize(100, 100)), d = makeKey(3, QSize(100, 100));
        const qint64 bytes = QImage(100, 100, QImage::Format_ARGB32).sizeInBytes();
        RenderCache cache(worker.get(), 3 * bytes, JobPriority::PageView);
        for (const Key& key : {a, b, c})
            QVERIFY(!renderInto(cache, key).isNull());
        QVERIFY(!cache.cachedImage(a).isNull()); // a becomes the most recent, b the least
        cache.request(b, handle);                // a request for a cached key does not touch it
        renderInto(cache, d);
        QVERIFY(!cache.contains(b));
        QVERIFY(cache.contains(a) && cache.contains(c) && cache.contains(d));
        QCOMPARE(cache.totalBytes(), 3 * bytes);
    }

    void imageAboveBudgetIsDeliveredNotKept()
    {
        // A page at the pixel limit (256 MiB) is more than the page view's 192 MiB budget.
        RenderCache cache(worker.get(), 201326592, JobPriority::PageView);
        renderInto(cache, makeKey(0, QSize(100, 150)));
        QCOMPARE(renderInto(cache, makeKey(1, QSize(10000, 10000))).size(), QSize(8192, 8192));
        QCOMPARE(cache.count(), 0);
        QCOMPARE(cache.totalBytes(), 0);
    }

    void failedRenderIsRetried()
    {
        RenderCache cache(worker.get(), 1 << 24, JobPriority::PageView);
        QSignalSpy spy(&cache, &RenderCache::pageRendered);
        const Key key = makeKey(99, QSize(50, 50)); // no such page
        for (int attempt = 1; attempt <= 2; ++attempt) {
            cache.request(key, handle);
            QVERIFY(spy.wait(dovrix::test::TimeoutMs));
            QCOMPARE(spy.count(), attempt);
            QVERIFY(qvariant_cast<QImage>(spy.last().at(1)).isNull());
            QCOMPARE(cache.count(), 0);
        }
    }

    void rotationTurnsThePage_data()
    {
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QPoint>("corner"); // where the mark drawn top-left ends up
        QTest::newRow("0") << 0 << QPoint(0, 0);
        QTest::newRow("90") << 90 << QPoint(1, 0);
        QTest::newRow("180") << 180 << QPoint(1, 1);
        QTest::newRow("270") << 270 << QPoint(0, 1);
    }

    void rotationTurnsThePage()
    {
        QFETCH(int, rotation);
        QFETCH(QPoint, corner);
        const QSize size = rotation % 180 ? QSize(300, 200) : QSize(200, 300);
        RenderCache cache(worker.get(), 1 << 24, JobPriority::PageView);
        const QImage image =
            renderInto(cache, makeKey(0, size, rotation)).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), size);
        QRect ink;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) > 128 && qGray(image.pixel(x, y)) < 128)
                    ink |= QRect(x, y, 1, 1);
            }
        }
        QVERIFY(!ink.isEmpty());
        QCOMPARE(QPoint(ink.center().x() * 2 / size.width(), ink.center().y() * 2 / size.height()),
                 corner);

        // A part rendered alone (for pages too large to render whole) is that part of the image,
        // give or take a pixel (engines may place a clipped render a pixel apart).
        Key partKey = makeKey(0, size, rotation);
        partKey.clip = ink.adjusted(-7, -5, 9, 11) & QRect(QPoint(0, 0), size);
        QVERIFY(partKey != makeKey(0, size, rotation));
        const QImage part = renderInto(cache, partKey).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(part.size(), partKey.clip.size());
        const auto nearby = [&image](QPoint at, int gray) {
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const QPoint p = at + QPoint(dx, dy);
                    if (image.rect().contains(p) && qAbs(qGray(image.pixel(p)) - gray) <= 40)
                        return true;
                }
            }
            return false;
        };
        int differing = 0;
        for (int y = 0; y < part.height(); ++y) {
            for (int x = 0; x < part.width(); ++x)
                differing +=
                    !nearby(partKey.clip.topLeft() + QPoint(x, y), qGray(part.pixel(x, y)));
        }
        QVERIFY2(differing * 50 <= part.width() * part.height(),
                 qPrintable(QString::number(differing)));
    }

    // The image exports, printing and recognition ask for: three bytes a pixel, in the colours
    // of the page view's image. Large and of an odd width, so its rows are padded.
    void opaqueImageIsTheSamePage()
    {
        const QString path = dir.filePath(QStringLiteral("colours.pdf"));
        QVERIFY(
            dovrix::test::writePaintedPdf(path, {QSizeF(300, 300)}, 1, [](QPainter& painter, int) {
                painter.fillRect(0, 0, 150, 300, Qt::red);
                painter.fillRect(150, 150, 150, 150, Qt::blue);
            }));
        const DocumentHandle colours(dovrix::PdfDocument::open(path).document);
        QVERIFY(colours);
        const QSize size(1201, 1201);
        const QImage screen = RenderCache::render(colours.get(), 0, size, 0);
        const QImage opaque =
            RenderCache::render(colours.get(), 0, size, 0, {}, dovrix::PageImageFormat::Opaque);
        QCOMPARE(opaque.format(), QImage::Format_RGB888);
        QCOMPARE(opaque.size(), size);
        QCOMPARE(screen.size(), size);
        const QList<std::pair<QPoint, QColor>> samples = {
            {{300, 1100}, Qt::red}, {{1100, 1100}, Qt::blue}, {{1100, 100}, Qt::white}};
        for (const auto& [at, colour] : samples) {
            QCOMPARE(opaque.pixelColor(at), colour);
            QCOMPARE(screen.pixelColor(at), colour);
        }
    }

    void goneCacheOrWorkerLeavesJobsHarmless()
    {
        auto cache = std::make_unique<RenderCache>(worker.get(), 1 << 24, JobPriority::PageView);
        {
            WorkerGate gate(worker.get());
            cache->request(makeKey(0, QSize(100, 150)), handle);
            cache.reset();
        }
        cache = std::make_unique<RenderCache>(worker.get(), 1 << 24, JobPriority::PageView);
        cache->request(makeKey(1, QSize(100, 150)), handle);
        QVERIFY(worker->waitForIdle());
        cache.reset(); // its result is still queued
        settle();
        cache = std::make_unique<RenderCache>(worker.get(), 1 << 24, JobPriority::PageView);
        worker.reset();
        cache->request(makeKey(2, QSize(100, 150)), handle);
        QVERIFY(!cache->isInFlight(makeKey(2, QSize(100, 150))));
    }

    // Night pages replace the normal ones in place: the cache never holds both, the normal image
    // stays on screen until its night copy arrives, and a render started before the switch is
    // not taken for a night one.
    void pageColoursReplaceImagesInPlace()
    {
        RenderCache cache(worker.get(), 1 << 24, JobPriority::PageView);
        const Key key = makeKey(0, QSize(100, 150));
        const QImage normal = renderInto(cache, key);
        QVERIFY(inkGray(normal) > 200); // pages render on white paper
        const qint64 bytes = cache.totalBytes();

        QSignalSpy spy(&cache, &RenderCache::pageRendered);
        {
            WorkerGate gate(worker.get());
            cache.request(makeKey(1, QSize(100, 150)), handle); // in the old colours
            cache.setPageColours(dovrix::PageColours::Night);
            QVERIFY(!cache.isCurrent(key));
            QCOMPARE(cache.cachedImage(key), normal); // still shown meanwhile
            cache.request(key, handle);
        }
        QVERIFY(spy.wait(dovrix::test::TimeoutMs));
        QVERIFY(worker->waitForIdle());
        settle();
        QCOMPARE(spy.count(), 1); // the page-1 render of the old colours was dropped
        QVERIFY(cache.isCurrent(key));
        QVERIFY(inkGray(cache.cachedImage(key)) < 60); // on night paper
        QCOMPARE(cache.count(), 1);
        QCOMPARE(cache.totalBytes(), bytes);
        cache.setPageColours(dovrix::PageColours::FollowTheme); // unresolved: normal
        QCOMPARE(cache.pageColours(), dovrix::PageColours::Normal);
    }

    // A page whose drawing changed (a form value) shows its old image until the new one is there;
    // a render asked for before a change does not count as after it; other pages stay current.
    void changedPageIsRenderedAgain()
    {
        RenderCache cache(worker.get(), 1 << 24, JobPriority::PageView);
        const Key key = makeKey(0, QSize(100, 150));
        const Key other = makeKey(1, QSize(100, 150));
        const QImage before = renderInto(cache, key);
        QVERIFY(!renderInto(cache, other).isNull());
        QSignalSpy spy(&cache, &RenderCache::pageRendered);
        {
            WorkerGate gate(worker.get());
            cache.pagesChanged({0});
            QVERIFY(!cache.isCurrent(key));
            QVERIFY(cache.isCurrent(other));
            QCOMPARE(cache.cachedImage(key), before);
            cache.request(key, handle);
            cache.pagesChanged({0}); // changed again while its render waits
            cache.request(key, handle);
        }
        QVERIFY(worker->waitForIdle());
        settle();
        QVERIFY(!spy.isEmpty()); // the older result may come last and is then dropped
        QVERIFY(cache.isCurrent(key));
    }

private:
    QImage renderInto(RenderCache& cache, const Key& key)
    {
        QSignalSpy spy(&cache, &RenderCache::pageRendered);
        cache.request(key, handle);
        return spy.wait(dovrix::test::TimeoutMs) ? qvariant_cast<QImage>(spy.first().at(1))
                                                 : QImage();
    }

    QTemporaryDir dir;
    // Outlives every job: the worker goes after each test function.
    DocumentHandle handle;
    std::unique_ptr<PdfWorker> worker;
};

QTEST_MAIN(TestRenderCache)
#include "tst_rendercache.moc"
