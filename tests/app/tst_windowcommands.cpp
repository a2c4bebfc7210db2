#include "annotations/Annotation.h"
#include "annotations/AnnotationStore.h"
#include "app/AnnotationCommands.h"
#include "app/FullScreenMode.h"
#include "app/MainWindow.h"
#include "app/NavigationCommands.h"
#include "core/DocumentController.h"
#include "core/PageColours.h"
#include "core/RenderCache.h"
#include "i18n/LanguageTable.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "settings/AppSettings.h"
#include "text/SearchController.h"
#include "text/TextLayoutStore.h"
#include "theme/ThemePalette.h"
#include "view/AnnotationTool.h"
#include "view/PdfViewport.h"
#include "view/panels/AnnotationPanel.h"
#include "view/panels/SearchPanel.h"
#include "view/panels/ThumbnailPanel.h"

#include "tests/support/AppFixtures.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"
#include "tests/support/TextFixtures.h"
#include "tests/support/WorkerGate.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

using namespace dovrix;
using test::ModalDriver;

namespace {

// The item of a choice menu (theme, page colours, language) that carries data.
QAction* choice(QMenu* menu, const QVariant& data)
{
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->data() == data)
            return action;
    }
    return nullptr;
}

} // namespace

class TestWindowCommands : public QObject, private test::WindowTestFolders
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { freshStart(); }
    void cleanup();

    void disabledWithoutDocument();
    void ctrlTabCycles();
    void sideTabIsRememberedPerDocument();
    void dropOpensPdfFilesOnly();
    void recentListOpensAndClears();
    void firstAnnotationIsExplainedOnce();
    void searchFieldSearchesAndSteps();
    void fitButtonTwiceReturnsToActualSize();
    void threeZoomInsShow173();
    void copyKeyCopiesTheSelection();
    void copyKeyLeavesOutLineBreakMarkers();
    void escapeFromEveryFocusableWidget();
    void escapeClosesAComboPopupFirst();
    void pageFieldJumpsAndRefuses();
    void everyAnnotationToolDrawsItsType();
    void escapeLeavesAnnotationModeAfterAnAnnotation();
    void hashIndicatorAndLastTab();
    void sourceChangeShowsTheBanner();
    void titleNamesTheFirstDocument();
    void indicatorsTellTheCurrentTab();
    void sideTabTitlesAreWhole_data();
    void sideTabTitlesAreWhole();
    void rightToLeftTabsAndHistoryArrows();
    void privateModeLabelWaitsForTheFirstToggle();
    void themeFromSettingsMenuAndPageViews_data();
    void themeFromSettingsMenuAndPageViews();
    void languageMenuSwitches();
    void pageColoursMenuCyclesAndFollowsTheTheme();
    void fullScreenEnterAndLeaveRestoreTheLayout();

private:
    QString makePdf(const QString& name, const QStringList& pages);
    QString makePdf(const QString& name) { return makePdf(name, {"one", "two", "three"}); }
    // A shown, active window with the given files open and ready.
    std::unique_ptr<MainWindow> openWindow(const QStringList& files);
    template <typename T> static T* child(MainWindow& window, const char* name)
    {
        return window.findChild<T*>(QLatin1String(name));
    }
};

void TestWindowCommands::initTestCase()
{
    isolate();
}

void TestWindowCommands::cleanup()
{
    installLanguage(QStringLiteral("zh-CN"));
    dir.reset();
}

QString TestWindowCommands::makePdf(const QString& name, const QStringList& pages)
{
    const QString path = dir->filePath(name);
    return test::writeTextPdf(path, pages) ? path : QString();
}

std::unique_ptr<MainWindow> TestWindowCommands::openWindow(const QStringList& files)
{
    auto window = std::make_unique<MainWindow>();
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    // No box between a test and its annotations (firstAnnotationIsExplainedOnce asks for it).
    window->annotationCommands()->setFirstAnnotationExplained(true);
    for (const QString& path : files)
        window->openFile(path);
    for (DocumentTab* tab : window->openTabs()) {
        if (!test::waitReady(tab))
            return nullptr;
    }
    return window;
}

