#include "core/PdfWorker.h"

#include "core/CoreLog.h"

#include <QRunnable>

#include <atomic>

namespace dovrix {

struct PdfWorker::Queue
{
    QThreadPool pool;
    // Set when destruction starts. QThreadPool::clear() lets the running job end and pick up a
    // job that is still being removed; every job checks this first and then does nothing.
    std::atomic_bool stopping{false};
};

namespace {

std::atomic_bool abandoned{false};

class JobRunnable : public QRunnable
{
public:
    JobRunnable(PdfWorker::Job job, std::shared_ptr<PdfWorker::Queue> queue)
        : job(std::move(job)), queue(std::move(queue))
    {
        setAutoDelete(true);
    }
    void run() override
    {
        if (!queue->stopping.load())
            job();
    }

private:
    PdfWorker::Job job;
    std::shared_ptr<PdfWorker::Queue> queue;
};

void start(const std::shared_ptr<PdfWorker::Queue>& queue, JobPriority priority, PdfWorker::Job job)
{
    queue->pool.start(new JobRunnable(std::move(job), queue), int(priority));
}

} // namespace

PdfWorker::PdfWorker(QObject* parent) : QObject(parent), queue(std::make_shared<Queue>())
{
    queue->pool.setMaxThreadCount(1);
    // Keep the thread alive between jobs: recreating it costs more than the idle thread.
    queue->pool.setExpiryTimeout(-1);
}

PdfWorker::~PdfWorker()
{
    queue->stopping.store(true);
    queue->pool.clear();
    if (queue->pool.waitForDone(ShutdownWaitMs)) {
        queue.reset();
        return;
    }
    abandoned.store(true);
    qCWarning(lcCore) << "a job did not end within" << ShutdownWaitMs << "ms; left running";
    // Leaked on purpose: deleting the pool would wait for the hung job forever.
    new std::shared_ptr<Queue>(std::move(queue));
}

void PdfWorker::post(JobPriority priority, Job job)
{
    start(queue, priority, std::move(job));
}

DocumentHandle PdfWorker::share(std::unique_ptr<PdfDocument> owned) const
{
    if (!owned)
        return {};
    const std::weak_ptr<Queue> weak = queue;
    return DocumentHandle(owned.release(), [weak](PdfDocument* released) {
        if (const std::shared_ptr<Queue> alive = weak.lock()) {
            // Behind the running job and every job already queued; none of them holds a handle
            // any more, so none of them uses the document.
            start(alive, JobPriority::Document, [released] { delete released; });
            return;
        }
        // The worker is gone and with it every job, unless one hung at shutdown.
        if (!abandoned.load())
            delete released;
    });
}

bool PdfWorker::abandonedRunningJob()
{
    return abandoned.load();
}

bool PdfWorker::waitForIdle(int msecs)
{
    return queue->pool.waitForDone(msecs);
}

} // namespace dovrix
