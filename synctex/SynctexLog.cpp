#include "synctex/SynctexLog.h"

namespace dovrix {

// Warnings by default; debug messages when enabled.
Q_LOGGING_CATEGORY(lcSynctex, "dovrix.synctex", QtInfoMsg)

} // namespace dovrix