void TestWindowCommands::disabledWithoutDocument()
{
    auto window = openWindow({});
    QVERIFY(window);
    for (const char* name : {"closeAction", "findNextAction", "findPreviousAction", "copyAction",
                             "printAction", "annotationModeAction", "rotateAction"})
        QVERIFY2(!child<QAction>(*window, name)->isEnabled(), name);
    for (const char* name : {"zoomOutButton", "zoomInButton", "fitButton", "statusRotateButton",
                             "viewModeButton", "annotationButton", "searchField"})
        QVERIFY2(!child<QWidget>(*window, name)->isEnabled(), name);
    QCOMPARE(child<QLabel>(*window, "statusZoomLabel")->text(), QStringLiteral("—"));
    QVERIFY(window->sidebarContainer()->isHidden());

    // The keys do nothing; the toolbar's rotate, back and forward stay clickable, harmlessly.
    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_F3);
    for (const char* name : {"rotateButton", "backButton", "forwardButton"}) {
        auto* button = child<QPushButton>(*window, name);
        QVERIFY2(button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(window->centralStack()->currentWidget(), window->welcomePage());

    // With a ready document they are enabled.
    window->openFile(makePdf("ready.pdf"));
    QVERIFY(test::waitReady(window->current()));
    QVERIFY(child<QAction>(*window, "copyAction")->isEnabled());
    QVERIFY(child<QWidget>(*window, "zoomInButton")->isEnabled());
    QVERIFY(window->searchField()->isEnabled());
    QVERIFY(window->sidebarContainer()->isVisible());
}

void TestWindowCommands::ctrlTabCycles()
{
    auto window = openWindow({makePdf("a.pdf")});
    QVERIFY(window);
    QTabWidget* tabs = window->documentTabs();
    QTest::keyClick(window.get(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 0);

    window->openFile(makePdf("b.pdf"));
    window->openFile(makePdf("c.pdf"));
    tabs->setCurrentIndex(0);
    for (int expected : {1, 2, 0}) {
        QTest::keyClick(window.get(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), expected);
        QCOMPARE(window->current()->pageWidget(), tabs->currentWidget());
    }
    // Ctrl+W closes the current document, Ctrl+Q the window.
    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(tabs->count(), 2);
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!window->isVisible());
}

void TestWindowCommands::sideTabIsRememberedPerDocument()
{
    auto window = openWindow({makePdf("first.pdf"), makePdf("second.pdf")});
    QVERIFY(window);
    QTabWidget* tabs = window->documentTabs();
    QTabWidget* side = window->sideTabWidget();
    QCOMPARE(side->count(), 5);
    QCOMPARE(side->tabText(2), QStringLiteral("书签"));
    QCOMPARE(side->tabText(3), QStringLiteral("搜索"));
    QStringList titles;
    for (int i = 0; i < side->count(); ++i)
        titles.append(side->tabText(i));
    QCOMPARE(side->currentIndex(), 0); // a new document starts on the thumbnails

    tabs->setCurrentIndex(0);
    side->setCurrentIndex(3);
    tabs->setCurrentIndex(1);
    QCOMPARE(side->currentIndex(), 0);
    side->setCurrentIndex(4);
    QCOMPARE(side->currentWidget(), window->current()->panel<AnnotationPanel>());
    tabs->setCurrentIndex(0);
    QCOMPARE(side->currentIndex(), 3);
    QCOMPARE(side->currentWidget(), window->current()->panel<SearchPanel>());
    tabs->setCurrentIndex(1);
    QCOMPARE(side->currentIndex(), 4);

    // Ctrl+B and Ctrl+T pick the outline and thumbnail tabs.
    QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(side->currentIndex(), 1);
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(side->currentIndex(), 0);

    // An outline reported for the current document selects its tab.
    Q_EMIT window->current()->tocAvailable(window->current(), true);
    QCOMPARE(side->currentIndex(), 1);

    // The last tab closed: the placeholder tab, and the sidebar hides.
    while (!window->openTabs().isEmpty())
        window->closeTab(window->current());
    QCOMPARE(side->count(), 1);
    QCOMPARE(side->tabText(0), QStringLiteral("文档"));
    QVERIFY(window->sidebarContainer()->isHidden());
    // Its text names the panels a document brings, all of them.
    QVERIFY(qobject_cast<QLabel*>(side->widget(0))->text().endsWith(titles.join(" · ")));
}

void TestWindowCommands::dropOpensPdfFilesOnly()
{
    const QString upper = makePdf("UPPER.PDF");
    const QString lower = makePdf("lower.pdf");
    const QString text = dir->filePath("notes.txt");
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a pdf");
    file.close();

    auto window = openWindow({});
    QVERIFY(window);
    auto dragEnter = [&window](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent event(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        event.ignore();
        QCoreApplication::sendEvent(window.get(), &event);
        return event.isAccepted();
    };
    QVERIFY(!dragEnter({QUrl::fromLocalFile(text)}));
    QVERIFY(dragEnter({QUrl::fromLocalFile(text), QUrl::fromLocalFile(upper)}));

    QMimeData data;
    data.setUrls(
        {QUrl::fromLocalFile(upper), QUrl::fromLocalFile(text), QUrl::fromLocalFile(lower)});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &drop);
    QTabWidget* tabs = window->documentTabs();
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("UPPER.PDF"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("lower.pdf"));
}

void TestWindowCommands::recentListOpensAndClears()
{
    const QString path = makePdf("recent.pdf");
    AppSettings().addRecentFile(path);
    AppSettings().setTheme("paper");
    auto window = openWindow({});
    QVERIFY(window);
    auto* list = child<QListWidget>(*window, "recentList");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("recent.pdf"));
    QCOMPARE(list->item(0)->toolTip(), path);
    const QPoint itemCentre = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, itemCentre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, itemCentre);
    QCOMPARE(window->documentTabs()->count(), 1);
    QCOMPARE(window->documentTabs()->tabText(0), QStringLiteral("recent.pdf"));

    QTest::mouseClick(child<QPushButton>(*window, "clearRecentButton"), Qt::LeftButton);
    QCOMPARE(list->count(), 0);
    QVERIFY(AppSettings().recentFiles().isEmpty());
    QCOMPARE(AppSettings().theme(), QStringLiteral("paper"));
    window->applyTheme(0);
}

void TestWindowCommands::firstAnnotationIsExplainedOnce()
{
    auto window = openWindow({makePdf("notes1.pdf"), makePdf("notes2.pdf")});
    QVERIFY(window);
    window->annotationCommands()->setFirstAnnotationExplained(false);
    Annotation note;
    note.type = AnnotationType::Note;
    note.rect = QRectF(100, 100, 0, 0);
    note.text = QStringLiteral("remember");

    ModalDriver<QMessageBox> driver([](QMessageBox* box) { box->accept(); }, 3);
    AnnotationStore* second = window->current()->session()->annotations();
    QVERIFY(!second->add(note).isEmpty());
    QCOMPARE(driver.handled, 1);
    QCOMPARE(driver.titles.first(), QStringLiteral("批注已保存"));
    second->add(note);
    window->documentTabs()->setCurrentIndex(0);
    window->current()->session()->annotations()->add(note);
    // Later annotations, also in another document, ask nothing.
    QCoreApplication::processEvents();
    QCOMPARE(driver.handled, 1);
}

