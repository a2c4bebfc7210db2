#include "core/PageUnits.h"

#include <algorithm>
#include <cmath>

namespace dovrix {

QSize pagePixelSize(const QSizeF& sizePt, double dpi)
{
    if (!(sizePt.width() > 0) || !(sizePt.height() > 0) || !(dpi > 0))
        return {};
    const auto side = [dpi](double points) {
        return std::max(1, int(std::min(std::trunc(points / PointsPerInch * dpi), 1e9)));
    };
    return QSize(side(sizePt.width()), side(sizePt.height()));
}

bool sameZoom(double a, double b)
{
    return std::abs(a - b) * 1000000000000.0 <= std::min(std::abs(a), std::abs(b));
}

} // namespace dovrix
