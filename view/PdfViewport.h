#pragma once

#include "core/Generation.h"

#include "annotations/Annotation.h"
#include "core/RenderCache.h"
#include "text/SearchHit.h"
#include "view/ViewGeometry.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <functional>
#include <memory>

namespace dovrix {

class AnnotationCard;
class AnnotationStore;
class DocumentController;
class LinkPreview;
class SearchController;
class TextLayoutStore;

// A text range of one page: characters [start, start + length) of the page text; page -1 when
// there is none.
struct TextRange
{
    int page = -1;
    int start = 0;
    int length = 0;
};

// The page view of one document: lays the pages out vertically, zooms, turns them by a temporary
// rotation, tracks the current page, asks the render cache for the visible pages and paints them
// with search hits, selection and annotations; the pointer selects text, follows links and, in
// annotation mode, draws annotations and opens their cards.
//
// Everything runs on the GUI thread except the link job, which runs on the PdfWorker.
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
    // A layer over the pages (the form) that claims the pointer's shape over its parts: asked
    // with a page and a point in its space, it sets the shape and answers true there. Never
    // asked while an annotation tool is active.
    using CursorClaim = std::function<bool(int page, const QPointF& pt, Qt::CursorShape* shape)>;
    void setCursorClaim(CursorClaim claim) { cursorClaim = std::move(claim); }

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

    // Text selection.
    TextRange selectionRange() const;
    bool hasSelection() const;
    void clearSelection();
    void copySelectionToClipboard();
    // The selected text when it is known without the worker (recognised text, or page text that
    // is extracted); empty otherwise.
    QString selectedText() const;
    // Character under a page point (-1 when the page's boxes are not measured or none is near).
    int charIndexAt(int page, const QPointF& pt) const;
    // Select all (Ctrl+A): the text of the current page; when that is selected already, the text of
    // the whole document. A page whose characters are not measured yet is selected once they are.
    void selectAll();
    bool documentSelected() const { return wholeDocument; }

    // The Escape key's steps: drops a drag, else closes the card (and the selection), else clears
    // the selection, else leaves annotation mode. False when there was nothing to do.
    bool escape();

    // Annotations.
    void setAnnotationMode(bool on);
    bool annotationMode() const { return annotating; }
    void setAnnotationTool(AnnotationType type);
    AnnotationType annotationTool() const { return tool; }
    // The annotation's rectangle in page points: the union of its characters' current boxes when
    // it is anchored to text and they are known, else its stored rectangle.
    QRectF annotationRect(const Annotation& annotation) const;
    // Id of the topmost annotation under a page point, or an empty string.
    QString annotationAt(int page, const QPointF& pt) const;
    void openCard(const QString& id);
    void closeCard();
    QString cardId() const { return openCardId; }
    void retranslateCard();

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
    // Hovering an internal link for LinkPreviewDelayMs shows where it leads (linkPreview()); the
    // preview closes when the pointer leaves the link, and never moves the view.
    static constexpr int LinkPreviewDelayMs = 500;
    LinkPreview* linkPreview() const;
    void closeLinkPreview();

    // Link under a page point; invalid when none or while the page's links are loading.
    PdfLink linkAt(int page, const QPointF& pt) const;
    bool linksLoaded(int page) const { return links.contains(page); }

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
    void selectionChanged(bool hasSelection);
    void linkActivated(QUrl url);
    void jumpStarting();
    void jumpFinished();
    void annotationModeChanged(bool on);
    // Ctrl+click on a page (outside annotation mode): the point in page points.
    void sourceRequested(int page, QPointF pointPt);
    // A drag selection was put on the clipboard.
    void textCopied(int characters);

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
    void ensureLinks(int page);
    void setLinks(int page, const QList<PdfLink>& pageLinks);
    QPointF contentPos(const QPointF& viewportPos) const;
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
    void paintSelection(QPainter& p, int page) const;
    void paintAnnotations(QPainter& p, int page) const;
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

    // What selection works on: the page's own text layer, or on a page without one (as far as
    // known) its recognised lines, their characters spread over each line box.
    bool usesOcrText(int page) const;
    bool hasSelectableBoxes(int page) const;
    QString selectableText(int page) const;
    QList<QRectF> selectableBoxes(int page) const;

    void selectWholePage(int page);
    // The text of every page in order, once all are extracted; copying waits for them.
    void copyDocumentWhenTextIsIn();

    // Pointer.
    void onCharBoxesReady(int page);
    // Where a drag reaches on the page (the line's end past a short line), -1 when nowhere.
    int selectionIndexAt(int page, const QPointF& pt) const;
    void updateHoverCursor(const QPointF& viewportPos);
    void setCursorShape(Qt::CursorShape shape);
    // Starts, keeps or ends the preview timer for the link now under the pointer.
    void trackLinkPreview(const PdfLink& link, const QPointF& viewportPos);
    void showLinkPreview();
    void fillLinkPreview(const QImage& pageImage);
    void selectWordAt(int page, const QPointF& pt);
    void createAnnotationFromDrag();
    void positionCard();
    void onCardChanged(const Annotation& annotation);
    void onAnnotationRemoved(const QString& id);

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

    // Links: page -> links, pages being loaded, and the generation that guards late results.
    QHash<int, QList<PdfLink>> links;
    QSet<int> linksLoading;
    Generation linkGeneration;

    // Search hits.
    QList<SearchHit> hits;
    QHash<int, QList<int>> hitsByPage;
    int focused = -1;
    QHash<int, bool> ocrTextPages;
    QHash<int, bool> imagePages;

    // Pointer and selection.
    bool pressed = false;
    bool moved = false;
    QPoint pressPos;
    int pointerPage = -1;
    QPointF pointerPoint;
    int selPage = -1;
    int anchor = -1;
    int cursor = -1;
    QPointF pressPoint;
    QPointF lastPoint;
    bool selectionPending = false;
    bool selectPagePending = false; // select all waits for the page's characters
    bool wholeDocument = false;     // select all, twice: every page
    bool documentCopyPending = false;
    bool hoverLink = false;
    bool hoverText = false;
    Qt::CursorShape cursorShape = Qt::ArrowCursor;
    CursorClaim cursorClaim;

    // Annotations.
    bool annotating = false;
    AnnotationType tool = AnnotationType::Highlight;
    bool dragging = false;
    int dragPage = -1;
    QPointF dragStart;
    QPointF dragEnd;
    QString openCardId;
    QPointer<AnnotationCard> card;

    // Marks.
    int markPage = -1;
    QList<QRectF> markRects;
    QTimer markTimer;
    // Link preview.
    QTimer previewTimer;
    PdfLink previewLink;  // the internal link under the pointer, or an invalid one
    QPoint previewAnchor; // viewport position where the pointer came onto it
    RenderCache::Key previewKey;
    QPointer<LinkPreview> preview; // child of the viewport widget
};

} // namespace dovrix
