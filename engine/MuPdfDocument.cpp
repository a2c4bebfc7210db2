// PdfDocument answered by MuPDF.

#include "engine/DocumentInside.h"
#include "engine/EngineBackends.h"
#include "engine/FormFill.h"
#include "engine/InsideReads.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <array>
#include <atomic>
#include <climits>
#include <cmath>
#include <mutex>

#if defined(__linux__)
#include <sys/mman.h>
#endif

extern "C" {
#include <mupdf/fitz.h>
#include <mupdf/pdf.h>
}

namespace dovrix {

namespace {

// The resource store (fonts, images, parsed objects) that every document and lane shares.
constexpr size_t StoreBytes = size_t(256) << 20;

void quiet(void*, const char*)
{
}

// MuPDF's contexts cloned from one base share its store and glyph cache; these are the locks it
// asks for to do so.
std::array<std::mutex, FZ_LOCK_MAX> engineLocks;

void lockEngine(void*, int lock)
{
    engineLocks[size_t(lock)].lock();
}

void unlockEngine(void*, int lock)
{
    engineLocks[size_t(lock)].unlock();
}

// The process's base context, made on first use and kept for the process's life; documents
// work only with clones of it.
fz_context* baseContext()
{
    static fz_context* base = [] {
        static fz_locks_context locks{nullptr, lockEngine, unlockEngine};
        fz_context* ctx = fz_new_context(nullptr, &locks, StoreBytes);
        if (!ctx)
            return ctx;
        fz_set_warning_callback(ctx, quiet, nullptr);
        fz_set_error_callback(ctx, quiet, nullptr);
        fz_try(ctx)
        {
            fz_register_document_handlers(ctx);
        }
        fz_catch(ctx)
        {
        }
        return ctx;
    }();
    return base;
}

fz_context* cloneContext()
{
    fz_context* base = baseContext();
    if (!base)
        return nullptr;
    fz_context* ctx = fz_clone_context(base);
    if (ctx) {
        fz_set_warning_callback(ctx, quiet, nullptr);
        fz_set_error_callback(ctx, quiet, nullptr);
    }
    return ctx;
}

// The time limit of one page's text or render. The interpreter stops at the next operator once
// the cookie's abort flag is set; the device calls below set it when the page has run out of
// time. One page runs at a time on a thread, so the running one is found through a thread-local
// pointer.
struct Deadline
{
    QElapsedTimer clock;
    qint64 limitMs = 0;
    fz_cookie* cookie = nullptr;
    fz_device forward{}; // the wrapped device's own entry points
};

thread_local Deadline* running = nullptr;

bool expired()
{
    Deadline* d = running;
    if (!d)
        return false;
    if (d->cookie->abort)
        return true;
    if (d->clock.elapsed() >= d->limitMs) {
        d->cookie->abort = 1;
        return true;
    }
    return false;
}

void fillPath(fz_context* ctx, fz_device* dev, const fz_path* path, int evenOdd, fz_matrix ctm,
              fz_colorspace* cs, const float* color, float alpha, fz_color_params params)
{
    if (!expired() && running->forward.fill_path)
        running->forward.fill_path(ctx, dev, path, evenOdd, ctm, cs, color, alpha, params);
}

void strokePath(fz_context* ctx, fz_device* dev, const fz_path* path, const fz_stroke_state* st,
                fz_matrix ctm, fz_colorspace* cs, const float* color, float alpha,
                fz_color_params params)
{
    if (!expired() && running->forward.stroke_path)
        running->forward.stroke_path(ctx, dev, path, st, ctm, cs, color, alpha, params);
}

void fillText(fz_context* ctx, fz_device* dev, const fz_text* text, fz_matrix ctm,
              fz_colorspace* cs, const float* color, float alpha, fz_color_params params)
{
    if (!expired() && running->forward.fill_text)
        running->forward.fill_text(ctx, dev, text, ctm, cs, color, alpha, params);
}

void strokeText(fz_context* ctx, fz_device* dev, const fz_text* text, const fz_stroke_state* st,
                fz_matrix ctm, fz_colorspace* cs, const float* color, float alpha,
                fz_color_params params)
{
    if (!expired() && running->forward.stroke_text)
        running->forward.stroke_text(ctx, dev, text, st, ctm, cs, color, alpha, params);
}

void ignoreText(fz_context* ctx, fz_device* dev, const fz_text* text, fz_matrix ctm)
{
    if (!expired() && running->forward.ignore_text)
        running->forward.ignore_text(ctx, dev, text, ctm);
}

void fillShade(fz_context* ctx, fz_device* dev, fz_shade* shade, fz_matrix ctm, float alpha,
               fz_color_params params)
{
    if (!expired() && running->forward.fill_shade)
        running->forward.fill_shade(ctx, dev, shade, ctm, alpha, params);
}

void fillImage(fz_context* ctx, fz_device* dev, fz_image* image, fz_matrix ctm, float alpha,
               fz_color_params params)
{
    if (!expired() && running->forward.fill_image)
        running->forward.fill_image(ctx, dev, image, ctm, alpha, params);
}

void fillImageMask(fz_context* ctx, fz_device* dev, fz_image* image, fz_matrix ctm,
                   fz_colorspace* cs, const float* color, float alpha, fz_color_params params)
{
    if (!expired() && running->forward.fill_image_mask)
        running->forward.fill_image_mask(ctx, dev, image, ctm, cs, color, alpha, params);
}

// Makes dev check the deadline at every drawing operation. Clips and groups pass unchecked:
// skipping one would unbalance the device's stack.
void watch(fz_device* dev, Deadline& deadline)
{
    deadline.forward = *dev;
    dev->fill_path = fillPath;
    dev->stroke_path = strokePath;
    dev->fill_text = fillText;
    dev->stroke_text = strokeText;
    dev->ignore_text = ignoreText;
    dev->fill_shade = fillShade;
    dev->fill_image = fillImage;
    dev->fill_image_mask = fillImageMask;
}

// Runs page onto dev within limitMs; false when the engine failed or the time ran out.
bool runWithin(fz_context* ctx, fz_page* page, fz_device* dev, fz_matrix ctm, qint64 limitMs,
               bool* timedOut)
{
    fz_cookie cookie{};
    Deadline deadline;
    deadline.limitMs = limitMs;
    deadline.cookie = &cookie;
    watch(dev, deadline);
    bool failed = false;
    running = &deadline;
    deadline.clock.start();
    fz_try(ctx)
    {
        fz_run_page(ctx, page, dev, ctm, &cookie);
        fz_close_device(ctx, dev);
    }
    fz_always(ctx)
    {
        running = nullptr;
    }
    fz_catch(ctx)
    {
        failed = true;
    }
    *timedOut = cookie.abort != 0;
    return !failed && !cookie.abort;
}

#if defined(__linux__) && defined(MADV_HUGEPAGE)
// Memory of a large page image: mapped in huge pages where the system allows them, since in small
// pages a page image of tens of megabytes costs thousands of page faults, more than drawing it.
// The memory of the last two such images to go is kept for the next ones of about their size, so
// that the system does not clear it again: two, because a page image is usually still held (by a
// cache, a painter, an export) while the next one is drawn. trimMemory() lets them go.
struct Mapping
{
    uchar* start = nullptr;
    size_t length = 0;
};

constexpr size_t HugePage = size_t(2) << 20;
constexpr size_t LargestSpare = size_t(96) << 20;
// The process's, like an allocator's free list: page images outlive the documents that drew them.
std::atomic<Mapping*> spares[2] = {nullptr, nullptr};

void unmap(Mapping* mapping)
{
    munmap(mapping->start, mapping->length);
    delete mapping;
}

void releaseMapping(void* info)
{
    auto* mapping = static_cast<Mapping*>(info);
    if (mapping->length <= LargestSpare) {
        for (std::atomic<Mapping*>& spare : spares) {
            Mapping* none = nullptr;
            if (spare.compare_exchange_strong(none, mapping))
                return;
        }
    }
    unmap(mapping);
}

Mapping* newMapping(size_t length)
{
    for (std::atomic<Mapping*>& spare : spares) {
        Mapping* kept = spare.exchange(nullptr);
        if (!kept)
            continue;
        // Reused only when little of it would be wasted: the caches count the image's size.
        if (kept->length >= length && kept->length - length <= length / 4)
            return kept;
        unmap(kept);
    }
    void* mapped = mmap(nullptr, length + HugePage, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    // Keep the part that starts on a huge page boundary.
    auto* raw = static_cast<uchar*>(mapped);
    auto* start = reinterpret_cast<uchar*>((reinterpret_cast<quintptr>(raw) + HugePage - 1)
                                           & ~quintptr(HugePage - 1));
    if (start > raw)
        munmap(raw, size_t(start - raw));
    munmap(start + length, size_t(raw + HugePage - start));
    madvise(start, length, MADV_HUGEPAGE);
    return new Mapping{start, length};
}

void dropSpareImageMemory()
{
    for (std::atomic<Mapping*>& spare : spares) {
        if (Mapping* kept = spare.exchange(nullptr))
            unmap(kept);
    }
}
#else
void dropSpareImageMemory()
{
}
#endif

// A page image to draw into (its contents undefined).
QImage newPageImage(QSize size, PageImageFormat format)
{
    const bool opaque = format == PageImageFormat::Opaque;
    const QImage::Format Format =
        opaque ? QImage::Format_RGB888 : QImage::Format_ARGB32_Premultiplied;
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Rows start on four bytes, as QImage's own do.
    const qint64 stride = (qint64(size.width()) * (opaque ? 3 : 4) + 3) / 4 * 4;
    const qint64 bytes = stride * size.height();
    if (bytes < qint64(2 * HugePage) || stride > INT_MAX)
        return QImage(size, Format);
    Mapping* mapping = newMapping((size_t(bytes) + HugePage - 1) / HugePage * HugePage);
    if (!mapping)
        return QImage(size, Format);
    return QImage(mapping->start, size.width(), size.height(), stride, Format, releaseMapping,
                  mapping);
#else
    return QImage(size, Format);
#endif
}

// The band of a line of text around its baseline, in multiples of the font size. The engine's
// own quads span the font's ascent to descent, which some fonts (symbol fonts, fonts that state
// only a bounding box) make taller than the distance between lines; a fixed band gives every
// character of one size and baseline the same even band and never reaches the next line.
constexpr float Ascent = 0.8f;
constexpr float Descent = 0.25f;

QRectF boxOf(const fz_stext_line* line, const fz_stext_char* ch)
{
    const fz_quad& q = ch->quad;
    const bool alongX = std::abs(line->dir.y) < 0.001f;
    const bool alongY = std::abs(line->dir.x) < 0.001f;
    fz_rect r;
    if (line->wmode == 0 && alongX) {
        // Horizontal text, either way along the line.
        const float left = std::min({q.ul.x, q.ll.x, q.ur.x, q.lr.x});
        const float right = std::max({q.ul.x, q.ll.x, q.ur.x, q.lr.x});
        const bool upright = line->dir.x > 0;
        const float above = (upright ? Ascent : Descent) * ch->size;
        const float below = (upright ? Descent : Ascent) * ch->size;
        r = fz_make_rect(left, ch->origin.y - above, right, ch->origin.y + below);
    } else if (line->wmode == 0 && alongY) {
        // Text running down (its tops to the right, as on a page turned a quarter clockwise) or
        // up: the same band, across the line.
        const float top = std::min({q.ul.y, q.ll.y, q.ur.y, q.lr.y});
        const float bottom = std::max({q.ul.y, q.ll.y, q.ur.y, q.lr.y});
        const bool topsRight = line->dir.y > 0;
        const float right = (topsRight ? Ascent : Descent) * ch->size;
        const float left = (topsRight ? Descent : Ascent) * ch->size;
        r = fz_make_rect(ch->origin.x - left, top, ch->origin.x + right, bottom);
    } else {
        r = fz_rect_from_quad(q);
    }
    return QRectF(r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0);
}

QString fromUtf8(const char* s)
{
    return s ? QString::fromUtf8(s) : QString();
}

PdfDestination::Kind kindOf(fz_link_dest_type type)
{
    switch (type) {
    case FZ_LINK_DEST_FIT:
        return PdfDestination::Kind::Fit;
    case FZ_LINK_DEST_FIT_B:
        return PdfDestination::Kind::FitB;
    case FZ_LINK_DEST_FIT_H:
        return PdfDestination::Kind::FitH;
    case FZ_LINK_DEST_FIT_BH:
        return PdfDestination::Kind::FitBH;
    case FZ_LINK_DEST_FIT_V:
        return PdfDestination::Kind::FitV;
    case FZ_LINK_DEST_FIT_BV:
        return PdfDestination::Kind::FitBV;
    case FZ_LINK_DEST_FIT_R:
        return PdfDestination::Kind::FitR;
    case FZ_LINK_DEST_XYZ:
        return PdfDestination::Kind::XYZ;
    }
    return PdfDestination::Kind::Page;
}

// A page label in the style of a /PageLabels range: decimal, roman or letters.
QString roman(int n, bool upper)
{
    static const std::pair<int, const char*> parts[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
        {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
    QString s;
    for (const auto& [value, text] : parts) {
        for (; n >= value && s.size() < 64; n -= value)
            s += QLatin1String(text);
    }
    return upper ? s.toUpper() : s;
}

QString letters(int n, bool upper)
{
    // a..z, aa..zz, aaa..: the letter repeated.
    if (n < 1)
        return {};
    const QChar c = QChar(char16_t((upper ? u'A' : u'a') + (n - 1) % 26));
    return QString(std::min((n - 1) / 26 + 1, 64), c);
}

QString labelFor(const QString& style, const QString& prefix, int number)
{
    if (style == QLatin1String("D"))
        return prefix + QString::number(number);
    if (style == QLatin1String("R") || style == QLatin1String("r"))
        return prefix + roman(number, style == QLatin1String("R"));
    if (style == QLatin1String("A") || style == QLatin1String("a"))
        return prefix + letters(number, style == QLatin1String("A"));
    return prefix;
}

// Collects the (first page, range dictionary) pairs of a number tree, depth-limited against
// loops.
void collectLabelRanges(fz_context* ctx, pdf_obj* node, int depth,
                        QList<std::pair<int, pdf_obj*>>& ranges)
{
    if (!node || depth > 32 || ranges.size() > 100000)
        return;
    pdf_obj* nums = pdf_dict_get(ctx, node, PDF_NAME(Nums));
    const int n = pdf_array_len(ctx, nums);
    for (int i = 0; i + 1 < n; i += 2)
        ranges.append(
            {pdf_to_int(ctx, pdf_array_get(ctx, nums, i)), pdf_array_get(ctx, nums, i + 1)});
    pdf_obj* kids = pdf_dict_get(ctx, node, PDF_NAME(Kids));
    const int k = pdf_array_len(ctx, kids);
    for (int i = 0; i < k; ++i)
        collectLabelRanges(ctx, pdf_array_get(ctx, kids, i), depth + 1, ranges);
}

class MuPdfDocument final : public PdfDocument
{
public:
    MuPdfDocument(const QString& path, const QByteArray& password, int pageCount, fz_context* ctx,
                  fz_document* doc)
        : PdfDocument(EngineKind::MuPdf, path, password, pageCount)
    {
        Lane& lane = lanes[size_t(threadLane())];
        lane.ctx = ctx;
        lane.doc = doc;
    }

    ~MuPdfDocument() override
    {
        // Lanes not released on their threads are dropped here; by then no job uses them.
        for (Lane& lane : lanes)
            drop(lane);
    }

    QList<QSizeF> pageSizes() override
    {
        QList<QSizeF> sizes;
        sizes.reserve(pages);
        // The page tree read once into a map: each page is then found directly, not by walking
        // the tree from its root.
        Lane* lane = here();
        pdf_document* pdf = lane ? pdf_document_from_fz_document(lane->ctx, lane->doc) : nullptr;
        bool mapped = false;
        fz_var(mapped);
        if (pdf) {
            fz_try(lane->ctx)
            {
                pdf_load_page_tree(lane->ctx, pdf);
                mapped = true;
            }
            fz_catch(lane->ctx)
            {
            }
        }
        for (int i = 0; i < pages; ++i)
            sizes.append(pageGeometry(i).size);
        if (mapped)
            pdf_drop_page_tree(lane->ctx, pdf);
        return sizes;
    }

    PageGeometry pageGeometry(int page) override
    {
        PageGeometry geometry;
        Lane* lane = here();
        if (!lane || page < 0 || page >= pages)
            return geometry;
        fz_context* ctx = lane->ctx;
        pdf_document* pdf = pdf_document_from_fz_document(ctx, lane->doc);
        fz_try(ctx)
        {
            if (pdf) {
                pdf_obj* object = pdf_lookup_page_obj(ctx, pdf, page);
                // A page tree entry that leads to no page object: the page has no size.
                if (!pdf_is_dict(ctx, object))
                    fz_throw(ctx, FZ_ERROR_GENERIC, "no page object");
                fz_rect box;
                fz_matrix ctm;
                pdf_page_obj_transform(ctx, object, &box, &ctm);
                const fz_rect shown = fz_transform_rect(box, ctm);
                geometry.size = QSizeF(shown.x1 - shown.x0, shown.y1 - shown.y0);
                geometry.visibleBox = QRectF(box.x0, box.y0, box.x1 - box.x0, box.y1 - box.y0);
                const fz_rect media =
                    pdf_to_rect(ctx, pdf_dict_get_inheritable(ctx, object, PDF_NAME(MediaBox)));
                geometry.mediaBox =
                    QRectF(media.x0, media.y0, media.x1 - media.x0, media.y1 - media.y0);
                const int rotate =
                    pdf_to_int(ctx, pdf_dict_get_inheritable(ctx, object, PDF_NAME(Rotate)));
                geometry.rotate = ((rotate % 360) + 360) % 360 / 90 * 90;
            } else {
                fz_page* p = loadPage(*lane, page);
                const fz_rect r = fz_bound_page(ctx, p);
                fz_drop_page(ctx, p);
                geometry.size = QSizeF(r.x1 - r.x0, r.y1 - r.y0);
            }
        }
        fz_catch(ctx)
        {
            geometry = {};
        }
        return geometry;
    }

    QImage render(int page, QSize size, int rotation, QRect clip, PageImageFormat format) override
    {
        Lane* lane = here();
        if (!lane || page < 0 || page >= pages || size.isEmpty() || !takeFormValues(lane))
            return {};
        const QRect area =
            clip.isValid() ? clip & QRect(QPoint(0, 0), size) : QRect(QPoint(0, 0), size);
        if (area.isEmpty())
            return {};
        QImage image = newPageImage(area.size(), format);
        if (image.isNull())
            return {};
        fz_context* ctx = lane->ctx;
        fz_page* p = nullptr;
        fz_pixmap* pixmap = nullptr;
        fz_device* dev = nullptr;
        bool drawn = false;
        fz_var(drawn);
        fz_var(p);
        fz_var(pixmap);
        fz_var(dev);
        fz_try(ctx)
        {
            p = loadPage(*lane, page);
            const fz_rect bounds = fz_bound_page(ctx, p);
            fz_matrix ctm = fz_rotate(float(((rotation % 360) + 360) % 360));
            const fz_rect turned = fz_transform_rect(bounds, ctm);
            ctm = fz_concat(ctm, fz_translate(-turned.x0, -turned.y0));
            const float w = turned.x1 - turned.x0;
            const float h = turned.y1 - turned.y0;
            if (w <= 0 || h <= 0)
                fz_throw(ctx, FZ_ERROR_GENERIC, "empty page");
            ctm = fz_concat(ctm, fz_scale(float(size.width()) / w, float(size.height()) / h));
            // Blue, green, red and alpha bytes: the layout of a Screen image on this byte
            // order; red, green and blue without alpha: an Opaque one.
            const bool opaque = image.format() == QImage::Format_RGB888;
            pixmap = fz_new_pixmap_with_data(ctx, opaque ? fz_device_rgb(ctx) : fz_device_bgr(ctx),
                                             area.width(), area.height(), nullptr, opaque ? 0 : 1,
                                             int(image.bytesPerLine()), image.bits());
            pixmap->x = area.left();
            pixmap->y = area.top();
            fz_clear_pixmap_with_value(ctx, pixmap, 255);
            dev = fz_new_draw_device(ctx, fz_identity, pixmap);
            bool timedOut = false;
            drawn = runWithin(ctx, p, dev, ctm, renderTimeLimitMs(), &timedOut);
        }
        fz_always(ctx)
        {
            fz_drop_device(ctx, dev);
            fz_drop_pixmap(ctx, pixmap);
            fz_drop_page(ctx, p);
        }
        fz_catch(ctx)
        {
            drawn = false;
        }
        return drawn ? image : QImage();
    }

    PageText pageText(int page) override
    {
        PageText result;
        Lane* lane = here();
        // The fields' text is that of the values drawn, whichever lane reads it.
        if (!lane || page < 0 || page >= pages || !takeFormValues(lane))
            return result;
        fz_context* ctx = lane->ctx;
        fz_page* p = nullptr;
        fz_stext_page* text = nullptr;
        fz_device* dev = nullptr;
        bool read = false;
        bool timedOut = false;
        fz_var(read);
        fz_var(timedOut);
        fz_var(p);
        fz_var(text);
        fz_var(dev);
        fz_try(ctx)
        {
            p = loadPage(*lane, page);
            text = fz_new_stext_page(ctx, fz_bound_page(ctx, p));
            fz_stext_options options{};
            // Ligatures come apart into their letters (sharing the glyph's box), so that search
            // and copy see "fi", not one ligature character.
            options.flags = FZ_STEXT_MEDIABOX_CLIP;
            dev = fz_new_stext_device(ctx, text, &options);
            read = runWithin(ctx, p, dev, fz_identity, textTimeLimitMs(), &timedOut);
        }
        fz_always(ctx)
        {
            fz_drop_device(ctx, dev);
            fz_drop_page(ctx, p);
        }
        fz_catch(ctx)
        {
            read = false;
        }
        if (!read) {
            fz_drop_stext_page(ctx, text);
            result.outcome = timedOut ? PageText::Outcome::TimedOut : PageText::Outcome::Failed;
            return result;
        }
        result.outcome = PageText::Outcome::Read;
        QString& s = result.text;
        QList<QRectF>& boxes = result.boxes;
        for (fz_stext_block* block = text->first_block; block; block = block->next) {
            if (block->type != FZ_STEXT_BLOCK_TEXT)
                continue;
            for (fz_stext_line* line = block->u.t.first_line; line; line = line->next) {
                if (!s.isEmpty() && !s.endsWith(QLatin1Char('\n'))) {
                    s.append(QLatin1Char('\n'));
                    boxes.append(QRectF());
                }
                for (fz_stext_char* ch = line->first_char; ch; ch = ch->next) {
                    const char32_t c = char32_t(ch->c);
                    QRectF box = boxOf(line, ch);
                    // A glyph that stands for several letters (a ligature) comes as the first
                    // letter with the glyph's box and the others without width after it.
                    if (!(box.width() > 0) && ch != line->first_char && !boxes.isEmpty())
                        box = boxes.last();
                    if (c == 0 || c == 0xFFFD || c == 0xFEFF)
                        continue;
                    const bool blank = QChar::isSpace(c) || c == 0xA0;
                    if (blank) {
                        s.append(QLatin1Char(' '));
                        boxes.append(QRectF());
                    } else if (QChar::requiresSurrogates(c)) {
                        s.append(QChar(QChar::highSurrogate(c)));
                        s.append(QChar(QChar::lowSurrogate(c)));
                        boxes.append(box);
                        boxes.append(box);
                    } else {
                        s.append(QChar(char16_t(c)));
                        boxes.append(box);
                    }
                }
            }
        }
        fz_drop_stext_page(ctx, text);
        return result;
    }

    QList<PdfLink> links(int page) override
    {
        QList<PdfLink> result;
        Lane* lane = here();
        if (!lane || page < 0 || page >= pages)
            return result;
        fz_context* ctx = lane->ctx;
        fz_page* p = nullptr;
        fz_link* first = nullptr;
        fz_var(p);
        fz_var(first);
        fz_try(ctx)
        {
            p = loadPage(*lane, page);
            first = fz_load_links(ctx, p);
            for (fz_link* link = first; link && result.size() < 100000; link = link->next) {
                if (!link->uri)
                    continue;
                PdfLink item;
                const fz_rect r = link->rect;
                item.rectangles.append(QRectF(r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0));
                if (fz_is_external_link(ctx, link->uri))
                    item.url = QUrl(QString::fromUtf8(link->uri));
                else
                    item.target = destination(*lane, link->uri);
                if (item.isUsable())
                    result.append(item);
            }
        }
        fz_always(ctx)
        {
            fz_drop_link(ctx, first);
            fz_drop_page(ctx, p);
        }
        fz_catch(ctx)
        {
        }
        return result;
    }

    QList<OutlineItem> outline() override
    {
        QList<OutlineItem> result;
        Lane* lane = here();
        if (!lane)
            return result;
        fz_context* ctx = lane->ctx;
        fz_outline* root = nullptr;
        fz_var(root);
        fz_try(ctx)
        {
            root = fz_load_outline(ctx, lane->doc);
            int budget = 200000; // entries; a looping outline ends here
            result = outlineBelow(*lane, root, 0, budget);
        }
        fz_always(ctx)
        {
            fz_drop_outline(ctx, root);
        }
        fz_catch(ctx)
        {
        }
        return result;
    }

    QStringList pageLabels() override
    {
        Lane* lane = here();
        if (!lane)
            return {};
        fz_context* ctx = lane->ctx;
        pdf_document* pdf = pdf_document_from_fz_document(ctx, lane->doc);
        if (!pdf)
            return {};
        QStringList labels;
        fz_try(ctx)
        {
            pdf_obj* tree = pdf_dict_getp(ctx, pdf_trailer(ctx, pdf), "Root/PageLabels");
            QList<std::pair<int, pdf_obj*>> ranges;
            collectLabelRanges(ctx, tree, 0, ranges);
            std::stable_sort(ranges.begin(), ranges.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            if (!ranges.isEmpty()) {
                labels.reserve(pages);
                qsizetype r = -1;
                for (int i = 0; i < pages; ++i) {
                    while (r + 1 < ranges.size() && ranges.at(r + 1).first <= i)
                        ++r;
                    if (r < 0) {
                        labels.append(QString::number(i + 1));
                        continue;
                    }
                    pdf_obj* range = ranges.at(r).second;
                    const QString style = fromUtf8(pdf_dict_get_name(ctx, range, PDF_NAME(S)));
                    const QString prefix =
                        fromUtf8(pdf_dict_get_text_string(ctx, range, PDF_NAME(P)));
                    pdf_obj* st = pdf_dict_gets(ctx, range, "St");
                    const int start = st ? pdf_to_int(ctx, st) : 1;
                    labels.append(labelFor(style, prefix, start + i - ranges.at(r).first));
                }
            }
        }
        fz_catch(ctx)
        {
            labels.clear();
        }
        return labels;
    }

    DocumentInfo info() override
    {
        DocumentInfo info;
        Lane* lane = here();
        if (!lane)
            return info;
        const auto read = [lane](const char* key) {
            char buffer[2048];
            int n = -1;
            fz_var(n);
            fz_try(lane->ctx)
            {
                n = fz_lookup_metadata(lane->ctx, lane->doc, key, buffer, int(sizeof buffer));
            }
            fz_catch(lane->ctx)
            {
                n = -1;
            }
            return n > 0 ? QString::fromUtf8(buffer) : QString();
        };
        info.title = read(FZ_META_INFO_TITLE);
        info.author = read(FZ_META_INFO_AUTHOR);
        info.subject = read(FZ_META_INFO_SUBJECT);
        info.keywords = read(FZ_META_INFO_KEYWORDS);
        info.creator = read(FZ_META_INFO_CREATOR);
        info.producer = read(FZ_META_INFO_PRODUCER);
        info.created = DocumentInside::parseDate(read(FZ_META_INFO_CREATIONDATE));
        info.modified = DocumentInside::parseDate(read(FZ_META_INFO_MODIFICATIONDATE));
        info.format = read(FZ_META_FORMAT);
        return info;
    }

    void releaseLane() override { drop(lanes[size_t(threadLane())]); }

    // The lane's handles; asFiled: with the fields as the file has them (the user's values are
    // taken out of the lane's document, and put back by its next render).
    InsideSource inside(bool asFiled)
    {
        Lane* lane = here();
        if (lane && asFiled && !lane->formApplied.isEmpty()) {
            drop(*lane);
            lane = here();
        }
        return lane ? InsideSource{lane->ctx, lane->doc, pages} : InsideSource{};
    }

    void trimMemory() override
    {
        dropSpareImageMemory();
        if (Lane* lane = here())
            fz_empty_store(lane->ctx);
    }

    // Opens path in a context of its own; the outcome says why not when the document is null.
    static OpenOutcome openFile(const QString& path, const QByteArray& password,
                                fz_context** ctxOut, fz_document** docOut, int* pageCount)
    {
        fz_context* ctx = cloneContext();
        if (!ctx)
            return OpenOutcome::Unknown;
        const QByteArray file = QFile::encodeName(path);
        fz_document* doc = nullptr;
        OpenOutcome outcome = OpenOutcome::Opened;
        int count = 0;
        fz_var(doc);
        fz_var(outcome);
        fz_try(ctx)
        {
            // Only PDF: the rest of the program reads nothing else, whatever the file name says.
            doc = fz_open_document_with_stream(ctx, "application/pdf",
                                               fz_open_file(ctx, file.constData()));
            if (fz_needs_password(ctx, doc)
                && !fz_authenticate_password(ctx, doc, password.constData())) {
                outcome = OpenOutcome::PasswordRequired;
            } else {
                count = fz_count_pages(ctx, doc);
                if (count < 0)
                    outcome = OpenOutcome::InvalidFile;
            }
        }
        fz_catch(ctx)
        {
            outcome = OpenOutcome::InvalidFile;
        }
        if (outcome != OpenOutcome::Opened) {
            fz_drop_document(ctx, doc);
            fz_drop_context(ctx);
            return outcome;
        }
        *ctxOut = ctx;
        *docOut = doc;
        *pageCount = count;
        return outcome;
    }

private:
    struct Lane
    {
        fz_context* ctx = nullptr;
        fz_document* doc = nullptr;
        // The form values in this lane's document and the version of the set they came from.
        QMap<QString, QString> formApplied;
        quint64 formVersion = 0;
        // Where each field has widgets, read on the first fill.
        QHash<QString, QList<int>> fieldWidgetPages;
        bool fieldPagesRead = false;
    };

    static void drop(Lane& lane)
    {
        if (!lane.ctx)
            return;
        fz_drop_document(lane.ctx, lane.doc);
        fz_drop_context(lane.ctx);
        lane = {};
    }

    // Loads a page; throws for a page tree entry that leads to no page object, which the engine
    // would otherwise show as an empty page of a default size.
    static fz_page* loadPage(Lane& lane, int page)
    {
        if (pdf_document* pdf = pdf_document_from_fz_document(lane.ctx, lane.doc)) {
            if (!pdf_is_dict(lane.ctx, pdf_lookup_page_obj(lane.ctx, pdf, page)))
                fz_throw(lane.ctx, FZ_ERROR_GENERIC, "no page object");
        }
        return fz_load_page(lane.ctx, lane.doc, page);
    }

    // The calling lane's context and document, opened on its first call.
    Lane* here()
    {
        Lane& lane = lanes[size_t(threadLane())];
        if (!lane.ctx) {
            int count = 0;
            if (openFile(path, secret, &lane.ctx, &lane.doc, &count) != OpenOutcome::Opened
                || count != pages) {
                drop(lane);
                return nullptr;
            }
        }
        return &lane;
    }

    // Brings the lane's document to the newest form values before it draws: the fields whose
    // value changed are filled anew. A value taken away wants the file's own appearance back, so
    // the lane's document is first opened again from the file. False when the lane is lost.
    bool takeFormValues(Lane*& lane)
    {
        if (lane->formVersion == formValuesVersion())
            return true;
        quint64 version = 0;
        const QMap<QString, QString> values = formValues(&version);
        for (auto it = lane->formApplied.cbegin(); it != lane->formApplied.cend(); ++it) {
            if (!values.contains(it.key())) {
                drop(*lane);
                lane = here();
                if (!lane)
                    return false;
                break;
            }
        }
        QHash<QString, QByteArray> changed;
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            const auto before = lane->formApplied.constFind(it.key());
            if (before == lane->formApplied.cend() || *before != it.value())
                changed.insert(it.key(), it.value().toUtf8());
        }
        fz_context* ctx = lane->ctx;
        pdf_document* pdf = pdf_document_from_fz_document(ctx, lane->doc);
        if (pdf && !changed.isEmpty()) {
            fz_try(ctx)
            {
                if (!lane->fieldPagesRead) {
                    lane->fieldWidgetPages = fieldPages(ctx, pdf);
                    lane->fieldPagesRead = true;
                }
            }
            fz_catch(ctx)
            {
                lane->fieldPagesRead = true;
            }
            QList<int> where;
            for (auto it = changed.cbegin(); it != changed.cend(); ++it)
                where += lane->fieldWidgetPages.value(it.key());
            std::sort(where.begin(), where.end());
            where.erase(std::unique(where.begin(), where.end()), where.end());
            if (!where.isEmpty()) {
                fz_try(ctx)
                {
                    fillFields(ctx, pdf, changed, where);
                }
                fz_catch(ctx)
                {
                    qCWarning(lcInside, "form values not drawn: %s", fz_caught_message(ctx));
                }
            }
        }
        lane->formApplied = values;
        lane->formVersion = version;
        return true;
    }

    PdfDestination destination(Lane& lane, const char* uri)
    {
        PdfDestination target;
        fz_context* ctx = lane.ctx;
        fz_try(ctx)
        {
            const fz_link_dest dest = fz_resolve_link_dest(ctx, lane.doc, uri);
            const int page = fz_page_number_from_location(ctx, lane.doc, dest.loc);
            if (page >= 0 && page < pages) {
                target.page = page;
                target.kind = kindOf(dest.type);
                const bool hasX = std::isfinite(dest.x);
                const bool hasY = std::isfinite(dest.y);
                switch (target.kind) {
                case PdfDestination::Kind::XYZ:
                    target.hasLeft = hasX;
                    target.hasTop = hasY;
                    target.zoom = std::isfinite(dest.zoom) && dest.zoom > 0 ? dest.zoom / 100.0 : 0;
                    break;
                case PdfDestination::Kind::FitH:
                case PdfDestination::Kind::FitBH:
                    target.hasTop = hasY;
                    break;
                case PdfDestination::Kind::FitV:
                case PdfDestination::Kind::FitBV:
                    target.hasLeft = hasX;
                    break;
                case PdfDestination::Kind::FitR:
                    target.hasLeft = hasX;
                    target.hasTop = hasY;
                    if (std::isfinite(dest.w) && std::isfinite(dest.h))
                        target.area = QRectF(dest.x, dest.y, dest.w, dest.h);
                    break;
                default:
                    break;
                }
                target.point = QPointF(target.hasLeft ? dest.x : 0, target.hasTop ? dest.y : 0);
            }
        }
        fz_catch(ctx)
        {
            target = {};
        }
        return target;
    }

    QList<OutlineItem> outlineBelow(Lane& lane, fz_outline* node, int depth, int& budget)
    {
        QList<OutlineItem> items;
        for (; node && budget > 0 && depth < 64; node = node->next) {
            --budget;
            OutlineItem item;
            item.title = fromUtf8(node->title).trimmed();
            if (node->uri && fz_is_external_link(lane.ctx, node->uri)) {
                item.url = QUrl(QString::fromUtf8(node->uri));
            } else if (node->uri) {
                item.target = destination(lane, node->uri);
            }
            item.children = outlineBelow(lane, node->down, depth + 1, budget);
            items.append(item);
        }
        return items;
    }

    std::array<Lane, LaneCount> lanes{};
};

} // namespace

InsideSource insideSourceOf(PdfDocument& document, bool asFiled)
{
    auto* mupdf = dynamic_cast<MuPdfDocument*>(&document);
    return mupdf ? mupdf->inside(asFiled) : InsideSource{};
}

OpenResult openWithMuPdf(const QString& path, const QByteArray& password)
{
    fz_context* ctx = nullptr;
    fz_document* doc = nullptr;
    int count = 0;
    const OpenOutcome outcome = MuPdfDocument::openFile(path, password, &ctx, &doc, &count);
    if (outcome != OpenOutcome::Opened)
        return {outcome, nullptr};
    return {outcome, std::make_unique<MuPdfDocument>(path, password, count, ctx, doc)};
}

} // namespace dovrix
