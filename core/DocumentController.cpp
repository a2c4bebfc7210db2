#include "core/DocumentController.h"

#include "core/CoreLog.h"
#include "core/PageLabels.h"
#include "core/PdfWorker.h"
#include "core/ProbeHost.h"
#include "core/ProgramFiles.h"
#include "core/RawFilePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMetaEnum>
#include <QProcess>
#include <QTimer>

#include <openssl/evp.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace dovrix {

namespace {

constexpr qint64 HashBlockBytes = 1024 * 1024;

QString probeExecutableName()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("dovrix-probe.exe");
#else
    return QStringLiteral("dovrix-probe");
#endif
}

} // namespace

QString hashFile(const QString& path)
{
    // A FIFO or device would block or never end: only regular files have a digest.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        qCDebug(lcCore) << "cannot read" << path << file.errorString();
        return {};
    }
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(),
                                                                    &EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1)
        return {};
    std::vector<char> block(static_cast<size_t>(HashBlockBytes));
    for (;;) {
        const qint64 n = file.read(block.data(), HashBlockBytes);
        if (n < 0) {
            // A digest of part of the file would be a wrong identity.
            qCDebug(lcCore) << "cannot read" << path << file.errorString();
            return {};
        }
        if (n == 0)
            break;
        if (EVP_DigestUpdate(context.get(), block.data(), size_t(n)) != 1)
            return {};
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context.get(), digest, &length) != 1)
        return {};
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(digest), int(length)).toHex());
}

DocumentController::DocumentController(PdfWorker* worker, QObject* parent)
    : QObject(parent), pdfWorker(worker), watcher(new QFileSystemWatcher(this)),
      probeTimer(new QTimer(this))
{
    connect(watcher, &QFileSystemWatcher::fileChanged, this, &DocumentController::fileChanged);
    connect(watcher, &QFileSystemWatcher::directoryChanged, this,
            &DocumentController::directoryChanged);
    probeTimer->setSingleShot(true);
}

DocumentController::~DocumentController()
{
    // Every job still waiting becomes stale and returns without touching anything.
    loadGeneration.advance();
    stopProbe();
    // Released on the worker once the last job that captured it is done.
    doc.reset();
}

void DocumentController::setProbeProgram(const QString& program)
{
    probeProgramOverride = program;
}

QString DocumentController::probeProgram()
{
    const QString found = findCompanion(probeExecutableName());
    if (QFileInfo(found).isExecutable())
        return found;
    const QDir dir(QCoreApplication::applicationDirPath());
    const QString above =
        QDir::cleanPath(dir.filePath(QStringLiteral("../") + probeExecutableName()));
    if (QFileInfo(above).isExecutable())
        return above;
    return found; // fails to start, and the load fails with it
}

QString DocumentController::programToProbe() const
{
    return probeProgramOverride.isEmpty() ? probeProgram() : probeProgramOverride;
}

void DocumentController::setProbeEnabled(bool enabled)
{
    probeEnabled = enabled;
}

void DocumentController::setProbeTimeout(int ms)
{
    probeTimeoutMs = ms > 0 ? ms : ProbeTimeoutMs;
}

void DocumentController::openFile(const QString& filePath)
{
    closeDocument();
    raw.reset();
    path = filePath;
    startLoad();
}

void DocumentController::openRawFile(const QByteArray& rawPath)
{
    closeDocument();
    raw = std::make_unique<RawFilePath>(rawPath);
    // A file that cannot be opened fails below like any missing file, under its decoded name.
    path = raw->isOpen() ? raw->path() : QFile::decodeName(rawPath);
    startLoad();
}

QString DocumentController::displayName() const
{
    return raw ? raw->displayName() : QFileInfo(path).fileName();
}

void DocumentController::reload()
{
    if (path.isEmpty())
        return;
    closeDocument();
    if (raw)
        raw->follow();
    startLoad();
}

