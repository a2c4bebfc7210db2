#pragma once

#include "settings/AppSettings.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QTimer;
class QWidget;

namespace dovrix {

class AnnotationPanel;
class BookmarkListPanel;
class BookmarkPanel;
class DocumentSession;
class FormLayer;
class PdfViewport;
class PdfWorker;
class SearchPanel;
class ThumbnailPanel;

// One document tab of the window: the document's session (a child) and the widgets that show it,
// the page view and the side panels, wired to the session and to each other. The widgets are
// created without parent; the window puts them into its tab and side area, and the tab deletes
// them in its destructor (a container of the window may take them along first). After the
// session's ready sequence the tab binds the widgets to the new document, restores the stored
// view and records the first history entry, then announces documentReady. GUI thread only.
class DocumentTab : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(DocumentTab)

public:
    static constexpr int HistoryDelayMs = 600;
    static constexpr qint64 HiddenThumbnailCacheBytes = 4194304; // 4 MiB

    // worker and settings are shared and not owned; both must outlive the tab.
    DocumentTab(PdfWorker* worker, AppSettings* settings, QObject* parent = nullptr);
    ~DocumentTab() override;

    DocumentSession* session() const { return document; }

    // -1 back, +1 forward; the view follows without creating a new history entry.
    void navigateHistory(int step);
    bool isNavigating() const { return navigating; }
    QTimer* historyTimer() const { return timer; }
    // Keeps the memory of a tab that is not shown small (see DocumentSession::trimCaches); the
    // thumbnail pictures beyond HiddenThumbnailCacheBytes go too.
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
    // The side panels.
    ThumbnailPanel* thumbnailPanel() const;
    BookmarkPanel* bookmarkPanel() const;
    BookmarkListPanel* bookmarkListPanel() const;
    SearchPanel* searchPanel() const;
    AnnotationPanel* annotationPanel() const;
    // The panel of a row of sidePanels(); null for a row that needs no document (the window keeps
    // those) and once a container of the window has deleted it.
    QWidget* sidePanel(int row) const;
    // Texts in the interface language just installed: the panels and the page view's card.
    void retranslate();

Q_SIGNALS:
    // The session's document is ready and shown: listeners see every part reset.
    void documentReady(dovrix::DocumentTab* tab);
    void tocAvailable(dovrix::DocumentTab* tab, bool hasToc);
    // The interface language changed; the panels put their texts in it.
    void languageChanged();

private:
    template <class Panel> Panel* panelOf() const
    {
        for (const QPointer<QWidget>& panel : panels) {
            if (auto* found = qobject_cast<Panel*>(panel.data()))
                return found;
        }
        return nullptr;
    }
    void showReadyDocument();
    void redrawFormPages(const QSet<QString>& changedFields);
    void fillPanelsAfterFirstPage();
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
    QPointer<ThumbnailPanel> thumbnails;
    QPointer<BookmarkPanel> outline;
    QPointer<SearchPanel> findPanel;
    QPointer<AnnotationPanel> notesPanel;

    bool navigating = false;
    bool binding = false; // while the ready document is bound to the view
    int sideTab = 0;
    QMetaObject::Connection firstRender; // fills the panels once the page shown has its image
};

} // namespace dovrix
