#include "synctex/SynctexLog.h"

namespace dovrix {

Q_LOGGING_CATEGORY(lcSynctex, "dovrix.synctex")

} // namespace dovrix
