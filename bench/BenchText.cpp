// dovrix-bench text FILE [--page N | --all] [--words]: per page, the cost of the page text with
// its character boxes (one pass of the engine) through the text layout store, and the bare engine
// call; with several pages, their totals. --words prints the page's words with their boxes in page
// space instead.
#include "bench/Bench.h"
#include "tests/support/TestWait.h"

#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "text/TextLayoutStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
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

// The words of a page: runs of non-blank characters, each with the union of its boxes.
QJsonArray wordsOf(const QString& text, const QList<QRectF>& boxes)
{
    QJsonArray words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool blank = i == text.size() || text.at(i).isSpace();
        if (!blank && start < 0)
            start = i;
        if (!blank || start < 0)
            continue;
        QRectF box;
        for (qsizetype k = start; k < i && k < boxes.size(); ++k)
            box =
                box.isNull() ? boxes.at(k) : (boxes.at(k).isNull() ? box : box.united(boxes.at(k)));
        words.append(QJsonObject{
            {QStringLiteral("text"), text.mid(start, i - start)},
            {QStringLiteral("box"), QJsonArray{box.x(), box.y(), box.width(), box.height()}}});
        start = -1;
    }
    return words;
}

int runText(const QStringList& args)
{
    const QStringList files = bench::positional(args, {QStringLiteral("--page")});
    if (files.size() != 1) {
        QTextStream(stderr) << "usage: dovrix-bench text FILE [--page N | --all]\n";
        return 2;
    }
    PdfWorker worker;
    DocumentController controller(&worker);
    controller.setProbeEnabled(false);
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
    if (bench::hasFlag(args, QStringLiteral("--words"))) {
        for (const int page : pages) {
            store.requestPageText(page, JobPriority::TextLayout);
            settle(worker);
            bench::printJson(
                {{QStringLiteral("page"), page},
                 {QStringLiteral("words"), wordsOf(store.pageText(page), store.charBoxes(page))}});
        }
        return 0;
    }
    const DocumentHandle document = controller.sharedDocument();
    double totalMs = 0;
    double totalBareMs = 0;
    qint64 totalChars = 0;
    for (const int page : pages) {
        QElapsedTimer timer;
        store.resetStats();
        timer.start();
        store.requestPageText(page, JobPriority::TextLayout);
        settle(worker);
        const double textMs = elapsedMs(timer);
        // The engine alone, on this thread while the worker is idle.
        timer.start();
        const PageText bare = document->pageText(page);
        const double bareMs = elapsedMs(timer);
        int valid = 0;
        for (const QRectF& box : store.charBoxes(page))
            valid += box.isValid() ? 1 : 0;
        totalMs += textMs;
        totalBareMs += bareMs;
        totalChars += store.pageText(page).size();
        if (pages.size() == 1 || bench::hasFlag(args, QStringLiteral("--each"))) {
            bench::printJson({
                {QStringLiteral("page"), page},
                {QStringLiteral("engine"), engineName(document->engine())},
                {QStringLiteral("chars"), int(store.pageText(page).size())},
                {QStringLiteral("text_ms"), textMs},
                {QStringLiteral("engine_ms"), bareMs},
                {QStringLiteral("valid_boxes"), valid},
                {QStringLiteral("read"), bare.outcome == PageText::Outcome::Read},
            });
        }
    }
    if (pages.size() > 1) {
        bench::printJson({{QStringLiteral("pages"), int(pages.size())},
                          {QStringLiteral("engine"), engineName(document->engine())},
                          {QStringLiteral("chars"), totalChars},
                          {QStringLiteral("text_ms"), totalMs},
                          {QStringLiteral("engine_ms"), totalBareMs}});
    }
    return 0;
}

bench::Registration reg("text", "text FILE [--page N | --all [--each]] [--words]", runText);

} // namespace
