// The OCR controller on its own (requests, render size, cancel, missing library and models) and end
// to end with the real inference library and models from the build directory: a scanned page (an
// image of text, no text layer) is recognised, stored in page points and found by search, in the
// controller and through the main window.

#include "app/MainWindow.h"
#include "app/OcrCommands.h"
#include "app/OcrRunDialog.h"
#include "app/OutcomeText.h"
#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "ocr/OcrCache.h"
#include "ocr/OcrController.h"
#include "ocr/Recogniser.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "text/SearchController.h"
#include "text/TextLayoutStore.h"
#include "view/PdfViewport.h"
#include "view/panels/SearchPanel.h"

#include "tests/support/AppFixtures.h"
#include "tests/support/OcrFixtures.h"
#include "tests/support/OwnProcess.h"
#include "tests/support/SkipOrFail.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"
#include "tests/support/WorkerGate.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace dovrix;

namespace {

// A page of 5 × 3 inches; at 300 dots per inch its lines are 50 pixels high.
const QSizeF ScanPagePt(360, 216);
const QStringList ScanLines = {QStringLiteral("Invoice 2041 was paid in full"),
                               QStringLiteral("Offline text recognition"),
                               QStringLiteral("Searchable scanned pages")};

// Vertical centre of line i, in page points.
double lineCentrePt(int i)
{
    return 36 + i * 60 + 15;
}

// Writes pages that are only this picture (at 300 dots per inch), as a scanner makes them: no text
// layer at all.
bool writePicturePdf(const QString& path, const QImage& image, int pageCount = 1)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QSizeF(image.size()) * 72.0 / 300.0, QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(300);
    QPainter painter(&writer);
    if (!painter.isActive())
        return false;
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            writer.newPage();
        painter.drawImage(QRect(QPoint(0, 0), image.size()), image);
    }
    return true;
}

bool writeScannedPdf(const QString& path, int pageCount = 1)
{
    const double pxPerPt = 300.0 / 72.0;
    QImage image(QSize(int(ScanPagePt.width() * pxPerPt), int(ScanPagePt.height() * pxPerPt)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(int(16 * pxPerPt));
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (int i = 0; i < ScanLines.size(); ++i) {
            const QRectF area(24 * pxPerPt, (lineCentrePt(i) - 15) * pxPerPt, 320 * pxPerPt,
                              30 * pxPerPt);
            painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, ScanLines.at(i));
        }
    }
    return writePicturePdf(path, image, pageCount);
}

// Skips (fails in CI) a test that needs the inference library and the models.
#define REQUIRE_OCR_FILES()                                                                        \
    do {                                                                                           \
        if (test::ocrRuntimePath().isEmpty() || test::ocrModelDir().isEmpty())                     \
            DOVRIX_SKIP_OR_FAIL_IN_CI(                                                             \
                "the inference library or the models are missing (run scripts/fetch-ocr.sh)");     \
    } while (false)

// Every signal of an OCR controller, listened to from the start.
struct OcrSpies
{
    explicit OcrSpies(OcrController* ocr)
        : finished(ocr, &OcrController::finished), failed(ocr, &OcrController::pageFailed),
          ready(ocr, &OcrController::pageOcrReady), progress(ocr, &OcrController::progress),
          loadFailed(ocr, &OcrController::loadFailed)
    {
    }

    QSignalSpy finished;
    QSignalSpy failed;
    QSignalSpy ready;
    QSignalSpy progress;
    QSignalSpy loadFailed;
};

// Status bar texts shown while the spy listened.
QStringList shownMessages(const QSignalSpy& messages)
{
    QStringList shown;
    for (const QVariantList& message : messages)
        shown << message.first().toString();
    return shown;
}

// Opens path in the window with this build's inference files; the tab once it is ready.
DocumentTab* openWithOcrFiles(MainWindow& window, const QString& path)
{
    window.openFile(path);
    DocumentTab* tab = window.current();
    if (!tab)
        return nullptr;
    tab->session()->ocr()->recogniser()->setModelDirectory(test::ocrModelDir());
    tab->session()->ocr()->recogniser()->setRuntimeCandidates({test::ocrRuntimePath()});
    return test::waitReady(tab) ? tab : nullptr;
}

} // namespace

