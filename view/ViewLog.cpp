#include "view/ViewLog.h"

namespace dovrix {

// Warnings by default; debug messages when enabled.
Q_LOGGING_CATEGORY(lcView, "dovrix.view", QtInfoMsg)

} // namespace dovrix
