#include "view/OcrTextGeometry.h"

#include <algorithm>

namespace dovrix {

QList<QRectF> ocrCharBoxes(const OcrPageText& ocr)
{
    QList<QRectF> boxes;
    boxes.reserve(ocr.text.size());
    for (qsizetype i = 0; i < ocr.lines.size(); ++i) {
        if (i > 0)
            boxes.append(QRectF()); // the line feed
        const OcrLine& line = ocr.lines.at(i);
        for (int k = 0; k < int(line.text.size()); ++k)
            boxes.append(ocrSpanBox(line, k, 1));
    }
    return boxes;
}

QRectF ocrSpanBox(const OcrLine& line, int start, int length)
{
    const int count = int(line.text.size());
    const int first = std::max(0, start);
    const int end = std::min(count, start + std::max(0, length));
    if (first >= end)
        return {};
    const QRectF& box = line.box;
    switch (line.direction) {
    case OcrTextDirection::LeftToRight:
    case OcrTextDirection::RightToLeft: {
        const double width = box.width() / count;
        const int before = line.direction == OcrTextDirection::LeftToRight ? first : count - end;
        return QRectF(box.x() + width * before, box.y(), width * (end - first), box.height());
    }
    case OcrTextDirection::TopToBottom:
    case OcrTextDirection::BottomToTop: {
        const double height = box.height() / count;
        const int before = line.direction == OcrTextDirection::TopToBottom ? first : count - end;
        return QRectF(box.x(), box.y() + height * before, box.width(), height * (end - first));
    }
    }
    return {};
}

} // namespace dovrix
