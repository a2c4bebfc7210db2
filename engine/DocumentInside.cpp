#include "engine/DocumentInside.h"

#include "engine/InsideReads.h"

#include <QHash>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSet>
#include <QTimeZone>

#include <cstring>

Q_LOGGING_CATEGORY(lcInside, "dovrix.engine", QtWarningMsg)

namespace dovrix {

namespace {

// Form XObjects nest; a hostile file may nest them without end or in a cycle.
constexpr int kMaxResourceDepth = 12;

// Runs work, which may call the engine, and catches the engine's errors: false (and a log line
// naming what) when it threw. The engine's try is a setjmp; keeping it in this small frame keeps
// the callers' loop variables safe from the longjmp.
template <typename Work> bool guarded(fz_context* ctx, const char* what, Work&& work)
{
    fz_try(ctx)
    {
        work();
    }
    fz_catch(ctx)
    {
        qCWarning(lcInside, "skipped %s: %s", what, fz_caught_message(ctx));
        return false;
    }
    return true;
}

QString text(fz_context* ctx, pdf_obj* dict, const char* key)
{
    return QString::fromUtf8(pdf_to_text_string(ctx, pdf_dict_gets(ctx, dict, key)));
}

QString name(fz_context* ctx, pdf_obj* dict, const char* key)
{
    return QString::fromUtf8(pdf_to_name(ctx, pdf_dict_gets(ctx, dict, key)));
}

// Maps PDF user space of one page to the program's page space (x as in user space, y down from
// the top of the page as displayed), as the page text does for characters.
struct PageSpace
{
    // From the file's user space to page space: the visible box turned by the page's /Rotate,
    // origin at its top-left corner, y down.
    fz_matrix ctm = fz_identity;
    int rotate = 0; // the page's /Rotate: 0, 90, 180 or 270

    static PageSpace of(fz_context* ctx, pdf_obj* pageObj)
    {
        fz_rect box;
        fz_matrix ctm;
        pdf_page_obj_transform(ctx, pageObj, &box, &ctm);
        const int rotate =
            pdf_to_int(ctx, pdf_dict_get_inheritable(ctx, pageObj, PDF_NAME(Rotate)));
        return PageSpace{ctm, ((rotate % 360) + 360) % 360 / 90 * 90};
    }
    QPointF point(float x, float y) const
    {
        const fz_point p = fz_transform_point_xy(x, y, ctm);
        return QPointF(p.x, p.y);
    }
    QRectF rect(const fz_rect& r) const
    {
        const fz_rect t = fz_transform_rect(r, ctm);
        return QRectF(QPointF(t.x0, t.y0), QPointF(t.x1, t.y1)).normalized();
    }
};

// An annotation's /C as opaque ARGB; 0 when it has none.
quint32 colorOf(fz_context* ctx, pdf_obj* array)
{
    const int n = pdf_array_len(ctx, array);
    auto c = [&](int i) { return qBound(0.0, double(pdf_array_get_real(ctx, array, i)), 1.0); };
    double r = 0, g = 0, b = 0;
    if (n == 1) {
        r = g = b = c(0);
    } else if (n == 3) {
        r = c(0), g = c(1), b = c(2);
    } else if (n == 4) {
        const double k = 1 - c(3);
        r = (1 - c(0)) * k, g = (1 - c(1)) * k, b = (1 - c(2)) * k;
    } else {
        return 0;
    }
    auto byte = [](double v) { return quint32(qRound(v * 255)); };
    return 0xff000000u | (byte(r) << 16) | (byte(g) << 8) | byte(b);
}

bool isSubsetName(const QString& fontName)
{
    static const QRegularExpression prefix(QStringLiteral("^[A-Z]{6}\\+"));
    return prefix.match(fontName).hasMatch();
}

DocumentFont fontOf(fz_context* ctx, pdf_obj* font)
{
    DocumentFont f;
    f.object = pdf_to_num(ctx, font);
    f.type = name(ctx, font, "Subtype");
    QString base = name(ctx, font, "BaseFont");
    f.subset = isSubsetName(base);
    if (f.subset)
        base = base.mid(7);
    f.name = base.isEmpty() ? name(ctx, font, "Name") : base;
    pdf_obj* descriptor = pdf_dict_gets(ctx, font, "FontDescriptor");
    if (f.type == QLatin1String("Type0"))
        descriptor =
            pdf_dict_gets(ctx, pdf_array_get(ctx, pdf_dict_gets(ctx, font, "DescendantFonts"), 0),
                          "FontDescriptor");
    f.embedded = f.type == QLatin1String("Type3") || pdf_dict_gets(ctx, descriptor, "FontFile")
                 || pdf_dict_gets(ctx, descriptor, "FontFile2")
                 || pdf_dict_gets(ctx, descriptor, "FontFile3");
    return f;
}

// Collects the fonts of a resource dictionary and of the forms and Type 3 glyphs it draws.
struct FontCollector
{
    fz_context* ctx;
    QList<DocumentFont> fonts;
    QSet<int> seenFonts;      // object numbers
    QSet<QString> seenDirect; // name and type of direct font dictionaries
    QSet<int> seenResources;  // object numbers of resource dictionaries already walked

