#pragma once

#include "geometry/EngineChar.h"
#include "geometry/GeometryExport.h"

#include <QList>
#include <QRectF>
#include <QString>

// Matching the characters a geometry engine extracted to the page text of another engine. Pure
// functions of their inputs.
namespace dovrix {

struct CharAlignment
{
    QList<QRectF> boxes; // one per UTF-16 code unit of the page text; null where not matched
    int matched = 0;     // comparable code units that got a box
    int comparable = 0;  // code units that take part in the comparison
};

// The code points a character is compared as: none for whitespace, U+0000, U+FEFF and U+FFFD;
// "-" for the line-break and soft hyphens (U+0002, U+FFFE, U+00AD, U+2010, U+2011); otherwise
// its compatibility decomposition (NFKC), so a ligature stands for its letters.
DOVRIX_GEOMETRY_EXPORT QList<char32_t> comparableForm(char32_t codePoint);

// Gives each code unit of pageText the box of the engine character it matches. Both texts are
// compared in comparable form; runs of characters that occur once in each anchor the match,
// the gaps between anchors are filled in order, and a match whose box lies off the line of both
// its matched neighbours in the text is dropped. A code unit standing for several compared code
// points (a ligature) gets the union of their boxes; both halves of a surrogate pair get the
// same box; several code units matched to one engine glyph (a ligature glyph) share its box.
DOVRIX_GEOMETRY_EXPORT CharAlignment alignChars(const QString& pageText,
                                                const QList<EngineChar>& chars);

} // namespace dovrix
