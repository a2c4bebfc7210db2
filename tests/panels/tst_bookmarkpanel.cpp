#include "app/MainWindow.h"
#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "settings/AppSettings.h"
#include "view/PdfViewport.h"
#include "view/panels/BookmarkPanel.h"
#include "view/panels/ThumbnailPanel.h"

#include "tests/support/AppFixtures.h"
#include "tests/support/PanelFixtures.h"
#include "tests/support/TestWait.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <memory>

using namespace dovrix;
using test::FixtureOutlineEntry;

class TestBookmarkPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void outlineIsReportedHalfASecondAfterEachRebuild();
    void documentWithoutOutlineShowsTheNotice();
    void clickingAnEntryReportsItsPage_data();
    void clickingAnEntryReportsItsPage();
    void expandingAndCollapsingReportsNothing();
    void sessionRelaysTheOutlineAndFollowsIt();
    void windowShowsTheContentsOfADocumentWithAnOutline();

private:
    QPoint centreOf(const QModelIndex& index) const;
    bool rebuildAndWait();

    QTemporaryDir dir;
    QString outlined; // six pages, an outline of three chapters
    QString plain;    // two pages, no outline
    std::unique_ptr<PdfWorker> worker;
    std::unique_ptr<DocumentController> controller;
    std::unique_ptr<BookmarkPanel> panel;
};

void TestBookmarkPanel::initTestCase()
{
    QVERIFY(dir.isValid());
    test::isolateSettings(dir.filePath("settings"));
    outlined = dir.filePath("outlined.pdf");
    plain = dir.filePath("plain.pdf");
    const QList<FixtureOutlineEntry> entries{
        {"Chapter One", 0, {{"Section 1.1", 1, {}}, {"Section 1.2", 2, {}}}},
        {"Chapter Two", 3, {{"Section 2.1", 4, {}}}},
        {"Unplaced note", -1, {}},
    };
    QVERIFY(test::writeOutlinedPdf(outlined, 6, entries));
    QVERIFY(test::writeOutlinedPdf(plain, 2, {}));
}

void TestBookmarkPanel::init()
{
    test::resetSettingsToSourceLanguage(); // the window installs the stored language
    worker = std::make_unique<PdfWorker>();
    controller = std::make_unique<DocumentController>(worker.get());
    controller->setProbeEnabled(false);
    panel = std::make_unique<BookmarkPanel>(controller.get());
    panel->resize(300, 400);
}

void TestBookmarkPanel::cleanup()
{
    panel.reset();
    controller.reset();
    worker.reset();
}

QPoint TestBookmarkPanel::centreOf(const QModelIndex& index) const
{
    return panel->treeView()->visualRect(index).center();
}

// Rebuilds the panel and waits until the worker's entries are in (the report's timer then runs).
bool TestBookmarkPanel::rebuildAndWait()
{
    panel->rebuild();
    return QTest::qWaitFor([this] { return panel->checkTimer()->isActive(); }, test::TimeoutMs);
}

