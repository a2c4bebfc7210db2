#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;

namespace dovrix {
enum class EngineKind : int;
}

namespace dovrix::test {

// Makes the engine named by DOVRIX_TEST_ENGINE ("mupdf", the default, or "qtpdf") the preferred
// one and returns it. Runs when the test starts; tests call it to know which engine they test.
EngineKind useEngineUnderTest();

// The PDF builders every test and the bench share. Two ways in: pages painted through Qt's PDF
// writer (text, shapes, any page sizes), or objects written by hand for what the writer cannot
// make (outlines, links, page labels, hostile page trees, a text layer of our own).

// Paints pageCount pages of the given sizes in points (one size per page, or the last one
// repeated), 72 units per inch, origin at the top-left corner, no margins. drawPage is called
// once per page with the page index. False when the file could not be written.
bool writePaintedPdf(const QString& path, const QList<QSizeF>& pageSizesPt, int pageCount,
                     const std::function<void(QPainter&, int page)>& drawPage);

// How writeTextPdf lays out its lines.
struct TextPdfLayout
{
    QPageSize pageSize = QPageSize(QPageSize::A4);
    QString fontFamily = QStringLiteral("DejaVu Sans");
    double fontPt = 12;
    QPointF topLeftPt{72, 72}; // the first line's top
    double lineSpacingPt = 0;  // 0: the font's own
};

// Writes a PDF with one page per entry of pageTexts, each text laid out from the top-left margin
// (line feeds start new lines).
bool writeTextPdf(const QString& path, const QStringList& pageTexts,
                  const TextPdfLayout& layout = {});

// One line of 10 pt DejaVu Sans with its baseline at a point (points from the top-left corner).
struct PlacedLine
{
    QPointF baselinePt;
    QString text;
};

// A4 pages of lines drawn in the given order; a page without lines shows a grey box instead (a
// picture without text, as a scan).
bool writePlacedTextPdf(const QString& path, const QList<QList<PlacedLine>>& pages);

// Writes a PDF of pageCount pages with the given sizes in points (one size per page, or the last
// one repeated), each page showing "Page N" near its top-left corner.
bool writeSizedPdf(const QString& path, const QList<QSizeF>& pageSizesPt, int pageCount);

// A whole PDF file from its objects, numbered from 1 in the given order (the first is the
// catalog), with a classic cross-reference table; trailerEntries go into the trailer as they are
// ("/Info 9 0 R").
QByteArray assemblePdf(const QList<QByteArray>& objects, const QByteArray& trailerEntries = {});

// A stream object of the bytes, with its /Length added to the dictionary entries.
QByteArray pdfStream(const QByteArray& dictEntries, const QByteArray& data);

// A PDF literal string of the bytes: printable ASCII as it is, everything else escaped.
QByteArray pdfString(const QByteArray& codes);

// Encrypts a PDF with qpdf (AES-256, user and owner password). Returns false when qpdf is missing
// or fails.
bool encryptPdf(const QString& input, const QString& output, const QString& password);

// Writes bytes to a new file; false on failure.
bool writeFile(const QString& path, const QByteArray& bytes);

// The pixels darker than mid-grey in area (pixels of image; the whole image when null).
int darkPixels(const QImage& image, const QRectF& area = {});

// Reads a whole file (empty on failure).
QByteArray readAll(const QString& path);

} // namespace dovrix::test
