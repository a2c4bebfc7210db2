#include "annotations/AnnotationStore.h"
#include "core/BookmarkStore.h"
#include "core/DocumentController.h"
#include "core/PageColours.h"
#include "core/PdfWorker.h"
#include "core/ReadingProgress.h"
#include "core/RenderCache.h"
#include "engine/PdfDocument.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "settings/AppSettings.h"
#include "synctex/SynctexLink.h"
#include "text/TextLayoutStore.h"
#include "view/PdfViewport.h"
#include "view/ViewGeometry.h"
#include "view/panels/AnnotationPanel.h"
#include "view/panels/SearchPanel.h"

#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"
#include "tests/support/WorkerGate.h"

#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace dovrix;

class TestDocumentSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void historyKeepsTheNewestEntries();
    void historyDiscardsTheForwardBranch();
    void historyStepsStopAtTheEnds();

    void relaysAndReadySequence();
    void tabShowsTheReadyDocument();
    void storedPageIsRestoredAndHistoryWalks();
    void backRightAfterAJumpReturnsToItsStart();
    void historyKeepsThePlaceOfAJump();
    void annotationsFoundAgainInTheShownText();
    void historyRestoresZoomAndRotation();
    void reloadRestoresTheStoredPageAgain();
    void privateModeRestoresAndWritesNothing();
    void viewComesBackAsItWasLeft();
    void destroyedWhileItsLoadWaits();
    void closeRightAfterANoteKeepsIt();
    void ownsItsWidgets();

private:
    // A session on a ten-page document, shown, ready; stored page as given (-1 = none).
    std::unique_ptr<DocumentTab> openReady(int storedPage);

    QTemporaryDir settingsDir;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<PdfWorker> worker;
    std::unique_ptr<AppSettings> settings;
    QString pdf;
};

void TestDocumentSession::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QCoreApplication::setOrganizationName("Dovrix");
    QCoreApplication::setApplicationName("Dovrix");
}

void TestDocumentSession::init()
{
    QSettings().clear();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    worker = std::make_unique<PdfWorker>();
    settings = std::make_unique<AppSettings>();
    pdf = dir->filePath("ten.pdf");
    QStringList pages;
    for (int i = 0; i < 10; ++i)
        pages << QStringLiteral("Page number %1").arg(i + 1);
    QVERIFY(test::writeTextPdf(pdf, pages));
}

void TestDocumentSession::cleanup()
{
    settings.reset();
    worker.reset();
    dir.reset();
}

// --- the history list on its own ---

void TestDocumentSession::historyKeepsTheNewestEntries()
{
    ViewHistory history;
    QCOMPARE(history.index(), -1);
    for (int page = 0; page <= 100; ++page)
        QVERIFY(history.record({page, 1.0, 0}));
    QCOMPARE(history.entries().size(), ViewHistory::MaxEntries);
    QCOMPARE(history.index(), 99);
    QCOMPARE(history.entries().first().page, 1);
    QCOMPARE(history.entries().last().page, 100);
    // Repeating the current state adds nothing; a zoom that differs at all is a new state.
    QVERIFY(!history.record({100, 1.0, 0}));
    QVERIFY(history.record({100, 1.0 + 1e-9, 0}));
    QVERIFY(history.record({100, 1.0 + 1e-9, 90}));
    // Another place on the same page is a new state, unless within half a point.
    QVERIFY(history.record({100, 1.0 + 1e-9, 90, {0, 300}}));
    QVERIFY(!history.record({100, 1.0 + 1e-9, 90, {0.4, 299.6}}));
    QCOMPARE(history.entries().size(), ViewHistory::MaxEntries);
}

