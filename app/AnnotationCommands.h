#pragma once

#include "annotations/AnnotationType.h"
#include "app/WindowCommands.h"

namespace dovrix {

// Annotating the current document: annotation mode and its tools, the annotation panel's choices
// shown on the page, the explanation of where annotations are kept, and the form's reset and
// notices. The mode button and the tool buttons follow the current page view.
class AnnotationCommands : public WindowCommands
{
    Q_OBJECT
    Q_DISABLE_COPY(AnnotationCommands)

public:
    // How long a document annotation chosen in the panel stays outlined on its page.
    static constexpr int DocumentAnnotationMarkMs = 8000;

    AnnotationCommands(MainWindow* window, MainWindowUi& ui);

    void updateActionStates(bool ready) override;
    // Shows the tool buttons while annotation mode is on and checks the page view's tool.
    void updateControls() override;
    // Set, the window's first annotation is not explained (for windows that test something else).
    void setFirstAnnotationExplained(bool explained) { firstAnnotationExplained = explained; }

private:
    void follow(DocumentTab* tab) override;
    void chooseTool(AnnotationType type);
    void annotationModeChanged(bool on);
    void annotationAdded();
    void showAnnotation(const QString& id);

    // The window's first annotation explains where annotations are kept; later ones, also in
    // other documents, do not. The program has one window, so this is once per run.
    bool firstAnnotationExplained = false;
};

} // namespace dovrix
