// The engine end to end with the real inference library and models that set-up puts into the build
// directory: pages rendered from known English and Chinese text must be read back accurately.
// Skipped when set-up has not fetched them (the rest of the program does not need them).

#include "engine/PdfDocument.h"
#include "ocr/OcrEngine.h"
#include "ocr/OcrRuntime.h"
#include "support/OcrFixtures.h"
#include "support/SkipOrFail.h"
#include "support/TestPdf.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace dovrix;

namespace {

const QStringList EnglishLines = {
    QStringLiteral("The quick brown fox jumps over the lazy dog near the river bank."),
    QStringLiteral("Offline recognition turns scanned pages into searchable text."),
    QStringLiteral("Invoice 2041 was paid on 12 March 2025 for a total of 318.75 euros."),
    QStringLiteral("Please keep this document with your other important records."),
    QStringLiteral("Reading order runs from the top of the page to the bottom."),
    QStringLiteral("Every line is detected first and then recognised on its own."),
    QStringLiteral("Small mistakes in a few letters are expected, but not many."),
    QStringLiteral("A viewer that never writes the file it shows is easy to trust."),
};

const QStringList ChineseLines = {
    QStringLiteral("今天天气很好，我们一起去公园散步吧。"),
    QStringLiteral("这份文件记录了公司去年的主要工作成果。"),
    QStringLiteral("离线识别可以把扫描的页面变成可以搜索的文字。"),
    QStringLiteral("请把这份资料和其他重要文件放在一起保存。"),
    QStringLiteral("阅读顺序是从页面的上方一直到下方。"),
    QStringLiteral("每一行文字先被检测出来，然后单独进行识别。"),
    QStringLiteral("我们希望这个程序能够帮助更多的读者。"),
    QStringLiteral("北京、上海和广州都是中国的大城市。"),
};

// Writes an A4 page with one text line per entry and renders it at 300 dots per inch, as the OCR
// controller does. lineTopsPx receives the top of each line's text box in image pixels.
QImage renderTextPage(const QString& pdfPath, const QStringList& lines, const QFont& font,
                      QList<double>* lineTopsPx = nullptr)
{
    const bool written =
        test::writePaintedPdf(pdfPath, {QSizeF(595, 842)}, 1, [&](QPainter& painter, int) {
            painter.setFont(font);
            const double step = font.pointSizeF() * 1.8;
            double top = 72;
            for (const QString& line : lines) {
                painter.drawText(QRectF(60, top, 480, step), Qt::AlignLeft | Qt::AlignVCenter,
                                 line);
                if (lineTopsPx)
                    lineTopsPx->append(top * 300 / 72);
                top += step;
            }
        });
    if (!written)
        return {};
    const OpenResult opened = PdfDocument::open(pdfPath);
    if (!opened.document)
        return {};
    const QSizeF points = opened.document->pageGeometry(0).size;
    return opened.document->render(
        0, QSize(int(points.width() / 72 * 300), int(points.height() / 72 * 300)), 0);
}

QString joined(const QList<OcrLine>& lines)
{
    QStringList texts;
    for (const OcrLine& line : lines)
        texts << line.text;
    return texts.join(QLatin1Char('\n'));
}

QString withoutSpaces(const QString& text)
{
    QString result = text;
    result.remove(QRegularExpression(QStringLiteral("\\s")));
    return result;
}

} // namespace

class TestOcrEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void recognisesEnglish_data();
    void recognisesEnglish();
    void recognisesChinese();
    void scansAskewOrTurnedReadLikeLevelOnes();
    void blankAndNullPages();
    void boxesAreInImagePixels();
    void wideLineIsReadInPieces();
    void batchingReadsLikeOneLinePerRun();

private:
    OcrEngine engine;
    QTemporaryDir dir;
};

void TestOcrEngine::initTestCase()
{
    if (test::ocrRuntimePath().isEmpty() || test::ocrModelDir().isEmpty())
        DOVRIX_SKIP_OR_FAIL_IN_CI(
            "the inference library or the models are missing (run scripts/fetch-ocr.sh)");
    OcrFailure failure;
    QVERIFY2(ensureRuntimeLoaded(QStringList{test::ocrRuntimePath()}, &failure),
             qPrintable(failure.subject + failure.detail));
    OcrEngineConfig config;
    config.modelDir = test::ocrModelDir();
    QVERIFY2(engine.initialize(config, &failure), qPrintable(failure.subject + failure.detail));
    // Class 0 is the blank and the last class a space, so the dictionary holds the rest.
    QCOMPARE(engine.dictionary().size(), 6623);
}