void TestDocumentSession::historyDiscardsTheForwardBranch()
{
    ViewHistory history;
    for (int page : {0, 3, 6, 9})
        history.record({page, 1.0, 0});
    QCOMPARE(history.step(-1)->page, 6);
    QCOMPARE(history.step(-1)->page, 3);
    QVERIFY(history.canGoForward());
    QVERIFY(history.record({5, 1.0, 0}));
    QCOMPARE(history.entries().size(), 3);
    QCOMPARE(history.index(), 2);
    QVERIFY(!history.canGoForward());
    QVERIFY(!history.step(+1));
    // Going back to an entry and "recording" that same state keeps the forward branch.
    QCOMPARE(history.step(-1)->page, 3);
    QVERIFY(!history.record({3, 1.0, 0}));
    QCOMPARE(history.entries().size(), 3);
}

void TestDocumentSession::historyStepsStopAtTheEnds()
{
    ViewHistory history;
    QVERIFY(!history.step(-1));
    QVERIFY(!history.step(+1));
    history.record({0, 1.0, 0});
    history.record({1, 1.0, 0});
    QVERIFY(!history.step(+1));
    QCOMPARE(history.index(), 1);
    QCOMPARE(history.step(-1)->page, 0);
    QVERIFY(!history.step(-1));
    QCOMPARE(history.index(), 0);
    history.clear();
    QCOMPARE(history.index(), -1);
    QVERIFY(history.entries().isEmpty());
}

// --- the session with its real parts ---

std::unique_ptr<DocumentTab> TestDocumentSession::openReady(int storedPage)
{
    if (storedPage >= 0)
        settings->saveProgress(hashFile(pdf), storedPage, 1.0);
    auto tab = std::make_unique<DocumentTab>(worker.get(), settings.get());
    tab->pageWidget()->resize(800, 600);
    tab->pageWidget()->show();
    QSignalSpy ready(tab.get(), &DocumentTab::documentReady);
    tab->session()->openFile(pdf);
    if (!ready.wait(test::TimeoutMs))
        return nullptr;
    return tab;
}

// The document's parts without any widget: relays, the ready sequence and what it leaves for the
// tab (the stored page, an empty history).
void TestDocumentSession::relaysAndReadySequence()
{
    settings->saveProgress(hashFile(pdf), 7, 1.0);
    DocumentSession session(worker.get(), settings.get());
    QCOMPARE(session.displayName(), QStringLiteral("新文档"));
    QCOMPARE(session.renderCache()->byteBudget(), qint64(192) * 1024 * 1024);

    QSignalSpy status(&session, &DocumentSession::statusChanged);
    bool sawReady = false;
    connect(&session, &DocumentSession::documentReady, this, [&](DocumentSession* s) {
        QCOMPARE(s, &session);
        // Listeners see a fully reset session.
        QVERIFY(s->annotations()->isBound());
        QCOMPARE(s->annotations()->sourceHash(), s->controller()->sourceHash());
        QCOMPARE(s->progress()->documentKey(), s->controller()->sourceHash());
        QCOMPARE(s->bookmarks()->documentKey(), s->controller()->sourceHash());
        QCOMPARE(s->synctex()->documentPath(), pdf);
        QCOMPARE(s->historyIndex(), -1);
        QCOMPARE(s->pendingRestorePage(), 7);
        sawReady = true;
    });
    session.openFile(pdf);
    QTRY_VERIFY_WITH_TIMEOUT(sawReady, test::TimeoutMs);
    QCOMPARE(session.displayName(), QStringLiteral("ten.pdf"));
    QVERIFY(status.size() >= 2);
    QCOMPARE(status.first().at(0).value<DocumentSession*>(), &session);
    QCOMPARE(status.first().at(1).value<DocumentStatus>(), DocumentStatus::Loading);
    QCOMPARE(status.last().at(1).value<DocumentStatus>(), DocumentStatus::Ready);
    QCOMPARE(session.takeRestorePage(), 7);
    QCOMPARE(session.pendingRestorePage(), -1);
    session.prepareClose();
}

