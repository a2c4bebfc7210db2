#include "text/SearchNormalize.h"

#include <array>

namespace dovrix {

namespace {

struct RadicalMapping
{
    char32_t radical;
    char32_t ideograph;
};

#include "RadicalTable.inc"

constexpr char32_t kRadicalFirst = 0x2E80;
constexpr char32_t kRadicalLast = 0x2FDF;

// Radical code point − kRadicalFirst → ideograph (0: none). Indexed directly, so the order of the
// generated table does not matter.
const std::array<char32_t, kRadicalLast - kRadicalFirst + 1>& radicalIndex()
{
    static const auto index = [] {
        std::array<char32_t, kRadicalLast - kRadicalFirst + 1> table{};
        for (const RadicalMapping& m : kRadicalTable) {
            if (m.radical >= kRadicalFirst && m.radical <= kRadicalLast)
                table[m.radical - kRadicalFirst] = m.ideograph;
        }
        return table;
    }();
    return index;
}

// Vowel and reading marks of Arabic and Hebrew, and the Arabic elongation stroke: most text is
// written without them, so a word is found whether it carries them or not.
inline bool isVowelMark(char16_t u)
{
    if (u == 0x0640 || u == 0x0670 || (u >= 0x064B && u <= 0x065F))
        return true;
    return ((u >= 0x0591 && u <= 0x05C7) || (u >= 0x06D6 && u <= 0x06ED))
           && QChar::category(char32_t(u)) == QChar::Mark_NonSpacing;
}

// Characters that never keep a word from matching: soft hyphen, zero-width space, non-joiner and
// joiner, zero-width no-break space, U+FFFE, which the PDF engine leaves where a word was
// hyphenated at the end of a line, and vowel marks.
inline bool isDropped(char16_t u)
{
    return u == 0x00AD || u == 0x200B || u == 0x200C || u == 0x200D || u == 0xFEFF || u == 0xFFFE
           || isVowelMark(u);
}

void appendKept(const QString& folded, QString& out)
{
    for (const QChar c : folded) {
        if (!isDropped(c.unicode()))
            out.append(c);
    }
}

} // namespace

char32_t radicalEquivalent(char32_t radical)
{
    if (radical < kRadicalFirst || radical > kRadicalLast)
        return 0;
    return radicalIndex()[radical - kRadicalFirst];
}

void foldCodeUnitSlow(char16_t unit, bool foldCase, QString& out)
{
    if (const char32_t ideograph = radicalEquivalent(unit)) {
        const char32_t cp[] = {ideograph};
        appendKept(QString::fromUcs4(cp, 1), out);
        return;
    }
    QString s = QString(QChar(unit)).normalized(QString::NormalizationForm_KC);
    if (foldCase)
        s = s.toLower();
    appendKept(s, out);
}

void foldCodeUnit(char16_t unit, bool foldCase, QString& out)
{
    // Fast path: most code units fold to themselves (or, for ASCII capitals, to one lower-case
    // letter). The general path costs a string allocation and a normalisation per unit; the
    // results are the same (checked over every code unit by the tests).
    if (unit < 0x80) {
        if (foldCase && unit >= u'A' && unit <= u'Z')
            unit = char16_t(unit + (u'a' - u'A'));
        out.append(QChar(unit));
        return;
    }
    if (isDropped(unit))
        return;
    if (!QChar::isSurrogate(unit) && (unit < kRadicalFirst || unit > kRadicalLast)
        && QChar::decompositionTag(unit) == QChar::NoDecomposition
        && (!foldCase || QChar::toLower(char32_t(unit)) == unit)) {
        out.append(QChar(unit));
        return;
    }
    foldCodeUnitSlow(unit, foldCase, out);
}

NormalizedText normalizeForSearch(const QString& text, bool foldCase)
{
    NormalizedText result;
    const qsizetype n = text.size();
    result.text.reserve(n);
    result.sourceIndex.reserve(n);
    const char16_t* data = reinterpret_cast<const char16_t*>(text.utf16());
    for (qsizetype i = 0; i < n; ++i) {
        const qsizetype before = result.text.size();
        foldCodeUnit(data[i], foldCase, result.text);
        for (qsizetype k = before; k < result.text.size(); ++k)
            result.sourceIndex.append(int(i));
    }
    return result;
}

} // namespace dovrix
