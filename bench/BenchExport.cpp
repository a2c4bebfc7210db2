// dovrix-bench export: the annotated copy of a whole document as the window makes it, kept at
// --out. By default the copy the engine writes (the source's pages with 30 annotations of every
// kind spread over the document, text marks over real characters): its time, size against the
// source, the annotations found in it and the source's words found in its text. With --flatten
// the page-image copy (one note and one highlight per page): time per page, the largest page
// image and the size.

#include "bench/Bench.h"
#include "tests/support/TestWait.h"

#include "annotations/AnnotatedCopy.h"
#include "annotations/AnnotatedPdfExporter.h"
#include "core/DocumentController.h"
#include "core/PageUnits.h"
#include "core/PdfWorker.h"
#include "core/RenderCache.h"
#include "engine/PdfCopy.h"
#include "engine/PdfDocument.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

namespace {

constexpr int CopyAnnotations = 30;

int fail(const QString& message)
{
    return dovrix::bench::fail("export", message);
}

// Words of a document's text layer, counted.
QHash<QString, int> wordsOf(const QString& path)
{
    QHash<QString, int> words;
    const dovrix::OpenResult opened = dovrix::PdfDocument::open(path);
    if (!opened.document)
        return words;
    static const QRegularExpression space(QStringLiteral("\\s+"));
    for (int page = 0; page < opened.document->pageCount(); ++page) {
        const QStringList list =
            opened.document->pageText(page).text.split(space, Qt::SkipEmptyParts);
        for (const QString& word : list)
            ++words[word];
    }
    return words;
}

// 30 annotations, the six kinds in turn, on pages spread over the document. Text marks cover
// characters 10 to 60 of their page as the engine measures them (the stored rectangle when the
// page has no text).
QList<dovrix::Annotation> spreadAnnotations(const QString& path, int pageCount)
{
    const dovrix::OpenResult opened = dovrix::PdfDocument::open(path);
    QList<dovrix::Annotation> list;
    for (int i = 0; i < CopyAnnotations; ++i) {
        dovrix::Annotation a;
        a.id = QStringLiteral("bench-%1").arg(i);
        a.type = dovrix::AnnotationType(i % dovrix::AnnotationTypeCount);
        a.page = i * pageCount / CopyAnnotations;
        a.rect = QRectF(72, 144 + 4 * i, 200, 14);
        a.pt2 = QPointF(300, 300);
        a.text = QStringLiteral("A note of a few words, number %1").arg(i + 1);
        a.created = 1700000000 + i;
        list.append(a);
    }
    if (!opened.document)
        return list;
    for (dovrix::Annotation& a : list) {
        if (!dovrix::annotationTypeInfo(a.type).marksText())
            continue;
        const QList<QRectF> boxes = opened.document->pageText(a.page).boxes;
        if (boxes.size() < 60)
            continue;
        const QList<QRectF> lines = dovrix::markedLines(boxes, 10, 50);
        QRectF united;
        for (const QRectF& line : lines)
            united = united.united(line);
        a.rect = united;
    }
    return list;
}

int copyWithEngine(const QString& file, const QString& out)
{
    dovrix::PdfWorker worker;
    dovrix::DocumentController controller(&worker);
    if (!dovrix::test::openAndWait(controller, file))
        return fail(QStringLiteral("cannot open the file"));
    const int pages = controller.pageCount();
    const QList<dovrix::Annotation> annotations = spreadAnnotations(file, pages);

    dovrix::CopyRequest request;
    request.sourcePath = file;
    request.targetPath = out;
    request.marks = dovrix::copyMarks(annotations, nullptr);
    QElapsedTimer timer;
    timer.start();
    const dovrix::CopyOutcome outcome = dovrix::writePdfCopy(request);
    const double ms = dovrix::bench::elapsedMs(timer);
    if (outcome.result != dovrix::CopyOutcome::Result::Written)
        return fail(QStringLiteral("the copy failed: %1").arg(outcome.detail));

    const QHash<QString, int> source = wordsOf(file);
    const QHash<QString, int> copy = wordsOf(out);
    qint64 sourceWords = 0;
    qint64 found = 0;
    for (auto it = source.cbegin(); it != source.cend(); ++it) {
        sourceWords += it.value();
        found += std::min(it.value(), copy.value(it.key()));
    }
    const qint64 sourceBytes = QFileInfo(file).size();
    dovrix::bench::printJson(
        {{"pages", pages},
         {"annotations", int(annotations.size())},
         {"ms", qRound(ms * 10) / 10.0},
         {"bytes", outcome.bytes},
         {"sourceBytes", sourceBytes},
         {"sizeLimitBytes", sourceBytes + sourceBytes / 10 + 2048 * annotations.size()},
         {"annotationsInCopy", int(dovrix::readPdfMarks(out).size())},
         {"sourceWords", sourceWords},
         {"wordsFoundPercent", sourceWords ? qRound(found * 10000.0 / sourceWords) / 100.0 : 100.0},
         {"output", out}});
    return 0;
}

int flattenedCopy(const QString& file, const QString& out, double dpi)
{
    dovrix::PdfWorker worker;
    dovrix::DocumentController controller(&worker);
    if (!dovrix::test::openAndWait(controller, file))
        return fail(QStringLiteral("cannot open the file"));

    QList<dovrix::Annotation> annotations;
    qint64 largestPixels = 0;
    for (int page = 0; page < controller.pageCount(); ++page) {
        dovrix::Annotation highlight;
        highlight.page = page;
        highlight.rect = QRectF(72, 144, 200, 14);
        dovrix::Annotation note;
        note.type = dovrix::AnnotationType::Note;
        note.page = page;
        note.rect = QRectF(72, 72, 0, 0);
        note.text = QStringLiteral("A note of a few words on page %1").arg(page + 1);
        annotations << highlight << note;
        const QSize size = dovrix::RenderCache::clampToPixelLimit(
            dovrix::pagePixelSize(controller.pageSizes().at(page), dpi > 72 ? dpi : 200));
        largestPixels = std::max(largestPixels, qint64(size.width()) * size.height());
    }

    dovrix::AnnotatedPdfExporter exporter;
    QEventLoop loop;
    bool ok = false;
    QString message;
    QObject::connect(&exporter, &dovrix::AnnotatedPdfExporter::finished,
                     [&](bool success, const QString& text) {
                         ok = success;
                         message = text;
                         loop.quit();
                     });
    QElapsedTimer timer;
    timer.start();
    exporter.start(controller.sharedDocument(), &worker, controller.pageSizes(), annotations, out,
                   dpi);
    if (exporter.isRunning())
        loop.exec();
    const double ms = dovrix::bench::elapsedMs(timer);
    if (!ok)
        return fail(message);

    const int pages = controller.pageCount();
    dovrix::bench::printJson(
        {{"pages", pages},
         {"dpi", exporter.dpi()},
         {"ms", qRound(ms * 10) / 10.0},
         {"msPerPage", qRound(ms / pages * 10) / 10.0},
         {"largestImageMiB", qRound(largestPixels * 4 / 1048576.0 * 10) / 10.0},
         {"bytes", QFileInfo(out).size()},
         {"output", out}});
    return 0;
}

int run(const QStringList& args)
{
    const QStringList files =
        dovrix::bench::positional(args, {QStringLiteral("--dpi"), QStringLiteral("--out")});
    const QString out = dovrix::bench::option(args, QStringLiteral("--out"));
    if (files.size() != 1 || out.isEmpty())
        return fail(QStringLiteral("expected one PDF file and --out OUT.pdf"));
    if (dovrix::bench::hasFlag(args, QStringLiteral("--flatten"))) {
        const double dpi =
            dovrix::bench::option(args, QStringLiteral("--dpi"), QStringLiteral("200")).toDouble();
        return flattenedCopy(files.first(), out, dpi);
    }
    return copyWithEngine(files.first(), out);
}

dovrix::bench::Registration reg("export", "export FILE --out OUT.pdf [--flatten [--dpi 200]]", run);

} // namespace
