// Text detection without a network: input size and tensor, binarisation, 4-connected components,
// box expansion and mapping, reading order.

#include "ocr/OcrDetection.h"
#include "ocr/OcrOrientation.h"

#include <QPainter>
#include <QtTest>

#include <vector>

using namespace dovrix;

namespace {

// A probability map drawn as text: '.' 0, '=' exactly 0.3, '#' 0.9, 'o' 0.55, 'l' 0.5.
struct Map
{
    int width = 0;
    int height = 0;
    std::vector<float> values;
};

Map drawMap(const QStringList& rows)
{
    Map map;
    map.height = int(rows.size());
    map.width = int(rows.first().size());
    for (const QString& row : rows) {
        for (QChar cell : row) {
            switch (cell.toLatin1()) {
            case '=':
                map.values.push_back(0.3f);
                break;
            case '#':
                map.values.push_back(0.9f);
                break;
            case 'o':
                map.values.push_back(0.55f);
                break;
            case 'l':
                map.values.push_back(0.5f);
                break;
            default:
                map.values.push_back(0.0f);
            }
        }
    }
    return map;
}

QList<QRect> componentRects(const QList<TextComponent>& components)
{
    QList<QRect> rects;
    for (const TextComponent& c : components)
        rects << QRect(QPoint(c.minX, c.minY), QPoint(c.maxX, c.maxY));
    return rects;
}

bool closeTo(const QRectF& a, const QRectF& b)
{
    return qAbs(a.x() - b.x()) < 1e-9 && qAbs(a.y() - b.y()) < 1e-9
           && qAbs(a.width() - b.width()) < 1e-9 && qAbs(a.height() - b.height()) < 1e-9;
}

} // namespace

class TestOcrDetection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void inputSize_data();
    void inputSize();
    void sourceImageFormat();
    void tensorIsPlanarAndNormalised();
    void detectionAreaHoldsTheInk_data();
    void detectionAreaHoldsTheInk();
    void components_data();
    void components();
    void componentSizeAndConfidence_data();
    void componentSizeAndConfidence();
    void expansionAndMapping();
    void readingOrder_data();
    void readingOrder();
    void skewedPagesAreTurnedLevel_data();
    void skewedPagesAreTurnedLevel();
    void blankPagesAreLevel();
};

void TestOcrDetection::inputSize_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("A4 at 300 dpi") << QSize(2480, 3508) << QSize(672, 960);
    QTest::newRow("tiny is raised to 32") << QSize(20, 5) << QSize(32, 32);
    QTest::newRow("small is not enlarged") << QSize(100, 50) << QSize(96, 32);
    QTest::newRow("limit exactly") << QSize(960, 500) << QSize(960, 480);
    QTest::newRow("landscape") << QSize(4000, 1000) << QSize(960, 224);
    QTest::newRow("just above the limit") << QSize(961, 10) << QSize(960, 32);
    QTest::newRow("one pixel") << QSize(1, 1) << QSize(32, 32);
}

void TestOcrDetection::inputSize()
{
    QFETCH(QSize, source);
    QFETCH(QSize, expected);
    QCOMPARE(detectionInputSize(source, 960), expected);
}

