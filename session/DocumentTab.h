#pragma once

#include "settings/AppSettings.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QTimer;
class QWidget;

namespace dovrix {

class DocumentSession;
class FormLayer;
class PdfViewport;
class PdfWorker;

// One document tab of the window: the document's session (a child) and the widgets that show it,
// the page view and the side panels, wired to the session and to each other. The widgets are
// created without parent; the window puts them into its tab and side area, and the tab deletes
// them in its destructor (a container of the window may take them along first). After the
// session's ready sequence the tab binds the page view to the new document, restores the stored
// view and records the first history entry, then announces documentReady. The side panels are
// the rows of sidePanels(): the tab knows none of them by type; each follows the tab's signals
// (documentReady, firstPageShown, pagesChanged, trimmingCaches, languageChanged, themeChanged).
// GUI thread only.
class DocumentTab : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(DocumentTab)

public:
    static constexpr int HistoryDelayMs = 600;

    // worker and settings are shared and not owned; both must outlive the tab.
    DocumentTab(PdfWorker* worker, AppSettings* settings, QObject* parent = nullptr);
    ~DocumentTab() override;

    DocumentSession* session() const { return document; }

    // -1 back, +1 forward; the view follows without creating a new history entry.
    void navigateHistory(int step);
    bool isNavigating() const { return navigating; }
    QTimer* historyTimer() const { return timer; }
    // Keeps the memory of a tab that is not shown small (see DocumentSession::trimCaches); the
    // panels drop what they can make again (trimmingCaches).
    void trimCaches();
    // How the page view shows the document now, as kept per document.
    DocumentView currentView() const;
    // Shows the bookmark's place, at its zoom unless a fit mode sets the zoom.
    void goToBookmark(int index);

    // Side panel tab last shown for this document; kept by the window.
    int sideTabIndex() const { return sideTab; }
    void setSideTabIndex(int index) { sideTab = index; }

    // The page view, which the window puts into the document tab. Null once a container of the
    // window has deleted it.
    PdfViewport* viewport() const;
    QWidget* pageWidget() const;
    // The document's form on the page view (a child of the page view).
    FormLayer* formLayer() const;
    // The panel of a row of sidePanels(); null for a row that needs no document (the window keeps
    // those) and once a container of the window has deleted it.
    QWidget* sidePanel(int row) const;
    // The side panel of that class; null when there is none (any more).
    template <class Panel> Panel* panel() const
    {
        for (const QPointer<QWidget>& shown : panels) {
            if (auto* found = qobject_cast<Panel*>(shown.data()))
                return found;
        }
        return nullptr;
    }
    // Texts in the interface language just installed: the panels and the page view's card.
    void retranslate();
    // Colours of the theme just applied: the page view and the panels.
    void applyThemeColours();

Q_SIGNALS:
    // The session's document is ready and shown: listeners see every part reset.
    void documentReady(dovrix::DocumentTab* tab);
    // After documentReady, once the page view has its first image (at once when it is hidden):
    // work that would hold the worker or the GUI thread waits for it, so that the page shown
    // comes first.
    void firstPageShown();
    void tocAvailable(dovrix::DocumentTab* tab, bool hasToc);
    // Pages drawn anew (form values changed): pictures of them are out of date.
    void pagesChanged(const QList<int>& pages);
    // The tab is no longer shown; the panels drop what they can make again.
    void trimmingCaches();
    // The interface language changed; the panels put their texts in it.
    void languageChanged();
    // Another theme was applied; the panels paint in its colours.
    void themeChanged();

private:
    void showReadyDocument();
    void announceFirstPage();
    void redrawFormPages(const QSet<QString>& changedFields);
    void recordViewState();
    void viewMoved();
    // Putting a kept view back.
    void restoreView(const DocumentView& stored);
    void viewChanged();

    DocumentSession* document; // child
    QTimer* timer;             // child; records the view once a burst of moves has settled
    // Guarded: the tab widget may delete its children before the tab when the window goes.
    QPointer<PdfViewport> view;
    QPointer<FormLayer> forms;
    QList<QPointer<QWidget>> panels; // by row of sidePanels()

    bool navigating = false;
    bool binding = false; // while the ready document is bound to the view
    int sideTab = 0;
    QMetaObject::Connection firstRender; // announces firstPageShown
};

} // namespace dovrix
