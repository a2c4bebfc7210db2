#pragma once

#include <QList>
#include <QMetaType>
#include <QRectF>
#include <QString>

namespace dovrix {

// One recognised line of text. The box is in page-image pixels inside the OCR engine and in page
// points once stored in the text layout store. The score is the mean of the per-character maximum
// probabilities; it is carried, never used to drop a line.
struct OcrLine
{
    QRectF box;
    QString text;
    float score = 0.0f;
    // The text runs from the box's right edge to its left: the page was scanned upside down.
    bool upsideDown = false;
};

} // namespace dovrix

Q_DECLARE_METATYPE(dovrix::OcrLine)
