#pragma once

#include "text/SearchHit.h"

#include <QList>
#include <QString>
#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace dovrix {

class DocumentController;
class SearchController;
class TextLayoutStore;

// Side panel of one document's search: progress, the hits grouped by page with an excerpt of
// each, and, when nothing is found, the offer to recognise the document first. The window owns the
// search field and drives the panel; the panel tells the page view which hit to show. GUI thread
// only.
class SearchPanel : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(SearchPanel)

public:
    SearchPanel(DocumentController* documentController, SearchController* searchController,
                TextLayoutStore* store, QWidget* parent = nullptr);

    // Starts a search; a blank query ends in the idle state.
    void search(const QString& query, bool caseSensitive);
    // Wrap around the hits; without a focused hit, next is the first and previous the last.
    void focusNext();
    void focusPrevious();
    // Focuses the first hit of the current search, now or as soon as it is found (a search still
    // reading its pages); a new search or a hit chosen meanwhile cancels the wish.
    void showFirstHit();
    // Back to the idle state (no hits, the prompt).
    void reset();
    void retranslate();

    const QList<SearchHit>& searchHits() const { return hits; }
    const QList<int>& rowHits() const { return rowToHit; }
    int currentHitIndex() const { return currentHit; }
    QString currentQuery() const { return query; }
    QListWidget* resultList() const { return list; }
    QLabel* statusLabel() const { return status; }
    QWidget* hintBox() const { return hint; }
    QPushButton* ocrButton() const { return ocr; }

    // The row text for a hit at start with length inside text: up to 12 characters before it and
    // 48 after, white space simplified, "…" where text was cut.
    static QString excerpt(const QString& text, int start, int length);

Q_SIGNALS:
    void hitFocused(int hitIndex);
    void ocrRequested();

private Q_SLOTS:
    void onStarted(int totalPages);
    void onHitFound(int page, int start, int length, int ocrLine);
    void onProgress(int scanned, int total);
    void onFinished(int totalHits);
    void onItemClicked(QListWidgetItem* it);

private:
    void rebuildList();
    void appendRows();
    void focusHit(int hit);
    void clearResults();
    QString shownQuery() const;
    QString hitsText() const;
    QString noHitsText() const;

    DocumentController* documentController; // not owned
    SearchController* searchController;     // not owned
    TextLayoutStore* store;                 // not owned
    QListWidget* list;
    QLabel* status;
    QWidget* hint;
    QLabel* hintLabel;
    QPushButton* ocr;
    QList<SearchHit> hits; // arrival order; the position is the hit index
    QList<int> rowToHit;   // per row: the hit index, -1 for a page header
    int shownHits = 0;     // hits that have their rows
    QString query;
    int currentHit = -1;
    bool firstHitWanted = false;
};

} // namespace dovrix
