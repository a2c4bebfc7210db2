#include "view/PdfViewport.h"

#include "annotations/AnnotationPainter.h"
#include "annotations/AnnotationStore.h"
#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "text/SearchController.h"
#include "text/TextExport.h"
#include "text/TextLayoutStore.h"
#include "theme/ThemePalette.h"
#include "view/AnnotationCard.h"
#include "view/DestinationTarget.h"
#include "view/LinkPreview.h"
#include "view/OcrTextGeometry.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

namespace dovrix {

namespace {
constexpr int RenderDelayMs = 120;
constexpr int RefitDelayMs = 120;
constexpr int ScrollStep = 40;
constexpr int KeyScrollStep = 60;
const QColor HitColor(47, 111, 237);
const QColor HitOutline(31, 79, 216);
const QColor OcrHitColor(20, 128, 74);
const QColor MarkColor(230, 126, 34);

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

AnnotationShape shapeOf(AnnotationType type)
{
    return annotationTypeInfo(type).shape;
}
} // namespace

PdfViewport::PdfViewport(RenderCache* cache, TextLayoutStore* textStore,
                         DocumentController* controller, SearchController* search, QWidget* parent)
    : QAbstractScrollArea(parent), cache(cache), text(textStore), controller(controller),
      search(search)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    // Everything is repainted on every scroll; the widget never paints a background of its own.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);

    renderTimer.setSingleShot(true);
    renderTimer.setInterval(RenderDelayMs);
    connect(&renderTimer, &QTimer::timeout, this, &PdfViewport::refreshVisiblePages);
    refitTimer.setSingleShot(true);
    refitTimer.setInterval(RefitDelayMs);
    connect(&refitTimer, &QTimer::timeout, this, &PdfViewport::onRefitTimer);
    markTimer.setSingleShot(true);
    connect(&markTimer, &QTimer::timeout, this, &PdfViewport::clearMarks);

    previewTimer.setSingleShot(true);
    previewTimer.setInterval(LinkPreviewDelayMs);
    connect(&previewTimer, &QTimer::timeout, this, &PdfViewport::showLinkPreview);

    if (cache) {
        connect(cache, &RenderCache::pageRendered, this,
                [this](const RenderCache::Key& key, const QImage& image) {
                    if (preview && preview->isVisible() && key == previewKey)
                        fillLinkPreview(image);
                    repaintRendered(key);
                });
    }
    if (text) {
        connect(text, &TextLayoutStore::charBoxesReady, this, &PdfViewport::onCharBoxesReady);
        connect(text, &TextLayoutStore::pageTextReady, this, [this] {
            if (documentCopyPending)
                copyDocumentWhenTextIsIn();
        });
        connect(text, &TextLayoutStore::hitBoxesReady, this, &PdfViewport::onHitBoxesReady);
    }
    if (search) {
        connect(search, &SearchController::started, this, &PdfViewport::onSearchStarted);
        connect(search, &SearchController::hitFound, this, &PdfViewport::onHitFound);
        connect(search, &SearchController::finished, this, &PdfViewport::onSearchFinished);
    }
    relayout();
}

PdfViewport::~PdfViewport()
{
    // Link jobs still queued find the generation moved on and skip their work.
    linkGeneration.advance();
}

// --- Binding -------------------------------------------------------------------------------

void PdfViewport::setDocument()
{
    geo.pageSizes = controller ? controller->pageSizes() : QList<QSizeF>();
    geo.currentPage = std::max(std::min(geo.currentPage, geo.pageCount() - 1), 0);
    hits.clear();
    clearMarks();
    hitsByPage.clear();
    focused = -1;
    // Badges belong to the document that was shown; the session sets them again for this one.
    ocrTextPages.clear();
    imagePages.clear();
    linkGeneration.advance();
    links.clear();
    linksLoading.clear();
    clearSelection();
    pressed = false;
    closeCard();
    dragging = false;
    dragPage = -1;
    // Layout first, so that the scroll to the top is judged against the new pages.
    relayout();
    verticalScrollBar()->setValue(0);
    updateCurrentPage();
    viewport()->update();
    renderNow(); // a document just opened has nothing to wait for
    ensureLinks(geo.currentPage);
}

void PdfViewport::setAnnotationStore(AnnotationStore* annotationStore)
{
    if (store == annotationStore)
        return;
    if (store) {
        disconnect(store, nullptr, this, nullptr);
        closeCard();
    }
    store = annotationStore;
    if (store) {
        auto repaint = [this] { viewport()->update(); };
        connect(store, &AnnotationStore::annotationAdded, this, repaint);
        connect(store, &AnnotationStore::annotationUpdated, this, [this] {
            positionCard();
            viewport()->update();
        });
        connect(store, &AnnotationStore::annotationRemoved, this,
                &PdfViewport::onAnnotationRemoved);
    }
    viewport()->update();
}

// --- Layout and navigation -----------------------------------------------------------------

void PdfViewport::relayout()
{
    if (inRelayout)
        return;
    inRelayout = true;
    // A scroll bar that appears or goes changes the viewport's width, which the pages are centred
    // in: lay out again until the width holds still (it settles after two changes at most).
    for (int pass = 0; pass < 3; ++pass) {
        geo.viewportWidth = viewport()->width();
        geo.relayout();
        const QSize vs = viewport()->size();
        QScrollBar* v = verticalScrollBar();
        v->setRange(0, geo.verticalScrollMax(vs.height()));
        v->setPageStep(vs.height());
        v->setSingleStep(ScrollStep);
        QScrollBar* h = horizontalScrollBar();
        h->setRange(0, geo.horizontalScrollMax(vs.width()));
        h->setPageStep(vs.width());
        h->setSingleStep(ScrollStep);
        if (viewport()->width() == int(geo.viewportWidth))
            break;
    }
    // A cut-out of another zoom or rotation than the page's now is of no use.
    if (preview && preview->isVisible() && renderKeyFor(previewLink.target.page) != previewKey)
        trackLinkPreview(PdfLink(), QPointF());
    inRelayout = false;
}

void PdfViewport::startRenderTimer()
{
    renderTimer.start();
}

void PdfViewport::setZoom(double zoom)
{
    zoomAt(zoom, readingAnchorPx());
}

QPoint PdfViewport::readingAnchorPx() const
{
    return QPoint(viewport()->width() / 2, 0);
}

PageAnchor PdfViewport::anchorAt(const QPoint& viewportPx) const
{
    return geo.anchorAt(contentPos(viewportPx));
}

void PdfViewport::scrollToAnchor(const PageAnchor& anchor, const QPoint& viewportPx)
{
    if (anchor.page < 0)
        return;
    const QPointF c = geo.anchorPos(anchor);
    horizontalScrollBar()->setValue(toContentPx(std::round(c.x() - viewportPx.x())));
    verticalScrollBar()->setValue(toContentPx(std::round(c.y() - viewportPx.y())));
}

void PdfViewport::zoomAt(double zoom, const QPoint& anchorPx)
{
    const double z = clampZoom(zoom);
    if (sameZoom(z, geo.zoom))
        return;
    const PageAnchor anchor = anchorAt(anchorPx);
    const bool wasFitting = fit != FitMode::FitNone;
    fit = FitMode::FitNone;
    geo.zoom = z;
    relayout();
    scrollToAnchor(anchor, anchorPx);
    viewport()->update();
    startRenderTimer();
    Q_EMIT zoomChanged(geo.zoom);
    if (wasFitting)
        Q_EMIT fitModeChanged(FitMode::FitNone);
    updateCurrentPage();
}

