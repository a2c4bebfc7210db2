#pragma once

#include <QByteArray>
#include <QString>

namespace dovrix {

// A file reached by the raw bytes of its path, for paths a QString cannot spell: a byte that is
// not valid in the file-name encoding becomes U+FFFD when decoded, and the decoded name leads
// nowhere. The object holds its folder (and, when the file name itself cannot be spelled, the file)
// open and lends Qt a path it can spell, under /proc/<pid>/fd/, that opens the same file in this
// process and in its children: PDF engine, character engine, hashing, watching and the probe all
// read through it. Linux only; elsewhere nothing opens. GUI thread; the descriptors close with the
// object, so it must outlive every reader that opens path() (an open file stays open).
class RawFilePath
{
public:
    // Opens raw (made absolute against the current folder, which may be unspellable too).
    explicit RawFilePath(const QByteArray& raw);
    ~RawFilePath();
    RawFilePath(const RawFilePath&) = delete;
    RawFilePath& operator=(const RawFilePath&) = delete;

    // True when QFile::decodeName loses bytes of raw, i.e. only this class can open it.
    static bool needed(const QByteArray& raw);
    // raw with the current folder in front when it is relative.
    static QByteArray absolute(const QByteArray& raw);

    bool isOpen() const { return !qtPath.isEmpty(); }
    QByteArray rawPath() const { return raw; }
    // The spellable path of the file; empty when it could not be opened.
    QString path() const { return qtPath; }
    // The spellable path of its folder.
    QString folderPath() const;
    // The name to show: the file name as decoded (U+FFFD for each byte that is not valid).
    QString displayName() const;
    // False when the file name itself cannot be spelled: nothing beside the file (its sidecar)
    // can be named through Qt either.
    bool nameIsSpellable() const { return fileFd < 0; }

    // Lets path() lead to whatever file the raw name names now (after an editor replaced it);
    // a no-op when the name is spellable, as the path then goes by name already. False when the
    // name leads nowhere now (path() keeps the previous file).
    bool follow();

private:
    QByteArray raw;
    int folderFd = -1;
    int fileFd = -1;
    QString qtPath;
};

} // namespace dovrix
