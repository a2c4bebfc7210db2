// PdfDocument answered by Qt PDF: for files MuPDF refuses, and for comparisons.

#include "engine/EngineBackends.h"
#include "engine/QtPdfLinkModel.h"

#include <QPainter>
#include <QPdfBookmarkModel>
#include <QPdfDocument>
#include <QPdfDocumentRenderOptions>
#include <QPdfSelection>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>

namespace dovrix {

namespace {

OpenOutcome outcomeOf(QPdfDocument::Error error)
{
    switch (error) {
    case QPdfDocument::Error::None:
        return OpenOutcome::Opened;
    case QPdfDocument::Error::FileNotFound:
        return OpenOutcome::FileNotFound;
    case QPdfDocument::Error::InvalidFileFormat:
        return OpenOutcome::InvalidFile;
    case QPdfDocument::Error::IncorrectPassword:
        return OpenOutcome::PasswordRequired;
    case QPdfDocument::Error::UnsupportedSecurityScheme:
        return OpenOutcome::UnsupportedSecurity;
    default:
        return OpenOutcome::Unknown;
    }
}

QList<QRectF> lineRects(const QPdfSelection& selection)
{
    QList<QRectF> rects;
    if (!selection.isValid())
        return rects;
    const QList<QPolygonF> polygons = selection.bounds();
    rects.reserve(polygons.size());
    for (const QPolygonF& polygon : polygons)
        rects.append(polygon.boundingRect());
    return rects;
}

// Qt PDF answers the box of a run of characters, not of each: per chunk of this many characters
// one selection, spread over its line rectangles in proportion to their widths, checked at three
// characters, and measured one by one only where that check fails.
constexpr int ChunkSize = 64;

void measureChunk(QPdfDocument& doc, int page, const QString& text, int lo, int hi,
                  QList<QRectF>& boxes)
{
    QList<int> idx;
    for (int m = lo; m < hi; ++m) {
        if (!text.at(m).isSpace())
            idx.append(m);
    }
    const QList<QRectF> rects = lineRects(doc.getSelectionAtIndex(page, lo, hi - lo));
    if (idx.isEmpty() || rects.isEmpty())
        return;
    const int n = int(rects.size());
    double sum = 0;
    for (const QRectF& r : rects)
        sum += std::max(r.width(), 1.0);
    const double chunk = std::max(hi - lo, 1);
    int k = 0;
    double acc = 0;
    double t = std::max(rects.at(0).width() * chunk / sum, 1.0);
    for (int m = lo; m < hi; ++m) {
        if (!text.at(m).isSpace()) {
            const QRectF& r = rects.at(k);
            const double u = r.width() / t;
            const double x = std::min(r.left() + u * acc, std::max(r.right() - u, r.left()));
            boxes[m] = QRectF(x, r.top(), u, r.height());
        }
        acc += 1;
        while (k < n - 1 && acc >= t) {
            k += 1;
            acc -= t;
            t = std::max(rects.at(k).width() * chunk / sum, 1.0);
        }
    }
    const int samples[] = {idx.first(), idx.at(idx.size() / 2), idx.last()};
    for (const int s : samples) {
        const QList<QRectF> one = lineRects(doc.getSelectionAtIndex(page, s, 1));
        if (one.isEmpty())
            continue;
        const QRectF& pr = one.first();
        const double tolerance = std::max(1.2 * pr.height(), 6.0);
        const QPointF d = pr.center() - boxes.at(s).center();
        if (std::hypot(d.x(), d.y()) <= tolerance)
            continue;
        for (int m = lo; m < hi; ++m) {
            boxes[m] = QRectF();
            if (text.at(m).isSpace())
                continue;
            const QList<QRectF> exact = lineRects(doc.getSelectionAtIndex(page, m, 1));
            if (exact.isEmpty())
                continue;
            const QRectF& r = exact.first();
            if (r.width() * r.height() >= 0.01 || r.height() > 0.1)
                boxes[m] = r;
        }
        break;
    }
}

PdfDestination destinationOf(int page, const QPointF& location, double zoom, int pageCount)
{
    PdfDestination target;
    if (page < 0 || page >= pageCount)
        return target;
    target.page = page;
    // Qt PDF tells no kind; a location other than the corner is the point of an /XYZ.
    if (location.isNull()) {
        target.kind = PdfDestination::Kind::Page;
    } else {
        target.kind = PdfDestination::Kind::XYZ;
        target.point = location;
        target.hasLeft = target.hasTop = true;
    }
    target.zoom = zoom > 0 ? zoom : 0;
    return target;
}

QList<OutlineItem> itemsBelow(const QPdfBookmarkModel& model, const QModelIndex& parent,
                              int pageCount)
{
    using Role = QPdfBookmarkModel::Role;
    QList<OutlineItem> items;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        bool ok = false;
        const int page = index.data(int(Role::Page)).toInt(&ok);
        OutlineItem item;
        item.title = index.data(int(Role::Title)).toString().trimmed();
        item.target = destinationOf(ok ? page : -1, index.data(int(Role::Location)).toPointF(),
                                    index.data(int(Role::Zoom)).toReal(), pageCount);
        item.children = itemsBelow(model, index, pageCount);
        items.append(item);
    }
    return items;
}

class QtPdfEngineDocument final : public PdfDocument
{
public:
    QtPdfEngineDocument(const QString& path, const QByteArray& password, int pageCount,
                        QPdfDocument* first)
        : PdfDocument(EngineKind::QtPdf, path, password, pageCount)
    {
        lanes[size_t(threadLane())] = first;
    }

