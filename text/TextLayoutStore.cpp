#include "text/TextLayoutStore.h"

#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "text/ReadingOrder.h"

#include <QCoreApplication>
#include <QLineF>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPointer>

#include <algorithm>

namespace dovrix {

namespace {

constexpr int kTextPriority = 10;

// Results travel back through the application object, which outlives every store; the functor
// then checks that its store still exists.
template <typename Functor> void toGuiThread(Functor&& functor)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::forward<Functor>(functor),
                              Qt::QueuedConnection);
}

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

// A character-box measurement in progress, owned by the job that carries it from chunk to chunk.
struct CharBoxJob
{
    QList<QRectF> boxes;
    QString text;
    int next = 0;
    int length = 0;
    int priority = 0;
    // What every chunk run needs besides the job itself, captured at request time.
    int page = 0;
    quint64 generation = 0;
    QPdfDocument* doc = nullptr;
    PdfWorker* worker = nullptr;
    std::shared_ptr<TextLayoutStore::Shared> shared;
    QPointer<TextLayoutStore> store;
};

// Measures characters [lo, hi) of the job: one selection for the chunk, a proportional spread of
// its characters over the selection's line rectangles, three single-character probes, and the
// exact per-character pass when a probe disagrees. Worker thread.
void measureChunk(CharBoxJob& job, int lo, int hi)
{
    TextLayoutStore::Shared& counters = *job.shared;
    const QString& text = job.text;
    ++counters.chunks;
    ++counters.selectionCalls;
    const QList<QRectF> rects = lineRects(job.doc->getSelectionAtIndex(job.page, lo, hi - lo));
    QList<int> idx;
    for (int m = lo; m < hi; ++m) {
        if (!text.at(m).isSpace())
            idx.append(m);
    }
    if (idx.isEmpty() || rects.isEmpty())
        return;

    TextLayoutStore::approximateChunk(text, lo, hi, rects, job.boxes);

    // Three probes: first, middle and last measured character. A probed character's box is kept
    // for the exact pass (and a repeated sample of a short chunk is not queried twice): the same
    // query gives the same answer, so this only saves calls.
    struct Probe
    {
        int index = -1;
        bool measured = false; // valid selection with at least one polygon
        QRectF rect;
    };
    Probe probes[3];
    int probed = 0;
    const int count = int(idx.size());
    const int samples[] = {idx.at(0), idx.at(count / 2), idx.at(count - 1)};
    for (const int s : samples) {
        Probe probe;
        bool known = false;
        for (int i = 0; i < probed; ++i) {
            if (probes[i].index == s) {
                probe = probes[i];
                known = true;
            }
        }
        if (!known) {
            ++counters.probeCalls;
            ++counters.selectionCalls;
            const QPdfSelection one = job.doc->getSelectionAtIndex(job.page, s, 1);
            probe.index = s;
            probe.measured = one.isValid() && !one.bounds().isEmpty();
            if (probe.measured)
                probe.rect = one.bounds().first().boundingRect();
            probes[probed++] = probe;
        }
        if (!probe.measured || TextLayoutStore::probeAgrees(probe.rect, job.boxes.at(s)))
            continue;
        ++counters.fallbackChunks;
        for (int m = lo; m < hi; ++m) {
            const Probe* done = nullptr;
            for (int i = 0; i < probed; ++i) {
                if (probes[i].index == m)
                    done = &probes[i];
            }
            QRectF r;
            if (done) {
                if (!done->measured)
                    continue;
                r = done->rect;
            } else {
                ++counters.exactCalls;
                ++counters.selectionCalls;
                const QPdfSelection one = job.doc->getSelectionAtIndex(job.page, m, 1);
                if (!one.isValid() || one.bounds().isEmpty())
                    continue;
                r = one.bounds().first().boundingRect();
            }
            if (r.width() * r.height() >= 0.01 || r.height() > 0.1)
                job.boxes[m] = r;
        }
        break;
    }
}

} // namespace

