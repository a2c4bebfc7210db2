#include "app/AnnotationCommands.h"

#include "annotations/Annotation.h"
#include "annotations/AnnotationStore.h"
#include "app/MainWindow.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "view/AnnotationTool.h"
#include "view/FormLayer.h"
#include "view/PdfViewport.h"
#include "view/panels/AnnotationPanel.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

namespace dovrix {

AnnotationCommands::AnnotationCommands(MainWindow* window, MainWindowUi& ui)
    : WindowCommands(window, ui)
{
    for (QAction* action : std::as_const(ui.annotationToolActions)) {
        const auto type = AnnotationType(action->data().toInt());
        connect(action, &QAction::triggered, this, [this, type] { chooseTool(type); });
    }
    connect(ui.annotationModeAction, &QAction::toggled, this, [this](bool on) {
        if (view())
            view()->annotations()->setActive(on);
        const QSignalBlocker block(this->ui.annotationButton);
        this->ui.annotationButton->setChecked(on);
        updateControls();
    });
    connect(ui.annotationButton, &QPushButton::toggled, ui.annotationModeAction,
            &QAction::setChecked);
    connect(ui.resetFormAction, &QAction::triggered, this, [this] {
        if (tab() && tab()->formLayer())
            tab()->formLayer()->resetForm();
    });
}

void AnnotationCommands::follow(DocumentTab* tab)
{
    watch(tab->viewport(), &PdfViewport::annotationModeChanged, this,
          &AnnotationCommands::annotationModeChanged);
    watch(tab->session()->annotations(), &AnnotationStore::annotationAdded, this,
          &AnnotationCommands::annotationAdded);
    if (AnnotationPanel* panel = tab->panel<AnnotationPanel>()) {
        watch(panel, &AnnotationPanel::annotationSelected, this,
              &AnnotationCommands::showAnnotation);
        watch(panel, &AnnotationPanel::documentAnnotationSelected, this,
              [this](int page, const QRectF& rect) {
                  if (view())
                      view()->showMarks(page, {rect}, DocumentAnnotationMarkMs);
              });
    }
    if (FormLayer* forms = tab->formLayer()) {
        watch(forms, &FormLayer::notice, this,
              [this](const QString& text) { window->statusBar()->showMessage(text, 8000); });
        watch(forms, &FormLayer::fieldsRead, window, &MainWindow::updateActionStates);
    }
}

void AnnotationCommands::updateActionStates(bool ready)
{
    ui.annotationModeAction->setEnabled(ready);
    ui.annotationButton->setEnabled(ready);
    for (QAction* action : std::as_const(ui.annotationToolActions))
        action->setEnabled(ready);
    ui.resetFormAction->setEnabled(ready && tab()->formLayer() && tab()->formLayer()->hasFields());
}

void AnnotationCommands::updateControls()
{
    const bool on = view() && view()->annotations()->isActive();
    ui.annotationToolsItem->setVisible(on);
    // The tools take the place of the rotate button, which the status bar also has: the tool
    // bar keeps its last buttons in a small window.
    ui.rotateItem->setVisible(!on);
    const AnnotationType tool = view() ? view()->annotations()->type() : AnnotationType::Highlight;
    for (QAction* action : std::as_const(ui.annotationToolActions))
        action->setChecked(AnnotationType(action->data().toInt()) == tool);
}

void AnnotationCommands::chooseTool(AnnotationType type)
{
    if (!view())
        return;
    view()->annotations()->setType(type);
    // A chosen tool is for drawing: annotation mode comes on with it.
    ui.annotationModeAction->setChecked(true);
    updateControls();
}

void AnnotationCommands::annotationModeChanged(bool on)
{
    {
        const QSignalBlocker block(ui.annotationModeAction);
        ui.annotationModeAction->setChecked(on);
    }
    {
        const QSignalBlocker block(ui.annotationButton);
        ui.annotationButton->setChecked(on);
    }
    updateControls();
    if (on)
        window->statusBar()->showMessage(
            // Short enough for the status bar of a small window; the tools show their keys.
            tr("批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑"), 10000);
    else
        window->statusBar()->clearMessage();
}

void AnnotationCommands::annotationAdded()
{
    // A note kept only in memory is not saved: the store has said why, and this would contradict
    // it.
    if (!firstAnnotationExplained && !tab()->session()->annotations()->isReadOnly()) {
        firstAnnotationExplained = true;
        QMessageBox::information(window, tr("批注已保存"),
                                 tr("批注保存在本地 sidecar 文件（.dovrixmark）中，\n用 Adobe "
                                    "等其他阅读器打开源文件不可见。\n\nDovrix 始终不修改源 PDF。"));
    }
    // The box runs an event loop: the document may have been closed meanwhile.
    if (tab() && tab()->panel<AnnotationPanel>())
        tab()->panel<AnnotationPanel>()->refresh();
}

void AnnotationCommands::showAnnotation(const QString& id)
{
    const Annotation* annotation = tab()->session()->annotations()->find(id);
    if (!annotation)
        return;
    view()->goToPage(annotation->page);
    view()->annotations()->openCard(id);
}

} // namespace dovrix
