#include "text/TextLayoutStore.h"

#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "geometry/CharGeometry.h"
#include "text/ReadingOrder.h"
#include "text/TextLog.h"

#include <QCoreApplication>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPointer>

#include <algorithm>

namespace dovrix {

namespace {

QList<QRectF> lineRects(const QPdfSelection& selection)
{
    QList<QRectF> rects;
    if (!selection.isValid())
        return rects;
    const QList<QPolygonF> polygons = selection.bounds();
    rects.reserve(polygons.size());
    for (const QPolygonF& polygon : polygons)
        rects.append(polygon.boundingRect());
    return rects;
}

// A character-box measurement in progress, owned by the job that carries it from run to run.
struct CharBoxJob
{
    QList<QRectF> boxes;
    QString text;
    QList<int> exact; // characters the engine gave no box, measured one Qt PDF call each
    int next = 0;     // first entry of exact not yet measured
    bool started = false;
    bool quick = false; // asked for as quick boxes: without the engine, hand those over first
    JobPriority priority = JobPriority::TextLayout;
    // What every run needs besides the job itself, captured at request time.
    int page = 0;
    Generation::Ticket ticket;
    DocumentHandle document;
    QPdfDocument* doc = nullptr; // document.get()
    PdfWorker* worker = nullptr;
    std::shared_ptr<TextLayoutStore::Shared> shared;
    QPointer<TextLayoutStore> store;
};

// Every character that is not blank and has no box yet.
QList<int> unmeasured(const QString& text, const QList<QRectF>& boxes)
{
    QList<int> list;
    for (int i = 0; i < text.size(); ++i) {
        if (!text.at(i).isSpace() && boxes.at(i).isNull())
            list.append(i);
    }
    return list;
}

// Measures up to ChunkSize of the characters left to the exact calls. Worker thread.
void measureExactly(CharBoxJob& job)
{
    TextLayoutStore::Shared& counters = *job.shared;
    const int end = std::min(int(job.exact.size()), job.next + TextLayoutStore::ChunkSize);
    for (; job.next < end; ++job.next) {
        const int m = job.exact.at(job.next);
        ++counters.exactCalls;
        ++counters.selectionCalls;
        const QPdfSelection one = job.doc->getSelectionAtIndex(job.page, m, 1);
        if (!one.isValid() || one.bounds().isEmpty())
            continue;
        const QRectF r = one.bounds().first().boundingRect();
        if (r.width() * r.height() >= 0.01 || r.height() > 0.1)
            job.boxes[m] = r;
    }
}

} // namespace

// The jobs posted to the worker. They hold a generation ticket, the shared counters and a QPointer
// to the store, never the store itself: the store may be gone when they run or deliver.
struct TextLayoutJobs
{
    // First run of a job: the boxes of the page from the character-geometry engine, aligned to the
    // page text; what it leaves is measured exactly. Worker thread.
    static void measureWithEngine(CharBoxJob& job)
    {
        TextLayoutStore::Shared& counters = *job.shared;
        const CharGeometry* geometry = CharGeometry::of(job.doc);
        PageCharBoxes measured;
        if (geometry) {
            ++counters.enginePages;
            measured = geometry->measurePage(job.page, job.text);
        }
        if (TextLayoutStore::engineBoxesUsable(measured)) {
            job.boxes = measured.boxes;
            counters.alignedChars += measured.matched;
            counters.comparableChars += measured.comparable;
        } else {
            ++counters.engineFallbacks;
            if (job.quick) {
                // No engine boxes: the quick boxes come from one selection of the whole page, the
                // exact boxes follow at the priority of character boxes.
                ++counters.selectionCalls;
                const QList<QRectF> rects =
                    lineRects(job.doc->getSelectionAtIndex(job.page, 0, int(job.text.size())));
                QPointer<TextLayoutStore> store = job.store;
                PdfWorker::replyTo<TextLayoutStore>(
                    store, job.ticket, [page = job.page, rects](TextLayoutStore& self) {
                        self.deliverQuickBoxes(page, rects);
                    });
                job.priority = std::min(job.priority, JobPriority::TextLayout);
            }
        }
        job.exact = unmeasured(job.text, job.boxes);
    }

