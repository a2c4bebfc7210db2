// dovrix-bench render: the cost of a page image through the render cache and the worker, next to
// a bare render by the document engine of the same page and size; with --under-load also while
// thumbnails, page texts and recognition renders of every page keep the worker busy.

#include "bench/Bench.h"
#include "tests/support/TestWait.h"

#include "core/DocumentController.h"
#include "core/DocumentStatus.h"
#include "core/PdfWorker.h"
#include "core/RenderCache.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace {

using dovrix::bench::elapsedMs;

int fail(const QString& message)
{
    return dovrix::bench::fail("render", message);
}

using dovrix::RenderCache;

constexpr qint64 pageViewBudget = 201326592; // the page view's cache

// One render through the cache: from the request to the pageRendered that delivers it.
QImage renderThroughCache(RenderCache& cache, const RenderCache::Key& key,
                          const dovrix::DocumentHandle& document, double* ms)
{
    cache.clear();
    QImage image;
    QEventLoop loop;
    const auto connection =
        QObject::connect(&cache, &RenderCache::pageRendered, &loop,
                         [&](const RenderCache::Key& renderedKey, const QImage& rendered) {
                             if (renderedKey == key) {
                                 image = rendered;
                                 loop.quit();
                             }
                         });
    QElapsedTimer timer;
    timer.start();
    cache.request(key, document);
    loop.exec();
    *ms = elapsedMs(timer);
    QObject::disconnect(connection);
    return image;
}

// The bare engine call with the options the cache uses, on the calling thread while the worker
// is idle (one user of the document at a time).
double renderBare(dovrix::PdfDocument* document, int page, QSize size)
{
    QElapsedTimer timer;
    timer.start();
    const QImage image = document->render(page, size, 0);
    const double ms = elapsedMs(timer);
    return image.isNull() ? -1 : ms;
}

// The work that competes with the page view while a large file is being read: a thumbnail,
// the text and a recognition render (300 dpi) of every page, queued at their own priorities.
// Dropped when the generation moves on.
void postBacklog(dovrix::PdfWorker& worker, const dovrix::DocumentHandle& document,
                 const QList<QSizeF>& sizes, const dovrix::Generation& backlog)
{
    using dovrix::JobPriority;
    const auto scaled = [](QSizeF points, double dpi) {
        return QSize(int(std::ceil(points.width() * dpi / 72)),
                     int(std::ceil(points.height() * dpi / 72)));
    };
    for (int page = 0; page < int(sizes.size()); ++page) {
        const QSize thumbnail = scaled(sizes.at(page), 12);
        const QSize scan = scaled(sizes.at(page), 300);
        worker.post(JobPriority::OcrRender, [ticket = backlog.ticket(), document, page, scan] {
            if (ticket.isCurrent())
                RenderCache::render(document.get(), page, scan, 0);
        });
        worker.post(JobPriority::Thumbnails,
                    [ticket = backlog.ticket(), document, page, thumbnail] {
                        if (ticket.isCurrent())
                            RenderCache::render(document.get(), page, thumbnail, 0);
                    });
        worker.post(JobPriority::TextLayout, [ticket = backlog.ticket(), document, page] {
            if (ticket.isCurrent())
                document->pageText(page);
        });
    }
}

