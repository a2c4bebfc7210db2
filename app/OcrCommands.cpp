#include "app/OcrCommands.h"

#include "app/MainWindow.h"
#include "app/OcrRunDialog.h"
#include "app/OutcomeText.h"
#include "core/DocumentController.h"
#include "ocr/OcrController.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "text/SearchController.h"
#include "text/SearchNormalize.h"
#include "text/TextLayoutStore.h"
#include "view/PdfViewport.h"
#include "view/panels/SearchPanel.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStatusBar>

namespace dovrix {

OcrCommands::OcrCommands(MainWindow* window, MainWindowUi& ui)
    : WindowCommands(window, ui), run(new OcrRunDialog(window))
{
    run->setParent(this);
    connect(ui.ocrPageAction, &QAction::triggered, this, &OcrCommands::ocrPage);
    connect(ui.ocrDocumentAction, &QAction::triggered, this, &OcrCommands::ocrPagesWithoutText);
}

void OcrCommands::follow(DocumentTab* tab)
{
    hintPage = -1;
    watch(tab->viewport(), &PdfViewport::currentPageChanged, this, [this] {
        hintPage = -1;
        hintForPageWithoutText();
    });
    watch(tab->session()->textLayout(), &TextLayoutStore::pageTextReady, this, [this](int page) {
        if (view() && page == view()->currentPage())
            hintForPageWithoutText();
    });
    if (auto* panel = tab->panel<SearchPanel>())
        watch(panel, &SearchPanel::ocrRequested, this, &OcrCommands::ocrDocument);

    OcrController* ocr = tab->session()->ocr();
    QStatusBar* status = window->statusBar();
    watch(ocr, &OcrController::finished, this, [status](int processed, bool canceled) {
        status->showMessage(canceled ? tr("OCR 已取消") : tr("OCR 完成：%1 页").arg(processed),
                            5000);
    });
    watch(ocr, &OcrController::pageOcrReady, this, &OcrCommands::pageRecognised);
    watch(ocr, &OcrController::pageFailed, this, [status](int page, const OcrFailure& reason) {
        status->showMessage(tr("第 %1 页 OCR 失败：%2").arg(page + 1).arg(outcomeText(reason)),
                            6000);
    });
    watch(ocr, &OcrController::loadFailed, this, [this](const OcrFailure& reason) {
        QMessageBox::warning(window, tr("OCR 不可用"), outcomeText(reason));
    });
}

void OcrCommands::updateActionStates(bool ready)
{
    ui.ocrPageAction->setEnabled(ready);
    ui.ocrDocumentAction->setEnabled(ready);
    ui.ocrMenu->setEnabled(ready);
}

QProgressDialog* OcrCommands::progressDialog() const
{
    return run->dialog();
}

void OcrCommands::ocrPage()
{
    if (ready() && view())
        tab()->session()->ocr()->ocrPage(view()->currentPage());
}

void OcrCommands::ocrDocument()
{
    if (ready() && tab()->session()->ocr()->isIdle())
        run->start(tab()->session());
}

void OcrCommands::ocrPagesWithoutText()
{
    if (!ready() || !tab()->session()->ocr()->isIdle())
        return;
    disconnect(textArrives);
    waitingForText = tab();
    textArrives = connect(tab()->session()->textLayout(), &TextLayoutStore::pageTextReady, this,
                          &OcrCommands::startRunWhenTextIsIn);
    startRunWhenTextIsIn();
}

void OcrCommands::startRunWhenTextIsIn()
{
    DocumentTab* waiting = waitingForText;
    DocumentSession* document = waiting ? waiting->session() : nullptr;
    if (!document || document->controller()->status() != DocumentStatus::Ready) {
        disconnect(textArrives);
        waitingForText = nullptr;
        return;
    }
    TextLayoutStore* store = document->textLayout();
    QList<int> pages;
    bool textMissing = false;
    for (int page = 0; page < document->controller()->pageCount(); ++page) {
        if (!store->hasPageText(page)) {
            store->requestPageText(page, JobPriority::TextLayout); // each page once
            textMissing = true;
        } else if (!store->hasTextLayer(page) && !store->ocrResult(page)) {
            pages.append(page);
        }
    }
    QStatusBar* status = window->statusBar();
    if (textMissing) {
        status->showMessage(tr("正在查找没有文字的页…"));
        return; // again at each page's text
    }
    disconnect(textArrives);
    waitingForText = nullptr;
    if (pages.isEmpty()) {
        status->showMessage(tr("每一页都有文字，无需识别"), 6000);
        return;
    }
    status->clearMessage();
    if (document->ocr()->isIdle())
        run->start(document, pages);
}

void OcrCommands::hintForPageWithoutText()
{
    if (!ready() || !view())
        return;
    const int page = view()->currentPage();
    const TextLayoutStore* store = tab()->session()->textLayout();
    QStatusBar* status = window->statusBar();
    if (page == hintPage || !store->hasPageText(page) || store->hasTextLayer(page)
        || store->ocrResult(page) || !status->currentMessage().isEmpty())
        return;
    hintPage = page;
    status->showMessage(tr("本页没有文字层 · %1 识别文字")
                            .arg(ui.ocrPageAction->shortcut().toString(QKeySequence::NativeText)),
                        8000);
}

void OcrCommands::ocrPageWhenReady(DocumentTab* tab, int page)
{
    if (!tab)
        return;
    // A document that is ready already has become ready: it is recognised now.
    if (tab->session()->controller()->status() == DocumentStatus::Ready) {
        tab->session()->ocr()->ocrPage(page);
        return;
    }
    connect(
        tab, &DocumentTab::documentReady, this,
        [page](DocumentTab* shown) { shown->session()->ocr()->ocrPage(page); },
        Qt::SingleShotConnection);
}

void OcrCommands::pageRecognised(int page, int lineCount)
{
    window->statusBar()->showMessage(
        tr("第 %1 页 OCR 完成：识别 %2 行文本").arg(page + 1).arg(lineCount), 5000);
    // The hits in the new lines join the list of a search that is shown.
    const SearchController* search = tab()->session()->search();
    auto* panel = tab()->panel<SearchPanel>();
    if (panel && !ui.searchEdit->text().isEmpty()
        && !normalizeForSearch(search->query(), !search->isCaseSensitive()).text.isEmpty())
        panel->search(ui.searchEdit->text(), false);
}

} // namespace dovrix
