// dovrix-bench paint [FILE] [--runs N] [--query TEXT] [--colours normal|night|sepia]
// Median time of the page view's paintEvent for a full 1440 × 900 view with every visible page
// image cached, the search hits of the query and 30 annotations on the first page, in the given
// page colours; also the bytes the render cache holds. Without FILE a letter-size document is
// generated whose first page holds the query 50 times.

#include "Bench.h"

#include "annotations/AnnotationStore.h"
#include "core/DocumentController.h"
#include "core/PageColours.h"
#include "core/PdfWorker.h"
#include "core/RenderCache.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"
#include "text/SearchController.h"
#include "text/TextLayoutStore.h"
#include "view/PdfViewport.h"
#include "view/ViewGeometry.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QPageSize>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

using namespace dovrix;

// The view with a stopwatch around its paintEvent.
class TimedViewport : public PdfViewport
{
public:
    using PdfViewport::PdfViewport;
    QList<double> paintMs;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QElapsedTimer t;
        t.start();
        PdfViewport::paintEvent(event);
        paintMs.append(t.nsecsElapsed() / 1e6);
    }
};

bool writeBenchPdf(const QString& path, const QString& word)
{
    QStringList texts;
    for (int page = 0; page < 3; ++page) {
        QStringList lines;
        for (int line = 0; line < 25; ++line)
            lines << (page == 0 ? QStringLiteral("Line %1 of %2 and %2 again with filler text for "
                                                 "the paint bench")
                                      .arg(line)
                                      .arg(word)
                                : QStringLiteral("Plain line %1 of later pages").arg(line));
        texts << lines.join(QLatin1Char('\n'));
    }
    return test::writeTextPdf(
        path, texts,
        {QPageSize(QPageSize::Letter), QStringLiteral("DejaVu Sans"), 11, {48, 50}, 28});
}

