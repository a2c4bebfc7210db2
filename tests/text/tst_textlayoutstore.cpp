#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "engine/PdfDocument.h"
#include "text/TextLayoutStore.h"

#include "tests/support/SkipOrFail.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"
#include "tests/support/TextFixtures.h"
#include "tests/support/TextStoreRig.h"
#include "tests/support/WorkerGate.h"

#include <QImage>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace dovrix;

Q_DECLARE_METATYPE(dovrix::test::LayoutPage)

class TestTextLayoutStore : public QObject, private test::TextStoreRig
{
    Q_OBJECT

private:
    // Two pages of text; page one's text is stored and the counters start afresh.
    bool openTwoPagesWithPageOneRead()
    {
        if (!open({{QStringLiteral("some text on page zero")}, {QStringLiteral("page one")}}))
            return false;
        QSignalSpy read(store.get(), &TextLayoutStore::pageTextReady);
        store->requestPageText(1, JobPriority::TextLayout);
        if (!read.wait(test::TimeoutMs))
            return false;
        store->resetStats();
        return true;
    }

    // Every box of a non-blank character lies on the page and on ink of the rendered page: the
    // text, its boxes and the picture agree on where each character is.
    void verifyBoxesOnInk(int page)
    {
        const QString text = store->pageText(page);
        const QList<QRectF> boxes = store->charBoxes(page);
        QCOMPARE(boxes.size(), text.size());
        QVERIFY(worker->waitForIdle(test::TimeoutMs));
        constexpr double scale = 2;
        const QSizeF size = controller->pageSizes().at(page);
        const QImage image = controller->document()
                                 ->render(page, (size * scale).toSize(), 0)
                                 .convertToFormat(QImage::Format_Grayscale8);
        QVERIFY(!image.isNull());
        const QRectF pageRect(QPointF(0, 0), size);
        int checked = 0;
        for (int i = 0; i < text.size(); ++i) {
            if (text.at(i).isSpace())
                continue;
            const QRectF box = boxes.at(i);
            QVERIFY2(box.isValid() && pageRect.adjusted(-1, -1, 1, 1).contains(box),
                     qPrintable(QStringLiteral("'%1' at %2 off the page").arg(text.at(i)).arg(i)));
            const QRect pixels =
                QRectF(box.topLeft() * scale, box.size() * scale).toAlignedRect() & image.rect();
            bool ink = false;
            for (int y = pixels.top(); y <= pixels.bottom() && !ink; ++y) {
                const uchar* row = image.constScanLine(y);
                for (int x = pixels.left(); x <= pixels.right() && !ink; ++x)
                    ink = row[x] < 128;
            }
            QVERIFY2(ink, qPrintable(QStringLiteral("'%1' at %2: no ink in %3,%4 %5x%6")
                                         .arg(text.at(i))
                                         .arg(i)
                                         .arg(box.x())
                                         .arg(box.y())
                                         .arg(box.width())
                                         .arg(box.height())));
            ++checked;
        }
        QVERIFY(checked > 0);
    }

private Q_SLOTS:
    void initTestCase() { start(); }
    void cleanup() { closeDocument(); }
    void cleanupTestCase() { stop(); }

