#pragma once

#include "core/PageUnits.h"

#include <QList>
#include <QMetaType>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

namespace dovrix {

// Zoom is logical pixels per PDF point.
constexpr double MinZoom = 0.1;
constexpr double MaxZoom = 8.0;

// Largest magnitude of a content pixel value handed to scroll bars and render sizes. Pages of a
// hostile document may be far longer than an int holds; values beyond are cut to this, which
// leaves room for scroll steps to be added without overflowing.
constexpr int MaxContentPx = 1 << 30;

// Content pixels as an int, truncated toward zero and saturated at ±MaxContentPx; NaN gives 0.
int toContentPx(double px);
// Caps a requested zoom to [MinZoom, MaxZoom].
double clampZoom(double zoom);
// Any number of degrees to 0..359.
int normalizeRotation(int degrees);
// Ctrl+wheel zoom factor: 1.2 per notch of 120 units, fractional for high-resolution wheels.
double wheelZoomFactor(int angleDeltaY);

// A place in the layout tied to a page: inside the page's rectangle a fraction of its size, which
// zoom keeps on the same document point and rotation on the same relative place; outside it, in
// the margins and gaps that do not scale, a distance in pixels from the page's nearer edge.
struct PageAnchor
{
    int page = -1;
    QPointF fraction; // 0..1 of the page rectangle's width and height
    QPointF beyondPx; // past the left/top (negative) or right/bottom (positive) edge
};

// A place in the document to show, as a link, an outline entry or the view history asks for it.
// The reading corner is the corner of the view where the page's top-left corner lies as shown:
// top-left, or for the temporary rotation of 90, 180, 270 degrees top-right, bottom-right,
// bottom-left.
struct ViewTarget
{
    enum class Show {
        Page,  // the page from its top, scrolled as going to the page
        Point, // the point (where hasLeft / hasTop say) at the reading corner
        Area,  // area fitted into the view and centred; the zoom follows
    };
    Show show = Show::Page;
    int page = -1; // 0-based
    QPointF point; // page points; an open left keeps the view's sideways scroll, an open top
                   // is the page's top
    bool hasLeft = false;
    bool hasTop = false;
    QRectF area;       // page points
    double zoom = 0.0; // the zoom to show it at; 0 keeps the view's zoom (an area sets its own)

    bool isValid() const { return page >= 0; }
};

// Where the view goes for a target: its zoom and the scroll values (content pixels of the view's
// top-left corner) in the layout at that zoom.
struct ViewPlacement
{
    double zoom = 1.0;
    QPointF scrollPx;
};

// The page layout of a viewport, free of widgets: pages stacked vertically with a margin around
// the stack and a gap between pages, each centred within the wider of the content and the viewport
// (so pages narrower than the view sit in its middle). Page geometry is in PDF points of the
// unrotated page (origin top-left, y down); view geometry in content pixels (viewport pixels plus
// the scroll values).
class ViewGeometry
{
public:
    QList<QSizeF> pageSizes; // points, unrotated
    double zoom = 1.0;
    int rotation = 0; // 0, 90, 180 or 270
    bool singlePage = false;
    int currentPage = 0;
    double margin = 16.0;
    double gap = 10.0;
    double viewportWidth = 0.0; // pixels; pages narrower than this are centred in it
    // Two pages side by side in rows, as a book opens: the left page ends and the right page
    // begins half a gap from the lane's centre line, and a row is as tall as its taller page.
    // With coverAlone the first page stands alone on the right. In single-page mode the current
    // page's row is shown.
    bool spread = false;
    bool coverAlone = true;

    // Recomputes the page tops and the content size; call after changing any field above.
    void relayout();

    int pageCount() const { return int(pageSizes.size()); }
    QSizeF contentSize() const { return content; }
    const QList<double>& pageTops() const { return tops; }

    // The first and last page of a page's row (the same page when it stands alone).
    QPair<int, int> rowPages(int page) const;
    // The first page of the row step rows after the page's row, clamped to the document.
    int rowStep(int page, int step) const;

