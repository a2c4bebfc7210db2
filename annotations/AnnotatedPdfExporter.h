#pragma once

#include "annotations/Annotation.h"
#include "core/PdfWorker.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSizeF>
#include <QString>

#include <atomic>
#include <memory>

class QPainter;
class QPdfWriter;
class QSaveFile;

namespace dovrix {

class PdfWorker;

// Writes a flattened copy of a document with its annotations drawn in: every page is rendered at
// a fixed resolution on the worker, the image fills a page of the new PDF and the annotations are
// painted over it as vector shapes. One page image exists at a time; the next page is requested
// only after the previous one has been composed. The copy is written through a save file, so the
// target path never holds a partial file: after a failure or a cancel it is left as it was.
//
// Everything but the render job runs on the GUI thread. The document must stay loaded while an
// export runs (it is only read by jobs on the worker); the caller cancels before releasing it.
class AnnotatedPdfExporter : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(AnnotatedPdfExporter)

public:
    static constexpr double DefaultDpi = 200.0;

    explicit AnnotatedPdfExporter(QObject* parent = nullptr);
    // A running export is abandoned; the target path is left untouched.
    ~AnnotatedPdfExporter() override;

    // Ignored while running, without pages, document or worker, or with an empty output path.
    // dpi of 72 or less becomes DefaultDpi.
    void start(DocumentHandle document, PdfWorker* worker, const QList<QSizeF>& pageSizesPt,
               const QList<Annotation>& annotations, const QString& outputPath,
               double dpi = DefaultDpi);
    // Ends a running export with finished(false, "") and leaves the target untouched.
    void cancel();

    bool isRunning() const { return running; }
    double dpi() const { return resolution; }
    QString outputPath() const { return output; }

    // The page rendered by the engine has a transparent background where the page has no
    // content; this puts it on white paper as the page view shows it. Safe on any thread.
    static QImage onWhitePaper(const QImage& image);
    // Paints the annotations of page (those whose page matches, in list order) on a page of
    // pageSizePt points with scale device pixels per point.
    static void paintAnnotations(QPainter& painter, const QList<Annotation>& annotations, int page,
                                 const QSizeF& pageSizePt, double scale);

Q_SIGNALS:
    void progress(int done, int total);
    // Once per export: ok with the output path, or the error text (empty after a cancel).
    void finished(bool ok, const QString& message);

private:
    void requestPage();
    void composePage(int page, const QImage& image);
    void finish(bool ok, const QString& message);

    bool running = false;
    // Moved on by start, cancel and the destructor: a render job of an older one does nothing.
    Generation generation;
    DocumentHandle document; // kept until the next export
    QPointer<PdfWorker> worker;
    QList<QSizeF> sizes;
    QList<Annotation> list;
    QString output;
    double resolution = DefaultDpi;
    int pageIndex = 0;
    std::unique_ptr<QSaveFile> file;
    std::unique_ptr<QPdfWriter> writer;
    std::unique_ptr<QPainter> painter;
};

} // namespace dovrix
