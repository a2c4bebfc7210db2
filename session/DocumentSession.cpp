#include "session/DocumentSession.h"

#include "engine/PdfDocument.h"
#include "session/AnnotationAnchoring.h"

#include "annotations/AnnotationPanel.h"
#include "annotations/AnnotationStore.h"
#include "core/BookmarkStore.h"
#include "core/DocumentController.h"
#include "core/PageColours.h"
#include "core/RawFilePath.h"
#include "core/ReadingProgress.h"
#include "core/RenderCache.h"
#include "ocr/OcrController.h"
#include "settings/AppSettings.h"
#include "text/SearchController.h"
#include "text/SearchPanel.h"
#include "text/TextLayoutStore.h"
#include "view/BookmarkListPanel.h"
#include "view/BookmarkPanel.h"
#include "view/FormLayer.h"
#include "view/PdfViewport.h"
#include "view/ThumbnailPanel.h"

#include <QFileInfo>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QWidget>

#include <cmath>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace dovrix {

namespace {

// Reads the page texts of the other engine, on the worker: the words of annotations anchored in
// that text, once, for annotations stored before the document was shown with this engine.
AnnotationAnchoring::OtherTexts otherPageTexts(const QString& path, const QByteArray& password,
                                               EngineKind engine)
{
    return [path, password, engine](const QList<int>& pages) {
        QHash<int, QString> texts;
        OpenResult opened = PdfDocument::open(path, password, engine, false);
        if (!opened.document)
            return texts;
        for (int page : pages) {
            const PageText text = opened.document->pageText(page);
            if (text.outcome == PageText::Outcome::Read)
                texts.insert(page, text.text);
        }
        opened.document->releaseLane();
        return texts;
    };
}

} // namespace

DocumentSession::DocumentSession(PdfWorker* worker, AppSettings* settings, QObject* parent)
    : QObject(parent), pdfWorker(worker), appSettings(settings)
{
    documentController = new DocumentController(worker, this);
    textStore = new TextLayoutStore(worker, documentController, this);
    searchController = new SearchController(textStore, documentController, this);
    annotationStore = new AnnotationStore(this);
    // Saving 100,000 annotations takes longer than a frame: the sidecar is written off the GUI
    // thread.
    annotationStore->setBackgroundWrites(true);
    anchoring = new AnnotationAnchoring(worker, textStore, annotationStore, this);
    ocrController = new OcrController(worker, documentController, textStore, this);
    // Recognised pages are kept for the next opening, except in private mode.
    ocrController->setKeepAllowed([this] { return !appSettings->privateMode(); });
    cache = new RenderCache(worker, RenderCacheBytes, RenderPriority, this);

    connect(documentController, &DocumentController::statusChanged, this,
            [this](int status, const QString& message) {
                Q_EMIT statusChanged(this, status, message);
            });
    connect(documentController, &DocumentController::documentReady, this, [this] {
        runReadySequence();
        Q_EMIT documentReady(this);
    });
    connect(documentController, &DocumentController::passwordRequired, this,
            [this](bool wrongPrevious) { Q_EMIT passwordRequired(this, wrongPrevious); });
    connect(documentController, &DocumentController::sourceFileModified, this, [this] {
        modified = true;
        Q_EMIT sourceFileModified(this);
    });

    view = new PdfViewport(cache, textStore, documentController, searchController);
    view->setAnnotationStore(annotationStore);
    forms = new FormLayer(view, documentController, annotationStore);
    connect(annotationStore, &AnnotationStore::formValuesChanged, this,
            &DocumentSession::drawFormValues);

    thumbnails = new ThumbnailPanel(documentController, worker);
    outline = new BookmarkPanel(documentController);
    userBookmarks = new BookmarkStore(settings, this);
    bookmarkList = new BookmarkListPanel(userBookmarks, documentController);
    findPanel = new SearchPanel(documentController, searchController, textStore);
    notesPanel = new AnnotationPanel(annotationStore, documentController, textStore);
    connect(findPanel, &SearchPanel::hitFocused, view, &PdfViewport::setFocusedHit);
    wireSidePanels();

    readingProgress = new ReadingProgress(settings, this);
    timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(HistoryDelayMs);
    connect(timer, &QTimer::timeout, this, &DocumentSession::recordViewState);

    // Reading progress follows every page and zoom change; the history records a burst of moves
    // once it has settled, unless the move is the history's own.
    connect(view, &PdfViewport::currentPageChanged, this, [this](int page) {
        if (!binding)
            readingProgress->update(page, view->zoom());
        viewMoved();
    });
    connect(view, &PdfViewport::zoomChanged, this, [this](double zoom) {
        if (!binding)
            readingProgress->update(view->currentPage(), zoom);
        viewMoved();
    });
    connect(view, &PdfViewport::rotationChanged, this, [this] { viewMoved(); });
    // A link or an outline entry: the place left and the place reached are both kept, also
    // when the jump stays on the page.
    connect(view, &PdfViewport::jumpStarting, this, [this] {
        timer->stop();
        recordViewState();
    });
    connect(view, &PdfViewport::jumpFinished, this, [this] {
        timer->stop();
        recordViewState();
    });
    // The way the document is shown is kept with its position.
    view->setPageColours(pageColoursFromId(settings->pageColours()));
    connect(view, &PdfViewport::fitModeChanged, this, &DocumentSession::viewChanged);
    connect(view, &PdfViewport::viewModeChanged, this, &DocumentSession::viewChanged);
    connect(view, &PdfViewport::spreadChanged, this, &DocumentSession::viewChanged);
    connect(view, &PdfViewport::coverAloneChanged, this, &DocumentSession::viewChanged);
    connect(view, &PdfViewport::zoomChanged, this, &DocumentSession::viewChanged);
    connect(view, &PdfViewport::pageColoursChanged, this, &DocumentSession::viewChanged);
}

