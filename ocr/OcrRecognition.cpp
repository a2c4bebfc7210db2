#include "ocr/OcrRecognition.h"

#include <algorithm>
#include <climits>

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

QRect inkBand(const QImage& crop)
{
    const QImage grey = crop.convertToFormat(QImage::Format_Grayscale8);
    const int h = grey.height();
    const int w = grey.width();
    // A row is inked when more than a few of its pixels are dark (specks do not count).
    const int needed = std::max(1, w / 400);
    std::vector<bool> inked(size_t(std::max(0, h)), false);
    for (int y = 0; y < h; ++y) {
        const uchar* row = grey.constScanLine(y);
        int dark = 0;
        for (int x = 0; x < w && dark < needed; ++x)
            dark += row[x] < 128 ? 1 : 0;
        inked[size_t(y)] = dark >= needed;
    }
    int middle = -1;
    for (int d = 0; d <= h / 2 && middle < 0; ++d) {
        for (int y : {h / 2 - d, h / 2 + d}) {
            if (y >= 0 && y < h && inked[size_t(y)]) {
                middle = y;
                break;
            }
        }
    }
    if (middle < 0)
        return {};
    int top = middle;
    int bottom = middle;
    while (top > 0 && inked[size_t(top - 1)])
        --top;
    while (bottom + 1 < h && inked[size_t(bottom + 1)])
        ++bottom;
    return QRect(0, top, w, bottom - top + 1);
}

QRect lineBand(const QImage& crop)
{
    const QRect ink = inkBand(crop);
    if (ink.isNull())
        return crop.rect();
    const int margin = std::max(2, ink.height() / 5);
    const int top = std::max(0, ink.top() - margin);
    const int bottom = std::min(crop.height() - 1, ink.bottom() + margin);
    return QRect(0, top, crop.width(), bottom - top + 1);
}

QRectF ownTextBox(const QRectF& detected, const QRect& crop, const QImage& cropImage)
{
    const QRect ink = inkBand(cropImage);
    if (ink.isNull())
        return detected;
    return QRectF(detected.x(), crop.y() + ink.y(), detected.width(), ink.height());
}

int recognitionInputWidth(const QSize& crop, int recHeight, int maxLineWidth)
{
    const double target = double(crop.width()) * recHeight / std::max(1, crop.height());
    // Clamp in doubles first: an extreme aspect ratio must not overflow the conversion.
    const double clamped = std::min(double(maxLineWidth), std::max(0.0, target));
    return std::max(16, int(clamped));
}

QList<LinePiece> linePieces(const QImage& line, int maxPieceWidth, int overlap)
{
    const int width = line.width();
    overlap = std::max(0, std::min(overlap, maxPieceWidth / 4));
    if (width <= maxPieceWidth)
        return {LinePiece{0, width, 0, width}};
    // Ink of every column: the darkness summed over its rows.
    const QImage grey = line.convertToFormat(QImage::Format_Grayscale8);
    std::vector<int> ink(size_t(width), 0);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = 0; x < width; ++x)
            ink[size_t(x)] += 255 - row[x];
    }
    const int owned = maxPieceWidth - 2 * overlap;
    QList<LinePiece> pieces;
    int start = 0;
    bool previousBetweenWords = false;
    while (width - start > maxPieceWidth - overlap) {
        // The cut lies in the last quarter of the owned width, in a run of its lightest columns:
        // the last gap between letters, whose characters fall clearly to one side, else the
        // middle of the widest run. Runs cut off by the window's ends may be wider than seen.
        const int from = start + owned * 3 / 4;
        const int to = start + owned;
        int lightest = INT_MAX;
        for (int x = from; x < to; ++x)
            lightest = std::min(lightest, ink[size_t(x)]);
        const int tolerance = lightest + std::max(1, lightest / 8);
        const int narrow = std::max(2, line.height() / 8);
        int widestStart = to - 1;
        int widestLength = 0;
        int letterGap = -1;
        for (int x = from; x < to;) {
            if (ink[size_t(x)] > tolerance) {
                ++x;
                continue;
            }
            int end = x;
            while (end < to && ink[size_t(end)] <= tolerance)
                ++end;
            if (end - x < narrow && x > from && end < to)
                letterGap = (x + end) / 2; // the last one wins
            if (end - x > widestLength) {
                widestLength = end - x;
                widestStart = x;
            }
            x = end;
        }
        const bool betweenWords = letterGap < 0;
        const int cut = betweenWords ? widestStart + widestLength / 2 : letterGap;
        // Every piece but the last is a full run wide: the columns past its cut are context.
        const int left = std::max(0, start - overlap);
        pieces.append(LinePiece{left, std::min(width, left + maxPieceWidth), start, cut,
                                previousBetweenWords});
        previousBetweenWords = betweenWords;
        start = cut;
    }
    pieces.append(
        LinePiece{std::max(0, start - overlap), width, start, width, previousBetweenWords});
    return pieces;
}