// The tab's widgets are bound to the document before the tab announces it.
void TestDocumentSession::tabShowsTheReadyDocument()
{
    DocumentTab tab(worker.get(), settings.get());
    QVERIFY(tab.historyTimer()->isSingleShot());
    QVERIFY(!tab.pageWidget()->parent());
    int pagesWhenReady = -1;
    connect(&tab, &DocumentTab::documentReady, this, [&](DocumentTab* t) {
        QCOMPARE(t, &tab);
        pagesWhenReady = t->viewport()->pageCount();
        QCOMPARE(t->session()->historyIndex(), 0);
        QCOMPARE(t->panel<SearchPanel>()->statusLabel()->text(),
                 QStringLiteral("输入关键字开始搜索（Ctrl+F）"));
    });
    tab.session()->openFile(pdf);
    QTRY_COMPARE_WITH_TIMEOUT(pagesWhenReady, 10, test::TimeoutMs);
    QCOMPARE(tab.session()->viewHistory().size(), 1);
    QCOMPARE(tab.session()->viewHistory().first(),
             (ViewState{0, tab.viewport()->zoom(), 0, tab.viewport()->currentTarget().point}));
}

void TestDocumentSession::storedPageIsRestoredAndHistoryWalks()
{
    auto tab = openReady(7);
    QVERIFY(tab);
    PdfViewport* view = tab->viewport();
    QCOMPARE(view->currentPage(), 7);
    QCOMPARE(tab->session()->pendingRestorePage(), -1);
    // The jump becomes the second entry once the view has settled.
    QTRY_COMPARE_WITH_TIMEOUT(tab->session()->historyIndex(), 1, test::TimeoutMs);
    QCOMPARE(tab->session()->viewHistory().size(), 2);

    tab->navigateHistory(-1);
    QCOMPARE(view->currentPage(), 0);
    QCOMPARE(tab->session()->historyIndex(), 0);
    QVERIFY(!tab->historyTimer()->isActive()); // navigating makes no new entry
    tab->navigateHistory(-1);
    QCOMPARE(view->currentPage(), 0);
    QCOMPARE(tab->session()->historyIndex(), 0);

    tab->navigateHistory(+1);
    QCOMPARE(view->currentPage(), 7);
    tab->navigateHistory(+1);
    QCOMPARE(view->currentPage(), 7);
    QCOMPARE(tab->session()->historyIndex(), 1);

    // Back, then a move elsewhere: the forward entry is gone.
    tab->navigateHistory(-1);
    view->goToPage(4);
    QTRY_COMPARE_WITH_TIMEOUT(tab->session()->viewHistory().last().page, 4, test::TimeoutMs);
    QCOMPARE(tab->session()->viewHistory().size(), 2);
    QCOMPARE(tab->session()->historyIndex(), 1);
    tab->navigateHistory(+1);
    QCOMPARE(view->currentPage(), 4);
}

void TestDocumentSession::backRightAfterAJumpReturnsToItsStart()
{
    auto tab = openReady(7);
    QVERIFY(tab);
    PdfViewport* view = tab->viewport();
    QTRY_COMPARE_WITH_TIMEOUT(tab->session()->historyIndex(), 1, test::TimeoutMs);
    view->goToPage(2);
    QVERIFY(tab->historyTimer()->isActive());
    // Back before the history timer fired: the page the jump started from, not the one before.
    tab->navigateHistory(-1);
    QCOMPARE(view->currentPage(), 7);
    tab->navigateHistory(+1);
    QCOMPARE(view->currentPage(), 2);
    QCOMPARE(tab->session()->viewHistory().size(), 3);
}

