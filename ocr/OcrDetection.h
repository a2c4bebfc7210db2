#pragma once

// The steps of text detection that need no network: preparing the input, turning the probability
// map into boxes and ordering them. Pure functions of their inputs, safe on any thread.

#include <QImage>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QSize>

#include <vector>

namespace dovrix {

// The page as detection sees it: the input itself when it is RGB32 or RGB888, else converted to
// RGB32; an image with an alpha channel is laid on white first (page renders are transparent
// where the page is empty). All boxes refer to this image (same size as the input).
QImage detectionSourceImage(const QImage& page);

// Size of the detection input for a source of the given size: scaled down so that the longer side
// is at most limitSideLength, each side rounded down to a multiple of 32 and at least 32 (but never
// more than 32 times the source side). Never enlarged except by that minimum.
QSize detectionInputSize(const QSize& source, int limitSideLength);

// The part of a detection input worth running the network on: the rectangle of its inked pixels
// (any darker than near-white) grown by margin on every side, its edges on multiples of align
// and within the image. The whole image when nothing is inked. Page margins hold no text, and
// detection costs in proportion to the area it reads.
QRect detectionArea(const QImage& scaled, int margin, int align);

// Planar [3, h, w] tensor of the scaled image, channels red, green, blue, each normalised with the
// ImageNet mean and standard deviation.
std::vector<float> detectionTensor(const QImage& scaled);

// One 4-connected region of the binarised probability map, in map cells.
struct TextComponent
{
    int minX = 0;
    int minY = 0;
    int maxX = 0;
    int maxY = 0;
    int pixels = 0;
    double probabilitySum = 0;

    double meanProbability() const { return pixels > 0 ? probabilitySum / pixels : 0; }
};

// Labels the cells whose probability is strictly above binaryThreshold into 4-connected
// components (diagonal contact does not join), in order of discovery (row by row from the top).
// probability holds height × width values, row-major.
QList<TextComponent> findTextComponents(const float* probability, int height, int width,
                                        float binaryThreshold);

// A component large enough (12 cells or more) and confident enough (mean >= boxThreshold).
bool keepComponent(const TextComponent& component, float boxThreshold);

// Grows a rectangle by d = area × unclipRatio / perimeter on every side. Null for a rectangle
// without a positive perimeter.
QRectF expandBox(const QRectF& rect, double unclipRatio);

// Kept, expanded components scaled from map cells to source pixels, in order of discovery
// (unsorted, not clipped to the source).
QList<QRectF> boxesFromProbabilityMap(const float* probability, int height, int width,
                                      const QSize& source, float binaryThreshold,
                                      float boxThreshold, float unclipRatio);

// Reading order of boxes: by centre y, and by centre x when the centre y values are equal (fuzzy
// compare). Boxes at slightly different heights are ordered by height.
bool boxComesBefore(const QRectF& a, const QRectF& b);
void sortBoxes(QList<QRectF>& boxes);

} // namespace dovrix
