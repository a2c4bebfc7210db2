#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "text/SearchController.h"
#include "text/TextLayoutStore.h"
#include "view/panels/SearchPanel.h"

#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace dovrix;

namespace {

// The query as the status texts show it: isolated from the words around it.
QString shown(const QString& query)
{
    return QChar(0x2068) + query + QChar(0x2069);
}

} // namespace

// The panel with the real controller, store and search of one document.
struct PanelRig
{
    PdfWorker worker;
    DocumentController controller{&worker};
    TextLayoutStore store{&worker, &controller};
    SearchController search{&store, &controller};
    SearchPanel panel{&controller, &search, &store};

    bool open(const QString& path)
    {
        QSignalSpy ready(&controller, &DocumentController::documentReady);
        controller.openFile(path);
        return ready.wait(test::TimeoutMs);
    }
    bool loadText(int page)
    {
        QSignalSpy text(&store, &TextLayoutStore::pageTextReady);
        store.requestPageText(page, JobPriority::TextLayout);
        return store.hasPageText(page) || text.wait(test::TimeoutMs);
    }
    void emitHits(const QList<SearchHit>& hits)
    {
        Q_EMIT search.started(10);
        for (const SearchHit& h : hits)
            Q_EMIT search.hitFound(h.page, h.start, h.length, h.ocrLine);
        Q_EMIT search.progress(10, 10);
    }
};

class TestSearchPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void excerpt_data();
    void excerpt();
    void rowsAreGroupedByPage();
    void rowsGrowWithProgress();
    void focusWrapsAround();
    void clicksOnHeadersDoNothing();
    void searchReportsHitsAndNoHits();
    void scannedPageChangesTheNoHitText();
    void blankQueryReturnsToThePrompt();
    void progressCountsEveryHitFoundSoFar();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void TestSearchPanel::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestSearchPanel::excerpt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("row");
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    QString long200;
    while (long200.size() < 200)
        long200 += letters;
    long200.truncate(200);
    QTest::newRow("near the start") << long200 << 5 << 3 << long200.left(56) + "…";
    QTest::newRow("start 12 keeps the beginning") << long200 << 12 << 2 << long200.left(62) + "…";
    QTest::newRow("start 13 is cut") << long200 << 13 << 2 << "…" + long200.mid(1, 62) + "…";
    QTest::newRow("at the end") << long200 << 195 << 5 << "…" + long200.mid(183);
    QTest::newRow("line breaks") << QStringLiteral("one\ntwo\r\n  three") << 4 << 3
                                 << QStringLiteral("one two three");
    QTest::newRow("short text") << QStringLiteral("hit") << 0 << 3 << QStringLiteral("hit");
}

void TestSearchPanel::excerpt()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, row);
    QCOMPARE(SearchPanel::excerpt(text, start, length), row);
}

void TestSearchPanel::rowsAreGroupedByPage()
{
    PanelRig rig;
    QVERIFY(rig.panel.statusLabel()->text().isEmpty());
    rig.panel.reset();
    QCOMPARE(rig.panel.statusLabel()->text(), QStringLiteral("输入关键字开始搜索（Ctrl+F）"));
    rig.emitHits({{4, 0, 2, -1}, {4, 9, 2, -1}, {9, 1, 3, 0}});
    QCOMPARE(rig.panel.rowHits(), (QList<int>{-1, 0, 1, -1, 2}));
    QListWidget* list = rig.panel.resultList();
    QCOMPARE(list->count(), 5);
    QCOMPARE(list->item(0)->text(), QStringLiteral("第 5 页"));
    QCOMPARE(list->item(0)->flags(), Qt::ItemIsEnabled);
    QVERIFY(list->item(0)->font().bold());
    // Neither the page text nor the OCR result is there: placeholders, still focusable.
    QCOMPARE(list->item(1)->text(), QStringLiteral("(文本尚未加载)"));
    QCOMPARE(list->item(1)->toolTip(), QStringLiteral("第 5 页"));
    QCOMPARE(list->item(3)->text(), QStringLiteral("第 10 页"));
    QCOMPARE(list->item(4)->text(), QStringLiteral("(OCR 文本)"));
    QCOMPARE(list->item(4)->toolTip(), QStringLiteral("第 10 页 · OCR"));

    // An OCR hit shows its line.
    OcrPageText ocr = OcrPageText::fromLines(
        {OcrLine{QRectF(0, 0, 10, 10), QStringLiteral("recognised line"), 0.9f}});
    rig.store.setOcrResult(9, ocr);
    rig.panel.retranslate();
    QCOMPARE(list->item(4)->text(), QStringLiteral("recognised line"));
}

