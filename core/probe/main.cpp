// dovrix-probe [--engine mupdf|qtpdf] FILE
// dovrix-probe --serve
//
// Opens an untrusted PDF with the engine the program will show it with (the one named, falling
// back to Qt PDF for a file MuPDF refuses), in a short-lived process of its own, so that a file
// that hangs or crashes the engine takes only this process down. Prints lines on standard output
// and exits with 0:
//   engine NAME  the engine that opened the file (before "loaded")
//   loaded N     progress: the file parsed, N pages
//   size W H     progress: the size in points of the next page, in page order
//   pages N      the file opened; N pages, every page size was read, the document was closed
//                again (the last line)
//   password     the file is encrypted and needs a password (the only line)
//   error E      OpenOutcome value E (the only line)
// Anything else (a crash, a kill, another exit code, no final line) means the file must not be
// opened. Each stage is reported as soon as it is done, so that the program can tell a large file
// from a stuck one.
//
// With --serve it waits instead, started by the program ahead of need, and forks one child per
// file, so that starting a process and loading the engine are not paid while the user waits.
// Requests, one per line on standard input:
//   open ID ENGINE HEXPATH  probe the file whose path bytes are HEXPATH (hexadecimal) in a child
//   stop ID                 kill that child
// Each line of a child is written as "ID LINE"; when the child has ended, the host writes
// "ID exit CODE" or "ID signal NUMBER". The host ends when its standard input does.

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include "engine/PdfDocument.h"

#include <cstdio>
#include <map>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#if defined(Q_OS_LINUX)
#include <sys/prctl.h>
#endif

namespace {

// Backstop in case the parent cannot kill us (it gives up far earlier): wall-clock seconds without
// progress.
constexpr unsigned SelfLimitSeconds = 30;
// Writes to a pipe of at most this many bytes are never interleaved with other writers'.
constexpr qsizetype AtomicWriteBytes = 4096;

void restartSelfLimit()
{
#if defined(Q_OS_UNIX)
    alarm(SelfLimitSeconds);
#endif
}

void noCoreFiles()
{
#if defined(Q_OS_UNIX)
    // A crash must not leave a core file next to the user's documents.
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
#endif
}

// Dies with the process that started it instead of spinning on alone.
void dieWithParent()
{
#if defined(Q_OS_LINUX)
    const pid_t parent = getppid();
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
        _exit(3);
#endif
}

// The lines of one probe, each prefixed with the request's id when served; written whole lines
// at a time, so that children of one host never mix their lines.
class Report
{
public:
    explicit Report(QByteArray prefix) : prefix(std::move(prefix)) {}

    void line(const QByteArray& text)
    {
        if (pending.size() + prefix.size() + text.size() + 1 > AtomicWriteBytes)
            flush();
        pending += prefix + text + '\n';
    }

    void flush()
    {
        const char* data = pending.constData();
        qsizetype left = pending.size();
        while (left > 0) {
#if defined(Q_OS_UNIX)
            const ssize_t n = ::write(STDOUT_FILENO, data, size_t(left));
            if (n < 0 && errno == EINTR)
                continue;
#else
            const qsizetype n = qsizetype(std::fwrite(data, 1, size_t(left), stdout));
            std::fflush(stdout);
#endif
            if (n <= 0)
                break;
            data += n;
            left -= n;
        }
        pending.clear();
    }