// The search field: typing searches once the keys pause, and Return then shows the first hit;
// other text and Return search that text at once and show its first hit, not the next hit of the
// old search; Return again steps on without searching again; Shift+Return (the keypad's Enter
// too), F3 and Shift+F3 step as well, round the ends.
void TestWindowCommands::searchFieldSearchesAndSteps()
{
    auto window =
        openWindow({makePdf("find.pdf", {"node one", "glyph two", "node three glyph", "four"})});
    QVERIFY(window);
    DocumentTab* tab = window->current();
    SearchPanel* panel = tab->panel<SearchPanel>();
    PdfViewport* view = tab->viewport();
    QTimer* typing = window->navigationCommands()->searchTimer();
    QSignalSpy started(tab->session()->search(), &SearchController::started);
    QLineEdit* field = window->searchField();
    field->setFocus();
    QTest::keyClicks(field, "nod");
    QCOMPARE(started.size(), 0);
    QVERIFY(typing->isActive());
    QVERIFY(started.wait(test::TimeoutMs));
    QCOMPARE(tab->session()->search()->query(), QStringLiteral("nod"));
    QVERIFY(!typing->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(panel->searchHits().size(), 2, test::TimeoutMs);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(panel->currentHitIndex(), 0);

    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, "glyph");
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(started.size(), 2);
    QVERIFY(!typing->isActive());
    QCOMPARE(tab->session()->search()->query(), QStringLiteral("glyph"));
    QTRY_COMPARE_WITH_TIMEOUT(panel->currentHitIndex(), 0, test::TimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(panel->searchHits().size(), 2, test::TimeoutMs);
    QCOMPARE(view->currentPage(), 1);

    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(started.size(), 2);
    QCOMPARE(panel->currentHitIndex(), 1);
    QCOMPARE(view->currentPage(), 2);
    QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(panel->currentHitIndex(), 0);
    QTest::keyClick(field, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
    QCOMPARE(panel->currentHitIndex(), 1);
    QTest::keyClick(window.get(), Qt::Key_F3);
    QCOMPARE(panel->currentHitIndex(), 0);
    QTest::keyClick(window.get(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(panel->currentHitIndex(), 1);
    QCOMPARE(view->focusedHit(), 1);
    QCOMPARE(started.size(), 2);
}

void TestWindowCommands::fitButtonTwiceReturnsToActualSize()
{
    auto window = openWindow({makePdf("fit.pdf")});
    QVERIFY(window);
    PdfViewport* view = window->current()->viewport();
    auto* fit = child<QPushButton>(*window, "fitButton");
    QCOMPARE(fit->text(), QStringLiteral("适应宽度"));
    QTest::mouseClick(fit, Qt::LeftButton);
    QCOMPARE(view->fitMode(), PdfViewport::FitMode::FitWidth);
    QCOMPARE(fit->text(), QStringLiteral("原始"));
    QTest::mouseClick(fit, Qt::LeftButton);
    QCOMPARE(view->fitMode(), PdfViewport::FitMode::FitNone);
    QCOMPARE(view->zoom(), 1.0);
    QCOMPARE(fit->text(), QStringLiteral("适应宽度"));
    QCOMPARE(child<QLabel>(*window, "statusZoomLabel")->text(), QStringLiteral("100%"));
}

void TestWindowCommands::threeZoomInsShow173()
{
    auto window = openWindow({makePdf("zoom.pdf")});
    QVERIFY(window);
    auto* zoomIn = child<QPushButton>(*window, "zoomInButton");
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(zoomIn, Qt::LeftButton);
    QCOMPARE(window->current()->viewport()->zoom(), 1.2 * 1.2 * 1.2);
    QCOMPARE(child<QLabel>(*window, "statusZoomLabel")->text(), QStringLiteral("173%"));
    QCOMPARE(child<QLabel>(*window, "zoomLabel")->text(), QStringLiteral("缩放 173%"));
    QTest::mouseClick(child<QPushButton>(*window, "zoomOutButton"), Qt::LeftButton);
    QCOMPARE(child<QLabel>(*window, "statusZoomLabel")->text(), QStringLiteral("144%"));

    // The view-mode button names the mode a click switches to.
    auto* mode = child<QPushButton>(*window, "viewModeButton");
    QCOMPARE(mode->text(), QStringLiteral("单页"));
    QTest::mouseClick(mode, Qt::LeftButton);
    QCOMPARE(window->current()->viewport()->viewMode(), PdfViewport::ViewMode::SinglePage);
    QCOMPARE(mode->text(), QStringLiteral("连续"));
    QVERIFY(child<QAction>(*window, "singlePageAction")->isChecked());
    QCOMPARE(child<QLineEdit>(*window, "pageField")->text(), QStringLiteral("1"));
    QCOMPARE(child<QLabel>(*window, "pageCountLabel")->text(), QStringLiteral("/ 3"));
}

void TestWindowCommands::copyKeyCopiesTheSelection()
{
    auto window = openWindow({makePdf("copy.pdf", {"alpha beta gamma", "second"})});
    QVERIFY(window);
    DocumentTab* tab = window->current();
    PdfViewport* view = tab->viewport();
    QTRY_VERIFY_WITH_TIMEOUT(tab->session()->textLayout()->hasCharBoxes(0), test::TimeoutMs);
    // Double-click the first word of the page (72 pt from the left, on the first line).
    const QPointF pt = view->pageToView(0, QPointF(80, 80));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, pt.toPoint());
    QTRY_VERIFY_WITH_TIMEOUT(view->selection()->hasSelection(), test::TimeoutMs);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), QStringLiteral("alpha"),
                              test::TimeoutMs);
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("已复制 5 个字符"));
}

