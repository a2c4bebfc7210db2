#include "core/FileSafety.h"

#include <QFileInfo>
#include <QSaveFile>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace dovrix {

bool isSameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QString first = QFileInfo(a).canonicalFilePath();
    const QString second = QFileInfo(b).canonicalFilePath();
    if (first.isEmpty() || second.isEmpty())
        return false;
    // The identity of the paths as given: a canonical path decoded from a name that is not valid
    // in the file-name encoding leads nowhere (a file opened through RawFilePath).
    return first == second || isSameInode(a, b);
}

bool isSameInode(const QString& a, const QString& b)
{
#if defined(Q_OS_UNIX)
    struct stat first = {};
    struct stat second = {};
    if (::stat(QFile::encodeName(a).constData(), &first) != 0
        || ::stat(QFile::encodeName(b).constData(), &second) != 0)
        return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
#else
    Q_UNUSED(a)
    Q_UNUSED(b)
    return false;
#endif
}

bool commitSaveFile(QSaveFile& file, QString* error)
{
    if (!file.isOpen()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool writeAndCommit(QSaveFile& file, const QByteArray& bytes, QString* error)
{
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return commitSaveFile(file, error);
}

} // namespace dovrix