void PdfViewport::setFitMode(FitMode mode)
{
    if (mode == fit
        && (fit == FitMode::FitNone
            || sameZoom(geo.fitZoom(int(fit), viewport()->size()), geo.zoom)))
        return;
    const bool changed = mode != fit;
    fit = mode;
    applyFitMode();
    if (changed)
        Q_EMIT fitModeChanged(mode);
}

void PdfViewport::onRefitTimer()
{
    applyFitMode();
}

void PdfViewport::updateFitZoom()
{
    if (fit == FitMode::FitNone)
        return;
    const double z = geo.fitZoom(int(fit), viewport()->size());
    if (!sameZoom(z, geo.zoom)) {
        geo.zoom = z;
        Q_EMIT zoomChanged(geo.zoom);
    }
}

void PdfViewport::applyFitMode()
{
    const QPoint anchorPx = readingAnchorPx();
    const PageAnchor anchor = anchorAt(anchorPx);
    updateFitZoom();
    relayout();
    scrollToAnchor(anchor, anchorPx);
    updateCurrentPage();
    viewport()->update();
    startRenderTimer();
}

void PdfViewport::setViewMode(ViewMode mode)
{
    const bool single = mode == ViewMode::SinglePage;
    if (single == geo.singlePage)
        return;
    geo.singlePage = single;
    relayout();
    updateCurrentPage();
    viewport()->update();
    startRenderTimer();
    Q_EMIT viewModeChanged(mode);
}

void PdfViewport::setSpread(bool on)
{
    if (on == geo.spread)
        return;
    geo.spread = on;
    relayoutKeepingPage();
    Q_EMIT spreadChanged(on);
}

void PdfViewport::setCoverAlone(bool on)
{
    if (on == geo.coverAlone)
        return;
    geo.coverAlone = on;
    if (geo.spread)
        relayoutKeepingPage();
    Q_EMIT coverAloneChanged(on);
}

void PdfViewport::relayoutKeepingPage()
{
    const int page = geo.currentPage;
    updateFitZoom();
    relayout();
    if (!geo.singlePage) {
        const QRectF r = geo.pageRect(page);
        if (!r.isEmpty()) {
            verticalScrollBar()->setValue(toContentPx(r.top() - geo.margin));
            // Across too: a spread wider than the view would otherwise show its left column
            // only, though the page may stand in the right one (the cover does).
            horizontalScrollBar()->setValue(
                toContentPx(r.center().x() - viewport()->width() / 2.0));
        }
    }
    updateCurrentPage();
    viewport()->update();
    startRenderTimer();
}

void PdfViewport::rotateBy(int degrees)
{
    if (normalizeRotation(degrees) == 0)
        return;
    const QPoint anchorPx = readingAnchorPx();
    const PageAnchor anchor = anchorAt(anchorPx);
    geo.rotation = normalizeRotation(geo.rotation + degrees);
    relayout();
    scrollToAnchor(anchor, anchorPx);
    updateCurrentPage();
    viewport()->update();
    startRenderTimer();
    Q_EMIT rotationChanged(geo.rotation);
}

void PdfViewport::goToPage(int page)
{
    showPage(page);
    renderNow();
}

void PdfViewport::showPage(int page)
{
    if (geo.pageCount() <= 0)
        return;
    const int p = std::clamp(page, 0, geo.pageCount() - 1);
    const bool changed = p != geo.currentPage;
    if (changed) {
        geo.currentPage = p;
        ensureLinks(p);
    }
    if (geo.singlePage && changed) {
        relayout();
        verticalScrollBar()->setValue(0);
    } else {
        const QRectF r = geo.pageRect(p);
        if (!r.isEmpty())
            verticalScrollBar()->setValue(toContentPx(r.top() - geo.margin));
    }
    viewport()->update();
    if (changed)
        Q_EMIT currentPageChanged(p);
}

void PdfViewport::renderNow()
{
    renderTimer.stop();
    refreshVisiblePages();
}

void PdfViewport::showTarget(const ViewTarget& target)
{
    if (target.page < 0 || target.page >= geo.pageCount())
        return;
    showPage(target.page);
    const ViewPlacement place =
        geo.placementFor(target, viewport()->size(),
                         QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value()));
    const bool zoomed = !sameZoom(place.zoom, geo.zoom);
    const bool wasFitting = fit != FitMode::FitNone;
    if (zoomed) {
        fit = FitMode::FitNone;
        geo.zoom = place.zoom;
        relayout();
    }
    horizontalScrollBar()->setValue(toContentPx(std::round(place.scrollPx.x())));
    verticalScrollBar()->setValue(toContentPx(std::round(place.scrollPx.y())));
    viewport()->update();
    if (zoomed) {
        Q_EMIT zoomChanged(geo.zoom);
        if (wasFitting)
            Q_EMIT fitModeChanged(FitMode::FitNone);
    }
    updateCurrentPage();
    renderNow();
}

void PdfViewport::jumpTo(const ViewTarget& target)
{
    if (target.page < 0 || target.page >= geo.pageCount())
        return;
    Q_EMIT jumpStarting();
    showTarget(target);
    Q_EMIT jumpFinished();
}

ViewTarget PdfViewport::currentTarget() const
{
    return geo.targetAt(viewport()->size(),
                        QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value()));
}

void PdfViewport::updateCurrentPage()
{
    const int candidate = geo.pageAtProbe(verticalScrollBar()->value(), viewport()->height());
    if (candidate == geo.currentPage)
        return;
    geo.currentPage = candidate;
    ensureLinks(candidate);
    if (geo.singlePage)
        relayout();
    Q_EMIT currentPageChanged(candidate);
    startRenderTimer();
}

void PdfViewport::scrollContentsBy(int, int)
{
    // The viewport widget is never scrolled: every scroll repaints from the content offsets.
    viewport()->update();
    trackLinkPreview(PdfLink(), QPointF());
    if (inRelayout)
        return;
    updateCurrentPage();
    positionCard();
    startRenderTimer();
}

void PdfViewport::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    relayout();
    refitTimer.start();
}

RenderCache::Key PdfViewport::renderKeyFor(int page) const
{
    const double dpr = viewport()->devicePixelRatioF();
    RenderCache::Key key;
    key.page = page;
    const QSize full = geo.renderPixelSize(page, dpr);
    const qint64 pixels = qint64(full.width()) * full.height();
    if (pixels > TiledAbovePixels) {
        const double scale = std::sqrt(double(PreviewPixels) / double(pixels));
        key.size =
            QSize(std::max(1, int(full.width() * scale)), std::max(1, int(full.height() * scale)));
    } else {
        key.size = RenderCache::clampToPixelLimit(full);
    }
    key.rotation = geo.rotation;
    key.devicePixelRatio = dpr;
    return key;
}

bool PdfViewport::isTiled(int page) const
{
    const QSize full = geo.renderPixelSize(page, viewport()->devicePixelRatioF());
    return qint64(full.width()) * full.height() > TiledAbovePixels;
}

