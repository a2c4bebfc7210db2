#pragma once

#include <QLoggingCategory>

namespace dovrix {

// Messages of the view library ("dovrix.view"); enable with
// QT_LOGGING_RULES="dovrix.view.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcView)

} // namespace dovrix
