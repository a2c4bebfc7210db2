#include "annotations/AnnotatedPdfExporter.h"

#include "core/PdfWorker.h"
#include "core/RenderCache.h"
#include "support/TestPdf.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace dovrix;

namespace {

const QColor Band(0, 0, 255);

// Pages of the given sizes in points, white with a blue band over the top 100 points, so that
// the corners show whether the page image fills the whole sheet of the copy.
bool writeBandedPdf(const QString& path, const QList<QSizeF>& sizesPt)
{
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageSize(QPageSize(sizesPt.first(), QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    QPainter painter;
    for (int i = 0; i < sizesPt.size(); ++i) {
        if (i > 0) {
            writer.setPageSize(QPageSize(sizesPt.at(i), QPageSize::Point));
            writer.newPage();
        } else if (!painter.begin(&writer)) {
            return false;
        }
        painter.fillRect(QRectF(0, 0, sizesPt.at(i).width(), 100), Band);
    }
    return painter.end();
}

Annotation annotation(int type, const QRectF& rect, const QColor& color, const QString& text = {})
{
    Annotation a;
    a.id = QString::number(type) + text;
    a.type = type;
    a.rect = rect;
    a.color = color;
    a.text = text;
    return a;
}

// A page of a PDF rendered at 2 pixels per point.
QImage renderPage(const QString& path, int page)
{
    QPdfDocument doc;
    if (doc.load(path) != QPdfDocument::Error::None)
        return {};
    const QSizeF size = doc.pagePointSize(page);
    return doc.render(page, (size * 2).toSize());
}

bool near(const QColor& a, const QColor& b, int tolerance = 40)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}

// Pixels of a vertical run x, y0..y1 whose colour is near color (dashed lines have gaps).
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
    void pixelSize_data();
    void pixelSize();
    void everyPageInOrderWithItsSize();
    void annotationsAreDrawnOnTheImage();
    void cancelLeavesTargetUntouched();
    void failures();
    void startIsIgnored();

private:
    QTemporaryDir dir;
    QString source;
};

void TestAnnotatedExporter::initTestCase()
{
    QVERIFY(dir.isValid());
    source = dir.filePath(QStringLiteral("source.pdf"));
    QVERIFY(writeBandedPdf(source, {QSizeF(595, 842), QSizeF(300, 400), QSizeF(842, 595)}));
}

void TestAnnotatedExporter::pixelSize_data()
{
    QTest::addColumn<QSizeF>("points");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("letter at 200") << QSizeF(612, 792) << 200.0 << QSize(1700, 2200);
    QTest::newRow("A4 at 300") << QSizeF(595, 842) << 300.0 << QSize(2479, 3508);
    QTest::newRow("A4 at 600 within the limit") << QSizeF(595, 842) << 600.0 << QSize(4958, 7016);
    QTest::newRow("empty") << QSizeF() << 200.0 << QSize();
    QTest::newRow("thin page keeps one pixel") << QSizeF(0.1, 500) << 200.0 << QSize(1, 1388);
}

void TestAnnotatedExporter::pixelSize()
{
    QFETCH(QSizeF, points);
    QFETCH(double, dpi);
    QFETCH(QSize, pixels);
    QCOMPARE(AnnotatedPdfExporter::pixelSize(points, dpi), pixels);
}

void TestAnnotatedExporter::everyPageInOrderWithItsSize()
{
    QPdfDocument doc;
    QCOMPARE(doc.load(source), QPdfDocument::Error::None);
    PdfWorker worker;
    AnnotatedPdfExporter exporter;
    QSignalSpy progress(&exporter, &AnnotatedPdfExporter::progress);
    QSignalSpy finished(&exporter, &AnnotatedPdfExporter::finished);
    const QString out = dir.filePath(QStringLiteral("copy.pdf"));
    const QList<QSizeF> sizes{doc.pagePointSize(0), doc.pagePointSize(1), doc.pagePointSize(2)};

    exporter.start(&doc, &worker, sizes, {}, out, 72); // 72 dpi or less means the default
    QVERIFY(exporter.isRunning());
    QCOMPARE(exporter.dpi(), 200.0);
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.first().at(0).toBool(), true);
    QCOMPARE(finished.first().at(1).toString(), out);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(progress.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(progress.at(i).at(0).toInt(), i + 1);
        QCOMPARE(progress.at(i).at(1).toInt(), 3);
    }
    QVERIFY(!exporter.isRunning());