void TestOcrDetection::sourceImageFormat()
{
    QImage rgb32(5, 4, QImage::Format_RGB32);
    rgb32.fill(Qt::red);
    QCOMPARE(detectionSourceImage(rgb32).cacheKey(), rgb32.cacheKey()); // not copied
    QImage rgb888(5, 4, QImage::Format_RGB888);
    rgb888.fill(Qt::red);
    QCOMPARE(detectionSourceImage(rgb888).cacheKey(), rgb888.cacheKey());
    for (QImage::Format format : {QImage::Format_ARGB32_Premultiplied, QImage::Format_Grayscale8,
                                  QImage::Format_Indexed8, QImage::Format_Mono}) {
        QImage other(5, 4, format);
        other.fill(0);
        const QImage source = detectionSourceImage(other);
        QCOMPARE(source.format(), QImage::Format_RGB32);
        QCOMPARE(source.size(), other.size());
    }

    // A page render is transparent where the page is empty: that must read as white paper, not
    // as black (which would hide black text).
    QImage render(4, 2, QImage::Format_ARGB32_Premultiplied);
    render.fill(Qt::transparent);
    render.setPixel(1, 1, qRgba(0, 0, 0, 255));
    render.setPixel(2, 1, qPremultiply(qRgba(0, 0, 0, 128)));
    const QImage paper = detectionSourceImage(render);
    QCOMPARE(paper.format(), QImage::Format_RGB32);
    QCOMPARE(paper.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(paper.pixel(1, 1), qRgb(0, 0, 0));
    QVERIFY(qAbs(qGray(paper.pixel(2, 1)) - 127) <= 2);
}

void TestOcrDetection::tensorIsPlanarAndNormalised()
{
    // Three columns: rows of RGB888 are padded, so a stride mistake shows.
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(2, 1, qRgb(0, 0, 255));
    image.setPixel(1, 1, qRgb(0, 0, 0));
    const std::vector<float> tensor = detectionTensor(image);
    QCOMPARE(tensor.size(), size_t(3 * 2 * 3));
    const float mean[3] = {0.485f, 0.456f, 0.406f};
    const float deviation[3] = {0.229f, 0.224f, 0.225f};
    auto at = [&](int c, int row, int column) { return tensor[c * 6 + row * 3 + column]; };
    auto expect = [&](int c, float byte) { return (byte / 255.0f - mean[c]) / deviation[c]; };
    QCOMPARE(at(0, 0, 0), expect(0, 255)); // red pixel
    QCOMPARE(at(1, 0, 0), expect(1, 0));
    QCOMPARE(at(2, 0, 0), expect(2, 0));
    QCOMPARE(at(2, 1, 2), expect(2, 255)); // blue pixel, last of the buffer's planes
    QCOMPARE(at(0, 1, 2), expect(0, 0));
    QCOMPARE(at(1, 1, 1), expect(1, 0));   // black
    QCOMPARE(at(1, 0, 1), expect(1, 255)); // white
}

void TestOcrDetection::detectionAreaHoldsTheInk_data()
{
    QTest::addColumn<QRect>("ink");
    QTest::addColumn<int>("grey");
    QTest::addColumn<QRect>("expected");
    const QRect whole(0, 0, 672, 960);
    QTest::newRow("blank page: all of it") << QRect() << 0 << whole;
    QTest::newRow("near-white specks are no ink") << QRect(300, 400, 40, 10) << 230 << whole;
    QTest::newRow("a word, margin and cells around it")
        << QRect(300, 400, 40, 10) << 200 << QRect(256, 352, 128, 96);
    QTest::newRow("ink in a corner stays inside")
        << QRect(0, 950, 5, 10) << 0 << QRect(0, 896, 64, 64);
    QTest::newRow("ink across the page") << QRect(0, 0, 672, 960) << 0 << whole;
}

void TestOcrDetection::detectionAreaHoldsTheInk()
{
    QFETCH(QRect, ink);
    QFETCH(int, grey);
    QFETCH(QRect, expected);
    QImage page(672, 960, QImage::Format_RGB32);
    page.fill(Qt::white);
    if (!ink.isNull()) {
        QPainter painter(&page);
        painter.fillRect(ink, QColor(grey, grey, grey));
    }
    QCOMPARE(detectionArea(page, 32, 32), expected);
}

void TestOcrDetection::components_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<QRect>>("expected");

    QTest::newRow("probability 0.3 is background")
        << QStringList{"=====", "=###=", "====="} << QList<QRect>{QRect(1, 1, 3, 1)};
    QTest::newRow("diagonal contact does not join")
        << QStringList{"##..", "##..", "..##", "..##"}
        << QList<QRect>{QRect(0, 0, 2, 2), QRect(2, 2, 2, 2)};
    QTest::newRow("touching lines form one region")
        << QStringList{"#####.", "....#.", "######"} << QList<QRect>{QRect(0, 0, 6, 3)};
    QTest::newRow("U shape is found from its first cell")
        << QStringList{"#..#", "#..#", "####"} << QList<QRect>{QRect(0, 0, 4, 3)};
    QTest::newRow("order of discovery, top row first")
        << QStringList{"...##", "#....", "#...."}
        << QList<QRect>{QRect(3, 0, 2, 1), QRect(0, 1, 1, 2)};
    QTest::newRow("empty map") << QStringList{"....", "...."} << QList<QRect>{};
}

