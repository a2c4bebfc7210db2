#pragma once

#include "annotations/Annotation.h"
#include "app/CupsPrinting.h"
#include "core/Generation.h"
#include "engine/PdfCopy.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPageRanges>
#include <QPointer>
#include <QProgressDialog>
#include <QSet>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;

namespace dovrix {

class AnnotatedPdfExporter;
class DocumentSession;
class MainWindow;
class PagedRun;
class ExportCommands;

// One export format of the window's Export menu: everything the menu and the save dialog need to
// know of it. The texts are translation sources (menu texts in the window's context, dialog texts
// in the commands' context).
struct ExportFormat
{
    const char* objectName; // of the menu action; tests find it by this name
    const char* menuText;
    const char* menuToolTip; // null: none
    bool separatorBefore;
    const char* nameEnding; // appended to the document's base name in the suggested path
    const char* caption;    // of the save dialog
    const char* filter;     // of the save dialog
    void (ExportCommands::*command)();
};

// The window's export and print commands: the current page as a PNG image at 300 dpi, the full
// text in reading order, the annotation summary, the annotated PDF copy (the document's own pages
// with our annotations as standard PDF annotations), the flattened copy (page images) and
// printing. Printing sends that same copy, of the chosen pages, to CUPS as a PDF file; printing
// to a file writes it to the chosen path. Each acts on
// the window's current session when its document is ready, and stays bound to that session until
// it ends: when the session's document goes away (closed, reloaded) the operation is abandoned.
// Renders run on the window's PDF worker at priority 0; files and the printer are written on the
// GUI thread, except the PNG file, which the render job writes. No target may be the source PDF
// or its annotation sidecar.
//
// File dialogs, message boxes and the print dialog go through replaceable functions, so that
// tests can drive the commands without modal dialogs.
class ExportCommands : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ExportCommands)

public:
    static constexpr double PngDpi = 300.0;
    static constexpr double AnnotatedDpi = 200.0;
    // The full-text export's progress dialog appears after this long.
    static constexpr int TextProgressDelayMs = 500;
    // Pages whose text the full-text export asks for ahead of the one it is writing.
    static constexpr int TextReadAhead = 4;

    // (parent, caption, start path, filter) → chosen path, empty when cancelled.
    using SaveFileName =
        std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;
    // (icon, title, text): an information or warning box with an OK button.
    using MessageSink = std::function<void(QMessageBox::Icon, const QString&, const QString&)>;
    // Shows the print dialog for the printer; true when the user accepted.
    using PrintDialog = std::function<bool(QPrinter*)>;
    // (title, text): a question with Yes and No; true for Yes.
    using Question = std::function<bool(const QString&, const QString&)>;
    // Page images sent to a printer outside CUPS are rendered at most this fine.
    static constexpr int MaxPrintDpi = 600;

    explicit ExportCommands(MainWindow* window);
    // Ends a print job in progress; a running annotated export is abandoned.
    ~ExportCommands() override;

    void setSaveFileName(SaveFileName function) { saveFileName = std::move(function); }
    void setMessageSink(MessageSink function) { messageSink = std::move(function); }
    void setPrintDialog(PrintDialog function) { printDialog = std::move(function); }
    void setQuestion(Question function) { question = std::move(function); }
    void setPrintSystem(PrintSystem system) { printSystem = std::move(system); }

    // The PNG export draws our annotations on the page (on by default).
    void setPngWithAnnotations(bool on) { pngAnnotations = on; }
    bool pngWithAnnotations() const { return pngAnnotations; }
    // Choices of the print dialog's own tab, kept between prints: our annotations on the paper
    // (on by default), and the page fitted to the paper or at its own size.
    void setPrintWithAnnotations(bool on) { printAnnotations = on; }
    bool printWithAnnotations() const { return printAnnotations; }
    void setPrintFitToPaper(bool on) { printFit = on; }
    bool printFitToPaper() const { return printFit; }

    // The Export menu, in its order. Adding a format: an entry here and its command.
    static const QList<ExportFormat>& formats();

    void exportPagePng();
    void exportFullText();
    void exportAnnotationSummary();
    void exportAnnotatedPdf();
    void exportFlattenedPdf();
    void print();

    bool isTextExportActive() const;
    bool isPrinting() const;
    // The annotated or the flattened copy, or a print job's copy, is being made.
    bool isAnnotatedExportRunning() const;
    // Created on first use and kept (the user's printer choices persist between prints).
    QPrinter* printer() const { return printDevice.get(); }
    AnnotatedPdfExporter* annotatedExporter() const { return exporter; }
    QProgressDialog* textExportDialog() const;
    QProgressDialog* printProgressDialog() const;
    QProgressDialog* annotatedExportDialog() const;

    // Pixel size of a page of sizePt points rendered at dpi: truncated, the sides swapped for a
    // rotation of 90 or 270, then scaled down to the render cache's pixel limit (each side at
    // least one pixel). Empty for an empty size.
    static QSize pagePixelSize(const QSizeF& sizePt, double dpi, int rotation = 0);
    // 0-based pages to print: every page without ranges; otherwise each range (1-based, first to
    // last) in order, cut at the end of the document.
    static QList<int> pagesToPrint(const QList<QPageRanges::Range>& ranges, int pageCount);
    // Resolution of the page images sent to a printer outside CUPS.
    static int printImageDpi(int printerResolution);

