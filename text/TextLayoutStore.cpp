#include "text/TextLayoutStore.h"

#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "text/ReadingOrder.h"
#include "text/TextLog.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>

namespace dovrix {

TextLayoutStore::TextLayoutStore(PdfWorker* worker, DocumentController* controller, QObject* parent)
    : QObject(parent), worker(worker), controller(controller), shared(std::make_shared<Shared>())
{
}

TextLayoutStore::~TextLayoutStore()
{
    // Queued text jobs find their ticket stale and read nothing.
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

void TextLayoutStore::requestPageText(int page, JobPriority priority)
{
    if (textCache.contains(page) || pendingTexts.contains(page))
        return;
    pendingTexts.insert(page);
    worker->post(priority, this, generation.ticket(),
                 [shared = shared, page, revision = pageRevisions.value(page),
                  doc = controller ? controller->sharedDocument()
                                   : DocumentHandle()]() -> Reply<TextLayoutStore> {
                     PageText read;
                     if (doc) {
                         ++shared->pageTextCalls;
                         read = doc->pageText(page);
                         if (read.outcome != PageText::Outcome::Read) {
                             ++shared->failedPages;
                             qCDebug(lcText) << "no text of page" << page << int(read.outcome);
                         }
                     } else {
                         qCDebug(lcText) << "no document for the text of page" << page;
                     }
                     return [page, revision, text = std::move(read.text),
                             boxes = std::move(read.boxes)](TextLayoutStore& self) {
                         self.deliverText(page, revision, text, boxes);
                     };
                 });
}

void TextLayoutStore::deliverText(int page, quint64 revision, const QString& text,
                                  const QList<QRectF>& boxes)
{
    pendingTexts.remove(page);
    if (revision != pageRevisions.value(page)) {
        // Read before the page's text changed: read it again for whoever still waits.
        requestPageText(page, JobPriority::TextLayout);
        return;
    }
    textCache.insert(page, text);
    // One box per character, whatever the engine gave.
    QList<QRectF> fitted = boxes;
    fitted.resize(text.size());
    charBoxCache.insert(page, fitted);
    pendingCharBoxes.remove(page);
    Q_EMIT pageTextReady(page);
    if (!textCache.contains(page))
        return; // a listener cleared the store
    Q_EMIT charBoxesReady(page);
    if (pendingQuickBoxes.contains(page))
        storeQuickBoxes(page, fitted);
    if (pendingBlocks.contains(page))
        buildReadingBlocks(page);
    const QList<HitKey> waiting(pendingHitBoxes.cbegin(), pendingHitBoxes.cend());
    for (const HitKey& key : waiting) {
        if (key.page == page)
            deliverHitBoxes(key);
    }
}

void TextLayoutStore::requestQuickBoxes(int page, JobPriority priority)
{
    if (quickBoxCache.contains(page) || pendingQuickBoxes.contains(page))
        return;
    if (!textCache.contains(page)) {
        // The boxes come with the text, at this priority: the page being shown gets them before
        // renders of other pages and thumbnails, so its first drag is anchored to the text.
        pendingQuickBoxes.insert(page);
        requestPageText(page, priority);
        return;
    }
    if (textCache.value(page).isEmpty())
        return;
    pendingQuickBoxes.insert(page);
    storeQuickBoxes(page, charBoxCache.value(page));
}

void TextLayoutStore::storeQuickBoxes(int page, const QList<QRectF>& boxes)
{
    pendingQuickBoxes.remove(page);
    if (std::none_of(boxes.cbegin(), boxes.cend(), [](const QRectF& r) { return !r.isNull(); }))
        return; // nothing stored: a later request asks again
    quickBoxCache.insert(page, boxes);
    Q_EMIT quickBoxesReady(page);
}

void TextLayoutStore::requestCharBoxes(int page, JobPriority priority)
{
    if (charBoxCache.contains(page) || pendingCharBoxes.contains(page))
        return;
    pendingCharBoxes.insert(page);
    requestPageText(page, priority);
}

void TextLayoutStore::requestHitBoxes(int page, int start, int length)
{
    const HitKey key{page, start, length};
    if (length <= 0 || start < 0 || hitBoxCache.contains(key) || pendingHitBoxes.contains(key))
        return;
    pendingHitBoxes.insert(key);
    if (!charBoxCache.contains(page)) {
        requestPageText(page, JobPriority::TextLayout);
        return;
    }
    // Announced from the event loop, as when the text had to be read first.
    QMetaObject::invokeMethod(
        this,
        [this, key, ticket = generation.ticket()] {
            if (ticket.isCurrent() && pendingHitBoxes.contains(key))
                deliverHitBoxes(key);
        },
        Qt::QueuedConnection);
}

void TextLayoutStore::deliverHitBoxes(const HitKey& key)
{
    pendingHitBoxes.remove(key);
    hitBoxCache.insert(key, lineRectsOf(charBoxCache.value(key.page), key.start, key.length));
    Q_EMIT hitBoxesReady(key.page, key.start, key.length);
}

void TextLayoutStore::requestReadingBlocks(int page)
{
    if (blockCache.contains(page) || pendingBlocks.contains(page))
        return;
    if (charBoxCache.contains(page)) {
        buildReadingBlocks(page);
        return;
    }
    pendingBlocks.insert(page);
    requestPageText(page, JobPriority::TextLayout);
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

void TextLayoutStore::forgetPages(const QList<int>& pages)
{
    for (int page : pages) {
        ++pageRevisions[page];
        textCache.remove(page);
        charBoxCache.remove(page);
        quickBoxCache.remove(page);
        blockCache.remove(page);
        hitBoxCache.removeIf([page](const auto& entry) { return entry.key().page == page; });
    }
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
    pageRevisions.clear();
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
    s.pageTextCalls = shared->pageTextCalls.load();
    s.failedPages = shared->failedPages.load();
    return s;
}

void TextLayoutStore::resetStats()
{
    shared->pageTextCalls = 0;
    shared->failedPages = 0;
}

} // namespace dovrix
