// Text recognition without a network: which boxes are recognised, their crops, the input width and
// tensor, the dictionary format and greedy CTC decoding.

#include "ocr/OcrRecognition.h"

#include <QtTest>

#include <vector>

using namespace dovrix;

namespace {

// Output rows of a recogniser with `classes` classes: row t has its maximum `probability` at
// class maxima[t], the rest of the mass spread evenly below it.
std::vector<float> outputRows(const QList<int>& maxima, int classes, float probability = 0.9f)
{
    std::vector<float> rows(size_t(maxima.size()) * classes, (1.0f - probability) / classes);
    for (int t = 0; t < maxima.size(); ++t)
        rows[size_t(t) * classes + maxima.at(t)] = probability;
    return rows;
}

} // namespace

class TestOcrRecognition : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void crops_data();
    void crops();
    void inputWidth_data();
    void inputWidth();
    void tensorHoldsGreyLevels();
    void widePiecesAreCutBetweenCharacters();
    void batchesGroupSimilarWidths();
    void ctcDecoding_data();
    void ctcDecoding();
    void ctcTiesAndScore();
    void dictionaryFormat_data();
    void dictionaryFormat();
    void wideScriptPagesAreReadNarrower();
};

void TestOcrRecognition::crops_data()
{
    QTest::addColumn<QRectF>("box");
    QTest::addColumn<QRect>("expected"); // empty: skipped
    const QSize image(200, 100);
    QTest::addColumn<QSize>("image");

    QTest::newRow("7.9 high is skipped") << QRectF(10, 10, 50, 7.9) << QRect() << image;
    QTest::newRow("7.9 wide is skipped") << QRectF(10, 10, 7.9, 20) << QRect() << image;
    QTest::newRow("8 x 8 is recognised") << QRectF(10, 10, 8, 8) << QRect(7, 7, 14, 14) << image;
    QTest::newRow("10 x 41 is too tall") << QRectF(10, 10, 10, 41) << QRect() << image;
    QTest::newRow("10 x 40 is recognised")
        << QRectF(10, 10, 10, 40) << QRect(7, 7, 16, 46) << image;
    QTest::newRow("fractions are cut, then padded")
        << QRectF(10.7, 20.2, 30.9, 9.5) << QRect(7, 17, 36, 15) << image;
    QTest::newRow("clipped at the top-left corner")
        << QRectF(-2.5, 1, 20, 10) << QRect(0, 0, 21, 14) << image;
    QTest::newRow("clipped at the bottom-right corner")
        << QRectF(180, 90, 30, 15) << QRect(177, 87, 23, 13) << image;
    QTest::newRow("outside the image") << QRectF(250, 10, 30, 10) << QRect() << image;
}

void TestOcrRecognition::crops()
{
    QFETCH(QRectF, box);
    QFETCH(QRect, expected);
    QFETCH(QSize, image);
    const QRect crop = cropRect(box, image);
    if (expected.isNull())
        QVERIFY(crop.isEmpty());
    else
        QCOMPARE(crop, expected);
}

void TestOcrRecognition::inputWidth_data()
{
    QTest::addColumn<QSize>("crop");
    QTest::addColumn<int>("width");
    QTest::newRow("keeps the aspect ratio") << QSize(100, 48) << 100;
    QTest::newRow("scaled up to 48 high") << QSize(30, 10) << 144;
    QTest::newRow("truncated, not rounded") << QSize(99, 50) << 95; // 95.04
    QTest::newRow("a wide line keeps its width") << QSize(2000, 40) << 2400;
    QTest::newRow("only beyond the line limit it is squeezed") << QSize(20000, 40) << 19200;
    QTest::newRow("tiny crop is widened") << QSize(5, 48) << 16;
    QTest::newRow("zero height counts as one") << QSize(10, 0) << 480;
    QTest::newRow("extreme aspect does not overflow") << QSize(2000000000, 1) << 19200;
}