void TestOcrEngine::recognisesEnglish_data()
{
    QTest::addColumn<bool>("latin");
    QTest::newRow("narrow scripts' recogniser") << true;
    QTest::newRow("whole dictionary") << false;
}

void TestOcrEngine::recognisesEnglish()
{
    QFETCH(bool, latin);
    // The last line, too short to be one of those the page's script is judged by, is Chinese:
    // read in narrow letters it is unsure, so it is read again with the whole dictionary.
    const QString chinese = QStringLiteral("北京和上海");
    const QImage page = renderTextPage(dir.filePath(QStringLiteral("english.pdf")),
                                       EnglishLines + QStringList{chinese},
                                       QFont(QStringLiteral("Noto Sans CJK SC"), 11));
    QVERIFY(!page.isNull());
    const OcrEngineConfig original = engine.config();
    OcrEngineConfig config = original;
    config.latinRecogniser = latin;
    OcrFailure failure;
    QVERIFY(engine.initialize(config, &failure));
    const QList<OcrLine> lines = engine.recognize(page);
    QVERIFY(engine.initialize(original, &failure));
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.last().text, chinese);
    QCOMPARE(engine.lastLatinLines(), latin ? EnglishLines.size() - 3 : 0);
    const QString expected = EnglishLines.join(QLatin1Char('\n'));
    const QString actual = joined(lines.first(lines.size() - 1));
    const double cer = test::characterErrorRate(expected.simplified(), actual.simplified());
    const double cerIgnoringSpaces =
        test::characterErrorRate(withoutSpaces(expected), withoutSpaces(actual));
    qInfo("English: %d lines, CER %.2f %% (%.2f %% ignoring spaces)", int(lines.size()), cer * 100,
          cerIgnoringSpaces * 100);
    QVERIFY2(cer <= 0.03, qPrintable(actual));
    QCOMPARE(engine.lastSqueeze(), 1.0);
}

void TestOcrEngine::recognisesChinese()
{
    // Read as narrow as allowed; the line with Latin letters and Arabic digits, which need more
    // columns, is read again at its natural width.
    const QString mixed = QStringLiteral("二〇二五年 INV-2041 共 318.75 元");
    const QStringList chineseLines = ChineseLines + QStringList{mixed};
    const QImage page = renderTextPage(dir.filePath(QStringLiteral("chinese.pdf")), chineseLines,
                                       QFont(QStringLiteral("Noto Sans CJK SC"), 12));
    QVERIFY(!page.isNull());
    const OcrEngineConfig original = engine.config();
    OcrEngineConfig narrowest = original;
    narrowest.recWideScriptPitch = 0.1f;
    OcrFailure failure;
    QVERIFY(engine.initialize(narrowest, &failure));
    const QList<OcrLine> lines = engine.recognize(page);
    QVERIFY(engine.initialize(original, &failure));
    const QString expected = chineseLines.join(QString());
    const QString actual = joined(lines);
    const double cer = test::characterErrorRate(withoutSpaces(expected), withoutSpaces(actual));
    qInfo("Chinese: %d lines, CER %.2f %%, width factor %.2f", int(lines.size()), cer * 100,
          engine.lastSqueeze());
    QVERIFY2(cer <= 0.05, qPrintable(actual));
    QCOMPARE(engine.lastSqueeze(), double(original.recMinSqueeze));
    QVERIFY(engine.lastRereadLines() >= 1);
    QVERIFY2(withoutSpaces(lines.last().text).contains(QStringLiteral("INV-2041")),
             qPrintable(lines.last().text));
    QVERIFY2(lines.last().text.contains(QStringLiteral("318.75")), qPrintable(lines.last().text));

    // The next page, after one of CJK, is detected on a smaller input and reads as well; a page
    // in narrow letters after it is detected again at the full size.
    const QString again = withoutSpaces(joined(engine.recognize(page)));
    QCOMPARE(engine.lastStageTimes().detectionSide, int(original.wideScriptLimitSideLength));
    QVERIFY2(test::characterErrorRate(withoutSpaces(expected), again) <= 0.05, qPrintable(again));
    const QImage english = renderTextPage(dir.filePath(QStringLiteral("after.pdf")), EnglishLines,
                                          QFont(QStringLiteral("DejaVu Sans"), 11));
    const QString read = joined(engine.recognize(english));
    QCOMPARE(engine.lastStageTimes().detectionSide, int(original.limitSideLength));
    QVERIFY2(test::characterErrorRate(EnglishLines.join(QLatin1Char('\n')).simplified(),
                                      read.simplified())
                 <= 0.03,
             qPrintable(read));
}

