#include "text/ReadingOrder.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace dovrix {

namespace {

constexpr int kBins = 48;
constexpr QChar kLineBreakMarker(0xFFFE);
constexpr QChar kReplacement(0xFFFD);

double centreX(const QRectF& r)
{
    return r.left() + r.width() / 2;
}

double centreY(const QRectF& r)
{
    return r.top() + r.height() / 2;
}

// Histogram bin of an x position: truncation toward zero, clamped to the bins. Clamping in
// floating point first keeps far-off or non-finite boxes from overflowing the conversion.
int binOf(double x, double width, int bins = kBins)
{
    const double v = x / width * bins;
    if (!(v > 0)) // also catches NaN
        return 0;
    if (v >= bins - 1)
        return bins - 1;
    return static_cast<int>(v);
}

// Left to right by centre. Characters drawn over one another (the two letters of a ligature
// share one box, an accent sits on its letter) keep their order in the text: a character whose
// centre lies inside the box before it joins that one's cluster, and a cluster is read in text
// order, so no word comes out with letters swapped.
void sortByCentreX(QList<CharSlot>& chars)
{
    std::stable_sort(chars.begin(), chars.end(), [](const CharSlot& a, const CharSlot& b) {
        return centreX(a.rect) < centreX(b.rect);
    });
    for (qsizetype start = 0; start < chars.size();) {
        qsizetype end = start + 1;
        while (end < chars.size() && centreX(chars.at(end).rect) < chars.at(end - 1).rect.right())
            ++end;
        std::sort(chars.begin() + start, chars.begin() + end,
                  [](const CharSlot& a, const CharSlot& b) { return a.index < b.index; });
        start = end;
    }
}

enum class Joint { Joined, TextSpace, Geometry };

// What the page text itself says lies between two characters that are neighbours on a line.
// Qt PDF's text already carries the word spaces of the page; character boxes are tight around
// the ink, so gaps inside a word ("m" to "e") often exceed a quarter of a glyph's width.
// Geometry only decides for characters that are not neighbours in the text (separate runs,
// columns, text drawn out of order).
Joint jointBetween(const QString& pageText, int previous, int current)
{
    if (current <= previous)
        return Joint::Geometry;
    bool space = false;
    for (int k = previous + 1; k < current; ++k) {
        const QChar c = pageText.at(k);
        if (c == kLineBreakMarker)
            continue;
        if (c == u' ' || c == u'\t' || c == QChar(0x00A0))
            space = true;
        else
            return Joint::Geometry;
    }
    return space ? Joint::TextSpace : Joint::Joined;
}

// Rebuilds the text of a line whose chars are sorted left to right (indices inside the text).
//
// Qt PDF reports a hyphen that breaks a word across lines as the marker U+FFFE right after the
// line's last character. The reader saw a hyphen there, so the line gets one.
void rebuildText(TextLine& line, const QString& pageText)
{
    line.text.clear();
    line.inferredSpaces = 0;
    const int count = int(line.chars.size());
    const CharSlot* previous = nullptr;
    for (int i = 0; i < count; ++i) {
        const CharSlot& c = line.chars.at(i);
        const QChar ch = pageText.at(c.index);
        if (previous) {
            switch (jointBetween(pageText, previous->index, c.index)) {
            case Joint::Joined:
                break;
            case Joint::TextSpace:
                line.text.append(u' ');
                break;
            case Joint::Geometry:
                if (c.rect.left() - previous->rect.right() > 0.25 * std::max(c.rect.width(), 1.0)) {
                    line.text.append(u' ');
                    ++line.inferredSpaces;
                }
                break;
            }
        }
        line.text.append(ch);
        previous = &c;
        if (i == count - 1 && c.index + 1 < pageText.size()
            && pageText.at(c.index + 1) == kLineBreakMarker)
            line.text.append(u'-');
    }
}

} // namespace

bool isNearlyEmptyText(const QString& pageText)
{
    int kept = 0;
    for (const QChar c : pageText) {
        if (c == u'\n' || c == u'\r' || c == u' ' || c == u'\t')
            continue;
        if (++kept > 2)
            return false;
    }
    return true;
}

QList<CharSlot> makeCharSlots(const QList<QRectF>& charBoxes)
{
    QList<CharSlot> charSlots;
    charSlots.reserve(charBoxes.size());
    for (int i = 0; i < charBoxes.size(); ++i) {
        if (charBoxes.at(i).isValid())
            charSlots.append(CharSlot{i, charBoxes.at(i)});
    }
    return charSlots;
}

