#include "view/ViewGeometry.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace dovrix {

int toContentPx(double px)
{
    if (std::isnan(px))
        return 0;
    return int(std::clamp(px, -double(MaxContentPx), double(MaxContentPx)));
}

double clampZoom(double zoom)
{
    double z = std::min(zoom, MaxZoom);
    if (!(z > MinZoom)) // also catches NaN
        z = MinZoom;
    return z;
}

int normalizeRotation(int degrees)
{
    return ((degrees % 360) + 360) % 360;
}

double wheelZoomFactor(int angleDeltaY)
{
    return std::pow(ZoomStep, angleDeltaY / 120.0);
}

namespace {

// Turns a vector by the rotation, in the sense of QPainter::rotate with y pointing down. Quarter
// turns are exact so that mappings round-trip without drift.
QPointF turn(const QPointF& v, int rotation)
{
    switch (rotation) {
    case 0:
        return v;
    case 90:
        return {-v.y(), v.x()};
    case 180:
        return {-v.x(), -v.y()};
    case 270:
        return {v.y(), -v.x()};
    default: {
        const double a = qDegreesToRadians(double(rotation));
        const double c = std::cos(a);
        const double s = std::sin(a);
        return {v.x() * c - v.y() * s, v.x() * s + v.y() * c};
    }
    }
}

QPointF centre(const QRectF& r)
{
    return {r.left() + r.width() / 2.0, r.top() + r.height() / 2.0};
}

} // namespace

QPair<int, int> ViewGeometry::rowPages(int page) const
{
    const int count = pageCount();
    if (!spread || page < 0 || page >= count)
        return {page, page};
    const int shift = coverAlone ? 1 : 0; // pages before the first full row's left page
    if (page < shift)
        return {page, page};
    const int first = page - (page - shift) % 2;
    return {first, std::min(first + 1, count - 1)};
}

int ViewGeometry::rowStep(int page, int step) const
{
    const int count = pageCount();
    if (count <= 0)
        return 0;
    int p = std::clamp(page, 0, count - 1);
    for (int i = 0; i < std::abs(step); ++i) {
        const QPair<int, int> row = rowPages(p);
        const int next = step > 0 ? row.second + 1 : row.first - 1;
        if (next < 0 || next >= count)
            break;
        p = next;
    }
    return rowPages(p).first;
}

bool ViewGeometry::isShown(int page) const
{
    if (!singlePage)
        return true;
    return spread ? rowPages(page) == rowPages(currentPage) : page == currentPage;
}

void ViewGeometry::layOutSpread()
{
    const int count = pageCount();
    tops = QList<double>(std::max(count, 1), margin);
    lefts = QList<double>(std::max(count, 1), margin);
    double y = margin;
    double widest = 0.0;
    for (int first = 0; first < count;) {
        const QPair<int, int> row = rowPages(first);
        first = row.second + 1;
        if (!isShown(row.first))
            continue;
        double tallest = 0.0;
        for (int i = row.first; i <= row.second; ++i) {
            tops[i] = y;
            const QSizeF s = displaySize(i) * zoom;
            tallest = std::max(tallest, s.height());
            widest = std::max(widest, s.width());
        }
        y += tallest + gap;
    }
    content = QSizeF(2.0 * margin + 2.0 * widest + gap, y - gap + margin);
    laneWidth = std::max(content.width(), viewportWidth);
    const double spine = laneWidth / 2.0;
    for (int i = 0; i < count; ++i) {
        const QPair<int, int> row = rowPages(i);
        // A page alone is on the right only as the cover; a last page alone stays on the left.
        const bool right = (row.first != row.second && i == row.second)
                           || (row.first == row.second && coverAlone && i == 0);
        const double width = displaySize(i).width() * zoom;
        lefts[i] = right ? spine + gap / 2.0 : spine - gap / 2.0 - width;
    }
}

