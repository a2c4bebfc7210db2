#pragma once

#include "text/ReadingBlock.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Rebuilds a page's reading order from character geometry alone. Everything here is a pure
// function of its inputs, runs on the GUI thread and never touches Qt PDF.
namespace dovrix {

// One measured character: its index in the page text and its box in page points.
struct CharSlot
{
    int index = 0;
    QRectF rect;
};

// Characters grouped into one visual line, left to right once built.
struct TextLine
{
    QList<CharSlot> chars;
    QRectF rect; // union of the chars' boxes
    QString text;
    int inferredSpaces = 0; // spaces inserted from gaps between boxes
};

// The page text holds fewer than three characters besides spaces, tabs and line breaks.
bool isNearlyEmptyText(const QString& pageText);

// One slot per index whose box is valid, in index order.
QList<CharSlot> makeCharSlots(const QList<QRectF>& charBoxes);

// Groups the slots into lines (top to bottom) and rebuilds each line's text. Between two
// neighbours on a line: nothing when they follow each other in the page text, one space when
// only blanks separate them there, otherwise one space when the gap between their boxes exceeds
// a quarter of the second box's width (counted in inferredSpaces). A line whose last character
// is followed in the text by the line-break marker U+FFFE ends with the hyphen the reader saw;
// markers themselves are never placed, whatever box they have.
QList<TextLine> buildLines(QList<CharSlot> charSlots, const QString& pageText);

// Column gutters (x in points, ascending) from a 48-bin histogram of the lines' extents.
QList<double> findGutters(const QList<TextLine>& lines, double width);

// Gutters found from the single character boxes of the lines instead of whole lines: empty
// stretches of the central band that no character of the page covers, on a grid ten times
// finer than findGutters'. A stretch counts when it holds a whole bin of findGutters' grid, or
// when it is wider than 0.8 × the median character height with at least three lines of text
// right beside it on each side.
QList<double> findCharGutters(const QList<TextLine>& lines, double width);

// Cuts every line at each gutter that falls into a gap between two of its characters (lines
// whose chars are sorted left to right) and rebuilds the pieces' texts. Returns the pieces top
// to bottom.
QList<TextLine> splitAtGutters(const QList<TextLine>& lines, const QList<double>& gutters,
                               const QString& pageText);

// The line reaches more than 2 points past some gutter on both sides.
bool isSpanningLine(const TextLine& line, const QList<double>& gutters);

// Spanning lines first (top to bottom), then each column left to right, top to bottom. Lines
// whose centre falls in no column are left out.
QList<TextLine> orderLines(const QList<TextLine>& lines, const QList<double>& gutters,
                           double width);

// Blocks with confidence, remark and header/footer flag for lines already in reading order.
QList<ReadingBlock> makeBlocks(const QList<TextLine>& orderedLines, double pageHeight);

// The whole pipeline for one page: the text layout store calls this with the page text, the
// exact character boxes (one per character index, possibly empty) and the page size in points.
QList<ReadingBlock> buildReadingOrder(const QString& pageText, const QList<QRectF>& charBoxes,
                                      const QSizeF& pageSize);

} // namespace dovrix