// A link or an outline entry: Back returns to the very place the jump left, Forward to the
// destination's point and zoom, also for a jump within one page.
void TestDocumentSession::historyKeepsThePlaceOfAJump()
{
    auto tab = openReady(-1);
    QVERIFY(tab);
    PdfViewport* view = tab->viewport();
    const auto place = [](int page, double y, double zoom = 0) {
        ViewTarget t;
        t.show = ViewTarget::Show::Point;
        t.page = page;
        t.point = QPointF(0, y);
        t.hasTop = true;
        t.zoom = zoom;
        return t;
    };
    const auto shows = [view](int page, double y, double zoom) {
        const ViewTarget here = view->currentTarget();
        return here.page == page && std::abs(here.point.y() - y) <= 1.0
               && sameZoom(here.zoom, zoom);
    };
    view->showTarget(place(3, 300));
    const double zoom = view->zoom();
    QVERIFY(shows(3, 300, zoom));
    view->jumpTo(place(6, 500, 2.0));
    QVERIFY(shows(6, 500, 2.0));
    view->jumpTo(place(6, 100));
    QVERIFY(shows(6, 100, 2.0));
    QVERIFY(!tab->historyTimer()->isActive());

    tab->navigateHistory(-1);
    QVERIFY(shows(6, 500, 2.0));
    tab->navigateHistory(-1);
    QVERIFY(shows(3, 300, zoom));
    tab->navigateHistory(+1);
    tab->navigateHistory(+1);
    QVERIFY(shows(6, 100, 2.0));
}

// Text anchors count in one engine's page text. Annotations whose anchor counts in the other
// one are found again in the text shown, by their words or else by their rectangle, and keep
// their old anchor beside the new one; anchors of the text shown stay as they are.
void TestDocumentSession::annotationsFoundAgainInTheShownText()
{
    auto tab = openReady(-1);
    QVERIFY(tab);
    TextLayoutStore* text = tab->session()->textLayout();
    text->requestCharBoxes(3, JobPriority::TextLayout);
    QTRY_VERIFY_WITH_TIMEOUT(text->hasCharBoxes(3), test::TimeoutMs);
    const QString pageText = text->pageText(3);
    const int word = int(pageText.indexOf(QStringLiteral("Page")));
    QVERIFY(word >= 0);
    const QRectF wordRect = unitedBoxes(text->charBoxes(3), word, 4);

    const auto annotation = [](const char* id, int start, int length) {
        Annotation a;
        a.id = QString::fromLatin1(id);
        a.page = 3;
        a.byText = true;
        a.start = start;
        a.length = length;
        return a;
    };
    Annotation quoted = annotation("quoted", 40, 8);
    quoted.quote = QStringLiteral("number 4");
    Annotation framed = annotation("framed", -1, 0); // its words were lost on the way
    framed.rect = wordRect;
    // As older versions wrote it: Qt PDF's indices of "number", without the words.
    const OpenResult qtPdf = PdfDocument::open(pdf, {}, EngineKind::QtPdf, false);
    QVERIFY(qtPdf.document);
    const QString qtText = qtPdf.document->pageText(3).text;
    Annotation older = annotation("older", int(qtText.indexOf(QStringLiteral("number"))), 6);
    QVERIFY(older.start >= 0);
    Annotation shown = annotation("shown", word, 4);
    shown.rect = wordRect;
    AnnotationStore* store = tab->session()->annotations();
    const TextSpace other =
        store->space() == TextSpace::MuPdf ? TextSpace::QtPdf : TextSpace::MuPdf;
    QVERIFY(test::writeFile(
        AnnotationStore::sidecarPathFor(pdf),
        "{\"annotations\":[" + AnnotationStore::encode(quoted, other) + ','
            + AnnotationStore::encode(framed, other) + ',' + AnnotationStore::encode(older) + ','
            + AnnotationStore::encode(shown, store->space()) + "],\"sourceHash\":\""
            + hashFile(pdf).toLatin1() + "\",\"version\":1}"));
    QSignalSpy ready(tab.get(), &DocumentTab::documentReady);
    tab->session()->controller()->reload();
    QVERIFY(ready.wait(test::TimeoutMs));

    const auto words = [store, text](const char* id) {
        const Annotation* a = store->find(QString::fromLatin1(id));
        return a && a->isTextAnchored() ? text->pageText(a->page).mid(a->start, a->length)
                                        : QString();
    };
    QTRY_COMPARE_WITH_TIMEOUT(words("quoted"), QStringLiteral("number 4"), test::TimeoutMs);
    QCOMPARE(words("framed"), QStringLiteral("Page"));
    QCOMPARE(words("older"), QStringLiteral("number"));
    QCOMPARE(words("shown"), QStringLiteral("Page"));
    QCOMPARE(store->find("quoted")->otherStart, 40);
    store->waitForWrites();
    AnnotationStore reread;
    reread.setTextSpace(other);
    reread.setSource(pdf, hashFile(pdf));
    QCOMPARE(reread.find("quoted")->start, 40);
    QCOMPARE(reread.find("quoted")->otherStart, store->find("quoted")->start);
}