void TestOcrEngine::scansAskewOrTurnedReadLikeLevelOnes()
{
    // Scanned 1.5 degrees askew, each line rises by more than its height across the page.
    const QImage level = renderTextPage(dir.filePath(QStringLiteral("skewed.pdf")), EnglishLines,
                                        QFont(QStringLiteral("DejaVu Sans"), 11));
    QVERIFY(!level.isNull());
    QImage scan(level.size(), QImage::Format_RGB32);
    scan.fill(Qt::white);
    {
        QPainter painter(&scan);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(scan.width() / 2.0, scan.height() / 2.0);
        painter.rotate(-1.5);
        painter.translate(-scan.width() / 2.0, -scan.height() / 2.0);
        painter.drawImage(0, 0, level);
    }
    const QList<OcrLine> lines = engine.recognize(scan);
    const QString actual = joined(lines);
    const double cer = test::characterErrorRate(EnglishLines.join(QLatin1Char('\n')).simplified(),
                                                actual.simplified());
    QVERIFY2(cer <= 0.03, qPrintable(actual));
    QVERIFY(qAbs(engine.lastStageTimes().skewDegrees + 1.5) < 0.1);
    QCOMPARE(engine.lastStageTimes().direction, OcrTextDirection::LeftToRight);
    // The boxes of the level lines, mapped back onto the scan: one per line, top to bottom, each
    // about as tall as its tilted line (under two line steps of 82 pixels).
    QCOMPARE(lines.size(), EnglishLines.size());
    for (int i = 0; i < lines.size(); ++i) {
        QVERIFY(lines.at(i).box.height() < 2 * 82);
        if (i > 0)
            QVERIFY(lines.at(i).box.center().y() > lines.at(i - 1).box.center().y() + 60);
    }

    // Upside down or sideways, the page reads the same; its first line is the lowest on the
    // scan, or the rightmost when it was turned a quarter clockwise, the leftmost anticlockwise.
    const QString upright = joined(engine.recognize(level));
    const QList<OcrLine> turned = engine.recognize(level.mirrored(true, true));
    QCOMPARE(joined(turned), upright);
    QCOMPARE(turned.first().direction, OcrTextDirection::RightToLeft);
    QVERIFY(turned.first().box.top() > turned.last().box.bottom());
    for (int quarter : {90, -90}) {
        const QList<OcrLine> sideways =
            engine.recognize(level.transformed(QTransform().rotate(quarter)));
        QCOMPARE(joined(sideways), upright);
        const bool clockwise = quarter > 0;
        QCOMPARE(sideways.first().direction,
                 clockwise ? OcrTextDirection::TopToBottom : OcrTextDirection::BottomToTop);
        QVERIFY(clockwise ? sideways.first().box.left() > sideways.last().box.right()
                          : sideways.first().box.right() < sideways.last().box.left());
    }
}

void TestOcrEngine::blankAndNullPages()
{
    QImage blank(1240, 1754, QImage::Format_ARGB32);
    blank.fill(Qt::white);
    QVERIFY(engine.recognize(blank).isEmpty());
    QVERIFY(engine.recognize(QImage()).isEmpty());
    QVERIFY(engine.recognizeLine(QImage()).text.isEmpty());
}