class TestOcrController : public QObject, private test::WindowTestFolders
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void renderSize_data();
    void renderSize();
    void boxesBecomePagePoints();
    void requestsOutsideTheDocumentAreIgnored();
    void documentRunWithNothingToDoFinishesAtOnce();
    void cancelDuringTheRenderDropsTheLateImage();
    void reloadStopsTheRunSilently();
    void reloadMidRunKeepsThePagesRead();
    // Runs before anything loads the inference library: a loaded library stays for the process.
    void missingLibraryFailsEveryPageAndWarnsOncePerRun();
    void missingModelsGiveTheModelMessageThenUnavailable();
    void recognisesAScannedPageAndSearchFindsIt();
    void documentRunSkipsPagesWithResults();
    void closingTheTabMidRunStopsSilently();
    void windowDialogFollowsItsOwnRun();
    void windowRunsTheSearchPanelsOcrAndSearchesAgain();
    void windowSelectionOfDenseTextStaysOnItsLines();
    void windowWarnsWhenTheModelsAreMissing();
    void commandLinePageIsRecognisedInTheLastDocument();
    void recognisedPagesAreKeptExceptInPrivateMode();
    void progressTextEstimatesFromPagesDone();

private:
    bool open(const QString& path);
    bool openScan(const char* name, int pageCount = 1);
    void makeController();

    std::unique_ptr<PdfWorker> worker;
    std::unique_ptr<DocumentController> controller;
    std::unique_ptr<TextLayoutStore> store;
    std::unique_ptr<OcrController> ocr;
};

void TestOcrController::initTestCase()
{
    isolate();
    test::isolateOcrCache(settingsDir.path());
}

void TestOcrController::init()
{
    freshStart();
}

void TestOcrController::cleanup()
{
    ocr.reset();
    store.reset();
    controller.reset();
    worker.reset();
    dir.reset();
}

void TestOcrController::makeController()
{
    worker = std::make_unique<PdfWorker>();
    controller = std::make_unique<DocumentController>(worker.get());
    store = std::make_unique<TextLayoutStore>(worker.get(), controller.get());
    ocr = std::make_unique<OcrController>(worker.get(), controller.get(), store.get());
    ocr->recogniser()->setModelDirectory(test::ocrModelDir());
    if (!test::ocrRuntimePath().isEmpty())
        ocr->recogniser()->setRuntimeCandidates({test::ocrRuntimePath()});
}

bool TestOcrController::open(const QString& path)
{
    makeController();
    return test::openAndWait(*controller, path);
}

bool TestOcrController::openScan(const char* name, int pageCount)
{
    const QString path = dir->filePath(QLatin1String(name));
    return writeScannedPdf(path, pageCount) && open(path);
}

void TestOcrController::renderSize_data()
{
    QTest::addColumn<QSizeF>("points");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<double>("scale");

    QTest::newRow("letter") << QSizeF(612, 792) << QSize(2550, 3300) << 1.0;
    QTest::newRow("fraction truncated") << QSizeF(100.1, 50.05) << QSize(417, 208) << 1.0;
    QTest::newRow("just over the limit") << QSizeF(983.05, 100) << QSize(4096, 416) << 1.0;
    QTest::newRow("A2 portrait") << QSizeF(1191, 1684) << QSize(2896, 4096) << 4096.0 / 7016;
    QTest::newRow("A2 landscape") << QSizeF(1684, 1191) << QSize(4096, 2896) << 4096.0 / 7016;
    QTest::newRow("long strip") << QSizeF(14400, 72) << QSize(4096, 20) << 4096.0 / 60000;
    QTest::newRow("empty") << QSizeF() << QSize() << 1.0;
    QTest::newRow("negative") << QSizeF(-10, 300) << QSize() << 1.0;
}

void TestOcrController::renderSize()
{
    QFETCH(QSizeF, points);
    QFETCH(QSize, pixels);
    QFETCH(double, scale);
    double limit = 0;
    QCOMPARE(OcrController::renderSize(points, &limit), pixels);
    QCOMPARE(limit, scale);
}

void TestOcrController::boxesBecomePagePoints()
{
    OcrLine line;
    line.box = QRectF(1000, 2000, 500, 50);
    line.text = QStringLiteral("abc");
    line.score = 0.9f;
    const QList<OcrLine> plain = OcrController::toPagePoints({line}, 1.0);
    QCOMPARE(plain.first().box, QRectF(240, 480, 120, 12));
    QCOMPARE(plain.first().text, line.text);
    QCOMPARE(plain.first().score, line.score);
    // An A2 page rendered at 4096 pixels: the boxes grow back by the limit.
    const QList<OcrLine> limited = OcrController::toPagePoints({line}, 4096.0 / 7016);
    const double factor = 0.24 * 7016 / 4096;
    QVERIFY(qFuzzyCompare(limited.first().box.x(), 1000 * factor));
    QVERIFY(qFuzzyCompare(limited.first().box.bottom(), 2050 * factor));
}