// Runs the event loop until pred holds or the deadline passes.
template <typename Pred> bool waitFor(Pred pred, int ms = test::TimeoutMs)
{
    QDeadlineTimer deadline(ms);
    while (!pred() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return pred();
}

int runPaint(const QStringList& args)
{
    const QStringList files = bench::positional(
        args, {QStringLiteral("--runs"), QStringLiteral("--query"), QStringLiteral("--colours")});
    const PageColours colours = pageColoursFromId(
        bench::option(args, QStringLiteral("--colours"), QStringLiteral("normal")));
    const int runs =
        std::max(1, bench::option(args, QStringLiteral("--runs"), QStringLiteral("200")).toInt());
    const QString query = bench::option(args, QStringLiteral("--query"), QStringLiteral("dovrix"));
    QTemporaryDir dir;
    // The annotation store writes a sidecar next to the document: work on a copy.
    const QString path = dir.filePath(QStringLiteral("paint.pdf"));
    if (files.isEmpty()) {
        if (!writeBenchPdf(path, query)) {
            QTextStream(stderr) << "cannot write the generated document\n";
            return 1;
        }
    } else if (!QFile::copy(files.first(), path)) {
        QTextStream(stderr) << "cannot read " << files.first() << "\n";
        return 1;
    }

    // Our own generated or copied file, measured in process: the probe process is not needed.
    PdfWorker worker;
    DocumentController controller(&worker);
    controller.setProbeEnabled(false);
    TextLayoutStore text(&worker, &controller);
    RenderCache cache(&worker, 201326592, dovrix::JobPriority::PageView);
    SearchController search(&text, &controller);
    AnnotationStore annotations;
    TimedViewport view(&cache, &text, &controller, &search);
    view.resize(1440, 900);

    if (!test::openAndWait(controller, path)) {
        QTextStream(stderr) << "the document did not open\n";
        return 1;
    }
    annotations.setSource(path, controller.sourceHash());
    view.setAnnotationStore(&annotations);
    view.setDocument();
    view.setPageColours(colours);
    view.show();
    // Make the viewport itself (inside frame and scroll bars) 1440 × 900; the scroll bars it
    // shows depend on the size, so adjust until it holds.
    for (int i = 0; i < 4 && view.viewport()->size() != QSize(1440, 900); ++i) {
        QCoreApplication::processEvents();
        view.resize(view.size() + (QSize(1440, 900) - view.viewport()->size()));
        QCoreApplication::processEvents();
    }
    const QSize vp = view.viewport()->size();
    const QList<int> visible = view.viewGeometry().visiblePages(0, vp.height());

    // Character boxes of the first page anchor the highlights.
    text.requestCharBoxes(0, JobPriority::TextLayout);
    waitFor([&] { return text.hasCharBoxes(0); });
    const QList<QRectF> boxes = text.charBoxes(0);
    const QString pageText = text.pageText(0);
    const QSizeF pageSize = controller.pageSizes().value(0);

    // 30 annotations of every type over the first page.
    for (int i = 0; i < 30; ++i) {
        Annotation a;
        a.page = 0;
        a.type = annotationTypes[i % AnnotationTypeCount].type;
        const double y = 50 + i * (pageSize.height() - 120) / 30;
        a.rect = QRectF(60 + (i % 3) * 150, y, 120, 18);
        const AnnotationShape shape = annotationTypeInfo(a.type).shape;
        if (shape == AnnotationShape::TextMarks && !boxes.isEmpty()) {
            a.start = std::min<int>(i * 40, int(boxes.size()) - 10);
            a.length = 8;
            a.byText = true;
        } else if (shape == AnnotationShape::Line) {
            a.rect = QRectF(a.rect.topLeft(), QSizeF(0, 0));
            a.pt2 = a.rect.topLeft() + QPointF(80, 30);
        } else if (shape == AnnotationShape::Point) {
            a.rect = QRectF(a.rect.topLeft(), QSizeF(0, 0));
        }
        if (i % 5 == 0)
            a.text = QStringLiteral("Note text %1 that wraps over a couple of lines in its "
                                    "bubble beside the annotation")
                         .arg(i);
        annotations.add(a);
    }

    bool searched = false;
    QObject::connect(&search, &SearchController::finished, [&] { searched = true; });
    search.startSearch(query, false);
    waitFor([&] { return searched; });

    QImage target(vp, QImage::Format_ARGB32_Premultiplied);
    auto paintOnce = [&] {
        target.fill(Qt::transparent);
        view.viewport()->render(&target);
    };
    // Images of the visible pages and the hit boxes the first paints ask for.
    view.refreshVisiblePages();
    waitFor([&] {
        paintOnce();
        worker.waitForIdle(100);
        QCoreApplication::processEvents();
        for (int page : visible) {
            if (!cache.isCurrent(view.renderKeyFor(page)))
                return false;
        }
        for (const SearchHit& h : view.searchHits()) {
            if (h.ocrLine < 0 && text.hitBoxes(h.page, h.start, h.length).isEmpty()
                && visible.contains(h.page))
                return false;
        }
        return true;
    });

    int visibleHits = 0;
    for (const SearchHit& h : view.searchHits())
        visibleHits += visible.contains(h.page) ? 1 : 0;
    int visibleAnnotations = 0;
    for (int page : visible)
        visibleAnnotations += int(annotations.annotationsOnPage(page).size());

    view.paintMs.clear();
    for (int i = 0; i < runs; ++i)
        paintOnce();
    const QList<double> times = view.paintMs;

    QJsonObject out;
    out.insert(QStringLiteral("command"), QStringLiteral("paint"));
    out.insert(QStringLiteral("file"), files.isEmpty() ? QStringLiteral("(generated)")
                                                       : QFileInfo(files.first()).fileName());
    out.insert(QStringLiteral("width"), vp.width());
    out.insert(QStringLiteral("height"), vp.height());
    out.insert(QStringLiteral("colours"), pageColoursId(colours));
    out.insert(QStringLiteral("cache_bytes"), double(cache.totalBytes()));
    out.insert(QStringLiteral("visible_pages"), int(visible.size()));
    out.insert(QStringLiteral("visible_hits"), visibleHits);
    out.insert(QStringLiteral("visible_annotations"), visibleAnnotations);
    out.insert(QStringLiteral("runs"), int(times.size()));
    out.insert(QStringLiteral("median_ms"), bench::median(times));
    out.insert(QStringLiteral("min_ms"),
               times.isEmpty() ? 0.0 : *std::min_element(times.begin(), times.end()));
    out.insert(QStringLiteral("max_ms"),
               times.isEmpty() ? 0.0 : *std::max_element(times.begin(), times.end()));
    bench::printJson(out);
    return 0;
}

bench::Registration reg("paint",
                        "paint [FILE] [--runs N] [--query TEXT] [--colours normal|night|sepia]: "
                        "median paintEvent time of a 1440x900 page view with cached images, "
                        "search hits and 30 annotations",
                        runPaint);

} // namespace
