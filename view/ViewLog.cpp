#include "view/ViewLog.h"

namespace dovrix {

Q_LOGGING_CATEGORY(lcView, "dovrix.view")

} // namespace dovrix
