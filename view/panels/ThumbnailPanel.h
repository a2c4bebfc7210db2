#pragma once

#include "core/RenderCache.h"

#include <QSet>

#include <QImage>
#include <QListWidget>
#include <QPointer>

class QTimer;

namespace dovrix {

class DocumentController;
class PdfWorker;

// The side panel with a small picture of every page. Pictures are rendered lazily through a cache
// of the panel's own, only for the rows in or near the visible part of the list; a row without its
// picture shows the page number alone. Clicking a row reports its page. Thumbnails live in memory
// only. GUI thread only; the renders run in the cache's jobs on the worker.
class ThumbnailPanel : public QListWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(ThumbnailPanel)

public:
    static constexpr qint64 CacheBytes = 67108864; // 64 MiB
    static constexpr JobPriority RenderPriority = JobPriority::Thumbnails;
    static constexpr int RefreshIntervalMs = 500;
    static constexpr int ThumbnailWidth = 132;
    static constexpr int IconHeight = 176;
    static constexpr int RowWidth = 148;
    static constexpr int RowHeight = 204;
    // A picture is never taller than this, so that an absurdly narrow page cannot ask for a render
    // of hundreds of megabytes; such a page is scaled down to fit, keeping its proportions.
    static constexpr int MaxThumbnailHeight = 32 * ThumbnailWidth;
    // Rows this far before the first and after the last visible row are rendered ahead.
    static constexpr int Lookahead = 3;
    // Pictures of rows this far outside the visible ones are let go: the icons live outside the
    // cache's budget, and a long document would otherwise keep one per page.
    static constexpr int KeptPictureRows = 60;

    static constexpr int ThumbnailShownRole = Qt::UserRole + 1; // bool: the icon is set
    static constexpr int RenderFailedRole = Qt::UserRole + 2;   // bool: never asked for again

    // controller and worker are not owned and must outlive the panel.
    ThumbnailPanel(DocumentController* controller, PdfWorker* worker, QWidget* parent = nullptr);

    // The render key of a page's thumbnail: 132 pixels wide, as tall as the page's proportions
    // say (A4 for a page without a usable size); no rotation; device pixel ratio 1.
    static RenderCache::Key thumbnailKey(const QList<QSizeF>& pageSizes, int page);

    // Rebuilds the rows for the controller's current document, forgets every picture and asks
    // for the visible ones at once.
    void populate();
    // Marks the page's row and scrolls it into view; selecting a row does not activate it, so the
    // page view is not moved in turn.
    void showPage(int page);
    // Requests the pictures of the rows around the visible ones; with all, also those whose
    // picture is already shown.
    void loadVisible(bool all);
    // Renders the pictures again in these colours (FollowTheme already resolved); the old
    // pictures stay until replaced.
    void setPageColours(PageColours colours);
    // The drawing of pages changed: their pictures are rendered again (the old ones show until
    // then).
    void pagesChanged(const QList<int>& pages);

    // Forgets the pictures kept outside the cache (the rows' icons) and keeps at most
    // keptCacheBytes of the cache; the visible rows are asked for again when next refreshed.
    void releasePictures(qint64 keptCacheBytes);
    // Rows that hold a picture now.
    int pictureCount() const { return int(pictured.size()); }

    // The rows [first, last] that loadVisible looks at now; (0, -1) when there are none.
    QPair<int, int> visibleRange() const;

    RenderCache* renderCache() const { return cache; }
    int pageCount() const { return rows; }
    bool isPopulated() const { return populated; }

Q_SIGNALS:
    void pageActivated(int page);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void onThumbnailRendered(const RenderCache::Key& key, const QImage& image);
    void onItemClicked(QListWidgetItem* item);
    void onTick();

    QPointer<DocumentController> controller; // not owned
    RenderCache* cache;                      // child
    QTimer* timer;                           // child; repeating refresh while shown
    int rows = 0;
    bool populated = false;
    QSet<int> pictured; // rows whose icon is set
};

} // namespace dovrix
