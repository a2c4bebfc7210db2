#include "theme/ThemePalette.h"

#include <QCoreApplication>
#include <QVariant>

namespace dovrix {

namespace {

// The application property that holds the applied theme index.
constexpr char appliedThemeProperty[] = "dovrixAppliedTheme";

// One line, rules back to back. Pseudo-state rules follow their base rule.
const char styleTemplate[] =
    "*{font-size:13px;color:%TEXT;}"
    "*:disabled{color:%MUTED;}"
    "QMainWindow,QDialog{background:%BG;}"
    "QMainWindow::separator{width:1px;background:%LINE;}"
    "QToolBar{background:qlineargradient(x1:0,y1:0,x2:0,y2:1,stop:0 %PANEL,stop:1 %PANEL2);"
    "border:0;border-bottom:1px solid %LINE;spacing:4px;padding:4px 8px;}"
    "QToolButton{height:30px;padding:0 8px;border-radius:7px;border:1px solid transparent;"
    "background:transparent;}"
    "QToolButton:hover{background:%PANEL2;}"
    "QToolButton:pressed{background:%SEL;}"
    "QToolButton:checked{background:%SEL;border-color:%LINE;}"
    "QToolButton:disabled{color:%MUTED;}"
    "QToolButton#primary{background:%BRAND;color:%ONBRAND;border-color:transparent;}"
    "QToolButton#primary:hover{background:%BRAND2;}"
    "QToolButton#primary:disabled{background:%PANEL2;color:%MUTED;}"
    // The toolbar's overflow button is narrow: the buttons' padding would leave its arrow no room.
    "QToolBarExtension{padding:0;}"
    "QPushButton{background:%PANEL2;border:1px solid %LINE;border-radius:7px;padding:0 14px;"
    "min-height:28px;}"
    "QPushButton:hover{background:%LINE;}"
    "QPushButton:pressed{background:%SEL;}"
    "QPushButton:disabled{color:%MUTED;background:%PANEL;}"
    "QPushButton:checked{background:%BRAND;color:%ONBRAND;border-color:transparent;}"
    "QPushButton:checked:hover{background:%BRAND2;}"
    "QPushButton:checked:disabled{background:%PANEL2;color:%MUTED;}"
    "QPushButton:default{background:%BRAND;color:%ONBRAND;border-color:transparent;}"
    "QPushButton:default:hover{background:%BRAND2;}"
    "QPushButton#primary{background:%BRAND;color:%ONBRAND;border-color:transparent;"
    "border-radius:7px;padding:0 12px;min-height:30px;}"
    "QPushButton#primary:hover{background:%BRAND2;}"
    "QPushButton#primary:disabled{background:%PANEL2;color:%MUTED;}"
    "QPushButton[flat=\"true\"]{background:transparent;border:1px solid transparent;"
    "border-radius:7px;padding:0 8px;min-height:28px;}"
    "QPushButton[flat=\"true\"]:hover{background:%PANEL2;}"
    "QPushButton[flat=\"true\"]:pressed{background:%SEL;}"
    "QPushButton[flat=\"true\"]:disabled{color:%MUTED;}"
    "QLineEdit,QComboBox{min-height:30px;border:1px solid %LINE;border-radius:8px;padding:0 8px;"
    "background:%PANEL;selection-background-color:%SEL;}"
    "QLineEdit:focus{border-color:%ACCENT;}"
    "QComboBox::drop-down{border:0;width:24px;}"
    "QComboBox::down-arrow{image:none;width:0;height:0;border-left:4px solid transparent;"
    "border-right:4px solid transparent;border-top:5px solid %MUTED;margin-right:8px;}"
    "QComboBox QAbstractItemView{background:%PANEL;border:1px solid %LINE;"
    "selection-background-color:%SEL;selection-color:%TEXT;outline:0;}"
    "QTextEdit,QPlainTextEdit{background:%PANEL;border:1px solid %LINE;border-radius:8px;"
    "padding:4px;selection-background-color:%SEL;}"
    "QTextEdit:focus,QPlainTextEdit:focus{border-color:%ACCENT;}"
    "QTabWidget::pane{border:0;}"
    "QTabBar::tab{height:42px;min-width:64px;padding:0 10px;background:transparent;color:%MUTED;"
    "border:0;border-bottom:2px solid transparent;}"
    "QTabBar::tab:selected{color:%ACCENT;border-bottom:2px solid %ACCENT;}"
    "QTabBar::tab:hover:!selected{background:%PANEL2;}"
    "QTabBar#sideTabBar::tab{min-width:40px;padding:0 6px;height:36px;}"
    "QListWidget,QTreeView,QListView{background:%PANEL;border:0;outline:0;}"
    "QListWidget::item,QTreeView::item{padding:4px 6px;border-radius:6px;}"
    "QListWidget::item:selected,QTreeView::item:selected{background:%SEL;color:%TEXT;}"
    "QListWidget::item:hover,QTreeView::item:hover{background:%PANEL2;}"
    "dovrix--PdfViewport{background:%VIEWPORT;}"
    "QLabel#recentLabel{color:%MUTED;}"
    "QStatusBar{min-height:28px;border-top:1px solid %LINE;background:%PANEL;color:%MUTED;}"
    "QStatusBar QLabel{color:%MUTED;padding:0 6px;}"
    "QStatusBar QPushButton{min-height:18px;max-height:22px;padding:0 6px;border-radius:4px;"
    "color:%MUTED;background:transparent;border:0;}"
    "QStatusBar QPushButton:hover{color:%TEXT;background:%PANEL2;}"
    // A menu's arrow beside the text: at the bottom it would be cut off by the button's edge.
    "QStatusBar QPushButton::menu-indicator{subcontrol-origin:padding;"
    "subcontrol-position:center right;}"
    "QStatusBar QPushButton#spreadButton{padding-right:16px;}"
    "QFrame#banner{background:%PANEL2;border:1px solid %LINE;border-radius:8px;}"
    "QFrame#banner QLabel{color:%TEXT;background:transparent;}"
    "QFrame#annotCard{background:%PANEL2;border:1px solid %LINE;border-radius:10px;}"
    "QFrame#annotCard QLabel{color:%TEXT;background:transparent;}"
    "QFrame#dropzone{background:%PANEL;border:2px dashed %LINE;border-radius:12px;}"
    "QScrollBar:vertical{background:transparent;width:12px;margin:2px;}"
    "QScrollBar::handle:vertical{background:%LINE;border-radius:5px;min-height:32px;}"
    "QScrollBar::handle:vertical:hover{background:%MUTED;}"
    "QScrollBar:horizontal{background:transparent;height:12px;margin:2px;}"
    "QScrollBar::handle:horizontal{background:%LINE;border-radius:5px;min-width:32px;}"
    "QScrollBar::add-line,QScrollBar::sub-line{width:0;height:0;}"
    "QScrollBar::add-page,QScrollBar::sub-page{background:transparent;}"
    "QMenu{background:%PANEL;border:1px solid %LINE;border-radius:10px;padding:6px;}"
    "QMenu::item{padding:6px 24px 6px 12px;border-radius:6px;}"
    "QMenu::item:selected{background:%SEL;}"
    "QMenu::item:disabled{color:%MUTED;}"
    "QMenu::separator{height:1px;background:%LINE;margin:4px 8px;}"
    "QToolTip{background:%PANEL2;color:%TEXT;border:1px solid %LINE;padding:4px 8px;"
    "border-radius:6px;}";

} // namespace

const ThemeInfo& themeInfo(int index)
{
    for (const ThemeInfo& row : themes) {
        if (row.theme == index)
            return row;
    }
    return themes[0];
}

int themeIndexFromId(const QString& id)
{
    for (const ThemeInfo& row : themes) {
        if (id == QLatin1String(row.id))
            return row.theme;
    }
    return themes[0].theme;
}

bool isDarkTheme(int index)
{
    return themeInfo(index).dark;
}

ThemePalette themePalette(int index)
{
    const ThemeInfo& row = themeInfo(index);
    const auto colour = [&row](int field) { return QString::fromLatin1(row.colours[field]); };
    return {QString::fromLatin1(row.id),
            colour(0),
            colour(1),
            colour(2),
            colour(3),
            colour(4),
            colour(5),
            colour(6),
            colour(7),
            colour(8),
            colour(9),
            colour(10),
            colour(11),
            colour(12),
            colour(13)};
}

int currentTheme()
{
    const QCoreApplication* application = QCoreApplication::instance();
    return application ? application->property(appliedThemeProperty).toInt() : 0;
}

void recordAppliedTheme(QCoreApplication& application, int index)
{
    application.setProperty(appliedThemeProperty, index);
}

QString buildStyleSheet(const ThemePalette& palette)
{
    // A longer token must go before the token that is its prefix (%BRAND2 before %BRAND,
    // %PANEL2 before %PANEL), or "%BRAND2" would become the brand colour followed by "2".
    const std::pair<const char*, const QString ThemePalette::*> tokens[] = {
        {"%ONBRAND", &ThemePalette::onBrand},   {"%BRAND2", &ThemePalette::brand2},
        {"%BRAND", &ThemePalette::brand},       {"%ACCENT", &ThemePalette::accent},
        {"%VIEWPORT", &ThemePalette::viewport}, {"%BG", &ThemePalette::bg},
        {"%PANEL2", &ThemePalette::panel2},     {"%PANEL", &ThemePalette::panel},
        {"%TEXT", &ThemePalette::textColor},    {"%MUTED", &ThemePalette::muted},
        {"%LINE", &ThemePalette::line},         {"%SEL", &ThemePalette::selection},
    };
    QString sheet = QString::fromLatin1(styleTemplate);
    for (const auto& [token, field] : tokens)
        sheet.replace(QLatin1String(token), palette.*field, Qt::CaseSensitive);
    return sheet;
}

} // namespace dovrix
