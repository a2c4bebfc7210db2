#include "core/DocumentController.h"
#include "core/FileSafety.h"
#include "core/PdfWorker.h"
#include "support/CoreFixtures.h"
#include "support/SkipOrFail.h"
#include "support/TestPdf.h"
#include "support/TestWait.h"
#include "support/WorkerGate.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstdio>
#include <memory>

#include <unistd.h>

using namespace dovrix;

// Loads take a probe process and a worker round trip; generous for a loaded machine.
#define WAIT_STATUS(controller, expected)                                                          \
    QTRY_COMPARE_WITH_TIMEOUT((controller).status(), (expected), test::TimeoutMs)

namespace {

const char* const Password = "s3cret-Pass";

// Everything the controller emits, in order, as short strings.
class Recorder
{
public:
    explicit Recorder(DocumentController* c)
    {
        QObject::connect(c, &DocumentController::statusChanged, c,
                         [this](DocumentStatus s, OpenOutcome failure) {
                             events << QStringLiteral("status %1").arg(int(s))
                                           + (failure == OpenOutcome::Opened
                                                  ? QString()
                                                  : QStringLiteral(" %1").arg(int(failure)));
                         });
        QObject::connect(c, &DocumentController::documentReady, c,
                         [this] { events << QStringLiteral("ready"); });
        QObject::connect(c, &DocumentController::passwordRequired, c, [this](bool wrong) {
            events << QStringLiteral("password %1").arg(wrong ? "wrong" : "first");
        });
        QObject::connect(c, &DocumentController::sourceFileModified, c,
                         [this] { events << QStringLiteral("modified"); });
    }
    QStringList events;
};

// Names, sizes and modification times of a directory's entries.
QStringList snapshot(const QString& dir)
{
    QStringList entries;
    const QFileInfoList infos = QDir(dir).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                        | QDir::Hidden | QDir::System);
    for (const QFileInfo& info : infos)
        entries << QStringLiteral("%1 %2 %3")
                       .arg(info.fileName())
                       .arg(info.size())
                       .arg(info.lastModified().toMSecsSinceEpoch());
    return entries;
}

bool overwriteByte(const QString& path, qint64 at, char value)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.seek(at) && file.write(&value, 1) == 1;
}

bool replaceByRename(const QString& path, const QByteArray& bytes)
{
    const QString temporary = path + QStringLiteral(".saving");
    return test::writeFile(temporary, bytes)
           && std::rename(QFile::encodeName(temporary).constData(),
                          QFile::encodeName(path).constData())
                  == 0;
}

QString sha256(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

} // namespace

class TestDocumentController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void hashFile_data();
    void hashFile();

    void opensAFileAndReportsItOnce();
    void passwordProtocol();
    void reloadDuringLoadingKeepsOnlyTheNewest();
    void resultsWaitingInTheQueueForAnOlderOpenAreDropped();
    void badInputFailsWithoutWriting_data();
    void badInputFailsWithoutWriting();
    void sourceStaysByteIdentical();
    void changeDetectionComparesContents();
    void renameAndReplaceStaysWatched();
    void rawNameIsReadFollowedAndComparedAsAFile();
    void destructionWhileJobsWait();
    void openingOvertakesBackgroundWork();

private:
    void drain();
    void onlyTheNewestIsShown(DocumentController& controller, const Recorder& recorder,
                              const QString& newest);
    QString pdf(const QString& name, int pages = 2);

    QTemporaryDir* dir = nullptr;
    PdfWorker* worker = nullptr;
};

void TestDocumentController::initTestCase()
{
    QVERIFY2(QFileInfo(DocumentController::probeProgram()).isExecutable(),
             "dovrix-probe must be built next to the program");
}

void TestDocumentController::init()
{
    dir = new QTemporaryDir;
    QVERIFY(dir->isValid());
    worker = new PdfWorker;
}

