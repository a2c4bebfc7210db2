#pragma once

// The steps of text recognition that need no network: choosing and cutting the line crops,
// preparing the input and greedy CTC decoding. Pure functions of their inputs, safe on any thread.

#include "core/OcrLine.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QStringList>

#include <vector>

namespace dovrix {

// A detected box worth recognising: at least 8 × 8 pixels and not taller than four times its
// width (vertical text is not recognised).
bool acceptsBox(const QRectF& box);

// The crop of a box: its integer part padded by 3 pixels on every side, clipped to the image.
// Empty when the box is not accepted or lies outside the image.
QRect cropRect(const QRectF& box, const QSize& image);

// Width of the recognition input for a crop: the crop scaled to recHeight, kept between 16 and
// recMaxWidth pixels.
int recognitionInputWidth(const QSize& crop, int recHeight, int recMaxWidth);

// Planar [3, h, w] tensor of the scaled crop in grey levels from -1 (black) to 1 (white), the same
// values in all three planes.
std::vector<float> recognitionTensor(const QImage& scaled);

// Greedy CTC decoding of steps × classes probabilities (row-major). Class 0 is the blank, class
// k >= 1 the dictionary entry k - 1, and the last class always a space. Repeats collapse unless a
// blank separates them. The score is the mean maximum probability of the emitted characters.
// The returned line's box is empty.
OcrLine decodeCtc(const float* probabilities, int steps, int classes,
                  const QStringList& dictionary);

// The dictionary stored in the recogniser: UTF-8, one entry per line feed, empty parts kept and
// nothing trimmed (a trailing line feed gives an empty last entry).
QStringList parseDictionary(const QByteArray& utf8);

} // namespace dovrix