// A word hyphenated at a line end holds U+FFFE in the text layer: the copy command leaves it out,
// like the copy after a drag.
void TestWindowCommands::copyKeyLeavesOutLineBreakMarkers()
{
    const QString path = dir->filePath(QStringLiteral("hyphen.pdf"));
    QVERIFY(test::writeMappedTextPdf(
        path, {{QStringLiteral("Lorem ipsum adip-"), QStringLiteral("iscing elit")}},
        QSizeF(595, 842), 24));
    auto window = openWindow({path});
    QVERIFY(window);
    DocumentTab* tab = window->current();
    TextLayoutStore* text = tab->session()->textLayout();
    QTRY_VERIFY_WITH_TIMEOUT(text->hasCharBoxes(0) && text->hasPageText(0), test::TimeoutMs);
    const QString pageText = text->pageText(0);
    const int marker = int(pageText.indexOf(QChar(0xFFFE)));
    if (marker < 0)
        QSKIP("this Qt PDF keeps the hyphen as it is");
    const int first = int(pageText.indexOf(QStringLiteral("adip")));
    const int last = int(pageText.indexOf(QStringLiteral("iscing"))) + 5;
    PdfViewport* view = tab->viewport();
    auto charPos = [&](int index) {
        const QPointF c = view->pageToView(0, text->charBoxes(0).at(index).center());
        return QPoint(int(c.x()) - view->horizontalScrollBar()->value(),
                      int(c.y()) - view->verticalScrollBar()->value());
    };
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, charPos(first));
    QTest::mouseMove(view->viewport(), charPos(last));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, charPos(last));
    QCOMPARE(view->selection()->selectionRange().length, last - first + 1);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), QStringLiteral("adipiscing"),
                              test::TimeoutMs);
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("已复制 10 个字符"));
}

// Escape does the page view's steps from wherever the focus is, without re-entering itself (the
// key used to be sent again, which ran the window's Escape shortcut again, until the stack ran
// out).
void TestWindowCommands::escapeFromEveryFocusableWidget()
{
    auto window = openWindow({makePdf("escape.pdf", {"alpha beta gamma", "second", "third"})});
    QVERIFY(window);
    DocumentTab* tab = window->current();
    PdfViewport* view = tab->viewport();
    QTRY_VERIFY_WITH_TIMEOUT(tab->session()->textLayout()->hasCharBoxes(0), test::TimeoutMs);
    window->searchField()->setText(QStringLiteral("second"));
    QTest::keyClick(window->searchField(), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!view->searchHits().isEmpty(), test::TimeoutMs);

    int tried = 0;
    for (int side = 0; side < window->sideTabWidget()->count(); ++side) {
        window->sideTabWidget()->setCurrentIndex(side);
        const QList<QWidget*> widgets = window->findChildren<QWidget*>();
        for (QWidget* w : widgets) {
            if (!w->isVisible() || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus
                || w->window() != window.get())
                continue;
            // A selection to clear, so that the steps are seen to run.
            view->goToPage(0);
            const QPointF word =
                view->pageToView(0, QPointF(80, 80))
                - QPointF(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, word.toPoint());
            QVERIFY(view->selection()->hasSelection());
            w->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w,
                            Qt::Key_Escape);
            const QByteArray what =
                w->metaObject()->className() + QByteArray(" ") + w->objectName().toUtf8();
            QVERIFY2(!view->selection()->hasSelection(), what.constData());
            QVERIFY2(view->hasFocus(), what.constData());
            ++tried;
        }
    }
    QVERIFY(tried >= 8);
}

// An open combo-box popup of the annotation card takes the first Escape; the next one closes the
// card.
void TestWindowCommands::escapeClosesAComboPopupFirst()
{
    auto window = openWindow({makePdf("popup.pdf")});
    QVERIFY(window);
    PdfViewport* view = window->current()->viewport();
    Annotation a;
    a.type = AnnotationType::Rectangle;
    a.rect = QRectF(100, 100, 80, 40);
    const QString id = window->current()->session()->annotations()->add(a);
    view->annotations()->setActive(true);
    view->annotations()->openCard(id);
    auto* combo = view->viewport()->findChild<QComboBox*>();
    QVERIFY(combo);
    combo->setFocus();
    combo->showPopup();
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget(), test::TimeoutMs);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activePopupWidget(), test::TimeoutMs);
    QCOMPARE(view->annotations()->cardId(), id);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(view->annotations()->cardId().isEmpty());
    QVERIFY(view->annotations()->isActive());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!view->annotations()->isActive());
}