void TestOcrController::requestsOutsideTheDocumentAreIgnored()
{
    QVERIFY(openScan("three.pdf", 3));
    OcrSpies spy(ocr.get());
    ocr->ocrPage(-1);
    ocr->ocrPage(3);
    QVERIFY(ocr->isIdle());
    QCOMPARE(ocr->totalPages(), 0);

    // A page in flight: further requests are ignored, whichever page they name.
    test::WorkerGate gate(worker.get());
    ocr->ocrPage(1);
    QCOMPARE(ocr->currentPageIndex(), 1);
    ocr->ocrPage(2);
    ocr->ocrDocument();
    QCOMPARE(ocr->currentPageIndex(), 1);
    QVERIFY(ocr->queuedPages().isEmpty());
    QCOMPARE(ocr->totalPages(), 1);
    ocr->reset();
    gate.open();
    QVERIFY(worker->waitForIdle(test::TimeoutMs));
    QCoreApplication::processEvents();
    QVERIFY(spy.finished.isEmpty());
    QVERIFY(spy.failed.isEmpty());
}

void TestOcrController::documentRunWithNothingToDoFinishesAtOnce()
{
    QVERIFY(openScan("done.pdf", 2));
    // A stored result counts even without lines.
    store->setOcrResult(0, OcrPageText());
    store->setOcrResult(1, OcrPageText::fromLines({OcrLine{QRectF(1, 1, 5, 5), "x", 1.0f}}));
    QSignalSpy finished(ocr.get(), &OcrController::finished);
    ocr->ocrDocument();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(0).toInt(), 0);
    QCOMPARE(finished.first().at(1).toBool(), false);
    QVERIFY(ocr->isIdle());
    QVERIFY(!ocr->initializationTried());
}

void TestOcrController::cancelDuringTheRenderDropsTheLateImage()
{
    QVERIFY(openScan("cancel.pdf", 2));
    OcrSpies spy(ocr.get());

    test::WorkerGate gate(worker.get());
    ocr->ocrDocument();
    QCOMPARE(ocr->currentPageIndex(), 0);
    QCOMPARE(ocr->queuedPages(), QList<int>{1});
    ocr->cancel();
    QCOMPARE(spy.finished.size(), 1);
    QCOMPARE(spy.finished.first(), (QVariantList{0, true}));
    QVERIFY(ocr->isIdle());
    QVERIFY(ocr->queuedPages().isEmpty());

    gate.open();
    QVERIFY(worker->waitForIdle(test::TimeoutMs));
    QCoreApplication::processEvents();
    QCOMPARE(spy.finished.size(), 1);
    QVERIFY(spy.failed.isEmpty());
    QVERIFY(spy.ready.isEmpty());
    QVERIFY(spy.progress.isEmpty());
    QVERIFY(!ocr->initializationTried()); // the dropped image never reached the engine
}

void TestOcrController::reloadStopsTheRunSilently()
{
    QVERIFY(openScan("reload.pdf", 3));
    OcrSpies spy(ocr.get());

    {
        test::WorkerGate gate(worker.get());
        ocr->ocrDocument();
        QCOMPARE(ocr->totalPages(), 3);
        controller->reload();
        QVERIFY(ocr->isIdle());
        QVERIFY(ocr->queuedPages().isEmpty());
    }
    QSignalSpy reloaded(controller.get(), &DocumentController::documentReady);
    QVERIFY(reloaded.wait(test::TimeoutMs));
    QVERIFY(worker->waitForIdle(test::TimeoutMs));
    QCoreApplication::processEvents();
    // Without a document the rest of the run would only have failed page after page.
    QVERIFY(spy.finished.isEmpty());
    QVERIFY(spy.failed.isEmpty());
    QVERIFY(spy.progress.isEmpty());
}

void TestOcrController::reloadMidRunKeepsThePagesRead()
{
    REQUIRE_OCR_FILES();
    QVERIFY(openScan("kept-on-reload.pdf", 2));
    const QString hash = controller->sourceHash();
    ocr->setKeepAllowed([] { return true; });
    QSignalSpy reloaded(controller.get(), &DocumentController::documentReady);
    connect(ocr.get(), &OcrController::pageOcrReady, controller.get(), &DocumentController::reload,
            Qt::SingleShotConnection);
    ocr->ocrDocument();
    QVERIFY(reloaded.wait(test::TimeoutMs));
    ocr.reset(); // posts the write of the pages read to the worker's files lane
    QVERIFY(worker->waitForIdle(test::TimeoutMs));
    QHash<int, OcrPageText> kept;
    QVERIFY(OcrCache::load(hash, 2, &kept));
    QCOMPARE(kept.keys(), QList<int>{0});
}

