// The window driven by its keys and the mouse as a reader uses them: search field, document keys,
// select all, drags, the OCR commands, read aloud, the home page and the bookmarks panel.

#include "app/MainWindow.h"
#include "app/NavigationCommands.h"
#include "app/OcrCommands.h"
#include "app/OpenRequests.h"
#include "app/StudyTools.h"
#include "core/BookmarkStore.h"
#include "core/DocumentController.h"
#include "ocr/OcrController.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "speech/ReadAloud.h"
#include "speech/SpeechEngine.h"
#include "text/SearchController.h"
#include "text/TextLayoutStore.h"
#include "view/PdfViewport.h"
#include "view/panels/BookmarkListPanel.h"
#include "view/panels/SearchPanel.h"

#include "tests/support/AppFixtures.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace dovrix;

namespace {

// A synthesiser that breaks down at its first word, like one without an audio device, and whose
// state looks ready again once stopped.
class BrokenEngine : public SpeechEngine
{
public:
    bool broken = false;
    bool inError = false;
    bool isAvailable() const override { return !inError; }
    QString unavailableReason() const override
    {
        return broken ? QStringLiteral("No audio device available") : QString();
    }
    void say(const QString&) override
    {
        broken = inError = true;
        QTimer::singleShot(0, this, &SpeechEngine::failed);
    }
    void pause() override {}
    void resume() override {}
    void stop() override { inError = false; }
    void setRate(double) override {}
    QStringList voiceNames() const override { return {}; }
    void setVoice(const QString&) override {}
};

} // namespace

class TestWindowKeys : public QObject, private test::WindowTestFolders
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolate(); }
    void init() { freshStart(); }
    void cleanup() { dir.reset(); }

    void findOptionAndQuickReturnShowTheFirstHit();
    void endHomeAndHistoryKeys();
    void selectAllPageThenDocumentAndCopy();
    void recogniseTextFromTheToolsMenuAndTheHint();
    void readAloudActionsFollowABrokenSynthesiser();
    void homePageWithoutABrowserSaysSo();
    void bookmarksPanelJumpsRenamesAndDeletes();

private:
    QString makePdf(const QString& name, const QStringList& pages)
    {
        const QString path = dir->filePath(name);
        return test::writeTextPdf(path, pages) ? path : QString();
    }
    // A shown, active window with the files open and ready.
    std::unique_ptr<MainWindow> openWindow(const QStringList& files);
};

std::unique_ptr<MainWindow> TestWindowKeys::openWindow(const QStringList& files)
{
    auto window = std::make_unique<MainWindow>();
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    for (const QString& path : files)
        window->openFile(path);
    for (DocumentTab* tab : window->openTabs()) {
        if (!test::waitReady(tab))
            return nullptr;
    }
    return window;
}

void TestWindowKeys::findOptionAndQuickReturnShowTheFirstHit()
{
    auto window = openWindow({});
    QVERIFY(window);
    OpenRequest request;
    request.path = makePdf("far.pdf", {"one", "two", "three", "the word here"});
    request.find = QStringLiteral("word");
    window->openRequest(request);
    QVERIFY(test::waitReady(window->current()));
    PdfViewport* view = window->current()->viewport();
    QTRY_COMPARE_WITH_TIMEOUT(view->currentPage(), 3, test::TimeoutMs);
    QCOMPARE(view->focusedHit(), 0);

    // An empty field, a word typed and Return before any page's text is read.
    window->openFile(makePdf("quick.pdf", {"a", "b", "c", "d", "needle"}));
    DocumentTab* tab = window->current();
    QVERIFY(test::waitReady(tab));
    QLineEdit* field = window->searchField();
    field->clear();
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, "needle");
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(tab->viewport()->currentPage(), 4, test::TimeoutMs);
    QCOMPARE(tab->panel<SearchPanel>()->currentHitIndex(), 0);
}

