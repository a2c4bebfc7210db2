#include "tests/support/ExportFixtures.h"
#include "tests/support/TestPdf.h"

#include <QPainter>
#include <QPdfDocument>

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
    QPdfDocument doc;
    if (doc.load(path) != QPdfDocument::Error::None)
        return {};
    const QImage image = doc.render(page, (doc.pagePointSize(page) * pixelsPerPoint).toSize());
    QImage paper(image.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.drawImage(0, 0, image);
    return paper;
}

int pdfPageCount(const QString& path)
{
    QPdfDocument doc;
    return doc.load(path) == QPdfDocument::Error::None ? doc.pageCount() : -1;
}

} // namespace dovrix::test
