#include "ocr/OcrController.h"
#include "core/DocumentController.h"
#include "core/DocumentStatus.h"
#include "core/PageUnits.h"
#include "core/PdfWorker.h"
#include "core/RenderCache.h"
#include "ocr/OcrCache.h"
#include "ocr/Recogniser.h"
#include "text/TextLayoutStore.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace dovrix {

OcrController::OcrController(PdfWorker* worker, DocumentController* controller,
                             TextLayoutStore* store, QObject* parent)
    : QObject(parent), pdfWorker(worker), documentController(controller), textStore(store)
{
    setRecogniser(new Recogniser(worker, this));
    // A document that goes away (reload, failure) takes its run along; the pages still queued
    // would only fail one after another without a document to render.
    connect(documentController, &DocumentController::statusChanged, this,
            [this](DocumentStatus status) { onStatusChanged(status); });
}

OcrController::~OcrController()
{
    unkept = false; // the text store may be gone already: the session keeps results before
    reset();
}

void OcrController::setRecogniser(Recogniser* shared)
{
    disconnect(readerStarted);
    reader = shared;
    readerStarted = connect(reader, &Recogniser::started, this, &OcrController::engineStarted);
}

bool OcrController::engineReady() const
{
    return reader->isReady();
}

QSize OcrController::renderSize(const QSizeF& pointSize, double* scale)
{
    if (scale)
        *scale = 1.0;
    const QSize full = pagePixelSize(pointSize, RenderDpi);
    if (full.isEmpty())
        return {};
    const double widthPx = full.width();
    const double heightPx = full.height();
    const double larger = std::max(widthPx, heightPx);
    if (larger <= MaxRenderSide)
        return QSize(int(widthPx), int(heightPx));
    const double factor = MaxRenderSide / larger;
    if (scale)
        *scale = factor;
    // The longer side becomes exactly the limit (the product alone may fall just short of it).
    if (widthPx >= heightPx)
        return QSize(MaxRenderSide, int(std::trunc(heightPx * factor)));
    return QSize(int(std::trunc(widthPx * factor)), MaxRenderSide);
}

QList<OcrLine> OcrController::toPagePoints(QList<OcrLine> lines, double scale)
{
    const double factor = PointsPerInch / RenderDpi / (scale > 0 ? scale : 1.0);
    for (OcrLine& line : lines)
        line.box = QRectF(line.box.x() * factor, line.box.y() * factor, line.box.width() * factor,
                          line.box.height() * factor);
    return lines;
}

void OcrController::ocrPage(int page)
{
    if (currentPage >= 0 || page < 0 || page >= documentController->pageCount())
        return;
    generation.advance(); // a new run: nothing of an earlier one may reach it
    warnedThisRun = false;
    queue.clear();
    queue.append(page);
    total = 1;
    done = 0;
    startNext();
}

void OcrController::ocrDocument()
{
    QList<int> pages(documentController->pageCount());
    std::iota(pages.begin(), pages.end(), 0);
    ocrPages(pages);
}

void OcrController::ocrPages(const QList<int>& pages)
{
    if (currentPage >= 0)
        return;
    generation.advance();
    warnedThisRun = false;
    queue.clear();
    const int count = documentController->pageCount();
    for (int page : pages) {
        if (page >= 0 && page < count && !textStore->ocrResult(page))
            queue.append(page);
    }
    total = int(queue.size());
    done = 0;
    if (queue.isEmpty())
        Q_EMIT finished(0, false);
    else
        startNext();
}

void OcrController::cancel()
{
    keepResults();
    generation.advance();
    queue.clear();
    currentPage = -1;
    waiting.reset();
    Q_EMIT finished(done, true);
}

void OcrController::reset()
{
    keepResults();
    keptEpoch.advance();
    generation.advance();
    queue.clear();
    currentPage = -1;
    waiting.reset();
    total = 0;
    done = 0;
}

void OcrController::onStatusChanged(DocumentStatus status)
{
    if (status != DocumentStatus::Ready && (currentPage >= 0 || !queue.isEmpty()))
        reset();
}

void OcrController::startNext()
{
    if (queue.isEmpty()) {
        keepResults();
        Q_EMIT finished(done, false);
        return;
    }
    const int page = queue.takeFirst();
    currentPage = page;
    const Generation::Value jobGeneration = generation.value();

    if (tried && !reader->isReady() && !awaitingEngine) {
        // The engine will not come: rendering the page would only keep the worker busy.
        QMetaObject::invokeMethod(
            this,
            [this, jobGeneration, page] {
                if (jobGeneration == generation.value())
                    failWithoutEngine(jobGeneration, page);
            },
            Qt::QueuedConnection);
        return;
    }
    const QList<QSizeF>& sizes = documentController->pageSizes();
    const QSizeF pointSize = page < sizes.size() ? sizes.at(page) : QSizeF();
    double scale = 1.0;
    const QSize pixels = renderSize(pointSize, &scale);
    // An outdated job does nothing: nobody waits for its page any more.
    pdfWorker->post(RenderPriority, this, generation.ticket(),
                    [jobGeneration, page, pixels, scale,
                     document = documentController->sharedDocument()]() -> Reply<OcrController> {
                        const QImage image = RenderCache::render(document.get(), page, pixels, 0,
                                                                 {}, PageImageFormat::Opaque);
                        return [jobGeneration, page, image, scale](OcrController& self) {
                            self.pageRendered(jobGeneration, page, image, scale);
                        };
                    });
}

