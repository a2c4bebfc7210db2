#pragma once

// Inside the engine library only: the two implementations of PdfDocument.

#include "engine/PdfDocument.h"

namespace dovrix {

OpenResult openWithMuPdf(const QString& path, const QByteArray& password);
OpenResult openWithQtPdf(const QString& path, const QByteArray& password);

} // namespace dovrix
