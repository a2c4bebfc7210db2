#pragma once

#include <QLoggingCategory>

namespace dovrix {

// Messages of the core library ("dovrix.core"); enable with
// QT_LOGGING_RULES="dovrix.core.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcCore)

} // namespace dovrix
