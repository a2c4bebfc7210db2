#include "view/DestinationTarget.h"

namespace dovrix {

ViewTarget targetOf(const PdfDestination& destination)
{
    ViewTarget target;
    target.page = destination.page;
    target.zoom = destination.zoom;
    if (destination.kind == PdfDestination::Kind::FitR && !destination.area.isEmpty()) {
        target.show = ViewTarget::Show::Area;
        target.area = destination.area;
    } else if (destination.hasLeft || destination.hasTop) {
        target.show = ViewTarget::Show::Point;
        target.point = destination.point;
        target.hasLeft = destination.hasLeft;
        target.hasTop = destination.hasTop;
    }
    return target;
}

} // namespace dovrix
