// Run by check-print.sh with a CUPS server of its own (CUPS_SERVER) and a queue that writes each
// job to a file: the window's print command sends the chosen pages of a document with its
// annotations to that queue, and what arrives is checked.

#include "annotations/AnnotationStore.h"
#include "app/ExportCommands.h"
#include "app/MainWindow.h"
#include "engine/PdfCopy.h"
#include "engine/PdfDocument.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"

#include "tests/support/AppFixtures.h"
#include "tests/support/ExportFixtures.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"

#include <QDir>
#include <QPrinter>
#include <QTest>

#include <cups/cups.h>

#include <csignal>
#include <memory>

using namespace dovrix;

class TestPrintJob : public QObject, private test::WindowTestFolders
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init()
    {
        freshStart();
        messages.clear();
        questions.clear();
    }
    void printsChosenPagesWithAnnotations();
    void serverGoneMidJob();

private:
    std::unique_ptr<MainWindow> openWindow(const QString& path);
    QStringList printJobFiles() const;

    QString printer;
    QString output;
    QStringList messages;
    QStringList questions;
};

void TestPrintJob::initTestCase()
{
    isolate();
    printer = qEnvironmentVariable("DOVRIX_TEST_PRINTER");
    output = qEnvironmentVariable("DOVRIX_TEST_PRINT_OUTPUT");
    if (printer.isEmpty() || output.isEmpty() || qEnvironmentVariableIsEmpty("CUPS_SERVER"))
        QFAIL("run by check-print.sh, which starts the print server");
}

QStringList TestPrintJob::printJobFiles() const
{
    return QDir::temp().entryList({QStringLiteral("dovrix-print-*")}, QDir::Files);
}

namespace {

// The attributes the server keeps of the newest job of a queue (null when there is none); free
// with ippDelete.
ipp_t* newestJobAttributes(const QString& queue)
{
    cups_job_t* jobs = nullptr;
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    int newest = 0;
    for (int i = 0; i < count; ++i)
        newest = std::max(newest, jobs[i].id);
    cupsFreeJobs(count, jobs);
    if (newest == 0)
        return nullptr;
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(newest);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    return cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
}

} // namespace

std::unique_ptr<MainWindow> TestPrintJob::openWindow(const QString& path)
{
    auto window = std::make_unique<MainWindow>();
    ExportCommands* exports = window->exportCommands();
    exports->setMessageSink(
        [this](QMessageBox::Icon, const QString&, const QString& text) { messages.append(text); });
    exports->setQuestion([this](const QString&, const QString& text) {
        questions.append(text);
        return false;
    });
    exports->setPrintDialog([this](QPrinter* device) {
        device->setPrinterName(printer);
        device->setFromTo(2, 4);
        device->setCopyCount(2);
        return device->outputFormat() == QPrinter::NativeFormat;
    });
    window->show();
    window->openFile(path);
    if (window->openTabs().size() != 1 || !test::waitReady(window->current()))
        return nullptr;
    return window;
}

