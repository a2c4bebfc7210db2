#include "core/RawFilePath.h"

#include <QFile>

#if defined(Q_OS_LINUX)
#include <fcntl.h>
#include <unistd.h>

#include <climits>
#endif

namespace dovrix {

namespace {

#if defined(Q_OS_LINUX)
// The path of one of this process's descriptors. With the process id rather than "self", a child
// process (the probe) reaches the same file through it.
QString descriptorPath(int fd)
{
    return QStringLiteral("/proc/%1/fd/%2").arg(::getpid()).arg(fd);
}

// O_NONBLOCK: opening a FIFO must not wait for a writer; readers open the path anew.
int openForReading(const QByteArray& path, int flags)
{
    return ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | flags);
}
#endif

} // namespace

bool RawFilePath::needed(const QByteArray& raw)
{
    return QFile::encodeName(QFile::decodeName(raw)) != raw;
}

QByteArray RawFilePath::absolute(const QByteArray& raw)
{
#if defined(Q_OS_LINUX)
    if (raw.startsWith('/'))
        return raw;
    char folder[PATH_MAX];
    if (!::getcwd(folder, sizeof folder))
        return raw;
    QByteArray path(folder);
    if (!path.endsWith('/'))
        path += '/';
    return path + raw;
#else
    return raw;
#endif
}

RawFilePath::RawFilePath(const QByteArray& rawPath) : raw(absolute(rawPath))
{
#if defined(Q_OS_LINUX)
    const qsizetype slash = raw.lastIndexOf('/');
    const QByteArray folder = slash <= 0 ? QByteArray("/") : raw.left(slash);
    const QByteArray name = raw.mid(slash + 1);
    if (name.isEmpty())
        return;
    folderFd = openForReading(folder, O_DIRECTORY);
    if (folderFd < 0)
        return;
    if (!needed(name)) {
        // The folder carries the unspellable bytes: the path goes by name from there, so it
        // follows the file's replacements and its sidecar can be named beside it.
        qtPath = descriptorPath(folderFd) + QLatin1Char('/') + QFile::decodeName(name);
        return;
    }
    fileFd = ::openat(folderFd, name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fileFd >= 0)
        qtPath = descriptorPath(fileFd);
#endif
}

RawFilePath::~RawFilePath()
{
#if defined(Q_OS_LINUX)
    if (fileFd >= 0)
        ::close(fileFd);
    if (folderFd >= 0)
        ::close(folderFd);
#endif
}

QString RawFilePath::folderPath() const
{
#if defined(Q_OS_LINUX)
    if (folderFd >= 0)
        return descriptorPath(folderFd);
#endif
    return {};
}

QString RawFilePath::displayName() const
{
    return QFile::decodeName(raw.mid(raw.lastIndexOf('/') + 1));
}

bool RawFilePath::follow()
{
#if defined(Q_OS_LINUX)
    if (fileFd < 0)
        return isOpen();
    const int fresh = openForReading(raw, 0);
    if (fresh < 0)
        return false;
    // The descriptor number stays, so path() stays; it leads to the file named now.
    const bool moved = ::dup3(fresh, fileFd, O_CLOEXEC) == fileFd;
    ::close(fresh);
    return moved;
#else
    return false;
#endif
}

} // namespace dovrix