void TestDocumentController::cleanup()
{
    delete worker;
    worker = nullptr;
    delete dir;
    dir = nullptr;
}

// Lets every notification, job and completion already under way run to its end.
void TestDocumentController::drain()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QVERIFY(worker->waitForIdle(test::TimeoutMs));
    }
    QCoreApplication::processEvents();
}

QString TestDocumentController::pdf(const QString& name, int pages)
{
    const QString path = dir->filePath(name);
    if (!test::writeSizedPdf(path, {QSizeF(300, 400), QSizeF(500, 200)}, pages))
        return {};
    return path;
}

void TestDocumentController::hashFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray random(3 * 1024 * 1024 + 17, Qt::Uninitialized);
    QRandomGenerator generator(7);
    for (char& c : random)
        c = char(generator.bounded(256));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("short") << QByteArray("%PDF-1.7 hello");
    QTest::newRow("exactly one block") << random.left(1024 * 1024);
    QTest::newRow("one block and a byte") << random.left(1024 * 1024 + 1);
    QTest::newRow("several blocks") << random;
}

void TestDocumentController::hashFile()
{
    QFETCH(QByteArray, bytes);
    const QString path = dir->filePath(QStringLiteral("data.bin"));
    QVERIFY(test::writeFile(path, bytes));
    const QString digest = dovrix::hashFile(path);
    QCOMPARE(digest.size(), 64);
    QCOMPARE(digest, sha256(bytes));
    QCOMPARE(digest, digest.toLower());

    QVERIFY(dovrix::hashFile(dir->filePath(QStringLiteral("missing.pdf"))).isEmpty());
    QVERIFY(dovrix::hashFile(dir->path()).isEmpty());
}

void TestDocumentController::opensAFileAndReportsItOnce()
{
    const QString path = pdf(QStringLiteral("plain.pdf"), 3);
    QVERIFY(!path.isEmpty());
    DocumentController controller(worker);
    QCOMPARE(controller.status(), DocumentStatus::Idle);
    Recorder recorder(&controller);

    controller.reload(); // nothing opened yet: nothing happens
    QVERIFY(recorder.events.isEmpty());

    controller.openFile(path);
    QCOMPARE(controller.status(), DocumentStatus::Loading);
    WAIT_STATUS(controller, DocumentStatus::Ready);
    QCOMPARE(recorder.events, (QStringList{"status 1", "status 2", "ready"}));
    QCOMPARE(controller.filePath(), path);
    QCOMPARE(controller.sourceHash(), dovrix::hashFile(path));
    QVERIFY(controller.document());
    QCOMPARE(controller.pageCount(), 3);
    QCOMPARE(controller.pageSizes().at(0), QSizeF(300, 400));
    QCOMPARE(controller.pageSizes().at(2), QSizeF(500, 200));
    const auto timings = controller.loadTimings();
    QVERIFY(timings.hashMs >= 0 && timings.probeMs >= 0 && timings.loadMs >= 0);

    // A reload walks through Loading again, once, without a repeated status.
    recorder.events.clear();
    controller.reload();
    QCOMPARE(controller.document(), nullptr);
    WAIT_STATUS(controller, DocumentStatus::Ready);
    QCOMPARE(recorder.events, (QStringList{"status 1", "status 2", "ready"}));

    // A password for a document that has none is ignored.
    controller.submitPassword(QStringLiteral("x"));
    QCOMPARE(controller.status(), DocumentStatus::Ready);
    drain();
    QCOMPARE(recorder.events.size(), 3);
}

