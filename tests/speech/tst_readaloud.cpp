#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "speech/ReadAloud.h"
#include "speech/SpeechEngine.h"
#include "support/TestPdf.h"
#include "support/TestWait.h"
#include "text/TextLayoutStore.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace dovrix;

namespace {

// Records what it is asked to say; the test ends each utterance.
class FakeEngine : public SpeechEngine
{
public:
    bool isAvailable() const override { return true; }
    QString unavailableReason() const override { return {}; }
    void say(const QString& text) override
    {
        said.append(text);
        log.append(QStringLiteral("say"));
    }
    void pause() override { log.append(QStringLiteral("pause")); }
    void resume() override { log.append(QStringLiteral("resume")); }
    void stop() override { log.append(QStringLiteral("stop")); }
    void setRate(double) override {}
    QStringList voiceNames() const override { return {}; }
    void setVoice(const QString&) override {}
    void finish() { Q_EMIT utteranceFinished(); }

    QStringList said;
    QStringList log;
};

} // namespace

class TestReadAloud : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void linesFollowTheExportOrder()
    {
        QList<ReadingBlock> blocks(3);
        blocks[0].text = QStringLiteral("Running head");
        blocks[0].headerFooter = true;
        blocks[1].text = QStringLiteral("first column");
        blocks[1].rect = QRectF(60, 90, 100, 12);
        blocks[2].text = QStringLiteral("  ");
        OcrPageText ocr = OcrPageText::fromLines({{QRectF(1, 2, 3, 4), QStringLiteral("scan")}});
        const QList<SpokenLine> lines = linesToRead(3, blocks, &ocr);
        QCOMPARE(lines.size(), 1); // OCR lines only stand in for a page without blocks
        QCOMPARE(lines.first().text, QStringLiteral("first column"));
        QCOMPARE(lines.first().page, 3);
        QCOMPARE(lines.first().rectPt, QRectF(60, 90, 100, 12));
        const QList<SpokenLine> scanned = linesToRead(4, {}, &ocr);
        QCOMPARE(scanned.size(), 1);
        QCOMPARE(scanned.first().rectPt, QRectF(1, 2, 3, 4));
        QVERIFY(linesToRead(5, {}, nullptr).isEmpty());
    }

    void readsPagesInOrderWithPauseResumeAndStop()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("columns.pdf"));
        QVERIFY(test::writePlacedTextPdf(path, {{{{60, 30}, "Running head"},
                                                 {{340, 100}, "right column top line"},
                                                 {{60, 100}, "left column top line"},
                                                 {{60, 114}, "left column next line"},
                                                 {{340, 114}, "right column next line"},
                                                 {{500, 820}, "1"}},
                                                {},
                                                {{{60, 100}, "last page"}}}));
        PdfWorker worker;
        DocumentController controller(&worker);
        controller.setProbeEnabled(false);
        QVERIFY(test::openAndWait(controller, path));
        TextLayoutStore store(&worker, &controller);
        store.setOcrResult(1, OcrPageText::fromLines({{QRectF(100, 100, 200, 20),
                                                       QStringLiteral("recognised line")}}));

        FakeEngine engine;
        ReadAloudController reader(&store, &engine);
        QSignalSpy lines(&reader, &ReadAloudController::lineStarted);
        QSignalSpy finished(&reader, &ReadAloudController::finished);
        reader.start(0, controller.pageCount());
        QCOMPARE(reader.state(), ReadAloudController::State::Reading);
        QTRY_COMPARE_WITH_TIMEOUT(engine.said.size(), 1, test::TimeoutMs);
        QCOMPARE(engine.said.first(), QStringLiteral("left column top line"));
        QCOMPARE(lines.first().first().value<SpokenLine>().page, 0);

        // Paused mid-line: resuming continues that line, not the next.
        reader.pause();
        QCOMPARE(reader.state(), ReadAloudController::State::Paused);
        reader.resume();
        QCOMPARE(engine.log.mid(1), (QStringList{"pause", "resume"}));
        QCOMPARE(engine.said.size(), 1);

        // The line ends while paused: resuming goes on with the next one.
        reader.pause();
        engine.finish();
        QCOMPARE(engine.said.size(), 1);
        reader.resume();
        QCOMPARE(engine.said.size(), 2);

        for (int i = 0; i < 3; ++i)
            engine.finish();
        // The scanned page reads its OCR line, then the last page follows.
        QTRY_COMPARE_WITH_TIMEOUT(engine.said.size(), 5, test::TimeoutMs);
        engine.finish();
        QTRY_COMPARE_WITH_TIMEOUT(engine.said.size(), 6, test::TimeoutMs);
        QCOMPARE(engine.said, (QStringList{"left column top line", "left column next line",
                                           "right column top line", "right column next line",
                                           "recognised line", "last page"}));
        QCOMPARE(lines.last().first().value<SpokenLine>().page, 2);
        engine.finish();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(reader.state(), ReadAloudController::State::Stopped);

        // Stop ends at once and later ends of utterances do nothing.
        reader.start(2, controller.pageCount());
        QCOMPARE(engine.said.size(), 7); // the page's blocks are known: the line starts at once
        reader.stop();
        QCOMPARE(engine.log.last(), QStringLiteral("stop"));
        const int count = int(engine.said.size());
        engine.finish();
        QCOMPARE(engine.said.size(), count);
        QCOMPARE(reader.currentLine().page, -1);

        // A synthesiser that breaks down stops reading.
        reader.start(2, controller.pageCount());
        QCOMPARE(reader.state(), ReadAloudController::State::Reading);
        Q_EMIT engine.failed();
        QCOMPARE(reader.state(), ReadAloudController::State::Stopped);
    }
};

QTEST_MAIN(TestReadAloud)
#include "tst_readaloud.moc"
