#include "core/session/DocumentSession.h"

#include "annotations/AnnotationStore.h"
#include "core/DocumentController.h"
#include "core/ReadingProgress.h"
#include "core/RenderCache.h"
#include "settings/AppSettings.h"
#include "text/SearchController.h"
#include "text/TextLayoutStore.h"
#include "theme/ThemePalette.h"

#include <QFileInfo>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace dovrix {

namespace {

// Stands in the tab until the document has a page view; shows the theme's page-view background.
class PagePlaceholder : public QWidget
{
public:
    PagePlaceholder() { setFocusPolicy(Qt::StrongFocus); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(themePalette(currentTheme()).viewport));
    }
};

// Zooms differ when |a − b| × 10¹² > min(|a|, |b|).
bool zoomsDiffer(double a, double b)
{
    return std::abs(a - b) * 1e12 > std::min(std::abs(a), std::abs(b));
}

} // namespace

DocumentSession::DocumentSession(PdfWorker* worker, AppSettings* settings, QObject* parent)
    : QObject(parent), pdfWorker(worker), appSettings(settings)
{
    documentController = new DocumentController(worker, this);
    textStore = new TextLayoutStore(worker, documentController, this);
    searchController = new SearchController(textStore, documentController, this);
    annotationStore = new AnnotationStore(this);
    cache = new RenderCache(worker, RenderCacheBytes, RenderPriority, this);

    connect(documentController, &DocumentController::statusChanged, this,
            [this](int status, const QString& message) {
                Q_EMIT statusChanged(this, status, message);
            });
    connect(documentController, &DocumentController::documentReady, this, [this] {
        runReadySequence();
        Q_EMIT documentReady(this);
    });
    connect(documentController, &DocumentController::passwordRequired, this,
            [this](bool wrongPrevious) { Q_EMIT passwordRequired(this, wrongPrevious); });
    connect(documentController, &DocumentController::sourceFileModified, this, [this] {
        modified = true;
        Q_EMIT sourceFileModified(this);
    });

    page = new PagePlaceholder;

    readingProgress = new ReadingProgress(settings, this);
    timer = new QTimer(this);
    timer->setSingleShot(true);
    timer->setInterval(HistoryDelayMs);
    connect(timer, &QTimer::timeout, this, &DocumentSession::recordViewState);
}

DocumentSession::~DocumentSession()
{
    readingProgress->flush();
    delete page.data();
    // The children follow; the controller hands its document to the worker for release.
}

void DocumentSession::openFile(const QString& path)
{
    documentController->openFile(path);
}

void DocumentSession::submitPassword(const QString& password)
{
    documentController->submitPassword(password);
}

void DocumentSession::prepareClose()
{
    readingProgress->flush();
}

QString DocumentSession::displayName() const
{
    const QString path = documentController->filePath();
    if (path.isEmpty())
        return tr("新文档");
    return QFileInfo(path).fileName();
}

void DocumentSession::runReadySequence()
{
    cache->clear();
    textStore->clear();
    searchController->clear();
    annotationStore->setSource(documentController->filePath(), documentController->sourceHash());
    readingProgress->setDocumentKey(documentController->sourceHash());
    restorePage = appSettings->privateMode() ? -1 : readingProgress->savedPage();

    timer->stop();
    history.clear();
    recordViewState();

    if (restorePage > 0) {
        goToPage(restorePage);
        restorePage = -1;
    }
}

void DocumentSession::viewMoved()
{
    if (!navigating)
        timer->start();
}

void DocumentSession::recordViewState()
{
    if (documentController->status() != Ready)
        return;
    if (const std::optional<ViewState> state = currentViewState())
        history.record(*state);
}

void DocumentSession::navigateHistory(int step)
{
    // A move that has not been recorded yet (the history timer still runs) is recorded first, so
    // that Back right after a jump returns to where the jump started and Forward comes back.
    if (timer->isActive()) {
        timer->stop();
        recordViewState();
    }
    const std::optional<ViewState> target = history.step(step);
    if (!target)
        return;
    navigating = true;
    showViewState(*target);
    navigating = false;
}

std::optional<ViewState> DocumentSession::currentViewState() const
{
    return std::nullopt;
}

void DocumentSession::showViewState(const ViewState& state)
{
    Q_UNUSED(state)
    Q_UNUSED(zoomsDiffer)
}

void DocumentSession::goToPage(int target)
{
    Q_UNUSED(target)
}

} // namespace dovrix