    void collect(pdf_obj* resources, int depth)
    {
        if (!pdf_is_dict(ctx, resources) || depth > kMaxResourceDepth)
            return;
        if (const int num = pdf_to_num(ctx, resources)) {
            if (seenResources.contains(num))
                return;
            seenResources.insert(num);
        }
        pdf_obj* fontDict = pdf_dict_gets(ctx, resources, "Font");
        for (int i = 0, n = pdf_dict_len(ctx, fontDict); i < n; ++i) {
            pdf_obj* font = pdf_dict_get_val(ctx, fontDict, i);
            if (!pdf_is_dict(ctx, font)) {
                qCWarning(lcInside, "skipped a font that is no dictionary");
                continue;
            }
            guarded(ctx, "a damaged font", [&] {
                DocumentFont f = fontOf(ctx, font);
                const QString directKey = f.name + QLatin1Char('/') + f.type;
                const bool seen =
                    f.object ? seenFonts.contains(f.object) : seenDirect.contains(directKey);
                if (!seen) {
                    f.object ? void(seenFonts.insert(f.object))
                             : void(seenDirect.insert(directKey));
                    fonts.append(f);
                }
                collect(pdf_dict_gets(ctx, font, "Resources"), depth + 1);
            });
        }
        pdf_obj* xobjects = pdf_dict_gets(ctx, resources, "XObject");
        for (int i = 0, n = pdf_dict_len(ctx, xobjects); i < n; ++i) {
            pdf_obj* xobject = pdf_dict_get_val(ctx, xobjects, i);
            if (pdf_name_eq(ctx, pdf_dict_gets(ctx, xobject, "Subtype"), PDF_NAME(Form)))
                collect(pdf_dict_gets(ctx, xobject, "Resources"), depth + 1);
        }
    }
};

// Throws (before anything of ours is made) when filespec is no embedded file.
DocumentAttachment attachmentOf(fz_context* ctx, pdf_obj* filespec)
{
    if (!pdf_is_embedded_file(ctx, filespec))
        fz_throw(ctx, FZ_ERROR_GENERIC, "not an embedded file");
    DocumentAttachment a;
    pdf_embedded_file_params params{};
    pdf_get_embedded_file_params(ctx, filespec, &params);
    a.name = QString::fromUtf8(params.filename);
    a.description = text(ctx, filespec, "Desc");
    a.size = params.size > 0 ? qint64(params.size) : -1;
    if (a.size < 0) {
        // Without /Params /Size: the stream's declared decoded length, or its length when it is
        // stored as it is.
        pdf_obj* stream = pdf_dict_getp(ctx, filespec, "EF/F");
        if (!stream)
            stream = pdf_dict_getp(ctx, filespec, "EF/UF");
        if (pdf_dict_gets(ctx, stream, "DL"))
            a.size = pdf_to_int64(ctx, pdf_dict_gets(ctx, stream, "DL"));
        else if (!pdf_dict_gets(ctx, stream, "Filter") && pdf_dict_gets(ctx, stream, "Length"))
            a.size = pdf_to_int64(ctx, pdf_dict_gets(ctx, stream, "Length"));
    }
    if (params.modified > 0)
        a.modified = QDateTime::fromSecsSinceEpoch(params.modified, Qt::UTC);
    return a;
}

// The page's /Annots entries, each given to visit with its index; a damaged one is skipped.
template <typename Visit>
void forEachAnnotation(fz_context* ctx, pdf_document* pdf, int pageCount, Visit visit)
{
    for (int page = 0; page < pageCount; ++page) {
        pdf_obj* annots = nullptr;
        PageSpace space;
        const bool read = guarded(ctx, "the annotations of a page", [&] {
            pdf_obj* pageObj = pdf_lookup_page_obj(ctx, pdf, page);
            annots = pdf_dict_get(ctx, pageObj, PDF_NAME(Annots));
            space = PageSpace::of(ctx, pageObj);
        });
        if (!read)
            continue;
        int n = 0;
        guarded(ctx, "an /Annots array", [&] { n = pdf_array_len(ctx, annots); });
        for (int i = 0; i < n; ++i) {
            guarded(ctx, "a damaged annotation", [&] {
                pdf_obj* annot = pdf_array_get(ctx, annots, i);
                if (!pdf_is_dict(ctx, annot)) {
                    qCWarning(lcInside, "skipped annotation %d of page %d: no dictionary", i, page);
                    return;
                }
                visit(page, i, annot, space);
            });
        }
    }
}

// A field's entry, from the widget up through its parents (the form's fields inherit).
pdf_obj* inherited(fz_context* ctx, pdf_obj* obj, const char* key)
{
    for (int depth = 0; obj && depth < 32; ++depth) {
        if (pdf_obj* value = pdf_dict_gets(ctx, obj, key))
            return value;
        obj = pdf_dict_get(ctx, obj, PDF_NAME(Parent));
    }
    return nullptr;
}

QString fullName(fz_context* ctx, pdf_obj* widget)
{
    QStringList parts;
    pdf_obj* obj = widget;
    for (int depth = 0; obj && depth < 32; ++depth) {
        const QString part = text(ctx, obj, "T");
        if (!part.isEmpty())
            parts.prepend(part);
        obj = pdf_dict_get(ctx, obj, PDF_NAME(Parent));
    }
    return parts.join(QLatin1Char('.'));
}

QString valueText(fz_context* ctx, pdf_obj* value)
{
    if (pdf_is_name(ctx, value))
        return QString::fromUtf8(pdf_to_name(ctx, value));
    if (pdf_is_array(ctx, value)) {
        QStringList parts;
        for (int i = 0, n = pdf_array_len(ctx, value); i < n; ++i)
            parts << QString::fromUtf8(pdf_to_text_string(ctx, pdf_array_get(ctx, value, i)));
        return parts.join(QLatin1Char('\n'));
    }
    return QString::fromUtf8(pdf_to_text_string(ctx, value));
}

// The font size of a default appearance string ("/Helv 12 Tf 0 g").
double fontSizeOf(const QString& appearance)
{
    static const QRegularExpression tf(QStringLiteral("([0-9.]+)\\s+Tf"));
    const QRegularExpressionMatch m = tf.match(appearance);
    return m.hasMatch() ? m.captured(1).toDouble() : 0;
}

bool hasScripts(fz_context* ctx, pdf_obj* widget)
{
    pdf_obj* actions = inherited(ctx, widget, "AA");
    for (const char* key : {"F", "K", "V", "C"})
        if (pdf_dict_gets(ctx, actions, key))
            return true;
    return false;
}

} // namespace

QDateTime DocumentInside::parseDate(const QString& raw)
{
    static const QRegularExpression form(
        QStringLiteral("^(?:D:)?(\\d{4})(\\d{2})?(\\d{2})?(\\d{2})?(\\d{2})?(\\d{2})?"
                       "(?:([Zz+-])(?:(\\d{2})'?(?:(\\d{2})'?)?)?)?\\s*$"));
    const QRegularExpressionMatch m = form.match(raw.trimmed());
    if (!m.hasMatch())
        return {};
    auto part = [&](int i, int fallback) {
        return m.capturedLength(i) ? m.captured(i).toInt() : fallback;
    };
    const QDate date(part(1, 0), part(2, 1), part(3, 1));
    const QTime time(part(4, 0), part(5, 0), part(6, 0));
    if (!date.isValid() || !time.isValid())
        return {};
    int offsetSeconds = 0;
    const QString sign = m.captured(7);
    if (sign == QLatin1String("+") || sign == QLatin1String("-")) {
        const int hours = part(8, 0);
        const int minutes = part(9, 0);
        if (hours > 23 || minutes > 59)
            return {};
        offsetSeconds = (hours * 3600 + minutes * 60) * (sign == QLatin1String("-") ? -1 : 1);
    }
    return QDateTime(date, time, QTimeZone(offsetSeconds)).toUTC();
}

DocumentProperties inside::properties(const InsideSource& source)
{
    DocumentProperties p;
    fz_context* ctx = source.ctx;
    pdf_document* pdf = pdf_specifics(ctx, source.doc);
    if (!pdf)
        return p;
    guarded(ctx, "the document's damaged properties", [&] {
        const int version = pdf_version(ctx, pdf);
        p.version = QStringLiteral("%1.%2").arg(version / 10).arg(version % 10);

        if (pdf->crypt) {
            char method[256] = {};
            fz_lookup_metadata(ctx, source.doc, FZ_META_ENCRYPTION, method, sizeof method);
            p.encryption = QString::fromUtf8(method);
            const int bits = pdf_crypt_permissions(ctx, pdf->crypt);
            p.mayPrint = bits & (1 << 2);
            p.mayModify = bits & (1 << 3);
            p.mayCopy = bits & (1 << 4);
            p.mayAnnotate = bits & (1 << 5);
            p.mayFillForms = bits & (1 << 8);
            p.mayExtractForAccessibility = bits & (1 << 9);
            p.mayAssemble = bits & (1 << 10);
            p.mayPrintHighQuality = bits & (1 << 11);
        }

        pdf_obj* root = pdf_dict_get(ctx, pdf_trailer(ctx, pdf), PDF_NAME(Root));
        p.tagged =
            pdf_to_bool(ctx, pdf_dict_gets(ctx, pdf_dict_gets(ctx, root, "MarkInfo"), "Marked"));
        p.hasForm = pdf_array_len(ctx, pdf_dict_getp(ctx, root, "AcroForm/Fields")) > 0;
        p.hasJavaScript =
            pdf_dict_getp(ctx, root, "Names/JavaScript")
            || pdf_name_eq(ctx, pdf_dict_getp(ctx, root, "OpenAction/S"), PDF_NAME(JavaScript));
    });
    return p;
}

QList<DocumentFont> inside::fonts(const InsideSource& source, int page)
{
    fz_context* ctx = source.ctx;
    pdf_document* pdf = pdf_specifics(ctx, source.doc);
    FontCollector collector{ctx, {}, {}, {}, {}};
    if (!pdf)
        return {};
    const int first = page < 0 ? 0 : page;
    const int last = page < 0 ? source.pages - 1 : qMin(page, source.pages - 1);
    for (int p = first; p <= last; ++p) {
        guarded(ctx, "the fonts of a page", [&] {
            pdf_obj* pageObj = pdf_lookup_page_obj(ctx, pdf, p);
            collector.collect(pdf_dict_get_inheritable(ctx, pageObj, PDF_NAME(Resources)), 0);
        });
    }
    return collector.fonts;
}

QList<DocumentAttachment> inside::attachments(const InsideSource& source)
{
    QList<DocumentAttachment> list;
    fz_context* ctx = source.ctx;
    pdf_document* pdf = pdf_specifics(ctx, source.doc);
    if (!pdf)
        return list;
    pdf_obj* tree = nullptr;
    guarded(ctx, "the embedded files tree",
            [&] { tree = pdf_load_name_tree(ctx, pdf, PDF_NAME(EmbeddedFiles)); });
    for (int i = 0, n = pdf_dict_len(ctx, tree); i < n; ++i) {
        guarded(ctx, "a damaged embedded file", [&] {
            DocumentAttachment a = attachmentOf(ctx, pdf_dict_get_val(ctx, tree, i));
            a.treeKey = QByteArray(pdf_to_name(ctx, pdf_dict_get_key(ctx, tree, i)));
            if (a.name.isEmpty())
                a.name = QString::fromUtf8(a.treeKey);
            list.append(a);
        });
    }
    pdf_drop_obj(ctx, tree);
    forEachAnnotation(ctx, pdf, source.pages, [&](int page, int, pdf_obj* annot, const PageSpace&) {
        if (!pdf_name_eq(ctx, pdf_dict_get(ctx, annot, PDF_NAME(Subtype)),
                         PDF_NAME(FileAttachment)))
            return;
        DocumentAttachment a = attachmentOf(ctx, pdf_dict_get(ctx, annot, PDF_NAME(FS)));
        if (a.description.isEmpty())
            a.description = text(ctx, annot, "Contents");
        a.page = page;
        a.annotObject = pdf_to_num(ctx, annot);
        list.append(a);
    });
    return list;
}

bool inside::attachmentContents(const InsideSource& source, const DocumentAttachment& attachment,
                                QByteArray& contents)
{
    contents.clear();
    fz_context* ctx = source.ctx;
    pdf_document* pdf = pdf_specifics(ctx, source.doc);
    if (!pdf)
        return false;
    pdf_obj* tree = nullptr;
    fz_buffer* buffer = nullptr;
    bool found = false;
    const bool read = guarded(ctx, "an embedded file that cannot be read", [&] {
        pdf_obj* filespec = nullptr;
        if (attachment.page < 0) {
            tree = pdf_load_name_tree(ctx, pdf, PDF_NAME(EmbeddedFiles));
            filespec = pdf_dict_gets(ctx, tree, attachment.treeKey.constData());
        } else if (attachment.page < source.pages) {
            pdf_obj* annots =
                pdf_dict_get(ctx, pdf_lookup_page_obj(ctx, pdf, attachment.page), PDF_NAME(Annots));
            for (int i = 0, n = pdf_array_len(ctx, annots); i < n && !filespec; ++i) {
                pdf_obj* annot = pdf_array_get(ctx, annots, i);
                if (pdf_to_num(ctx, annot) == attachment.annotObject)
                    filespec = pdf_dict_get(ctx, annot, PDF_NAME(FS));
            }
        }
        if (filespec && pdf_is_embedded_file(ctx, filespec)) {
            buffer = pdf_load_embedded_file_contents(ctx, filespec);
            unsigned char* data = nullptr;
            const size_t length = fz_buffer_storage(ctx, buffer, &data);
            contents = QByteArray(reinterpret_cast<const char*>(data), qsizetype(length));
            found = true;
        }
    });
    fz_drop_buffer(ctx, buffer);
    pdf_drop_obj(ctx, tree);
    if (!read)
        contents.clear();
    return read && found;
}

QList<FormField> inside::formFields(const InsideSource& source)
{
    QList<FormField> list;
    fz_context* ctx = source.ctx;
    pdf_document* pdf = pdf_specifics(ctx, source.doc);
    if (!pdf)
        return list;
    QString formAppearance;
    guarded(ctx, "the form's damaged defaults", [&] {
        formAppearance =
            text(ctx, pdf_dict_getp(ctx, pdf_trailer(ctx, pdf), "Root/AcroForm"), "DA");
    });
    forEachAnnotation(
        ctx, pdf, source.pages, [&](int page, int, pdf_obj* widget, const PageSpace& space) {
            if (!pdf_name_eq(ctx, pdf_dict_get(ctx, widget, PDF_NAME(Subtype)), PDF_NAME(Widget)))
                return;
            const QString fieldName = fullName(ctx, widget);
            const QByteArray type = pdf_to_name(ctx, inherited(ctx, widget, "FT"));
            if (fieldName.isEmpty() || !QByteArrayList{"Tx", "Btn", "Ch", "Sig"}.contains(type)) {
                qCWarning(lcInside, "skipped a widget on page %d without a name or known type",
                          page);
                return;
            }
            FormField f;
            f.name = fieldName;
            f.page = page;
            f.rect = space.rect(pdf_dict_get_rect(ctx, widget, PDF_NAME(Rect)));
            f.pageRotate = space.rotate;
            const int flags = pdf_to_int(ctx, inherited(ctx, widget, "Ff"));
            if (type == "Tx") {
                f.kind = FormField::Kind::Text;
            } else if (type == "Btn") {
                f.kind = (flags & (1 << 16))   ? FormField::Kind::PushButton
                         : (flags & (1 << 15)) ? FormField::Kind::Radio
                                               : FormField::Kind::CheckBox;
            } else if (type == "Ch") {
                f.kind = (flags & (1 << 17)) ? FormField::Kind::ComboBox : FormField::Kind::ListBox;
            } else {
                f.kind = FormField::Kind::Signature;
            }
            f.readOnly = flags & (1 << 0);
            f.required = flags & (1 << 1);
            if (f.kind == FormField::Kind::Text) {
                f.multiline = flags & (1 << 12);
                f.password = flags & (1 << 13);
                f.comb = flags & (1 << 24);
                f.maxLength = qMax(0, pdf_to_int(ctx, inherited(ctx, widget, "MaxLen")));
            }
            f.editable = f.kind == FormField::Kind::ComboBox && (flags & (1 << 18));
            f.multiSelect = f.kind == FormField::Kind::ListBox && (flags & (1 << 21));
            f.value = valueText(ctx, inherited(ctx, widget, "V"));
            if (f.kind == FormField::Kind::CheckBox || f.kind == FormField::Kind::Radio) {
                pdf_obj* states = pdf_dict_getp(ctx, widget, "AP/N");
                for (int i = 0, n = pdf_dict_len(ctx, states); i < n; ++i) {
                    const char* state = pdf_to_name(ctx, pdf_dict_get_key(ctx, states, i));
                    if (qstrcmp(state, "Off") != 0) {
                        f.onState = QString::fromUtf8(state);
                        break;
                    }
                }
                if (f.onState.isEmpty())
                    f.onState = QStringLiteral("Yes");
                if (f.value.isEmpty())
                    f.value = QStringLiteral("Off");
            }
            pdf_obj* options = inherited(ctx, widget, "Opt");
            for (int i = 0, n = pdf_array_len(ctx, options); i < n; ++i) {
                pdf_obj* option = pdf_array_get(ctx, options, i);
                if (pdf_is_array(ctx, option)) {
                    f.optionValues << valueText(ctx, pdf_array_get(ctx, option, 0));
                    f.options << valueText(ctx, pdf_array_get(ctx, option, 1));
                } else {
                    f.optionValues << valueText(ctx, option);
                    f.options << f.optionValues.last();
                }
            }
            f.alignment = qBound(0, pdf_to_int(ctx, inherited(ctx, widget, "Q")), 2);
            QString appearance = text(ctx, widget, "DA");
            if (appearance.isEmpty())
                appearance =
                    QString::fromUtf8(pdf_to_text_string(ctx, inherited(ctx, widget, "DA")));
            f.fontSize = fontSizeOf(appearance.isEmpty() ? formAppearance : appearance);
            f.scripted = hasScripts(ctx, widget);
            list.append(f);
        });
    return list;
}

QList<DocumentAnnotation> inside::annotations(const InsideSource& source)
{
    QList<DocumentAnnotation> list;
    fz_context* ctx = source.ctx;
    pdf_document* pdf = pdf_specifics(ctx, source.doc);
    if (!pdf)
        return list;
    forEachAnnotation(
        ctx, pdf, source.pages, [&](int page, int index, pdf_obj* annot, const PageSpace& space) {
            const QString subtype = name(ctx, annot, "Subtype");
            // Pop-ups belong to their parent; links and form fields are shown otherwise.
            if (subtype.isEmpty() || subtype == QLatin1String("Popup")
                || subtype == QLatin1String("Link") || subtype == QLatin1String("Widget"))
                return;
            DocumentAnnotation a;
            a.page = page;
            a.index = index;
            a.object = pdf_to_num(ctx, annot);
            a.inReplyTo = pdf_to_num(ctx, pdf_dict_get(ctx, annot, PDF_NAME(IRT)));
            a.subtype = subtype;
            a.author = text(ctx, annot, "T");
            a.contents = text(ctx, annot, "Contents");
            a.modified = DocumentInside::parseDate(text(ctx, annot, "M"));
            if (!a.modified.isValid())
                a.modified = DocumentInside::parseDate(text(ctx, annot, "CreationDate"));
            a.rect = space.rect(pdf_dict_get_rect(ctx, annot, PDF_NAME(Rect)));
            pdf_obj* quads = pdf_dict_get(ctx, annot, PDF_NAME(QuadPoints));
            for (int q = 0, n = pdf_array_len(ctx, quads) / 8; q < n; ++q) {
                // The box of the four corners (QRectF::united ignores empty rectangles).
                double left = 0, top = 0, right = 0, bottom = 0;
                for (int k = 0; k < 4; ++k) {
                    const QPointF c =
                        space.point(pdf_array_get_real(ctx, quads, q * 8 + k * 2),
                                    pdf_array_get_real(ctx, quads, q * 8 + k * 2 + 1));
                    left = k == 0 ? c.x() : qMin(left, c.x());
                    right = k == 0 ? c.x() : qMax(right, c.x());
                    top = k == 0 ? c.y() : qMin(top, c.y());
                    bottom = k == 0 ? c.y() : qMax(bottom, c.y());
                }
                a.quads.append(QRectF(QPointF(left, top), QPointF(right, bottom)));
            }
            pdf_obj* line = pdf_dict_get(ctx, annot, PDF_NAME(L));
            if (pdf_array_len(ctx, line) == 4)
                a.line = QLineF(
                    space.point(pdf_array_get_real(ctx, line, 0), pdf_array_get_real(ctx, line, 1)),
                    space.point(pdf_array_get_real(ctx, line, 2),
                                pdf_array_get_real(ctx, line, 3)));
            a.argb = colorOf(ctx, pdf_dict_get(ctx, annot, PDF_NAME(C)));
            list.append(a);
        });
    return list;
}

// --- through the document's MuPDF handles of the calling lane --------------------------------

InsideSource DocumentInside::sourceOf(PdfDocument& document)
{
    return insideSourceOf(document);
}

DocumentProperties DocumentInside::properties(PdfDocument& document)
{
    DocumentProperties p = inside::properties(sourceOf(document));
    p.info = document.info();
    return p;
}

QList<DocumentFont> DocumentInside::fonts(PdfDocument& document, int page)
{
    return inside::fonts(sourceOf(document), page);
}

QList<DocumentAttachment> DocumentInside::attachments(PdfDocument& document)
{
    return inside::attachments(sourceOf(document));
}

bool DocumentInside::attachmentContents(PdfDocument& document, const DocumentAttachment& attachment,
                                        QByteArray& contents)
{
    return inside::attachmentContents(sourceOf(document), attachment, contents);
}

QList<DocumentAnnotation> DocumentInside::annotations(PdfDocument& document)
{
    return inside::annotations(sourceOf(document));
}

QList<FormField> DocumentInside::formFields(PdfDocument& document)
{
    // The values the file has, not the ones the user gave for drawing.
    return inside::formFields(insideSourceOf(document, true));
}

} // namespace dovrix