    // The page size in points as shown (width and height swapped for quarter turns); empty outside
    // the document.
    QSizeF displaySize(int page) const;
    // Empty outside the document and, in single-page mode, for every page but the current one.
    QRectF pageRect(int page) const;
    // Maps a page point to content pixels and back; both use the page's own rectangle even for
    // points outside it, so viewToPage(pageToView(p)) == p for any p.
    QPointF pageToView(int page, const QPointF& pt) const;
    QPointF viewToPage(int page, const QPointF& px) const;
    // Where a page point lies on the page's image at this zoom and rotation, in logical pixels
    // from the image's top-left corner; independent of where (or whether) the page is laid out.
    QPointF pageToImage(int page, const QPointF& pt) const;
    // The normalised content rectangle of a page rectangle (corners mapped one by one).
    QRectF pageRectToView(int page, const QRectF& rectPt) const;
    // The anchor of a content point on the page whose band (its top down to the next page's top)
    // holds the point's height, or the nearest page above or below the stack; page -1 without
    // pages. anchorPos gives the content point back, in the layout as it is now.
    PageAnchor anchorAt(const QPointF& px) const;
    QPointF anchorPos(const PageAnchor& anchor) const;
    // First page whose non-empty rectangle contains the content point, or -1.
    int pageAt(const QPointF& px) const;
    // The page that holds the line at half the viewport height (see the viewport's current page).
    int pageAtProbe(double scrollY, double viewportHeight) const;
    // Pages with a non-empty rectangle overlapping [scrollY, scrollY + viewportHeight], in order.
    QList<int> visiblePages(double scrollY, double viewportHeight) const;
    // Zoom that fits the current page (in a spread, its row): mode 1 its width, 2 the whole page;
    // 0 keeps the zoom.
    double fitZoom(int mode, const QSize& viewportPx) const;
    // Device pixel size of a page image at this zoom and ratio (before the render cache's clamp).
    QSize renderPixelSize(int page, double devicePixelRatio) const;
    // The zoom and scroll values that show target in a view of viewportPx whose scroll values
    // are scrollPx now (kept along the axes the target leaves open). Points outside the page are
    // taken as they are, and scroll values are not limited to the scroll bars' ranges.
    ViewPlacement placementFor(const ViewTarget& target, const QSize& viewportPx,
                               const QPointF& scrollPx) const;
    // The current page and the point of it at the view's reading corner (maybe outside the page)
    // for a view of viewportPx at scrollPx: the target that brings the view back to where it is.
    ViewTarget targetAt(const QSize& viewportPx, const QPointF& scrollPx) const;
    // Scroll-bar maxima for a viewport of the given size.
    int verticalScrollMax(int viewportHeight) const;
    int horizontalScrollMax(int viewportWidth) const;

private:
    // Whether a page is laid out (single-page mode shows the current page or row only).
    bool isShown(int page) const;
    void layOutSpread();

    QList<double> tops{16.0};
    QList<double> lefts; // spread only: left edge of each page
    QSizeF content{32.0, 22.0};
    double laneWidth = 32.0; // width the pages are centred in
};

// --- Text geometry on character boxes (page points) ---

// The character under p: the first valid box that, grown by 1.5 points, contains p; else the box
// whose centre is nearest, when that distance is below 9 points; else -1.
int charIndexAt(const QList<QRectF>& boxes, const QPointF& p);
// Word around a character: grows left and right while the neighbours are letters, digits or '_'.
// The character at index itself is not tested, so a space between two words takes in both.
// Returns (start, end) inclusive, or (-1, -1) for an index outside the text.
QPair<int, int> wordRange(const QString& text, int index);
// Valid boxes from..to (inclusive, clipped to the list) merged into line runs.
QList<QRectF> selectionRuns(const QList<QRectF>& boxes, int from, int to);
// Union of the valid boxes in [start, start + length), clipped to the list; null when none.
QRectF unitedBoxes(const QList<QRectF>& boxes, int start, int length);

} // namespace dovrix

Q_DECLARE_METATYPE(dovrix::ViewTarget)