QList<TextLine> buildLines(QList<CharSlot> charSlots, const QString& pageText)
{
    // Boxes without area are never placed, nor boxes past the end of the text (no character to
    // show) or with non-finite coordinates (they would break the ordering below). A line-break
    // marker has no glyph of its own: Qt PDF gives it no box, and a box estimated for it lands
    // anywhere on the neighbouring lines, so markers are placed through the text instead.
    charSlots.removeIf([&pageText](const CharSlot& c) {
        const QRectF& r = c.rect;
        return !(r.width() > 0) || !(r.height() > 0) || !std::isfinite(r.left())
               || !std::isfinite(r.top()) || !std::isfinite(r.right()) || !std::isfinite(r.bottom())
               || c.index < 0 || c.index >= pageText.size()
               || pageText.at(c.index) == kLineBreakMarker;
    });
    // Top to bottom, then left to right. Exact comparison of the centres keeps the ordering a
    // strict weak order (a fuzzy "same row" test is not transitive and would make std::sort
    // undefined); boxes that differ only in the last bits of y join the same line either way.
    std::sort(charSlots.begin(), charSlots.end(), [](const CharSlot& a, const CharSlot& b) {
        const double ay = centreY(a.rect), by = centreY(b.rect);
        if (ay != by)
            return ay < by;
        const double ax = centreX(a.rect), bx = centreX(b.rect);
        if (ax != bx)
            return ax < bx;
        return a.index < b.index;
    });

    QList<TextLine> lines;
    for (const CharSlot& slot : std::as_const(charSlots)) {
        const double cy = centreY(slot.rect);
        bool joined = false;
        for (TextLine& line : lines) {
            const double limit = 0.6 * std::max(slot.rect.height(), line.rect.height());
            if (std::abs(cy - centreY(line.rect)) <= limit) {
                line.chars.append(slot);
                line.rect = line.rect.united(slot.rect);
                joined = true;
                break;
            }
        }
        if (!joined) {
            TextLine line;
            line.chars.append(slot);
            line.rect = slot.rect;
            lines.append(line);
        }
    }

    for (TextLine& line : lines) {
        sortByCentreX(line.chars);
        rebuildText(line, pageText);
    }

    std::stable_sort(lines.begin(), lines.end(), [](const TextLine& a, const TextLine& b) {
        return centreY(a.rect) < centreY(b.rect);
    });
    return lines;
}

QList<double> findGutters(const QList<TextLine>& lines, double width)
{
    QList<double> gutters;
    if (!(width > 1))
        return gutters;

    std::array<std::uint32_t, kBins> bins{};
    for (const TextLine& line : lines) {
        const int lo = binOf(line.rect.left(), width);
        const int hi = binOf(line.rect.right(), width);
        for (int b = lo; b <= hi; ++b)
            ++bins[b];
    }

    // Bins 0 and 47 are margins and never part of a gap.
    int i = 1;
    while (i < kBins - 1) {
        if (bins[i] != 0) {
            ++i;
            continue;
        }
        int j = i;
        while (j < kBins - 1 && bins[j] == 0)
            ++j;
        if (i > 12 && j < 36)
            gutters.append((i + j) * 0.5 / kBins * width);
        i = j;
    }
    return gutters;
}

QList<double> findCharGutters(const QList<TextLine>& lines, double width)
{
    // Column gaps of typeset pages are often narrower than one bin of the line histogram (10
    // points against 12 on A4), so the characters are counted on a ten times finer grid. A gap
    // counts when it is wider than most characters are tall (far wider than a word space) and
    // at least three lines have text right beside it on each side.
    QList<double> gutters;
    if (!(width > 1))
        return gutters;
    constexpr int fine = kBins * 10;
    std::vector<int> covered(fine, 0);
    QList<double> heights;
    for (const TextLine& line : lines) {
        for (const CharSlot& c : line.chars) {
            heights.append(c.rect.height());
            const int lo = binOf(c.rect.left(), width, fine);
            const int hi = binOf(c.rect.right(), width, fine);
            for (int b = lo; b <= hi; ++b)
                ++covered[size_t(b)];
        }
    }
    if (heights.isEmpty())
        return gutters;
    std::nth_element(heights.begin(), heights.begin() + heights.size() / 2, heights.end());
    const double minGap = 0.8 * heights.at(heights.size() / 2);
    const double binWidth = width / fine;
    const auto linesBeside = [&](double from, double to) {
        int count = 0;
        for (const TextLine& line : lines) {
            for (const CharSlot& c : line.chars) {
                if (c.rect.right() > from && c.rect.left() < to) {
                    ++count;
                    break;
                }
            }
        }
        return count;
    };
    int i = 1;
    while (i < fine - 1) {
        if (covered[size_t(i)] != 0) {
            ++i;
            continue;
        }
        int j = i;
        while (j < fine - 1 && covered[size_t(j)] == 0)
            ++j;
        const double left = i * binWidth, right = j * binWidth;
        // A whole bin of the coarse grid is empty: a gap as findGutters sees one.
        const bool coarse = (i + 9) / 10 * 10 + 10 <= j;
        const bool narrow = right - left >= minGap && linesBeside(left - 2 * minGap, left) >= 3
                            && linesBeside(right, right + 2 * minGap) >= 3;
        if (i > 12 * 10 && j < 36 * 10 && (coarse || narrow))
            gutters.append((left + right) / 2);
        i = j;
    }
    return gutters;
}

