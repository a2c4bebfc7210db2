#pragma once

#include <QLoggingCategory>

namespace dovrix {

// Messages of the app library ("dovrix.app"); enable with QT_LOGGING_RULES="dovrix.app.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcApp)

} // namespace dovrix