void ViewGeometry::relayout()
{
    if (spread) {
        layOutSpread();
        return;
    }
    const int count = pageCount();
    tops = QList<double>(std::max(count, 1), margin);
    double y = margin;
    double widest = 0.0;
    for (int i = 0; i < count; ++i) {
        if (singlePage && i != currentPage)
            continue;
        tops[i] = y;
        const QSizeF s = displaySize(i) * zoom;
        y += s.height() + gap;
        widest = std::max(widest, s.width());
    }
    content = QSizeF(2.0 * margin + widest, y - gap + margin);
    laneWidth = std::max(content.width(), viewportWidth);
}

QSizeF ViewGeometry::displaySize(int page) const
{
    if (page < 0 || page >= pageCount())
        return {};
    const QSizeF s = pageSizes.at(page);
    return normalizeRotation(rotation) % 180 != 0 ? s.transposed() : s;
}

QRectF ViewGeometry::pageRect(int page) const
{
    if (page < 0 || page >= pageCount() || !isShown(page))
        return {};
    const QSizeF size = displaySize(page) * zoom;
    const double left =
        spread ? lefts.value(page, margin) : std::max(margin, (laneWidth - size.width()) / 2.0);
    return {QPointF(left, tops.value(page, margin)), size};
}

QPointF ViewGeometry::pageToView(int page, const QPointF& pt) const
{
    const QSizeF s = page >= 0 && page < pageCount() ? pageSizes.at(page) : QSizeF();
    const QPointF rel = (pt - QPointF(s.width() / 2.0, s.height() / 2.0)) * zoom;
    return centre(pageRect(page)) + turn(rel, normalizeRotation(rotation));
}

QPointF ViewGeometry::viewToPage(int page, const QPointF& px) const
{
    const QSizeF s = page >= 0 && page < pageCount() ? pageSizes.at(page) : QSizeF();
    const QPointF rel = turn(px - centre(pageRect(page)), normalizeRotation(360 - rotation));
    return rel / zoom + QPointF(s.width() / 2.0, s.height() / 2.0);
}

QPointF ViewGeometry::pageToImage(int page, const QPointF& pt) const
{
    const QSizeF s = page >= 0 && page < pageCount() ? pageSizes.at(page) : QSizeF();
    const QSizeF shown = displaySize(page) * zoom;
    const QPointF rel = (pt - QPointF(s.width() / 2.0, s.height() / 2.0)) * zoom;
    return QPointF(shown.width() / 2.0, shown.height() / 2.0)
           + turn(rel, normalizeRotation(rotation));
}

QRectF ViewGeometry::pageRectToView(int page, const QRectF& rectPt) const
{
    return QRectF(pageToView(page, rectPt.topLeft()), pageToView(page, rectPt.bottomRight()))
        .normalized();
}

namespace {

// Where v lies along [lo, hi]: (fraction, pixels beyond the nearer end).
QPair<double, double> placeAlong(double v, double lo, double hi)
{
    if (v < lo)
        return {0.0, v - lo};
    if (v > hi)
        return {1.0, v - hi};
    return {hi > lo ? (v - lo) / (hi - lo) : 0.0, 0.0};
}

} // namespace

PageAnchor ViewGeometry::anchorAt(const QPointF& px) const
{
    int page = -1;
    for (int i = 0; i < pageCount(); ++i) {
        const QRectF r = pageRect(i);
        if (r.isEmpty())
            continue;
        page = i;
        if (px.y() < r.bottom() + gap)
            break;
    }
    if (page < 0)
        return {};
    // In a spread the band holds a row: take the page of the row on the point's side.
    const QPair<int, int> row = rowPages(page);
    if (row.second != row.first && px.x() >= pageRect(row.second).left() - gap / 2.0)
        page = row.second;
    const QRectF r = pageRect(page);
    const auto x = placeAlong(px.x(), r.left(), r.right());
    const auto y = placeAlong(px.y(), r.top(), r.bottom());
    return {page, QPointF(x.first, y.first), QPointF(x.second, y.second)};
}

QPointF ViewGeometry::anchorPos(const PageAnchor& anchor) const
{
    const QRectF r = pageRect(anchor.page);
    return QPointF(r.left() + anchor.fraction.x() * r.width(),
                   r.top() + anchor.fraction.y() * r.height())
           + anchor.beyondPx;
}

int ViewGeometry::pageAt(const QPointF& px) const
{
    for (int i = 0; i < pageCount(); ++i) {
        const QRectF r = pageRect(i);
        if (!r.isEmpty() && r.contains(px))
            return i;
    }
    return -1;
}

