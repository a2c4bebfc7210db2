#include "view/LinkPreview.h"

#include "theme/ThemePalette.h"

#include <QPainter>

#include <algorithm>

namespace dovrix {

namespace {
// The link target sits this far from the cut-out's top-left corner, so that the line it points
// at is not glued to the edge.
constexpr double LeadX = 24.0;
constexpr double LeadY = 14.0;
constexpr int Frame = 2;
constexpr int PointerGap = 16;
} // namespace

QRectF previewArea(const QSizeF& imageSizePx, const QPointF& targetPx)
{
    const double w = std::min<double>(LinkPreview::WidthPx, imageSizePx.width());
    const double h = std::min<double>(LinkPreview::HeightPx, imageSizePx.height());
    const double x = std::clamp(targetPx.x() - LeadX, 0.0, imageSizePx.width() - w);
    const double y = std::clamp(targetPx.y() - LeadY, 0.0, imageSizePx.height() - h);
    return {x, y, w, h};
}

LinkPreview::LinkPreview(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("linkPreview"));
    setAttribute(Qt::WA_TransparentForMouseEvents); // the pointer keeps talking to the page view
    resize(LinkPreview::WidthPx + 2 * Frame, LinkPreview::HeightPx + 2 * Frame);
    hide();
}

void LinkPreview::setPicture(const QImage& image, double dpr)
{
    shown = image;
    if (!shown.isNull()) {
        shown.setDevicePixelRatio(dpr);
        resize((shown.deviceIndependentSize() + QSizeF(2 * Frame, 2 * Frame)).toSize());
    }
    update();
}

void LinkPreview::placeNear(const QPoint& anchor)
{
    const QWidget* area = parentWidget();
    int x = anchor.x() + PointerGap;
    int y = anchor.y() + PointerGap;
    if (area) {
        // Above the pointer when there is no room below, and never past the right edge.
        if (y + height() > area->height())
            y = anchor.y() - PointerGap - height();
        x = std::clamp(x, 0, std::max(0, area->width() - width()));
        y = std::max(0, y);
    }
    move(x, y);
}

void LinkPreview::paintEvent(QPaintEvent*)
{
    const ThemePalette palette = themePalette(currentTheme());
    QPainter p(this);
    p.fillRect(rect(), QColor(palette.accent));
    const QRect inner = rect().adjusted(Frame, Frame, -Frame, -Frame);
    if (!shown.isNull()) {
        p.fillRect(QRect(inner.topLeft(), shown.deviceIndependentSize().toSize()), paper);
        p.drawImage(inner.topLeft(), shown);
        return;
    }
    p.fillRect(inner, QColor(palette.panel2));
}

} // namespace dovrix
