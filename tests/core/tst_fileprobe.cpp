#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "core/ProbeHost.h"
#include "support/CoreFixtures.h"
#include "support/SkipOrFail.h"
#include "support/TestPdf.h"
#include "support/TestWait.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <csignal>
#include <memory>

#include <sys/types.h>

using namespace dovrix;

namespace {

constexpr OpenOutcome Invalid = OpenOutcome::InvalidFile;
constexpr OpenOutcome TooLong = OpenOutcome::TimedOut;

bool processExists(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

} // namespace

// The probe process that opens a file before the program parses it, and the controller's use of it.
class TestFileProbe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void probeReports_data();
    void probeReports();
    void deepPageTreeFailsWhileOthersRender_data();
    void deepPageTreeFailsWhileOthersRender();
    void probeFailureFailsTheLoad_data();
    void probeFailureFailsTheLoad();
    void supersededOrDestroyedProbeIsKilled();
    void probePageSizesAreUsed();
    void limitCountsTimeWithoutProgress();
    void lostHostTakesNoFileWithIt();

private:
    QString fixture(const QString& name, int pages);
    // The probe program to use for a one-shot probe script: itself, or (served) a host that runs
    // it for each request and reports its lines and its end the way the real host does.
    QString probeFor(const QString& oneShot, bool served);

    QString realProbe;
    QTemporaryDir* dir = nullptr;
    PdfWorker* worker = nullptr;
};

void TestFileProbe::initTestCase()
{
    realProbe = DocumentController::probeProgram();
    QVERIFY2(QFileInfo(realProbe).isExecutable(), "dovrix-probe must be built next to the program");
}

void TestFileProbe::init()
{
    dir = new QTemporaryDir;
    QVERIFY(dir->isValid());
    worker = new PdfWorker;
}

void TestFileProbe::cleanup()
{
    ProbeHost::shutDown();
    delete worker;
    worker = nullptr;
    delete dir;
    dir = nullptr;
}

QString TestFileProbe::fixture(const QString& name, int pages)
{
    const QString path = dir->filePath(name);
    return test::writeSizedPdf(path, {QSizeF(200, 300)}, pages) ? path : QString();
}

QString TestFileProbe::probeFor(const QString& oneShot, bool served)
{
    if (!served)
        return oneShot;
    const QString host = dir->filePath(QStringLiteral("stand-in-host"));
    const bool written = test::writeScript(
        host, "while read request id rest; do\n"
              "  [ \"$request\" = open ] || continue\n"
              "  out=$('"
                  + QFile::encodeName(oneShot)
                  + "'); code=$?\n"
                    "  [ -n \"$out\" ] && printf '%s\\n' \"$out\" | sed \"s/^/$id /\"\n"
                    "  if [ $code -gt 128 ]; then echo \"$id signal $((code - 128))\";\n"
                    "  else echo \"$id exit $code\"; fi\n"
                    "done");
    return written ? host : QString();
}

void TestFileProbe::probeReports_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<bool>("served");
    for (const bool served : {false, true}) {
        const auto row = [served](const char* name) -> QTestData& {
            return QTest::addRow("%s, %s", name, served ? "served" : "own process");
        };
        row("normal") << "normal" << QByteArray("pages 3") << served;
        row("encrypted") << "encrypted" << QByteArray("password") << served;
        row("zero bytes") << "zero" << QByteArray("error 4") << served;
        row("missing") << "missing" << QByteArray("error 3") << served;
        row("no pages") << "pageless" << QByteArray("pages 0") << served;
        row("name like an option") << "-platform.pdf" << QByteArray("pages 3") << served;
        row("non-ASCII name") << "文档 副本.pdf" << QByteArray("pages 3") << served;
    }
}

