// dovrix-bench window-tabs FILE [--tabs N] [--rounds K]: opens N copies of FILE in the real main
// window, then K times visits every tab, shows its first page and jumps to its last, each time
// until the page images arrived. Reports the resident memory (VmRSS) after the openings, after
// every round and at the end, and the peak (VmHWM), in MiB.
#include "bench/Bench.h"

#include "app/MainWindow.h"
#include "core/DocumentController.h"
#include "core/RenderCache.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "tests/support/TestWait.h"
#include "view/PdfViewport.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

using namespace dovrix;

// A line of /proc/self/status ("VmRSS:  123456 kB") in MiB; -1 when unknown.
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

// Runs the event loop until the session's render cache has delivered no page for a second
// (a page shown from the cache delivers none).
void waitForPages(DocumentSession* session)
{
    QEventLoop loop;
    QTimer quiet;
    quiet.setSingleShot(true);
    QObject::connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(session->renderCache(), &RenderCache::pageRendered, &quiet,
                     [&quiet] { quiet.start(1000); });
    quiet.start(1000);
    loop.exec();
}

int run(const QStringList& args)
{
    const QStringList files =
        bench::positional(args, {QStringLiteral("--tabs"), QStringLiteral("--rounds")});
    bool tabsOk = false;
    bool roundsOk = false;
    const int tabCount =
        bench::option(args, QStringLiteral("--tabs"), QStringLiteral("20")).toInt(&tabsOk);
    const int rounds =
        bench::option(args, QStringLiteral("--rounds"), QStringLiteral("3")).toInt(&roundsOk);
    if (files.size() != 1 || !tabsOk || tabCount < 1 || !roundsOk || rounds < 1) {
        QTextStream(stderr) << "usage: dovrix-bench window-tabs FILE [--tabs N] [--rounds K]\n";
        return 2;
    }
    QTemporaryDir dir; // copies: each tab is a document of its own
    MainWindow window;
    window.resize(1280, 800);
    window.show();
    for (int i = 0; i < tabCount; ++i) {
        const QString copy = dir.filePath(QStringLiteral("doc-%1.pdf").arg(i));
        if (!dir.isValid() || !QFile::copy(files.first(), copy))
            return bench::fail("window-tabs", QStringLiteral("cannot copy the document"));
        window.openFile(copy);
        DocumentSession* session = window.current() ? window.current()->session() : nullptr;
        if (!session || !test::waitUntilReady(*session->controller()))
            return bench::fail("window-tabs", QStringLiteral("the document does not open"));
        waitForPages(session);
    }
    const double openedMiB = statusMiB("VmRSS");

    QJsonArray roundMiB;
    for (int r = 0; r < rounds; ++r) {
        for (int i = 0; i < tabCount; ++i) {
            window.documentTabs()->setCurrentIndex(i);
            DocumentSession* session = window.current() ? window.current()->session() : nullptr;
            window.current()->viewport()->goToPage(0);
            waitForPages(session);
            window.current()->viewport()->goToPage(session->controller()->pageCount() - 1);
            waitForPages(session);
        }
        roundMiB.append(statusMiB("VmRSS"));
    }
    bench::printJson(
        {{QStringLiteral("tabs"), tabCount},
         {QStringLiteral("pages"), window.current()->session()->controller()->pageCount()},
         {QStringLiteral("opened_rss_mib"), openedMiB},
         {QStringLiteral("round_rss_mib"), roundMiB},
         {QStringLiteral("rss_mib"), statusMiB("VmRSS")},
         {QStringLiteral("peak_rss_mib"), statusMiB("VmHWM")}});
    return 0;
}

bench::Registration reg("window-tabs", "window-tabs FILE [--tabs N] [--rounds K]", run);

} // namespace