DocumentSession::~DocumentSession()
{
    ocrController->reset();
    readingProgress->flush();
    delete notesPanel.data();
    delete findPanel.data();
    delete bookmarkList.data();
    delete outline.data();
    delete thumbnails.data();
    delete view.data();
    // The children follow; the controller hands its document to the worker for release.
}

void DocumentSession::openFile(const QString& path)
{
    documentController->openFile(path);
}

void DocumentSession::openRawFile(const QByteArray& rawPath)
{
    documentController->openRawFile(rawPath);
}

void DocumentSession::submitPassword(const QString& password)
{
    documentController->submitPassword(password);
}

void DocumentSession::prepareClose()
{
    readingProgress->flush();
    annotationStore->waitForWrites(); // a note added just before closing is on disk
    ocrController->reset();
}

void DocumentSession::trimCaches()
{
    cache->trim(HiddenRenderCacheBytes);
    if (thumbnails)
        thumbnails->releasePictures(HiddenThumbnailCacheBytes);
    // The engine's caches are refilled when needed.
    if (const DocumentHandle document = documentController->sharedDocument()) {
        pdfWorker->post(JobPriority::Document, [document] {
            document->trimMemory();
#if defined(__GLIBC__)
            malloc_trim(0);
#endif
        });
    }
#if defined(__GLIBC__)
    // Freed images of many megabytes stay with the process unless the heap is given back.
    malloc_trim(0);
#endif
}

QString DocumentSession::displayName() const
{
    if (documentController->filePath().isEmpty())
        return tr("新文档");
    return documentController->displayName();
}

