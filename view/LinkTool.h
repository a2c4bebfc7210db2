#pragma once

#include "core/Generation.h"
#include "core/RenderCache.h"
#include "engine/PdfDocument.h"
#include "view/PageTool.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QUrl>

namespace dovrix {

class LinkPreview;

// The links of the pages: read on the worker for the current page and for a page the pointer comes
// onto; a click on one follows it (a web link is handed on, an internal one moves the view), the
// pointer turns to a hand over one, and hovering an internal link for LinkPreviewDelayMs shows
// where it leads (linkPreview()), without moving the view. Ctrl+click on a page asks for the
// source of that place.
class LinkTool : public PageTool
{
    Q_OBJECT
    Q_DISABLE_COPY(LinkTool)

public:
    static constexpr int LinkPreviewDelayMs = 500;

    explicit LinkTool(PdfViewport* view);
    ~LinkTool() override;

    // Link under a page point; invalid when none or while the page's links are loading.
    PdfLink linkAt(int page, const QPointF& pt) const;
    bool linksLoaded(int page) const { return links.contains(page); }
    // Reads the page's links unless they are known or being read.
    void ensureLinks(int page);
    LinkPreview* linkPreview() const;
    void closeLinkPreview();

    bool press(const PagePointer& at) override;
    bool release(const PagePointer& at) override;
    bool hover(const PagePointer& at, Qt::CursorShape* shape) override;
    void leave() override;
    void viewMoved() override;
    void reset() override;

Q_SIGNALS:
    void linkActivated(QUrl url);
    // Ctrl+click on a page: the point in page points.
    void sourceRequested(int page, QPointF pointPt);

private:
    void setLinks(int page, const QList<PdfLink>& pageLinks);
    // Starts, keeps or ends the preview timer for the link now under the pointer.
    void trackLinkPreview(const PdfLink& link, const QPointF& viewportPos);
    void showLinkPreview();
    void fillLinkPreview(const QImage& pageImage);

    // Page -> links, pages being read, and the generation that guards late results.
    QHash<int, QList<PdfLink>> links;
    QSet<int> linksLoading;
    Generation linkGeneration;

    bool pressed = false;
    int pressPage = -1;
    QPointF pressPoint;

    QTimer previewTimer;
    PdfLink previewLink;  // the internal link under the pointer, or an invalid one
    QPoint previewAnchor; // viewport position where the pointer came onto it
    RenderCache::Key previewKey;
    QPointer<LinkPreview> preview; // child of the viewport widget
};

} // namespace dovrix
