#pragma once

#include "engine/PdfDocument.h"
#include "view/ViewGeometry.h"

namespace dovrix {

// Where the view goes for a destination of a link or an outline entry: the point it names (the
// coordinates it leaves open stay open), the area it fits (/FitR), or its page. The zoom is the
// destination's when it sets one.
ViewTarget targetOf(const PdfDestination& destination);

} // namespace dovrix
