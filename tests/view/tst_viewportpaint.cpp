// What the page view paints, checked on the pixels of an offscreen render.

#include "support/TestWait.h"
#include "support/ViewFixtures.h"
#include "support/ViewportRig.h"
#include "support/WorkerGate.h"
#include "theme/ThemePalette.h"
#include "view/ViewGeometry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <utility>

using namespace dovrix;
using namespace dovrix::test;

namespace {

bool isDark(const QColor& c)
{
    return c.red() < 80 && c.green() < 80 && c.blue() < 80;
}

QString describe(const QColor& c)
{
    return QStringLiteral("(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

} // namespace

class TestViewportPaint : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString textPdf;

    // Adds an annotation and returns its id.
    static QString add(ViewportRig& rig, AnnotationType type, const QRectF& rect,
                       const QColor& color, const QPointF& pt2 = {}, const QString& note = {})
    {
        Annotation a;
        a.type = type;
        a.page = 0;
        a.rect = rect;
        a.pt2 = pt2;
        a.color = color;
        a.text = note;
        return rig.annotations.add(a);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        textPdf = dir.filePath(QStringLiteral("text.pdf"));
        QVERIFY(writeLinkedPdf(textPdf, {{{QPointF(72, 100), 24, QStringLiteral("find me and me")},
                                          {QPointF(72, 200), 24, QStringLiteral("second line")}},
                                         {}}));
    }

    void init() { QFile::remove(AnnotationStore::sidecarPathFor(textPdf)); }

    void placeholderStripesUntilTheImageArrives()
    {
        ViewportRig rig;
        QVERIFY(rig.open(textPdf));
        const ThemePalette palette = themePalette(currentTheme());
        const QRectF r = rig.view.pageRect(0);
        // At 10 pixels right of the left edge, stripe k covers y in [top + 36k - 10.5, +6).
        const QPoint inStripe(int(r.left()) + 10, int(r.top()) + 36 - 10 + 2);
        const QPoint inGap(inStripe.x(), inStripe.y() + 18);
        {
            WorkerGate gate(&rig.worker);
            rig.cache.clear(); // nothing cached and nothing can render while the gate holds
            const QImage img = rig.render();
            QCOMPARE(img.pixelColor(inStripe), QColor(palette.line));
            QCOMPARE(img.pixelColor(inGap), QColor(palette.panel2));
            // The shadow lies right of and below the page.
            const QColor shadow = img.pixelColor(int(r.right()) + 1, int(r.center().y()));
            QVERIFY(shadow.lightness() < QColor(palette.viewport).lightness());
        }
        QVERIFY(rig.waitImages());
        const QImage img = rig.render();
        QCOMPARE(img.pixelColor(inStripe), QColor(Qt::white));
        QCOMPARE(img.pixelColor(inGap), QColor(Qt::white));
    }

    void highlightMultipliesOverBlackText()
    {
        ViewportRig rig;
        QVERIFY(rig.open(textPdf));
        QVERIFY(rig.waitImages());
        QVERIFY(rig.waitCharBoxes(0));
        const QList<QRectF> boxes = rig.text.charBoxes(0);
        const QRectF line = unitedBoxes(boxes, 0, 4); // "find"
        const QImage before = rig.render();
        const QRect area = QRectF(rig.view.pageToView(0, line.topLeft()),
                                  rig.view.pageToView(0, line.bottomRight()))
                               .toRect()
                               .adjusted(1, 1, -1, -1);
        QPoint dark(-1, -1);
        QPoint white(-1, -1);
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = before.pixelColor(x, y);
                if (dark.x() < 0 && c.lightness() < 20)
                    dark = QPoint(x, y);
                if (white.x() < 0 && c == QColor(Qt::white))
                    white = QPoint(x, y);
            }
        }
        QVERIFY(dark.x() >= 0 && white.x() >= 0);

