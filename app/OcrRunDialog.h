#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

namespace dovrix {

class DocumentSession;

// The progress dialog of a whole-document OCR run. Opened for one session's run, it follows that
// run whichever document is current, shows the time left, and closes when the run finishes or is
// cancelled, or when its document goes away (closed, reloaded, ready again). Its cancel button
// stops the run; closing it after the run has ended cancels nothing. GUI thread only.
class OcrRunDialog : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(OcrRunDialog)

public:
    // The dialog is window-modal on window, which also owns this object.
    explicit OcrRunDialog(QWidget* window);

    // Recognises every page of session's document that has no result yet, with the dialog; a
    // dialog of an earlier run goes first.
    void start(DocumentSession* session);
    // The same for the given pages only.
    void start(DocumentSession* session, const QList<int>& pages);
    void close();
    // Null when no run is shown.
    QProgressDialog* dialog() const { return progress.data(); }

    // The dialog's label: the time left estimated from the pages done so far.
    static QString progressText(int done, int total, qint64 elapsedMs);

private:
    QWidget* window;
    QPointer<QProgressDialog> progress;
    QList<QMetaObject::Connection> connections;
    QElapsedTimer runTimer; // since the start of the run the dialog shows
};

} // namespace dovrix
