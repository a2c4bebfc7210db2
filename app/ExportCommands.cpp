#include "app/ExportCommands.h"

#include "annotations/AnnotatedPdfExporter.h"
#include "annotations/AnnotationPanel.h"
#include "annotations/AnnotationStore.h"
#include "app/MainWindow.h"
#include "app/PagedRun.h"
#include "core/DocumentController.h"
#include "core/DocumentStatus.h"
#include "core/FileSafety.h"
#include "core/PageUnits.h"
#include "core/PdfWorker.h"
#include "core/RawFilePath.h"
#include "core/RenderCache.h"
#include "core/session/DocumentSession.h"
#include "text/TextExport.h"
#include "text/TextLayoutStore.h"
#include "view/PdfViewport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfDocumentRenderOptions>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QSaveFile>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace dovrix {

namespace {

// The image format for a file name: its suffix when an image writer knows it, otherwise PNG (the
// command exports PNG; a name without a known suffix must not make the save fail).
QByteArray imageFormatFor(const QString& path)
{
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (!suffix.isEmpty() && QImageWriter::supportedImageFormats().contains(suffix))
        return suffix;
    return QByteArrayLiteral("png");
}

QSizeF pageSizePt(DocumentSession* session, int page)
{
    const QList<QSizeF>& sizes = session->controller()->pageSizes();
    return page >= 0 && page < sizes.size() ? sizes.at(page) : QSizeF();
}

} // namespace

const QList<ExportFormat>& ExportCommands::formats()
{
    static const QList<ExportFormat> table{
        {"exportPageImageAction",
         QT_TRANSLATE_NOOP("dovrix::MainWindow", "当前页为图片（PNG 300 DPI）…"), nullptr, false,
         ".png", QT_TR_NOOP("导出当前页为 PNG"), QT_TR_NOOP("PNG 图片 (*.png)"),
         &ExportCommands::exportPagePng},
        {"exportFullTextAction",
         QT_TRANSLATE_NOOP("dovrix::MainWindow", "全文文本（TXT，按阅读顺序）…"), nullptr, false,
         ".txt", QT_TR_NOOP("导出全文文本（阅读顺序）"), QT_TR_NOOP("文本文件 (*.txt)"),
         &ExportCommands::exportFullText},
        {"exportSummaryAction", QT_TRANSLATE_NOOP("dovrix::MainWindow", "批注汇总（TXT）…"),
         nullptr, false, "-notes.txt", QT_TR_NOOP("导出批注汇总"), QT_TR_NOOP("文本文件 (*.txt)"),
         &ExportCommands::exportAnnotationSummary},
        {"exportAnnotatedCopyAction",
         QT_TRANSLATE_NOOP("dovrix::MainWindow", "含批注的 PDF（副本）…"),
         QT_TRANSLATE_NOOP("dovrix::MainWindow",
                           "把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变"),
         true, "-annotated.pdf", QT_TR_NOOP("导出含批注的 PDF"), QT_TR_NOOP("PDF 文档 (*.pdf)"),
         &ExportCommands::exportAnnotatedPdf},
    };
    return table;
}

namespace {

const ExportFormat& formatOf(void (ExportCommands::*command)())
{
    const QList<ExportFormat>& table = ExportCommands::formats();
    return *std::find_if(table.cbegin(), table.cend(),
                         [command](const ExportFormat& f) { return f.command == command; });
}

} // namespace

ExportCommands::ExportCommands(MainWindow* mainWindow)
    : QObject(mainWindow), window(mainWindow), textRun(new PagedRun(this)),
      printRun(new PagedRun(this)), annotatedRun(new PagedRun(this))
{
    connect(textRun, &PagedRun::finished, this, &ExportCommands::finishText);
    connect(textRun, &PagedRun::abandoned, this, &ExportCommands::endText);
    connect(printRun, &PagedRun::finished, this,
            [this] { finishPrint(true, tr("已发送 %1 页到打印机。").arg(printPages.size())); });
    connect(printRun, &PagedRun::abandoned, this, [this] { finishPrint(false, QString()); });
    // Abandoned (cancelled, or the document goes away): the copy stops before the document is
    // released, and its target is left as it was.
    connect(annotatedRun, &PagedRun::abandoned, this, [this] {
        if (exporter)
            exporter->cancel();
    });
    saveFileName = [](QWidget* parent, const QString& caption, const QString& dir,
                      const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, dir, filter);
    };
    messageSink = [this](QMessageBox::Icon icon, const QString& title, const QString& message) {
        if (icon == QMessageBox::Warning)
            QMessageBox::warning(window, title, message);
        else
            QMessageBox::information(window, title, message);
    };
    printDialog = [this](QPrinter* device) {
        QPrintDialog dialog(device, window);
        dialog.setWindowTitle(tr("打印"));
        return dialog.exec() == QDialog::Accepted;
    };
}

