#pragma once

#include <QString>

namespace dovrix {

// Theme indices as stored in currentTheme(); the settings file keeps the palette's id string.
enum ThemeId : int {
    ThemeLight = 0,
    ThemePaper = 1,
    ThemeDark = 2,
    ThemeMidnight = 3,
    ThemeHighContrast = 4,
};

// One theme: its id and fourteen colours, each "#RRGGBB" with upper-case hex digits.
struct ThemePalette
{
    QString id;
    QString bg;        // %BG: window and dialog background
    QString panel;     // %PANEL: panels, lists, inputs, menus, status bar
    QString panel2;    // %PANEL2: secondary surfaces; page placeholder fill
    QString textColor; // %TEXT
    QString muted;     // %MUTED: secondary and disabled text
    QString line;      // %LINE: borders, separators; page placeholder pattern
    QString brand;     // %BRAND: primary buttons
    QString brand2;    // %BRAND2: primary buttons on hover
    QString onBrand;   // %ONBRAND: text on the brand colour
    QString accent;    // %ACCENT: focus borders, selected tab, annotation card accent
    QString selection; // %SEL: selection, pressed and checked backgrounds
    QString success;   // read by code only (document badge)
    QString warning;   // read by code only (notice labels)
    QString viewport;  // %VIEWPORT: page view background around the pages
};

// "paper" 1, "dark" 2, "midnight" 3, "hc" 4; anything else (also "light", "", "Dark") 0.
int themeIndexFromId(const QString& id);

// Whether a theme paints light text on dark surfaces (dark, midnight, high contrast).
bool isDarkTheme(int index);

// The palette of a theme; an index outside 1..4 gives the light palette.
ThemePalette themePalette(int index);

// The process-wide applied theme index (starts at 0). Set by the main window's applyTheme; read by
// painting code so that widgets created later use the current colours.
int currentTheme();
void setCurrentTheme(int index);

// The application style sheet filled with the palette's colours.
QString buildStyleSheet(const ThemePalette& palette);

} // namespace dovrix
