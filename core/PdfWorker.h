#pragma once

#include "core/Generation.h"
#include "engine/PdfDocument.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <future>
#include <memory>

namespace dovrix {

// What a job serves decides when it starts: among queued jobs a higher priority starts first;
// equal priorities start in posting order.
enum class JobPriority : int {
    Document = 0,       // document release and change checks
    Export = 0,         // page renders of exports and printing
    TextLayout = 10,    // page text, character boxes, links, selections
    Thumbnails = 20,    // thumbnail renders
    Outline = 20,       // reading the outline (after the first page is shown)
    ShownPageText = 25, // the text of the page being shown
    // Pages rendered for recognition: a page the user asked to read waits neither for thumbnails
    // nor for background text, only for the renders of the visible pages.
    OcrRender = 25,
    // Hashing and loading a file the user has just opened: no background work of other documents
    // keeps it waiting (a document's release stays at Document, behind that document's jobs).
    Opening = 26,
    PageView = 30, // page-view renders; the visible lane takes only these and higher
};

// A document shared by every job that uses it. The last handle to go releases the document with a
// job on the worker that shared it, so no job can meet a released document; see PdfWorker::share.
using DocumentHandle = std::shared_ptr<PdfDocument>;

// What an owner does on the GUI thread with the result of its job; empty when there is nothing
// to do.
template <typename Owner> using Reply = std::function<void(Owner&)>;

// A job whose poster may need it done before going on (the last save of a closing document).
// finish() runs it on the calling thread when no lane has taken it yet, else waits until its lane
// has ended it; a job the worker dropped at shutdown thus still runs. Copies share the one job.
class PendingJob
{
public:
    PendingJob() = default; // no job: finished at once

    bool isValid() const { return state != nullptr; }
    bool isFinished() const;
    // Returns once the job has run, here or on its lane.
    void finish();

private:
    friend class PdfWorker;
    struct State;
    std::shared_ptr<State> state;
};

// The single background queue of the program, one queue under one lock, served by threads
// ("lanes"). Jobs that touch a document go to the two document lanes by priority: the general
// lane takes any of them in priority order, the visible lane only those of priority PageView and
// above, so the page the user looks at never waits behind thumbnails or text. Each of the two is
// a PdfDocument lane (PdfDocument::setThreadLane), so they may use one document at once; within a
// lane jobs run one at a time. Work that takes long or waits on the disk without touching a
// document has a lane of its own and runs there in posting order: text recognition (seconds a
// page) and the writing and reading of our own files (sidecars, recognised pages), so neither
// holds up the documents nor the other.
class PdfWorker : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(PdfWorker)

public:
    using Job = std::function<void()>;

    // How long destruction waits for a running job before giving up on it. A job that hangs inside
    // the PDF engine must not keep the program from quitting.
    static constexpr int ShutdownWaitMs = 3000;

    enum Lane : int {
        GeneralLane = 0,
        VisibleLane = 1,
        RecognitionLane = 2, // text recognition, one page at a time for all documents
        FilesLane = 3,       // our own files, in posting order
        LaneCount = 4
    };
    // The lanes that take jobs by priority and may use documents.
    static constexpr int DocumentLanes = 2;
    static_assert(DocumentLanes <= PdfDocument::LaneCount);

    // How many lanes may take a job of priority: both from PageView up, else the general one.
    static int lanesTaking(JobPriority priority);

    explicit PdfWorker(QObject* parent = nullptr);
    // shutDown().
    ~PdfWorker() override;

    // Drops queued jobs except the files lane's, then waits at most ShutdownWaitMs for the running
    // ones and those writes; jobs posted afterwards are dropped. If one is still running then, the
    // lanes are abandoned (leaked) so that the caller can go on, and the result is false: the
    // program then ends without waiting for its remaining threads. Calls after the first return
    // the first one's result.
    bool shutDown();

    // A job for the document lanes, by priority.
    void post(JobPriority priority, Job job);
    // A job for RecognitionLane or FilesLane, after the jobs posted there before it. It must not
    // touch a document.
    void post(Lane lane, Job job);
    // A job for lane (RecognitionLane or FilesLane) that the poster can finish() itself.
    PendingJob postPending(Lane lane, Job job);

    // Posts work for an owner that lives on the GUI thread, by priority or to a lane. The work
    // runs on the worker unless the ticket is stale by then, and returns the owner's reply; the
    // reply runs on the GUI thread while the owner exists and the ticket is still current, and is
    // dropped otherwise.
    template <typename Owner, typename Where, typename Work>
    void post(Where where, Owner* owner, Generation::Ticket ticket, Work work)
    {
        post(where, [guard = QPointer<Owner>(owner), ticket, work = std::move(work)]() mutable {
            if (ticket.isCurrent())
                replyTo(guard, ticket, Reply<Owner>(work()));
        });
    }

    // Takes ownership of a document (made on any thread) and hands out its first handle. Safe to
    // call from jobs. When the last handle goes, each lane releases its state of the document on
    // its own thread and the general lane deletes it. A document whose last handle goes after
    // this worker is gone is deleted where that happens, unless a job was abandoned at shutdown
    // (it might still use it).
    DocumentHandle share(std::unique_ptr<PdfDocument> document) const;

    // For tests and tools: waits until the queue is empty and no job runs on any lane (-1 = no
    // limit).
    bool waitForIdle(int msecs = -1);

    // Hands a reply from a running job back to its owner on the GUI thread, on the same terms as
    // post() above; for jobs that reply more than once or post follow-ups themselves.
    template <typename Owner>
    static void replyTo(const QPointer<Owner>& owner, const Generation::Ticket& ticket,
                        Reply<Owner> reply)
    {
        QCoreApplication* app = QCoreApplication::instance();
        if (!reply || !app)
            return;
        QMetaObject::invokeMethod(
            app,
            [owner, ticket, reply = std::move(reply)] {
                if (owner && ticket.isCurrent())
                    reply(*owner);
            },
            Qt::QueuedConnection);
    }

    struct Queue;

private:
    // Shared with the release of documents, which may come from any thread; owned here, and
    // deliberately leaked with the lanes when a running job does not end in time.
    std::shared_ptr<Queue> queue;
    bool stopped = false;
    bool abandoned = false;
};

} // namespace dovrix
