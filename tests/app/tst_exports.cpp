#include "annotations/AnnotatedPdfExporter.h"
#include "annotations/Annotation.h"
#include "annotations/AnnotationStore.h"
#include "app/AnnotationCommands.h"
#include "app/ExportCommands.h"
#include "app/MainWindow.h"
#include "core/DocumentController.h"
#include "engine/DocumentInside.h"
#include "engine/PdfCopy.h"
#include "engine/PdfDocument.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "text/TextLayoutStore.h"
#include "view/PdfViewport.h"

#include "tests/support/AppFixtures.h"
#include "tests/support/ExportFixtures.h"
#include "tests/support/FileFixtures.h"
#include "tests/support/InsideFixtures.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"
#include "tests/support/WorkerGate.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace dovrix;

Q_DECLARE_METATYPE(QList<QPageRanges::Range>)

namespace {

struct Message
{
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

} // namespace

class TestExports : public QObject, private test::WindowTestFolders
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { isolate(); }
    void init();
    void cleanup();

    void pixelSize_data();
    void pixelSize();
    void pagesToPrint_data();
    void pagesToPrint();

    void pngAtThreeHundredDpiFollowsRotation();
    void exportsNeverWriteTheSource();
    void noSpellingOfTheSourceIsATarget();
    void saveDialogsSuggestNames();
    void fullTextProgressShowsSoon();
    void fullTextMatchesTheBench();
    void cancelledFullTextWritesNothing();
    void annotationSummary();
    void annotatedCopy();
    void cancelledAnnotatedCopy();
    void copyCarriesFormValues();
    void copyOfAFileMovedAwayIsFlattened();
    void printToFileWritesTheChosenPages();
    void printRangeBeyondTheDocument();
    void runsEndWhenTheDocumentReloads();

private:
    // A shown window with path open and ready; dialogs answered by the test's seams.
    std::unique_ptr<MainWindow> openWindow(const QString& path);
    QAction* exportAction(MainWindow& window, const char* name);
    // Opens the Export menu and chooses the named item with the mouse.
    void chooseExport(MainWindow& window, const char* name);
    void addAnnotations(DocumentTab* tab);

    QString nextSavePath;
    QStringList captions;
    QStringList questions;
    bool answerYes = true;
    bool serverAnswers = true;
    QList<Message> messages;
    std::function<bool(QPrinter*)> printSetup;
};

void TestExports::init()
{
    freshStart();
    nextSavePath.clear();
    captions.clear();
    questions.clear();
    answerYes = true;
    serverAnswers = true;
    messages.clear();
    printSetup = nullptr;
}

void TestExports::cleanup()
{
    dir.reset();
}

std::unique_ptr<MainWindow> TestExports::openWindow(const QString& path)
{
    auto window = std::make_unique<MainWindow>();
    window->annotationCommands()->setFirstAnnotationExplained(true);
    ExportCommands* exports = window->exportCommands();
    exports->setSaveFileName(
        [this](QWidget*, const QString& caption, const QString&, const QString&) {
            captions.append(caption);
            return nextSavePath;
        });
    exports->setMessageSink(
        [this](QMessageBox::Icon icon, const QString& title, const QString& text) {
            messages.append({icon, title, text});
        });
    exports->setPrintDialog(
        [this](QPrinter* printer) { return printSetup && printSetup(printer); });
    exports->setQuestion([this](const QString&, const QString& text) {
        questions.append(text);
        return answerYes;
    });
    PrintSystem system;
    system.serverAnswers = [this] { return serverAnswers; };
    exports->setPrintSystem(system);
    window->show();
    window->openFile(path);
    if (window->openTabs().size() != 1 || !test::waitReady(window->current()))
        return nullptr;
    return window;
}

QAction* TestExports::exportAction(MainWindow& window, const char* name)
{
    auto* button = window.findChild<QPushButton*>(QStringLiteral("exportButton"));
    return button->menu()->findChild<QAction*>(QLatin1String(name));
}

void TestExports::chooseExport(MainWindow& window, const char* name)
{
    auto* button = window.findChild<QPushButton*>(QStringLiteral("exportButton"));
    QAction* action = exportAction(window, name);
    QVERIFY(action);
    bool chosen = false;
    // The menu runs its own event loop: the click lands from inside it.
    QTimer::singleShot(0, button, [&] {
        QMenu* menu = button->menu();
        QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }, test::TimeoutMs));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        chosen = true;
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(chosen, test::TimeoutMs);
}

void TestExports::addAnnotations(DocumentTab* tab)
{
    Annotation highlight;
    highlight.type = AnnotationType::Highlight;
    highlight.page = 0;
    highlight.rect = QRectF(100, 300, 200, 60);
    highlight.color = QColor(255, 215, 106);
    highlight.text = QStringLiteral("重点");
    QVERIFY(!tab->session()->annotations()->add(highlight).isEmpty());
    Annotation frame;
    frame.type = AnnotationType::Rectangle;
    frame.page = 1;
    frame.rect = QRectF(100, 300, 200, 100);
    frame.color = QColor(220, 0, 0);
    QVERIFY(!tab->session()->annotations()->add(frame).isEmpty());
    tab->session()->annotations()->waitForWrites(); // the sidecar on disk holds both
}