QList<QList<int>> batchesByWidth(const QList<int>& widths, int maxBatch, int maxColumns)
{
    QList<int> order(widths.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&widths](int a, int b) { return widths.at(a) < widths.at(b); });
    QList<QList<int>> batches;
    QList<int> current;
    for (int index : order) {
        const qint64 columns = qint64(current.size() + 1) * widths.at(index);
        if (!current.isEmpty()
            && (current.size() >= maxBatch || columns > maxColumns
                || widths.at(current.first()) != widths.at(index))) {
            batches.append(current);
            current.clear();
        }
        current.append(index);
    }
    if (!current.isEmpty())
        batches.append(current);
    return batches;
}

std::vector<float> recognitionTensor(const QImage& scaled)
{
    const QImage rgb = scaled.convertToFormat(QImage::Format_RGB888);
    std::vector<float> tensor(size_t(rgb.width()) * size_t(rgb.height()) * 3);
    fillRecognitionItem(tensor, 0, rgb.width(), rgb, 0, rgb.width());
    return tensor;
}

void fillRecognitionItem(std::vector<float>& batch, int item, int batchWidth, const QImage& scaled,
                         int left, int right)
{
    const QImage rgb = scaled.format() == QImage::Format_RGB888
                           ? scaled
                           : scaled.convertToFormat(QImage::Format_RGB888);
    const int h = rgb.height();
    const size_t plane = size_t(batchWidth) * size_t(h);
    float* base = batch.data() + size_t(item) * plane * 3;
    right = std::min({right, rgb.width(), left + batchWidth});
    for (int y = 0; y < h; ++y) {
        const uchar* line = rgb.constScanLine(y);
        for (int x = left; x < right; ++x) {
            const float grey = float(line[x * 3] + line[x * 3 + 1] + line[x * 3 + 2]) / 765.0f;
            const float value = (grey - 0.5f) * 2.0f;
            const size_t at = size_t(y) * batchWidth + (x - left);
            base[at] = value;
            base[plane + at] = value;
            base[2 * plane + at] = value;
        }
    }
}

namespace {

// Index of the largest of count values, the first of equals. The maximum is taken in independent
// lanes that the compiler turns into vector instructions, then looked up: with thousands of
// classes per step this is most of the decoding.
int indexOfLargest(const float* values, int count)
{
    constexpr int Lanes = 16;
    float top = values[0];
    int c = 0;
    if (count >= Lanes) {
        float lanes[Lanes];
        for (int j = 0; j < Lanes; ++j)
            lanes[j] = values[j];
        for (c = Lanes; c + Lanes <= count; c += Lanes) {
            for (int j = 0; j < Lanes; ++j)
                lanes[j] = values[c + j] > lanes[j] ? values[c + j] : lanes[j];
        }
        for (float lane : lanes)
            top = lane > top ? lane : top;
    }
    for (; c < count; ++c)
        top = values[c] > top ? values[c] : top;
    for (int i = 0; i < count; ++i) {
        if (values[i] == top)
            return i;
    }
    return 0; // only when every value is not a number
}

} // namespace

QList<CtcSymbol> ctcSymbols(const float* probabilities, int steps, int classes)
{
    QList<CtcSymbol> symbols;
    if (steps <= 0 || classes <= 0)
        return symbols;
    int previous = -1;
    for (int t = 0; t < steps; ++t) {
        const float* row = probabilities + qsizetype(t) * classes;
        const int best = indexOfLargest(row, classes);
        // previous follows blanks too: a blank between two equal classes makes them two symbols.
        if (best != previous && best > 0)
            symbols.append(CtcSymbol{best, t, row[best]});
        previous = best;
    }
    return symbols;
}

