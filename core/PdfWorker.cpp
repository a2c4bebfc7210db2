#include "core/PdfWorker.h"

#include <QRunnable>

#include <atomic>

namespace dovrix {

namespace {

std::atomic_bool abandoned{false};

class JobRunnable : public QRunnable
{
public:
    explicit JobRunnable(PdfWorker::Job job) : job(std::move(job)) { setAutoDelete(true); }
    void run() override { job(); }

private:
    PdfWorker::Job job;
};

} // namespace

PdfWorker::PdfWorker(QObject* parent) : QObject(parent), pool(new QThreadPool)
{
    pool->setMaxThreadCount(1);
    // Keep the thread alive between jobs: recreating it costs more than the idle thread.
    pool->setExpiryTimeout(-1);
}

PdfWorker::~PdfWorker()
{
    pool->clear();
    if (pool->waitForDone(ShutdownWaitMs)) {
        delete pool;
        return;
    }
    abandoned.store(true);
    pool = nullptr; // leaked on purpose: deleting it would wait for the hung job forever
}

void PdfWorker::post(int priority, Job job)
{
    pool->start(new JobRunnable(std::move(job)), priority);
}

bool PdfWorker::abandonedRunningJob()
{
    return abandoned.load();
}

bool PdfWorker::waitForIdle(int msecs)
{
    return pool->waitForDone(msecs);
}

} // namespace dovrix