void TestWindowKeys::endHomeAndHistoryKeys()
{
    auto window = openWindow({makePdf("pages.pdf", {"one", "two", "three"})});
    QVERIFY(window);
    DocumentTab* tab = window->current();
    PdfViewport* view = tab->viewport();
    QScrollBar* bar = view->verticalScrollBar();
    view->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(!tab->session()->viewHistory().isEmpty(), test::TimeoutMs);
    const int entries = int(tab->session()->viewHistory().size());

    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum()); // the end of the last page, not its top
    QCOMPARE(view->currentPage(), 2);
    QVERIFY(view->pageRect(2).bottom() <= bar->value() + view->viewport()->height());
    QTRY_COMPARE_WITH_TIMEOUT(tab->session()->viewHistory().size(), entries + 1, test::TimeoutMs);

    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(view->currentPage(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(tab->session()->viewHistory().size(), entries + 2, test::TimeoutMs);

    // Alt+Left and Alt+Right walk the view history, wherever the focus is.
    QTest::keyClick(view, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(view->currentPage(), 2);
    window->searchField()->setFocus();
    QTest::keyClick(window->searchField(), Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(view->currentPage(), 0);
}

void TestWindowKeys::selectAllPageThenDocumentAndCopy()
{
    auto window = openWindow({makePdf("all.pdf", {"first page text", "second page words"})});
    QVERIFY(window);
    PdfViewport* view = window->current()->viewport();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    view->setFocus();

    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(view->selection()->hasSelection(), test::TimeoutMs);
    QVERIFY(!view->selection()->documentSelected());
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text().trimmed(), QStringLiteral("first page text"));
    QVERIFY(window->statusBar()->currentMessage().contains(QStringLiteral("已复制")));

    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(view->selection()->documentSelected());
    clipboard->clear();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(clipboard->text().contains(QStringLiteral("second page words")),
                             test::TimeoutMs);
    QVERIFY(clipboard->text().startsWith(QStringLiteral("first page text")));

    // A click ends it; in the search field Ctrl+A is the field's own.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!view->selection()->hasSelection() && !view->selection()->documentSelected());
    QLineEdit* field = window->searchField();
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, "abc");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(field->selectedText(), QStringLiteral("abc"));
    QVERIFY(!view->selection()->hasSelection());
}

void TestWindowKeys::recogniseTextFromTheToolsMenuAndTheHint()
{
    const QString path = dir->filePath(QStringLiteral("scan.pdf"));
    QVERIFY(test::writePlacedTextPdf(
        path, {{{QPointF(72, 100), QStringLiteral("A page with its own text")}}, {}, {}}));
    auto window = openWindow({path});
    QVERIFY(window);
    DocumentTab* tab = window->current();
    PdfViewport* view = tab->viewport();
    auto* menu = window->findChild<QMenu*>(QStringLiteral("ocrMenu"));
    QVERIFY(menu && menu->isEnabled());
    QVERIFY(window->studyTools()->toolsMenu()->actions().contains(menu->menuAction()));
    QCOMPARE(menu->title(), QStringLiteral("识别文字（OCR）"));

    // A page without text: a hint with the key, in the status bar only.
    window->statusBar()->clearMessage();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(
        window->statusBar()->currentMessage().contains(QStringLiteral("Ctrl+Shift+O")),
        test::TimeoutMs);
    QVERIFY(!window->ocrCommands()->progressDialog());

    // Tools → Recognise text → all pages without text: the two pictures, not the text page, in
    // one run whose progress shows at once. (Without the OCR files each page fails with a warning.)
    test::ModalDriver<QMessageBox> warning([](QMessageBox* box) { box->accept(); }, 2);
    OcrController* ocr = tab->session()->ocr();
    QList<int> pagesRun;
    bool dialogShown = true;
    const auto ran = [&](int page) {
        pagesRun.append(page);
        dialogShown = dialogShown && window->ocrCommands()->progressDialog()
                      && window->ocrCommands()->progressDialog()->isVisible();
    };
    connect(ocr, &OcrController::pageOcrReady, window.get(), ran);
    connect(ocr, &OcrController::pageFailed, window.get(), ran);
    QSignalSpy ended(ocr, &OcrController::finished);
    menu->actions().at(1)->trigger();
    QVERIFY(ended.wait(test::TimeoutMs));
    QCOMPARE(pagesRun, (QList<int>{1, 2}));
    QVERIFY(dialogShown);
    QVERIFY(!window->ocrCommands()->progressDialog());

    // Ctrl+Shift+O recognises the page shown (or fails it at once without the OCR files).
    pagesRun.clear();
    QApplication::setActiveWindow(window.get()); // the test platform leaves it with the menu
    QTest::keyClick(view, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE_WITH_TIMEOUT(pagesRun, QList<int>{2}, test::TimeoutMs);
}

void TestWindowKeys::readAloudActionsFollowABrokenSynthesiser()
{
    BrokenEngine engine;
    MainWindow window;
    StudyTools study(&window, &engine);
    window.show();
    window.openFile(makePdf("read.pdf", {"Words to read aloud."}));
    QVERIFY(test::waitReady(window.current()));
    study.updateActionStates();
    auto item = [&study](const char* name) {
        for (QAction* action : study.toolsMenu()->actions()) {
            if (action->objectName() == QLatin1String(name))
                return action;
        }
        return static_cast<QAction*>(nullptr);
    };
    QAction* read = item("readAloudAction");
    QAction* pause = item("pauseReadingAction");
    QAction* stop = item("stopReadingAction");
    QVERIFY(read && pause && stop);
    QVERIFY(read->isEnabled() && !pause->isEnabled() && !stop->isEnabled());

    read->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(engine.broken, test::TimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(study.readAloud()->state(), ReadAloudController::State::Stopped,
                              test::TimeoutMs);
    QVERIFY(!read->isEnabled());
    QVERIFY(!pause->isEnabled());
    QVERIFY(!stop->isEnabled());
    QCOMPARE(pause->toolTip(), QStringLiteral("No audio device available"));
    QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("No audio device")));
}

void TestWindowKeys::homePageWithoutABrowserSaysSo()
{
    auto window = openWindow({});
    QVERIFY(window);
    // The test platform has no desktop services: no browser can open the page.
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("homeButton")),
                      Qt::LeftButton);
    QVERIFY2(window->statusBar()->currentMessage().contains(QStringLiteral("https://")),
             qPrintable(window->statusBar()->currentMessage()));
}

