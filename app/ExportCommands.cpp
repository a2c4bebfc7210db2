#include "app/ExportCommands.h"

#include "annotations/AnnotatedCopy.h"
#include "annotations/AnnotatedPdfExporter.h"
#include "annotations/AnnotationPainter.h"
#include "annotations/AnnotationStore.h"
#include "app/MainWindow.h"
#include "app/OutcomeText.h"
#include "app/PagedRun.h"
#include "core/DocumentController.h"
#include "core/DocumentStatus.h"
#include "core/FileSafety.h"
#include "core/PageUnits.h"
#include "core/PdfWorker.h"
#include "core/RawFilePath.h"
#include "core/RenderCache.h"
#include "session/DocumentSession.h"
#include "session/DocumentTab.h"
#include "text/TextExport.h"
#include "text/TextLayoutStore.h"
#include "view/PdfViewport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QProgressDialog>
#include <QRadioButton>
#include <QSaveFile>
#include <QTimer>
#include <QUuid>
#include <QVBoxLayout>

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
        {"exportFlattenedCopyAction",
         QT_TRANSLATE_NOOP("dovrix::MainWindow", "平面化副本（图片）…"), nullptr, false,
         "-flattened.pdf", QT_TR_NOOP("导出平面化副本（图片）"), QT_TR_NOOP("PDF 文档 (*.pdf)"),
         &ExportCommands::exportFlattenedPdf},
    };
    return table;
}

namespace {

// Printing to a file when no print server answers: a save dialog like the exports' ones.
const ExportFormat printToFileFormat{
    "printToFile",
    nullptr,
    nullptr,
    false,
    "-print.pdf",
    QT_TRANSLATE_NOOP("dovrix::ExportCommands", "打印到 PDF 文件"),
    QT_TRANSLATE_NOOP("dovrix::ExportCommands", "PDF 文档 (*.pdf)"),
    nullptr};

// The text of the source refusal, shared with the exports that check the target themselves.
QString sourceRefusal()
{
    return QCoreApplication::translate(
        "dovrix::AnnotationStore", "导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。");
}

PrintChoices::Sides sidesOf(QPrinter::DuplexMode mode)
{
    switch (mode) {
    case QPrinter::DuplexLongSide:
    case QPrinter::DuplexAuto:
        return PrintChoices::Sides::LongEdge;
    case QPrinter::DuplexShortSide:
        return PrintChoices::Sides::ShortEdge;
    case QPrinter::DuplexNone:
        break;
    }
    return PrintChoices::Sides::OneSided;
}

// The page in points drawn on an image of the page turned by rotation (0, 90, 180, 270 degrees
// clockwise) at scale pixels per point.
QPointF onTurnedPage(const QPointF& pt, const QSizeF& pageSizePt, int rotation, double scale)
{
    switch (rotation) {
    case 90:
        return QPointF(pageSizePt.height() - pt.y(), pt.x()) * scale;
    case 180:
        return QPointF(pageSizePt.width() - pt.x(), pageSizePt.height() - pt.y()) * scale;
    case 270:
        return QPointF(pt.y(), pageSizePt.width() - pt.x()) * scale;
    default:
        return pt * scale;
    }
}

} // namespace

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
      printRun(new PagedRun(this)), annotatedRun(new PagedRun(this)), copyRun(new PagedRun(this))
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
    // Cancelled, or the document goes away: the write stops and leaves its target as it was.
    connect(copyRun, &PagedRun::abandoned, this, &ExportCommands::endCopy);
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
    question = [this](const QString& title, const QString& text) {
        return QMessageBox::question(window, title, text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes)
               == QMessageBox::Yes;
    };
    printDialog = [this](QPrinter* device) {
        QPrintDialog dialog(device, window);
        dialog.setWindowTitle(tr("打印"));
        // Our own tab: the annotations on paper, and how the page meets the paper.
        auto* tab = new QWidget;
        tab->setWindowTitle(tr("批注与缩放"));
        auto* layout = new QVBoxLayout(tab);
        auto* withAnnotations = new QCheckBox(tr("连同我的批注"), tab);
        withAnnotations->setObjectName(QStringLiteral("printWithAnnotations"));
        withAnnotations->setChecked(printAnnotations);
        auto* fit = new QRadioButton(tr("适合纸张"), tab);
        auto* actual = new QRadioButton(tr("实际大小"), tab);
        (printFit ? fit : actual)->setChecked(true);
        layout->addWidget(withAnnotations);
        layout->addSpacing(8);
        layout->addWidget(fit);
        layout->addWidget(actual);
        layout->addStretch();
        dialog.setOptionTabs({tab});
        if (dialog.exec() != QDialog::Accepted)
            return false;
        printAnnotations = withAnnotations->isChecked();
        printFit = fit->isChecked();
        return true;
    };
}

