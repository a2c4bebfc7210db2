#pragma once

#include "core/RenderCache.h"
#include "engine/PdfDocument.h"
#include "text/SearchHit.h"
#include "view/PageTool.h"
#include "view/TextSelectionTool.h"
#include "view/ViewGeometry.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QList>
#include <QTimer>
#include <QUrl>

class QMouseEvent;

namespace dovrix {

class AnnotationStore;
class AnnotationTool;
class DocumentController;
class LinkTool;
class SearchController;
class TextLayoutStore;

// The page view of one document: lays the pages out vertically, zooms, turns them by a temporary
// rotation, tracks the current page, asks the render cache for the visible pages and paints them
// with search hits and marks. What the pointer does on the pages is up to its tools (PageTool):
// text selection, links, annotations (their own), and those added later (a form).
//
// GUI thread only.
class PdfViewport : public QAbstractScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY(PdfViewport)

public:
    // The numbers are those kept in the reading progress.
    enum class ViewMode { Continuous = 0, SinglePage = 1 };
    Q_ENUM(ViewMode)
    enum class FitMode { FitNone = 0, FitWidth = 1, FitPage = 2 };
    Q_ENUM(FitMode)

    PdfViewport(RenderCache* cache, TextLayoutStore* textStore, DocumentController* controller,
                SearchController* search, QWidget* parent = nullptr);
    ~PdfViewport() override;

    // Binds the controller's current document (also after a reload). Keeps zoom, rotation, view
    // and fit mode; resets hits, selection, links, card, drag and the scroll position.
    void setDocument();
    void setAnnotationStore(AnnotationStore* store);

    // The tools of this view (see PageTool). A tool joins when it is made; the one added last is
    // asked first. The active tool takes the pointer alone (nullptr: all are asked); changing it
    // tells both tools and drops any hover.
    void addTool(PageTool* tool);
    void removeTool(PageTool* tool);
    void setActiveTool(PageTool* tool);
    PageTool* activeTool() const { return active; }
    TextSelectionTool* selection() const { return selector; }
    AnnotationTool* annotations() const { return annotator; }
    LinkTool* links() const { return linker; }
    // The pointer's shape over the pages (set when it changes).
    void setPointerShape(Qt::CursorShape shape);
    // Content pixels of a viewport point (viewport plus the scroll values).
    QPointF contentPos(const QPointF& viewportPos) const;

    RenderCache* renderCache() const { return cache; }
    TextLayoutStore* textStore() const { return text; }
    DocumentController* documentController() const { return controller; }

    // Zoom, fit and rotation changes keep the document point at the top centre of the view there.
    void setZoom(double zoom);
    // Zooms about a viewport point, which keeps the document point under it in place.
    void zoomAt(double zoom, const QPoint& anchor);
    // Nothing happens when the mode and (for a fit) the zoom it gives are as they are.
    void setFitMode(FitMode mode);
    void setViewMode(ViewMode mode);
    // Two pages side by side, the first alone on the right with coverAlone (see ViewGeometry);
    // the current page stays in view.
    void setSpread(bool on);
    bool spread() const { return geo.spread; }
    void setCoverAlone(bool on);
    bool coverAlone() const { return geo.coverAlone; }
    void rotateBy(int degrees);
    void goToPage(int page);
    // Shows a place of the document (see ViewTarget): its page becomes current, the zoom is the
    // target's when it sets one, and the place comes to the view. Nothing happens for a page
    // outside the document.
    void showTarget(const ViewTarget& target);
    // Follows a link or an outline entry to target: jumpStarting() while the view still shows
    // the place it leaves, then showTarget, then jumpFinished().
    void jumpTo(const ViewTarget& target);
    // The place the view shows: the current page and its point at the view's reading corner,
    // with the zoom.
    ViewTarget currentTarget() const;
    // Page colours of this view (and, through the session, its thumbnails); FollowTheme is
    // resolved against the current theme. Call applyThemeColours after a theme change.
    void setPageColours(PageColours colours);
    PageColours pageColours() const { return colours; }
    PageColours effectiveColours() const;
    void applyThemeColours();

