#pragma once

#include "core/DocumentStatus.h"

#include <QList>
#include <QObject>
#include <QSizeF>
#include <QString>

#include <atomic>

class QFileSystemWatcher;
class QPdfDocument;

namespace dovrix {

class PdfWorker;

// SHA-256 of a file's contents as 64 lower-case hex characters; empty when it cannot be read.
// Runs on the worker thread during loads.
QString hashFile(const QString& path);

// Translated message for a QPdfDocument::Error value.
QString errorMessage(int pdfError);

// Opens one PDF for one document session: hashes and loads it on the worker, runs the password
// protocol, and watches the file for real content changes. Never writes the file.
class DocumentController : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(DocumentController)

public:
    explicit DocumentController(PdfWorker* worker, QObject* parent = nullptr);
    ~DocumentController() override;

    void openFile(const QString& path);
    void reload();
    void submitPassword(const QString& password);

    int status() const { return currentStatus; }
    QString filePath() const { return path; }
    QString sourceHash() const { return hash; }
    // Owned by the controller; only valid in Ready and PasswordRequired. Use it only from jobs
    // posted to the worker (or to attach models on the GUI thread).
    QPdfDocument* document() const { return doc; }
    const QList<QSizeF>& pageSizes() const { return sizes; }
    int pageCount() const { return int(sizes.size()); }
    PdfWorker* worker() const { return pdfWorker; }

Q_SIGNALS:
    void statusChanged(int status, const QString& message);
    void documentReady();
    void passwordRequired(bool wrongPrevious);
    void sourceFileModified();

private:
    PdfWorker* pdfWorker;
    QPdfDocument* doc = nullptr;
    QFileSystemWatcher* watcher;
    int currentStatus = Idle;
    QString path;
    QString hash;
    QList<QSizeF> sizes;
    std::atomic<qint64> loadGeneration{0};
};

} // namespace dovrix
