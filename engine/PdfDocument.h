#pragma once

#include "engine/EngineExport.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <memory>

// Everything the program asks of a PDF file goes through PdfDocument; no other folder sees a
// MuPDF or Qt PDF type.
//
// Page space, the one convention of every position the program stores or draws: PDF points of
// the page as the document presents it — its visible box (the CropBox, within the MediaBox) turned
// by the page's own /Rotate — with the origin at that box's top-left corner and y pointing down.
// It is "unrotated" only with respect to the viewer's temporary rotation, which is applied when
// drawing. Page sizes, character boxes, link areas, destinations and annotation rectangles all
// use it, whichever engine read them.
namespace dovrix {

Q_NAMESPACE_EXPORT(DOVRIX_ENGINE_EXPORT)

enum class EngineKind : int {
    MuPdf = 0, // the default
    QtPdf = 1, // Qt PDF: for files MuPDF refuses, and for comparisons
};
Q_ENUM_NS(EngineKind)

// How opening a file ended. The numbers travel between the file probe and the program.
enum class OpenOutcome : int {
    Opened = 0,
    Unknown = 1,
    FileNotFound = 3,
    InvalidFile = 4,
    PasswordRequired = 5, // encrypted: no password given, or the wrong one
    UnsupportedSecurity = 6,
    TimedOut = 7,
};
Q_ENUM_NS(OpenOutcome)

// The pixel layout of a rendered page image.
enum class PageImageFormat : int {
    // ARGB32 premultiplied: what the screen paints fastest.
    Screen,
    // Three bytes a pixel (RGB888), a quarter less to clear and draw: for images that are saved,
    // printed or read and never painted on screen.
    Opaque,
};
Q_ENUM_NS(PageImageFormat)

// The command-line and settings name of an engine ("mupdf", "qtpdf"), and back; false for an
// unknown name.
DOVRIX_ENGINE_EXPORT QString engineName(EngineKind kind);
DOVRIX_ENGINE_EXPORT bool engineFromName(const QString& name, EngineKind* kind);

// Where a link or an outline entry leads inside the document.
struct PdfDestination
{
    // The PDF destination forms; Page when only the page is known.
    enum class Kind : int { None, Page, XYZ, Fit, FitH, FitV, FitR, FitB, FitBH, FitBV };
    Kind kind = Kind::None;
    int page = -1;        // 0-based; -1 when the destination leads nowhere in this document
    QPointF point;        // in the target page's space; meaningful where hasLeft / hasTop say
    bool hasLeft = false; // the destination sets the left edge (XYZ, FitV, FitR)
    bool hasTop = false;  // the destination sets the top edge (XYZ, FitH, FitR)
    QRectF area;          // FitR: the rectangle to fit, in page space
    double zoom = 0;      // XYZ: the zoom it sets (1 = 100 %); 0 keeps the current one

    bool isValid() const { return page >= 0; }
    friend bool operator==(const PdfDestination& a, const PdfDestination& b)
    {
        return a.kind == b.kind && a.page == b.page && a.point == b.point && a.hasLeft == b.hasLeft
               && a.hasTop == b.hasTop && a.area == b.area && a.zoom == b.zoom;
    }
};

// A link area of a page: either a destination in the document or an address outside it.
struct PdfLink
{
    QList<QRectF> rectangles; // page space
    PdfDestination target;    // valid for a link inside the document
    QUrl url;                 // valid for a link outside it

    bool isUsable() const { return target.isValid() || url.isValid(); }
};

// One entry of the document's outline.
struct OutlineItem
{
    QString title;
    PdfDestination target;
    QUrl url; // an entry that leads outside the document
    QList<OutlineItem> children;
};

// A page's text in logical order with one box per UTF-16 code unit, read in one pass. Line ends
// are "\n"; whitespace and line ends have null boxes, both halves of a surrogate pair share a box.
struct PageText
{
    enum class Outcome : int { Read, Failed, TimedOut };
    Outcome outcome = Outcome::Failed;
    QString text;
    QList<QRectF> boxes; // page space; text.size() entries
};

// What the page is in the file, for properties and diagnostics; size() is what the program uses.
struct PageGeometry
{
    QSizeF size;       // points, page space (after /Rotate)
    int rotate = 0;    // the page's own /Rotate: 0, 90, 180 or 270
    QRectF visibleBox; // CropBox within the MediaBox, in the file's user space (y up)
    QRectF mediaBox;   // in the file's user space
};

// The document information of the file.
struct DocumentInfo
{
    QString title;
    QString author;
    QString subject;
    QString keywords;
    QString creator;
    QString producer;
    QString format; // "PDF-1.7"
    QDateTime created;
    QDateTime modified;
};

class PdfDocument;

struct OpenResult
{
    OpenOutcome outcome = OpenOutcome::Unknown;
    std::unique_ptr<PdfDocument> document; // set when opened
};

// One open PDF file. Made by open(), then used by the worker's jobs.
//
// Thread rule: every call runs on a worker thread, and each worker thread ("lane", see
// setThreadLane) has state of its own in the document (MuPDF: a context cloned from the process's
// base context and its own parse of the file; Qt PDF: its own QPdfDocument), created on that lane's
// first call and dropped by releaseLane() on the same thread. So two lanes may use one document at
// once, and nothing here locks except what MuPDF needs for the store it shares between contexts.
// Errors of the engine never leave this class as anything but empty results and outcomes.
class DOVRIX_ENGINE_EXPORT PdfDocument
{
public:
    static constexpr int LaneCount = 2;
    // Default limit of one page's text or render; a page that runs past it is abandoned.
    static constexpr int DefaultTextTimeLimitMs = 2000;
    static constexpr int DefaultRenderTimeLimitMs = 20000;

