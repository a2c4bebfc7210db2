#pragma once

#include <QCoreApplication>
#include <QList>

class QAction;
class QFrame;
class QKeySequence;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QMenu;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class QToolBar;
class QValidator;
class QWidget;

namespace dovrix {

// The main window's widgets and actions: builds the toolbar, the central area (welcome page,
// document area, side area), the status bar and the window actions on a window, and sets their
// texts in the current language. It holds no document state and connects nothing to commands:
// the window does both. Every control has an object name, which tests use to find it. The texts
// are the window's (its translation context).
class MainWindowUi
{
    Q_DECLARE_TR_FUNCTIONS(dovrix::MainWindow)

public:
    // Builds everything on window; toolsButton (the study tools' menu button) joins the toolbar.
    void build(QMainWindow* window, QWidget* toolsButton);
    // Sets every fixed text (labels, tooltips, menu items) in the installed language.
    void retranslate();

    // Toolbar.
    QToolBar* toolbar = nullptr;
    QPushButton* sidebarButton = nullptr;
    QPushButton* backButton = nullptr;
    QPushButton* forwardButton = nullptr;
    QPushButton* openButton = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* exportButton = nullptr;
    QMenu* exportMenu = nullptr;
    QList<QAction*> exportActions;           // in the order of ExportCommands::formats()
    QAction* pngAnnotationsAction = nullptr; // checkable: the PNG export draws our annotations
    QPushButton* annotationButton = nullptr;
    QAction* annotationToolsItem = nullptr; // the tool buttons' place in the toolbar
    QAction* rotateItem = nullptr;          // the rotate button's place in the toolbar
    // One per annotation type, in annotationTypes order; each action's data is the type it draws.
    QList<QAction*> annotationToolActions;
    QPushButton* rotateButton = nullptr;
    QLineEdit* searchEdit = nullptr;
    QPushButton* pageColoursButton = nullptr;
    QMenu* pageColoursMenu = nullptr;
    QList<QAction*> pageColoursActions; // one per page colour mode, carrying its value
    QPushButton* themeButton = nullptr;
    QMenu* themeMenu = nullptr;
    QList<QAction*> themeActions; // each action's data is the theme index
    QPushButton* languageButton = nullptr;
    QMenu* languageMenu = nullptr; // each action's data is the language code
    QPushButton* homeButton = nullptr;

    // Central area.
    QSplitter* splitter = nullptr;
    QWidget* sidebar = nullptr;
    QTabWidget* sideTabs = nullptr;
    QLabel* sidePlaceholder = nullptr;
    QLineEdit* pageField = nullptr;
    QLabel* pageCountLabel = nullptr;
    QValidator* pageNumberValidator = nullptr;
    QLabel* zoomLabel = nullptr;
    QStackedWidget* stack = nullptr;
    QWidget* welcome = nullptr;
    QLabel* welcomeText = nullptr;
    QPushButton* welcomeOpen = nullptr;
    QLabel* recentLabel = nullptr;
    QListWidget* recentList = nullptr;
    QPushButton* clearRecent = nullptr;
    QWidget* area = nullptr;
    QFrame* banner = nullptr;
    QLabel* bannerText = nullptr;
    QPushButton* reloadButton = nullptr;
    QPushButton* ignoreButton = nullptr;
    QTabWidget* tabs = nullptr;

    // Status bar.
    QLabel* tagline = nullptr;
    QLabel* hashLabel = nullptr;
    QLabel* documentLabel = nullptr;
    QPushButton* zoomOutButton = nullptr;
    QLabel* statusZoomLabel = nullptr;
    QPushButton* zoomInButton = nullptr;
    QPushButton* fitButton = nullptr;
    QPushButton* statusRotateButton = nullptr;
    QPushButton* viewModeButton = nullptr;
    QPushButton* spreadButton = nullptr; // its menu: spread and first page alone
    QLabel* privateLabel = nullptr;

    // Window actions.
    QAction* openAction = nullptr;
    QAction* closeAction = nullptr;
    QAction* quitAction = nullptr;
    QAction* nextTabAction = nullptr;
    QAction* printAction = nullptr;
    QAction* privateAction = nullptr;
    QAction* findAction = nullptr;
    QAction* findNextAction = nullptr;
    QAction* findPreviousAction = nullptr;
    QAction* copyAction = nullptr;
    QAction* singlePageAction = nullptr;
    QAction* rotateAction = nullptr;
    QAction* fitWidthAction = nullptr;
    QAction* fitPageAction = nullptr;
    QAction* actualSizeAction = nullptr;
    // By row of sidePanels(): brings the panel's side tab forward; null for a row without a key.
    QList<QAction*> sidePanelActions;
    QAction* escapeAction = nullptr;
    QAction* annotationModeAction = nullptr;
    QAction* goToPageAction = nullptr;
    QAction* spreadAction = nullptr;
    QAction* coverAloneAction = nullptr;
    QAction* pageColoursAction = nullptr; // cycles the page colours
    QAction* fullScreenAction = nullptr;
    QAction* backAction = nullptr;    // Alt+Left: back in the view history
    QAction* forwardAction = nullptr; // Alt+Right
    QAction* selectAllAction = nullptr;
    // Tools menu: recognise the current page, or every page without text.
    QMenu* ocrMenu = nullptr;
    QAction* ocrPageAction = nullptr;
    QAction* ocrDocumentAction = nullptr;
    QAction* propertiesAction = nullptr; // the document's properties, fonts and attachments
    QAction* resetFormAction = nullptr;  // forgets the values typed into the document's form

private:
    void buildToolbar(QMainWindow* window, QWidget* toolsButton);
    void buildCentral(QMainWindow* window);
    void buildStatusBar(QMainWindow* window);
    void buildActions(QMainWindow* window);
};

} // namespace dovrix