void DocumentController::startLoad()
{
    hash.clear();
    sizes.clear();
    labels.clear();
    const Generation::Value generation = loadGeneration.advance();
    setStatus(DocumentStatus::Loading);

    stopProbe();
    verdict = ProbeVerdict::Pending;
    probeError = OpenOutcome::Opened;
    probeLine.clear();
    probePages = -1;
    probeSizes.clear();
    probeReport.clear();
    probeEngine = PdfDocument::preferredEngine();
    hashKnown = false;
    loadConcluded = false;
    pendingHash.clear();
    timings = {};

    if (!QFileInfo(path).isFile()) {
        // Missing, a directory, a FIFO or a device: nothing to parse, and opening some of them
        // would block. The hash job below finds no file either and completes the failure.
        verdict = ProbeVerdict::Fail;
        probeError = OpenOutcome::FileNotFound;
    } else if (probeEnabled) {
        startProbe(generation);
    } else {
        verdict = ProbeVerdict::Open;
    }

    if (!pdfWorker)
        return;
    pdfWorker->post(JobPriority::Opening, this, loadGeneration.ticket(),
                    [filePath = path]() -> Reply<DocumentController> {
                        QElapsedTimer clock;
                        clock.start();
                        const QString digest = hashFile(filePath);
                        const qint64 ms = clock.elapsed();
                        return [digest, ms](DocumentController& self) { self.hashed(digest, ms); };
                    });
}

void DocumentController::prepareProbe(const QString& program)
{
    ProbeHost::prepare(program.isEmpty() ? probeProgram() : program);
}

void DocumentController::startProbe(Generation::Value generation)
{
    probeTimer->disconnect(this);
    connect(probeTimer, &QTimer::timeout, this, [this, generation] { probeTimedOut(generation); });
    probeTimer->setInterval(probeTimeoutMs);
    probeClock.start();
    probeTimer->start();
    if (ProbeHost* running = ProbeHost::of(programToProbe()))
        startServedProbe(generation, running);
    else
        startOwnProbe(generation);
}

void DocumentController::startServedProbe(Generation::Value generation, ProbeHost* running)
{
    host = running;
    connect(running, &ProbeHost::output, this, [this](quint64 id, const QByteArray& line) {
        if (id == served && served && takeProbeLine(line))
            probeTimer->start();
    });
    connect(running, &ProbeHost::ended, this, [this, generation](quint64 id, bool cleanly) {
        if (id == served && served)
            probeEnded(generation, cleanly);
    });
    // The host went away (not the file's doing): the probe starts again as a process of its own.
    connect(running, &ProbeHost::lost, this, [this, generation] {
        if (!served || !isCurrent(generation) || verdict != ProbeVerdict::Pending)
            return;
        served = 0;
        host = nullptr;
        probeLine.clear();
        probePages = -1;
        probeSizes.clear();
        probeReport.clear();
        startOwnProbe(generation);
    });
    served = running->open(PdfDocument::preferredEngine(), path);
    if (!served) {
        running->disconnect(this);
        host = nullptr;
        startOwnProbe(generation);
    }
}

void DocumentController::startOwnProbe(Generation::Value generation)
{
    probe = new QProcess(this);
    probe->setProgram(programToProbe());
    probe->setArguments(
        {QStringLiteral("--engine"), engineName(PdfDocument::preferredEngine()), path});
    probe->setStandardInputFile(QProcess::nullDevice());
    probe->setStandardErrorFile(QProcess::nullDevice());
    connect(probe, &QProcess::finished, this,
            [this, generation](int exitCode, QProcess::ExitStatus exitStatus) {
                readProbeOutput();
                if (!probeLine.isEmpty()) // a last line without its line feed
                    takeProbeLine(std::exchange(probeLine, {}));
                probeEnded(generation, exitStatus == QProcess::NormalExit && exitCode == 0);
            });
    // Queued: a program that cannot start may be reported inside start(), and openFile must not
    // announce the failure before it returns.
    connect(
        probe, &QProcess::errorOccurred, this,
        [this, generation](QProcess::ProcessError e) {
            if (e == QProcess::FailedToStart)
                probeEnded(generation, false);
        },
        Qt::QueuedConnection);
    connect(probe, &QProcess::readyReadStandardOutput, this, [this] {
        if (readProbeOutput())
            probeTimer->start();
    });
    probe->start();
}