QList<RenderCache::Key> PdfViewport::visibleTileKeys(int page) const
{
    if (!isTiled(page))
        return {};
    const double dpr = viewport()->devicePixelRatioF();
    const QSize full = geo.renderPixelSize(page, dpr);
    const QRectF r = geo.pageRect(page);
    const QRectF view(contentPos(QPointF(0, 0)), QSizeF(viewport()->size()));
    const QRectF shown = r.intersected(view);
    if (shown.isEmpty() || full.isEmpty())
        return {};
    // View pixels of the page -> pixels of its image.
    const double sx = full.width() / r.width();
    const double sy = full.height() / r.height();
    const int left = std::max(0, int((shown.left() - r.left()) * sx) / TilePx);
    const int top = std::max(0, int((shown.top() - r.top()) * sy) / TilePx);
    const int right =
        std::min((full.width() - 1) / TilePx, int((shown.right() - r.left()) * sx) / TilePx);
    const int bottom =
        std::min((full.height() - 1) / TilePx, int((shown.bottom() - r.top()) * sy) / TilePx);
    const QPointF centre((view.center().x() - r.left()) * sx, (view.center().y() - r.top()) * sy);
    QList<RenderCache::Key> keys;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            RenderCache::Key key;
            key.page = page;
            key.size = full;
            key.rotation = geo.rotation;
            key.devicePixelRatio = dpr;
            key.clip =
                QRect(column * TilePx, row * TilePx, TilePx, TilePx) & QRect(QPoint(0, 0), full);
            keys.append(key);
        }
    }
    std::sort(keys.begin(), keys.end(),
              [&centre](const RenderCache::Key& a, const RenderCache::Key& b) {
                  return QLineF(QRectF(a.clip).center(), centre).length()
                         < QLineF(QRectF(b.clip).center(), centre).length();
              });
    return keys;
}

bool PdfViewport::visiblePagesSharp() const
{
    if (!cache)
        return false;
    const QList<int> pages = geo.visiblePages(verticalScrollBar()->value(), viewport()->height());
    for (int page : pages) {
        if (isTiled(page)) {
            const QList<RenderCache::Key> tiles = visibleTileKeys(page);
            for (const RenderCache::Key& tile : tiles) {
                if (!cache->isCurrent(tile))
                    return false;
            }
        } else if (!cache->isCurrent(renderKeyFor(page))) {
            return false;
        }
    }
    return !pages.isEmpty();
}

void PdfViewport::refreshVisiblePages()
{
    const int count = geo.pageCount();
    if (count <= 0)
        return;
    const int p = std::clamp(geo.currentPage, 0, count - 1);
    if (text) {
        text->requestQuickBoxes(p, JobPriority::ShownPageText);
        text->requestCharBoxes(p, JobPriority::TextLayout);
        if (p + 1 < count)
            text->requestQuickBoxes(p + 1, JobPriority::TextLayout);
        if (p - 1 >= 0)
            text->requestQuickBoxes(p - 1, JobPriority::TextLayout);
    }
    const QList<int> pages = geo.visiblePages(verticalScrollBar()->value(), viewport()->height());
    const DocumentHandle doc = controller ? controller->sharedDocument() : DocumentHandle();
    if (cache && doc) {
        // The parts in view first, then the previews under them.
        for (int page : pages) {
            const QList<RenderCache::Key> tiles = visibleTileKeys(page);
            for (const RenderCache::Key& tile : tiles)
                cache->request(tile, doc);
        }
        for (int page : pages)
            cache->request(renderKeyFor(page), doc);
    }
    if (!pages.isEmpty())
        Q_EMIT visiblePagesChanged(pages);
}

void PdfViewport::pagesChanged(const QList<int>& pages)
{
    if (!cache || pages.isEmpty())
        return;
    cache->pagesChanged(pages);
    refreshVisiblePages();
}

void PdfViewport::setPageColours(PageColours newColours)
{
    if (newColours == colours)
        return;
    colours = newColours;
    recolour();
    Q_EMIT pageColoursChanged(colours);
}

PageColours PdfViewport::effectiveColours() const
{
    return effectivePageColours(colours, isDarkTheme(currentTheme()));
}

void PdfViewport::applyThemeColours()
{
    if (recolour())
        Q_EMIT pageColoursChanged(colours);
}

bool PdfViewport::recolour()
{
    viewport()->update(); // the paper colour follows at once
    if (!cache || cache->pageColours() == effectiveColours())
        return false;
    cache->setPageColours(effectiveColours());
    // The images on screen stay until their recoloured renders replace them.
    refreshVisiblePages();
    return true;
}

QPointF PdfViewport::contentPos(const QPointF& viewportPos) const
{
    return viewportPos + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

// --- Links ---------------------------------------------------------------------------------

void PdfViewport::ensureLinks(int page)
{
    if (page < 0 || page >= geo.pageCount() || links.contains(page) || linksLoading.contains(page))
        return;
    const DocumentHandle doc = controller ? controller->sharedDocument() : DocumentHandle();
    if (!doc || !controller->worker())
        return;
    linksLoading.insert(page);
    controller->worker()->post(JobPriority::TextLayout, this, linkGeneration.ticket(),
                               [doc, page]() -> Reply<PdfViewport> {
                                   // Runs on the worker, where the document is used.
                                   const QList<PdfLink> result = doc->links(page);
                                   return [page, result](PdfViewport& self) {
                                       self.setLinks(page, result);
                                   };
                               });
}

void PdfViewport::setLinks(int page, const QList<PdfLink>& pageLinks)
{
    linksLoading.remove(page);
    links.insert(page, pageLinks);
}

PdfLink PdfViewport::linkAt(int page, const QPointF& pt) const
{
    const auto it = links.constFind(page);
    if (it == links.constEnd())
        return {};
    for (const PdfLink& link : *it) {
        for (const QRectF& r : link.rectangles) {
            if (r.contains(pt))
                return link;
        }
    }
    return {};
}

// --- Keyboard and wheel --------------------------------------------------------------------

void PdfViewport::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const QPointF pos = event->position();
    zoomAt(geo.zoom * wheelZoomFactor(event->angleDelta().y()),
           QPoint(qRound(pos.x()), qRound(pos.y())));
    event->accept();
}

void PdfViewport::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    QScrollBar* v = verticalScrollBar();
    QScrollBar* h = horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_Space:
        v->setValue(v->value() + (mods == Qt::ShiftModifier ? -v->pageStep() : v->pageStep()));
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        setZoom(geo.zoom * ZoomStep);
        break;
    case Qt::Key_Minus:
        setZoom(geo.zoom / ZoomStep);
        break;
    case Qt::Key_0:
        if (mods != Qt::NoModifier) {
            QAbstractScrollArea::keyPressEvent(event);
            return;
        }
        setFitMode(FitMode::FitNone);
        setZoom(1.0);
        break;
    case Qt::Key_R:
        if (mods != Qt::NoModifier) {
            QAbstractScrollArea::keyPressEvent(event);
            return;
        }
        rotateBy(90);
        break;
    case Qt::Key_Home:
        // The top of the first page, with or without Ctrl.
        goToPage(0);
        v->setValue(v->minimum());
        break;
    case Qt::Key_End:
        // The end of the last page: its bottom edge, not its top.
        goToPage(geo.pageCount() - 1);
        v->setValue(v->maximum());
        break;
    case Qt::Key_Left:
        h->setValue(h->value() - KeyScrollStep);
        break;
    case Qt::Key_Right:
        h->setValue(h->value() + KeyScrollStep);
        break;
    case Qt::Key_Up:
        v->setValue(v->value() - KeyScrollStep);
        break;
    case Qt::Key_Down:
        v->setValue(v->value() + KeyScrollStep);
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (geo.singlePage && mods == Qt::NoModifier) {
            goToPage(geo.rowStep(geo.currentPage, event->key() == Qt::Key_PageDown ? 1 : -1));
            break;
        }
        QAbstractScrollArea::keyPressEvent(event);
        return;
    case Qt::Key_Escape:
        if (!escape()) {
            QAbstractScrollArea::keyPressEvent(event);
            return;
        }
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool PdfViewport::escape()
{
    if (dragging) {
        dragging = false;
        viewport()->update();
    } else if (card) {
        clearSelection();
        closeCard();
    } else if (hasSelection()) {
        clearSelection();
    } else if (annotating) {
        setAnnotationMode(false);
    } else {
        return false;
    }
    return true;
}