void TestDocumentController::passwordProtocol()
{
    const QString plain = pdf(QStringLiteral("plain.pdf"), 2);
    const QString locked = dir->filePath(QStringLiteral("locked.pdf"));
    if (!test::encryptPdf(plain, locked, QString::fromLatin1(Password)))
        DOVRIX_SKIP_OR_FAIL_IN_CI("qpdf is needed to encrypt the fixture");
    const QByteArray before = test::readAll(locked);

    DocumentController controller(worker);
    Recorder recorder(&controller);
    controller.openFile(locked);
    WAIT_STATUS(controller, DocumentStatus::PasswordRequired);
    QCOMPARE(recorder.events, (QStringList{"status 1", "status 3", "password first"}));
    const QString firstHash = controller.sourceHash();
    QCOMPARE(firstHash, sha256(before));
    QVERIFY(!controller.document()); // nothing to read before it is unlocked

    recorder.events.clear();
    controller.submitPassword(QStringLiteral("wrong"));
    QCOMPARE(controller.status(), DocumentStatus::Loading);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.events.size(), 3, test::TimeoutMs);
    QCOMPARE(recorder.events, (QStringList{"status 1", "status 3", "password wrong"}));
    QVERIFY(!controller.document());

    recorder.events.clear();
    controller.submitPassword(QString::fromLatin1(Password));
    WAIT_STATUS(controller, DocumentStatus::Ready);
    QCOMPARE(recorder.events, (QStringList{"status 1", "status 2", "ready"}));
    QCOMPARE(controller.sourceHash(), firstHash);
    QCOMPARE(controller.pageCount(), 2);
    QCOMPARE(controller.pageSizes().at(1), QSizeF(500, 200));
    QCOMPARE(test::readAll(locked), before);
}

void TestDocumentController::reloadDuringLoadingKeepsOnlyTheNewest()
{
    const QString first = pdf(QStringLiteral("first.pdf"), 2);
    const QString second = pdf(QStringLiteral("second.pdf"), 5);
    DocumentController controller(worker);
    Recorder recorder(&controller);
    {
        test::WorkerGate gate(worker);
        controller.openFile(first);
        controller.reload();
        controller.openFile(second);
        QCOMPARE(controller.status(), DocumentStatus::Loading);
    }
    onlyTheNewestIsShown(controller, recorder, second);
}

// After several opens, the controller shows the last file (of five pages) and announced one load.
void TestDocumentController::onlyTheNewestIsShown(DocumentController& controller,
                                                  const Recorder& recorder, const QString& newest)
{
    WAIT_STATUS(controller, DocumentStatus::Ready);
    drain();
    QCOMPARE(recorder.events, (QStringList{"status 1", "status 2", "ready"}));
    QCOMPARE(controller.filePath(), newest);
    QCOMPARE(controller.pageCount(), 5);
    QCOMPARE(controller.sourceHash(), dovrix::hashFile(newest));
}