void TestExports::pixelSize_data()
{
    QTest::addColumn<QSizeF>("points");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("A4 at 300") << QSizeF(595, 842) << 300.0 << 0 << QSize(2479, 3508);
    QTest::newRow("A4 at 300 turned 90") << QSizeF(595, 842) << 300.0 << 90 << QSize(3508, 2479);
    QTest::newRow("A4 at 300 turned 180") << QSizeF(595, 842) << 300.0 << 180 << QSize(2479, 3508);
    QTest::newRow("A4 at 300 turned 270") << QSizeF(595, 842) << 300.0 << 270 << QSize(3508, 2479);
    QTest::newRow("A4 on a 600 dpi printer") << QSizeF(595, 842) << 600.0 << 0 << QSize(4958, 7016);
    // 14400 × 14400 pt at 300 dpi would be 60000² pixels: cut to the 2^26 limit.
    QTest::newRow("largest page") << QSizeF(14400, 14400) << 300.0 << 0 << QSize(8192, 8192);
    QTest::newRow("outside the document") << QSizeF() << 300.0 << 0 << QSize();
}

void TestExports::pixelSize()
{
    QFETCH(QSizeF, points);
    QFETCH(double, dpi);
    QFETCH(int, rotation);
    QFETCH(QSize, pixels);
    QCOMPARE(ExportCommands::pagePixelSize(points, dpi, rotation), pixels);
}

void TestExports::pagesToPrint_data()
{
    using Ranges = QList<QPageRanges::Range>;
    QTest::addColumn<Ranges>("ranges");
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<QList<int>>("pages");
    QTest::newRow("no ranges: every page") << Ranges{} << 5 << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("no ranges, no pages") << Ranges{} << 0 << QList<int>{};
    QTest::newRow("1-3 and 99-99 of 5") << Ranges{{1, 3}, {99, 99}} << 5 << QList<int>{0, 1, 2};
    QTest::newRow("only beyond the end") << Ranges{{99, 99}} << 5 << QList<int>{};
    QTest::newRow("cut at the end") << Ranges{{4, 9}} << 5 << QList<int>{3, 4};
    QTest::newRow("order and repetitions kept")
        << Ranges{{3, 4}, {1, 2}, {2, 2}} << 5 << QList<int>{2, 3, 0, 1, 1};
}

void TestExports::pagesToPrint()
{
    QFETCH(QList<QPageRanges::Range>, ranges);
    QFETCH(int, pageCount);
    QFETCH(QList<int>, pages);
    QCOMPARE(ExportCommands::pagesToPrint(ranges, pageCount), pages);
}

// The PNG is the page at 300 dpi, turned as the view is, with our annotations drawn as on paper
// unless the user turned them off.
void TestExports::pngAtThreeHundredDpiFollowsRotation()
{
    const QString source = dir->filePath(QStringLiteral("a4.pdf"));
    QVERIFY(test::writeTextPdf(source, {QStringLiteral("one"), QStringLiteral("two")}));
    auto window = openWindow(source);
    QVERIFY(window);
    addAnnotations(window->current()); // a yellow highlight over (100, 300)–(300, 360) pt
    const auto yellow = [](const QColor& c) { return c.red() > 230 && c.blue() < c.green() - 30; };

    nextSavePath = dir->filePath(QStringLiteral("page.png"));
    exportAction(*window, "exportPageImageAction")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, test::TimeoutMs);
    QCOMPARE(captions, QStringList{QStringLiteral("导出当前页为 PNG")});
    QCOMPARE(messages.first().title, QStringLiteral("导出完成"));
    QCOMPARE(messages.first().text,
             QStringLiteral("已导出到：\n%1\n\n源文件未被修改。").arg(nextSavePath));
    QImage image(nextSavePath);
    QCOMPARE(image.size(), QSize(2479, 3508));
    // White paper, not a transparent background.
    QCOMPARE(image.pixelColor(image.width() - 3, image.height() - 3), QColor(Qt::white));
    QVERIFY(yellow(image.pixelColor(833, 1375))); // (200, 330) pt

    window->current()->viewport()->rotateBy(90);
    nextSavePath = dir->filePath(QStringLiteral("turned")); // no suffix: still a PNG
    exportAction(*window, "exportPageImageAction")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 2, test::TimeoutMs);
    QCOMPARE(messages.last().title, QStringLiteral("导出完成"));
    QImage turned(nextSavePath, "png");
    QCOMPARE(turned.size(), QSize(3508, 2479));
    QVERIFY(yellow(turned.pixelColor(2133, 833))); // (200, 330) pt turned a quarter clockwise

    QAction* withAnnotations = exportAction(*window, "pngWithAnnotationsAction");
    QVERIFY(withAnnotations && withAnnotations->isChecked());
    withAnnotations->trigger();
    QVERIFY(!window->exportCommands()->pngWithAnnotations());
    window->current()->viewport()->rotateBy(-90);
    nextSavePath = dir->filePath(QStringLiteral("plain.png"));
    exportAction(*window, "exportPageImageAction")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 3, test::TimeoutMs);
    QCOMPARE(QImage(nextSavePath).pixelColor(833, 1375), QColor(Qt::white));
}

