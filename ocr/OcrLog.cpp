#include "ocr/OcrLog.h"

namespace dovrix {

// Warnings by default; debug messages when enabled.
Q_LOGGING_CATEGORY(lcOcr, "dovrix.ocr", QtInfoMsg)

} // namespace dovrix
