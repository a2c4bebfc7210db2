#include "view/ViewGeometry.h"

#include <QtTest>

using namespace dovrix;

namespace {

ViewGeometry layoutOf(const QList<QSizeF>& sizes, double zoom = 1.0, int rotation = 0)
{
    ViewGeometry g;
    g.pageSizes = sizes;
    g.zoom = zoom;
    g.rotation = rotation;
    g.relayout();
    return g;
}

bool near(const QPointF& a, const QPointF& b, double eps = 1e-9)
{
    return std::abs(a.x() - b.x()) <= eps && std::abs(a.y() - b.y()) <= eps;
}

} // namespace

class TestViewGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zoomClamp_data()
    {
        QTest::addColumn<double>("requested");
        QTest::addColumn<double>("expected");
        QTest::newRow("above max") << 12.0 << 8.0;
        QTest::newRow("max") << 8.0 << 8.0;
        QTest::newRow("below min") << 0.05 << 0.1;
        QTest::newRow("min") << 0.1 << 0.1;
        QTest::newRow("negative") << -3.0 << 0.1;
        QTest::newRow("nan") << std::nan("") << 0.1;
        QTest::newRow("inside") << 1.44 << 1.44;
    }
    void zoomClamp()
    {
        QFETCH(double, requested);
        QFETCH(double, expected);
        QCOMPARE(clampZoom(requested), expected);
    }

    void zoomComparison()
    {
        QVERIFY(sameZoom(1.2, 1.0 * 1.2));
        QVERIFY(sameZoom(0.1 * 3, 0.3));
        QVERIFY(!sameZoom(1.2, 1.2000001));
        QVERIFY(!sameZoom(0.0, 1e-300));
    }

    void rotationNormalised_data()
    {
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("expected");
        QTest::newRow("minus 90") << -90 << 270;
        QTest::newRow("360") << 360 << 0;
        QTest::newRow("450") << 450 << 90;
        QTest::newRow("minus 450") << -450 << 270;
    }
    void rotationNormalised()
    {
        QFETCH(int, degrees);
        QFETCH(int, expected);
        QCOMPARE(normalizeRotation(degrees), expected);
    }

    // Anchors: a fraction of the page inside it, pixels from its nearer edge outside it.
    void anchors_data()
    {
        QTest::addColumn<QPointF>("content");
        QTest::addColumn<int>("page");
        QTest::addColumn<QPointF>("fraction");
        QTest::addColumn<QPointF>("beyond");
        // Two 100 x 200 pages at zoom 2: page 0 at (16, 16), page 1 at (16, 426), 200 x 400.
        QTest::newRow("on page 1") << QPointF(116, 526) << 1 << QPointF(0.5, 0.25) << QPointF();
        QTest::newRow("gap belongs above")
            << QPointF(116, 420) << 0 << QPointF(0.5, 1) << QPointF(0, 4);
        QTest::newRow("top margin") << QPointF(116, 0) << 0 << QPointF(0.5, 0) << QPointF(0, -16);
        QTest::newRow("below the stack")
            << QPointF(0, 900) << 1 << QPointF(0, 1) << QPointF(-16, 74);
    }
    void anchors()
    {
        QFETCH(QPointF, content);
        QFETCH(int, page);
        QFETCH(QPointF, fraction);
        QFETCH(QPointF, beyond);
        ViewGeometry g = layoutOf({{100, 200}, {100, 200}}, 2.0);
        const PageAnchor a = g.anchorAt(content);
        QCOMPARE(a.page, page);
        QVERIFY(near(a.fraction, fraction));
        QVERIFY(near(a.beyondPx, beyond));
        QVERIFY(near(g.anchorPos(a), content));
        // A zoom keeps the document point on the page and the pixels beyond it.
        const QPointF pt = g.viewToPage(page, content - beyond);
        g.zoom = 3.7;
        g.relayout();
        QVERIFY(near(g.anchorPos(a), g.pageToView(page, pt) + beyond, 1e-9));
        QCOMPARE(layoutOf({}).anchorAt(content).page, -1);
    }

    // Pages narrower than the viewport sit in its middle; wider content keeps the margin.
    void pagesCentredInAWideView()
    {
        ViewGeometry g = layoutOf({{600, 800}, {300, 400}});
        g.viewportWidth = 1000;
        g.relayout();
        QCOMPARE(g.pageRect(0), QRectF(200, 16, 600, 800));
        QCOMPARE(g.pageRect(1).center().x(), 500.0);
        QCOMPARE(g.contentSize().width(), 632.0); // nothing to scroll sideways
        QCOMPARE(g.horizontalScrollMax(1000), 0);
        g.viewportWidth = 400;
        g.relayout();
        QCOMPARE(g.pageRect(0).left(), 16.0);
    }

    void fitZoom_data()
    {
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QSize>("viewport");
        QTest::addColumn<double>("expected");
        const QSizeF letter(612, 792);
        QTest::newRow("width letter 800") << letter << 0 << 1 << QSize(800, 600) << 768.0 / 612;
        QTest::newRow("page letter height-bound")
            << letter << 0 << 2 << QSize(800, 600) << 568.0 / 792;
        QTest::newRow("page letter width-bound")
            << letter << 0 << 2 << QSize(400, 2000) << 368.0 / 612;
        QTest::newRow("page rotated uses height as width")
            << letter << 90 << 2 << QSize(800, 2000) << 768.0 / 792;
        QTest::newRow("width rotated 270") << letter << 270 << 1 << QSize(800, 600) << 768.0 / 792;
        QTest::newRow("capped at 8") << QSizeF(10, 10) << 0 << 1 << QSize(800, 600) << 8.0;
        QTest::newRow("raised to 0.1") << QSizeF(100000, 10) << 0 << 1 << QSize(800, 600) << 0.1;
        QTest::newRow("tiny viewport") << letter << 0 << 2 << QSize(10, 10) << 0.1;
        QTest::newRow("none keeps zoom") << letter << 0 << 0 << QSize(800, 600) << 1.5;
    }
    void fitZoom()
    {
        QFETCH(QSizeF, page);
        QFETCH(int, rotation);
        QFETCH(int, mode);
        QFETCH(QSize, viewport);
        QFETCH(double, expected);
        const ViewGeometry g = layoutOf({page}, 1.5, rotation);
        QCOMPARE(g.fitZoom(mode, viewport), expected);
    }

    void fitZoomWithoutPages()
    {
        const ViewGeometry g = layoutOf({}, 2.5);
        QCOMPARE(g.fitZoom(1, QSize(800, 600)), 2.5);
        QCOMPARE(g.contentSize(), QSizeF(32, 22));
        QCOMPARE(g.pageTops().size(), 1);
        QVERIFY(g.pageRect(0).isEmpty());
        QCOMPARE(g.pageAt(QPointF(20, 20)), -1);
        QCOMPARE(g.pageAtProbe(0, 600), 0);
    }

    void continuousLayout()
    {
        const ViewGeometry g = layoutOf({{600, 800}, {300, 400}, {600, 800}}, 0.5);
        QCOMPARE(g.pageTops(), QList<double>({16, 16 + 400 + 10, 16 + 400 + 10 + 200 + 10}));
        QCOMPARE(g.contentSize(), QSizeF(32 + 300, 16 + 400 + 10 + 200 + 10 + 400 + 16));
        // A narrow page is centred on the widest page's centre line, not on the viewport's.
        QCOMPARE(g.pageRect(0), QRectF(16, 16, 300, 400));
        QCOMPARE(g.pageRect(1), QRectF(16 + 75, 426, 150, 200));
        QCOMPARE(g.pageRect(1).center().x(), g.pageRect(0).center().x());
        QVERIFY(g.pageRect(3).isEmpty());
        QVERIFY(g.pageRect(-1).isEmpty());
        QCOMPARE(g.verticalScrollMax(600), int(g.contentSize().height()) - 600);
        QCOMPARE(g.verticalScrollMax(5000), 0);
        QCOMPARE(g.horizontalScrollMax(100), 232);
    }

    // The engine accepts pages hundreds of millions of points long. Scroll ranges and render
    // sizes are ints: they saturate instead of wrapping (or converting out of range).
    void oversizedPagesSaturate()
    {
        const ViewGeometry tall = layoutOf(QList<QSizeF>(30, QSizeF(300, 1e8)), 8.0);
        QCOMPARE(tall.verticalScrollMax(800), MaxContentPx);
        QCOMPARE(tall.horizontalScrollMax(800), 300 * 8 + 32 - 800);

        const ViewGeometry wide = layoutOf({{9e8, 300}}, 8.0);
        QCOMPARE(wide.horizontalScrollMax(800), MaxContentPx);

        // Both sides shrink by the same factor, so the image keeps the page's shape.
        const QSize render = tall.renderPixelSize(0, 2.0);
        QCOMPARE(render.height(), MaxContentPx);
        QVERIFY(render.width() > 0);
        QVERIFY(std::abs(render.width() - 4800.0 * MaxContentPx / 1.6e9) <= 1.0);
        QCOMPARE(layoutOf({{600, 800}}, 1.5).renderPixelSize(0, 2.0), QSize(1800, 2400));

        QCOMPARE(toContentPx(std::numeric_limits<double>::quiet_NaN()), 0);
        QCOMPARE(toContentPx(-12.7), -12);
    }

    void singlePageLayout()
    {
        ViewGeometry g;
        g.pageSizes = {{600, 800}, {300, 400}, {600, 800}};
        g.singlePage = true;
        g.currentPage = 1;
        g.relayout();
        QCOMPARE(g.contentSize(), QSizeF(332, 432));
        QCOMPARE(g.pageRect(1), QRectF(16, 16, 300, 400));
        QVERIFY(g.pageRect(0).isEmpty());
        QVERIFY(g.pageRect(2).isEmpty());
        QCOMPARE(g.pageAt(QPointF(20, 20)), 1);
        QCOMPARE(g.visiblePages(0, 10000), QList<int>({1}));
        QCOMPARE(g.pageAtProbe(0, 600), 1);
    }

    void rotatedLayout()
    {
        const ViewGeometry g = layoutOf({{600, 800}}, 1.0, 90);
        QCOMPARE(g.displaySize(0), QSizeF(800, 600));
        QCOMPARE(g.pageRect(0), QRectF(16, 16, 800, 600));
        QCOMPARE(g.renderPixelSize(0, 2.0), QSize(1600, 1200));
        QCOMPARE(layoutOf({{600.2, 800}}, 1.0).renderPixelSize(0, 1.0), QSize(601, 800));
        QCOMPARE(g.displaySize(1), QSizeF());
    }

    // Page corners land on the corners of the rotated rectangle, turned clockwise.
    void cornerMapping_data()
    {
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QPointF>("topLeftLandsAt");
        // Page 100 x 200 points at zoom 2: rect (16, 16) with 200 x 400 or 400 x 200.
        QTest::newRow("0") << 0 << QPointF(16, 16);
        QTest::newRow("90") << 90 << QPointF(416, 16);
        QTest::newRow("180") << 180 << QPointF(216, 416);
        QTest::newRow("270") << 270 << QPointF(16, 216);
    }
    void cornerMapping()
    {
        QFETCH(int, rotation);
        QFETCH(QPointF, topLeftLandsAt);
        const ViewGeometry g = layoutOf({{100, 200}}, 2.0, rotation);
        QVERIFY(near(g.pageToView(0, QPointF(0, 0)), topLeftLandsAt));
        // The whole page maps onto its own rectangle.
        QCOMPARE(g.pageRectToView(0, QRectF(0, 0, 100, 200)), g.pageRect(0));
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("rotation");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<double>("viewWidth");
        for (int r : {0, 90, 180, 270}) {
            for (double z : {0.1, 1.0, 1.37, 8.0}) {
                const QByteArray name = QByteArray::number(r) + " @" + QByteArray::number(z);
                QTest::addRow("%s inside", name.constData())
                    << r << z << QPointF(33.5, 71.25) << 0.0;
                QTest::addRow("%s outside", name.constData()) << r << z << QPointF(-40, 900) << 0.0;
                QTest::addRow("%s wide view", name.constData())
                    << r << z << QPointF(33.5, 71.25) << 3000.7;
            }
        }
    }
    void roundTrip()
    {
        QFETCH(int, rotation);
        QFETCH(double, zoom);
        QFETCH(QPointF, point);
        QFETCH(double, viewWidth);
        // Second page of two different sizes, so the page's offset and centring matter too.
        ViewGeometry g = layoutOf({{612, 792}, {300, 500}}, zoom, rotation);
        g.viewportWidth = viewWidth;
        g.relayout();
        QVERIFY(near(g.viewToPage(1, g.pageToView(1, point)), point, 1e-9 * (1 + 1 / zoom)));
        const QPointF view(123.0, 456.0);
        QVERIFY(near(g.pageToView(1, g.viewToPage(1, view)), view, 1e-9));
    }

    // Spreads: rows of two pages meeting half a gap from the centre line, the first page alone on
    // the right (or not), a last odd page on the left; every page maps back and forth exactly, a
    // point is found on the page drawn there, and single-page mode shows one row.
    void spreadLayout_data()
    {
        QTest::addColumn<bool>("coverAlone");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<bool>("singlePage");
        QTest::addColumn<QList<int>>("rowFirsts"); // the first page of each row
        for (int r : {0, 90, 270}) {
            const QByteArray turn = " " + QByteArray::number(r);
            QTest::addRow("cover%s", turn.constData()) << true << r << false << QList<int>{0, 1, 3};
            QTest::addRow("no cover%s", turn.constData())
                << false << r << false << QList<int>{0, 2, 4};
        }
        QTest::addRow("single page cover") << true << 0 << true << QList<int>{0, 1, 3};
    }

    void spreadLayout()
    {
        QFETCH(bool, coverAlone);
        QFETCH(int, rotation);
        QFETCH(bool, singlePage);
        QFETCH(QList<int>, rowFirsts);
        ViewGeometry g;
        g.pageSizes = {{612, 792}, {300, 500}, {612, 792}, {500, 300}, {612, 792}};
        g.zoom = 1.37;
        g.rotation = rotation;
        g.spread = true;
        g.coverAlone = coverAlone;
        g.singlePage = singlePage;
        g.currentPage = 2;
        g.viewportWidth = 2600;
        g.relayout();
        const double spine = 1300;
        const auto [shownFirst, shownLast] = g.rowPages(2);
        for (int page = 0; page < g.pageCount(); ++page) {
            const auto [first, last] = g.rowPages(page);
            QVERIFY(rowFirsts.contains(first));
            const QRectF r = g.pageRect(page);
            if (singlePage && first != shownFirst) {
                QVERIFY(r.isEmpty());
                continue;
            }
            const bool right = (first != last && page == last) || (coverAlone && page == 0);
            QCOMPARE(right ? r.left() : r.right(), spine + (right ? 5.0 : -5.0));
            QCOMPARE(r.top(), g.pageRect(first).top()); // a row shares its top
            for (const QPointF& p : {QPointF(33.5, 71.25), QPointF(-40, 900)})
                QVERIFY(near(g.viewToPage(page, g.pageToView(page, p)), p, 1e-9));
            QCOMPARE(g.pageAt(g.pageToView(page, QPointF(20, 30))), page);
            QCOMPARE(g.anchorAt(r.center()).page, page);
        }
        QCOMPARE(g.pageAt(QPointF(spine, g.pageRect(shownFirst).center().y())), -1); // the gap
        QCOMPARE(g.rowPages(shownLast).first, shownFirst);
        // Stepping by rows.
        QCOMPARE(g.rowStep(0, 1), rowFirsts.at(1));
        QCOMPARE(g.rowStep(rowFirsts.at(1) + 1, 1), rowFirsts.at(2));
        QCOMPARE(g.rowStep(4, 1), rowFirsts.last());
        QCOMPARE(g.rowStep(rowFirsts.at(2), -1), rowFirsts.at(1));
        QCOMPARE(g.rowStep(0, -1), 0);
    }

    void spreadFitsTheRow()
    {
        ViewGeometry g = layoutOf({{600, 800}, {600, 800}, {300, 900}});
        g.spread = true;
        g.coverAlone = false;
        g.relayout();
        // Two halves of the row's wider page and one gap fill the width.
        QCOMPARE(g.fitZoom(1, QSize(1242, 700)), (1242.0 - 32 - 10) / 1200);
        g.currentPage = 2; // alone in its row: still half the width, the taller page decides
        QCOMPARE(g.fitZoom(2, QSize(1242, 932)), (932.0 - 32) / 900);
    }

    void fourQuarterTurnsAreIdentity()
    {
        const QPointF p(12.5, 40);
        QList<QPointF> mapped;
        for (int turns = 0; turns <= 4; ++turns) {
            const ViewGeometry g = layoutOf({{100, 200}}, 1.0, normalizeRotation(90 * turns));
            mapped.append(g.pageToView(0, p) - g.pageRect(0).center());
        }
        QVERIFY(near(mapped.first(), mapped.last()));
        // Each quarter turn turns the offset from the centre by 90 degrees clockwise.
        for (int i = 0; i < 4; ++i)
            QVERIFY(near(mapped.at(i + 1), QPointF(-mapped.at(i).y(), mapped.at(i).x())));
    }

    void currentPageProbe_data()
    {
        QTest::addColumn<double>("scrollY");
        QTest::addColumn<int>("expected");
        // Pages 100 tall at 16, 126, 236; viewport 100 tall, probe at scroll + 50.
        QTest::newRow("first") << 0.0 << 0;
        QTest::newRow("inside second") << 80.0 << 1;
        QTest::newRow("in gap after first: last page above") << 67.0 << 0;
        QTest::newRow("bottom edge belongs to next") << 76.0 << 1;
        QTest::newRow("past the end") << 1000.0 << 2;
    }
    void currentPageProbe()
    {
        QFETCH(double, scrollY);
        QFETCH(int, expected);
        const ViewGeometry g = layoutOf({{50, 100}, {50, 100}, {50, 100}});
        QCOMPARE(g.pageAtProbe(scrollY, 100), expected);
    }

    void visiblePages()
    {
        const ViewGeometry g = layoutOf({{50, 100}, {50, 100}, {50, 100}});
        QCOMPARE(g.visiblePages(0, 100), QList<int>({0}));
        QCOMPARE(g.visiblePages(100, 100), QList<int>({0, 1}));
        QCOMPARE(g.visiblePages(0, 10000), QList<int>({0, 1, 2}));
        QCOMPARE(g.visiblePages(5000, 100), QList<int>());
    }

    void charIndexAtPoint_data()
    {
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<int>("expected");
        // Boxes of "ab c": a at x 10, b at 20, space without a box, c at 40.
        QTest::newRow("inside a") << QPointF(15, 15) << 0;
        QTest::newRow("grown edge") << QPointF(21.4 + 10, 15) << 1;
        QTest::newRow("nearest below 9") << QPointF(44, 22) << 3;
        QTest::newRow("too far") << QPointF(100, 100) << -1;
        QTest::newRow("tie goes to lower index") << QPointF(20, 22) << 0;
    }
    void charIndexAtPoint()
    {
        QFETCH(QPointF, point);
        QFETCH(int, expected);
        const QList<QRectF> boxes{QRectF(10, 10, 10, 10), QRectF(20, 10, 10, 10), QRectF(),
                                  QRectF(40, 10, 10, 10)};
        QCOMPARE(charIndexAt(boxes, point), expected);
    }

    void words_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::newRow("inside foo_bar2") << "call foo_bar2 now" << 8 << 5 << 12;
        QTest::newRow("on its last char") << "call foo_bar2 now" << 12 << 5 << 12;
        QTest::newRow("space takes both words") << "one two" << 3 << 0 << 6;
        QTest::newRow("start of text") << "alpha beta" << 0 << 0 << 4;
        QTest::newRow("punctuation alone") << "a , b" << 2 << 2 << 2;
        QTest::newRow("outside") << "abc" << 3 << -1 << -1;
    }
    void words()
    {
        QFETCH(QString, text);
        QFETCH(int, index);
        QFETCH(int, start);
        QFETCH(int, end);
        QCOMPARE(wordRange(text, index), qMakePair(start, end));
    }

    void runs()
    {
        // Two lines; a taller glyph on the first line stays in its run; invalid boxes are skipped.
        const QList<QRectF> boxes{QRectF(0, 0, 5, 10),  QRectF(5, -2, 5, 14), QRectF(),
                                  QRectF(10, 0, 5, 10), QRectF(0, 20, 5, 10), QRectF(5, 20, 5, 10),
                                  QRectF(0, 40, 5, 10)};
        const QList<QRectF> r = selectionRuns(boxes, 5, 0);
        QCOMPARE(r, QList<QRectF>({QRectF(0, -2, 15, 14), QRectF(0, 20, 10, 10)}));
        QCOMPARE(selectionRuns(boxes, 4, 100).size(), 2);
        QCOMPARE(selectionRuns(boxes, 2, 2).size(), 0);
        QCOMPARE(unitedBoxes(boxes, 0, 4), QRectF(0, -2, 15, 14));
        QCOMPARE(unitedBoxes(boxes, 6, 10), QRectF(0, 40, 5, 10));
        QVERIFY(unitedBoxes(boxes, 2, 1).isNull());
        QVERIFY(unitedBoxes(boxes, -5, 6).isValid());
    }

    // Where links, outline entries and the history take the view: two pages of 600 x 800 points,
    // a view of 400 x 300 pixels scrolled to (5, 0) at zoom 1 (page 1's top at 826 pixels).
    void targetPlacement_data()
    {
        QTest::addColumn<int>("rotation");
        QTest::addColumn<ViewTarget>("target");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QPointF>("scroll");
        const auto target = [](ViewTarget::Show show, int page, QPointF point, bool left, bool top,
                               double zoom = 0, QRectF area = {}) {
            ViewTarget t;
            t.show = show;
            t.page = page;
            t.point = point;
            t.hasLeft = left;
            t.hasTop = top;
            t.zoom = zoom;
            t.area = area;
            return t;
        };
        using S = ViewTarget::Show;
        const QPointF p(100, 622);
        QTest::newRow("page") << 0 << target(S::Page, 1, p, true, true) << 1.0 << QPointF(5, 810);
        QTest::newRow("point") << 0 << target(S::Point, 1, p, true, true) << 1.0
                               << QPointF(116, 1448);
        // At zoom 2 page 1's top is 16 + 1600 + 10.
        QTest::newRow("point and zoom")
            << 0 << target(S::Point, 1, p, true, true, 2.0) << 2.0 << QPointF(216, 2870);
        QTest::newRow("open left keeps the sideways scroll")
            << 0 << target(S::Point, 1, p, false, true) << 1.0 << QPointF(5, 1448);
        QTest::newRow("open top is the page's top")
            << 0 << target(S::Point, 1, p, true, false) << 1.0 << QPointF(116, 826);
        QTest::newRow("outside the page: as it is")
            << 0 << target(S::Point, 1, QPointF(-50, -30), true, true) << 1.0 << QPointF(-34, 796);
        QTest::newRow("zoom capped")
            << 0 << target(S::Point, 0, {}, true, true, 50.0) << 8.0 << QPointF(16, 16);
        // 184 x 134 points fit twice into 368 x 268 pixels; the area's centre comes to the view's.
        QTest::newRow("area") << 0 << target(S::Area, 1, {}, false, false, 0, {100, 100, 184, 134})
                              << 2.0 << QPointF(200, 1810);
        QTest::newRow("empty area: the page")
            << 0 << target(S::Area, 1, {}, false, false, 3.0, {100, 100, 0, 5}) << 3.0
            << QPointF(5, 3 * 800 + 26 - 16);
        // Turned a quarter the page's top-left corner is at the view's top-right (page 0 at
        // (16, 16), 800 x 600 pixels) and the page's x runs down the view.
        QTest::newRow("quarter turn")
            << 90 << target(S::Point, 0, {100, 50}, true, true) << 1.0 << QPointF(366, 116);
        QTest::newRow("quarter turn, open left")
            << 90 << target(S::Point, 0, {100, 50}, false, true) << 1.0 << QPointF(366, 16);
        QTest::newRow("quarter turn, open top")
            << 90 << target(S::Point, 0, {100, 50}, true, false) << 1.0 << QPointF(5, 116);
        QTest::newRow("half turn: bottom-right corner")
            << 180 << target(S::Point, 0, {100, 50}, true, true) << 1.0 << QPointF(116, 466);
        QTest::newRow("no such page")
            << 0 << target(S::Point, 2, p, true, true, 2.0) << 1.0 << QPointF(5, 0);
    }
    void targetPlacement()
    {
        QFETCH(int, rotation);
        QFETCH(ViewTarget, target);
        QFETCH(double, zoom);
        QFETCH(QPointF, scroll);
        const ViewGeometry g = layoutOf({{600, 800}, {600, 800}}, 1.0, rotation);
        const ViewPlacement placement = g.placementFor(target, QSize(400, 300), QPointF(5, 0));
        QCOMPARE(placement.zoom, zoom);
        QVERIFY2(near(placement.scrollPx, scroll, 1e-9),
                 qPrintable(QStringLiteral("(%1, %2)")
                                .arg(placement.scrollPx.x())
                                .arg(placement.scrollPx.y())));
    }

    // The history's target of a view brings the view back to the same place, however turned.
    void targetRoundTrip_data()
    {
        QTest::addColumn<int>("rotation");
        QTest::addColumn<double>("zoom");
        for (int r : {0, 90, 180, 270})
            for (double z : {0.5, 1.73})
                QTest::addRow("%d @%g", r, z) << r << z;
    }
    void targetRoundTrip()
    {
        QFETCH(int, rotation);
        QFETCH(double, zoom);
        ViewGeometry g = layoutOf({{300, 500}, {612, 792}, {300, 500}}, zoom, rotation);
        g.currentPage = 1;
        const QSize view(200, 150);
        const QPointF scroll(20, g.pageRect(1).top() - 30);
        const ViewTarget here = g.targetAt(view, scroll);
        QCOMPARE(here.page, 1);
        QCOMPARE(here.zoom, zoom);
        const ViewPlacement back =
            layoutOf(g.pageSizes, 1.0, rotation).placementFor(here, view, {});
        QCOMPARE(back.zoom, zoom);
        QVERIFY(near(back.scrollPx, scroll, 1e-9));
    }
};

QTEST_MAIN(TestViewGeometry)
#include "tst_viewgeometry.moc"