void TestOcrController::missingLibraryFailsEveryPageAndWarnsOncePerRun()
{
    DOVRIX_RUN_IN_OWN_PROCESS(); // a loaded library stays loaded, and "once per run"
    QVERIFY(openScan("nolib.pdf", 3));
    const QString missing = dir->filePath(QStringLiteral("libonnxruntime.so.1"));
    ocr->recogniser()->setRuntimeCandidates({missing});
    OcrSpies spy(ocr.get());

    ocr->ocrPage(0);
    QVERIFY(spy.loadFailed.wait(test::TimeoutMs));
    const OcrFailure reason = spy.loadFailed.first().first().value<OcrFailure>();
    QCOMPARE(reason.kind, OcrFailure::Kind::RuntimeMissing);
    QCOMPARE(reason.subject, QStringLiteral("\n  ") + missing);
    QCOMPARE(spy.failed.size(), 1);
    QCOMPARE(spy.failed.first().at(0).toInt(), 0);
    QCOMPARE(spy.failed.first().at(1).value<OcrFailure>().kind, OcrFailure::Kind::RuntimeMissing);
    QCOMPARE(spy.progress.first(), (QVariantList{1, 1}));
    QCOMPARE(spy.finished.first(), (QVariantList{1, false}));
    QVERIFY(ocr->initializationTried());
    QVERIFY(!ocr->engineReady());
    QVERIFY(!store->ocrResult(0));

    // No second attempt for this document: a whole-document run fails every page with the same
    // short reason, and warns once.
    spy.failed.clear();
    spy.loadFailed.clear();
    spy.finished.clear();
    ocr->ocrDocument();
    QVERIFY(spy.finished.wait(test::TimeoutMs));
    QCOMPARE(spy.finished.first(), (QVariantList{3, false}));
    QCOMPARE(spy.failed.size(), 3);
    for (int page = 0; page < 3; ++page) {
        QCOMPARE(spy.failed.at(page).at(0).toInt(), page);
        QCOMPARE(spy.failed.at(page).at(1).value<OcrFailure>().kind,
                 OcrFailure::Kind::EngineUnavailable);
    }
    QCOMPARE(spy.loadFailed.size(), 1);
    QCOMPARE(spy.loadFailed.first().first().value<OcrFailure>().kind,
             OcrFailure::Kind::EngineUnavailable);
    QCOMPARE(controller->status(), DocumentStatus::Ready); // the document is unaffected
}

void TestOcrController::missingModelsGiveTheModelMessageThenUnavailable()
{
    if (test::ocrRuntimePath().isEmpty())
        DOVRIX_SKIP_OR_FAIL_IN_CI("the inference library is missing (run scripts/fetch-ocr.sh)");
    QVERIFY(openScan("nomodels.pdf"));
    const QString models = dir->filePath(QStringLiteral("models"));
    ocr->recogniser()->setModelDirectory(models + QStringLiteral("/"));
    QSignalSpy loadFailed(ocr.get(), &OcrController::loadFailed);

    ocr->ocrPage(0);
    QVERIFY(loadFailed.wait(test::TimeoutMs));
    const OcrFailure first = loadFailed.first().first().value<OcrFailure>();
    QCOMPARE(first.kind, OcrFailure::Kind::DetectionModelMissing);
    QCOMPARE(first.subject, models + QStringLiteral("/PP-OCRv6_det_small.onnx"));

    ocr->ocrPage(0);
    QVERIFY(loadFailed.wait(test::TimeoutMs));
    QCOMPARE(loadFailed.at(1).first().value<OcrFailure>().kind,
             OcrFailure::Kind::EngineUnavailable);
}

