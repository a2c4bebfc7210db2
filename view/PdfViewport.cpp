#include "view/PdfViewport.h"

#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "text/SearchController.h"
#include "text/TextLayoutStore.h"
#include "theme/ThemePalette.h"
#include "view/AnnotationTool.h"
#include "view/LinkTool.h"
#include "view/OcrTextGeometry.h"
#include "view/TextSelectionTool.h"

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

    if (cache) {
        connect(cache, &RenderCache::pageRendered, this,
                [this](const RenderCache::Key& key) { repaintRendered(key); });
    }
    if (text)
        connect(text, &TextLayoutStore::hitBoxesReady, this, &PdfViewport::onHitBoxesReady);
    if (search) {
        connect(search, &SearchController::started, this, &PdfViewport::onSearchStarted);
        connect(search, &SearchController::hitFound, this, &PdfViewport::onHitFound);
        connect(search, &SearchController::finished, this, &PdfViewport::onSearchFinished);
    }

    // Asked in the opposite order: links (a click follows one, Ctrl+click asks for the source),
    // annotations (a double-click opens one's card), selection (takes every other press).
    selector = new TextSelectionTool(this, text);
    annotator = new AnnotationTool(this, text, selector);
    linker = new LinkTool(this);
    connect(selector, &TextSelectionTool::selectionChanged, this, &PdfViewport::selectionChanged);
    connect(selector, &TextSelectionTool::textCopied, this, &PdfViewport::textCopied);
    connect(linker, &LinkTool::linkActivated, this, &PdfViewport::linkActivated);
    connect(linker, &LinkTool::sourceRequested, this, &PdfViewport::sourceRequested);
    connect(annotator, &AnnotationTool::activeToggled, this, &PdfViewport::annotationModeChanged);
    relayout();
}

PdfViewport::~PdfViewport()
{
    // The tools go while the view is whole: they may let go of what they placed on it.
    active = nullptr;
    while (!tools.isEmpty())
        delete tools.takeFirst();
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
    buttonDown = false;
    for (PageTool* tool : std::as_const(tools))
        tool->reset();
    // Layout first, so that the scroll to the top is judged against the new pages.
    relayout();
    verticalScrollBar()->setValue(0);
    updateCurrentPage();
    viewport()->update();
    renderNow(); // a document just opened has nothing to wait for
}

void PdfViewport::setAnnotationStore(AnnotationStore* annotationStore)
{
    annotator->setStore(annotationStore);
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
    inRelayout = false;
    for (PageTool* tool : std::as_const(tools))
        tool->viewMoved();
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
    if (changed)
        geo.currentPage = p;
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
    if (geo.singlePage)
        relayout();
    Q_EMIT currentPageChanged(candidate);
    startRenderTimer();
}

void PdfViewport::scrollContentsBy(int, int)
{
    // The viewport widget is never scrolled: every scroll repaints from the content offsets.
    viewport()->update();
    leaveTools();
    if (inRelayout)
        return;
    updateCurrentPage();
    for (PageTool* tool : std::as_const(tools))
        tool->viewMoved();
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
    for (PageTool* tool : askedTools()) {
        if (tool->escape())
            return true;
    }
    if (!active)
        return false;
    setActiveTool(nullptr);
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
        for (const PageTool* tool : std::as_const(tools))
            tool->paintOver(p, i);
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
    for (const PageTool* tool : std::as_const(tools))
        tool->paintPage(p, page);
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

// --- Tools and pointer ---------------------------------------------------------------------

void PdfViewport::addTool(PageTool* tool)
{
    if (tool && !tools.contains(tool))
        tools.prepend(tool);
}

void PdfViewport::removeTool(PageTool* tool)
{
    tools.removeAll(tool);
    if (active == tool)
        active = nullptr;
}

void PdfViewport::setActiveTool(PageTool* tool)
{
    if (tool == active)
        return;
    PageTool* previous = active;
    active = tool;
    leaveTools();
    if (previous)
        previous->activeChanged(false);
    if (active)
        active->activeChanged(true);
}

QList<PageTool*> PdfViewport::askedTools() const
{
    return active ? QList<PageTool*>{active} : tools;
}

void PdfViewport::leaveTools()
{
    for (PageTool* tool : std::as_const(tools))
        tool->leave();
}

void PdfViewport::setPointerShape(Qt::CursorShape shape)
{
    if (shape == cursorShape)
        return;
    cursorShape = shape;
    viewport()->setCursor(shape);
}

PagePointer PdfViewport::pointerAt(const QMouseEvent* event) const
{
    PagePointer at;
    at.viewportPos = event->position();
    at.contentPos = contentPos(at.viewportPos);
    at.page = geo.pageAt(at.contentPos);
    if (at.page >= 0)
        at.point = geo.viewToPage(at.page, at.contentPos);
    at.modifiers = event->modifiers();
    at.moved = pointerMoved;
    return at;
}

void PdfViewport::hover(const PagePointer& at)
{
    // The first tool that claims the place gives the shape; those after it lose their hover.
    Qt::CursorShape shape = Qt::ArrowCursor;
    bool claimed = false;
    for (PageTool* tool : askedTools()) {
        Qt::CursorShape wanted = Qt::ArrowCursor;
        if (claimed) {
            tool->leave();
        } else if (tool->hover(at, &wanted)) {
            claimed = true;
            shape = wanted;
        }
    }
    setPointerShape(shape);
}

void PdfViewport::mousePressEvent(QMouseEvent* event)
{
    leaveTools();
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    buttonDown = true;
    pointerMoved = false;
    pressPx = QPoint(int(event->position().x()), int(event->position().y()));
    const PagePointer at = pointerAt(event);
    for (PageTool* tool : askedTools()) {
        if (tool->press(at))
            break;
    }
    event->accept();
}

void PdfViewport::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint px(int(event->position().x()), int(event->position().y()));
    if (buttonDown && (px - pressPx).manhattanLength() > 4)
        pointerMoved = true;
    const PagePointer at = pointerAt(event);
    for (PageTool* tool : askedTools()) {
        if (tool->move(at)) {
            event->accept();
            return;
        }
    }
    hover(at);
    QAbstractScrollArea::mouseMoveEvent(event);
}

void PdfViewport::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    const PagePointer at = pointerAt(event);
    buttonDown = false;
    for (PageTool* tool : askedTools()) {
        if (tool->release(at))
            break;
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
    const PagePointer at = pointerAt(event);
    for (PageTool* tool : askedTools()) {
        if (tool->doubleClick(at))
            break;
    }
    event->accept();
}

bool PdfViewport::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave) {
        leaveTools();
        if (cursorShape != Qt::ArrowCursor && !active) {
            viewport()->unsetCursor();
            cursorShape = Qt::ArrowCursor;
        }
    }
    return QAbstractScrollArea::viewportEvent(event);
}

} // namespace dovrix
