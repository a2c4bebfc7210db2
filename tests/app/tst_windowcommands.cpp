#include "annotations/Annotation.h"
#include "annotations/AnnotationPanel.h"
#include "annotations/AnnotationStore.h"
#include "app/MainWindow.h"
#include "core/DocumentController.h"
#include "core/session/DocumentSession.h"
#include "settings/AppSettings.h"
#include "text/SearchController.h"
#include "text/SearchPanel.h"
#include "text/TextLayoutStore.h"
#include "theme/ThemePalette.h"
#include "view/PdfViewport.h"

#include "tests/support/AppFixtures.h"
#include "tests/support/TestPdf.h"

#include <QAction>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

using namespace dovrix;
using test::ModalDriver;

class TestWindowCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void disabledWithoutDocument();
    void ctrlTabCycles();
    void sideTabIsRememberedPerDocument();
    void dropOpensPdfFilesOnly();
    void recentListOpensAndClears();
    void firstAnnotationIsExplainedOnce();
    void typingSearchesOnceAfterTheLastKey();
    void returnSearchesAtOnceAndSteps();
    void fitButtonTwiceReturnsToActualSize();
    void threeZoomInsShow173();
    void copyKeyCopiesTheSelection();
    void escapeLeavesAnnotationModeAfterAnAnnotation();
    void hashIndicatorAndLastTab();
    void sourceChangeShowsTheBanner();
    void privateModeLabelWaitsForTheFirstToggle();
    void themeMenuAppliesAndStores();
    void languageMenuSwitches();

private:
    QString makePdf(const QString& name, const QStringList& pages);
    QString makePdf(const QString& name) { return makePdf(name, {"one", "two", "three"}); }
    static bool waitReady(DocumentSession* session);
    // A shown, active window with the given files open and ready.
    std::unique_ptr<MainWindow> openWindow(const QStringList& files);
    template <typename T> static T* child(MainWindow& window, const char* name)
    {
        return window.findChild<T*>(QLatin1String(name));
    }

    QTemporaryDir settingsDir;
    std::unique_ptr<QTemporaryDir> dir;
};

void TestWindowCommands::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    test::isolateSettings(settingsDir.path());
}