void TestOcrController::recognisesAScannedPageAndSearchFindsIt()
{
    REQUIRE_OCR_FILES();
    QVERIFY(openScan("scan.pdf"));
    OcrSpies spy(ocr.get());

    ocr->ocrPage(0);
    QVERIFY(spy.finished.wait(test::TimeoutMs));
    QVERIFY2(spy.failed.isEmpty(),
             spy.failed.isEmpty()
                 ? ""
                 : qPrintable(outcomeText(spy.failed.first().at(1).value<OcrFailure>())));
    QCOMPARE(spy.ready.size(), 1);
    QCOMPARE(spy.ready.first(), (QVariantList{0, ScanLines.size()}));
    QCOMPARE(spy.progress.first(), (QVariantList{1, 1}));
    QCOMPARE(spy.finished.first(), (QVariantList{1, false}));
    QVERIFY(ocr->isIdle());

    const OcrPageText* result = store->ocrResult(0);
    QVERIFY(result);
    QCOMPARE(result->lines.size(), ScanLines.size());
    QStringList texts;
    for (int i = 0; i < ScanLines.size(); ++i) {
        const OcrLine& line = result->lines.at(i);
        texts << line.text;
        QCOMPARE(line.text.simplified(), ScanLines.at(i));
        // Page points: where the line was drawn, inside the page.
        QVERIFY2(qAbs(line.box.center().y() - lineCentrePt(i)) < 6,
                 qPrintable(QString::number(line.box.center().y())));
        QVERIFY2(line.box.left() > 14 && line.box.left() < 30,
                 qPrintable(QString::number(line.box.left())));
        QVERIFY(line.box.height() > 10 && line.box.height() < 40);
        QVERIFY(line.box.right() < ScanPagePt.width() + 10);
    }
    QCOMPARE(result->text, texts.join(QLatin1Char('\n')));

    // The recognised text is searchable: the hit lies in the OCR line, counted inside it.
    SearchController search(store.get(), controller.get());
    QSignalSpy searched(&search, &SearchController::finished);
    search.startSearch(QStringLiteral("SCANNED"), false);
    if (searched.isEmpty())
        QVERIFY(searched.wait(test::TimeoutMs));
    QCOMPARE(search.announcedHits().size(), 1);
    const SearchHit hit = search.announcedHits().first();
    QCOMPARE(hit.page, 0);
    QCOMPARE(hit.ocrLine, 2);
    QCOMPARE(result->lines.at(2).text.mid(hit.start, hit.length), QStringLiteral("scanned"));
}

void TestOcrController::documentRunSkipsPagesWithResults()
{
    REQUIRE_OCR_FILES();
    QVERIFY(openScan("two.pdf", 2));
    store->setOcrResult(0, OcrPageText());
    OcrSpies spy(ocr.get());

    ocr->ocrDocument();
    QCOMPARE(ocr->totalPages(), 1);
    QVERIFY(spy.finished.wait(test::TimeoutMs));
    QCOMPARE(spy.ready.size(), 1);
    QCOMPARE(spy.ready.first(), (QVariantList{1, ScanLines.size()}));
    QCOMPARE(spy.progress.first(), (QVariantList{1, 1}));
    QCOMPARE(spy.finished.first(), (QVariantList{1, false}));
    QVERIFY(store->ocrResult(0)->lines.isEmpty()); // left as it was
}

void TestOcrController::closingTheTabMidRunStopsSilently()
{
    REQUIRE_OCR_FILES();
    const QString path = dir->filePath(QStringLiteral("close.pdf"));
    QVERIFY(writeScannedPdf(path, 4));
    MainWindow window;
    DocumentTab* tab = openWithOcrFiles(window, path);
    QVERIFY(tab);

    QPointer<OcrController> ocrController = tab->session()->ocr();
    OcrSpies spy(ocrController.data());
    window.ocrCommands()->ocrDocument();
    QPointer<QProgressDialog> dialog = window.ocrCommands()->progressDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->labelText(), QStringLiteral("正在离线 OCR…"));
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    // Recognition of the first page has started on the OCR thread.
    QTRY_VERIFY_WITH_TIMEOUT(ocrController->engineReady(), test::TimeoutMs);

    window.closeTab(tab);
    QVERIFY(ocrController->isIdle());
    QTRY_VERIFY_WITH_TIMEOUT(!ocrController,
                             test::TimeoutMs); // the tab went, waiting for the OCR job
    QTRY_VERIFY_WITH_TIMEOUT(!dialog, test::TimeoutMs);
    QVERIFY(!window.ocrCommands()->progressDialog());
    QVERIFY(window.worker()->waitForIdle(test::TimeoutMs));
    QCoreApplication::processEvents();
    QVERIFY(spy.ready.isEmpty());
    QVERIFY(spy.finished.isEmpty());
    QVERIFY(spy.failed.isEmpty());
}

