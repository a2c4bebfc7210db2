#pragma once

#include <QLoggingCategory>

namespace dovrix {

// Messages of the synctex library ("dovrix.synctex"); enable with
// QT_LOGGING_RULES="dovrix.synctex.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSynctex)

} // namespace dovrix