    ~QtPdfEngineDocument() override
    {
        for (QPdfDocument*& doc : lanes)
            delete std::exchange(doc, nullptr);
    }

    QList<QSizeF> pageSizes() override
    {
        QList<QSizeF> sizes;
        QPdfDocument* doc = here();
        if (!doc)
            return sizes;
        sizes.reserve(pages);
        for (int i = 0; i < pages; ++i)
            sizes.append(doc->pagePointSize(i));
        return sizes;
    }

    PageGeometry pageGeometry(int page) override
    {
        PageGeometry geometry;
        if (QPdfDocument* doc = here())
            geometry.size = doc->pagePointSize(page);
        return geometry;
    }

    QImage render(int page, QSize size, int rotation, QRect clip, PageImageFormat format) override
    {
        QPdfDocument* doc = here();
        if (!doc || page < 0 || page >= pages || size.isEmpty())
            return {};
        const int turn = ((rotation % 360) + 360) % 360;
        if (clip.isValid())
            return renderPart(doc, page, size, turn, clip, format);
        QPdfDocumentRenderOptions options;
        switch (turn) {
        case 90:
            options.setRotation(QPdfDocumentRenderOptions::Rotation::Clockwise90);
            break;
        case 180:
            options.setRotation(QPdfDocumentRenderOptions::Rotation::Clockwise180);
            break;
        case 270:
            options.setRotation(QPdfDocumentRenderOptions::Rotation::Clockwise270);
            break;
        default:
            options.setRotation(QPdfDocumentRenderOptions::Rotation::None);
        }
        // The document's own annotations are part of the page.
        options.setRenderFlags(QPdfDocumentRenderOptions::RenderFlag::Annotations);
        return onWhitePaper(doc->render(page, size, options), format);
    }

    // The part clip (pixels of the turned image at size) alone: the engine clips the upright page,
    // so the same part of the upright image is drawn and then turned (quarter turns are exact).
    // Only that part is rasterised, however large size is.
    static QImage renderPart(QPdfDocument* doc, int page, QSize size, int turn, QRect clip,
                             PageImageFormat format)
    {
        const QRect part = clip & QRect(QPoint(0, 0), size);
        if (part.isEmpty())
            return {};
        const QSize upright = turn % 180 != 0 ? size.transposed() : size;
        QTransform toShown;
        if (turn == 90)
            toShown = QTransform(0, 1, -1, 0, upright.height(), 0);
        else if (turn == 180)
            toShown = QTransform(-1, 0, 0, -1, upright.width(), upright.height());
        else if (turn == 270)
            toShown = QTransform(0, -1, 1, 0, 0, upright.width());
        const QRect uprightPart = toShown.inverted().mapRect(QRectF(part)).toAlignedRect();
        QPdfDocumentRenderOptions options;
        options.setRenderFlags(QPdfDocumentRenderOptions::RenderFlag::Annotations);
        options.setScaledSize(upright);
        options.setScaledClipRect(uprightPart);
        QImage drawn = doc->render(page, uprightPart.size(), options);
        if (!drawn.isNull() && turn != 0)
            drawn = drawn.transformed(QTransform().rotate(turn));
        return onWhitePaper(drawn, format);
    }