    static void runCharBoxJob(std::shared_ptr<CharBoxJob> job)
    {
        if (!job->ticket.isCurrent())
            return; // stale: the job ends here
        if (job->doc) {
            if (!job->started)
                measureWithEngine(*job);
            else
                measureExactly(*job);
        }
        job->started = true;
        if (!job->ticket.isCurrent())
            return;
        if (job->doc && job->next < job->exact.size()) {
            // The exact calls queue again after every chunk, behind equal or higher priorities,
            // so renders and the current page's boxes are not held up by a long page.
            PdfWorker* worker = job->worker;
            const JobPriority priority = job->priority;
            worker->post(priority, [job = std::move(job)]() mutable { runCharBoxJob(job); });
            return;
        }
        QPointer<TextLayoutStore> store = job->store;
        const Generation::Ticket ticket = job->ticket;
        const int page = job->page;
        QList<QRectF> boxes = std::move(job->boxes);
        job.reset();
        PdfWorker::replyTo<TextLayoutStore>(store, ticket, [page, boxes](TextLayoutStore& self) {
            self.deliverCharBoxes(page, boxes);
        });
    }
};

TextLayoutStore::TextLayoutStore(PdfWorker* worker, DocumentController* controller, QObject* parent)
    : QObject(parent), worker(worker), controller(controller), shared(std::make_shared<Shared>())
{
}

TextLayoutStore::~TextLayoutStore()
{
    // Stops character-box jobs at their next chunk instead of measuring for nobody.
    generation.advance();
}

OcrPageText OcrPageText::fromLines(const QList<OcrLine>& lines)
{
    OcrPageText result;
    result.lines = lines;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            result.text.append(QLatin1Char('\n'));
        result.text.append(lines.at(i).text);
    }
    return result;
}

size_t qHash(const TextLayoutStore::HitKey& key, size_t hashSeed) noexcept
{
    const quint32 mixed =
        quint32(key.page) * 1000003u + quint32(key.start) * 31u + quint32(key.length);
    return ::qHash(mixed, hashSeed);
}

size_t qHash(const TextLayoutStore::DeferredKey& key, size_t hashSeed) noexcept
{
    return ::qHashMulti(hashSeed, int(key.kind), key.page, int(key.priority));
}

void TextLayoutStore::requestPageText(int page, JobPriority priority)
{
    if (textCache.contains(page) || pendingTexts.contains(page))
        return;
    pendingTexts.insert(page);
    worker->post(priority, this, generation.ticket(),
                 [shared = shared, page,
                  doc = controller ? controller->sharedDocument()
                                   : DocumentHandle()]() -> Reply<TextLayoutStore> {
                     QString text;
                     if (doc) {
                         ++shared->allTextCalls;
                         const QPdfSelection sel = doc->getAllText(page);
                         if (sel.isValid())
                             text = sel.text();
                     } else {
                         qCDebug(lcText) << "no document for the text of page" << page;
                     }
                     return [page, text](TextLayoutStore& self) { self.deliverText(page, text); };
                 });
}

void TextLayoutStore::deliverText(int page, const QString& text)
{
    pendingTexts.remove(page);
    textCache.insert(page, text);
    Q_EMIT pageTextReady(page);
}

void TextLayoutStore::deferUntilText(Deferred kind, int page, JobPriority priority)
{
    const DeferredKey key{kind, page, priority};
    if (armed.contains(key))
        return;
    armed.insert(key);
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(this, &TextLayoutStore::pageTextReady, this,
                          [this, key, connection](int readyPage) {
                              if (readyPage != key.page)
                                  return;
                              disconnect(*connection);
                              armed.remove(key);
                              switch (key.kind) {
                              case Deferred::QuickBoxes:
                                  requestQuickBoxes(key.page, key.priority);
                                  break;
                              case Deferred::CharBoxes:
                                  requestCharBoxes(key.page, key.priority);
                                  break;
                              case Deferred::ReadingBlocks:
                                  requestReadingBlocks(key.page);
                                  break;
                              }
                          });
}

