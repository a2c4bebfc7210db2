#pragma once

#include <QLoggingCategory>

namespace dovrix {

// Messages of the text library ("dovrix.text"); enable with
// QT_LOGGING_RULES="dovrix.text.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcText)

} // namespace dovrix