void DocumentController::stopProbe()
{
    probeTimer->stop();
    if (served) {
        if (host) {
            host->disconnect(this);
            host->stop(served);
        }
        served = 0;
        host = nullptr;
    }
    if (!probe)
        return;
    QProcess* process = probe;
    probe = nullptr;
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        // A killed process ends at once; reaping it here leaves no zombie behind.
        process->kill();
        process->waitForFinished(1000);
    }
    // Possibly called from one of its own signals: not deleted on the spot.
    process->deleteLater();
}

void DocumentController::probeEnded(Generation::Value generation, bool cleanExit)
{
    if (!isCurrent(generation) || !probeRunning() || verdict != ProbeVerdict::Pending)
        return;
    timings.probeMs = probeClock.elapsed();
    probeTimer->stop();

    // Crash, another exit code, no start or no report: the file is never parsed here.
    verdict = ProbeVerdict::Fail;
    probeError = OpenOutcome::InvalidFile;
    if (cleanExit) {
        const QList<QByteArray> words = probeReport.split(' ');
        bool ok = false;
        if (words.size() == 2 && words.at(0) == "pages") {
            // A document without pages cannot be shown: it fails like a damaged file.
            if (words.at(1).toInt(&ok) > 0 && ok)
                verdict = ProbeVerdict::Open;
            // Sizes that do not match the report are not used; the load reads its own.
            if (probeSizes.size() != words.at(1).toInt() || probePages != probeSizes.size())
                probeSizes.clear();
        } else if (words.size() == 1 && words.at(0) == "password") {
            verdict = ProbeVerdict::Open; // the password protocol runs in this process
        } else if (words.size() == 2 && words.at(0) == "error") {
            // A number this build does not know stays a failure of unknown cause.
            const int e = words.at(1).toInt(&ok);
            if (ok && e != int(OpenOutcome::Opened))
                probeError = QMetaEnum::fromType<OpenOutcome>().valueToKey(e)
                                 ? OpenOutcome(e)
                                 : OpenOutcome::Unknown;
        }
    }
    if (served) {
        // The child is gone already: nothing to stop.
        if (host)
            host->disconnect(this);
        served = 0;
        host = nullptr;
    }
    stopProbe();
    continueLoad();
}

bool DocumentController::readProbeOutput()
{
    if (!probe)
        return false;
    const QByteArray chunk = probe->readAllStandardOutput();
    bool progress = false;
    qsizetype from = 0;
    for (qsizetype end = chunk.indexOf('\n'); end >= 0; end = chunk.indexOf('\n', from)) {
        const QByteArray line = probeLine + chunk.mid(from, end - from);
        probeLine.clear();
        from = end + 1;
        progress = takeProbeLine(line) || progress;
    }
    probeLine += chunk.mid(from);
    return progress;
}

bool DocumentController::takeProbeLine(const QByteArray& text)
{
    const QByteArray line = text.trimmed();
    const QList<QByteArray> words = line.split(' ');
    bool okWidth = false;
    bool okHeight = false;
    if (words.size() == 3 && words.at(0) == "size" && probePages > probeSizes.size()) {
        const QSizeF size(words.at(1).toDouble(&okWidth), words.at(2).toDouble(&okHeight));
        if (okWidth && okHeight) {
            probeSizes.append(size);
            ++probeProgress;
            return true;
        }
    } else if (words.size() == 2 && words.at(0) == "engine") {
        EngineKind kind = EngineKind::MuPdf;
        if (engineFromName(QString::fromLatin1(words.at(1)), &kind))
            probeEngine = kind;
        ++probeProgress;
        return true;
    } else if (words.size() == 2 && words.at(0) == "loaded" && probePages < 0) {
        probePages = std::max(words.at(1).toInt(), 0);
        // The count is the file's claim: no more is reserved than a large real document needs.
        probeSizes.reserve(std::min(probePages, 1 << 17));
        ++probeProgress;
        return true;
    }
    probeReport = line; // only the last such line counts
    return false;
}