    void hasTextLayer_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("layer");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("a, space, b, line feed") << QStringLiteral("a b\n") << false;
        QTest::newRow("three letters") << QStringLiteral("abc") << true;
        QTest::newRow("blanks around two letters")
            << QStringLiteral(" \t\r\n a \r\n b \t") << false;
        QTest::newRow("three letters among blanks") << QStringLiteral("a\r\nb c") << true;
        QTest::newRow("no-break space counts") << QStringLiteral("a\u00A0b") << true;
    }

    void hasTextLayer()
    {
        QFETCH(QString, text);
        QFETCH(bool, layer);
        QCOMPARE(TextLayoutStore::isTextLayer(text), layer);
    }

    // The page text holds the words written, and every character's box lies on its ink, on
    // pages of any layout, /Rotate and CropBox.
    void boxesLieOnTheInk_data()
    {
        QTest::addColumn<test::LayoutPage>("page");
        const auto lines = [](const QStringList& texts, double x, double top, double size) {
            QList<test::TextRun> runs;
            for (int i = 0; i < texts.size(); ++i)
                runs.append({QPointF(x, top - i * 1.4 * size), size, texts.at(i)});
            return runs;
        };
        // Columns of filler text, their runs written in a scrambled order.
        const auto columns = [&](int count) {
            test::LayoutPage page;
            const double width = (595.0 - 72) / count;
            for (int c = 0; c < count; ++c)
                page.runs += lines(test::fillerLines(900, int(width / 5.5), quint32(c + 3)),
                                   36 + c * width, 790, 9);
            for (int i = 0; i < page.runs.size(); ++i)
                std::swap(page.runs[i], page.runs[(i * 7919 + 13) % page.runs.size()]);
            return page;
        };
        const QStringList prose{QStringLiteral("Wide WWW MMM and thin iii lll, jjj ttt."),
                                QStringLiteral("Quiet lazy foxes jump over 1,234 brown dogs!"),
                                QStringLiteral("A line (with) [brackets] & some: punctuation?")};

        test::LayoutPage proportional;
        proportional.runs = lines(prose, 72, 760, 11);
        QTest::newRow("proportional") << proportional;

        test::LayoutPage ligatures;
        const QString fi(QChar(0xFB01));
        ligatures.runs = lines({QStringLiteral("speci") + fi + QStringLiteral("c con") + fi
                                    + QStringLiteral("guration"),
                                fi + QStringLiteral("eld ") + fi + QStringLiteral("nal pro") + fi
                                    + QStringLiteral("le")},
                               72, 760, 12);
        QTest::newRow("ligatures") << ligatures;

        QTest::newRow("two columns, scrambled") << columns(2);
        QTest::newRow("three columns, scrambled") << columns(3);

        // Each /Rotate, with and without a CropBox smaller than the MediaBox.
        for (const int rotate : {0, 90, 180, 270}) {
            for (const bool crop : {false, true}) {
                test::LayoutPage page;
                page.rotate = rotate;
                if (crop)
                    page.cropBoxPt = QRectF(50, 300, 450, 500);
                page.runs = lines(prose, 72, 700, 11);
                QTest::addRow("rotate %d%s", rotate, crop ? ", cropped" : "") << page;
            }
        }

        test::LayoutPage superscripts;
        superscripts.runs = {{QPointF(72, 700), 12, QStringLiteral("E = mc")},
                             {QPointF(72 + 12 * 3.1, 705), 7, QStringLiteral("2")},
                             {QPointF(72 + 12 * 3.1 + 4.5, 700), 12, QStringLiteral(" and x")},
                             {QPointF(72 + 12 * 5.3, 705), 7, QStringLiteral("n+1")},
                             {QPointF(72, 680), 12, QStringLiteral("next line of text")}};
        QTest::newRow("superscripts") << superscripts;

        test::LayoutPage hyphen;
        hyphen.runs =
            lines({QStringLiteral("Lorem ipsum dolor adip-"), QStringLiteral("iscing elit sed do")},
                  72, 760, 12);
        QTest::newRow("line-break hyphen") << hyphen;
    }

    void boxesLieOnTheInk()
    {
        QFETCH(test::LayoutPage, page);
        if (test::useEngineUnderTest() == EngineKind::QtPdf
            && (page.rotate != 0 || !page.cropBoxPt.isNull()))
            QSKIP("Qt PDF places the text of turned and cropped pages off the page");
        const QString path = dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
        QVERIFY(test::writeLayoutPdf(path, {page}));
        QVERIFY(openFile(path));
        QSignalSpy boxes(store.get(), &TextLayoutStore::charBoxesReady);
        store->requestCharBoxes(0, JobPriority::TextLayout);
        QVERIFY(boxes.wait(test::TimeoutMs));
        QCOMPARE(store->stats().failedPages, 0);
        // Every word written is in the text (ligatures read as their letters, a hyphen at the
        // line's end possibly marked as such).
        QString text = store->pageText(0).normalized(QString::NormalizationForm_KC);
        text.replace(QChar(0xFFFE), u'-').replace(QChar(0x0002), u'-');
        for (const test::TextRun& run : page.runs) {
            const QStringList words =
                run.text.normalized(QString::NormalizationForm_KC).split(u' ', Qt::SkipEmptyParts);
            for (const QString& word : words)
                QVERIFY2(text.contains(word), qPrintable(word));
        }
        verifyBoxesOnInk(0);
    }

    // A document unlocked with its password is read like any other.
    void engineOpensEncryptedDocuments()
    {
        const QString plain = dir.filePath(QStringLiteral("plain.pdf"));
        const QString locked = dir.filePath(QStringLiteral("locked.pdf"));
        QVERIFY(test::writeMappedTextPdf(plain, {{QStringLiteral("secret words here")}}));
        if (!test::encryptPdf(plain, locked, QStringLiteral("pw")))
            DOVRIX_SKIP_OR_FAIL_IN_CI("qpdf is not installed");
        store.reset();
        controller = std::make_unique<DocumentController>(worker.get());
        controller->setProbeEnabled(false);
        QSignalSpy asked(controller.get(), &DocumentController::passwordRequired);
        QSignalSpy ready(controller.get(), &DocumentController::documentReady);
        controller->openFile(locked);
        QVERIFY(asked.wait(test::TimeoutMs));
        controller->submitPassword(QStringLiteral("pw"));
        QVERIFY(ready.wait(test::TimeoutMs));
        store = std::make_unique<TextLayoutStore>(worker.get(), controller.get());
        QSignalSpy boxes(store.get(), &TextLayoutStore::charBoxesReady);
        store->requestCharBoxes(0, JobPriority::TextLayout);
        QVERIFY(boxes.wait(test::TimeoutMs));
        QVERIFY(store->pageText(0).contains(QStringLiteral("secret")));
        verifyBoxesOnInk(0);
    }

    // A page that runs past the engine's time limit gives no text, and the store still answers.
    void pageTimeLimit()
    {
        if (test::useEngineUnderTest() == EngineKind::QtPdf)
            QSKIP("Qt PDF reads a page without a time limit");
        QVERIFY(open({{QStringLiteral("Alpha beta gamma"), QStringLiteral("delta epsilon")}}));
        controller->document()->setTextTimeLimitMs(0);
        QSignalSpy boxes(store.get(), &TextLayoutStore::charBoxesReady);
        store->requestCharBoxes(0, JobPriority::TextLayout);
        QVERIFY(boxes.wait(test::TimeoutMs));
        QCOMPARE(store->stats().failedPages, 1);
        QVERIFY(store->pageText(0).isEmpty());
        QVERIFY(!store->hasTextLayer(0));
    }

    void emptyPage()
    {
        QVERIFY(open({{QStringLiteral("first page")}, {}}));
        QSignalSpy text(store.get(), &TextLayoutStore::pageTextReady);
        QSignalSpy quick(store.get(), &TextLayoutStore::quickBoxesReady);
        QSignalSpy boxes(store.get(), &TextLayoutStore::charBoxesReady);
        store->requestPageText(1, JobPriority::TextLayout);
        QVERIFY(text.wait(test::TimeoutMs));
        QVERIFY(store->hasPageText(1));
        QVERIFY(store->pageText(1).isEmpty());
        QVERIFY(!store->hasTextLayer(1));
        // The boxes came with the text: announced with it, asked for again without a job.
        QCOMPARE(boxes.count(), 1);
        store->requestQuickBoxes(1, JobPriority::ShownPageText);
        store->requestCharBoxes(1, JobPriority::TextLayout);
        QVERIFY(store->hasCharBoxes(1));
        QVERIFY(store->charBoxes(1).isEmpty());
        settle();
        QCOMPARE(quick.count(), 0);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(store->stats().pageTextCalls, 1);
    }

    void quickBoxesFromRealPage()
    {
        QVERIFY(open({{QStringLiteral("alpha beta"), QStringLiteral("gamma")}}));
        QSignalSpy text(store.get(), &TextLayoutStore::pageTextReady);
        QSignalSpy quick(store.get(), &TextLayoutStore::quickBoxesReady);
        // Without the text, the request asks for it; the boxes come with it.
        store->requestQuickBoxes(0, JobPriority::ShownPageText);
        QVERIFY(text.wait(test::TimeoutMs));
        QCOMPARE(quick.count(), 1);
        store->requestQuickBoxes(0, JobPriority::ShownPageText);
        settle();
        QCOMPARE(quick.count(), 1);
        const QString pageText = store->pageText(0);
        const QList<QRectF> boxes = store->bestBoxes(0);
        QCOMPARE(boxes.size(), pageText.size());
        for (int i = 0; i < pageText.size(); ++i)
            QCOMPARE(boxes.at(i).isNull(), pageText.at(i).isSpace());
        // The first and the last letter lie on different lines.
        QVERIFY(boxes.first().bottom() < boxes.last().top() + 1);
        // They are the character boxes, read with the text in one pass: a selection started as
        // soon as they arrive is anchored to the text.
        QVERIFY(store->hasCharBoxes(0));
        QCOMPARE(store->charBoxes(0), boxes);
        QCOMPARE(store->stats().pageTextCalls, 1);
    }

    // A request that needs a text still on its way is served when that page's text arrives,
    // however many other pages arrive first.
    void deferredRequests()
    {
        QVERIFY(open({{QStringLiteral("page zero")},
                      {QStringLiteral("page one")},
                      {QStringLiteral("page two is the one we wait for")}}));
        QSignalSpy text(store.get(), &TextLayoutStore::pageTextReady);
        QSignalSpy boxes(store.get(), &TextLayoutStore::charBoxesReady);
        QSignalSpy quick(store.get(), &TextLayoutStore::quickBoxesReady);
        QSignalSpy blocks(store.get(), &TextLayoutStore::readingBlocksReady);
        {
            test::WorkerGate gate(worker.get());
            store->requestPageText(0, JobPriority::ShownPageText);
            store->requestPageText(1, JobPriority::Thumbnails);
            store->requestPageText(2, JobPriority::TextLayout);
            store->requestCharBoxes(2, JobPriority::TextLayout);
            store->requestQuickBoxes(2, JobPriority::ShownPageText); // text pending: waits
            // The same waiting request: served once.
            store->requestQuickBoxes(2, JobPriority::ShownPageText);
        }
        QTRY_COMPARE_WITH_TIMEOUT(boxes.count(), 3, test::TimeoutMs);
        QCOMPARE(boxes.at(2).at(0).toInt(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(quick.count(), 1, test::TimeoutMs);
        QCOMPARE(text.count(), 3);
        QCOMPARE(text.at(0).at(0).toInt(), 0);
        QCOMPARE(text.at(1).at(0).toInt(), 1);
        QCOMPARE(store->charBoxes(2).size(), store->pageText(2).size());

        // Reading blocks of a page whose text and boxes are stored: announced before return.
        store->requestReadingBlocks(2);
        QCOMPARE(blocks.count(), 1);
        QVERIFY(store->hasReadingBlocks(2));
        QVERIFY(!store->readingBlocks(2).isEmpty());
        // Reading blocks of a page without anything yet: text and boxes, then blocks.
        QVERIFY(open({{QStringLiteral("another page")}}));
        QSignalSpy laterBlocks(store.get(), &TextLayoutStore::readingBlocksReady);
        store->requestReadingBlocks(0);
        QVERIFY(laterBlocks.wait(test::TimeoutMs));
        QCOMPARE(laterBlocks.at(0).at(0).toInt(), 0);
        QVERIFY(store->hasCharBoxes(0));
    }

    void hitBoxes()
    {
        QVERIFY(open({{QStringLiteral("find the needle here")}}));
        QSignalSpy hits(store.get(), &TextLayoutStore::hitBoxesReady);
        store->requestHitBoxes(0, 0, 0);
        store->requestHitBoxes(0, -1, 3);
        settle();
        QCOMPARE(hits.count(), 0);
        QCOMPARE(store->stats().pageTextCalls, 0);

        store->requestHitBoxes(0, 9, 6);
        store->requestHitBoxes(0, 9, 6);
        QVERIFY(hits.wait(test::TimeoutMs));
        settle();
        QCOMPARE(hits.count(), 1);
        QCOMPARE(store->stats().pageTextCalls, 1);
        const QList<QRectF> rects = store->hitBoxes(0, 9, 6);
        QCOMPARE(rects.size(), 1);
        QVERIFY(rects.first().width() > 20);
        // The boxes of "needle", joined.
        const QList<QRectF> chars = store->charBoxes(0);
        QCOMPARE(rects.first().left(), chars.at(9).left());
        QCOMPARE(rects.first().right(), chars.at(14).right());
        // Another key, also where the page has no text: stored empty, still announced.
        store->requestHitBoxes(0, 5000, 4);
        QVERIFY(hits.wait(test::TimeoutMs));
        QCOMPARE(hits.last().at(1).toInt(), 5000);
        QVERIFY(store->hitBoxes(0, 5000, 4).isEmpty());
        store->requestHitBoxes(0, 5000, 4);
        settle();
        QCOMPARE(hits.count(), 2);
    }

    // After clear(), nothing posted before it is announced or stored.
    void clearSilencesLateJobs()
    {
        QVERIFY(openTwoPagesWithPageOneRead());

        QSignalSpy text(store.get(), &TextLayoutStore::pageTextReady);
        QSignalSpy quick(store.get(), &TextLayoutStore::quickBoxesReady);
        QSignalSpy boxes(store.get(), &TextLayoutStore::charBoxesReady);
        QSignalSpy hits(store.get(), &TextLayoutStore::hitBoxesReady);
        {
            test::WorkerGate gate(worker.get());
            store->requestPageText(0, JobPriority::TextLayout);
            store->requestQuickBoxes(0, JobPriority::ShownPageText);
            store->requestCharBoxes(0, JobPriority::TextLayout);
            store->requestHitBoxes(0, 0, 4);
            store->requestHitBoxes(1, 0, 4); // the boxes are there: answered from the event loop
            store->clear();
        }
        settle();
        QCOMPARE(text.count(), 0);
        QCOMPARE(quick.count(), 0);
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(hits.count(), 0);
        QVERIFY(!store->hasPageText(0));
        QVERIFY(!store->hasPageText(1));
        QVERIFY(!store->hasCharBoxes(1));
        // The jobs skipped their engine work.
        QCOMPARE(store->stats().pageTextCalls, 0);
        // The store works again afterwards.
        store->requestPageText(1, JobPriority::TextLayout);
        QVERIFY(text.wait(test::TimeoutMs));
    }

    // Pages whose text changed are read anew: a stored page at its next request, a read already
    // on its way once more before anyone waiting is answered.
    void forgottenPagesAreReadAgain()
    {
        QVERIFY(openTwoPagesWithPageOneRead());

        QSignalSpy text(store.get(), &TextLayoutStore::pageTextReady);
        QSignalSpy hits(store.get(), &TextLayoutStore::hitBoxesReady);
        {
            test::WorkerGate gate(worker.get());
            store->requestPageText(0, JobPriority::TextLayout);
            store->requestHitBoxes(0, 0, 4);
            store->forgetPages({0, 1});
            QVERIFY(!store->hasPageText(1));
        }
        QVERIFY(hits.wait(test::TimeoutMs));
        QCOMPARE(text.count(), 1);
        QCOMPARE(store->stats().pageTextCalls, 2);
        QVERIFY(!store->hitBoxes(0, 0, 4).isEmpty());
    }

    // A job whose store is gone delivers nothing and does not crash.
    void storeDeletedWhileJobsWait()
    {
        QVERIFY(open({{QStringLiteral("text")}}));
        {
            test::WorkerGate gate(worker.get());
            store->requestPageText(0, JobPriority::TextLayout);
            store->requestHitBoxes(0, 0, 2);
            store.reset();
        }
        settle();
    }

    void ocrResults()
    {
        QVERIFY(open({{QStringLiteral("x")}}));
        QVERIFY(!store->ocrResult(3));
        OcrPageText result;
        result.lines = {{QRectF(0, 0, 10, 10), QStringLiteral("first"), 0.9f},
                        {QRectF(0, 20, 10, 10), QStringLiteral("second"), 0.8f}};
        result.text = QStringLiteral("stale text that does not match the lines");
        store->setOcrResult(3, result);
        const OcrPageText* stored = store->ocrResult(3);
        QVERIFY(stored);
        QCOMPARE(stored->text, QStringLiteral("first\nsecond"));
        QCOMPARE(stored->lines.size(), 2);
        // Results of other pages do not move it.
        for (int page = 4; page < 200; ++page)
            store->setOcrResult(page, OcrPageText::fromLines(result.lines));
        QCOMPARE(store->ocrResult(3), stored);
        QCOMPARE(stored->lines.at(1).text, QStringLiteral("second"));
        QCOMPARE(OcrPageText::fromLines({}).text, QString());
        store->clear();
        QVERIFY(!store->ocrResult(3));
    }

    // Hyphenation at a line end may reach the text layer as U+FFFE; boxes still cover it.
    void lineBreakMarkerInTextLayer()
    {
        QVERIFY(open({{QStringLiteral("Lorem ipsum adip-"), QStringLiteral("iscing elit")}}));
        QSignalSpy boxes(store.get(), &TextLayoutStore::charBoxesReady);
        store->requestCharBoxes(0, JobPriority::TextLayout);
        QVERIFY(boxes.wait(test::TimeoutMs));
        const QString text = store->pageText(0);
        const int marker = int(text.indexOf(QChar(0xFFFE)));
        if (marker < 0)
            QSKIP("this engine keeps the hyphen as it is");
        QCOMPARE(text.mid(marker - 4, 11),
                 QStringLiteral("adip") + QChar(0xFFFE) + QStringLiteral("iscing"));
        QCOMPARE(store->charBoxes(0).size(), text.size());
        QVERIFY(store->hasTextLayer(0));
    }
};

QTEST_MAIN(TestTextLayoutStore)
#include "tst_textlayoutstore.moc"
