#include "core/PdfWorker.h"
#include "core/RenderCache.h"
#include "support/TestPdf.h"
#include "support/TestWait.h"
#include "support/WorkerGate.h"

#include <QMutex>
#include <QPainter>
#include <QPointer>
#include <QSemaphore>
#include <QSignalSpy>
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
    void theVisiblePageNeverWaitsBehindOtherWork();
    void repliesReachOnlyACurrentOwner();
    void aSharedDocumentGoesAfterItsLastJob();
    void destructionDropsQueuedJobsAndWaitsForTheRunningOne();
    void destructionGivesUpOnAJobThatNeverEnds();
};

// Within a lane; the general lane takes every class, the visible lane only page-view renders.
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
        test::WorkerGate gate(&worker, JobPriority::ShownPageText);
        worker.post(JobPriority::Document, record(1));
        worker.post(JobPriority::ShownPageText, record(2));
        worker.post(JobPriority::Document, record(3));
        worker.post(JobPriority::TextLayout, record(4));
        worker.post(JobPriority::ShownPageText, record(5));
        worker.post(JobPriority::Thumbnails, record(6));
    }
    QVERIFY(worker.waitForIdle(test::TimeoutMs));
    QCOMPARE(order, (QList<int>{2, 5, 6, 4, 1, 3}));
}

// A render of the page being looked at finishes while thumbnails, text and recognition hold the
// general lane; the held work then follows, and the document goes once its last job is done.
void TestPdfWorker::theVisiblePageNeverWaitsBehindOtherWork()
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two.pdf"));
    QVERIFY(test::writePaintedPdf(path, {QSizeF(200, 300)}, 2, [](QPainter& painter, int) {
        painter.fillRect(QRectF(50, 75, 100, 150), Qt::black);
    }));
    PdfWorker worker;
    RenderCache view(&worker, 1 << 24, JobPriority::PageView);
    RenderCache thumbnails(&worker, 1 << 24, JobPriority::Thumbnails);
    QSignalSpy shown(&view, &RenderCache::pageRendered);
    QSignalSpy drawn(&thumbnails, &RenderCache::pageRendered);
    std::weak_ptr<PdfDocument> watched;
    {
        DocumentHandle document = worker.share(PdfDocument::open(path).document);
        QVERIFY(document);
        watched = document;
        const auto key = [](int page, QSize size) {
            RenderCache::Key k;
            k.page = page;
            k.size = size;
            return k;
        };
        const RenderCache::Key small = key(1, QSize(40, 60));
        const RenderCache::Key large = key(0, QSize(400, 600));
        test::WorkerGate gate(&worker, JobPriority::OcrRender);
        thumbnails.request(small, document);
        for (int page = 0; page < 2; ++page)
            view.request(key(page, QSize(400, 600)), document);
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 2, test::TimeoutMs);
        QVERIFY(!view.cachedImage(large).isNull());
        QVERIFY(view.cachedImage(large).pixel(200, 300) != view.cachedImage(large).pixel(0, 0));
        QVERIFY(thumbnails.isInFlight(small));
        QCOMPARE(drawn.count(), 0);
        gate.open();
        QVERIFY(drawn.wait(test::TimeoutMs));
        QVERIFY(!thumbnails.cachedImage(small).isNull());
    }
    QVERIFY(worker.waitForIdle(test::TimeoutMs));
    QVERIFY(watched.expired());
}

// A reply runs on the owner's thread while the owner lives and its generation has not moved on.
void TestPdfWorker::repliesReachOnlyACurrentOwner()
{
    PdfWorker worker;
    Generation generation;
    auto owner = std::make_unique<QObject>();
    QList<int> replies;
    const auto post = [&](int id) {
        worker.post(JobPriority::Document, owner.get(), generation.ticket(), [&replies, id] {
            return Reply<QObject>([&replies, id](QObject&) { replies.append(id); });
        });
    };
    {
        test::WorkerGate gate(&worker);
        post(1);
        generation.advance();
        post(2);
    }
    QVERIFY(worker.waitForIdle(test::TimeoutMs));
    QTRY_COMPARE_WITH_TIMEOUT(replies, QList<int>{2}, test::TimeoutMs);
    {
        test::WorkerGate gate(&worker);
        post(3);
        owner.reset();
    }
    QVERIFY(worker.waitForIdle(test::TimeoutMs));
    // A job posted after the last one ran: its reply would have arrived before this one's.
    QObject probe;
    QSignalSpy done(&probe, &QObject::objectNameChanged);
    worker.post(JobPriority::Document, &probe, generation.ticket(), [] {
        return Reply<QObject>([](QObject& o) { o.setObjectName(QStringLiteral("done")); });
    });
    QVERIFY(done.wait(test::TimeoutMs));
    QCOMPARE(replies, QList<int>{2});
}

