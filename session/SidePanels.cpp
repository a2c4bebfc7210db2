#include "session/SidePanels.h"

#include "annotations/AnnotationStore.h"
#include "core/DocumentController.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "view/PdfViewport.h"
#include "view/panels/AnnotationPanel.h"
#include "view/panels/BookmarkListPanel.h"
#include "view/panels/BookmarkPanel.h"
#include "view/panels/SearchPanel.h"
#include "view/panels/ThumbnailPanel.h"

#include <QtGlobal>

namespace dovrix {

namespace {

// The pictures a tab keeps while it is not shown.
constexpr qint64 HiddenThumbnailCacheBytes = 4194304; // 4 MiB

QWidget* makeThumbnails(DocumentTab* tab)
{
    DocumentSession* document = tab->session();
    PdfViewport* view = tab->viewport();
    auto* panel = new ThumbnailPanel(document->controller(), document->worker());
    // Filling the list of a long document costs the GUI thread a frame and sends a dozen renders
    // to the worker: the page shown comes first. The refilled list marks the view's page even
    // when binding the document did not move it.
    QObject::connect(tab, &DocumentTab::firstPageShown, panel, [panel, view] {
        panel->populate();
        panel->showPage(view->currentPage());
    });
    QObject::connect(tab, &DocumentTab::pagesChanged, panel, &ThumbnailPanel::pagesChanged);
    QObject::connect(tab, &DocumentTab::trimmingCaches, panel,
                     [panel] { panel->releasePictures(HiddenThumbnailCacheBytes); });
    QObject::connect(view, &PdfViewport::currentPageChanged, panel, &ThumbnailPanel::showPage);
    QObject::connect(panel, &ThumbnailPanel::pageActivated, view, &PdfViewport::goToPage);
    QObject::connect(view, &PdfViewport::pageColoursChanged, panel,
                     [panel, view] { panel->setPageColours(view->effectiveColours()); });
    return panel;
}

QWidget* makeOutline(DocumentTab* tab)
{
    auto* panel = new BookmarkPanel(tab->session()->controller());
    // Reading the outline holds the worker for most of a second in a manual with a thousand
    // entries (the engine resolves the destination of every entry): the page shown comes first.
    QObject::connect(tab, &DocumentTab::firstPageShown, panel, &BookmarkPanel::rebuild);
    QObject::connect(panel, &BookmarkPanel::bookmarkActivated, tab->viewport(),
                     &PdfViewport::jumpTo);
    QObject::connect(panel, &BookmarkPanel::tocAvailable, tab,
                     [tab](bool hasToc) { Q_EMIT tab->tocAvailable(tab, hasToc); });
    QObject::connect(tab, &DocumentTab::languageChanged, panel, &BookmarkPanel::retranslate);
    return panel;
}

QWidget* makeBookmarks(DocumentTab* tab)
{
    DocumentSession* document = tab->session();
    auto* panel = new BookmarkListPanel(document->bookmarks(), document->controller());
    QObject::connect(panel, &BookmarkListPanel::bookmarkActivated, tab, &DocumentTab::goToBookmark);
    QObject::connect(tab, &DocumentTab::languageChanged, panel, &BookmarkListPanel::retranslate);
    return panel;
}

QWidget* makeSearch(DocumentTab* tab)
{
    DocumentSession* document = tab->session();
    auto* panel =
        new SearchPanel(document->controller(), document->search(), document->textLayout());
    QObject::connect(tab, &DocumentTab::documentReady, panel, &SearchPanel::reset);
    QObject::connect(panel, &SearchPanel::hitFocused, tab->viewport(), &PdfViewport::setFocusedHit);
    QObject::connect(tab, &DocumentTab::languageChanged, panel, &SearchPanel::retranslate);
    return panel;
}

QWidget* makeAnnotations(DocumentTab* tab)
{
    DocumentSession* document = tab->session();
    AnnotationStore* store = document->annotations();
    auto* panel = new AnnotationPanel(store, document->controller(), document->textLayout());
    // The list follows every change of the store, whichever tab is shown.
    QObject::connect(tab, &DocumentTab::documentReady, panel, &AnnotationPanel::refresh);
    QObject::connect(tab, &DocumentTab::themeChanged, panel, &AnnotationPanel::refresh);
    QObject::connect(store, &AnnotationStore::annotationUpdated, panel, &AnnotationPanel::refresh);
    QObject::connect(store, &AnnotationStore::annotationRemoved, panel, &AnnotationPanel::refresh);
    QObject::connect(tab, &DocumentTab::languageChanged, panel, &AnnotationPanel::retranslate);
    return panel;
}

} // namespace

const std::vector<SidePanelInfo>& sidePanels()
{
    static const std::vector<SidePanelInfo> rows{
        {QT_TRANSLATE_NOOP("dovrix::MainWindow", "缩略图"), "thumbnailPanel", makeThumbnails, true,
         "Ctrl+T"},
        {QT_TRANSLATE_NOOP("dovrix::MainWindow", "目录"), "outlinePanel", makeOutline, true,
         "Ctrl+B"},
        {QT_TRANSLATE_NOOP("dovrix::MainWindow", "书签"), "bookmarkListPanel", makeBookmarks, true,
         nullptr},
        {QT_TRANSLATE_NOOP("dovrix::MainWindow", "搜索"), "searchPanel", makeSearch, true, nullptr},
        {QT_TRANSLATE_NOOP("dovrix::MainWindow", "批注"), "annotationPanel", makeAnnotations, true,
         nullptr},
    };
    return rows;
}

} // namespace dovrix