void TextLayoutStore::requestQuickBoxes(int page, JobPriority priority)
{
    if (quickBoxCache.contains(page) || pendingQuickBoxes.contains(page))
        return;
    if (!textCache.contains(page)) {
        // The boxes follow the text at this priority: the page being shown gets them before
        // renders of other pages and thumbnails, so its first drag is anchored to the text.
        deferUntilText(Deferred::QuickBoxes, page, priority);
        requestPageText(page, priority);
        return;
    }
    if (textCache.value(page).isEmpty())
        return;
    // The character boxes serve as quick boxes: measured by the engine, they cost less than the
    // selection the quick boxes took before them.
    const auto exact = charBoxCache.constFind(page);
    if (exact != charBoxCache.constEnd()) {
        storeQuickBoxes(page, exact.value());
        return;
    }
    pendingQuickBoxes.insert(page);
    if (!pendingCharBoxes.contains(page))
        startCharBoxJob(page, priority, true);
}

void TextLayoutStore::storeQuickBoxes(int page, const QList<QRectF>& boxes)
{
    pendingQuickBoxes.remove(page);
    if (std::none_of(boxes.cbegin(), boxes.cend(), [](const QRectF& r) { return !r.isNull(); }))
        return; // nothing stored: a later request runs the job again
    quickBoxCache.insert(page, boxes);
    Q_EMIT quickBoxesReady(page);
}

void TextLayoutStore::deliverQuickBoxes(int page, const QList<QRectF>& lines)
{
    if (!pendingQuickBoxes.contains(page))
        return;
    storeQuickBoxes(page, spreadOverLines(textCache.value(page), lines));
}

void TextLayoutStore::requestCharBoxes(int page, JobPriority priority)
{
    if (charBoxCache.contains(page) || pendingCharBoxes.contains(page))
        return;
    if (!textCache.contains(page)) {
        deferUntilText(Deferred::CharBoxes, page, priority);
        requestPageText(page, priority);
        return;
    }
    startCharBoxJob(page, priority, false);
}

void TextLayoutStore::startCharBoxJob(int page, JobPriority priority, bool quick)
{
    pendingCharBoxes.insert(page);
    auto job = std::make_shared<CharBoxJob>();
    job->text = textCache.value(page);
    job->boxes = QList<QRectF>(job->text.size());
    job->quick = quick;
    job->priority = priority;
    job->page = page;
    job->ticket = generation.ticket();
    job->document = controller ? controller->sharedDocument() : DocumentHandle();
    job->doc = job->document.get();
    job->worker = worker;
    job->shared = shared;
    job->store = this;
    worker->post(priority, [job]() { TextLayoutJobs::runCharBoxJob(job); });
}

void TextLayoutStore::deliverCharBoxes(int page, const QList<QRectF>& boxes)
{
    pendingCharBoxes.remove(page);
    charBoxCache.insert(page, boxes);
    Q_EMIT charBoxesReady(page);
    if (pendingQuickBoxes.contains(page))
        storeQuickBoxes(page, boxes);
    if (pendingBlocks.contains(page))
        buildReadingBlocks(page);
}

void TextLayoutStore::requestHitBoxes(int page, int start, int length)
{
    const HitKey key{page, start, length};
    if (length <= 0 || start < 0 || hitBoxCache.contains(key) || pendingHitBoxes.contains(key))
        return;
    pendingHitBoxes.insert(key);
    worker->post(
        JobPriority::TextLayout, this, generation.ticket(),
        [shared = shared, key, doc = controller ? controller->sharedDocument() : DocumentHandle()]()
            -> Reply<TextLayoutStore> {
            QList<QRectF> rects;
            if (doc) {
                ++shared->selectionCalls;
                rects = lineRects(doc->getSelectionAtIndex(key.page, key.start, key.length));
            }
            return [key, rects](TextLayoutStore& self) { self.deliverHitBoxes(key, rects); };
        });
}

void TextLayoutStore::deliverHitBoxes(const HitKey& key, const QList<QRectF>& rects)
{
    pendingHitBoxes.remove(key);
    hitBoxCache.insert(key, rects);
    Q_EMIT hitBoxesReady(key.page, key.start, key.length);
}

void TextLayoutStore::requestReadingBlocks(int page)
{
    if (blockCache.contains(page) || pendingBlocks.contains(page))
        return;
    if (!textCache.contains(page)) {
        deferUntilText(Deferred::ReadingBlocks, page, JobPriority::TextLayout);
        requestPageText(page, JobPriority::TextLayout);
        return;
    }
    if (charBoxCache.contains(page)) {
        buildReadingBlocks(page);
        return;
    }
    pendingBlocks.insert(page);
    requestCharBoxes(page, JobPriority::TextLayout);
}