void TestSearchPanel::rowsGrowWithProgress()
{
    PanelRig rig;
    Q_EMIT rig.search.started(10);
    Q_EMIT rig.search.hitFound(1, 0, 2, -1);
    Q_EMIT rig.search.progress(2, 10);
    QCOMPARE(rig.panel.rowHits(), (QList<int>{-1, 0}));
    // More hits of the same page after a progress report: still one header for the page.
    Q_EMIT rig.search.hitFound(1, 5, 2, -1);
    Q_EMIT rig.search.hitFound(3, 0, 2, -1);
    Q_EMIT rig.search.progress(5, 10);
    Q_EMIT rig.search.hitFound(3, 9, 2, -1);
    Q_EMIT rig.search.finished(4);
    const QList<int> grown = rig.panel.rowHits();
    QStringList texts;
    for (int row = 0; row < rig.panel.resultList()->count(); ++row)
        texts << rig.panel.resultList()->item(row)->text();
    QCOMPARE(grown, (QList<int>{-1, 0, 1, -1, 2, 3}));
    // The same rows as a list built in one go.
    rig.panel.retranslate();
    QCOMPARE(rig.panel.rowHits(), grown);
    for (int row = 0; row < texts.size(); ++row)
        QCOMPARE(rig.panel.resultList()->item(row)->text(), texts.at(row));
}

void TestSearchPanel::focusWrapsAround()
{
    PanelRig rig;
    QSignalSpy focused(&rig.panel, &SearchPanel::hitFocused);
    rig.panel.focusNext();
    rig.panel.focusPrevious();
    QCOMPARE(focused.size(), 0);

    rig.emitHits({{0, 0, 1, -1}, {1, 0, 1, -1}, {1, 5, 1, -1}});
    for (int expected : {0, 1, 2, 0}) {
        rig.panel.focusNext();
        QCOMPARE(focused.takeLast().at(0).toInt(), expected);
        QCOMPARE(rig.panel.currentHitIndex(), expected);
        QCOMPARE(rig.panel.rowHits().at(rig.panel.resultList()->currentRow()), expected);
    }
    rig.panel.focusPrevious();
    QCOMPARE(focused.takeLast().at(0).toInt(), 2);

    // A new search forgets the focus; previous from nothing is the last hit.
    rig.emitHits({{0, 0, 1, -1}, {1, 0, 1, -1}, {1, 5, 1, -1}});
    QCOMPARE(rig.panel.currentHitIndex(), -1);
    rig.panel.focusPrevious();
    QCOMPARE(focused.takeLast().at(0).toInt(), 2);
    rig.panel.focusPrevious();
    QCOMPARE(focused.takeLast().at(0).toInt(), 1);

    rig.emitHits({{3, 0, 1, -1}});
    rig.panel.focusPrevious();
    QCOMPARE(focused.takeLast().at(0).toInt(), 0);
}

void TestSearchPanel::clicksOnHeadersDoNothing()
{
    PanelRig rig;
    rig.panel.resize(300, 400);
    rig.panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rig.panel));
    rig.emitHits({{2, 0, 1, -1}, {2, 4, 1, -1}});
    QSignalSpy focused(&rig.panel, &SearchPanel::hitFocused);
    QListWidget* list = rig.panel.resultList();
    const QRect header = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, header.center());
    QCOMPARE(focused.size(), 0);
    const QRect second = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(focused.size(), 1);
    QCOMPARE(focused.first().at(0).toInt(), 1);
}

