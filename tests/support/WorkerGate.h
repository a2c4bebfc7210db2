#pragma once

#include "core/PdfWorker.h"

#include <QSemaphore>

#include <memory>

namespace dovrix::test {

// Blocks the worker's lanes until released, so that tests can queue jobs behind it and change
// state (close a session, clear a cache) while those jobs wait. Post it at a priority at least as
// high as the jobs it should hold back: it holds every lane that takes jobs of its priority (at
// PageView and above both, below only the general lane, leaving the visible lane free).
class WorkerGate
{
public:
    // Blocked: the constructor returns once the lanes sit inside the gate.
    // Queued: the gate waits in the queue like any job; call waitUntilEntered() to meet it there.
    enum class Mode { Blocked, Queued };

    explicit WorkerGate(PdfWorker* worker, JobPriority priority = JobPriority(100),
                        Mode mode = Mode::Blocked)
        : lanes(PdfWorker::lanesTaking(priority)), entered(std::make_shared<QSemaphore>()),
          release(std::make_shared<QSemaphore>())
    {
        for (int i = 0; i < lanes; ++i) {
            worker->post(priority, [in = entered, out = release] {
                in->release();
                out->acquire();
            });
        }
        if (mode == Mode::Blocked)
            waitUntilEntered();
    }
    ~WorkerGate() { open(); }

    void waitUntilEntered() { entered->acquire(lanes); }

    void open()
    {
        if (!opened) {
            opened = true;
            release->release(lanes);
        }
    }

private:
    const int lanes;
    std::shared_ptr<QSemaphore> entered;
    std::shared_ptr<QSemaphore> release;
    bool opened = false;
};

} // namespace dovrix::test