void TestWindowCommands::pageFieldJumpsAndRefuses()
{
    auto window = openWindow({makePdf("pages.pdf", {"1", "2", "3", "4", "5"})});
    QVERIFY(window);
    PdfViewport* view = window->current()->viewport();
    auto* field = child<QLineEdit>(*window, "pageField");
    QVERIFY(field);
    QCOMPARE(field->text(), QStringLiteral("1"));
    QCOMPARE(child<QLabel>(*window, "pageCountLabel")->text(), QStringLiteral("/ 5"));

    // Ctrl+G puts the focus in the field with its text selected, also with the side area hidden.
    QTest::mouseClick(child<QPushButton>(*window, "sidebarButton"), Qt::LeftButton);
    QVERIFY(!window->sidebarContainer()->isVisible());
    QTest::keyClick(view, Qt::Key_G, Qt::ControlModifier);
    QVERIFY(window->sidebarContainer()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(field->hasFocus(), test::TimeoutMs);
    QCOMPARE(field->selectedText(), QStringLiteral("1"));
    QTest::keyClicks(field, QStringLiteral("4"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(view->currentPage(), 3);
    QCOMPARE(field->text(), QStringLiteral("4"));
    QVERIFY(view->hasFocus());

    // Pages outside the document and letters are refused without a jump.
    QSignalSpy pages(view, &PdfViewport::currentPageChanged);
    for (const QString& typed : {QStringLiteral("9"), QStringLiteral("0"), QString()}) {
        QTest::keyClick(view, Qt::Key_G, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), QStringLiteral("4"));
    }
    QTest::keyClicks(field, QStringLiteral("x"));
    QCOMPARE(field->text(), QStringLiteral("4"));
    QCOMPARE(pages.count(), 0);
    QCOMPARE(view->currentPage(), 3);

    // Escape leaves the field for the page view and shows the current page again.
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, QStringLiteral("2"));
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(view->hasFocus());
    QCOMPARE(field->text(), QStringLiteral("4"));
    QCOMPARE(view->currentPage(), 3);
}

// Each annotation type has a tool with a shortcut and a tool tip; choosing one turns annotation
// mode on and a drag draws that type.
void TestWindowCommands::everyAnnotationToolDrawsItsType()
{
    auto window = openWindow({makePdf("tools.pdf")});
    QVERIFY(window);
    DocumentTab* tab = window->current();
    PdfViewport* view = tab->viewport();
    AnnotationStore* store = tab->session()->annotations();
    auto* tools = child<QWidget>(*window, "annotationTools");
    QVERIFY(tools);
    QVERIFY(!tools->isVisible());

    struct Case
    {
        Qt::Key key;
        const char* action;
        AnnotationType type;
    };
    const Case cases[] = {{Qt::Key_U, "underlineToolAction", AnnotationType::Underline},
                          {Qt::Key_S, "strikethroughToolAction", AnnotationType::Strikethrough},
                          {Qt::Key_B, "rectangleToolAction", AnnotationType::Rectangle},
                          {Qt::Key_L, "arrowToolAction", AnnotationType::Arrow},
                          {Qt::Key_N, "noteToolAction", AnnotationType::Note},
                          {Qt::Key_H, "highlightToolAction", AnnotationType::Highlight}};
    double y = 200;
    for (const Case& c : cases) {
        auto* action = child<QAction>(*window, c.action);
        QVERIFY2(action, c.action);
        QVERIFY(action->toolTip().contains(QKeySequence(c.key).toString()));
        QTest::keyClick(view, c.key);
        QVERIFY2(view->annotations()->isActive(), c.action);
        QCOMPARE(view->annotations()->type(), c.type);
        QVERIFY(action->isChecked());
        QTRY_VERIFY_WITH_TIMEOUT(tools->isVisible(),
                                 test::TimeoutMs); // the toolbar lays itself out on its next turn
        const int before = store->count();
        const QPointF from = view->pageToView(0, QPointF(100, y));
        const QPointF to = view->pageToView(0, QPointF(220, y + 40));
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from.toPoint());
        QTest::mouseMove(view->viewport(), to.toPoint());
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to.toPoint());
        QCOMPARE(store->count(), before + 1);
        QCOMPARE(store->allAnnotations().last().type, c.type);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // closes the card
        y += 90;
    }
    // Leaving annotation mode hides the tools.
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(!view->annotations()->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!tools->isVisible(), test::TimeoutMs);
}

// Escape after drawing an annotation leaves annotation mode; it once forwarded itself to the
// page view through the shortcut map without end, and the program died of the recursion.
void TestWindowCommands::escapeLeavesAnnotationModeAfterAnAnnotation()
{
    auto window = openWindow({makePdf("escape.pdf", {"alpha beta gamma", "second"})});
    QVERIFY(window);
    DocumentTab* tab = window->current();
    PdfViewport* view = tab->viewport();
    QTest::keyClick(view, Qt::Key_A);
    QVERIFY(view->annotations()->isActive());
    const QPoint from = view->pageToView(0, QPointF(100, 300)).toPoint();
    const QPoint to = view->pageToView(0, QPointF(300, 400)).toPoint();
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(view->viewport(), (from + to) / 2);
    QTest::mouseMove(view->viewport(), to);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
    QTRY_COMPARE_WITH_TIMEOUT(tab->session()->annotations()->count(), 1, test::TimeoutMs);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    for (int i = 0; i < 3 && view->annotations()->isActive(); ++i)
        QTest::keyClick(window->current()->panel<AnnotationPanel>(), Qt::Key_Escape);
    QVERIFY(!view->annotations()->isActive());
}

void TestWindowCommands::hashIndicatorAndLastTab()
{
    const QString path = makePdf("hash.pdf");
    auto window = openWindow({path});
    QVERIFY(window);
    auto* hash = child<QLabel>(*window, "hashIndicator");
    QCOMPARE(hash->text(), QStringLiteral("● 只读：源文件哈希未变"));
    QVERIFY(hash->toolTip().contains(hashFile(path)));
    QCOMPARE(hash->styleSheet(), QStringLiteral("color:%1;").arg(themePalette(0).success));
    window->closeTab(window->current());
    QVERIFY(hash->text().isEmpty());
    QVERIFY(hash->toolTip().isEmpty());
    QCOMPARE(window->centralStack()->currentWidget(), window->welcomePage());
}

