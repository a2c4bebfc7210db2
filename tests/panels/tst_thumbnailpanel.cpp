#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "core/RenderCache.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "settings/AppSettings.h"
#include "view/PdfViewport.h"
#include "view/panels/ThumbnailPanel.h"

#include "tests/support/AppFixtures.h"
#include "tests/support/PanelFixtures.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"
#include "tests/support/WorkerGate.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace dovrix;

class TestThumbnailPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void thumbnailKeys_data();
    void thumbnailKeys();
    void onlyRowsNearTheViewAreRendered_data();
    void onlyRowsNearTheViewAreRendered();
    void tallFirstPageDoesNotReachTheWholeDocument();
    void oneRowDocumentRangeIsItsOnlyRow();
    void failedRenderIsNotAskedForAgain();
    void reloadClearsTheIconsAndAsksAgainAtOnce();
    void sessionKeepsListAndPageViewTogether();

private:
    bool showPanel(const QSize& size = QSize(320, 420));
    bool shown(int row) const;
    bool requested(int row) const;
    bool rowOnScreen(int row) const;

    QTemporaryDir dir;
    QString longDoc;   // 80 A4 pages
    QString tallFirst; // 60 pages, the first one absurdly tall
    QString onePage;
    QString broken; // 8 pages; page 5 cannot be rendered
    std::unique_ptr<PdfWorker> worker;
    std::unique_ptr<DocumentController> controller;
    std::unique_ptr<ThumbnailPanel> panel;
};

void TestThumbnailPanel::initTestCase()
{
    QVERIFY(dir.isValid());
    test::isolateSettings(dir.filePath("settings"));
    longDoc = dir.filePath("long.pdf");
    tallFirst = dir.filePath("tall.pdf");
    onePage = dir.filePath("one.pdf");
    broken = dir.filePath("broken.pdf");
    QVERIFY(test::writeSizedPdf(longDoc, {QSizeF(595, 842)}, 80));
    QVERIFY(test::writeSizedPdf(tallFirst, {QSizeF(20, 14000), QSizeF(595, 842)}, 60));
    QVERIFY(test::writeSizedPdf(onePage, {QSizeF(842, 595)}, 1));
    QVERIFY(test::writeOutlinedPdf(broken, 8, {}, QSizeF(612, 792), {5}));
}

void TestThumbnailPanel::init()
{
    worker = std::make_unique<PdfWorker>();
    controller = std::make_unique<DocumentController>(worker.get());
    controller->setProbeEnabled(false);
    panel = std::make_unique<ThumbnailPanel>(controller.get(), worker.get());
}

void TestThumbnailPanel::cleanup()
{
    panel.reset();
    controller.reset();
    worker.reset();
}

bool TestThumbnailPanel::showPanel(const QSize& size)
{
    panel->resize(size);
    panel->show();
    return QTest::qWaitForWindowExposed(panel.get());
}

bool TestThumbnailPanel::shown(int row) const
{
    QListWidgetItem* item = panel->item(row);
    return item && item->data(ThumbnailPanel::ThumbnailShownRole).toBool()
           && !item->icon().isNull();
}

bool TestThumbnailPanel::requested(int row) const
{
    const RenderCache::Key key = ThumbnailPanel::thumbnailKey(controller->pageSizes(), row);
    return panel->renderCache()->isInFlight(key) || panel->renderCache()->contains(key)
           || shown(row);
}

bool TestThumbnailPanel::rowOnScreen(int row) const
{
    return panel->viewport()->rect().intersects(panel->visualItemRect(panel->item(row)));
}

void TestThumbnailPanel::thumbnailKeys_data()
{
    QTest::addColumn<QList<QSizeF>>("sizes");
    QTest::addColumn<int>("page");
    QTest::addColumn<QSize>("expected");

    const QList<QSizeF> sizes{QSizeF(595, 842), QSizeF(842, 595),   QSizeF(),
                              QSizeF(1000, 1),  QSizeF(612, 14400), QSizeF(1, 14400)};
    QTest::newRow("A4 portrait") << sizes << 0 << QSize(132, 186);
    QTest::newRow("A4 landscape") << sizes << 1 << QSize(132, 93);
    QTest::newRow("no size: A4 proportions") << sizes << 2 << QSize(132, 186);
    QTest::newRow("index past the list: A4 proportions") << sizes << 9 << QSize(132, 186);
    QTest::newRow("negative index: A4 proportions") << sizes << -1 << QSize(132, 186);
    QTest::newRow("very wide page: at least one pixel") << sizes << 3 << QSize(132, 1);
    QTest::newRow("long strip keeps its proportions") << sizes << 4 << QSize(132, 3105);
    // 132 × 1,900,800 pixels would be a render of a gigabyte: scaled down to the height cap.
    QTest::newRow("absurdly narrow page is capped") << sizes << 5 << QSize(1, 4224);
}

