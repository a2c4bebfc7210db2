#pragma once

// Inside this library only: the reads of DocumentInside on any open MuPDF document, so that every
// holder of one (the character geometry, a document engine) answers them the same way. Each runs
// on the thread that owns ctx.

#include "engine/DocumentInside.h"

#include <QLoggingCategory>

extern "C" {
#include <mupdf/fitz.h>
#include <mupdf/pdf.h>
}

// The engine's log ("dovrix.engine").
Q_DECLARE_LOGGING_CATEGORY(lcInside)

namespace dovrix {

struct InsideSource
{
    fz_context* ctx = nullptr;
    fz_document* doc = nullptr;
    int pages = 0;
};

// The MuPDF handles of document for the calling lane; empty (no context) for a document Qt PDF
// opened or one that cannot be opened on this lane. asFiled: the form fields as the file has
// them, without the values given through setFormValues.
InsideSource insideSourceOf(PdfDocument& document, bool asFiled = false);

namespace inside {

DocumentProperties properties(const InsideSource& source);
QList<DocumentFont> fonts(const InsideSource& source, int page);
QList<DocumentAttachment> attachments(const InsideSource& source);
bool attachmentContents(const InsideSource& source, const DocumentAttachment& attachment,
                        QByteArray& contents);
QList<DocumentAnnotation> annotations(const InsideSource& source);
QList<FormField> formFields(const InsideSource& source);

} // namespace inside
} // namespace dovrix