void DocumentSession::runReadySequence()
{
    // The widgets are guarded: a container of the window may have taken them along already.
    cache->clear();
    textStore->clear();
    searchController->clear();
    if (findPanel)
        findPanel->reset();
    rebuildOutlineAfterFirstPage();
    if (thumbnails)
        thumbnails->populate();
    if (view) {
        // Binding the document puts the view back on its first page; that is no reading move,
        // and recording it would overwrite the stored page before it is restored below.
        binding = true;
        view->setDocument();
        binding = false;
    }
    const RawFilePath* raw = documentController->rawFile();
    // Text anchors count in the page text of the engine that shows the document.
    const PdfDocument* shown = documentController->document();
    const EngineKind engine = shown ? shown->engine() : EngineKind::MuPdf;
    annotationStore->setTextSpace(engine == EngineKind::MuPdf ? TextSpace::MuPdf
                                                              : TextSpace::QtPdf);
    annotationStore->setSource(documentController->filePath(), documentController->sourceHash(),
                               !raw || raw->nameIsSpellable());
    drawnFormValues.clear();
    drawFormValues();
    if (notesPanel)
        notesPanel->refresh();
    anchoring->start(
        otherPageTexts(documentController->filePath(), shown ? shown->password() : QByteArray(),
                       engine == EngineKind::MuPdf ? EngineKind::QtPdf : EngineKind::MuPdf));
    ocrController->reset();
    ocrController->restoreKeptResults();
    readingProgress->setDocumentKey(documentController->sourceHash());
    userBookmarks->setDocumentKey(documentController->sourceHash());
    restorePage = appSettings->privateMode() ? -1 : readingProgress->savedPage();
    DocumentView stored;
    if (view && !appSettings->privateMode() && readingProgress->savedView(&stored))
        restoreView(stored);

    timer->stop();
    history.clear();
    recordViewState();

    if (restorePage > 0 && view) {
        view->goToPage(restorePage);
        restorePage = -1;
    }
    // The refilled thumbnail list marks the view's page even when binding did not move it.
    if (view)
        showPageInThumbnails(view->currentPage());
}

void DocumentSession::drawFormValues()
{
    const DocumentHandle document = documentController->sharedDocument();
    if (!document)
        return;
    const QMap<QString, QString> values = annotationStore->formValues();
    QSet<QString> changed;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const auto before = drawnFormValues.constFind(it.key());
        if (before == drawnFormValues.cend() || *before != it.value())
            changed.insert(it.key());
    }
    for (auto it = drawnFormValues.cbegin(); it != drawnFormValues.cend(); ++it) {
        if (!values.contains(it.key()))
            changed.insert(it.key());
    }
    drawnFormValues = values;
    document->setFormValues(values);
    if (changed.isEmpty())
        return;
    // Before the fields are read, any page may hold them (a render may already be on its way).
    QList<int> pages;
    if (forms && forms->hasFields()) {
        pages = forms->pagesOf(changed);
    } else {
        for (int page = 0; page < document->pageCount(); ++page)
            pages.append(page);
    }
    if (view)
        view->pagesChanged(pages);
    if (thumbnails)
        thumbnails->pagesChanged(pages);
}

void DocumentSession::rebuildOutlineAfterFirstPage()
{
    disconnect(firstRender);
    if (!outline)
        return;
    // Reading the outline holds the worker for most of a second in a manual with a thousand
    // entries (the engine resolves the destination of every entry). The page shown comes first:
    // the outline is read once the page view has its first image, or at once when it is hidden.
    if (view && view->isVisible() && documentController->document()) {
        firstRender = connect(cache, &RenderCache::pageRendered, this, [this] {
            disconnect(firstRender);
            if (outline)
                outline->rebuild();
        });
    } else {
        outline->rebuild();
    }
}

DocumentView DocumentSession::currentView() const
{
    DocumentView shown;
    if (!view)
        return shown;
    shown.zoom = view->zoom();
    shown.fitMode = int(view->fitMode());
    shown.viewMode = int(view->viewMode());
    shown.spread = view->spread();
    shown.coverAlone = view->coverAlone();
    shown.pageColours = pageColoursId(view->pageColours());
    return shown;
}

