#pragma once

#include "annotations/AnnotationType.h"
#include "core/PdfWorker.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressDialog;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class QTimer;
class QValidator;
class QToolBar;

namespace dovrix {

class AnnotationPanel;
class AnnotationStore;
class AppSettings;
class DocumentController;
class DocumentSession;
class ExportCommands;
class FullScreenMode;
class OcrController;
class PdfViewport;
class ReadingProgress;
class RenderCache;
class SearchController;
class SearchPanel;
class StudyTools;
class TextLayoutStore;
struct OpenRequest;

// The program's single top-level window: one document session per tab, the welcome page when no
// document is open, the side area with the current document's panels, the toolbar, window
// actions and status bar, the password prompt and the reactions to the sessions' signals. Owns the
// one PdfWorker of the process. Every control has an object name, which tests use to find it.
class MainWindow : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(MainWindow)

public:
    static constexpr int SearchDelayMs = 300;

    MainWindow();
    // Closes every session (writing its reading progress), then stops the worker, then the widgets
    // go with the base window.
    ~MainWindow() override;

    // Opens path in a new tab, or shows the tab that already has the same file (same canonical
    // path), or warns when the path is not an existing readable file.
    void openFile(const QString& path);
    // Opens a file by the bytes of its path, for a name a QString cannot spell (see RawFilePath),
    // like openFile; it stays out of the recent files, which could not name it.
    void openRawFile(const QByteArray& rawPath);
    // Opens the request's file like openFile, then goes to its page, search or SyncTeX place once
    // the document is ready.
    void openRequest(const OpenRequest& request);
    void setCurrentSession(DocumentSession* session);
    void closeSession(DocumentSession* session);
    void updateWindowTitle();
    // Once the most recently opened document is ready for the first time, recognise its 0-based
    // page. Does nothing without a session; pages outside the document are ignored.
    void ocrPageWhenReady(int page);
    // Sets the application style sheet and the current theme, stores the theme's id and repaints
    // every page view.
    void applyTheme(int index);
    // Stores the interface language, installs its catalogue and translates the window again.
    void setLanguage(const QString& code);

    void updateActionStates();
    void updatePageStatus();
    void updateHashIndicator();

    const QList<DocumentSession*>& documentSessions() const { return sessions; }
    DocumentSession* current() const { return currentSession; }
    PdfWorker* worker() { return &pdfWorker; }
    AppSettings* appSettings() const { return settings; }
    QTabWidget* documentTabs() const { return tabs; }
    QTabWidget* sideTabWidget() const { return sideTabs; }
    QStackedWidget* centralStack() const { return stack; }
    QWidget* welcomePage() const { return welcome; }
    QWidget* documentArea() const { return area; }
    QWidget* sidebarContainer() const { return sidebar; }
    QLineEdit* searchField() const { return searchEdit; }
    QTimer* searchDebounceTimer() const { return searchTimer; }
    int themeIndex() const { return theme; }
    FullScreenMode* fullScreenMode() const { return fullScreen; }
    // Sets the current document's page colours (index into the menu: normal, night, sepia,
    // follow the theme) and remembers them as the choice for documents opened later.
    void setPageColoursCommand(int index);
    // The export and print commands (their dialogs can be replaced for tests).
    ExportCommands* exportCommands() const { return exports; }
    // Bookmarks, read aloud and SyncTeX.
    StudyTools* studyTools() const { return study; }
    // The progress dialog of the running whole-document OCR; null when none runs.
    QProgressDialog* ocrProgressDialog() const;
    // Label of the OCR progress dialog: the time left estimated from the pages done so far.
    static QString ocrProgressText(int done, int total, qint64 elapsedMs);

    // Recognises every page of the current document that has no OCR result yet, with a progress
    // dialog. Only for a ready document whose OCR is idle.
    void ocrDocumentCommand();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildToolbar();
    void buildCentral();
    void buildStatusBar();
    void buildActions();
    void wireExports();
    void retranslate();
    QPushButton* toolButton(const char* name);
    QAction* windowAction(const char* name, const QKeySequence& shortcut);

    // openFile and openRawFile (rawPath empty for a spellable path); the session that shows the
    // file, or null after a warning.
    DocumentSession* openDocument(const QString& path, const QByteArray& rawPath);
    void wireSession(DocumentSession* session);
    void onStatusChanged(DocumentSession* session, int status, const QString& message);
    void onDocumentReady(DocumentSession* session);
    void askPassword(DocumentSession* session, bool wrongPrevious);
    void onTabChanged(int index);
    void deleteSessions();
    void rebuildSideTabs();
    void refreshFromSession();
    void showSourceModified();
    // The document indicator from the current session's state.
    void updateDocumentIndicator();
    void setDocumentIndicator(const QString& text);
    void updateFitButton();
    void updateViewModeControls();
    void updateSidebarVisibility();
    void updateStatusZoom();
    void updatePageColoursControls();

