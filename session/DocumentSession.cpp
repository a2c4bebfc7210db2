#include "session/DocumentSession.h"

#include "engine/PdfDocument.h"
#include "session/AnnotationAnchoring.h"

#include "annotations/AnnotationStore.h"
#include "core/BookmarkStore.h"
#include "core/DocumentController.h"
#include "core/RawFilePath.h"
#include "core/ReadingProgress.h"
#include "core/RenderCache.h"
#include "ocr/OcrController.h"
#include "settings/AppSettings.h"
#include "synctex/SynctexLink.h"
#include "text/SearchController.h"
#include "text/TextLayoutStore.h"

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
    annotationStore->setWriter(worker);
    anchoring = new AnnotationAnchoring(worker, textStore, annotationStore, this);
    ocrController = new OcrController(worker, documentController, textStore, this);
    // Recognised pages are kept for the next opening, except in private mode.
    ocrController->setKeepAllowed([this] { return !appSettings->privateMode(); });
    cache = new RenderCache(worker, RenderCacheBytes, RenderPriority, this);
    readingProgress = new ReadingProgress(settings, this);
    userBookmarks = new BookmarkStore(settings, this);
    synctexLink = new SynctexLink(this);

    connect(documentController, &DocumentController::statusChanged, this,
            [this](DocumentStatus status, OpenOutcome failure) {
                Q_EMIT statusChanged(this, status, failure);
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
    connect(annotationStore, &AnnotationStore::formValuesChanged, this,
            &DocumentSession::drawFormValues);
}

DocumentSession::~DocumentSession()
{
    ocrController->reset();
    readingProgress->flush();
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

int DocumentSession::takeRestorePage()
{
    const int page = restorePage;
    restorePage = -1;
    return page;
}

void DocumentSession::runReadySequence()
{
    cache->clear();
    textStore->clear();
    searchController->clear();
    const RawFilePath* raw = documentController->rawFile();
    // Text anchors count in the page text of the engine that shows the document.
    const PdfDocument* shown = documentController->document();
    const EngineKind engine = shown ? shown->engine() : EngineKind::MuPdf;
    annotationStore->setTextSpace(engine == EngineKind::MuPdf ? TextSpace::MuPdf
                                                              : TextSpace::QtPdf);
    annotationStore->setSource(documentController->filePath(), documentController->sourceHash(),
                               !raw || raw->nameIsSpellable());
    // Every page is rendered anew after this, with the values.
    drawnFormValues = annotationStore->formValues();
    if (const DocumentHandle document = documentController->sharedDocument())
        document->setFormValues(drawnFormValues);
    anchoring->start(
        otherPageTexts(documentController->filePath(), shown ? shown->password() : QByteArray(),
                       engine == EngineKind::MuPdf ? EngineKind::QtPdf : EngineKind::MuPdf));
    ocrController->reset();
    ocrController->restoreKeptResults();
    readingProgress->setDocumentKey(documentController->sourceHash());
    userBookmarks->setDocumentKey(documentController->sourceHash());
    synctexLink->setDocument(documentController->filePath(), documentController->pageCount());
    restorePage = appSettings->privateMode() ? -1 : readingProgress->savedPage();
    viewStates.clear();
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
    if (!changed.isEmpty())
        Q_EMIT formValuesDrawn(changed);
}

} // namespace dovrix