void TestOcrDetection::components()
{
    QFETCH(QStringList, rows);
    QFETCH(QList<QRect>, expected);
    const Map map = drawMap(rows);
    QCOMPARE(componentRects(findTextComponents(map.values.data(), map.height, map.width, 0.3f)),
             expected);
}

void TestOcrDetection::componentSizeAndConfidence_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("kept");

    QTest::newRow("11 pixels are dropped") << QStringList{"###########."} << 11 << false;
    QTest::newRow("12 pixels are kept") << QStringList{"############"} << 12 << true;
    QTest::newRow("12 pixels in two rows") << QStringList{"######", "######"} << 12 << true;
    QTest::newRow("mean exactly 0.55 is kept") << QStringList{"oooooooooooo"} << 12 << true;
    QTest::newRow("mean below 0.55 is dropped") << QStringList{"llllllllllll"} << 12 << false;
    QTest::newRow("mean of mixed cells")
        << QStringList{"####llllllll"} << 12 << true; // (4 × 0.9 + 8 × 0.5) / 12 = 0.633
}

void TestOcrDetection::componentSizeAndConfidence()
{
    QFETCH(QStringList, rows);
    QFETCH(int, pixels);
    QFETCH(bool, kept);
    const Map map = drawMap(rows);
    const QList<TextComponent> components =
        findTextComponents(map.values.data(), map.height, map.width, 0.3f);
    QCOMPARE(components.size(), 1);
    QCOMPARE(components.first().pixels, pixels);
    QCOMPARE(keepComponent(components.first(), 0.55f), kept);
    const QList<QRectF> boxes = boxesFromProbabilityMap(
        map.values.data(), map.height, map.width, QSize(map.width, map.height), 0.3f, 0.55f, 1.8f);
    QCOMPARE(boxes.size(), kept ? 1 : 0);
}

void TestOcrDetection::expansionAndMapping()
{
    // 10 × 4 cells grow by d = 40 × 1.8 / 28 on every side.
    const double d = 40 * 1.8 / 28;
    const QRectF grown = expandBox(QRectF(5, 7, 10, 4), 1.8);
    QVERIFY(closeTo(grown, QRectF(5 - d, 7 - d, 10 + 2 * d, 4 + 2 * d)));
    QVERIFY(expandBox(QRectF(3, 3, 0, 0), 1.8).isNull());

    // A 10 × 4 block in a 32 × 16 map of a 64 × 64 source: sx = 2, sy = 4; no clipping. The
    // ratio is the configuration's float.
    const double df = 40 * double(1.8f) / 28;
    std::vector<float> map(32 * 16, 0.0f);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 10; ++x)
            map[size_t(y * 32 + x)] = 0.9f;
    }
    const QList<QRectF> boxes =
        boxesFromProbabilityMap(map.data(), 16, 32, QSize(64, 64), 0.3f, 0.55f, 1.8f);
    QCOMPARE(boxes.size(), 1);
    const QRectF cells(-df, -df, 10 + 2 * df, 4 + 2 * df);
    QVERIFY(closeTo(boxes.first(),
                    QRectF(cells.x() * 2, cells.y() * 4, cells.width() * 2, cells.height() * 4)));
    QVERIFY(boxes.first().x() < 0); // reaches beyond the image; the crop clips it later
}