// --- Search hits ---------------------------------------------------------------------------

void PdfViewport::onSearchStarted()
{
    hits.clear();
    hitsByPage.clear();
    focused = -1;
    viewport()->update();
}

void PdfViewport::onHitFound(int page, int start, int length, int ocrLine)
{
    hitsByPage[page].append(int(hits.size()));
    hits.append(SearchHit{page, start, length, ocrLine});
    viewport()->update();
}

void PdfViewport::onSearchFinished()
{
    if (search)
        hits = search->announcedHits();
    rebuildHitIndex();
    if (focused >= hits.size())
        focused = -1;
    viewport()->update();
}

void PdfViewport::rebuildHitIndex()
{
    hitsByPage.clear();
    for (int i = 0; i < hits.size(); ++i)
        hitsByPage[hits.at(i).page].append(i);
}

QList<QRectF> PdfViewport::boxesOfHit(const SearchHit& hit, bool request)
{
    if (!text)
        return {};
    if (hit.ocrLine >= 0) {
        const OcrPageText* ocr = text->ocrResult(hit.page);
        if (!ocr || hit.ocrLine >= ocr->lines.size())
            return {};
        const QRectF box = ocrSpanBox(ocr->lines.at(hit.ocrLine), hit.start, hit.length);
        return box.isNull() ? QList<QRectF>{} : QList<QRectF>{box};
    }
    const QList<QRectF> boxes = text->hitBoxes(hit.page, hit.start, hit.length);
    if (boxes.isEmpty() && request)
        text->requestHitBoxes(hit.page, hit.start, hit.length);
    return boxes;
}

void PdfViewport::setFocusedHit(int index)
{
    if (index < 0 || index >= hits.size())
        return;
    focused = index;
    const SearchHit hit = hits.at(index);
    if (hit.page != geo.currentPage)
        showPage(hit.page);
    scrollToFocusedHit(boxesOfHit(hit, true));
    renderNow();
    viewport()->update();
}

void PdfViewport::scrollToFocusedHit(const QList<QRectF>& boxes)
{
    if (focused < 0 || focused >= hits.size() || boxes.isEmpty())
        return;
    const double y = geo.pageToView(hits.at(focused).page, boxes.first().topLeft()).y();
    verticalScrollBar()->setValue(toContentPx(y - viewport()->height() / 3.0));
}

void PdfViewport::onHitBoxesReady(int page, int start, int length)
{
    if (focused >= 0 && focused < hits.size()) {
        const SearchHit& hit = hits.at(focused);
        if (hit.ocrLine < 0 && hit.page == page && hit.start == start && hit.length == length)
            scrollToFocusedHit(text->hitBoxes(page, start, length));
    }
    viewport()->update();
}

void PdfViewport::showMarks(int page, const QList<QRectF>& rectsPt, int timeoutMs)
{
    markPage = page;
    markRects = rectsPt;
    markTimer.stop();
    if (timeoutMs > 0)
        markTimer.start(timeoutMs);
    if (page >= 0 && page < geo.pageCount() && !rectsPt.isEmpty()) {
        if (geo.singlePage && page != geo.currentPage)
            goToPage(page);
        const QRectF v = geo.pageRectToView(page, rectsPt.first());
        const int top = verticalScrollBar()->value();
        if (v.top() < top || v.bottom() > top + viewport()->height())
            verticalScrollBar()->setValue(toContentPx(v.top() - viewport()->height() / 3.0));
    }
    viewport()->update();
}

void PdfViewport::clearMarks()
{
    markTimer.stop();
    if (markRects.isEmpty())
        return;
    markRects.clear();
    markPage = -1;
    viewport()->update();
}

void PdfViewport::paintMarks(QPainter& p, int page) const
{
    if (page != markPage)
        return;
    p.save();
    p.setPen(QPen(MarkColor, 2));
    p.setBrush(withAlpha(MarkColor, 50));
    for (const QRectF& rect : markRects)
        p.drawRect(geo.pageRectToView(page, rect).adjusted(-2, -2, 2, 2));
    p.restore();
}

void PdfViewport::scrollToPagePoint(int page, const QPointF& pointPt)
{
    showPage(page);
    if (page >= 0 && page < geo.pageCount())
        verticalScrollBar()->setValue(toContentPx(geo.pageToView(page, pointPt).y()));
    renderNow();
}

QPointF PdfViewport::topPagePoint() const
{
    const int page = geo.currentPage;
    if (page < 0 || page >= geo.pageCount())
        return {};
    const QPointF top = geo.viewToPage(page, QPointF(0, verticalScrollBar()->value()));
    return QPointF(0, std::max(0.0, top.y()));
}

void PdfViewport::setOcrPageState(int page, bool hasText)
{
    const auto known = ocrTextPages.constFind(page);
    if (known != ocrTextPages.constEnd() && *known == hasText
        && !(hasText && imagePages.value(page)))
        return;
    ocrTextPages[page] = hasText;
    if (hasText)
        imagePages[page] = false;
    viewport()->update();
}

void PdfViewport::setImagePageState(int page, bool isImage)
{
    const auto known = imagePages.constFind(page);
    if (known != imagePages.constEnd() && *known == isImage)
        return;
    imagePages[page] = isImage;
    viewport()->update();
}

// --- Painting ------------------------------------------------------------------------------

void PdfViewport::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    const ThemePalette palette = themePalette(currentTheme());
    p.fillRect(viewport()->rect(), QColor(palette.viewport));
    const int hv = horizontalScrollBar()->value();
    const int vv = verticalScrollBar()->value();
    const int vh = viewport()->height();
    p.save();
    p.translate(-hv, -vv);
    QList<int> shown;
    for (int i = 0; i < geo.pageCount(); ++i) {
        const QRectF r = geo.pageRect(i);
        if (r.isEmpty())
            continue;
        if (r.bottom() < vv - 10 || r.top() > vv + vh + 10) {
            if (r.top() > vv + vh + 10)
                break; // pages are stacked downwards: nothing below is visible either
            continue;
        }
        paintPage(p, i, r);
        shown.append(i);
    }
    // Annotations and marks over every page: a note's label may reach onto the next page (the one
    // beside it in a spread, the one below) and stays readable there.
    for (int i : std::as_const(shown)) {
        paintAnnotations(p, i);
        paintMarks(p, i);
    }
    p.restore();
    if (geo.rotation != 0)
        paintRotationLabel(p);
}

