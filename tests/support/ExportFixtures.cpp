#include "tests/support/ExportFixtures.h"
#include "tests/support/TestPdf.h"

#include "engine/PdfDocument.h"

#include <QPainter>

namespace dovrix::test {

bool writeBandedPdf(const QString& path, const QList<QSizeF>& sizesPt, const QColor& color,
                    double bandPt)
{
    return writePaintedPdf(path, sizesPt, int(sizesPt.size()), [&](QPainter& painter, int page) {
        painter.fillRect(QRectF(0, 0, sizesPt.at(page).width(), bandPt), color);
    });
}

QImage renderOnWhite(const QString& path, int page, double pixelsPerPoint)
{
    const OpenResult opened = PdfDocument::open(path);
    if (!opened.document)
        return {};
    PdfDocument& doc = *opened.document;
    const QImage image =
        doc.render(page, (doc.pageGeometry(page).size * pixelsPerPoint).toSize(), 0);
    QImage paper(image.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.drawImage(0, 0, image);
    return paper;
}

int pdfPageCount(const QString& path)
{
    const OpenResult opened = PdfDocument::open(path);
    return opened.document ? opened.document->pageCount() : -1;
}

} // namespace dovrix::test