void TextLayoutStore::buildReadingBlocks(int page)
{
    pendingBlocks.remove(page);
    const QSizeF size = controller && page >= 0 && page < controller->pageSizes().size()
                            ? controller->pageSizes().at(page)
                            : QSizeF(-1, -1);
    blockCache.insert(page,
                      buildReadingOrder(textCache.value(page), charBoxCache.value(page), size));
    Q_EMIT readingBlocksReady(page);
}

QList<QRectF> TextLayoutStore::bestBoxes(int page) const
{
    const auto exact = charBoxCache.constFind(page);
    if (exact != charBoxCache.constEnd())
        return exact.value();
    return quickBoxCache.value(page);
}

QList<QRectF> TextLayoutStore::hitBoxes(int page, int start, int length) const
{
    return hitBoxCache.value(HitKey{page, start, length});
}

bool TextLayoutStore::hasTextLayer(int page) const
{
    const auto it = textCache.constFind(page);
    return it != textCache.constEnd() && isTextLayer(it.value());
}

bool TextLayoutStore::isTextLayer(const QString& text)
{
    int kept = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u != u'\n' && u != u'\r' && u != u' ' && u != u'\t' && ++kept > 2)
            return true;
    }
    return false;
}

QList<QRectF> TextLayoutStore::spreadOverLines(const QString& text, const QList<QRectF>& lines)
{
    QList<int> idx;
    for (int i = 0; i < text.size(); ++i) {
        if (!text.at(i).isSpace())
            idx.append(i);
    }
    const int count = int(idx.size());
    const int lineCount = int(lines.size());
    if (count == 0 || lineCount == 0)
        return {};
    double sum = 0;
    for (const QRectF& r : lines)
        sum += std::max(r.width(), 1.0);
    QList<QRectF> boxes(text.size());
    int k = 0;
    double acc = 0;
    double t = std::max(lines.at(0).width() * count / sum, 1.0);
    for (int j = 0; j < count; ++j) {
        boxes[idx.at(j)] = lines.at(k);
        acc += 1;
        while (k < lineCount - 1 && acc >= t) {
            acc -= t;
            k += 1;
            t = std::max(lines.at(k).width() * count / sum, 1.0);
        }
    }
    return boxes;
}

bool TextLayoutStore::engineBoxesUsable(const PageCharBoxes& measured)
{
    return measured.outcome == PageCharBoxes::Outcome::Measured
           && 2 * measured.matched >= measured.comparable;
}

const OcrPageText* TextLayoutStore::ocrResult(int page) const
{
    const auto it = ocrCache.constFind(page);
    return it == ocrCache.constEnd() ? nullptr : it.value().get();
}

QList<int> TextLayoutStore::ocrPages() const
{
    QList<int> pages = ocrCache.keys();
    std::sort(pages.begin(), pages.end());
    return pages;
}

void TextLayoutStore::setOcrResult(int page, const OcrPageText& result)
{
    ocrCache.insert(page,
                    std::make_shared<const OcrPageText>(OcrPageText::fromLines(result.lines)));
}

void TextLayoutStore::clear()
{
    generation.advance();
    textCache.clear();
    pendingTexts.clear();
    charBoxCache.clear();
    pendingCharBoxes.clear();
    quickBoxCache.clear();
    pendingQuickBoxes.clear();
    blockCache.clear();
    pendingBlocks.clear();
    hitBoxCache.clear();
    pendingHitBoxes.clear();
    ocrCache.clear();
}

TextLayoutStats TextLayoutStore::stats() const
{
    TextLayoutStats s;
    s.allTextCalls = shared->allTextCalls.load();
    s.selectionCalls = shared->selectionCalls.load();
    s.exactCalls = shared->exactCalls.load();
    s.enginePages = shared->enginePages.load();
    s.engineFallbacks = shared->engineFallbacks.load();
    s.alignedChars = shared->alignedChars.load();
    s.comparableChars = shared->comparableChars.load();
    return s;
}

void TextLayoutStore::resetStats()
{
    shared->allTextCalls = 0;
    shared->selectionCalls = 0;
    shared->exactCalls = 0;
    shared->enginePages = 0;
    shared->engineFallbacks = 0;
    shared->alignedChars = 0;
    shared->comparableChars = 0;
}

} // namespace dovrix