    virtual ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // Opens path read-only with engine; with fallback, a file MuPDF cannot open but Qt PDF can
    // is opened by Qt PDF. PasswordRequired when the file is encrypted and password does not open
    // it.
    static OpenResult open(const QString& path, const QByteArray& password, EngineKind engine,
                           bool fallback = true);
    // Same with the process's preferred engine.
    static OpenResult open(const QString& path, const QByteArray& password = {});

    // The process-wide engine the program opens files with (the "prefs/engine" setting or the
    // command line choose it); MuPdf unless set.
    static void setPreferredEngine(EngineKind engine);
    static EngineKind preferredEngine();

    // The lane of the calling thread (0 unless set); the worker sets it once per thread.
    static void setThreadLane(int lane);
    static int threadLane();

    // This document's limits of one page's text and render, for calls started afterwards (any
    // thread may set them). A render limit of 0 restores the default.
    void setTextTimeLimitMs(int ms) { textLimitMs = std::max(ms, 0); }
    int textTimeLimitMs() const { return textLimitMs; }
    void setRenderTimeLimitMs(int ms) { renderLimitMs = ms > 0 ? ms : DefaultRenderTimeLimitMs; }
    int renderTimeLimitMs() const { return renderLimitMs; }

    EngineKind engine() const { return kind; }
    QString filePath() const { return path; }
    // The password the document was opened with (empty for none).
    QByteArray password() const { return secret; }
    int pageCount() const { return pages; }

    // Page sizes in points (page space), in page order.
    virtual QList<QSizeF> pageSizes() = 0;
    virtual PageGeometry pageGeometry(int page) = 0;

    // The page drawn at size pixels (the page turned by the viewer's rotation first: 0, 90, 180
    // or 270 degrees clockwise), with the document's own annotations and form fields, on white.
    // clip, when valid, is the part of that image wanted (in its pixels); the result then has
    // clip's size. Null when the page cannot be drawn. An Opaque image may come back as Screen
    // where the engine cannot draw it directly.
    virtual QImage render(int page, QSize size, int rotation, QRect clip = {},
                          PageImageFormat format = PageImageFormat::Screen) = 0;
    virtual PageText pageText(int page) = 0;
    virtual QList<PdfLink> links(int page) = 0;
    virtual QList<OutlineItem> outline() = 0;
    // One label per page; empty when the document defines none.
    virtual QStringList pageLabels() = 0;
    virtual DocumentInfo info() = 0;

    // The values the user gave the document's form fields, by full field name; a field missing
    // here keeps the file's own value. Pages are drawn with them, each widget's appearance made
    // anew for its value (the file is never written). Callable from any thread: each lane takes
    // the newest set before its next render. Qt PDF, which cannot make appearances, ignores them.
    void setFormValues(const QMap<QString, QString>& values);

    // Drops the calling lane's state (on the thread of that lane); the next call there makes it
    // again.
    virtual void releaseLane() = 0;
    // Lets go of caches (fonts, images, parsed objects) of the calling lane.
    virtual void trimMemory() = 0;

protected:
    PdfDocument(EngineKind kind, const QString& path, const QByteArray& password, int pageCount);

    // The form values to draw and their version (0: none were ever set; each set moves it on).
    QMap<QString, QString> formValues(quint64* version) const;
    quint64 formValuesVersion() const;

    const EngineKind kind;
    const QString path;
    const QByteArray secret;
    const int pages;

private:
    struct FormValueSet
    {
        QMap<QString, QString> values;
        quint64 version = 0;
    };
    // Replaced whole by the setter and read whole by the lanes (std::atomic_load/atomic_store), so
    // a lane always sees one set with its own version and nobody waits for anybody.
    std::shared_ptr<const FormValueSet> formValueSet = std::make_shared<const FormValueSet>();
    std::atomic<int> textLimitMs{DefaultTextTimeLimitMs};
    std::atomic<int> renderLimitMs{DefaultRenderTimeLimitMs};
};

// The lines of a run of characters: the boxes of [start, start + length) joined line by line
// (characters whose boxes share a line band form one rectangle), in text order. Null boxes are
// skipped. For selections and search hits.
DOVRIX_ENGINE_EXPORT QList<QRectF> lineRectsOf(const QList<QRectF>& boxes, int start, int length);

} // namespace dovrix

Q_DECLARE_METATYPE(dovrix::PdfLink)
Q_DECLARE_METATYPE(dovrix::PdfDestination)