private:
    DocumentSession* readySession() const;
    // The format's name ending in the folder last used for that format, or else in the document's
    // folder.
    QString suggestedPath(DocumentSession* session, const ExportFormat& format) const;
    // The chosen target, or empty when cancelled or when session is no longer the current ready
    // one once the dialog returns.
    QString askSavePath(DocumentSession* session, const ExportFormat& format);
    // True (after telling the user) when path is the source PDF or its sidecar.
    bool refusesTarget(DocumentSession* session, const QString& path, const QString& title);
    void showMessage(QMessageBox::Icon icon, const QString& title, const QString& text);
    void showExported(const QString& path);
    // A run of this command object, its dialog on the window.
    PagedRun* newRun();

    static QString textProgressLabel(int page, int count);
    void textPage(int page);
    void blocksReady(int page);
    void finishText();
    void endText();

    void summaryTextReady(int page);
    void finishSummary();
    void endSummary();

    void annotatedFinished(bool ok, const QString& message);
    void startFlattened(DocumentSession* session, const QString& path);

    enum class CopyPurpose { Export, PrintToFile, Print };
    // Writes the document with the store's annotations (unless withAnnotations is off) to target,
    // keeping pages (all when empty); the text marks first wait for their pages' character boxes.
    void startCopy(DocumentSession* session, CopyPurpose purpose, const QString& target,
                   const QList<int>& pages, bool withAnnotations, const PrintChoices& choices = {});
    void copyBoxesReady(int page);
    void writeCopy();
    void copyWritten(int run, const CopyOutcome& outcome, const PrintHandOver& handOver);
    void endCopy();

    void printImages(DocumentSession* session, const QList<int>& pages);
    void printPage(int page);
    void paintPage(const QImage& image);
    void finishPrint(bool ok, const QString& message);

    MainWindow* window;
    // Never moved on: render results reach these commands as long as they exist.
    Generation renders;
    SaveFileName saveFileName;
    MessageSink messageSink;
    PrintDialog printDialog;
    Question question;
    PrintSystem printSystem;
    bool pngAnnotations = true;
    bool printAnnotations = true;
    bool printFit = true;

    // Full text in reading order: the pages' texts gathered, written at the end.
    PagedRun* textRun = nullptr; // child
    struct TextExport
    {
        bool waitingForBlocks = false; // resumed by readingBlocksReady of the page
        QMetaObject::Connection blocksConnection;
        QString outputPath;
        QString text;
    } text;

    // The summary waits for the texts of the pages its text-anchored annotations quote.
    struct Summary
    {
        QPointer<DocumentSession> session;
        QString outputPath;
        QSet<int> pages; // still to be read
        QList<QMetaObject::Connection> connections;
    } summary;

    PagedRun* printRun = nullptr; // child
    QList<int> printPages;
    QList<Annotation> printMarks; // drawn on the page images
    int printJob = 0;             // the page render a painted image must come from
    QString printFailure;         // why the run was abandoned, when not by the user
    std::unique_ptr<QPainter> printPainter;
    std::unique_ptr<QPrinter> printDevice;

    QHash<QString, QString> lastFolders; // by the format's object name

    AnnotatedPdfExporter* exporter = nullptr; // child, created on first use
    PagedRun* annotatedRun = nullptr;         // child

    // The copy written by the engine: an export, a print to a file or a print job.
    PagedRun* copyRun = nullptr; // child
    struct Copy
    {
        CopyPurpose purpose = CopyPurpose::Export;
        QString target;
        QList<int> pages;
        bool withAnnotations = true;
        PrintChoices choices;
        QSet<int> waitingPages; // whose character boxes the text marks wait for
        QList<QMetaObject::Connection> connections;
        std::shared_ptr<std::atomic<bool>> cancelled;
        int run = 0; // the write a result must come from
        bool writing = false;
    } copy;
};

} // namespace dovrix
