#pragma once

#include "annotations/AnnotationStore.h"
#include "engine/PdfDocument.h"
#include "ocr/OcrFailure.h"

#include <QString>

namespace dovrix {

// The window's words for the outcomes the layers below report as values.

// Why a document did not open.
QString outcomeText(OpenOutcome failure);
// Why a document's annotations are kept in memory only; fileError as the store gave it.
QString outcomeText(AnnotationStore::Fallback reason, const QString& fileError);
// Why an export may not be written where the user chose; empty for None.
QString outcomeText(AnnotationStore::ExportRefusal refusal);
// Why an export was not written; empty when it was.
QString outcomeText(const AnnotationStore::ExportOutcome& outcome);
// Why recognition did not start or a page was not read.
QString outcomeText(const OcrFailure& failure);

} // namespace dovrix
