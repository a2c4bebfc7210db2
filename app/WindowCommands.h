#pragma once

#include <QList>
#include <QObject>

#include <cmath>
#include <utility>

namespace dovrix {

class DocumentTab;
class MainWindow;
class MainWindowUi;
class PdfViewport;

// A zoom as the window shows it, in whole percent (half away from zero).
inline int zoomPercent(double zoom)
{
    return int(std::lround(zoom * 100.0));
}

// One group of the window's commands (view, navigation, annotations): its controls' signals to
// commands that act on the window's current tab, and the controls kept in step with that tab.
// The window tells every group when the current tab changes (setCurrentTab), when a document's
// state changes (updateActionStates, updateControls) and when the language changes (retranslate).
// GUI thread only.
class WindowCommands : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(WindowCommands)

public:
    // Drops the connections to the tab shown before, then follows tab (none when null).
    void setCurrentTab(DocumentTab* tab);
    // Enables the group's commands that need a ready document.
    virtual void updateActionStates(bool ready) = 0;
    // Shows the current tab's state in the group's controls.
    virtual void updateControls() {}
    virtual void retranslate() { updateControls(); }

protected:
    WindowCommands(MainWindow* window, MainWindowUi& ui);

    // Connects to the tab's signals, through watch(), for as long as it is the current one.
    virtual void follow(DocumentTab* tab) = 0;
    template <typename... Args> void watch(Args&&... args)
    {
        currentConnections.append(connect(std::forward<Args>(args)...));
    }

    DocumentTab* tab() const;
    // The current tab's page view; null without one.
    PdfViewport* view() const;
    // The current tab's document is ready.
    bool ready() const;

    MainWindow* const window;
    MainWindowUi& ui;

private:
    QList<QMetaObject::Connection> currentConnections;
};

} // namespace dovrix
