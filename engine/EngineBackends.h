#pragma once

// Inside the engine library only: the two implementations of PdfDocument.

#include "engine/PdfDocument.h"

#include <atomic>

namespace dovrix {

OpenResult openWithMuPdf(const QString& path, const QByteArray& password);
OpenResult openWithQtPdf(const QString& path, const QByteArray& password);

extern std::atomic<int> textLimitMs;
extern std::atomic<int> renderLimitMs;

} // namespace dovrix
