#pragma once

#include "engine/PdfDocument.h"

#include <QString>

namespace dovrix {

// The window's words for the outcomes the layers below report as values.

// Why a document did not open.
QString outcomeText(OpenOutcome failure);

} // namespace dovrix