void TestDocumentSession::historyRestoresZoomAndRotation()
{
    auto tab = openReady(-1);
    QVERIFY(tab);
    PdfViewport* view = tab->viewport();
    const double startZoom = view->zoom();
    view->setZoom(2.0);
    QTRY_COMPARE_WITH_TIMEOUT(tab->session()->historyIndex(), 1, test::TimeoutMs);
    view->rotateBy(90);
    QTRY_COMPARE_WITH_TIMEOUT(tab->session()->historyIndex(), 2, test::TimeoutMs);
    QCOMPARE(tab->session()->viewHistory().last().rotation, 90);

    tab->navigateHistory(-1);
    QCOMPARE(view->rotation(), 0);
    QCOMPARE(view->zoom(), 2.0);
    tab->navigateHistory(-1);
    QCOMPARE(view->zoom(), startZoom);
    tab->navigateHistory(+1);
    tab->navigateHistory(+1);
    QCOMPARE(view->rotation(), 90);
    QCOMPARE(view->zoom(), 2.0);
    QVERIFY(!tab->historyTimer()->isActive());
}

void TestDocumentSession::reloadRestoresTheStoredPageAgain()
{
    auto tab = openReady(7);
    QVERIFY(tab);
    PdfViewport* view = tab->viewport();
    QTRY_COMPARE_WITH_TIMEOUT(tab->session()->historyIndex(), 1, test::TimeoutMs);
    view->goToPage(4);
    QTRY_COMPARE_WITH_TIMEOUT(tab->session()->historyIndex(), 2, test::TimeoutMs);

    QSignalSpy ready(tab.get(), &DocumentTab::documentReady);
    tab->session()->controller()->reload();
    QVERIFY(ready.wait(test::TimeoutMs));
    // The reset view's first page is not taken for a reading move: page 4 comes back.
    QCOMPARE(view->currentPage(), 4);
    QCOMPARE(settings->progressPage(tab->session()->controller()->sourceHash()), 4);
    QCOMPARE(tab->session()->viewHistory().first().page, 0);
    QCOMPARE(tab->session()->historyIndex(), 0);
    QVERIFY(tab->session()->renderCache()->count() == 0
            || !tab->session()->renderCache()->contains(view->renderKeyFor(0)));
}

void TestDocumentSession::privateModeRestoresAndWritesNothing()
{
    settings->setPrivateMode(true);
    auto tab = openReady(7);
    QVERIFY(tab);
    PdfViewport* view = tab->viewport();
    QCOMPARE(view->currentPage(), 0);
    view->goToPage(3);
    QCOMPARE(view->currentPage(), 3);
    tab->session()->prepareClose();
    tab.reset();
    QCOMPARE(settings->progressPage(hashFile(pdf)), 7);
}

