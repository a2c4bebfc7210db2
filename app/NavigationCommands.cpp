#include "app/NavigationCommands.h"

#include "app/FullScreenMode.h"
#include "app/MainWindow.h"
#include "core/DocumentController.h"
#include "core/PageLabels.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "text/SearchController.h"
#include "view/PdfViewport.h"
#include "view/panels/SearchPanel.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace dovrix {

NavigationCommands::NavigationCommands(MainWindow* window, MainWindowUi& ui)
    : WindowCommands(window, ui)
{
    auto back = [this](int step) {
        if (tab())
            tab()->navigateHistory(step);
    };
    connect(ui.backButton, &QPushButton::clicked, this, [back] { back(-1); });
    connect(ui.forwardButton, &QPushButton::clicked, this, [back] { back(+1); });
    connect(ui.backAction, &QAction::triggered, this, [back] { back(-1); });
    connect(ui.forwardAction, &QAction::triggered, this, [back] { back(+1); });

    connect(ui.pageField, &QLineEdit::returnPressed, this, &NavigationCommands::goToTypedPage);
    // Leaving the field without Return shows the current page again.
    connect(ui.pageField, &QLineEdit::editingFinished, this, &NavigationCommands::updateControls);
    connect(ui.goToPageAction, &QAction::triggered, this, &NavigationCommands::focusPageField);
    fitPageFieldToLabels();

    typingTimer = new QTimer(this);
    typingTimer->setSingleShot(true);
    typingTimer->setInterval(SearchDelayMs);
    connect(typingTimer, &QTimer::timeout, this, &NavigationCommands::searchNow);
    connect(ui.searchEdit, &QLineEdit::textChanged, typingTimer, qOverload<>(&QTimer::start));
    // Return and Shift+Return are read before the field turns both into returnPressed.
    ui.searchEdit->installEventFilter(this);
    connect(ui.findAction, &QAction::triggered, this, [this] {
        this->ui.searchEdit->setFocus();
        this->ui.searchEdit->selectAll();
    });
    connect(ui.findNextAction, &QAction::triggered, this, [this] { searchStep(+1); });
    connect(ui.findPreviousAction, &QAction::triggered, this, [this] { searchStep(-1); });
}

void NavigationCommands::follow(DocumentTab* tab)
{
    PdfViewport* shown = tab->viewport();
    watch(shown, &PdfViewport::currentPageChanged, this, &NavigationCommands::updateControls);
    watch(shown, &PdfViewport::zoomChanged, this, &NavigationCommands::updateControls);
    // The search field shows what this document was searched for.
    const QSignalBlocker block(ui.searchEdit);
    ui.searchEdit->setText(tab->session()->search()->query());
}

bool NavigationCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui.searchEdit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            searchStep(key->modifiers() & Qt::ShiftModifier ? -1 : +1);
            return true;
        }
    }
    return WindowCommands::eventFilter(watched, event);
}

void NavigationCommands::updateActionStates(bool ready)
{
    for (QAction* action : {ui.findNextAction, ui.findPreviousAction, ui.goToPageAction})
        action->setEnabled(ready);
    ui.pageField->setEnabled(ready);
    ui.searchEdit->setEnabled(ready);
}

void NavigationCommands::updateControls()
{
    const DocumentController* controller = tab() ? tab()->session()->controller() : nullptr;
    const int count = controller ? controller->pageCount() : 0;
    const int page = view() && count > 0 ? view()->currentPage() : -1;
    // A document still loading has no pages to count yet.
    const bool loading = count == 0 && tab();
    const QStringList labels = controller ? controller->pageLabels() : QStringList();
    if (labels != pageFieldLabels) {
        pageFieldLabels = labels;
        fitPageFieldToLabels();
    }
    // "iv" in the field and "(4 / 63)" beside it for a labelled page, "7" and "/ 63" otherwise.
    const QString label = distinctPageLabel(labels, page);
    ui.pageField->setText(loading           ? QString()
                          : label.isEmpty() ? QString::number(page + 1)
                                            : label);
    ui.pageCountLabel->setText(loading ? QStringLiteral("/ —")
                               : label.isEmpty()
                                   ? QStringLiteral("/ %1").arg(count)
                                   : QStringLiteral("(%1 / %2)").arg(page + 1).arg(count));
    ui.zoomLabel->setText(tr("缩放 %1%").arg(view() ? zoomPercent(view()->zoom()) : 100));
    if (view())
        window->fullScreenMode()->showStatus(QStringLiteral("%1 · %2").arg(
            count > 0 ? pageDisplayText(labels, page, count) : QStringLiteral("0 / 0"),
            ui.zoomLabel->text()));
}

void NavigationCommands::fitPageFieldToLabels()
{
    // A page label may contain anything; a validator that refused it would also keep Return from
    // reaching goToTypedPage.
    ui.pageField->setValidator(pageFieldLabels.isEmpty() ? ui.pageNumberValidator : nullptr);
    const QFontMetrics metrics = ui.pageField->fontMetrics();
    int width = metrics.horizontalAdvance(QStringLiteral("000000"));
    for (const QString& label : std::as_const(pageFieldLabels))
        width = std::max(width, metrics.horizontalAdvance(label));
    // A very long label is scrolled within the field rather than widening the side area.
    ui.pageField->setFixedWidth(
        std::min(width, metrics.horizontalAdvance(QStringLiteral("000000000000"))) + 12);
}

void NavigationCommands::goToTypedPage()
{
    const int page =
        view() ? pageFromText(ui.pageField->text(), pageFieldLabels, view()->pageCount()) : -1;
    if (page >= 0) {
        view()->goToPage(page);
        view()->setFocus(Qt::OtherFocusReason);
        updateControls();
        return;
    }
    // Refused: the field shows the current page again, ready for another number.
    updateControls();
    ui.pageField->selectAll();
}

void NavigationCommands::focusPageField()
{
    if (!view() || !ui.pageField->isEnabled())
        return;
    window->showSidebar();
    ui.pageField->setFocus(Qt::ShortcutFocusReason);
    ui.pageField->selectAll();
}

void NavigationCommands::searchNow()
{
    if (tab() && tab()->panel<SearchPanel>())
        tab()->panel<SearchPanel>()->search(ui.searchEdit->text(), false);
}

void NavigationCommands::searchStep(int step)
{
    typingTimer->stop();
    SearchPanel* panel = tab() ? tab()->panel<SearchPanel>() : nullptr;
    if (!ready() || !panel)
        return;
    const QString text = ui.searchEdit->text();
    // What the field holds now, not what was searched before the last keys.
    if (text != panel->currentQuery() || text != tab()->session()->search()->query()) {
        panel->search(text, false);
        panel->showFirstHit();
        return;
    }
    if (panel->currentHitIndex() < 0)
        panel->showFirstHit(); // the hits may still be on their way
    else if (step > 0)
        panel->focusNext();
    else
        panel->focusPrevious();
}

void NavigationCommands::findText(const QString& text)
{
    {
        const QSignalBlocker block(ui.searchEdit);
        ui.searchEdit->setText(text);
    }
    searchStep(+1);
}

} // namespace dovrix