QList<TextLine> splitAtGutters(const QList<TextLine>& lines, const QList<double>& gutters,
                               const QString& pageText)
{
    if (gutters.isEmpty())
        return lines;
    QList<TextLine> result;
    for (const TextLine& line : lines) {
        TextLine piece;
        const auto flush = [&] {
            if (piece.chars.isEmpty())
                return;
            rebuildText(piece, pageText);
            result.append(piece);
            piece = TextLine();
        };
        for (int i = 0; i < line.chars.size(); ++i) {
            const CharSlot& c = line.chars.at(i);
            if (i > 0) {
                const double gapLeft = line.chars.at(i - 1).rect.right();
                const double gapRight = c.rect.left();
                for (const double g : gutters) {
                    if (gapLeft <= g && g <= gapRight) {
                        flush();
                        break;
                    }
                }
            }
            piece.rect = piece.chars.isEmpty() ? c.rect : piece.rect.united(c.rect);
            piece.chars.append(c);
        }
        flush();
    }
    std::stable_sort(result.begin(), result.end(), [](const TextLine& a, const TextLine& b) {
        return centreY(a.rect) < centreY(b.rect);
    });
    return result;
}

bool isSpanningLine(const TextLine& line, const QList<double>& gutters)
{
    for (const double g : gutters) {
        if (g - 2 > line.rect.left() && line.rect.right() > g + 2)
            return true;
    }
    return false;
}

QList<TextLine> orderLines(const QList<TextLine>& lines, const QList<double>& gutters, double width)
{
    QList<TextLine> ordered;
    QList<TextLine> columnLines;
    for (const TextLine& line : lines) {
        if (isSpanningLine(line, gutters))
            ordered.append(line);
        else
            columnLines.append(line);
    }
    const auto byCentreY = [](const TextLine& a, const TextLine& b) {
        return centreY(a.rect) < centreY(b.rect);
    };
    std::stable_sort(ordered.begin(), ordered.end(), byCentreY);

    if (gutters.isEmpty()) {
        ordered.append(columnLines);
        return ordered;
    }

    QList<double> bounds;
    bounds.append(0);
    bounds.append(gutters);
    bounds.append(width + 1);
    // The column intervals overlap by 2 points on each side of a gutter; a line centred in the
    // overlap belongs to the first column that takes it, never to two.
    QList<bool> taken(columnLines.size(), false);
    for (int b = 0; b + 1 < bounds.size(); ++b) {
        QList<TextLine> column;
        for (int k = 0; k < columnLines.size(); ++k) {
            const double x = centreX(columnLines.at(k).rect);
            if (!taken.at(k) && bounds.at(b) - 2 < x && x < bounds.at(b + 1) + 2) {
                taken[k] = true;
                column.append(columnLines.at(k));
            }
        }
        std::stable_sort(column.begin(), column.end(), byCentreY);
        ordered.append(column);
    }
    return ordered;
}

QList<ReadingBlock> makeBlocks(const QList<TextLine>& orderedLines, double pageHeight)
{
    const double h = std::max(pageHeight, 1.0);
    QList<ReadingBlock> blocks;
    blocks.reserve(orderedLines.size());
    for (int n = 0; n < orderedLines.size(); ++n) {
        const TextLine& line = orderedLines.at(n);
        ReadingBlock block;
        block.text = line.text;
        block.index = n;
        block.rect = line.rect;

        if (!line.text.isEmpty()) {
            const auto unmapped = line.text.count(kReplacement);
            block.confidence = 1.0 - double(unmapped) / double(line.text.size());
            if (block.confidence < 0.9)
                block.note = QCoreApplication::translate(
                    "dovrix::TextLayoutStore", "存在无法映射的字符（可能缺少 ToUnicode 表）");
        }
        if (!line.chars.isEmpty() && 3 * line.inferredSpaces > line.chars.size()) {
            block.confidence = std::min(block.confidence, 0.6);
            if (block.note.isEmpty())
                block.note = QCoreApplication::translate("dovrix::TextLayoutStore",
                                                         "词间距为几何推断，文本可能被拆碎");
        }
        if (line.rect.top() < 0.06 * h || line.rect.bottom() > 0.94 * h) {
            block.headerFooter = true;
            block.note = QCoreApplication::translate("dovrix::TextLayoutStore", "页眉/页脚区域");
        }
        blocks.append(block);
    }
    return blocks;
}

QList<ReadingBlock> buildReadingOrder(const QString& pageText, const QList<QRectF>& charBoxes,
                                      const QSizeF& pageSize)
{
    if (isNearlyEmptyText(pageText))
        return {};
    QList<TextLine> lines = buildLines(makeCharSlots(charBoxes), pageText);
    // Columns set on common baselines come out of line grouping as one line per row across
    // the whole page, which hides the gutter from the line histogram. Cutting such rows where
    // no character of the page lies lets the columns be found and read one after the other.
    const QList<double> charGutters = findCharGutters(lines, pageSize.width());
    lines = splitAtGutters(lines, charGutters, pageText);
    // Narrow gaps show only on the fine grid; the line histogram finds the wide ones.
    QList<double> gutters = findGutters(lines, pageSize.width());
    if (gutters.isEmpty())
        gutters = charGutters;
    return makeBlocks(orderLines(lines, gutters, pageSize.width()), pageSize.height());
}

} // namespace dovrix
