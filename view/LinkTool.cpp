#include "view/LinkTool.h"

#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "view/DestinationTarget.h"
#include "view/LinkPreview.h"
#include "view/PdfViewport.h"

namespace dovrix {

LinkTool::LinkTool(PdfViewport* view) : PageTool(view)
{
    previewTimer.setSingleShot(true);
    previewTimer.setInterval(LinkPreviewDelayMs);
    connect(&previewTimer, &QTimer::timeout, this, &LinkTool::showLinkPreview);
    connect(view, &PdfViewport::currentPageChanged, this, &LinkTool::ensureLinks);
    if (RenderCache* cache = view->renderCache()) {
        connect(cache, &RenderCache::pageRendered, this,
                [this](const RenderCache::Key& key, const QImage& image) {
                    if (preview && preview->isVisible() && key == previewKey)
                        fillLinkPreview(image);
                });
    }
}

LinkTool::~LinkTool()
{
    // Link jobs still queued find the generation moved on and skip their work.
    linkGeneration.advance();
}

void LinkTool::reset()
{
    linkGeneration.advance();
    links.clear();
    linksLoading.clear();
    pressed = false;
    trackLinkPreview(PdfLink(), QPointF());
    ensureLinks(view()->currentPage());
}

void LinkTool::ensureLinks(int page)
{
    if (page < 0 || page >= view()->pageCount() || links.contains(page)
        || linksLoading.contains(page))
        return;
    DocumentController* controller = view()->documentController();
    const DocumentHandle doc = controller ? controller->sharedDocument() : DocumentHandle();
    if (!doc || !controller->worker())
        return;
    linksLoading.insert(page);
    controller->worker()->post(
        JobPriority::TextLayout, this, linkGeneration.ticket(), [doc, page]() -> Reply<LinkTool> {
            // Runs on the worker, where the document is used.
            const QList<PdfLink> result = doc->links(page);
            return [page, result](LinkTool& self) { self.setLinks(page, result); };
        });
}

void LinkTool::setLinks(int page, const QList<PdfLink>& pageLinks)
{
    linksLoading.remove(page);
    links.insert(page, pageLinks);
}

PdfLink LinkTool::linkAt(int page, const QPointF& pt) const
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

bool LinkTool::press(const PagePointer& at)
{
    if (at.page >= 0 && at.modifiers & Qt::ControlModifier) {
        Q_EMIT sourceRequested(at.page, at.point);
        return true;
    }
    pressed = true;
    pressPage = at.page;
    pressPoint = at.point;
    return false;
}

bool LinkTool::release(const PagePointer& at)
{
    if (!pressed)
        return false;
    pressed = false;
    const PdfLink link = !at.moved && pressPage >= 0 ? linkAt(pressPage, pressPoint) : PdfLink();
    if (link.isUsable()) {
        if (link.url.isValid())
            Q_EMIT linkActivated(link.url);
        else if (link.target.page >= 0)
            view()->jumpTo(targetOf(link.target));
    }
    // The click still ends what else it began (it clears the selection).
    return false;
}

bool LinkTool::hover(const PagePointer& at, Qt::CursorShape* shape)
{
    if (at.page < 0) {
        trackLinkPreview(PdfLink(), at.viewportPos);
        return false;
    }
    // Not only the current page shows links: its neighbours in view (the other page of a spread,
    // the next page below) read theirs when the pointer comes onto them.
    ensureLinks(at.page);
    const PdfLink link = linkAt(at.page, at.point);
    trackLinkPreview(link, at.viewportPos);
    if (!link.isUsable())
        return false;
    *shape = Qt::PointingHandCursor;
    return true;
}

void LinkTool::leave()
{
    trackLinkPreview(PdfLink(), QPointF());
}

void LinkTool::viewMoved()
{
    // A cut-out of another zoom or rotation than the page's now is of no use.
    if (preview && preview->isVisible()
        && view()->renderKeyFor(previewLink.target.page) != previewKey)
        trackLinkPreview(PdfLink(), QPointF());
}

void LinkTool::trackLinkPreview(const PdfLink& link, const QPointF& viewportPos)
{
    const bool internal = link.target.page >= 0 && link.target.page < view()->pageCount();
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

LinkPreview* LinkTool::linkPreview() const
{
    return preview.data();
}

void LinkTool::closeLinkPreview()
{
    if (preview)
        preview->hide();
}

void LinkTool::showLinkPreview()
{
    const int target = previewLink.target.page;
    if (target < 0 || target >= view()->pageCount())
        return;
    if (!preview)
        preview = new LinkPreview(view()->viewport());
    previewKey = view()->renderKeyFor(target);
    // From the cache when the page is there; else rendered on the worker like any page.
    RenderCache* cache = view()->renderCache();
    DocumentController* controller = view()->documentController();
    const QImage image = cache ? cache->cachedImage(previewKey) : QImage();
    const DocumentHandle doc = controller ? controller->sharedDocument() : DocumentHandle();
    if (cache && doc && (image.isNull() || !cache->isCurrent(previewKey)))
        cache->request(previewKey, doc);
    fillLinkPreview(image);
    preview->placeNear(previewAnchor);
    preview->show();
    preview->raise();
}

void LinkTool::fillLinkPreview(const QImage& pageImage)
{
    if (!preview)
        return;
    preview->setPaper(QColor(pageColourOf(qRgb(255, 255, 255), view()->effectiveColours())));
    if (pageImage.isNull()) {
        preview->setPicture(QImage(), 1.0);
        return;
    }
    const int target = previewLink.target.page;
    const ViewGeometry& geo = view()->viewGeometry();
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

} // namespace dovrix