void TestWindowCommands::sourceChangeShowsTheBanner()
{
    auto window = openWindow({makePdf("watched.pdf")});
    QVERIFY(window);
    DocumentTab* tab = window->current();
    auto* banner = child<QFrame>(*window, "banner");
    auto* indicator = child<QLabel>(*window, "documentIndicator");
    QVERIFY(banner->isHidden());
    Q_EMIT tab->session()->controller()->sourceFileModified();
    QVERIFY(tab->session()->sourceModified());
    QVERIFY(banner->isVisible());
    QCOMPARE(indicator->text(), QStringLiteral("● 源文件已被外部修改"));

    // Ignore hides the banner only; Reload reloads, and the ready document clears the notice.
    QTest::mouseClick(child<QPushButton>(*window, "ignoreButton"), Qt::LeftButton);
    QVERIFY(banner->isHidden());
    QVERIFY(!indicator->text().isEmpty());
    Q_EMIT tab->session()->controller()->sourceFileModified();
    QSignalSpy ready(tab, &DocumentTab::documentReady);
    QTest::mouseClick(child<QPushButton>(*window, "reloadButton"), Qt::LeftButton);
    QVERIFY(banner->isHidden());
    QVERIFY(ready.wait(test::TimeoutMs));
    QVERIFY(indicator->text().isEmpty());
    QVERIFY(!tab->session()->sourceModified());
}

// The first tab becomes current before its session has a file; the title must not stay at the
// placeholder name until the tabs are switched.
void TestWindowCommands::titleNamesTheFirstDocument()
{
    auto window = openWindow({});
    QVERIFY(window);
    window->openFile(makePdf("first.pdf"));
    QCOMPARE(window->windowTitle(), QStringLiteral("first.pdf - Dovrix v1.5.1"));
    QVERIFY(test::waitReady(window->current()));
    QCOMPARE(window->windowTitle(), QStringLiteral("first.pdf - Dovrix v1.5.1"));
}

