#pragma once

#include "text/SearchHit.h"
#include "text/SearchNormalize.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

namespace dovrix {

class DocumentController;
class TextLayoutStore;

// Finds every occurrence of a query in one document: in each page's text layer and in the
// recognised text of OCR'd pages. A search starts with the page texts the store already holds and
// continues as the others arrive; it never waits. Hits are announced strictly in page order,
// whatever order the texts arrive in. GUI thread only.
class SearchController : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SearchController)

public:
    SearchController(TextLayoutStore* store, DocumentController* controller,
                     QObject* parent = nullptr);

    // Replaces any running search. Pages already loaded are searched (and, when they come first,
    // announced) before this returns.
    void startSearch(const QString& query, bool caseSensitive);
    // Forgets the search; emits nothing.
    void clear();

    QString query() const { return rawQuery; }
    bool isActive() const { return active; }
    bool isFinished() const { return finishedEmitted; }
    bool isCaseSensitive() const { return !caseInsensitive; }
    const QList<SearchHit>& announcedHits() const { return hits; }
    // Hits on every page scanned so far, announced or still waiting for an earlier page.
    int foundHits() const { return found; }

Q_SIGNALS:
    void started(int totalPages);
    void hitFound(int page, int start, int length, int ocrLine);
    void progress(int scannedPages, int totalPages);
    void finished(int totalHits);

private Q_SLOTS:
    void onPageTextReady(int page);

private:
    void scanPage(int page);
    void flushInOrder();

    TextLayoutStore* store;         // not owned
    DocumentController* controller; // not owned; its page sizes give the page count
    QString rawQuery;
    QString normalizedQuery;
    bool caseInsensitive = true;
    bool active = false;
    bool finishedEmitted = false;
    QList<SearchHit> hits;               // announced, in announcement order
    QByteArray scanned;                  // one byte per page: 1 once searched
    QList<QList<SearchHit>> pendingHits; // per page: found, not yet announced
    int nextPageToEmit = 0;
    int scannedPages = 0;
    int found = 0;
    quint64 serial = 0; // changes with every startSearch and clear, for re-entrant listeners
};

} // namespace dovrix
