#include "support/InsideFixtures.h"

#include "support/TestPdf.h"

#include <QList>

namespace dovrix::test {

bool writeInsidePdf(const QString& path)
{
    const QByteArray notes = InsideSample::NotesContents;
    const QByteArray sheet = InsideSample::SheetContents;
    const QList<QByteArray> objects = {
        /* 1 */ "<< /Type /Catalog /Pages 2 0 R /MarkInfo << /Marked true >> /Names << "
                "/EmbeddedFiles << /Names [(broken) 5 0 R (notes.txt) 10 0 R] >> >> >>",
        /* 2 */ "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>",
        /* 3 */
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources << /Font << /F1 5 0 R "
        ">> >> /Contents 6 0 R /Annots [12 0 R 13 0 R 14 0 R 15 0 R 16 0 R 17 0 R 18 0 R 19 0 R "
        "20 0 R 42 99 0 R] >>",
        /* 4 */
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << /Font << /F2 7 0 R "
        ">> /XObject << /X1 9 0 R >> >> /Contents 8 0 R >>",
        /* 5 */ "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
        /* 6 */ pdfStream("", "BT /F1 24 Tf 72 712 Td (Inside) Tj ET"),
        /* 7 */
        "<< /Type /Font /Subtype /TrueType /BaseFont /ABCDEF+DejaVuSans /FontDescriptor 21 0 R >>",
        /* 8 */ pdfStream("", "q /X1 Do Q"),
        /* 9 */
        pdfStream("/Type /XObject /Subtype /Form /BBox [0 0 10 10] /Resources << /Font << /F3 11 "
                  "0 R >> >>",
                  ""),
        /* 10 */
        "<< /Type /Filespec /F (notes.txt) /UF (notes.txt) /Desc (Reading notes) /EF << /F 22 0 "
        "R >> >>",
        /* 11 */
        "<< /Type /Font /Subtype /Type0 /BaseFont /NotoSansCJK /Encoding /Identity-H "
        "/DescendantFonts [<< /Type /Font /Subtype /CIDFontType0 /BaseFont /NotoSansCJK "
        "/FontDescriptor << /Type /FontDescriptor /FontName /NotoSansCJK >> >>] >>",
        /* 12 */
        "<< /Type /Annot /Subtype /Text /Rect [100 700 120 720] /T (Ada) /Contents (First note) "
        "/M (D:20240201093000Z) /C [1 1 0] /Popup 13 0 R >>",
        /* 13 */ "<< /Type /Annot /Subtype /Popup /Parent 12 0 R /Rect [120 600 300 700] >>",
        /* 14 */
        "<< /Type /Annot /Subtype /Text /Rect [100 700 120 720] /T (Bob) /Contents (Agreed) "
        "/IRT 12 0 R >>",
        /* 15 */
        "<< /Type /Annot /Subtype /Highlight /Rect [72 706 150 736] /QuadPoints [72 736 150 736 "
        "72 706 150 706] /T (Bob) /C [1 0.8 0] >>",
        /* 16 */ "<< /Type /Annot /Subtype /Link /Rect [0 0 10 10] /A << /S /URI /URI (x:y) >> >>",
        /* 17 */
        "<< /Type /Annot /Subtype /Ink /Rect [200 200 300 300] /InkList [[200 200 250 280 300 "
        "300]] /T (Cy) >>",
        /* 18 */
        "<< /Type /Annot /Subtype /Square /Rect [300 400 400 450] /T (Ada) /Contents (Boxed) >>",
        /* 19 */
        "<< /Type /Annot /Subtype /Line /Rect [95 95 205 155] /L [100 100 200 150] /T (Ada) >>",
        /* 20 */
        "<< /Type /Annot /Subtype /FileAttachment /Rect [500 700 510 720] /Contents (Data sheet) "
        "/FS << /Type /Filespec /F (data.csv) /EF << /F 23 0 R >> >> >>",
        /* 21 */ "<< /Type /FontDescriptor /FontName /ABCDEF+DejaVuSans /FontFile2 24 0 R >>",
        /* 22 */
        pdfStream("/Type /EmbeddedFile /Params << /Size " + QByteArray::number(notes.size())
                      + " >>",
                  notes),
        /* 23 */ pdfStream("/Type /EmbeddedFile", sheet),
        /* 24 */ pdfStream("", "junk"),
        /* 25 */
        "<< /Title (Inside sample) /Author (Ada Lovelace) /Subject (Fixtures) /Keywords (pdf, "
        "test) /Creator (TestPdf) /Producer (By hand) /CreationDate (D:20240131120000+01'00') "
        "/ModDate (D:20240202) >>",
    };
    return writeFile(path, assemblePdf(objects, "/Info 25 0 R"));
}

namespace {

struct FieldPlace
{
    const char* name;
    QRectF rect; // from the top-left corner
};

const FieldPlace formPlaces[] = {
    {"name", QRectF(72, 72, 200, 20)},         {"comments", QRectF(72, 102, 200, 60)},
    {"pin", QRectF(72, 172, 100, 20)},         {"code", QRectF(72, 202, 120, 20)},
    {"agree", QRectF(72, 232, 14, 14)},        {"colour.Red", QRectF(72, 262, 14, 14)},
    {"colour.Blue", QRectF(102, 262, 14, 14)}, {"country", QRectF(72, 292, 150, 20)},
    {"languages", QRectF(72, 322, 150, 50)},   {"total", QRectF(72, 382, 100, 20)},
    {"signature", QRectF(72, 412, 200, 40)},
};

QByteArray rectEntry(const char* name)
{
    for (const FieldPlace& p : formPlaces) {
        if (qstrcmp(p.name, name) == 0) {
            const QRectF& r = p.rect;
            return "/Rect [" + QByteArray::number(r.left()) + " "
                   + QByteArray::number(792 - r.bottom()) + " " + QByteArray::number(r.right())
                   + " " + QByteArray::number(792 - r.top()) + "]";
        }
    }
    return "/Rect [0 0 0 0]";
}

} // namespace

QRectF FormSample::rectOf(const QString& name)
{
    for (const FieldPlace& p : formPlaces)
        if (name == QLatin1String(p.name))
            return p.rect;
    return {};
}

bool writeFormPdf(const QString& path, int rotate)
{
    const QByteArray widget = "/Type /Annot /Subtype /Widget /P 3 0 R /F 4 ";
    const QByteArray onOff = "/AP << /N << /%1 6 0 R /Off 6 0 R >> >>";
    auto states = [&](const char* on) { return QByteArray(onOff).replace("%1", on); };
    const QList<QByteArray> objects = {
        /* 1 */ "<< /Type /Catalog /Pages 2 0 R /AcroForm << /Fields [7 0 R 8 0 R 9 0 R 10 0 R "
                "11 0 R 12 0 R 15 0 R 16 0 R 17 0 R 18 0 R] /DA (/Helv 0 Tf 0 g) /DR << /Font << "
                "/Helv 5 0 R >> >> >> >>",
        /* 2 */ "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        /* 3 */
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Rotate " + QByteArray::number(rotate)
            + " /Resources << /Font << /Helv 5 0 R >> >> /Contents 4 0 R /Annots [7 0 R 8 0 R 9 0 "
              "R "
              "10 0 R 11 0 R 13 0 R 14 0 R 15 0 R 16 0 R 17 0 R 18 0 R 19 0 R] >>",
        /* 4 */ pdfStream("", "BT /Helv 10 Tf 300 712 Td (A form) Tj ET"),
        /* 5 */ "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
        /* 6 */ pdfStream("/Type /XObject /Subtype /Form /BBox [0 0 14 14]", ""),
        /* 7 */ "<< " + widget + rectEntry("name")
            + " /FT /Tx /T (name) /MaxLen 20 /DA (/Helv 12 Tf 0 g) >>",
        /* 8 */ "<< " + widget + rectEntry("comments") + " /FT /Tx /T (comments) /Ff 4096 >>",
        /* 9 */ "<< " + widget + rectEntry("pin") + " /FT /Tx /T (pin) /Ff 8192 >>",
        /* 10 */
        "<< " + widget + rectEntry("code") + " /FT /Tx /T (code) /Ff 16777216 /MaxLen 6 >>",
        /* 11 */
        "<< " + widget + rectEntry("agree") + " /FT /Btn /T (agree) /V /Off /AS /Off "
            + states("Yes") + " >>",
        /* 12 */ "<< /FT /Btn /T (colour) /Ff 49152 /V /Blue /Kids [13 0 R 14 0 R] >>",
        /* 13 */ "<< " + widget + rectEntry("colour.Red") + " /Parent 12 0 R /AS /Off "
            + states("Red") + " >>",
        /* 14 */ "<< " + widget + rectEntry("colour.Blue") + " /Parent 12 0 R /AS /Blue "
            + states("Blue") + " >>",
        /* 15 */
        "<< " + widget + rectEntry("country")
            + " /FT /Ch /T (country) /Ff 131072 /Opt [[(FR) (France)] [(DE) (Germany)]] >>",
        /* 16 */
        "<< " + widget + rectEntry("languages")
            + " /FT /Ch /T (languages) /Ff 2097152 /Opt [(English) (French) (German)] >>",
        /* 17 */
        "<< " + widget + rectEntry("total")
            + " /FT /Tx /T (total) /V (0) /AA << /C << /S /JavaScript /JS (event.value = 1;) >> >> "
              ">>",
        /* 18 */ "<< " + widget + rectEntry("signature") + " /FT /Sig /T (signature) >>",
        /* 19 */ "<< " + widget + "/Rect [400 400 420 420] /T (broken) >>",
    };
    return writeFile(path, assemblePdf(objects));
}

bool writeManyAnnotationsPdf(const QString& path, int count)
{
    QByteArray refs;
    QList<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        {}, // the page, once the annotations are numbered
    };
    for (int i = 0; i < count; ++i) {
        const int x = 10 + (i % 50) * 11;
        const int y = 780 - (i / 50) % 70 * 11;
        objects.append("<< /Type /Annot /Subtype /Text /Rect [" + QByteArray::number(x) + " "
                       + QByteArray::number(y - 10) + " " + QByteArray::number(x + 10) + " "
                       + QByteArray::number(y) + "] /T (Reader " + QByteArray::number(i)
                       + ") /Contents (Note " + QByteArray::number(i) + ") >>");
        refs += QByteArray::number(objects.size()) + " 0 R ";
    }
    objects[2] = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Annots [" + refs + "] >>";
    return writeFile(path, assemblePdf(objects));
}

} // namespace dovrix::test
