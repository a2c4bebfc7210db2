#pragma once

#include <vector>

class QWidget;

namespace dovrix {

class DocumentTab;

// A panel of the window's side area, one tab of it. A new panel is one row in sidePanels() (its
// factory wires it to the document's parts); the window and the document tab loop over the rows.
struct SidePanelInfo
{
    const char* title;      // the side tab's title (MainWindow's context)
    const char* objectName; // of the panel widget
    // Makes the panel without parent and wires it to the tab's page view and stores. The tab is
    // null for a panel that needs no document.
    QWidget* (*create)(DocumentTab* tab);
    // One panel per document tab, shown while its tab is current; else one panel for the
    // window, shown with or without a document.
    bool needsDocument;
    // The window's key that brings the panel's side tab forward ("Ctrl+T"); null for none.
    const char* shortcut;
};

// Every side panel once, in tab order.
const std::vector<SidePanelInfo>& sidePanels();

} // namespace dovrix
