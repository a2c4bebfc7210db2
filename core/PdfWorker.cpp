#include "core/PdfWorker.h"

#include "core/CoreLog.h"

#include <QDeadlineTimer>
#include <QThread>

#include <array>
#include <atomic>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <map>
#include <mutex>
#include <vector>

namespace dovrix {

namespace {

constexpr int AnyLane = -1;
// Jobs bound to one lane (the release of a document's lane state) go before everything else.
constexpr int PinnedPriority = INT_MAX;

constexpr std::array<const char*, PdfWorker::LaneCount> laneNames = {
    "dovrix-worker", "dovrix-worker-visible", "dovrix-recognition", "dovrix-files"};
// Jobs of the own lanes keep their posting order.
constexpr int LaneOrderPriority = 0;

} // namespace

struct PdfWorker::Queue
{
    struct Entry
    {
        Job job;
        int lane = AnyLane;
    };
    // Ordered by priority, highest first, then by posting order.
    using Order = std::pair<int, quint64>;

    // The worker's one lock: it guards everything below.
    std::mutex lock;
    std::condition_variable changed;
    std::map<Order, Entry> jobs;
    quint64 posted = 0;
    int running = 0;
    bool stopping = false;
    std::array<QThread*, LaneCount> threads{};

    ~Queue()
    {
        for (QThread* thread : threads)
            delete thread;
    }

    // Queues job unless the worker is stopping; a dropped job is handed back to be destroyed
    // outside the lock (its captures may release documents, which posts).
    Job add(int priority, int lane, Job job)
    {
        {
            const std::lock_guard<std::mutex> guard(lock);
            if (stopping)
                return job;
            jobs.emplace(Order(-priority, posted++), Entry{std::move(job), lane});
        }
        changed.notify_all();
        return {};
    }

    // The next job lane may run, removed from the queue; jobs.end() when there is none.
    std::map<Order, Entry>::iterator nextFor(int lane)
    {
        for (auto it = jobs.begin(); it != jobs.end(); ++it) {
            const int priority = -it->first.first;
            if (it->second.lane == lane)
                return it;
            if (it->second.lane != AnyLane || lane >= DocumentLanes)
                continue;
            if (lane == GeneralLane || priority >= int(JobPriority::PageView))
                return it;
            // The visible lane: everything further down is below its class.
            if (priority != PinnedPriority)
                break;
        }
        return jobs.end();
    }

    void serve(int lane)
    {
        if (lane < DocumentLanes)
            PdfDocument::setThreadLane(lane);
        std::unique_lock<std::mutex> guard(lock);
        for (;;) {
            auto next = jobs.end();
            // Stopping, a lane ends once nothing is left for it (only writes of files are).
            changed.wait(guard, [&] { return (next = nextFor(lane)) != jobs.end() || stopping; });
            if (next == jobs.end())
                return;
            Job job = std::move(next->second.job);
            jobs.erase(next);
            ++running;
            guard.unlock();
            job();
            job = nullptr; // its captures may release a document, which posts
            guard.lock();
            --running;
            changed.notify_all();
        }
    }
};

int PdfWorker::lanesTaking(JobPriority priority)
{
    return int(priority) >= int(JobPriority::PageView) ? DocumentLanes : 1;
}

PdfWorker::PdfWorker(QObject* parent) : QObject(parent), queue(std::make_shared<Queue>())
{
    Queue* q = queue.get();
    for (int lane = 0; lane < LaneCount; ++lane) {
        QThread* thread = QThread::create([q, lane] { q->serve(lane); });
        thread->setObjectName(QString::fromLatin1(laneNames[size_t(lane)]));
        q->threads[size_t(lane)] = thread;
        thread->start();
    }
}

PdfWorker::~PdfWorker()
{
    shutDown();
}

bool PdfWorker::shutDown()
{
    if (stopped)
        return !abandoned;
    stopped = true;
    std::map<Queue::Order, Queue::Entry> dropped;
    {
        // Files being written are the user's work: those writes still happen.
        const std::lock_guard<std::mutex> guard(queue->lock);
        queue->stopping = true;
        for (auto it = queue->jobs.begin(); it != queue->jobs.end();) {
            if (it->second.lane == FilesLane)
                ++it;
            else
                dropped.insert(dropped.end(), queue->jobs.extract(it++));
        }
    }
    queue->changed.notify_all();
    dropped.clear();
    const QDeadlineTimer deadline(ShutdownWaitMs);
    bool ended = true;
    for (QThread* thread : queue->threads)
        ended = thread->wait(deadline) && ended;
    if (ended)
        return true; // the queue stays, dropping what is posted from now on
    abandoned = true;
    qCWarning(lcCore) << "a job did not end within" << ShutdownWaitMs << "ms; left running";
    // Leaked on purpose: deleting a running thread would end the process.
    new std::shared_ptr<Queue>(queue);
    return false;
}

void PdfWorker::post(JobPriority priority, Job job)
{
    queue->add(int(priority), AnyLane, std::move(job));
}

void PdfWorker::post(Lane lane, Job job)
{
    Q_ASSERT(lane >= DocumentLanes && lane < LaneCount);
    queue->add(LaneOrderPriority, lane, std::move(job));
}

struct PendingJob::State
{
    enum Phase : int { Queued, Running, Done };
    std::atomic_int phase{Queued};
    PdfWorker::Job job;
    std::promise<void> ended;
    std::shared_future<void> endedFuture = ended.get_future().share();

    // Whoever claims the job runs it: its lane or the poster in finish().
    bool claim()
    {
        int queued = Queued;
        return phase.compare_exchange_strong(queued, Running);
    }
    void run()
    {
        job();
        job = nullptr;
        phase.store(Done);
        ended.set_value();
    }
};

bool PendingJob::isFinished() const
{
    return !state || state->phase.load() == State::Done;
}

void PendingJob::finish()
{
    if (!state)
        return;
    if (state->claim())
        state->run();
    else
        state->endedFuture.wait();
}

PendingJob PdfWorker::postPending(Lane lane, Job job)
{
    PendingJob pending;
    pending.state = std::make_shared<PendingJob::State>();
    pending.state->job = std::move(job);
    post(lane, [state = pending.state] {
        if (state->claim())
            state->run();
    });
    return pending;
}

DocumentHandle PdfWorker::share(std::unique_ptr<PdfDocument> owned) const
{
    if (!owned)
        return {};
    const std::weak_ptr<Queue> weak = queue;
    return DocumentHandle(owned.release(), [weak](PdfDocument* released) {
        if (const std::shared_ptr<Queue> alive = weak.lock()) {
            // No job holds a handle any more, so none uses the document. The visible lane lets
            // go of its state on its own thread, then the general lane deletes the document
            // with its own state.
            Queue* q = alive.get();
            const Job dropped = q->add(PinnedPriority, VisibleLane, [q, released] {
                released->releaseLane();
                q->add(int(JobPriority::Document), GeneralLane, [released] { delete released; });
            });
            Q_UNUSED(dropped); // stopping: the document stays, as every queued job does
            return;
        }
        // The worker is gone and with it every job (a job left running at shutdown keeps the
        // queue, and so the document, alive).
        delete released;
    });
}

bool PdfWorker::waitForIdle(int msecs)
{
    std::unique_lock<std::mutex> guard(queue->lock);
    const auto idle = [this] { return queue->jobs.empty() && queue->running == 0; };
    if (msecs < 0) {
        queue->changed.wait(guard, idle);
        return true;
    }
    return queue->changed.wait_for(guard, std::chrono::milliseconds(msecs), idle);
}

} // namespace dovrix
