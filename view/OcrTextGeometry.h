#pragma once

#include "text/TextLayoutStore.h"

#include <QList>
#include <QRectF>

namespace dovrix {

// Character boxes of a page's recognised text, one per UTF-16 unit of OcrPageText::text (page
// points): the characters of a line share its box in equal parts in the direction its text runs
// (left to right, or otherwise on a page scanned upside down or sideways), across its full
// thickness; the line feeds between lines get a null box. Selection, copy and highlights on a
// recognised page work on these boxes and that text as on a PDF's own text layer.
QList<QRectF> ocrCharBoxes(const OcrPageText& ocr);

// The part of a recognised line's box that holds its characters [start, start + length), by the
// same rule (a search hit inside the line). Null when the span holds none of them.
QRectF ocrSpanBox(const OcrLine& line, int start, int length);

} // namespace dovrix
