#include "core/RenderCache.h"

#include "core/CoreLog.h"
#include "core/PdfWorker.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTransform>

#include <cmath>
#include <limits>

namespace dovrix {

namespace {

constexpr quint64 fnvOffsetBasis = 0xcbf29ce484222325ULL;
constexpr quint64 fnvPrime = 0x100000001b3ULL;

// FNV-1a over the bytes of value, least significant first.
quint64 fnv1a(qint32 value)
{
    const quint32 bits = quint32(value);
    quint64 hash = fnvOffsetBasis;
    for (size_t i = 0; i < sizeof(bits); ++i) {
        hash ^= (bits >> (8 * i)) & 0xffU;
        hash *= fnvPrime;
    }
    return hash;
}

void fold(quint64& hash, qint32 value)
{
    hash ^= fnv1a(value) + 0x9e3779b9ULL + (hash << 6) + (hash >> 2);
}

qint32 ratioBucket(double ratio)
{
    const double scaled = ratio * 8;
    // The conversion of a NaN or out-of-range double to int is undefined.
    if (!(scaled > double(std::numeric_limits<qint32>::min())
          && scaled < double(std::numeric_limits<qint32>::max())))
        return 0;
    return qint32(scaled);
}

// Registered before any listener connects, not only once a cache exists.
const int keyMetaTypeId = qRegisterMetaType<dovrix::RenderCache::Key>();

} // namespace

QSize RenderCache::clampToPixelLimit(const QSize& size)
{
    const qint64 width = size.width();
    const qint64 height = size.height();
    if (width <= 0 || height <= 0 || width * height <= maxRenderPixels)
        return size;
    const double scale = std::sqrt(double(maxRenderPixels) / double(width * height));
    // The tiny allowance keeps exact results such as 10000 × 0.8192 = 8192 from truncating to
    // 8191 through rounding error in the square root.
    qint64 newWidth = qMax<qint64>(1, qint64(double(width) * scale + 1e-7));
    qint64 newHeight = qMax<qint64>(1, qint64(double(height) * scale + 1e-7));
    // A side forced up to one pixel (an extremely thin page) must not let the other side keep the
    // image above the limit.
    if (newWidth * newHeight > maxRenderPixels) {
        if (newWidth <= newHeight)
            newHeight = maxRenderPixels / newWidth;
        else
            newWidth = maxRenderPixels / newHeight;
    }
    return QSize(int(newWidth), int(newHeight));
}

quint64 RenderCache::keyHash(const Key& key)
{
    quint64 hash = fnv1a(key.page);
    fold(hash, key.size.width());
    fold(hash, key.size.height());
    fold(hash, key.rotation);
    fold(hash, ratioBucket(key.devicePixelRatio));
    if (!key.clip.isNull()) {
        fold(hash, key.clip.x());
        fold(hash, key.clip.y());
        fold(hash, key.clip.width());
        fold(hash, key.clip.height());
    }
    return hash;
}

size_t qHash(const RenderCache::Key& key, size_t hashSeed) noexcept
{
    return size_t(RenderCache::keyHash(key)) ^ hashSeed;
}

RenderCache::RenderCache(PdfWorker* worker, qint64 byteBudget, JobPriority priority,
                         QObject* parent)
    : QObject(parent), worker(worker), budget(byteBudget), jobPriority(priority)
{
    Q_UNUSED(keyMetaTypeId);
}

RenderCache::~RenderCache()
{
    // Queued jobs compare against this and skip their render.
    generation.advance();
}

void RenderCache::request(const Key& key, const DocumentHandle& document)
{
    const quint64 drawing = drawingOf(key.page);
    if (!worker || isCurrent(key) || inFlight.value(key, ~quint64(0)) == drawing)
        return;
    inFlight.insert(key, drawing);
    const QSize renderSize = key.clip.isNull() ? clampToPixelLimit(key.size) : key.size;
    worker->post(jobPriority, this, generation.ticket(),
                 [key, renderSize, document, tint = colours, drawing]() -> Reply<RenderCache> {
                     QImage image =
                         render(document.get(), key.page, renderSize, key.rotation, key.clip);
                     applyPageColours(image, tint);
                     return [key, image, drawing](RenderCache& cache) {
                         cache.complete(key, image, drawing);
                     };
                 });
}

QImage RenderCache::render(PdfDocument* document, int page, QSize size, int rotation, QRect clip,
                           PageImageFormat format)
{
    if (!document || !size.isValid() || size.isEmpty() || page < 0
        || page >= document->pageCount()) {
        qCDebug(lcCore) << "no render of page" << page << "at" << size;
        return {};
    }
    QImage image = document->render(page, size, rotation, clip, format);
    if (image.isNull())
        qCWarning(lcCore) << "rendering page" << page << "at" << size << "failed";
    return image;
}

void RenderCache::complete(const Key& key, QImage image, quint64 drawing)
{
    const auto flying = inFlight.constFind(key);
    if (flying != inFlight.cend() && *flying == drawing)
        inFlight.remove(key);
    if (insert(key, image, drawing))
        Q_EMIT pageRendered(key, image);
}

bool RenderCache::insert(const Key& key, QImage image, quint64 drawing)
{
    const auto found = index.constFind(key);
    if (found != index.constEnd()) {
        const Entries::iterator it = found.value();
        // A late render of an older drawing never replaces a newer image.
        if (it->drawing > drawing)
            return false;
        if (image.isNull()) {
            // A cached null image would stop every later request from rendering the page again.
            removeEntry(it);
            return true;
        }
        bytes += image.sizeInBytes() - it->image.sizeInBytes();
        it->image = std::move(image);
        it->colours = colours;
        it->drawing = drawing;
        entries.splice(entries.begin(), entries, it);
        evict();
        return true;
    }
    if (image.isNull())
        return true;
    bytes += image.sizeInBytes();
    entries.push_front(Entry{key, std::move(image), colours, drawing});
    index.insert(key, entries.begin());
    evict();
    return true;
}

void RenderCache::evict()
{
    trim(budget);
}

void RenderCache::trim(qint64 targetBytes)
{
    while (bytes > targetBytes && !entries.empty())
        removeEntry(std::prev(entries.end()));
}

void RenderCache::removeEntry(Entries::iterator it)
{
    bytes -= it->image.sizeInBytes();
    index.remove(it->key);
    entries.erase(it);
}

QImage RenderCache::cachedImage(const Key& key)
{
    const auto found = index.constFind(key);
    if (found == index.constEnd())
        return {};
    entries.splice(entries.begin(), entries, found.value());
    return found.value()->image;
}

void RenderCache::setPageColours(PageColours newColours)
{
    newColours = effectivePageColours(newColours, false);
    if (newColours == colours)
        return;
    colours = newColours;
    // Renders in the old colours are dropped; the images already cached stay until replaced.
    generation.advance();
    inFlight.clear();
}

bool RenderCache::isCurrent(const Key& key) const
{
    const auto found = index.constFind(key);
    return found != index.constEnd() && found.value()->colours == colours
           && found.value()->drawing == drawingOf(key.page);
}

void RenderCache::pagesChanged(const QList<int>& pages)
{
    if (pages.isEmpty())
        return;
    ++drawings;
    for (int page : pages)
        pageDrawings.insert(page, drawings);
}

void RenderCache::clear()
{
    generation.advance();
    index.clear();
    inFlight.clear();
    pageDrawings.clear();
    entries.clear();
    bytes = 0;
}

} // namespace dovrix
