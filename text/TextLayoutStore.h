#pragma once

#include "core/PdfWorker.h"

#include "core/OcrLine.h"
#include "geometry/CharGeometry.h"
#include "text/ReadingBlock.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QRectF>
#include <QSet>
#include <QString>

#include <atomic>
#include <memory>

namespace dovrix {

class DocumentController;
class PdfWorker;

// A page's recognised text as the store keeps it: the lines in the order the recogniser gave them
// (boxes in page points) and their texts joined with line feeds.
struct OcrPageText
{
    QList<OcrLine> lines;
    QString text; // lines' texts joined with U+000A; empty without lines

    static OcrPageText fromLines(const QList<OcrLine>& lines);
};

// Cheap counters of the work done on the worker, for the bench and for tests. Cumulative since
// construction or the last resetStats().
struct TextLayoutStats
{
    qint64 allTextCalls = 0;    // QPdfDocument::getAllText
    qint64 selectionCalls = 0;  // QPdfDocument::getSelectionAtIndex, all purposes
    qint64 exactCalls = 0;      // single-character queries for characters the engine left
    qint64 enginePages = 0;     // pages measured by the character-geometry engine
    qint64 engineFallbacks = 0; // pages measured wholly by single-character queries
    qint64 alignedChars = 0;    // characters given a box by the engine (used pages only)
    qint64 comparableChars = 0; // characters the alignment compared (used pages only)
};

// Everything the program knows about the text of a page of one document: texts, quick boxes,
// exact character boxes, hit boxes, reading blocks and OCR results. Boxes are in page points of
// the unrotated page (top-left origin, y down), one per character index of the page text; a
// character without a box has a null rectangle.
//
// Character boxes come from the character-geometry engine attached to the document (one
// extraction per page, aligned to the page text); the characters it leaves without a box, or
// every character of a page it cannot measure, get theirs from one Qt PDF selection each. Once
// measured, the character boxes also serve as the quick boxes.
//
// Requests return at once and post jobs to the PdfWorker; the Qt PDF calls run only in those jobs
// on the worker thread. Results are stored and announced on the GUI thread. Everything public is
// for the GUI thread; no accessor blocks.
class TextLayoutStore : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(TextLayoutStore)

public:
    // Single-character queries made by one character-box job run.
    static constexpr int ChunkSize = 64;

    TextLayoutStore(PdfWorker* worker, DocumentController* controller, QObject* parent = nullptr);
    ~TextLayoutStore() override;

    void requestPageText(int page, JobPriority priority);
    void requestQuickBoxes(int page, JobPriority priority);
    void requestCharBoxes(int page, JobPriority priority);
    void requestHitBoxes(int page, int start, int length); // at JobPriority::TextLayout
    void requestReadingBlocks(int page); // what it needs at JobPriority::TextLayout

    QString pageText(int page) const { return textCache.value(page); }
    bool hasPageText(int page) const { return textCache.contains(page); }
    bool hasCharBoxes(int page) const { return charBoxCache.contains(page); }
    bool hasQuickBoxes(int page) const { return quickBoxCache.contains(page); }
    bool hasReadingBlocks(int page) const { return blockCache.contains(page); }
    QList<QRectF> charBoxes(int page) const { return charBoxCache.value(page); }
    // Exact boxes when measured, else quick boxes, else nothing.
    QList<QRectF> bestBoxes(int page) const;
    QList<QRectF> hitBoxes(int page, int start, int length) const;
    QList<ReadingBlock> readingBlocks(int page) const { return blockCache.value(page); }
    // More than two characters besides line breaks, spaces and tabs; false while not loaded.
    bool hasTextLayer(int page) const;

    // Null when the page has no OCR result. Valid until the next setOcrResult for that page or
    // clear(); results of other pages never move it.
    const OcrPageText* ocrResult(int page) const;
    // Stores or replaces the page's OCR result. The joined text is rebuilt from the lines so that
    // it always matches them (search maps hits back through it). Emits nothing.
    void setOcrResult(int page, const OcrPageText& result);
    // The pages with an OCR result, in ascending order.
    QList<int> ocrPages() const;

    // Builds, stores and announces the page's reading blocks from its text and exact boxes.
    void buildReadingBlocks(int page);

    // Forgets everything of the current document; results of jobs posted before are dropped.
    void clear();