void TestOcrDetection::readingOrder_data()
{
    QTest::addColumn<QList<QRectF>>("boxes");
    QTest::addColumn<QList<int>>("order"); // indices into boxes

    QTest::newRow("same centre y: left to right")
        << QList<QRectF>{{300, 10, 50, 20}, {10, 10, 50, 20}, {100, 0, 80, 40}}
        << QList<int>{1, 2, 0};
    QTest::newRow("half a pixel lower comes later even when further left")
        << QList<QRectF>{{10, 10.5, 50, 20}, {300, 10, 50, 20}} << QList<int>{1, 0};
    QTest::newRow("top to bottom")
        << QList<QRectF>{{0, 200, 10, 10}, {0, 100, 10, 10}, {0, 0, 10, 10}} << QList<int>{2, 1, 0};
    QTest::newRow("centres, not top edges")
        << QList<QRectF>{{0, 0, 10, 100}, {50, 10, 10, 10}} << QList<int>{1, 0};
}

void TestOcrDetection::readingOrder()
{
    QFETCH(QList<QRectF>, boxes);
    QFETCH(QList<int>, order);
    QList<QRectF> sorted = boxes;
    sortBoxes(sorted);
    QList<QRectF> expected;
    for (int index : order)
        expected << boxes.at(index);
    QCOMPARE(sorted, expected);
}

// A page of "text": rows of short dark dashes (words) 40 px apart, turned by degrees.
static QImage dashedPage(double degrees)
{
    QImage page(1240, 1754, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(page.width() / 2.0, page.height() / 2.0);
    painter.rotate(degrees);
    painter.translate(-page.width() / 2.0, -page.height() / 2.0);
    for (int y = 150; y < 1600; y += 40) {
        for (int x = 120; x < 1100; x += 70)
            painter.fillRect(QRectF(x, y, 55, 14), Qt::black);
    }
    painter.end();
    return page;
}

void TestOcrDetection::skewedPagesAreTurnedLevel_data()
{
    QTest::addColumn<double>("degrees");
    QTest::newRow("level") << 0.0;
    QTest::newRow("falling 1.5") << 1.5;
    QTest::newRow("rising 0.7") << -0.7;
    QTest::newRow("at the limit") << 4.9;
}

void TestOcrDetection::skewedPagesAreTurnedLevel()
{
    QFETCH(double, degrees);
    const QImage page = dashedPage(degrees);
    QVERIFY(qAbs(estimateSkewDegrees(page) - degrees) <= 0.05);
    const UprightPage upright = uprightPage(page);
    if (degrees == 0.0) {
        QVERIFY(upright.toPage.isIdentity());
        QCOMPARE(upright.image, page);
        return;
    }
    QVERIFY(qAbs(estimateSkewDegrees(upright.image)) < MinSkewDegrees);
    // The centres stay on each other; the turned page is white where the page was not.
    const QPointF centre = QRectF(upright.image.rect()).center();
    QVERIFY((upright.toPage.map(centre) - QRectF(page.rect()).center()).manhattanLength() < 1.5);
    QCOMPARE(upright.image.pixelColor(0, 0), QColor(Qt::white));
}

void TestOcrDetection::blankPagesAreLevel()
{
    // Digits and short words stand a little taller than wide; lines of a sideways page are slender.
    const QList<QRectF> digits(12, QRectF(0, 0, 20, 44));
    QVERIFY(!linesRunDownThePage(digits));
    QList<QRectF> sideways(3, QRectF(0, 0, 40, 1200));
    QVERIFY(linesRunDownThePage(sideways + digits));
    sideways.append(QRectF(0, 0, 4000, 40)); // one long line lying outweighs them
    QVERIFY(!linesRunDownThePage(sideways));

    QImage blank(600, 800, QImage::Format_RGB32);
    blank.fill(Qt::white);
    QCOMPARE(estimateSkewDegrees(blank), 0.0);
    QCOMPARE(estimateSkewDegrees(QImage()), 0.0);
}

QTEST_MAIN(TestOcrDetection)
#include "tst_ocrdetection.moc"
