#pragma once

#include <QLoggingCategory>

namespace dovrix {

// Messages of the annotations library ("dovrix.annotations"); enable with
// QT_LOGGING_RULES="dovrix.annotations.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcAnnotations)

} // namespace dovrix
