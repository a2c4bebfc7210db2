#include "annotations/AnnotatedPdfExporter.h"

#include "core/PdfWorker.h"
#include "tests/support/ExportFixtures.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace dovrix;

namespace {

const QColor Band(0, 0, 255);

Annotation annotation(AnnotationType type, const QRectF& rect, const QColor& color,
                      const QString& text = {})
{
    Annotation a;
    a.type = type;
    a.rect = rect;
    a.color = color;
    a.text = text;
    return a;
}

bool near(const QColor& a, const QColor& b, int tolerance = 40)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}

// Pixels of the column x, y0..y1 near color (a dashed line has gaps).
int countNear(const QImage& image, int x, int y0, int y1, const QColor& color)
{
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        n += near(image.pixelColor(x, y), color, 60) ? 1 : 0;
    return n;
}

} // namespace

class TestAnnotatedExporter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyPageInOrderWithItsSize();
    void annotationsAreDrawnOnTheImage();
    void cancelLeavesTargetUntouched();
    void failuresAndIgnoredStarts();

private:
    QTemporaryDir dir;
    QString source;
    // Outlives every job.
    DocumentHandle handle;
    QList<QSizeF> sizes;
};

void TestAnnotatedExporter::initTestCase()
{
    QVERIFY(dir.isValid());
    source = dir.filePath(QStringLiteral("source.pdf"));
    QVERIFY(
        test::writeBandedPdf(source, {QSizeF(595, 842), QSizeF(300, 400), QSizeF(842, 595)}, Band));
    handle = DocumentHandle(PdfDocument::open(source).document);
    QVERIFY(handle);
    sizes = handle->pageSizes();
}

void TestAnnotatedExporter::everyPageInOrderWithItsSize()
{
    PdfWorker worker;
    AnnotatedPdfExporter exporter;
    QSignalSpy progress(&exporter, &AnnotatedPdfExporter::progress);
    QSignalSpy finished(&exporter, &AnnotatedPdfExporter::finished);
    const QString out = dir.filePath(QStringLiteral("copy.pdf"));

    exporter.start(handle, &worker, sizes, {}, out, 72); // 72 dpi or less means the default
    QCOMPARE(exporter.dpi(), 200.0);
    QVERIFY(finished.wait(test::TimeoutMs));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first(), (QList<QVariant>{true, out}));
    QCOMPARE(progress.size(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(progress.at(i), (QList<QVariant>{i + 1, 3}));

    const OpenResult opened = PdfDocument::open(out);
    QVERIFY(opened.document);
    PdfDocument& copy = *opened.document;
    QCOMPARE(copy.pageCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const QSizeF size = copy.pageGeometry(i).size;
        QVERIFY(qAbs(size.width() - sizes.at(i).width()) < 1.0);
        QVERIFY(qAbs(size.height() - sizes.at(i).height()) < 1.0);
        // The image fills the sheet: the band reaches the very corners.
        const QImage page = test::renderOnWhite(out, i, 2);
        QVERIFY(near(page.pixelColor(1, 1), Band));
        QVERIFY(near(page.pixelColor(page.width() - 2, 1), Band));
    }
    // Blank parts of the source are white paper in the copy, not transparent holes.
    const QImage raw = copy.render(0, QSize(595, 842), 0);
    QCOMPARE(raw.pixelColor(300, 800), QColor(Qt::white));
    QVERIFY(copy.pageText(0).text.trimmed().isEmpty()); // flattened: no text layer
}

void TestAnnotatedExporter::annotationsAreDrawnOnTheImage()
{
    PdfWorker worker;
    AnnotatedPdfExporter exporter;
    QSignalSpy finished(&exporter, &AnnotatedPdfExporter::finished);
    const QString out = dir.filePath(QStringLiteral("annotated.pdf"));
    const QColor yellow(255, 215, 106);
    const QColor red(220, 0, 0);
    Annotation arrow = annotation(AnnotationType::Arrow, QRectF(100, 700, 0, 0), red);
    arrow.pt2 = QPointF(300, 700);
    Annotation elsewhere = annotation(AnnotationType::Rectangle, QRectF(100, 300, 200, 100), red);
    elsewhere.page = 1;
    const QList<Annotation> list{
        annotation(AnnotationType::Highlight, QRectF(100, 200, 200, 40), yellow),
        annotation(AnnotationType::Rectangle, QRectF(100, 400, 200, 100), red),
        annotation(AnnotationType::Note, QRectF(100, 50, 0, 0), yellow,
                   QStringLiteral("note text")),
        annotation(AnnotationType::Note, QRectF(400, 50, 0, 0), yellow),
        arrow,
        elsewhere,
    };
    exporter.start(handle, &worker, sizes.mid(0, 2), list, out);
    QVERIFY(finished.wait(test::TimeoutMs));
    QVERIFY(finished.first().at(0).toBool());

    const QImage page = test::renderOnWhite(out, 0, 2); // 2 pixels per point
    const QColor highlighted = page.pixelColor(400, 440);
    QVERIFY(highlighted.red() > 230 && highlighted.blue() < highlighted.green() - 30);
    QVERIFY(countNear(page, 200, 820, 980, red) > 60);   // the frame's dashed left edge
    QVERIFY(near(page.pixelColor(400, 900), Qt::white)); // no brush inside it
    QVERIFY(near(page.pixelColor(208, 100), yellow));    // note markers
    QVERIFY(near(page.pixelColor(808, 100), yellow));
    // Only the note with text has a bubble (white over the band) beside its marker.
    QVERIFY(near(page.pixelColor(2 * 119, 2 * 50), Qt::white, 20));
    QVERIFY(near(page.pixelColor(2 * 419, 2 * 50), Band));
    QVERIFY(near(page.pixelColor(400, 1400), red, 60)); // arrow shaft
    QVERIFY(near(page.pixelColor(400, 1380), Qt::white));
    // Each page carries only its own annotations.
    QVERIFY(countNear(test::renderOnWhite(out, 1, 2), 200, 620, 780, red) > 60);
    QCOMPARE(countNear(page, 200, 620, 780, red), 0);
}

void TestAnnotatedExporter::cancelLeavesTargetUntouched()
{
    PdfWorker worker;
    AnnotatedPdfExporter exporter;
    QSignalSpy progress(&exporter, &AnnotatedPdfExporter::progress);
    QSignalSpy finished(&exporter, &AnnotatedPdfExporter::finished);
    connect(&exporter, &AnnotatedPdfExporter::progress, &exporter, [&exporter](int done) {
        if (done == 1)
            exporter.cancel();
    });

    const QString fresh = dir.filePath(QStringLiteral("cancelled.pdf"));
    exporter.start(handle, &worker, sizes, {}, fresh);
    QVERIFY(finished.wait(test::TimeoutMs));
    QCOMPARE(progress.size(), 1);
    QCOMPARE(finished.first(), (QList<QVariant>{false, QString()}));
    QVERIFY(!QFile::exists(fresh));

    // An existing target keeps its bytes; the late render of page 2 changes nothing.
    const QString existing = dir.filePath(QStringLiteral("existing.pdf"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    exporter.start(handle, &worker, sizes, {}, existing);
    QVERIFY(finished.wait(test::TimeoutMs));
    QVERIFY(worker.waitForIdle(test::TimeoutMs));
    QCoreApplication::processEvents();
    QCOMPARE(finished.size(), 2);
    QCOMPARE(test::readAll(existing), QByteArray("keep me"));
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("existing*")}, QDir::Files),
             QStringList{QStringLiteral("existing.pdf")});
}

