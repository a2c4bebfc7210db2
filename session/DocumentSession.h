#pragma once

#include "core/PdfWorker.h"
#include "session/ViewHistory.h"
#include "settings/AppSettings.h"
#include "view/FormLayer.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

class QTimer;

namespace dovrix {

class AnnotationPanel;
class AnnotationAnchoring;
class AnnotationStore;
class BookmarkListPanel;
class BookmarkPanel;
class BookmarkStore;
class DocumentController;
class OcrController;
class PdfViewport;
class PdfWorker;
class ReadingProgress;
class RenderCache;
class SearchController;
class SearchPanel;
class TextLayoutStore;
class ThumbnailPanel;

// Everything kept for one open document (one tab of the main window): its controller, stores,
// render cache, reading progress, page view and view history. Relays the controller's signals with
// itself as the first argument, and resets every part when a document becomes ready (also after a
// reload or an accepted password) before announcing documentReady. GUI thread only.
class DocumentSession : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(DocumentSession)

public:
    static constexpr qint64 RenderCacheBytes = 201326592; // 192 MiB
    static constexpr JobPriority RenderPriority = JobPriority::PageView;
    static constexpr int HistoryDelayMs = 600;

    // worker and settings are shared and not owned; both must outlive the session.
    DocumentSession(PdfWorker* worker, AppSettings* settings, QObject* parent = nullptr);
    ~DocumentSession() override;

    void openFile(const QString& path);
    // A path that a QString cannot spell (see RawFilePath).
    void openRawFile(const QByteArray& rawPath);
    void submitPassword(const QString& password);
    // -1 back, +1 forward; the view follows without creating a new history entry.
    void navigateHistory(int step);
    // Writes pending reading progress now and stops background work of this document without any
    // signal. Called by the window before it deletes the session.
    void prepareClose();
    // Keeps the memory of a document that is not shown small: the page images beyond
    // HiddenRenderCacheBytes and the thumbnail pictures are let go. Called by the window when it
    // leaves the tab; what is needed again is rendered when the tab is shown.
    void trimCaches();
    static constexpr qint64 HiddenRenderCacheBytes = 16777216;   // 16 MiB
    static constexpr qint64 HiddenThumbnailCacheBytes = 4194304; // 4 MiB
    // The file name of the document, or "新文档" without a path.
    QString displayName() const;

    const QList<ViewState>& viewHistory() const { return history.entries(); }
    int historyIndex() const { return history.index(); }
    bool isNavigating() const { return navigating; }
    int pendingRestorePage() const { return restorePage; }
    // How the page view shows the document now, as kept per document.
    DocumentView currentView() const;

    // Set when the file changed on disk; the window clears it once the document is ready again.
    bool sourceModified() const { return modified; }
    void setSourceModified(bool on) { modified = on; }
    // Side panel tab last shown for this document; kept by the window.
    int sideTabIndex() const { return sideTab; }
    void setSideTabIndex(int index) { sideTab = index; }

    PdfWorker* worker() const { return pdfWorker; }
    AppSettings* settings() const { return appSettings; }
    DocumentController* controller() const { return documentController; }
    TextLayoutStore* textLayout() const { return textStore; }
    SearchController* search() const { return searchController; }
    AnnotationStore* annotations() const { return annotationStore; }
    OcrController* ocr() const { return ocrController; }
    RenderCache* renderCache() const { return cache; }
    ReadingProgress* progress() const { return readingProgress; }
    QTimer* historyTimer() const { return timer; }
    // The page view, which the window puts into the document tab. Owned by the session (deleted in
    // its destructor), although the tab widget becomes its parent.
    PdfViewport* viewport() const;
    QWidget* pageWidget() const;
    // Side panels, owned like the page view.
    SearchPanel* searchPanel() const;
    AnnotationPanel* annotationPanel() const;
    // The document's form on the page view (a child of the page view; null once it is gone).
    FormLayer* formLayer() const { return forms; }
    // The thumbnail and outline panels of the side area, owned like the page view.
    ThumbnailPanel* thumbnailPanel() const;
    BookmarkPanel* bookmarkPanel() const;
    // The user's named bookmarks of this document (a child) and their side panel.
    BookmarkStore* bookmarks() const { return userBookmarks; }
    BookmarkListPanel* bookmarkListPanel() const;
    // Shows the bookmark's place, at its zoom unless a fit mode sets the zoom.
    void goToBookmark(int index);

Q_SIGNALS:
    void statusChanged(dovrix::DocumentSession* session, int status, const QString& message);
    void documentReady(dovrix::DocumentSession* session);
    void passwordRequired(dovrix::DocumentSession* session, bool wrongPrevious);
    void sourceFileModified(dovrix::DocumentSession* session);
    void tocAvailable(dovrix::DocumentSession* session, bool hasToc);

private:
    void runReadySequence();
    // Hands the user's form values to the document, whose renders draw them into the fields, and
    // has the pages of the fields that changed drawn again.
    void drawFormValues();
    void rebuildOutlineAfterFirstPage();
    void wireSidePanels();
    void showPageInThumbnails(int page);
    void recordViewState();
    void viewMoved();
    // Putting a kept view back.
    void restoreView(const DocumentView& stored);
    void viewChanged();

    PdfWorker* pdfWorker;
    AppSettings* appSettings;
    DocumentController* documentController;
    TextLayoutStore* textStore;
    SearchController* searchController;
    AnnotationStore* annotationStore;
    AnnotationAnchoring* anchoring; // child
    OcrController* ocrController;
    RenderCache* cache;
    ReadingProgress* readingProgress;
    QTimer* timer;
    // Guarded: the tab widget may delete its children before the session when the window goes.
    QPointer<PdfViewport> view;
    QPointer<SearchPanel> findPanel;
    QPointer<AnnotationPanel> notesPanel;
    QPointer<FormLayer> forms;
    QPointer<ThumbnailPanel> thumbnails;
    QPointer<BookmarkPanel> outline;
    BookmarkStore* userBookmarks;
    QPointer<BookmarkListPanel> bookmarkList;

    ViewHistory history;
    bool navigating = false;
    bool binding = false; // while the ready sequence binds the document to the view
    int restorePage = -1;
    bool modified = false;
    QMap<QString, QString> drawnFormValues; // as last handed to the document
    int sideTab = 0;
    QMetaObject::Connection firstRender; // reads the outline once the page shown has its image
};

} // namespace dovrix