OcrLine lineFromSymbols(const QList<CtcSymbol>& symbols, int classes, const QStringList& dictionary)
{
    OcrLine line;
    int emitted = 0;
    double sum = 0;
    for (const CtcSymbol& symbol : symbols) {
        if (symbol.classIndex == classes - 1)
            line.text += QLatin1Char(' ');
        else if (symbol.classIndex - 1 < dictionary.size())
            line.text += dictionary.at(symbol.classIndex - 1);
        else
            continue;
        ++emitted;
        sum += symbol.probability;
    }
    line.score = emitted > 0 ? float(sum / emitted) : 0.0f;
    return line;
}

OcrLine decodeCtc(const float* probabilities, int steps, int classes, const QStringList& dictionary)
{
    return lineFromSymbols(ctcSymbols(probabilities, steps, classes), classes, dictionary);
}

bool isWideScriptCharacter(char32_t c)
{
    switch (QChar::script(c)) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
    case QChar::Script_Bopomofo:
        return true;
    default:
        break;
    }
    return (c >= 0x3000 && c <= 0x303F) || (c >= 0xFF01 && c <= 0xFF60);
}

double squeezeForPage(const QList<OcrLine>& natural, const QList<int>& widths, int lineHeight,
                      double pitch, double minimum)
{
    constexpr double WideShare = 0.9; // a page of a wide script, with a few narrow characters
    int wide = 0;
    int counted = 0;
    double densest = 0; // fewest line heights per character
    for (qsizetype i = 0; i < natural.size() && i < widths.size(); ++i) {
        const QString& text = natural.at(i).text;
        if (text.isEmpty())
            continue;
        for (char32_t c : text.toUcs4()) {
            if (QChar::isSpace(c))
                continue;
            ++counted;
            wide += isWideScriptCharacter(c) ? 1 : 0;
        }
        const double perCharacter = double(widths.at(i)) / lineHeight / text.size();
        densest = densest > 0 ? std::min(densest, perCharacter) : perCharacter;
    }
    if (counted == 0 || wide < WideShare * counted || densest <= pitch)
        return 1.0;
    return std::max(minimum, pitch / densest);
}

bool needsNaturalWidth(const OcrLine& squeezed)
{
    constexpr float Certain = 0.9f;
    if (squeezed.text.trimmed().isEmpty())
        return false; // nothing to read either way
    if (squeezed.score < Certain)
        return true;
    for (char32_t c : squeezed.text.toUcs4()) {
        if (QChar::isLetterOrNumber(c) && !isWideScriptCharacter(c))
            return true;
    }
    return false;
}

bool holdsWideScript(const QList<OcrLine>& lines)
{
    // A character misread in a wide form (a full-width bracket in a line of code) does not make
    // a page of narrow letters one of a wide script; a line of CJK among three lines does.
    constexpr int Share = 10;
    int wide = 0;
    int counted = 0;
    for (const OcrLine& line : lines) {
        for (char32_t c : line.text.toUcs4()) {
            if (QChar::isSpace(c))
                continue;
            ++counted;
            wide += isWideScriptCharacter(c) ? 1 : 0;
        }
    }
    return counted == 0 || wide * Share >= counted;
}

bool readInLatin(const OcrLine& line)
{
    constexpr float Certain = 0.9f;
    if (line.score < Certain || line.text.trimmed().isEmpty())
        return false;
    // Read from fewer rows, an o after a letter may come out as a digit 0 ("s0"); a zero that
    // is one reads the same again.
    for (qsizetype i = 1; i < line.text.size(); ++i) {
        if (line.text.at(i) == QLatin1Char('0') && line.text.at(i - 1).isLetter())
            return false;
    }
    return true;
}

QStringList parseDictionary(const QByteArray& utf8)
{
    return QString::fromUtf8(utf8).split(QLatin1Char('\n'), Qt::KeepEmptyParts);
}

} // namespace dovrix
