#include "core/CoreLog.h"

namespace dovrix {

// Warnings by default; debug messages when enabled.
Q_LOGGING_CATEGORY(lcCore, "dovrix.core", QtInfoMsg)

} // namespace dovrix