void DocumentController::probeTimedOut(Generation::Value generation)
{
    if (!isCurrent(generation) || !probeRunning() || verdict != ProbeVerdict::Pending)
        return;
    // Output may sit in the pipe while this thread was busy: it counts as progress.
    const int seen = probeProgress;
    if (probe) {
        probe->waitForReadyRead(0);
        readProbeOutput();
    } else if (host) {
        host->readPending();
    }
    if (!probeRunning() || verdict != ProbeVerdict::Pending)
        return; // it finished meanwhile
    if (probeProgress != seen) {
        probeTimer->start();
        return;
    }
    timings.probeMs = probeClock.elapsed();
    verdict = ProbeVerdict::Fail;
    probeError = OpenOutcome::TimedOut;
    stopProbe();
    continueLoad();
}

void DocumentController::hashed(const QString& digest, qint64 ms)
{
    timings.hashMs = ms;
    hashKnown = true;
    pendingHash = digest;
    continueLoad();
}

void DocumentController::continueLoad()
{
    if (loadConcluded)
        return;
    if (verdict == ProbeVerdict::Fail) {
        // No need to wait for the hash of a file that will not open.
        loadConcluded = true;
        fail(probeError);
        return;
    }
    if (verdict == ProbeVerdict::Pending || !hashKnown)
        return;
    loadConcluded = true;
    postLoadJob();
}

void DocumentController::postLoadJob()
{
    if (!pdfWorker)
        return;
    PdfWorker* worker = pdfWorker; // a job runs only while its worker exists
    const Generation::Ticket ticket = loadGeneration.ticket();
    const QList<QSizeF> known = std::exchange(probeSizes, {});
    // The engine the probe opened the file with; without the probe, the preferred one (which
    // falls back to Qt PDF for a file MuPDF refuses).
    const EngineKind engine = probeEngine;
    const bool fallback = !probeEnabled;
    pdfWorker->post(JobPriority::Opening, this, ticket,
                    [worker, ticket, filePath = path, digest = pendingHash, known, engine,
                     fallback]() -> Reply<DocumentController> {
                        QElapsedTimer clock;
                        clock.start();
                        OpenResult opened = PdfDocument::open(filePath, {}, engine, fallback);
                        if (!ticket.isCurrent())
                            return {};
                        if (opened.outcome == OpenOutcome::PasswordRequired) {
                            const qint64 ms = clock.elapsed();
                            return [digest, ms](DocumentController& self) {
                                self.timings.loadMs = ms;
                                self.hash = digest;
                                self.setStatus(DocumentStatus::PasswordRequired);
                                Q_EMIT self.passwordRequired(false);
                            };
                        }
                        if (opened.outcome != OpenOutcome::Opened)
                            return [error = opened.outcome](DocumentController& self) {
                                self.fail(error);
                            };
                        const DocumentHandle document = worker->share(std::move(opened.document));
                        // The probe read the same file with the same engine; a file changed since
                        // then may differ.
                        const QList<QSizeF> list =
                            known.size() == document->pageCount() ? known : document->pageSizes();
                        const QStringList labels = distinctPageLabels(document->pageLabels());
                        const qint64 ms = clock.elapsed();
                        return [document, digest, list, labels, ms](DocumentController& self) {
                            self.timings.loadMs = ms;
                            if (list.isEmpty()) {
                                self.fail(OpenOutcome::InvalidFile);
                                return;
                            }
                            self.hash = digest;
                            self.sizes = list;
                            self.labels = labels;
                            self.adopt(document);
                        };
                    });
}

void DocumentController::fail(OpenOutcome failure)
{
    setStatus(DocumentStatus::Failed, failure);
}

