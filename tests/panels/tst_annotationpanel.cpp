#include "annotations/AnnotationStore.h"
#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "support/TestPdf.h"
#include "support/TestWait.h"
#include "text/TextLayoutStore.h"
#include "theme/ThemePalette.h"
#include "view/panels/AnnotationPanel.h"

#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace dovrix;

namespace {

const QString PageTwo = QStringLiteral("Hello annotated world here and a long tail of words that "
                                       "keeps going on and on to its very end");

Annotation make(int page, AnnotationType type = AnnotationType::Highlight,
                const QString& text = QString())
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
    Annotation a = make(page, AnnotationType::Highlight, text);
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

    QStringList shownTexts() const { return panel->rowTexts(); }

    QModelIndex row(int r) const { return panel->model()->index(r); }

    void loadPageText(int page)
    {
        QSignalSpy ready(textStore, &TextLayoutStore::pageTextReady);
        textStore->requestPageText(page, JobPriority::TextLayout);
        QTRY_VERIFY_WITH_TIMEOUT(textStore->hasPageText(page), test::TimeoutMs);
    }

    int indexOnPageTwo(const QString& word)
    {
        loadPageText(1);
        return int(textStore->pageText(1).indexOf(word));
    }

    void clickRow(int row)
    {
        QListView* list = panel->listView();
        const QRect r = list->visualRect(panel->model()->index(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }

private Q_SLOTS:
    void init()
    {
        recordAppliedTheme(*QCoreApplication::instance(), 0);
        dir = new QTemporaryDir;
        const QString pdf = dir->filePath("doc.pdf");
        QVERIFY(test::writeTextPdf(pdf, {"First page", PageTwo, "Three", "Four", "Five"}));
        worker = new PdfWorker;
        controller = new DocumentController(worker);
        controller->setProbeEnabled(false); // the panel is not about opening files
        QVERIFY(test::openAndWait(*controller, pdf));
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
        QCOMPARE(panel->model()->flags(row(0)), Qt::NoItemFlags);
        QSignalSpy selected(panel, &AnnotationPanel::annotationSelected);
        clickRow(0);
        panel->onRowClicked(row(0));
        QCOMPARE(selected.size(), 0);
    }

    // An entry of the sidecar that cannot be read is listed after the annotations, never
    // selected; adding an annotation before it keeps it listed.
    void unreadableEntriesListed()
    {
        const QString a = store->add(make(1, AnnotationType::Rectangle));
        QFile file(store->sidecarPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        file.close();
        bytes.replace("}],", "},{\"id\":\"odd\",\"type\":\"squiggle\"}],");
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();
        store->load();
        panel->refresh();
        const QStringList texts = shownTexts();
        QCOMPARE(texts.size(), 3);
        QVERIFY(texts.at(2).startsWith(QStringLiteral("无法读取的批注\n{\"id\":\"odd\"")));
        QCOMPARE(panel->model()->flags(row(2)), Qt::ItemIsEnabled);
        QSignalSpy selected(panel, &AnnotationPanel::annotationSelected);
        panel->onRowClicked(row(2));
        QCOMPARE(selected.size(), 0);
        store->add(make(0, AnnotationType::Note));
        QCOMPARE(shownTexts().size(), 5);
        QVERIFY(shownTexts().constLast().startsWith(QStringLiteral("无法读取的批注")));
        QCOMPARE(panel->rowIds().at(1), a);
    }

    void groupedByPageInStoreOrder()
    {
        const QString a = store->add(make(1, AnnotationType::Rectangle));
        const QString b = store->add(make(1, AnnotationType::Arrow));
        const QString c = store->add(make(4, AnnotationType::Underline));
        const QString d = store->add(make(1, AnnotationType::Strikethrough));
        QCOMPARE(shownTexts(), (QStringList{"第 2 页", "矩形\n", "箭头\n", "第 5 页", "下划线\n",
                                            "第 2 页", "删除线\n"}));
        QCOMPARE(panel->rowIds(), (QStringList{"", a, b, "", c, "", d}));

        QCOMPARE(panel->model()->flags(row(0)), Qt::ItemIsEnabled);
        QVERIFY(row(0).data(Qt::FontRole).value<QFont>().bold());
        QCOMPARE(row(0).data(Qt::BackgroundRole).value<QColor>(), QColor(238, 241, 245));
        QCOMPARE(row(0).data(Qt::ForegroundRole).value<QColor>(),
                 QColor(themePalette(0).textColor));

        // A dark theme keeps headers readable once the window refreshes the panel.
        recordAppliedTheme(*QCoreApplication::instance(), 2);
        panel->refresh();
        QCOMPARE(row(0).data(Qt::BackgroundRole).value<QColor>(), QColor(themePalette(2).panel2));
        QCOMPARE(row(0).data(Qt::ForegroundRole).value<QColor>(),
                 QColor(themePalette(2).textColor));
    }

    // Each entry names its type and shows the anchored text, else the note.
    void rowTexts_data()
    {
        QTest::addColumn<Annotation>("annotation");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<bool>("fromWord"); // start counts from "annotated" on page 2
        const QString longNote = QString(150, QLatin1Char('x')) + QString(50, QLatin1Char('y'));

        QTest::newRow("anchored text") << anchored(1, 0, 9) << "高亮\n「annotated」"
                                       << "高亮 · 第 2 页 · 颜色 #ffd76a" << true;
        QTest::newRow("anchored text at most 80")
            << anchored(1, -6, 500) << "高亮\n「" + PageTwo.left(80).simplified() + "」"
            << "高亮 · 第 2 页 · 颜色 #ffd76a" << true;
        QTest::newRow("anchored text and note")
            << anchored(1, 0, 9, "see\nthis") << "高亮\n「annotated」 see this"
            << "高亮 · 第 2 页 · 颜色 #ffd76a\nsee\nthis" << true;
        Annotation rect = make(0, AnnotationType::Rectangle, "  two\n words ");
        rect.color = QColor("#A8E6A3");
        QTest::newRow("note text") << rect << "矩形\ntwo words"
                                   << "矩形 · 第 1 页 · 颜色 #a8e6a3\n  two\n words " << false;
        QTest::newRow("long note")
            << make(2, AnnotationType::Note, longNote) << "便签\n" + longNote.left(160) + "…"
            << "便签 · 第 3 页 · 颜色 #ffd76a\n" + longNote << false;
        Annotation unanchored = anchored(1, -1, 9);
        unanchored.start = -1;
        QTest::newRow("byText without start") << unanchored << "高亮\n"
                                              << "高亮 · 第 2 页 · 颜色 #ffd76a" << false;
        QTest::newRow("percent signs") << make(0, AnnotationType::Arrow, "%1 %2") << "箭头\n%1 %2"
                                       << "箭头 · 第 1 页 · 颜色 #ffd76a\n%1 %2" << false;
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
        QCOMPARE(panel->model()->rowCount(), 2);
        QCOMPARE(row(1).data().toString(), expected);
        QCOMPARE(row(1).data(Qt::ToolTipRole).toString(), tooltip);
        QCOMPARE(panel->rowIds().at(1), id);
    }

    // The panel asks for the page text of an anchored entry it shows, and the text appears.
    void anchoredTextFollowsPageText()
    {
        store->add(anchored(1, 6, 9)); // "annotated", after "Hello "
        QVERIFY(!textStore->hasPageText(1));
        QTRY_COMPARE_WITH_TIMEOUT(row(1).data().toString(), QStringLiteral("高亮\n「annotated」"),
                                  test::TimeoutMs);
    }

    // Adding, changing and removing move only the rows concerned; the others keep their place.
    void followsStoreChanges()
    {
        const QString first = store->add(make(0, AnnotationType::Highlight));
        QCOMPARE(shownTexts(), (QStringList{"第 1 页", "高亮\n"}));
        QSignalSpy inserted(panel->model(), &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(panel->model(), &QAbstractItemModel::rowsRemoved);
        const QString id = store->add(make(2, AnnotationType::Highlight));
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 2); // a header and the entry, after the others
        QCOMPARE(inserted.at(0).at(2).toInt(), 3);
        QCOMPARE(removed.size(), 0);

        Annotation a = *store->find(id);
        a.type = AnnotationType::Strikethrough;
        a.text = "why";
        store->update(a);
        QCOMPARE(shownTexts(), (QStringList{"第 1 页", "高亮\n", "第 3 页", "删除线\nwhy"}));
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(removed.size(), 0);
        // Moved to the first page: it joins the first page's group.
        a.page = 0;
        store->update(a);
        QCOMPARE(shownTexts(), (QStringList{"第 1 页", "高亮\n", "删除线\nwhy"}));
        a.page = 2;
        store->update(a);
        QCOMPARE(shownTexts(), (QStringList{"第 1 页", "高亮\n", "第 3 页", "删除线\nwhy"}));
        removed.clear();

        store->remove(id);
        QCOMPARE(shownTexts(), (QStringList{"第 1 页", "高亮\n"}));
        QCOMPARE(removed.size(), 1);
        store->remove(first);
        QCOMPARE(shownTexts(), QStringList{"暂无批注。开启批注模式后拖选文本即可创建。"});
    }

    void clickingRows()
    {
        store->add(make(0));
        const QString second = store->add(make(3, AnnotationType::Note, "n"));
        QSignalSpy selected(panel, &AnnotationPanel::annotationSelected);
        clickRow(3); // the note under the page-4 header
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.at(0).at(0).toString(), second);
        clickRow(2); // header
        clickRow(0); // header
        QCOMPARE(selected.size(), 1);
        QItemSelectionModel* selection = panel->listView()->selectionModel();
        QVERIFY(!selection->isRowSelected(0, {})); // headers are never selected
        QVERIFY(!selection->isRowSelected(2, {}));
    }
};

QTEST_MAIN(TestAnnotationPanel)
#include "tst_annotationpanel.moc"