void TestOcrRecognition::inputWidth()
{
    QFETCH(QSize, crop);
    QFETCH(int, width);
    QCOMPARE(recognitionInputWidth(crop, 48, 19200), width);
}

void TestOcrRecognition::tensorHoldsGreyLevels()
{
    QImage image(3, 2, QImage::Format_RGB888); // 9 bytes a row, padded to 12
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(2, 1, qRgb(0, 0, 0));
    const std::vector<float> tensor = recognitionTensor(image);
    QCOMPARE(tensor.size(), size_t(3 * 6));
    for (int plane = 0; plane < 3; ++plane) {
        QCOMPARE(tensor[plane * 6 + 0], (255.0f / 765.0f - 0.5f) * 2.0f); // red: a third grey
        QCOMPARE(tensor[plane * 6 + 1], 1.0f);                            // white
        QCOMPARE(tensor[plane * 6 + 5], -1.0f);                           // black, last pixel
    }
}

void TestOcrRecognition::widePiecesAreCutBetweenCharacters()
{
    // A 48-pixel line of 30-pixel "characters" with 6-pixel gaps, 3000 wide (62:1).
    QImage line(3000, 48, QImage::Format_RGB888);
    line.fill(Qt::white);
    QSet<int> gapColumns;
    for (int x = 0; x < line.width(); ++x) {
        if (x % 36 >= 30) {
            gapColumns.insert(x);
            continue;
        }
        for (int y = 8; y < 40; ++y)
            line.setPixel(x, y, qRgb(0, 0, 0));
    }
    const QList<LinePiece> pieces = linePieces(line, 960, 48);
    QVERIFY(pieces.size() >= 4);
    QCOMPARE(pieces.first().ownLeft, 0);
    QCOMPARE(pieces.last().ownRight, line.width());
    for (int i = 0; i < pieces.size(); ++i) {
        const LinePiece& piece = pieces.at(i);
        QVERIFY2(piece.width() <= 960, qPrintable(QString::number(piece.width())));
        QVERIFY(piece.left <= piece.ownLeft && piece.ownRight <= piece.right);
        if (i > 0) {
            // Owned parts tile the line; every cut lies in a gap, with context on both sides.
            QCOMPARE(piece.ownLeft, pieces.at(i - 1).ownRight);
            QVERIFY2(gapColumns.contains(piece.ownLeft),
                     qPrintable(QString::number(piece.ownLeft)));
            QCOMPARE(piece.left, piece.ownLeft - 48);
            QCOMPARE(pieces.at(i - 1).width(), 960);
            QVERIFY(pieces.at(i - 1).right >= piece.ownLeft + 48);
        }
    }
    // A line that fits is one piece.
    const QList<LinePiece> single = linePieces(line.copy(0, 0, 960, 48), 960, 48);
    QCOMPARE(single.size(), 1);
    QCOMPARE(single.first().right, 960);
}

void TestOcrRecognition::batchesGroupSimilarWidths()
{
    const QList<int> widths = {96, 960, 96, 480, 960, 960, 96, 2000};
    // One width a run, narrowest first, at most two a run and count × width at most 2000 columns
    // (a wider item runs alone).
    const QList<QList<int>> batches = batchesByWidth(widths, 2, 2000);
    QCOMPARE(batches, (QList<QList<int>>{{0, 2}, {6}, {3}, {1, 4}, {5}, {7}}));
    QCOMPARE(batchesByWidth(widths, 1, 100000).size(), widths.size());
    QVERIFY(batchesByWidth({}, 4, 1000).isEmpty());
}

