#include "geometry/PdfCopy.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <memory>

#include <sys/stat.h>

extern "C" {
#include <mupdf/fitz.h>
#include <mupdf/pdf.h>
}

namespace dovrix {

namespace {

void quiet(void*, const char*)
{
}

// One engine instance for one call: nothing is shared between threads.
struct Context
{
    fz_context* ctx = fz_new_context(nullptr, nullptr, 64u << 20);
    Context()
    {
        if (!ctx)
            return;
        fz_set_warning_callback(ctx, quiet, nullptr);
        fz_set_error_callback(ctx, quiet, nullptr);
    }
    ~Context() { fz_drop_context(ctx); }
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;
};

bool sameInode(const QString& a, const QString& b)
{
    struct stat sa;
    struct stat sb;
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0
           && ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev
           && sa.st_ino == sb.st_ino;
}

bool namesSource(const QString& target, const QString& source)
{
    const QString canonical = QFileInfo(target).canonicalFilePath();
    return (!canonical.isEmpty() && canonical == QFileInfo(source).canonicalFilePath())
           || sameInode(target, source);
}

// Maps page points of the unrotated page (origin top-left) to the engine's page space (the page
// as displayed, rotated) and back. The engine's annotation calls take and give its page space.
struct PageSpace
{
    fz_rect box{};        // the visible box (media box cut by the crop box), user space
    fz_matrix toEngine{}; // user space to the engine's page space
    fz_matrix toUser{};

