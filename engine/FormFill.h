#pragma once

// Inside this library only: putting values into a MuPDF document's form fields, shared by the
// copy writer and the page renders of an open document.

#include <QHash>
#include <QList>
#include <QString>

extern "C" {
#include <mupdf/fitz.h>
#include <mupdf/pdf.h>
}

namespace dovrix {

// Writes values (by full field name) into the fields through their widgets on pages (every page
// when empty), which draws each widget's appearance anew. A field without a widget, or a name no
// field has, is left alone. Throws as the engine does.
void fillFields(fz_context* ctx, pdf_document* doc, const QHash<QString, QByteArray>& values,
                const QList<int>& pages = {});

// The pages each field has a widget on, by full field name. Throws as the engine does.
QHash<QString, QList<int>> fieldPages(fz_context* ctx, pdf_document* doc);

} // namespace dovrix