ExportCommands::~ExportCommands()
{
    disconnect(printRun, nullptr, this, nullptr);
    disconnect(copyRun, nullptr, this, nullptr);
    endCopy();
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

int ExportCommands::printImageDpi(int printerResolution)
{
    return std::clamp(printerResolution, int(PointsPerInch), MaxPrintDpi);
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
    const DocumentTab* tab = window->current();
    DocumentSession* session = tab ? tab->session() : nullptr;
    if (!session || session->controller()->status() != DocumentStatus::Ready)
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
    const AnnotationStore::ExportRefusal refusal =
        AnnotationStore::exportTargetRefusal(path, session->controller()->filePath());
    if (refusal == AnnotationStore::ExportRefusal::None)
        return false;
    showMessage(QMessageBox::Warning, title, outcomeText(refusal));
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
    return printRun->isRunning() || (copyRun->isRunning() && copy.purpose != CopyPurpose::Export);
}

QProgressDialog* ExportCommands::textExportDialog() const
{
    return textRun->dialog();
}

QProgressDialog* ExportCommands::printProgressDialog() const
{
    return copyRun->isRunning() ? copyRun->dialog() : printRun->dialog();
}

QProgressDialog* ExportCommands::annotatedExportDialog() const
{
    return copyRun->isRunning() ? copyRun->dialog() : annotatedRun->dialog();
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
    // The dialog has checked that the document is still the one shown.
    PdfViewport* view = window->current()->viewport();
    const int page = view ? view->currentPage() : 0;
    const int rotation = view ? view->rotation() : 0;
    const QSizeF sizePt = pageSizePt(session, page);
    const QSize size = pagePixelSize(sizePt, PngDpi, rotation);
    // The annotations as the page view places them: text marks over their characters' boxes.
    QList<Annotation> annotations;
    if (pngAnnotations) {
        const TextLayoutStore* text = session->textLayout();
        annotations = session->annotations()->annotationsOnPage(page);
        for (Annotation& a : annotations) {
            if (a.isTextAnchored() && text->hasCharBoxes(page)) {
                const QList<QRectF> lines = markedLines(text->charBoxes(page), a.start, a.length);
                QRectF united;
                for (const QRectF& line : lines)
                    united = united.united(line);
                if (united.isValid())
                    a.rect = united;
            }
        }
    }
    window->worker()->post(
        JobPriority::Export, this, renders.ticket(),
        [document = session->controller()->sharedDocument(), page, size, sizePt, rotation,
         annotations, path]() -> Reply<ExportCommands> {
            QImage image = RenderCache::render(document.get(), page, size, rotation, {},
                                               PageImageFormat::Opaque);
            if (!image.isNull())
                image = AnnotatedPdfExporter::onWhitePaper(image);
            if (!image.isNull() && !annotations.isEmpty()) {
                // Drawn as on paper, by the painter of the page view and the copies.
                const bool turned = rotation == 90 || rotation == 270;
                const double scale = image.width() / (turned ? sizePt.height() : sizePt.width());
                QPainter painter(&image);
                painter.setRenderHint(QPainter::Antialiasing);
                const AnnotationPainter annotationPainter(
                    painter, AnnotationStyle::paper(scale),
                    [sizePt, rotation, scale](const QPointF& pt) {
                        return onTurnedPage(pt, sizePt, rotation, scale);
                    },
                    QRectF(QPointF(0, 0), QSizeF(image.size())));
                for (const Annotation& a : annotations)
                    annotationPainter.paint(a, a.rect);
            }
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
    // The next pages are read on the worker while this one is put in reading order here.
    const int pageCount = textRun->session()->controller()->pageCount();
    for (int next = page + 1; next <= page + TextReadAhead && next < pageCount; ++next)
        store->requestPageText(next, JobPriority::TextLayout);
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
                [this](DocumentSession*, DocumentStatus status) {
                    if (status != DocumentStatus::Ready)
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
    const AnnotationStore::ExportOutcome outcome = session->annotations()->exportSummary(
        path, [textStore](const Annotation& a) { return anchoredText(textStore, a); });
    if (!outcome.written()) {
        showMessage(QMessageBox::Warning, tr("导出失败"), outcomeText(outcome));
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
    return copyRun->isRunning() || (exporter && exporter->isRunning());
}

void ExportCommands::exportAnnotatedPdf()
{
    if (printRun->isRunning() || isAnnotatedExportRunning())
        return;
    DocumentSession* session = readySession();
    if (!session)
        return;
    const ExportFormat& format = formatOf(&ExportCommands::exportAnnotatedPdf);
    const QString title = tr(format.caption);
    if (session->annotations()->count() == 0 && session->annotations()->formValues().isEmpty()) {
        showMessage(QMessageBox::Information, title, tr("当前文档暂无批注。"));
        return;
    }
    const QString path = askSavePath(session, format);
    if (path.isEmpty() || refusesTarget(session, path, title))
        return;
    startCopy(session, CopyPurpose::Export, path, {}, true);
}

void ExportCommands::exportFlattenedPdf()
{
    if (printRun->isRunning() || isAnnotatedExportRunning())
        return;
    DocumentSession* session = readySession();
    if (!session)
        return;
    AnnotationStore* store = session->annotations();
    const ExportFormat& format = formatOf(&ExportCommands::exportFlattenedPdf);
    const QString title = tr(format.caption);
    if (store->count() == 0) {
        showMessage(QMessageBox::Information, title, tr("当前文档暂无批注。"));
        return;
    }
    const QString path = askSavePath(session, format);
    if (path.isEmpty() || refusesTarget(session, path, title))
        return;
    startFlattened(session, path);
}

void ExportCommands::startFlattened(DocumentSession* session, const QString& path)
{
    AnnotationStore* store = session->annotations();
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

// --- the copy written by the engine ----------------------------------------------------------

void ExportCommands::startCopy(DocumentSession* session, CopyPurpose purpose, const QString& target,
                               const QList<int>& pages, bool withAnnotations,
                               const PrintChoices& choices)
{
    endCopy();
    copy.purpose = purpose;
    copy.target = target;
    copy.pages = pages;
    copy.withAnnotations = withAnnotations;
    copy.choices = choices;
    copy.cancelled = std::make_shared<std::atomic<bool>>(false);
    PagedRun::Options options;
    options.label = purpose == CopyPurpose::Print ? tr("正在打印…") : tr("正在导出含批注的 PDF…");
    options.showNow = purpose != CopyPurpose::Print;
    copyRun->start(session, window, 1, options, nullptr);

    // Text marks cover their characters line by line: pages whose character boxes are not
    // known yet are measured first.
    TextLayoutStore* text = session->textLayout();
    if (withAnnotations) {
        const QList<Annotation> all = session->annotations()->allAnnotations();
        for (const Annotation& a : all) {
            if (a.isTextAnchored() && !text->hasCharBoxes(a.page)
                && (pages.isEmpty() || pages.contains(a.page)))
                copy.waitingPages.insert(a.page);
        }
    }
    if (copy.waitingPages.isEmpty()) {
        writeCopy();
        return;
    }
    copy.connections.append(
        connect(text, &TextLayoutStore::charBoxesReady, this, &ExportCommands::copyBoxesReady));
    const QList<int> waiting(copy.waitingPages.cbegin(), copy.waitingPages.cend());
    for (int page : waiting)
        text->requestCharBoxes(page, JobPriority::TextLayout);
}

void ExportCommands::copyBoxesReady(int page)
{
    DocumentSession* session = copyRun->session();
    if (!session || sender() != session->textLayout() || !copy.waitingPages.remove(page))
        return;
    if (copy.waitingPages.isEmpty()) {
        for (const QMetaObject::Connection& connection : std::as_const(copy.connections))
            disconnect(connection);
        copy.connections.clear();
        writeCopy();
    }
}

void ExportCommands::writeCopy()
{
    DocumentSession* session = copyRun->session();
    if (!session)
        return;
    DocumentController* controller = session->controller();
    const TextLayoutStore* text = session->textLayout();
    CopyRequest request;
    request.sourcePath = controller->filePath();
    request.targetPath = copy.target;
    request.pages = copy.pages;
    if (copy.withAnnotations) {
        request.marks = copyMarks(session->annotations()->allAnnotations(),
                                  [text](int page) { return text->charBoxes(page); });
        // The values the user filled into the document's form go into its fields.
        const QMap<QString, QString> values = session->annotations()->formValues();
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            request.fields.append({it.key(), it.value()});
    }
    const int run = ++copy.run;
    copy.writing = true;
    const bool print = copy.purpose == CopyPurpose::Print;
    window->worker()->post(
        JobPriority::Export, this, renders.ticket(),
        [document = controller->sharedDocument(), request, cancelled = copy.cancelled,
         handOver = print ? printSystem.handOver : nullptr, choices = copy.choices,
         run]() mutable -> Reply<ExportCommands> {
            // The engine opens the file itself, with the password the document was opened with.
            request.password = document->password();
            request.cancelled = cancelled.get();
            const CopyOutcome outcome = writePdfCopy(request);
            PrintHandOver handed;
            if (handOver && outcome.result == CopyOutcome::Result::Written) {
                if (!cancelled->load())
                    handed = handOver(request.targetPath, choices);
                QFile::remove(request.targetPath); // the server keeps its own copy
            }
            return [run, outcome, handed](ExportCommands& self) {
                self.copyWritten(run, outcome, handed);
            };
        });
}

void ExportCommands::copyWritten(int run, const CopyOutcome& outcome, const PrintHandOver& handOver)
{
    if (run != copy.run || !copyRun->isRunning())
        return; // cancelled meanwhile: the writer has left the target as it was
    const CopyPurpose purpose = copy.purpose;
    const QString target = copy.target;
    const QPointer<DocumentSession> session = copyRun->session();
    QList<int> pageList = copy.pages; // empty: every page
    if (pageList.isEmpty() && session) {
        for (int page = 0; page < session->controller()->pageCount(); ++page)
            pageList.append(page);
    }
    const int pages = int(pageList.size());
    copy.writing = false;
    copyRun->pageDone(); // the run finishes and its dialog goes
    endCopy();

    const bool printing = purpose == CopyPurpose::Print;
    const QString title =
        printing || purpose == CopyPurpose::PrintToFile ? tr("打印") : tr("导出失败");
    switch (outcome.result) {
    case CopyOutcome::Result::Written:
        if (!printing && purpose == CopyPurpose::Export) {
            showMessage(QMessageBox::Information, tr("导出完成"),
                        tr("已导出到：\n%1\n\n源文件未被修改。批注已作为标准 PDF 批注写入副本，"
                           "其他阅读器也能看到；文字、链接和目录都保留。")
                            .arg(target));
        } else if (!printing) {
            showExported(target);
        } else if (handOver.ok) {
            showMessage(QMessageBox::Information, title, tr("已发送 %1 页到打印机。").arg(pages));
        } else {
            showMessage(
                QMessageBox::Warning, title,
                tr("打印服务没有接受这个任务：%1\n没有丢失任何内容；可以再试一次，或打印到文件。")
                    .arg(handOver.error));
        }
        return;
    case CopyOutcome::Result::Cancelled:
        return;
    case CopyOutcome::Result::TargetIsSource:
        showMessage(QMessageBox::Warning, title, sourceRefusal());
        return;
    case CopyOutcome::Result::SourceUnreadable:
        // The engine that writes copies cannot read the file (moved away since it was opened, or
        // one only the other engine reads): the open document still gives page images.
        if (session && purpose != CopyPurpose::Export && printDevice
            && (purpose == CopyPurpose::Print || printDevice->outputFileName() == target)) {
            printImages(session, pageList);
            return;
        }
        if (session) {
            startFlattened(session, target);
            return;
        }
        showMessage(QMessageBox::Warning, title, tr("无法读取源文件：%1").arg(outcome.detail));
        return;
    case CopyOutcome::Result::TargetUnwritable:
    case CopyOutcome::Result::WriteFailed:
        showMessage(QMessageBox::Warning, title,
                    tr("无法写入 %1：\n%2\n\n没有留下不完整的文件，源文件未被修改。")
                        .arg(target, outcome.detail));
        return;
    }
}

void ExportCommands::endCopy()
{
    // A write in flight stops at its next step and leaves the target as it was.
    if (copy.cancelled)
        copy.cancelled->store(true);
    copy.cancelled.reset();
    for (const QMetaObject::Connection& connection : std::as_const(copy.connections))
        disconnect(connection);
    copy.connections.clear();
    copy.waitingPages.clear();
    copy.writing = false;
    ++copy.run; // a result still on its way finds nobody waiting
}

// --- printing --------------------------------------------------------------------------------

void ExportCommands::print()
{
    if (printRun->isRunning() || isAnnotatedExportRunning())
        return;
    DocumentSession* session = readySession();
    if (!session)
        return;
    const QPointer<DocumentSession> guard(session);
    if (!printSystem.serverAnswers()) {
        // Without a print server there is no printer to choose: a PDF file can still be made.
        if (!question(tr("打印"), tr("没有找到打印服务（CUPS）。\n要把文档打印成 PDF 文件吗？"))
            || !guard || guard != readySession())
            return;
        const QString path = askSavePath(session, printToFileFormat);
        if (path.isEmpty() || refusesTarget(session, path, tr("打印")))
            return;
        startCopy(session, CopyPurpose::PrintToFile, path, {}, printAnnotations);
        return;
    }
    if (!printDevice)
        printDevice = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The dialog runs an event loop: the document may have been closed or reloaded meanwhile.
    if (!printDialog(printDevice.get()) || !guard || guard != readySession())
        return;
    const bool toFile = printDevice->outputFormat() == QPrinter::PdfFormat;
    // Printing to a file writes that file like an export: never the source or its sidecar.
    if (toFile && refusesTarget(session, printDevice->outputFileName(), tr("打印")))
        return;
    const int pageCount = session->controller()->pageCount();
    const QList<int> pages = pagesToPrint(printDevice->pageRanges().toRangeList(), pageCount);
    if (pages.isEmpty())
        return;
    // Every page in order is the whole document: its outline and links stay.
    const QList<int> kept = pages.size() == pageCount ? QList<int>() : pages;
    if (toFile) {
        startCopy(session, CopyPurpose::PrintToFile, printDevice->outputFileName(), kept,
                  printAnnotations);
        return;
    }
    const QString printer = printDevice->printerName();
    if (printSystem.isDestination(printer)) {
        PrintChoices choices;
        choices.printer = printer;
        choices.title = session->controller()->displayName();
        choices.copies = printDevice->copyCount();
        choices.collate = printDevice->collateCopies();
        choices.sides = sidesOf(printDevice->duplex());
        choices.color = printDevice->colorMode() == QPrinter::Color;
        choices.fitToPaper = printFit;
        choices.reverse = printDevice->pageOrder() == QPrinter::LastPageFirst;
        // The dialog keeps its CUPS options (pages per sheet, odd or even pages, banners, ...)
        // with the printer as a list of names and values.
        constexpr auto CupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
        const QStringList cupsOptions =
            printDevice->printEngine()->property(CupsOptions).toStringList();
        for (qsizetype i = 0; i + 1 < cupsOptions.size(); i += 2)
            choices.extraOptions.append({cupsOptions.at(i), cupsOptions.at(i + 1)});
        const QString job = QDir(QDir::tempPath())
                                .filePath(QStringLiteral("dovrix-print-%1.pdf")
                                              .arg(QUuid::createUuid().toString(QUuid::Id128)));
        startCopy(session, CopyPurpose::Print, job, kept, printAnnotations, choices);
        return;
    }
    // A print system without CUPS: page images at the printer's resolution.
    printImages(session, pages);
}

void ExportCommands::printImages(DocumentSession* session, const QList<int>& pages)
{
    printPages = pages;
    printMarks = session->annotations()->allAnnotations();
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
    const QSize size =
        pagePixelSize(pageSizePt(session, page), printImageDpi(printDevice->resolution()));
    const int run = ++printJob;
    window->worker()->post(JobPriority::Export, this, renders.ticket(),
                           [document = session->controller()->sharedDocument(), page, size,
                            run]() -> Reply<ExportCommands> {
                               // The view's temporary rotation does not apply to paper.
                               const QImage image = RenderCache::render(
                                   document.get(), page, size, 0, {}, PageImageFormat::Opaque);
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
    DocumentSession* session = printRun->session();
    const int page = printPages.at(printRun->done());
    const QSizeF sizePt = pageSizePt(session, page);
    if (!printPainter) {
        // Each sheet takes the size of its page; a page of the printer's own size would shrink it.
        printDevice->setPageSize(QPageSize(sizePt, QPageSize::Point));
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
    const QPoint origin(target.left() + (target.width() - scaled.width()) / 2,
                        target.top() + (target.height() - scaled.height()) / 2);
    printPainter->drawImage(origin, scaled);
    if (printAnnotations && sizePt.width() > 0) {
        printPainter->save();
        printPainter->translate(origin);
        AnnotatedPdfExporter::paintAnnotations(*printPainter, printMarks, page, sizePt,
                                               scaled.width() / sizePt.width());
        printPainter->restore();
    }
    if (printRun->done() + 1 < printRun->total()) {
        printDevice->setPageSize(
            QPageSize(pageSizePt(session, printPages.at(printRun->done() + 1)), QPageSize::Point));
        printDevice->newPage();
    }
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