ExportCommands::~ExportCommands()
{
    disconnect(printRun, nullptr, this, nullptr);
    if (printPainter && printPainter->isActive())
        printPainter->end();
    printPainter.reset();
}

// --- helpers --------------------------------------------------------------------------------

QSize ExportCommands::pagePixelSize(const QSizeF& sizePt, double dpi, int rotation)
{
    const QSize size = RenderCache::clampToPixelLimit(dovrix::pagePixelSize(sizePt, dpi));
    // The pixel limit treats both sides alike, so turning before or after it is the same.
    return rotation == 90 || rotation == 270 ? size.transposed() : size;
}

QList<int> ExportCommands::pagesToPrint(const QList<QPageRanges::Range>& ranges, int pageCount)
{
    QList<int> pages;
    if (ranges.isEmpty()) {
        for (int page = 0; page < pageCount; ++page)
            pages.append(page);
        return pages;
    }
    for (const QPageRanges::Range& range : ranges) {
        const int last = std::min(range.to, pageCount);
        for (int number = std::max(range.from, 1); number <= last; ++number)
            pages.append(number - 1);
    }
    return pages;
}

DocumentSession* ExportCommands::readySession() const
{
    DocumentSession* session = window->current();
    if (!session || !session->controller() || session->controller()->status() != Ready)
        return nullptr;
    return session;
}

QString ExportCommands::suggestedPath(DocumentSession* session, const ExportFormat& format) const
{
    const DocumentController* controller = session->controller();
    const QFileInfo source(controller->filePath());
    // A file opened by the bytes of its name has a path of this process's descriptors: its
    // folder is the one its descriptor leads to, and its name the one shown.
    const QString sourceFolder =
        controller->rawFile() ? controller->rawFile()->folderPath() : source.absolutePath();
    const QString folder = lastFolders.value(QLatin1String(format.objectName));
    const QDir dir(!folder.isEmpty() && QFileInfo(folder).isDir() ? folder : sourceFolder);
    return dir.filePath(QFileInfo(controller->displayName()).completeBaseName()
                        + QLatin1String(format.nameEnding));
}

QString ExportCommands::askSavePath(DocumentSession* session, const ExportFormat& format)
{
    const QPointer<DocumentSession> guard(session);
    const QString path =
        saveFileName(window, tr(format.caption), suggestedPath(session, format), tr(format.filter));
    // The dialog runs an event loop: the document may have been closed or reloaded meanwhile.
    if (path.isEmpty() || !guard || guard != readySession())
        return {};
    lastFolders.insert(QLatin1String(format.objectName), QFileInfo(path).absolutePath());
    return path;
}

bool ExportCommands::refusesTarget(DocumentSession* session, const QString& path,
                                   const QString& title)
{
    const QString refusal =
        AnnotationStore::exportTargetRefusal(path, session->controller()->filePath());
    if (refusal.isEmpty())
        return false;
    showMessage(QMessageBox::Warning, title, refusal);
    return true;
}

void ExportCommands::showMessage(QMessageBox::Icon icon, const QString& title,
                                 const QString& message)
{
    if (messageSink)
        messageSink(icon, title, message);
}

void ExportCommands::showExported(const QString& path)
{
    showMessage(QMessageBox::Information, tr("导出完成"),
                tr("已导出到：\n%1\n\n源文件未被修改。").arg(path));
}

bool ExportCommands::isTextExportActive() const
{
    return textRun->isRunning();
}

bool ExportCommands::isPrinting() const
{
    return printRun->isRunning();
}

QProgressDialog* ExportCommands::textExportDialog() const
{
    return textRun->dialog();
}

QProgressDialog* ExportCommands::printProgressDialog() const
{
    return printRun->dialog();
}

QProgressDialog* ExportCommands::annotatedExportDialog() const
{
    return annotatedRun->dialog();
}

// --- current page as PNG ------------------------------------------------------------------------