void DocumentController::submitPassword(const QString& password)
{
    if (currentStatus != DocumentStatus::PasswordRequired || !pdfWorker)
        return;
    setStatus(DocumentStatus::Loading);
    PdfWorker* worker = pdfWorker;
    pdfWorker->post(
        JobPriority::Opening, this, loadGeneration.ticket(),
        [worker, ticket = loadGeneration.ticket(), filePath = path, engine = probeEngine,
         password]() -> Reply<DocumentController> {
            OpenResult opened = PdfDocument::open(filePath, password.toUtf8(), engine, true);
            if (!ticket.isCurrent())
                return {};
            if (opened.outcome == OpenOutcome::PasswordRequired) {
                return [](DocumentController& self) {
                    self.setStatus(DocumentStatus::PasswordRequired);
                    Q_EMIT self.passwordRequired(true);
                };
            }
            if (opened.outcome != OpenOutcome::Opened) {
                return [error = opened.outcome](DocumentController& self) { self.fail(error); };
            }
            const DocumentHandle document = worker->share(std::move(opened.document));
            const QList<QSizeF> list = document->pageSizes();
            const QStringList labels = distinctPageLabels(document->pageLabels());
            return [document, list, labels](DocumentController& self) {
                if (list.isEmpty()) {
                    self.fail(OpenOutcome::InvalidFile);
                    return;
                }
                self.sizes = list;
                self.labels = labels;
                self.adopt(document);
            };
        });
}

void DocumentController::closeDocument()
{
    // Released on the worker once the last job that captured it is done.
    doc.reset();
    const QStringList watched = watcher->files() + watcher->directories();
    if (!watched.isEmpty())
        watcher->removePaths(watched);
}

void DocumentController::setStatus(DocumentStatus status, OpenOutcome failure)
{
    // A failure is announced every time: a reload fails again with its own outcome.
    if (status == currentStatus && status != DocumentStatus::Failed)
        return;
    currentStatus = status;
    Q_EMIT statusChanged(status, failure);
}

void DocumentController::adopt(DocumentHandle document)
{
    doc = std::move(document);
    setStatus(DocumentStatus::Ready);
    if (!path.isEmpty())
        watcher->addPath(path);
    Q_EMIT documentReady();
}

void DocumentController::fileChanged(const QString& changedPath)
{
    if (changedPath != path || currentStatus != DocumentStatus::Ready)
        return;
    // Watch whatever file now has the name. An editor that saves by rename-and-replace leaves
    // the watch on the old file, which stays alive as long as the open document holds it, so
    // the path is renewed on every notification, not only when the watcher dropped it.
    watcher->removePath(path);
    // A path lent for raw bytes holds the old file open: it follows the name first.
    const bool named = !raw || raw->follow();
    if (!named || !watcher->addPath(path)) {
        // Gone for the moment (deleted before being written anew): wait for it to reappear.
        const QString directory = raw ? raw->folderPath() : QFileInfo(path).absolutePath();
        if (!watcher->directories().contains(directory))
            watcher->addPath(directory);
    }
    postHashCheck();
}

void DocumentController::directoryChanged(const QString& directory)
{
    if (currentStatus != DocumentStatus::Ready || watcher->files().contains(path))
        return;
    if ((raw && !raw->follow()) || !QFileInfo(path).isFile())
        return;
    if (!watcher->addPath(path))
        return;
    watcher->removePath(directory);
    postHashCheck();
}

void DocumentController::postHashCheck()
{
    if (!pdfWorker)
        return;
    pdfWorker->post(JobPriority::Document, this, loadGeneration.ticket(),
                    [filePath = path, opened = hash]() -> Reply<DocumentController> {
                        const QString digest = hashFile(filePath);
                        if (digest.isEmpty() || digest == opened)
                            return {};
                        return [](DocumentController& self) {
                            if (self.currentStatus == DocumentStatus::Ready)
                                Q_EMIT self.sourceFileModified();
                        };
                    });
}

bool waitForLoad(DocumentController& controller, int timeoutMs)
{
    if (controller.status() != DocumentStatus::Loading)
        return controller.status() == DocumentStatus::Ready;
    QEventLoop loop;
    QObject::connect(
        &controller, &DocumentController::statusChanged, &loop, [&loop](DocumentStatus status) {
            if (status == DocumentStatus::Failed || status == DocumentStatus::PasswordRequired)
                loop.quit();
        });
    QObject::connect(&controller, &DocumentController::documentReady, &loop, &QEventLoop::quit);
    if (timeoutMs >= 0)
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return controller.status() == DocumentStatus::Ready;
}

bool openAndWait(DocumentController& controller, const QString& path, int timeoutMs)
{
    controller.openFile(path);
    return waitForLoad(controller, timeoutMs);
}

} // namespace dovrix