    QPdfDocument copy;
    QCOMPARE(copy.load(out), QPdfDocument::Error::None);
    QCOMPARE(copy.pageCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QVERIFY2(qAbs(copy.pagePointSize(i).width() - sizes.at(i).width()) < 1.0,
                 qPrintable(QString::number(i)));
        QVERIFY(qAbs(copy.pagePointSize(i).height() - sizes.at(i).height()) < 1.0);
    }
    // The image fills the sheet: the band reaches the very corners, on every page size.
    for (int i = 0; i < 3; ++i) {
        const QImage page = renderPage(out, i);
        QVERIFY(near(page.pixelColor(1, 1), Band));
        QVERIFY(near(page.pixelColor(page.width() - 2, 1), Band));
        // Blank parts of the source are white paper in the copy, not transparent holes.
        QCOMPARE(page.pixelColor(page.width() / 2, page.height() - 2), QColor(Qt::white));
    }
    // No text layer survives the flattening.
    QVERIFY(copy.getAllText(0).text().trimmed().isEmpty());
}

void TestAnnotatedExporter::annotationsAreDrawnOnTheImage()
{
    QPdfDocument doc;
    QCOMPARE(doc.load(source), QPdfDocument::Error::None);
    PdfWorker worker;
    AnnotatedPdfExporter exporter;
    QSignalSpy finished(&exporter, &AnnotatedPdfExporter::finished);
    const QString out = dir.filePath(QStringLiteral("annotated.pdf"));
    const QColor yellow(255, 215, 106);
    const QColor red(220, 0, 0);
    Annotation arrow = annotation(Arrow, QRectF(100, 700, 0, 0), red);
    arrow.pt2 = QPointF(300, 700);
    Annotation elsewhere = annotation(Rectangle, QRectF(100, 300, 200, 100), red);
    elsewhere.page = 1;
    const QList<Annotation> list{
        annotation(Highlight, QRectF(100, 200, 200, 40), yellow),
        annotation(Rectangle, QRectF(100, 400, 200, 100), red),
        annotation(Note, QRectF(100, 50, 0, 0), yellow, QStringLiteral("note text")),
        annotation(Note, QRectF(400, 50, 0, 0), yellow),
        arrow,
        elsewhere,
    };
    exporter.start(&doc, &worker, {doc.pagePointSize(0), doc.pagePointSize(1)}, list, out);
    QVERIFY(finished.wait(20000));
    QVERIFY(finished.first().at(0).toBool());

    const QImage page = renderPage(out, 0); // 2 pixels per point
    const QColor highlighted = page.pixelColor(400, 440);
    QVERIFY(highlighted.red() > 230 && highlighted.blue() < highlighted.green() - 30);
    QVERIFY(countNear(page, 200, 820, 980, red) > 60);   // rectangle's dashed left edge
    QVERIFY(near(page.pixelColor(400, 900), Qt::white)); // inside the outline: no brush
    QVERIFY(near(page.pixelColor(208, 100), yellow));    // note marker
    // The note with text has its bubble (white over the band) to the right of the marker; the
    // note without text shows only its marker.
    QVERIFY(near(page.pixelColor(2 * 116, 2 * 46), Qt::white, 20));
    QVERIFY(near(page.pixelColor(2 * 416, 2 * 46), Band));
    QVERIFY(near(page.pixelColor(808, 100), yellow));   // the second marker
    QVERIFY(near(page.pixelColor(400, 1400), red, 60)); // arrow shaft
    QVERIFY(near(page.pixelColor(400, 1380), Qt::white));
    // Page 1 carries only its own annotation.
    const QImage second = renderPage(out, 1);
    QVERIFY(countNear(second, 200, 620, 780, red) > 60);
    QCOMPARE(countNear(page, 200, 620, 780, red), 0);
}

