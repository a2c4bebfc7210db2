// dovrix-bench window-open FILE [--repeat K]: opens FILE in the real main window and reports the
// time from openFile until the first page image arrived from the page view's render cache
// of any page (first_page_ms), until the document was ready (ready_ms), and, for comparison, the
// time the bare engine takes to load the file and read every page size in this process (bare_ms).
#include "bench/Bench.h"

#include "app/MainWindow.h"
#include "core/DocumentController.h"
#include "core/RenderCache.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonObject>
#include <QTextStream>

namespace {

using namespace dovrix;

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
                     [&](DocumentSession*, int status) {
                         if (status == Failed || status == PasswordRequired)
                             loop.quit();
                     });
    QObject::connect(session->renderCache(), &RenderCache::pageRendered, &loop, [&] {
        if (run.firstPageMs < 0) {
            run.firstPageMs = bench::elapsedMs(clock);
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
        QTextStream(stderr) << "usage: dovrix-bench window-open FILE [--repeat K]\n";
        return 2;
    }
    QList<double> bare, ready, firstPage;
    WindowRun last;
    for (int i = 0; i < repeat; ++i) {
        bare << bareLoadMs(files.first());
        last = openInWindow(files.first());
        ready << last.readyMs;
        firstPage << last.firstPageMs;
    }
    const double bareMs = bench::median(bare);
    const double firstMs = bench::median(firstPage);
    bench::printJson({{"pages", last.pages},
                      {"bare_ms", bareMs},
                      {"ready_ms", bench::median(ready)},
                      {"first_page_ms", firstMs},
                      {"first_page_ratio", bareMs > 0 ? firstMs / bareMs : -1}});
    return 0;
}

bench::Registration reg("window-open", "window-open FILE [--repeat K]", run);

} // namespace