// Pages 2 to 4 of a five-page Letter document reach the queue as one PDF of three Letter pages,
// with their text and the annotations on them; the job's temporary file is gone afterwards.
void TestPrintJob::printsChosenPagesWithAnnotations()
{
    const QString source = dir->filePath(QStringLiteral("five.pdf"));
    test::TextPdfLayout letter;
    letter.pageSize = QPageSize(QPageSize::Letter);
    const QStringList texts{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                            QStringLiteral("four"), QStringLiteral("five")};
    QVERIFY(test::writeTextPdf(source, texts, letter));
    const QStringList jobFilesBefore = printJobFiles();
    auto window = openWindow(source);
    QVERIFY(window);
    AnnotationStore* store = window->current()->session()->annotations();
    // The first annotation of the run is explained in a box.
    test::ModalDriver<QMessageBox> explain([](QMessageBox* box) { box->accept(); });
    for (int page : {0, 2, 4}) {
        Annotation frame;
        frame.type = AnnotationType::Rectangle;
        frame.page = page;
        frame.rect = QRectF(100, 300, 200, 100);
        frame.color = QColor(220, 0, 0);
        frame.text = QStringLiteral("on page %1").arg(page + 1);
        QVERIFY(!store->add(frame).isEmpty());
    }

    window->exportCommands()->print();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, test::TimeoutMs);
    QCOMPARE(messages.first(), QStringLiteral("已发送 3 页到打印机。"));
    QVERIFY(questions.isEmpty());
    QCOMPARE(printJobFiles(), jobFilesBefore);

    // The queue writes the job once the server has run it.
    QTRY_VERIFY_WITH_TIMEOUT(test::pdfPageCount(output) == 3, test::TimeoutMs);
    const OpenResult arrived = PdfDocument::open(output);
    QVERIFY(arrived.document);
    for (int page = 0; page < 3; ++page) {
        QCOMPARE(arrived.document->pageGeometry(page).size, QSizeF(612, 792));
        QCOMPARE(arrived.document->pageText(page).text.trimmed(), texts.at(page + 1));
    }
    const QList<CopyMark> marks = readPdfMarks(output);
    QCOMPARE(marks.size(), 1);
    QCOMPARE(marks.first().page, 1);
    QCOMPARE(marks.first().contents, QStringLiteral("on page 3"));

    // The dialog's choices travel with the job.
    ipp_t* job = newestJobAttributes(printer);
    QVERIFY(job);
    ipp_attribute_t* copies = ippFindAttribute(job, "copies", IPP_TAG_INTEGER);
    ipp_attribute_t* scaling = ippFindAttribute(job, "print-scaling", IPP_TAG_ZERO);
    const int copyCount = copies ? ippGetInteger(copies, 0) : 0;
    const QByteArray scale = scaling ? QByteArray(ippGetString(scaling, 0, nullptr)) : "";
    ippDelete(job);
    QCOMPARE(copyCount, 2);
    QCOMPARE(scale, QByteArray("fit"));
}

// The server stops between the dialog and the hand-over: the user is told, nothing stays behind,
// and the annotations are still there to print again.
void TestPrintJob::serverGoneMidJob()
{
    const QString source = dir->filePath(QStringLiteral("short.pdf"));
    QVERIFY(test::writeTextPdf(source, {QStringLiteral("one"), QStringLiteral("two"),
                                        QStringLiteral("three"), QStringLiteral("four")}));
    auto window = openWindow(source);
    QVERIFY(window);
    test::ModalDriver<QMessageBox> explain([](QMessageBox* box) { box->accept(); });
    Annotation note;
    note.type = AnnotationType::Note;
    note.page = 1;
    note.rect = QRectF(100, 100, 0, 0);
    QVERIFY(!window->current()->session()->annotations()->add(note).isEmpty());
    const QStringList jobFilesBefore = printJobFiles();

    const qint64 server = qEnvironmentVariableIntValue("DOVRIX_TEST_CUPSD_PID");
    QVERIFY(server > 0);
    PrintSystem system;
    const auto handOver = system.handOver;
    system.handOver = [server, handOver](const QString& path, const PrintChoices& choices) {
        // The server goes away while the job is on its way.
        ::kill(pid_t(server), SIGTERM);
        while (printServerAnswers()) {
        }
        return handOver(path, choices);
    };
    window->exportCommands()->setPrintSystem(system);
    window->exportCommands()->print();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, test::TimeoutMs);
    QVERIFY2(messages.first().startsWith(QStringLiteral("打印服务没有接受这个任务：")),
             qPrintable(messages.first()));
    QVERIFY(!window->exportCommands()->isPrinting());
    QCOMPARE(printJobFiles(), jobFilesBefore);
    QCOMPARE(window->current()->session()->annotations()->count(), 1);
}

QTEST_MAIN(TestPrintJob)
#include "print_job.moc"
