#include "app/ExportCommands.h"

#include "annotations/AnnotatedPdfExporter.h"
#include "annotations/AnnotationPanel.h"
#include "annotations/AnnotationStore.h"
#include "app/MainWindow.h"
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

ExportCommands::ExportCommands(MainWindow* mainWindow) : QObject(mainWindow), window(mainWindow)
{
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
    printing.on = false;
    if (printing.painter && printing.painter->isActive())
        printing.painter->end();
    printing.painter.reset();
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

QString ExportCommands::suggestedPath(DocumentSession* session, SaveKind kind) const
{
    static const char* const nameEndings[] = {".png", ".txt", "-notes.txt", "-annotated.pdf"};
    const DocumentController* controller = session->controller();
    const QFileInfo source(controller->filePath());
    // A file opened by the bytes of its name has a path of this process's descriptors: its
    // folder is the one its descriptor leads to, and its name the one shown.
    const QString sourceFolder =
        controller->rawFile() ? controller->rawFile()->folderPath() : source.absolutePath();
    const QString folder = lastFolders.value(kind);
    const QDir dir(!folder.isEmpty() && QFileInfo(folder).isDir() ? folder : sourceFolder);
    return dir.filePath(QFileInfo(controller->displayName()).completeBaseName()
                        + QLatin1String(nameEndings[int(kind)]));
}

QString ExportCommands::askSavePath(DocumentSession* session, SaveKind kind, const QString& caption,
                                    const QString& filter)
{
    const QPointer<DocumentSession> guard(session);
    const QString path = saveFileName(window, caption, suggestedPath(session, kind), filter);
    // The dialog runs an event loop: the document may have been closed or reloaded meanwhile.
    if (path.isEmpty() || !guard || guard != readySession())
        return {};
    lastFolders.insert(kind, QFileInfo(path).absolutePath());
    return path;
}

bool ExportCommands::refusesTarget(DocumentSession* session, const QString& path,
                                   const QString& title)
{
    // Compared as files, not as spellings: a link, "..", a relative path or a hard link to the
    // source is the source. A file that does not exist yet never matches.
    if (isSameFile(path, session->controller()->filePath())) {
        showMessage(QMessageBox::Warning, title,
                    tr("导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。"));
        return true;
    }
    // Written over the sidecar, the export would lose every annotation at the next opening.
    if (isSameFile(path, session->annotations()->sidecarPath())) {
        showMessage(QMessageBox::Warning, title, tr("导出路径与批注文件相同，已中止。"));
        return true;
    }
    return false;
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

QProgressDialog* ExportCommands::progressDialog(const QString& label, int maximum)
{
    auto* dialog = new QProgressDialog(label, tr("取消"), 0, maximum, window);
    dialog->setWindowModality(Qt::WindowModal);
    return dialog;
}

void ExportCommands::watch(DocumentSession* session)
{
    connect(session, &DocumentSession::statusChanged, this, &ExportCommands::sessionStatusChanged,
            Qt::UniqueConnection);
    connect(session, &QObject::destroyed, this, &ExportCommands::sessionDestroyed,
            Qt::UniqueConnection);
}

void ExportCommands::sessionDestroyed()
{
    // The guarded pointers are already null; the controller (and the release of its document on
    // the worker) goes only after this signal, so no render is requested after the release.
    abandonFor(nullptr);
}

void ExportCommands::sessionStatusChanged(DocumentSession* session, int status)
{
    // A reload or a new load releases the document the operations read.
    if (status != Ready)
        abandonFor(session);
}

void ExportCommands::abandonFor(DocumentSession* session)
{
    if (summary.session == session)
        endSummary();
    if (text.active && text.session == session)
        endText();
    if (printing.on && printing.session == session)
        finishPrint(false, QString());
    if (exporter && exporter->isRunning() && exportSession == session)
        exporter->cancel();
}

// --- current page as PNG ------------------------------------------------------------------------

void ExportCommands::exportPagePng()
{
    DocumentSession* session = readySession();
    if (!session)
        return;
    const QString path =
        askSavePath(session, SaveKind::PageImage, tr("导出当前页为 PNG"), tr("PNG 图片 (*.png)"));
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
    if (text.active)
        return;
    DocumentSession* session = readySession();
    if (!session)
        return;
    const QString path = askSavePath(session, SaveKind::FullText, tr("导出全文文本（阅读顺序）"),
                                     tr("文本文件 (*.txt)"));
    if (path.isEmpty() || refusesTarget(session, path, tr("导出失败")))
        return;

    text.active = true;
    text.waitingForBlocks = false;
    text.session = session;
    text.outputPath = path;
    text.nextPage = 0;
    text.text.clear();
    text.dialog = progressDialog(textProgressLabel(0, session->controller()->pageCount()),
                                 session->controller()->pageCount());
    // Pages may take long to rebuild: the dialog shows up within a second, not after the
    // default four, and counts the pages.
    text.dialog->setMinimumDuration(TextProgressDelayMs);
    connect(text.dialog, &QProgressDialog::canceled, this, [this] {
        // Abandoned: nothing is written.
        endText();
    });
    connect(session->textLayout(), &TextLayoutStore::readingBlocksReady, this,
            &ExportCommands::blocksReady, Qt::UniqueConnection);
    watch(session);
    textStep();
}

QString ExportCommands::textProgressLabel(int page, int count)
{
    return tr("正在按阅读顺序导出文本…\n第 %1 / %2 页").arg(page + 1).arg(count);
}

void ExportCommands::blocksReady(int page)
{
    if (text.active && text.waitingForBlocks && page == text.nextPage && text.session
        && sender() == text.session->textLayout()) {
        text.waitingForBlocks = false;
        textStep();
    }
}

void ExportCommands::textStep()
{
    // Setting the modal dialog's value runs the event loop; a step reached from there would
    // append the same page twice.
    if (!text.active || text.inStep)
        return;
    DocumentSession* session = text.session;
    if (!session || !text.dialog) {
        endText(); // the document or the dialog went away: nothing is written
        return;
    }
    const int count = session->controller()->pageCount();
    if (text.nextPage >= count) {
        finishText();
        return;
    }
    text.inStep = true;
    text.dialog->setLabelText(textProgressLabel(text.nextPage, count));
    text.dialog->setValue(text.nextPage);
    text.inStep = false;
    if (!text.active || !text.session || !text.dialog) {
        endText();
        return;
    }
    TextLayoutStore* store = session->textLayout();
    const int page = text.nextPage;
    if (!store->hasReadingBlocks(page)) {
        text.waitingForBlocks = true;
        store->requestReadingBlocks(page); // may deliver at once, which runs the step again
        return;
    }
    const OcrPageText* ocr = store->ocrResult(page);
    text.text +=
        formatExportPage(page, store->readingBlocks(page), ocr ? ocr->lines : QList<OcrLine>());
    ++text.nextPage;
    QTimer::singleShot(0, this, &ExportCommands::textStep);
}

void ExportCommands::finishText()
{
    const QString path = text.outputPath;
    const QByteArray bytes = text.text.toUtf8();
    if (text.dialog)
        text.dialog->setValue(text.dialog->maximum());
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
    text.active = false;
    text.waitingForBlocks = false;
    if (text.session)
        disconnect(text.session->textLayout(), &TextLayoutStore::readingBlocksReady, this,
                   &ExportCommands::blocksReady);
    text.session = nullptr;
    text.text.clear();
    if (text.dialog)
        text.dialog->deleteLater();
    text.dialog = nullptr;
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
    const QString path =
        askSavePath(session, SaveKind::Summary, tr("导出批注汇总"), tr("文本文件 (*.txt)"));
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
    connect(textStore, &TextLayoutStore::pageTextReady, this, &ExportCommands::summaryTextReady,
            Qt::UniqueConnection);
    watch(session);
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
    if (summary.session)
        disconnect(summary.session->textLayout(), &TextLayoutStore::pageTextReady, this,
                   &ExportCommands::summaryTextReady);
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
    if (printing.on || isAnnotatedExportRunning())
        return;
    DocumentSession* session = readySession();
    if (!session)
        return;
    AnnotationStore* store = session->annotations();
    const QString title = tr("导出含批注的 PDF");
    if (store->count() == 0) {
        showMessage(QMessageBox::Information, title, tr("当前文档暂无批注。"));
        return;
    }
    const QString path =
        askSavePath(session, SaveKind::AnnotatedCopy, title, tr("PDF 文档 (*.pdf)"));
    if (path.isEmpty() || refusesTarget(session, path, title))
        return;

    DocumentController* controller = session->controller();
    QList<QSizeF> sizes;
    for (int page = 0; page < controller->pageCount(); ++page)
        sizes.append(pageSizePt(session, page));

    if (!exporter) {
        exporter = new AnnotatedPdfExporter(this);
        connect(exporter, &AnnotatedPdfExporter::progress, this, [this](int done) {
            if (annotatedDialog)
                annotatedDialog->setValue(done);
        });
        connect(exporter, &AnnotatedPdfExporter::finished, this,
                &ExportCommands::annotatedFinished);
    }
    annotatedDialog = progressDialog(tr("正在导出含批注的 PDF…"), int(sizes.size()));
    connect(annotatedDialog, &QProgressDialog::canceled, exporter, &AnnotatedPdfExporter::cancel);
    annotatedDialog->show();
    exportSession = session;
    watch(session);
    exporter->start(controller->sharedDocument(), window->worker(), sizes, store->allAnnotations(),
                    path, AnnotatedDpi);
    if (!exporter->isRunning() && annotatedDialog) {
        annotatedDialog->deleteLater();
        annotatedDialog = nullptr;
    }
}

void ExportCommands::annotatedFinished(bool ok, const QString& message)
{
    if (annotatedDialog) {
        // The dialog's own cancel already ran; a late value must not reopen it.
        disconnect(annotatedDialog, nullptr, this, nullptr);
        annotatedDialog->deleteLater();
    }
    annotatedDialog = nullptr;
    exportSession = nullptr;
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
    if (printing.on)
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

    printing.on = true;
    printing.session = session;
    printing.pages = pages;
    printing.next = 0;
    printing.painter.reset();
    printing.dialog = progressDialog(tr("正在打印…"), int(pages.size()));
    connect(printing.dialog, &QProgressDialog::canceled, this,
            [this] { finishPrint(false, QString()); });
    watch(session);
    printStep();
}

void ExportCommands::printStep()
{
    if (!printing.on)
        return;
    DocumentSession* session = printing.session;
    if (!session) {
        finishPrint(false, QString());
        return;
    }
    if (printing.next >= printing.pages.size()) {
        finishPrint(true, tr("已发送 %1 页到打印机。").arg(printing.pages.size()));
        return;
    }
    if (printing.dialog)
        printing.dialog->setValue(printing.next);
    if (!printing.on) // the dialog's value update runs the event loop: a cancel lands here
        return;
    const int page = printing.pages.at(printing.next);
    const int resolution = printDevice->resolution();
    const QSize size = pagePixelSize(pageSizePt(session, page), std::max(resolution, 72));
    window->worker()->post(JobPriority::Export, this, renders.ticket(),
                           [document = session->controller()->sharedDocument(), page,
                            size]() -> Reply<ExportCommands> {
                               // The view's temporary rotation does not apply to paper.
                               const QImage image =
                                   RenderCache::render(document.get(), page, size, 0);
                               return [image](ExportCommands& self) { self.paintPage(image); };
                           });
}

void ExportCommands::paintPage(const QImage& image)
{
    if (!printing.on)
        return;
    if (image.isNull()) {
        finishPrint(false, tr("页面渲染失败，打印已中止。"));
        return;
    }
    if (!printing.painter) {
        printing.painter = std::make_unique<QPainter>();
        if (!printing.painter->begin(printDevice.get())) {
            printing.painter.reset();
            finishPrint(false, tr("无法启动打印任务。"));
            return;
        }
    }
    // The painter's origin is the top-left corner of the printable area, so the page rectangle's
    // size is all that places the image (its offset on the paper is already applied).
    const QRect target(QPoint(0, 0), printDevice->pageRect(QPrinter::DevicePixel).toRect().size());
    const QImage scaled =
        image.scaled(target.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    printing.painter->drawImage(QPoint(target.left() + (target.width() - scaled.width()) / 2,
                                       target.top() + (target.height() - scaled.height()) / 2),
                                scaled);

    ++printing.next;
    if (printing.next < printing.pages.size()) {
        printDevice->newPage();
        QTimer::singleShot(0, this, &ExportCommands::printStep);
    } else {
        finishPrint(true, tr("已发送 %1 页到打印机。").arg(printing.pages.size()));
    }
}

void ExportCommands::finishPrint(bool ok, const QString& message)
{
    bool completed = ok;
    if (printing.painter) {
        if (printing.painter->isActive())
            completed = printing.painter->end() && completed;
        printing.painter.reset();
    }
    printing.on = false;
    printing.session = nullptr;
    if (printing.dialog) {
        disconnect(printing.dialog, nullptr, this, nullptr);
        printing.dialog->setValue(printing.dialog->maximum());
        printing.dialog->deleteLater();
    }
    printing.dialog = nullptr;
    if (ok && !completed) {
        showMessage(QMessageBox::Warning, tr("打印"), tr("无法启动打印任务。"));
        return;
    }
    if (!message.isEmpty())
        showMessage(ok ? QMessageBox::Information : QMessageBox::Warning, tr("打印"), message);
}

} // namespace dovrix
