#include "ocr/OcrLog.h"

namespace dovrix {

Q_LOGGING_CATEGORY(lcOcr, "dovrix.ocr")

} // namespace dovrix
