#include "engine/FormFill.h"

namespace dovrix {

namespace {

bool hasForm(fz_context* ctx, pdf_document* doc)
{
    return pdf_dict_getp(ctx, pdf_trailer(ctx, doc), "Root/AcroForm/Fields") != nullptr;
}

// Calls visit(widget, full name) for every widget of the given pages.
template <typename Visit>
void forEachWidget(fz_context* ctx, pdf_document* doc, const QList<int>& pages, Visit visit)
{
    const int count = pdf_count_pages(ctx, doc);
    pdf_page* page = nullptr;
    fz_var(page);
    fz_try(ctx)
    {
        for (int k = 0; k < (pages.isEmpty() ? count : int(pages.size())); ++k) {
            const int n = pages.isEmpty() ? k : pages.at(k);
            if (n < 0 || n >= count)
                continue;
            page = pdf_load_page(ctx, doc, n);
            for (pdf_annot* widget = pdf_first_widget(ctx, page); widget;
                 widget = pdf_next_widget(ctx, widget)) {
                char* name = pdf_field_name(ctx, pdf_annot_obj(ctx, widget));
                const QString fieldName = QString::fromUtf8(name);
                fz_free(ctx, name);
                visit(widget, n, fieldName);
            }
            fz_drop_page(ctx, reinterpret_cast<fz_page*>(page));
            page = nullptr;
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

// What a field's appearance shows for value: a password as one dot per character, a combo box's
// choice by its display text rather than its export value.
QByteArray shownValue(fz_context* ctx, pdf_obj* field, const QByteArray& value)
{
    switch (pdf_field_type(ctx, field)) {
    case PDF_WIDGET_TYPE_TEXT:
        if (pdf_field_flags(ctx, field) & PDF_TX_FIELD_IS_PASSWORD)
            return QString(QString::fromUtf8(value).size(), QChar(0x2022)).toUtf8();
        break;
    case PDF_WIDGET_TYPE_COMBOBOX:
        for (int i = 0, n = pdf_choice_field_option_count(ctx, field); i < n; ++i) {
            const char* exported = pdf_choice_field_option(ctx, field, 1, i);
            if (exported && value == exported)
                return QByteArray(pdf_choice_field_option(ctx, field, 0, i));
        }
        break;
    default:
        break;
    }
    return value;
}

} // namespace

void fillFields(fz_context* ctx, pdf_document* doc, const QHash<QString, QByteArray>& values,
                const QList<int>& pages)
{
    if (values.isEmpty() || !hasForm(ctx, doc))
        return;
    forEachWidget(ctx, doc, pages, [&](pdf_annot* widget, int, const QString& name) {
        const auto value = values.constFind(name);
        if (value == values.cend())
            return;
        pdf_obj* field = pdf_annot_obj(ctx, widget);
        const QByteArray shown = shownValue(ctx, field, *value);
        pdf_set_annot_field_value(ctx, doc, widget, shown.constData(), 1);
        pdf_annot_request_resynthesis(ctx, widget);
        pdf_update_annot(ctx, widget);
        if (shown != *value) {
            // The field keeps the value itself: the nearest of the widget and its parents that
            // has a name holds it.
            pdf_obj* holder = field;
            for (int depth = 0; depth < 32 && !pdf_dict_get(ctx, holder, PDF_NAME(T))
                                && pdf_dict_get(ctx, holder, PDF_NAME(Parent));
                 ++depth)
                holder = pdf_dict_get(ctx, holder, PDF_NAME(Parent));
            pdf_dict_put_text_string(ctx, holder, PDF_NAME(V), value->constData());
        }
    });
}

QHash<QString, QList<int>> fieldPages(fz_context* ctx, pdf_document* doc)
{
    QHash<QString, QList<int>> where;
    if (!hasForm(ctx, doc))
        return where;
    forEachWidget(ctx, doc, {}, [&](pdf_annot*, int page, const QString& name) {
        QList<int>& list = where[name];
        if (list.isEmpty() || list.last() != page)
            list.append(page);
    });
    return where;
}

} // namespace dovrix