void TestExports::exportsNeverWriteTheSource()
{
    const QString source = dir->filePath(QStringLiteral("source.pdf"));
    QVERIFY(test::writeTextPdf(source, {QStringLiteral("one"), QStringLiteral("two")}));
    const QByteArray original = test::readAll(source);
    auto window = openWindow(source);
    QVERIFY(window);
    DocumentTab* tab = window->current();
    addAnnotations(tab);
    const QString sidecar = tab->session()->annotations()->sidecarPath();
    const QByteArray sidecarBytes = test::readAll(sidecar);
    QVERIFY(!sidecarBytes.isEmpty());
    const QStringList before = QDir(dir->path()).entryList(QDir::Files);

    // The source given through another spelling of its path is still the source.
    nextSavePath = dir->filePath(QStringLiteral("./sub/../source.pdf"));
    QDir(dir->path()).mkdir(QStringLiteral("sub"));
    const QString refused =
        QStringLiteral("导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。");
    for (const ExportFormat& format : ExportCommands::formats()) {
        const qsizetype before = messages.size();
        exportAction(*window, format.objectName)->trigger();
        QCOMPARE(messages.size(), before + 1);
        QCOMPARE(messages.last().icon, QMessageBox::Warning);
        QCOMPARE(messages.last().text, refused);
    }
    QCOMPARE(messages.last().title, QStringLiteral("导出平面化副本（图片）"));
    QVERIFY(!window->exportCommands()->isAnnotatedExportRunning());
    QVERIFY(!window->exportCommands()->isTextExportActive());

    // Nor is the sidecar a target: the annotations would be lost.
    nextSavePath = sidecar;
    for (const ExportFormat& format : ExportCommands::formats())
        exportAction(*window, format.objectName)->trigger();
    const qsizetype formats = ExportCommands::formats().size();
    QCOMPARE(messages.size(), 2 * formats);
    for (qsizetype i = formats; i < 2 * formats; ++i)
        QCOMPARE(messages.at(i).icon, QMessageBox::Warning);

    QVERIFY(window->worker()->waitForIdle(test::TimeoutMs));
    QCoreApplication::processEvents();
    QCOMPARE(messages.size(), 2 * formats);
    QCOMPARE(test::readAll(source), original);
    QCOMPARE(test::readAll(sidecar), sidecarBytes);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), before);
}

// The source under any spelling of its path (a link, a hard link, "..", a relative path) and its
// sidecar under a hard link are refused by every export and by printing to a file; the source is
// also protected when it was opened through a link.
void TestExports::noSpellingOfTheSourceIsATarget()
{
    const QString source = dir->filePath(QStringLiteral("source.pdf"));
    QVERIFY(test::writeTextPdf(source, {QStringLiteral("one"), QStringLiteral("two")}));
    const QString opened = dir->filePath(QStringLiteral("opened-through.pdf"));
    QVERIFY(QFile::link(source, opened));
    const QByteArray original = test::readAll(source);
    const QDateTime modified = QFileInfo(source).lastModified();
    auto window = openWindow(opened);
    QVERIFY(window);
    DocumentTab* tab = window->current();
    addAnnotations(tab);
    const QString sidecar = tab->session()->annotations()->sidecarPath();
    const QByteArray sidecarBytes = test::readAll(sidecar);

    QVERIFY(QFile::link(source, dir->filePath(QStringLiteral("link.pdf"))));
    QVERIFY(test::hardLink(source, dir->filePath(QStringLiteral("hard.pdf"))));
    QVERIFY(test::hardLink(sidecar, dir->filePath(QStringLiteral("hard.dovrixmark"))));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir->path()));
    const QStringList targets{QStringLiteral("source.pdf"), source,
                              dir->filePath(QStringLiteral("link.pdf")),
                              dir->filePath(QStringLiteral("hard.pdf")),
                              dir->filePath(QStringLiteral("hard.dovrixmark"))};
    QString printTarget;
    printSetup = [&](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printTarget);
        return true;
    };
    for (const QString& target : targets) {
        messages.clear();
        nextSavePath = target;
        printTarget = target;
        for (const ExportFormat& format : ExportCommands::formats())
            exportAction(*window, format.objectName)->trigger();
        window->exportCommands()->print();
        QVERIFY(!window->exportCommands()->isPrinting());
        QCOMPARE(messages.size(), ExportCommands::formats().size() + 1);
        for (const Message& m : std::as_const(messages))
            QVERIFY2(m.icon == QMessageBox::Warning, qPrintable(target + ": " + m.text));
        QCOMPARE(messages.last().title, QStringLiteral("打印"));
    }
    QVERIFY(QDir::setCurrent(previous));

    QVERIFY(window->worker()->waitForIdle(test::TimeoutMs));
    QCoreApplication::processEvents();
    QCOMPARE(test::readAll(source), original);
    QCOMPARE(QFileInfo(source).lastModified(), modified);
    QCOMPARE(test::readAll(sidecar), sidecarBytes);
}

