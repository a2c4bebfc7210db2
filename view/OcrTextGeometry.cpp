#include "view/OcrTextGeometry.h"

namespace dovrix {

QList<QRectF> ocrCharBoxes(const OcrPageText& ocr)
{
    QList<QRectF> boxes;
    boxes.reserve(ocr.text.size());
    for (qsizetype i = 0; i < ocr.lines.size(); ++i) {
        if (i > 0)
            boxes.append(QRectF()); // the line feed
        const OcrLine& line = ocr.lines.at(i);
        const qsizetype count = line.text.size();
        const double width = count > 0 ? line.box.width() / double(count) : 0;
        for (qsizetype k = 0; k < count; ++k)
            boxes.append(
                QRectF(line.box.x() + width * double(k), line.box.y(), width, line.box.height()));
    }
    return boxes;
}

} // namespace dovrix
