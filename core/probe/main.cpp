// dovrix-probe FILE
//
// Opens an untrusted PDF with the same engine the program uses, in a short-lived process of its
// own, so that a file that hangs or crashes the engine takes only this process down. Prints one
// line on standard output and exits with 0:
//   pages N      the file opened; N pages, every page size was read
//   password     the file is encrypted and needs a password
//   error E      QPdfDocument::Error value E
// Anything else (a crash, a kill, another exit code, no line) means the file must not be opened.

#include <QCoreApplication>
#include <QPdfDocument>
#include <QStringList>

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

// Backstop in case the parent cannot kill us (it gives up far earlier): wall-clock seconds.
constexpr unsigned SelfLimitSeconds = 30;

void limitSelf()
{
#if defined(Q_OS_UNIX)
    // A crash must not leave a core file next to the user's documents.
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    alarm(SelfLimitSeconds);
#endif
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
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fputs("usage: dovrix-probe FILE\n", stderr);
        return 2;
    }

    QPdfDocument document;
    const QPdfDocument::Error error = document.load(args.at(1));
    if (error == QPdfDocument::Error::IncorrectPassword)
        return report("password");
    if (error != QPdfDocument::Error::None)
        return report(QByteArray("error " + QByteArray::number(int(error))).constData());

    // The program reads every page size right after loading: do the same here.
    const int pages = document.pageCount();
    for (int i = 0; i < pages; ++i)
        document.pagePointSize(i);
    return report(QByteArray("pages " + QByteArray::number(pages)).constData());
}
