#include "session/DocumentTab.h"

#include "annotations/AnnotationStore.h"
#include "core/BookmarkStore.h"
#include "core/DocumentController.h"
#include "core/PageColours.h"
#include "core/ReadingProgress.h"
#include "core/RenderCache.h"
#include "ocr/OcrController.h"
#include "session/DocumentSession.h"
#include "session/SidePanels.h"
#include "view/AnnotationTool.h"
#include "view/FormLayer.h"
#include "view/PdfViewport.h"

#include <QTimer>
#include <QWidget>

namespace dovrix {

DocumentTab::DocumentTab(PdfWorker* worker, AppSettings* settings, QObject* parent)
    : QObject(parent)
{
    document = new DocumentSession(worker, settings, this);
    DocumentController* controller = document->controller();
    // The session's own ready sequence runs first; this connection is made before anyone else's.
    connect(document, &DocumentSession::documentReady, this, [this] {
        showReadyDocument();
        Q_EMIT documentReady(this);
        announceFirstPage();
    });

    view = new PdfViewport(document->renderCache(), document->textLayout(), controller,
                           document->search());
    view->setAnnotationStore(document->annotations());
    forms = new FormLayer(view, controller, document->annotations());
    connect(document, &DocumentSession::formValuesDrawn, this, &DocumentTab::redrawFormPages);
    // The page view shows which pages have recognised text, shown or not.
    OcrController* ocr = document->ocr();
    connect(ocr, &OcrController::resultsRestored, view, [this](const QList<int>& pages) {
        for (int page : pages)
            view->setOcrPageState(page, true);
    });
    connect(ocr, &OcrController::pageOcrReady, view,
            [this](int page, int lineCount) { view->setOcrPageState(page, lineCount > 0); });

    for (const SidePanelInfo& row : sidePanels()) {
        QWidget* panel = row.needsDocument ? row.create(this) : nullptr;
        if (panel)
            panel->setObjectName(QLatin1String(row.objectName));
        panels.append(panel);
    }

    timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(HistoryDelayMs);
    connect(timer, &QTimer::timeout, this, &DocumentTab::recordViewState);

    // Reading progress follows every page and zoom change; the history records a burst of moves
    // once it has settled, unless the move is the history's own.
    ReadingProgress* progress = document->progress();
    connect(view, &PdfViewport::currentPageChanged, this, [this, progress](int page) {
        if (!binding)
            progress->update(page, view->zoom());
        viewMoved();
    });
    connect(view, &PdfViewport::zoomChanged, this, [this, progress](double zoom) {
        if (!binding)
            progress->update(view->currentPage(), zoom);
        viewMoved();
    });
    connect(view, &PdfViewport::rotationChanged, this, [this] { viewMoved(); });
    // A link or an outline entry: the place left and the place reached are both kept, also
    // when the jump stays on the page.
    connect(view, &PdfViewport::jumpStarting, this, [this] {
        timer->stop();
        recordViewState();
    });
    connect(view, &PdfViewport::jumpFinished, this, [this] {
        timer->stop();
        recordViewState();
    });
    // The way the document is shown is kept with its position.
    view->setPageColours(pageColoursFromId(settings->pageColours()));
    connect(view, &PdfViewport::fitModeChanged, this, &DocumentTab::viewChanged);
    connect(view, &PdfViewport::viewModeChanged, this, &DocumentTab::viewChanged);
    connect(view, &PdfViewport::spreadChanged, this, &DocumentTab::viewChanged);
    connect(view, &PdfViewport::coverAloneChanged, this, &DocumentTab::viewChanged);
    connect(view, &PdfViewport::zoomChanged, this, &DocumentTab::viewChanged);
    connect(view, &PdfViewport::pageColoursChanged, this, &DocumentTab::viewChanged);
}

DocumentTab::~DocumentTab()
{
    // The widgets go first: the session they show is a child and follows.
    for (const QPointer<QWidget>& panel : std::as_const(panels))
        delete panel.data();
    delete view.data();
}

void DocumentTab::showReadyDocument()
{
    // The page view is guarded: a container of the window may have taken it along already. The
    // panels follow at documentReady, after the page view has asked for its first pages.
    if (view) {
        // Binding the document puts the view back on its first page; that is no reading move,
        // and recording it would overwrite the stored page before it is restored below.
        binding = true;
        view->setDocument();
        binding = false;
    }
    const int restorePage = document->takeRestorePage();
    DocumentView stored;
    if (view && !document->settings()->privateMode() && document->progress()->savedView(&stored))
        restoreView(stored);

    timer->stop();
    recordViewState();

    if (restorePage > 0 && view)
        view->goToPage(restorePage);
}

void DocumentTab::announceFirstPage()
{
    disconnect(firstRender);
    if (view && view->isVisible() && document->controller()->document()) {
        firstRender = connect(document->renderCache(), &RenderCache::pageRendered, this, [this] {
            disconnect(firstRender);
            Q_EMIT firstPageShown();
        });
    } else {
        Q_EMIT firstPageShown();
    }
}

void DocumentTab::redrawFormPages(const QSet<QString>& changedFields)
{
    // Before the fields are read, any page may hold them (a render may already be on its way).
    QList<int> pages;
    if (forms && forms->hasFields()) {
        pages = forms->pagesOf(changedFields);
    } else {
        for (int page = 0; page < document->controller()->pageCount(); ++page)
            pages.append(page);
    }
    // The engine's page text holds the values too: search and copy must read them anew.
    document->textLayout()->forgetPages(pages);
    if (view)
        view->pagesChanged(pages);
    Q_EMIT pagesChanged(pages);
}

void DocumentTab::trimCaches()
{
    document->trimCaches();
    Q_EMIT trimmingCaches();
}

DocumentView DocumentTab::currentView() const
{
    DocumentView shown;
    if (!view)
        return shown;
    shown.zoom = view->zoom();
    shown.fitMode = int(view->fitMode());
    shown.viewMode = int(view->viewMode());
    shown.spread = view->spread();
    shown.coverAlone = view->coverAlone();
    shown.pageColours = pageColoursId(view->pageColours());
    return shown;
}

void DocumentTab::restoreView(const DocumentView& stored)
{
    // Restoring is no change of the user's: nothing is reported back.
    binding = true;
    view->setPageColours(pageColoursFromId(stored.pageColours));
    // The stored numbers are those of the enumerations (the settings clamp them to their range).
    view->setViewMode(PdfViewport::ViewMode(stored.viewMode));
    view->setCoverAlone(stored.coverAlone);
    view->setSpread(stored.spread);
    if (PdfViewport::FitMode(stored.fitMode) != PdfViewport::FitMode::FitNone)
        view->setFitMode(PdfViewport::FitMode(stored.fitMode));
    else
        view->setZoom(stored.zoom);
    binding = false;
}

void DocumentTab::viewChanged()
{
    if (!binding && view)
        document->progress()->updateView(currentView());
}

void DocumentTab::viewMoved()
{
    if (!navigating)
        timer->start();
}

void DocumentTab::recordViewState()
{
    if (!view || document->controller()->status() != DocumentStatus::Ready)
        return;
    const ViewTarget here = view->currentTarget();
    document->history().record(
        ViewState{view->currentPage(), view->zoom(), view->rotation(), here.point});
}

void DocumentTab::navigateHistory(int step)
{
    // A move that has not been recorded yet (the history timer still runs) is recorded first, so
    // that Back right after a jump returns to where the jump started and Forward comes back.
    if (timer->isActive()) {
        timer->stop();
        recordViewState();
    }
    if (!view)
        return;
    const std::optional<ViewState> target = document->history().step(step);
    if (!target)
        return;
    navigating = true;
    if (view->rotation() != target->rotation)
        view->rotateBy(target->rotation - view->rotation());
    ViewTarget place;
    place.show = ViewTarget::Show::Point;
    place.page = target->page;
    place.point = target->point;
    place.hasLeft = true;
    place.hasTop = true;
    place.zoom = target->zoom;
    view->showTarget(place);
    navigating = false;
}

void DocumentTab::goToBookmark(int index)
{
    const QList<Bookmark>& list = document->bookmarks()->bookmarks();
    if (!view || index < 0 || index >= list.size())
        return;
    const Bookmark& bookmark = list.at(index);
    if (view->fitMode() == PdfViewport::FitMode::FitNone)
        view->setZoom(bookmark.zoom);
    view->scrollToPagePoint(bookmark.page, QPointF(0, bookmark.topPt));
}

void DocumentTab::retranslate()
{
    Q_EMIT languageChanged();
    if (view)
        view->annotations()->retranslateCard();
}

void DocumentTab::applyThemeColours()
{
    if (view) {
        view->applyThemeColours();
        view->update();
    }
    Q_EMIT themeChanged();
}

PdfViewport* DocumentTab::viewport() const
{
    return view.data();
}

QWidget* DocumentTab::pageWidget() const
{
    return view.data();
}

FormLayer* DocumentTab::formLayer() const
{
    return forms.data();
}

QWidget* DocumentTab::sidePanel(int row) const
{
    return row >= 0 && row < panels.size() ? panels.at(row).data() : nullptr;
}

} // namespace dovrix
