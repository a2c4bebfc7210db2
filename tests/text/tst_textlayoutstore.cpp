#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "text/TextLayoutStore.h"

#include "tests/support/TextFixtures.h"
#include "tests/support/WorkerGate.h"

#include <QPdfDocument>
#include <QPdfSelection>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace dovrix;

namespace {

QString repeated(const QString& unit, int count)
{
    QString s;
    for (int i = 0; i < count; ++i)
        s += unit;
    return s;
}

} // namespace

class TestTextLayoutStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    std::unique_ptr<PdfWorker> worker;
    std::unique_ptr<DocumentController> controller;
    std::unique_ptr<TextLayoutStore> store;

    // Opens a hand-written PDF of the given pages and makes a fresh store for it.
    bool open(const QList<QStringList>& pages, double fontSize = 12)
    {
        static int serial = 0;
        const QString path = dir.filePath(QStringLiteral("doc%1.pdf").arg(++serial));
        if (!test::writeMappedTextPdf(path, pages, QSizeF(595, 842), fontSize))
            return false;
        return openFile(path);
    }

    bool openFile(const QString& path)
    {
        store.reset();
        controller = std::make_unique<DocumentController>(worker.get());
        if (!test::openAndWait(*controller, path))
            return false;
        store = std::make_unique<TextLayoutStore>(worker.get(), controller.get());
        return true;
    }

    // The worker is idle and every queued delivery has reached the store.
    void settle()
    {
        for (int i = 0; i < 4; ++i) {
            worker->waitForIdle();
            QCoreApplication::processEvents();
        }
    }

    QRectF exactBox(int page, int index)
    {
        worker->waitForIdle();
        const QPdfSelection sel = controller->document()->getSelectionAtIndex(page, index, 1);
        return sel.bounds().isEmpty() ? QRectF() : sel.bounds().first().boundingRect();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        DocumentController::setProbeEnabled(false);
        worker = std::make_unique<PdfWorker>();
    }

    void cleanup()
    {
        store.reset();
        controller.reset();
        worker->waitForIdle();
    }

    void cleanupTestCase() { worker.reset(); }

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

    void spreadOverLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QRectF>>("lines");
        QTest::addColumn<QList<int>>("lineOfChar"); // -1: null box

        const QRectF a(10, 10, 100, 12);
        const QRectF b(10, 30, 100, 12);
        const QRectF wide(10, 10, 300, 12);
        const QRectF thin(0, 50, 0.2, 12);
        QTest::newRow("two equal lines") << QStringLiteral("abcd efgh") << QList<QRectF>{a, b}
                                         << QList<int>{0, 0, 0, 0, -1, 1, 1, 1, 1};
        QTest::newRow("widths three to one") << QStringLiteral("abcdefgh") << QList<QRectF>{wide, a}
                                             << QList<int>{0, 0, 0, 0, 0, 0, 1, 1};
        QTest::newRow("one line takes all")
            << QStringLiteral("ab\ncd") << QList<QRectF>{a} << QList<int>{0, 0, -1, 0, 0};
        QTest::newRow("more lines than characters")
            << QStringLiteral("ab") << QList<QRectF>{a, b, wide} << QList<int>{0, 1};
        // Every line takes at least one character, however narrow.
        QTest::newRow("line narrower than a point still takes one")
            << QStringLiteral("abc") << QList<QRectF>{thin, a} << QList<int>{0, 1, 1};
        QTest::newRow("only whitespace")
            << QStringLiteral(" \n\t") << QList<QRectF>{a} << QList<int>{};
        QTest::newRow("no rectangles") << QStringLiteral("abc") << QList<QRectF>{} << QList<int>{};
    }

    void spreadOverLines()
    {
        QFETCH(QString, text);
        QFETCH(QList<QRectF>, lines);
        QFETCH(QList<int>, lineOfChar);
        const QList<QRectF> boxes = TextLayoutStore::spreadOverLines(text, lines);
        QCOMPARE(boxes.size(), lineOfChar.size());
        for (int i = 0; i < boxes.size(); ++i) {
            const QRectF expected = lineOfChar.at(i) < 0 ? QRectF() : lines.at(lineOfChar.at(i));
            QCOMPARE(boxes.at(i), expected);
        }
    }

    void approximateChunk_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lo");
        QTest::addColumn<QList<QRectF>>("rects");
        QTest::addColumn<QList<QRectF>>("expected"); // for the characters lo, lo + 1, ...

        QTest::newRow("one line, equal widths")
            << QStringLiteral("abcd") << 0 << QList<QRectF>{{0, 0, 40, 10}}
            << QList<QRectF>{{0, 0, 10, 10}, {10, 0, 10, 10}, {20, 0, 10, 10}, {30, 0, 10, 10}};
        QTest::newRow("a space takes a slot, keeps a null box")
            << QStringLiteral("ab cd") << 0 << QList<QRectF>{{100, 5, 50, 10}}
            << QList<QRectF>{
                   {100, 5, 10, 10}, {110, 5, 10, 10}, {}, {130, 5, 10, 10}, {140, 5, 10, 10}};
        QTest::newRow("two lines by width")
            << QStringLiteral("abcd") << 0 << QList<QRectF>{{0, 0, 20, 10}, {0, 20, 20, 10}}
            << QList<QRectF>{{0, 0, 10, 10}, {10, 0, 10, 10}, {0, 20, 10, 10}, {10, 20, 10, 10}};
        QTest::newRow("chunk inside the text")
            << QStringLiteral("xxab") << 2 << QList<QRectF>{{0, 0, 8, 4}}
            << QList<QRectF>{{0, 0, 4, 4}, {4, 0, 4, 4}};
        // Five characters over two 10-point lines: 2.5 slots each, so the third character would
        // start at 8 in a 4-point slot and is held back to end at the right edge.
        QTest::newRow("clamped to the right edge")
            << QStringLiteral("abcde") << 0 << QList<QRectF>{{0, 0, 10, 10}, {50, 0, 10, 10}}
            << QList<QRectF>{
                   {0, 0, 4, 10}, {4, 0, 4, 10}, {6, 0, 4, 10}, {52, 0, 4, 10}, {56, 0, 4, 10}};
    }

    void approximateChunk()
    {
        QFETCH(QString, text);
        QFETCH(int, lo);
        QFETCH(QList<QRectF>, rects);
        QFETCH(QList<QRectF>, expected);
        QList<QRectF> boxes(text.size());
        TextLayoutStore::approximateChunk(text, lo, int(text.size()), rects, boxes);
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(boxes.at(lo + i), expected.at(i));
        for (int i = 0; i < lo; ++i)
            QVERIFY(boxes.at(i).isNull());
    }

    // Texts are measured in chunks of 64 characters; a chunk whose approximation agrees with its
    // three probes costs three probes and nothing else, a chunk that disagrees is measured exactly.
    void chunking_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("chunks");
        QTest::addColumn<bool>("uniform"); // same-width glyphs: every approximation holds

        QTest::newRow("1 character") << QStringLiteral("x") << 1 << true;
        QTest::newRow("64 characters") << repeated(QStringLiteral("x"), 64) << 1 << true;
        QTest::newRow("65 characters") << repeated(QStringLiteral("x"), 65) << 2 << true;
        QTest::newRow("130 characters") << repeated(QStringLiteral("n"), 130) << 3 << true;
        // Wide and narrow glyphs in one line: equal widths put the middle probe far off.
        QTest::newRow("mixed widths")
            << (repeated(QStringLiteral("W"), 16) + repeated(QStringLiteral("i"), 48)) << 1
            << false;
    }

    void chunking()
    {
        QFETCH(QString, line);
        QFETCH(int, chunks);
        QFETCH(bool, uniform);
        QVERIFY(open({{line}}, 10));
        QSignalSpy text(store.get(), &TextLayoutStore::pageTextReady);
        QSignalSpy boxes(store.get(), &TextLayoutStore::charBoxesReady);
        store->requestCharBoxes(0, 10);
        QVERIFY(boxes.wait());
        QCOMPARE(text.count(), 1);
        const QString pageText = store->pageText(0);
        QCOMPARE(pageText, line);
        const QList<QRectF> measured = store->charBoxes(0);
        QCOMPARE(measured.size(), line.size());

        const TextLayoutStats stats = store->stats();
        QCOMPARE(stats.allTextCalls, 1);
        QCOMPARE(stats.chunks, chunks);
        if (uniform) {
            QCOMPARE(stats.fallbackChunks, 0);
            QCOMPARE(stats.exactCalls, 0);
            QVERIFY(stats.probeCalls <= 3 * chunks);
        } else {
            QCOMPARE(stats.fallbackChunks, 1);
            // Every character is measured once: by its probe or by the exact pass.
            QCOMPARE(stats.probeCalls + stats.exactCalls, qint64(line.size()));
        }
        // Either way every box lies where Qt PDF puts the character.
        for (int i = 0; i < line.size(); ++i) {
            const QRectF exact = exactBox(0, i);
            QVERIFY2(TextLayoutStore::probeAgrees(exact, measured.at(i)),
                     qPrintable(QStringLiteral("character %1").arg(i)));
        }
        // A second request does nothing.
        store->requestCharBoxes(0, 10);
        settle();
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(store->stats().chunks, chunks);
    }

    void emptyPage()
    {
        QVERIFY(open({{QStringLiteral("first page")}, {}}));
        QSignalSpy text(store.get(), &TextLayoutStore::pageTextReady);
        QSignalSpy quick(store.get(), &TextLayoutStore::quickBoxesReady);
        QSignalSpy boxes(store.get(), &TextLayoutStore::charBoxesReady);
        store->requestPageText(1, 10);
        QVERIFY(text.wait());
        QVERIFY(store->hasPageText(1));
        QVERIFY(store->pageText(1).isEmpty());
        QVERIFY(!store->hasTextLayer(1));
        store->requestQuickBoxes(1, 25);
        store->requestCharBoxes(1, 10);
        QVERIFY(boxes.wait());
        QVERIFY(store->hasCharBoxes(1));
        QVERIFY(store->charBoxes(1).isEmpty());
        settle();
        QCOMPARE(quick.count(), 0);
        QCOMPARE(store->stats().selectionCalls, 0);
    }

    void quickBoxesFromRealPage()
    {
        QVERIFY(open({{QStringLiteral("alpha beta"), QStringLiteral("gamma")}}));
        QSignalSpy text(store.get(), &TextLayoutStore::pageTextReady);
        QSignalSpy quick(store.get(), &TextLayoutStore::quickBoxesReady);
        // Without the text, the request only asks for it.
        store->requestQuickBoxes(0, 25);
        QVERIFY(text.wait());
        settle();
        QCOMPARE(quick.count(), 0);
        QVERIFY(!store->hasQuickBoxes(0));
        QVERIFY(store->bestBoxes(0).isEmpty());

        store->requestQuickBoxes(0, 25);
        QVERIFY(quick.wait());
        const QString pageText = store->pageText(0);
        const QList<QRectF> boxes = store->bestBoxes(0);
        QCOMPARE(boxes.size(), pageText.size());
        for (int i = 0; i < pageText.size(); ++i)
            QCOMPARE(boxes.at(i).isNull(), pageText.at(i).isSpace());
        // The first and the last letter lie on different lines.
        QVERIFY(boxes.first().bottom() < boxes.last().top() + 1);
        QCOMPARE(store->stats().selectionCalls, 1);
    }

    // A request that needs a text still on its way is re-issued when that page's text arrives,
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
            store->requestPageText(0, 50);
            store->requestPageText(1, 40);
            store->requestPageText(2, 10);
            store->requestCharBoxes(2, 10);
            store->requestQuickBoxes(2, 25); // text pending: deferred
            store->requestQuickBoxes(2, 25); // same deferred request: armed once
        }
        QTRY_COMPARE(boxes.count(), 1);
        QCOMPARE(boxes.at(0).at(0).toInt(), 2);
        QTRY_COMPARE(quick.count(), 1);
        QCOMPARE(text.count(), 3);
        QCOMPARE(text.at(0).at(0).toInt(), 0);
        QCOMPARE(text.at(1).at(0).toInt(), 1);
        QCOMPARE(store->charBoxes(2).size(), store->pageText(2).size());

        // Reading blocks of a page whose text and boxes are stored: announced before return.
        store->requestReadingBlocks(2);
        QCOMPARE(blocks.count(), 1);
        QVERIFY(store->hasReadingBlocks(2));
        QVERIFY(!store->readingBlocks(2).isEmpty());
        // Reading blocks of a page without anything yet: text, boxes, then blocks.
        store->requestReadingBlocks(1);
        QTRY_COMPARE(blocks.count(), 2);
        QCOMPARE(blocks.at(1).at(0).toInt(), 1);
        QVERIFY(store->hasCharBoxes(1));
    }

    void hitBoxes()
    {
        QVERIFY(open({{QStringLiteral("find the needle here")}}));
        QSignalSpy hits(store.get(), &TextLayoutStore::hitBoxesReady);
        store->requestHitBoxes(0, 0, 0);
        store->requestHitBoxes(0, -1, 3);
        settle();
        QCOMPARE(hits.count(), 0);
        QCOMPARE(store->stats().selectionCalls, 0);

        store->requestHitBoxes(0, 9, 6);
        store->requestHitBoxes(0, 9, 6);
        QVERIFY(hits.wait());
        settle();
        QCOMPARE(hits.count(), 1);
        QCOMPARE(store->stats().selectionCalls, 1);
        const QList<QRectF> rects = store->hitBoxes(0, 9, 6);
        QCOMPARE(rects.size(), 1);
        QVERIFY(rects.first().width() > 20);
        // Another key, also when Qt PDF has nothing there: stored empty, still announced.
        store->requestHitBoxes(0, 5000, 4);
        QVERIFY(hits.wait());
        QCOMPARE(hits.last().at(1).toInt(), 5000);
        QVERIFY(store->hitBoxes(0, 5000, 4).isEmpty());
        store->requestHitBoxes(0, 5000, 4);
        settle();
        QCOMPARE(hits.count(), 2);
    }

    // After clear(), nothing posted before it is announced or stored.
    void clearSilencesLateJobs()
    {
        QVERIFY(open({{QStringLiteral("some text on page zero")}, {QStringLiteral("page one")}}));
        store->requestPageText(1, 10);
        QSignalSpy first(store.get(), &TextLayoutStore::pageTextReady);
        QVERIFY(first.wait());

        QSignalSpy text(store.get(), &TextLayoutStore::pageTextReady);
        QSignalSpy quick(store.get(), &TextLayoutStore::quickBoxesReady);
        QSignalSpy boxes(store.get(), &TextLayoutStore::charBoxesReady);
        QSignalSpy hits(store.get(), &TextLayoutStore::hitBoxesReady);
        {
            test::WorkerGate gate(worker.get());
            store->requestPageText(0, 10);
            store->requestQuickBoxes(1, 25);
            store->requestCharBoxes(1, 10);
            store->requestHitBoxes(1, 0, 4);
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
        // The jobs skipped their Qt PDF work.
        QCOMPARE(store->stats().selectionCalls, 0);
        // The store works again afterwards.
        store->requestPageText(1, 10);
        QVERIFY(text.wait());
    }

    // A long measurement stops at the chunk after clear().
    void clearStopsCharBoxJobBetweenChunks()
    {
        QVERIFY(open({{repeated(QStringLiteral("abcdefgh "), 8), repeated(QStringLiteral("x"), 64),
                       repeated(QStringLiteral("y"), 64)}}));
        QSignalSpy text(store.get(), &TextLayoutStore::pageTextReady);
        store->requestPageText(0, 10);
        QVERIFY(text.wait());
        QVERIFY(store->pageText(0).size() > 3 * 64);
        store->resetStats();
        QSignalSpy boxes(store.get(), &TextLayoutStore::charBoxesReady);
        {
            test::WorkerGate hold(worker.get());
            store->requestCharBoxes(0, 10);
            // Queued behind the first chunk: the second chunk is queued behind this gate.
            test::WorkerGate between(worker.get(), 10, test::WorkerGate::Mode::Queued);
            hold.open();
            between.waitUntilEntered();
            store->clear();
        }
        settle();
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(store->stats().chunks, 1);
        QVERIFY(!store->hasCharBoxes(0));
    }

    // A job whose store is gone delivers nothing and does not crash.
    void storeDeletedWhileJobsWait()
    {
        QVERIFY(open({{QStringLiteral("text")}}));
        {
            test::WorkerGate gate(worker.get());
            store->requestPageText(0, 10);
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

    // Hyphenation at a line end reaches the text layer as U+FFFE; boxes still cover it.
    void lineBreakMarkerInTextLayer()
    {
        QVERIFY(open({{QStringLiteral("Lorem ipsum adip-"), QStringLiteral("iscing elit")}}));
        QSignalSpy boxes(store.get(), &TextLayoutStore::charBoxesReady);
        store->requestCharBoxes(0, 10);
        QVERIFY(boxes.wait());
        const QString text = store->pageText(0);
        const int marker = int(text.indexOf(QChar(0xFFFE)));
        if (marker < 0)
            QSKIP("this Qt PDF keeps the hyphen as it is");
        QCOMPARE(text.mid(marker - 4, 11),
                 QStringLiteral("adip") + QChar(0xFFFE) + QStringLiteral("iscing"));
        QCOMPARE(store->charBoxes(0).size(), text.size());
        QVERIFY(store->hasTextLayer(0));
    }
};

QTEST_MAIN(TestTextLayoutStore)
#include "tst_textlayoutstore.moc"
