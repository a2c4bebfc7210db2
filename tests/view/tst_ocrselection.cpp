// Recognised text in the page view: on a page without a text layer the stored OCR lines are
// selected by dragging, copied, taken word by word and highlighted, like a PDF's own text.

#include "support/TestPdf.h"
#include "support/ViewportRig.h"
#include "view/OcrTextGeometry.h"

#include <QClipboard>
#include <QTemporaryDir>
#include <QtTest>

using namespace dovrix;
using namespace dovrix::test;

namespace {

const QList<OcrLine> Lines = {{QRectF(72, 100, 340, 20), QStringLiteral("Invoice 2041 paid"), 0.9f},
                              {QRectF(72, 140, 220, 20), QStringLiteral("second line"), 0.8f}};

// Centre of character k of line i, in viewport pixels.
QPoint charAt(ViewportRig& rig, int line, int k)
{
    const QRectF& box = Lines.at(line).box;
    const double width = box.width() / Lines.at(line).text.size();
    return rig.toViewport(0, QPointF(box.x() + width * (k + 0.5), box.center().y()));
}

} // namespace

class TestOcrSelection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void charactersShareTheirLineBox();
    void dragSelectsAndCopiesRecognisedText();
    void doubleClickSelectsAWord();
    void highlightCoversTheSelectedPartOfEachLine();

private:
    bool openScan(ViewportRig& rig);
    void drag(ViewportRig& rig, const QPoint& from, const QPoint& to);

    QTemporaryDir dir;
    QString pdf;
};

void TestOcrSelection::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestOcrSelection::init()
{
    // A file of its own for every test: annotations drawn by one stay in its sidecar.
    static int serial = 0;
    pdf = dir.filePath(QStringLiteral("scan%1.pdf").arg(++serial));
    QVERIFY(writeTextPdf(pdf, {QString()})); // a page without any text
    QGuiApplication::clipboard()->setText(QStringLiteral("sentinel"));
}

bool TestOcrSelection::openScan(ViewportRig& rig)
{
    if (!rig.open(pdf))
        return false;
    rig.text.setOcrResult(0, OcrPageText::fromLines(Lines));
    return true;
}

void TestOcrSelection::drag(ViewportRig& rig, const QPoint& from, const QPoint& to)
{
    QWidget* target = rig.view.viewport();
    QTest::mousePress(target, Qt::LeftButton, {}, from);
    QTest::mouseMove(target, (from + to) / 2);
    QTest::mouseMove(target, to);
    QTest::mouseRelease(target, Qt::LeftButton, {}, to);
}

void TestOcrSelection::charactersShareTheirLineBox()
{
    const QList<QRectF> boxes = ocrCharBoxes(OcrPageText::fromLines(Lines));
    QCOMPARE(boxes.size(), OcrPageText::fromLines(Lines).text.size());
    QCOMPARE(boxes.at(0), QRectF(72, 100, 20, 20)); // 340 points over 17 characters
    QCOMPARE(boxes.at(16).right(), 412.0);
    QVERIFY(boxes.at(17).isNull()); // the line feed
    QCOMPARE(boxes.at(18), QRectF(72, 140, 20, 20));
    QVERIFY(ocrCharBoxes(OcrPageText()).isEmpty());
    // A search hit inside a line covers its own characters only.
    QCOMPARE(ocrSpanBox(Lines.at(0), 8, 4), QRectF(232, 100, 80, 20));
    QCOMPARE(ocrSpanBox(Lines.at(0), 15, 9).right(), 412.0);
    QVERIFY(ocrSpanBox(Lines.at(0), 17, 2).isNull());
    // On a page scanned upside down the text runs from the right edge, sideways down or up.
    OcrLine turned = Lines.at(0);
    turned.direction = OcrTextDirection::RightToLeft;
    QCOMPARE(ocrSpanBox(turned, 0, 4), QRectF(332, 100, 80, 20));
    turned.box = QRectF(100, 72, 20, 340);
    turned.direction = OcrTextDirection::TopToBottom;
    QCOMPARE(ocrSpanBox(turned, 8, 4), QRectF(100, 232, 20, 80));
    turned.direction = OcrTextDirection::BottomToTop;
    QCOMPARE(ocrSpanBox(turned, 0, 4), QRectF(100, 332, 20, 80));
}

void TestOcrSelection::dragSelectsAndCopiesRecognisedText()
{
    ViewportRig rig;
    QVERIFY(openScan(rig));
    QSignalSpy copied(&rig.view, &PdfViewport::textCopied);
    drag(rig, charAt(rig, 0, 8), charAt(rig, 0, 11));
    QVERIFY(rig.view.selection()->hasSelection());
    QCOMPARE(rig.view.selection()->selectionRange().start, 8);
    QCOMPARE(rig.view.selection()->selectionRange().length, 4);
    QCOMPARE(rig.view.selection()->selectedText(), QStringLiteral("2041"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2041"));
    QCOMPARE(copied.size(), 1);
    QCOMPARE(copied.first().first().toInt(), 4);

    // Across lines, backwards: whole characters, the lines joined by a line feed.
    drag(rig, charAt(rig, 1, 5), charAt(rig, 0, 8));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2041 paid\nsecond"));

    // The selection is painted over the recognised characters.
    const QImage image = rig.render();
    const QPoint inside = charAt(rig, 0, 13);
    const QColor painted = image.pixelColor(inside * image.devicePixelRatio());
    QVERIFY2(painted.blue() > painted.red() + 20, qPrintable(painted.name()));
}

void TestOcrSelection::doubleClickSelectsAWord()
{
    ViewportRig rig;
    QVERIFY(openScan(rig));
    QWidget* target = rig.view.viewport();
    const QPoint pos = charAt(rig, 1, 8); // "line"
    QTest::mouseClick(target, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(target, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(target, Qt::LeftButton, {}, pos);
    QCOMPARE(rig.view.selection()->selectedText(), QStringLiteral("line"));
}

void TestOcrSelection::highlightCoversTheSelectedPartOfEachLine()
{
    ViewportRig rig;
    QVERIFY(openScan(rig));
    rig.view.annotations()->setActive(true);
    rig.view.annotations()->setType(AnnotationType::Highlight);
    drag(rig, charAt(rig, 0, 8), charAt(rig, 1, 5));
    // One rectangle per line part: "2041 paid" and "second".
    const QList<Annotation> added = rig.annotations.allAnnotations();
    QCOMPARE(added.size(), 2);
    for (const Annotation& a : added) {
        QCOMPARE(a.type, AnnotationType::Highlight);
        QVERIFY(!a.byText);
    }
    QCOMPARE(added.at(0).rect, QRectF(72 + 8 * 20, 100, 9 * 20, 20));
    QCOMPARE(added.at(1).rect, QRectF(72, 140, 6 * 20, 20));
}

QTEST_MAIN(TestOcrSelection)
#include "tst_ocrselection.moc"
