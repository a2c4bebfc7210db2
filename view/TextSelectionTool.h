#pragma once

#include "view/PageTool.h"

#include <QList>
#include <QRectF>
#include <QString>

namespace dovrix {

class TextLayoutStore;

// A text range of one page: characters [start, start + length) of the page text; page -1 when
// there is none.
struct TextRange
{
    int page = -1;
    int start = 0;
    int length = 0;
};

// Text selection on the pages: a drag selects from the character pressed to the one reached and
// copies it, a double-click selects a word, select all takes the current page and then the whole
// document. It works on the page's own text layer, or on a page without one (as far as known) on
// its recognised lines, their characters spread over each line box. A drag begun before the
// page's characters are measured completes when they arrive.
class TextSelectionTool : public PageTool
{
    Q_OBJECT
    Q_DISABLE_COPY(TextSelectionTool)

public:
    TextSelectionTool(PdfViewport* view, TextLayoutStore* text);

    TextRange selectionRange() const;
    bool hasSelection() const;
    void clearSelection();
    void copySelectionToClipboard();
    // The selected text when it is known without the worker (recognised text, or page text that
    // is extracted); empty otherwise.
    QString selectedText() const;
    // Select all (Ctrl+A): the text of the current page; when that is selected already, the text of
    // the whole document. A page whose characters are not measured yet is selected once they are.
    void selectAll();
    bool documentSelected() const { return wholeDocument; }

    // What selection works on (see the class comment), for tools that mark text.
    bool usesOcrText(int page) const;
    bool hasSelectableBoxes(int page) const;
    QString selectableText(int page) const;
    QList<QRectF> selectableBoxes(int page) const;
    // Character under a page point (-1 when the page's boxes are not measured or none is near).
    int charIndexAt(int page, const QPointF& pt) const;

    bool press(const PagePointer& at) override;
    bool move(const PagePointer& at) override;
    bool release(const PagePointer& at) override;
    bool doubleClick(const PagePointer& at) override;
    bool hover(const PagePointer& at, Qt::CursorShape* shape) override;
    bool escape() override;
    void reset() override;
    void paintPage(QPainter& p, int page) const override;

Q_SIGNALS:
    void selectionChanged(bool hasSelection);
    // A selection was put on the clipboard.
    void textCopied(int characters);

private:
    void onCharBoxesReady(int page);
    // Where a drag reaches on the page (the line's end past a short line), -1 when nowhere.
    int selectionIndexAt(int page, const QPointF& pt) const;
    void selectWordAt(int page, const QPointF& pt);
    void selectWholePage(int page);
    // The text of every page in order, once all are extracted; copying waits for them.
    void copyDocumentWhenTextIsIn();
    void repaint() const;

    TextLayoutStore* text;
    bool pressed = false;
    int pointerPage = -1;
    QPointF pointerPoint;
    int selPage = -1;
    int anchor = -1;
    int cursor = -1;
    QPointF pressPoint;
    QPointF lastPoint;
    bool selectionPending = false;
    bool selectPagePending = false; // select all waits for the page's characters
    bool wholeDocument = false;     // select all, twice: every page
    bool documentCopyPending = false;
};

} // namespace dovrix
