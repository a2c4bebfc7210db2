#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>

namespace dovrix::test {

// One page per size (points), each white with a band of color over its top bandPt points (the
// whole page when bandPt is at least its height). Returns false when the file cannot be written.
bool writeBandedPdf(const QString& path, const QList<QSizeF>& sizesPt, const QColor& color,
                    double bandPt = 100);

// A page of a PDF rendered at pixelsPerPoint on white paper (the engine leaves blank parts
// transparent); null when the file does not open.
QImage renderOnWhite(const QString& path, int page, double pixelsPerPoint = 1.0);

// Page count of a PDF file, -1 when it does not open.
int pdfPageCount(const QString& path);

} // namespace dovrix::test