    TextLayoutStats stats() const;
    void resetStats();

    // The geometry rules, as pure functions of their inputs (used by the jobs; public for tests).
    // Quick boxes: each non-space character gets a whole line rectangle, the characters spread
    // over the rectangles in proportion to their widths; whitespace keeps a null box. Empty when
    // there is no non-space character or no rectangle.
    static QList<QRectF> spreadOverLines(const QString& text, const QList<QRectF>& lineRects);
    // The engine's boxes are used for a page it measured, in time, matching at least half of
    // the characters it compared; otherwise the page is measured by single-character queries.
    static bool engineBoxesUsable(const PageCharBoxes& measured);
    // More than two characters besides line feeds, carriage returns, spaces and tabs.
    static bool isTextLayer(const QString& text);

Q_SIGNALS:
    void pageTextReady(int page);
    void charBoxesReady(int page);
    void quickBoxesReady(int page);
    void hitBoxesReady(int page, int start, int length);
    void readingBlocksReady(int page);

public:
    struct HitKey
    {
        int page = 0;
        int start = 0;
        int length = 0;
        friend bool operator==(const HitKey& a, const HitKey& b)
        {
            return a.page == b.page && a.start == b.start && a.length == b.length;
        }
    };

    // Shared with the jobs: they may outlive the store, so they hold these and never the store.
    struct Shared
    {
        std::atomic<qint64> allTextCalls{0};
        std::atomic<qint64> selectionCalls{0};
        std::atomic<qint64> exactCalls{0};
        std::atomic<qint64> enginePages{0};
        std::atomic<qint64> engineFallbacks{0};
        std::atomic<qint64> alignedChars{0};
        std::atomic<qint64> comparableChars{0};
    };

    enum class Deferred { QuickBoxes, CharBoxes, ReadingBlocks };
    struct DeferredKey
    {
        Deferred kind = Deferred::QuickBoxes;
        int page = 0;
        JobPriority priority = JobPriority::TextLayout;
        friend bool operator==(const DeferredKey& a, const DeferredKey& b)
        {
            return a.kind == b.kind && a.page == b.page && a.priority == b.priority;
        }
    };

private:
    friend struct TextLayoutJobs; // the worker-side jobs deliver through the private functions

    // Re-issues a request when the page's text arrives. One listener per (kind, page, priority):
    // a second identical listener would only find the first one's request pending.
    void deferUntilText(Deferred kind, int page, JobPriority priority);

    // Posts the character-box job; quick when quick boxes asked for it.
    void startCharBoxJob(int page, JobPriority priority, bool quick);
    // Stores boxes as the page's quick boxes unless none is valid; ends a pending request.
    void storeQuickBoxes(int page, const QList<QRectF>& boxes);

    // Results of current jobs (see PdfWorker::post).
    void deliverText(int page, const QString& text);
    void deliverQuickBoxes(int page, const QList<QRectF>& lineRects);
    void deliverCharBoxes(int page, const QList<QRectF>& boxes);
    void deliverHitBoxes(const HitKey& key, const QList<QRectF>& rects);

    PdfWorker* worker;              // not owned
    DocumentController* controller; // not owned
    std::shared_ptr<Shared> shared; // counters, updated by jobs on the worker
    Generation generation;          // moved on by clear() and the destructor
    QHash<int, QString> textCache;
    QSet<int> pendingTexts;
    QHash<int, QList<QRectF>> charBoxCache;
    QSet<int> pendingCharBoxes;
    QHash<int, QList<QRectF>> quickBoxCache;
    QSet<int> pendingQuickBoxes;
    QHash<int, QList<ReadingBlock>> blockCache;
    QSet<int> pendingBlocks;
    QHash<HitKey, QList<QRectF>> hitBoxCache;
    QSet<HitKey> pendingHitBoxes;
    // Held by pointer so that storing another page's result never moves a result handed out.
    QHash<int, std::shared_ptr<const OcrPageText>> ocrCache;
    QSet<DeferredKey> armed; // deferred requests waiting for their page's text
};

size_t qHash(const TextLayoutStore::HitKey& key, size_t hashSeed = 0) noexcept;
size_t qHash(const TextLayoutStore::DeferredKey& key, size_t hashSeed = 0) noexcept;

} // namespace dovrix
