#pragma once

#include <QSize>
#include <QSizeF>

namespace dovrix {

// PDF points are 1/72 inch.
constexpr double PointsPerInch = 72.0;

// Factor of one zoom-in or zoom-out step (the commands and a Ctrl+wheel notch).
constexpr double ZoomStep = 1.2;

// Pixels of a page of sizePt points rendered at dpi dots per inch: each side truncated toward
// zero, at least one pixel, and saturated before the conversion to int so that absurd page sizes
// cannot overflow. Empty for a page without area. Callers apply their own size limits.
QSize pagePixelSize(const QSizeF& sizePt, double dpi);

// Zooms compare equal when |a - b| * 1e12 <= min(|a|, |b|) (so 0 equals only 0): the results of
// different but equivalent computations of one zoom count as the same.
bool sameZoom(double a, double b);

} // namespace dovrix
