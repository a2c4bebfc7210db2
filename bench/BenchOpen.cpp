#include "bench/Bench.h"
#include "core/DocumentController.h"
#include "core/PdfWorker.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonObject>
#include <QMetaEnum>
#include <QTextStream>

namespace {

template <typename Enum> QString enumKey(Enum value)
{
    return QString::fromLatin1(QMetaEnum::fromType<Enum>().valueToKey(int(value)));
}

using dovrix::DocumentController;

struct OpenRun
{
    dovrix::DocumentStatus status = dovrix::DocumentStatus::Idle;
    dovrix::OpenOutcome failure = dovrix::OpenOutcome::Opened;
    QString hash;
    int pages = 0;
    DocumentController::LoadTimings timings;
    double openMs = 0;
};

// One open through the real controller and worker, until the status leaves Loading.
OpenRun openOnce(dovrix::PdfWorker* worker, const QString& path, bool probe)
{
    OpenRun run;
    DocumentController controller(worker);
    controller.setProbeEnabled(probe);
    QEventLoop loop;
    QObject::connect(&controller, &DocumentController::statusChanged, &loop,
                     [&](dovrix::DocumentStatus status, dovrix::OpenOutcome failure) {
                         run.failure = failure;
                         if (status != dovrix::DocumentStatus::Loading)
                             loop.quit();
                     });
    QElapsedTimer clock;
    clock.start();
    controller.openFile(path);
    if (controller.status() == dovrix::DocumentStatus::Loading)
        loop.exec();
    run.openMs = double(clock.nsecsElapsed()) / 1e6;
    run.status = controller.status();
    run.hash = controller.sourceHash();
    run.pages = controller.pageCount();
    run.timings = controller.loadTimings();
    return run;
}

int openCommand(const QStringList& args)
{
    const QStringList files = dovrix::bench::positional(args, {QStringLiteral("--repeat")});
    bool ok = false;
    const int repeat =
        dovrix::bench::option(args, QStringLiteral("--repeat"), QStringLiteral("1")).toInt(&ok);
    if (files.size() != 1 || !ok || repeat < 1) {
        QTextStream(stderr)
            << "usage: dovrix-bench open FILE [--repeat K] [--no-probe|--own-probe]\n";
        return 2;
    }
    const bool probe = !dovrix::bench::hasFlag(args, QStringLiteral("--no-probe"));
    // As in the program, the probe host waits ready before the first file.
    if (probe && !dovrix::bench::hasFlag(args, QStringLiteral("--own-probe")))
        DocumentController::prepareProbe();

    dovrix::PdfWorker worker;
    QList<double> hashMs, loadMs, probeMs, openMs;
    OpenRun run;
    for (int i = 0; i < repeat; ++i) {
        run = openOnce(&worker, files.first(), probe);
        worker.waitForIdle(); // the released document is gone before the next run
        hashMs << double(run.timings.hashMs);
        loadMs << double(run.timings.loadMs);
        probeMs << double(run.timings.probeMs);
        openMs << run.openMs;
    }
    QJsonObject result{
        {QStringLiteral("pages"), run.pages},
        {QStringLiteral("hash"), run.hash},
        {QStringLiteral("hash_ms"), dovrix::bench::median(hashMs)},
        {QStringLiteral("load_ms"), dovrix::bench::median(loadMs)},
        {QStringLiteral("probe_ms"), dovrix::bench::median(probeMs)},
        {QStringLiteral("open_ms"), dovrix::bench::median(openMs)},
        {QStringLiteral("status"), enumKey(run.status)},
        {QStringLiteral("failure"), enumKey(run.failure)},
    };
    if (repeat > 1)
        result.insert(QStringLiteral("repeat"), repeat);
    dovrix::bench::printJson(result);
    return 0;
}

dovrix::bench::Registration reg("open", "open FILE [--repeat K] [--no-probe|--own-probe]",
                                openCommand);

} // namespace
