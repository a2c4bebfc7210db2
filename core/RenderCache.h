#pragma once

#include "core/Generation.h"
#include "core/PageColours.h"
#include "core/PdfWorker.h"

#include <QHash>
#include <QImage>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSet>
#include <QSize>

#include <atomic>
#include <list>
#include <memory>

namespace dovrix {

// Renders pages on the worker and keeps the most recently used images within a byte budget.
// Callers ask for the pages they show with request(), paint whatever cachedImage() returns and
// repaint on pageRendered. A key is never rendered twice at once, and renders started before a
// clear() are thrown away. Everything but the render job itself runs on the GUI thread.
class RenderCache : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(RenderCache)

public:
    struct Key
    {
        int page = 0;
        QSize size;                    // pixels, rotation already applied
        int rotation = 0;              // clockwise degrees: 0, 90, 180 or 270
        double devicePixelRatio = 1.0; // of the screen the image is for
        // A part of the page image of that size (pixels, rotation applied) rendered alone, for a
        // page too large to render whole; null for the whole page.
        QRect clip;

        friend bool operator==(const Key& a, const Key& b)
        {
            return a.page == b.page && a.size == b.size && a.rotation == b.rotation
                   && a.devicePixelRatio == b.devicePixelRatio && a.clip == b.clip;
        }
        friend bool operator!=(const Key& a, const Key& b) { return !(a == b); }
    };

    // One rendered image holds at most this many pixels (256 MiB at four bytes per pixel).
    static constexpr qint64 maxRenderPixels = 67108864;

    // Scales size down, keeping its aspect ratio, so that width × height ≤ maxRenderPixels; sizes
    // within the limit (and empty or invalid sizes) come back unchanged. Used for the cache's own
    // renders and by every other caller that renders a page image.
    static QSize clampToPixelLimit(const QSize& size);

    // The FNV-1a based hash of a key; ratios closer than 1/8 may share it.
    static quint64 keyHash(const Key& key);

    // Renders a page at a pixel size, turned clockwise by rotation degrees (0/90/180/270), with
    // the document's own annotations and form fields; clip, when valid, is the part of that image
    // wanted. A null image for an invalid page or size. Runs on the worker thread: every user of a
    // document renders through this one function, so the view, thumbnails, exports and printing
    // show the same page. Images never painted on screen (saved, printed, read) ask for Opaque.
    static QImage render(PdfDocument* document, int page, QSize size, int rotation, QRect clip = {},
                         PageImageFormat format = PageImageFormat::Screen);

    RenderCache(PdfWorker* worker, qint64 byteBudget, JobPriority priority,
                QObject* parent = nullptr);
    // Jobs still queued for this cache find it gone and do nothing.
    ~RenderCache() override;

    // Makes sure the image for key is cached or being rendered from document, which is touched
    // only by the render job on the worker thread and kept by it until it is done.
    void request(const Key& key, const DocumentHandle& document);
    // The cached image (a hit becomes the most recently used entry), or a null image. Right after
    // a change of page colours it may still be in the previous colours until the next request
    // has replaced it: better than a placeholder.
    QImage cachedImage(const Key& key);
    // The colours new renders get (applied on the worker, so one copy per page is kept). Images
    // in other colours stay cached, and shown, until a request renders them again; renders
    // started in the old colours are dropped. A choice that follows the theme counts as under a
    // light theme: resolve it first.
    void setPageColours(PageColours colours);
    PageColours pageColours() const { return colours; }
    // Whether the cached image of key is in the current colours and drawing of its page.
    bool isCurrent(const Key& key) const;
    // The drawing of pages changed (a form value): their images stay cached, and shown, until a
    // request renders them again, and their renders in flight count as out of date.
    void pagesChanged(const QList<int>& pages);
    // Forgets every image and every render in flight; results of those renders are dropped.
    void clear();
    // Forgets the least recently used images until at most targetBytes are kept (the budget
    // stays: a cache of a tab that is not shown is kept small this way until it is used again).
    void trim(qint64 targetBytes);

    qint64 byteBudget() const { return budget; }
    JobPriority priority() const { return jobPriority; }
    qint64 totalBytes() const { return bytes; }
    int count() const { return int(index.size()); }
    bool contains(const Key& key) const { return index.contains(key); }
    bool isInFlight(const Key& key) const { return inFlight.contains(key); }

Q_SIGNALS:
    // A render of the current generation finished; image is null when rendering produced nothing
    // (the key is then not cached, and a later request renders again).
    void pageRendered(const dovrix::RenderCache::Key& key, const QImage& image);

private:
    struct Entry
    {
        Key key;
        QImage image;
        PageColours colours = PageColours::Normal;
        quint64 drawing = 0; // the page's drawing revision it was rendered in
    };
    using Entries = std::list<Entry>;

    void complete(const Key& key, QImage image, quint64 drawing);
    // False when the image was older than the one cached and dropped.
    bool insert(const Key& key, QImage image, quint64 drawing);
    quint64 drawingOf(int page) const { return pageDrawings.value(page, 0); }
    void evict();
    void removeEntry(Entries::iterator it);

    QPointer<PdfWorker> worker; // not owned; guarded because it may go before the cache
    qint64 budget;
    JobPriority jobPriority;
    // Moved on by clear(), a change of colours and the destructor: queued renders are dropped.
    Generation generation;
    Entries entries; // most recently used first
    QHash<Key, Entries::iterator> index;
    // Keys of the renders in flight of the current generation with the drawing revision of their
    // page when asked for, so that one key is never rendered twice at once.
    QHash<Key, quint64> inFlight;
    // The revision of each page whose drawing changed (pagesChanged); 0 for the others.
    QHash<int, quint64> pageDrawings;
    quint64 drawings = 0;
    qint64 bytes = 0;
    PageColours colours = PageColours::Normal;
};

size_t qHash(const RenderCache::Key& key, size_t hashSeed = 0) noexcept;

} // namespace dovrix

Q_DECLARE_METATYPE(dovrix::RenderCache::Key)
