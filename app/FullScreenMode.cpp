#include "app/FullScreenMode.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

namespace dovrix {

FullScreenMode::FullScreenMode(QMainWindow* window, QToolBar* toolbar, QWidget* sidebar,
                               QTabWidget* tabs)
    : QObject(window), window(window), toolbar(toolbar), sidebar(sidebar), tabs(tabs),
      overlay(new QLabel(window)), overlayTimer(new QTimer(this))
{
    overlay->setObjectName(QStringLiteral("fullScreenStatus"));
    overlay->setAlignment(Qt::AlignCenter);
    overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Readable over any page colour and theme.
    overlay->setStyleSheet(QStringLiteral("background:rgba(20,24,32,200);color:#F4F6FA;"
                                          "border-radius:8px;padding:6px 14px;"));
    overlay->hide();
    overlayTimer->setSingleShot(true);
    overlayTimer->setInterval(StatusShownMs);
    connect(overlayTimer, &QTimer::timeout, overlay, &QWidget::hide);
}

void FullScreenMode::setActive(bool on)
{
    if (on == active)
        return;
    active = on;
    if (on) {
        previousState = window->windowState() & ~Qt::WindowFullScreen;
        toolbarShown = toolbar->isVisibleTo(window);
        sidebarShown = sidebar->isVisibleTo(window);
        statusShown = window->statusBar()->isVisibleTo(window);
        tabBarShown = tabs->tabBar()->isVisibleTo(window);
        toolbar->hide();
        sidebar->hide();
        window->statusBar()->hide();
        tabs->tabBar()->hide();
        window->setWindowState(previousState | Qt::WindowFullScreen);
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
        overlayTimer->stop();
        overlay->hide();
        window->setWindowState(previousState);
        toolbar->setVisible(toolbarShown);
        sidebar->setVisible(sidebarShown);
        window->statusBar()->setVisible(statusShown);
        tabs->tabBar()->setVisible(tabBarShown);
    }
    Q_EMIT activeChanged(on);
}

void FullScreenMode::showStatus(const QString& text)
{
    if (!active || text.isEmpty())
        return;
    overlay->setText(text);
    placeOverlay();
    overlay->show();
    overlay->raise();
    overlayTimer->start();
}

void FullScreenMode::placeOverlay()
{
    overlay->adjustSize();
    const QSize s = overlay->size();
    overlay->move((window->width() - s.width()) / 2, window->height() - s.height() - 24);
}

bool FullScreenMode::eventFilter(QObject* watched, QEvent* event)
{
    if (active && event->type() == QEvent::MouseMove && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == window) {
        const auto* move = static_cast<QMouseEvent*>(event);
        const int y = window->mapFromGlobal(move->globalPosition().toPoint()).y();
        if (y <= TopEdgePx && !toolbar->isVisible())
            toolbar->show();
        else if (toolbar->isVisible() && y > toolbar->geometry().bottom() + 8)
            toolbar->hide();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace dovrix