    void openCommand();
    // The page typed in the page field (1-based): a page of the document is shown; anything else
    // is refused without a jump.
    void goToTypedPage();
    void focusPageField();
    // Width and validator of the page field for the labels in pageFieldLabels.
    void fitPageFieldToLabels();
    void chooseAnnotationTool(AnnotationType type);
    // Shows the tool buttons while annotation mode is on and checks the page view's tool.
    void updateAnnotationTools();
    void searchNow();
    void searchStep(int step);
    void copySelection();
    void setPrivateModeOn(bool on);
    void onAnnotationAdded(DocumentSession* session);
    void showAnnotation(DocumentSession* session, const QString& id);

    void wireOcr(DocumentSession* session);
    void onOcrPageReady(DocumentSession* session, int page, int lineCount);
    void onOcrFinished(DocumentSession* session, int processed, bool canceled);
    void closeOcrProgress();

    PdfWorker pdfWorker; // shared by all sessions; destroyed after them
    AppSettings* settings;
    QList<DocumentSession*> sessions; // opening order; children of the window
    DocumentSession* currentSession = nullptr;
    // Parts of the current session, copied on every change (null without a session).
    DocumentController* controller = nullptr;
    TextLayoutStore* textStore = nullptr;
    SearchController* searchController = nullptr;
    AnnotationStore* annotationStore = nullptr;
    RenderCache* renderCache = nullptr;
    ReadingProgress* progress = nullptr;
    PdfViewport* pageView = nullptr;
    SearchPanel* searchPanel = nullptr;
    AnnotationPanel* annotationPanel = nullptr;
    OcrController* ocrController = nullptr;

    // Toolbar.
    QToolBar* toolbar = nullptr;
    QPushButton* sidebarButton = nullptr;
    QPushButton* backButton = nullptr;
    QPushButton* forwardButton = nullptr;
    QPushButton* openButton = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* exportButton = nullptr;
    QMenu* exportMenu = nullptr;
    QList<QAction*> exportActions;
    QPushButton* annotationButton = nullptr;
    QAction* annotationToolsItem = nullptr; // the tool buttons' place in the toolbar
    QList<QAction*> annotationToolActions;  // one per annotation type, in annotationTypes order
    QPushButton* rotateButton = nullptr;
    QLineEdit* searchEdit = nullptr;
    QPushButton* pageColoursButton = nullptr;
    QMenu* pageColoursMenu = nullptr;
    QList<QAction*> pageColoursActions;
    QPushButton* themeButton = nullptr;
    QMenu* themeMenu = nullptr;
    QList<QAction*> themeActions;
    QPushButton* languageButton = nullptr;
    QMenu* languageMenu = nullptr;
    QPushButton* homeButton = nullptr;

    // Central area.
    QSplitter* splitter = nullptr;
    QWidget* sidebar = nullptr;
    QTabWidget* sideTabs = nullptr;
    QLabel* sidePlaceholder = nullptr;
    QLineEdit* pageField = nullptr;
    QLabel* pageCountLabel = nullptr;
    QValidator* pageNumberValidator = nullptr;
    // The page labels of the document the page field shows (empty: none).
    QStringList pageFieldLabels;
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
    QAction* nextTabAction = nullptr;
    QAction* printAction = nullptr;
    QAction* privateAction = nullptr;
    QAction* findNextAction = nullptr;
    QAction* findPreviousAction = nullptr;
    QAction* copyAction = nullptr;
    QAction* singlePageAction = nullptr;
    QAction* rotateAction = nullptr;
    QAction* fitWidthAction = nullptr;
    QAction* fitPageAction = nullptr;
    QAction* actualSizeAction = nullptr;
    QAction* annotationModeAction = nullptr;
    QAction* goToPageAction = nullptr;
    QAction* spreadAction = nullptr;
    QAction* coverAloneAction = nullptr;
    QAction* pageColoursAction = nullptr; // cycles the page colours
    QAction* fullScreenAction = nullptr;
    FullScreenMode* fullScreen = nullptr; // child

    // Per session, what its annotation store last reported (read-only fallback, hash mismatch),
    // until its next load starts.
    QHash<DocumentSession*, QString> annotationWarnings;

    bool sidebarVisible = true;
    bool rebuildingSideTabs = false;
    int theme = 0;
    QTimer* searchTimer = nullptr;
    ExportCommands* exports = nullptr; // child
    StudyTools* study = nullptr;       // child
    // The whole-document OCR dialog and the session whose run it shows.
    QPointer<QProgressDialog> ocrProgress;
    QPointer<DocumentSession> ocrProgressSession;
    QElapsedTimer ocrRunTimer; // since the start of the run the dialog shows
};

} // namespace dovrix