// Each save dialog suggests "<document name>" with its kind's ending, in the document's folder
// until a file of that kind was saved elsewhere.
void TestExports::saveDialogsSuggestNames()
{
    const QString source = dir->filePath(QStringLiteral("report.v2.pdf"));
    QVERIFY(test::writeTextPdf(source, {QStringLiteral("one")}));
    auto window = openWindow(source);
    QVERIFY(window);
    addAnnotations(window->current());
    QStringList suggested;
    window->exportCommands()->setSaveFileName(
        [&](QWidget*, const QString&, const QString& start, const QString&) {
            suggested.append(start);
            return QString();
        });
    for (const ExportFormat& format : ExportCommands::formats())
        chooseExport(*window, format.objectName);
    const QString base = dir->filePath(QStringLiteral("report.v2"));
    QCOMPARE(suggested, (QStringList{base + ".png", base + ".txt", base + "-notes.txt",
                                     base + "-annotated.pdf", base + "-flattened.pdf"}));

    const QString elsewhere = dir->filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(elsewhere));
    window->exportCommands()->setSaveFileName(
        [&](QWidget*, const QString&, const QString& start, const QString&) -> QString {
            suggested.append(start);
            return elsewhere + QStringLiteral("/notes.txt");
        });
    chooseExport(*window, "exportSummaryAction");
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, test::TimeoutMs);
    chooseExport(*window, "exportSummaryAction");
    QCOMPARE(suggested.size(), 7);
    QCOMPARE(suggested.last(), elsewhere + QStringLiteral("/report.v2-notes.txt"));
    chooseExport(*window, "exportAnnotatedCopyAction"); // another kind keeps the document's folder
    QTRY_VERIFY_WITH_TIMEOUT(!window->exportCommands()->isAnnotatedExportRunning(),
                             test::TimeoutMs);
    QCOMPARE(suggested.last(), base + "-annotated.pdf");
}

// A long text export shows its progress within a second and counts the pages.
void TestExports::fullTextProgressShowsSoon()
{
    const QString source = dir->filePath(QStringLiteral("long.pdf"));
    QVERIFY(test::writeTextPdf(source,
                               {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    auto window = openWindow(source);
    QVERIFY(window);
    ExportCommands* exports = window->exportCommands();
    nextSavePath = dir->filePath(QStringLiteral("long.txt"));
    auto gate = std::make_unique<test::WorkerGate>(window->worker());
    chooseExport(*window, "exportFullTextAction");
    QPointer<QProgressDialog> dialog = exports->textExportDialog();
    QVERIFY(dialog);
    QVERIFY(dialog->minimumDuration() <= 1000);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->isVisible(),
                             test::TimeoutMs); // while a page is still being read
    // (Pages the view has read already are not read again.)
    QVERIFY2(dialog->labelText().contains(QRegularExpression(QStringLiteral("第 [1-3] / 3 页"))),
             qPrintable(dialog->labelText()));
    gate.reset();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, test::TimeoutMs);
    QCOMPARE(messages.first().title, QStringLiteral("导出完成"));
}

void TestExports::fullTextMatchesTheBench()
{
    const QString bench =
        qEnvironmentVariable("DOVRIX_BUILD_DIR") + QStringLiteral("/dovrix-bench");
    QVERIFY2(QFileInfo(bench).isExecutable(), "dovrix-bench must be built alongside the tests");
    const QString source = dir->filePath(QStringLiteral("text.pdf"));
    // The last page holds fewer than three characters: it is written as a scanned page.
    QVERIFY(test::writeTextPdf(source, {QStringLiteral("Reading order docu-\nment second line"),
                                        QStringLiteral("第二页的文字\nmore text here"),
                                        QStringLiteral("7")}));
    const QString expected = dir->filePath(QStringLiteral("bench.txt"));
    QProcess process;
    process.start(bench, {QStringLiteral("blocks"), source, QStringLiteral("--out"), expected});
    QVERIFY(process.waitForFinished(test::TimeoutMs));
    QCOMPARE(process.exitCode(), 0);

    auto window = openWindow(source);
    QVERIFY(window);
    nextSavePath = dir->filePath(QStringLiteral("window.txt"));
    exportAction(*window, "exportFullTextAction")->trigger();
    QVERIFY(window->exportCommands()->isTextExportActive());
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, test::TimeoutMs);
    QCOMPARE(captions.last(), QStringLiteral("导出全文文本（阅读顺序）"));
    QCOMPARE(messages.first().title, QStringLiteral("导出完成"));
    QVERIFY(!window->exportCommands()->isTextExportActive());
    const QByteArray written = test::readAll(nextSavePath);
    QCOMPARE(written, test::readAll(expected));
    QVERIFY(written.contains("Reading order document second line\n"));
    QVERIFY(QString::fromUtf8(written).contains(QStringLiteral("（本页为扫描图像，无文本层）")));

    // Every page is cached now: the second export runs through without waiting, same bytes.
    nextSavePath = dir->filePath(QStringLiteral("again.txt"));
    exportAction(*window, "exportFullTextAction")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 2, test::TimeoutMs);
    QCOMPARE(test::readAll(nextSavePath), written);
}

