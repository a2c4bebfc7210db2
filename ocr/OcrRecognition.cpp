#include "ocr/OcrRecognition.h"

#include <algorithm>

namespace dovrix {

bool acceptsBox(const QRectF& box)
{
    if (box.width() < 8 || box.height() < 8)
        return false;
    return box.height() <= 4 * box.width();
}

QRect cropRect(const QRectF& box, const QSize& image)
{
    if (!acceptsBox(box))
        return {};
    const QRect padded(int(box.x()) - 3, int(box.y()) - 3, int(box.width()) + 6,
                       int(box.height()) + 6);
    return padded.intersected(QRect(QPoint(0, 0), image));
}

int recognitionInputWidth(const QSize& crop, int recHeight, int recMaxWidth)
{
    const double target = double(crop.width()) * recHeight / std::max(1, crop.height());
    // Clamp in doubles first: an extreme aspect ratio must not overflow the conversion.
    const double clamped = std::min(double(recMaxWidth), std::max(0.0, target));
    return std::max(16, int(clamped));
}

std::vector<float> recognitionTensor(const QImage& scaled)
{
    const QImage rgb = scaled.convertToFormat(QImage::Format_RGB888);
    const int w = rgb.width();
    const int h = rgb.height();
    const size_t plane = size_t(w) * size_t(h);
    std::vector<float> tensor(plane * 3);
    for (int y = 0; y < h; ++y) {
        const uchar* line = rgb.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            const float grey = float(line[x * 3] + line[x * 3 + 1] + line[x * 3 + 2]) / 765.0f;
            const float value = (grey - 0.5f) * 2.0f;
            const size_t at = size_t(y) * w + x;
            tensor[at] = value;
            tensor[plane + at] = value;
            tensor[2 * plane + at] = value;
        }
    }
    return tensor;
}

OcrLine decodeCtc(const float* probabilities, int steps, int classes, const QStringList& dictionary)
{
    OcrLine line;
    if (steps <= 0 || classes <= 0)
        return line;
    int previous = -1;
    int emitted = 0;
    double sum = 0;
    for (int t = 0; t < steps; ++t) {
        const float* row = probabilities + qsizetype(t) * classes;
        int best = 0;
        for (int c = 1; c < classes; ++c) {
            if (row[c] > row[best])
                best = c;
        }
        const float p = row[best];
        if (best != previous) {
            if (best == classes - 1) {
                line.text += QLatin1Char(' ');
                ++emitted;
                sum += p;
            } else if (best > 0 && best - 1 < dictionary.size()) {
                line.text += dictionary.at(best - 1);
                ++emitted;
                sum += p;
            }
        }
        previous = best;
    }
    line.score = emitted > 0 ? float(sum / emitted) : 0.0f;
    return line;
}

QStringList parseDictionary(const QByteArray& utf8)
{
    return QString::fromUtf8(utf8).split(QLatin1Char('\n'), Qt::KeepEmptyParts);
}

} // namespace dovrix