void TestFileProbe::probeReports()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, report);
    QFETCH(bool, served);
    QString path = fixture(QStringLiteral("normal.pdf"), 3);
    if (kind == QLatin1String("encrypted")) {
        const QString locked = dir->filePath(QStringLiteral("locked.pdf"));
        if (!test::encryptPdf(path, locked, QStringLiteral("pw")))
            DOVRIX_SKIP_OR_FAIL_IN_CI("qpdf is needed to encrypt the fixture");
        path = locked;
    } else if (kind == QLatin1String("zero")) {
        path = dir->filePath(QStringLiteral("zero.pdf"));
        QVERIFY(test::writeFile(path, {}));
    } else if (kind == QLatin1String("missing")) {
        path = dir->filePath(QStringLiteral("missing.pdf"));
    } else if (kind == QLatin1String("pageless")) {
        path = dir->filePath(QStringLiteral("pageless.pdf"));
        QVERIFY(test::writeFile(path, test::pagelessPdf()));
    } else if (kind.endsWith(QLatin1String(".pdf"))) {
        const QString renamed = dir->filePath(kind);
        QVERIFY(QFile::copy(path, renamed));
        path = renamed;
    }
    QByteArray output;
    if (served) {
        // A child forked by the waiting host says the same, line for line.
        ProbeHost::prepare(realProbe);
        ProbeHost* host = ProbeHost::of(realProbe);
        QVERIFY(host);
        QObject receiver;
        const quint64 id = host->open(PdfDocument::preferredEngine(), path);
        int ended = -1;
        connect(host, &ProbeHost::output, &receiver, [&](quint64 of, const QByteArray& line) {
            if (of == id)
                output += line + '\n';
        });
        connect(host, &ProbeHost::ended, &receiver, [&](quint64 of, bool cleanly) {
            if (of == id)
                ended = cleanly;
        });
        QTRY_VERIFY_WITH_TIMEOUT(ended >= 0, DocumentController::ProbeTimeoutMs);
        QCOMPARE(ended, 1);
    } else {
        QProcess probe;
        probe.start(realProbe,
                    {QStringLiteral("--engine"), engineName(PdfDocument::preferredEngine()), path});
        QVERIFY(probe.waitForFinished(DocumentController::ProbeTimeoutMs));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 0);
        output = probe.readAllStandardOutput();
    }
    const QList<QByteArray> lines = output.trimmed().split('\n');
    QCOMPARE(lines.last(), report);
    if (report == "pages 3") {
        // The engine and progress first, then every page size in page order.
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines.first(), "engine " + engineName(PdfDocument::preferredEngine()).toLatin1());
        QCOMPARE(lines.at(1), QByteArray("loaded 3"));
        for (int i = 2; i <= 4; ++i)
            QCOMPARE(lines.at(i), QByteArray("size 200 300"));
    }
}

void TestFileProbe::deepPageTreeFailsWhileOthersRender_data()
{
    QTest::addColumn<bool>("served");
    QTest::newRow("own process") << false;
    QTest::newRow("served") << true;
}

void TestFileProbe::deepPageTreeFailsWhileOthersRender()
{
    QFETCH(bool, served);
    if (served)
        DocumentController::prepareProbe();
    const QString normal = fixture(QStringLiteral("normal.pdf"), 2);
    const QString hostile = dir->filePath(QStringLiteral("deep.pdf"));
    // The engine spins on page trees deeper than it is willing to walk.
    const QByteArray hostileBytes = test::deepPageTreePdf(1100);
    QVERIFY(test::writeFile(hostile, hostileBytes));

    DocumentController reader(worker);
    reader.openFile(normal);
    QTRY_COMPARE_WITH_TIMEOUT(reader.status(), DocumentStatus::Ready, test::TimeoutMs);
    if (test::useEngineUnderTest() == EngineKind::MuPdf) {
        // MuPDF walks such a tree at once: the file simply opens.
        DocumentController deep(worker);
        deep.openFile(hostile);
        QTRY_COMPARE_WITH_TIMEOUT(deep.status(), DocumentStatus::Ready, test::TimeoutMs);
        QCOMPARE(deep.pageCount(), 1);
        return;
    }

    DocumentController victim(worker);
    QSignalSpy status(&victim, &DocumentController::statusChanged);
    QElapsedTimer clock;
    clock.start();
    victim.openFile(hostile);
    QCOMPARE(victim.status(), DocumentStatus::Loading);

    // The other document renders on the shared worker while the hostile one is being probed.
    auto rendered = std::make_shared<std::atomic_int>(0);
    PdfDocument* document = reader.document();
    for (int i = 0; i < 3; ++i) {
        worker->post(JobPriority::PageView, [document, rendered, i] {
            const QImage image = document->render(i % 2, QSize(200, 300), 0);
            if (!image.isNull())
                ++*rendered;
        });
    }
    QTRY_COMPARE_WITH_TIMEOUT(rendered->load(), 3, test::TimeoutMs);
    QVERIFY(worker->waitForIdle(test::TimeoutMs));
    QCOMPARE(victim.status(), DocumentStatus::Loading);

    QTRY_COMPARE_WITH_TIMEOUT(victim.status(), DocumentStatus::Failed,
                              DocumentController::ProbeTimeoutMs + 10000);
    QVERIFY(clock.elapsed() < DocumentController::ProbeTimeoutMs + 10000);
    // It hung rather than crashed: the user is told so, not that the file is damaged.
    QCOMPARE(status.last().at(1).value<OpenOutcome>(), TooLong);
    QCOMPARE(victim.loadTimings().loadMs, -1); // never parsed in this process
    QCOMPARE(victim.document(), nullptr);
    QCOMPARE(test::readAll(hostile), hostileBytes);
    QCOMPARE(reader.status(), DocumentStatus::Ready);
    if (served) {
        // The host killed its stuck child when told to, and goes on waiting.
        const ProbeHost* host = ProbeHost::of(realProbe);
        QVERIFY(host);
        const QString children = QStringLiteral("/proc/%1/task/%1/children").arg(host->processId());
        QTRY_COMPARE_WITH_TIMEOUT(test::readAll(children).trimmed(), QByteArray(), test::TimeoutMs);
    }
}