void TestExports::cancelledFullTextWritesNothing()
{
    const QString source = dir->filePath(QStringLiteral("text.pdf"));
    QVERIFY(test::writeTextPdf(source, {QStringLiteral("alpha"), QStringLiteral("beta")}));
    auto window = openWindow(source);
    QVERIFY(window);
    ExportCommands* exports = window->exportCommands();

    nextSavePath = dir->filePath(QStringLiteral("cancelled.txt"));
    exports->exportFullText();
    QVERIFY(exports->isTextExportActive());
    exports->exportFullText(); // ignored while active
    QCOMPARE(captions.size(), 1);
    QPointer<QProgressDialog> dialog = exports->textExportDialog();
    QVERIFY(dialog);
    dialog->findChild<QPushButton*>()->click();
    QVERIFY(!exports->isTextExportActive());
    QTRY_VERIFY_WITH_TIMEOUT(!dialog, test::TimeoutMs);
    QVERIFY(window->worker()->waitForIdle(test::TimeoutMs));
    QCoreApplication::processEvents();
    QVERIFY(!QFile::exists(nextSavePath));
    QVERIFY(messages.isEmpty());

    // A new export starts from empty text.
    nextSavePath = dir->filePath(QStringLiteral("complete.txt"));
    exports->exportFullText();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, test::TimeoutMs);
    const QString written = QString::fromUtf8(test::readAll(nextSavePath));
    QVERIFY(written.startsWith(QStringLiteral("—— 第 1 页 ——\nalpha\n")));
    QCOMPARE(written.count(QStringLiteral("—— 第 1 页 ——")), 1);
    QCOMPARE(written.count(QStringLiteral("—— 第 2 页 ——")), 1);
}

void TestExports::annotationSummary()
{
    const QString source = dir->filePath(QStringLiteral("notes.pdf"));
    QVERIFY(test::writeTextPdf(source, {QStringLiteral("one"), QStringLiteral("two")}));
    auto window = openWindow(source);
    QVERIFY(window);

    nextSavePath = dir->filePath(QStringLiteral("summary.txt"));
    exportAction(*window, "exportSummaryAction")->trigger();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().title, QStringLiteral("批注汇总"));
    QCOMPARE(messages.first().text, QStringLiteral("当前文档暂无批注。"));
    QVERIFY(captions.isEmpty());
    // The annotated copy says the same under its own title.
    exportAction(*window, "exportAnnotatedCopyAction")->trigger();
    QCOMPARE(messages.last().title, QStringLiteral("导出含批注的 PDF"));
    QCOMPARE(messages.last().text, QStringLiteral("当前文档暂无批注。"));

    addAnnotations(window->current());
    // A text-anchored one is quoted, once its page text has been read.
    Annotation anchored;
    anchored.page = 1;
    anchored.byText = true;
    anchored.start = 0;
    anchored.length = 3;
    window->current()->session()->annotations()->add(anchored);
    QVERIFY(!window->current()->session()->textLayout()->hasPageText(1));
    exportAction(*window, "exportSummaryAction")->trigger();
    QCOMPARE(captions, QStringList{QStringLiteral("导出批注汇总")});
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 3, test::TimeoutMs);
    QCOMPARE(messages.last().title, QStringLiteral("导出完成"));
    const QString summary = QString::fromUtf8(test::readAll(nextSavePath));
    QVERIFY(summary.contains(QStringLiteral("重点")));
    QVERIFY(summary.contains(QStringLiteral("—— 第 2 页 ——")));
    QVERIFY(summary.contains(QStringLiteral("「two」")));

    // A target that cannot be written reports the store's error.
    nextSavePath = dir->filePath(QStringLiteral("missing/summary.txt"));
    exportAction(*window, "exportSummaryAction")->trigger();
    QCOMPARE(messages.last().title, QStringLiteral("导出失败"));
    QVERIFY(!messages.last().text.isEmpty());
}

