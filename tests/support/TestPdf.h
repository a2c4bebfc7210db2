#pragma once

#include <QPageSize>
#include <QString>
#include <QStringList>

namespace dovrix::test {

// Writes a PDF with one page per entry of pageTexts, each text laid out from the top-left margin
// (line feeds start new lines) in a fixed-pitch-free sans font of the given point size.
// Returns false when the file could not be written.
bool writeTextPdf(const QString& path, const QStringList& pageTexts,
                  const QPageSize& pageSize = QPageSize(QPageSize::A4), int fontPointSize = 12);

// Writes a PDF of pageCount pages with the given sizes in points (one size per page, or the last
// one repeated), each page showing "Page N" near its top-left corner.
bool writeSizedPdf(const QString& path, const QList<QSizeF>& pageSizesPt, int pageCount);

// Encrypts a PDF with qpdf (AES-256, user and owner password). Returns false when qpdf is missing
// or fails.
bool encryptPdf(const QString& input, const QString& output, const QString& password);

// Reads a whole file (empty on failure).
QByteArray readAll(const QString& path);

} // namespace dovrix::test