void OcrController::engineStarted(bool ok, const OcrFailure& failure)
{
    if (!awaitingEngine)
        return; // started for another document
    awaitingEngine = false;
    if (!ok)
        startFailure = failure;
    const std::optional<RenderedPage> rendered = std::exchange(waiting, std::nullopt);
    if (ok) {
        if (rendered && rendered->generation == generation.value())
            recognise(*rendered);
    } else if (currentPage >= 0) {
        // The page in flight fails now; its image, should it still come, is dropped.
        failWithoutEngine(generation.value(), currentPage);
    }
}

void OcrController::pageRendered(Generation::Value jobGeneration, int page, const QImage& image,
                                 double scale)
{
    if (jobGeneration != generation.value() || page != currentPage)
        return;

    if (image.isNull()) {
        finishPage(page, {OcrFailure::Kind::PageNotRendered, {}, {}, 0});
        return;
    }
    const RenderedPage rendered{jobGeneration, page, image, scale};
    if (reader->isReady()) {
        recognise(rendered);
        return;
    }
    if (!tried) {
        tried = true;
        awaitingEngine = true;
        reader->start(); // or already starting for another document
    }
    if (awaitingEngine)
        waiting = rendered; // recognised as soon as the engine is there
    else
        failWithoutEngine(jobGeneration, page);
}

void OcrController::recognise(const RenderedPage& rendered)
{
    const Generation::Ticket ticket = generation.ticket();
    reader->post(this, ticket,
                 [ticket, jobGeneration = rendered.generation, page = rendered.page,
                  image = rendered.image, scale = rendered.scale](OcrEngine& engine) {
                     // Checked between the stages and the network runs, so that a cancelled run or
                     // a closing tab does not wait for a whole page.
                     const QList<OcrLine> lines =
                         engine.readPage(image, [&ticket] { return !ticket.isCurrent(); });
                     return Reply<OcrController>([jobGeneration, page, lines,
                                                  scale](OcrController& controller) {
                         controller.pageRecognised(jobGeneration, page, toPagePoints(lines, scale));
                     });
                 });
}

void OcrController::failWithoutEngine(Generation::Value jobGeneration, int page)
{
    // The reason of the failed start once, then a short one: every later page fails alike.
    const OcrFailure reason = startFailure.failed()
                                  ? startFailure
                                  : OcrFailure{OcrFailure::Kind::EngineUnavailable, {}, {}, 0};
    startFailure = {};
    currentPage = -1;
    ++done;
    Q_EMIT pageFailed(page, reason);
    if (!reportProgress(jobGeneration))
        return;
    // One warning per run is enough: every further page of the run fails for the same reason.
    const bool warn = !warnedThisRun;
    warnedThisRun = true;
    startNext();
    if (warn)
        Q_EMIT loadFailed(reason);
}

void OcrController::pageRecognised(Generation::Value jobGeneration, int page,
                                   const QList<OcrLine>& lines)
{
    if (jobGeneration != generation.value())
        return;
    OcrPageText result;
    result.lines = lines;
    textStore->setOcrResult(page, result); // the store joins the texts with line feeds
    resultsHash = documentController->sourceHash();
    currentPage = -1;
    ++done;
    unkept = true;
    if (done % KeepEveryPages == 0)
        keepResults();
    Q_EMIT pageOcrReady(page, int(lines.size()));
    if (!reportProgress(jobGeneration))
        return;
    startNext();
}

void OcrController::finishPage(int page, const OcrFailure& reason)
{
    const Generation::Value jobGeneration = generation.value();
    ++done;
    currentPage = -1;
    if (reason.failed())
        Q_EMIT pageFailed(page, reason);
    if (!reportProgress(jobGeneration))
        return;
    startNext();
}

bool OcrController::reportProgress(Generation::Value jobGeneration)
{
    // A slot connected to pageFailed, pageOcrReady or progress may cancel or restart the run.
    if (jobGeneration != generation.value())
        return false;
    Q_EMIT progress(done, total);
    return jobGeneration == generation.value();
}

void OcrController::restoreKeptResults()
{
    const QString hash = documentController->sourceHash();
    const int count = documentController->pageCount();
    if (hash.isEmpty() || count <= 0)
        return;
    pdfWorker->post(
        PdfWorker::FilesLane, this, keptEpoch.ticket(), [hash, count]() -> Reply<OcrController> {
            QHash<int, OcrPageText> pages;
            if (!OcrCache::load(hash, count, &pages))
                return {};
            return [pages](OcrController& controller) { controller.resultsLoaded(pages); };
        });
}

void OcrController::resultsLoaded(const QHash<int, OcrPageText>& pages)
{
    QList<int> withText;
    for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
        // A page recognised in this session meanwhile is newer than the kept one.
        if (textStore->ocrResult(it.key()))
            continue;
        textStore->setOcrResult(it.key(), it.value());
        if (!it.value().lines.isEmpty())
            withText.append(it.key());
    }
    std::sort(withText.begin(), withText.end());
    if (!withText.isEmpty())
        Q_EMIT resultsRestored(withText);
}

void OcrController::keepResults()
{
    if (!unkept)
        return;
    unkept = false;
    if (!keepAllowed || !keepAllowed())
        return;
    // The results belong to the contents they were read from: a reload has already forgotten
    // that hash and the page count when it stops the run, but not yet the results.
    const QString hash = resultsHash;
    QHash<int, OcrPageText> pages;
    for (int page : textStore->ocrPages())
        pages.insert(page, *textStore->ocrResult(page));
    if (hash.isEmpty() || pages.isEmpty())
        return;
    // Written on the files lane, which keeps the order of writes and finishes them at shutdown.
    pdfWorker->post(PdfWorker::FilesLane, [hash, pages] { OcrCache::save(hash, pages); });
}

} // namespace dovrix
