#include "view/TextSelectionTool.h"

#include "core/PdfWorker.h"
#include "text/TextExport.h"
#include "text/TextLayoutStore.h"
#include "view/OcrTextGeometry.h"
#include "view/PdfViewport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

namespace dovrix {

namespace {
const QColor SelectionColor(47, 111, 237, 70);
} // namespace

TextSelectionTool::TextSelectionTool(PdfViewport* view, TextLayoutStore* textStore)
    : PageTool(view), text(textStore)
{
    if (text) {
        connect(text, &TextLayoutStore::charBoxesReady, this, &TextSelectionTool::onCharBoxesReady);
        connect(text, &TextLayoutStore::pageTextReady, this, [this] {
            if (documentCopyPending)
                copyDocumentWhenTextIsIn();
        });
    }
}

void TextSelectionTool::repaint() const
{
    view()->viewport()->update();
}

void TextSelectionTool::reset()
{
    clearSelection();
    pressed = false;
}

TextRange TextSelectionTool::selectionRange() const
{
    if (!hasSelection())
        return {};
    return {selPage, std::min(anchor, cursor), std::abs(cursor - anchor) + 1};
}

bool TextSelectionTool::hasSelection() const
{
    return selPage >= 0 && anchor >= 0 && cursor >= 0 && anchor != cursor;
}

void TextSelectionTool::clearSelection()
{
    if (selPage < 0 && anchor < 0 && cursor < 0 && !selectionPending && !selectPagePending
        && !wholeDocument)
        return;
    selPage = -1;
    anchor = -1;
    cursor = -1;
    selectionPending = false;
    selectPagePending = false;
    wholeDocument = false;
    documentCopyPending = false;
    Q_EMIT selectionChanged(false);
    repaint();
}

bool TextSelectionTool::escape()
{
    if (!hasSelection())
        return false;
    clearSelection();
    return true;
}

void TextSelectionTool::selectAll()
{
    if (!text || view()->pageCount() <= 0)
        return;
    const int page = view()->currentPage();
    const TextRange range = selectionRange();
    if (!wholeDocument && range.page == page && range.start == 0
        && range.length >= selectableText(page).size()) {
        wholeDocument = true;
        Q_EMIT selectionChanged(true);
        repaint();
        return;
    }
    pressed = false;
    wholeDocument = false;
    documentCopyPending = false;
    selectionPending = false;
    selPage = page;
    anchor = cursor = -1;
    selectPagePending = !hasSelectableBoxes(page);
    if (selectPagePending)
        text->requestCharBoxes(page, JobPriority::ShownPageText);
    else
        selectWholePage(page);
    repaint();
}

void TextSelectionTool::selectWholePage(int page)
{
    selectPagePending = false;
    selPage = page;
    anchor = 0;
    cursor = int(selectableText(page).size()) - 1;
    Q_EMIT selectionChanged(hasSelection());
    repaint();
}

void TextSelectionTool::copyDocumentWhenTextIsIn()
{
    documentCopyPending = false;
    if (!wholeDocument || !text)
        return;
    QStringList pages;
    for (int page = 0; page < view()->pageCount(); ++page) {
        if (!text->hasPageText(page)) {
            // Extracted on the worker like a search's pages; the copy follows the last of them.
            text->requestPageText(page, JobPriority::TextLayout);
            documentCopyPending = true;
        } else if (!documentCopyPending) {
            pages.append(selectableText(page));
        }
    }
    if (documentCopyPending)
        return;
    const QString copied = textForClipboard(pages.join(QLatin1Char('\n')));
    if (copied.trimmed().isEmpty())
        return;
    QGuiApplication::clipboard()->setText(copied, QClipboard::Clipboard);
    Q_EMIT textCopied(int(copied.size()));
}

void TextSelectionTool::copySelectionToClipboard()
{
    if (wholeDocument) {
        copyDocumentWhenTextIsIn();
        return;
    }
    const QString copied = selectedText();
    if (copied.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(copied, QClipboard::Clipboard);
    Q_EMIT textCopied(int(copied.size()));
}

QString TextSelectionTool::selectedText() const
{
    if (!hasSelection() || !text)
        return {};
    const TextRange range = selectionRange();
    return textForClipboard(selectableText(range.page).mid(range.start, range.length));
}

bool TextSelectionTool::usesOcrText(int page) const
{
    if (!text)
        return false;
    const OcrPageText* ocr = text->ocrResult(page);
    return ocr && !ocr->lines.isEmpty() && !(text->hasPageText(page) && text->hasTextLayer(page));
}

bool TextSelectionTool::hasSelectableBoxes(int page) const
{
    return text && (usesOcrText(page) || text->hasCharBoxes(page));
}

QString TextSelectionTool::selectableText(int page) const
{
    if (!text)
        return {};
    return usesOcrText(page) ? text->ocrResult(page)->text : text->pageText(page);
}

QList<QRectF> TextSelectionTool::selectableBoxes(int page) const
{
    if (!text)
        return {};
    return usesOcrText(page) ? ocrCharBoxes(*text->ocrResult(page)) : text->charBoxes(page);
}

int TextSelectionTool::charIndexAt(int page, const QPointF& pt) const
{
    if (!hasSelectableBoxes(page))
        return -1;
    return dovrix::charIndexAt(selectableBoxes(page), pt);
}

int TextSelectionTool::selectionIndexAt(int page, const QPointF& pt) const
{
    if (!hasSelectableBoxes(page))
        return -1;
    return dovrix::selectionIndexAt(selectableBoxes(page), pt);
}

void TextSelectionTool::onCharBoxesReady(int page)
{
    if (selectPagePending && page == selPage) {
        selectWholePage(page);
    } else if (pressed && page == pointerPage && page == selPage) {
        if (anchor < 0)
            anchor = selectionIndexAt(page, pressPoint);
        if (cursor < 0)
            cursor = selectionIndexAt(page, pointerPoint);
        if (cursor < 0)
            cursor = anchor;
    } else if (selectionPending && page == selPage) {
        selectionPending = false;
        anchor = selectionIndexAt(page, pressPoint);
        cursor = selectionIndexAt(page, lastPoint);
        if (hasSelection()) {
            Q_EMIT selectionChanged(true);
            copySelectionToClipboard();
        }
    }
    repaint();
}

void TextSelectionTool::selectWordAt(int page, const QPointF& pt)
{
    if (!hasSelectableBoxes(page))
        return;
    const int index = charIndexAt(page, pt);
    if (index < 0)
        return;
    const QPair<int, int> word = wordRange(selectableText(page), index);
    if (word.first < 0)
        return;
    selPage = page;
    anchor = word.first;
    cursor = word.second;
    selectionPending = false;
    Q_EMIT selectionChanged(true);
    repaint();
}

bool TextSelectionTool::press(const PagePointer& at)
{
    pressed = true;
    pointerPage = at.page;
    pointerPoint = at.point;
    selPage = at.page;
    anchor = cursor = -1;
    selectionPending = false;
    selectPagePending = false;
    wholeDocument = false;
    documentCopyPending = false;
    pressPoint = lastPoint = at.point;
    if (at.page >= 0 && text) {
        if (hasSelectableBoxes(at.page)) {
            anchor = cursor = selectionIndexAt(at.page, at.point);
        } else {
            text->requestQuickBoxes(at.page, JobPriority::ShownPageText);
            text->requestCharBoxes(at.page, JobPriority::TextLayout);
        }
    }
    repaint();
    return true;
}

bool TextSelectionTool::move(const PagePointer& at)
{
    if (!pressed)
        return false;
    if (at.page < 0)
        return true;
    pointerPage = at.page;
    pointerPoint = at.point;
    if (at.page != selPage)
        return true;
    if (!hasSelectableBoxes(at.page)) {
        // Remembered so that a drag finished before the boxes arrive completes to this point.
        lastPoint = pointerPoint;
        return true;
    }
    const int h = selectionIndexAt(at.page, pointerPoint);
    if (h >= 0) {
        if (anchor < 0)
            anchor = h;
        cursor = h;
        lastPoint = pointerPoint;
    }
    repaint();
    return true;
}

bool TextSelectionTool::release(const PagePointer& at)
{
    // The release that ends a double-click has no press of its own: it must not undo the word.
    if (!pressed)
        return false;
    pressed = false;
    if (at.moved) {
        if (hasSelection()) {
            Q_EMIT selectionChanged(true);
            copySelectionToClipboard();
        } else if (selPage >= 0 && text && !hasSelectableBoxes(selPage)) {
            selectionPending = true;
        }
    } else {
        clearSelection();
    }
    repaint();
    return true;
}

bool TextSelectionTool::doubleClick(const PagePointer& at)
{
    if (at.page < 0)
        return true;
    pressed = false;
    selectWordAt(at.page, at.point);
    return true;
}

bool TextSelectionTool::hover(const PagePointer& at, Qt::CursorShape* shape)
{
    if (at.page < 0 || !text)
        return false;
    const QList<QRectF> boxes =
        usesOcrText(at.page) ? selectableBoxes(at.page) : text->bestBoxes(at.page);
    if (boxes.isEmpty()) {
        text->requestQuickBoxes(at.page, JobPriority::ShownPageText);
        return false;
    }
    for (const QRectF& b : boxes) {
        if (b.isValid() && b.contains(at.point)) {
            *shape = Qt::IBeamCursor;
            return true;
        }
    }
    return false;
}

void TextSelectionTool::paintPage(QPainter& p, int page) const
{
    const bool marked =
        wholeDocument ? hasSelectableBoxes(page) : page == selPage && hasSelection() && text;
    if (!marked)
        return;
    const QList<QRectF> boxes = selectableBoxes(page);
    const ViewGeometry& geo = view()->viewGeometry();
    p.setPen(Qt::NoPen);
    p.setBrush(SelectionColor);
    const QList<QRectF> runs = wholeDocument ? selectionRuns(boxes, 0, int(boxes.size()) - 1)
                                             : selectionRuns(boxes, anchor, cursor);
    for (const QRectF& run : runs)
        p.drawRect(geo.pageRectToView(page, run));
}

} // namespace dovrix
