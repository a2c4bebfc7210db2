#pragma once

#include "core/DocumentStatus.h"
#include "core/OcrLine.h"
#include "core/PdfWorker.h"
#include "ocr/OcrFailure.h"
#include "text/TextLayoutStore.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace dovrix {

class DocumentController;
class PdfWorker;
class Recogniser;

// Recognises pages of one document, one page at a time: the page is rendered at 300 dots per inch
// on the PdfWorker (priority 25), read by the Recogniser on the worker's recognition lane, and its
// lines are stored in the text layout store in page points, where search finds them. The
// recogniser's engine is started when the document's first page has been rendered; a failed start
// is not tried again for this document. Kept results are written and read on the files lane.
//
// Operations, state and signals belong to the GUI thread. The jobs read only the shared
// generation counter, so a cancelled run, a reset or a destroyed controller leaves their late
// results unused.
class OcrController : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(OcrController)

public:
    // Above thumbnails and background text extraction, below the renders of the visible pages: a
    // page the user asked to read does not wait for work of less value.
    static constexpr JobPriority RenderPriority = JobPriority::OcrRender;
    // A long run keeps its results every so many pages, not only at its end.
    static constexpr int KeepEveryPages = 10;
    static constexpr double RenderDpi = 300.0;
    static constexpr int MaxRenderSide = 4096;

    // worker, controller and store are not owned; all three must outlive the controller. It reads
    // with a recogniser of its own until setRecogniser() gives it the program's.
    OcrController(PdfWorker* worker, DocumentController* controller, TextLayoutStore* store,
                  QObject* parent = nullptr);
    // Stops the run; a recognition in progress stops at its next line.
    ~OcrController() override;

    // Recognises one 0-based page. Ignored while a page is in flight or outside the document.
    void ocrPage(int page);
    // Recognises every page without an OCR result yet, in page order. Ignored while a page is in
    // flight; with nothing to do it emits finished(0, false) at once.
    void ocrDocument();
    // Recognises the given pages (those outside the document and those with a result left out),
    // in the order given, as one run like ocrDocument.
    void ocrPages(const QList<int>& pages);
    // The user stops the run: late results are dropped, finished(done, true) is emitted.
    void cancel();
    // Forgets the run without any signal (a new document, a closing tab).
    void reset();

    // The recogniser that reads the pages; the window gives every document the program's one
    // (not owned; it must outlive the controller). Set it while no page is in flight.
    Recogniser* recogniser() const { return reader; }
    void setRecogniser(Recogniser* shared);

    // Recognised pages are kept in the user's cache folder (OcrCache) when allowed is true at the
    // time of writing (false in private mode). Without a predicate nothing is written.
    void setKeepAllowed(std::function<bool()> allowed) { keepAllowed = std::move(allowed); }
    // Reads the kept results of the current document on the OCR thread; those of pages without a
    // result are stored and announced by resultsRestored. A reset() before they arrive drops them.
    void restoreKeptResults();

    bool isIdle() const { return currentPage < 0; }
    int currentPageIndex() const { return currentPage; }
    const QList<int>& queuedPages() const { return queue; }
    int totalPages() const { return total; }
    int donePages() const { return done; }
    bool engineReady() const;
    bool initializationTried() const { return tried; }

    // Pixel size of a page rendered for recognition: 300 dots per inch, truncated, the longer side
    // limited to MaxRenderSide. scale (when given) receives the factor of that limit (1 without).
    static QSize renderSize(const QSizeF& pointSize, double* scale = nullptr);
    // Boxes from page-image pixels to page points for a render limited by scale.
    static QList<OcrLine> toPagePoints(QList<OcrLine> lines, double scale);

Q_SIGNALS:
    void loadFailed(const dovrix::OcrFailure& reason);
    void pageOcrReady(int page, int lineCount);
    void pageFailed(int page, const dovrix::OcrFailure& reason);
    void progress(int done, int totalPages);
    void finished(int processed, bool canceled);
    // Kept results were stored for these pages (all with at least one line).
    void resultsRestored(const QList<int>& pagesWithText);

private:
    void startNext();
    void pageRendered(Generation::Value jobGeneration, int page, const QImage& image, double scale);
    void pageRecognised(Generation::Value jobGeneration, int page, const QList<OcrLine>& lines);
    void finishPage(int page, const OcrFailure& reason);
    // Emits progress; false when a listener ended or replaced the run meanwhile.
    bool reportProgress(Generation::Value jobGeneration);
    struct RenderedPage
    {
        Generation::Value generation = 0;
        int page = -1;
        QImage image;
        double scale = 1.0;
    };
    void engineStarted(bool ok, const OcrFailure& failure);
    void recognise(const RenderedPage& rendered);
    // Fails the page for want of an engine, goes on with the run and warns (once per run).
    void failWithoutEngine(Generation::Value jobGeneration, int page);
    void onStatusChanged(DocumentStatus status);
    void resultsLoaded(const QHash<int, OcrPageText>& pages);
    // Writes every stored result of the document to the cache when pages were recognised since
    // the last write and keeping is allowed. Never writes an empty set.
    void keepResults();

    PdfWorker* pdfWorker;
    DocumentController* documentController;
    TextLayoutStore* textStore;
    Recogniser* reader = nullptr;
    QMetaObject::Connection readerStarted;
    bool tried = false;                  // this document has asked for the engine
    bool awaitingEngine = false;         // and waits for it to start
    std::optional<RenderedPage> waiting; // rendered before the engine was there
    OcrFailure startFailure;             // why the start failed, until a page reported it
    QList<int> queue;
    int currentPage = -1;
    bool warnedThisRun = false; // loadFailed was emitted in this run
    int total = 0;
    int done = 0;
    // Read by every job, which may outlive the controller (render jobs wait on the PdfWorker).
    Generation generation;
    std::function<bool()> keepAllowed;
    bool unkept = false;  // pages were recognised since the last write of the cache
    QString resultsHash;  // source hash of the contents those pages were read from
    Generation keptEpoch; // moves on with every reset(): restored results of before are late
};

} // namespace dovrix