void ExportCommands::exportPagePng()
{
    DocumentSession* session = readySession();
    if (!session)
        return;
    const QString path = askSavePath(session, formatOf(&ExportCommands::exportPagePng));
    if (path.isEmpty() || refusesTarget(session, path, tr("导出失败")))
        return;
    PdfViewport* view = session->viewport();
    const int page = view ? view->currentPage() : 0;
    const int rotation = view ? view->rotation() : 0;
    const QSize size = pagePixelSize(pageSizePt(session, page), PngDpi, rotation);
    window->worker()->post(
        JobPriority::Export, this, renders.ticket(),
        [document = session->controller()->sharedDocument(), page, size, rotation,
         path]() -> Reply<ExportCommands> {
            QImage image = RenderCache::render(document.get(), page, size, rotation);
            if (!image.isNull())
                image = AnnotatedPdfExporter::onWhitePaper(image);
            QString error;
            if (!image.isNull()) {
                QSaveFile file(path);
                QImageWriter writer(&file, imageFormatFor(path));
                if (!file.open(QIODevice::WriteOnly))
                    error = file.errorString();
                else if (!writer.write(image))
                    error = writer.errorString();
                if (error.isEmpty())
                    commitSaveFile(file, &error);
                else
                    file.cancelWriting();
            }
            return [rendered = !image.isNull(), error, path](ExportCommands& self) {
                if (!rendered)
                    self.showMessage(QMessageBox::Warning, tr("导出失败"),
                                     tr("页面渲染失败，请重试。"));
                else if (!error.isEmpty())
                    self.showMessage(QMessageBox::Warning, tr("导出失败"), error);
                else
                    self.showExported(path);
            };
        });
}

// --- full text in reading order
// -------------------------------------------------------------------

void ExportCommands::exportFullText()
{
    if (textRun->isRunning())
        return;
    DocumentSession* session = readySession();
    if (!session)
        return;
    const QString path = askSavePath(session, formatOf(&ExportCommands::exportFullText));
    if (path.isEmpty() || refusesTarget(session, path, tr("导出失败")))
        return;

    text.waitingForBlocks = false;
    text.outputPath = path;
    text.text.clear();
    disconnect(text.blocksConnection);
    text.blocksConnection = connect(session->textLayout(), &TextLayoutStore::readingBlocksReady,
                                    this, &ExportCommands::blocksReady);
    PagedRun::Options options;
    options.label = textProgressLabel(0, session->controller()->pageCount());
    options.pageLabel = &ExportCommands::textProgressLabel;
    // Pages may take long to rebuild: the dialog shows up within a second, not after the
    // default four, and counts the pages.
    options.minimumDurationMs = TextProgressDelayMs;
    textRun->start(session, window, session->controller()->pageCount(), options,
                   [this](int page) { textPage(page); });
}

QString ExportCommands::textProgressLabel(int page, int count)
{
    return tr("正在按阅读顺序导出文本…\n第 %1 / %2 页").arg(page + 1).arg(count);
}

void ExportCommands::blocksReady(int page)
{
    DocumentSession* session = textRun->session();
    if (text.waitingForBlocks && session && page == textRun->done()
        && sender() == session->textLayout()) {
        text.waitingForBlocks = false;
        textPage(page);
    }
}

void ExportCommands::textPage(int page)
{
    TextLayoutStore* store = textRun->session()->textLayout();
    if (!store->hasReadingBlocks(page)) {
        text.waitingForBlocks = true;
        store->requestReadingBlocks(page); // may deliver at once, which comes back here
        return;
    }
    const OcrPageText* ocr = store->ocrResult(page);
    text.text +=
        formatExportPage(page, store->readingBlocks(page), ocr ? ocr->lines : QList<OcrLine>());
    textRun->pageDone();
}

void ExportCommands::finishText()
{
    const QString path = text.outputPath;
    const QByteArray bytes = joinLineEndHyphens(text.text).toUtf8();
    endText();

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        showMessage(QMessageBox::Warning, tr("导出失败"), file.errorString());
        return;
    }
    QString error;
    if (!writeAndCommit(file, bytes, &error)) {
        showMessage(QMessageBox::Warning, tr("导出失败"), error);
        return;
    }
    showExported(path);
}

void ExportCommands::endText()
{
    // Abandoned or written: the gathered text goes.
    text.waitingForBlocks = false;
    disconnect(text.blocksConnection);
    text.text.clear();
}

