#pragma once

#include <QByteArray>

namespace dovrix::test {

// SyncTeX text for one page of doc.tex whose single box holds count sibling "x" records, the
// shape that makes a recursive parser descend once per record (and overflow its stack).
QByteArray synctexWithSiblings(int count);
// A gzip file that unpacks to unpackedMiB mebibytes of zeros, as concatenated gzip members of one
// mebibyte each (about a kilobyte apiece).
QByteArray gzipBomb(int unpackedMiB);

} // namespace dovrix::test