namespace {

// The reading corner of a view of viewportPx, in viewport pixels.
QPointF readingCorner(int rotation, const QSize& viewportPx)
{
    switch (normalizeRotation(rotation)) {
    case 90:
        return {double(viewportPx.width()), 0.0};
    case 180:
        return {double(viewportPx.width()), double(viewportPx.height())};
    case 270:
        return {0.0, double(viewportPx.height())};
    default:
        return {0.0, 0.0};
    }
}

} // namespace

ViewPlacement ViewGeometry::placementFor(const ViewTarget& target, const QSize& viewportPx,
                                         const QPointF& scrollPx) const
{
    ViewPlacement placement{zoom, scrollPx};
    if (target.page < 0 || target.page >= pageCount())
        return placement;
    const bool quarter = normalizeRotation(rotation) % 180 != 0;

    // An area without a size shows its page.
    const ViewTarget::Show show = target.show == ViewTarget::Show::Area && target.area.isEmpty()
                                      ? ViewTarget::Show::Page
                                      : target.show;
    ViewGeometry g = *this;
    g.currentPage = target.page;
    if (show == ViewTarget::Show::Area) {
        const QSizeF area = quarter ? target.area.size().transposed() : target.area.size();
        g.zoom = clampZoom(std::min((viewportPx.width() - 2.0 * margin) / area.width(),
                                    (viewportPx.height() - 2.0 * margin) / area.height()));
    } else if (target.zoom > 0) {
        g.zoom = clampZoom(target.zoom);
    }
    g.relayout();
    placement.zoom = g.zoom;

    switch (show) {
    case ViewTarget::Show::Page:
        placement.scrollPx.setY(g.pageRect(target.page).top() - margin);
        break;
    case ViewTarget::Show::Area: {
        const QRectF area = g.pageRectToView(target.page, target.area);
        placement.scrollPx = centre(area) - QPointF(viewportPx.width(), viewportPx.height()) / 2.0;
        break;
    }
    case ViewTarget::Show::Point: {
        // Pages stack along the view's y, which always brings the page in; the view's x is set
        // only when the destination sets the page coordinate that runs along it (a page's x runs
        // along the view's y when the page is turned a quarter). An open top is the page's top.
        const QPointF pt(target.hasLeft ? target.point.x() : 0.0,
                         target.hasTop ? target.point.y() : 0.0);
        const QPointF px = g.pageToView(target.page, pt) - readingCorner(rotation, viewportPx);
        placement.scrollPx.setY(px.y());
        if (quarter ? target.hasTop : target.hasLeft)
            placement.scrollPx.setX(px.x());
        break;
    }
    }
    return placement;
}

ViewTarget ViewGeometry::targetAt(const QSize& viewportPx, const QPointF& scrollPx) const
{
    ViewTarget target;
    if (currentPage < 0 || currentPage >= pageCount())
        return target;
    target.show = ViewTarget::Show::Point;
    target.page = currentPage;
    target.point = viewToPage(currentPage, scrollPx + readingCorner(rotation, viewportPx));
    target.hasLeft = true;
    target.hasTop = true;
    target.zoom = zoom;
    return target;
}

int ViewGeometry::pageAtProbe(double scrollY, double viewportHeight) const
{
    const double probe = scrollY + viewportHeight * 0.5;
    int lastAbove = -1;
    int firstShown = -1;
    for (int i = 0; i < pageCount(); ++i) {
        const QRectF r = pageRect(i);
        if (r.isEmpty())
            continue;
        if (r.top() <= probe && probe < r.bottom())
            return i;
        if (r.bottom() <= probe)
            lastAbove = i;
        if (firstShown < 0)
            firstShown = i;
    }
    if (lastAbove >= 0)
        return lastAbove;
    return std::max(firstShown, 0);
}

QList<int> ViewGeometry::visiblePages(double scrollY, double viewportHeight) const
{
    QList<int> pages;
    // Pages are stacked in order: binary search would do, but the count is small next to a paint.
    for (int i = 0; i < pageCount(); ++i) {
        const QRectF r = pageRect(i);
        if (!r.isEmpty() && r.bottom() >= scrollY && r.top() <= scrollY + viewportHeight)
            pages.append(i);
    }
    return pages;
}