void PdfViewport::repaintRendered(const RenderCache::Key& key)
{
    // Only where the image lies: at a high zoom the parts of a page come one by one, and each
    // would otherwise repaint the whole view.
    QRectF area = geo.pageRect(key.page);
    if (!key.clip.isNull() && !key.size.isEmpty()) {
        const double sx = area.width() / key.size.width();
        const double sy = area.height() / key.size.height();
        area = QRectF(area.left() + key.clip.x() * sx, area.top() + key.clip.y() * sy,
                      key.clip.width() * sx, key.clip.height() * sy);
    }
    const QRect shown =
        area.translated(-contentPos(QPointF(0, 0))).toAlignedRect().adjusted(-1, -1, 1, 1)
        & viewport()->rect();
    if (!shown.isEmpty())
        viewport()->update(shown);
}

void PdfViewport::paintPage(QPainter& p, int page, const QRectF& r)
{
    // The shadow shows only beside and below the page: no blend under all of it.
    const QColor shadow(0, 0, 0, 90);
    p.fillRect(QRectF(r.right(), r.top() + 4, 3, r.height()), shadow);
    p.fillRect(QRectF(r.left() + 3, r.bottom(), r.width() - 3, 4), shadow);
    const QImage image = cache ? cache->cachedImage(renderKeyFor(page)) : QImage();
    const QList<RenderCache::Key> tiles = cache ? visibleTileKeys(page) : QList<RenderCache::Key>();
    QList<QImage> tileImages;
    bool allTiles = !tiles.isEmpty();
    for (const RenderCache::Key& tile : tiles) {
        tileImages.append(cache->cachedImage(tile));
        allTiles = allTiles && !tileImages.last().isNull();
    }
    if (allTiles)
        p.fillRect(r, QColor(pageColourOf(qRgb(255, 255, 255), effectiveColours())));
    else if (!image.isNull())
        p.drawImage(r, image); // the preview, until the parts in view are there
    else
        paintPlaceholder(p, r);
    if (!tiles.isEmpty()) {
        const double sx = r.width() / tiles.first().size.width();
        const double sy = r.height() / tiles.first().size.height();
        for (int i = 0; i < tiles.size(); ++i) {
            if (tileImages.at(i).isNull())
                continue;
            const QRect& clip = tiles.at(i).clip;
            p.drawImage(QRectF(r.left() + clip.x() * sx, r.top() + clip.y() * sy, clip.width() * sx,
                               clip.height() * sy),
                        tileImages.at(i));
        }
    }
    paintHits(p, page, r);
    paintSelection(p, page);
}

void PdfViewport::paintPlaceholder(QPainter& p, const QRectF& r) const
{
    const ThemePalette palette = themePalette(currentTheme());
    p.save();
    p.setClipRect(r);
    p.fillRect(r, QColor(palette.panel2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(palette.line));
    // The bands that cross the view (a page at a high zoom is many times its size).
    const QRectF shown = r & QRectF(contentPos(QPointF(0, 0)), QSizeF(viewport()->size()));
    if (shown.isEmpty()) {
        p.restore();
        return;
    }
    const double first = r.top() - r.width();
    const double skipped = std::floor((shown.top() - r.width() - 6 - first) / 36.0);
    for (double y = first + std::max(0.0, skipped) * 36.0; y < shown.bottom(); y += 36.0) {
        const QPointF band[4] = {QPointF(r.left(), y + r.width()), QPointF(r.right(), y),
                                 QPointF(r.right(), y + 6), QPointF(r.left(), y + r.width() + 6)};
        p.drawPolygon(band, 4);
    }
    p.restore();
}

void PdfViewport::paintHits(QPainter& p, int page, const QRectF& r)
{
    const auto it = hitsByPage.constFind(page);
    if (it != hitsByPage.constEnd()) {
        p.setPen(Qt::NoPen);
        for (int index : *it) {
            const SearchHit& hit = hits.at(index);
            const bool isFocused = index == focused;
            const bool ocr = hit.ocrLine >= 0;
            const QColor fill = ocr ? withAlpha(OcrHitColor, isFocused ? 100 : 55)
                                    : withAlpha(HitColor, isFocused ? 90 : 42);
            for (const QRectF& box : boxesOfHit(hit, true)) {
                const QRectF v = geo.pageRectToView(page, box);
                p.fillRect(v, fill);
                if (isFocused) {
                    QPen pen(ocr ? OcrHitColor : HitOutline, 2, Qt::SolidLine);
                    p.setPen(pen);
                    p.setBrush(Qt::NoBrush);
                    p.drawRect(v.adjusted(-1, -1, 1, 1));
                    p.setPen(Qt::NoPen);
                }
            }
        }
    }

    const bool txt = ocrTextPages.value(page, false);
    const bool img = !txt && imagePages.value(page, false);
    if (txt || img) {
        const QRectF badge(r.right() - 46, r.top() + 8, 38, 20);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(209, 244, 217));
        p.drawRoundedRect(badge, 4, 4);
        QFont f = p.font();
        f.setPointSizeF(8);
        p.setFont(f);
        p.setPen(txt ? QColor(11, 90, 51) : QColor(20, 128, 74));
        p.drawText(badge, Qt::AlignCenter, txt ? QStringLiteral("TXT") : QStringLiteral("IMG"));
        p.restore();
    }
}

void PdfViewport::paintSelection(QPainter& p, int page) const
{
    if (wholeDocument && text && hasSelectableBoxes(page)) {
        const QList<QRectF> boxes = selectableBoxes(page);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(HitColor, 70));
        for (const QRectF& run : selectionRuns(boxes, 0, int(boxes.size()) - 1))
            p.drawRect(geo.pageRectToView(page, run));
        return;
    }
    if (page != selPage || anchor < 0 || cursor < 0 || anchor == cursor || !text)
        return;
    const QList<QRectF> boxes = selectableBoxes(page);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(HitColor, 70));
    for (const QRectF& run : selectionRuns(boxes, anchor, cursor))
        p.drawRect(geo.pageRectToView(page, run));
}

void PdfViewport::paintAnnotations(QPainter& p, int page) const
{
    if (store) {
        const QRectF visible(contentPos(QPointF(0, 0)), QSizeF(viewport()->size()));
        AnnotationStyle style = AnnotationStyle::screen();
        style.darkPaper = pageColoursInfo(effectiveColours()).darkPaper;
        const AnnotationPainter painter(
            p, style, [this, page](const QPointF& pt) { return geo.pageToView(page, pt); },
            visible);
        const QList<Annotation> list = store->annotationsOnPage(page);
        for (const Annotation& a : list) {
            const QRectF rect = annotationRect(a);
            painter.paint(a, rect);
            if (a.id == openCardId && shapeOf(a.type) != AnnotationShape::Point) {
                p.save();
                p.setPen(QPen(HitColor, 1.5, Qt::DotLine));
                p.setBrush(Qt::NoBrush);
                p.drawRect(painter.deviceRect(a, rect).adjusted(-3, -3, 3, 3));
                p.restore();
            }
        }
    }

    if (dragging && dragPage == page) {
        const QPointF p1 = geo.pageToView(page, dragStart);
        const QPointF p2 = geo.pageToView(page, dragEnd);
        p.save();
        p.setPen(QPen(withAlpha(HitColor, 160), 1.5, Qt::DashLine));
        p.setBrush(withAlpha(HitColor, 30));
        if (shapeOf(tool) == AnnotationShape::Line) {
            p.drawLine(p1, p2);
        } else if (shapeOf(tool) == AnnotationShape::Point) {
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(p2, 7, 7);
        } else {
            p.drawRect(QRectF(p1, p2).normalized());
        }
        p.restore();
    }
}

