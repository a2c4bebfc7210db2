// dovrix-probe [--engine mupdf|qtpdf] FILE
//
// Opens an untrusted PDF with the engine the program will show it with (the one named, falling
// back to Qt PDF for a file MuPDF refuses), in a short-lived process of its own, so that a file
// that hangs or crashes the engine takes only this process down. Prints lines on standard output
// and exits with 0:
//   engine NAME  the engine that opened the file (before "loaded")
//   loaded N     progress: the file parsed, N pages
//   size W H     progress: the size in points of the next page, in page order
//   pages N      the file opened; N pages, every page size was read (the last line)
//   password     the file is encrypted and needs a password (the only line)
//   error E      OpenOutcome value E (the only line)
// Anything else (a crash, a kill, another exit code, no final line) means the file must not be
// opened. Progress lines are flushed at least every ProgressFlushMs while pages are read, so that
// the program can tell a large file from a stuck one.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include "engine/PdfDocument.h"

#include <cstdio>

#if defined(Q_OS_UNIX)
#include <sys/resource.h>
#include <unistd.h>
#endif
#if defined(Q_OS_LINUX)
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {

// Backstop in case the parent cannot kill us (it gives up far earlier): wall-clock seconds without
// progress.
constexpr unsigned SelfLimitSeconds = 30;
constexpr qint64 ProgressFlushMs = 100;

void restartSelfLimit()
{
#if defined(Q_OS_UNIX)
    alarm(SelfLimitSeconds);
#endif
}

void limitSelf()
{
#if defined(Q_OS_UNIX)
    // A crash must not leave a core file next to the user's documents.
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
#endif
    restartSelfLimit();
#if defined(Q_OS_LINUX)
    // Die with the program instead of spinning on alone.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() == 1)
        _exit(3);
#endif
}

int report(const char* line)
{
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    limitSelf();
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    dovrix::EngineKind engine = dovrix::EngineKind::MuPdf;
    if (args.size() == 4 && args.at(1) == QLatin1String("--engine")) {
        if (!dovrix::engineFromName(args.at(2), &engine)) {
            std::fputs("unknown engine\n", stderr);
            return 2;
        }
        args.remove(1, 2);
    }
    if (args.size() != 2) {
        std::fputs("usage: dovrix-probe [--engine mupdf|qtpdf] FILE\n", stderr);
        return 2;
    }

    dovrix::OpenResult opened = dovrix::PdfDocument::open(args.at(1), {}, engine);
    if (opened.outcome == dovrix::OpenOutcome::PasswordRequired)
        return report("password");
    if (opened.outcome != dovrix::OpenOutcome::Opened)
        return report(QByteArray("error " + QByteArray::number(int(opened.outcome))).constData());
    dovrix::PdfDocument& document = *opened.document;

    // Every page size, handed to the program so that it need not read them again.
    const int pages = document.pageCount();
    report(QByteArray("engine " + dovrix::engineName(document.engine()).toLatin1()).constData());
    report(QByteArray("loaded " + QByteArray::number(pages)).constData());
    restartSelfLimit();
    QElapsedTimer sinceFlush;
    sinceFlush.start();
    for (int i = 0; i < pages; ++i) {
        const QSizeF size = document.pageGeometry(i).size;
        // QByteArray::number ignores the C locale, which QCoreApplication set from the environment.
        const QByteArray line = "size " + QByteArray::number(size.width(), 'g', 17) + ' '
                                + QByteArray::number(size.height(), 'g', 17) + '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        if (sinceFlush.elapsed() >= ProgressFlushMs) {
            std::fflush(stdout);
            restartSelfLimit();
            sinceFlush.restart();
        }
    }
    return report(QByteArray("pages " + QByteArray::number(pages)).constData());
}
