// dovrix-bench blocks: the whole document's full text in reading order, as the window exports it,
// built through the document controller and the text layout store page by page. With
// --pdftotext, poppler's pdftotext extracts the same file in the same run, for its time and the
// share of its words that the export has too.

#include "app/ExportCommands.h"
#include "bench/Bench.h"
#include "tests/support/TestWait.h"

#include "core/DocumentController.h"
#include "core/DocumentStatus.h"
#include "core/PdfWorker.h"
#include "text/ReadingOrder.h"
#include "text/TextExport.h"
#include "text/TextLayoutStore.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

int fail(const QString& message)
{
    return dovrix::bench::fail("blocks", message);
}

// Asks the store for the page's blocks and waits for them, as the export step does (reading the
// next pages' texts meanwhile).
void waitForBlocks(dovrix::TextLayoutStore& store, int page, int pageCount)
{
    for (int next = page + 1;
         next <= page + dovrix::ExportCommands::TextReadAhead && next < pageCount; ++next)
        store.requestPageText(next, dovrix::JobPriority::TextLayout);
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

// Words of a text: runs of letters and digits, compared in compatibility form (a ligature
// character is its letters).
QHash<QString, int> wordCounts(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[\\p{L}\\p{N}]+"));
    QHash<QString, int> counts;
    auto it = word.globalMatch(text.normalized(QString::NormalizationForm_KC));
    while (it.hasNext())
        ++counts[it.next().captured()];
    return counts;
}

// Runs pdftotext on the file; its time in milliseconds and the share of its words (counted with
// repetition) found in text. Negative time when it could not run.
QPair<double, double> comparePdftotext(const QString& pdf, const QString& text)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("pdftotext.txt"));
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral("pdftotext"), {pdf, out});
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return {-1.0, 0.0};
    const double ms = dovrix::bench::elapsedMs(timer);
    QFile file(out);
    if (!file.open(QIODevice::ReadOnly))
        return {-1.0, 0.0};
    const QHash<QString, int> theirs = wordCounts(QString::fromUtf8(file.readAll()));
    const QHash<QString, int> ours = wordCounts(text);
    qint64 total = 0, found = 0;
    for (auto it = theirs.cbegin(); it != theirs.cend(); ++it) {
        total += it.value();
        found += std::min(it.value(), ours.value(it.key()));
    }
    return {ms, total ? double(found) / double(total) : 1.0};
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
    if (!dovrix::test::openAndWait(controller, files.first(), &message))
        return fail(message);

    dovrix::TextLayoutStore store(&worker, &controller);
    QElapsedTimer timer;
    timer.start();
    QString text;
    int blocks = 0;
    for (int page = 0; page < controller.pageCount(); ++page) {
        waitForBlocks(store, page, controller.pageCount());
        const QList<dovrix::ReadingBlock> pageBlocks = store.readingBlocks(page);
        blocks += int(pageBlocks.size());
        text += dovrix::formatExportPage(page, pageBlocks);
    }
    text = dovrix::joinLineEndHyphens(text);
    const double ms = double(timer.nsecsElapsed()) / 1e6;

    // Line feeds as they are: the window's export writes the same bytes on this platform.
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return fail(file.errorString());
    }
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
    QJsonObject result{{"pages", controller.pageCount()},
                       {"ms", qRound(ms * 10) / 10.0},
                       {"orderMs", qRound(orderMs * 100) / 100.0},
                       {"blocks", blocks},
                       {"engine", dovrix::engineName(controller.document()->engine())},
                       {"failedPages", stats.failedPages}};
    if (dovrix::bench::hasFlag(args, QStringLiteral("--pdftotext"))) {
        const auto [pdftotextMs, wordShare] = comparePdftotext(files.first(), text);
        result.insert("pdftotextMs", qRound(pdftotextMs * 10) / 10.0);
        result.insert("ratioToPdftotext", pdftotextMs > 0 ? ms / pdftotextMs : 0.0);
        result.insert("pdftotextWordsFound", wordShare);
    }
    dovrix::bench::printJson(result);
    return 0;
}

dovrix::bench::Registration reg("blocks", "blocks FILE --out OUT.txt [--pdftotext]", run);

} // namespace
