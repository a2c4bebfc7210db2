// dovrix-bench print: a print job of a whole document as the window makes it (the copy with 30
// annotations of every kind written to a temporary file), handed to the print server when
// --printer names a queue (CUPS_SERVER chooses the server). Reports the time until the job is
// handed over, its size against the source's and the resident memory before, right after and
// once settled (within 10 s). --out keeps the job's file.

#include "bench/Bench.h"
#include "tests/support/TestWait.h"

#include "annotations/AnnotatedCopy.h"
#include "app/CupsPrinting.h"
#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "engine/PdfCopy.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QUuid>

#include <malloc.h>

namespace {

int fail(const QString& message)
{
    return dovrix::bench::fail("print", message);
}

double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("VmRSS:"))
            return qRound(line.mid(6).trimmed().split(' ').first().toDouble() / 1024 * 10) / 10.0;
    }
    return -1;
}

int run(const QStringList& args)
{
    const QStringList files =
        dovrix::bench::positional(args, {QStringLiteral("--out"), QStringLiteral("--printer")});
    if (files.size() != 1)
        return fail(QStringLiteral("expected one PDF file"));
    const QString file = files.first();
    const QString printer = dovrix::bench::option(args, QStringLiteral("--printer"));
    const QString kept = dovrix::bench::option(args, QStringLiteral("--out"));

    dovrix::PdfWorker worker;
    dovrix::DocumentController controller(&worker);
    if (!dovrix::test::openAndWait(controller, file))
        return fail(QStringLiteral("cannot open the file"));
    QList<dovrix::Annotation> annotations;
    for (int i = 0; i < 30; ++i) {
        dovrix::Annotation a;
        a.id = QStringLiteral("bench-%1").arg(i);
        a.type = dovrix::AnnotationType(i % dovrix::AnnotationTypeCount);
        a.page = i * controller.pageCount() / 30;
        a.rect = QRectF(72, 144 + 4 * i, 200, 14);
        a.text = QStringLiteral("A note of a few words, number %1").arg(i + 1);
        annotations.append(a);
    }
    const double before = residentMiB();

    dovrix::CopyRequest request;
    request.sourcePath = file;
    request.targetPath =
        kept.isEmpty() ? QDir::temp().filePath(
            QStringLiteral("dovrix-print-%1.pdf").arg(QUuid::createUuid().toString(QUuid::Id128)))
                       : kept;
    request.marks = dovrix::copyMarks(annotations, nullptr);
    QElapsedTimer timer;
    timer.start();
    const dovrix::CopyOutcome outcome = dovrix::writePdfCopy(request);
    if (outcome.result != dovrix::CopyOutcome::Result::Written)
        return fail(QStringLiteral("the job was not written: %1").arg(outcome.detail));
    const double writtenMs = dovrix::bench::elapsedMs(timer);
    bool handed = false;
    if (!printer.isEmpty()) {
        dovrix::PrintChoices choices;
        choices.printer = printer;
        choices.title = QFileInfo(file).fileName();
        const dovrix::PrintHandOver handOver =
            dovrix::handToPrintServer(request.targetPath, choices);
        if (!handOver.ok)
            return fail(QStringLiteral("the server did not take the job: %1").arg(handOver.error));
        handed = true;
    }
    const double handedMs = dovrix::bench::elapsedMs(timer);
    if (kept.isEmpty())
        QFile::remove(request.targetPath);
    const double after = residentMiB();
    // Settled: what the process gives back within 10 s (freed memory returned to the system).
    QElapsedTimer settling;
    settling.start();
    double settled = after;
    while (settling.elapsed() < 10000 && settled > before + 1) {
        malloc_trim(0);
        QThread::msleep(200);
        settled = residentMiB();
    }
    dovrix::bench::printJson({{"pages", controller.pageCount()},
                              {"annotations", int(annotations.size())},
                              {"writtenMs", qRound(writtenMs * 10) / 10.0},
                              {"handedOver", handed},
                              {"handOverMs", qRound(handedMs * 10) / 10.0},
                              {"jobBytes", outcome.bytes},
                              {"sourceBytes", QFileInfo(file).size()},
                              {"rssBeforeMiB", before},
                              {"rssAfterMiB", after},
                              {"rssSettledMiB", settled},
                              {"settledMs", settling.elapsed()}});
    return 0;
}

dovrix::bench::Registration reg("print", "print FILE [--printer QUEUE] [--out JOB.pdf]", run);

} // namespace
