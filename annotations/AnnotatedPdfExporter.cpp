#include "annotations/AnnotatedPdfExporter.h"

#include "annotations/AnnotationPainter.h"
#include "core/FileSafety.h"
#include "core/PageUnits.h"
#include "core/PdfWorker.h"
#include "core/RenderCache.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace dovrix {

AnnotatedPdfExporter::AnnotatedPdfExporter(QObject* parent) : QObject(parent)
{
}

AnnotatedPdfExporter::~AnnotatedPdfExporter()
{
    generation.advance(); // a render in flight finds nobody waiting
    // The painter ends before the writer goes; the save file is discarded without a commit.
    if (painter && painter->isActive())
        painter->end();
}

QImage AnnotatedPdfExporter::onWhitePaper(const QImage& image)
{
    if (image.isNull() || !image.hasAlphaChannel())
        return image;
    QImage paper(image.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.drawImage(0, 0, image);
    painter.end();
    return paper;
}

void AnnotatedPdfExporter::start(DocumentHandle doc, PdfWorker* pdfWorker,
                                 const QList<QSizeF>& pageSizesPt,
                                 const QList<Annotation>& annotations, const QString& outputPath,
                                 double dpi)
{
    if (running || pageSizesPt.isEmpty() || outputPath.isEmpty() || !doc || !pdfWorker)
        return;
    document = std::move(doc);
    worker = pdfWorker;
    sizes = pageSizesPt;
    list = annotations;
    output = outputPath;
    resolution = dpi > PointsPerInch ? dpi : DefaultDpi;
    pageIndex = 0;
    running = true;
    generation.advance();

    file = std::make_unique<QSaveFile>(output);
    writer = std::make_unique<QPdfWriter>(file.get());
    writer->setResolution(int(resolution));
    requestPage();
}

void AnnotatedPdfExporter::cancel()
{
    if (!running)
        return;
    generation.advance();
    finish(false, QString());
}

void AnnotatedPdfExporter::requestPage()
{
    if (!running || !document || !worker)
        return;
    if (pageIndex >= sizes.size()) {
        finish(true, output);
        return;
    }
    const int page = pageIndex;
    const QSize size = RenderCache::clampToPixelLimit(pagePixelSize(sizes.at(page), resolution));
    worker->post(
        JobPriority::Export, this, generation.ticket(),
        [doc = document, page, size]() -> Reply<AnnotatedPdfExporter> {
            // No rotation, and the document's own annotation layer stays off.
            const QImage image = onWhitePaper(
                RenderCache::render(doc.get(), page, size, 0, {}, PageImageFormat::Opaque));
            return [page, image](AnnotatedPdfExporter& self) { self.composePage(page, image); };
        });
}

void AnnotatedPdfExporter::composePage(int page, const QImage& image)
{
    if (!running || page != pageIndex)
        return;
    if (image.isNull()) {
        finish(false, tr("第 %1 页渲染失败，导出已中止。").arg(page + 1));
        return;
    }

    writer->setPageSize(QPageSize(sizes.at(page), QPageSize::Point));
    if (!painter) {
        // Without margins the page image fills the whole sheet (the writer's default layout keeps
        // a border around the paint area).
        writer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        painter = std::make_unique<QPainter>();
        if (!file->open(QIODevice::WriteOnly) || !painter->begin(writer.get())) {
            finish(false, tr("无法创建输出文件：%1").arg(output));
            return;
        }
    } else if (!writer->newPage()) {
        finish(false, tr("无法创建输出文件：%1").arg(output));
        return;
    }

    const QRect target(0, 0, writer->width(), writer->height());
    painter->drawImage(
        target, image.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    paintAnnotations(*painter, list, page, sizes.at(page), resolution / PointsPerInch);

    ++pageIndex;
    Q_EMIT progress(pageIndex, int(sizes.size()));
    requestPage();
}

void AnnotatedPdfExporter::paintAnnotations(QPainter& p, const QList<Annotation>& annotations,
                                            int page, const QSizeF& pageSizePt, double scale)
{
    // The stored rectangles: the copy has no character boxes to re-anchor text annotations on.
    const AnnotationPainter painter(
        p, AnnotationStyle::paper(scale), [scale](const QPointF& pt) { return pt * scale; },
        QRectF(QPointF(0, 0), pageSizePt * scale));
    for (const Annotation& a : annotations) {
        if (a.page == page)
            painter.paint(a, a.rect);
    }
}

void AnnotatedPdfExporter::finish(bool ok, const QString& message)
{
    running = false;
    bool written = ok;
    if (painter) {
        if (painter->isActive())
            written = painter->end() && written;
        painter.reset();
    }
    writer.reset(); // completes the PDF in the save file
    if (file) {
        if (written && file->isOpen())
            written = commitSaveFile(*file); // a failed write (a full disk) cancels it
        else
            file->cancelWriting();
        file.reset();
    }
    document = nullptr;
    if (ok && !written) {
        Q_EMIT finished(false, tr("无法创建输出文件：%1").arg(output));
        return;
    }
    Q_EMIT finished(ok, message);
}

} // namespace dovrix