    PageSpace(fz_context* ctx, pdf_page* page)
    {
        pdf_page_transform(ctx, page, &box, &toEngine);
        toUser = fz_invert_matrix(toEngine);
    }
    fz_point point(const QPointF& pt) const
    {
        return fz_transform_point(fz_make_point(box.x0 + float(pt.x()), box.y1 - float(pt.y())),
                                  toEngine);
    }
    fz_rect rect(const QRectF& r) const
    {
        const fz_point a = point(r.topLeft());
        const fz_point b = point(r.bottomRight());
        return fz_make_rect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                            std::max(a.y, b.y));
    }
    // A quad whose first edge runs along the top of the text as read on the unrotated page.
    fz_quad quad(const QRectF& r) const
    {
        fz_quad q;
        q.ul = point(r.topLeft());
        q.ur = point(r.topRight());
        q.ll = point(r.bottomLeft());
        q.lr = point(r.bottomRight());
        return q;
    }
    QPointF fromEngine(fz_point p) const
    {
        const fz_point u = fz_transform_point(p, toUser);
        return QPointF(u.x - box.x0, box.y1 - u.y);
    }
    QRectF fromEngine(fz_rect r) const
    {
        return QRectF(fromEngine(fz_make_point(r.x0, r.y0)), fromEngine(fz_make_point(r.x1, r.y1)))
            .normalized();
    }
};

enum pdf_annot_type annotType(CopyMark::Kind kind)
{
    switch (kind) {
    case CopyMark::Kind::Highlight:
        return PDF_ANNOT_HIGHLIGHT;
    case CopyMark::Kind::Underline:
        return PDF_ANNOT_UNDERLINE;
    case CopyMark::Kind::StrikeOut:
        return PDF_ANNOT_STRIKE_OUT;
    case CopyMark::Kind::Note:
        return PDF_ANNOT_TEXT;
    case CopyMark::Kind::Square:
        return PDF_ANNOT_SQUARE;
    case CopyMark::Kind::Line:
        return PDF_ANNOT_LINE;
    }
    return PDF_ANNOT_HIGHLIGHT;
}

bool isTextMark(CopyMark::Kind kind)
{
    return kind == CopyMark::Kind::Highlight || kind == CopyMark::Kind::Underline
           || kind == CopyMark::Kind::StrikeOut;
}

// Size of the note icon, points.
constexpr float kNoteIcon = 18.f;

// Adds one mark to its loaded page. Throws (the engine's way) on failure.
void addMark(fz_context* ctx, pdf_page* page, const CopyMark& mark)
{
    const PageSpace space(ctx, page);
    pdf_annot* annot = pdf_create_annot(ctx, page, annotType(mark.kind));
    fz_try(ctx)
    {
        const float rgb[3] = {float(mark.color.redF()), float(mark.color.greenF()),
                              float(mark.color.blueF())};
        if (isTextMark(mark.kind)) {
            const QList<QRectF> lines =
                mark.lines.isEmpty() ? QList<QRectF>{mark.rect} : mark.lines;
            QList<fz_quad> quads;
            for (const QRectF& line : lines)
                quads.append(space.quad(line));
            pdf_set_annot_quad_points(ctx, annot, int(quads.size()), quads.constData());
        } else if (mark.kind == CopyMark::Kind::Note) {
            const QRectF icon(mark.rect.topLeft() - QPointF(kNoteIcon / 2, kNoteIcon / 2),
                              QSizeF(kNoteIcon, kNoteIcon));
            pdf_set_annot_rect(ctx, annot, space.rect(icon));
            pdf_set_annot_icon_name(ctx, annot, "Comment");
        } else if (mark.kind == CopyMark::Kind::Square) {
            pdf_set_annot_rect(ctx, annot, space.rect(mark.rect));
            pdf_set_annot_border(ctx, annot, 1.5f);
        } else if (mark.kind == CopyMark::Kind::Line) {
            pdf_set_annot_line(ctx, annot, space.point(mark.lineStart), space.point(mark.lineEnd));
            pdf_set_annot_line_ending_styles(ctx, annot, PDF_ANNOT_LE_NONE,
                                             PDF_ANNOT_LE_CLOSED_ARROW);
            pdf_set_annot_interior_color(ctx, annot, 3, rgb);
            pdf_set_annot_border(ctx, annot, 2.f);
        }
        pdf_set_annot_color(ctx, annot, 3, rgb);
        if (!mark.contents.isEmpty())
            pdf_set_annot_contents(ctx, annot, mark.contents.toUtf8().constData());
        if (mark.created.isValid()) {
            pdf_set_annot_creation_date(ctx, annot, mark.created.toSecsSinceEpoch());
            pdf_set_annot_modification_date(ctx, annot, mark.created.toSecsSinceEpoch());
        }
        if (!mark.name.isEmpty()) {
            pdf_dict_puts_drop(ctx, pdf_annot_obj(ctx, annot), "NM",
                               pdf_new_text_string(ctx, mark.name.toUtf8().constData()));
        }
        pdf_set_annot_flags(ctx, annot, PDF_ANNOT_IS_PRINT);
        pdf_update_annot(ctx, annot); // draws its appearance
    }
    fz_always(ctx)
    {
        pdf_drop_annot(ctx, annot);
    }
    fz_catch(ctx)
    {
        fz_rethrow(ctx);
    }
}

void addMarks(fz_context* ctx, pdf_document* doc, QList<CopyMark> marks,
              const std::atomic<bool>* cancelled)
{
    std::stable_sort(marks.begin(), marks.end(),
                     [](const CopyMark& a, const CopyMark& b) { return a.page < b.page; });
    const int pageCount = pdf_count_pages(ctx, doc);
    pdf_page* page = nullptr;
    int loaded = -1;
    fz_var(page);
    fz_try(ctx)
    {
        for (const CopyMark& mark : std::as_const(marks)) {
            if (cancelled && cancelled->load())
                fz_throw(ctx, FZ_ERROR_ABORT, "cancelled");
            if (mark.page < 0 || mark.page >= pageCount)
                continue;
            if (mark.page != loaded) {
                fz_drop_page(ctx, reinterpret_cast<fz_page*>(page));
                page = nullptr;
                page = pdf_load_page(ctx, doc, mark.page);
                loaded = mark.page;
            }
            addMark(ctx, page, mark);
        }
    }
    fz_always(ctx)
    {
        fz_drop_page(ctx, reinterpret_cast<fz_page*>(page));
    }
    fz_catch(ctx)
    {
        fz_rethrow(ctx);
    }
}

// Writes the values into the fields and redraws the widgets that show them.
void fillFields(fz_context* ctx, pdf_document* doc, const QList<CopyField>& fields)
{
    if (fields.isEmpty())
        return;
    pdf_obj* form = pdf_dict_getp(ctx, pdf_trailer(ctx, doc), "Root/AcroForm/Fields");
    if (!form)
        return;
    for (const CopyField& f : fields) {
        pdf_obj* field = pdf_lookup_field(ctx, form, f.name.toUtf8().constData());
        if (field)
            pdf_set_field_value(ctx, doc, field, f.value.toUtf8().constData(), 1);
    }
    const int count = pdf_count_pages(ctx, doc);
    for (int n = 0; n < count; ++n) {
        pdf_page* page = pdf_load_page(ctx, doc, n);
        fz_try(ctx)
        {
            pdf_update_page(ctx, page);
        }
        fz_always(ctx)
        {
            fz_drop_page(ctx, reinterpret_cast<fz_page*>(page));
        }
        fz_catch(ctx)
        {
            fz_rethrow(ctx);
        }
    }
}

// Keeps only the given pages. What pointed to the others (outline, named destinations, links,
// the opening action) goes with them, so that nothing keeps their contents alive in the file.
void keepPages(fz_context* ctx, pdf_document* doc, const QList<int>& pages)
{
    if (pages.isEmpty())
        return;
    const int count = pdf_count_pages(ctx, doc);
    QList<bool> keep(count, false);
    for (int page : pages) {
        if (page >= 0 && page < count)
            keep[page] = true;
    }
    for (int n = count - 1; n >= 0; --n) {
        if (!keep.at(n))
            pdf_delete_page(ctx, doc, n);
    }
    pdf_obj* root = pdf_dict_get(ctx, pdf_trailer(ctx, doc), PDF_NAME(Root));
    pdf_dict_del(ctx, root, PDF_NAME(Outlines));
    pdf_dict_del(ctx, root, PDF_NAME(Names));
    pdf_dict_del(ctx, root, PDF_NAME(Dests));
    pdf_dict_dels(ctx, root, "OpenAction");
    const int kept = pdf_count_pages(ctx, doc);
    for (int n = 0; n < kept; ++n) {
        pdf_obj* annots = pdf_dict_get(ctx, pdf_lookup_page_obj(ctx, doc, n), PDF_NAME(Annots));
        for (int i = pdf_array_len(ctx, annots) - 1; i >= 0; --i) {
            pdf_obj* annot = pdf_array_get(ctx, annots, i);
            if (pdf_name_eq(ctx, pdf_dict_get(ctx, annot, PDF_NAME(Subtype)), PDF_NAME(Link)))
                pdf_array_delete(ctx, annots, i);
        }
    }
}

// The engine writes through this into the save file; a failed write or a cancel stops it. The
// last tailLimit bytes written are kept: the cross-reference table the engine ends with.
struct Sink
{
    QSaveFile* file = nullptr;
    const std::atomic<bool>* cancelled = nullptr;
    bool failed = false;
    qsizetype tailLimit = 0;
    QByteArray tail;
};

void sinkWrite(fz_context* ctx, void* opaque, const void* data, size_t n)
{
    auto* sink = static_cast<Sink*>(opaque);
    if (sink->cancelled && sink->cancelled->load())
        fz_throw(ctx, FZ_ERROR_ABORT, "cancelled");
    const char* bytes = static_cast<const char*>(data);
    if (sink->file->write(bytes, qint64(n)) != qint64(n)) {
        sink->failed = true;
        fz_throw(ctx, FZ_ERROR_GENERIC, "write failed");
    }
    sink->tail.append(bytes, qsizetype(n));
    if (sink->tail.size() > 2 * sink->tailLimit)
        sink->tail.remove(0, sink->tail.size() - sink->tailLimit);
}

// The writer asks where it is to record the offsets of the objects.
int64_t sinkTell(fz_context*, void* opaque)
{
    return static_cast<Sink*>(opaque)->file->pos();
}

void appendBigEndian(QByteArray& out, quint64 value, int width)
{
    for (int i = width - 1; i >= 0; --i)
        out.append(char((value >> (8 * i)) & 0xff));
}

// The engine ends a whole file with a classic cross-reference table, twenty bytes a line for
// every object, where the source may have had a compressed stream of them. This gives what
// replaces that table and the trailer: an equivalent compressed cross-reference stream, to be
// written from tableOffset on, where the file written so far (end is its size, tail its last
// bytes) had its table. Empty when the end is not the table the engine writes: the file then
// stays as it is (a valid PDF all the same).
QByteArray compressedCrossReference(const QByteArray& tail, qint64 end, qint64& tableOffset)
{
    const qsizetype at = tail.lastIndexOf("\nxref\n");
    const qsizetype trailerAt = tail.lastIndexOf("\ntrailer");
    const qsizetype startAt = tail.lastIndexOf("\nstartxref");
    if (at < 0 || trailerAt < at || startAt < trailerAt)
        return {};
    struct Entry
    {
        quint64 field = 0;
        quint32 generation = 0;
        bool used = false;
    };
    QList<Entry> entries;
    const QList<QByteArray> lines = tail.mid(at + 6, trailerAt - at - 6).split('\n');
    qsizetype expected = 0;
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty())
            continue;
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 2) { // a subsection: first number and count
            if (words.at(0).toLongLong() != entries.size())
                return {};
            expected += words.at(1).toLongLong();
            continue;
        }
        if (words.size() != 3 || (words.at(2) != "n" && words.at(2) != "f"))
            return {};
        Entry e;
        bool ok1 = false;
        bool ok2 = false;
        e.field = words.at(0).toULongLong(&ok1);
        e.generation = words.at(1).toUInt(&ok2);
        e.used = words.at(2) == "n";
        if (!ok1 || !ok2 || e.generation > 0xffff)
            return {};
        entries.append(e);
    }
    if (entries.isEmpty() || entries.size() != expected)
        return {};

    // The trailer's dictionary keeps everything but its size, which grows by the stream itself.
    QByteArray trailer = tail.mid(trailerAt + 8, startAt - trailerAt - 8).trimmed();
    if (!trailer.startsWith("<<") || !trailer.endsWith(">>"))
        return {};
    trailer = trailer.mid(2, trailer.size() - 4);
    const qsizetype sizeKey = trailer.indexOf("/Size");
    if (sizeKey < 0)
        return {};
    qsizetype sizeEnd = sizeKey + 5;
    while (sizeEnd < trailer.size() && (trailer.at(sizeEnd) == ' ' || isdigit(trailer.at(sizeEnd))))
        ++sizeEnd;
    trailer.remove(sizeKey, sizeEnd - sizeKey);

    tableOffset = end - (tail.size() - (at + 1));
    const int number = int(entries.size());
    entries.append(Entry{quint64(tableOffset), 0, true});
    quint64 largest = 0;
    for (const Entry& e : std::as_const(entries))
        largest = std::max(largest, e.field);
    const int width = largest > 0xffffffffULL ? 8 : 4;
    QByteArray table;
    table.reserve(entries.size() * (3 + width));
    for (const Entry& e : std::as_const(entries)) {
        table.append(char(e.used ? 1 : 0));
        appendBigEndian(table, e.field, width);
        appendBigEndian(table, e.generation, 2);
    }
    const QByteArray packed = qCompress(table, 9).mid(4); // without Qt's length prefix: zlib
    const QByteArray object =
        QByteArray::number(number) + " 0 obj\n<</Type/XRef/Size " + QByteArray::number(number + 1)
        + "/W[1 " + QByteArray::number(width) + " 2]/Filter/FlateDecode/Length "
        + QByteArray::number(packed.size()) + trailer + ">>\nstream\n" + packed
        + "\nendstream\nendobj\nstartxref\n" + QByteArray::number(tableOffset) + "\n%%EOF\n";
    return object;
}