void TestFileProbe::probeFailureFailsTheLoad_data()
{
    QTest::addColumn<QByteArray>("script"); // empty: a program that does not exist
    QTest::addColumn<DocumentStatus>("expected");
    QTest::addColumn<OpenOutcome>("failure");
    QTest::addColumn<bool>("served");
    for (const bool served : {false, true}) {
        const auto row = [served](const char* name) -> QTestData& {
            return QTest::addRow("%s, %s", name, served ? "served" : "own process");
        };
        row("crash") << QByteArray("echo 'pages 2'; kill -SEGV $$") << DocumentStatus::Failed
                     << Invalid << served;
        row("killed") << QByteArray("kill -KILL $$") << DocumentStatus::Failed << Invalid << served;
        row("exit code") << QByteArray("echo 'pages 2'; exit 1") << DocumentStatus::Failed
                         << Invalid << served;
        row("no report") << QByteArray("exit 0") << DocumentStatus::Failed << Invalid << served;
        row("garbage") << QByteArray("echo 'pages two'") << DocumentStatus::Failed << Invalid
                       << served;
        row("no pages") << QByteArray("echo 'pages 0'") << DocumentStatus::Failed << Invalid
                        << served;
        row("cannot start") << QByteArray() << DocumentStatus::Failed << Invalid << served;
        row("engine error") << QByteArray("echo 'error 6'") << DocumentStatus::Failed
                            << OpenOutcome::UnsupportedSecurity << served;
        row("unknown error") << QByteArray("echo 'error 77'") << DocumentStatus::Failed
                             << OpenOutcome::Unknown << served;
        row("opens") << QByteArray("echo 'pages 2'") << DocumentStatus::Ready << OpenOutcome::Opened
                     << served;
    }
}

void TestFileProbe::probeFailureFailsTheLoad()
{
    QFETCH(QByteArray, script);
    QFETCH(DocumentStatus, expected);
    QFETCH(OpenOutcome, failure);
    QFETCH(bool, served);
    const QString program = dir->filePath(QStringLiteral("stand-in-probe"));
    if (!script.isEmpty())
        QVERIFY(test::writeScript(program, script));
    const QString probing = script.isEmpty() ? program : probeFor(program, served);
    if (served)
        DocumentController::prepareProbe(probing);
    const QString path = fixture(QStringLiteral("normal.pdf"), 2);

    DocumentController controller(worker);
    controller.setProbeProgram(probing);
    QSignalSpy status(&controller, &DocumentController::statusChanged);
    controller.openFile(path);
    QCOMPARE(controller.status(),
             DocumentStatus::Loading); // the outcome is announced later, never inside
    QTRY_COMPARE_WITH_TIMEOUT(controller.status(), expected, test::TimeoutMs);
    QCOMPARE(status.last().at(1).value<OpenOutcome>(), failure);
    if (expected == DocumentStatus::Failed) {
        QCOMPARE(controller.loadTimings().loadMs, -1);
        QCOMPARE(controller.document(), nullptr);
    } else {
        QCOMPARE(controller.pageCount(), 2);
    }
}

void TestFileProbe::supersededOrDestroyedProbeIsKilled()
{
    const QString program = dir->filePath(QStringLiteral("stand-in-probe"));
    QVERIFY(test::writeScript(program, "case \"$*\" in *stuck*) exec sleep 600;; esac\nexec '"
                                           + QFile::encodeName(realProbe) + "' \"$@\""));
    const QString stuck = fixture(QStringLiteral("stuck.pdf"), 1);
    const QString normal = fixture(QStringLiteral("normal.pdf"), 2);

    DocumentController controller(worker);
    controller.setProbeProgram(program);
    controller.openFile(stuck);
    auto* probe = controller.findChild<QProcess*>();
    QVERIFY(probe);
    QVERIFY(probe->waitForStarted(test::TimeoutMs));
    const qint64 first = probe->processId();
    QVERIFY(processExists(first));

    controller.openFile(normal);
    QVERIFY(!processExists(first));
    QTRY_COMPARE_WITH_TIMEOUT(controller.status(), DocumentStatus::Ready, test::TimeoutMs);
    QCOMPARE(controller.pageCount(), 2);

    auto* doomed = new DocumentController(worker);
    doomed->setProbeProgram(program);
    doomed->openFile(stuck);
    probe = doomed->findChild<QProcess*>();
    QVERIFY(probe);
    QVERIFY(probe->waitForStarted(test::TimeoutMs));
    const qint64 second = probe->processId();
    delete doomed;
    QVERIFY(!processExists(second));
}

