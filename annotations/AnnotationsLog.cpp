#include "annotations/AnnotationsLog.h"

namespace dovrix {

// Warnings by default; debug messages when enabled.
Q_LOGGING_CATEGORY(lcAnnotations, "dovrix.annotations", QtInfoMsg)

} // namespace dovrix
