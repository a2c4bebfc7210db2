#pragma once

#include "core/Generation.h"

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
// text in reading order, the annotation summary, the annotated PDF copy and printing. Each acts on
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

    // (parent, caption, start path, filter) → chosen path, empty when cancelled.
    using SaveFileName =
        std::function<QString(QWidget*, const QString&, const QString&, const QString&)>;
    // (icon, title, text): an information or warning box with an OK button.
    using MessageSink = std::function<void(QMessageBox::Icon, const QString&, const QString&)>;
    // Shows the print dialog for the printer; true when the user accepted.
    using PrintDialog = std::function<bool(QPrinter*)>;

    explicit ExportCommands(MainWindow* window);
    // Ends a print job in progress; a running annotated export is abandoned.
    ~ExportCommands() override;

    void setSaveFileName(SaveFileName function) { saveFileName = std::move(function); }
    void setMessageSink(MessageSink function) { messageSink = std::move(function); }
    void setPrintDialog(PrintDialog function) { printDialog = std::move(function); }

    // The Export menu, in its order. Adding a format: an entry here and its command.
    static const QList<ExportFormat>& formats();

    void exportPagePng();
    void exportFullText();
    void exportAnnotationSummary();
    void exportAnnotatedPdf();
    void print();

    bool isTextExportActive() const;
    bool isPrinting() const;
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

    void printPage(int page);
    void paintPage(const QImage& image);
    void finishPrint(bool ok, const QString& message);

    MainWindow* window;
    // Never moved on: render results reach these commands as long as they exist.
    Generation renders;
    SaveFileName saveFileName;
    MessageSink messageSink;
    PrintDialog printDialog;

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
    int printJob = 0;     // the page render a painted image must come from
    QString printFailure; // why the run was abandoned, when not by the user
    std::unique_ptr<QPainter> printPainter;
    std::unique_ptr<QPrinter> printDevice;

    QHash<QString, QString> lastFolders; // by the format's object name

    AnnotatedPdfExporter* exporter = nullptr; // child, created on first use
    PagedRun* annotatedRun = nullptr;         // child
};

} // namespace dovrix
