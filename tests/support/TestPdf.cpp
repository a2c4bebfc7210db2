#include "TestPdf.h"
#include "TestWait.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>

#include "engine/PdfDocument.h"

namespace dovrix::test {

EngineKind useEngineUnderTest()
{
    // CTest runs the suites that read PDF files once per engine (tests/CMakeLists.txt).
    EngineKind engine = EngineKind::MuPdf;
    engineFromName(qEnvironmentVariable("DOVRIX_TEST_ENGINE", QStringLiteral("mupdf")), &engine);
    PdfDocument::setPreferredEngine(engine);
    return engine;
}

namespace {
const EngineKind chosenEngine = useEngineUnderTest();
}

bool writePaintedPdf(const QString& path, const QList<QSizeF>& pageSizesPt, int pageCount,
                     const std::function<void(QPainter&, int page)>& drawPage)
{
    if (pageSizesPt.isEmpty())
        return false;
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(pageSizesPt.first(), QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (int i = 0; i < pageCount; ++i) {
        if (i > 0) {
            writer.setPageSize(
                QPageSize(pageSizesPt.at(qMin(i, int(pageSizesPt.size()) - 1)), QPageSize::Point));
            writer.newPage();
        }
        drawPage(painter, i);
    }
    return painter.end();
}

bool writeTextPdf(const QString& path, const QStringList& pageTexts, const TextPdfLayout& layout)
{
    QFont font(layout.fontFamily);
    font.setPointSizeF(layout.fontPt);
    const QFontMetricsF metrics(font);
    const double spacing = layout.lineSpacingPt > 0 ? layout.lineSpacingPt : metrics.lineSpacing();
    return writePaintedPdf(path, {layout.pageSize.size(QPageSize::Point)}, int(pageTexts.size()),
                           [&](QPainter& painter, int page) {
                               painter.setFont(font);
                               double y = layout.topLeftPt.y() + metrics.ascent();
                               const QStringList lines =
                                   pageTexts.at(page).split(QLatin1Char('\n'));
                               for (const QString& line : lines) {
                                   painter.drawText(QPointF(layout.topLeftPt.x(), y), line);
                                   y += spacing;
                               }
                           });
}

bool writePlacedTextPdf(const QString& path, const QList<QList<PlacedLine>>& pages)
{
    return writePaintedPdf(path, {QSizeF(595, 842)}, int(pages.size()),
                           [&](QPainter& painter, int page) {
                               QFont font(QStringLiteral("DejaVu Sans"));
                               font.setPixelSize(10);
                               painter.setFont(font);
                               for (const PlacedLine& line : pages.at(page))
                                   painter.drawText(line.baselinePt, line.text);
                               if (pages.at(page).isEmpty())
                                   painter.fillRect(QRectF(100, 100, 200, 200), Qt::gray);
                           });
}

bool writeSizedPdf(const QString& path, const QList<QSizeF>& pageSizesPt, int pageCount)
{
    return writePaintedPdf(path, pageSizesPt, pageCount, [](QPainter& painter, int page) {
        painter.drawText(QPointF(20, 30), QStringLiteral("Page %1").arg(page + 1));
    });
}

QByteArray assemblePdf(const QList<QByteArray>& objects, const QByteArray& trailerEntries)
{
    QByteArray data = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets.append(data.size());
        data += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const qsizetype xref = data.size();
    data += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets)
        data += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    data += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R "
            + trailerEntries + " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return data;
}

QByteArray pdfStream(const QByteArray& dictEntries, const QByteArray& data)
{
    return "<< " + dictEntries + " /Length " + QByteArray::number(data.size()) + " >>\nstream\n"
           + data + "\nendstream";
}

QByteArray pdfString(const QByteArray& codes)
{
    QByteArray out = "(";
    for (const char c : codes) {
        const uchar u = uchar(c);
        if (u == '(' || u == ')' || u == '\\')
            out += '\\';
        if (u >= 0x20 && u < 0x7F) {
            out += char(u);
        } else {
            out += '\\';
            out += QByteArray::number(u, 8).rightJustified(3, '0');
        }
    }
    return out + ')';
}

bool encryptPdf(const QString& input, const QString& output, const QString& password)
{
    const QString qpdf = QStandardPaths::findExecutable(QStringLiteral("qpdf"));
    if (qpdf.isEmpty())
        return false;
    QProcess process;
    process.start(qpdf, {QStringLiteral("--encrypt"), password, password, QStringLiteral("256"),
                         QStringLiteral("--"), input, output});
    return process.waitForFinished(test::TimeoutMs) && process.exitStatus() == QProcess::NormalExit
           && process.exitCode() == 0;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(bytes) == bytes.size() && file.flush();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

int darkPixels(const QImage& image, const QRectF& area)
{
    const QRect within =
        (area.isNull() ? image.rect() : area.toAlignedRect()).intersected(image.rect());
    int dark = 0;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    return dark;
}

} // namespace dovrix::test