void TestOcrController::windowDialogFollowsItsOwnRun()
{
    const QString first = dir->filePath(QStringLiteral("a.pdf"));
    const QString second = dir->filePath(QStringLiteral("b.pdf"));
    QVERIFY(writeScannedPdf(first, 2));
    QVERIFY(writeScannedPdf(second, 2));
    MainWindow window;
    window.openFile(first);
    window.openFile(second);
    DocumentTab* a = window.openTabs().at(0);
    DocumentTab* b = window.openTabs().at(1);
    QVERIFY(test::waitReady(a));
    QVERIFY(test::waitReady(b));
    window.documentTabs()->setCurrentIndex(0);
    QCOMPARE(window.current(), a);

    {
        // The run is cancelled after the user moved to another document: its dialog still goes.
        test::WorkerGate gate(window.worker());
        window.ocrCommands()->ocrDocument();
        QPointer<QProgressDialog> dialog = window.ocrCommands()->progressDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->maximum(), 2);
        window.documentTabs()->setCurrentIndex(1);
        QCOMPARE(window.current(), b);
        QSignalSpy finished(a->session()->ocr(), &OcrController::finished);
        Q_EMIT dialog->canceled();
        QCOMPARE(finished.first(), (QVariantList{0, true}));
        QVERIFY(!window.ocrCommands()->progressDialog());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog, test::TimeoutMs);
        QVERIFY(a->session()->ocr()->isIdle());
    }
    {
        // A reload ends the run without a signal; the dialog does not wait for one.
        test::WorkerGate gate(window.worker());
        window.ocrCommands()->ocrDocument();
        QVERIFY(window.ocrCommands()->progressDialog());
        b->session()->controller()->reload();
        QVERIFY(!window.ocrCommands()->progressDialog());
        QVERIFY(b->session()->ocr()->isIdle());
    }
    QVERIFY(test::waitReady(b));
}

void TestOcrController::windowRunsTheSearchPanelsOcrAndSearchesAgain()
{
    REQUIRE_OCR_FILES();
    const QString path = dir->filePath(QStringLiteral("window.pdf"));
    QVERIFY(writeScannedPdf(path));
    MainWindow window;
    window.show();
    DocumentTab* tab = openWithOcrFiles(window, path);
    QVERIFY(tab);

    // A search in a scanned document finds nothing and offers OCR.
    SearchPanel* panel = tab->panel<SearchPanel>();
    window.searchField()->setText(QStringLiteral("recognition"));
    QTRY_VERIFY_WITH_TIMEOUT(tab->session()->search()->isFinished(), test::TimeoutMs);
    QVERIFY(panel->searchHits().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(panel->hintBox()->isVisibleTo(panel), test::TimeoutMs);

    QSignalSpy finished(tab->session()->ocr(), &OcrController::finished);
    panel->ocrButton()->click();
    QVERIFY(window.ocrCommands()->progressDialog());
    QVERIFY(finished.wait(test::TimeoutMs));
    QCOMPARE(finished.first(), (QVariantList{1, false}));
    QVERIFY(!window.ocrCommands()->progressDialog());
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("OCR 完成：1 页"));

    // The page's status message came first; the search ran again and lists the OCR hit.
    QTRY_COMPARE_WITH_TIMEOUT(panel->searchHits().size(), 1, test::TimeoutMs);
    QCOMPARE(panel->searchHits().first().ocrLine, 1);

    // A second run has nothing left to do.
    finished.clear();
    window.ocrCommands()->ocrDocument();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first(), (QVariantList{0, false}));
    QVERIFY(!window.ocrCommands()->progressDialog());
}

