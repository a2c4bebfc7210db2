#pragma once

#include <QList>
#include <QMetaType>
#include <QRectF>
#include <QString>

namespace dovrix {

// One recognised line of text. The box is in page-image pixels inside the OCR engine and in page
// points once stored in the text layout store. The score is the mean of the per-character maximum
// probabilities; it is carried, never used to drop a line.
// How a line's text runs across its box on the page: other than left to right when the page was
// scanned upside down or sideways.
enum class OcrTextDirection { LeftToRight, RightToLeft, TopToBottom, BottomToTop };

struct OcrLine
{
    QRectF box;
    QString text;
    float score = 0.0f;
    OcrTextDirection direction = OcrTextDirection::LeftToRight;
};

} // namespace dovrix

Q_DECLARE_METATYPE(dovrix::OcrLine)
