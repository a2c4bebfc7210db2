#include "core/PdfWorker.h"

#include <QRunnable>

#include <atomic>

namespace dovrix {

namespace {

std::atomic_bool abandoned{false};

class JobRunnable : public QRunnable
{
public:
    JobRunnable(PdfWorker::Job job, std::shared_ptr<std::atomic_bool> stopping)
        : job(std::move(job)), stopping(std::move(stopping))
    {
        setAutoDelete(true);
    }
    void run() override
    {
        if (!stopping->load())
            job();
    }

private:
    PdfWorker::Job job;
    std::shared_ptr<std::atomic_bool> stopping;
};

} // namespace

PdfWorker::PdfWorker(QObject* parent)
    : QObject(parent), pool(new QThreadPool), stopping(std::make_shared<std::atomic_bool>(false))
{
    pool->setMaxThreadCount(1);
    // Keep the thread alive between jobs: recreating it costs more than the idle thread.
    pool->setExpiryTimeout(-1);
}

PdfWorker::~PdfWorker()
{
    stopping->store(true);
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
    pool->start(new JobRunnable(std::move(job), stopping), priority);
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