// The worker's result for the first file has already been handed to the GUI thread and sits in
// its event queue when the second open starts: only the completion's own check can drop it.
void TestDocumentController::resultsWaitingInTheQueueForAnOlderOpenAreDropped()
{
    const QString first = pdf(QStringLiteral("first.pdf"), 2);
    const QString second = pdf(QStringLiteral("second.pdf"), 5);
    for (const bool loaded : {false, true}) {
        DocumentController controller(worker);
        Recorder recorder(&controller);
        controller.openFile(first);
        if (loaded) {
            // Once hash and probe are in, the load job waits behind the gate.
            QVERIFY(worker->waitForIdle(test::TimeoutMs));
            test::WorkerGate gate(worker);
            QTRY_VERIFY_WITH_TIMEOUT(controller.loadTimings().hashMs >= 0
                                         && controller.loadTimings().probeMs >= 0,
                                     test::TimeoutMs);
        }
        QVERIFY(worker->waitForIdle(
            test::TimeoutMs)); // the first file's result is queued, not delivered
        controller.openFile(second);
        onlyTheNewestIsShown(controller, recorder, second);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestDocumentController::badInputFailsWithoutWriting_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // written unless the row needs no file
    QTest::addColumn<OpenOutcome>("failure");
    const OpenOutcome invalid = OpenOutcome::InvalidFile;
    const OpenOutcome missing = OpenOutcome::FileNotFound;
    QByteArray noise(4096, Qt::Uninitialized);
    QRandomGenerator generator(11);
    for (char& c : noise)
        c = char(generator.bounded(256));

    QTest::newRow("missing file") << QStringLiteral("missing.pdf") << QByteArray() << missing;
    QTest::newRow("directory") << QStringLiteral("folder.pdf") << QByteArray() << missing;
    QTest::newRow("zero bytes") << QStringLiteral("zero.pdf") << QByteArray("") << invalid;
    QTest::newRow("truncated") << QStringLiteral("truncated.pdf") << QByteArray("truncate")
                               << invalid;
    QTest::newRow("random bytes") << QStringLiteral("noise.pdf") << noise << invalid;
    QTest::newRow("no pages") << QStringLiteral("empty.pdf") << test::pagelessPdf() << invalid;
}

void TestDocumentController::badInputFailsWithoutWriting()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(OpenOutcome, failure);
    const QString path = dir->filePath(name);
    if (name == QLatin1String("folder.pdf")) {
        QVERIFY(QDir(dir->path()).mkdir(name));
    } else if (bytes == "truncate") {
        const QString whole = pdf(QStringLiteral("whole.pdf"), 2);
        const QByteArray all = test::readAll(whole);
        QVERIFY(QFile::remove(whole));
        QVERIFY(test::writeFile(path, all.left(all.size() / 2)));
    } else if (!bytes.isNull()) {
        QVERIFY(test::writeFile(path, bytes));
    }
    const QStringList before = snapshot(dir->path());
    const QByteArray content = test::readAll(path);

    DocumentController controller(worker);
    Recorder recorder(&controller);
    controller.openFile(path);
    WAIT_STATUS(controller, DocumentStatus::Failed);
    QCOMPARE(recorder.events,
             (QStringList{"status 1", QStringLiteral("status 4 %1").arg(int(failure))}));
    QCOMPARE(controller.document(), nullptr);
    QCOMPARE(controller.pageCount(), 0);

    // A reload fails the same way, announcing the failure again.
    controller.reload();
    WAIT_STATUS(controller, DocumentStatus::Failed);
    drain();
    QCOMPARE(recorder.events.size(), 4);
    QCOMPARE(snapshot(dir->path()), before);
    QCOMPARE(test::readAll(path), content);
}

void TestDocumentController::sourceStaysByteIdentical()
{
    const QString path = pdf(QStringLiteral("keep.pdf"), 4);
    const QByteArray bytes = test::readAll(path);
    const QStringList before = snapshot(dir->path());
    {
        DocumentController controller(worker);
        controller.openFile(path);
        WAIT_STATUS(controller, DocumentStatus::Ready);
        controller.reload();
        WAIT_STATUS(controller, DocumentStatus::Ready);
    }
    drain();
    QCOMPARE(test::readAll(path), bytes);
    QCOMPARE(snapshot(dir->path()), before);
}

