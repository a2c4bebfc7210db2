// dovrix-bench hostile: what hostile inputs cost the window once they are refused. SyncTeX data
// that crashes its parser or unpacks without end (read by the child process), and a kept OCR
// results file of millions of lines (read on a worker) for documents of several lengths. Prints
// one JSON line per case: the time until the answer, the window's peak memory growth during the
// case, and for SyncTeX the reader process's peak memory.

#include "bench/Bench.h"
#include "ocr/OcrCache.h"
#include "support/HostileFixtures.h"
#include "support/OcrFixtures.h"
#include "support/TestPdf.h"
#include "synctex/SynctexLink.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

using namespace dovrix;

// Resident memory in KiB: the peak since the last reset, from /proc/self/status.
qint64 peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

qint64 childrenPeakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

QByteArray resultsFile(const QString& hash, int lines, int pages)
{
    QHash<int, OcrPageText> kept;
    const int perPage = (lines + pages - 1) / pages;
    for (int page = 0; page < pages; ++page) {
        QList<OcrLine> pageLines;
        for (int i = 0; i < perPage && page * perPage + i < lines; ++i)
            pageLines.append({QRectF(10 + i % 50, 20 + i % 700, 400, 12),
                              QStringLiteral("recognised line %1").arg(i), 0.9f});
        kept.insert(page, OcrPageText::fromLines(pageLines));
    }
    return OcrCache::serialize(hash, kept);
}

int runHostile(const QStringList& args)
{
    bool ok = false;
    const int bombMiB =
        bench::option(args, QStringLiteral("--synctex-mib"), QStringLiteral("1100")).toInt(&ok);
    const int lines =
        bench::option(args, QStringLiteral("--ocr-lines"), QStringLiteral("2000000")).toInt();
    if (!ok || bombMiB <= 0 || lines <= 0)
        return bench::fail("hostile", QStringLiteral("bad --synctex-mib or --ocr-lines"));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("doc.pdf"));
    test::writeFile(pdf, "%PDF-1.4\n");

    struct SynctexCase
    {
        const char* name;
        QString file;
        QByteArray bytes;
    };
    for (const SynctexCase& c :
         {SynctexCase{"synctex 600,000 siblings", QStringLiteral("doc.synctex"),
                      test::synctexWithSiblings(600000)},
          SynctexCase{"synctex gzip bomb", QStringLiteral("doc.synctex.gz"),
                      test::gzipBomb(bombMiB)}}) {
        QFile::remove(dir.filePath(QStringLiteral("doc.synctex")));
        QFile::remove(dir.filePath(QStringLiteral("doc.synctex.gz")));
        test::writeFile(dir.filePath(c.file), c.bytes);
        SynctexLink link;
        QEventLoop loop;
        int state = -1;
        QObject::connect(&link, &SynctexLink::unavailable, &loop, [&](SynctexState s) {
            state = int(s);
            loop.quit();
        });
        QObject::connect(&link, &SynctexLink::placeReady, &loop, [&] {
            state = int(SynctexState::Ready);
            loop.quit();
        });
        resetPeak();
        const qint64 before = peakKiB();
        QElapsedTimer clock;
        clock.start();
        link.setDocument(pdf, 1);
        link.requestPlace(0, QPointF(150, 198));
        loop.exec();
        const double ms = bench::elapsedMs(clock);
        link.setDocument({}, 0); // ends the reader, so that its peak is counted
        QCoreApplication::processEvents();
        bench::printJson({{QStringLiteral("case"), QString::fromLatin1(c.name)},
                          {QStringLiteral("file_bytes"), c.bytes.size()},
                          {QStringLiteral("state"), state},
                          {QStringLiteral("answer_ms"), ms},
                          {QStringLiteral("window_peak_growth_kib"), peakKiB() - before},
                          {QStringLiteral("readers_peak_kib"), childrenPeakKiB()}});
    }

    test::isolateOcrCache(dir.filePath(QStringLiteral("cache")));
    const QString hash(64, QLatin1Char('c'));
    const QByteArray results = resultsFile(hash, lines, 4);
    QFile out(OcrCache::filePath(hash));
    QDir().mkpath(OcrCache::directory());
    if (!out.open(QIODevice::WriteOnly) || out.write(results) != results.size())
        return bench::fail("hostile", QStringLiteral("cannot write the OCR results file"));
    out.close();
    for (const int pages : {10, 300, 2000, 5000}) {
        resetPeak();
        const qint64 before = peakKiB();
        QElapsedTimer clock;
        clock.start();
        QHash<int, OcrPageText> read;
        const bool loaded = OcrCache::load(hash, pages, &read);
        bench::printJson({{QStringLiteral("case"), QStringLiteral("ocr results file")},
                          {QStringLiteral("file_bytes"), results.size()},
                          {QStringLiteral("lines"), lines},
                          {QStringLiteral("document_pages"), pages},
                          {QStringLiteral("loaded"), loaded},
                          {QStringLiteral("load_ms"), bench::elapsedMs(clock)},
                          {QStringLiteral("peak_growth_kib"), peakKiB() - before}});
    }
    return 0;
}

bench::Registration reg("hostile", "hostile [--synctex-mib N] [--ocr-lines N]", runHostile);

} // namespace