// The read-only claim, the document notice and the page label describe the tab shown, at every
// moment: a tab still loading inherits nothing from the previous one, and a changed source file
// is never called unchanged.
void TestWindowCommands::indicatorsTellTheCurrentTab()
{
    auto window = openWindow({makePdf("ready.pdf")});
    QVERIFY(window);
    DocumentTab* first = window->current();
    auto* hash = child<QLabel>(*window, "hashIndicator");
    auto* indicator = child<QLabel>(*window, "documentIndicator");
    auto* pageField = child<QLineEdit>(*window, "pageField");
    auto* pageCount = child<QLabel>(*window, "pageCountLabel");
    const auto pageText = [&]() -> QString {
        return pageField->text() + QLatin1Char(' ') + pageCount->text();
    };
    const QString unchanged = QStringLiteral("● 只读：源文件哈希未变");
    QCOMPARE(hash->text(), unchanged);
    QCOMPARE(pageText(), QStringLiteral("1 / 3"));

    // The source changes on disk: the claim goes, the notice comes.
    Q_EMIT first->session()->controller()->sourceFileModified();
    QVERIFY(hash->text().isEmpty());
    QCOMPARE(indicator->text(), QStringLiteral("● 源文件已被外部修改"));

    // A second document, held back on the worker, is still loading when its tab shows.
    auto gate = std::make_unique<test::WorkerGate>(window->worker());
    window->openFile(makePdf("loading.pdf"));
    DocumentTab* second = window->current();
    QVERIFY(second != first);
    QCOMPARE(second->session()->controller()->status(), DocumentStatus::Loading);
    QVERIFY(hash->text().isEmpty());
    QVERIFY(indicator->text().isEmpty());
    QVERIFY(!pageText().contains(QLatin1String("/ 0")));
    gate.reset();
    QVERIFY(test::waitReady(second));
    QCOMPARE(hash->text(), unchanged);
    QCOMPARE(pageText(), QStringLiteral("1 / 3"));

    // Back on the first tab its own state returns, and it still is the changed one.
    QTest::keyClick(window.get(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(window->current(), first);
    QVERIFY(hash->text().isEmpty());
    QCOMPARE(indicator->text(), QStringLiteral("● 源文件已被外部修改"));
    // An annotation notice of one document is not shown on the other.
    Q_EMIT first->session()->annotations()->hashMismatchDetected();
    QTest::keyClick(window.get(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(window->current(), second);
    QVERIFY(indicator->text().isEmpty());
    QCOMPARE(hash->text(), unchanged);
}

void TestWindowCommands::sideTabTitlesAreWhole_data()
{
    QTest::addColumn<QString>("code");
    for (const char* code : {"en", "de", "zh-CN", "ar"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

// At the default side width of a 1280 × 800 window no side tab title is shortened.
void TestWindowCommands::sideTabTitlesAreWhole()
{
    QFETCH(QString, code);
    auto window = openWindow({makePdf("tabs.pdf")});
    QVERIFY(window);
    window->resize(1280, 800);
    window->setLanguage(code);
    QTabBar* bar = window->sideTabWidget()->tabBar();
    QCOMPARE(bar->count(), 5);
    QTRY_VERIFY2_WITH_TIMEOUT(
        bar->width() >= bar->sizeHint().width(),
        qPrintable(QStringLiteral("%1 < %2").arg(bar->width()).arg(bar->sizeHint().width())),
        test::TimeoutMs);
    // The page view keeps most of the window.
    QVERIFY(window->sidebarContainer()->width() < window->width() / 3);
    // With the annotation tools shown the tool bar still fits (German's longer texts need a
    // wider window).
    QTest::keyClick(window.get(), Qt::Key_A);
    QVERIFY(window->current()->viewport()->annotations()->isActive());
    const QWidget* toolbar = child<QPushButton>(*window, "homeButton")->parentWidget();
    // So does the status bar's word about the mode, beside the lasting controls.
    QStatusBar* status = window->statusBar();
    int room = status->width();
    for (const QWidget* item : status->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (item->isVisible())
            room -= item->width();
    }
    const int message = status->fontMetrics().horizontalAdvance(status->currentMessage());
    if (code != QLatin1String("de")) {
        QVERIFY2(toolbar->sizeHint().width() <= window->width(),
                 qPrintable(QString::number(toolbar->sizeHint().width())));
        QVERIFY2(message <= room, qPrintable(QStringLiteral("%1 > %2").arg(message).arg(room)));
    }
}

// Switching to a right-to-left language with documents open: each close button stays on its own
// tab, next to its title; the history arrows point away from each other, back first.
void TestWindowCommands::rightToLeftTabsAndHistoryArrows()
{
    auto window = openWindow({makePdf("a.pdf"), makePdf("second-document.pdf")});
    QVERIFY(window);
    QTabBar* bar = window->documentTabs()->tabBar();
    auto* back = child<QPushButton>(*window, "backButton");
    auto* forward = child<QPushButton>(*window, "forwardButton");
    for (const char* code : {"ar", "en", "ar"}) {
        window->setLanguage(QString::fromLatin1(code));
        QTRY_COMPARE_WITH_TIMEOUT(bar->layoutDirection(), window->layoutDirection(),
                                  test::TimeoutMs);
        // A window with documents fits half of a small screen, beside an editor.
        QVERIFY2(window->minimumSizeHint().width() <= 640, code);
        QTRY_COMPARE_WITH_TIMEOUT(back->x() < forward->x(), !window->isRightToLeft(),
                                  test::TimeoutMs);
        const QString outwards =
            back->x() < forward->x() ? QStringLiteral("←→") : QStringLiteral("→←");
        QCOMPARE(back->text() + forward->text(), outwards);
        for (int i = 0; i < bar->count(); ++i) {
            QWidget* button = bar->tabButton(i, QTabBar::RightSide);
            if (!button)
                button = bar->tabButton(i, QTabBar::LeftSide);
            QVERIFY(button);
            QTRY_VERIFY2_WITH_TIMEOUT(
                bar->tabRect(i).contains(button->geometry()),
                qPrintable(QStringLiteral("%1: tab %2 at %3, its button at %4")
                               .arg(QLatin1String(code))
                               .arg(i)
                               .arg(bar->tabRect(i).x())
                               .arg(button->geometry().x())),
                test::TimeoutMs);
        }
    }
}

void TestWindowCommands::privateModeLabelWaitsForTheFirstToggle()
{
    AppSettings().setPrivateMode(true);
    auto window = openWindow({});
    QVERIFY(window);
    auto* action = child<QAction>(*window, "privateAction");
    auto* label = child<QLabel>(*window, "privateLabel");
    QVERIFY(action->isChecked());
    QVERIFY(label->text().isEmpty());
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(!action->isChecked());
    QCOMPARE(label->text(), QStringLiteral("私密模式：关"));
    QVERIFY(!AppSettings().privateMode());
    action->trigger();
    QCOMPARE(label->text(), QStringLiteral("● 私密模式：开"));
    QVERIFY(!label->toolTip().isEmpty());
    QVERIFY(AppSettings().privateMode());
}

void TestWindowCommands::themeFromSettingsMenuAndPageViews_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("started");
    // An id in other letters is unknown: light, and "light" is stored back.
    QTest::newRow("capitalised Dark") << "Dark" << int(ThemeLight);
    QTest::newRow("midnight") << "midnight" << int(ThemeMidnight);
}

// The stored theme is applied at start; the menu offers every theme once, applies and stores
// the one chosen; an index without a theme is light; page views, shown or made later, paint the
// theme's background at once.
void TestWindowCommands::themeFromSettingsMenuAndPageViews()
{
    QFETCH(QString, stored);
    QFETCH(int, started);
    AppSettings().setTheme(stored);
    auto window = openWindow({});
    QVERIFY(window);
    QCOMPARE(window->themeIndex(), started);
    QCOMPARE(currentTheme(), started);
    QCOMPARE(AppSettings().theme(), themePalette(started).id);
    QCOMPARE(qApp->styleSheet(), buildStyleSheet(themePalette(started)));

    QMenu* menu = child<QPushButton>(*window, "themeButton")->menu();
    int offered = 0;
    for (QAction* item : menu->actions())
        offered += !item->isSeparator();
    QCOMPARE(offered, int(std::size(themes)));
    for (const ThemeInfo& row : themes) {
        QAction* item = choice(menu, int(row.theme));
        QVERIFY2(item && !item->text().isEmpty(), row.id);
        QCOMPARE(item->isChecked(), row.theme == started);
    }
    QAction* dark = choice(menu, int(ThemeDark));
    dark->trigger();
    QCOMPARE(currentTheme(), int(ThemeDark));
    QCOMPARE(AppSettings().theme(), QStringLiteral("dark"));
    QVERIFY(dark->isChecked() && !choice(menu, started)->isChecked());
    QCOMPARE(qApp->styleSheet(), buildStyleSheet(themePalette(ThemeDark)));
    window->applyTheme(9);
    QCOMPARE(currentTheme(), int(ThemeLight));
    QCOMPARE(AppSettings().theme(), QStringLiteral("light"));
    QVERIFY(choice(menu, int(ThemeLight))->isChecked());

    window->applyTheme(ThemeHighContrast);
    window->openFile(makePdf("themed.pdf"));
    QWidget* view = window->current()->pageWidget();
    QTRY_VERIFY_WITH_TIMEOUT(view->isVisible() && view->width() > 20 && view->height() > 20,
                             test::TimeoutMs);
    QCOMPARE(view->grab().toImage().pixelColor(4, 4), QColor("#101010"));
    window->applyTheme(ThemePaper);
    QCOMPARE(view->grab().toImage().pixelColor(4, 4), QColor(themePalette(ThemePaper).viewport));
    window->applyTheme(ThemeLight);
}

void TestWindowCommands::pageColoursMenuCyclesAndFollowsTheTheme()
{
    auto window = openWindow({makePdf("colours.pdf")});
    QVERIFY(window);
    PdfViewport* view = window->current()->viewport();
    RenderCache* cache = window->current()->session()->renderCache();
    RenderCache* thumbs = window->current()->panel<ThumbnailPanel>()->renderCache();
    QMenu* menu = child<QPushButton>(*window, "pageColoursButton")->menu();
    QCOMPARE(menu->actions().size(), dovrix::PageColourModeCount);
    QAction* normal = choice(menu, int(PageColours::Normal));
    QVERIFY(normal && normal->isChecked());

    choice(menu, int(PageColours::FollowTheme))->trigger(); // light theme, normal pages
    QCOMPARE(view->pageColours(), PageColours::FollowTheme);
    QCOMPARE(cache->pageColours(), PageColours::Normal);
    QCOMPARE(AppSettings().pageColours(), QStringLiteral("theme"));
    window->applyTheme(ThemeMidnight);
    QCOMPARE(cache->pageColours(), PageColours::Night);
    QCOMPARE(thumbs->pageColours(), PageColours::Night);

    // The shortcut goes round: follow the theme → normal → night.
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(view->pageColours(), PageColours::Normal);
    QCOMPARE(thumbs->pageColours(), PageColours::Normal);
    QVERIFY(normal->isChecked());
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(cache->pageColours(), PageColours::Night);
    QCOMPARE(AppSettings().pageColours(), QStringLiteral("night"));
    window->applyTheme(ThemeLight);
    QCOMPARE(cache->pageColours(), PageColours::Night); // a choice of its own stays
    // The page turns dark once its night image has arrived.
    const QPoint inside =
        (view->pageRect(view->currentPage()).topLeft() + QPointF(4, 4)).toPoint()
        - QPoint(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    QTRY_VERIFY_WITH_TIMEOUT(qGray(view->viewport()->grab().toImage().pixel(inside)) < 60,
                             test::TimeoutMs);

    // Without a document the shortcut goes round the choice kept for new documents.
    window->closeTab(window->current());
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(AppSettings().pageColours(), QStringLiteral("sepia"));
    QVERIFY(choice(menu, int(PageColours::Sepia))->isChecked());
}

void TestWindowCommands::fullScreenEnterAndLeaveRestoreTheLayout()
{
    auto window = openWindow({makePdf("full.pdf")});
    QVERIFY(window);
    QWidget* toolbar = child<QWidget>(*window, "toolbar");
    QWidget* tabBar = window->documentTabs()->tabBar();
    auto shown = [&] {
        return QList<bool>{toolbar->isVisible(), window->sidebarContainer()->isVisible(),
                           window->statusBar()->isVisible(), tabBar->isVisible()};
    };
    const QList<bool> before = shown();
    QCOMPARE(before, (QList<bool>{true, true, true, true}));

    QTest::keyClick(window.get(), Qt::Key_F11);
    QVERIFY(window->fullScreenMode()->isActive());
    QVERIFY(window->windowState() & Qt::WindowFullScreen);
    QCOMPARE(shown(), (QList<bool>{false, false, false, false}));
    QVERIFY(window->current()->viewport()->isVisible());
    // The status shows briefly over the page on a change.
    QLabel* overlay = window->fullScreenMode()->statusOverlay();
    window->current()->viewport()->goToPage(2);
    QVERIFY(overlay->isVisible());
    QVERIFY(overlay->text().startsWith(QStringLiteral("3 / 3")));
    QTRY_VERIFY_WITH_TIMEOUT(overlay->isHidden(), test::TimeoutMs);

    // The pointer at the top edge brings the tool bar; away from it, it goes again.
    QTest::mouseMove(window.get(), QPoint(300, 0));
    QTRY_VERIFY_WITH_TIMEOUT(toolbar->isVisible(), test::TimeoutMs);
    QTest::mouseMove(window.get(), QPoint(300, 400));
    QTRY_VERIFY_WITH_TIMEOUT(toolbar->isHidden(), test::TimeoutMs);

    // Escape first does the page view's own step, then leaves full screen.
    window->current()->viewport()->annotations()->setActive(true);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(!window->current()->viewport()->annotations()->isActive());
    QVERIFY(window->fullScreenMode()->isActive());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(!window->fullScreenMode()->isActive());
    QVERIFY(!(window->windowState() & Qt::WindowFullScreen));
    QCOMPARE(shown(), before);

    // A hidden side area stays hidden after a round trip; F11 also leaves.
    child<QPushButton>(*window, "sidebarButton")->click();
    QTest::keyClick(window.get(), Qt::Key_F11);
    QTest::keyClick(window.get(), Qt::Key_F11);
    QVERIFY(!window->fullScreenMode()->isActive());
    QCOMPARE(shown(), (QList<bool>{true, false, true, true}));
}

void TestWindowCommands::languageMenuSwitches()
{
    AppSettings().setLanguage("xx");
    auto window = openWindow({});
    QVERIFY(window);
    auto* button = child<QPushButton>(*window, "languageButton");
    QCOMPARE(button->text(), QStringLiteral("English"));
    QMenu* menu = button->menu();
    QCOMPARE(menu->actions().size(), 20);
    QAction* source = choice(menu, QStringLiteral("zh-CN"));
    QAction* arabic = choice(menu, QStringLiteral("ar"));
    QVERIFY(source && arabic);
    arabic->trigger();
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    QCOMPARE(button->text(), QStringLiteral("العربية"));
    QCOMPARE(AppSettings().language(), QStringLiteral("ar"));
    QVERIFY(arabic->isChecked());
    source->trigger();
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    QVERIFY(!arabic->isChecked());
    QVERIFY(source->isChecked());
}

QTEST_MAIN(TestWindowCommands)
#include "tst_windowcommands.moc"
