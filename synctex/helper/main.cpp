// dovrix-synctex PDF PAGES
//
// Parses the SyncTeX data beside PDF (a document of PAGES pages) in a process of its own, under
// limits on memory, stack, processor time and unpacked size, then answers queries read from
// standard input until it ends. The protocol is the one of SynctexProtocol.h: the first line is
// the state of the data; each query line gets its answer lines and "end".

#include "synctex/SynctexIndex.h"
#include "synctex/SynctexProtocol.h"

#include <QByteArray>
#include <QFileInfo>

#include <cstdio>
#include <iostream>
#include <string>

#include <zlib.h>

#if defined(Q_OS_UNIX)
#include <sys/resource.h>
#include <unistd.h>
#endif
#if defined(Q_OS_LINUX)
#include <csignal>
#include <sys/prctl.h>
#endif

using namespace dovrix;

namespace {

void limit(int resource, rlim_t value)
{
#if defined(Q_OS_UNIX)
    const rlimit wanted{value, value};
    setrlimit(resource, &wanted);
#else
    Q_UNUSED(resource);
    Q_UNUSED(value);
#endif
}

void limitSelf()
{
#if defined(Q_OS_UNIX)
    limit(RLIMIT_CORE, 0); // a crash must not leave a core file next to the user's documents
    limit(RLIMIT_AS, rlim_t(SynctexLimits::AddressSpaceBytes));
    // The parser recurses per record: a deep file ends here, at a known depth, not in the window.
    limit(RLIMIT_STACK, rlim_t(SynctexLimits::StackBytes));
    limit(RLIMIT_CPU, rlim_t(SynctexLimits::CpuSeconds));
#endif
#if defined(Q_OS_LINUX)
    prctl(PR_SET_PDEATHSIG, SIGKILL); // die with the program instead of spinning on alone
    if (getppid() == 1)
        _exit(3);
#endif
}

// True when the data unpacks to at most SynctexLimits::UnpackedBytes. Reads through the gzip
// stream without keeping it, so a bomb costs time, not memory.
bool unpackedSizeAllowed(const QString& dataFile)
{
    if (!dataFile.endsWith(QLatin1String(".gz")))
        return QFileInfo(dataFile).size() <= SynctexLimits::UnpackedBytes;
    gzFile file = gzopen(QFile::encodeName(dataFile).constData(), "rb");
    if (!file)
        return true; // the parser reports it as damaged
    static char buffer[1 << 16];
    qint64 total = 0;
    int read = 0;
    while ((read = gzread(file, buffer, sizeof buffer)) > 0) {
        total += read;
        if (total > SynctexLimits::UnpackedBytes)
            break;
    }
    gzclose(file);
    return total <= SynctexLimits::UnpackedBytes;
}

void answer(const QByteArray& lines)
{
    std::fwrite(lines.constData(), 1, size_t(lines.size()), stdout);
    std::fputs("end\n", stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    limitSelf();
    if (argc != 3) {
        std::fputs("usage: dovrix-synctex PDF PAGES\n", stderr);
        return 2;
    }
    const QString pdf = QFile::decodeName(argv[1]);
    const int pages = QByteArray(argv[2]).toInt();

    const QString dataFile = SynctexIndex::dataFileFor(pdf);
    if (!dataFile.isEmpty() && !unpackedSizeAllowed(dataFile)) {
        answer(SynctexProtocol::stateLine(SynctexState::TooLarge));
        return 0;
    }
    const SynctexIndex index(pdf, pages);
    answer(SynctexProtocol::stateLine(index.state()));
    if (index.state() != SynctexState::Ready)
        return 0;

    std::string line;
    while (std::getline(std::cin, line)) {
        const QByteArray query = QByteArray::fromStdString(line);
        SourcePlace place;
        int page = 0;
        QPointF point;
        if (SynctexProtocol::readBoxesQuery(query, &place))
            answer(SynctexProtocol::boxLines(index.boxesFor(place)));
        else if (SynctexProtocol::readPlaceQuery(query, &page, &point))
            answer(SynctexProtocol::placeLine(index.placeAt(page, point)));
        else
            return 2;
    }
    return 0;
}