void TestDocumentController::changeDetectionComparesContents()
{
    const QString path = pdf(QStringLiteral("watched.pdf"), 1);
    DocumentController controller(worker);
    controller.openFile(path);
    WAIT_STATUS(controller, DocumentStatus::Ready);
    auto* watcher = controller.findChild<QFileSystemWatcher*>();
    QVERIFY(watcher);
    QSignalSpy notified(watcher, &QFileSystemWatcher::fileChanged);
    QSignalSpy modified(&controller, &DocumentController::sourceFileModified);
    const QByteArray original = test::readAll(path);
    const qint64 at = original.size() / 2;

    // Saved with the same bytes: the file is touched, its contents are not.
    QVERIFY(overwriteByte(path, at, original.at(at)));
    QVERIFY(notified.wait(test::TimeoutMs));
    drain();
    QCOMPARE(modified.count(), 0);

    // One byte differs.
    QVERIFY(overwriteByte(path, at, char(original.at(at) ^ 0x20)));
    QVERIFY(modified.wait(test::TimeoutMs));
    drain();
    const qsizetype afterFirst = modified.count();

    // Another save with other new contents reports again.
    QVERIFY(overwriteByte(path, at + 1, char(original.at(at + 1) ^ 0x20)));
    QTRY_VERIFY_WITH_TIMEOUT(modified.count() > afterFirst, test::TimeoutMs);
    drain();

    // Back to the contents that were opened: nothing to report.
    const qsizetype afterSecond = modified.count();
    const qsizetype seen = notified.count();
    QVERIFY(test::writeFile(path + QStringLiteral(".orig"), original));
    QVERIFY(replaceByRename(path, original));
    QTRY_VERIFY_WITH_TIMEOUT(notified.count() > seen, test::TimeoutMs);
    drain();
    QCOMPARE(modified.count(), afterSecond);
    QCOMPARE(controller.status(), DocumentStatus::Ready);

    // Gone from disk: nothing is reported and the document stays open.
    QVERIFY(QFile::remove(path));
    drain();
    QCOMPARE(modified.count(), afterSecond);
    QCOMPARE(controller.status(), DocumentStatus::Ready);
    QVERIFY(controller.document());
}

void TestDocumentController::renameAndReplaceStaysWatched()
{
    const QString path = pdf(QStringLiteral("replaced.pdf"), 1);
    const QString other = pdf(QStringLiteral("other.pdf"), 2);
    const QString third = pdf(QStringLiteral("third.pdf"), 3);
    DocumentController controller(worker);
    controller.openFile(path);
    WAIT_STATUS(controller, DocumentStatus::Ready);
    QSignalSpy modified(&controller, &DocumentController::sourceFileModified);

    QVERIFY(replaceByRename(path, test::readAll(other)));
    QVERIFY(modified.wait(test::TimeoutMs));
    drain();
    const qsizetype afterFirst = modified.count();

    // The editor saves the same way again: the new file must be the one watched.
    QVERIFY(replaceByRename(path, test::readAll(third)));
    QTRY_VERIFY_WITH_TIMEOUT(modified.count() > afterFirst, test::TimeoutMs);
    drain();

    // Deleted, then written anew a moment later.
    const qsizetype afterSecond = modified.count();
    QVERIFY(QFile::remove(path));
    drain();
    QVERIFY(test::writeFile(path, test::readAll(other) + "%changed\n"));
    QTRY_VERIFY_WITH_TIMEOUT(modified.count() > afterSecond, test::TimeoutMs);
}

// A name with a byte that is not UTF-8 is opened by its bytes: read through a path of this
// process's descriptors, which follows the name when an editor replaces the file, and which an
// export check still recognises as the file behind another name.
void TestDocumentController::rawNameIsReadFollowedAndComparedAsAFile()
{
    const QByteArray raw = QFile::encodeName(dir->path()) + "/r\xff.pdf";
    struct Unlink
    {
        QByteArray path;
        ~Unlink() { ::unlink(path.constData()); }
    } gone{raw};
    const QString made = pdf(QStringLiteral("made.pdf"), 1);
    const QString other = pdf(QStringLiteral("other.pdf"), 2);
    const QByteArray bytes = test::readAll(made);
    QCOMPARE(std::rename(QFile::encodeName(made).constData(), raw.constData()), 0);

    DocumentController controller(worker);
    controller.openRawFile(raw);
    WAIT_STATUS(controller, DocumentStatus::Ready);
    QCOMPARE(controller.pageCount(), 1);
    QCOMPARE(controller.sourceHash(), sha256(bytes));
    QCOMPARE(controller.displayName(), QFile::decodeName("r\xff.pdf"));

    const QString hard = dir->filePath(QStringLiteral("hard.pdf"));
    QCOMPARE(::link(raw.constData(), QFile::encodeName(hard).constData()), 0);
    QVERIFY(isSameFile(hard, controller.filePath()));
    QVERIFY(!isSameFile(other, controller.filePath()));

    QSignalSpy modified(&controller, &DocumentController::sourceFileModified);
    const QByteArray temporary = QFile::encodeName(dir->filePath(QStringLiteral("saving")));
    QVERIFY(test::writeFile(QFile::decodeName(temporary), test::readAll(other)));
    QCOMPARE(std::rename(temporary.constData(), raw.constData()), 0);
    QVERIFY(modified.wait(test::TimeoutMs));
    controller.reload();
    WAIT_STATUS(controller, DocumentStatus::Ready);
    QCOMPARE(controller.pageCount(), 2);
    QVERIFY(!QFileInfo::exists(QFile::decodeName(raw)));
}

