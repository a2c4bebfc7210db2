#include "geometry/CharAlignment.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace dovrix {

namespace {

// Gaps between anchors are aligned by longest common subsequence up to this many cells; larger
// gaps are walked greedily.
constexpr qsizetype kMaxGapCells = 250000;
// Anchor lengths, longest first: a long run is unique where a short one is not.
constexpr int kAnchorLengths[] = {12, 6, 3};

// One compared code point and where it came from: a code unit range of the page text, or an
// engine character.
struct Element
{
    char32_t cp = 0;
    int source = 0; // first code unit in the page text, or the engine character's index
    int units = 1;  // code units of the page text it stands for
};

class Normaliser
{
public:
    const QList<char32_t>& operator()(char32_t c)
    {
        const auto it = cache.constFind(c);
        if (it != cache.constEnd())
            return it.value();
        return *cache.insert(c, comparableForm(c));
    }

private:
    QHash<char32_t, QList<char32_t>> cache;
};

// The page text's elements; compared marks the code units that take part.
std::vector<Element> textElements(const QString& text, Normaliser& normalise,
                                  std::vector<bool>& compared)
{
    std::vector<Element> out;
    out.reserve(size_t(text.size()));
    compared.assign(size_t(text.size()), false);
    for (int i = 0; i < text.size();) {
        char32_t cp = text.at(i).unicode();
        int units = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size()
            && text.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            units = 2;
        }
        const QList<char32_t>& form = normalise(cp);
        for (int u = 0; u < units && !form.isEmpty(); ++u)
            compared[size_t(i + u)] = true;
        for (const char32_t c : form)
            out.push_back(Element{c, i, units});
        i += units;
    }
    return out;
}

std::vector<Element> engineElements(const QList<EngineChar>& chars, Normaliser& normalise)
{
    std::vector<Element> out;
    out.reserve(size_t(chars.size()));
    for (int j = 0; j < chars.size(); ++j) {
        if (!chars.at(j).box.isValid())
            continue;
        for (const char32_t c : normalise(chars.at(j).codePoint))
            out.push_back(Element{c, j, 1});
    }
    return out;
}

struct Matcher
{
    const std::vector<Element>& a;
    const std::vector<Element>& b;
    std::vector<int> aToB;
    std::vector<int> bToA;
    // Pairs the geometry check has refused: never linked again.
    std::unordered_set<quint64> refused;

    Matcher(const std::vector<Element>& text, const std::vector<Element>& engine)
        : a(text), b(engine), aToB(text.size(), -1), bToA(engine.size(), -1)
    {
    }

    bool freePair(size_t i, size_t j) const
    {
        return i < a.size() && j < b.size() && aToB[i] < 0 && bToA[j] < 0 && a[i].cp == b[j].cp
               && !refused.count(pairKey(i, j));
    }

    static quint64 pairKey(size_t i, size_t j) { return (quint64(i) << 32) | quint64(j); }

    void link(size_t i, size_t j)
    {
        aToB[i] = int(j);
        bToA[j] = int(i);
    }

    void refuse(size_t i)
    {
        const int j = aToB[i];
        refused.insert(pairKey(i, size_t(j)));
        bToA[size_t(j)] = -1;
        aToB[i] = -1;
    }

    // Runs of k unmatched code points that occur exactly once among the unmatched runs of each
    // side are matched.
    void anchor(int k)
    {
        struct Seen
        {
            int countA = 0, countB = 0;
            size_t posA = 0, posB = 0;
        };
        std::unordered_map<quint64, Seen> runs;
        const auto scan = [&](const std::vector<Element>& side, const std::vector<int>& matched,
                              bool isA) {
            quint64 hash = 0;
            int length = 0;
            constexpr quint64 base = 1000003;
            quint64 power = 1;
            for (int p = 1; p < k; ++p)
                power *= base;
            for (size_t i = 0; i < side.size(); ++i) {
                if (matched[i] >= 0) {
                    hash = 0;
                    length = 0;
                    continue;
                }
                if (length == k) {
                    hash -= power * side[i - size_t(k)].cp;
                    --length;
                }
                hash = hash * base + side[i].cp;
                if (++length < k)
                    continue;
                Seen& s = runs[hash];
                const size_t start = i + 1 - size_t(k);
                if (isA) {
                    ++s.countA;
                    s.posA = start;
                } else {
                    ++s.countB;
                    s.posB = start;
                }
            }
        };
        scan(a, aToB, true);
        scan(b, bToA, false);
        for (const auto& [hash, s] : runs) {
            if (s.countA != 1 || s.countB != 1)
                continue;
            bool same = true;
            for (int d = 0; d < k && same; ++d)
                same = freePair(s.posA + size_t(d), s.posB + size_t(d));
            if (!same)
                continue; // a hash collision
            for (int d = 0; d < k; ++d)
                link(s.posA + size_t(d), s.posB + size_t(d));
        }
    }