void TestWindowKeys::bookmarksPanelJumpsRenamesAndDeletes()
{
    auto window = openWindow({makePdf("marks.pdf", {"one", "two", "three"})});
    QVERIFY(window);
    DocumentTab* tab = window->current();
    PdfViewport* view = tab->viewport();
    BookmarkStore* store = tab->session()->bookmarks();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(store->bookmarks().size(), 2);

    // Its tab sits beside contents and thumbnails.
    QTabWidget* side = window->sideTabWidget();
    BookmarkListPanel* panel = tab->panel<BookmarkListPanel>();
    const int sideIndex = side->indexOf(panel);
    QCOMPARE(sideIndex, 2);
    QTest::mouseClick(side->tabBar(), Qt::LeftButton, {},
                      side->tabBar()->tabRect(sideIndex).center());
    QCOMPARE(side->currentWidget(), panel);
    QListWidget* list = panel->list();
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 2, test::TimeoutMs);
    QCOMPARE(panel->rowIndices(), (QList<int>{1, 0})); // by page, not in the order added

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(view->currentPage(), 2);

    QTest::keyClick(list, Qt::Key_F2);
    auto* editor = list->findChild<QLineEdit*>();
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, "The end");
    QTest::keyClick(editor, Qt::Key_Return);
    // The item view commits an edit on its next turn.
    QTRY_COMPARE_WITH_TIMEOUT(store->bookmarks().at(0).name, QStringLiteral("The end"),
                              test::TimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(list->item(1)->text(), QStringLiteral("The end"), test::TimeoutMs);

    list->setFocus();
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(store->bookmarks().size(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 1, test::TimeoutMs);
    QCOMPARE(panel->rowIndices(), (QList<int>{0}));
}

QTEST_MAIN(TestWindowKeys)
#include "tst_windowkeys.moc"