// The copy keeps the document's pages (their text) and carries the store's annotations as the
// document's own, a text mark over its characters measured for the copy; while it is written, a
// second one is not started.
void TestExports::annotatedCopy()
{
    const QString source = dir->filePath(QStringLiteral("paper.pdf"));
    QVERIFY(test::writeTextPdf(
        source, {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three words")}));
    const QByteArray original = test::readAll(source);
    auto window = openWindow(source);
    QVERIFY(window);
    addAnnotations(window->current());
    Annotation underline; // "words" on the last page, whose characters nobody measured yet
    underline.type = AnnotationType::Underline;
    underline.page = 2;
    underline.byText = true;
    underline.start = 6;
    underline.length = 5;
    underline.rect = QRectF(1, 1, 1, 1);
    QVERIFY(!window->current()->session()->annotations()->add(underline).isEmpty());
    QVERIFY(!window->current()->session()->textLayout()->hasCharBoxes(2));
    ExportCommands* exports = window->exportCommands();

    nextSavePath = dir->filePath(QStringLiteral("copy.pdf"));
    exportAction(*window, "exportAnnotatedCopyAction")->trigger();
    QCOMPARE(captions, QStringList{QStringLiteral("导出含批注的 PDF")});
    QVERIFY(exports->isAnnotatedExportRunning());
    QVERIFY(exports->annotatedExportDialog() && exports->annotatedExportDialog()->isVisible());
    exports->exportAnnotatedPdf(); // busy: ignored
    exports->exportFlattenedPdf();
    QCOMPARE(captions.size(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, test::TimeoutMs);
    QCOMPARE(messages.first().title, QStringLiteral("导出完成"));
    QVERIFY(messages.first().text.startsWith(
        QStringLiteral("已导出到：\n%1\n\n源文件未被修改。批注已作为标准 PDF 批注写入副本")
            .arg(nextSavePath)));
    QTRY_VERIFY_WITH_TIMEOUT(!exports->annotatedExportDialog(), test::TimeoutMs);

    QCOMPARE(test::readAll(source), original);
    QCOMPARE(test::pdfPageCount(nextSavePath), 3);
    const QList<CopyMark> marks = readPdfMarks(nextSavePath);
    QCOMPARE(marks.size(), 3);
    QCOMPARE(int(marks.at(0).kind), int(CopyMark::Kind::Highlight));
    QCOMPARE(marks.at(0).contents, QStringLiteral("重点"));
    QCOMPARE(int(marks.at(1).kind), int(CopyMark::Kind::Square));
    QCOMPARE(marks.at(1).page, 1);
    QCOMPARE(marks.at(2).lines.size(), 1);
    const QRectF words = marks.at(2).lines.first();
    QVERIFY2(words.left() > 100 && words.width() > 20 && qAbs(words.top() - 75) < 10,
             qPrintable(
                 QStringLiteral("%1 %2 %3").arg(words.left()).arg(words.top()).arg(words.width())));
}

// The values filled into the document's form are the copy's field values, even without any
// annotation.
void TestExports::copyCarriesFormValues()
{
    const QString source = dir->filePath(QStringLiteral("form.pdf"));
    QVERIFY(test::writeFormPdf(source));
    auto window = openWindow(source);
    QVERIFY(window);
    AnnotationStore* store = window->current()->session()->annotations();
    store->setFormValue(QStringLiteral("name"), QStringLiteral("Ada Lovelace"));
    store->setFormValue(QStringLiteral("country"), QStringLiteral("Germany"));
    nextSavePath = dir->filePath(QStringLiteral("filled.pdf"));
    window->exportCommands()->exportAnnotatedPdf();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, test::TimeoutMs);
    QCOMPARE(messages.first().title, QStringLiteral("导出完成"));

    const std::unique_ptr<PdfDocument> copy =
        PdfDocument::open(nextSavePath, {}, EngineKind::MuPdf, false).document;
    QVERIFY(copy);
    QHash<QString, QString> values;
    const QList<FormField> fields = DocumentInside::formFields(*copy);
    for (const FormField& field : fields)
        values.insert(field.name, field.value);
    QCOMPARE(values.value(QStringLiteral("name")), QStringLiteral("Ada Lovelace"));
    QCOMPARE(values.value(QStringLiteral("country")), QStringLiteral("Germany"));
    QVERIFY(values.value(QStringLiteral("comments")).isEmpty()); // not filled: as it was
}

// When the file cannot be read again for the copy (moved away since it was opened), the open
// document still gives the flattened copy, and the print job its page images: nothing is lost.
void TestExports::copyOfAFileMovedAwayIsFlattened()
{
    const QString source = dir->filePath(QStringLiteral("moving.pdf"));
    QVERIFY(test::writeTextPdf(source, {QStringLiteral("one"), QStringLiteral("two")}));
    auto window = openWindow(source);
    QVERIFY(window);
    addAnnotations(window->current());
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("away")));
    QVERIFY(QFile::rename(source, dir->filePath(QStringLiteral("away/moving.pdf"))));

    nextSavePath = dir->filePath(QStringLiteral("copy.pdf"));
    window->exportCommands()->exportAnnotatedPdf();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, test::TimeoutMs);
    QVERIFY2(messages.first().text.contains(QStringLiteral("平面化 PDF")),
             qPrintable(messages.first().text));
    QCOMPARE(test::pdfPageCount(nextSavePath), 2);

    const QString printed = dir->filePath(QStringLiteral("printed.pdf"));
    printSetup = [&](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printed);
        return true;
    };
    window->exportCommands()->print();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 2, test::TimeoutMs);
    QCOMPARE(messages.last().text, QStringLiteral("已发送 2 页到打印机。"));
    QCOMPARE(test::pdfPageCount(printed), 2);
}

