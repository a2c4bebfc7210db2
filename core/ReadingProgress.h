#pragma once

#include "settings/AppSettings.h"

#include <QObject>
#include <QString>

class QTimer;

namespace dovrix {

// Remembers the page the user was on, keyed by the document's contents (its sourceHash), so that
// reopening the same contents returns there. Writes are debounced by WriteDelayMs so that paging
// through a document does not rewrite the settings file on every page; nothing is written in
// private mode. GUI thread only.
class ReadingProgress : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ReadingProgress)

public:
    static constexpr int WriteDelayMs = 800;

    // settings is not owned and must outlive this object.
    explicit ReadingProgress(AppSettings* settings, QObject* parent = nullptr);

    // Takes the key of a newly loaded document (empty = none). A write still pending for the
    // previous key is made first, so a reload right after a page change keeps that page.
    void setDocumentKey(const QString& key);
    QString documentKey() const { return key; }
    // Called on every page or zoom change of the view; the write follows WriteDelayMs after the
    // last call.
    void update(int page, double zoom);
    // Called when the way the document is shown changes (zoom, fit, view mode, spread, page
    // colours); written with the position, debounced alike.
    void updateView(const DocumentView& view);
    // Writes now (also when nothing changed, renewing the time stamp) and forgets the key.
    void flush();
    // The stored page of the current document, or -1.
    int savedPage() const;
    // The stored view of the current document; false when there is none.
    bool savedView(DocumentView* view) const;

private:
    void write();

    AppSettings* settings;
    QString key;
    QTimer* writeTimer;
    int page = 0;
    double zoom = 1.0;
    DocumentView view;
    bool viewReported = false; // since the key was set
};

} // namespace dovrix
