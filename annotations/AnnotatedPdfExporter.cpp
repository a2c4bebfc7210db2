#include "annotations/AnnotatedPdfExporter.h"

#include "core/FileSafety.h"
#include "core/PdfWorker.h"
#include "core/RenderCache.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QPolygonF>
#include <QSaveFile>

#include <cmath>

namespace dovrix {

namespace {

constexpr int BubbleChars = 200;

QColor withAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

QString bubbleText(const QString& text)
{
    if (text.size() <= BubbleChars)
        return text;
    // Half a surrogate pair would paint as a replacement box.
    const int cut = text.at(BubbleChars - 1).isHighSurrogate() ? BubbleChars - 1 : BubbleChars;
    return text.left(cut) + QChar(0x2026);
}

void paintBubble(QPainter& p, const QPointF& at, const Annotation& a, double s)
{
    const QString shown = bubbleText(a.text);
    p.save();
    QFont font = p.font();
    font.setPointSizeF(9);
    p.setFont(font);
    const QRectF textBox =
        p.fontMetrics().boundingRect(QRect(0, 0, int(150 * s), 1000000), Qt::TextWordWrap, shown);
    const QRectF bubble(at.x() + 12 * s, at.y() - 10 * s, textBox.width() + 14 * s,
                        textBox.height() + 10 * s);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(a.color, 1.2 * s, Qt::SolidLine));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(bubble, 5 * s, 5 * s);
    p.setPen(QColor(38, 42, 48));
    p.drawText(bubble.adjusted(7 * s, 5 * s, -7 * s, -5 * s),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
    p.restore();
}

} // namespace

AnnotatedPdfExporter::AnnotatedPdfExporter(QObject* parent)
    : QObject(parent), sharedGeneration(std::make_shared<std::atomic<qint64>>(0))
{
}

AnnotatedPdfExporter::~AnnotatedPdfExporter()
{
    ++*sharedGeneration; // a render in flight finds nobody waiting
    // The painter ends before the writer goes; the save file is discarded without a commit.
    if (painter && painter->isActive())
        painter->end();
}

QSize AnnotatedPdfExporter::pixelSize(const QSizeF& sizePt, double dpi)
{
    if (!(sizePt.width() > 0) || !(sizePt.height() > 0))
        return {};
    // Saturate before converting: an absurd page size must not overflow an int.
    const int width = int(std::min(std::trunc(sizePt.width() / 72.0 * dpi), 1e9));
    const int height = int(std::min(std::trunc(sizePt.height() / 72.0 * dpi), 1e9));
    return RenderCache::clampToPixelLimit(QSize(std::max(1, width), std::max(1, height)));
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

void AnnotatedPdfExporter::start(QPdfDocument* doc, PdfWorker* pdfWorker,
                                 const QList<QSizeF>& pageSizesPt,
                                 const QList<Annotation>& annotations, const QString& outputPath,
                                 double dpi)
{
    if (running || pageSizesPt.isEmpty() || outputPath.isEmpty() || !doc || !pdfWorker)
        return;
    document = doc;
    worker = pdfWorker;
    sizes = pageSizesPt;
    list = annotations;
    output = outputPath;
    resolution = dpi > 72.0 ? dpi : DefaultDpi;
    pageIndex = 0;
    running = true;
    ++generation;
    sharedGeneration->store(generation);

    file = std::make_unique<QSaveFile>(output);
    writer = std::make_unique<QPdfWriter>(file.get());
    writer->setResolution(int(resolution));
    requestPage();
}

void AnnotatedPdfExporter::cancel()
{
    if (!running)
        return;
    ++generation;
    sharedGeneration->store(generation);
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
    const QSize size = pixelSize(sizes.at(page), resolution);
    QPdfDocument* doc = document;
    worker->post(RenderPriority, [self = QPointer<AnnotatedPdfExporter>(this),
                                  shared = sharedGeneration, jobGeneration = generation, doc, page,
                                  size] {
        if (shared->load() != jobGeneration)
            return; // cancelled or gone: the document may be released right after this job
        // No rotation, and the document's own annotation layer stays off.
        const QImage image = onWhitePaper(RenderCache::render(doc, page, size, 0));
        QCoreApplication* app = QCoreApplication::instance();
        if (!app)
            return;
        QMetaObject::invokeMethod(
            app,
            [self, page, image, jobGeneration] {
                if (self)
                    self->composePage(page, image, jobGeneration);
            },
            Qt::QueuedConnection);
    });
}

void AnnotatedPdfExporter::composePage(int page, const QImage& image, qint64 jobGeneration)
{
    if (!running || jobGeneration != generation || page != pageIndex)
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
    paintAnnotations(*painter, list, page, resolution / 72.0);

    ++pageIndex;
    Q_EMIT progress(pageIndex, int(sizes.size()));
    requestPage();
}

void AnnotatedPdfExporter::paintAnnotations(QPainter& p, const QList<Annotation>& annotations,
                                            int page, double s)
{
    for (const Annotation& a : annotations) {
        if (a.page != page)
            continue;
        const QRectF rect = a.rect;
        const QRectF v(rect.left() * s, rect.top() * s, rect.width() * s, rect.height() * s);
        const QPointF at = rect.topLeft() * s;
        const QColor color = a.color;
        p.save();
        switch (a.type) {
        case AnnotationType::Highlight:
            p.setCompositionMode(QPainter::CompositionMode_Multiply);
            p.fillRect(v, withAlpha(color, 150));
            break;
        case AnnotationType::Underline:
            p.fillRect(QRectF(v.left(), (rect.bottom() - 1) * s, v.width(), 1.5 * s), color);
            break;
        case AnnotationType::Strikethrough:
            p.fillRect(QRectF(v.left(), (rect.center().y() - 0.75) * s, v.width(), 1.5 * s), color);
            break;
        case AnnotationType::Note:
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(color.darker(140), 1.5 * s, Qt::SolidLine));
            p.setBrush(color);
            p.drawEllipse(at, 7 * s, 7 * s);
            p.setPen(QPen(QColor(58, 46, 0), 1.5 * s));
            p.drawLine(QPointF(at.x(), at.y() - 3.5 * s), QPointF(at.x(), at.y() + 1 * s));
            p.drawPoint(QPointF(at.x(), at.y() + 3.5 * s));
            break;
        case AnnotationType::Rectangle:
            p.setPen(QPen(color, 1.5 * s, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(v);
            break;
        case AnnotationType::Arrow: {
            const QPointF headPt =
                a.pt2 == QPointF(0, 0) ? rect.bottomRight() + QPointF(18, 18) : a.pt2;
            const QPointF tail = at;
            const QPointF head = headPt * s;
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(color, 2 * s, Qt::SolidLine));
            p.drawLine(tail, head);
            if (tail != head) {
                const double angle = std::atan2(head.y() - tail.y(), head.x() - tail.x());
                const double len = 12 * s;
                const QPolygonF triangle(
                    {head, head - len * QPointF(std::cos(angle - 0.45), std::sin(angle - 0.45)),
                     head - len * QPointF(std::cos(angle + 0.45), std::sin(angle + 0.45))});
                p.setBrush(color);
                p.drawPolygon(triangle);
            }
            break;
        }
        default:
            break;
        }
        p.restore();
        if (!a.text.isEmpty())
            paintBubble(p, at, a, s);
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
