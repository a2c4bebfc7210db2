#include "ocr/OcrOrientation.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace dovrix {

namespace {

constexpr int SampleWidth = 800; // pixels across the page the angle is measured on
constexpr int MinInkPoints = 200;
constexpr int MaxInkPoints = 60000; // a dense page of text at that width has about 50,000
constexpr double ClearGain = 1.02;

struct InkPoint
{
    float x = 0;
    float y = 0;
};

// Sum of the squared row counts of the points projected along angle (degrees): the larger, the
// more the points gather on few rows, as the pixels of level lines do.
double rowSharpness(const std::vector<InkPoint>& points, double degrees, int rows)
{
    const double radians = degrees * M_PI / 180.0;
    const double sine = std::sin(radians);
    const double cosine = std::cos(radians);
    std::vector<int> counts(size_t(rows), 0);
    for (const InkPoint& point : points) {
        const int row = int(std::lround(point.y * cosine - point.x * sine)) + rows / 2;
        if (row >= 0 && row < rows)
            ++counts[size_t(row)];
    }
    double sharpness = 0;
    for (int count : counts)
        sharpness += double(count) * count;
    return sharpness;
}

// The angle in [from, to] (step apart) with the sharpest rows; the one nearest to level on ties
// (a few short lines project alike over a range of small angles).
double sharpestAngle(const std::vector<InkPoint>& points, int rows, double from, double to,
                     double step)
{
    double best = 0;
    double bestSharpness = -1;
    for (double degrees = from; degrees <= to + step / 2; degrees += step) {
        const double sharpness = rowSharpness(points, degrees, rows);
        if (sharpness > bestSharpness
            || (sharpness == bestSharpness && std::abs(degrees) < std::abs(best))) {
            bestSharpness = sharpness;
            best = degrees;
        }
    }
    return best;
}

} // namespace

double estimateSkewDegrees(const QImage& page)
{
    if (page.isNull())
        return 0;
    const double scale = std::min(1.0, double(SampleWidth) / page.width());
    const QImage grey =
        page.scaled(std::max(1, int(page.width() * scale)), std::max(1, int(page.height() * scale)),
                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_Grayscale8);
    std::vector<InkPoint> points;
    const float centreX = grey.width() / 2.0f;
    const float centreY = grey.height() / 2.0f;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            if (row[x] < 128)
                points.push_back(InkPoint{x - centreX, y - centreY});
        }
    }
    if (points.size() < size_t(MinInkPoints))
        return 0;
    if (points.size() > size_t(MaxInkPoints)) {
        // A dark picture gives far more points than text: an even sample of them measures alike.
        const size_t stride = points.size() / MaxInkPoints + 1;
        size_t kept = 0;
        for (size_t i = 0; i < points.size(); i += stride)
            points[kept++] = points[i];
        points.resize(kept);
    }
    const int rows = int(std::hypot(grey.width(), grey.height())) + 2;
    const double coarse = sharpestAngle(points, rows, -MaxSkewDegrees, MaxSkewDegrees, 0.25);
    const double fine = sharpestAngle(points, rows, coarse - 0.25, coarse + 0.25, 0.025);
    // Level unless the angle gathers the ink clearly better than level does (a page askew by
    // 0.4 degrees gains about a fifth).
    const bool clearlyBetter =
        rowSharpness(points, fine, rows) >= ClearGain * rowSharpness(points, 0, rows);
    return clearlyBetter ? fine : 0;
}

UprightPage uprightPage(const QImage& page)
{
    UprightPage upright{page, QTransform(), 0};
    const double skew = estimateSkewDegrees(page);
    if (std::abs(skew) < MinSkewDegrees)
        return upright;
    QTransform turn;
    turn.rotate(-skew);
    const QTransform placed = QImage::trueMatrix(turn, page.width(), page.height());
    const QRect area = placed.mapRect(page.rect());
    QImage level(area.size(), QImage::Format_RGB32);
    level.fill(Qt::white);
    QPainter painter(&level);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(placed);
    painter.drawImage(0, 0, page);
    painter.end();
    upright.image = level;
    upright.toPage = placed.inverted();
    upright.skewDegrees = skew;
    return upright;
}

UprightPage turnedByQuarters(const UprightPage& page, int quarters)
{
    QTransform turn;
    turn.rotate(90.0 * quarters);
    const QTransform placed = QImage::trueMatrix(turn, page.image.width(), page.image.height());
    const UprightPage level = uprightPage(page.image.transformed(turn));
    return UprightPage{level.image, level.toPage * placed.inverted() * page.toPage,
                       page.skewDegrees + level.skewDegrees};
}

bool linesRunDownThePage(const QList<QRectF>& boxes)
{
    // Lines are long and thin; a digit or a short word stands a little taller than wide too, so
    // only slender boxes count, each by its length.
    constexpr double Slender = 4.0;
    int standing = 0;
    double standingLength = 0;
    double lyingLength = 0;
    for (const QRectF& box : boxes) {
        if (box.height() > Slender * box.width()) {
            ++standing;
            standingLength += box.height();
        } else if (box.width() > Slender * box.height()) {
            lyingLength += box.width();
        }
    }
    return standing >= 3 && standingLength > lyingLength;
}

OcrTextDirection textDirection(const QTransform& toPage)
{
    const QPointF along = toPage.map(QPointF(1, 0)) - toPage.map(QPointF(0, 0));
    if (std::abs(along.x()) >= std::abs(along.y()))
        return along.x() >= 0 ? OcrTextDirection::LeftToRight : OcrTextDirection::RightToLeft;
    return along.y() > 0 ? OcrTextDirection::TopToBottom : OcrTextDirection::BottomToTop;
}

} // namespace dovrix
