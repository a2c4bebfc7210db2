#pragma once

#include "core/DocumentController.h"
#include "core/Generation.h"
#include "engine/DocumentInside.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QSizeF>

#include <functional>

class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace dovrix {

// What the document says about itself, read on the worker: its properties, the fonts of its
// pages and the files embedded in it. The Qt PDF engine alone answers only the Info entries; the
// rest then says it is not available. Every value can be selected and copied. An attachment is
// only ever saved as a copy where the user chooses; nothing embedded is opened or run.
//
// GUI thread; the reads and the writing of a saved copy are jobs on the controller's worker,
// dropped when the controller's document changes or the dialog goes.
class DocumentPropertiesDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(DocumentPropertiesDialog)

public:
    // (parent, caption, start path) → the chosen file, empty when cancelled.
    using SaveFileName = std::function<QString(QWidget*, const QString&, const QString&)>;
    // A warning or information for the user: (warning?, text).
    using MessageSink = std::function<void(bool, const QString&)>;

    DocumentPropertiesDialog(DocumentController* controller, QWidget* parent = nullptr);

    DocumentController* documentController() const { return controller; }
    // False once the document it describes was closed or reloaded.
    bool isCurrent() const { return controller && ticket.isCurrent(); }

    void setSaveFileName(SaveFileName function) { saveFileName = std::move(function); }
    void setMessageSink(MessageSink sink) { messageSink = std::move(sink); }

    // The values shown on the general tab, label and value, in order (for copying and tests).
    QList<QPair<QString, QString>> generalRows() const { return rows; }
    QTreeWidget* fontList() const { return fonts; }
    QTreeWidget* attachmentList() const { return attachmentTree; }
    // Saves the attachment of a row of the attachment list as a copy (asks where).
    void saveAttachmentCopy(int row);
    // Copies every value of the general tab, one "label: value" line each.
    void copyAll() const;

Q_SIGNALS:
    // The general tab and the attachment list are filled.
    void loaded();
    void fontsLoaded();
    // A copy was written (true) or could not be (false; the message says why).
    void attachmentSaved(bool ok, const QString& path);

private:
    struct Reading
    {
        bool available = false; // the engine could read inside the file
        DocumentProperties properties;
        QList<DocumentAttachment> attachments;
    };

    void requestReading();
    void requestFonts();
    void showReading(const Reading& reading);
    void showFonts(const QList<DocumentFont>& list);
    void addRow(const QString& label, const QString& value);
    void tell(bool warning, const QString& text);

    QPointer<DocumentController> controller;
    Generation::Ticket ticket; // the document this dialog describes
    QTabWidget* tabs;
    QFormLayout* form;
    QComboBox* fontPage;
    QTreeWidget* fonts;
    QTreeWidget* attachmentTree;
    QPushButton* saveButton;
    QLabel* attachmentNote;
    QList<QPair<QString, QString>> rows;
    QList<DocumentAttachment> attachments;
    SaveFileName saveFileName;
    MessageSink messageSink;
    QString lastFolder;
};

// "1.2 MB (1,234,567 bytes)" in the interface language.
QString fileSizeText(qint64 bytes);
// The page size line: "210 × 297 mm (A4)", or a count of sizes when the pages differ.
QString pageSizeText(const QList<QSizeF>& sizesPt);

} // namespace dovrix
