#include "app/AppLog.h"

namespace dovrix {

Q_LOGGING_CATEGORY(lcApp, "dovrix.app")

} // namespace dovrix