// Jobs hold the document: it is deleted on the worker, behind the last job that captured it, even
// when that job was queued at the lowest priority and every handle outside the worker is gone.
void TestPdfWorker::aSharedDocumentGoesAfterItsLastJob()
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("one.pdf"));
    QVERIFY(test::writeSizedPdf(path, {QSizeF(200, 300)}, 1));
    PdfWorker worker;
    std::atomic_bool sawDocument{false};
    std::weak_ptr<PdfDocument> watched;
    {
        test::WorkerGate gate(&worker);
        DocumentHandle handle = worker.share(PdfDocument::open(path).document);
        QVERIFY(handle);
        watched = handle;
        worker.post(JobPriority(-1),
                    [handle, &sawDocument] { sawDocument = handle->pageCount() == 1; });
        worker.post(JobPriority::PageView, [handle] {});
        handle.reset();
        QVERIFY(!watched.expired()); // held by the queued jobs
    }
    QVERIFY(worker.waitForIdle(test::TimeoutMs));
    QVERIFY(sawDocument);
    QVERIFY(watched.expired());
}

// Queued writes of files still happen: they hold the user's work.
void TestPdfWorker::destructionDropsQueuedJobsAndWaitsForTheRunningOne()
{
    auto entered = std::make_shared<QSemaphore>();
    auto released = std::make_shared<QSemaphore>();
    auto filesHeld = std::make_shared<QSemaphore>();
    std::atomic_bool runningFinished{false};
    std::atomic_int queuedRan{0};
    std::atomic_int written{0};

    auto* worker = new PdfWorker;
    worker->post(JobPriority::Document, [&, entered, released] {
        entered->release();
        released->acquire(); // let go only once the queue has been cleared
        runningFinished = true;
    });
    worker->post(PdfWorker::FilesLane, [entered, filesHeld] {
        entered->release();
        filesHeld->acquire();
    });
    entered->acquire(2);
    // Dropping a job destroys its callable: the running job goes on as soon as both jobs holding
    // the sentinel are gone, possibly while the other one still sits in the queue. It must not
    // start then either.
    auto sentinel = std::make_shared<ReleaseOnDestruction>(released);
    auto filesSentinel = std::make_shared<ReleaseOnDestruction>(filesHeld);
    worker->post(JobPriority::Document, [&, sentinel, filesSentinel] { ++queuedRan; });
    worker->post(JobPriority::Thumbnails, [&] { ++queuedRan; });
    worker->post(PdfWorker::FilesLane, [&] { ++written; });
    worker->post(JobPriority::Document, [&, sentinel] { ++queuedRan; });
    sentinel.reset();
    filesSentinel.reset();

    QVERIFY(worker->shutDown());
    QVERIFY(runningFinished);
    QCOMPARE(queuedRan.load(), 0);
    QCOMPARE(written.load(), 1);
    worker->post(PdfWorker::FilesLane, [&] { ++written; }); // dropped
    delete worker;
    QCOMPARE(written.load(), 1);
}

void TestPdfWorker::destructionGivesUpOnAJobThatNeverEnds()
{
    auto entered = std::make_shared<QSemaphore>();
    auto released = std::make_shared<QSemaphore>();
    auto queuedRan = std::make_shared<std::atomic_int>(0);

    auto* worker = new PdfWorker;
    worker->post(JobPriority::Document, [entered, released] {
        entered->release();
        released->acquire();
    });
    entered->acquire();
    worker->post(JobPriority::Document, [queuedRan] { ++*queuedRan; });

    QVERIFY(!worker->shutDown()); // returns after the shutdown limit instead of waiting forever
    QVERIFY(!worker->shutDown());
    delete worker;
    QCOMPARE(queuedRan->load(), 0);
    released->release(); // the abandoned thread finishes on its own
}

QTEST_MAIN(TestPdfWorker)
#include "tst_pdfworker.moc"