// --- annotation summary ------------------------------------------------------------------------

void ExportCommands::exportAnnotationSummary()
{
    if (summary.session)
        return; // one summary waits for its page texts already
    DocumentSession* session = readySession();
    if (!session)
        return;
    AnnotationStore* store = session->annotations();
    if (store->count() == 0) {
        showMessage(QMessageBox::Information, tr("批注汇总"), tr("当前文档暂无批注。"));
        return;
    }
    const QString path = askSavePath(session, formatOf(&ExportCommands::exportAnnotationSummary));
    if (path.isEmpty())
        return;

    // The summary quotes the text of each text-anchored annotation: pages whose text is not
    // known yet are read first (on the worker), then the file is written.
    TextLayoutStore* textStore = session->textLayout();
    summary.pages.clear();
    const QList<Annotation> all = store->allAnnotations();
    for (const Annotation& a : all) {
        if (a.isTextAnchored() && !textStore->hasPageText(a.page))
            summary.pages.insert(a.page);
    }
    summary.session = session;
    summary.outputPath = path;
    if (summary.pages.isEmpty()) {
        finishSummary();
        return;
    }
    summary.connections = {
        connect(textStore, &TextLayoutStore::pageTextReady, this,
                &ExportCommands::summaryTextReady),
        // A reload or a new load releases the document whose texts are read.
        connect(session, &DocumentSession::statusChanged, this,
                [this](DocumentSession*, int status) {
                    if (status != Ready)
                        endSummary();
                }),
    };
    const QList<int> pages(summary.pages.cbegin(), summary.pages.cend());
    for (int page : pages)
        textStore->requestPageText(page, JobPriority::TextLayout);
}

void ExportCommands::summaryTextReady(int page)
{
    if (!summary.session || sender() != summary.session->textLayout())
        return;
    summary.pages.remove(page);
    if (summary.pages.isEmpty())
        finishSummary();
}

void ExportCommands::finishSummary()
{
    DocumentSession* session = summary.session;
    const QString path = summary.outputPath;
    endSummary();
    if (!session)
        return;
    const TextLayoutStore* textStore = session->textLayout();
    QString error;
    const bool ok =
        session->annotations()->exportSummary(path, &error, [textStore](const Annotation& a) {
            return AnnotationPanel::anchoredText(textStore, a);
        });
    if (!ok) {
        showMessage(QMessageBox::Warning, tr("导出失败"), error);
        return;
    }
    showExported(path);
}

void ExportCommands::endSummary()
{
    for (const QMetaObject::Connection& connection : std::as_const(summary.connections))
        disconnect(connection);
    summary.connections.clear();
    summary.session = nullptr;
    summary.pages.clear();
}

// --- annotated PDF copy
// ----------------------------------------------------------------------------

bool ExportCommands::isAnnotatedExportRunning() const
{
    return exporter && exporter->isRunning();
}

void ExportCommands::exportAnnotatedPdf()
{
    if (printRun->isRunning() || isAnnotatedExportRunning())
        return;
    DocumentSession* session = readySession();
    if (!session)
        return;
    AnnotationStore* store = session->annotations();
    const ExportFormat& format = formatOf(&ExportCommands::exportAnnotatedPdf);
    const QString title = tr(format.caption);
    if (store->count() == 0) {
        showMessage(QMessageBox::Information, title, tr("当前文档暂无批注。"));
        return;
    }
    const QString path = askSavePath(session, format);
    if (path.isEmpty() || refusesTarget(session, path, title))
        return;

    DocumentController* controller = session->controller();
    QList<QSizeF> sizes;
    for (int page = 0; page < controller->pageCount(); ++page)
        sizes.append(pageSizePt(session, page));

    if (!exporter) {
        exporter = new AnnotatedPdfExporter(this);
        // The exporter asks for its pages itself; the run counts them.
        connect(exporter, &AnnotatedPdfExporter::progress, this, [this](int done) {
            while (annotatedRun->isRunning() && annotatedRun->done() < done)
                annotatedRun->pageDone();
        });
        connect(exporter, &AnnotatedPdfExporter::finished, this,
                &ExportCommands::annotatedFinished);
    }
    PagedRun::Options options;
    options.label = tr("正在导出含批注的 PDF…");
    options.showNow = true;
    annotatedRun->start(session, window, int(sizes.size()), options, nullptr);
    exporter->start(controller->sharedDocument(), window->worker(), sizes, store->allAnnotations(),
                    path, AnnotatedDpi);
    if (!exporter->isRunning())
        annotatedRun->abandon();
}

