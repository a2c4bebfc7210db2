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
    const double width = line.box.width() / double(count);
    const double offset = line.upsideDown ? count - end : first;
    return QRectF(line.box.x() + width * offset, line.box.y(), width * (end - first),
                  line.box.height());
}

} // namespace dovrix