double ViewGeometry::fitZoom(int mode, const QSize& viewportPx) const
{
    QSizeF s = displaySize(currentPage);
    if (s.isEmpty() || (mode != 1 && mode != 2))
        return zoom;
    double sides = 1.0;
    double spacing = 0.0;
    if (spread) {
        // Two halves as wide as the row's wider page, half a gap each side of the centre line.
        const QPair<int, int> row = rowPages(currentPage);
        for (int i = row.first; i <= row.second; ++i)
            s = s.expandedTo(displaySize(i));
        sides = 2.0;
        spacing = gap;
    }
    const double byWidth = (viewportPx.width() - 2.0 * margin - spacing) / (sides * s.width());
    double z = byWidth;
    if (mode == 2)
        z = std::min(byWidth, (viewportPx.height() - 2.0 * margin) / s.height());
    return clampZoom(z);
}

QSize ViewGeometry::renderPixelSize(int page, double devicePixelRatio) const
{
    double width = displaySize(page).width() * zoom * devicePixelRatio;
    double height = displaySize(page).height() * zoom * devicePixelRatio;
    const double largest = std::max(width, height);
    if (largest > MaxContentPx) {
        // Shrink both sides alike: the render cache's own clamp then keeps the page's shape.
        const double scale = MaxContentPx / largest;
        width *= scale;
        height *= scale;
    }
    return {toContentPx(std::ceil(width)), toContentPx(std::ceil(height))};
}

int ViewGeometry::verticalScrollMax(int viewportHeight) const
{
    return std::max(0, toContentPx(content.height() - viewportHeight));
}

int ViewGeometry::horizontalScrollMax(int viewportWidth) const
{
    return std::max(0, toContentPx(content.width() - viewportWidth));
}

int charIndexAt(const QList<QRectF>& boxes, const QPointF& p)
{
    for (int i = 0; i < boxes.size(); ++i) {
        const QRectF& b = boxes.at(i);
        if (b.isValid() && b.adjusted(-1.5, -1.5, 1.5, 1.5).contains(p))
            return i;
    }
    int best = -1;
    double bestDistance = 9.0;
    for (int i = 0; i < boxes.size(); ++i) {
        const QRectF& b = boxes.at(i);
        if (!b.isValid())
            continue;
        const QPointF d = b.center() - p;
        const double distance = std::hypot(d.x(), d.y());
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

namespace {
bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}
} // namespace

QPair<int, int> wordRange(const QString& text, int index)
{
    if (index < 0 || index >= text.size())
        return {-1, -1};
    int start = index;
    while (start > 0 && isWordChar(text.at(start - 1)))
        --start;
    int end = index;
    while (end + 1 < text.size() && isWordChar(text.at(end + 1)))
        ++end;
    return {start, end};
}

QList<QRectF> selectionRuns(const QList<QRectF>& boxes, int from, int to)
{
    QList<QRectF> runs;
    const int lo = std::max(std::min(from, to), 0);
    const int hi = std::min<qsizetype>(std::max(from, to), boxes.size() - 1);
    QRectF run;
    for (int i = lo; i <= hi; ++i) {
        const QRectF& b = boxes.at(i);
        if (!b.isValid())
            continue;
        if (run.isNull()) {
            run = b;
        } else if (std::abs(b.center().y() - run.center().y())
                   <= 0.6 * std::max(b.height(), run.height())) {
            run = run.united(b);
        } else {
            runs.append(run);
            run = b;
        }
    }
    if (!run.isNull())
        runs.append(run);
    return runs;
}

QRectF unitedBoxes(const QList<QRectF>& boxes, int start, int length)
{
    QRectF u;
    const qsizetype end = std::min<qsizetype>(qsizetype(start) + length, boxes.size());
    for (qsizetype i = std::max(start, 0); i < end; ++i) {
        const QRectF& b = boxes.at(i);
        if (b.isValid())
            u = u.isNull() ? b : u.united(b);
    }
    return u;
}

} // namespace dovrix
