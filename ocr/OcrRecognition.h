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

// The rows of a line crop that hold its own line's ink: the run of inked rows around the crop's
// middle row (or the inked row nearest to it), from its ascenders to its descenders. Detection
// boxes of dense text reach into the lines above and below; those rows are left out. Null when no
// row is inked.
QRect inkBand(const QImage& crop);

// The ink band grown by a fifth of its height on both sides (within the crop), so that the line
// fills the recogniser's height. The whole crop when no row is inked.
QRect lineBand(const QImage& crop);

// The box a recognised line keeps: the detected box narrowed to the rows of its own text (the ink
// band of cropImage, the image of crop), so that the boxes of neighbouring lines of dense text do
// not overlap. The detected box when the crop holds no ink.
QRectF ownTextBox(const QRectF& detected, const QRect& crop, const QImage& cropImage);

// Width of a crop scaled to recHeight with its aspect ratio kept, at least 16 and at most
// maxLineWidth pixels. A line is never squeezed below this width: one wider than the network input
// limit is recognised in pieces (linePieces).
int recognitionInputWidth(const QSize& crop, int recHeight, int maxLineWidth);

// A part of a scaled line run through the recogniser on its own: input columns [left, right); the
// characters decoded at columns [ownLeft, ownRight) belong to it, the rest is overlap that its
// neighbours own.
struct LinePiece
{
    int left = 0;
    int right = 0;
    int ownLeft = 0;
    int ownRight = 0;
    bool spaceBefore = false; // the cut at ownLeft lies in a gap between words
    int width() const { return right - left; }
};

// Cuts a scaled line (grey levels, any format) into pieces at most maxPieceWidth wide (all but
// the last exactly that wide when the line is wider). A line
// that fits is one piece. Otherwise every cut lies in a run of the lightest columns shortly
// before each multiple of the owned width: the last gap between letters (narrower than an eighth
// of the height) when there is one, else the widest gap, a gap between words. Each piece reaches
// `overlap` columns past its cuts so that the characters next to a cut are seen whole.
QList<LinePiece> linePieces(const QImage& line, int maxPieceWidth, int overlap);

// Groups of indices into widths (each group one network run): items of one width only, so that
// no item is padded and each reads as in a run of its own; narrowest first, at most maxBatch per
// group, and count times width at most maxColumns (a wider item still forms a group of its own).
QList<QList<int>> batchesByWidth(const QList<int>& widths, int maxBatch, int maxColumns);

// Planar [3, h, w] tensor of the scaled crop in grey levels from -1 (black) to 1 (white), the same
// values in all three planes.
std::vector<float> recognitionTensor(const QImage& scaled);

// Writes columns [left, right) of a scaled line (RGB888) as grey levels into item `item` of a
// batch tensor [n, 3, h, batchWidth], from column 0 of that item. The columns after them are left
// as they are (0, the padding the recogniser was trained with).
void fillRecognitionItem(std::vector<float>& batch, int item, int batchWidth, const QImage& scaled,
                         int left, int right);

// One character emitted by greedy CTC decoding: its class, its time step and its probability.
struct CtcSymbol
{
    int classIndex = 0;
    int step = 0;
    float probability = 0;
};

// The emitted symbols of steps × classes probabilities (row-major): at each step the most probable
// class (the lowest on ties), kept when it is not the blank and differs from the previous step's.
QList<CtcSymbol> ctcSymbols(const float* probabilities, int steps, int classes);

// Text and score of emitted symbols: the last class is a space, class k >= 1 the dictionary entry
// k - 1; classes beyond the dictionary give nothing and do not count. The box is empty.
OcrLine lineFromSymbols(const QList<CtcSymbol>& symbols, int classes,
                        const QStringList& dictionary);

// Greedy CTC decoding of steps × classes probabilities (row-major). Class 0 is the blank, class
// k >= 1 the dictionary entry k - 1, and the last class always a space. Repeats collapse unless a
// blank separates them. The score is the mean maximum probability of the emitted characters.
// The returned line's box is empty.
OcrLine decodeCtc(const float* probabilities, int steps, int classes,
                  const QStringList& dictionary);

// Whether c belongs to a script whose characters are about as wide as they are high: CJK
// ideographs and radicals, kana, Hangul, CJK punctuation and full-width forms.
bool isWideScriptCharacter(char32_t c);

// How much narrower than their natural width lines of this page can be read, from lines read at
// natural width: 1 unless nearly all their characters belong to a wide script; then the factor
// that brings the densest of them to `pitch` line heights per character (spaces count), at least
// minimum. widths are the lines' input widths at height lineHeight.
double squeezeForPage(const QList<OcrLine>& natural, const QList<int>& widths, int lineHeight,
                      double pitch, double minimum);

// Whether a line read squeezed must be read again at its natural width: it holds a letter or
// digit of a narrow script (squeezed below what they need), or it is read with little certainty.
bool needsNaturalWidth(const OcrLine& squeezed);

// Whether the lines are written in a wide script: a tenth or more of their characters (spaces
// aside) belong to one, or none holds text at all (nothing tells then that the page is written in
// narrow letters).
bool holdsWideScript(const QList<OcrLine>& lines);

// Whether a line read with the recogniser of narrow scripts alone stands: read with certainty, not
// empty (a line of wide characters is read so by that recogniser as noise or nothing) and without
// a digit 0 right after a letter (an o it may misread so).
bool readInLatin(const OcrLine& line);

// The dictionary stored in the recogniser: UTF-8, one entry per line feed, empty parts kept and
// nothing trimmed (a trailing line feed gives an empty last entry).
QStringList parseDictionary(const QByteArray& utf8);

} // namespace dovrix