void TestOcrRecognition::ctcDecoding_data()
{
    QTest::addColumn<QList<int>>("maxima");
    QTest::addColumn<int>("classes");
    QTest::addColumn<QStringList>("dictionary");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("emitted");

    const QStringList abc = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    // Five classes: blank, a, b, c, space.
    QTest::newRow("letter, letter, blank, letter gives it twice")
        << QList<int>{1, 1, 0, 1} << 5 << abc << QStringLiteral("aa") << 2;
    QTest::newRow("three repeats give it once")
        << QList<int>{1, 1, 1} << 5 << abc << QStringLiteral("a") << 1;
    QTest::newRow("only blanks") << QList<int>{0, 0, 0} << 5 << abc << QString() << 0;
    QTest::newRow("no steps") << QList<int>{} << 5 << abc << QString() << 0;
    QTest::newRow("last class is a space")
        << QList<int>{1, 4, 4, 2, 0, 3} << 5 << abc << QStringLiteral("a bc") << 4;
    QTest::newRow("space even when the dictionary is longer")
        << QList<int>{1, 3} << 4 << abc << QStringLiteral("a ") << 2;
    QTest::newRow("a class beyond a short dictionary adds nothing")
        << QList<int>{1, 3, 2} << 6 << QStringList{QStringLiteral("x"), QStringLiteral("y")}
        << QStringLiteral("xy") << 2;
    QTest::newRow("an empty entry adds no visible text")
        << QList<int>{1, 3} << 5 << QStringList{QStringLiteral("x"), QStringLiteral("y"), QString()}
        << QStringLiteral("x") << 2;
    QStringList many;
    for (int i = 0; i < 38; ++i)
        many << QString::number(i);
    QTest::newRow("rows wider than the vector lanes, maxima in every part")
        << QList<int>{1, 17, 0, 32, 38, 39} << 40 << many << QStringLiteral("0163137 ") << 5;
    QTest::newRow("multi-character entries")
        << QList<int>{1, 0, 2} << 4 << QStringList{QStringLiteral("中文"), QStringLiteral("ß")}
        << QStringLiteral("中文ß") << 2;
}

void TestOcrRecognition::ctcDecoding()
{
    QFETCH(QList<int>, maxima);
    QFETCH(int, classes);
    QFETCH(QStringList, dictionary);
    QFETCH(QString, text);
    QFETCH(int, emitted);
    const std::vector<float> rows = outputRows(maxima, classes);
    const OcrLine line = decodeCtc(rows.data(), int(maxima.size()), classes, dictionary);
    QCOMPARE(line.text, text);
    QCOMPARE(line.score, emitted ? 0.9f : 0.0f);
    QVERIFY(line.box.isNull());
}

void TestOcrRecognition::ctcTiesAndScore()
{
    const QStringList dictionary = {QStringLiteral("a"), QStringLiteral("b")};
    // Step 0: a tie between a and b goes to a. Step 1: b at 0.5. Step 2: blank wins a tie with b.
    const std::vector<float> rows = {0.1f,  0.4f, 0.4f,  0.1f, //
                                     0.1f,  0.2f, 0.5f,  0.2f, //
                                     0.45f, 0.0f, 0.45f, 0.1f};
    const OcrLine line = decodeCtc(rows.data(), 3, 4, dictionary);
    QCOMPARE(line.text, QStringLiteral("ab"));
    QCOMPARE(line.score, float((0.4 + 0.5) / 2)); // blanks are not counted

    // The first of equal maxima also when they lie in different vector lanes and the tail.
    std::vector<float> wide(2 * 37, 0.1f);
    wide[5] = wide[21] = wide[36] = 0.4f; // a, far apart
    wide[37 + 35] = wide[37 + 36] = 0.3f; // a class of the tail and the space after it
    const QStringList letters = QString(QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789"))
                                    .split(QString(), Qt::SkipEmptyParts);
    QCOMPARE(decodeCtc(wide.data(), 2, 37, letters).text, QStringLiteral("e8"));
}

void TestOcrRecognition::dictionaryFormat_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("plain") << QByteArray("a\nb\nc") << QStringList{"a", "b", "c"};
    QTest::newRow("trailing line feed gives an empty entry")
        << QByteArray("a\nb\n") << QStringList{"a", "b", ""};
    QTest::newRow("carriage returns and spaces stay")
        << QByteArray("x\r\n y \n\nz") << QStringList{"x\r", " y ", "", "z"};
    QTest::newRow("UTF-8") << QByteArray("\xe4\xb8\xad\n\xe6\x96\x87")
                           << QStringList{QStringLiteral("中"), QStringLiteral("文")};
}