void TestBookmarkPanel::outlineIsReportedHalfASecondAfterEachRebuild()
{
    QSignalSpy toc(panel.get(), &BookmarkPanel::tocAvailable);
    QVERIFY(test::openAndWait(*controller, outlined));
    // Read on the worker; a rebuild before the entries come drops the earlier read.
    panel->rebuild();
    QVERIFY(rebuildAndWait());
    QStandardItemModel* model = panel->model();
    QCOMPARE(model->rowCount(), 3);
    // Isolated: the title keeps its own direction in a right-to-left window.
    QCOMPARE(model->data(model->index(0, 0), Qt::DisplayRole).toString(),
             QStringLiteral("\u2068Chapter One\u2069"));
    QCOMPARE(model->rowCount(model->index(0, 0)), 2);
    QVERIFY(panel->checkTimer()->isSingleShot());
    QCoreApplication::processEvents();
    QCOMPARE(toc.size(), 0); // the report waits for the timer

    // A second binding before the report restarts the wait: one report, for that binding.
    panel->rebuild();
    QTRY_COMPARE_WITH_TIMEOUT(toc.size(), 1, test::TimeoutMs);
    QCOMPARE(toc.at(0).at(0).toBool(), true);
    QVERIFY(panel->emptyNotice()->isHidden());
    QVERIFY(!panel->checkTimer()->isActive());
    // The top level opens, deeper levels stay closed.
    QVERIFY(panel->treeView()->isExpanded(model->index(0, 0)));
    QVERIFY(panel->treeView()->isExpanded(model->index(1, 0)));

    // Another document in the same panel: its (missing) outline replaces the old one.
    QVERIFY(test::openAndWait(*controller, plain));
    panel->rebuild();
    QCOMPARE(model->rowCount(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(toc.size(), 2, test::TimeoutMs);
    QCOMPARE(toc.at(1).at(0).toBool(), false);

    // And back. A reload leaves the tree alone until the next rebuild.
    QVERIFY(test::openAndWait(*controller, outlined));
    panel->rebuild();
    QTRY_COMPARE_WITH_TIMEOUT(toc.size(), 3, test::TimeoutMs);
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    QSignalSpy ready(controller.get(), &DocumentController::documentReady);
    controller->reload();
    QVERIFY(ready.wait(test::TimeoutMs));
    QVERIFY(worker->waitForIdle(test::TimeoutMs));
    QCoreApplication::processEvents();
    QCOMPARE(resets.size(), 0);
    QVERIFY(rebuildAndWait());
    QCOMPARE(resets.size(), 1);
    QCOMPARE(model->rowCount(), 3);
    QTRY_COMPARE_WITH_TIMEOUT(toc.size(), 4, test::TimeoutMs);
    QCOMPARE(toc.at(3).at(0).toBool(), true);
    QVERIFY(panel->emptyNotice()->isHidden());
}

void TestBookmarkPanel::documentWithoutOutlineShowsTheNotice()
{
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    // Constructed empty: no notice, no report.
    QVERIFY(panel->emptyNotice()->isHidden());
    QCOMPARE(panel->emptyNotice()->text(),
             QStringLiteral("此文档没有内嵌目录（章节/书签）。\n阅读进度仍会按内容自动记忆。"));
    QVERIFY(panel->emptyNotice()->wordWrap());

    QSignalSpy toc(panel.get(), &BookmarkPanel::tocAvailable);
    QVERIFY(test::openAndWait(*controller, plain));
    panel->rebuild();
    QVERIFY(panel->emptyNotice()->isHidden()); // until the check has run
    QTRY_COMPARE_WITH_TIMEOUT(toc.size(), 1, test::TimeoutMs);
    QCOMPARE(toc.at(0).at(0).toBool(), false);
    QVERIFY(panel->emptyNotice()->isVisible());
    // The notice sits above the (empty) tree.
    QVERIFY(panel->emptyNotice()->geometry().bottom() <= panel->treeView()->geometry().top());

    // The next rebuild hides the notice at once, before it knows the new outline.
    QVERIFY(test::openAndWait(*controller, outlined));
    panel->rebuild();
    QVERIFY(panel->emptyNotice()->isHidden());
    QTRY_COMPARE_WITH_TIMEOUT(toc.size(), 2, test::TimeoutMs);
    QVERIFY(panel->emptyNotice()->isHidden());
}

void TestBookmarkPanel::clickingAnEntryReportsItsPage_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("childRow"); // -1: the top-level entry itself
    QTest::addColumn<int>("page");     // -1: no report

    QTest::newRow("first chapter, first page") << 0 << -1 << 0;
    QTest::newRow("section") << 0 << 1 << 2;
    QTest::newRow("second chapter") << 1 << -1 << 3;
    QTest::newRow("section of the second chapter") << 1 << 0 << 4;
    QTest::newRow("entry without destination") << 2 << -1 << -1;
}

void TestBookmarkPanel::clickingAnEntryReportsItsPage()
{
    QFETCH(int, row);
    QFETCH(int, childRow);
    QFETCH(int, page);

    QVERIFY(test::openAndWait(*controller, outlined));
    QVERIFY(rebuildAndWait());
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    QStandardItemModel* model = panel->model();
    QModelIndex index = model->index(row, 0);
    if (childRow >= 0)
        index = model->index(childRow, 0, index);
    QVERIFY(index.isValid());

    QSignalSpy activated(panel.get(), &BookmarkPanel::bookmarkActivated);
    QTest::mouseClick(panel->treeView()->viewport(), Qt::LeftButton, {}, centreOf(index));
    if (page < 0) {
        QCOMPARE(activated.size(), 0);
    } else {
        QCOMPARE(activated.size(), 1);
        QCOMPARE(activated.at(0).at(0).value<ViewTarget>().page, page);
    }
}

void TestBookmarkPanel::expandingAndCollapsingReportsNothing()
{
    QVERIFY(test::openAndWait(*controller, outlined));
    QVERIFY(rebuildAndWait());
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    QTreeView* tree = panel->treeView();
    const QModelIndex chapter = panel->model()->index(0, 0);
    QVERIFY(tree->isExpanded(chapter));

    QSignalSpy activated(panel.get(), &BookmarkPanel::bookmarkActivated);
    // The branch indicator lies in the indentation left of the entry's text.
    const QRect rect = tree->visualRect(chapter);
    const QPoint branch(rect.left() - tree->indentation() / 2, rect.center().y());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, branch);
    QVERIFY(!tree->isExpanded(chapter));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, branch);
    QVERIFY(tree->isExpanded(chapter));
    tree->collapseAll();
    tree->expandAll();
    QCOMPARE(activated.size(), 0);
}

