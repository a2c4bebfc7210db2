// dovrix-bench window-search FILE QUERY [--generate PAGES]: types QUERY into the main window's
// search field with FILE open and reports how long the GUI thread was away from its event loop at
// worst while the whole document was searched (texts loaded on the worker as the search goes).
// With --generate, FILE is first written as a text document of PAGES pages.
#include "bench/Bench.h"

#include "app/MainWindow.h"
#include "app/NavigationCommands.h"
#include "core/DocumentController.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"
#include "text/SearchController.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFont>
#include <QJsonObject>
#include <QLineEdit>
#include <QTextStream>
#include <QTimer>

namespace {

using namespace dovrix;

bool writeDocument(const QString& path, int pages)
{
    QStringList texts;
    for (int page = 0; page < pages; ++page) {
        QStringList lines;
        for (int line = 0; line < 40; ++line)
            lines << QStringLiteral(
                         "Page %1 line %2: the reader keeps the source file as it is and "
                         "searches every page of it.")
                         .arg(page + 1)
                         .arg(line + 1);
        texts << lines.join(QLatin1Char('\n'));
    }
    return test::writeTextPdf(
        path, texts, {QPageSize(QPageSize::A4), QStringLiteral("DejaVu Sans"), 10, {60, 50}, 16});
}

int run(const QStringList& args)
{
    const QStringList pos = bench::positional(args, {QStringLiteral("--generate")});
    QTextStream err(stderr);
    if (pos.size() < 2) {
        err << "usage: window-search FILE QUERY [--generate PAGES]\n";
        return 2;
    }
    const QString path = pos.at(0);
    const int generate = bench::option(args, QStringLiteral("--generate")).toInt();
    if (generate > 0 && !writeDocument(path, generate)) {
        err << "cannot write " << path << "\n";
        return 1;
    }

    MainWindow window;
    window.show();
    window.openFile(path);
    DocumentSession* session = window.current() ? window.current()->session() : nullptr;
    if (!session)
        return 1;
    if (!test::waitUntilReady(*session->controller())) {
        err << "document did not load\n";
        return 1;
    }

    // A zero-interval timer runs on every turn of the event loop; the longest time between two of
    // its runs is the longest the window could not react.
    QElapsedTimer clock;
    double worstGap = 0;
    qint64 last = 0;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        worstGap = std::max(worstGap, (now - last) / 1e6);
        last = now;
    });

    QEventLoop loop;
    int hits = 0;
    QObject::connect(session->search(), &SearchController::finished, &loop, [&](int total) {
        hits = total;
        loop.quit();
    });
    clock.start();
    probe.start();
    window.searchField()->setText(pos.at(1));
    loop.exec();
    const double searchMs = clock.nsecsElapsed() / 1e6 - NavigationCommands::SearchDelayMs;
    probe.stop();

    bench::printJson({{"pages", session->controller()->pageCount()},
                      {"hits", hits},
                      {"search_ms", searchMs},
                      {"worst_gap_ms", worstGap}});
    return 0;
}

bench::Registration reg("window-search", "window-search FILE QUERY [--generate PAGES]", run);

} // namespace
