#pragma once

#include "app/MainWindowUi.h"
#include "core/DocumentStatus.h"
#include "core/PdfWorker.h"
#include "ocr/Recogniser.h"

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
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class QTimer;
class QValidator;
class QToolBar;

namespace dovrix {

class DocumentPropertiesDialog;

class AnnotationStore;
class AppSettings;
class DocumentController;
class DocumentTab;
class AnnotationCommands;
class ExportCommands;
class NavigationCommands;
class OcrCommands;
class WindowCommands;
class FullScreenMode;
class PdfViewport;
class ReadingProgress;
class RenderCache;
class StudyTools;
struct OpenRequest;

// The program's single top-level window: one document tab per open file, the welcome page when no
// document is open, the side area with the current document's panels, the toolbar, window
// actions and status bar, the password prompt and the reactions to the documents' signals. Owns the
// one PdfWorker of the process. Every control has an object name, which tests use to find it.
class MainWindow : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(MainWindow)

public:
    MainWindow();
    // shutDown(), then the widgets go with the base window.
    ~MainWindow() override;
    // Closes every tab (writing its reading progress and notes), then stops the worker; false
    // when a job had to be left running (see PdfWorker::shutDown). The window is empty afterwards.
    bool shutDown();

    // Opens path in a new tab, or shows the tab that already has the same file (same canonical
    // path), or warns when the path is not an existing readable file.
    void openFile(const QString& path);
    // Opens a file by the bytes of its path, for a name a QString cannot spell (see RawFilePath),
    // like openFile; it stays out of the recent files, which could not name it.
    void openRawFile(const QByteArray& rawPath);
    // Opens the request's file like openFile, then goes to its page, search or SyncTeX place once
    // the document is ready.
    void openRequest(const OpenRequest& request);
    void setCurrentTab(DocumentTab* tab);
    void closeTab(DocumentTab* tab);
    void updateWindowTitle();
    // Once the most recently opened document is ready for the first time, recognise its 0-based
    // page. Does nothing without a tab; pages outside the document are ignored.
    void ocrPageWhenReady(int page);
    // Sets the application style sheet and the current theme, stores the theme's id and repaints
    // every page view.
    void applyTheme(int index);
    // Stores the interface language, installs its catalogue and translates the window again.
    void setLanguage(const QString& code);

    void updateActionStates();
    void updateHashIndicator();

    const QList<DocumentTab*>& openTabs() const { return tabList; }
    DocumentTab* current() const { return currentTab; }
    PdfWorker* worker() { return &pdfWorker; }
    AppSettings* appSettings() const { return settings; }
    QTabWidget* documentTabs() const { return ui.tabs; }
    QTabWidget* sideTabWidget() const { return ui.sideTabs; }
    QStackedWidget* centralStack() const { return ui.stack; }
    QWidget* welcomePage() const { return ui.welcome; }
    QWidget* documentArea() const { return ui.area; }
    QWidget* sidebarContainer() const { return ui.sidebar; }
    QLineEdit* searchField() const { return ui.searchEdit; }
    int themeIndex() const { return theme; }
    FullScreenMode* fullScreenMode() const { return fullScreen; }
    // The export and print commands (their dialogs can be replaced for tests).
    ExportCommands* exportCommands() const { return exports; }
    // Bookmarks, read aloud and SyncTeX.
    StudyTools* studyTools() const { return study; }
    // Recognising text, with the progress dialog of a whole-document run.
    OcrCommands* ocrCommands() const { return ocr; }

    // Back and forward, the page field and the search field.
    NavigationCommands* navigationCommands() const { return navigation; }
    // Annotation mode, its tools and the explanation of the first annotation.
    AnnotationCommands* annotationCommands() const { return annotating; }
    // Shows the side area (hidden by its button) again.
    void showSidebar();

    // Shows the current document's properties, fonts and attachments (one dialog per document).
    DocumentPropertiesDialog* showDocumentProperties();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Where the window was left at the last close, or the first start's size on this screen.
    void placeWindow();
    // The widgets' signals to the window's commands.
    void connectWidgets();
    void retranslate();

    // The parts of the current tab (null without one).
    DocumentController* controller() const;
    PdfViewport* pageView() const;

    // openFile and openRawFile (rawPath empty for a spellable path); the tab that shows the
    // file, or null after a warning.
    DocumentTab* openDocument(const QString& path, const QByteArray& rawPath);
    // Connections that hold for the tab's whole life (whichever tab is shown).
    void wireTab(DocumentTab* tab);
    // Connections to the current tab only, made when it becomes current and dropped when it
    // stops being current.
    void connectCurrent(DocumentTab* tab);
    void onStatusChanged(DocumentStatus status, OpenOutcome failure);
    void onDocumentReady();
    void askPassword(DocumentTab* tab, bool wrongPrevious);
    void onTabChanged(int index);
    void deleteSessions();
    void rebuildSideTabs();
    // The window's own panel of a row of sidePanels() that needs no document, made when first
    // shown.
    QWidget* windowPanel(int row);
    // Brings the panel's side tab forward, when the side area shows it.
    void showSidePanel(QWidget* panel);
    // The same for the current panel of a row of sidePanels().
    void showSidePanel(int row);
    void refreshFromSession();
    void showSourceModified();
    // The document indicator from the current tab's state.
    void updateDocumentIndicator();
    void setDocumentIndicator(const QString& text);
    void updateSidebarVisibility();

    void openCommand();
    void openHomePage();
    void setPrivateModeOn(bool on);

    PdfWorker pdfWorker;               // shared by all tabs; destroyed after them
    Recogniser recogniser{&pdfWorker}; // the one OCR engine, shared by all tabs
    AppSettings* settings;
    QList<DocumentTab*> tabList; // opening order; children of the window
    DocumentTab* currentTab = nullptr;

    MainWindowUi ui;
    FullScreenMode* fullScreen = nullptr; // child
    // The connections to the current tab's signals; replaced on every switch.
    QList<QMetaObject::Connection> currentConnections;

    // Per tab, what its annotation store last reported (read-only fallback, hash mismatch),
    // until its next load starts.
    QHash<DocumentTab*, QString> annotationWarnings;

    bool sidebarVisible = true;
    bool rebuildingSideTabs = false;
    QHash<int, QWidget*> windowPanels;        // children of the side area, by row of sidePanels()
    int theme = -1;                           // none applied yet
    ExportCommands* exports = nullptr;        // child
    NavigationCommands* navigation = nullptr; // child
    OcrCommands* ocr = nullptr;               // child
    AnnotationCommands* annotating = nullptr; // child
    QList<WindowCommands*> commands; // children: the view, navigation, annotation and OCR commands
    StudyTools* study = nullptr;     // child
};

} // namespace dovrix
