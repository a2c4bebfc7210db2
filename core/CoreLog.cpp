#include "core/CoreLog.h"

namespace dovrix {

Q_LOGGING_CATEGORY(lcCore, "dovrix.core")

} // namespace dovrix
