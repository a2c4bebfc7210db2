#include "text/TextAnchor.h"

#include "text/SearchNormalize.h"

#include <cmath>
#include <limits>

namespace dovrix {

namespace {

bool isHyphen(QChar c)
{
    return c == u'-' || c == QChar(0x2010) || c == QChar(0x2011);
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar(0x2028);
}

// The characters that carry the words: folded as search folds them, without whitespace,
// combining marks and hyphens that end a line (one engine keeps such a hyphen, the other puts a
// marker there that folding drops).
NormalizedText skeletonOf(const QString& text)
{
    const NormalizedText folded = normalizeForSearch(text, true);
    const QString& t = folded.text;
    NormalizedText out;
    out.text.reserve(t.size());
    out.sourceIndex.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c.isSpace() || c.isMark())
            continue;
        if (isHyphen(c)) {
            qsizetype j = i + 1;
            while (j < t.size() && t.at(j).isSpace() && !isLineBreak(t.at(j)))
                ++j;
            if (j < t.size() && isLineBreak(t.at(j)))
                continue;
        }
        out.text.append(c);
        out.sourceIndex.append(folded.sourceIndex.at(i));
    }
    return out;
}

QRectF unitedValid(const QList<QRectF>& boxes, int from, int to)
{
    QRectF united;
    for (int i = std::max(from, 0); i <= to && i < boxes.size(); ++i) {
        if (boxes.at(i).isValid())
            united = united.isNull() ? boxes.at(i) : united.united(boxes.at(i));
    }
    return united;
}

double distance(const QPointF& a, const QPointF& b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

AnchorMatch byArea(const QRectF& rect, const QList<QRectF>& boxes, int textLength)
{
    AnchorMatch match;
    if (!(rect.width() > 0 && rect.height() > 0))
        return match;
    int first = -1;
    int last = -1;
    const int n = std::min(int(boxes.size()), textLength);
    for (int i = 0; i < n; ++i) {
        const QRectF& box = boxes.at(i);
        if (box.isValid() && rect.contains(box.center())) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return match;
    return {AnchorMatch::By::Area, first, last - first + 1};
}

} // namespace

AnchorMatch findAnchor(const QString& quote, const QRectF& rect, const QString& pageText,
                       const QList<QRectF>& boxes)
{
    const QString wanted = skeletonOf(quote).text;
    if (!wanted.isEmpty()) {
        const NormalizedText page = skeletonOf(pageText);
        AnchorMatch best;
        double bestDistance = std::numeric_limits<double>::infinity();
        for (qsizetype at = page.text.indexOf(wanted); at >= 0;
             at = page.text.indexOf(wanted, at + 1)) {
            const int start = page.sourceIndex.at(at);
            int end = page.sourceIndex.at(at + wanted.size() - 1);
            if (end + 1 < pageText.size() && pageText.at(end).isHighSurrogate())
                ++end;
            const QRectF united = unitedValid(boxes, start, end);
            const double d = rect.isNull() || united.isNull()
                                 ? std::numeric_limits<double>::max()
                                 : distance(united.center(), rect.center());
            if (best.by == AnchorMatch::By::Nothing || d < bestDistance) {
                best = {AnchorMatch::By::Words, start, end - start + 1};
                bestDistance = d;
            }
        }
        if (best.by != AnchorMatch::By::Nothing)
            return best;
    }
    return byArea(rect, boxes, int(pageText.size()));
}

} // namespace dovrix