void TestAnnotatedExporter::cancelLeavesTargetUntouched()
{
    QPdfDocument doc;
    QCOMPARE(doc.load(source), QPdfDocument::Error::None);
    PdfWorker worker;
    AnnotatedPdfExporter exporter;
    QSignalSpy progress(&exporter, &AnnotatedPdfExporter::progress);
    QSignalSpy finished(&exporter, &AnnotatedPdfExporter::finished);
    const QList<QSizeF> sizes{doc.pagePointSize(0), doc.pagePointSize(1), doc.pagePointSize(2)};

    // A new target: nothing appears.
    const QString fresh = dir.filePath(QStringLiteral("cancelled.pdf"));
    connect(&exporter, &AnnotatedPdfExporter::progress, &exporter, [&exporter](int done) {
        if (done == 1)
            exporter.cancel();
    });
    exporter.start(&doc, &worker, sizes, {}, fresh);
    QVERIFY(finished.wait(20000));
    QCOMPARE(progress.size(), 1);
    QCOMPARE(finished.first().at(0).toBool(), false);
    QCOMPARE(finished.first().at(1).toString(), QString());
    QVERIFY(!QFile::exists(fresh));

    // An existing target keeps its bytes; the late render of page 2 changes nothing.
    const QString existing = dir.filePath(QStringLiteral("existing.pdf"));
    {
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    exporter.start(&doc, &worker, sizes, {}, existing);
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.size(), 2);
    QVERIFY(worker.waitForIdle(20000));
    QCoreApplication::processEvents();
    QCOMPARE(finished.size(), 2);
    QCOMPARE(test::readAll(existing), QByteArray("keep me"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).filter(QStringLiteral("existing")),
             QStringList{QStringLiteral("existing.pdf")});
}

void TestAnnotatedExporter::failures()
{
    QPdfDocument doc;
    QCOMPARE(doc.load(source), QPdfDocument::Error::None);
    PdfWorker worker;
    AnnotatedPdfExporter exporter;
    QSignalSpy finished(&exporter, &AnnotatedPdfExporter::finished);

    const QString unwritable = dir.filePath(QStringLiteral("missing/dir/copy.pdf"));
    exporter.start(&doc, &worker, {doc.pagePointSize(0)}, {}, unwritable);
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.last().at(0).toBool(), false);
    QCOMPARE(finished.last().at(1).toString(),
             QStringLiteral("无法创建输出文件：%1").arg(unwritable));

    // A page that does not render (beyond the document) aborts with its 1-based number.
    const QString out = dir.filePath(QStringLiteral("broken.pdf"));
    exporter.start(&doc, &worker,
                   {doc.pagePointSize(0), QSizeF(595, 842), QSizeF(595, 842), QSizeF(595, 842)}, {},
                   out);
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.last().at(0).toBool(), false);
    QCOMPARE(finished.last().at(1).toString(), QStringLiteral("第 4 页渲染失败，导出已中止。"));
    QVERIFY(!QFile::exists(out));
}

void TestAnnotatedExporter::startIsIgnored()
{
    QPdfDocument doc;
    QCOMPARE(doc.load(source), QPdfDocument::Error::None);
    PdfWorker worker;
    AnnotatedPdfExporter exporter;
    QSignalSpy finished(&exporter, &AnnotatedPdfExporter::finished);
    const QString out = dir.filePath(QStringLiteral("ignored.pdf"));
    exporter.start(&doc, &worker, {}, {}, out);
    QVERIFY(!exporter.isRunning());
    exporter.start(&doc, &worker, {doc.pagePointSize(0)}, {}, QString());
    QVERIFY(!exporter.isRunning());

    const QString first = dir.filePath(QStringLiteral("first.pdf"));
    exporter.start(&doc, &worker, {doc.pagePointSize(0)}, {}, first);
    exporter.start(&doc, &worker, {doc.pagePointSize(0)}, {}, out); // busy: ignored
    QCOMPARE(exporter.outputPath(), first);
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.size(), 1);
    QVERIFY(QFile::exists(first));
    QVERIFY(!QFile::exists(out));
}

QTEST_MAIN(TestAnnotatedExporter)
#include "tst_annotatedexporter.moc"
