#pragma once

#include "app/WindowCommands.h"

#include <QStringList>

class QTimer;

namespace dovrix {

// Moving through the current document: back and forward in its view history, the page field
// (numbers and page labels) and the search field with its next and previous hit. The page field
// and the zoom beside it follow the current page view.
class NavigationCommands : public WindowCommands
{
    Q_OBJECT
    Q_DISABLE_COPY(NavigationCommands)

public:
    static constexpr int SearchDelayMs = 300;

    NavigationCommands(MainWindow* window, MainWindowUi& ui);

    // Searches the current document for text as if typed into the search field and Return
    // pressed: the view goes to the first hit as soon as it is found.
    void findText(const QString& text);
    // Waits SearchDelayMs after the last key in the search field.
    QTimer* searchTimer() const { return typingTimer; }

    void updateActionStates(bool ready) override;
    // The page field, page count and zoom of the current page view.
    void updateControls() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(DocumentTab* tab) override;
    // The page typed in the page field (1-based or a page label): a page of the document is
    // shown; anything else is refused without a jump.
    void goToTypedPage();
    void focusPageField();
    // Width and validator of the page field for the labels in pageFieldLabels.
    void fitPageFieldToLabels();
    void searchNow();
    // Return, Shift+Return, F3 and Shift+F3: text in the search field that is not the one searched
    // is searched at once and its first hit shown; otherwise the next (+1) or previous hit.
    void searchStep(int step);

    QTimer* typingTimer;
    // The page labels of the document the page field shows (empty: none).
    QStringList pageFieldLabels;
};

} // namespace dovrix
