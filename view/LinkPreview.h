#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>

namespace dovrix {

// The small frame that shows where an internal link leads: a cut-out of the target page at the
// page view's zoom, placed next to the pointer inside the view. Shows stripes until its picture
// is set. GUI thread only; owned by the page view's viewport widget.
class LinkPreview : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY(LinkPreview)

public:
    // The cut-out's size in logical pixels (smaller when the page image is smaller).
    static constexpr int WidthPx = 380;
    static constexpr int HeightPx = 170;

    explicit LinkPreview(QWidget* parent);

    // The picture to show (device pixels of ratio dpr); a null image shows the placeholder.
    void setPicture(const QImage& image, double dpr);
    QImage picture() const { return shown; }
    bool hasPicture() const { return !shown.isNull(); }
    // The page's paper colour, under the picture (page images have a transparent ground).
    void setPaper(const QColor& colour) { paper = colour; }
    // Places the frame below and right of anchor (viewport pixels), kept inside the parent.
    void placeNear(const QPoint& anchor);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage shown;
    QColor paper = Qt::white;
};

// Where a preview cuts out of a page image of sizePx (logical pixels): a WidthPx × HeightPx
// rectangle that starts a little above and left of target, moved inside the image (and shrunk
// to it when the image is smaller).
QRectF previewArea(const QSizeF& imageSizePx, const QPointF& targetPx);

} // namespace dovrix
