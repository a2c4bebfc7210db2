#include "annotations/AnnotationsLog.h"

namespace dovrix {

Q_LOGGING_CATEGORY(lcAnnotations, "dovrix.annotations")

} // namespace dovrix
