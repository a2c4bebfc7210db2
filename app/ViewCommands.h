#pragma once

#include "app/WindowCommands.h"

namespace dovrix {

// How the current page view shows its document: zoom and fit, rotation, single page or
// continuous, spreads, page colours, and the text selection's Select All and Copy. The status
// bar's zoom, fit and view-mode buttons and the page colour menu follow the current page view.
class ViewCommands : public WindowCommands
{
    Q_OBJECT
    Q_DISABLE_COPY(ViewCommands)

public:
    ViewCommands(MainWindow* window, MainWindowUi& ui);

    // Sets the current document's page colours (index into the menu: normal, night, sepia,
    // follow the theme) and remembers them as the choice for documents opened later.
    void setPageColours(int index);
    // Copies the page view's selection; text not yet extracted is read from the document first.
    void copySelection();

    void updateActionStates(bool ready) override;
    void updateControls() override;

private:
    void follow(DocumentTab* tab) override;
    void zoomBy(double factor);
    void rotate();
    void showActualSize();
    void updateStatusZoom();
    void updateFitButton();
    void updateViewModeControls();
    void updatePageColoursControls();
};

} // namespace dovrix