int run(const QStringList& args)
{
    const QStringList files =
        dovrix::bench::positional(args, {QStringLiteral("--page"), QStringLiteral("--dpi"),
                                         QStringLiteral("--repeat"), QStringLiteral("--out")});
    if (files.size() != 1)
        return fail(QStringLiteral("expected one PDF file"));
    bool pageOk = false;
    bool dpiOk = false;
    bool repeatOk = false;
    const int page =
        dovrix::bench::option(args, QStringLiteral("--page"), QStringLiteral("0")).toInt(&pageOk);
    const double dpi = dovrix::bench::option(args, QStringLiteral("--dpi"), QStringLiteral("300"))
                           .toDouble(&dpiOk);
    const int repeat = dovrix::bench::option(args, QStringLiteral("--repeat"), QStringLiteral("5"))
                           .toInt(&repeatOk);
    const QString out = dovrix::bench::option(args, QStringLiteral("--out"));
    if (!pageOk || page < 0)
        return fail(QStringLiteral("--page takes a 0-based page index"));
    if (!dpiOk || !(dpi > 0 && dpi <= 4800))
        return fail(QStringLiteral("--dpi takes a resolution between 0 and 4800"));
    if (!repeatOk || repeat < 1)
        return fail(QStringLiteral("--repeat takes a positive count"));

    dovrix::PdfWorker worker;
    dovrix::DocumentController controller(&worker);
    QString message;
    if (!dovrix::test::openAndWait(controller, files.first(), &message)) {
        dovrix::bench::printJson({{QStringLiteral("page"), page},
                                  {QStringLiteral("status"), int(controller.status())},
                                  {QStringLiteral("message"), message}});
        return 1;
    }
    if (page >= controller.pageCount())
        return fail(QStringLiteral("the document has %1 pages").arg(controller.pageCount()));

    // The page view's way of sizing an image: points × dpi / 72, each side rounded up.
    const QSizeF points = controller.pageSizes().at(page);
    RenderCache::Key key;
    key.page = page;
    key.size = QSize(int(std::ceil(points.width() * dpi / 72)),
                     int(std::ceil(points.height() * dpi / 72)));
    const QSize renderSize = RenderCache::clampToPixelLimit(key.size);
    const dovrix::DocumentHandle handle = controller.sharedDocument();
    dovrix::PdfDocument* document = handle.get();
    RenderCache cache(&worker, pageViewBudget, dovrix::JobPriority::PageView);

    // One untimed round each: the first render of a page also loads its fonts.
    double ms = 0;
    QImage image = renderThroughCache(cache, key, handle, &ms);
    if (image.isNull() || renderBare(document, page, renderSize) < 0)
        return fail(QStringLiteral("the page did not render"));

    // Alternate the two so that a busy machine slows both alike.
    QList<double> cachedMs;
    QList<double> bareMs;
    for (int i = 0; i < repeat; ++i) {
        image = QImage();
        if (i % 2) {
            bareMs << renderBare(document, page, renderSize);
            image = renderThroughCache(cache, key, handle, &ms);
            cachedMs << ms;
        } else {
            image = renderThroughCache(cache, key, handle, &ms);
            cachedMs << ms;
            image = QImage();
            bareMs << renderBare(document, page, renderSize);
        }
    }
    if (image.isNull())
        image = renderThroughCache(cache, key, handle, &ms);

    // The same render while the worker is busy with everything else a large file asks for.
    QList<double> loadedMs;
    if (dovrix::bench::hasFlag(args, QStringLiteral("--under-load"))) {
        const QList<QSizeF> sizes = controller.pageSizes();
        for (int i = 0; i < repeat; ++i) {
            dovrix::Generation backlog;
            postBacklog(worker, handle, sizes, backlog);
            // Let the general lane get into its work: the render then meets it mid-job.
            QElapsedTimer settle;
            settle.start();
            while (settle.elapsed() < 50 + 7 * i)
                QThread::msleep(1);
            renderThroughCache(cache, key, handle, &ms);
            loadedMs << ms;
            backlog.advance();
            worker.waitForIdle();
        }
    }
    if (!out.isEmpty() && !image.save(out, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(out));

    dovrix::bench::printJson({{QStringLiteral("page"), page},
                              {QStringLiteral("engine"), dovrix::engineName(document->engine())},
                              {QStringLiteral("width"), image.width()},
                              {QStringLiteral("height"), image.height()},
                              {QStringLiteral("ms_median"), dovrix::bench::median(cachedMs)},
                              {QStringLiteral("raw_ms_median"), dovrix::bench::median(bareMs)}});
    if (!loadedMs.isEmpty()) {
        dovrix::bench::printJson(
            {{QStringLiteral("page"), page},
             {QStringLiteral("under_load_ms_median"), dovrix::bench::median(loadedMs)},
             {QStringLiteral("under_load_ms_max"),
              *std::max_element(loadedMs.cbegin(), loadedMs.cend())}});
    }
    return 0;
}

dovrix::bench::Registration reg("render",
                                "render FILE --page N --dpi D --repeat K [--out PNG] [--under-load]"
                                "   (N 0-based; defaults: page 0, 300 dpi, 5 repeats)",
                                run);

} // namespace
