// Pointer and keyboard interaction of the page view: selection and copy, double-click words,
// links and the hover cursor, annotation gestures and cards, the Escape order.

#include "support/TestPdf.h"
#include "support/TestWait.h"
#include "support/TextFixtures.h"
#include "support/ViewFixtures.h"
#include "support/ViewportRig.h"
#include "support/WorkerGate.h"
#include "view/AnnotationCard.h"
#include "view/LinkPreview.h"

#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace dovrix;
using namespace dovrix::test;

namespace {
const QString Url = QStringLiteral("https://example.org/dovrix");

// A tool that owns a square of page 0: its shape there, and presses there are its own.
class SquareTool : public PageTool
{
public:
    using PageTool::PageTool;
    const QRectF square{300, 500, 100, 100};
    int presses = 0;

    bool press(const PagePointer& at) override
    {
        const bool mine = at.page == 0 && square.contains(at.point);
        presses += mine;
        return mine;
    }
    bool hover(const PagePointer& at, Qt::CursorShape* shape) override
    {
        *shape = Qt::OpenHandCursor; // the view heeds it only where the tool claims the place
        return at.page == 0 && square.contains(at.point);
    }
};
} // namespace

class TestViewportPointer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString pdf;

    QWidget* vp(ViewportRig& rig) { return rig.view.viewport(); }

    // Index of the first character of word in page 0's text.
    static int indexOf(ViewportRig& rig, const QString& word)
    {
        return int(rig.text.pageText(0).indexOf(word));
    }

    // A move without a button (QTest would only move the cursor for those).
    void hover(ViewportRig& rig, const QPoint& pos)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(pos), vp(rig)->mapToGlobal(QPointF(pos)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(vp(rig), &move);
    }

    // The events a real double-click sends: press, release, double-click, release.
    void doubleClick(ViewportRig& rig, const QPoint& pos)
    {
        QTest::mouseClick(vp(rig), Qt::LeftButton, {}, pos);
        QTest::mouseDClick(vp(rig), Qt::LeftButton, {}, pos);
        QTest::mouseRelease(vp(rig), Qt::LeftButton, {}, pos);
    }

    void drag(ViewportRig& rig, const QPoint& from, const QPoint& to)
    {
        QTest::mousePress(vp(rig), Qt::LeftButton, {}, from);
        QTest::mouseMove(vp(rig), (from + to) / 2);
        QTest::mouseMove(vp(rig), to);
        QTest::mouseRelease(vp(rig), Qt::LeftButton, {}, to);
    }

    // Page point -> viewport pixel (zoom 1, no scroll in these tests).
    static QPoint at(ViewportRig& rig, double x, double y)
    {
        return rig.toViewport(0, QPointF(x, y));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        pdf = dir.filePath(QStringLiteral("pointer.pdf"));
        QVERIFY(writeLinkedPdf(
            pdf,
            {{{QPointF(72, 100), 24, QStringLiteral("call foo_bar2 now")},
              {QPointF(72, 160), 24, QStringLiteral("one two")},
              {QPointF(72, 250), 24, QStringLiteral("next page")},
              {QPointF(72, 320), 24, QStringLiteral("website")}},
             {{QPointF(72, 100), 24, QStringLiteral("second page")}},
             {{QPointF(72, 100), 24, QStringLiteral("third page")}}},
            {{0, QRectF(70, 228, 120, 30), 2, {}}, {0, QRectF(70, 298, 100, 30), -1, Url}}));
    }

    void init()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("sentinel"));
        // Every test starts without annotations.
        QFile::remove(AnnotationStore::sidecarPathFor(pdf));
    }

    void dragSelectsAndCopies()
    {
        ViewportRig rig;
        QVERIFY(rig.open(pdf));
        QVERIFY(rig.waitCharBoxes(0));
        const int i0 = indexOf(rig, QStringLiteral("foo_bar2"));
        QVERIFY(i0 > 0);
        QSignalSpy changed(&rig.view, &PdfViewport::selectionChanged);
        drag(rig, rig.charPos(0, i0), rig.charPos(0, i0 + 7));
        QVERIFY(rig.view.selection()->hasSelection());
        const TextRange range = rig.view.selection()->selectionRange();
        QCOMPARE(range.page, 0);
        QCOMPARE(range.start, i0);
        QCOMPARE(range.length, 8);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("foo_bar2"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toBool(), true);

        // Dragging backwards selects the same range.
        drag(rig, rig.charPos(0, i0 + 7), rig.charPos(0, i0));
        QCOMPARE(rig.view.selection()->selectionRange().start, i0);
        QCOMPARE(rig.view.selection()->selectionRange().length, 8);

        // A click clears it.
        QTest::mouseClick(vp(rig), Qt::LeftButton, {}, rig.charPos(0, 1));
        QVERIFY(!rig.view.selection()->hasSelection());
        QCOMPARE(rig.view.selection()->selectionRange().page, -1);
    }

    // A word hyphenated at a line end holds U+FFFE in the text layer; the copy leaves it out.
    void copyJoinsHyphenatedWord()
    {
        const QString path = dir.filePath(QStringLiteral("hyphen.pdf"));
        QVERIFY(writeMappedTextPdf(
            path, {{QStringLiteral("Lorem ipsum adip-"), QStringLiteral("iscing elit")}},
            QSizeF(595, 842), 24));
        ViewportRig rig;
        QVERIFY(rig.open(path));
        QVERIFY(rig.waitCharBoxes(0));
        const QString text = rig.text.pageText(0);
        const int marker = int(text.indexOf(QChar(0xFFFE)));
        if (marker < 0)
            QSKIP("this Qt PDF keeps the hyphen as it is");
        const int first = int(text.indexOf(QStringLiteral("adip")));
        const int last = int(text.indexOf(QStringLiteral("iscing"))) + 5;
        QVERIFY(first >= 0 && last > marker);
        drag(rig, rig.charPos(0, first), rig.charPos(0, last));
        QCOMPARE(rig.view.selection()->selectionRange().length,
                 last - first + 1); // the marker counts
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("adipiscing"));

        // The same through the copy command's path.
        QGuiApplication::clipboard()->clear();
        rig.view.selection()->copySelectionToClipboard();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("adipiscing"));
    }

    void dragWithinOneCharacterSelectsNothing()
    {
        ViewportRig rig;
        QVERIFY(rig.open(pdf));
        QVERIFY(rig.waitCharBoxes(0));
        const int m = indexOf(rig, QStringLiteral("now")) + 2; // the wide 'w'
        const QRectF box = rig.text.charBoxes(0).at(m);
        QVERIFY2(box.width() > 8, qPrintable(QString::number(box.width())));
        // 4 points inside: the neighbours' boxes, which may touch this one, grown by 1.5 points
        // and a pixel's rounding, do not reach there.
        drag(rig, at(rig, box.left() + 4, box.top() + 4),
             at(rig, box.right() - 4, box.bottom() - 4));
        QVERIFY(!rig.view.selection()->hasSelection());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("sentinel"));
    }

    // The pointer crosses the short last line of a paragraph and comes to rest well past its
    // end, beside the line: the selection keeps the line's last letters.
    void dragPastAShortLastLineKeepsItsEnd()
    {
        const QString path = dir.filePath(QStringLiteral("paragraph.pdf"));
        QVERIFY(writePlacedTextPdf(
            path, {{{QPointF(72, 100), QStringLiteral("A paragraph whose last line is short: a")},
                    {QPointF(72, 113), QStringLiteral("hook")}}}));
        ViewportRig rig;
        QVERIFY(rig.open(path));
        QVERIFY(rig.waitCharBoxes(0));
        // The last four letters are "hook" (the writer's text has breaks between letters).
        const QString text = rig.text.pageText(0);
        QList<int> letters;
        for (int i = 0; i < text.size(); ++i) {
            if (text.at(i).isLetter())
                letters.append(i);
        }
        QVERIFY(letters.size() > 4);
        const QRectF k = rig.text.charBoxes(0).at(letters.last());
        const QPoint past = at(rig, k.right() + 30, k.center().y());
        QTest::mousePress(vp(rig), Qt::LeftButton, {}, rig.charPos(0, 0));
        QTest::mouseMove(vp(rig), rig.charPos(0, letters.at(letters.size() - 2)));
        QTest::mouseMove(vp(rig), past);
        QTest::mouseRelease(vp(rig), Qt::LeftButton, {}, past);
        QVERIFY(rig.view.selection()->hasSelection());
        const QString copied =
            QGuiApplication::clipboard()->text().remove(QRegularExpression(QStringLiteral("\\s")));
        QVERIFY2(copied.endsWith(QStringLiteral("short:ahook")), qPrintable(copied));
    }

    void dragBeforeBoxesCompletesWhenTheyArrive()
    {
        ViewportRig rig;
        QVERIFY(rig.open(pdf));
        QVERIFY(rig.waitCharBoxes(0));
        const int i0 = indexOf(rig, QStringLiteral("foo_bar2"));
        const QPoint from = rig.charPos(0, i0);
        const QPoint to = rig.charPos(0, i0 + 7);

        WorkerGate gate(&rig.worker);
        rig.text.clear(); // the page's boxes are gone and cannot come back while the gate holds
        QSignalSpy changed(&rig.view, &PdfViewport::selectionChanged);
        drag(rig, from, to);
        QVERIFY(!rig.view.selection()->hasSelection());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("sentinel"));

        gate.open();
        QTRY_VERIFY_WITH_TIMEOUT(rig.view.selection()->hasSelection(), test::TimeoutMs);
        QCOMPARE(rig.view.selection()->selectionRange().start, i0);
        QCOMPARE(rig.view.selection()->selectionRange().length, 8);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("foo_bar2"));
        QCOMPARE(changed.last().first().toBool(), true);
    }

    void doubleClickSelectsWords_data()
    {
        QTest::addColumn<QString>("clickOn");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("expected");
        QTest::newRow("inside foo_bar2") << "foo_bar2" << 4 << "foo_bar2";
        QTest::newRow("its digit") << "foo_bar2" << 7 << "foo_bar2";
    }
    void doubleClickSelectsWords()
    {
        QFETCH(QString, clickOn);
        QFETCH(int, offset);
        QFETCH(QString, expected);
        ViewportRig rig;
        QVERIFY(rig.open(pdf));
        QVERIFY(rig.waitCharBoxes(0));
        const int index = indexOf(rig, clickOn) + offset;
        doubleClick(rig, rig.charPos(0, index));
        QVERIFY(rig.view.selection()->hasSelection());
        const TextRange r = rig.view.selection()->selectionRange();
        QCOMPARE(rig.text.pageText(0).mid(r.start, r.length), expected);
        // A double-click does not copy.
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("sentinel"));
    }

    void linksAndHoverCursor()
    {
        ViewportRig rig;
        QVERIFY(rig.open(pdf));
        QVERIFY(rig.waitCharBoxes(0));
        QTRY_VERIFY_WITH_TIMEOUT(rig.view.links()->linksLoaded(0), test::TimeoutMs);

        hover(rig, at(rig, 100, 240));
        QCOMPARE(vp(rig)->cursor().shape(), Qt::PointingHandCursor);
        hover(rig, rig.charPos(0, 1));
        QCOMPARE(vp(rig)->cursor().shape(), Qt::IBeamCursor);
        hover(rig, at(rig, 400, 600));
        QCOMPARE(vp(rig)->cursor().shape(), Qt::ArrowCursor);
        hover(rig, rig.charPos(0, 1));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(vp(rig), &leave);
        QVERIFY(!vp(rig)->testAttribute(Qt::WA_SetCursor)); // unset on leaving

        // A selection exists; a click on the web link reports its URL and clears it.
        doubleClick(rig, rig.charPos(0, 1));
        QVERIFY(rig.view.selection()->hasSelection());
        QSignalSpy activated(&rig.view, &PdfViewport::linkActivated);
        QTest::mouseClick(vp(rig), Qt::LeftButton, {}, at(rig, 100, 310));
        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.first().first().toUrl(), QUrl(Url));
        QVERIFY(!rig.view.selection()->hasSelection());
        QCOMPARE(rig.view.currentPage(), 0);

        // A click on the link to the third page goes there.
        QSignalSpy pageSpy(&rig.view, &PdfViewport::currentPageChanged);
        QTest::mouseClick(vp(rig), Qt::LeftButton, {}, at(rig, 100, 240));
        QCOMPARE(rig.view.currentPage(), 2);
        QCOMPARE(pageSpy.count(), 1);
        QCOMPARE(activated.count(), 1);
    }

    // A tool added later is asked before the view's own; off the pages nobody claims the pointer,
    // whatever shape it had; a tool that is gone is asked no more.
    void aToolAddedLaterIsAskedFirst()
    {
        ViewportRig rig;
        QVERIFY(rig.open(pdf));
        QVERIFY(rig.waitCharBoxes(0));
        auto* tool = new SquareTool(&rig.view);
        hover(rig, at(rig, 350, 550));
        QCOMPARE(vp(rig)->cursor().shape(), Qt::OpenHandCursor);
        hover(rig, QPoint(2, at(rig, 350, 550).y()));
        QCOMPARE(vp(rig)->cursor().shape(), Qt::ArrowCursor);

        doubleClick(rig, rig.charPos(0, 1));
        QTest::mouseClick(vp(rig), Qt::LeftButton, {}, at(rig, 350, 550));
        QCOMPARE(tool->presses, 1);
        QVERIFY(rig.view.selection()->hasSelection()); // the selection never saw the click
        delete tool;
        QTest::mouseClick(vp(rig), Qt::LeftButton, {}, at(rig, 350, 550));
        QVERIFY(!rig.view.selection()->hasSelection());
    }

    // Resting on a link to another page shows that page's top in a popup, rendered on the
    // worker since the page is not on screen; the view stays where it was, and the popup goes
    // when the pointer leaves the link. A web link shows nothing.
    void linkPreviewOpensAndClosesWithoutMovingTheView()
    {
        ViewportRig rig;
        QVERIFY(rig.open(pdf));
        QTRY_VERIFY_WITH_TIMEOUT(rig.view.links()->linksLoaded(0), test::TimeoutMs);
        const int scroll = rig.view.verticalScrollBar()->value();

        hover(rig, at(rig, 100, 310)); // the web link
        hover(rig, at(rig, 100, 240));
        hover(rig, at(rig, 104, 242)); // moving on the same link keeps its timer
        QTRY_VERIFY_WITH_TIMEOUT(rig.view.links()->linkPreview()
                                     && rig.view.links()->linkPreview()->isVisible(),
                                 test::TimeoutMs);
        LinkPreview* preview = rig.view.links()->linkPreview();
        QTRY_VERIFY_WITH_TIMEOUT(preview->hasPicture(), test::TimeoutMs);
        const QImage picture = preview->picture();
        QCOMPARE(picture.size(), QSize(LinkPreview::WidthPx, LinkPreview::HeightPx));
        QVERIFY(test::darkPixels(picture) > 50); // "third page" near the top of its page
        QVERIFY(!preview->geometry().contains(at(rig, 100, 240))); // beside the pointer
        QCOMPARE(rig.view.currentPage(), 0);
        QCOMPARE(rig.view.verticalScrollBar()->value(), scroll);

        hover(rig, at(rig, 400, 600));
        QVERIFY(preview->isHidden());
        hover(rig, at(rig, 100, 310));
        QVERIFY(preview->isHidden());
        QCOMPARE(rig.view.currentPage(), 0);
        QCOMPARE(rig.view.verticalScrollBar()->value(), scroll);
    }

    // In a spread the right-hand page is not the current one; its links still answer the pointer.
    void linksOfTheOtherPageOfASpread()
    {
        const QString path = dir.filePath(QStringLiteral("spread.pdf"));
        QVERIFY(writeLinkedPdf(path,
                               {{{QPointF(72, 100), 24, QStringLiteral("left")}},
                                {{QPointF(72, 100), 24, QStringLiteral("right")}},
                                {{QPointF(72, 100), 24, QStringLiteral("target")}}},
                               {{1, QRectF(70, 228, 120, 30), 2, {}}}));
        ViewportRig rig(QSize(1400, 900));
        QVERIFY(rig.open(path));
        rig.view.setCoverAlone(false);
        rig.view.setSpread(true);
        QCOMPARE(rig.view.currentPage(), 0);
        const QPoint onLink = rig.toViewport(1, QPointF(100, 240));
        QCOMPARE(rig.view.pageAt(rig.view.pageToView(1, QPointF(100, 240))), 1);
        hover(rig, onLink);
        QTRY_VERIFY_WITH_TIMEOUT(rig.view.links()->linksLoaded(1), test::TimeoutMs);
        hover(rig, onLink + QPoint(1, 0));
        QCOMPARE(vp(rig)->cursor().shape(), Qt::PointingHandCursor);
        QTRY_VERIFY_WITH_TIMEOUT(rig.view.links()->linkPreview()
                                     && rig.view.links()->linkPreview()->isVisible(),
                                 test::TimeoutMs);
        QCOMPARE(rig.view.currentPage(), 0);
    }

    void dragOverALinkDoesNotFollowIt()
    {
        ViewportRig rig;
        QVERIFY(rig.open(pdf));
        QVERIFY(rig.waitCharBoxes(0));
        QTRY_VERIFY_WITH_TIMEOUT(rig.view.links()->linksLoaded(0), test::TimeoutMs);
        const int n = indexOf(rig, QStringLiteral("next"));
        drag(rig, rig.charPos(0, n), rig.charPos(0, n + 3));
        QCOMPARE(rig.view.currentPage(), 0);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("next"));
    }

    void gesturesThatAreTooSmallCreateNothing()
    {
        ViewportRig rig;
        QVERIFY(rig.open(pdf));
        QVERIFY(rig.waitCharBoxes(0));
        QSignalSpy modeSpy(&rig.view, &PdfViewport::annotationModeChanged);
        rig.view.annotations()->setActive(true);
        QCOMPARE(modeSpy.count(), 1);
        QCOMPARE(vp(rig)->cursor().shape(), Qt::CrossCursor);

        rig.view.annotations()->setType(AnnotationType::Rectangle);
        drag(rig, at(rig, 300, 500), at(rig, 302, 502));
        rig.view.annotations()->setType(AnnotationType::Arrow);
        drag(rig, at(rig, 300, 500), at(rig, 303, 503)); // 4.2 points long
        rig.view.annotations()->setType(AnnotationType::Highlight);
        drag(rig, at(rig, 300, 500), at(rig, 301, 501)); // no text there, too small a box
        QCOMPARE(rig.annotations.count(), 0);
        QVERIFY(rig.view.annotations()->cardId().isEmpty());

        rig.view.annotations()->setType(AnnotationType::Arrow);
        drag(rig, at(rig, 300, 500), at(rig, 306, 500));
        QCOMPARE(rig.annotations.count(), 1);
        const Annotation arrow = rig.annotations.allAnnotations().last();
        QCOMPARE(arrow.type, AnnotationType::Arrow);
        QCOMPARE(arrow.rect, QRectF(300, 500, 0, 0));
        QCOMPARE(arrow.pt2, QPointF(306, 500));
        QCOMPARE(rig.view.annotations()->cardId(), arrow.id);
        QVERIFY(vp(rig)->findChild<AnnotationCard*>());

        rig.view.annotations()->setType(AnnotationType::Rectangle);
        drag(rig, at(rig, 300, 600), at(rig, 302, 640)); // narrow but tall enough
        QCOMPARE(rig.annotations.count(), 2);
        QCOMPARE(rig.annotations.allAnnotations().last().rect, QRectF(300, 600, 2, 40));
    }

    // A new arrow is a thin line: it gets a colour that stands out on white paper (contrast of
    // at least 3:1, the measure for lines and shapes).
    void newArrowIsLegibleOnWhite()
    {
        ViewportRig rig;
        QVERIFY(rig.open(pdf));
        rig.view.annotations()->setActive(true);
        rig.view.annotations()->setType(AnnotationType::Arrow);
        drag(rig, at(rig, 300, 600), at(rig, 400, 700));
        QCOMPARE(rig.annotations.count(), 1);
        const QColor c = rig.annotations.allAnnotations().first().color;
        auto channel = [](double v) {
            v /= 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        const double luminance =
            0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
        QVERIFY2(1.05 / (luminance + 0.05) >= 3.0, qPrintable(c.name()));
    }

    void annotationGestures()
    {
        ViewportRig rig;
        QVERIFY(rig.open(pdf));
        QVERIFY(rig.waitCharBoxes(0));
        rig.view.annotations()->setActive(true);

        // A click with the note tool creates a note at the click point and opens its card.
        rig.view.annotations()->setType(AnnotationType::Note);
        QTest::mouseClick(vp(rig), Qt::LeftButton, {}, at(rig, 400, 500));
        QCOMPARE(rig.annotations.count(), 1);
        const Annotation note = rig.annotations.allAnnotations().first();
        QCOMPARE(note.type, AnnotationType::Note);
        QCOMPARE(note.rect, QRectF(400, 500, 0, 0));
        QCOMPARE(rig.view.annotations()->cardId(), note.id);

        // A highlight dragged over text is anchored to the characters.
        rig.view.annotations()->setType(AnnotationType::Highlight);
        const int i0 = indexOf(rig, QStringLiteral("foo_bar2"));
        drag(rig, rig.charPos(0, i0), rig.charPos(0, i0 + 7));
        QCOMPARE(rig.annotations.count(), 2);
        const Annotation hl = rig.annotations.allAnnotations().last();
        QVERIFY(hl.byText);
        QCOMPARE(hl.start, i0);
        QCOMPARE(hl.length, 8);
        QCOMPARE(hl.rect, unitedBoxes(rig.text.charBoxes(0), i0, 8));
        QCOMPARE(rig.view.annotations()->cardId(), hl.id);
        // It follows the current character boxes, not its stored rectangle; a rectangle
        // fallback stays where it was stored.
        Annotation moved = hl;
        moved.rect = QRectF(1, 1, 1, 1);
        QCOMPARE(rig.view.annotations()->annotationRect(moved),
                 unitedBoxes(rig.text.charBoxes(0), i0, 8));
        moved.byText = false;
        QCOMPARE(rig.view.annotations()->annotationRect(moved), QRectF(1, 1, 1, 1));

        // From one character to the same one: a rectangle fallback when the box is big enough.
        const QRectF w = rig.text.charBoxes(0).at(indexOf(rig, QStringLiteral("now")) + 2);
        drag(rig, at(rig, w.left() + 4, w.top() + 4), at(rig, w.right() - 4, w.bottom() - 4));
        QCOMPARE(rig.annotations.count(), 3);
        QVERIFY(!rig.annotations.allAnnotations().last().byText);

        // Overlapping annotations: a press opens the one added later.
        rig.view.annotations()->setType(AnnotationType::Rectangle);
        drag(rig, at(rig, 300, 600), at(rig, 400, 700));
        drag(rig, at(rig, 450, 750), at(rig, 350, 650)); // starts outside the first one
        const QList<Annotation> all = rig.annotations.allAnnotations();
        const int before = rig.annotations.count();
        QTest::mouseClick(vp(rig), Qt::LeftButton, {}, at(rig, 375, 675));
        QCOMPARE(rig.annotations.count(), before); // opened, not created
        QCOMPARE(rig.view.annotations()->cardId(), all.last().id);
        QTest::mouseClick(vp(rig), Qt::LeftButton, {}, at(rig, 320, 620));
        QCOMPARE(rig.view.annotations()->cardId(), all.at(all.size() - 2).id);

        // Removing the annotation of the open card closes the card.
        rig.annotations.remove(rig.view.annotations()->cardId());
        QVERIFY(rig.view.annotations()->cardId().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!vp(rig)->findChild<AnnotationCard*>(), test::TimeoutMs);
    }

    void cardEditsReachTheStore()
    {
        ViewportRig rig;
        QVERIFY(rig.open(pdf));
        rig.view.annotations()->setActive(true);
        rig.view.annotations()->setType(AnnotationType::Rectangle);
        drag(rig, at(rig, 300, 600), at(rig, 400, 700));
        auto* card = vp(rig)->findChild<AnnotationCard*>();
        QVERIFY(card);
        Annotation a = *rig.annotations.find(rig.view.annotations()->cardId());
        a.type = AnnotationType::Arrow; // turned into an arrow: its head gets the default place
        Q_EMIT card->changed(a);
        const Annotation stored = *rig.annotations.find(a.id);
        QCOMPARE(stored.type, AnnotationType::Arrow);
        QCOMPARE(stored.pt2, QPointF(418, 718));

        // Deleting from the card removes the annotation and closes the card.
        Q_EMIT card->deleted(a.id);
        QCOMPARE(rig.annotations.count(), 0);
        QVERIFY(rig.view.annotations()->cardId().isEmpty());
    }

    // Each /Rotate with and without a CropBox smaller than the MediaBox, on the word as drawn: a
    // drag copies it, a search hit is drawn on it, a highlight is stored with a size and drawn
    // on it after reopening.
    void turnedAndCroppedPages_data()
    {
        QTest::addColumn<int>("rotate");
        QTest::addColumn<bool>("cropped");
        for (const int rotate : {0, 90, 180, 270}) {
            for (const bool cropped : {false, true})
                QTest::addRow("rotate %d%s", rotate, cropped ? ", cropped" : "")
                    << rotate << cropped;
        }
    }

    void turnedAndCroppedPages()
    {
        QFETCH(int, rotate);
        QFETCH(bool, cropped);
        if (useEngineUnderTest() == EngineKind::QtPdf && (rotate != 0 || cropped))
            QSKIP("Qt PDF places the text of turned and cropped pages off the page");
        LayoutPage page;
        page.mediaBoxPt = QSizeF(300, 300);
        page.rotate = rotate;
        if (cropped)
            page.cropBoxPt = QRectF(40, 60, 220, 200);
        page.runs = {{QPointF(70, 150), 24, QStringLiteral("quartz")}};
        const QString path = dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
        QVERIFY(writeLayoutPdf(path, {page}));
        QFile::remove(AnnotationStore::sidecarPathFor(path));

        // The word's ink in the view: the only dark pixels of the page.
        const auto inkOf = [](ViewportRig& rig, const QImage& image) {
            const QSizeF size = rig.controller.pageSizes().first();
            const QRect area = QRectF(rig.toViewport(0, QPointF(0, 0)),
                                      rig.toViewport(0, QPointF(size.width(), size.height())))
                                   .toRect()
                                   .normalized()
                                   .intersected(image.rect());
            QRect ink;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    if (image.pixelColor(x, y).lightness() < 100)
                        ink |= QRect(x, y, 1, 1);
                }
            }
            return ink;
        };
        // What changed between two renders lies on the word and covers much of it.
        const auto drawnOn = [](const QImage& before, const QImage& after, const QRect& ink) {
            const QRect near = ink.adjusted(-8, -8, 8, 8);
            int inside = 0;
            for (int y = 0; y < after.height(); ++y) {
                for (int x = 0; x < after.width(); ++x) {
                    if (before.pixel(x, y) == after.pixel(x, y))
                        continue;
                    if (!near.contains(x, y))
                        return QStringLiteral("changed at (%1, %2), away from the word")
                            .arg(x)
                            .arg(y);
                    inside += ink.contains(x, y) ? 1 : 0;
                }
            }
            if (inside * 4 < ink.width() * ink.height())
                return QStringLiteral("only %1 pixels changed on the word").arg(inside);
            return QString();
        };

        ViewportRig rig;
        QVERIFY(rig.open(path));
        QVERIFY(rig.waitCharBoxes(0));
        QVERIFY(rig.waitImages());
        const QImage plain = rig.render();
        const QRect ink = inkOf(rig, plain);
        QVERIFY(ink.width() > 10 && ink.height() > 10);
        // From the first letter's middle to the last one's, along the line as drawn.
        const bool across = ink.width() > ink.height();
        const int inset = (across ? ink.width() : ink.height()) / 12;
        const QPoint from = across ? QPoint(ink.left() + inset, ink.center().y())
                                   : QPoint(ink.center().x(), ink.top() + inset);
        const QPoint to = across ? QPoint(ink.right() - inset, ink.center().y())
                                 : QPoint(ink.center().x(), ink.bottom() - inset);
        drag(rig, from, to);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("quartz"));
        rig.view.selection()->clearSelection();

        QSignalSpy finished(&rig.search, &SearchController::finished);
        rig.search.startSearch(QStringLiteral("quartz"), false);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, test::TimeoutMs);
        QCOMPARE(rig.view.searchHits().size(), 1);
        const SearchHit hit = rig.view.searchHits().first();
        rig.view.viewport()->repaint();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.text.hitBoxes(0, hit.start, hit.length).isEmpty(),
                                 test::TimeoutMs);
        QString fault = drawnOn(plain, rig.render(), ink);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        rig.search.clear();

        rig.view.annotations()->setActive(true);
        rig.view.annotations()->setType(AnnotationType::Highlight);
        drag(rig, from, to);
        QCOMPARE(rig.annotations.count(), 1);
        const Annotation stored = rig.annotations.allAnnotations().first();
        QVERIFY(stored.rect.width() > 0 && stored.rect.height() > 0);

        ViewportRig reopened;
        QVERIFY(reopened.open(path));
        QCOMPARE(reopened.annotations.count(), 1);
        QVERIFY(reopened.waitCharBoxes(0));
        QVERIFY(reopened.waitImages());
        const QImage marked = reopened.render();
        reopened.annotations.remove(stored.id);
        fault = drawnOn(reopened.render(), marked, ink);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void escapeSteps()
    {
        ViewportRig rig;
        QVERIFY(rig.open(pdf));
        QVERIFY(rig.waitCharBoxes(0));
        doubleClick(rig, rig.charPos(0, 1));
        QVERIFY(rig.view.selection()->hasSelection());

        rig.view.annotations()->setActive(true);
        // Entering annotation mode keeps the selection.
        QVERIFY(rig.view.selection()->hasSelection());
        rig.view.annotations()->setType(AnnotationType::Rectangle);
        drag(rig, at(rig, 300, 600), at(rig, 400, 700));
        QVERIFY(!rig.view.annotations()->cardId().isEmpty());
        QTest::mousePress(vp(rig), Qt::LeftButton, {}, at(rig, 100, 600)); // a drag in progress
        QTest::mouseMove(vp(rig), at(rig, 200, 700));

        QSignalSpy modeSpy(&rig.view, &PdfViewport::annotationModeChanged);
        QTest::keyClick(&rig.view, Qt::Key_Escape); // 1: drops the drag
        QVERIFY(!rig.view.annotations()->cardId().isEmpty());
        QVERIFY(rig.view.selection()->hasSelection());
        QTest::mouseRelease(vp(rig), Qt::LeftButton, {}, at(rig, 200, 700));
        QCOMPARE(rig.annotations.count(), 1);

        QTest::keyClick(&rig.view, Qt::Key_Escape); // 2: closes the card, clears the selection
        QVERIFY(rig.view.annotations()->cardId().isEmpty());
        QVERIFY(!rig.view.selection()->hasSelection());
        QVERIFY(rig.view.annotations()->isActive());

        QTest::keyClick(&rig.view, Qt::Key_Escape); // 3: leaves annotation mode
        QVERIFY(!rig.view.annotations()->isActive());
        QCOMPARE(modeSpy.count(), 1);
        QCOMPARE(vp(rig)->cursor().shape(), Qt::ArrowCursor);
    }

    void setDocumentDropsSelectionCardAndHits()
    {
        ViewportRig rig;
        QVERIFY(rig.open(pdf));
        QVERIFY(rig.waitCharBoxes(0));
        doubleClick(rig, rig.charPos(0, 1));
        rig.view.annotations()->setActive(true);
        rig.view.annotations()->setType(AnnotationType::Note);
        QTest::mouseClick(vp(rig), Qt::LeftButton, {}, at(rig, 400, 500));
        QVERIFY(!rig.view.annotations()->cardId().isEmpty());
        QSignalSpy finished(&rig.search, &SearchController::finished);
        rig.search.startSearch(QStringLiteral("page"), false);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, test::TimeoutMs);
        QVERIFY(!rig.view.searchHits().isEmpty());

        rig.view.setDocument();
        QVERIFY(!rig.view.selection()->hasSelection());
        QVERIFY(rig.view.annotations()->cardId().isEmpty());
        QVERIFY(rig.view.searchHits().isEmpty());
        QCOMPARE(rig.view.focusedHit(), -1);
        QVERIFY(rig.view.annotations()->isActive()); // the mode is the user's, not the document's
    }
};

QTEST_MAIN(TestViewportPointer)
#include "tst_viewportpointer.moc"