// The probe has read every page size already; the load here takes them instead of reading them
// again (the stand-in reports sizes the file does not have, to show where they came from).
void TestFileProbe::probePageSizesAreUsed()
{
    const QString program = dir->filePath(QStringLiteral("stand-in-probe"));
    QVERIFY(test::writeScript(program, "printf 'loaded 2\\nsize 111.5 222\\nsize 333 444.25\\n'\n"
                                       "echo 'pages 2'"));
    DocumentController controller(worker);
    controller.setProbeProgram(program);
    controller.openFile(fixture(QStringLiteral("normal.pdf"), 2));
    QTRY_COMPARE_WITH_TIMEOUT(controller.status(), DocumentStatus::Ready, test::TimeoutMs);
    QCOMPARE(controller.pageSizes(), (QList<QSizeF>{{111.5, 222}, {333, 444.25}}));

    // Sizes that do not add up to the report are not trusted: the load reads its own.
    QVERIFY(test::writeScript(program, "printf 'loaded 2\\nsize 111 222\\n'; echo 'pages 2'"));
    controller.openFile(fixture(QStringLiteral("other.pdf"), 2));
    QTRY_COMPARE_WITH_TIMEOUT(controller.status(), DocumentStatus::Ready, test::TimeoutMs);
    QCOMPARE(controller.pageSizes(), (QList<QSizeF>{{200, 300}, {200, 300}}));
}

// A large file keeps the probe busy longer than the limit, but reports pages all along; a probe
// that reports nothing is stopped at the limit and the file is said to take too long, not to be
// damaged.
void TestFileProbe::limitCountsTimeWithoutProgress()
{
    const QString program = dir->filePath(QStringLiteral("stand-in-probe"));
    QVERIFY(test::writeScript(program, "echo 'loaded 12'\n"
                                       "for i in 1 2 3 4 5 6 7 8 9 10 11 12; do\n"
                                       "  echo 'size 200 300'; sleep 0.25\n"
                                       "done\n"
                                       "echo 'pages 12'"));
    const QString path = fixture(QStringLiteral("normal.pdf"), 2);
    DocumentController controller(worker);
    controller.setProbeProgram(program);
    controller.setProbeTimeout(2000);
    QElapsedTimer clock;
    clock.start();
    controller.openFile(path);
    QTRY_VERIFY_WITH_TIMEOUT(controller.status() != DocumentStatus::Loading, test::TimeoutMs);
    QCOMPARE(controller.status(), DocumentStatus::Ready);
    QVERIFY(clock.elapsed() > 2000);

    QVERIFY(test::writeScript(program, "echo 'loaded 2'; exec sleep 600"));
    controller.setProbeTimeout(300);
    QSignalSpy status(&controller, &DocumentController::statusChanged);
    controller.openFile(path);
    QTRY_COMPARE_WITH_TIMEOUT(controller.status(), DocumentStatus::Failed, test::TimeoutMs);
    QCOMPARE(status.last().at(1).value<OpenOutcome>(), TooLong);
    QCOMPARE(controller.loadTimings().loadMs, -1);
}

// The host is killed before it has read the request: the load starts a probe process of its own
// and the file opens all the same; the next load finds no host and does the same.
void TestFileProbe::lostHostTakesNoFileWithIt()
{
    DocumentController::prepareProbe();
    ProbeHost* host = ProbeHost::of(realProbe);
    QVERIFY(host);
    const qint64 pid = host->processId();
    QVERIFY(pid > 0);
    DocumentController controller(worker);
    controller.openFile(fixture(QStringLiteral("normal.pdf"), 2));
    QCOMPARE(::kill(pid_t(pid), SIGKILL), 0);
    QTRY_COMPARE_WITH_TIMEOUT(controller.status(), DocumentStatus::Ready, test::TimeoutMs);
    QCOMPARE(controller.pageCount(), 2);
    QVERIFY(!ProbeHost::of(realProbe));
    controller.openFile(fixture(QStringLiteral("other.pdf"), 3));
    QTRY_COMPARE_WITH_TIMEOUT(controller.status(), DocumentStatus::Ready, test::TimeoutMs);
    QCOMPARE(controller.pageCount(), 3);
}

QTEST_MAIN(TestFileProbe)
#include "tst_fileprobe.moc"
