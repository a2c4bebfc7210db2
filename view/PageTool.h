#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

class QPainter;

namespace dovrix {

class PdfViewport;

// Where the pointer is for a tool: viewport pixels, content pixels (viewport plus scroll), and
// the page under it (-1 when none) with the point in that page's points ((0, 0) off the pages).
struct PagePointer
{
    QPointF viewportPos;
    QPointF contentPos;
    int page = -1;
    QPointF point;
    Qt::KeyboardModifiers modifiers;
    // The left button is down and went more than 4 pixels from where it was pressed: a drag, not
    // a click (it stays a drag until the release).
    bool moved = false;
};

// One way of working on the pages of a view (selecting text, following links, annotating, filling
// a form). The view keeps layout, scrolling and the paint order and hands its tools the pointer
// (left button only; the others scroll the view), the Escape key and the layers they paint:
// without an active tool its tools are asked in turn, the one added last first, until one takes
// the event; an active tool (PdfViewport::setActiveTool) takes the pointer alone. Every tool
// paints, active or not. GUI thread only.
class PageTool : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(PageTool)

public:
    // The tool joins the view (its parent) and leaves it when destroyed.
    explicit PageTool(PdfViewport* view);
    ~PageTool() override;

    // True when the tool took the event.
    virtual bool press(const PagePointer&) { return false; }
    // A move: taken by a tool that is in the middle of a gesture.
    virtual bool move(const PagePointer&) { return false; }
    virtual bool release(const PagePointer&) { return false; }
    virtual bool doubleClick(const PagePointer&) { return false; }
    // A move no tool took: true and the pointer's shape when it is over a part of this tool.
    virtual bool hover(const PagePointer&, Qt::CursorShape*) { return false; }
    // The pointer hovers no longer over this tool's parts: it left the view, a button went down,
    // the view scrolled, or another tool claimed it.
    virtual void leave() {}
    // One step of the Escape key: lets go of what the tool holds; false when it held nothing.
    virtual bool escape() { return false; }
    // The view became or stopped being the tool's alone (see PdfViewport::setActiveTool).
    virtual void activeChanged(bool) {}
    // The view moved its pages on the screen (scroll, zoom, rotation, layout, resize): what the
    // tool placed on the viewport follows.
    virtual void viewMoved() {}
    // The view shows another document, or the same one read again.
    virtual void reset() {}
    // Layers, in content pixels: over one page's image and search hits, and over all pages after
    // every page is drawn (a note's label may reach onto the next page).
    virtual void paintPage(QPainter&, int) const {}
    virtual void paintOver(QPainter&, int) const {}

    PdfViewport* view() const;

private:
    QPointer<PdfViewport> pageView;
};

} // namespace dovrix