// Cancelling a copy, or closing its document, leaves no file; the flattened copy likewise.
void TestExports::cancelledAnnotatedCopy()
{
    const QString source = dir->filePath(QStringLiteral("long.pdf"));
    QVERIFY(test::writeBandedPdf(source, QList<QSizeF>(6, QSizeF(595, 842)), Qt::gray, 842));
    auto window = openWindow(source);
    QVERIFY(window);
    addAnnotations(window->current());
    ExportCommands* exports = window->exportCommands();
    nextSavePath = dir->filePath(QStringLiteral("copy.pdf"));

    {
        test::WorkerGate gate(window->worker()); // the write waits behind the gate
        exports->exportAnnotatedPdf();
        QVERIFY(exports->isAnnotatedExportRunning());
        exports->annotatedExportDialog()->findChild<QPushButton*>()->click();
        QVERIFY(!exports->isAnnotatedExportRunning());
    }
    QVERIFY(window->worker()->waitForIdle(test::TimeoutMs));
    QCoreApplication::processEvents();
    QVERIFY(!QFile::exists(nextSavePath));
    QVERIFY(messages.isEmpty()); // the user cancelled: no failure box

    exports->exportFlattenedPdf();
    QVERIFY(exports->isAnnotatedExportRunning());
    QSignalSpy finished(exports->annotatedExporter(), &AnnotatedPdfExporter::finished);
    exports->annotatedExportDialog()->findChild<QPushButton*>()->click();
    QCOMPARE(finished.size(), 1);
    QVERIFY(!exports->isAnnotatedExportRunning());
    QVERIFY(window->worker()->waitForIdle(test::TimeoutMs));
    QCoreApplication::processEvents();
    QVERIFY(!QFile::exists(nextSavePath));
    QVERIFY(messages.isEmpty());

    // Closing the document while a copy is made abandons it.
    for (auto command :
         {&ExportCommands::exportAnnotatedPdf, &ExportCommands::exportFlattenedPdf}) {
        if (!window->current()) {
            window->openFile(source); // its annotations come back from the sidecar
            QVERIFY(test::waitReady(window->current()));
        }
        test::WorkerGate gate(window->worker());
        (exports->*command)();
        QVERIFY(exports->isAnnotatedExportRunning());
        window->closeTab(window->current());
        QTRY_VERIFY_WITH_TIMEOUT(!exports->isAnnotatedExportRunning(), test::TimeoutMs);
        gate.open();
        QVERIFY(window->worker()->waitForIdle(test::TimeoutMs));
        QCoreApplication::processEvents();
        QVERIFY(!QFile::exists(nextSavePath));
    }
}

