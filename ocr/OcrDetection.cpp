#include "ocr/OcrDetection.h"

#include <QPainter>

#include <algorithm>

namespace dovrix {

QImage detectionSourceImage(const QImage& page)
{
    if (page.format() == QImage::Format_RGB32 || page.format() == QImage::Format_RGB888)
        return page;
    if (!page.hasAlphaChannel())
        return page.convertToFormat(QImage::Format_RGB32);
    // Page renders are transparent where the page has no content; a plain conversion would turn
    // that into black, hiding black text. Lay the image on white paper instead.
    QImage paper(page.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.drawImage(0, 0, page);
    painter.end();
    return paper;
}

QSize detectionInputSize(const QSize& source, int limitSideLength)
{
    const int w = source.width();
    const int h = source.height();
    const int longer = std::max(w, h);
    const double ratio = longer > limitSideLength ? double(limitSideLength) / longer : 1.0;
    auto side = [ratio](int length) {
        int target = int(length * ratio); // toward zero
        target = target / 32 * 32;
        target = std::max(target, 32);
        return std::min(target, 32 * length);
    };
    return {side(w), side(h)};
}

QRect detectionArea(const QImage& scaled, int margin, int align)
{
    const QRect whole = scaled.rect();
    const QImage grey = scaled.convertToFormat(QImage::Format_Grayscale8);
    constexpr int NearWhite = 224;
    int left = grey.width();
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        int first = -1;
        int last = -1;
        for (int x = 0; x < grey.width(); ++x) {
            if (row[x] < NearWhite) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        if (first < 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        left = std::min(left, first);
        right = std::max(right, last);
    }
    if (top < 0)
        return whole;
    align = std::max(1, align);
    const auto down = [align](int value) { return std::max(0, value) / align * align; };
    const auto up = [align](int value, int limit) {
        return std::min(limit, (value + align - 1) / align * align);
    };
    const int x0 = down(left - margin);
    const int y0 = down(top - margin);
    const int x1 = up(right + 1 + margin, whole.width());
    const int y1 = up(bottom + 1 + margin, whole.height());
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

std::vector<float> detectionTensor(const QImage& scaled)
{
    const QImage rgb = scaled.convertToFormat(QImage::Format_RGB888);
    const int w = rgb.width();
    const int h = rgb.height();
    const size_t plane = size_t(w) * size_t(h);
    std::vector<float> tensor(plane * 3);
    const float mean[3] = {0.485f, 0.456f, 0.406f};
    const float deviation[3] = {0.229f, 0.224f, 0.225f};
    for (int y = 0; y < h; ++y) {
        const uchar* line = rgb.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            for (int c = 0; c < 3; ++c) {
                const float value = (float(line[x * 3 + c]) / 255.0f - mean[c]) / deviation[c];
                tensor[c * plane + size_t(y) * w + x] = value;
            }
        }
    }
    return tensor;
}

QList<TextComponent> findTextComponents(const float* probability, int height, int width,
                                        float binaryThreshold)
{
    QList<TextComponent> components;
    if (height <= 0 || width <= 0)
        return components;
    const qsizetype count = qsizetype(height) * width;
    std::vector<uchar> mask(count);
    for (qsizetype i = 0; i < count; ++i)
        mask[i] = probability[i] > binaryThreshold ? 1 : 0;
    std::vector<qint32> labels(count, 0);
    std::vector<qint32> stack;
    stack.reserve(1024);

    qint32 next = 0;
    for (qsizetype start = 0; start < count; ++start) {
        if (!mask[start] || labels[start])
            continue;
        const qint32 label = ++next;
        TextComponent component;
        component.minX = component.maxX = int(start % width);
        component.minY = component.maxY = int(start / width);
        labels[start] = label;
        stack.push_back(qint32(start));
        while (!stack.empty()) {
            const qint32 index = stack.back();
            stack.pop_back();
            const int x = index % width;
            const int y = index / width;
            component.minX = std::min(component.minX, x);
            component.maxX = std::max(component.maxX, x);
            component.minY = std::min(component.minY, y);
            component.maxY = std::max(component.maxY, y);
            component.pixels += 1;
            component.probabilitySum += probability[index];
            auto visit = [&](qint32 neighbour) {
                if (mask[neighbour] && !labels[neighbour]) {
                    labels[neighbour] = label;
                    stack.push_back(neighbour);
                }
            };
            if (x > 0)
                visit(index - 1);
            if (x + 1 < width)
                visit(index + 1);
            if (y > 0)
                visit(index - width);
            if (y + 1 < height)
                visit(index + width);
        }
        components.append(component);
    }
    return components;
}

bool keepComponent(const TextComponent& component, float boxThreshold)
{
    return component.pixels >= 12 && component.meanProbability() >= double(boxThreshold);
}

QRectF expandBox(const QRectF& rect, double unclipRatio)
{
    const double perimeter = 2 * (rect.width() + rect.height());
    if (perimeter <= 0)
        return {};
    const double d = rect.width() * rect.height() * unclipRatio / perimeter;
    return {rect.x() - d, rect.y() - d, rect.width() + 2 * d, rect.height() + 2 * d};
}

QList<QRectF> boxesFromProbabilityMap(const float* probability, int height, int width,
                                      const QSize& source, float binaryThreshold,
                                      float boxThreshold, float unclipRatio)
{
    QList<QRectF> boxes;
    if (height <= 0 || width <= 0)
        return boxes;
    const double sx = double(source.width()) / width;
    const double sy = double(source.height()) / height;
    const QList<TextComponent> components =
        findTextComponents(probability, height, width, binaryThreshold);
    for (const TextComponent& component : components) {
        if (!keepComponent(component, boxThreshold))
            continue;
        const QRectF cells(component.minX, component.minY, component.maxX - component.minX + 1,
                           component.maxY - component.minY + 1);
        const QRectF grown = expandBox(cells, unclipRatio);
        if (grown.isNull())
            continue;
        boxes.append(
            QRectF(grown.x() * sx, grown.y() * sy, grown.width() * sx, grown.height() * sy));
    }
    return boxes;
}

bool boxComesBefore(const QRectF& a, const QRectF& b)
{
    const QPointF ca = a.center();
    const QPointF cb = b.center();
    if (qFuzzyCompare(ca.y(), cb.y()))
        return ca.x() < cb.x();
    return ca.y() < cb.y();
}

void sortBoxes(QList<QRectF>& boxes)
{
    std::sort(boxes.begin(), boxes.end(), boxComesBefore);
}

} // namespace dovrix
