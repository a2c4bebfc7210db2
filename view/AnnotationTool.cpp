#include "view/AnnotationTool.h"

#include "annotations/AnnotationPainter.h"
#include "annotations/AnnotationStore.h"
#include "core/PdfWorker.h"
#include "text/TextLayoutStore.h"
#include "view/AnnotationCard.h"
#include "view/PdfViewport.h"
#include "view/TextSelectionTool.h"

#include <QPainter>
#include <QScrollBar>

namespace dovrix {

namespace {
const QColor OutlineColor(47, 111, 237);

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

AnnotationShape shapeOf(AnnotationType type)
{
    return annotationTypeInfo(type).shape;
}
} // namespace

AnnotationTool::AnnotationTool(PdfViewport* view, TextLayoutStore* textStore,
                               TextSelectionTool* selectionTool)
    : PageTool(view), text(textStore), selection(selectionTool)
{
}

void AnnotationTool::setStore(AnnotationStore* annotationStore)
{
    if (store == annotationStore)
        return;
    if (store) {
        disconnect(store, nullptr, this, nullptr);
        closeCard();
    }
    store = annotationStore;
    if (store) {
        connect(store, &AnnotationStore::annotationAdded, this,
                [this] { view()->viewport()->update(); });
        connect(store, &AnnotationStore::annotationUpdated, this, [this] {
            positionCard();
            view()->viewport()->update();
        });
        connect(store, &AnnotationStore::annotationRemoved, this,
                &AnnotationTool::onAnnotationRemoved);
    }
    view()->viewport()->update();
}

void AnnotationTool::setActive(bool on)
{
    if (on == isActive())
        return;
    view()->setActiveTool(on ? this : nullptr);
}

bool AnnotationTool::isActive() const
{
    return view()->activeTool() == this;
}

void AnnotationTool::activeChanged(bool on)
{
    if (!on) {
        closeCard();
        dragging = false;
    }
    view()->setPointerShape(on ? Qt::CrossCursor : Qt::ArrowCursor);
    Q_EMIT activeToggled(on);
    view()->viewport()->update();
}

void AnnotationTool::reset()
{
    closeCard();
    dragging = false;
    dragPage = -1;
}

bool AnnotationTool::escape()
{
    if (dragging) {
        dragging = false;
        view()->viewport()->update();
    } else if (card) {
        selection->clearSelection();
        closeCard();
    } else {
        return false;
    }
    return true;
}

QRectF AnnotationTool::annotationRect(const Annotation& a) const
{
    if (a.isTextAnchored() && text && text->hasCharBoxes(a.page)) {
        const QRectF u = unitedBoxes(text->charBoxes(a.page), a.start, a.length);
        if (u.isValid())
            return u;
    }
    return a.rect;
}

QString AnnotationTool::annotationAt(int page, const QPointF& pt) const
{
    if (!store)
        return {};
    const QList<Annotation> list = store->annotationsOnPage(page);
    for (auto it = list.crbegin(); it != list.crend(); ++it) {
        const Annotation& a = *it;
        const AnnotationShape shape = shapeOf(a.type);
        if (shape == AnnotationShape::Point) {
            if (QLineF(pt, a.rect.topLeft()).length() < 12)
                return a.id;
        } else if (shape == AnnotationShape::Line) {
            // The head is where the arrow is drawn: pt2, or the default head when it is unset.
            const QPointF tail = a.rect.topLeft();
            const QPointF head = arrowHeadPt(a, annotationRect(a));
            const double len = QLineF(tail, head).length();
            const QPointF mid = (tail + head) / 2.0;
            const double toMid = QLineF(pt, mid).length();
            if (QLineF(pt, tail).length() < 6 || QLineF(pt, head).length() < 6
                || (toMid < len / 2.0 && toMid < 8))
                return a.id;
        } else if (annotationRect(a).adjusted(-3, -3, 3, 3).contains(pt)) {
            return a.id;
        }
    }
    return {};
}

bool AnnotationTool::press(const PagePointer& at)
{
    // Gestures are for annotation mode; browsing, a double-click opens a card.
    if (!isActive())
        return false;
    if (at.page >= 0 && store) {
        const QString hit = annotationAt(at.page, at.point);
        if (!hit.isEmpty()) {
            openCard(hit);
        } else {
            dragging = true;
            dragPage = at.page;
            dragStart = dragEnd = at.point;
            view()->viewport()->update();
        }
    }
    return true;
}

bool AnnotationTool::move(const PagePointer& at)
{
    if (!dragging)
        return false;
    if (at.page == dragPage) {
        dragEnd = at.point;
        view()->viewport()->update();
    }
    return true;
}

bool AnnotationTool::release(const PagePointer&)
{
    if (!dragging)
        return isActive();
    dragging = false;
    createAnnotationFromDrag();
    view()->viewport()->update();
    return true;
}

bool AnnotationTool::doubleClick(const PagePointer& at)
{
    // In annotation mode the second press of a double-click is a gesture like any other press.
    if (isActive())
        return press(at);
    if (at.page < 0)
        return true;
    const QString hit = annotationAt(at.page, at.point);
    if (hit.isEmpty())
        return false;
    openCard(hit);
    return true;
}

bool AnnotationTool::hover(const PagePointer&, Qt::CursorShape* shape)
{
    if (!isActive())
        return false;
    *shape = Qt::CrossCursor;
    return true;
}

void AnnotationTool::createAnnotationFromDrag()
{
    if (!store || dragPage < 0)
        return;
    Annotation a;
    a.type = kind;
    a.page = dragPage;
    a.color = QColor(annotationTypeInfo(kind).newColor);
    const QRectF d = QRectF(dragStart, dragEnd).normalized();
    bool useRect = false;
    switch (shapeOf(kind)) {
    case AnnotationShape::TextMarks: {
        const bool haveBoxes = selection->hasSelectableBoxes(dragPage);
        const int s = haveBoxes ? selection->charIndexAt(dragPage, dragStart) : -1;
        const int e = haveBoxes ? selection->charIndexAt(dragPage, dragEnd) : -1;
        if (s >= 0 && e >= 0 && s != e && selection->usesOcrText(dragPage)) {
            // Recognised text has no place in the PDF's character index: the selected part of
            // every line box becomes an annotation on that rectangle.
            QString last;
            for (const QRectF& run : selectionRuns(selection->selectableBoxes(dragPage),
                                                   std::min(s, e), std::max(s, e))) {
                Annotation part = a;
                part.rect = run;
                last = store->add(part);
            }
            if (!last.isEmpty())
                openCard(last);
            return;
        }
        if (s >= 0 && e >= 0 && s != e) {
            a.start = std::min(s, e);
            a.length = std::max(s, e) - a.start + 1;
            a.byText = true;
            a.rect = unitedBoxes(text->charBoxes(dragPage), a.start, a.length);
            // The words themselves let the anchor be found again in another page text.
            a.quote = text->pageText(dragPage).mid(a.start, a.length);
        } else {
            if (!haveBoxes && text) {
                text->requestQuickBoxes(dragPage, JobPriority::ShownPageText);
                text->requestCharBoxes(dragPage, JobPriority::TextLayout);
            }
            useRect = true;
        }
        break;
    }
    case AnnotationShape::Line:
        if (QLineF(dragStart, dragEnd).length() < 5)
            return;
        a.rect = QRectF(dragStart, QSizeF(0, 0));
        a.pt2 = dragEnd;
        break;
    case AnnotationShape::Point:
        a.rect = QRectF(dragEnd, QSizeF(0, 0));
        break;
    case AnnotationShape::Box:
        useRect = true;
        break;
    }
    if (useRect) {
        if (d.width() < 3 && d.height() < 3)
            return;
        a.rect = d;
    }
    const QString id = store->add(a);
    if (!id.isEmpty())
        openCard(id);
}

void AnnotationTool::openCard(const QString& id)
{
    if (!store)
        return;
    const Annotation* found = store->find(id);
    if (!found)
        return;
    const Annotation copy = *found;
    closeCard();
    openCardId = id;
    QWidget* viewport = view()->viewport();
    card = new AnnotationCard(copy, viewport);
    connect(card, &AnnotationCard::changed, this, &AnnotationTool::onCardChanged);
    connect(card, &AnnotationCard::deleted, store.data(), &AnnotationStore::remove);
    connect(card, &AnnotationCard::closed, this, &AnnotationTool::closeCard);
    card->setMaximumHeight(viewport->height() / 3);
    card->adjustSize();
    positionCard();
    card->show();
    card->raise();
    viewport->update();
}

void AnnotationTool::closeCard()
{
    if (!card && openCardId.isEmpty())
        return;
    if (card) {
        card->hide();
        // Deferred: the card may be closing itself from one of its own signals.
        card->deleteLater();
        card = nullptr;
    }
    openCardId.clear();
    view()->viewport()->update();
}

void AnnotationTool::viewMoved()
{
    positionCard();
}

void AnnotationTool::positionCard()
{
    if (!card || !store)
        return;
    const Annotation* a = store->find(openCardId);
    if (!a)
        return;
    const PdfViewport* v = view();
    const QPointF m = v->pageToView(a->page, annotationRect(*a).center());
    int x = std::min(v->viewport()->width() - card->width() - 4,
                     toContentPx(m.x() - v->horizontalScrollBar()->value()) + 14);
    int y = std::min(v->viewport()->height() - (card->height() + 4),
                     toContentPx(m.y() - v->verticalScrollBar()->value()) + 10);
    if (x < 5)
        x = 4;
    if (y < 5)
        y = 4;
    card->move(x, y);
}

void AnnotationTool::onCardChanged(const Annotation& annotation)
{
    if (!store)
        return;
    Annotation a = annotation;
    if (shapeOf(a.type) == AnnotationShape::Line && a.pt2 == QPointF(0, 0))
        a.pt2 = defaultArrowHead(a.rect);
    store->update(a);
    view()->viewport()->update();
}

void AnnotationTool::onAnnotationRemoved(const QString& id)
{
    if (id == openCardId)
        closeCard();
    view()->viewport()->update();
}

void AnnotationTool::retranslateCard()
{
    if (card)
        card->retranslate();
}

void AnnotationTool::paintOver(QPainter& p, int page) const
{
    const ViewGeometry& geo = view()->viewGeometry();
    if (store) {
        const QRectF visible(view()->contentPos(QPointF(0, 0)), QSizeF(view()->viewport()->size()));
        AnnotationStyle style = AnnotationStyle::screen();
        style.darkPaper = pageColoursInfo(view()->effectiveColours()).darkPaper;
        const AnnotationPainter painter(
            p, style, [&geo, page](const QPointF& pt) { return geo.pageToView(page, pt); },
            visible);
        const QList<Annotation> list = store->annotationsOnPage(page);
        for (const Annotation& a : list) {
            const QRectF rect = annotationRect(a);
            painter.paint(a, rect);
            if (a.id == openCardId && shapeOf(a.type) != AnnotationShape::Point) {
                p.save();
                p.setPen(QPen(OutlineColor, 1.5, Qt::DotLine));
                p.setBrush(Qt::NoBrush);
                p.drawRect(painter.deviceRect(a, rect).adjusted(-3, -3, 3, 3));
                p.restore();
            }
        }
    }

    if (dragging && dragPage == page) {
        const QPointF p1 = geo.pageToView(page, dragStart);
        const QPointF p2 = geo.pageToView(page, dragEnd);
        p.save();
        p.setPen(QPen(withAlpha(OutlineColor, 160), 1.5, Qt::DashLine));
        p.setBrush(withAlpha(OutlineColor, 30));
        if (shapeOf(kind) == AnnotationShape::Line) {
            p.drawLine(p1, p2);
        } else if (shapeOf(kind) == AnnotationShape::Point) {
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(p2, 7, 7);
        } else {
            p.drawRect(QRectF(p1, p2).normalized());
        }
        p.restore();
    }
}

} // namespace dovrix
