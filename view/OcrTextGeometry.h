#pragma once

#include "text/TextLayoutStore.h"

#include <QList>
#include <QRectF>

namespace dovrix {

// Character boxes of a page's recognised text, one per UTF-16 unit of OcrPageText::text (page
// points): the characters of a line share its box in equal parts from left to right, at its full
// height; the line feeds between lines get a null box. Selection, copy and highlights on a
// recognised page work on these boxes and that text as on a PDF's own text layer.
QList<QRectF> ocrCharBoxes(const OcrPageText& ocr);

} // namespace dovrix
