#pragma once

#include "annotations/Annotation.h"

#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <functional>

class QIcon;
class QPainter;

namespace dovrix {

// The measures of the annotation drawings for one medium. On screen they are pixels whatever the
// zoom, so that a mark stays a thin line; on paper they are points and scale with the page.
struct AnnotationStyle
{
    double unit = 1.0;             // device pixels per unit of the measures below
    double bandWidth = 2.5;        // underline and strikethrough bands
    double underlineRaise = 2.0;   // top of the underline band above the rectangle's bottom
    double strikeRaise = 1.0;      // top of the strikethrough band above the rectangle's centre
    double frameWidth = 2.0;       // outline of a rectangle
    double arrowWidth = 2.5;       // shaft of an arrow
    double bubbleWrapWidth = 200.; // width the note bubble's text wraps in
    // Dark paper (night page colours): a highlight is laid over the page, since multiplying
    // would darken dark paper further and leave the mark all but invisible.
    bool darkPaper = false;

    static AnnotationStyle screen();
    // Measures in points, on a device of pixelsPerPoint pixels per point.
    static AnnotationStyle paper(double pixelsPerPoint);
};

// Draws annotations, the same shapes on every medium: the page view and the annotated copy both
// paint through it. Geometry is given in page points and mapped to the device by the caller's
// function (the view's zoom and rotation, or the copy's scale).
class AnnotationPainter
{
public:
    using PageToDevice = std::function<QPointF(const QPointF&)>;

    // Note bubbles stay inside boundsPx (device pixels) where they can: the visible part of the
    // view, or the page.
    AnnotationPainter(QPainter& painter, const AnnotationStyle& style, PageToDevice pageToDevice,
                      const QRectF& boundsPx);

    // Draws a over rectPt (page points: the annotation's current place, its stored rect or the
    // union of its characters' boxes) and, when it has text, its note bubble beside it.
    void paint(const Annotation& a, const QRectF& rectPt) const;
    // The device rectangle a covers: rectPt mapped, or its marker for a point-shaped annotation.
    QRectF deviceRect(const Annotation& a, const QRectF& rectPt) const;

private:
    QRectF toDevice(const QRectF& rectPt) const;
    void paintShape(const Annotation& a, const QRectF& rectPt) const;
    void paintBubble(const Annotation& a, const QRectF& besidePx) const;

    QPainter& p;
    AnnotationStyle style;
    PageToDevice map;
    QRectF bounds;
};

// Where an arrow without a head point (pt2 exactly (0, 0)) points: 18 points right of and below
// the bottom-right corner of its rectangle.
QPointF defaultArrowHead(const QRectF& rectPt);
// The arrow's head in page points: pt2, or the default head for rectPt.
QPointF arrowHeadPt(const Annotation& a, const QRectF& rectPt);
// The filled head of an arrow drawn from tail to head (three points, the first at head), its
// sides length long.
QPolygonF arrowHead(const QPointF& tail, const QPointF& head, double length = 12.0);
// Text shown in a note bubble: longer than 200 characters it is cut to 200 and "…" is appended.
QString bubbleText(const QString& text);
// Where a note bubble of the given size goes beside an annotation's device rectangle without
// covering it: to its right, else to its left, else below it, whichever first fits inside
// bounds; to the right when none fits. gap is the space between the two.
QRectF bubbleRect(const QRectF& annotationPx, const QSizeF& bubblePx, const QRectF& boundsPx,
                  double gap = 8.0);

// A small picture of what a type's tool draws, for tool buttons.
QIcon annotationToolIcon(AnnotationType type);

} // namespace dovrix
