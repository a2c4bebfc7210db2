#pragma once

#include "core/PdfWorker.h"

#include <QList>
#include <QMainWindow>

class QStackedWidget;
class QTabWidget;

namespace dovrix {

class AppSettings;
class DocumentController;
class DocumentSession;
class ReadingProgress;
class RenderCache;

// The program's single top-level window: one document session per tab, the welcome page when no
// document is open, the window title, the password prompt and the reactions to a session's load
// status. Owns the one PdfWorker of the process.
class MainWindow : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(MainWindow)

public:
    MainWindow();
    // Closes every session (writing its reading progress), then stops the worker, then the widgets
    // go with the base window.
    ~MainWindow() override;

    // Opens path in a new tab, or shows the tab that already has the same file (same canonical
    // path), or warns when the path is not an existing readable file.
    void openFile(const QString& path);
    void setCurrentSession(DocumentSession* session);
    void closeSession(DocumentSession* session);
    void updateWindowTitle();
    // Once the most recently opened document is ready for the first time, recognise its 0-based
    // page. Does nothing without a session; pages outside the document are ignored.
    void ocrPageWhenReady(int page);
    // Sets the application style sheet and the current theme, stores the theme's id and repaints
    // every page view.
    void applyTheme(int index);

    const QList<DocumentSession*>& documentSessions() const { return sessions; }
    DocumentSession* current() const { return currentSession; }
    PdfWorker* worker() { return &pdfWorker; }
    AppSettings* appSettings() const { return settings; }
    QTabWidget* documentTabs() const { return tabs; }
    QStackedWidget* centralStack() const { return stack; }
    QWidget* welcomePage() const { return welcome; }
    QWidget* documentArea() const { return area; }
    int themeIndex() const { return theme; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWidgets();
    void wireSession(DocumentSession* session);
    void onStatusChanged(DocumentSession* session, int status, const QString& message);
    void onDocumentReady(DocumentSession* session);
    void askPassword(DocumentSession* session, bool wrongPrevious);
    void onTabChanged(int index);
    void deleteSessions();

    PdfWorker pdfWorker; // shared by all sessions; destroyed after them
    AppSettings* settings;
    QList<DocumentSession*> sessions; // opening order; children of the window
    DocumentSession* currentSession = nullptr;
    // Parts of the current session, copied on every change (null without a session).
    DocumentController* controller = nullptr;
    RenderCache* renderCache = nullptr;
    ReadingProgress* progress = nullptr;
    QWidget* pageView = nullptr;

    QStackedWidget* stack = nullptr;
    QWidget* welcome = nullptr;
    QWidget* area = nullptr;
    QTabWidget* tabs = nullptr;
    int theme = 0;
};

} // namespace dovrix
