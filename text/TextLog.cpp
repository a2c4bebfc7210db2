#include "text/TextLog.h"

namespace dovrix {

Q_LOGGING_CATEGORY(lcText, "dovrix.text")

} // namespace dovrix