void TestOcrController::windowSelectionOfDenseTextStaysOnItsLines()
{
    // A 300 dpi scan of dense text: 10-point lines 51 pixels apart, so that the detected boxes
    // (about 70 pixels high) reach into the lines above and below.
    REQUIRE_OCR_FILES();
    const QStringList lines = {QStringLiteral("Recognised pages can be searched,"),
                               QStringLiteral("copied and read aloud like"),
                               QStringLiteral("the others."),
                               QStringLiteral("Dense text needs its own bands.")};
    constexpr int Pitch = 51;
    constexpr int Left = 100;
    constexpr int FirstBaseline = 120;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(42);
    const QFontMetricsF metrics(font);
    QImage image(2480, 3508, QImage::Format_RGB32); // A4
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (int i = 0; i < lines.size(); ++i)
            painter.drawText(QPointF(Left, FirstBaseline + i * Pitch), lines.at(i));
    }
    const QString path = dir->filePath(QStringLiteral("dense.pdf"));
    QVERIFY(writePicturePdf(path, image));
    MainWindow window;
    window.show();
    DocumentTab* tab = openWithOcrFiles(window, path);
    QVERIFY(tab);
    QSignalSpy finished(tab->session()->ocr(), &OcrController::finished);
    tab->session()->ocr()->ocrPage(0);
    QVERIFY(finished.wait(test::TimeoutMs));
    const OcrPageText* result = tab->session()->textLayout()->ocrResult(0);
    QVERIFY(result);
    QCOMPARE(result->lines.size(), lines.size());
    // Each line's box holds its own text: highlights of neighbouring lines do not overlap.
    for (int i = 1; i < lines.size(); ++i) {
        QVERIFY2(result->lines.at(i - 1).box.bottom() <= result->lines.at(i).box.top(),
                 qPrintable(QStringLiteral("line %1 reaches into the next").arg(i - 1)));
    }

    // Drag from the start of the paragraph's second line to its last word, pointed at near the
    // top of that word's tallest letter, with the mouse in the page view.
    PdfViewport* view = tab->viewport();
    view->setZoom(2.0);
    const auto onScreen = [view](const QPointF& px) {
        const QPointF c = view->pageToView(0, px * 72.0 / 300.0);
        return QPoint(int(c.x() - view->horizontalScrollBar()->value()),
                      int(c.y() - view->verticalScrollBar()->value()));
    };
    const QPointF start(Left + metrics.horizontalAdvance(QStringLiteral("c")) / 2,
                        FirstBaseline + Pitch - metrics.xHeight() / 2);
    const QRectF word = metrics.tightBoundingRect(QStringLiteral("others"));
    const QPointF end(Left + metrics.horizontalAdvance(QStringLiteral("the ")) + word.width() / 2,
                      FirstBaseline + 2 * Pitch + word.top() + 3);
    view->verticalScrollBar()->setValue(int(view->pageToView(0, start * 0.24).y()) - 50);
    QWidget* target = view->viewport();
    QTest::mousePress(target, Qt::LeftButton, {}, onScreen(start));
    QTest::mouseMove(target, onScreen((start + end) / 2));
    QTest::mouseMove(target, onScreen(end));
    QTest::mouseRelease(target, Qt::LeftButton, {}, onScreen(end));
    const QStringList selected = view->selection()->selectedText().split(QLatin1Char('\n'));
    QCOMPARE(selected.size(), 2);
    QVERIFY2(selected.first().trimmed().startsWith(QLatin1String("copied")),
             qPrintable(selected.first()));
    QVERIFY2(selected.last().trimmed().startsWith(QLatin1String("the ot")),
             qPrintable(selected.last()));
}

void TestOcrController::windowWarnsWhenTheModelsAreMissing()
{
    if (test::ocrRuntimePath().isEmpty())
        DOVRIX_SKIP_OR_FAIL_IN_CI("the inference library is missing (run scripts/fetch-ocr.sh)");
    const QString path = dir->filePath(QStringLiteral("warn.pdf"));
    QVERIFY(writeScannedPdf(path));
    MainWindow window;
    window.show();
    window.openFile(path);
    DocumentTab* tab = window.current();
    QVERIFY(tab);
    // The window points the controller at the models next to the program (none beside the tests).
    QCOMPARE(tab->session()->ocr()->recogniser()->modelDirectory(),
             QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/models")));
    tab->session()->ocr()->recogniser()->setModelDirectory(dir->filePath(QStringLiteral("empty")));
    tab->session()->ocr()->recogniser()->setRuntimeCandidates({test::ocrRuntimePath()});
    QVERIFY(test::waitReady(tab));

    QString boxText;
    test::ModalDriver<QMessageBox> driver([&](QMessageBox* box) {
        boxText = box->text();
        box->accept();
    });
    QSignalSpy messages(window.statusBar(), &QStatusBar::messageChanged);
    QSignalSpy finished(tab->session()->ocr(), &OcrController::finished);
    window.ocrCommands()->ocrDocument();
    QTRY_COMPARE_WITH_TIMEOUT(driver.handled, 1, test::TimeoutMs);
    QCOMPARE(driver.titles.first(), QStringLiteral("OCR 不可用"));
    QVERIFY2(boxText.startsWith(QStringLiteral("未找到检测模型：")), qPrintable(boxText));
    const QStringList shown = shownMessages(messages);
    QVERIFY2(shown.contains(QStringLiteral("第 1 页 OCR 失败：") + boxText),
             qPrintable(shown.join('|')));
    QCOMPARE(finished.size(), 1);
    QVERIFY(!window.ocrCommands()->progressDialog());
    QCOMPARE(tab->session()->controller()->status(), DocumentStatus::Ready);
}

void TestOcrController::commandLinePageIsRecognisedInTheLastDocument()
{
    REQUIRE_OCR_FILES();
    const QString first = dir->filePath(QStringLiteral("first.pdf"));
    const QString second = dir->filePath(QStringLiteral("second.pdf"));
    QVERIFY(writeScannedPdf(first, 2));
    QVERIFY(writeScannedPdf(second, 2));
    MainWindow window;
    window.openFile(first);
    window.openFile(second);
    QCOMPARE(window.openTabs().size(), 2);
    for (DocumentTab* tab : window.openTabs()) {
        tab->session()->ocr()->recogniser()->setModelDirectory(test::ocrModelDir());
        tab->session()->ocr()->recogniser()->setRuntimeCandidates({test::ocrRuntimePath()});
    }
    DocumentTab* firstTab = window.openTabs().at(0);
    DocumentTab* secondTab = window.openTabs().at(1);
    QSignalSpy messages(window.statusBar(), &QStatusBar::messageChanged);
    QSignalSpy firstReady(firstTab->session()->ocr(), &OcrController::pageOcrReady);
    QSignalSpy secondReady(secondTab->session()->ocr(), &OcrController::pageOcrReady);
    window.ocrPageWhenReady(1);

    QVERIFY(secondReady.wait(test::TimeoutMs));
    QCOMPARE(secondReady.first(), (QVariantList{1, ScanLines.size()}));
    QVERIFY(secondTab->session()->textLayout()->ocrResult(1));
    QVERIFY(!secondTab->session()->textLayout()->ocrResult(0));
    const QStringList shown = shownMessages(messages);
    QVERIFY2(shown.contains(QStringLiteral("第 2 页 OCR 完成：识别 3 行文本")),
             qPrintable(shown.join('|')));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("OCR 完成：1 页"));
    QVERIFY(test::waitReady(firstTab));
    QVERIFY(firstReady.isEmpty());
    QVERIFY(firstTab->session()->ocr()->isIdle());
}