void TestOcrEngine::boxesAreInImagePixels()
{
    // Lines on a page that is not A4 shaped and smaller than the detection limit: boxes come back
    // in the page image's own pixels, in reading order, each holding the rows of its own text. The
    // last line touches the bottom border: its detected box reaches past it, its own box does not.
    QImage page(900, 400, QImage::Format_RGB888);
    page.fill(Qt::white);
    const QStringList texts = {QStringLiteral("Left column"), QStringLiteral("Second line here"),
                               QStringLiteral("Edge of the page")};
    const QList<QRect> areas = {QRect(50, 60, 800, 60), QRect(50, 200, 800, 60),
                                QRect(50, 340, 800, 60)};
    {
        QPainter painter(&page);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(40);
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (int i = 0; i < texts.size(); ++i) {
            const int alignment = i + 1 < texts.size() ? Qt::AlignVCenter : Qt::AlignBottom;
            painter.drawText(areas.at(i), Qt::AlignLeft | alignment, texts.at(i));
        }
    }
    const QList<OcrLine> lines = engine.recognize(page);
    QCOMPARE(lines.size(), texts.size());
    for (int i = 0; i < texts.size(); ++i) {
        const OcrLine& line = lines.at(i);
        QCOMPARE(line.text.simplified(), texts.at(i));
        QVERIFY2(qAbs(line.box.center().y() - areas.at(i).center().y()) < 20,
                 qPrintable(QString::number(line.box.y())));
        QVERIFY2(line.box.left() > areas.at(i).left() - 30 && line.box.left() < areas.at(i).left(),
                 qPrintable(QString::number(line.box.left())));
        QVERIFY(line.box.height() > 30 && line.box.height() < 120);
        QVERIFY(line.score > 0.5f && line.score <= 1.0f);
    }
    QVERIFY2(lines.last().box.bottom() <= page.height(),
             qPrintable(QString::number(lines.last().box.bottom())));
}

void TestOcrEngine::wideLineIsReadInPieces()
{
    // One line 30 times as wide as high: at the recogniser's height, more than two runs of 960.
    // It is read in pieces cut between characters, never squeezed, so every character survives.
    const QString text = QStringLiteral(
        "Wide lines keep every letter: 2041 invoices, 318.75 euros and 12 March 2025 in one row, "
        "cut between characters where the pieces meet.");
    QImage crop(2400, 80, QImage::Format_RGB32);
    crop.fill(Qt::white);
    {
        QPainter painter(&crop);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(48);
        while (QFontMetrics(font).horizontalAdvance(text) > crop.width() - 30)
            font.setPixelSize(font.pixelSize() - 1);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(crop.rect().adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    const OcrEngineConfig original = engine.config();
    OcrEngineConfig narrow = original;
    narrow.recMaxWidth = 960;
    OcrFailure failure;
    QVERIFY(engine.initialize(narrow, &failure));
    const OcrLine line = engine.recognizeLine(crop);
    QVERIFY(engine.initialize(original, &failure));
    int runItems = 0;
    for (int size : engine.lastBatchSizes())
        runItems += size;
    QVERIFY2(runItems >= 3, qPrintable(QString::number(runItems)));
    QCOMPARE(line.text.simplified(), text);
    QVERIFY(line.score > 0.8f && line.score <= 1.0f);
}

void TestOcrEngine::batchingReadsLikeOneLinePerRun()
{
    const QImage page = renderTextPage(dir.filePath(QStringLiteral("batch.pdf")), EnglishLines,
                                       QFont(QStringLiteral("DejaVu Sans"), 11));
    QImage scaled;
    const QImage source = engine.prepareDetectionInput(page, &scaled);
    const QList<QRectF> boxes = engine.detectBoxes(scaled, source);
    QCOMPARE(boxes.size(), EnglishLines.size());

    const OcrEngineConfig original = engine.config();
    OcrEngineConfig single = original;
    single.recBatchSize = 1;
    OcrFailure failure;
    QVERIFY(engine.initialize(single, &failure));
    const QList<OcrLine> oneByOne = engine.recognizeBoxes(source, boxes);
    const QList<int> runs = engine.lastBatchSizes();
    QVERIFY(runs.size() >= EnglishLines.size());
    QCOMPARE(runs, QList<int>(runs.size(), 1));
    OcrEngineConfig several = original;
    several.recBatchSize = 8;
    several.recBatchColumns = 8 * original.recMaxWidth;
    QVERIFY(engine.initialize(several, &failure));
    const QList<OcrLine> batched = engine.recognizeBoxes(source, boxes);
    QVERIFY(engine.initialize(original, &failure));
    QVERIFY(engine.lastBatchSizes().size() < runs.size());

    QCOMPARE(batched.size(), oneByOne.size());
    for (int i = 0; i < batched.size(); ++i) {
        QCOMPARE(batched.at(i).text, oneByOne.at(i).text);
        QCOMPARE(batched.at(i).box, oneByOne.at(i).box);
        QVERIFY(qAbs(batched.at(i).score - oneByOne.at(i).score) < 0.02f);
    }
}

QTEST_MAIN(TestOcrEngine)
#include "tst_ocrengine.moc"
