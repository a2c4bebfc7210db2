#include "view/panels/ThumbnailPanel.h"

#include "core/DocumentController.h"
#include "core/PageLabels.h"
#include "view/ViewLog.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace dovrix {

namespace {

// Used where a page has no usable size: A4 in points.
const QSizeF fallbackPageSize(595, 842);

QSizeF pageSizeAt(const QList<QSizeF>& sizes, int page)
{
    if (page < 0 || page >= sizes.size() || sizes.at(page).isEmpty())
        return fallbackPageSize;
    return sizes.at(page);
}

// Height in pixels of a picture 132 pixels wide, before the height cap; at least 1.
double naturalHeight(const QSizeF& size)
{
    return std::max(1.0, size.height() * ThumbnailPanel::ThumbnailWidth / size.width());
}

} // namespace

ThumbnailPanel::ThumbnailPanel(DocumentController* controller, PdfWorker* worker, QWidget* parent)
    : QListWidget(parent), controller(controller)
{
    cache = new RenderCache(worker, CacheBytes, RenderPriority, this);

    setViewMode(QListView::IconMode);
    setIconSize(QSize(ThumbnailWidth, IconHeight));
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);

    connect(cache, &RenderCache::pageRendered, this, &ThumbnailPanel::onThumbnailRendered);
    connect(this, &QListWidget::itemClicked, this, &ThumbnailPanel::onItemClicked);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { loadVisible(false); });

    timer = new QTimer(this);
    timer->setInterval(RefreshIntervalMs);
    connect(timer, &QTimer::timeout, this, &ThumbnailPanel::onTick);
    timer->start();
}

RenderCache::Key ThumbnailPanel::thumbnailKey(const QList<QSizeF>& pageSizes, int page)
{
    const double height = naturalHeight(pageSizeAt(pageSizes, page));
    RenderCache::Key key;
    key.page = page;
    if (height <= MaxThumbnailHeight) {
        key.size = QSize(ThumbnailWidth, int(height));
    } else {
        const int width = std::max(1, int(ThumbnailWidth * MaxThumbnailHeight / height));
        key.size = QSize(width, MaxThumbnailHeight);
    }
    key.rotation = 0;
    key.devicePixelRatio = 1.0;
    return key;
}

void ThumbnailPanel::populate()
{
    cache->clear();
    clear();
    pictured.clear();
    rows = controller ? controller->pageCount() : 0;
    for (int i = 0; i < rows; ++i) {
        auto* item = new QListWidgetItem(pageShortText(controller->pageLabels(), i));
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        item->setSizeHint(QSize(RowWidth, RowHeight));
        item->setData(ThumbnailShownRole, false);
        item->setData(RenderFailedRole, false);
        addItem(item);
    }
    populated = true;
    loadVisible(true);
}

QPair<int, int> ThumbnailPanel::visibleRange() const
{
    if (!populated || rows <= 0)
        return {0, -1};
    const QList<QSizeF> sizes = controller ? controller->pageSizes() : QList<QSizeF>();
    double lookahead = IconHeight;
    if (!sizes.isEmpty() && !sizes.first().isEmpty()) {
        const QSizeF first = sizes.first();
        lookahead = first.height() * ThumbnailWidth / std::max(first.width(), 1.0);
    }
    // One picture's height below the bottom edge, but never more than one row: the lookahead of
    // an absurdly tall first page would otherwise reach past the end of the list, and every page
    // of the document would be asked for.
    lookahead = std::min(lookahead, double(RowHeight));

    const QModelIndex topIndex = indexAt(QPoint(0, 0));
    const QModelIndex bottomIndex = indexAt(QPoint(0, viewport()->height() + int(lookahead)));
    const int top = topIndex.isValid() ? topIndex.row() : -1;
    const int bottom = bottomIndex.isValid() ? bottomIndex.row() : -1;
    const int first = std::max(std::min(rows - 1, top - Lookahead), 0);
    const int last = std::max(std::min(rows - 1, (bottom < 0 ? rows - 1 : bottom) + Lookahead), 0);
    return {first, last};
}

void ThumbnailPanel::loadVisible(bool all)
{
    if (!populated)
        return;
    // Between a reload's start and its end there is no document: a render now would only fail
    // and mark the row as never to be asked for again.
    const DocumentHandle document = controller ? controller->sharedDocument() : DocumentHandle();
    if (!document)
        return;
    const auto [first, last] = visibleRange();
    if (last < first)
        return;
    const QList<QSizeF> sizes = controller->pageSizes();
    for (int i = first; i <= last; ++i) {
        QListWidgetItem* row = item(i);
        if (!row || row->data(RenderFailedRole).toBool())
            continue;
        if (row->data(ThumbnailShownRole).toBool() && !all)
            continue;
        const RenderCache::Key key = thumbnailKey(sizes, i);
        const QImage cached = cache->cachedImage(key); // a picture let go earlier
        if (!cached.isNull())
            onThumbnailRendered(key, cached);
        // One of other colours or an older drawing shows until its new render is there.
        cache->request(key, document);
    }
    for (auto it = pictured.begin(); it != pictured.end();) {
        if (*it >= first - KeptPictureRows && *it <= last + KeptPictureRows) {
            ++it;
            continue;
        }
        if (QListWidgetItem* row = item(*it)) {
            row->setIcon(QIcon());
            row->setData(ThumbnailShownRole, false);
        }
        it = pictured.erase(it);
    }
}

void ThumbnailPanel::releasePictures(qint64 keptCacheBytes)
{
    for (int page : std::as_const(pictured)) {
        if (QListWidgetItem* row = item(page)) {
            row->setIcon(QIcon());
            row->setData(ThumbnailShownRole, false);
        }
    }
    pictured.clear();
    cache->trim(keptCacheBytes);
}

void ThumbnailPanel::showPage(int page)
{
    if (page < 0 || page >= count())
        return;
    setCurrentRow(page);
    scrollToItem(item(page));
}

void ThumbnailPanel::setPageColours(PageColours colours)
{
    if (cache->pageColours() == effectivePageColours(colours, false))
        return;
    cache->setPageColours(colours);
    for (int i = 0; i < count(); ++i)
        item(i)->setData(ThumbnailShownRole, false);
    loadVisible(false);
}

void ThumbnailPanel::pagesChanged(const QList<int>& pages)
{
    cache->pagesChanged(pages);
    for (int page : pages) {
        if (QListWidgetItem* row = item(page))
            row->setData(ThumbnailShownRole, false);
    }
    loadVisible(false);
}

void ThumbnailPanel::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    loadVisible(false);
}

void ThumbnailPanel::onTick()
{
    if (populated && isVisible())
        loadVisible(false);
}

void ThumbnailPanel::onThumbnailRendered(const RenderCache::Key& key, const QImage& image)
{
    QListWidgetItem* row = item(key.page);
    if (key.page < 0 || key.page >= rows || !row)
        return;
    if (image.isNull()) {
        qCDebug(lcView) << "no thumbnail of page" << key.page;
        row->setData(ThumbnailShownRole, false);
        row->setData(RenderFailedRole, true);
        return;
    }
    // A thin frame, so that a white page does not vanish into a light panel.
    QPixmap picture = QPixmap::fromImage(image);
    {
        QPainter painter(&picture);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    }
    row->setIcon(QIcon(picture));
    row->setData(ThumbnailShownRole, true);
    pictured.insert(key.page);
}

void ThumbnailPanel::onItemClicked(QListWidgetItem* clicked)
{
    const int page = row(clicked);
    if (page >= 0 && page < rows)
        Q_EMIT pageActivated(page);
}

} // namespace dovrix
