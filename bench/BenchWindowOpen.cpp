// dovrix-bench window-open FILE [--repeat K] [--own-probe]: opens FILE in the real main window and
// reports the time from openFile until the first page image arrived from the page view's render
// cache of any page (first_page_ms), until the document was ready (ready_ms), and, for comparison,
// the time the bare engine takes in this process to load the file and read every page size
// (bare_ms), and to open it and render that first image at its size (bare_first_ms). The probe
// host is started first, as the program does at start-up; --own-probe starts a probe process per
// file instead. Settings are the test location's, so no stored page is restored.
#include "bench/Bench.h"

#include "app/MainWindow.h"
#include "core/DocumentController.h"
#include "core/RenderCache.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTextStream>

namespace {

using namespace dovrix;

// Opening and drawing one page at the size the window drew it.
double bareFirstMs(const QString& path, int page, QSize size)
{
    QElapsedTimer clock;
    clock.start();
    const OpenResult opened = PdfDocument::open(path);
    if (!opened.document || opened.document->render(page, size, 0).isNull())
        return -1;
    return bench::elapsedMs(clock);
}

double bareLoadMs(const QString& path)
{
    QElapsedTimer clock;
    clock.start();
    const OpenResult opened = PdfDocument::open(path);
    if (!opened.document)
        return -1;
    opened.document->pageSizes();
    return bench::elapsedMs(clock);
}

struct WindowRun
{
    double readyMs = -1;
    double firstPageMs = -1;
    int firstPage = -1;
    QSize firstSize;
    int pages = 0;
};

WindowRun openInWindow(const QString& path)
{
    WindowRun run;
    MainWindow window;
    window.resize(1280, 800);
    window.show();
    QElapsedTimer clock;
    QEventLoop loop;
    clock.start();
    window.openFile(path);
    DocumentSession* session = window.current() ? window.current()->session() : nullptr;
    if (!session)
        return run;
    QObject::connect(session, &DocumentSession::documentReady, &loop,
                     [&] { run.readyMs = bench::elapsedMs(clock); });
    QObject::connect(session, &DocumentSession::statusChanged, &loop,
                     [&](DocumentSession*, DocumentStatus status) {
                         if (status == DocumentStatus::Failed
                             || status == DocumentStatus::PasswordRequired)
                             loop.quit();
                     });
    QObject::connect(session->renderCache(), &RenderCache::pageRendered, &loop,
                     [&](const RenderCache::Key& key) {
                         if (run.firstPageMs < 0) {
                             run.firstPageMs = bench::elapsedMs(clock);
                             run.firstPage = key.page;
                             run.firstSize = key.size;
                             loop.quit();
                         }
                     });
    loop.exec();
    run.pages = session->controller()->pageCount();
    return run;
}

int run(const QStringList& args)
{
    const QStringList files = bench::positional(args, {QStringLiteral("--repeat")});
    bool ok = false;
    const int repeat =
        bench::option(args, QStringLiteral("--repeat"), QStringLiteral("1")).toInt(&ok);
    if (files.size() != 1 || !ok || repeat < 1) {
        QTextStream(stderr) << "usage: dovrix-bench window-open FILE [--repeat K] [--own-probe]\n";
        return 2;
    }
    QStandardPaths::setTestModeEnabled(true);
    if (!bench::hasFlag(args, QStringLiteral("--own-probe")))
        DocumentController::prepareProbe();
    QList<double> bare, bareFirst, ready, firstPage;
    WindowRun last;
    for (int i = 0; i < repeat; ++i) {
        bare << bareLoadMs(files.first());
        last = openInWindow(files.first());
        ready << last.readyMs;
        firstPage << last.firstPageMs;
        bareFirst << bareFirstMs(files.first(), last.firstPage, last.firstSize);
    }
    const double bareMs = bench::median(bare);
    const double firstMs = bench::median(firstPage);
    const double bareFirstMedian = bench::median(bareFirst);
    bench::printJson(
        {{"pages", last.pages},
         {"bare_ms", bareMs},
         {"bare_first_ms", bareFirstMedian},
         {"first_page_of_bare_first", bareFirstMedian > 0 ? firstMs / bareFirstMedian : -1},
         {"ready_ms", bench::median(ready)},
         {"first_page_ms", firstMs},
         {"first_page_ratio", bareMs > 0 ? firstMs / bareMs : -1}});
    return 0;
}

bench::Registration reg("window-open", "window-open FILE [--repeat K] [--own-probe]", run);

} // namespace