void TestOcrController::recognisedPagesAreKeptExceptInPrivateMode()
{
    REQUIRE_OCR_FILES();
    QVERIFY(QDir(OcrCache::directory()).removeRecursively());
    const QString path = dir->filePath(QStringLiteral("kept.pdf"));
    QVERIFY(writeScannedPdf(path));
    const QString kept = OcrCache::filePath(hashFile(path));
    QVERIFY(!kept.isEmpty());

    auto recognise = [](MainWindow& window, const QString& file) {
        DocumentTab* tab = openWithOcrFiles(window, file);
        if (!tab)
            return false;
        QSignalSpy finished(tab->session()->ocr(), &OcrController::finished);
        tab->session()->ocr()->ocrPage(0);
        return finished.wait(test::TimeoutMs) && tab->session()->textLayout()->ocrResult(0);
    };
    // Closing the tab posts the write to the files lane, which the window finishes as it goes.
    QSettings().setValue(QStringLiteral("prefs/privateMode"), true);
    {
        MainWindow window;
        QVERIFY(recognise(window, path));
        window.closeTab(window.current());
    }
    QVERIFY(!QFile::exists(kept));
    QSettings().setValue(QStringLiteral("prefs/privateMode"), false);
    {
        MainWindow window;
        QVERIFY(recognise(window, path));
        window.closeTab(window.current());
    }
    QVERIFY(QFile::exists(kept));

    // Opened again, the page's text is there without recognising it, and search finds it.
    MainWindow window;
    window.openFile(path);
    DocumentTab* tab = window.current();
    QVERIFY(test::waitReady(tab));
    QTRY_VERIFY_WITH_TIMEOUT(tab->session()->textLayout()->ocrResult(0), test::TimeoutMs);
    const OcrPageText* result = tab->session()->textLayout()->ocrResult(0);
    QCOMPARE(result->lines.size(), ScanLines.size());
    QCOMPARE(result->lines.at(1).text.simplified(), ScanLines.at(1));
    QVERIFY(tab->session()->ocr()->isIdle());
    QVERIFY(!tab->session()->ocr()->initializationTried());
    QSignalSpy searched(tab->session()->search(), &SearchController::finished);
    tab->session()->search()->startSearch(QStringLiteral("scanned"), false);
    if (searched.isEmpty())
        QVERIFY(searched.wait(test::TimeoutMs));
    QCOMPARE(tab->session()->search()->announcedHits().size(), 1);
}

void TestOcrController::progressTextEstimatesFromPagesDone()
{
    QCOMPARE(OcrRunDialog::progressText(0, 10, 0), QStringLiteral("正在离线 OCR…"));
    // Two pages in 5 s: eight more take about 20 s.
    QCOMPARE(OcrRunDialog::progressText(2, 10, 5000),
             QStringLiteral("正在离线 OCR：已完成 2/10 页，预计还需约 20 秒…"));
    QCOMPARE(OcrRunDialog::progressText(3, 10, 1000),
             QStringLiteral("正在离线 OCR：已完成 3/10 页，预计还需约 3 秒…")); // 2.33 s up
    QCOMPARE(OcrRunDialog::progressText(10, 10, 9000), QStringLiteral("正在离线 OCR…"));
}

QTEST_MAIN(TestOcrController)
#include "tst_ocrcontroller.moc"
