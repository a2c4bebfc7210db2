#pragma once

// Scanned pages are rarely level, and some are scanned sideways or upside down: a line of a page
// scanned one degree askew climbs or falls by more than its own height across the page, so its
// box holds parts of its neighbours. These functions find the angle and turn the page upright
// before detection, and say how the text then runs on the page. Pure functions of their inputs,
// safe on any thread.

#include "core/OcrLine.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QTransform>

namespace dovrix {

constexpr double MaxSkewDegrees = 5;   // larger angles are not looked for
constexpr double MinSkewDegrees = 0.1; // smaller ones are left as they are

// The angle in degrees of the page's text lines against the horizontal, positive when they fall
// to the right (image rows grow downwards), within ±MaxSkewDegrees: the angle along which the
// dark pixels project onto the fewest, fullest rows. 0 for a page with too little ink.
double estimateSkewDegrees(const QImage& page);

// A page turned level, and how its pixels map back onto the page's.
struct UprightPage
{
    QImage image;
    QTransform toPage;
    double skewDegrees = 0;
};

// The page turned level around its centre on white paper (grown to hold the turned page) when its
// lines run at least MinSkewDegrees askew; otherwise the page itself with an identity mapping.
UprightPage uprightPage(const QImage& page);

// The page turned by quarters × 90 degrees clockwise, then level again; toPage still maps onto
// the original page, and skewDegrees adds the new levelling to the old.
UprightPage turnedByQuarters(const UprightPage& page, int quarters);

// Whether the detected line boxes mostly stand upright: slender boxes (four times as long as
// thick) standing outweigh, by length, those lying. The lines run down the page, which was scanned
// sideways.
bool linesRunDownThePage(const QList<QRectF>& boxes);

// How text read left to right on the turned page runs on the original page.
OcrTextDirection textDirection(const QTransform& toPage);

} // namespace dovrix
