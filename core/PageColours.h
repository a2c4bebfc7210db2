#pragma once

#include <QImage>
#include <QString>
#include <QtGlobal>

#include <iterator>

namespace dovrix {

// How page images are coloured on screen. Only the page view and the thumbnails apply it (through
// their render caches); exports, prints and OCR always see the document's own colours. Settings
// and kept views store a choice by its id (pageColoursId), never by value. A new choice is one
// enumerator here, one row in pageColourModes below and, when it recolours, its pixel mapping.
enum class PageColours : int {
    Normal = 0,
    Night = 1,       // lightness inverted, hue and saturation kept: dark paper, light ink
    Sepia = 2,       // warm paper and brown ink
    FollowTheme = 3, // night with a dark window theme, else normal
};

// Night maps each channel c to c + 255 - max - min, which turns the HSL lightness L into 1 - L and
// keeps hue and chroma, then softens the range so that paper is not pure black and ink not pure
// white. Pixels are straight (not premultiplied); alpha is untouched.
QRgb nightPixel(QRgb pixel);
// White paper becomes warm paper, black ink brown, channel by channel.
QRgb sepiaPixel(QRgb pixel);

struct PageColoursInfo
{
    PageColours colours;
    const char* id;    // stored in the settings and with a document's view; never translated
    const char* label; // the menu's text (MainWindow's context)
    // The choice applied under a light and under a dark window theme (the choice itself unless it
    // follows the theme).
    PageColours onLight;
    PageColours onDark;
    QRgb (*recolour)(QRgb); // one pixel; null leaves the page's colours as they are
    bool darkPaper;         // paper comes out dark (annotations are drawn to suit)
};

// Every choice once, in the order of the menu and of the cycling command.
inline constexpr PageColoursInfo pageColourModes[] = {
    {PageColours::Normal, "normal", QT_TRANSLATE_NOOP("dovrix::MainWindow", "正常"),
     PageColours::Normal, PageColours::Normal, nullptr, false},
    {PageColours::Night, "night", QT_TRANSLATE_NOOP("dovrix::MainWindow", "夜间"),
     PageColours::Night, PageColours::Night, &nightPixel, true},
    {PageColours::Sepia, "sepia", QT_TRANSLATE_NOOP("dovrix::MainWindow", "棕褐"),
     PageColours::Sepia, PageColours::Sepia, &sepiaPixel, false},
    {PageColours::FollowTheme, "theme", QT_TRANSLATE_NOOP("dovrix::MainWindow", "跟随主题"),
     PageColours::Normal, PageColours::Night, nullptr, false},
};

constexpr int PageColourModeCount = int(std::size(pageColourModes));

// The row of a choice; a value without a row gets the first (normal) row.
const PageColoursInfo& pageColoursInfo(PageColours colours);
// The choice after this one in menu order, back to the first after the last.
PageColours nextPageColours(PageColours colours);

// The settings id of a choice ("normal", "night", "sepia", "theme") and back; unknown ids give
// Normal.
QString pageColoursId(PageColours colours);
PageColours pageColoursFromId(const QString& id);
// The colours actually applied: FollowTheme becomes Night or Normal.
PageColours effectivePageColours(PageColours colours, bool darkTheme);

// Recolours one pixel (straight, not premultiplied, alpha untouched) with the choice's mapping.
QRgb pageColourOf(QRgb pixel, PageColours colours);
// Recolours a whole image in place (any format; kept as it is when it is 32-bit). A choice
// without a mapping (normal, or one not resolved by effectivePageColours) leaves it untouched. Runs
// on whichever thread owns the image (the worker for the render caches).
void applyPageColours(QImage& image, PageColours colours);

} // namespace dovrix
