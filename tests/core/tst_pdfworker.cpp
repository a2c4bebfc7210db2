#include "core/PdfWorker.h"
#include "support/OwnProcess.h"
#include "support/TestWait.h"
#include "support/WorkerGate.h"

#include <QMutex>
#include <QSemaphore>
#include <QTest>

#include <atomic>
#include <memory>

using namespace dovrix;

namespace {

// Releases a semaphore when destroyed: lets a test see that the worker dropped a queued job.
struct ReleaseOnDestruction
{
    explicit ReleaseOnDestruction(std::shared_ptr<QSemaphore> s) : semaphore(std::move(s)) {}
    ~ReleaseOnDestruction() { semaphore->release(); }
    std::shared_ptr<QSemaphore> semaphore;
};

} // namespace

class TestPdfWorker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runsByPriorityThenPostingOrder();
    void destructionDropsQueuedJobsAndWaitsForTheRunningOne();
    void destructionGivesUpOnAJobThatNeverEnds();
};

void TestPdfWorker::runsByPriorityThenPostingOrder()
{
    PdfWorker worker;
    QMutex mutex;
    QList<int> order;
    auto record = [&](int id) {
        return [&, id] {
            QMutexLocker lock(&mutex);
            order.append(id);
        };
    };
    {
        test::WorkerGate gate(&worker);
        worker.post(0, record(1));
        worker.post(30, record(2));
        worker.post(0, record(3));
        worker.post(10, record(4));
        worker.post(30, record(5));
        worker.post(20, record(6));
    }
    QVERIFY(worker.waitForIdle(test::TimeoutMs));
    QCOMPARE(order, (QList<int>{2, 5, 6, 4, 1, 3}));
}

void TestPdfWorker::destructionDropsQueuedJobsAndWaitsForTheRunningOne()
{
    auto entered = std::make_shared<QSemaphore>();
    auto released = std::make_shared<QSemaphore>();
    std::atomic_bool runningFinished{false};
    std::atomic_int queuedRan{0};

    auto* worker = new PdfWorker;
    worker->post(0, [&, entered, released] {
        entered->release();
        released->acquire(); // let go only once the queue has been cleared
        runningFinished = true;
    });
    entered->acquire();
    // Dropping a job destroys its callable: the running job goes on as soon as both jobs holding
    // the sentinel are gone, possibly while the other one still sits in the queue. It must not
    // start then either.
    auto sentinel = std::make_shared<ReleaseOnDestruction>(released);
    worker->post(0, [&, sentinel] { ++queuedRan; });
    worker->post(30, [&] { ++queuedRan; });
    worker->post(0, [&, sentinel] { ++queuedRan; });
    sentinel.reset();

    delete worker;
    QVERIFY(runningFinished);
    QCOMPARE(queuedRan.load(), 0);
    QVERIFY(!PdfWorker::abandonedRunningJob());
}

void TestPdfWorker::destructionGivesUpOnAJobThatNeverEnds()
{
    // Giving up leaves a thread behind and marks the whole process, which other tests check.
    DOVRIX_RUN_IN_OWN_PROCESS();
    auto entered = std::make_shared<QSemaphore>();
    auto released = std::make_shared<QSemaphore>();
    auto queuedRan = std::make_shared<std::atomic_int>(0);

    auto* worker = new PdfWorker;
    worker->post(0, [entered, released] {
        entered->release();
        released->acquire();
    });
    entered->acquire();
    worker->post(0, [queuedRan] { ++*queuedRan; });

    delete worker; // returns after the shutdown limit instead of waiting forever
    QVERIFY(PdfWorker::abandonedRunningJob());
    QCOMPARE(queuedRan->load(), 0);
    released->release(); // let the abandoned thread finish before the process ends
}

QTEST_MAIN(TestPdfWorker)
#include "tst_pdfworker.moc"