void TestAnnotatedExporter::failuresAndIgnoredStarts()
{
    PdfWorker worker;
    AnnotatedPdfExporter exporter;
    QSignalSpy finished(&exporter, &AnnotatedPdfExporter::finished);

    const QString unwritable = dir.filePath(QStringLiteral("missing/dir/copy.pdf"));
    exporter.start(handle, &worker, sizes, {}, unwritable);
    QVERIFY(finished.wait(test::TimeoutMs));
    QCOMPARE(finished.last(),
             (QList<QVariant>{false, QStringLiteral("无法创建输出文件：%1").arg(unwritable)}));

    // A page that does not render (beyond the document) aborts with its 1-based number.
    const QString out = dir.filePath(QStringLiteral("broken.pdf"));
    exporter.start(handle, &worker, sizes + QList<QSizeF>{QSizeF(595, 842)}, {}, out);
    QVERIFY(finished.wait(test::TimeoutMs));
    QCOMPARE(finished.last(),
             (QList<QVariant>{false, QStringLiteral("第 4 页渲染失败，导出已中止。")}));
    QVERIFY(!QFile::exists(out));

    // No pages, no path, or busy: nothing starts.
    exporter.start(handle, &worker, {}, {}, out);
    QVERIFY(!exporter.isRunning());
    exporter.start(handle, &worker, sizes, {}, QString());
    QVERIFY(!exporter.isRunning());
    const QString first = dir.filePath(QStringLiteral("first.pdf"));
    exporter.start(handle, &worker, sizes.mid(0, 1), {}, first);
    exporter.start(handle, &worker, sizes.mid(0, 1), {}, out);
    QCOMPARE(exporter.outputPath(), first);
    QVERIFY(finished.wait(test::TimeoutMs));
    QCOMPARE(finished.size(), 3);
    QVERIFY(QFile::exists(first));
    QVERIFY(!QFile::exists(out));
}

QTEST_MAIN(TestAnnotatedExporter)
#include "tst_annotatedexporter.moc"