void TestThumbnailPanel::thumbnailKeys()
{
    QFETCH(QList<QSizeF>, sizes);
    QFETCH(int, page);
    QFETCH(QSize, expected);
    const RenderCache::Key key = ThumbnailPanel::thumbnailKey(sizes, page);
    QCOMPARE(key.page, page);
    QCOMPARE(key.size, expected);
    QCOMPARE(key.rotation, 0);
    QCOMPARE(key.devicePixelRatio, 1.0);
}

void TestThumbnailPanel::onlyRowsNearTheViewAreRendered_data()
{
    // The side area is 220 to 560 pixels wide: one to three pictures a line.
    QTest::addColumn<int>("width");
    QTest::newRow("narrowest side area") << 220;
    QTest::newRow("two a line") << 320;
    QTest::newRow("widest side area") << 560;
}

void TestThumbnailPanel::onlyRowsNearTheViewAreRendered()
{
    QFETCH(int, width);
    QCOMPARE(panel->renderCache()->byteBudget(), qint64(64) * 1024 * 1024);
    QVERIFY(test::openAndWait(*controller, longDoc));
    QVERIFY(showPanel(QSize(width, 420)));
    panel->populate();
    QCOMPARE(panel->count(), 80);
    QCOMPARE(panel->item(0)->text(), QStringLiteral("1"));
    QCOMPARE(panel->item(79)->text(), QStringLiteral("80"));

    // Every row on screen gets its picture; rows far below are never asked for.
    QTRY_VERIFY_WITH_TIMEOUT(shown(0), test::TimeoutMs);
    // The blank white page stands out from the panel by its frame.
    const QIcon icon = panel->item(0)->icon();
    const QImage picture = icon.pixmap(icon.availableSizes().value(0)).toImage();
    QVERIFY(picture.pixelColor(0, 0) != QColor(Qt::white));
    QCOMPARE(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(Qt::white));
    for (int row = 0; row < 80 && rowOnScreen(row); ++row)
        QTRY_VERIFY2_WITH_TIMEOUT(shown(row), qPrintable(QString::number(row)), test::TimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(!panel->renderCache()->isInFlight(ThumbnailPanel::thumbnailKey({}, 0)),
                             test::TimeoutMs);
    for (int row : {20, 40, 79})
        QVERIFY2(!requested(row), qPrintable(QString::number(row)));

    // Scrolled to the middle: the rows there arrive, the rows between stay untouched.
    panel->scrollToItem(panel->item(50), QAbstractItemView::PositionAtTop);
    QVERIFY(rowOnScreen(50));
    QTRY_VERIFY_WITH_TIMEOUT(shown(50), test::TimeoutMs);
    const auto [first, last] = panel->visibleRange();
    QVERIFY2(first > 40 && last < 70, qPrintable(QStringLiteral("%1 %2").arg(first).arg(last)));
    for (int row : {25, 79})
        QVERIFY2(!requested(row), qPrintable(QString::number(row)));

    // At the end of the list the last row is in range.
    panel->scrollToBottom();
    QTRY_VERIFY_WITH_TIMEOUT(shown(79), test::TimeoutMs);
    QVERIFY(!requested(25));
}

void TestThumbnailPanel::tallFirstPageDoesNotReachTheWholeDocument()
{
    QVERIFY(test::openAndWait(*controller, tallFirst));
    QVERIFY(controller->pageSizes().first().height()
            > 100 * controller->pageSizes().first().width());
    QVERIFY(showPanel());
    panel->populate();
    QTRY_VERIFY_WITH_TIMEOUT(shown(1), test::TimeoutMs);
    const auto [first, last] = panel->visibleRange();
    QCOMPARE(first, 0);
    QVERIFY2(last < 20, qPrintable(QString::number(last)));
    QVERIFY(!requested(40));
    QVERIFY(!requested(59));
}

void TestThumbnailPanel::oneRowDocumentRangeIsItsOnlyRow()
{
    QVERIFY(test::openAndWait(*controller, onePage));
    QVERIFY(showPanel(QSize(200, 150)));
    panel->populate();
    QCOMPARE(panel->visibleRange(), qMakePair(0, 0));
    QTRY_VERIFY_WITH_TIMEOUT(shown(0), test::TimeoutMs);
    QCOMPARE(panel->item(0)->icon().availableSizes().value(0), QSize(132, 93));
    panel->verticalScrollBar()->setValue(panel->verticalScrollBar()->maximum());
    QCOMPARE(panel->visibleRange(), qMakePair(0, 0));
    panel->resize(600, 900);
    QCOMPARE(panel->visibleRange(), qMakePair(0, 0));
}

void TestThumbnailPanel::failedRenderIsNotAskedForAgain()
{
    QVERIFY(test::openAndWait(*controller, broken));
    QVERIFY(controller->pageSizes().at(5).isEmpty());
    QVERIFY(showPanel(QSize(320, 1200)));
    panel->populate();
    for (int row : {0, 1, 2, 3, 4, 6, 7})
        QTRY_VERIFY2_WITH_TIMEOUT(shown(row), qPrintable(QString::number(row)), test::TimeoutMs);
    QListWidgetItem* five = panel->item(5);
    QTRY_VERIFY_WITH_TIMEOUT(five->data(ThumbnailPanel::RenderFailedRole).toBool(),
                             test::TimeoutMs);
    QVERIFY(!five->data(ThumbnailPanel::ThumbnailShownRole).toBool());
    QVERIFY(five->icon().isNull());
    QCOMPARE(five->text(), QStringLiteral("6"));

    // Neither an explicit refresh nor the timer asks for it again.
    const RenderCache::Key key = ThumbnailPanel::thumbnailKey(controller->pageSizes(), 5);
    QCOMPARE(key.size, QSize(132, 186));
    panel->loadVisible(true);
    QVERIFY(!panel->renderCache()->isInFlight(key));
    panel->loadVisible(false);
    QVERIFY(!panel->renderCache()->isInFlight(key));
    QVERIFY(five->data(ThumbnailPanel::RenderFailedRole).toBool());
}

void TestThumbnailPanel::reloadClearsTheIconsAndAsksAgainAtOnce()
{
    QVERIFY(test::openAndWait(*controller, longDoc));
    QVERIFY(showPanel());
    panel->populate();
    QTRY_VERIFY_WITH_TIMEOUT(shown(0), test::TimeoutMs);

    // While the document is away, nothing is asked for: a render now could only fail, and the
    // row would never be asked for again.
    QSignalSpy ready(controller.get(), &DocumentController::documentReady);
    controller->reload();
    QVERIFY(!controller->document());
    panel->renderCache()->clear(); // as if the pictures had been evicted
    panel->loadVisible(true);
    QVERIFY(ready.wait(test::TimeoutMs));
    for (int row = 0; row < panel->count(); ++row)
        QVERIFY(!panel->item(row)->data(ThumbnailPanel::RenderFailedRole).toBool());

    // Hold the worker so that the fresh requests can be seen before they complete.
    test::WorkerGate gate(worker.get());
    panel->populate();
    QCOMPARE(panel->count(), 80);
    QVERIFY(panel->item(0)->icon().isNull());
    QVERIFY(!panel->item(0)->data(ThumbnailPanel::ThumbnailShownRole).toBool());
    QCOMPARE(panel->renderCache()->count(), 0);
    QVERIFY(panel->renderCache()->isInFlight(ThumbnailPanel::thumbnailKey({}, 0)));
    gate.open();
    QTRY_VERIFY_WITH_TIMEOUT(shown(0), test::TimeoutMs);
}

void TestThumbnailPanel::sessionKeepsListAndPageViewTogether()
{
    AppSettings settings;
    DocumentTab tab(worker.get(), &settings);
    ThumbnailPanel* list = tab.panel<ThumbnailPanel>();
    QVERIFY(list);
    QVERIFY(!list->parent());
    QVERIFY(!list->isPopulated());
    tab.pageWidget()->resize(600, 500);
    tab.pageWidget()->show();
    list->resize(320, 420);
    list->show();
    QVERIFY(QTest::qWaitForWindowExposed(list));

    QSignalSpy ready(&tab, &DocumentTab::documentReady);
    tab.session()->openFile(longDoc);
    QVERIFY(ready.wait(test::TimeoutMs));
    // The list is filled once the page shown has its image, and selects the view's page.
    QTRY_COMPARE_WITH_TIMEOUT(list->count(), 80, test::TimeoutMs);
    QCOMPARE(list->currentRow(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!list->item(0)->icon().isNull(), test::TimeoutMs);

    // The list follows the page view and shows the row...
    PdfViewport* view = tab.viewport();
    view->goToPage(60);
    QCOMPARE(view->currentPage(), 60);
    QCOMPARE(list->currentRow(), 60);
    QVERIFY(list->item(60)->isSelected());
    QVERIFY(list->viewport()->rect().intersects(list->visualItemRect(list->item(60))));
    QTRY_VERIFY_WITH_TIMEOUT(!list->item(60)->icon().isNull(), test::TimeoutMs);

    // ...and a clicked row moves the page view to its 0-based page.
    const QListWidgetItem* target = list->item(58);
    QCOMPARE(target->text(), QStringLiteral("59"));
    QSignalSpy activated(list, &ThumbnailPanel::pageActivated);
    QVERIFY(list->viewport()->rect().contains(list->visualItemRect(target).center()));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(target).center());
    QCOMPARE(activated.size(), 1);
    QCOMPARE(activated.at(0).at(0).toInt(), 58);
    QCOMPARE(view->currentPage(), 58);
    QCOMPARE(list->currentRow(), 58);
    tab.session()->prepareClose();
}

QTEST_MAIN(TestThumbnailPanel)
#include "tst_thumbnailpanel.moc"
