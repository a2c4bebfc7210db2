#pragma once

#include "annotations/Annotation.h"
#include "view/PageTool.h"

#include <QPointer>
#include <QRectF>
#include <QString>

namespace dovrix {

class AnnotationCard;
class AnnotationStore;
class TextLayoutStore;
class TextSelectionTool;

// The annotations of the pages: draws them, opens the card of one on a double-click, and while it
// is the view's active tool (annotation mode) makes new ones from the pointer's gestures (a drag
// over text marks the text, a drag draws a box or an arrow, a click places a note) and opens the
// card of one that is clicked. Without a store it draws and does nothing.
class AnnotationTool : public PageTool
{
    Q_OBJECT
    Q_DISABLE_COPY(AnnotationTool)

public:
    AnnotationTool(PdfViewport* view, TextLayoutStore* text, TextSelectionTool* selection);

    void setStore(AnnotationStore* store);
    // Annotation mode: the tool takes the pointer alone.
    void setActive(bool on);
    bool isActive() const;
    // The kind a gesture makes.
    void setType(AnnotationType type) { kind = type; }
    AnnotationType type() const { return kind; }

    // The annotation's rectangle in page points: the union of its characters' current boxes when
    // it is anchored to text and they are known, else its stored rectangle.
    QRectF annotationRect(const Annotation& annotation) const;
    // Id of the topmost annotation under a page point, or an empty string.
    QString annotationAt(int page, const QPointF& pt) const;
    void openCard(const QString& id);
    void closeCard();
    QString cardId() const { return openCardId; }
    void retranslateCard();

    bool press(const PagePointer& at) override;
    bool move(const PagePointer& at) override;
    bool release(const PagePointer& at) override;
    bool doubleClick(const PagePointer& at) override;
    bool hover(const PagePointer& at, Qt::CursorShape* shape) override;
    bool escape() override;
    void activeChanged(bool on) override;
    void viewMoved() override;
    void reset() override;
    void paintOver(QPainter& p, int page) const override;

Q_SIGNALS:
    void activeToggled(bool on);

private:
    void createAnnotationFromDrag();
    void positionCard();
    void onCardChanged(const Annotation& annotation);
    void onAnnotationRemoved(const QString& id);

    TextLayoutStore* text;
    TextSelectionTool* selection;
    QPointer<AnnotationStore> store;
    AnnotationType kind = AnnotationType::Highlight;
    bool dragging = false;
    int dragPage = -1;
    QPointF dragStart;
    QPointF dragEnd;
    QString openCardId;
    QPointer<AnnotationCard> card;
};

} // namespace dovrix
