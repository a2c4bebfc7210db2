#pragma once

#include "core/DocumentStatus.h"
#include "core/Generation.h"
#include "core/PdfWorker.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

class QFileSystemWatcher;
class QProcess;
class QTimer;

namespace dovrix {

class ProbeHost;
class RawFilePath;

// SHA-256 of a file's contents as 64 lower-case hex characters; empty when it is not a regular
// file or cannot be read to the end. Runs on the worker thread during loads.
QString hashFile(const QString& path);

// Opens one PDF for one document session: hashes and loads it on the worker, runs the password
// protocol, and watches the file for real content changes. Never writes the file.
//
// Before the file is parsed in this process, a short-lived child process (dovrix-probe) opens it
// with the same engine while the worker hashes it; a file that makes the engine crash fails there,
// and only there, as an invalid file. The probe reports the pages it has read as
// it goes and hands back their sizes, so the load here does not read them again; a probe that
// makes no progress for ProbeTimeoutMs is stopped and the file fails as one that took too long.
// The child is forked by the waiting probe host when prepareProbe() started one (the program does
// at start-up), else it is a process of its own.
class DocumentController : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(DocumentController)

public:
    // How long the probe may go without reporting progress before the load fails.
    static constexpr int ProbeTimeoutMs = 8000;

    // Durations of the last load, in milliseconds; -1 where a stage did not run.
    struct LoadTimings
    {
        qint64 hashMs = -1;  // hashFile on the worker
        qint64 probeMs = -1; // start of the probe process to its report
        qint64 loadMs = -1;  // opening the document and its page sizes on the worker
    };

    explicit DocumentController(PdfWorker* worker, QObject* parent = nullptr);
    ~DocumentController() override;

    void openFile(const QString& path);
    // Opens a file by the raw bytes of its path (see RawFilePath): filePath() is then the
    // spellable path that leads to it, and displayName() its decoded name.
    void openRawFile(const QByteArray& rawPath);
    void reload();
    void submitPassword(const QString& password);

    DocumentStatus status() const { return currentStatus; }
    QString filePath() const { return path; }
    // The file name to show.
    QString displayName() const;
    // The file opened by raw bytes; null for one opened by filePath().
    const RawFilePath* rawFile() const { return raw.get(); }
    QString sourceHash() const { return hash; }
    // Held by the controller; only valid in Ready. Use it only from jobs posted to the worker; a
    // job captures sharedDocument(), which keeps the document until the job is done.
    PdfDocument* document() const { return doc.get(); }
    DocumentHandle sharedDocument() const { return doc; }
    // Stale once another load starts or the controller goes: for jobs about this document.
    Generation::Ticket documentTicket() const { return loadGeneration.ticket(); }
    const QList<QSizeF>& pageSizes() const { return sizes; }
    int pageCount() const { return int(sizes.size()); }
    // The document's own page labels, read with the page sizes (see distinctPageLabels).
    const QStringList& pageLabels() const { return labels; }
    PdfWorker* worker() const { return pdfWorker; }
    LoadTimings loadTimings() const { return timings; }

    // The installed probe executable: dovrix-probe in the companion folders (core/ProgramFiles.h),
    // else in the running executable's parent directory.
    static QString probeProgram();
    // Starts the probe host of a program (empty: probeProgram()) ahead of need (see ProbeHost).
    static void prepareProbe(const QString& program = {});
    // The probe executable of this controller's loads started afterwards; empty restores
    // probeProgram().
    void setProbeProgram(const QString& program);
    // Measurements only: without the probe, files are parsed in this process unchecked.
    void setProbeEnabled(bool enabled);
    // The limit of time without progress, for loads started afterwards; 0 restores ProbeTimeoutMs.
    void setProbeTimeout(int ms);

Q_SIGNALS:
    // failure is why a Failed load failed (TimedOut: the probe made no progress in time), and
    // Opened with every other status.
    void statusChanged(dovrix::DocumentStatus status, dovrix::OpenOutcome failure);
    void documentReady();
    void passwordRequired(bool wrongPrevious);
    void sourceFileModified();

private:
    // What the probe said about the file of the current load.
    enum class ProbeVerdict { Pending, Open, Fail };

    void startLoad();
    void closeDocument();
    void setStatus(DocumentStatus status, OpenOutcome failure = OpenOutcome::Opened);
    void adopt(DocumentHandle document);
    bool isCurrent(Generation::Value generation) const
    {
        return loadGeneration.isCurrent(generation);
    }

    QString programToProbe() const;
    void startProbe(Generation::Value generation);
    void startOwnProbe(Generation::Value generation);
    void startServedProbe(Generation::Value generation, ProbeHost* host);
    bool probeRunning() const { return probe || served; }
    void stopProbe();
    void probeEnded(Generation::Value generation, bool cleanExit);
    void probeTimedOut(Generation::Value generation);
    // Takes the complete output lines of the probe's own process; true when they showed progress.
    bool readProbeOutput();
    // Takes one line of the probe; true when it showed progress.
    bool takeProbeLine(const QByteArray& line);
    void hashed(const QString& digest, qint64 ms);
    void continueLoad();
    void postLoadJob();
    void fail(OpenOutcome failure);

    void fileChanged(const QString& changedPath);
    void directoryChanged(const QString& directory);
    void postHashCheck();

    QPointer<PdfWorker> pdfWorker; // not owned; guarded because it may die before the controller
    DocumentHandle doc;
    QFileSystemWatcher* watcher;
    DocumentStatus currentStatus = DocumentStatus::Idle;
    QString path;
    std::unique_ptr<RawFilePath> raw; // holds path open when it was given as raw bytes
    QString hash;
    QList<QSizeF> sizes;
    QStringList labels;
    // Moved on by every load and by the destructor, which makes every waiting job stale.
    Generation loadGeneration;

    // State of the load in progress (GUI thread only).
    QString probeProgramOverride; // empty: probeProgram()
    bool probeEnabled = true;
    int probeTimeoutMs = ProbeTimeoutMs;
    QProcess* probe = nullptr; // child; killed when superseded
    QPointer<ProbeHost> host;  // the host of the served probe
    quint64 served = 0;        // the served probe's id; 0 when none
    QTimer* probeTimer;        // child; single shot, restarted by every progress report
    QElapsedTimer probeClock;
    ProbeVerdict verdict = ProbeVerdict::Pending;
    OpenOutcome probeError = OpenOutcome::Opened;
    QByteArray probeLine;                       // an incomplete last line of the probe's output
    int probeProgress = 0;                      // progress lines taken, ever
    int probePages = -1;                        // from "loaded N"; -1 before
    QList<QSizeF> probeSizes;                   // page sizes the probe read, in page order
    QByteArray probeReport;                     // the final line ("pages N", "password", "error E")
    EngineKind probeEngine = EngineKind::MuPdf; // the engine the probe opened the file with
    bool hashKnown = false;
    bool loadConcluded = true; // the load job was posted or the load failed
    QString pendingHash;
    LoadTimings timings;
};

// For tools without a window (the bench, the self-test, tests): runs a local event loop until the
// load in progress has made the document ready, failed or asked for a password, or until timeoutMs
// has passed (-1: no limit). True when the document is ready.
bool waitForLoad(DocumentController& controller, int timeoutMs = -1);
// Opens path and waits as waitForLoad does.
bool openAndWait(DocumentController& controller, const QString& path, int timeoutMs = -1);

} // namespace dovrix
