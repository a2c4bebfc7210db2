#include "engine/PdfCopy.h"

#include "engine/FormFill.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
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

// The program's page space is the engine's own: the page's visible box (its CropBox within its
// MediaBox) turned by its /Rotate, origin top-left, y down, in points. The engine's annotation
// calls take and give positions in it and map them to the file's user space themselves.
struct PageSpace
{
    static fz_point point(const QPointF& pt) { return fz_make_point(float(pt.x()), float(pt.y())); }
    static fz_rect rect(const QRectF& r)
    {
        const QRectF n = r.normalized();
        return fz_make_rect(float(n.left()), float(n.top()), float(n.right()), float(n.bottom()));
    }
    // A quad whose first edge runs along the top of the text as it reads on the page.
    static fz_quad quad(const QRectF& r) { return fz_quad_from_rect(rect(r)); }
    static QPointF fromEngine(fz_point p) { return QPointF(p.x, p.y); }
    static QRectF fromEngine(fz_rect r) { return QRectF(QPointF(r.x0, r.y0), QPointF(r.x1, r.y1)); }
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

// Adds one mark to its loaded page. Throws (the engine's way) on failure. Everything with a
// destructor is made before the engine is called: a throw jumps over the frames it leaves.
void addMark(fz_context* ctx, pdf_page* page, const CopyMark& mark)
{
    const PageSpace space;
    const float rgb[3] = {float(mark.color.redF()), float(mark.color.greenF()),
                          float(mark.color.blueF())};
    QList<fz_quad> quads;
    if (isTextMark(mark.kind)) {
        const QList<QRectF> lines = mark.lines.isEmpty() ? QList<QRectF>{mark.rect} : mark.lines;
        for (const QRectF& line : lines)
            quads.append(space.quad(line));
    }
    const QRectF icon(mark.rect.topLeft() - QPointF(kNoteIcon / 2, kNoteIcon / 2),
                      QSizeF(kNoteIcon, kNoteIcon));
    const QByteArray contents = mark.contents.toUtf8();
    const QByteArray name = mark.name.toUtf8();
    const int64_t created = mark.created.isValid() ? mark.created.toSecsSinceEpoch() : 0;

    pdf_annot* annot = pdf_create_annot(ctx, page, annotType(mark.kind));
    fz_try(ctx)
    {
        switch (mark.kind) {
        case CopyMark::Kind::Highlight:
        case CopyMark::Kind::Underline:
        case CopyMark::Kind::StrikeOut:
            pdf_set_annot_quad_points(ctx, annot, int(quads.size()), quads.constData());
            break;
        case CopyMark::Kind::Note:
            pdf_set_annot_rect(ctx, annot, space.rect(icon));
            pdf_set_annot_icon_name(ctx, annot, "Comment");
            break;
        case CopyMark::Kind::Square:
            pdf_set_annot_rect(ctx, annot, space.rect(mark.rect));
            pdf_set_annot_border(ctx, annot, 1.5f);
            break;
        case CopyMark::Kind::Line:
            pdf_set_annot_line(ctx, annot, space.point(mark.lineStart), space.point(mark.lineEnd));
            pdf_set_annot_line_ending_styles(ctx, annot, PDF_ANNOT_LE_NONE,
                                             PDF_ANNOT_LE_CLOSED_ARROW);
            pdf_set_annot_interior_color(ctx, annot, 3, rgb);
            pdf_set_annot_border(ctx, annot, 2.f);
            break;
        }
        pdf_set_annot_color(ctx, annot, 3, rgb);
        if (!contents.isEmpty())
            pdf_set_annot_contents(ctx, annot, contents.constData());
        if (created > 0) {
            pdf_set_annot_creation_date(ctx, annot, created);
            pdf_set_annot_modification_date(ctx, annot, created);
        }
        if (!name.isEmpty())
            pdf_dict_puts_drop(ctx, pdf_annot_obj(ctx, annot), "NM",
                               pdf_new_text_string(ctx, name.constData()));
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

void appendBigEndian(QByteArray& out, quint64 value, int width)
{
    for (int i = width - 1; i >= 0; --i)
        out.append(char((value >> (8 * i)) & 0xff));
}

// One entry of a cross-reference section: 0 free (next free object, generation), 1 in the file
// (offset, generation), 2 in an object stream (its number, the index in it).
struct XrefEntry
{
    int type = 0;
    quint64 field = 0;
    quint32 second = 0;
};

// The classic cross-reference table and trailer the engine ends a whole file with.
struct XrefTable
{
    QList<XrefEntry> entries;
    QByteArray trailer; // the trailer dictionary's entries, without its size
    qsizetype at = -1;  // where the table starts
};

bool readXrefTable(const QByteArray& pdf, XrefTable& table)
{
    const qsizetype at = pdf.lastIndexOf("\nxref\n");
    const qsizetype trailerAt = pdf.lastIndexOf("\ntrailer");
    const qsizetype startAt = pdf.lastIndexOf("\nstartxref");
    if (at < 0 || trailerAt < at || startAt < trailerAt)
        return false;
    qsizetype expected = 0;
    const QList<QByteArray> lines = pdf.mid(at + 6, trailerAt - at - 6).split('\n');
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty())
            continue;
        const QList<QByteArray> words = line.split(' ');
        if (words.size() == 2) { // a subsection: first number and count
            if (words.at(0).toLongLong() != table.entries.size())
                return false;
            expected += words.at(1).toLongLong();
            continue;
        }
        if (words.size() != 3 || (words.at(2) != "n" && words.at(2) != "f"))
            return false;
        bool fieldOk = false;
        bool secondOk = false;
        XrefEntry e;
        e.type = words.at(2) == "n" ? 1 : 0;
        e.field = words.at(0).toULongLong(&fieldOk);
        e.second = words.at(1).toUInt(&secondOk);
        if (!fieldOk || !secondOk || e.second > 0xffff)
            return false;
        table.entries.append(e);
    }
    if (table.entries.isEmpty() || table.entries.size() != expected)
        return false;
    QByteArray trailer = pdf.mid(trailerAt + 8, startAt - trailerAt - 8).trimmed();
    if (!trailer.startsWith("<<") || !trailer.endsWith(">>"))
        return false;
    trailer = trailer.mid(2, trailer.size() - 4);
    const qsizetype sizeKey = trailer.indexOf("/Size");
    if (sizeKey < 0 || trailer.contains("/Prev"))
        return false;
    qsizetype sizeEnd = sizeKey + 5;
    while (sizeEnd < trailer.size() && (trailer.at(sizeEnd) == ' ' || isdigit(trailer.at(sizeEnd))))
        ++sizeEnd;
    trailer.remove(sizeKey, sizeEnd - sizeKey);
    table.trailer = trailer;
    table.at = at;
    return true;
}

QByteArray deflated(const QByteArray& data)
{
    return qCompress(data, 6).mid(4); // without Qt's length prefix: a zlib stream
}

// Objects of one compressed object stream at most.
constexpr int kObjectsPerStream = 100;

// The engine writes a whole file with every object on its own and a classic cross-reference
// table, where the source may have had them in compressed object streams: its copy would then be
// a third larger. This gives the same document rearranged: the objects that are no streams go
// into compressed object streams, the rest stays as the engine wrote it, and a compressed
// cross-reference stream ends the file. Objects of an encrypted file stay where they are (their
// strings are encrypted each on its own); only the table is compressed. Empty when the file is
// not laid out as the engine writes it: it is then kept as it is (a valid PDF all the same).
QByteArray repackaged(const QByteArray& pdf)
{
    XrefTable table;
    if (!readXrefTable(pdf, table))
        return {};
    const bool encrypted = table.trailer.contains("/Encrypt");
    struct Placed
    {
        int number;
        quint64 offset;
    };
    QList<Placed> placed;
    for (int n = 0; n < table.entries.size(); ++n) {
        if (table.entries.at(n).type == 1)
            placed.append({n, table.entries.at(n).field});
    }
    std::sort(placed.begin(), placed.end(),
              [](const Placed& a, const Placed& b) { return a.offset < b.offset; });
    const quint64 first = placed.isEmpty() ? quint64(table.at) : placed.first().offset;
    if (first > quint64(table.at))
        return {};

    QList<XrefEntry> entries = table.entries;
    QByteArray out = pdf.left(qsizetype(first)); // the header
    out.reserve(pdf.size());
    struct Loose
    {
        int number;
        QByteArray body;
    };
    QList<Loose> loose;
    for (qsizetype i = 0; i < placed.size(); ++i) {
        const quint64 end = i + 1 < placed.size() ? placed.at(i + 1).offset : quint64(table.at);
        const int number = placed.at(i).number;
        const QByteArray chunk =
            pdf.mid(qsizetype(placed.at(i).offset), qsizetype(end - placed.at(i).offset));
        const qsizetype headerEnd = chunk.indexOf('\n');
        const quint32 generation = table.entries.at(number).second;
        if (headerEnd < 0
            || chunk.left(headerEnd).trimmed()
                   != QByteArray::number(number) + ' ' + QByteArray::number(generation) + " obj")
            return {};
        QByteArray body = chunk.mid(headerEnd + 1).trimmed();
        if (!body.endsWith("endobj"))
            return {};
        body.chop(6);
        body = body.trimmed();
        if (encrypted || generation != 0 || body.endsWith("endstream")) {
            entries[number] = {1, quint64(out.size()), generation};
            out += chunk;
            if (!chunk.endsWith('\n'))
                out += '\n';
        } else {
            loose.append({number, body});
        }
    }

    int next = int(table.entries.size());
    for (qsizetype from = 0; from < loose.size(); from += kObjectsPerStream) {
        QByteArray index;
        QByteArray content;
        const qsizetype to = std::min<qsizetype>(loose.size(), from + kObjectsPerStream);
        for (qsizetype i = from; i < to; ++i) {
            index += QByteArray::number(loose.at(i).number) + ' '
                     + QByteArray::number(content.size()) + ' ';
            content += loose.at(i).body + '\n';
            entries[loose.at(i).number] = {2, quint64(next), quint32(i - from)};
        }
        const QByteArray packed = deflated(index + content);
        entries.append({1, quint64(out.size()), 0});
        out += QByteArray::number(next) + " 0 obj\n<</Type/ObjStm/N "
               + QByteArray::number(to - from) + "/First " + QByteArray::number(index.size())
               + "/Filter/FlateDecode/Length " + QByteArray::number(packed.size()) + ">>\nstream\n"
               + packed + "\nendstream\nendobj\n";
        ++next;
    }

    const quint64 xrefOffset = quint64(out.size());
    entries.append({1, xrefOffset, 0});
    quint64 largest = 0;
    for (const XrefEntry& e : std::as_const(entries))
        largest = std::max(largest, e.field);
    const int width = largest > 0xffffffffULL ? 8 : 4;
    QByteArray rows;
    rows.reserve(entries.size() * (3 + width));
    for (const XrefEntry& e : std::as_const(entries)) {
        rows.append(char(e.type));
        appendBigEndian(rows, e.field, width);
        appendBigEndian(rows, e.second, 2);
    }
    const QByteArray packedRows = deflated(rows);
    out += QByteArray::number(next) + " 0 obj\n<</Type/XRef/Size "
           + QByteArray::number(entries.size()) + "/W[1 " + QByteArray::number(width)
           + " 2]/Filter/FlateDecode/Length " + QByteArray::number(packedRows.size())
           + table.trailer + ">>\nstream\n" + packedRows + "\nendstream\nendobj\nstartxref\n"
           + QByteArray::number(xrefOffset) + "\n%%EOF\n";
    return out;
}

// Writes bytes in pieces, giving up between them when cancelled. False on a failed write.
bool writeInPieces(QSaveFile& file, const QByteArray& bytes, const std::atomic<bool>* cancelled)
{
    constexpr qsizetype piece = 1 << 20;
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        if (cancelled && cancelled->load())
            return true; // the caller sees the cancel
        const qsizetype n = std::min(piece, bytes.size() - at);
        if (file.write(bytes.constData() + at, n) != n)
            return false;
    }
    return true;
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
    QHash<QString, QByteArray> values;
    for (const CopyField& f : request.fields)
        values.insert(f.name, f.value.toUtf8());
    fz_try(ctx)
    {
        addMarks(ctx, doc, request.marks, request.cancelled);
        fillFields(ctx, doc, values);
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
    // A cross-reference stream needs version 1.5.
    doc->version = std::max(doc->version, 15);
    fz_buffer* buffer = nullptr;
    fz_output* out = nullptr;
    fz_var(buffer);
    fz_var(out);
    bool written = false;
    fz_var(written);
    fz_try(ctx)
    {
        // In memory first: the objects are rearranged before they go to the file.
        buffer = fz_new_buffer(ctx, 1 << 20);
        out = fz_new_output_with_buffer(ctx, buffer);
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
    if (!written || isCancelled()) {
        fz_drop_buffer(ctx, buffer);
        file.cancelWriting();
        if (aborted || isCancelled())
            return failure(CopyOutcome::Result::Cancelled);
        return failure(CopyOutcome::Result::SourceUnreadable, problem);
    }
    unsigned char* data = nullptr;
    const size_t length = fz_buffer_storage(ctx, buffer, &data);
    bool stored = false;
    {
        const QByteArray engineBytes =
            QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(length));
        const QByteArray rearranged = repackaged(engineBytes);
        stored =
            writeInPieces(file, rearranged.isEmpty() ? engineBytes : rearranged, request.cancelled);
    }
    fz_drop_buffer(ctx, buffer);
    // Qt 6.4 renames even after a failed write: only a clean file is committed.
    if (isCancelled()) {
        file.cancelWriting();
        return failure(CopyOutcome::Result::Cancelled);
    }
    if (!stored || file.error() != QFileDevice::NoError || !file.flush()) {
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
            const PageSpace space;
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
