#include "annotations/AnnotationPainter.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <utility>

namespace dovrix {

namespace {

constexpr int BubbleChars = 200;
constexpr double NoteRadius = 7.0;
constexpr double HeadLength = 12.0;

QColor withAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

} // namespace

AnnotationStyle AnnotationStyle::screen()
{
    return AnnotationStyle{};
}

AnnotationStyle AnnotationStyle::paper(double pixelsPerPoint)
{
    AnnotationStyle style;
    style.unit = pixelsPerPoint;
    style.bandWidth = 1.5;
    style.underlineRaise = 1.0;
    style.strikeRaise = 0.75;
    style.frameWidth = 1.5;
    style.arrowWidth = 2.0;
    style.bubbleWrapWidth = 150.0;
    return style;
}

AnnotationPainter::AnnotationPainter(QPainter& painter, const AnnotationStyle& annotationStyle,
                                     PageToDevice pageToDevice, const QRectF& boundsPx)
    : p(painter), style(annotationStyle), map(std::move(pageToDevice)), bounds(boundsPx)
{
}

QRectF AnnotationPainter::toDevice(const QRectF& rectPt) const
{
    return QRectF(map(rectPt.topLeft()), map(rectPt.bottomRight())).normalized();
}

QRectF AnnotationPainter::deviceRect(const Annotation& a, const QRectF& rectPt) const
{
    if (annotationTypeInfo(a.type).shape != AnnotationShape::Point)
        return toDevice(rectPt);
    const double r = NoteRadius * style.unit;
    return QRectF(map(rectPt.topLeft()) - QPointF(r, r), QSizeF(2 * r, 2 * r));
}

void AnnotationPainter::paint(const Annotation& a, const QRectF& rectPt) const
{
    paintShape(a, rectPt);
    if (!a.text.isEmpty())
        paintBubble(a, deviceRect(a, rectPt));
}

void AnnotationPainter::paintShape(const Annotation& a, const QRectF& rectPt) const
{
    const double u = style.unit;
    const QRectF v = toDevice(rectPt);
    const QColor& color = a.color;
    p.save();
    // No default: a new type without its drawing is a compiler warning here.
    switch (a.type) {
    case AnnotationType::Highlight:
        if (style.darkPaper) {
            // Light ink on dark paper stays lighter than the tinted paper around it.
            p.fillRect(v, withAlpha(color, 120));
            break;
        }
        // Multiplied, so that the text under it stays dark.
        p.setCompositionMode(QPainter::CompositionMode_Multiply);
        p.fillRect(v, withAlpha(color, 150));
        break;
    case AnnotationType::Underline:
        p.fillRect(
            QRectF(v.left(), v.bottom() - style.underlineRaise * u, v.width(), style.bandWidth * u),
            color);
        break;
    case AnnotationType::Strikethrough:
        p.fillRect(QRectF(v.left(), v.center().y() - style.strikeRaise * u, v.width(),
                          style.bandWidth * u),
                   color);
        break;
    case AnnotationType::Note: {
        // A round marker with an exclamation mark.
        const QPointF at = map(rectPt.topLeft());
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(color.darker(140), 1.5 * u, Qt::SolidLine));
        p.setBrush(color);
        p.drawEllipse(at, NoteRadius * u, NoteRadius * u);
        p.setPen(QPen(QColor(58, 46, 0), 1.5 * u));
        p.drawLine(QPointF(at.x(), at.y() - 3.5 * u), QPointF(at.x(), at.y() + 1 * u));
        p.drawPoint(QPointF(at.x(), at.y() + 3.5 * u));
        break;
    }
    case AnnotationType::Rectangle:
        p.setPen(QPen(color, style.frameWidth * u, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(v);
        break;
    case AnnotationType::Arrow: {
        const QPointF tail = map(rectPt.topLeft());
        const QPointF head = map(arrowHeadPt(a, rectPt));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(color, style.arrowWidth * u, Qt::SolidLine));
        p.drawLine(tail, head);
        if (tail != head) {
            p.setBrush(color);
            p.drawPolygon(arrowHead(tail, head, HeadLength * u));
        }
        break;
    }
    }
    p.restore();
}

void AnnotationPainter::paintBubble(const Annotation& a, const QRectF& besidePx) const
{
    const double u = style.unit;
    const QString shown = bubbleText(a.text);
    p.save();
    QFont font = p.font();
    font.setPointSizeF(9);
    p.setFont(font);
    const QRectF textBox = p.fontMetrics().boundingRect(
        QRect(0, 0, int(style.bubbleWrapWidth * u), 1000000), Qt::TextWordWrap, shown);
    const QRectF bubble = bubbleRect(
        besidePx, QSizeF(textBox.width() + 14 * u, textBox.height() + 10 * u), bounds, 8 * u);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(a.color, 1.2 * u, Qt::SolidLine));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(bubble, 5 * u, 5 * u);
    p.setPen(QColor(38, 42, 48));
    p.drawText(bubble.adjusted(7 * u, 5 * u, -7 * u, -5 * u),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
    p.restore();
}

QPointF defaultArrowHead(const QRectF& rectPt)
{
    return rectPt.bottomRight() + QPointF(18, 18);
}

QPointF arrowHeadPt(const Annotation& a, const QRectF& rectPt)
{
    return a.pt2 == QPointF(0, 0) ? defaultArrowHead(rectPt) : a.pt2;
}

QPolygonF arrowHead(const QPointF& tail, const QPointF& head, double length)
{
    const double a = std::atan2(head.y() - tail.y(), head.x() - tail.x());
    return QPolygonF({head, head - length * QPointF(std::cos(a - 0.45), std::sin(a - 0.45)),
                      head - length * QPointF(std::cos(a + 0.45), std::sin(a + 0.45))});
}

QString bubbleText(const QString& text)
{
    if (text.size() <= BubbleChars)
        return text;
    // Never split a surrogate pair: the half would paint as a replacement box.
    const int cut = text.at(BubbleChars - 1).isHighSurrogate() ? BubbleChars - 1 : BubbleChars;
    return text.left(cut) + QChar(0x2026);
}

QRectF bubbleRect(const QRectF& annotationPx, const QSizeF& bubblePx, const QRectF& boundsPx,
                  double gap)
{
    const QRectF& a = annotationPx;
    const QRectF right(QPointF(a.right() + gap, a.top()), bubblePx);
    const QRectF left(QPointF(a.left() - gap - bubblePx.width(), a.top()), bubblePx);
    const QRectF below(QPointF(a.left(), a.bottom() + gap), bubblePx);
    for (const QRectF& r : {right, left, below}) {
        if (boundsPx.contains(r))
            return r;
    }
    return right;
}

QIcon annotationToolIcon(AnnotationType type)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(38, 42, 48);
    const QColor marker(214, 160, 0);
    const QColor fill(DefaultAnnotationRgb);
    // Text-marking kinds show letters with their mark; the others their shape alone.
    switch (type) {
    case AnnotationType::Highlight:
        p.fillRect(QRectF(1, 4, 18, 11), fill);
        break;
    case AnnotationType::Underline:
    case AnnotationType::Strikethrough:
        break;
    case AnnotationType::Note:
        p.setPen(QPen(marker.darker(140), 1.5));
        p.setBrush(fill);
        p.drawEllipse(QPointF(10, 10), 7, 7);
        p.setPen(QPen(QColor(58, 46, 0), 1.8));
        p.drawLine(QPointF(10, 6), QPointF(10, 11));
        p.drawPoint(QPointF(10, 14));
        return QIcon(pixmap);
    case AnnotationType::Rectangle:
        p.setPen(QPen(ink, 1.5, Qt::DashLine));
        p.drawRect(QRectF(3, 4, 14, 12));
        return QIcon(pixmap);
    case AnnotationType::Arrow:
        p.setPen(QPen(ink, 1.8));
        p.setBrush(ink);
        p.drawLine(QPointF(3, 17), QPointF(14, 6));
        p.drawPolygon(QPolygonF({QPointF(17, 3), QPointF(9, 5), QPointF(15, 11)}));
        return QIcon(pixmap);
    }
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(2, 3, 16, 12), Qt::AlignCenter, QStringLiteral("ab"));
    if (type == AnnotationType::Underline)
        p.fillRect(QRectF(2, 16, 16, 2), marker);
    else if (type == AnnotationType::Strikethrough)
        p.fillRect(QRectF(2, 9, 16, 2), marker);
    return QIcon(pixmap);
}

} // namespace dovrix
