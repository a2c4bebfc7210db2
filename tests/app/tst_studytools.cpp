#include "support/AppFixtures.h"
#include "support/CoreFixtures.h"
#include "support/HostileFixtures.h"
#include "support/PanelFixtures.h"
#include "support/TestPdf.h"

#include "app/MainWindow.h"
#include "app/OpenRequests.h"
#include "app/StudyTools.h"
#include "core/BookmarkStore.h"
#include "core/DocumentController.h"
#include "core/DocumentStatus.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "settings/AppSettings.h"
#include "speech/SpeechEngine.h"
#include "support/TestWait.h"
#include "synctex/SynctexProtocol.h"
#include "view/PdfViewport.h"
#include "view/panels/SearchPanel.h"
#include "view/panels/ThumbnailPanel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace dovrix;

namespace {

class SilentEngine : public SpeechEngine
{
public:
    bool isAvailable() const override { return false; }
    QString unavailableReason() const override { return QStringLiteral("no synthesiser here"); }
    void say(const QString&) override {}
    void pause() override {}
    void resume() override {}
    void stop() override {}
    void setRate(double) override {}
    QStringList voiceNames() const override { return {}; }
    void setVoice(const QString&) override {}
};

} // namespace

class TestStudyTools : public QObject, private test::WindowTestFolders
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolate(); }
    void init() { freshStart(); }

    void labelsInThePageFieldAndCommandLineRequests()
    {
        const QString path = dir->filePath(QStringLiteral("labelled.pdf"));
        QVERIFY(test::writeFile(path, test::labelledPdf()));
        MainWindow window;
        window.show();
        OpenRequest request;
        request.path = path;
        request.page = QStringLiteral("1"); // the label "1" is the third page
        window.openRequest(request);
        DocumentTab* tab = window.current();
        QVERIFY(tab);
        QTRY_COMPARE_WITH_TIMEOUT(tab->session()->controller()->status(), DocumentStatus::Ready,
                                  test::TimeoutMs);
        QCOMPARE(tab->session()->controller()->pageLabels(), (QStringList{"i", "ii", "1", "2"}));
        QTRY_COMPARE_WITH_TIMEOUT(tab->viewport()->currentPage(), 2, test::TimeoutMs);
        auto* field = window.findChild<QLineEdit*>(QStringLiteral("pageField"));
        auto* count = window.findChild<QLabel*>(QStringLiteral("pageCountLabel"));
        QVERIFY(field && count);
        QCOMPARE(field->text(), QStringLiteral("1"));
        QCOMPARE(count->text(), QStringLiteral("(3 / 4)"));
        tab->viewport()->goToPage(1);
        QCOMPARE(field->text(), QStringLiteral("ii"));
        QCOMPARE(count->text(), QStringLiteral("(2 / 4)"));
        // The field takes labels (in any case), numbers and its own display text.
        for (const auto& [typed, page] :
             {std::pair{QStringLiteral("I"), 0}, std::pair{QStringLiteral("4"), 3},
              std::pair{QStringLiteral("ii (2 / 4)"), 1}}) {
            QTest::keyClick(tab->viewport(), Qt::Key_G, Qt::ControlModifier);
            QTRY_VERIFY_WITH_TIMEOUT(field->hasFocus(), test::TimeoutMs);
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, Qt::Key_Return);
            QCOMPARE(tab->viewport()->currentPage(), page);
        }
        QCOMPARE(field->text(), QStringLiteral("ii"));
        QListWidget* thumbnails = tab->panel<ThumbnailPanel>();
        QCOMPARE(thumbnails->item(0)->text(), QStringLiteral("i (1)"));
        QCOMPARE(thumbnails->item(3)->text(), QStringLiteral("2 (4)"));

        // The same file again with a search: its tab is reused and the search field filled.
        request.page.clear();
        request.find = QStringLiteral("needle");
        window.openRequest(request);
        QCOMPARE(window.openTabs().size(), 1);
        QCOMPARE(window.searchField()->text(), QStringLiteral("needle"));
        QCOMPARE(window.sideTabWidget()->currentWidget(), tab->panel<SearchPanel>());

        // A document with an outline: the outline, read after the first page is shown, leaves the
        // search that was asked for in front.
        OpenRequest outlined;
        outlined.path = dir->filePath(QStringLiteral("outlined.pdf"));
        QVERIFY(test::writeOutlinedPdf(outlined.path, 2, {{QStringLiteral("Start"), 0, {}}}));
        outlined.find = QStringLiteral("needle");
        window.openRequest(outlined);
        DocumentTab* second = window.current();
        QSignalSpy toc(second, &DocumentTab::tocAvailable);
        QVERIFY(toc.wait(test::TimeoutMs));
        QCOMPARE(window.sideTabWidget()->currentWidget(), second->panel<SearchPanel>());
    }

    void bookmarksAndSynctexMessages()
    {
        const QString path = dir->filePath(QStringLiteral("plain.pdf"));
        QVERIFY(test::writeTextPdf(path, {"one", "two", "three"}));
        MainWindow window;
        window.show();
        window.openFile(path);
        DocumentTab* tab = window.current();
        QTRY_COMPARE_WITH_TIMEOUT(tab->session()->controller()->status(), DocumentStatus::Ready,
                                  test::TimeoutMs);
        StudyTools* tools = window.studyTools();
        PdfViewport* view = tab->viewport();

        view->goToPage(1);
        auto* add = window.findChild<QAction*>(QStringLiteral("addBookmarkAction"));
        QVERIFY(add && add->isEnabled());
        QCOMPARE(add->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
        add->trigger();
        BookmarkStore* store = tab->session()->bookmarks();
        QCOMPARE(store->bookmarks().size(), 1);
        QCOMPARE(store->bookmarks().first().name, QStringLiteral("第 2 页"));
        QVERIFY(
            !window.appSettings()->bookmarks(tab->session()->controller()->sourceHash()).isEmpty());
        view->goToPage(2);
        tools->goToBookmark(0);
        QCOMPARE(view->currentPage(), 1);

        // Ctrl+click: first no editor command, then no SyncTeX file beside the PDF.
        const QPoint onPage = view->viewport()->rect().center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, onPage);
        QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("编辑器命令")));
        window.appSettings()->setEditorCommand(QStringLiteral("true %f"));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, onPage);
        QTRY_VERIFY_WITH_TIMEOUT(
            window.statusBar()->currentMessage().contains(QStringLiteral(".synctex")),
            test::TimeoutMs);
        QVERIFY(!view->selection()->hasSelection());

        // SyncTeX data that unpacks without end is refused by its reader; the window says why.
        const QString bombed = dir->filePath(QStringLiteral("bombed.pdf"));
        QVERIFY(test::writeTextPdf(bombed, {"one"}));
        QVERIFY(test::writeFile(dir->filePath(QStringLiteral("bombed.synctex.gz")),
                                test::gzipBomb(int(SynctexLimits::UnpackedBytes >> 20) + 1)));
        window.openFile(bombed);
        QTRY_COMPARE_WITH_TIMEOUT(window.current()->session()->controller()->status(),
                                  DocumentStatus::Ready, test::TimeoutMs);
        PdfViewport* bombedView = window.current()->viewport();
        QTest::mouseClick(bombedView->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          bombedView->viewport()->rect().center());
        QTRY_VERIFY_WITH_TIMEOUT(
            window.statusBar()->currentMessage().contains(
                QStringLiteral("%1 MB").arg(SynctexLimits::UnpackedBytes >> 20)),
            test::TimeoutMs);
    }

    void readAloudWithoutEngineIsDisabledWithReason()
    {
        const QString path = dir->filePath(QStringLiteral("plain.pdf"));
        QVERIFY(test::writeTextPdf(path, {"one"}));
        MainWindow window;
        SilentEngine engine;
        StudyTools tools(&window, &engine);
        window.openFile(path);
        QTRY_COMPARE_WITH_TIMEOUT(window.current()->session()->controller()->status(),
                                  DocumentStatus::Ready, test::TimeoutMs);
        tools.updateActionStates();
        for (QAction* action : tools.toolsMenu()->actions()) {
            if (action->objectName() == QLatin1String("readAloudAction")) {
                QVERIFY(!action->isEnabled());
                QCOMPARE(action->toolTip(), QStringLiteral("no synthesiser here"));
                return;
            }
        }
        QFAIL("no read aloud command in the tools menu");
    }
};

QTEST_MAIN(TestStudyTools)
#include "tst_studytools.moc"
