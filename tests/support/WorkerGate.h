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
    explicit WorkerGate(PdfWorker* worker, int priority = 100)
        : entered(std::make_shared<QSemaphore>()), release(std::make_shared<QSemaphore>())
    {
        auto in = entered;
        auto out = release;
        worker->post(priority, [in, out] {
            in->release();
            out->acquire();
        });
        entered->acquire(); // the worker thread now sits inside the gate
    }
    ~WorkerGate() { open(); }

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
