#include "TextFixtures.h"

#include "TestPdf.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>

namespace dovrix::test {

namespace {

QByteArray hex4(char16_t u)
{
    return QByteArray::number(uint(u), 16).toUpper().rightJustified(4, '0');
}

bool writeWithPainter(const QString& path, int pageCount, const QFont& font,
                      const std::function<void(QPainter&, int)>& drawPage)
{
    return writePaintedPdf(path, {QSizeF(595, 842)}, pageCount, [&](QPainter& painter, int page) {
        painter.setFont(font);
        drawPage(painter, page);
    });
}

} // namespace

bool writeMappedTextPdf(const QString& path, const QList<QStringList>& pages,
                        const QSizeF& pageSizePt, double fontSize)
{
    // Code assignment for everything that is not printable ASCII.
    QHash<char16_t, uchar> extra;
    QList<char16_t> extraOrder;
    for (const QStringList& lines : pages) {
        for (const QString& line : lines) {
            for (const QChar c : line) {
                const char16_t u = c.unicode();
                if ((u < 0x20 || u >= 0x7F) && !extra.contains(u)) {
                    if (extra.size() >= 128)
                        return false;
                    extra.insert(u, uchar(0x80 + extra.size()));
                    extraOrder.append(u);
                }
            }
        }
    }

    QByteArray cmap = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                      "1 begincodespacerange\n<00> <FF>\nendcodespacerange\n";
    cmap += "1 beginbfrange\n<20> <7E> <0020>\nendbfrange\n";
    for (qsizetype i = 0; i < extraOrder.size(); i += 100) {
        const qsizetype n = std::min<qsizetype>(100, extraOrder.size() - i);
        cmap += QByteArray::number(n) + " beginbfchar\n";
        for (qsizetype k = i; k < i + n; ++k) {
            const char16_t u = extraOrder.at(k);
            cmap +=
                '<' + QByteArray::number(extra.value(u), 16).toUpper() + "> <" + hex4(u) + ">\n";
        }
        cmap += "endbfchar\n";
    }
    cmap += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";

    // Objects: 1 catalog, 2 pages, 3 font, 4 ToUnicode, then per page: page, contents.
    QList<QByteArray> objects;
    const int pageCount = int(pages.size());
    QByteArray kids;
    for (int i = 0; i < pageCount; ++i)
        kids += QByteArray::number(5 + 2 * i) + " 0 R ";
    objects << "<< /Type /Catalog /Pages 2 0 R >>";
    objects << "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pageCount)
                   + " >>";
    objects << "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding "
               "/ToUnicode 4 0 R >>";
    objects << "<< /Length " + QByteArray::number(cmap.size()) + " >>\nstream\n" + cmap
                   + "endstream";
    const QByteArray size =
        QByteArray::number(pageSizePt.width()) + ' ' + QByteArray::number(pageSizePt.height());
    for (int i = 0; i < pageCount; ++i) {
        QByteArray content;
        double y = pageSizePt.height() - 72 - fontSize;
        for (const QString& line : pages.at(i)) {
            QByteArray codes;
            for (const QChar c : line) {
                const char16_t u = c.unicode();
                codes += char(extra.contains(u) ? extra.value(u) : uchar(u));
            }
            content += "BT /F1 " + QByteArray::number(fontSize) + " Tf 72 " + QByteArray::number(y)
                       + " Td " + pdfString(codes) + " Tj ET\n";
            y -= 1.4 * fontSize;
        }
        objects << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + size
                       + "] /Resources << /Font << /F1 3 0 R >> >> /Contents "
                       + QByteArray::number(6 + 2 * i) + " 0 R >>";
        objects << "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content
                       + "endstream";
    }

    return writeFile(path, assemblePdf(objects));
}

bool writeLayoutPdf(const QString& path, const QList<LayoutPage>& pages)
{
    // Code 0x80 draws the font's fi ligature; its ToUnicode entry says "fi".
    const QByteArray cmap = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                            "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> "
                            "def\n/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                            "1 begincodespacerange\n<00> <FF>\nendcodespacerange\n"
                            "1 beginbfrange\n<20> <7E> <0020>\nendbfrange\n"
                            "1 beginbfchar\n<80> <00660069>\nendbfchar\n"
                            "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    QList<QByteArray> objects;
    QByteArray kids;
    for (int i = 0; i < pages.size(); ++i)
        kids += QByteArray::number(5 + 2 * i) + " 0 R ";
    objects << "<< /Type /Catalog /Pages 2 0 R >>";
    objects << "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pages.size())
                   + " >>";
    objects << "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding << /Type /Encoding "
               "/BaseEncoding /WinAnsiEncoding /Differences [128 /fi] >> /ToUnicode 4 0 R >>";
    objects << "<< /Length " + QByteArray::number(cmap.size()) + " >>\nstream\n" + cmap
                   + "endstream";
    const auto box = [](const QRectF& r) {
        QByteArray out("[");
        for (const double v : {r.left(), r.top(), r.right(), r.bottom()})
            out.append(QByteArray::number(v)).append(' ');
        out.append(']');
        return out;
    };
    for (int i = 0; i < pages.size(); ++i) {
        const LayoutPage& page = pages.at(i);
        QByteArray content;
        for (const TextRun& run : page.runs) {
            QByteArray codes;
            for (const QChar c : run.text)
                codes += c == QChar(0xFB01) ? '\x80' : char(c.unicode());
            content += "BT /F1 " + QByteArray::number(run.size) + " Tf "
                       + QByteArray::number(run.origin.x()) + ' '
                       + QByteArray::number(run.origin.y()) + " Td " + pdfString(codes)
                       + " Tj ET\n";
        }
        QByteArray dict =
            "<< /Type /Page /Parent 2 0 R /MediaBox " + box(QRectF(QPointF(0, 0), page.mediaBoxPt));
        if (!page.cropBoxPt.isNull())
            dict += " /CropBox " + box(page.cropBoxPt);
        if (page.rotate)
            dict += " /Rotate " + QByteArray::number(page.rotate);
        dict += " /Resources << /Font << /F1 3 0 R >> >> /Contents " + QByteArray::number(6 + 2 * i)
                + " 0 R >>";
        objects << dict;
        objects << "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content
                       + "endstream";
    }
    return writeFile(path, assemblePdf(objects));
}

QStringList fillerLines(int characters, int lineLength, quint32 variant)
{
    static const char* const common[] = {"the", "of", "and", "search", "page", "text"};
    quint32 state = variant * 2654435761u + 1;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    QStringList lines;
    QString line;
    int total = 0;
    while (total < characters) {
        QString word;
        if (next() % 5 == 0) {
            word = QString::fromLatin1(common[next() % 6]);
        } else {
            const int length = 2 + int(next() % 10);
            for (int i = 0; i < length; ++i)
                word += QChar(u'a' + char16_t(next() % 26));
            if (next() % 7 == 0)
                word[0] = word.at(0).toUpper();
        }
        if (!line.isEmpty() && line.size() + 1 + word.size() > lineLength) {
            lines << line;
            total += int(line.size()) + 1;
            line.clear();
        }
        if (!line.isEmpty())
            line += QLatin1Char(' ');
        line += word;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

bool writeDensePdf(const QString& path, int pageCount, quint32 variant)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(8);
    const QFontMetricsF metrics(font);
    return writeWithPainter(path, pageCount, font, [&](QPainter& painter, int page) {
        const QStringList lines = fillerLines(9000, 125, variant + quint32(page));
        double y = 36 + metrics.ascent();
        for (const QString& line : lines) {
            if (y > 842 - 36)
                break;
            painter.drawText(QPointF(36, y), line);
            y += metrics.lineSpacing();
        }
    });
}

bool writeTwoColumnPdf(const QString& path, int pageCount, quint32 variant)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    const QFontMetricsF metrics(font);
    return writeWithPainter(path, pageCount, font, [&](QPainter& painter, int page) {
        const QStringList lines = fillerLines(7000, 44, variant + quint32(page));
        const double top = 48 + metrics.ascent();
        double y = top;
        double x = 36;
        for (const QString& line : lines) {
            if (y > 842 - 48) {
                if (x > 36)
                    break;
                x = 36 + 250 + 24;
                y = top;
            }
            painter.drawText(QPointF(x, y), line);
            y += metrics.lineSpacing();
        }
    });
}

} // namespace dovrix::test
