#pragma once

#include <QList>
#include <QRectF>

namespace dovrix {

// One character as the geometry engine extracted it: its code point and its box in page space
// (points of the unrotated page, origin top-left, y down: the space of the page text's
// selections). The box spans the glyph's advance and a band around the baseline proportional to
// the font size, so the characters of one line form one even band.
struct EngineChar
{
    char32_t codePoint = 0;
    QRectF box;
};

} // namespace dovrix
