// dovrix-bench window-ocr FILE: opens FILE in the real main window, runs the whole-document OCR
// command as the user would (progress dialog included) and reports how long the event loop was held
// up: the longest time between two ticks of a 2 ms timer (max_gap_ms), the number of such gaps over
// 50 ms, and the run's time and pages. The engine starts
// inside the run, so its set-up is measured too. The run starts once the first page is shown.
// Every --render-every ms (default 500, 0 for none) a page-view render is posted to the worker;
// page_render_*_ms is how long each took to come back.
#include "bench/Bench.h"

#include "app/MainWindow.h"
#include "app/OcrCommands.h"
#include "core/DocumentController.h"
#include "core/DocumentStatus.h"
#include "core/PageUnits.h"
#include "core/PdfWorker.h"
#include "core/RenderCache.h"
#include "ocr/OcrController.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>

namespace {

using namespace dovrix;

constexpr double SlowSpanMs = 50;
constexpr int TickMs = 2;

int run(const QStringList& args)
{
    const QStringList files = bench::positional(args, {QStringLiteral("--render-every")});
    if (files.size() != 1) {
        QTextStream(stderr) << "usage: dovrix-bench window-ocr FILE [--render-every MS]\n";
        return 2;
    }
    // A cache folder of its own: kept results of an earlier run would leave nothing to recognise.
    QTemporaryDir cache;
    if (!cache.isValid())
        return bench::fail("window-ocr", QStringLiteral("no temporary folder"));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    MainWindow window;
    window.resize(1280, 800);
    window.show();
    window.openFile(files.first());
    DocumentSession* session = window.current() ? window.current()->session() : nullptr;
    if (!session)
        return bench::fail("window-ocr", QStringLiteral("cannot open ") + files.first());
    {
        QEventLoop loop;
        QObject::connect(session, &DocumentSession::documentReady, &loop, &QEventLoop::quit);
        QObject::connect(session, &DocumentSession::statusChanged, &loop,
                         [&](DocumentSession*, DocumentStatus status) {
                             if (status == DocumentStatus::Failed
                                 || status == DocumentStatus::PasswordRequired)
                                 loop.quit();
                         });
        if (session->controller()->status() != DocumentStatus::Ready)
            loop.exec();
    }
    if (session->controller()->status() != DocumentStatus::Ready)
        return bench::fail("window-ocr", QStringLiteral("cannot open ") + files.first());
    {
        // As a user would, start once the first page is shown: the window then reads the
        // outline, which would otherwise wait behind the first OCR render for the engine.
        QEventLoop loop;
        QObject::connect(session->renderCache(), &RenderCache::pageRendered, &loop,
                         &QEventLoop::quit, Qt::QueuedConnection);
        if (session->renderCache()->count() == 0)
            loop.exec();
        QCoreApplication::processEvents(); // the outline, read on the first image
    }

    // A timer that should fire every TickMs: the longest time between two of its ticks is the
    // longest the event loop was held up (plus at most one tick).
    QElapsedTimer clock;
    clock.start();
    double lastTick = 0;
    double longest = 0;
    int slow = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(TickMs);
    QObject::connect(&ticker, &QTimer::timeout, &ticker, [&] {
        const double now = bench::elapsedMs(clock);
        const double gap = now - lastTick;
        lastTick = now;
        longest = std::max(longest, gap);
        if (gap > SlowSpanMs)
            ++slow;
    });

    // Meanwhile a page is rendered every --render-every ms as the page view would render one the
    // reader scrolls to: how long the worker takes to deliver it shows how the window feels.
    QList<double> renderMs;
    QTimer renders;
    renders.setInterval(
        bench::option(args, QStringLiteral("--render-every"), QStringLiteral("500")).toInt());
    const DocumentHandle document = session->controller()->sharedDocument();
    const QSize screenPage = pagePixelSize(session->controller()->pageSizes().value(0), 96);
    QObject::connect(&renders, &QTimer::timeout, &renders, [&] {
        const double posted = bench::elapsedMs(clock);
        session->worker()->post(JobPriority::PageView, [&, document, posted, screenPage] {
            RenderCache::render(document.get(), 0, screenPage, 0);
            const double took = bench::elapsedMs(clock) - posted;
            QMetaObject::invokeMethod(
                &renders, [&renderMs, took] { renderMs.append(took); }, Qt::QueuedConnection);
        });
    });

    OcrController* ocr = session->ocr();
    int processed = 0;
    int failedPages = 0;
    QEventLoop loop;
    QObject::connect(ocr, &OcrController::pageFailed, &loop, [&] { ++failedPages; });
    QObject::connect(ocr, &OcrController::finished, &loop, [&](int pages, bool) {
        processed = pages;
        loop.quit();
    });
    lastTick = bench::elapsedMs(clock);
    ticker.start();
    if (renders.interval() > 0)
        renders.start();
    window.ocrCommands()->ocrDocument();
    if (!ocr->isIdle())
        loop.exec();
    ticker.stop();
    renders.stop();
    session->worker()->waitForIdle();
    QCoreApplication::processEvents();
    const double totalMs = bench::elapsedMs(clock);
    bench::printJson(
        {{"pages", processed},
         {"failed_pages", failedPages},
         {"total_ms", totalMs},
         {"max_gap_ms", longest},
         {"gaps_over_50ms", slow},
         {"page_renders", int(renderMs.size())},
         {"page_render_median_ms", bench::median(renderMs)},
         {"page_render_max_ms",
          renderMs.isEmpty() ? 0.0 : *std::max_element(renderMs.cbegin(), renderMs.cend())}});
    return failedPages == 0 ? 0 : 1;
}

bench::Registration reg("window-ocr", "window-ocr FILE [--render-every MS]", run);

} // namespace
