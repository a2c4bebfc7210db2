#pragma once

#include "annotations/Annotation.h"
#include "engine/PdfCopy.h"

#include <QList>
#include <QRectF>

#include <functional>

namespace dovrix {

// Our annotations as the standard annotations of a written copy.

// The boxes of the characters start .. start + length − 1, united line by line: one box for each
// run of characters that share a line (boxes overlapping vertically by half their height). Null
// boxes (characters without one) are skipped.
QList<QRectF> markedLines(const QList<QRectF>& charBoxes, int start, int length);

// One mark per annotation, in order. A text mark covers the lines of its characters as
// charBoxesOf gives them for its page (empty: not known), else its stored rectangle.
QList<CopyMark> copyMarks(const QList<Annotation>& annotations,
                          const std::function<QList<QRectF>(int page)>& charBoxesOf);

} // namespace dovrix