    // The final line.
    int last(const QByteArray& text)
    {
        line(text);
        flush();
        return 0;
    }

private:
    const QByteArray prefix;
    QByteArray pending;
};

int probe(const QString& path, dovrix::EngineKind engine, Report& out)
{
    restartSelfLimit();
    QByteArray summary;
    {
        dovrix::OpenResult opened = dovrix::PdfDocument::open(path, {}, engine);
        if (opened.outcome == dovrix::OpenOutcome::PasswordRequired)
            return out.last("password");
        if (opened.outcome != dovrix::OpenOutcome::Opened)
            return out.last("error " + QByteArray::number(int(opened.outcome)));
        dovrix::PdfDocument& document = *opened.document;

        // Every page size, handed to the program so that it need not read them again.
        const int pages = document.pageCount();
        out.line("engine " + dovrix::engineName(document.engine()).toLatin1());
        out.line("loaded " + QByteArray::number(pages));
        out.flush();
        restartSelfLimit();
        const QList<QSizeF> sizes = document.pageSizes();
        for (const QSizeF& size : sizes) {
            // QByteArray::number ignores the C locale, which QCoreApplication set from the
            // environment.
            out.line("size " + QByteArray::number(size.width(), 'g', 17) + ' '
                     + QByteArray::number(size.height(), 'g', 17));
        }
        summary = "pages " + QByteArray::number(pages);
    } // the program closes the document too: that must not fail either
    return out.last(summary);
}

#if defined(Q_OS_UNIX)

int childEnds[2] = {-1, -1}; // written by the SIGCHLD handler, read by the host's loop

void childEnded(int)
{
    const int saved = errno;
    const char byte = 0;
    [[maybe_unused]] const ssize_t n = ::write(childEnds[1], &byte, 1);
    errno = saved;
}

void writeLine(const QByteArray& line)
{
    Report(QByteArray()).last(line);
}

// One request of the program.
void handle(const QByteArray& request, std::map<pid_t, QByteArray>& children)
{
    const QList<QByteArray> words = request.split(' ');
    if (words.size() == 4 && words.at(0) == "open") {
        dovrix::EngineKind engine = dovrix::EngineKind::MuPdf;
        const QString path = QFile::decodeName(QByteArray::fromHex(words.at(3)));
        if (!dovrix::engineFromName(QString::fromLatin1(words.at(2)), &engine) || path.isEmpty()) {
            writeLine(words.at(1) + " exit 2");
            return;
        }
        const pid_t child = fork();
        if (child == 0) {
            ::close(childEnds[0]);
            ::close(childEnds[1]);
            ::close(STDIN_FILENO);
            signal(SIGCHLD, SIG_DFL);
            dieWithParent();
            Report out(words.at(1) + ' ');
            _exit(probe(path, engine, out));
        }
        if (child < 0)
            writeLine(words.at(1) + " exit 2");
        else
            children.emplace(child, words.at(1));
    } else if (words.size() == 2 && words.at(0) == "stop") {
        for (const auto& [pid, id] : children) {
            if (id == words.at(1))
                ::kill(pid, SIGKILL);
        }
    }
}

void reap(std::map<pid_t, QByteArray>& children)
{
    for (;;) {
        int status = 0;
        const pid_t pid = waitpid(-1, &status, WNOHANG);
        if (pid <= 0)
            return;
        const auto found = children.find(pid);
        if (found == children.end())
            continue;
        if (WIFSIGNALED(status))
            writeLine(found->second + " signal " + QByteArray::number(WTERMSIG(status)));
        else
            writeLine(found->second + " exit " + QByteArray::number(WEXITSTATUS(status)));
        children.erase(found);
    }
}

int serve()
{
    if (pipe2(childEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return 2;
    struct sigaction action = {};
    action.sa_handler = childEnded;
    action.sa_flags = SA_RESTART | SA_NOCLDSTOP;
    sigemptyset(&action.sa_mask);
    sigaction(SIGCHLD, &action, nullptr);

    std::map<pid_t, QByteArray> children;
    QByteArray input;
    for (;;) {
        pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {childEnds[0], POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents & POLLIN) {
            char drain[64];
            while (::read(childEnds[0], drain, sizeof drain) > 0) {
            }
            reap(children);
        }
        if (fds[0].revents & (POLLIN | POLLHUP)) {
            char buffer[4096];
            const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break; // the program is gone
            input.append(buffer, qsizetype(n));
            for (qsizetype end = input.indexOf('\n'); end >= 0; end = input.indexOf('\n')) {
                handle(input.left(end).trimmed(), children);
                input.remove(0, end + 1);
            }
        }
    }
    for (const auto& [pid, id] : children)
        ::kill(pid, SIGKILL);
    return 0;
}

#endif

} // namespace

int main(int argc, char* argv[])
{
    noCoreFiles();
    dieWithParent();
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
#if defined(Q_OS_UNIX)
    if (args.size() == 2 && args.at(1) == QLatin1String("--serve"))
        return serve();
#endif
    dovrix::EngineKind engine = dovrix::EngineKind::MuPdf;
    if (args.size() == 4 && args.at(1) == QLatin1String("--engine")) {
        if (!dovrix::engineFromName(args.at(2), &engine)) {
            std::fputs("unknown engine\n", stderr);
            return 2;
        }
        args.remove(1, 2);
    }
    if (args.size() != 2) {
        std::fputs("usage: dovrix-probe [--engine mupdf|qtpdf] FILE | --serve\n", stderr);
        return 2;
    }
    Report out{QByteArray()};
    return probe(args.at(1), engine, out);
}
