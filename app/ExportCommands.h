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

    void exportPagePng();
    void exportFullText();
    void exportAnnotationSummary();
    void exportAnnotatedPdf();
    void print();

    bool isTextExportActive() const { return text.active; }
    bool isPrinting() const { return printing.on; }
    bool isAnnotatedExportRunning() const;
    // Created on first use and kept (the user's printer choices persist between prints).
    QPrinter* printer() const { return printDevice.get(); }
    AnnotatedPdfExporter* annotatedExporter() const { return exporter; }
    QProgressDialog* textExportDialog() const { return text.dialog.data(); }
    QProgressDialog* printProgressDialog() const { return printing.dialog.data(); }
    QProgressDialog* annotatedExportDialog() const { return annotatedDialog.data(); }

    // Pixel size of a page of sizePt points rendered at dpi: truncated, the sides swapped for a
    // rotation of 90 or 270, then scaled down to the render cache's pixel limit (each side at
    // least one pixel). Empty for an empty size.
    static QSize pagePixelSize(const QSizeF& sizePt, double dpi, int rotation = 0);
    // 0-based pages to print: every page without ranges; otherwise each range (1-based, first to
    // last) in order, cut at the end of the document.
    static QList<int> pagesToPrint(const QList<QPageRanges::Range>& ranges, int pageCount);

private:
    // What a save dialog asks for; each kind remembers the folder it was last saved to.
    enum class SaveKind { PageImage, FullText, Summary, AnnotatedCopy };

    DocumentSession* readySession() const;
    // "<document name>.png", ".txt", "-notes.txt" or "-annotated.pdf" in the folder last used for
    // that kind, or else in the document's folder.
    QString suggestedPath(DocumentSession* session, SaveKind kind) const;
    // The chosen target, or empty when cancelled or when session is no longer the current ready
    // one once the dialog returns.
    QString askSavePath(DocumentSession* session, SaveKind kind, const QString& caption,
                        const QString& filter);
    // True (after telling the user) when path is the source PDF or its sidecar.
    bool refusesTarget(DocumentSession* session, const QString& path, const QString& title);
    void showMessage(QMessageBox::Icon icon, const QString& title, const QString& text);
    void showExported(const QString& path);
    QProgressDialog* progressDialog(const QString& label, int maximum);
    void watch(DocumentSession* session);
    void sessionStatusChanged(DocumentSession* session, int status);
    void sessionDestroyed();
    // Ends the operations bound to session (null: those whose session is gone).
    void abandonFor(DocumentSession* session);

    static QString textProgressLabel(int page, int count);
    void textStep();
    void blocksReady(int page);
    void finishText();
    void endText();

    void summaryTextReady(int page);
    void finishSummary();
    void endSummary();

    void annotatedFinished(bool ok, const QString& message);

    void printStep();
    void paintPage(const QImage& image);
    void finishPrint(bool ok, const QString& message);

    MainWindow* window;
    // Never moved on: render results reach these commands as long as they exist.
    Generation renders;
    SaveFileName saveFileName;
    MessageSink messageSink;
    PrintDialog printDialog;

    struct TextExport
    {
        bool active = false;
        bool waitingForBlocks = false; // resumed by readingBlocksReady of the next page
        bool inStep = false;           // the dialog's value updates may run the event loop
        QPointer<DocumentSession> session;
        QString outputPath;
        int nextPage = 0;
        QString text;
        QPointer<QProgressDialog> dialog;
    } text;

    // The summary waits for the texts of the pages its text-anchored annotations quote.
    struct Summary
    {
        QPointer<DocumentSession> session;
        QString outputPath;
        QSet<int> pages; // still to be read
    } summary;

    struct Printing
    {
        bool on = false;
        QPointer<DocumentSession> session;
        QList<int> pages;
        int next = 0;
        std::unique_ptr<QPainter> painter;
        QPointer<QProgressDialog> dialog;
    } printing;
    std::unique_ptr<QPrinter> printDevice;

    QHash<SaveKind, QString> lastFolders;

    AnnotatedPdfExporter* exporter = nullptr; // child, created on first use
    QPointer<DocumentSession> exportSession;
    QPointer<QProgressDialog> annotatedDialog;
};

} // namespace dovrix