    // Grows every match along equal neighbours on both sides.
    void extend()
    {
        for (size_t i = 0; i + 1 < a.size(); ++i) {
            if (aToB[i] >= 0 && freePair(i + 1, size_t(aToB[i]) + 1))
                link(i + 1, size_t(aToB[i]) + 1);
        }
        for (size_t i = a.size(); i-- > 1;) {
            if (aToB[i] >= 0 && aToB[i] > 0 && freePair(i - 1, size_t(aToB[i]) - 1))
                link(i - 1, size_t(aToB[i]) - 1);
        }
    }

    // Each run of unmatched text elements is aligned with the unmatched engine elements between
    // the engine positions of its matched neighbours, when those come in the same order.
    void fillGaps()
    {
        size_t i = 0;
        while (i < a.size()) {
            if (aToB[i] >= 0) {
                ++i;
                continue;
            }
            size_t end = i;
            while (end < a.size() && aToB[end] < 0)
                ++end;
            const int lo = i > 0 ? aToB[i - 1] : -1;
            const int hi = end < a.size() ? aToB[end] : int(b.size());
            if (lo < hi)
                alignGap(i, end, size_t(lo + 1), size_t(hi));
            i = end;
        }
    }

    void alignGap(size_t a0, size_t a1, size_t b0, size_t b1)
    {
        std::vector<size_t> freeB;
        for (size_t j = b0; j < b1; ++j) {
            if (bToA[j] < 0)
                freeB.push_back(j);
        }
        const size_t n = a1 - a0, m = freeB.size();
        if (n == 0 || m == 0)
            return;
        if (qsizetype(n) * qsizetype(m) > kMaxGapCells) {
            size_t q = 0;
            for (size_t i = a0; i < a1 && q < m; ++i) {
                for (size_t look = q; look < m && look < q + 8; ++look) {
                    if (a[i].cp == b[freeB[look]].cp) {
                        link(i, freeB[look]);
                        q = look + 1;
                        break;
                    }
                }
            }
            return;
        }
        // Longest common subsequence, suffix table.
        std::vector<int> len((n + 1) * (m + 1), 0);
        const auto at = [&](size_t x, size_t y) -> int& { return len[x * (m + 1) + y]; };
        for (size_t x = n; x-- > 0;) {
            for (size_t y = m; y-- > 0;) {
                at(x, y) = a[a0 + x].cp == b[freeB[y]].cp ? at(x + 1, y + 1) + 1
                                                          : std::max(at(x + 1, y), at(x, y + 1));
            }
        }
        size_t x = 0, y = 0;
        while (x < n && y < m) {
            if (a[a0 + x].cp == b[freeB[y]].cp) {
                link(a0 + x, freeB[y]);
                ++x;
                ++y;
            } else if (at(x + 1, y) >= at(x, y + 1)) {
                ++x;
            } else {
                ++y;
            }
        }
    }
};

bool onSameLine(const QRectF& r, const QRectF& s)
{
    return std::abs(r.center().y() - s.center().y()) <= 0.6 * std::max(r.height(), s.height());
}

} // namespace

QList<char32_t> comparableForm(char32_t c)
{
    if (c == 0 || c == 0xFEFF || c == 0xFFFD || QChar::isSpace(c))
        return {};
    if (c == 0x0002 || c == 0xFFFE || c == 0x00AD || c == 0x2010 || c == 0x2011)
        return {U'-'};
    if (c < 0x80)
        return {c};
    QList<char32_t> form;
    const QString normal = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KC);
    for (const char32_t n : normal.toUcs4()) {
        if (!QChar::isSpace(n))
            form.append(n);
    }
    return form;
}