void TestBookmarkPanel::sessionRelaysTheOutlineAndFollowsIt()
{
    AppSettings settings;
    DocumentTab tab(worker.get(), &settings);
    BookmarkPanel* outline = tab.panel<BookmarkPanel>();
    QVERIFY(outline);
    QVERIFY(!outline->parent());
    tab.pageWidget()->resize(600, 500);
    tab.pageWidget()->show();

    QSignalSpy toc(&tab, &DocumentTab::tocAvailable);
    QSignalSpy ready(&tab, &DocumentTab::documentReady);
    tab.session()->openFile(outlined);
    QVERIFY(ready.wait(test::TimeoutMs));
    // The ready sequence rebinds the outline once the page view has its first image.
    QTRY_COMPARE_WITH_TIMEOUT(outline->model()->rowCount(), 3, test::TimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(toc.size(), 1, test::TimeoutMs);
    QCOMPARE(toc.at(0).at(0).value<DocumentTab*>(), &tab);
    QCOMPARE(toc.at(0).at(1).toBool(), true);

    // An entry moves the page view to its page.
    outline->resize(300, 400);
    outline->show();
    QVERIFY(QTest::qWaitForWindowExposed(outline));
    const QModelIndex second = outline->model()->index(1, 0);
    QTest::mouseClick(outline->treeView()->viewport(), Qt::LeftButton, {},
                      outline->treeView()->visualRect(second).center());
    QCOMPARE(tab.viewport()->currentPage(), 3);

    // A reload rebuilds it and reports again, once.
    tab.session()->controller()->reload();
    QVERIFY(ready.wait(test::TimeoutMs));
    QTRY_COMPARE_WITH_TIMEOUT(toc.size(), 2, test::TimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(!outline->checkTimer()->isActive(), test::TimeoutMs);
    QCOMPARE(toc.size(), 2);
    tab.session()->prepareClose();
}

void TestBookmarkPanel::windowShowsTheContentsOfADocumentWithAnOutline()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTabWidget* side = window.sideTabWidget();

    // Without an outline the new document stays on its thumbnails.
    window.openFile(plain);
    DocumentTab* first = window.current();
    QVERIFY(first);
    QCOMPARE(side->widget(0), first->panel<ThumbnailPanel>());
    QCOMPARE(side->widget(1), first->panel<BookmarkPanel>());
    QSignalSpy firstToc(first, &DocumentTab::tocAvailable);
    QVERIFY(firstToc.wait(test::TimeoutMs));
    QCOMPARE(side->currentIndex(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!first->panel<ThumbnailPanel>()->item(0)->icon().isNull(),
                             test::TimeoutMs);

    // With one, the contents tab comes to the front once the outline is known.
    window.openFile(outlined);
    DocumentTab* second = window.current();
    QVERIFY(second != first);
    QCOMPARE(side->currentIndex(), 0);
    QSignalSpy secondToc(second, &DocumentTab::tocAvailable);
    QVERIFY(secondToc.wait(test::TimeoutMs));
    QCOMPARE(side->currentIndex(), 1);
    QCOMPARE(side->currentWidget(), second->panel<BookmarkPanel>());
    QVERIFY(second->panel<BookmarkPanel>()->treeView()->isVisible());
}

QTEST_MAIN(TestBookmarkPanel)
#include "tst_bookmarkpanel.moc"
