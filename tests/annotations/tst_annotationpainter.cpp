#include "annotations/AnnotationPainter.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace dovrix;

namespace {

// Paints one annotation over rectPt on a white page of 300 x 200 points at scale pixels per
// point, in the given style.
QImage painted(const Annotation& a, const QRectF& rectPt, const AnnotationStyle& style,
               double scale)
{
    QImage image(QSize(300, 200) * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const AnnotationPainter painter(
        p, style, [scale](const QPointF& pt) { return pt * scale; }, QRectF(image.rect()));
    painter.paint(a, rectPt);
    p.end();
    return image;
}

int inkedPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    }
    return n;
}

} // namespace

class TestAnnotationPainter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every type of the table has a drawing, on screen and on paper.
    void everyTypeDraws()
    {
        for (const AnnotationTypeInfo& info : annotationTypes) {
            Annotation a;
            a.type = info.type;
            a.color = QColor(200, 30, 30);
            const QRectF rect =
                info.shape == AnnotationShape::Point || info.shape == AnnotationShape::Line
                    ? QRectF(60, 60, 0, 0)
                    : QRectF(60, 60, 100, 20);
            QVERIFY2(inkedPixels(painted(a, rect, AnnotationStyle::screen(), 1)) > 20, info.name);
            QVERIFY2(inkedPixels(painted(a, rect, AnnotationStyle::paper(2), 2)) > 80, info.name);
        }
    }

    // A note bubble leaves its annotation visible, and stays on the page when it can.
    void bubbleBesideTheAnnotation()
    {
        Annotation a;
        a.type = AnnotationType::Highlight;
        const QRectF words(20, 40, 120, 14);
        const AnnotationStyle paper = AnnotationStyle::paper(2);
        const QImage plain = painted(a, words, paper, 2);
        a.text = QStringLiteral("a remark on these words");
        const QImage remarked = painted(a, words, paper, 2);
        QVERIFY(remarked != plain);
        const QRect inside = QRectF(words.topLeft() * 2, words.size() * 2).toAlignedRect();
        QCOMPARE(remarked.copy(inside), plain.copy(inside));

        // At the right edge of the page the bubble goes left of the note's marker.
        a.type = AnnotationType::Note;
        const QRect leftOfMarker(0, 2 * 93, 2 * 275, 40);
        const QRectF nearEdge(290, 100, 0, 0);
        QVERIFY(inkedPixels(painted(a, nearEdge, paper, 2).copy(leftOfMarker)) > 0);
        a.text.clear();
        QCOMPARE(inkedPixels(painted(a, nearEdge, paper, 2).copy(leftOfMarker)), 0);
    }

    void arrowHeadPoints()
    {
        const QPolygonF h = arrowHead(QPointF(0, 0), QPointF(100, 0));
        QCOMPARE(h.size(), 3);
        QCOMPARE(h.at(0), QPointF(100, 0));
        QVERIFY(h.at(1).x() < 100 && h.at(1).y() > 0);
        QVERIFY(h.at(2).x() < 100 && h.at(2).y() < 0);
        QVERIFY(std::abs(QLineF(h.at(0), h.at(1)).length() - 12) < 1e-9);
    }

    void bubbleCut()
    {
        QCOMPARE(bubbleText(QString(200, QLatin1Char('x'))), QString(200, QLatin1Char('x')));
        const QString cut = bubbleText(QString(300, QLatin1Char('x')));
        QCOMPARE(cut.size(), 201);
        QVERIFY(cut.endsWith(QChar(0x2026)));
        // A surrogate pair straddling the cut is not split.
        const QString emoji = QString(199, QLatin1Char('x')) + QString::fromUcs4(U"\U0001F600")
                              + QString(50, QLatin1Char('y'));
        QCOMPARE(bubbleText(emoji), QString(199, QLatin1Char('x')) + QChar(0x2026));
    }

    // A note bubble sits beside the annotated text, never on it.
    void bubblePlacement_data()
    {
        QTest::addColumn<QRectF>("annotation");
        QTest::addColumn<QRectF>("expected");
        const QSizeF bubble(100, 30);
        QTest::newRow("right") << QRectF(100, 100, 200, 20) << QRectF(QPointF(308, 100), bubble);
        QTest::newRow("left when the right is cut")
            << QRectF(400, 100, 350, 20) << QRectF(QPointF(292, 100), bubble);
        QTest::newRow("below when both are cut")
            << QRectF(50, 100, 650, 20) << QRectF(QPointF(50, 128), bubble);
        QTest::newRow("right when nothing fits")
            << QRectF(0, 0, 800, 600) << QRectF(QPointF(808, 0), bubble);
    }
    void bubblePlacement()
    {
        QFETCH(QRectF, annotation);
        QFETCH(QRectF, expected);
        const QRectF r = bubbleRect(annotation, QSizeF(100, 30), QRectF(0, 0, 800, 600));
        QCOMPARE(r, expected);
        if (annotation.width() < 800)
            QVERIFY(!r.intersects(annotation));
    }
};

QTEST_MAIN(TestAnnotationPainter)
#include "tst_annotationpainter.moc"