void ExportCommands::annotatedFinished(bool ok, const QString& message)
{
    // A failure ends the run; after a cancel it has ended already.
    annotatedRun->abandon();
    if (ok) {
        showMessage(QMessageBox::Information, tr("导出完成"),
                    tr("已导出到：\n%1\n\n源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开"
                       "即可看到。\n（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）")
                        .arg(message));
    } else if (!message.isEmpty()) {
        // A cancel carries no message: the user asked for it, there is nothing to report.
        showMessage(QMessageBox::Warning, tr("导出失败"), message);
    }
}

// --- printing --------------------------------------------------------------------------------

void ExportCommands::print()
{
    if (printRun->isRunning())
        return;
    DocumentSession* session = readySession();
    if (!session)
        return;
    if (!printDevice)
        printDevice = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QPointer<DocumentSession> guard(session);
    // The dialog runs an event loop: the document may have been closed or reloaded meanwhile.
    if (!printDialog(printDevice.get()) || !guard || guard != readySession())
        return;
    // Printing to a file writes that file like an export: never the source or its sidecar.
    if (refusesTarget(session, printDevice->outputFileName(), tr("打印")))
        return;
    const QList<int> pages =
        pagesToPrint(printDevice->pageRanges().toRangeList(), session->controller()->pageCount());
    if (pages.isEmpty())
        return;

    printPages = pages;
    printPainter.reset();
    PagedRun::Options options;
    options.label = tr("正在打印…");
    printRun->start(session, window, int(pages.size()), options,
                    [this](int index) { printPage(index); });
}

void ExportCommands::printPage(int index)
{
    DocumentSession* session = printRun->session();
    const int page = printPages.at(index);
    const int resolution = printDevice->resolution();
    const QSize size = pagePixelSize(pageSizePt(session, page), std::max(resolution, 72));
    const int run = ++printJob;
    window->worker()->post(JobPriority::Export, this, renders.ticket(),
                           [document = session->controller()->sharedDocument(), page, size,
                            run]() -> Reply<ExportCommands> {
                               // The view's temporary rotation does not apply to paper.
                               const QImage image =
                                   RenderCache::render(document.get(), page, size, 0);
                               return [image, run](ExportCommands& self) {
                                   // An image of a run that has ended is not painted.
                                   if (self.printJob == run)
                                       self.paintPage(image);
                               };
                           });
}

void ExportCommands::paintPage(const QImage& image)
{
    if (!printRun->isRunning())
        return;
    if (image.isNull()) {
        printFailure = tr("页面渲染失败，打印已中止。");
        printRun->abandon();
        return;
    }
    if (!printPainter) {
        printPainter = std::make_unique<QPainter>();
        if (!printPainter->begin(printDevice.get())) {
            printPainter.reset();
            printFailure = tr("无法启动打印任务。");
            printRun->abandon();
            return;
        }
    }
    // The painter's origin is the top-left corner of the printable area, so the page rectangle's
    // size is all that places the image (its offset on the paper is already applied).
    const QRect target(QPoint(0, 0), printDevice->pageRect(QPrinter::DevicePixel).toRect().size());
    const QImage scaled =
        image.scaled(target.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    printPainter->drawImage(QPoint(target.left() + (target.width() - scaled.width()) / 2,
                                   target.top() + (target.height() - scaled.height()) / 2),
                            scaled);
    if (printRun->done() + 1 < printRun->total())
        printDevice->newPage();
    printRun->pageDone();
}

void ExportCommands::finishPrint(bool ok, const QString& message)
{
    ++printJob; // a page image still on its way is not painted
    bool completed = ok;
    if (printPainter) {
        if (printPainter->isActive())
            completed = printPainter->end() && completed;
        printPainter.reset();
    }
    const QString failure = std::exchange(printFailure, QString());
    if (ok && !completed) {
        showMessage(QMessageBox::Warning, tr("打印"), tr("无法启动打印任务。"));
        return;
    }
    const QString text = ok ? message : failure;
    if (!text.isEmpty())
        showMessage(ok ? QMessageBox::Information : QMessageBox::Warning, tr("打印"), text);
}

} // namespace dovrix
