#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QProgressDialog;
class QWidget;

namespace dovrix {

class DocumentSession;

// One run over the pages of a session's document with a window-modal progress dialog: the text
// export, the annotated copy and printing. The run counts pages done; the command does each page
// (asynchronously or not) and reports it with pageDone(). The run ends exactly once:
// - finished() when every page is done;
// - abandoned() when the user cancels, or when the session's document goes away (the session is
//   deleted, or it starts loading again, which releases the document the pages are read from).
// Both are emitted after the dialog has gone; nothing is reported after the end.
//
// Setting the dialog's value may run the event loop (a modal dialog keeps the window responsive):
// a cancel or the end of the session lands there. The next page is therefore asked for by a queued
// call made after the value is shown, never from within it, and only while the run still goes on.
// GUI thread only.
class PagedRun : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(PagedRun)

public:
    struct Options
    {
        QString label;
        // Replaces the label when a page is about to be done (null: the label stays).
        std::function<QString(int index, int total)> pageLabel;
        int minimumDurationMs = -1; // -1: Qt's default delay before the dialog shows
        bool showNow = false;
    };

    explicit PagedRun(QObject* parent = nullptr);
    ~PagedRun() override;

    // Starts a run of total pages over session's document, its dialog a child of dialogParent.
    // nextPage (may be null when the pages come without asking) is called for page index 0, then
    // after each pageDone() for the following index. Ignored while a run goes on.
    void start(DocumentSession* session, QWidget* dialogParent, int total, const Options& options,
               std::function<void(int index)> nextPage);
    // The page asked for last is done.
    void pageDone();
    // Ends the run without finishing it (abandoned() follows).
    void abandon();

    bool isRunning() const { return running; }
    // The session of the running run; null when none runs or its session has gone.
    DocumentSession* session() const;
    QProgressDialog* dialog() const { return progressDialog.data(); }
    int done() const { return pagesDone; }
    int total() const { return pageTotal; }

Q_SIGNALS:
    void finished();
    void abandoned();

private:
    void askNextPage(quint64 forRun);
    // Shows the count in the dialog; false when the run ended meanwhile.
    bool showProgress();
    void end(bool completed);

    bool running = false;
    bool showing = false; // the dialog's value is being set
    quint64 run = 0;      // counts starts: a queued request of an ended run does nothing
    QPointer<DocumentSession> runSession;
    QPointer<QProgressDialog> progressDialog;
    Options runOptions;
    std::function<void(int)> requestPage;
    int pagesDone = 0;
    int pageTotal = 0;
    QList<QMetaObject::Connection> sessionConnections;
};

} // namespace dovrix