        add(rig, AnnotationType::Highlight, line, QColor(255, 215, 106));
        const QImage after = rig.render();
        QVERIFY2(isDark(after.pixelColor(dark)), qPrintable(describe(after.pixelColor(dark))));
        const QColor tinted = after.pixelColor(white);
        QVERIFY2(tinted.red() >= 240 && tinted.blue() < 200 && tinted.blue() < tinted.green(),
                 qPrintable(describe(tinted)));
        // Outside the highlight nothing changed.
        const QPoint outside(area.right() + 40, area.bottom() + 40);
        QCOMPARE(after.pixelColor(outside), before.pixelColor(outside));
    }

    void highlightIsAsVisibleOnEveryPaper_data()
    {
        QTest::addColumn<int>("colours");
        QTest::addColumn<int>("theme");
        QTest::newRow("night") << int(PageColours::Night) << int(ThemeLight);
        QTest::newRow("sepia") << int(PageColours::Sepia) << int(ThemeLight);
        QTest::newRow("following a dark theme") << int(PageColours::FollowTheme) << 2;
    }

    // A highlight changes the paper under it about as much as on white paper, and the ink in it
    // stays apart from the tinted paper.
    void highlightIsAsVisibleOnEveryPaper()
    {
        QFETCH(int, colours);
        QFETCH(int, theme);
        ViewportRig rig;
        QVERIFY(rig.open(textPdf));
        QVERIFY(rig.waitCharBoxes(0));
        const QRectF word = unitedBoxes(rig.text.charBoxes(0), 0, 4); // "find"
        const QRect area = QRectF(rig.view.pageToView(0, word.topLeft()),
                                  rig.view.pageToView(0, word.bottomRight()))
                               .toRect()
                               .adjusted(1, 1, -1, -1);
        const QPoint blank = rig.toViewport(0, QPointF(30, 30));
        auto distance = [](const QColor& a, const QColor& b) {
            return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
        };
        // How far the highlight moves paper and how far ink stays from it, with these colours.
        auto contrasts = [&](PageColours shown) {
            rig.view.setPageColours(shown);
            rig.view.applyThemeColours();
            for (const Annotation& a : rig.annotations.allAnnotations())
                rig.annotations.remove(a.id);
            const bool drawn =
                rig.waitImages()
                && QTest::qWaitFor([&rig] { return rig.cache.isCurrent(rig.view.renderKeyFor(0)); },
                                   test::TimeoutMs);
            const QImage before = rig.render();
            const QColor paper = before.pixelColor(blank);
            QPoint paperAt(-1, -1);
            QPoint inkAt(-1, -1);
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QColor c = before.pixelColor(x, y);
                    if (paperAt.x() < 0 && c == paper)
                        paperAt = QPoint(x, y);
                    if (inkAt.x() < 0
                        || distance(c, paper) > distance(before.pixelColor(inkAt), paper))
                        inkAt = QPoint(x, y);
                }
            }
            add(rig, AnnotationType::Highlight, word, QColor(255, 215, 106));
            const QImage after = rig.render();
            const QColor tinted = after.pixelColor(paperAt);
            return std::make_pair(drawn && paperAt.x() >= 0 ? distance(tinted, paper) : -1.0,
                                  distance(after.pixelColor(inkAt), tinted));
        };
        const auto white = contrasts(PageColours::Normal);
        recordAppliedTheme(*QCoreApplication::instance(), theme);
        const auto shown = contrasts(PageColours(colours));
        recordAppliedTheme(*QCoreApplication::instance(), ThemeLight);
        QVERIFY2(white.first > 60, qPrintable(QString::number(white.first)));
        QVERIFY2(shown.first >= 0.75 * white.first,
                 qPrintable(QStringLiteral("%1 against %2").arg(shown.first).arg(white.first)));
        QVERIFY2(shown.second >= 60, qPrintable(QString::number(shown.second)));
    }

    void focusedHitIsDarkerAndOutlined()
    {
        ViewportRig rig;
        QVERIFY(rig.open(textPdf));
        QVERIFY(rig.waitImages());
        QSignalSpy finished(&rig.search, &SearchController::finished);
        rig.search.startSearch(QStringLiteral("me"), false);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, test::TimeoutMs);
        QCOMPARE(rig.view.searchHits().size(), 2);
        rig.view.setFocusedHit(1);
        QCOMPARE(rig.view.focusedHit(), 1);
        const SearchHit h0 = rig.view.searchHits().at(0);
        const SearchHit h1 = rig.view.searchHits().at(1);
        rig.view.viewport()->repaint(); // painting asks for the other hit's boxes
        QTRY_VERIFY_WITH_TIMEOUT(!rig.text.hitBoxes(0, h0.start, h0.length).isEmpty()
                                     && !rig.text.hitBoxes(0, h1.start, h1.length).isEmpty(),
                                 test::TimeoutMs);

        const QImage img = rig.render();
        auto viewRect = [&](const SearchHit& h) {
            const QRectF b = rig.text.hitBoxes(0, h.start, h.length).first();
            return QRectF(rig.toViewport(0, b.topLeft()), rig.toViewport(0, b.bottomRight()));
        };
        const QRectF focusedBox = viewRect(h1);
        const QRectF otherBox = viewRect(h0);
        const int midY = int(focusedBox.center().y());
        // The 2-pixel outline lies one pixel outside the box.
        auto hasOutline = [&](const QRectF& box) {
            for (int dx = 1; dx <= 3; ++dx) {
                if (img.pixelColor(int(box.left()) - dx, midY) == QColor(31, 79, 216))
                    return true;
            }
            return false;
        };
        QVERIFY(hasOutline(focusedBox));
        QVERIFY(!hasOutline(otherBox));
        QCOMPARE(img.pixelColor(int(otherBox.left()) - 2, midY), QColor(Qt::white));
        // Inside the boxes, above the lower-case glyphs: the focused fill is darker.
        const QColor focusedFill =
            img.pixelColor(int(focusedBox.center().x()), int(focusedBox.top()) + 2);
        const QColor otherFill =
            img.pixelColor(int(otherBox.center().x()), int(otherBox.top()) + 2);
        QVERIFY2(focusedFill.red() < otherFill.red() && otherFill.red() < 255,
                 qPrintable(describe(focusedFill) + describe(otherFill)));
    }

    void arrowHeads()
    {
        ViewportRig rig;
        QVERIFY(rig.open(textPdf));
        QVERIFY(rig.waitImages());
        const QColor red(200, 0, 0);
        add(rig, AnnotationType::Arrow, QRectF(100, 300, 0, 0), red, QPointF(250, 300));
        // No head set: it points 18 points right and below the rectangle's corner.
        add(rig, AnnotationType::Arrow, QRectF(100, 400, 0, 0), red);
        const QImage img = rig.render();

        const QPoint head = rig.toViewport(0, QPointF(250, 300));
        // Beside the shaft but inside the head's triangle, on both sides.
        QCOMPARE(img.pixelColor(head + QPoint(-9, -3)), red);
        QCOMPARE(img.pixelColor(head + QPoint(-9, 2)), red);
        // Far beside the shaft (no head there) and past the tip: page white.
        QCOMPARE(img.pixelColor(head + QPoint(-60, -3)), QColor(Qt::white));
        QCOMPARE(img.pixelColor(head + QPoint(4, 0)), QColor(Qt::white));

        const QPoint mid = rig.toViewport(0, QPointF(109, 409));
        QCOMPARE(img.pixelColor(mid), red);
        const QPoint past = rig.toViewport(0, QPointF(124, 424));
        QCOMPARE(img.pixelColor(past), QColor(Qt::white));
    }

    // In a spread a note at the right edge of the left page has its label over the right page.
    void noteLabelStaysOverTheNextPage()
    {
        ViewportRig rig(QSize(1000, 700));
        QVERIFY(rig.open(textPdf));
        rig.view.setCoverAlone(false);
        rig.view.setSpread(true);
        QVERIFY(rig.waitImages());
        const QRectF right = rig.view.pageRect(1);
        QVERIFY(right.left() > rig.view.pageRect(0).right());
        const double edge = rig.controller.pageSizes().at(0).width() - 3;
        add(rig, AnnotationType::Note, QRectF(edge, 150, 0, 0), QColor(220, 0, 0), {},
            QStringLiteral("a label long enough to reach well onto the page beside"));
        const QImage shown = rig.render();
        const QRect onRight = right
                                  .translated(-rig.view.horizontalScrollBar()->value(),
                                              -rig.view.verticalScrollBar()->value())
                                  .toRect()
                                  .intersected(shown.rect());
        int border = 0;
        for (int y = onRight.top(); y <= onRight.bottom(); ++y) {
            for (int x = onRight.left(); x <= onRight.right(); ++x) {
                const QColor c = shown.pixelColor(x, y);
                border += c.red() > 150 && c.green() < 90 && c.blue() < 90;
            }
        }
        QVERIFY2(border > 12, qPrintable(QString::number(border)));
    }

    void noteBubbleCutAt200Characters()
    {
        ViewportRig rig(QSize(900, 700));
        QVERIFY(rig.open(textPdf));
        QVERIFY(rig.waitImages());
        QString longText;
        for (int i = 0; longText.size() < 300; ++i)
            longText += QStringLiteral("word%1 ").arg(i % 10);
        longText.truncate(300);
        const QString id = add(rig, AnnotationType::Note, QRectF(100, 300, 0, 0),
                               QColor(255, 215, 106), {}, longText);
        QVERIFY(!id.isEmpty());
        const QImage cut = rig.render();

        Annotation a = *rig.annotations.find(id);
        a.text = longText.left(200) + QChar(0x2026);
        rig.annotations.update(a);
        QCOMPARE(rig.render(), cut);

        // 200 characters are shown whole, without the ellipsis.
        a.text = longText.left(200);
        rig.annotations.update(a);
        QVERIFY(rig.render() != cut);
        a.text = longText.left(199) + QChar(0x2026);
        rig.annotations.update(a);
        QVERIFY(rig.render() != cut);

        // The bubble sits right of the note, white over the page, with its coloured border.
        a.text.clear();
        rig.annotations.update(a);
        QVERIFY(rig.render() != cut);
        const QPoint at = rig.toViewport(0, QPointF(100, 300));
        QCOMPARE(cut.pixelColor(at + QPoint(19, 0)).lightness(), 255); // padding left of the text
    }

    // The bubble of an annotation with a remark sits beside the marked words, not over them.
    void bubbleLeavesTheMarkedTextVisible()
    {
        ViewportRig rig(QSize(900, 700));
        QVERIFY(rig.open(textPdf));
        QVERIFY(rig.waitImages());
        const QRectF words(70, 78, 90, 28); // "find me"
        const QString id = add(rig, AnnotationType::Highlight, words, QColor(255, 215, 106));
        const QImage plain = rig.render();
        Annotation a = *rig.annotations.find(id);
        a.text = QStringLiteral("a remark on these words");
        rig.annotations.update(a);
        const QImage remarked = rig.render();
        QVERIFY(remarked != plain);
        const QRectF v = rig.view.viewGeometry().pageRectToView(0, words).translated(
            -rig.view.horizontalScrollBar()->value(), -rig.view.verticalScrollBar()->value());
        const QRect inside = v.toAlignedRect().adjusted(-2, -2, 2, 2);
        QCOMPARE(remarked.copy(inside), plain.copy(inside));
    }

    void rotationLabelAndBadge()
    {
        ViewportRig rig;
        QVERIFY(rig.open(textPdf));
        const QColor background(themePalette(currentTheme()).viewport);
        const int cx = rig.view.viewport()->width() / 2;
        QCOMPARE(rig.render().pixelColor(cx, 12), background);
        rig.view.rotateBy(90);
        const QColor label = rig.render().pixelColor(cx - 60, 12);
        QVERIFY2(label.lightness() > background.lightness() && label.lightness() >= 235,
                 qPrintable(describe(label)));

        rig.view.rotateBy(-90);
        const QRectF r = rig.view.pageRect(0);
        const QPoint badge(int(r.right()) - 44, int(r.top()) + 10);
        QVERIFY(rig.render().pixelColor(badge) != QColor(209, 244, 217));
        rig.view.setOcrPageState(0, true);
        QCOMPARE(rig.render().pixelColor(badge), QColor(209, 244, 217));
    }
};

QTEST_MAIN(TestViewportPaint)
#include "tst_viewportpaint.moc"