// The jobs posted to the worker. They hold the shared generation and counters and a QPointer to
// the store, never the store itself: the store may be gone when they run or deliver.
struct TextLayoutJobs
{
    static void runCharBoxJob(std::shared_ptr<CharBoxJob> job)
    {
        if (job->shared->generation.load() != job->generation)
            return; // stale: the job ends here
        const int lo = job->next;
        const int hi = std::min(job->length, lo + TextLayoutStore::ChunkSize);
        if (job->doc && lo < hi)
            measureChunk(*job, lo, hi);
        job->next = hi;
        if (job->shared->generation.load() != job->generation)
            return;
        if (job->next < job->length) {
            // Each chunk queues again behind equal or higher priorities, so renders and the
            // current page's quick boxes are not held up by a long page.
            PdfWorker* worker = job->worker;
            const int priority = job->priority;
            worker->post(priority, [job = std::move(job)]() mutable { runCharBoxJob(job); });
            return;
        }
        QPointer<TextLayoutStore> store = job->store;
        const quint64 generation = job->generation;
        const int page = job->page;
        QList<QRectF> boxes = std::move(job->boxes);
        job.reset();
        toGuiThread([store, generation, page, boxes = std::move(boxes)] {
            if (store)
                store->deliverCharBoxes(generation, page, boxes);
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
    ++shared->generation;
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
    return ::qHashMulti(hashSeed, int(key.kind), key.page, key.priority);
}

void TextLayoutStore::requestPageText(int page, int priority)
{
    if (textCache.contains(page) || pendingTexts.contains(page))
        return;
    pendingTexts.insert(page);
    const quint64 gen = shared->generation.load();
    QPdfDocument* doc = controller ? controller->document() : nullptr;
    QPointer<TextLayoutStore> self(this);
    worker->post(priority, [self, shared = shared, gen, page, doc] {
        QString text;
        if (doc && shared->generation.load() == gen) {
            ++shared->allTextCalls;
            const QPdfSelection sel = doc->getAllText(page);
            if (sel.isValid())
                text = sel.text();
        }
        toGuiThread([self, gen, page, text] {
            if (self)
                self->deliverText(gen, page, text);
        });
    });
}

void TextLayoutStore::deliverText(quint64 gen, int page, const QString& text)
{
    if (gen != shared->generation.load())
        return;
    pendingTexts.remove(page);
    textCache.insert(page, text);
    Q_EMIT pageTextReady(page);
}

void TextLayoutStore::deferUntilText(Deferred kind, int page, int priority)
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

void TextLayoutStore::requestQuickBoxes(int page, int priority)
{
    if (quickBoxCache.contains(page) || pendingQuickBoxes.contains(page))
        return;
    if (!textCache.contains(page)) {
        if (pendingTexts.contains(page))
            deferUntilText(Deferred::QuickBoxes, page, priority);
        else
            requestPageText(page, priority);
        return;
    }
    const int n = int(textCache.value(page).size());
    if (n <= 0)
        return;
    pendingQuickBoxes.insert(page);
    const quint64 gen = shared->generation.load();
    QPdfDocument* doc = controller ? controller->document() : nullptr;
    QPointer<TextLayoutStore> self(this);
    worker->post(priority, [self, shared = shared, gen, page, doc, n] {
        QList<QRectF> rects;
        if (doc && shared->generation.load() == gen) {
            ++shared->selectionCalls;
            rects = lineRects(doc->getSelectionAtIndex(page, 0, n));
        }
        toGuiThread([self, gen, page, rects] {
            if (self)
                self->deliverQuickBoxes(gen, page, rects);
        });
    });
}

void TextLayoutStore::deliverQuickBoxes(quint64 gen, int page, const QList<QRectF>& lines)
{
    if (gen != shared->generation.load())
        return;
    pendingQuickBoxes.remove(page);
    const QList<QRectF> boxes = spreadOverLines(textCache.value(page), lines);
    if (boxes.isEmpty())
        return; // nothing stored: a later request runs the job again
    quickBoxCache.insert(page, boxes);
    Q_EMIT quickBoxesReady(page);
}

void TextLayoutStore::requestCharBoxes(int page, int priority)
{
    if (charBoxCache.contains(page) || pendingCharBoxes.contains(page))
        return;
    if (!textCache.contains(page)) {
        deferUntilText(Deferred::CharBoxes, page, priority);
        requestPageText(page, priority);
        return;
    }
    pendingCharBoxes.insert(page);
    auto job = std::make_shared<CharBoxJob>();
    job->text = textCache.value(page);
    job->length = int(job->text.size());
    job->boxes = QList<QRectF>(job->length);
    job->priority = priority;
    job->page = page;
    job->generation = shared->generation.load();
    job->doc = controller ? controller->document() : nullptr;
    job->worker = worker;
    job->shared = shared;
    job->store = this;
    worker->post(priority, [job]() { TextLayoutJobs::runCharBoxJob(job); });
}

void TextLayoutStore::deliverCharBoxes(quint64 gen, int page, const QList<QRectF>& boxes)
{
    if (gen != shared->generation.load())
        return;
    pendingCharBoxes.remove(page);
    charBoxCache.insert(page, boxes);
    Q_EMIT charBoxesReady(page);
    if (pendingBlocks.contains(page))
        buildReadingBlocks(page);
}

void TextLayoutStore::requestHitBoxes(int page, int start, int length)
{
    const HitKey key{page, start, length};
    if (length <= 0 || start < 0 || hitBoxCache.contains(key) || pendingHitBoxes.contains(key))
        return;
    pendingHitBoxes.insert(key);
    const quint64 gen = shared->generation.load();
    QPdfDocument* doc = controller ? controller->document() : nullptr;
    QPointer<TextLayoutStore> self(this);
    worker->post(kTextPriority, [self, shared = shared, gen, key, doc] {
        QList<QRectF> rects;
        if (doc && shared->generation.load() == gen) {
            ++shared->selectionCalls;
            rects = lineRects(doc->getSelectionAtIndex(key.page, key.start, key.length));
        }
        toGuiThread([self, gen, key, rects] {
            if (self)
                self->deliverHitBoxes(gen, key, rects);
        });
    });
}

void TextLayoutStore::deliverHitBoxes(quint64 gen, const HitKey& key, const QList<QRectF>& rects)
{
    if (gen != shared->generation.load())
        return;
    pendingHitBoxes.remove(key);
    hitBoxCache.insert(key, rects);
    Q_EMIT hitBoxesReady(key.page, key.start, key.length);
}

void TextLayoutStore::requestReadingBlocks(int page)
{
    if (blockCache.contains(page) || pendingBlocks.contains(page))
        return;
    if (!textCache.contains(page)) {
        deferUntilText(Deferred::ReadingBlocks, page, kTextPriority);
        requestPageText(page, kTextPriority);
        return;
    }
    if (charBoxCache.contains(page)) {
        buildReadingBlocks(page);
        return;
    }
    pendingBlocks.insert(page);
    requestCharBoxes(page, kTextPriority);
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

void TextLayoutStore::approximateChunk(const QString& text, int lo, int hi,
                                       const QList<QRectF>& rects, QList<QRectF>& boxes)
{
    if (rects.isEmpty() || lo >= hi)
        return;
    const int n = int(rects.size());
    double sum = 0;
    for (const QRectF& r : rects)
        sum += std::max(r.width(), 1.0);
    const double chunk = std::max(hi - lo, 1);
    int k = 0;
    double acc = 0;
    double t = std::max(rects.at(0).width() * chunk / sum, 1.0);
    for (int m = lo; m < hi; ++m) {
        if (!text.at(m).isSpace()) {
            const QRectF& r = rects.at(k);
            const double u = r.width() / t;
            const double x = std::min(r.left() + u * acc, std::max(r.right() - u, r.left()));
            boxes[m] = QRectF(x, r.top(), u, r.height());
        }
        acc += 1;
        while (k < n - 1 && acc >= t) {
            k += 1;
            acc -= t;
            t = std::max(rects.at(k).width() * chunk / sum, 1.0);
        }
    }
}

bool TextLayoutStore::probeAgrees(const QRectF& probe, const QRectF& approximate)
{
    const double tolerance = std::max(1.2 * probe.height(), 6.0);
    return QLineF(probe.center(), approximate.center()).length() <= tolerance;
}

const OcrPageText* TextLayoutStore::ocrResult(int page) const
{
    const auto it = ocrCache.constFind(page);
    return it == ocrCache.constEnd() ? nullptr : it.value().get();
}

void TextLayoutStore::setOcrResult(int page, const OcrPageText& result)
{
    ocrCache.insert(page,
                    std::make_shared<const OcrPageText>(OcrPageText::fromLines(result.lines)));
}

void TextLayoutStore::clear()
{
    ++shared->generation;
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
    s.chunks = shared->chunks.load();
    s.fallbackChunks = shared->fallbackChunks.load();
    s.probeCalls = shared->probeCalls.load();
    s.exactCalls = shared->exactCalls.load();
    return s;
}

void TextLayoutStore::resetStats()
{
    shared->allTextCalls = 0;
    shared->selectionCalls = 0;
    shared->chunks = 0;
    shared->fallbackChunks = 0;
    shared->probeCalls = 0;
    shared->exactCalls = 0;
}

} // namespace dovrix
