#include "text/TextLog.h"

namespace dovrix {

// Warnings by default; debug messages when enabled.
Q_LOGGING_CATEGORY(lcText, "dovrix.text", QtInfoMsg)

} // namespace dovrix