void TestDocumentSession::viewComesBackAsItWasLeft()
{
    settings->setPageColours(QStringLiteral("sepia"));
    auto tab = openReady(-1);
    QVERIFY(tab);
    PdfViewport* view = tab->viewport();
    QCOMPARE(view->pageColours(), PageColours::Sepia); // the last choice, for a new document
    view->setViewMode(PdfViewport::ViewMode::SinglePage);
    view->setFitMode(PdfViewport::FitMode::FitPage);
    view->setPageColours(PageColours::Night);
    view->setCoverAlone(false);
    view->setSpread(true);
    const DocumentView left = tab->currentView();
    tab->session()->prepareClose();
    tab.reset();

    // In private mode neither restored nor written.
    settings->setPrivateMode(true);
    tab = openReady(-1);
    QVERIFY(tab);
    view = tab->viewport();
    QCOMPARE(view->viewMode(), PdfViewport::ViewMode::Continuous);
    view->setZoom(3.0);
    tab->session()->prepareClose();
    tab.reset();
    settings->setPrivateMode(false);
    DocumentView stored;
    QVERIFY(settings->documentView(hashFile(pdf), &stored));
    QCOMPARE(stored, left);

    tab = openReady(-1);
    QVERIFY(tab);
    view = tab->viewport();
    QCOMPARE(tab->currentView(), left);
    QCOMPARE(view->fitMode(), PdfViewport::FitMode::FitPage);
    QCOMPARE(tab->session()->renderCache()->pageColours(), PageColours::Night);
    // A zoom of the user's is kept as such, without a fit mode.
    view->setZoom(2.5);
    tab->session()->prepareClose();
    QVERIFY(settings->documentView(hashFile(pdf), &stored));
    QCOMPARE(PdfViewport::FitMode(stored.fitMode), PdfViewport::FitMode::FitNone);
    QCOMPARE(stored.zoom, 2.5);
}

// Notes are written off the GUI thread; a document closed right after one was added has it on disk.
void TestDocumentSession::closeRightAfterANoteKeepsIt()
{
    auto tab = openReady(-1);
    QVERIFY(tab);
    Annotation note;
    note.page = 1;
    note.rect = QRectF(10, 10, 40, 20);
    note.text = QStringLiteral("last words");
    const QString id = tab->session()->annotations()->add(note);
    QVERIFY(tab->session()->annotations()->hasPendingWrites());
    tab->session()->prepareClose();
    QVERIFY(!tab->session()->annotations()->hasPendingWrites());
    AnnotationStore reread;
    reread.setSource(pdf, tab->session()->controller()->sourceHash());
    QVERIFY(reread.find(id));
    QCOMPARE(reread.find(id)->text, note.text);
}

void TestDocumentSession::destroyedWhileItsLoadWaits()
{
    auto session = std::make_unique<DocumentSession>(worker.get(), settings.get());
    QSignalSpy ready(session.get(), &DocumentSession::documentReady);
    {
        test::WorkerGate gate(worker.get());
        session->openFile(pdf);
        session->prepareClose();
        session.reset();
    }
    QVERIFY(worker->waitForIdle(test::TimeoutMs));
    QCoreApplication::processEvents();
    QCOMPARE(ready.size(), 0);
}

void TestDocumentSession::ownsItsWidgets()
{
    auto tab = std::make_unique<DocumentTab>(worker.get(), settings.get());
    QList<QPointer<QWidget>> widgets{tab->pageWidget(), tab->panel<SearchPanel>(),
                                     tab->panel<AnnotationPanel>()};
    for (const QPointer<QWidget>& w : widgets) {
        QVERIFY(w);
        QVERIFY(!w->parent());
    }
    // Placed into the window's containers, they are still deleted with the tab.
    QWidget window;
    for (const QPointer<QWidget>& w : widgets)
        w->setParent(&window);
    tab.reset();
    for (const QPointer<QWidget>& w : widgets)
        QVERIFY(!w);
    QVERIFY(window.children().isEmpty());

    // And a container that goes first takes them along without harm to the tab.
    tab = std::make_unique<DocumentTab>(worker.get(), settings.get());
    {
        QWidget container;
        tab->pageWidget()->setParent(&container);
        tab->panel<SearchPanel>()->setParent(&container);
    }
    QVERIFY(!tab->pageWidget());
    QVERIFY(!tab->panel<SearchPanel>());
    tab->session()->prepareClose();
    tab.reset();
}

QTEST_MAIN(TestDocumentSession)
#include "tst_documentsession.moc"