void TestDocumentController::destructionWhileJobsWait()
{
    const QString path = pdf(QStringLiteral("gone.pdf"), 2);
    const QString plain = pdf(QStringLiteral("plain.pdf"), 1);
    const QString locked = dir->filePath(QStringLiteral("locked.pdf"));
    const bool haveLocked = test::encryptPdf(plain, locked, QString::fromLatin1(Password));
    int emitted = 0;
    auto count = [&emitted](DocumentController* c) {
        QObject::connect(c, &DocumentController::statusChanged, [&emitted] { ++emitted; });
        QObject::connect(c, &DocumentController::documentReady, [&emitted] { ++emitted; });
        QObject::connect(c, &DocumentController::passwordRequired, [&emitted] { ++emitted; });
    };

    // Deleted while its hash job waits on the worker.
    {
        auto* controller = new DocumentController(worker);
        count(controller);
        test::WorkerGate gate(worker);
        controller->openFile(path);
        emitted = 0;
        delete controller;
    }
    drain();
    QCOMPARE(emitted, 0);

    // Deleted with an open document and a reload queued behind a gate.
    {
        auto* controller = new DocumentController(worker);
        controller->openFile(path);
        WAIT_STATUS(*controller, DocumentStatus::Ready);
        count(controller);
        test::WorkerGate gate(worker);
        controller->reload();
        emitted = 0;
        delete controller;
    }
    drain();
    QCOMPARE(emitted, 0);

    // Deleted while a password attempt waits.
    if (haveLocked) {
        auto* controller = new DocumentController(worker);
        controller->openFile(locked);
        WAIT_STATUS(*controller, DocumentStatus::PasswordRequired);
        count(controller);
        test::WorkerGate gate(worker);
        controller->submitPassword(QString::fromLatin1(Password));
        emitted = 0;
        delete controller;
    }
    drain();
    QCOMPARE(emitted, 0);

    // The worker goes on serving others.
    DocumentController survivor(worker);
    survivor.openFile(path);
    WAIT_STATUS(survivor, DocumentStatus::Ready);
}

// Background work of other documents keeps coming (each text job posts the next, as a search of a
// long document does): the file the user opens is hashed and loaded between two of its jobs, not
// after the last of them.
void TestDocumentController::openingOvertakesBackgroundWork()
{
    const QString path = pdf(QStringLiteral("wanted.pdf"));
    auto stop = std::make_shared<std::atomic_bool>(false);
    auto next = std::make_shared<PdfWorker::Job>();
    *next = [w = worker, stop, weak = std::weak_ptr<PdfWorker::Job>(next)] {
        const auto job = weak.lock();
        if (job && !*stop)
            w->post(JobPriority::TextLayout, *job);
    };
    const auto halt = qScopeGuard([stop] { *stop = true; });
    worker->post(JobPriority::TextLayout, *next);

    DocumentController controller(worker);
    controller.openFile(path);
    WAIT_STATUS(controller, DocumentStatus::Ready);
    QCOMPARE(controller.pageCount(), 2);
}

QTEST_MAIN(TestDocumentController)
#include "tst_documentcontroller.moc"