void DocumentSession::restoreView(const DocumentView& stored)
{
    // Restoring is no change of the user's: nothing is reported back.
    binding = true;
    view->setPageColours(pageColoursFromId(stored.pageColours));
    // The stored numbers are those of the enumerations (the settings clamp them to their range).
    view->setViewMode(PdfViewport::ViewMode(stored.viewMode));
    view->setCoverAlone(stored.coverAlone);
    view->setSpread(stored.spread);
    if (PdfViewport::FitMode(stored.fitMode) != PdfViewport::FitMode::FitNone)
        view->setFitMode(PdfViewport::FitMode(stored.fitMode));
    else
        view->setZoom(stored.zoom);
    binding = false;
}

void DocumentSession::viewChanged()
{
    if (!binding && view)
        readingProgress->updateView(currentView());
}

void DocumentSession::viewMoved()
{
    if (!navigating)
        timer->start();
}

void DocumentSession::recordViewState()
{
    if (!view || documentController->status() != Ready)
        return;
    const ViewTarget here = view->currentTarget();
    history.record(ViewState{view->currentPage(), view->zoom(), view->rotation(), here.point});
}

void DocumentSession::navigateHistory(int step)
{
    // A move that has not been recorded yet (the history timer still runs) is recorded first, so
    // that Back right after a jump returns to where the jump started and Forward comes back.
    if (timer->isActive()) {
        timer->stop();
        recordViewState();
    }
    if (!view)
        return;
    const std::optional<ViewState> target = history.step(step);
    if (!target)
        return;
    navigating = true;
    if (view->rotation() != target->rotation)
        view->rotateBy(target->rotation - view->rotation());
    ViewTarget place;
    place.show = ViewTarget::Show::Point;
    place.page = target->page;
    place.point = target->point;
    place.hasLeft = true;
    place.hasTop = true;
    place.zoom = target->zoom;
    view->showTarget(place);
    navigating = false;
}

PdfViewport* DocumentSession::viewport() const
{
    return view.data();
}

SearchPanel* DocumentSession::searchPanel() const
{
    return findPanel.data();
}

AnnotationPanel* DocumentSession::annotationPanel() const
{
    return notesPanel.data();
}

ThumbnailPanel* DocumentSession::thumbnailPanel() const
{
    return thumbnails.data();
}

BookmarkPanel* DocumentSession::bookmarkPanel() const
{
    return outline.data();
}

BookmarkListPanel* DocumentSession::bookmarkListPanel() const
{
    return bookmarkList.data();
}

void DocumentSession::goToBookmark(int index)
{
    const QList<Bookmark>& list = userBookmarks->bookmarks();
    if (!view || index < 0 || index >= list.size())
        return;
    const Bookmark& bookmark = list.at(index);
    if (view->fitMode() == PdfViewport::FitMode::FitNone)
        view->setZoom(bookmark.zoom);
    view->scrollToPagePoint(bookmark.page, QPointF(0, bookmark.topPt));
}

void DocumentSession::showPageInThumbnails(int page)
{
    // Selecting a row does not activate it: the view is not moved in turn.
    if (!thumbnails || page < 0 || page >= thumbnails->count())
        return;
    thumbnails->setCurrentRow(page);
    thumbnails->scrollToItem(thumbnails->item(page));
}

void DocumentSession::wireSidePanels()
{
    connect(outline, &BookmarkPanel::tocAvailable, this,
            [this](bool hasToc) { Q_EMIT tocAvailable(this, hasToc); });
    connect(view, &PdfViewport::currentPageChanged, thumbnails,
            [this](int page) { showPageInThumbnails(page); });
    connect(thumbnails, &ThumbnailPanel::pageActivated, view, &PdfViewport::goToPage);
    connect(view, &PdfViewport::pageColoursChanged, thumbnails,
            [this] { thumbnails->setPageColours(view->effectiveColours()); });
    connect(outline, &BookmarkPanel::bookmarkActivated, view, &PdfViewport::jumpTo);
    connect(bookmarkList, &BookmarkListPanel::bookmarkActivated, this,
            &DocumentSession::goToBookmark);
}

QWidget* DocumentSession::pageWidget() const
{
    return view.data();
}

} // namespace dovrix
