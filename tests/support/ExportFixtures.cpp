#include "tests/support/ExportFixtures.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>

namespace dovrix::test {

bool writeBandedPdf(const QString& path, const QList<QSizeF>& sizesPt, const QColor& color,
                    double bandPt)
{
    if (sizesPt.isEmpty())
        return false;
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(sizesPt.first(), QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (int i = 0; i < sizesPt.size(); ++i) {
        if (i > 0) {
            writer.setPageSize(QPageSize(sizesPt.at(i), QPageSize::Point));
            writer.newPage();
        }
        painter.fillRect(QRectF(0, 0, sizesPt.at(i).width(), bandPt), color);
    }
    return painter.end();
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
