#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QMainWindow;
class QTabWidget;
class QTimer;
class QToolBar;

namespace dovrix {

// Full screen reading for the main window: the window goes full screen and shows the page view
// alone (tool bar, side area, status bar and document tab bar hidden); leaving restores what was
// shown and the previous window state. While active, the pointer at the top edge brings the tool
// bar back until it moves below it, and showStatus() puts a short-lived label over the view.
// GUI thread only.
class FullScreenMode : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(FullScreenMode)

public:
    static constexpr int StatusShownMs = 1500;
    // The pointer within this many pixels of the window's top edge shows the tool bar.
    static constexpr int TopEdgePx = 2;

    // All widgets belong to window, which parents this object.
    FullScreenMode(QMainWindow* window, QToolBar* toolbar, QWidget* sidebar, QTabWidget* tabs);

    bool isActive() const { return active; }
    void setActive(bool on);
    // While active: text in a label at the bottom of the window for StatusShownMs.
    void showStatus(const QString& text);
    QLabel* statusOverlay() const { return overlay; }

Q_SIGNALS:
    void activeChanged(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeOverlay();

    QMainWindow* window;
    QToolBar* toolbar;
    QWidget* sidebar;
    QTabWidget* tabs;
    QLabel* overlay;      // child of the window, outside its layout
    QTimer* overlayTimer; // child; hides the overlay
    bool active = false;
    // What was shown before entering.
    Qt::WindowStates previousState;
    bool toolbarShown = true;
    bool sidebarShown = true;
    bool statusShown = true;
    bool tabBarShown = true;
};

} // namespace dovrix
