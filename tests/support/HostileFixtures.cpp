#include "HostileFixtures.h"

#include <zlib.h>

namespace dovrix::test {

QByteArray synctexWithSiblings(int count)
{
    QByteArray text =
        "SyncTeX Version:1\nInput:1:./doc.tex\nOutput:pdf\nMagnification:1000\n"
        "Unit:1\nX Offset:0\nY Offset:0\nContent:\n!100\n{1\n"
        "[1,1:0,0:39138816,55387238,0\n(1,5:6578176,13157376:13156352,657817,263127\n";
    const QByteArray record = "x1,5:6578176,13157376\n";
    text.reserve(text.size() + record.size() * count + 64);
    for (int i = 0; i < count; ++i)
        text += record;
    return text.append(")\n]\n}1\n!50\nPostamble:\nCount:3\n!20\nPost scriptum:\n");
}

QByteArray gzipBomb(int unpackedMiB)
{
    const QByteArray zeros(1 << 20, '\0');
    QByteArray member(4096, Qt::Uninitialized);
    z_stream stream{};
    // 15 + 16: a gzip header and trailer around the deflate data.
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY)
        != Z_OK)
        return {};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.constData()));
    stream.avail_in = uInt(zeros.size());
    stream.next_out = reinterpret_cast<Bytef*>(member.data());
    stream.avail_out = uInt(member.size());
    const int result = deflate(&stream, Z_FINISH);
    member.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        return {};
    return member.repeated(unpackedMiB);
}

} // namespace dovrix::test
