#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>

namespace dovrix {

// A place in a TeX source: the file as SyncTeX records it, its 1-based line and its column
// (-1 or 0 when the engine did not record one).
struct SourcePlace
{
    QString file;
    int line = 0;
    int column = -1;
};

// A typeset box of a source place: 0-based page and rectangle in page points (top-left origin).
struct SynctexBox
{
    int page = -1;
    QRectF rectPt;
};

// Why a document has no usable SyncTeX data.
enum class SynctexState {
    Ready,   // parsed, and it fits the document
    Missing, // no <name>.synctex.gz or <name>.synctex beside the PDF
    Damaged, // present but not readable as SyncTeX
    Stale,   // written by another build: older than the PDF, or for more pages than it has
    // Refused by the child process that reads it (SynctexLink):
    TooLarge, // unpacks to more than SynctexLimits::UnpackedBytes
    Crashed,  // the reader crashed or ran out of memory (or could not be started)
    TimedOut, // the reader took longer than the window waits
};

// The SyncTeX data written beside a PDF (<name>.synctex.gz or <name>.synctex), parsed by the
// SyncTeX parser library. Not a QObject and not thread-safe. The parser trusts its input (it
// recurses once per record and grows without bound), so the program uses this class only inside
// the child process dovrix-synctex, through SynctexLink.
class SynctexIndex
{
public:
    // The SyncTeX file for a PDF path, or an empty string when there is none. The compressed
    // file wins when both exist, as TeX engines write that one by default.
    static QString dataFileFor(const QString& pdfPath);

    // Reads and parses the data now. pageCount is the PDF's; a file that describes more pages
    // belongs to another build.
    SynctexIndex(const QString& pdfPath, int pageCount);
    ~SynctexIndex();
    SynctexIndex(const SynctexIndex&) = delete;
    SynctexIndex& operator=(const SynctexIndex&) = delete;

    SynctexState state() const { return current; }

    // Boxes typeset from the source line (forward search), first page first. A file given
    // without a folder or with another folder matches by name as the parser allows.
    QList<SynctexBox> boxesFor(const SourcePlace& place) const;
    // The source place typeset at a page point (inverse search); an empty file when none.
    SourcePlace placeAt(int page, const QPointF& pointPt) const;

private:
    struct ScannerDeleter
    {
        void operator()(void* scanner) const;
    };
    QString pdfFolder; // relative source names are resolved against it
    std::unique_ptr<void, ScannerDeleter> scanner;
    SynctexState current = SynctexState::Missing;
};

} // namespace dovrix
