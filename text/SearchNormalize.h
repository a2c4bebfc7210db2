#pragma once

#include <QList>
#include <QString>

namespace dovrix {

// A text folded for matching, with the way back to the source.
struct NormalizedText
{
    QString text;
    QList<int> sourceIndex; // per code unit of text: the source code unit it came from
};

// Folds each UTF-16 code unit of text on its own: a CJK radical becomes its equivalent unified
// ideograph, anything else takes its compatibility composition (NFKC); then, with foldCase, lower
// case. Invisible characters (soft hyphen, zero-width space/joiners, BOM), the line-break
// marker U+FFFE that the PDF engine puts where a word was hyphenated, and the vowel marks of
// Arabic and Hebrew (with the Arabic elongation stroke) are dropped, so they never keep a word
// from matching. Whitespace passes unchanged. Pure; safe on any thread.
NormalizedText normalizeForSearch(const QString& text, bool foldCase);

// The folding of one code unit, appended to out (nothing for a dropped unit). Exposed so that
// tests can compare the fast path with the general one over every code unit.
void foldCodeUnit(char16_t unit, bool foldCase, QString& out);
// The general path alone (no shortcut), for the same comparison.
void foldCodeUnitSlow(char16_t unit, bool foldCase, QString& out);

// The equivalent unified ideograph of a CJK radical (U+2E80 to U+2FDF), or 0 when it has none.
char32_t radicalEquivalent(char32_t radical);

} // namespace dovrix
