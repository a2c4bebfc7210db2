#pragma once

#include "core/PdfWorker.h"

#include <QSemaphore>

#include <memory>

namespace dovrix::test {

// Blocks the worker thread until released, so that tests can queue jobs behind it and change
// state (close a session, clear a cache) while those jobs wait. Post it at a priority at least as
// high as the jobs it should hold back.
class WorkerGate
{
public:
    // Blocked: the constructor returns once the worker thread sits inside the gate.
    // Queued: the gate waits in the queue like any job; call waitUntilEntered() to meet it there.
    enum class Mode { Blocked, Queued };

    explicit WorkerGate(PdfWorker* worker, JobPriority priority = JobPriority(100),
                        Mode mode = Mode::Blocked)
        : entered(std::make_shared<QSemaphore>()), release(std::make_shared<QSemaphore>())
    {
        worker->post(priority, [in = entered, out = release] {
            in->release();
            out->acquire();
        });
        if (mode == Mode::Blocked)
            waitUntilEntered();
    }
    ~WorkerGate() { open(); }

    void waitUntilEntered() { entered->acquire(); }

    void open()
    {
        if (!opened) {
            opened = true;
            release->release();
        }
    }

private:
    std::shared_ptr<QSemaphore> entered;
    std::shared_ptr<QSemaphore> release;
    bool opened = false;
};

} // namespace dovrix::test
