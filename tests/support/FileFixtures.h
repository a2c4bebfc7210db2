#pragma once

#include <QFile>
#include <QString>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace dovrix::test {

// A second name for the same file (the same inode); false when the link cannot be made.
inline bool hardLink(const QString& existing, const QString& newName)
{
    return ::link(QFile::encodeName(existing).constData(), QFile::encodeName(newName).constData())
           == 0;
}

// While alive, no file of this process may grow beyond maxBytes: a write past the limit fails as
// on a full disk (EFBIG; the signal that would end the process is ignored). A real failure of the
// system's write, not a seam.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t maxBytes)
    {
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        active = getrlimit(RLIMIT_FSIZE, &previous) == 0;
        if (active) {
            rlimit limited = previous;
            limited.rlim_cur = maxBytes;
            active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
        }
    }
    ~FileSizeLimit()
    {
        if (active)
            setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool isActive() const { return active; }

private:
    rlimit previous = {};
    void (*previousHandler)(int) = SIG_DFL;
    bool active = false;
};

} // namespace dovrix::test
