#pragma once

#include <QImage>
#include <QString>

namespace dovrix {

// How page images are coloured on screen. Only the page view and the thumbnails apply it (through
// their render caches); exports, prints and OCR always see the document's own colours.
enum class PageColours : int {
    Normal = 0,
    Night = 1,       // lightness inverted, hue and saturation kept: dark paper, light ink
    Sepia = 2,       // warm paper and brown ink
    FollowTheme = 3, // night with a dark window theme, else normal
};

// The settings id of a choice ("normal", "night", "sepia", "theme") and back; unknown ids give
// Normal.
QString pageColoursId(PageColours colours);
PageColours pageColoursFromId(const QString& id);
// The colours actually applied: FollowTheme becomes Night or Normal.
PageColours effectivePageColours(PageColours colours, bool darkTheme);

// Recolours one pixel (straight, not premultiplied, alpha untouched). Night maps each channel c
// to c + 255 - max - min, which turns the HSL lightness L into 1 - L and keeps hue and chroma,
// then softens the range so that paper is not pure black and ink not pure white.
QRgb pageColourOf(QRgb pixel, PageColours colours);
// Recolours a whole image in place (any format; kept as it is when it is 32-bit). Normal and
// FollowTheme leave it untouched. Runs on whichever thread owns the image (the worker for the
// render caches).
void applyPageColours(QImage& image, PageColours colours);

} // namespace dovrix
