// dovrix-bench text FILE [--page N | --all]: per page, the cost of the page text, the quick boxes
// and the exact character boxes, measured through the text layout store.
#include "bench/Bench.h"

#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "text/TextLayoutStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonObject>
#include <QTextStream>

namespace {

using dovrix::bench::elapsedMs;
using dovrix::bench::openDocument;

using namespace dovrix;

// Waits until the worker has run everything queued and the results have reached the store.
void settle(PdfWorker& worker)
{
    for (int i = 0; i < 3; ++i) {
        worker.waitForIdle();
        QCoreApplication::processEvents();
    }
}

int runText(const QStringList& args)
{
    const QStringList files = bench::positional(args, {QStringLiteral("--page")});
    if (files.size() != 1) {
        QTextStream(stderr) << "usage: dovrix-bench text FILE [--page N | --all]\n";
        return 2;
    }
    PdfWorker worker;
    DocumentController::setProbeEnabled(false);
    DocumentController controller(&worker);
    if (!openDocument(controller, files.first())) {
        QTextStream(stderr) << "cannot open " << files.first() << '\n';
        return 1;
    }
    QList<int> pages;
    if (bench::hasFlag(args, QStringLiteral("--all"))) {
        for (int page = 0; page < controller.pageCount(); ++page)
            pages << page;
    } else {
        bool ok = false;
        const int page =
            bench::option(args, QStringLiteral("--page"), QStringLiteral("0")).toInt(&ok);
        if (!ok || page < 0 || page >= controller.pageCount()) {
            QTextStream(stderr) << "no such page\n";
            return 2;
        }
        pages << page;
    }

    TextLayoutStore store(&worker, &controller);
    for (const int page : pages) {
        QElapsedTimer timer;
        store.resetStats();
        timer.start();
        store.requestPageText(page, 10);
        settle(worker);
        const double textMs = elapsedMs(timer);

        store.resetStats();
        timer.start();
        store.requestQuickBoxes(page, 25);
        settle(worker);
        const double quickMs = elapsedMs(timer);
        const TextLayoutStats quickStats = store.stats();
        int quick = 0; // characters with a quick box (the exact boxes are not there yet)
        for (const QRectF& box : store.bestBoxes(page))
            quick += box.isNull() ? 0 : 1;

        store.resetStats();
        timer.start();
        store.requestCharBoxes(page, 10);
        settle(worker);
        const double charMs = elapsedMs(timer);
        const TextLayoutStats charStats = store.stats();

        int valid = 0;
        for (const QRectF& box : store.charBoxes(page))
            valid += box.isValid() ? 1 : 0;
        QJsonObject line{
            {QStringLiteral("page"), page},
            {QStringLiteral("chars"), int(store.pageText(page).size())},
            {QStringLiteral("text_ms"), textMs},
            {QStringLiteral("quick_ms"), quickMs},
            {QStringLiteral("charboxes_ms"), charMs},
            {QStringLiteral("valid_boxes"), valid},
            {QStringLiteral("quick_boxes"), quick},
            {QStringLiteral("quick_calls"), quickStats.selectionCalls},
            {QStringLiteral("charbox_calls"), charStats.selectionCalls},
            {QStringLiteral("probe_calls"), charStats.probeCalls},
            {QStringLiteral("exact_calls"), charStats.exactCalls},
            {QStringLiteral("chunks"), charStats.chunks},
            {QStringLiteral("fallback_chunks"), charStats.fallbackChunks},
            {QStringLiteral("fallback_share"),
             charStats.chunks ? double(charStats.fallbackChunks) / double(charStats.chunks) : 0.0},
            {QStringLiteral("ms_per_call"),
             charStats.selectionCalls ? charMs / double(charStats.selectionCalls) : 0.0},
        };
        bench::printJson(line);
    }
    return 0;
}

bench::Registration reg("text", "text FILE [--page N | --all]", runText);

} // namespace