CharAlignment alignChars(const QString& pageText, const QList<EngineChar>& chars)
{
    CharAlignment result;
    result.boxes = QList<QRectF>(pageText.size());
    Normaliser normalise;
    std::vector<bool> compared;
    const std::vector<Element> a = textElements(pageText, normalise, compared);
    const std::vector<Element> b = engineElements(chars, normalise);

    Matcher matcher(a, b);
    for (const int k : kAnchorLengths) {
        matcher.anchor(k);
        matcher.extend();
    }
    matcher.fillGaps();
    matcher.extend();

    // The geometry check: a matched character lies on the line of the matched character before
    // or after it in the text, or follows or precedes its neighbour in both texts (a line of
    // one character, such as an index letter, matched with the break on either side); and it
    // agrees with at least one matched neighbour of its own word. Spaces take no part in the
    // comparison, so a run can cross from one column into the other where the two texts order
    // the columns differently; the word test catches a letter that went to the other column.
    // Refused pairs are unlinked and the gaps filled again, a few rounds at most.
    const auto boxOf = [&](size_t i) { return chars.at(b[size_t(matcher.aToB[i])].source).box; };
    const auto sameWord = [&](size_t i) { // elements i and i + 1
        return a[i + 1].source == a[i].source || a[i + 1].source == a[i].source + a[i].units;
    };
    // Two matched neighbours of one word agree when they follow each other in the engine's order
    // too, or sit side by side on one line.
    const auto agree = [&](size_t i, size_t n) {
        if (matcher.aToB[n] - matcher.aToB[i] == int(n) - int(i))
            return true;
        const QRectF r = boxOf(i), s = boxOf(n);
        const double reach = 2.0 * std::max({r.width(), r.height(), s.width(), s.height()});
        return onSameLine(r, s) && std::abs(r.center().x() - s.center().x()) <= reach;
    };
    std::vector<size_t> order;
    std::vector<bool> keep;
    for (int round = 0; round < 3; ++round) {
        order.clear();
        for (size_t i = 0; i < a.size(); ++i) {
            if (matcher.aToB[i] >= 0)
                order.push_back(i);
        }
        keep.assign(order.size(), true);
        bool refusedAny = false;
        for (size_t k = 0; k < order.size(); ++k) {
            const size_t i = order[k];
            const QRectF box = boxOf(i);
            bool wordNeighbour = false, agreeingNeighbour = false;
            if (i > 0 && matcher.aToB[i - 1] >= 0 && sameWord(i - 1)) {
                wordNeighbour = true;
                agreeingNeighbour = agree(i, i - 1);
            }
            if (i + 1 < a.size() && matcher.aToB[i + 1] >= 0 && sameWord(i)) {
                wordNeighbour = true;
                agreeingNeighbour = agreeingNeighbour || agree(i, i + 1);
            }
            const bool hasPrevious = k > 0, hasNext = k + 1 < order.size();
            const int j = matcher.aToB[i];
            const bool chained = (i > 0 && matcher.aToB[i - 1] >= 0 && matcher.aToB[i - 1] == j - 1)
                                 || (i + 1 < a.size() && matcher.aToB[i + 1] == j + 1);
            const bool onLine = (!hasPrevious && !hasNext) || chained
                                || (hasPrevious && onSameLine(box, boxOf(order[k - 1])))
                                || (hasNext && onSameLine(box, boxOf(order[k + 1])));
            keep[k] = onLine && (!wordNeighbour || agreeingNeighbour);
            refusedAny = refusedAny || !keep[k];
        }
        if (!refusedAny || round == 2)
            break;
        for (size_t k = 0; k < order.size(); ++k) {
            if (!keep[k])
                matcher.refuse(order[k]);
        }
        matcher.fillGaps();
        matcher.extend();
    }

    for (size_t k = 0; k < order.size(); ++k) {
        if (!keep[k])
            continue;
        const Element& e = a[order[k]];
        const QRectF box = boxOf(order[k]);
        QRectF& target = result.boxes[e.source];
        target = target.isNull() ? box : target.united(box);
        if (e.units == 2)
            result.boxes[e.source + 1] = target;
    }
    for (int i = 0; i < pageText.size(); ++i) {
        if (!compared[size_t(i)])
            continue;
        ++result.comparable;
        if (!result.boxes.at(i).isNull())
            ++result.matched;
    }
    return result;
}

} // namespace dovrix