void TestSearchPanel::searchReportsHitsAndNoHits()
{
    const QString path = dir->filePath("text.pdf");
    QVERIFY(test::writeTextPdf(path, {"alpha beta gamma", "beta\ndelta beta", "epsilon"}));
    PanelRig rig;
    QVERIFY(rig.open(path));
    rig.panel.reset();

    QSignalSpy finished(&rig.search, &SearchController::finished);
    rig.panel.search("beta", false);
    QVERIFY(finished.size() == 1 || finished.wait(test::TimeoutMs));
    QCOMPARE(rig.panel.searchHits().size(), 3);
    QCOMPARE(rig.panel.statusLabel()->text(), "“" + shown("beta") + "”：共 3 处命中");
    QVERIFY(rig.panel.hintBox()->isHidden());
    QCOMPARE(rig.panel.rowHits(), (QList<int>{-1, 0, -1, 1, 2}));
    QCOMPARE(rig.panel.resultList()->item(1)->text(), QStringLiteral("alpha beta gamma"));

    // Every page has text: nothing found ends with a full stop and offers OCR all the same.
    finished.clear();
    rig.panel.search("zzz", false);
    QVERIFY(finished.size() == 1 || finished.wait(test::TimeoutMs));
    QCOMPARE(rig.panel.statusLabel()->text(), "“" + shown("zzz") + "”无命中。");
    QVERIFY(!rig.panel.hintBox()->isHidden());
    QSignalSpy ocr(&rig.panel, &SearchPanel::ocrRequested);
    rig.panel.ocrButton()->click();
    QCOMPARE(ocr.size(), 1);
}

void TestSearchPanel::scannedPageChangesTheNoHitText()
{
    const QString path = dir->filePath("scan.pdf");
    QVERIFY(test::writePaintedPdf(path, {QSizeF(595, 842)}, 2, [](QPainter& painter, int page) {
        if (page == 0)
            painter.fillRect(QRectF(50, 50, 300, 200), Qt::gray); // a page without any text
        else
            painter.drawText(QPointF(72, 100), QStringLiteral("some real text"));
    }));
    PanelRig rig;
    QVERIFY(rig.open(path));
    QSignalSpy finished(&rig.search, &SearchController::finished);
    rig.panel.search("zzz", false);
    QVERIFY(finished.size() == 1 || finished.wait(test::TimeoutMs));
    QCOMPARE(rig.panel.statusLabel()->text(), "“" + shown("zzz") + "”无命中");
    QVERIFY(!rig.panel.hintBox()->isHidden());
}

void TestSearchPanel::blankQueryReturnsToThePrompt()
{
    PanelRig rig;
    rig.emitHits({{0, 0, 1, -1}});
    rig.panel.search("   ", false);
    QCOMPARE(rig.panel.statusLabel()->text(), QStringLiteral("输入关键字开始搜索（Ctrl+F）"));
    QCOMPARE(rig.panel.resultList()->count(), 0);
    QVERIFY(rig.panel.searchHits().isEmpty());
    QVERIFY(rig.panel.hintBox()->isHidden());
}

// Pages are searched as their texts arrive, here the last one first; the count is of every hit
// found so far, not of those already listed in page order. A query holding a placeholder is shown
// as typed.
void TestSearchPanel::progressCountsEveryHitFoundSoFar()
{
    const QString path = dir->filePath("text.pdf");
    QVERIFY(test::writeTextPdf(path, {"one %2 beta", "two", "beta %2 beta three"}));
    PanelRig rig;
    QVERIFY(rig.open(path));
    QVERIFY(rig.loadText(2));
    QStringList texts;
    connect(&rig.search, &SearchController::progress, this,
            [&] { texts.append(rig.panel.statusLabel()->text()); });
    QSignalSpy finished(&rig.search, &SearchController::finished);
    rig.panel.search("%2 beta", false);
    QVERIFY(finished.size() == 1 || finished.wait(test::TimeoutMs));
    QVERIFY(!texts.isEmpty());
    QCOMPARE(texts.first(), "正在搜索“" + shown("%2 beta") + "”… 已搜索 1 / 3 页，当前命中 1 处");
    QCOMPARE(rig.panel.statusLabel()->text(), "“" + shown("%2 beta") + "”：共 2 处命中");
}

QTEST_MAIN(TestSearchPanel)
#include "tst_searchpanel.moc"
