#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

namespace dovrix {

// True when a and b name the same existing file: the same canonical path (symbolic links, "..",
// relative spellings), or the same device and inode (hard links, bind mounts). A path that does
// not exist names no file and never matches.
bool isSameFile(const QString& a, const QString& b);
// True when a and b (links followed) are the same device and inode.
bool isSameInode(const QString& a, const QString& b);

// Completes a save file whose data has been written: flushes it, and commits only when every
// write and the flush succeeded. Qt 6.4's QSaveFile::commit() renames the temporary file over the
// target even after a failed write (a full disk), which would replace the old file by a truncated
// one: any failure cancels the writing instead, so the target keeps its previous bytes. error
// receives the file's error text on failure.
bool commitSaveFile(QSaveFile& file, QString* error = nullptr);

// Writes bytes to an open save file and completes it as commitSaveFile does.
bool writeAndCommit(QSaveFile& file, const QByteArray& bytes, QString* error = nullptr);

} // namespace dovrix
