#include "app/AppLog.h"

namespace dovrix {

// Warnings by default; debug messages when enabled.
Q_LOGGING_CATEGORY(lcApp, "dovrix.app", QtInfoMsg)

} // namespace dovrix