    double zoom() const { return geo.zoom; }
    int rotation() const { return geo.rotation; }
    int currentPage() const { return geo.currentPage; }
    int pageCount() const { return geo.pageCount(); }
    FitMode fitMode() const { return fit; }
    ViewMode viewMode() const
    {
        return geo.singlePage ? ViewMode::SinglePage : ViewMode::Continuous;
    }

    // Geometry in content pixels (viewport pixels plus the scroll values) and page points.
    const ViewGeometry& viewGeometry() const { return geo; }
    QRectF pageRect(int page) const { return geo.pageRect(page); }
    QPointF pageToView(int page, const QPointF& pt) const { return geo.pageToView(page, pt); }
    QPointF viewToPage(int page, const QPointF& px) const { return geo.viewToPage(page, px); }
    int pageAt(const QPointF& contentPx) const { return geo.pageAt(contentPx); }
    // A page whose image would hold more pixels than this at the current zoom is drawn from tiles
    // of TilePx × TilePx device pixels, only those in view rendered, over a whole-page preview of
    // at most PreviewPixels: at 800 % an A4 page would take 122 MiB, and two of them in view would
    // not fit the render cache together.
    static constexpr qint64 TiledAbovePixels = 4096LL * 4096;
    static constexpr int TilePx = 512;
    static constexpr qint64 PreviewPixels = 1024LL * 1024;
    // The key under which the page's image for the current zoom, rotation and screen is cached:
    // the whole page, or for a tiled page its preview.
    RenderCache::Key renderKeyFor(int page) const;
    bool isTiled(int page) const;
    // The tiles of a tiled page that meet the view (none for other pages), nearest the view's
    // centre first.
    QList<RenderCache::Key> visibleTileKeys(int page) const;
    // Every page in view is drawn at the current zoom and colours: its image, or every tile of it
    // in view.
    bool visiblePagesSharp() const;
    // Requests the text of the current page and its neighbours and the images of the visible
    // pages; normally run by the render timer.
    void refreshVisiblePages();
    // The drawing of pages changed (a form value): their images are rendered again, the old ones
    // showing until then.
    void pagesChanged(const QList<int>& pages);

    // Search hits, kept from the search controller's signals.
    QList<SearchHit> searchHits() const { return hits; }
    int focusedHit() const { return focused; }
    void setFocusedHit(int index);
    // Page badges: "TXT" when OCR found text on the page, "IMG" for a page marked as an image.
    void setOcrPageState(int page, bool hasText);
    void setImagePageState(int page, bool isImage);

    // The Escape key's steps: each tool lets go of what it holds (a drag, a card, a selection),
    // then the active tool gives way. False when there was nothing to do.
    bool escape();

