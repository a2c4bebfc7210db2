#pragma once

#include "core/PdfWorker.h"

#include "core/OcrLine.h"
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
    qint64 pageTextCalls = 0; // pages read (text and boxes in one pass)
    qint64 failedPages = 0;   // pages the engine could not read, or not within its time limit
};

// Everything the program knows about the text of a page of one document: texts, quick boxes,
// exact character boxes, hit boxes, reading blocks and OCR results. Boxes are in page points of
// the unrotated page (top-left origin, y down), one per character index of the page text; a
// character without a box has a null rectangle.
//
// The text of a page and the box of each of its characters come from one pass of the document
// engine (PdfDocument::pageText), so the character index is the engine's own text. The character
// boxes also serve as the quick boxes, and hit boxes are the lines of a run of character boxes.
//
// Requests return at once and post jobs to the PdfWorker; the engine runs only in those jobs on
// the worker thread. Results are stored and announced on the GUI thread. Everything public is for
// the GUI thread; no accessor blocks.
class TextLayoutStore : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(TextLayoutStore)

public:
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
    // Forgets the text, boxes and reading order of these pages because their text changed (a
    // form value drawn into it); their OCR results stay. A read already on its way for one of
    // them is read again when it returns, so every request still waiting gets the new text.
    void forgetPages(const QList<int>& pages);

    TextLayoutStats stats() const;
    void resetStats();

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
        std::atomic<qint64> pageTextCalls{0};
        std::atomic<qint64> failedPages{0};
    };

private:
    // Stores boxes as the page's quick boxes unless none is valid; ends a pending request.
    void storeQuickBoxes(int page, const QList<QRectF>& boxes);
    // The result of a page's text job (see PdfWorker::post): stores text and boxes and serves
    // every request that waited for them.
    void deliverText(int page, quint64 revision, const QString& text, const QList<QRectF>& boxes);
    void deliverHitBoxes(const HitKey& key);

    PdfWorker* worker;              // not owned
    DocumentController* controller; // not owned
    std::shared_ptr<Shared> shared; // counters, updated by jobs on the worker
    Generation generation;          // moved on by clear() and the destructor
    QHash<int, QString> textCache;
    QSet<int> pendingTexts;
    QHash<int, quint64> pageRevisions; // moved on by forgetPages; absent means 0
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
};

size_t qHash(const TextLayoutStore::HitKey& key, size_t hashSeed = 0) noexcept;

} // namespace dovrix