CopyOutcome failure(CopyOutcome::Result result, const QString& detail = {})
{
    CopyOutcome outcome;
    outcome.result = result;
    outcome.detail = detail;
    return outcome;
}

} // namespace

CopyOutcome writePdfCopy(const CopyRequest& request)
{
    if (request.targetPath.isEmpty() || namesSource(request.targetPath, request.sourcePath))
        return failure(CopyOutcome::Result::TargetIsSource);
    const auto isCancelled = [&request] { return request.cancelled && request.cancelled->load(); };

    Context engine;
    fz_context* ctx = engine.ctx;
    if (!ctx)
        return failure(CopyOutcome::Result::SourceUnreadable);
    const QByteArray sourceName = QFile::encodeName(request.sourcePath);
    pdf_document* doc = nullptr;
    fz_var(doc);
    bool opened = false;
    fz_var(opened);
    fz_try(ctx)
    {
        doc = pdf_open_document(ctx, sourceName.constData());
        if (pdf_needs_password(ctx, doc)
            && !pdf_authenticate_password(ctx, doc, request.password.constData()))
            fz_throw(ctx, FZ_ERROR_GENERIC, "password");
        opened = true;
    }
    fz_catch(ctx)
    {
        opened = false;
    }
    if (!opened) {
        pdf_drop_document(ctx, doc);
        return failure(CopyOutcome::Result::SourceUnreadable,
                       QString::fromUtf8(fz_caught_message(ctx)));
    }

    bool aborted = false;
    fz_var(aborted);
    QString problem;
    fz_try(ctx)
    {
        addMarks(ctx, doc, request.marks, request.cancelled);
        fillFields(ctx, doc, request.fields);
        keepPages(ctx, doc, request.pages);
    }
    fz_catch(ctx)
    {
        aborted = fz_caught(ctx) == FZ_ERROR_ABORT;
        problem = QString::fromUtf8(fz_caught_message(ctx));
    }
    if (aborted || isCancelled()) {
        pdf_drop_document(ctx, doc);
        return failure(CopyOutcome::Result::Cancelled);
    }
    if (!problem.isEmpty()) {
        pdf_drop_document(ctx, doc);
        return failure(CopyOutcome::Result::SourceUnreadable, problem);
    }

    // A second check right before writing: the target may have become the source meanwhile.
    if (namesSource(request.targetPath, request.sourcePath)) {
        pdf_drop_document(ctx, doc);
        return failure(CopyOutcome::Result::TargetIsSource);
    }
    QSaveFile file(request.targetPath);
    if (!file.open(QIODevice::WriteOnly)) {
        pdf_drop_document(ctx, doc);
        return failure(CopyOutcome::Result::TargetUnwritable, file.errorString());
    }
    Sink sink;
    sink.file = &file;
    sink.cancelled = request.cancelled;
    sink.tailLimit = 20 * qsizetype(pdf_xref_len(ctx, doc) + 16) + 4096;
    // A cross-reference stream needs version 1.5.
    doc->version = std::max(doc->version, 15);
    fz_output* out = nullptr;
    fz_var(out);
    bool written = false;
    fz_var(written);
    fz_try(ctx)
    {
        out = fz_new_output(ctx, 1 << 16, &sink, sinkWrite, nullptr, nullptr);
        out->tell = sinkTell;
        pdf_write_options options = pdf_default_write_options;
        options.do_incremental = 0; // a whole new file, the source's bytes never reused in place
        options.do_compress = 1;
        // Pages left out leave objects nothing points to any more.
        options.do_garbage = request.pages.isEmpty() ? 0 : 1;
        pdf_write_document(ctx, doc, out, &options);
        fz_close_output(ctx, out);
        written = true;
    }
    fz_always(ctx)
    {
        fz_drop_output(ctx, out);
        pdf_drop_document(ctx, doc);
    }
    fz_catch(ctx)
    {
        aborted = fz_caught(ctx) == FZ_ERROR_ABORT;
        problem = QString::fromUtf8(fz_caught_message(ctx));
    }
    if (!written) {
        const QString reason = sink.failed ? file.errorString() : problem;
        file.cancelWriting();
        if (aborted || isCancelled())
            return failure(CopyOutcome::Result::Cancelled);
        return failure(sink.failed ? CopyOutcome::Result::WriteFailed
                                   : CopyOutcome::Result::SourceUnreadable,
                       reason);
    }
    // Qt 6.4 renames even after a failed write: only a clean file is committed.
    if (isCancelled()) {
        file.cancelWriting();
        return failure(CopyOutcome::Result::Cancelled);
    }
    qint64 tableOffset = 0;
    const QByteArray crossReference = compressedCrossReference(sink.tail, file.pos(), tableOffset);
    if (!crossReference.isEmpty() && file.error() == QFileDevice::NoError) {
        if (!file.resize(tableOffset) || !file.seek(tableOffset)
            || file.write(crossReference) != crossReference.size()) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return failure(CopyOutcome::Result::WriteFailed, reason);
        }
    }
    if (file.error() != QFileDevice::NoError || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(CopyOutcome::Result::WriteFailed, reason);
    }
    const qint64 bytes = file.size();
    if (!file.commit())
        return failure(CopyOutcome::Result::WriteFailed, file.errorString());
    CopyOutcome outcome;
    outcome.result = CopyOutcome::Result::Written;
    outcome.bytes = bytes;
    return outcome;
}

