#include "annotations/AnnotationPanel.h"
#include "annotations/AnnotationStore.h"
#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "support/TestPdf.h"
#include "text/TextLayoutStore.h"
#include "theme/ThemePalette.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace dovrix;

namespace {

const QString PageTwo =
    QStringLiteral("Hello annotated world here and a long tail of words that keeps going on");

Annotation make(int page, int type = Highlight, const QString& text = QString())
{
    Annotation a;
    a.page = page;
    a.type = type;
    a.text = text;
    a.rect = QRectF(10, 20, 30, 40);
    return a;
}

Annotation anchored(int page, int start, int length, const QString& text = QString())
{
    Annotation a = make(page, Highlight, text);
    a.byText = true;
    a.start = start;
    a.length = length;
    return a;
}

} // namespace

class TestAnnotationPanel : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir* dir = nullptr;
    PdfWorker* worker = nullptr;
    DocumentController* controller = nullptr;
    TextLayoutStore* textStore = nullptr;
    AnnotationStore* store = nullptr;
    AnnotationPanel* panel = nullptr;

    QStringList shownTexts() const
    {
        QStringList texts;
        for (int i = 0; i < panel->listWidget()->count(); ++i)
            texts << panel->listWidget()->item(i)->text();
        return texts;
    }

    void loadPageText(int page)
    {
        QSignalSpy ready(textStore, &TextLayoutStore::pageTextReady);
        textStore->requestPageText(page, 10);
        QTRY_VERIFY(textStore->hasPageText(page));
    }

    int indexOnPageTwo(const QString& word)
    {
        loadPageText(1);
        return int(textStore->pageText(1).indexOf(word));
    }

    void clickRow(int row)
    {
        QListWidget* list = panel->listWidget();
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The panel is not about opening files: parse them in this process.
        DocumentController::setProbeEnabled(false);
    }

    void init()
    {
        setCurrentTheme(0);
        dir = new QTemporaryDir;
        const QString pdf = dir->filePath("doc.pdf");
        QVERIFY(test::writeTextPdf(pdf, {"First page", PageTwo, "Three", "Four", "Five"}));
        worker = new PdfWorker;
        controller = new DocumentController(worker);
        QSignalSpy ready(controller, &DocumentController::documentReady);
        controller->openFile(pdf);
        QVERIFY(ready.wait(20000));
        textStore = new TextLayoutStore(worker, controller);
        store = new AnnotationStore;
        store->setSource(pdf, controller->sourceHash());
        panel = new AnnotationPanel(store, controller, textStore);
        panel->resize(300, 500);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel));
    }

    void cleanup()
    {
        delete panel;
        delete store;
        delete textStore;
        delete controller;
        delete worker;
        delete dir;
    }

    void placeholderOnly()
    {
        QCOMPARE(shownTexts(), QStringList{"暂无批注。开启批注模式后拖选文本即可创建。"});
        QCOMPARE(panel->rowIds(), QStringList{QString()});
        QListWidgetItem* item = panel->listWidget()->item(0);
        QCOMPARE(item->flags(), Qt::NoItemFlags);
        QSignalSpy selected(panel, &AnnotationPanel::annotationSelected);
        clickRow(0);
        panel->onItemClicked(item);
        QCOMPARE(selected.size(), 0);
    }

    void groupedByPageInStoreOrder()
    {
        const QString a = store->add(make(1, Rectangle));
        const QString b = store->add(make(1, Arrow));
        const QString c = store->add(make(4, Underline));
        const QString d = store->add(make(1, Strikethrough));
        QCOMPARE(shownTexts(),
                 (QStringList{"第 2 页", "▭  ▦", "→  ▦", "第 5 页", "U  ▦", "第 2 页", "S  ▦"}));
        QCOMPARE(panel->rowIds(), (QStringList{"", a, b, "", c, "", d}));

        QListWidgetItem* header = panel->listWidget()->item(0);
        QCOMPARE(header->flags(), Qt::ItemIsEnabled);
        QVERIFY(header->font().bold());
        QCOMPARE(header->background().color(), QColor(238, 241, 245));
        QCOMPARE(header->foreground().color(), QColor(themePalette(0).textColor));

        // A dark theme keeps headers readable once the window refreshes the panel.
        setCurrentTheme(2);
        panel->refresh();
        QCOMPARE(panel->listWidget()->item(0)->background().color(),
                 QColor(themePalette(2).panel2));
        QCOMPARE(panel->listWidget()->item(0)->foreground().color(),
                 QColor(themePalette(2).textColor));
    }

    void rowTexts_data()
    {
        QTest::addColumn<Annotation>("annotation");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<bool>("fromWord"); // start counts from "annotated" on page 2
        const QString longNote = QString(150, QLatin1Char('x')) + QString(50, QLatin1Char('y'));

        // Starts are relative to the word "annotated" on page 2 (index 1).
        QTest::newRow("anchored excerpt") << anchored(1, 0, 9) << "▬ annotated ⚓"
                                          << "highlight · 第 2 页 · 颜色 #ffd76a" << true;

        QTest::newRow("excerpt at most 60")
            << anchored(1, -6, 500) << "▬ " + PageTwo.left(60) + " ⚓"
            << "highlight · 第 2 页 · 颜色 #ffd76a" << true;
        QTest::newRow("negative length") << anchored(1, 0, -5) << "▬  ⚓"
                                         << "highlight · 第 2 页 · 颜色 #ffd76a" << true;
        Annotation rect = make(0, Rectangle, "  two\n words ");
        rect.color = QColor("#A8E6A3");
        QTest::newRow("note text") << rect << "▭ rectangle ▦\n  two\n words "
                                   << "rectangle · 第 1 页 · 颜色 #a8e6a3\n  two\n words " << false;
        QTest::newRow("long note")
            << make(2, Note, longNote) << "✎ note ▦\n" + longNote.left(160) + "…"
            << "note · 第 3 页 · 颜色 #ffd76a\n" + longNote << false;
        Annotation unanchored = anchored(1, -1, 9);
        unanchored.start = -1;
        QTest::newRow("byText without start") << unanchored << "▬  ▦"
                                              << "highlight · 第 2 页 · 颜色 #ffd76a" << false;
        QTest::newRow("percent signs") << make(0, Arrow, "%1 %2") << "→ arrow ▦\n%1 %2"
                                       << "arrow · 第 1 页 · 颜色 #ffd76a\n%1 %2" << false;
    }
    void rowTexts()
    {
        QFETCH(Annotation, annotation);
        QFETCH(QString, expected);
        QFETCH(QString, tooltip);
        QFETCH(bool, fromWord);
        const int word = indexOnPageTwo("annotated");
        QVERIFY(word >= 6);
        if (fromWord)
            annotation.start += word;
        const QString id = store->add(annotation);
        QCOMPARE(panel->listWidget()->count(), 2);
        QCOMPARE(panel->listWidget()->item(1)->text(), expected);
        QCOMPARE(panel->listWidget()->item(1)->toolTip(), tooltip);
        QCOMPARE(panel->rowIds().at(1), id);
    }

    // The excerpt of a text-anchored entry appears once the page text has been extracted.
    void excerptFollowsPageText()
    {
        store->add(anchored(1, 6, 9)); // "annotated", after "Hello "
        QCOMPARE(panel->listWidget()->item(1)->text(), QStringLiteral("▬  ⚓"));
        textStore->requestPageText(1, 10);
        QTRY_VERIFY(textStore->hasPageText(1));
        QCOMPARE(textStore->pageText(1).indexOf("annotated"), 6);
        QCOMPARE(panel->listWidget()->item(1)->text(), QStringLiteral("▬ annotated ⚓"));
    }

    void rebuildsOnStoreChanges()
    {
        const QString id = store->add(make(0, Highlight));
        QCOMPARE(shownTexts(), (QStringList{"第 1 页", "▬  ▦"}));
        Annotation a = *store->find(id);
        a.type = Strikethrough;
        a.text = "why";
        store->update(a);
        QCOMPARE(shownTexts(), (QStringList{"第 1 页", "S strikethrough ▦\nwhy"}));
        store->remove(id);
        QCOMPARE(shownTexts(), QStringList{"暂无批注。开启批注模式后拖选文本即可创建。"});
    }

    void clickingRows()
    {
        store->add(make(0));
        const QString second = store->add(make(3, Note, "n"));
        QSignalSpy selected(panel, &AnnotationPanel::annotationSelected);
        clickRow(3); // the note under the page-4 header
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.at(0).at(0).toString(), second);
        clickRow(2); // header
        clickRow(0); // header
        QCOMPARE(selected.size(), 1);
        QVERIFY(!panel->listWidget()->item(0)->isSelected()); // headers are never selected
        QVERIFY(!panel->listWidget()->item(2)->isSelected());
    }
};

QTEST_MAIN(TestAnnotationPanel)
#include "tst_annotationpanel.moc"
