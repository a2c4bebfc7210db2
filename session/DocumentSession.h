#pragma once

#include "core/DocumentStatus.h"
#include "core/PdfWorker.h"
#include "session/ViewHistory.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>

namespace dovrix {

class AnnotationAnchoring;
class AnnotationStore;
class AppSettings;
class BookmarkStore;
class DocumentController;
class OcrController;
class ReadingProgress;
class RenderCache;
class SearchController;
class SynctexLink;
class TextLayoutStore;

// Everything kept for one open document, without a widget: its controller (and through it the
// engine's document), page texts, search, annotations, OCR, the page view's render cache, reading
// progress, view history, named bookmarks and SyncTeX link, all children declared here. Relays the
// controller's signals with itself as the first argument, and resets every part when a document
// becomes ready (also after a reload or an accepted password) before announcing documentReady.
// The tab that shows it (DocumentTab) adds the page view and the side panels. GUI thread only.
class DocumentSession : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(DocumentSession)

public:
    static constexpr qint64 RenderCacheBytes = 201326592; // 192 MiB
    static constexpr JobPriority RenderPriority = JobPriority::PageView;
    // What a document that is not shown keeps of its page images.
    static constexpr qint64 HiddenRenderCacheBytes = 16777216; // 16 MiB

    // worker and settings are shared and not owned; both must outlive the session.
    DocumentSession(PdfWorker* worker, AppSettings* settings, QObject* parent = nullptr);
    ~DocumentSession() override;

    void openFile(const QString& path);
    // A path that a QString cannot spell (see RawFilePath).
    void openRawFile(const QByteArray& rawPath);
    void submitPassword(const QString& password);
    // Writes pending reading progress and notes now and stops background work of this document
    // without any signal. Called before the session is deleted.
    void prepareClose();
    // Lets go of what a document that is not shown can do without: page images beyond
    // HiddenRenderCacheBytes and the engine's caches.
    void trimCaches();
    // The file name of the document, or "新文档" without a path.
    QString displayName() const;

    // The page the last ready sequence found stored (-1: none, or private mode); whoever shows the
    // document goes there once and calls takeRestorePage.
    int pendingRestorePage() const { return restorePage; }
    int takeRestorePage();

    // Back/forward list of the places shown; the tab records and walks it.
    ViewHistory& history() { return viewStates; }
    const QList<ViewState>& viewHistory() const { return viewStates.entries(); }
    int historyIndex() const { return viewStates.index(); }

    // Set when the file changed on disk; the window clears it once the document is ready again.
    bool sourceModified() const { return modified; }
    void setSourceModified(bool on) { modified = on; }

    PdfWorker* worker() const { return pdfWorker; }
    AppSettings* settings() const { return appSettings; }
    DocumentController* controller() const { return documentController; }
    TextLayoutStore* textLayout() const { return textStore; }
    SearchController* search() const { return searchController; }
    AnnotationStore* annotations() const { return annotationStore; }
    OcrController* ocr() const { return ocrController; }
    RenderCache* renderCache() const { return cache; }
    ReadingProgress* progress() const { return readingProgress; }
    // The user's named bookmarks of this document.
    BookmarkStore* bookmarks() const { return userBookmarks; }
    // Forward and inverse search in the document's SyncTeX data.
    SynctexLink* synctex() const { return synctexLink; }

Q_SIGNALS:
    void statusChanged(dovrix::DocumentSession* session, dovrix::DocumentStatus status,
                       dovrix::OpenOutcome failure);
    void documentReady(dovrix::DocumentSession* session);
    void passwordRequired(dovrix::DocumentSession* session, bool wrongPrevious);
    void sourceFileModified(dovrix::DocumentSession* session);
    // The user's form values in these fields were handed to the document: pages showing them
    // are to be drawn again. Not sent by the ready sequence, after which every page is new.
    void formValuesDrawn(const QSet<QString>& changedFields);

private:
    void runReadySequence();
    // Hands the user's form values to the document, whose renders draw them into the fields.
    void drawFormValues();

    PdfWorker* pdfWorker;
    AppSettings* appSettings;
    DocumentController* documentController;
    TextLayoutStore* textStore;
    SearchController* searchController;
    AnnotationStore* annotationStore;
    AnnotationAnchoring* anchoring;
    OcrController* ocrController;
    RenderCache* cache;
    ReadingProgress* readingProgress;
    BookmarkStore* userBookmarks;
    SynctexLink* synctexLink;

    ViewHistory viewStates;
    int restorePage = -1;
    bool modified = false;
    QMap<QString, QString> drawnFormValues; // as last handed to the document
};

} // namespace dovrix