    // Marks: rectangles of one page (points) drawn over it, e.g. the line being read aloud or the
    // boxes of a source line. timeoutMs > 0 clears them after that long; 0 keeps them until the
    // next showMarks or clearMarks. The view scrolls so that the first rectangle is visible.
    void showMarks(int page, const QList<QRectF>& rectsPt, int timeoutMs);
    void clearMarks();
    QList<QRectF> marks() const { return markRects; }
    int marksPage() const { return markPage; }
    // Puts a page point at the top of the view, e.g. to return to a bookmark.
    void scrollToPagePoint(int page, const QPointF& pointPt);
    // The page point at the top of the view on the current page.
    QPointF topPagePoint() const;

Q_SIGNALS:
    void currentPageChanged(int page);
    void zoomChanged(double zoom);
    void fitModeChanged(dovrix::PdfViewport::FitMode mode);
    void rotationChanged(int rotation);
    void viewModeChanged(dovrix::PdfViewport::ViewMode mode);
    void spreadChanged(bool on);
    void coverAloneChanged(bool on);
    // The chosen colours, or the effective ones after a theme change under FollowTheme.
    void pageColoursChanged(dovrix::PageColours colours);
    void visiblePagesChanged(QList<int> pages);
    void jumpStarting();
    void jumpFinished();
    // Passed on from the tools.
    void selectionChanged(bool hasSelection);
    void textCopied(int characters);
    void linkActivated(QUrl url);
    void sourceRequested(int page, QPointF pointPt);
    void annotationModeChanged(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void relayout();
    // Lays out again after a change of the spread and scrolls the current page to the top.
    void relayoutKeepingPage();
    // Hands the effective colours to the cache; true when they changed.
    bool recolour();
    void updateCurrentPage();
    void startRenderTimer();
    // Puts page at the top of the view (in single-page mode: shows it alone); renders follow the
    // caller's last move.
    void showPage(int page);
    // A jump asks for the renders of where it lands at once; a scroll waits until it pauses.
    void renderNow();
    void onRefitTimer();
    // Recomputes the fit zoom (when a fit mode is set), then lays out, repaints and renders.
    void applyFitMode();
    // Takes the fit zoom of the fit mode (none: nothing) and announces a change.
    void updateFitZoom();
    // The place at a viewport point, and the scroll that brings it back there after the layout
    // changed.
    PageAnchor anchorAt(const QPoint& viewportPx) const;
    void scrollToAnchor(const PageAnchor& anchor, const QPoint& viewportPx);
    QPoint readingAnchorPx() const;

    // Painting.
    void repaintRendered(const RenderCache::Key& key);
    void paintPage(QPainter& p, int page, const QRectF& r);
    void paintPlaceholder(QPainter& p, const QRectF& r) const;
    void paintHits(QPainter& p, int page, const QRectF& r);
    void paintRotationLabel(QPainter& p) const;
    void paintMarks(QPainter& p, int page) const;
    // Page-point boxes of a hit: hit boxes for text hits (requested when missing), the OCR line's
    // box for OCR hits.
    QList<QRectF> boxesOfHit(const SearchHit& hit, bool request);
    void scrollToFocusedHit(const QList<QRectF>& boxes);

    // Search controller reactions.
    void onSearchStarted();
    void onHitFound(int page, int start, int length, int ocrLine);
    void onSearchFinished();
    void onHitBoxesReady(int page, int start, int length);
    void rebuildHitIndex();

    // Pointer: where it is for the tools, and the tools that are asked (the active one alone).
    PagePointer pointerAt(const QMouseEvent* event) const;
    QList<PageTool*> askedTools() const;
    void hover(const PagePointer& at);
    // Every tool lets go of a hover (see PageTool::leave).
    void leaveTools();

    RenderCache* cache;
    TextLayoutStore* text;
    DocumentController* controller;
    SearchController* search;
    QPointer<AnnotationStore> store;

    ViewGeometry geo;
    FitMode fit = FitMode::FitNone;
    PageColours colours = PageColours::Normal;
    bool inRelayout = false;
    QTimer renderTimer;
    QTimer refitTimer;

    // Search hits.
    QList<SearchHit> hits;
    QHash<int, QList<int>> hitsByPage;
    int focused = -1;
    QHash<int, bool> ocrTextPages;
    QHash<int, bool> imagePages;

    // Tools, the one asked first at the front.
    QList<PageTool*> tools;
    PageTool* active = nullptr;
    TextSelectionTool* selector = nullptr;
    AnnotationTool* annotator = nullptr;
    LinkTool* linker = nullptr;
    Qt::CursorShape cursorShape = Qt::ArrowCursor;
    // The left button: down, where, and whether it went more than a click's distance.
    bool buttonDown = false;
    QPoint pressPx;
    bool pointerMoved = false;

    // Marks.
    int markPage = -1;
    QList<QRectF> markRects;
    QTimer markTimer;
};

} // namespace dovrix
