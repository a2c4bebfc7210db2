#pragma once

#include <QString>
#include <QtGlobal>

class QCoreApplication;

namespace dovrix {

// Theme indices as stored in currentTheme(); the settings file keeps the theme's id string. A new
// theme is one enumerator here and one row in themes below (plus its menu text in the catalogues).
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

// A theme's row: what the settings store, what the menu shows and the palette's colours in
// ThemePalette's field order (bg first, viewport last).
struct ThemeInfo
{
    ThemeId theme;
    const char* id;    // stored as the theme setting; never translated
    const char* label; // the theme menu's text (MainWindow's context)
    bool dark;        // light text on dark surfaces (page colours that follow the theme turn night)
    bool startsGroup; // the menu puts a separator before it
    const char* colours[14];
};

// Every theme once, in menu order; the first row is the fallback for unknown ids and indices.
inline constexpr ThemeInfo themes[] = {
    {ThemeLight,
     "light",
     QT_TRANSLATE_NOOP("dovrix::MainWindow", "浅色"),
     false,
     false,
     {"#F6F7F9", "#FFFFFF", "#EEF1F5", "#1F2430", "#667085", "#D7DDE6", "#2F6FED", "#1F4FD8",
      "#FFFFFF", "#2F6FED", "#DBE7FF", "#14804A", "#B54708", "#565B66"}},
    {ThemePaper,
     "paper",
     QT_TRANSLATE_NOOP("dovrix::MainWindow", "纸感"),
     false,
     false,
     {"#EFE7D8", "#FBF6EB", "#F1E9D8", "#3B3226", "#7C6C55", "#DACBB0", "#A85B25", "#8F4B1C",
      "#FFFFFF", "#8F4B1C", "#E9D9B8", "#2F7A46", "#9A5B0A", "#C3B295"}},
    {ThemeDark,
     "dark",
     QT_TRANSLATE_NOOP("dovrix::MainWindow", "深色"),
     true,
     true,
     {"#0F1218", "#161B23", "#1E242E", "#E7EAF0", "#929CAD", "#2A313C", "#2F6FED", "#4C82FF",
      "#FFFFFF", "#7FA9FF", "#24365F", "#3FCF8E", "#FDB022", "#0A0C10"}},
    {ThemeMidnight,
     "midnight",
     QT_TRANSLATE_NOOP("dovrix::MainWindow", "午夜"),
     true,
     false,
     {"#141126", "#1B1830", "#242041", "#ECEAF6", "#A49EC4", "#342E56", "#6D4FE8", "#8465FF",
      "#FFFFFF", "#A793FF", "#34295F", "#34D399", "#FBBF24", "#0D0B1A"}},
    {ThemeHighContrast,
     "hc",
     QT_TRANSLATE_NOOP("dovrix::MainWindow", "高对比"),
     true,
     true,
     {"#000000", "#000000", "#2E2E2E", "#FFFFFF", "#E6E6E6", "#FFFFFF", "#FFD600", "#FFE866",
      "#000000", "#FFD600", "#0057B8", "#00E676", "#FFC400", "#101010"}},
};

// The row of a theme index; an index without a row gets the first (light) row.
const ThemeInfo& themeInfo(int index);

// The index of a stored id, compared exactly ("Dark" and "" are unknown); unknown ids give light.
int themeIndexFromId(const QString& id);

// Whether a theme paints light text on dark surfaces (dark, midnight, high contrast).
bool isDarkTheme(int index);

// The palette of a theme; an index without a row gives the light palette.
ThemePalette themePalette(int index);

// The theme applied to the application. The main window's applyTheme records the index on the
// application object next to the style sheet it sets there, and painting code reads it back so
// that widgets created later use the current colours. Light while none was applied, or without an
// application.
int currentTheme();
void recordAppliedTheme(QCoreApplication& application, int index);

// The application style sheet filled with the palette's colours.
QString buildStyleSheet(const ThemePalette& palette);

} // namespace dovrix
