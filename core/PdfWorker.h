#pragma once

#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

namespace dovrix {

// The single background queue for everything that touches a QPdfDocument. One thread, one job at a
// time, so no two jobs ever use a document at once. Among queued jobs a higher priority starts
// first; equal priorities start in posting order.
//
// Priorities in use: 0 document jobs (load, password, hash check, release) and export renders;
// 10 text layout and OCR page renders (25 for the text of the page being shown); 20 thumbnails;
// 30 page-view renders.
class PdfWorker : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(PdfWorker)

public:
    using Job = std::function<void()>;

    // How long destruction waits for a running job before giving up on it. A job that hangs inside
    // the PDF engine must not keep the program from quitting.
    static constexpr int ShutdownWaitMs = 3000;

    explicit PdfWorker(QObject* parent = nullptr);
    // Drops queued jobs, then waits at most ShutdownWaitMs for the running one. If it is still
    // running then, the pool is abandoned (leaked) so that the caller can go on.
    ~PdfWorker() override;

    void post(int priority, Job job);

    // True when destruction had to abandon a running job (see ~PdfWorker); the program then ends
    // without waiting for the process's remaining threads.
    static bool abandonedRunningJob();

    // For tests and tools: waits until the queue is empty and no job runs (-1 = no limit).
    bool waitForIdle(int msecs = -1);

private:
    QThreadPool* pool; // owned; deliberately leaked when a running job does not end in time
    // Set when destruction starts. QThreadPool::clear() lets the running job end and pick up a
    // job that is still being removed; every job checks this first and then does nothing.
    std::shared_ptr<std::atomic_bool> stopping;
};

} // namespace dovrix