    // On white paper, as the other engine draws it.
    static QImage onWhitePaper(const QImage& drawn, PageImageFormat format)
    {
        if (drawn.isNull())
            return drawn;
        QImage image(drawn.size(), format == PageImageFormat::Opaque
                                       ? QImage::Format_RGB888
                                       : QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.drawImage(QPoint(0, 0), drawn);
        painter.end();
        return image;
    }

    PageText pageText(int page) override
    {
        PageText result;
        QPdfDocument* doc = here();
        if (!doc || page < 0 || page >= pages)
            return result;
        const QPdfSelection all = doc->getAllText(page);
        result.outcome = PageText::Outcome::Read;
        if (!all.isValid())
            return result;
        result.text = all.text();
        result.boxes = QList<QRectF>(result.text.size());
        const int length = int(result.text.size());
        for (int lo = 0; lo < length; lo += ChunkSize)
            measureChunk(*doc, page, result.text, lo, std::min(length, lo + ChunkSize),
                         result.boxes);
        return result;
    }

    QList<PdfLink> links(int page) override
    {
        QList<PdfLink> result;
        QPdfDocument* doc = here();
        if (!doc || page < 0 || page >= pages)
            return result;
        QPdfLinkModel model;
        model.setDocument(doc);
        model.setPage(page);
        const int rows = model.rowCount();
        for (int row = 0; row < rows; ++row) {
            const QPdfLink link =
                model.data(model.index(row, 0), int(QPdfLinkModel::Role::Link)).value<QPdfLink>();
            PdfLink item;
            item.rectangles = link.rectangles();
            item.url = link.url();
            if (!item.url.isValid())
                item.target = destinationOf(link.page(), link.location(), link.zoom(), pages);
            if (item.isUsable())
                result.append(item);
        }
        return result;
    }

    QList<OutlineItem> outline() override
    {
        QPdfDocument* doc = here();
        if (!doc)
            return {};
        // The model reads the whole outline when it is given the document.
        QPdfBookmarkModel model;
        model.setDocument(doc);
        return itemsBelow(model, QModelIndex(), pages);
    }

    QStringList pageLabels() override
    {
        QPdfDocument* doc = here();
        if (!doc)
            return {};
        QStringList labels;
        labels.reserve(pages);
        for (int i = 0; i < pages; ++i)
            labels.append(doc->pageLabel(i));
        return labels;
    }

    DocumentInfo info() override
    {
        DocumentInfo info;
        QPdfDocument* doc = here();
        if (!doc)
            return info;
        using Field = QPdfDocument::MetaDataField;
        info.title = doc->metaData(Field::Title).toString();
        info.author = doc->metaData(Field::Author).toString();
        info.subject = doc->metaData(Field::Subject).toString();
        info.keywords = doc->metaData(Field::Keywords).toString();
        info.creator = doc->metaData(Field::Creator).toString();
        info.producer = doc->metaData(Field::Producer).toString();
        info.created = doc->metaData(Field::CreationDate).toDateTime();
        info.modified = doc->metaData(Field::ModificationDate).toDateTime();
        return info;
    }

    void releaseLane() override { delete std::exchange(lanes[size_t(threadLane())], nullptr); }

    void trimMemory() override {}

private:
    QPdfDocument* here()
    {
        QPdfDocument*& doc = lanes[size_t(threadLane())];
        if (!doc) {
            auto* opened = new QPdfDocument;
            if (!secret.isEmpty())
                opened->setPassword(QString::fromUtf8(secret));
            if (opened->load(path) != QPdfDocument::Error::None || opened->pageCount() != pages) {
                delete opened;
                return nullptr;
            }
            doc = opened;
        }
        return doc;
    }

    std::array<QPdfDocument*, LaneCount> lanes{};
};

} // namespace

OpenResult openWithQtPdf(const QString& path, const QByteArray& password)
{
    auto* doc = new QPdfDocument;
    if (!password.isEmpty())
        doc->setPassword(QString::fromUtf8(password));
    const OpenOutcome outcome = outcomeOf(doc->load(path));
    if (outcome != OpenOutcome::Opened) {
        delete doc;
        return {outcome, nullptr};
    }
    const int count = doc->pageCount();
    return {outcome, std::make_unique<QtPdfEngineDocument>(path, password, count, doc)};
}

} // namespace dovrix
