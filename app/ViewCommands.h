#pragma once

#include "app/WindowCommands.h"
#include "core/PageColours.h"

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

    // Sets the current document's page colours and remembers them as the choice for documents
    // opened later.
    void setPageColours(PageColours colours);
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
    // The page colours of the document shown, else the stored choice for new documents.
    PageColours chosenPageColours() const;
    void updatePageColoursControls();
};

} // namespace dovrix
