#include "text/SearchController.h"

#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "text/TextLayoutStore.h"

#include <algorithm>
#include <utility>

namespace dovrix {

namespace {
}

SearchController::SearchController(TextLayoutStore* store, DocumentController* controller,
                                   QObject* parent)
    : QObject(parent), store(store), controller(controller)
{
    connect(store, &TextLayoutStore::pageTextReady, this, &SearchController::onPageTextReady,
            Qt::DirectConnection);
}

void SearchController::startSearch(const QString& query, bool caseSensitive)
{
    ++serial;
    active = false;
    rawQuery = query;
    caseInsensitive = !caseSensitive;
    const int totalPages = controller ? int(controller->pageSizes().size()) : 0;
    const int n = std::max(totalPages, 0);
    scanned = QByteArray(n, '\0');
    pendingHits = QList<QList<SearchHit>>(n);
    nextPageToEmit = 0;
    scannedPages = 0;
    found = 0;
    hits.clear();
    finishedEmitted = false;
    normalizedQuery = normalizeForSearch(query, caseInsensitive).text;

    if (normalizedQuery.isEmpty() || totalPages == 0) {
        Q_EMIT started(totalPages);
        finishedEmitted = true;
        Q_EMIT finished(0);
        return;
    }
    active = true;
    const quint64 current = serial;
    Q_EMIT started(totalPages);
    // A slot connected to one of our signals may start another search or clear this one: stop
    // as soon as this search is no longer the current one.
    for (int page = 0; page < totalPages && serial == current; ++page) {
        if (store->hasPageText(page))
            scanPage(page);
        else
            store->requestPageText(page, JobPriority::TextLayout);
    }
}

void SearchController::clear()
{
    ++serial;
    active = false;
    normalizedQuery.clear();
    rawQuery.clear();
    scanned.clear();
    pendingHits.clear();
    nextPageToEmit = 0;
    scannedPages = 0;
    found = 0;
    hits.clear();
    finishedEmitted = false;
}

void SearchController::onPageTextReady(int page)
{
    if (active && page >= 0 && page < scanned.size())
        scanPage(page);
}

void SearchController::scanPage(int page)
{
    if (page < 0 || page >= scanned.size() || scanned.at(page))
        return;
    scanned[page] = 1;
    ++scannedPages;

    QList<SearchHit> pageHits;
    if (!normalizedQuery.isEmpty()) {
        const QString pageText = store->pageText(page);
        const int textLength = int(pageText.size());
        const OcrPageText* ocr = store->ocrResult(page);
        QString combined = pageText;
        QList<int> offsets;
        if (ocr && !ocr->text.isEmpty()) {
            int offset = 0;
            for (const OcrLine& line : ocr->lines) {
                offsets.append(offset);
                offset += int(line.text.size()) + 1;
            }
            combined = pageText + QLatin1Char('\n') + ocr->text;
        }
        const NormalizedText norm = normalizeForSearch(combined, caseInsensitive);
        const int queryLength = int(normalizedQuery.size());
        qsizetype idx = norm.text.indexOf(normalizedQuery, 0, Qt::CaseSensitive);
        while (idx >= 0) {
            const qsizetype last = idx + queryLength - 1;
            if (last < norm.sourceIndex.size()) {
                const int s = norm.sourceIndex.at(idx);
                const int e = norm.sourceIndex.at(last);
                SearchHit hit{page, 0, 0, -1};
                int end = 0;
                if (s >= textLength && !offsets.isEmpty()) {
                    // A match that begins on the line feed joining the page text and the OCR
                    // text starts, in the OCR text, at its first character.
                    const int p = std::max(s - textLength - 1, 0);
                    int k = 0;
                    for (int j = int(offsets.size()) - 1; j >= 0; --j) {
                        if (offsets.at(j) <= p) {
                            k = j;
                            break;
                        }
                    }
                    hit.start = p - offsets.at(k);
                    end = std::min(e - textLength - 1 - offsets.at(k),
                                   int(ocr->lines.at(k).text.size()) - 1);
                    hit.ocrLine = k;
                } else {
                    hit.start = s;
                    end = std::min(e, textLength - 1);
                }
                hit.length = end - hit.start + 1;
                if (hit.length >= 1)
                    pageHits.append(hit);
            }
            idx = norm.text.indexOf(normalizedQuery, idx + 1, Qt::CaseSensitive);
        }
    }
    found += int(pageHits.size());
    pendingHits[page] = pageHits;
    const quint64 current = serial;
    flushInOrder();
    if (serial != current)
        return; // a listener of hitFound cleared or restarted the search
    Q_EMIT progress(scannedPages, int(scanned.size()));
    if (scannedPages == scanned.size() && !finishedEmitted) {
        finishedEmitted = true;
        Q_EMIT finished(int(hits.size()));
    }
}

void SearchController::flushInOrder()
{
    const quint64 current = serial;
    while (nextPageToEmit < scanned.size() && scanned.at(nextPageToEmit)) {
        const int page = nextPageToEmit;
        const QList<SearchHit> pageHits = std::exchange(pendingHits[page], {});
        ++nextPageToEmit;
        for (const SearchHit& hit : pageHits) {
            hits.append(hit);
            Q_EMIT hitFound(hit.page, hit.start, hit.length, hit.ocrLine);
            if (serial != current)
                return;
        }
    }
}

} // namespace dovrix