void TestOcrRecognition::dictionaryFormat()
{
    QFETCH(QByteArray, stored);
    QFETCH(QStringList, entries);
    QCOMPARE(parseDictionary(stored), entries);
}

void TestOcrRecognition::wideScriptPagesAreReadNarrower()
{
    const auto line = [](const QString& text, float score = 0.98f) {
        return OcrLine{QRectF(), text, score};
    };
    // Ten characters over 350 columns at a line height of 40: 0.875 line heights each.
    const QString chinese = QStringLiteral("离线文字识别，搜索。");
    QCOMPARE(squeezeForPage({line(chinese)}, {350}, 40, 0.65, 0.6), 0.65 / 0.875);
    QCOMPARE(squeezeForPage({line(chinese)}, {350}, 40, 0.65, 0.8), 0.8); // at most that narrow
    // The densest line decides; Latin text or too many Latin letters leave the width alone.
    QCOMPARE(squeezeForPage({line(chinese), line(chinese)}, {350, 280}, 40, 0.65, 0.6), 0.65 / 0.7);
    QCOMPARE(squeezeForPage({line(QStringLiteral("Offline text"))}, {700}, 40, 0.65, 0.6), 1.0);
    QCOMPARE(squeezeForPage({line(QStringLiteral("编号 INV-2041 元"))}, {700}, 40, 0.65, 0.6), 1.0);
    QCOMPARE(squeezeForPage({line(QString())}, {0}, 40, 0.65, 0.6), 1.0);

    QVERIFY(!needsNaturalWidth(line(chinese)));
    QVERIFY(!needsNaturalWidth(line(QStringLiteral("二〇二五年，３月")))); // full-width digit
    QVERIFY(needsNaturalWidth(line(QStringLiteral("二O二五年"))));         // a Latin O
    QVERIFY(needsNaturalWidth(line(QStringLiteral("共 318 元"))));
    QVERIFY(needsNaturalWidth(line(chinese, 0.7f)));
    QVERIFY(!needsNaturalWidth(line(QStringLiteral(" "), 0.0f)));

    // Which recogniser a page gets: a line of CJK among Latin ones makes it one of a wide script,
    // a bracket misread in its full-width form in a line of code does not.
    const OcrLine latin =
        line(QStringLiteral("With full-featured fonts like Computer Modern, this is"));
    QVERIFY(holdsWideScript({latin, line(chinese)}));
    QVERIFY(holdsWideScript({line(QString()), line(QStringLiteral("  "))}));
    QVERIFY(
        !holdsWideScript({latin, line(QStringLiteral("\\SetTracking[ spacing = {25*,166, }］"))}));
    QVERIFY(!holdsWideScript({latin}));

    // Which lines that recogniser's reading keeps: an unsure one, or one with a zero right after
    // a letter (an o read from fewer rows), is read again with the whole dictionary.
    QVERIFY(readInLatin(latin));
    QVERIFY(readInLatin(line(QStringLiteral("0.5 pt, 2041 and 10"))));
    QVERIFY(!readInLatin(line(QStringLiteral("must survive, and s0"))));
    QVERIFY(!readInLatin(line(QStringLiteral("\\box0"))));
    QVERIFY(!readInLatin(line(QStringLiteral("With full-featured fonts"), 0.8f)));
    QVERIFY(!readInLatin(line(QStringLiteral(" "))));
}

QTEST_MAIN(TestOcrRecognition)
#include "tst_ocrrecognition.moc"
