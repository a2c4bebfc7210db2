// dovrix-bench export: the annotated PDF copy of a whole document (one note and one highlight per
// page), as the window makes it: time per page, the largest page image and the size of the copy.

#include "bench/Bench.h"
#include "tests/support/TestWait.h"

#include "annotations/AnnotatedPdfExporter.h"
#include "core/DocumentController.h"
#include "core/PageUnits.h"
#include "core/PdfWorker.h"
#include "core/RenderCache.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

int fail(const QString& message)
{
    return dovrix::bench::fail("export", message);
}

int run(const QStringList& args)
{
    const QStringList files = dovrix::bench::positional(args, {QStringLiteral("--dpi")});
    if (files.size() != 1)
        return fail(QStringLiteral("expected one PDF file"));
    const double dpi =
        dovrix::bench::option(args, QStringLiteral("--dpi"), QStringLiteral("200")).toDouble();

    dovrix::PdfWorker worker;
    dovrix::DocumentController controller(&worker);
    if (!dovrix::test::openAndWait(controller, files.first()))
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

    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("copy.pdf"));
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
         {"bytes", QFileInfo(out).size()}});
    return 0;
}

dovrix::bench::Registration reg("export", "export FILE [--dpi 200]", run);

} // namespace
