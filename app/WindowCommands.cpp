#include "app/WindowCommands.h"

#include "app/MainWindow.h"
#include "core/DocumentController.h"
#include "core/DocumentStatus.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"

namespace dovrix {

WindowCommands::WindowCommands(MainWindow* window, MainWindowUi& ui)
    : QObject(window), window(window), ui(ui)
{
}

void WindowCommands::setCurrentTab(DocumentTab* tab)
{
    for (const QMetaObject::Connection& connection : std::as_const(currentConnections))
        disconnect(connection);
    currentConnections.clear();
    if (tab)
        follow(tab);
}

DocumentTab* WindowCommands::tab() const
{
    return window->current();
}

PdfViewport* WindowCommands::view() const
{
    return tab() ? tab()->viewport() : nullptr;
}

bool WindowCommands::ready() const
{
    return tab() && tab()->session()->controller()->status() == DocumentStatus::Ready;
}

} // namespace dovrix