void PdfViewport::paintRotationLabel(QPainter& p) const
{
    const QString label = tr("临时旋转 %1°（仅本次查看）").arg(geo.rotation);
    p.save();
    QFont f = p.font();
    f.setPointSizeF(9);
    p.setFont(f);
    QRectF box = p.fontMetrics().boundingRect(label);
    box.adjust(-12, -6, 12, 6);
    box.moveTo(viewport()->width() / 2.0 - box.width() / 2.0, 10);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(box, 8, 8);
    p.setPen(QColor(31, 36, 48));
    p.drawText(box, Qt::AlignCenter, label);
    p.restore();
}

// --- Selection -----------------------------------------------------------------------------

TextRange PdfViewport::selectionRange() const
{
    if (!hasSelection())
        return {};
    return {selPage, std::min(anchor, cursor), std::abs(cursor - anchor) + 1};
}

bool PdfViewport::hasSelection() const
{
    return selPage >= 0 && anchor >= 0 && cursor >= 0 && anchor != cursor;
}

void PdfViewport::clearSelection()
{
    if (selPage < 0 && anchor < 0 && cursor < 0 && !selectionPending && !selectPagePending
        && !wholeDocument)
        return;
    selPage = -1;
    anchor = -1;
    cursor = -1;
    selectionPending = false;
    selectPagePending = false;
    wholeDocument = false;
    documentCopyPending = false;
    Q_EMIT selectionChanged(false);
    viewport()->update();
}

void PdfViewport::selectAll()
{
    if (!text || geo.pageCount() <= 0)
        return;
    const int page = geo.currentPage;
    const TextRange range = selectionRange();
    if (!wholeDocument && range.page == page && range.start == 0
        && range.length >= selectableText(page).size()) {
        wholeDocument = true;
        Q_EMIT selectionChanged(true);
        viewport()->update();
        return;
    }
    pressed = false;
    wholeDocument = false;
    documentCopyPending = false;
    selectionPending = false;
    selPage = page;
    anchor = cursor = -1;
    selectPagePending = !hasSelectableBoxes(page);
    if (selectPagePending)
        text->requestCharBoxes(page, JobPriority::ShownPageText);
    else
        selectWholePage(page);
    viewport()->update();
}

void PdfViewport::selectWholePage(int page)
{
    selectPagePending = false;
    selPage = page;
    anchor = 0;
    cursor = int(selectableText(page).size()) - 1;
    Q_EMIT selectionChanged(hasSelection());
    viewport()->update();
}

void PdfViewport::copyDocumentWhenTextIsIn()
{
    documentCopyPending = false;
    if (!wholeDocument || !text)
        return;
    QStringList pages;
    for (int page = 0; page < geo.pageCount(); ++page) {
        if (!text->hasPageText(page)) {
            // Extracted on the worker like a search's pages; the copy follows the last of them.
            text->requestPageText(page, JobPriority::TextLayout);
            documentCopyPending = true;
        } else if (!documentCopyPending) {
            pages.append(selectableText(page));
        }
    }
    if (documentCopyPending)
        return;
    const QString copied = textForClipboard(pages.join(QLatin1Char('\n')));
    if (copied.trimmed().isEmpty())
        return;
    QGuiApplication::clipboard()->setText(copied, QClipboard::Clipboard);
    Q_EMIT textCopied(int(copied.size()));
}

void PdfViewport::copySelectionToClipboard()
{
    if (wholeDocument) {
        copyDocumentWhenTextIsIn();
        return;
    }
    const QString copied = selectedText();
    if (copied.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(copied, QClipboard::Clipboard);
    Q_EMIT textCopied(int(copied.size()));
}

QString PdfViewport::selectedText() const
{
    if (!hasSelection() || !text)
        return {};
    const TextRange range = selectionRange();
    return textForClipboard(selectableText(range.page).mid(range.start, range.length));
}

bool PdfViewport::usesOcrText(int page) const
{
    if (!text)
        return false;
    const OcrPageText* ocr = text->ocrResult(page);
    return ocr && !ocr->lines.isEmpty() && !(text->hasPageText(page) && text->hasTextLayer(page));
}

bool PdfViewport::hasSelectableBoxes(int page) const
{
    return text && (usesOcrText(page) || text->hasCharBoxes(page));
}

QString PdfViewport::selectableText(int page) const
{
    if (!text)
        return {};
    return usesOcrText(page) ? text->ocrResult(page)->text : text->pageText(page);
}

QList<QRectF> PdfViewport::selectableBoxes(int page) const
{
    if (!text)
        return {};
    return usesOcrText(page) ? ocrCharBoxes(*text->ocrResult(page)) : text->charBoxes(page);
}

int PdfViewport::charIndexAt(int page, const QPointF& pt) const
{
    if (!hasSelectableBoxes(page))
        return -1;
    return dovrix::charIndexAt(selectableBoxes(page), pt);
}

int PdfViewport::selectionIndexAt(int page, const QPointF& pt) const
{
    if (!hasSelectableBoxes(page))
        return -1;
    return dovrix::selectionIndexAt(selectableBoxes(page), pt);
}

void PdfViewport::onCharBoxesReady(int page)
{
    if (selectPagePending && page == selPage) {
        selectWholePage(page);
    } else if (pressed && page == pointerPage && page == selPage) {
        if (anchor < 0)
            anchor = selectionIndexAt(page, pressPoint);
        if (cursor < 0)
            cursor = selectionIndexAt(page, pointerPoint);
        if (cursor < 0)
            cursor = anchor;
    } else if (selectionPending && page == selPage) {
        selectionPending = false;
        anchor = selectionIndexAt(page, pressPoint);
        cursor = selectionIndexAt(page, lastPoint);
        if (hasSelection()) {
            Q_EMIT selectionChanged(true);
            copySelectionToClipboard();
        }
    }
    viewport()->update();
}

void PdfViewport::selectWordAt(int page, const QPointF& pt)
{
    if (!hasSelectableBoxes(page))
        return;
    const int index = charIndexAt(page, pt);
    if (index < 0)
        return;
    const QPair<int, int> word = wordRange(selectableText(page), index);
    if (word.first < 0)
        return;
    selPage = page;
    anchor = word.first;
    cursor = word.second;
    selectionPending = false;
    Q_EMIT selectionChanged(true);
    viewport()->update();
}

// --- Pointer -------------------------------------------------------------------------------

void PdfViewport::mousePressEvent(QMouseEvent* event)
{
    trackLinkPreview(PdfLink(), QPointF());
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPointF c = contentPos(event->position());
    pointerPage = geo.pageAt(c);
    pointerPoint = pointerPage >= 0 ? geo.viewToPage(pointerPage, c) : QPointF();

    if (!annotating && pointerPage >= 0 && event->modifiers() & Qt::ControlModifier) {
        Q_EMIT sourceRequested(pointerPage, pointerPoint);
        event->accept();
        return;
    }

    if (annotating) {
        if (pointerPage >= 0 && store) {
            const QString hit = annotationAt(pointerPage, pointerPoint);
            if (!hit.isEmpty()) {
                openCard(hit);
            } else {
                dragging = true;
                dragPage = pointerPage;
                dragStart = dragEnd = pointerPoint;
                viewport()->update();
            }
        }
        event->accept();
        return;
    }

    pressed = true;
    moved = false;
    pressPos = QPoint(int(event->position().x()), int(event->position().y()));
    selPage = pointerPage;
    anchor = cursor = -1;
    selectionPending = false;
    selectPagePending = false;
    wholeDocument = false;
    documentCopyPending = false;
    pressPoint = lastPoint = pointerPoint;
    if (pointerPage >= 0 && text) {
        if (hasSelectableBoxes(pointerPage)) {
            anchor = cursor = selectionIndexAt(pointerPage, pointerPoint);
        } else {
            text->requestQuickBoxes(pointerPage, JobPriority::ShownPageText);
            text->requestCharBoxes(pointerPage, JobPriority::TextLayout);
        }
    }
    viewport()->update();
    event->accept();
}

void PdfViewport::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF pos = event->position();
    const QPointF c = contentPos(pos);
    const int page = geo.pageAt(c);

    if (annotating && dragging) {
        if (page == dragPage) {
            dragEnd = geo.viewToPage(page, c);
            viewport()->update();
        }
        event->accept();
        return;
    }

    if (!pressed) {
        if (page >= 0 || hoverLink || hoverText)
            updateHoverCursor(pos);
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }

    const QPoint d = QPoint(int(pos.x()), int(pos.y())) - pressPos;
    if (d.manhattanLength() > 4)
        moved = true;
    if (page < 0)
        return;
    pointerPage = page;
    pointerPoint = geo.viewToPage(page, c);
    if (page != selPage)
        return;
    if (!hasSelectableBoxes(page)) {
        // Remembered so that a drag finished before the boxes arrive completes to this point.
        lastPoint = pointerPoint;
        return;
    }
    const int h = selectionIndexAt(page, pointerPoint);
    if (h >= 0) {
        if (anchor < 0)
            anchor = h;
        cursor = h;
        lastPoint = pointerPoint;
    }
    viewport()->update();
}

