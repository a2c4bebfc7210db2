#pragma once

#include <QLoggingCategory>

namespace dovrix {

// Messages of the ocr library ("dovrix.ocr"); enable with QT_LOGGING_RULES="dovrix.ocr.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcOcr)

} // namespace dovrix