QList<CopyMark> readPdfMarks(const QString& path, const QByteArray& password)
{
    QList<CopyMark> marks;
    Context engine;
    fz_context* ctx = engine.ctx;
    if (!ctx)
        return marks;
    const QByteArray name = QFile::encodeName(path);
    pdf_document* doc = nullptr;
    pdf_page* page = nullptr;
    fz_var(doc);
    fz_var(page);
    fz_try(ctx)
    {
        doc = pdf_open_document(ctx, name.constData());
        if (pdf_needs_password(ctx, doc))
            pdf_authenticate_password(ctx, doc, password.constData());
        const int count = pdf_count_pages(ctx, doc);
        for (int n = 0; n < count; ++n) {
            page = pdf_load_page(ctx, doc, n);
            const PageSpace space(ctx, page);
            for (pdf_annot* a = pdf_first_annot(ctx, page); a; a = pdf_next_annot(ctx, a)) {
                CopyMark mark;
                mark.page = n;
                switch (pdf_annot_type(ctx, a)) {
                case PDF_ANNOT_HIGHLIGHT:
                    mark.kind = CopyMark::Kind::Highlight;
                    break;
                case PDF_ANNOT_UNDERLINE:
                    mark.kind = CopyMark::Kind::Underline;
                    break;
                case PDF_ANNOT_STRIKE_OUT:
                    mark.kind = CopyMark::Kind::StrikeOut;
                    break;
                case PDF_ANNOT_TEXT:
                    mark.kind = CopyMark::Kind::Note;
                    break;
                case PDF_ANNOT_SQUARE:
                    mark.kind = CopyMark::Kind::Square;
                    break;
                case PDF_ANNOT_LINE:
                    mark.kind = CopyMark::Kind::Line;
                    break;
                default:
                    continue;
                }
                mark.rect = space.fromEngine(pdf_bound_annot(ctx, a));
                if (isTextMark(mark.kind)) {
                    const int quads = pdf_annot_quad_point_count(ctx, a);
                    for (int i = 0; i < quads; ++i)
                        mark.lines.append(
                            space.fromEngine(fz_rect_from_quad(pdf_annot_quad_point(ctx, a, i))));
                } else if (mark.kind == CopyMark::Kind::Line) {
                    fz_point tail;
                    fz_point head;
                    pdf_annot_line(ctx, a, &tail, &head);
                    mark.lineStart = space.fromEngine(tail);
                    mark.lineEnd = space.fromEngine(head);
                }
                int components = 0;
                float c[4] = {0, 0, 0, 0};
                pdf_annot_color(ctx, a, &components, c);
                if (components == 3)
                    mark.color = QColor::fromRgbF(c[0], c[1], c[2]);
                else if (components == 1)
                    mark.color = QColor::fromRgbF(c[0], c[0], c[0]);
                mark.contents = QString::fromUtf8(pdf_annot_contents(ctx, a));
                const int64_t created = pdf_annot_creation_date(ctx, a);
                if (created > 0)
                    mark.created = QDateTime::fromSecsSinceEpoch(created, Qt::UTC);
                mark.name = QString::fromUtf8(
                    pdf_to_text_string(ctx, pdf_dict_gets(ctx, pdf_annot_obj(ctx, a), "NM")));
                marks.append(mark);
            }
            fz_drop_page(ctx, reinterpret_cast<fz_page*>(page));
            page = nullptr;
        }
    }
    fz_always(ctx)
    {
        fz_drop_page(ctx, reinterpret_cast<fz_page*>(page));
        pdf_drop_document(ctx, doc);
    }
    fz_catch(ctx)
    {
        marks.clear();
    }
    return marks;
}

} // namespace dovrix