void PdfViewport::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    if (annotating) {
        if (dragging) {
            dragging = false;
            createAnnotationFromDrag();
            viewport()->update();
        }
        event->accept();
        return;
    }
    // The release that ends a double-click has no press of its own: it must not undo the word.
    if (!pressed) {
        event->accept();
        return;
    }
    pressed = false;
    if (moved) {
        if (hasSelection()) {
            Q_EMIT selectionChanged(true);
            copySelectionToClipboard();
        } else if (selPage >= 0 && text && !hasSelectableBoxes(selPage)) {
            selectionPending = true;
        }
    } else {
        const PdfLink link = selPage >= 0 ? linkAt(selPage, pressPoint) : PdfLink();
        clearSelection();
        if (link.isUsable()) {
            if (link.url.isValid())
                Q_EMIT linkActivated(link.url);
            else if (link.target.page >= 0)
                jumpTo(targetOf(link.target));
        }
    }
    viewport()->update();
    event->accept();
}

void PdfViewport::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    if (annotating) {
        // The second press of a double-click: a gesture like any other press.
        mousePressEvent(event);
        return;
    }
    const QPointF c = contentPos(event->position());
    const int page = geo.pageAt(c);
    if (page < 0) {
        event->accept();
        return;
    }
    const QPointF pt = geo.viewToPage(page, c);
    if (store) {
        const QString hit = annotationAt(page, pt);
        if (!hit.isEmpty()) {
            openCard(hit);
            event->accept();
            return;
        }
    }
    pressed = false;
    selectWordAt(page, pt);
    event->accept();
}

