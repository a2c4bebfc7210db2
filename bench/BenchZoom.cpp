// dovrix-bench zoom [FILE] [--zoom Z] [--jumps N] [--pages N]
// The page view at a high zoom (800 % by default) in a 1440 × 900 view: the median time from a
// jump to a page until the view is sharp (every visible part of the pages in view rendered at
// that zoom), and the resident memory while paging through the document page by page, each page
// waited for until sharp. Without FILE an A4 document of 400 text pages is generated.

#include "Bench.h"

#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "core/RenderCache.h"
#include "session/DocumentSession.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"
#include "text/SearchController.h"
#include "text/TextLayoutStore.h"
#include "view/PdfViewport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <ctime>

namespace {

using namespace dovrix;

int fail(const QString& message)
{
    return bench::fail("zoom", message);
}

double statusMiB(const QByteArray& key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(QByteArray(key + ':')))
            return line.mid(key.size() + 1).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

// Processor time of the whole process (every thread), in milliseconds.
double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Runs the event loop until the view is sharp; the time it took, or -1 after a minute. cpuMs,
// when given, receives the processor time spent meanwhile: on a busy machine the wall time
// measures the neighbours, the processor time what an idle machine would wait.
double untilSharp(PdfViewport& view, QList<double>* cpuMs = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = processCpuMs();
    QDeadlineTimer deadline(test::TimeoutMs);
    // Sleeps until an event comes (a rendered part, a repaint); the tick wakes it should none
    // come. (processEvents with a time limit would spin, taking a core from the renders.)
    QTimer tick;
    tick.start(50);
    while (!view.visiblePagesSharp() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    if (cpuMs)
        cpuMs->append(processCpuMs() - cpuStart);
    return view.visiblePagesSharp() ? bench::elapsedMs(timer) : -1;
}

bool writeBookPdf(const QString& path, int pages)
{
    QStringList texts;
    for (int page = 0; page < pages; ++page) {
        QStringList lines;
        for (int line = 0; line < 40; ++line)
            lines << QStringLiteral("Page %1, line %2: text that fills the width of an A4 page.")
                         .arg(page + 1)
                         .arg(line + 1);
        texts << lines.join(QLatin1Char('\n'));
    }
    return test::writeTextPdf(path, texts);
}

int run(const QStringList& args)
{
    const QStringList files = bench::positional(
        args, {QStringLiteral("--zoom"), QStringLiteral("--jumps"), QStringLiteral("--pages")});
    const double zoom =
        bench::option(args, QStringLiteral("--zoom"), QStringLiteral("8")).toDouble();
    const int jumps =
        std::max(1, bench::option(args, QStringLiteral("--jumps"), QStringLiteral("15")).toInt());
    int pages = bench::option(args, QStringLiteral("--pages"), QStringLiteral("400")).toInt();
    QTemporaryDir dir;
    QString path = files.value(0);
    if (path.isEmpty()) {
        path = dir.filePath(QStringLiteral("book.pdf"));
        if (!writeBookPdf(path, std::max(2, pages)))
            return fail(QStringLiteral("cannot write the generated document"));
    }

    PdfWorker worker;
    DocumentController controller(&worker);
    controller.setProbeEnabled(false);
    TextLayoutStore text(&worker, &controller);
    RenderCache cache(&worker, DocumentSession::RenderCacheBytes, DocumentSession::RenderPriority);
    SearchController search(&text, &controller);
    PdfViewport view(&cache, &text, &controller, &search);
    if (!test::openAndWait(controller, path))
        return fail(QStringLiteral("the document did not open"));
    view.resize(1440, 900);
    view.setDocument();
    view.show();
    for (int i = 0; i < 4 && view.viewport()->size() != QSize(1440, 900); ++i) {
        QCoreApplication::processEvents();
        view.resize(view.size() + (QSize(1440, 900) - view.viewport()->size()));
        QCoreApplication::processEvents();
    }
    view.setZoom(zoom);
    pages = std::min(pages, controller.pageCount());
    if (untilSharp(view) < 0)
        return fail(QStringLiteral("the first page never became sharp"));

    // Jumps to pages spread over the document, each into the middle of its page, which puts no
    // other page in view; and as many onto a page boundary, where two pages share the view.
    QList<double> jumpMs;
    QList<double> jumpCpuMs;
    QList<double> boundaryMs;
    for (int i = 0; i < jumps; ++i) {
        const int page = int((qint64(i) * 7919 + 3) % controller.pageCount());
        view.scrollToPagePoint(page, QPointF(0, controller.pageSizes().at(page).height() / 2));
        jumpMs.append(untilSharp(view, &jumpCpuMs));
        const int next = std::min(page + 1, controller.pageCount() - 1);
        // The bottom third of a page and the top of the next.
        view.scrollToPagePoint(page, QPointF(0, controller.pageSizes().at(page).height() - 40));
        boundaryMs.append(untilSharp(view));
        Q_UNUSED(next)
    }

    // Paging through: each page shown sharp before the next.
    view.goToPage(0);
    untilSharp(view);
    double peakRss = 0;
    QList<double> pageMs;
    for (int page = 0; page < pages; ++page) {
        view.goToPage(page);
        pageMs.append(untilSharp(view));
        peakRss = std::max(peakRss, statusMiB("VmRSS"));
    }

    const bool failed =
        std::any_of(jumpMs.cbegin(), jumpMs.cend(), [](double ms) { return ms < 0; })
        || std::any_of(boundaryMs.cbegin(), boundaryMs.cend(), [](double ms) { return ms < 0; });
    bench::printJson({{QStringLiteral("zoom"), zoom},
                      {QStringLiteral("view"), QStringLiteral("1440x900")},
                      {QStringLiteral("jumps"), jumps},
                      {QStringLiteral("sharp_after_jump_ms_median"), bench::median(jumpMs)},
                      {QStringLiteral("sharp_after_jump_cpu_ms_median"), bench::median(jumpCpuMs)},
                      {QStringLiteral("sharp_after_jump_ms_max"),
                       *std::max_element(jumpMs.cbegin(), jumpMs.cend())},
                      {QStringLiteral("sharp_at_boundary_ms_median"), bench::median(boundaryMs)},
                      {QStringLiteral("paged_pages"), pages},
                      {QStringLiteral("sharp_per_page_ms_median"), bench::median(pageMs)},
                      {QStringLiteral("paging_peak_rss_mib"), peakRss},
                      {QStringLiteral("cache_mib"), double(cache.totalBytes()) / 1048576.0},
                      {QStringLiteral("every_view_sharp"), !failed}});
    return failed ? 1 : 0;
}

const bench::Registration registration("zoom", "zoom [FILE] [--zoom Z] [--jumps N] [--pages N]",
                                       run);

} // namespace
