#include "ViewFixtures.h"

#include "TestPdf.h"

#include <QFile>

namespace dovrix::test {

namespace {

QByteArray num(double v)
{
    return QByteArray::number(v, 'f', 2);
}

} // namespace

bool writeLinkedPdf(const QString& path, const QList<QList<FixtureLine>>& pages,
                    const QList<FixtureLink>& links, const QSizeF& pageSize)
{
    // Object numbers: 1 catalog, 2 pages, 3 font, then per page: page object, content stream;
    // then one object per link.
    const int pageCount = int(pages.size());
    auto pageObj = [](int i) { return 4 + 2 * i; };
    auto contentObj = [](int i) { return 5 + 2 * i; };
    const int firstLink = 4 + 2 * pageCount;

    QList<QByteArray> objects(firstLink - 1 + links.size());
    objects[0] = "<< /Type /Catalog /Pages 2 0 R >>";
    QByteArray kids;
    for (int i = 0; i < pageCount; ++i)
        kids += QByteArray::number(pageObj(i)) + " 0 R ";
    objects[1] =
        "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pageCount) + " >>";
    objects[2] =
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>";
    const double h = pageSize.height();
    for (int i = 0; i < pageCount; ++i) {
        QByteArray annots;
        for (int k = 0; k < links.size(); ++k) {
            if (links.at(k).page == i)
                annots += QByteArray::number(firstLink + k) + " 0 R ";
        }
        objects[pageObj(i) - 1] =
            "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + num(pageSize.width()) + " " + num(h)
            + "] /Resources << /Font << /F1 3 0 R >> >> /Contents "
            + QByteArray::number(contentObj(i)) + " 0 R /Annots [" + annots + "] >>";
        QByteArray stream;
        for (const FixtureLine& line : pages.at(i)) {
            stream += "BT /F1 " + num(line.size) + " Tf " + num(line.baseline.x()) + " "
                      + num(h - line.baseline.y()) + " Td " + pdfString(line.text.toLatin1())
                      + " Tj ET\n";
        }
        objects[contentObj(i) - 1] = "<< /Length " + QByteArray::number(stream.size())
                                     + " >>\nstream\n" + stream + "endstream";
    }
    for (int k = 0; k < links.size(); ++k) {
        const FixtureLink& l = links.at(k);
        const QByteArray rect = "[" + num(l.rect.left()) + " " + num(h - l.rect.bottom()) + " "
                                + num(l.rect.right()) + " " + num(h - l.rect.top()) + "]";
        QByteArray action;
        if (l.targetPage >= 0)
            action = "/Dest [" + QByteArray::number(pageObj(l.targetPage)) + " 0 R /XYZ 0 " + num(h)
                     + " 0]";
        else
            action = "/A << /S /URI /URI " + pdfString(l.url.toLatin1()) + " >>";
        objects[firstLink - 1 + k] =
            "<< /Type /Annot /Subtype /Link /Rect " + rect + " /Border [0 0 0] " + action + " >>";
    }

    return writeFile(path, assemblePdf(objects));
}

} // namespace dovrix::test