bool PdfViewport::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave) {
        trackLinkPreview(PdfLink(), QPointF());
        hoverLink = false;
        hoverText = false;
        if (cursorShape != Qt::ArrowCursor && !annotating) {
            viewport()->unsetCursor();
            cursorShape = Qt::ArrowCursor;
        }
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void PdfViewport::trackLinkPreview(const PdfLink& link, const QPointF& viewportPos)
{
    const bool internal =
        link.target.page >= 0 && link.target.page < geo.pageCount() && !annotating;
    if (internal && previewLink.target.page == link.target.page && previewLink.target == link.target
        && previewLink.rectangles == link.rectangles)
        return; // still on the same link: the timer runs on, or the preview stays
    previewTimer.stop();
    closeLinkPreview();
    previewLink = internal ? link : PdfLink();
    if (!internal)
        return;
    previewAnchor = viewportPos.toPoint();
    previewTimer.start();
}

LinkPreview* PdfViewport::linkPreview() const
{
    return preview.data();
}

void PdfViewport::closeLinkPreview()
{
    if (preview)
        preview->hide();
}

void PdfViewport::showLinkPreview()
{
    const int target = previewLink.target.page;
    if (target < 0 || target >= geo.pageCount())
        return;
    if (!preview)
        preview = new LinkPreview(viewport());
    previewKey = renderKeyFor(target);
    // From the cache when the page is there; else rendered on the worker like any page.
    const QImage image = cache ? cache->cachedImage(previewKey) : QImage();
    const DocumentHandle doc = controller ? controller->sharedDocument() : DocumentHandle();
    if (cache && doc && (image.isNull() || !cache->isCurrent(previewKey)))
        cache->request(previewKey, doc);
    fillLinkPreview(image);
    preview->placeNear(previewAnchor);
    preview->show();
    preview->raise();
}

void PdfViewport::fillLinkPreview(const QImage& pageImage)
{
    if (!preview)
        return;
    preview->setPaper(QColor(pageColourOf(qRgb(255, 255, 255), effectiveColours())));
    if (pageImage.isNull()) {
        preview->setPicture(QImage(), 1.0);
        return;
    }
    const int target = previewLink.target.page;
    // Logical pixels of the page image; the image itself may be smaller (pixel limit).
    const QSizeF shown = geo.displaySize(target) * geo.zoom;
    const QRectF area = previewArea(shown, geo.pageToImage(target, previewLink.target.point));
    const double sx = pageImage.width() / shown.width();
    const double sy = pageImage.height() / shown.height();
    const QRect source =
        QRectF(area.left() * sx, area.top() * sy, area.width() * sx, area.height() * sy)
            .toAlignedRect()
            .intersected(pageImage.rect());
    preview->setPicture(pageImage.copy(source), sx);
    preview->placeNear(previewAnchor);
}

void PdfViewport::setCursorShape(Qt::CursorShape shape)
{
    if (shape == cursorShape)
        return;
    cursorShape = shape;
    viewport()->setCursor(shape);
}

void PdfViewport::updateHoverCursor(const QPointF& viewportPos)
{
    if (annotating) {
        setCursorShape(Qt::CrossCursor);
        return;
    }
    const QPointF c = contentPos(viewportPos);
    const int page = geo.pageAt(c);
    if (page < 0)
        trackLinkPreview(PdfLink(), viewportPos);
    hoverLink = false;
    hoverText = false;
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (page >= 0) {
        // Not only the current page shows links: its neighbours in view (the other page of a
        // spread, the next page below) load theirs when the pointer comes onto them.
        ensureLinks(page);
        const QPointF pt = geo.viewToPage(page, c);
        const PdfLink link = linkAt(page, pt);
        Qt::CursorShape claimed = Qt::ArrowCursor;
        if (cursorClaim && cursorClaim(page, pt, &claimed)) {
            trackLinkPreview(PdfLink(), viewportPos);
            setCursorShape(claimed);
            return;
        }
        trackLinkPreview(link, viewportPos);
        if (link.isUsable()) {
            hoverLink = true;
            shape = Qt::PointingHandCursor;
        } else if (text) {
            const QList<QRectF> boxes =
                usesOcrText(page) ? selectableBoxes(page) : text->bestBoxes(page);
            if (boxes.isEmpty()) {
                text->requestQuickBoxes(page, JobPriority::ShownPageText);
            } else {
                for (const QRectF& b : boxes) {
                    if (b.isValid() && b.contains(pt)) {
                        hoverText = true;
                        shape = Qt::IBeamCursor;
                        break;
                    }
                }
            }
        }
    }
    setCursorShape(shape);
}

// --- Annotations ---------------------------------------------------------------------------

void PdfViewport::setAnnotationMode(bool on)
{
    if (on == annotating)
        return;
    annotating = on;
    if (!on) {
        closeCard();
        dragging = false;
    }
    cursorShape = on ? Qt::CrossCursor : Qt::ArrowCursor;
    viewport()->setCursor(cursorShape);
    Q_EMIT annotationModeChanged(on);
    viewport()->update();
}

void PdfViewport::setAnnotationTool(AnnotationType type)
{
    tool = type;
}

QRectF PdfViewport::annotationRect(const Annotation& a) const
{
    if (a.isTextAnchored() && text && text->hasCharBoxes(a.page)) {
        const QRectF u = unitedBoxes(text->charBoxes(a.page), a.start, a.length);
        if (u.isValid())
            return u;
    }
    return a.rect;
}

QString PdfViewport::annotationAt(int page, const QPointF& pt) const
{
    if (!store)
        return {};
    const QList<Annotation> list = store->annotationsOnPage(page);
    for (auto it = list.crbegin(); it != list.crend(); ++it) {
        const Annotation& a = *it;
        const AnnotationShape shape = shapeOf(a.type);
        if (shape == AnnotationShape::Point) {
            if (QLineF(pt, a.rect.topLeft()).length() < 12)
                return a.id;
        } else if (shape == AnnotationShape::Line) {
            // The head is where the arrow is drawn: pt2, or the default head when it is unset.
            const QPointF tail = a.rect.topLeft();
            const QPointF head = arrowHeadPt(a, annotationRect(a));
            const double len = QLineF(tail, head).length();
            const QPointF mid = (tail + head) / 2.0;
            const double toMid = QLineF(pt, mid).length();
            if (QLineF(pt, tail).length() < 6 || QLineF(pt, head).length() < 6
                || (toMid < len / 2.0 && toMid < 8))
                return a.id;
        } else if (annotationRect(a).adjusted(-3, -3, 3, 3).contains(pt)) {
            return a.id;
        }
    }
    return {};
}

void PdfViewport::createAnnotationFromDrag()
{
    if (!store || dragPage < 0)
        return;
    Annotation a;
    a.type = tool;
    a.page = dragPage;
    a.color = QColor(annotationTypeInfo(tool).newColor);
    const QRectF d = QRectF(dragStart, dragEnd).normalized();
    bool useRect = false;
    switch (shapeOf(tool)) {
    case AnnotationShape::TextMarks: {
        const bool haveBoxes = hasSelectableBoxes(dragPage);
        const int s = haveBoxes ? charIndexAt(dragPage, dragStart) : -1;
        const int e = haveBoxes ? charIndexAt(dragPage, dragEnd) : -1;
        if (s >= 0 && e >= 0 && s != e && usesOcrText(dragPage)) {
            // Recognised text has no place in the PDF's character index: the selected part of
            // every line box becomes an annotation on that rectangle.
            QString last;
            for (const QRectF& run :
                 selectionRuns(selectableBoxes(dragPage), std::min(s, e), std::max(s, e))) {
                Annotation part = a;
                part.rect = run;
                last = store->add(part);
            }
            if (!last.isEmpty())
                openCard(last);
            return;
        }
        if (s >= 0 && e >= 0 && s != e) {
            a.start = std::min(s, e);
            a.length = std::max(s, e) - a.start + 1;
            a.byText = true;
            a.rect = unitedBoxes(text->charBoxes(dragPage), a.start, a.length);
            // The words themselves let the anchor be found again in another page text.
            a.quote = text->pageText(dragPage).mid(a.start, a.length);
        } else {
            if (!haveBoxes && text) {
                text->requestQuickBoxes(dragPage, JobPriority::ShownPageText);
                text->requestCharBoxes(dragPage, JobPriority::TextLayout);
            }
            useRect = true;
        }
        break;
    }
    case AnnotationShape::Line:
        if (QLineF(dragStart, dragEnd).length() < 5)
            return;
        a.rect = QRectF(dragStart, QSizeF(0, 0));
        a.pt2 = dragEnd;
        break;
    case AnnotationShape::Point:
        a.rect = QRectF(dragEnd, QSizeF(0, 0));
        break;
    case AnnotationShape::Box:
        useRect = true;
        break;
    }
    if (useRect) {
        if (d.width() < 3 && d.height() < 3)
            return;
        a.rect = d;
    }
    const QString id = store->add(a);
    if (!id.isEmpty())
        openCard(id);
}

void PdfViewport::openCard(const QString& id)
{
    if (!store)
        return;
    const Annotation* found = store->find(id);
    if (!found)
        return;
    const Annotation copy = *found;
    closeCard();
    openCardId = id;
    card = new AnnotationCard(copy, viewport());
    connect(card, &AnnotationCard::changed, this, &PdfViewport::onCardChanged);
    connect(card, &AnnotationCard::deleted, store.data(), &AnnotationStore::remove);
    connect(card, &AnnotationCard::closed, this, &PdfViewport::closeCard);
    card->setMaximumHeight(viewport()->height() / 3);
    card->adjustSize();
    positionCard();
    card->show();
    card->raise();
    viewport()->update();
}

void PdfViewport::closeCard()
{
    if (!card && openCardId.isEmpty())
        return;
    if (card) {
        card->hide();
        // Deferred: the card may be closing itself from one of its own signals.
        card->deleteLater();
        card = nullptr;
    }
    openCardId.clear();
    viewport()->update();
}

void PdfViewport::positionCard()
{
    if (!card || !store)
        return;
    const Annotation* a = store->find(openCardId);
    if (!a)
        return;
    const QPointF m = geo.pageToView(a->page, annotationRect(*a).center());
    int x = std::min(viewport()->width() - card->width() - 4,
                     toContentPx(m.x() - horizontalScrollBar()->value()) + 14);
    int y = std::min(viewport()->height() - (card->height() + 4),
                     toContentPx(m.y() - verticalScrollBar()->value()) + 10);
    if (x < 5)
        x = 4;
    if (y < 5)
        y = 4;
    card->move(x, y);
}

void PdfViewport::onCardChanged(const Annotation& annotation)
{
    if (!store)
        return;
    Annotation a = annotation;
    if (shapeOf(a.type) == AnnotationShape::Line && a.pt2 == QPointF(0, 0))
        a.pt2 = defaultArrowHead(a.rect);
    store->update(a);
    viewport()->update();
}

void PdfViewport::onAnnotationRemoved(const QString& id)
{
    if (id == openCardId)
        closeCard();
    viewport()->update();
}

void PdfViewport::retranslateCard()
{
    if (card)
        card->retranslate();
}

} // namespace dovrix
