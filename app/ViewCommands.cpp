#include "app/ViewCommands.h"

#include "app/MainWindow.h"
#include "core/DocumentController.h"
#include "core/PageColours.h"
#include "core/PageUnits.h"
#include "core/PdfWorker.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "settings/AppSettings.h"
#include "text/TextExport.h"
#include "view/PdfViewport.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>

namespace dovrix {

ViewCommands::ViewCommands(MainWindow* window, MainWindowUi& ui) : WindowCommands(window, ui)
{
    connect(ui.zoomOutButton, &QPushButton::clicked, this, [this] { zoomBy(1.0 / ZoomStep); });
    connect(ui.zoomInButton, &QPushButton::clicked, this, [this] { zoomBy(ZoomStep); });
    connect(ui.fitButton, &QPushButton::clicked, this, [this] {
        if (!view())
            return;
        if (view()->fitMode() != PdfViewport::FitMode::FitWidth)
            view()->setFitMode(PdfViewport::FitMode::FitWidth);
        else
            showActualSize();
    });
    connect(ui.fitWidthAction, &QAction::triggered, this, [this] {
        if (view())
            view()->setFitMode(PdfViewport::FitMode::FitWidth);
    });
    connect(ui.fitPageAction, &QAction::triggered, this, [this] {
        if (view())
            view()->setFitMode(PdfViewport::FitMode::FitPage);
    });
    connect(ui.actualSizeAction, &QAction::triggered, this, &ViewCommands::showActualSize);
    for (QPushButton* button : {ui.rotateButton, ui.statusRotateButton})
        connect(button, &QPushButton::clicked, this, &ViewCommands::rotate);
    connect(ui.rotateAction, &QAction::triggered, this, &ViewCommands::rotate);
    connect(ui.viewModeButton, &QPushButton::clicked, this, [this] {
        if (view())
            view()->setViewMode(view()->viewMode() == PdfViewport::ViewMode::SinglePage
                                    ? PdfViewport::ViewMode::Continuous
                                    : PdfViewport::ViewMode::SinglePage);
    });
    connect(ui.singlePageAction, &QAction::toggled, this, [this](bool on) {
        if (view())
            view()->setViewMode(on ? PdfViewport::ViewMode::SinglePage
                                   : PdfViewport::ViewMode::Continuous);
    });
    connect(ui.spreadAction, &QAction::toggled, this, [this](bool on) {
        if (view())
            view()->setSpread(on);
    });
    connect(ui.coverAloneAction, &QAction::toggled, this, [this](bool on) {
        if (view())
            view()->setCoverAlone(on);
    });
    for (QAction* item : std::as_const(ui.pageColoursActions)) {
        const auto colours = PageColours(item->data().toInt());
        connect(item, &QAction::triggered, this, [this, colours] { setPageColours(colours); });
    }
    connect(ui.pageColoursAction, &QAction::triggered, this,
            [this] { setPageColours(nextPageColours(chosenPageColours())); });
    connect(ui.selectAllAction, &QAction::triggered, this, [this] {
        if (ready())
            view()->selection()->selectAll();
    });
    connect(ui.copyAction, &QAction::triggered, this, &ViewCommands::copySelection);
}

void ViewCommands::follow(DocumentTab* tab)
{
    PdfViewport* shown = tab->viewport();
    watch(shown, &PdfViewport::zoomChanged, this, &ViewCommands::updateStatusZoom);
    watch(shown, &PdfViewport::viewModeChanged, this, &ViewCommands::updateViewModeControls);
    watch(shown, &PdfViewport::spreadChanged, this, &ViewCommands::updateViewModeControls);
    watch(shown, &PdfViewport::fitModeChanged, this, &ViewCommands::updateFitButton);
    watch(shown, &PdfViewport::textCopied, this, [this](int characters) {
        window->statusBar()->showMessage(tr("已复制 %1 个字符").arg(characters), 4000);
    });
}

void ViewCommands::updateActionStates(bool ready)
{
    for (QAction* action :
         {ui.copyAction, ui.rotateAction, ui.fitWidthAction, ui.fitPageAction, ui.actualSizeAction,
          ui.singlePageAction, ui.spreadAction, ui.coverAloneAction, ui.selectAllAction})
        action->setEnabled(ready);
    for (QPushButton* button : {ui.zoomOutButton, ui.zoomInButton, ui.fitButton,
                                ui.statusRotateButton, ui.viewModeButton, ui.spreadButton})
        button->setEnabled(ready);
}

void ViewCommands::updateControls()
{
    updateStatusZoom();
    updateFitButton();
    updateViewModeControls();
    updatePageColoursControls();
}

void ViewCommands::zoomBy(double factor)
{
    if (view())
        view()->setZoom(view()->zoom() * factor);
}

void ViewCommands::rotate()
{
    if (view())
        view()->rotateBy(90);
}

void ViewCommands::showActualSize()
{
    if (!view())
        return;
    view()->setFitMode(PdfViewport::FitMode::FitNone);
    view()->setZoom(1.0);
}

void ViewCommands::setPageColours(PageColours colours)
{
    window->appSettings()->setPageColours(pageColoursId(colours));
    if (view())
        view()->setPageColours(colours);
    updatePageColoursControls();
}

void ViewCommands::copySelection()
{
    if (!ready())
        return;
    TextSelectionTool* selection = view()->selection();
    const TextRange range = selection->selectionRange();
    if (range.page < 0 || range.length <= 0)
        return;
    const QString copied = tr("已复制 %1 个字符");
    // Recognised text, extracted page text and the whole document go the way of a drag's copy.
    if (selection->documentSelected() || !selection->selectedText().isEmpty()) {
        selection->copySelectionToClipboard();
        return;
    }
    // The page's text is not extracted yet: ask the engine for just this range.
    const DocumentController* controller = tab()->session()->controller();
    const DocumentHandle document = controller->sharedDocument();
    if (!document)
        return;
    window->worker()->post(
        JobPriority::TextLayout, this, controller->documentTicket(),
        [document, range, copied]() -> Reply<ViewCommands> {
            const QString text = textForClipboard(
                document->pageText(range.page).text.mid(range.start, range.length));
            if (text.isEmpty())
                return {};
            return [text, copied](ViewCommands& self) {
                QGuiApplication::clipboard()->setText(text);
                self.window->statusBar()->showMessage(copied.arg(text.size()), 4000);
            };
        });
}

void ViewCommands::updateStatusZoom()
{
    if (view())
        ui.statusZoomLabel->setText(QStringLiteral("%1%").arg(zoomPercent(view()->zoom())));
}

void ViewCommands::updateFitButton()
{
    const bool fitWidth = view() && view()->fitMode() == PdfViewport::FitMode::FitWidth;
    ui.fitButton->setText(fitWidth ? tr("原始") : tr("适应宽度"));
}

void ViewCommands::updateViewModeControls()
{
    const bool single = view() && view()->viewMode() == PdfViewport::ViewMode::SinglePage;
    ui.viewModeButton->setText(single ? tr("连续") : tr("单页"));
    const QSignalBlocker block(ui.singlePageAction);
    ui.singlePageAction->setChecked(single);
    const QSignalBlocker blockSpread(ui.spreadAction);
    ui.spreadAction->setChecked(view() && view()->spread());
    const QSignalBlocker blockCover(ui.coverAloneAction);
    ui.coverAloneAction->setChecked(!view() || view()->coverAlone());
}

PageColours ViewCommands::chosenPageColours() const
{
    return view() ? view()->pageColours() : pageColoursFromId(window->appSettings()->pageColours());
}

void ViewCommands::updatePageColoursControls()
{
    const int chosen = int(chosenPageColours());
    for (QAction* item : std::as_const(ui.pageColoursActions))
        item->setChecked(item->data().toInt() == chosen);
}

} // namespace dovrix
