// dovrix-bench text FILE [--page N | --all]: per page, the cost of the page text and of the
// character boxes measured through the text layout store (engine share, single-character
// queries); with several pages, the median and worst ratio of the two.
#include "bench/Bench.h"
#include "tests/support/TestWait.h"

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
    if (!dovrix::test::openAndWait(controller, files.first())) {
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
    QList<double> ratios;
    double worstRatio = -1;
    int worstPage = -1;
    for (const int page : pages) {
        QElapsedTimer timer;
        store.resetStats();
        timer.start();
        store.requestPageText(page, JobPriority::TextLayout);
        settle(worker);
        const double textMs = elapsedMs(timer);

        store.resetStats();
        timer.start();
        store.requestCharBoxes(page, JobPriority::TextLayout);
        settle(worker);
        const double charMs = elapsedMs(timer);
        const TextLayoutStats stats = store.stats();

        int valid = 0;
        for (const QRectF& box : store.charBoxes(page))
            valid += box.isValid() ? 1 : 0;
        const double ratio = textMs > 0 ? charMs / textMs : 0.0;
        ratios << ratio;
        if (ratio > worstRatio) {
            worstRatio = ratio;
            worstPage = page;
        }
        bench::printJson({
            {QStringLiteral("page"), page},
            {QStringLiteral("chars"), int(store.pageText(page).size())},
            {QStringLiteral("text_ms"), textMs},
            {QStringLiteral("charboxes_ms"), charMs},
            {QStringLiteral("ratio"), ratio},
            {QStringLiteral("valid_boxes"), valid},
            {QStringLiteral("engine"), stats.engineFallbacks == 0},
            {QStringLiteral("aligned_share"),
             stats.comparableChars ? double(stats.alignedChars) / double(stats.comparableChars)
                                   : (stats.engineFallbacks ? 0.0 : 1.0)},
            {QStringLiteral("exact_calls"), stats.exactCalls},
            {QStringLiteral("selection_calls"), stats.selectionCalls},
        });
    }
    if (pages.size() > 1) {
        bench::printJson({{QStringLiteral("pages"), int(pages.size())},
                          {QStringLiteral("median_ratio"), bench::median(ratios)},
                          {QStringLiteral("worst_ratio"), worstRatio},
                          {QStringLiteral("worst_page"), worstPage}});
    }
    return 0;
}

bench::Registration reg("text", "text FILE [--page N | --all]", runText);

} // namespace
