// dovrix-bench blocks: the whole document's full text in reading order, as the window exports it,
// built through the document controller and the text layout store page by page.

#include "bench/Bench.h"

#include "core/DocumentController.h"
#include "core/DocumentStatus.h"
#include "core/PdfWorker.h"
#include "text/ReadingOrder.h"
#include "text/TextExport.h"
#include "text/TextLayoutStore.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSaveFile>
#include <QTextStream>

namespace {

using dovrix::bench::openDocument;

int fail(const QString& message)
{
    return dovrix::bench::fail("blocks", message);
}

// Asks the store for the page's blocks and waits for them, as the export step does.
void waitForBlocks(dovrix::TextLayoutStore& store, int page)
{
    QEventLoop loop;
    QObject::connect(&store, &dovrix::TextLayoutStore::readingBlocksReady, &loop,
                     [&loop, page](int ready) {
                         if (ready == page)
                             loop.quit();
                     });
    store.requestReadingBlocks(page);
    if (!store.hasReadingBlocks(page))
        loop.exec();
}

int run(const QStringList& args)
{
    const QStringList files = dovrix::bench::positional(args, {QStringLiteral("--out")});
    const QString out = dovrix::bench::option(args, QStringLiteral("--out"));
    if (files.size() != 1)
        return fail(QStringLiteral("expected one PDF file"));
    if (out.isEmpty())
        return fail(QStringLiteral("--out OUT.txt is required"));

    dovrix::PdfWorker worker;
    dovrix::DocumentController controller(&worker);
    QString message;
    QObject::connect(&controller, &dovrix::DocumentController::statusChanged,
                     [&message](int, const QString& text) {
                         if (!text.isEmpty())
                             message = text;
                     });
    if (!openDocument(controller, files.first()))
        return fail(message.isEmpty() ? QStringLiteral("cannot open the file") : message);

    dovrix::TextLayoutStore store(&worker, &controller);
    QElapsedTimer timer;
    timer.start();
    QString text;
    int blocks = 0;
    for (int page = 0; page < controller.pageCount(); ++page) {
        waitForBlocks(store, page);
        const QList<dovrix::ReadingBlock> pageBlocks = store.readingBlocks(page);
        blocks += int(pageBlocks.size());
        text += dovrix::formatExportPage(page, pageBlocks);
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;

    // Line feeds as they are: the window's export writes the same bytes on this platform.
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    file.write(text.toUtf8());
    if (!file.commit())
        return fail(file.errorString());

    // The reading-order reconstruction alone, on the text and boxes the store measured.
    QElapsedTimer orderTimer;
    orderTimer.start();
    for (int page = 0; page < controller.pageCount(); ++page)
        dovrix::buildReadingOrder(store.pageText(page), store.charBoxes(page),
                                  controller.pageSizes().at(page));
    const double orderMs = double(orderTimer.nsecsElapsed()) / 1e6;

    const dovrix::TextLayoutStats stats = store.stats();
    dovrix::bench::printJson({{"pages", controller.pageCount()},
                              {"ms", qRound(ms * 10) / 10.0},
                              {"orderMs", qRound(orderMs * 100) / 100.0},
                              {"blocks", blocks},
                              {"selectionCalls", stats.selectionCalls},
                              {"fallbackChunks", stats.fallbackChunks}});
    return 0;
}

dovrix::bench::Registration reg("blocks", "blocks FILE --out OUT.txt", run);

} // namespace
