#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace dovrix::test {

// Writes a PDF by hand whose text layer says exactly what the lines say, whatever the glyphs:
// one Helvetica font with a ToUnicode map of our own. Printable ASCII keeps its code; every other
// code unit (a CJK radical, a soft hyphen, ...) gets a code of its own from 0x80 up, mapped back
// to it (at most 128 distinct ones per file). Qt PDF drops a code mapped to U+FFFE itself; it puts
// U+FFFE where a line ends in '-' and the next line goes on, as in a hyphenated word. Each entry of
// pages is one page, its lines drawn from the top-left margin downwards at fontSize with a leading
// of 1.4 × fontSize.
bool writeMappedTextPdf(const QString& path, const QList<QStringList>& pages,
                        const QSizeF& pageSizePt = QSizeF(595, 842), double fontSize = 12);

// One string drawn at a point of the page's user space (points, origin bottom-left, y up).
struct TextRun
{
    QPointF origin;
    double size = 10;
    QString text; // printable ASCII; U+FB01 draws the fi ligature glyph
};

// A page of placed runs, drawn in list order; a null crop box leaves it out.
struct LayoutPage
{
    QSizeF mediaBoxPt{595, 842};
    QRectF cropBoxPt;
    int rotate = 0;
    QList<TextRun> runs;
};

// Writes the pages in Helvetica (proportional, its built-in widths). The ligature glyph's
// ToUnicode entry maps it to the two letters "fi".
bool writeLayoutPdf(const QString& path, const QList<LayoutPage>& pages);

// Deterministic filler prose of about `characters` characters (words of 2 to 11 letters, a few
// common words such as "the" among them), broken into lines of at most lineLength characters.
QStringList fillerLines(int characters, int lineLength, quint32 variant = 1);

// A dense single-column page per entry: 8 pt proportional font, 36 pt margins, lines as given.
bool writeDensePdf(const QString& path, int pageCount, quint32 variant = 1);

// Two columns of 10 pt proportional text per page (each column about 250 pt wide, 24 pt gutter),
// the left column written first.
bool writeTwoColumnPdf(const QString& path, int pageCount, quint32 variant = 2);

} // namespace dovrix::test