void TestWindowCommands::init()
{
    test::resetSettingsToSourceLanguage();
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestWindowCommands::cleanup()
{
    dir.reset();
}

QString TestWindowCommands::makePdf(const QString& name, const QStringList& pages)
{
    const QString path = dir->filePath(name);
    return test::writeTextPdf(path, pages) ? path : QString();
}

bool TestWindowCommands::waitReady(DocumentSession* session)
{
    return QTest::qWaitFor([session] { return session->controller()->status() == Ready; }, 20000);
}

std::unique_ptr<MainWindow> TestWindowCommands::openWindow(const QStringList& files)
{
    auto window = std::make_unique<MainWindow>();
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    for (const QString& path : files)
        window->openFile(path);
    for (DocumentSession* session : window->documentSessions()) {
        if (!waitReady(session))
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
    QVERIFY(waitReady(window->current()));
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
    // Ctrl+W closes the current document.
    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(tabs->count(), 2);
}

void TestWindowCommands::sideTabIsRememberedPerDocument()
{
    auto window = openWindow({makePdf("first.pdf"), makePdf("second.pdf")});
    QVERIFY(window);
    QTabWidget* tabs = window->documentTabs();
    QTabWidget* side = window->sideTabWidget();
    QCOMPARE(side->count(), 4);
    QCOMPARE(side->tabText(2), QStringLiteral("搜索"));
    QCOMPARE(side->currentIndex(), 0); // a new document starts on the thumbnails

    tabs->setCurrentIndex(0);
    side->setCurrentIndex(2);
    tabs->setCurrentIndex(1);
    QCOMPARE(side->currentIndex(), 0);
    side->setCurrentIndex(3);
    QCOMPARE(side->currentWidget(), window->current()->annotationPanel());
    tabs->setCurrentIndex(0);
    QCOMPARE(side->currentIndex(), 2);
    QCOMPARE(side->currentWidget(), window->current()->searchPanel());
    tabs->setCurrentIndex(1);
    QCOMPARE(side->currentIndex(), 3);

    // Ctrl+B and Ctrl+T pick the outline and thumbnail tabs.
    QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(side->currentIndex(), 1);
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(side->currentIndex(), 0);

    // An outline reported for the current document selects its tab.
    Q_EMIT window->current()->tocAvailable(window->current(), true);
    QCOMPARE(side->currentIndex(), 1);

    // The last tab closed: the placeholder tab, and the sidebar hides.
    while (!window->documentSessions().isEmpty())
        window->closeSession(window->current());
    QCOMPARE(side->count(), 1);
    QCOMPARE(side->tabText(0), QStringLiteral("文档"));
    QVERIFY(window->sidebarContainer()->isHidden());
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
    Annotation note;
    note.type = Note;
    note.rect = QRectF(100, 100, 0, 0);
    note.text = QStringLiteral("remember");

    ModalDriver<QMessageBox> driver([](QMessageBox* box) { box->accept(); }, 3);
    AnnotationStore* second = window->current()->annotations();
    QVERIFY(!second->add(note).isEmpty());
    QCOMPARE(driver.handled, 1);
    QCOMPARE(driver.titles.first(), QStringLiteral("批注已保存"));
    second->add(note);
    window->documentTabs()->setCurrentIndex(0);
    window->current()->annotations()->add(note);
    // Later annotations, also in another document, ask nothing.
    QCoreApplication::processEvents();
    QCOMPARE(driver.handled, 1);
}

void TestWindowCommands::typingSearchesOnceAfterTheLastKey()
{
    auto window = openWindow({makePdf("find.pdf", {"alpha beta", "beta gamma"})});
    QVERIFY(window);
    QSignalSpy started(window->current()->search(), &SearchController::started);
    QLineEdit* field = window->searchField();
    field->setFocus();
    QTest::keyClicks(field, "bet");
    QCOMPARE(started.size(), 0);
    QVERIFY(window->searchDebounceTimer()->isActive());
    QVERIFY(started.wait(5000));
    QCOMPARE(started.size(), 1);
    QCOMPARE(window->current()->search()->query(), QStringLiteral("bet"));
    QVERIFY(!window->searchDebounceTimer()->isActive());
}

void TestWindowCommands::returnSearchesAtOnceAndSteps()
{
    auto window = openWindow({makePdf("step.pdf", {"beta one", "two beta", "beta three"})});
    QVERIFY(window);
    DocumentSession* session = window->current();
    for (int page = 0; page < 3; ++page)
        session->textLayout()->requestPageText(page, 10);
    QTRY_VERIFY_WITH_TIMEOUT(session->textLayout()->hasPageText(2), 20000);

    QSignalSpy started(session->search(), &SearchController::started);
    QSignalSpy focused(session->searchPanel(), &SearchPanel::hitFocused);
    QLineEdit* field = window->searchField();
    field->setFocus();
    QTest::keyClicks(field, "beta");
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(started.size(), 1);
    QVERIFY(!window->searchDebounceTimer()->isActive());
    QCOMPARE(session->searchPanel()->searchHits().size(), 3);
    QCOMPARE(focused.size(), 1);
    QCOMPARE(session->searchPanel()->currentHitIndex(), 0);

    // Return again steps on without searching again; F3 and Shift+F3 step too.
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(started.size(), 1);
    QCOMPARE(session->searchPanel()->currentHitIndex(), 1);
    QTest::keyClick(window.get(), Qt::Key_F3);
    QCOMPARE(session->searchPanel()->currentHitIndex(), 2);
    QTest::keyClick(window.get(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(session->searchPanel()->currentHitIndex(), 1);
    QCOMPARE(session->viewport()->focusedHit(), 1);
}

void TestWindowCommands::fitButtonTwiceReturnsToActualSize()
{
    auto window = openWindow({makePdf("fit.pdf")});
    QVERIFY(window);
    PdfViewport* view = window->current()->viewport();
    auto* fit = child<QPushButton>(*window, "fitButton");
    QCOMPARE(fit->text(), QStringLiteral("适应宽度"));
    QTest::mouseClick(fit, Qt::LeftButton);
    QCOMPARE(view->fitMode(), int(PdfViewport::FitWidth));
    QCOMPARE(fit->text(), QStringLiteral("原始"));
    QTest::mouseClick(fit, Qt::LeftButton);
    QCOMPARE(view->fitMode(), int(PdfViewport::FitNone));
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
    QCOMPARE(window->current()->viewport()->viewMode(), int(PdfViewport::SinglePage));
    QCOMPARE(mode->text(), QStringLiteral("连续"));
    QVERIFY(child<QAction>(*window, "singlePageAction")->isChecked());
    QCOMPARE(child<QLabel>(*window, "pageLabel")->text(), QStringLiteral("1 / 3"));
}

void TestWindowCommands::copyKeyCopiesTheSelection()
{
    auto window = openWindow({makePdf("copy.pdf", {"alpha beta gamma", "second"})});
    QVERIFY(window);
    DocumentSession* session = window->current();
    PdfViewport* view = session->viewport();
    QTRY_VERIFY_WITH_TIMEOUT(session->textLayout()->hasCharBoxes(0), 20000);
    // Double-click the first word of the page (72 pt from the left, on the first line).
    const QPointF pt = view->pageToView(0, QPointF(80, 80));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, pt.toPoint());
    QTRY_VERIFY(view->hasSelection());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("alpha"));
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("已复制 5 个字符"));
}

// Escape after drawing an annotation leaves annotation mode; it once forwarded itself to the
// page view through the shortcut map without end, and the program died of the recursion.
void TestWindowCommands::escapeLeavesAnnotationModeAfterAnAnnotation()
{
    auto window = openWindow({makePdf("escape.pdf", {"alpha beta gamma", "second"})});
    QVERIFY(window);
    DocumentSession* session = window->current();
    PdfViewport* view = session->viewport();
    test::ModalDriver<QMessageBox> explain([](QMessageBox* box) { box->accept(); });
    QTest::keyClick(view, Qt::Key_A);
    QVERIFY(view->annotationMode());
    const QPoint from = view->pageToView(0, QPointF(100, 300)).toPoint();
    const QPoint to = view->pageToView(0, QPointF(300, 400)).toPoint();
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(view->viewport(), (from + to) / 2);
    QTest::mouseMove(view->viewport(), to);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
    QTRY_COMPARE(session->annotations()->count(), 1);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    for (int i = 0; i < 3 && view->annotationMode(); ++i)
        QTest::keyClick(window->current()->annotationPanel(), Qt::Key_Escape);
    QVERIFY(!view->annotationMode());
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
    window->closeSession(window->current());
    QVERIFY(hash->text().isEmpty());
    QVERIFY(hash->toolTip().isEmpty());
    QCOMPARE(window->centralStack()->currentWidget(), window->welcomePage());
}

void TestWindowCommands::sourceChangeShowsTheBanner()
{
    auto window = openWindow({makePdf("watched.pdf")});
    QVERIFY(window);
    DocumentSession* session = window->current();
    auto* banner = child<QFrame>(*window, "banner");
    auto* indicator = child<QLabel>(*window, "documentIndicator");
    QVERIFY(banner->isHidden());
    Q_EMIT session->controller()->sourceFileModified();
    QVERIFY(session->sourceModified());
    QVERIFY(banner->isVisible());
    QCOMPARE(indicator->text(), QStringLiteral("● 源文件已被外部修改"));

    // Ignore hides the banner only; Reload reloads, and the ready document clears the notice.
    QTest::mouseClick(child<QPushButton>(*window, "ignoreButton"), Qt::LeftButton);
    QVERIFY(banner->isHidden());
    QVERIFY(!indicator->text().isEmpty());
    Q_EMIT session->controller()->sourceFileModified();
    QSignalSpy ready(session, &DocumentSession::documentReady);
    QTest::mouseClick(child<QPushButton>(*window, "reloadButton"), Qt::LeftButton);
    QVERIFY(banner->isHidden());
    QVERIFY(ready.wait(20000));
    QVERIFY(indicator->text().isEmpty());
    QVERIFY(!session->sourceModified());
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

void TestWindowCommands::themeMenuAppliesAndStores()
{
    auto window = openWindow({});
    QVERIFY(window);
    QMenu* menu = child<QPushButton>(*window, "themeButton")->menu();
    QList<QAction*> items;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            items.append(action);
    }
    QCOMPARE(items.size(), 5);
    QCOMPARE(menu->actions().size(), 7); // separators before the third and the fifth
    QVERIFY(menu->actions().at(2)->isSeparator());
    QVERIFY(menu->actions().at(5)->isSeparator());
    QVERIFY(items.at(0)->isChecked());
    items.at(2)->trigger();
    QCOMPARE(currentTheme(), 2);
    QCOMPARE(AppSettings().theme(), QStringLiteral("dark"));
    QVERIFY(items.at(2)->isChecked());
    QVERIFY(!items.at(0)->isChecked());
    QCOMPARE(qApp->styleSheet(), buildStyleSheet(themePalette(2)));
    window->applyTheme(0);
}

void TestWindowCommands::languageMenuSwitches()
{
    AppSettings().setLanguage("xx");
    auto window = openWindow({});
    QVERIFY(window);
    auto* button = child<QPushButton>(*window, "languageButton");
    QCOMPARE(button->text(), QStringLiteral("English"));
    QList<QAction*> items = button->menu()->actions();
    QCOMPARE(items.size(), 20);
    QCOMPARE(items.at(9)->data().toString(), QStringLiteral("ar"));
    items.at(9)->trigger();
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    QCOMPARE(button->text(), QStringLiteral("العربية"));
    QCOMPARE(AppSettings().language(), QStringLiteral("ar"));
    QVERIFY(items.at(9)->isChecked());
    items.at(0)->trigger();
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    QVERIFY(!items.at(9)->isChecked());
    QVERIFY(items.at(0)->isChecked());
}

QTEST_MAIN(TestWindowCommands)
#include "tst_windowcommands.moc"
