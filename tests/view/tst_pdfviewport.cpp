// Layout, zoom, fit modes, rotation, navigation, keyboard and render requests of the page view,
// driven on a real widget with a generated document.

#include "support/TestPdf.h"
#include "support/TestWait.h"
#include "support/ViewFixtures.h"
#include "support/ViewportRig.h"
#include "theme/ThemePalette.h"

#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

using namespace dovrix;
using namespace dovrix::test;

class TestPdfViewport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString letterPdf; // 5 letter pages

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        letterPdf = dir.filePath(QStringLiteral("letter.pdf"));
        QVERIFY(writeSizedPdf(letterPdf, {QSizeF(612, 792)}, 5));
    }

    void emptyViewPaintsBackgroundOnly()
    {
        ViewportRig rig;
        rig.view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
        QCOMPARE(rig.view.pageCount(), 0);
        rig.view.goToPage(3); // nothing to go to
        QCOMPARE(rig.view.currentPage(), 0);
        const QImage img = rig.render();
        QCOMPARE(img.pixelColor(img.width() / 2, img.height() / 2),
                 QColor(themePalette(currentTheme()).viewport));
    }

    void zoomLimitsAndSignals()
    {
        ViewportRig rig;
        QVERIFY(rig.open(letterPdf));
        QSignalSpy zoomSpy(&rig.view, &PdfViewport::zoomChanged);
        rig.view.setZoom(20);
        QCOMPARE(rig.view.zoom(), 8.0);
        rig.view.setZoom(0.01);
        QCOMPARE(rig.view.zoom(), 0.1);
        QCOMPARE(zoomSpy.count(), 2);
        rig.view.setZoom(0.1); // unchanged: nothing
        QCOMPARE(zoomSpy.count(), 2);
        QCOMPARE(zoomSpy.last().first().toDouble(), 0.1);
    }

    void ctrlWheelZoomsAboutPointer()
    {
        ViewportRig rig(QSize(400, 600)); // narrower than the page: both axes scroll
        QVERIFY(rig.open(letterPdf));
        rig.view.verticalScrollBar()->setValue(300);
        const QPoint pointer(200, 150);
        const int page = rig.view.pageAt(QPointF(pointer) + QPointF(0, 300));
        QCOMPARE(page, 0);
        const QPointF under = rig.view.viewToPage(page, QPointF(pointer) + QPointF(0, 300));

        QWheelEvent wheel(QPointF(pointer), rig.view.viewport()->mapToGlobal(QPointF(pointer)),
                          QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(rig.view.viewport(), &wheel);
        QVERIFY(wheel.isAccepted());
        QCOMPARE(rig.view.zoom(), 1.2);
        // The page point that was under the pointer is still there, to the pixel.
        const QPoint now = rig.toViewport(page, under);
        QVERIFY2(std::abs(now.x() - pointer.x()) <= 1 && std::abs(now.y() - pointer.y()) <= 1,
                 qPrintable(QString::number(now.x()) + "," + QString::number(now.y())));

        // Without Control the wheel scrolls and leaves the zoom alone.
        const int before = rig.view.verticalScrollBar()->value();
        QWheelEvent plain(QPointF(pointer), rig.view.viewport()->mapToGlobal(QPointF(pointer)),
                          QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(rig.view.viewport(), &plain);
        QCOMPARE(rig.view.zoom(), 1.2);
        QVERIFY(rig.view.verticalScrollBar()->value() > before);
    }

    void fitWidthFollowsResize()
    {
        ViewportRig rig;
        QVERIFY(rig.open(letterPdf));
        QSignalSpy fitSpy(&rig.view, &PdfViewport::fitModeChanged);
        rig.view.setFitMode(PdfViewport::FitMode::FitWidth);
        QCOMPARE(fitSpy.count(), 1);
        const double expected = (rig.view.viewport()->width() - 32.0) / 612.0;
        QCOMPARE(rig.view.zoom(), expected);
        // Asked again, nothing changes and nothing is said.
        QSignalSpy sameZoomSpy(&rig.view, &PdfViewport::zoomChanged);
        rig.view.setFitMode(PdfViewport::FitMode::FitWidth);
        QCOMPARE(fitSpy.count(), 1);
        QCOMPARE(sameZoomSpy.count(), 0);

        QSignalSpy zoomSpy(&rig.view, &PdfViewport::zoomChanged);
        rig.view.resize(rig.view.width() + 200, rig.view.height());
        QVERIFY(zoomSpy.wait(test::TimeoutMs));
        QCOMPARE(rig.view.zoom(), (rig.view.viewport()->width() - 32.0) / 612.0);
        QCOMPARE(rig.view.fitMode(), PdfViewport::FitMode::FitWidth);

        // A zoom by the user leaves the fit mode and says so.
        fitSpy.clear();
        rig.view.setZoom(2.0);
        QCOMPARE(rig.view.fitMode(), PdfViewport::FitMode::FitNone);
        QCOMPARE(fitSpy.count(), 1);
        QCOMPARE(fitSpy.first().first().value<PdfViewport::FitMode>(),
                 PdfViewport::FitMode::FitNone);
    }

    // Zoom, fit and rotation keep the document point at the top of the view, deep in a document
    // too, where the margin and the gaps that do not grow with the zoom add up.
    void zoomFitAndRotationKeepTheReadingPlace()
    {
        const QString path = dir.filePath(QStringLiteral("long.pdf"));
        QVERIFY(writeSizedPdf(path, {QSizeF(612, 792)}, 40));
        ViewportRig rig(QSize(900, 700));
        QVERIFY(rig.open(path));
        rig.view.goToPage(27);
        rig.view.verticalScrollBar()->setValue(rig.view.verticalScrollBar()->value() + 150);
        const QPoint top(rig.view.viewport()->width() / 2, 0);
        auto pointAtTop = [&] {
            const QPointF c = QPointF(top)
                              + QPointF(rig.view.horizontalScrollBar()->value(),
                                        rig.view.verticalScrollBar()->value());
            return rig.view.viewToPage(27, c);
        };
        const QPointF start = pointAtTop();
        auto check = [&](const char* step, double pixels = 1.0) {
            const QPointF now = pointAtTop();
            const double pixelPt = pixels / rig.view.zoom();
            QVERIFY2(rig.view.currentPage() == 27, step);
            QVERIFY2(std::abs(now.y() - start.y()) <= pixelPt, step);
            QVERIFY2(std::abs(now.x() - start.x()) <= pixelPt, step);
        };
        rig.view.setFitMode(PdfViewport::FitMode::FitWidth);
        check("fit width");
        rig.view.setZoom(1.0);
        check("back to 100 %");
        rig.view.setFitMode(PdfViewport::FitMode::FitPage);
        check("fit page");
        for (int i = 0; i < 4; ++i)
            rig.view.setZoom(rig.view.zoom() * 1.2);
        check("zoomed in");
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(&rig.view, Qt::Key_Minus);
        check("zoomed out again");
        // A quarter turn keeps the same place of the page at the top (as a part of its height),
        // and turning back returns to the point.
        auto partAtTop = [&] {
            const QRectF r = rig.view.pageRect(27);
            return (rig.view.verticalScrollBar()->value() - r.top()) / r.height();
        };
        const double part = partAtTop();
        rig.view.rotateBy(90);
        QCOMPARE(rig.view.currentPage(), 27);
        QVERIFY(std::abs(partAtTop() - part) <= 1.0 / rig.view.pageRect(27).height());
        rig.view.rotateBy(-90);
        check("turned back", 2.0); // rounded to whole pixels in both layouts
    }

    // Pages narrower than the view are centred in it, and the mappings still hold there.
    void narrowPagesAreCentred()
    {
        ViewportRig rig(QSize(1200, 600));
        QVERIFY(rig.open(letterPdf));
        QVERIFY(rig.waitImages());
        const QRectF r = rig.view.pageRect(0);
        QVERIFY(std::abs(r.center().x() - rig.view.viewport()->width() / 2.0) <= 1.0);
        QCOMPARE(rig.view.horizontalScrollBar()->maximum(), 0);
        const QPointF pt(100.5, 200.25);
        QVERIFY(QLineF(rig.view.viewToPage(0, rig.view.pageToView(0, pt)), pt).length() < 1e-9);
        QCOMPARE(rig.view.pageAt(r.center()), 0);
        // Grey on both sides of the page, white paper in the middle.
        const QImage img = rig.render();
        const QColor grey(themePalette(currentTheme()).viewport);
        QCOMPARE(img.pixelColor(30, 300), grey);
        QCOMPARE(img.pixelColor(img.width() - 30, 300), grey);
        QVERIFY(img.pixelColor(int(r.left()) + 5, 300).lightness() > 240);
        // A wider window moves the page to the new middle.
        rig.view.resize(1400, 600);
        QTRY_VERIFY_WITH_TIMEOUT(
            std::abs(rig.view.pageRect(0).center().x() - rig.view.viewport()->width() / 2.0) <= 1.0,
            test::TimeoutMs);
    }

    void fitPageWithRotationUsesHeightAsWidth()
    {
        ViewportRig rig(QSize(900, 2000));
        QVERIFY(rig.open(letterPdf));
        rig.view.rotateBy(90);
        rig.view.setFitMode(PdfViewport::FitMode::FitPage);
        const QSize vp = rig.view.viewport()->size();
        const double expected = std::min((vp.width() - 32.0) / 792, (vp.height() - 32.0) / 612);
        QCOMPARE(rig.view.zoom(), expected);
        QCOMPARE(rig.view.pageRect(0).width(), 792 * expected);
    }

    void rotation()
    {
        ViewportRig rig;
        QVERIFY(rig.open(letterPdf));
        QSignalSpy spy(&rig.view, &PdfViewport::rotationChanged);
        rig.view.rotateBy(-90);
        QCOMPARE(rig.view.rotation(), 270);
        rig.view.rotateBy(90);
        QCOMPARE(rig.view.rotation(), 0);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(&rig.view, Qt::Key_R);
        QCOMPARE(rig.view.rotation(), 0);
        QCOMPARE(spy.count(), 6);
        QCOMPARE(spy.at(2).first().toInt(), 90);
        // R with a modifier is not a rotation.
        QTest::keyClick(&rig.view, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(rig.view.rotation(), 0);
    }

    void goToPageClamps()
    {
        ViewportRig rig;
        QVERIFY(rig.open(letterPdf));
        QSignalSpy spy(&rig.view, &PdfViewport::currentPageChanged);
        rig.view.goToPage(3);
        QCOMPARE(rig.view.currentPage(), 3);
        QCOMPARE(rig.view.verticalScrollBar()->value(), int(rig.view.pageRect(3).top() - 16));
        rig.view.goToPage(-5);
        QCOMPARE(rig.view.currentPage(), 0);
        rig.view.goToPage(5 + 3);
        QCOMPARE(rig.view.currentPage(), 4);
        QCOMPARE(spy.count(), 3);
        rig.view.goToPage(4);
        QCOMPARE(spy.count(), 3);
        // Home and End.
        QTest::keyClick(&rig.view, Qt::Key_Home);
        QCOMPARE(rig.view.currentPage(), 0);
        QTest::keyClick(&rig.view, Qt::Key_End);
        QCOMPARE(rig.view.currentPage(), 4);
    }

    void scrollingMovesCurrentPage()
    {
        ViewportRig rig;
        QVERIFY(rig.open(letterPdf));
        QSignalSpy spy(&rig.view, &PdfViewport::currentPageChanged);
        const int vh = rig.view.viewport()->height();
        // Probe at half the height inside page 2.
        rig.view.verticalScrollBar()->setValue(int(rig.view.pageRect(2).top()) + 10 - vh / 2);
        QCOMPARE(rig.view.currentPage(), 2);
        QCOMPARE(spy.count(), 1);
        QTest::keyClick(&rig.view, Qt::Key_Down);
        QCOMPARE(rig.view.verticalScrollBar()->value(),
                 int(rig.view.pageRect(2).top()) + 10 - vh / 2 + 60);
        const int before = rig.view.verticalScrollBar()->value();
        QTest::keyClick(&rig.view, Qt::Key_Space);
        QCOMPARE(rig.view.verticalScrollBar()->value(), before + vh);
        QTest::keyClick(&rig.view, Qt::Key_Space, Qt::ShiftModifier);
        QCOMPARE(rig.view.verticalScrollBar()->value(), before);
    }

    void singlePageMode()
    {
        ViewportRig rig;
        QVERIFY(rig.open(letterPdf));
        QSignalSpy modeSpy(&rig.view, &PdfViewport::viewModeChanged);
        rig.view.setViewMode(PdfViewport::ViewMode::SinglePage);
        rig.view.setViewMode(PdfViewport::ViewMode::SinglePage);
        QCOMPARE(modeSpy.count(), 1);
        QCOMPARE(rig.view.viewGeometry().contentSize().height(), 16 + 792 + 16.0);
        QVERIFY(rig.view.pageRect(1).isEmpty());

        QSignalSpy pageSpy(&rig.view, &PdfViewport::currentPageChanged);
        QTest::keyClick(&rig.view, Qt::Key_PageDown);
        QCOMPARE(rig.view.currentPage(), 1);
        QCOMPARE(rig.view.pageRect(1).top(), 16.0);
        QVERIFY(rig.view.pageRect(0).isEmpty());
        QTest::keyClick(&rig.view, Qt::Key_PageUp);
        QCOMPARE(rig.view.currentPage(), 0);
        rig.view.goToPage(4);
        pageSpy.clear();
        QTest::keyClick(&rig.view, Qt::Key_PageDown); // last page: nothing
        QCOMPARE(rig.view.currentPage(), 4);
        QCOMPARE(pageSpy.count(), 0);
    }

    void keysZoom()
    {
        ViewportRig rig;
        QVERIFY(rig.open(letterPdf));
        QTest::keyClick(&rig.view, Qt::Key_Plus);
        QCOMPARE(rig.view.zoom(), 1.2);
        QTest::keyClick(&rig.view, Qt::Key_Minus);
        QVERIFY(sameZoom(rig.view.zoom(), 1.0));
        QTest::keyClick(&rig.view, Qt::Key_Equal);
        rig.view.setFitMode(PdfViewport::FitMode::FitPage);
        QSignalSpy fitSpy(&rig.view, &PdfViewport::fitModeChanged);
        QTest::keyClick(&rig.view, Qt::Key_0);
        QCOMPARE(rig.view.zoom(), 1.0);
        QCOMPARE(rig.view.fitMode(), PdfViewport::FitMode::FitNone);
        QCOMPARE(fitSpy.count(), 1);
    }

    void visiblePagesAreRendered()
    {
        ViewportRig rig;
        QVERIFY(rig.open(letterPdf));
        QSignalSpy visible(&rig.view, &PdfViewport::visiblePagesChanged);
        QVERIFY(visible.wait(test::TimeoutMs)); // the render timer
        QCOMPARE(visible.last().first().value<QList<int>>(), QList<int>({0}));
        QVERIFY(rig.waitImages());
        const RenderCache::Key key = rig.view.renderKeyFor(0);
        QCOMPARE(key.size, QSize(612, 792));
        QCOMPARE(rig.cache.cachedImage(key).size(), QSize(612, 792));
        // Text of the current page and its neighbour is prefetched.
        QTRY_VERIFY_WITH_TIMEOUT(rig.text.hasQuickBoxes(0) || rig.text.hasPageText(0),
                                 test::TimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(rig.text.hasPageText(1), test::TimeoutMs);

        // Rotation changes the key: the old image is no longer the one painted.
        rig.view.rotateBy(90);
        QCOMPARE(rig.view.renderKeyFor(0).size, QSize(792, 612));
        QCOMPARE(rig.view.renderKeyFor(0).rotation, 90);
        QVERIFY(rig.cache.cachedImage(rig.view.renderKeyFor(0)).isNull());
    }

    // At the highest zoom a page image would take 118 MiB, and two in view would not fit the
    // cache together: the view renders the parts in view, and both pages at a boundary show.
    void highZoomRendersThePartsInView()
    {
        ViewportRig rig(QSize(1000, 700));
        QVERIFY(rig.open(letterPdf));
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(&rig.view, Qt::Key_Plus);
        QCOMPARE(rig.view.zoom(), 8.0);
        QCOMPARE(rig.view.viewGeometry().renderPixelSize(0, 1.0), QSize(4896, 6336));
        QVERIFY(rig.view.isTiled(0));
        const QSize preview = rig.view.renderKeyFor(0).size;
        QVERIFY(qint64(preview.width()) * preview.height() <= PdfViewport::PreviewPixels);

        // The boundary between the first two pages in the middle of the view.
        QScrollBar* bar = rig.view.verticalScrollBar();
        bar->setValue(int(rig.view.pageRect(0).bottom()) - 350);
        QVERIFY(rig.view.pageRect(1).top() < bar->value() + 700);
        qint64 tilePixels = 0;
        for (int page : {0, 1}) {
            for (const RenderCache::Key& tile : rig.view.visibleTileKeys(page))
                tilePixels += qint64(tile.clip.width()) * tile.clip.height();
        }
        QVERIFY(tilePixels > 0 && tilePixels <= 4 * 1000 * 700);
        rig.view.refreshVisiblePages();
        QTRY_VERIFY_WITH_TIMEOUT(rig.view.visiblePagesSharp(), test::TimeoutMs);
        QVERIFY(rig.cache.totalBytes() < rig.cache.byteBudget() / 2);
        // Paper on both sides of the gap, no placeholder stripes.
        const QImage shown = rig.render();
        const int x = rig.view.viewport()->width() / 2;
        for (int page : {0, 1}) {
            const double y =
                page == 0 ? rig.view.pageRect(0).bottom() - 30 : rig.view.pageRect(1).top() + 30;
            QCOMPARE(shown.pixelColor(x, int(y) - bar->value()), QColor(Qt::white));
        }

        // A jump asks at once for the parts where it lands, and for none where it passed.
        rig.view.scrollToPagePoint(3, QPointF(0, 396));
        const QList<RenderCache::Key> landed = rig.view.visibleTileKeys(3);
        QVERIFY(!landed.isEmpty());
        for (const RenderCache::Key& tile : landed)
            QVERIFY(rig.cache.isInFlight(tile));
        RenderCache::Key pageTop = landed.first();
        pageTop.clip.moveTop(0);
        QVERIFY(!rig.cache.isInFlight(pageTop) && !rig.cache.contains(pageTop));
    }

    // A document whose pages together are longer than an int: the scroll range saturates
    // instead of wrapping to nothing, and the pages within it can still be reached and rendered.
    void pagesLongerThanAnIntStayScrollable()
    {
        const QString path = dir.filePath(QStringLiteral("endless.pdf"));
        QVERIFY(writeSizedPdf(path, {QSizeF(300, 2e8)}, 12));
        ViewportRig rig;
        QVERIFY(rig.open(path));
        QCOMPARE(rig.view.pageCount(), 12);
        QCOMPARE(rig.view.verticalScrollBar()->maximum(), MaxContentPx);
        rig.view.goToPage(3);
        QCOMPARE(rig.view.currentPage(), 3);
        QCOMPARE(rig.view.verticalScrollBar()->value(), int(rig.view.pageRect(3).top() - 16));
        QTest::keyClick(&rig.view, Qt::Key_Space);
        QCOMPARE(rig.view.currentPage(), 3);
        const QSize s = rig.view.renderKeyFor(3).size;
        QVERIFY(!s.isEmpty());
        QVERIFY(qint64(s.width()) * s.height() <= RenderCache::maxRenderPixels);
    }

    void setDocumentAgainResets()
    {
        ViewportRig rig;
        QVERIFY(rig.open(letterPdf));
        rig.view.setZoom(1.5);
        rig.view.rotateBy(180);
        rig.view.goToPage(4);
        QVERIFY(rig.view.verticalScrollBar()->value() > 0);
        rig.view.setDocument();
        QCOMPARE(rig.view.verticalScrollBar()->value(), 0);
        QCOMPARE(rig.view.zoom(), 1.5);
        QCOMPARE(rig.view.rotation(), 180);
        QCOMPARE(rig.view.currentPage(), 0);
        // The first page is asked for at once, not after a pause meant for scrolling.
        QVERIFY(rig.cache.isInFlight(rig.view.renderKeyFor(0)));

        // A spread wider than the view shows the page that was current, the cover on its right.
        rig.view.setSpread(true);
        const QRectF cover = rig.view.pageRect(0).translated(
            -rig.view.horizontalScrollBar()->value(), -rig.view.verticalScrollBar()->value());
        QVERIFY(cover.intersected(QRectF(rig.view.viewport()->rect())).width()
                >= std::min(cover.width(), double(rig.view.viewport()->width())) - 1);
    }

    // Focusing a hit on another page goes there and, once its boxes are measured, scrolls it to a
    // third of the view's height.
    void focusedHitScrollsIntoView()
    {
        const QString path = dir.filePath(QStringLiteral("hits.pdf"));
        QVERIFY(writeTextPdf(path, {QStringLiteral("alpha"), QStringLiteral("beta"),
                                    QStringLiteral("gamma"),
                                    QStringLiteral("\n\n\n\n\n\n\n\n\n\nthe needle here")}));
        ViewportRig rig;
        QVERIFY(rig.open(path));
        QSignalSpy finished(&rig.search, &SearchController::finished);
        rig.search.startSearch(QStringLiteral("needle"), false);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, test::TimeoutMs);
        QCOMPARE(rig.view.searchHits().size(), 1);
        const SearchHit hit = rig.view.searchHits().first();
        QCOMPARE(hit.page, 3);

        rig.view.setFocusedHit(5); // outside the list: ignored
        QCOMPARE(rig.view.focusedHit(), -1);
        rig.view.setFocusedHit(0);
        QCOMPARE(rig.view.currentPage(), 3);
        QTRY_VERIFY_WITH_TIMEOUT(!rig.text.hitBoxes(3, hit.start, hit.length).isEmpty(),
                                 test::TimeoutMs);
        const QRectF box = rig.text.hitBoxes(3, hit.start, hit.length).first();
        const double y = rig.view.pageToView(3, box.topLeft()).y();
        QCOMPARE(rig.view.verticalScrollBar()->value(),
                 std::min(int(y - rig.view.viewport()->height() / 3.0),
                          rig.view.verticalScrollBar()->maximum()));
        QVERIFY(rig.view.verticalScrollBar()->value() > int(rig.view.pageRect(3).top()));

        // A new search forgets the hits and the focus.
        rig.search.startSearch(QStringLiteral("alpha"), false);
        QCOMPARE(rig.view.focusedHit(), -1);
        QTRY_COMPARE_WITH_TIMEOUT(rig.view.searchHits().size(), 1, test::TimeoutMs);
    }

    void linksLoadOnTheWorker()
    {
        const QString path = dir.filePath(QStringLiteral("links.pdf"));
        QVERIFY(writeLinkedPdf(path, {{{QPointF(72, 100), 24, QStringLiteral("Go")}}, {}},
                               {{0, QRectF(72, 80, 60, 30), 1, {}}}));
        ViewportRig rig;
        QVERIFY(rig.open(path));
        QTRY_VERIFY_WITH_TIMEOUT(rig.view.links()->linksLoaded(0), test::TimeoutMs);
        const PdfLink link = rig.view.links()->linkAt(0, QPointF(90, 95));
        QVERIFY(link.isUsable());
        QCOMPARE(link.target.page, 1);
        QVERIFY(!rig.view.links()->linkAt(0, QPointF(300, 300)).isUsable());
        QVERIFY(!rig.view.links()->linkAt(1, QPointF(90, 95)).isUsable());
    }
};

QTEST_MAIN(TestPdfViewport)
#include "tst_pdfviewport.moc"