// Printing to a file writes the chosen pages as they are (page size, text) with the annotations
// on them; without a print server the user is offered that file.
void TestExports::printToFileWritesTheChosenPages()
{
    const QString source = dir->filePath(QStringLiteral("print.pdf"));
    test::TextPdfLayout letter;
    letter.pageSize = QPageSize(QPageSize::Letter);
    const QStringList texts{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")};
    QVERIFY(test::writeTextPdf(source, texts, letter));
    auto window = openWindow(source);
    QVERIFY(window);
    addAnnotations(window->current()); // a highlight on page 1, a rectangle on page 2
    const QString output = dir->filePath(QStringLiteral("printed.pdf"));
    int dialogs = 0;
    printSetup = [&](QPrinter* printer) {
        ++dialogs;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(output);
        printer->setPageSize(QPageSize(QPageSize::A4)); // the document's own size stays
        printer->setFromTo(2, 3);
        return true;
    };
    window->findChild<QPushButton*>(QStringLiteral("printButton"))->click();
    QCOMPARE(dialogs, 1);
    QVERIFY(window->exportCommands()->isPrinting());
    window->exportCommands()->print(); // ignored while printing
    QCOMPARE(dialogs, 1);
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, test::TimeoutMs);
    QCOMPARE(messages.first().icon, QMessageBox::Information);
    QCOMPARE(messages.first().text,
             QStringLiteral("已导出到：\n%1\n\n源文件未被修改。").arg(output));
    QVERIFY(!window->exportCommands()->isPrinting());
    const OpenResult opened = PdfDocument::open(output);
    QVERIFY(opened.document);
    PdfDocument& printed = *opened.document;
    QCOMPARE(printed.pageCount(), 2);
    QCOMPARE(printed.pageGeometry(0).size, QSizeF(612, 792));
    QCOMPARE(printed.pageText(0).text.trimmed(), texts.at(1));
    QCOMPARE(printed.pageText(1).text.trimmed(), texts.at(2));
    const QList<CopyMark> marks = readPdfMarks(output);
    QCOMPARE(marks.size(), 1);
    QCOMPARE(int(marks.first().kind), int(CopyMark::Kind::Square));
    QCOMPARE(marks.first().page, 0);

    // Without our annotations when the user turns them off.
    window->exportCommands()->setPrintWithAnnotations(false);
    window->exportCommands()->print();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 2, test::TimeoutMs);
    QVERIFY(readPdfMarks(output).isEmpty());
    QCOMPARE(test::pdfPageCount(output), 2);

    // No print server: said, and a PDF file offered instead.
    window->exportCommands()->setPrintWithAnnotations(true);
    serverAnswers = false;
    nextSavePath = dir->filePath(QStringLiteral("instead.pdf"));
    answerYes = false;
    window->exportCommands()->print();
    QCOMPARE(questions.size(), 1);
    QVERIFY(questions.first().contains(QStringLiteral("CUPS")));
    QCOMPARE(dialogs, 2); // not shown again
    answerYes = true;
    window->exportCommands()->print();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 3, test::TimeoutMs);
    QCOMPARE(captions.last(), QStringLiteral("打印到 PDF 文件"));
    QCOMPARE(test::pdfPageCount(nextSavePath), 3);
    QCOMPARE(readPdfMarks(nextSavePath).size(), 2);
    QCOMPARE(dialogs, 2);
}

void TestExports::printRangeBeyondTheDocument()
{
    const QString source = dir->filePath(QStringLiteral("short.pdf"));
    QVERIFY(test::writeBandedPdf(source, QList<QSizeF>(2, QSizeF(595, 842)), Qt::blue, 842));
    auto window = openWindow(source);
    QVERIFY(window);
    const QString output = dir->filePath(QStringLiteral("nothing.pdf"));
    printSetup = [&](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(output);
        printer->setFromTo(5, 9);
        return true;
    };
    window->exportCommands()->print();
    QVERIFY(!window->exportCommands()->isPrinting());
    QVERIFY(messages.isEmpty());
    QVERIFY(!QFile::exists(output));

    // A declined dialog ends the command too.
    printSetup = [](QPrinter*) { return false; };
    window->exportCommands()->print();
    QVERIFY(!window->exportCommands()->isPrinting());
}

// A reload releases the document the runs read: the text export and printing stop, write
// nothing, report nothing and take their dialogs along; later runs work again.
void TestExports::runsEndWhenTheDocumentReloads()
{
    const QString source = dir->filePath(QStringLiteral("reload.pdf"));
    QVERIFY(test::writeTextPdf(source, {QStringLiteral("one"), QStringLiteral("two")}));
    auto window = openWindow(source);
    QVERIFY(window);
    ExportCommands* exports = window->exportCommands();
    const QString printed = dir->filePath(QStringLiteral("printed.pdf"));
    printSetup = [&](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printed);
        return true;
    };
    nextSavePath = dir->filePath(QStringLiteral("text.txt"));
    {
        test::WorkerGate gate(window->worker());
        exports->exportFullText();
        exports->print();
        QVERIFY(exports->isTextExportActive());
        QVERIFY(exports->isPrinting());
        QPointer<QProgressDialog> textDialog = exports->textExportDialog();
        QPointer<QProgressDialog> printDialog = exports->printProgressDialog();
        window->current()->session()->controller()->reload();
        QVERIFY(!exports->isTextExportActive());
        QVERIFY(!exports->isPrinting());
        QTRY_VERIFY_WITH_TIMEOUT(!textDialog && !printDialog, test::TimeoutMs);
    }
    QTRY_COMPARE_WITH_TIMEOUT(window->current()->session()->controller()->status(),
                              DocumentStatus::Ready, test::TimeoutMs);
    QVERIFY(window->worker()->waitForIdle(test::TimeoutMs));
    QCoreApplication::processEvents();
    QVERIFY(!QFile::exists(nextSavePath));
    QVERIFY(!QFile::exists(printed) || QFileInfo(printed).size() == 0);
    QVERIFY(messages.isEmpty());

    exports->print();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, test::TimeoutMs);
    QCOMPARE(messages.first().text,
             QStringLiteral("已导出到：\n%1\n\n源文件未被修改。").arg(printed));
}

QTEST_MAIN(TestExports)
#include "tst_exports.moc"
