#include "geometry/CharGeometry.h"

#include "geometry/CharAlignment.h"
#include "geometry/EngineHandles.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <atomic>

extern "C" {
#include <mupdf/fitz.h>
#include <mupdf/pdf.h>
}

namespace dovrix {

namespace {

// Pages of one document share the engine's resource store; it is kept small because the page
// view never renders through this engine.
constexpr size_t kStoreBytes = 32u << 20;

std::atomic<int> pageLimitMs{CharGeometry::DefaultPageTimeLimitMs};

void quiet(void*, const char*)
{
}

// The time limit of one page. The interpreter stops at the next operator once the cookie's abort
// flag is set; the device calls below set it when the page has run out of time. One extraction
// runs at a time on a thread, so the running one is found through a thread-local pointer.
struct Deadline
{
    QElapsedTimer clock;
    qint64 limitMs = 0;
    fz_cookie* cookie = nullptr;
    fz_device forward{}; // the text device's own entry points
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

void clipText(fz_context* ctx, fz_device* dev, const fz_text* text, fz_matrix ctm, fz_rect sc)
{
    if (!expired() && running->forward.clip_text)
        running->forward.clip_text(ctx, dev, text, ctm, sc);
}

void clipStrokeText(fz_context* ctx, fz_device* dev, const fz_text* text, const fz_stroke_state* st,
                    fz_matrix ctm, fz_rect sc)
{
    if (!expired() && running->forward.clip_stroke_text)
        running->forward.clip_stroke_text(ctx, dev, text, st, ctm, sc);
}

void ignoreText(fz_context* ctx, fz_device* dev, const fz_text* text, fz_matrix ctm)
{
    if (!expired() && running->forward.ignore_text)
        running->forward.ignore_text(ctx, dev, text, ctm);
}

// Drawing that gives no text still counts against the page's time.
void fillPath(fz_context*, fz_device*, const fz_path*, int, fz_matrix, fz_colorspace*, const float*,
              float, fz_color_params)
{
    expired();
}

void strokePath(fz_context*, fz_device*, const fz_path*, const fz_stroke_state*, fz_matrix,
                fz_colorspace*, const float*, float, fz_color_params)
{
    expired();
}

void fillImage(fz_context*, fz_device*, fz_image*, fz_matrix, float, fz_color_params)
{
    expired();
}

void fillShade(fz_context*, fz_device*, fz_shade*, fz_matrix, float, fz_color_params)
{
    expired();
}

// The band of a line of text around its baseline, in multiples of the font size. The engine's
// own quads span the font's ascent to descent, which some fonts (symbol fonts, fonts that state
// only a bounding box) make taller than the distance between lines; a fixed band gives every
// character of one size and baseline the same even band and never reaches the next line.
constexpr float kAscent = 0.8f;
constexpr float kDescent = 0.25f;

// A character's quad with its vertical extent replaced by the band of its baseline, for text
// running left to right on the displayed page; other text keeps the engine's quad.
fz_quad bandQuad(const fz_stext_line* line, const fz_stext_char* ch)
{
    if (line->wmode != 0 || line->dir.x < 0.999f)
        return ch->quad;
    const float left = std::min(ch->quad.ul.x, ch->quad.ll.x);
    const float right = std::max(ch->quad.ur.x, ch->quad.lr.x);
    const float top = ch->origin.y - kAscent * ch->size;
    const float bottom = ch->origin.y + kDescent * ch->size;
    return fz_quad_from_rect(fz_make_rect(left, top, right, bottom));
}

// Page space of the page text's selections: x as in the PDF's user space, y measured down from
// the top of the page as displayed (its height taken after rotation).
QRectF toPageSpace(const fz_quad& q, fz_matrix toUser, float displayHeight)
{
    const fz_quad u = fz_transform_quad(q, toUser);
    const fz_rect r = fz_rect_from_quad(u);
    return QRectF(r.x0, displayHeight - r.y1, r.x1 - r.x0, r.y1 - r.y0);
}

} // namespace

CharGeometry::CharGeometry(QObject* owner, Engine* e, int pageCount)
    : QObject(owner), engine(e), pages(pageCount)
{
}

CharGeometry::~CharGeometry()
{
    delete engine;
}

void CharGeometry::emptyStore() const
{
    fz_empty_store(engine->ctx);
}

CharGeometry* CharGeometry::attach(QObject* owner, const QString& path, const QByteArray& password)
{
    if (!owner)
        return nullptr;
    if (CharGeometry* attached = of(owner))
        return attached;
    auto* e = new Engine;
    e->ctx = fz_new_context(nullptr, nullptr, kStoreBytes);
    if (!e->ctx) {
        delete e;
        return nullptr;
    }
    fz_context* ctx = e->ctx;
    fz_set_warning_callback(ctx, quiet, nullptr);
    fz_set_error_callback(ctx, quiet, nullptr);
    const QByteArray file = QFile::encodeName(path);
    const QByteArray secret = password;
    fz_document* doc = nullptr;
    int count = 0;
    fz_try(ctx)
    {
        fz_register_document_handlers(ctx);
        // Only PDF: the rest of the program reads nothing else, whatever the file name says.
        doc = fz_open_document_with_stream(ctx, "application/pdf",
                                           fz_open_file(ctx, file.constData()));
        if (fz_needs_password(ctx, doc) && !fz_authenticate_password(ctx, doc, secret.constData()))
            fz_throw(ctx, FZ_ERROR_GENERIC, "password");
        count = fz_count_pages(ctx, doc);
    }
    fz_catch(ctx)
    {
        fz_drop_document(ctx, doc);
        doc = nullptr;
    }
    if (!doc) {
        delete e;
        return nullptr;
    }
    e->doc = doc;
    return new CharGeometry(owner, e, count);
}

CharGeometry* CharGeometry::of(const QObject* owner)
{
    return owner ? owner->findChild<CharGeometry*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void CharGeometry::setPageTimeLimitMs(int ms)
{
    pageLimitMs = ms;
}

int CharGeometry::pageTimeLimitMs()
{
    return pageLimitMs;
}

PageCharBoxes::Outcome CharGeometry::extractPage(int pageNumber, QList<EngineChar>& chars) const
{
    chars.clear();
    if (pageNumber < 0 || pageNumber >= pages)
        return PageCharBoxes::Outcome::Failed;
    fz_context* ctx = engine->ctx;
    fz_page* page = nullptr;
    fz_stext_page* text = nullptr;
    fz_device* dev = nullptr;
    fz_cookie cookie{};
    Deadline deadline;
    deadline.limitMs = pageLimitMs;
    deadline.cookie = &cookie;
    fz_matrix toUser = fz_identity;
    float displayHeight = 0;
    bool failed = false;
    fz_var(page);
    fz_var(text);
    fz_var(dev);
    fz_try(ctx)
    {
        page = fz_load_page(ctx, engine->doc, pageNumber);
        const fz_rect bounds = fz_bound_page(ctx, page);
        displayHeight = bounds.y1 - bounds.y0;
        if (pdf_page* pdfPage = pdf_page_from_fz_page(ctx, page)) {
            fz_matrix ctm;
            pdf_page_transform(ctx, pdfPage, nullptr, &ctm);
            toUser = fz_invert_matrix(ctm);
        }
        text = fz_new_stext_page(ctx, bounds);
        fz_stext_options options{};
        options.flags = FZ_STEXT_PRESERVE_LIGATURES | FZ_STEXT_INHIBIT_SPACES;
        dev = fz_new_stext_device(ctx, text, &options);
        deadline.forward = *dev;
        dev->fill_text = fillText;
        dev->stroke_text = strokeText;
        dev->clip_text = clipText;
        dev->clip_stroke_text = clipStrokeText;
        dev->ignore_text = ignoreText;
        if (!dev->fill_path)
            dev->fill_path = fillPath;
        if (!dev->stroke_path)
            dev->stroke_path = strokePath;
        if (!dev->fill_image)
            dev->fill_image = fillImage;
        if (!dev->fill_shade)
            dev->fill_shade = fillShade;
        running = &deadline;
        deadline.clock.start();
        fz_run_page(ctx, page, dev, fz_identity, &cookie);
        running = nullptr;
        fz_close_device(ctx, dev);
    }
    fz_always(ctx)
    {
        running = nullptr;
        fz_drop_device(ctx, dev);
        fz_drop_page(ctx, page);
    }
    fz_catch(ctx)
    {
        failed = true;
    }
    if (failed || cookie.abort) {
        fz_drop_stext_page(ctx, text);
        return failed ? PageCharBoxes::Outcome::Failed : PageCharBoxes::Outcome::TimedOut;
    }
    for (fz_stext_block* block = text->first_block; block; block = block->next) {
        if (block->type != FZ_STEXT_BLOCK_TEXT)
            continue;
        for (fz_stext_line* line = block->u.t.first_line; line; line = line->next) {
            const fz_stext_char* previous = nullptr;
            for (fz_stext_char* ch = line->first_char; ch; ch = ch->next) {
                QRectF box = toPageSpace(bandQuad(line, ch), toUser, displayHeight);
                // A glyph that stands for several characters (a ligature mapped to "fi") comes
                // as the first character with the glyph's box and the others without width
                // after it: they all share the glyph's box.
                if (previous && !(box.width() > 0))
                    box = chars.last().box;
                chars.append(EngineChar{char32_t(ch->c), box});
                previous = ch;
            }
        }
    }
    fz_drop_stext_page(ctx, text);
    return PageCharBoxes::Outcome::Measured;
}

PageCharBoxes CharGeometry::measurePage(int page, const QString& pageText) const
{
    PageCharBoxes result;
    QList<EngineChar> chars;
    result.outcome = extractPage(page, chars);
    if (result.outcome != PageCharBoxes::Outcome::Measured)
        return result;
    const CharAlignment aligned = alignChars(pageText, chars);
    result.boxes = aligned.boxes;
    result.matched = aligned.matched;
    result.comparable = aligned.comparable;
    return result;
}

} // namespace dovrix
