#include "engine/PdfDocument.h"
#include "support/TestPdf.h"
#include "text/ReadingOrder.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using namespace dovrix;

namespace {

const QChar kMarker(0xFFFE);
const QChar kUnmapped(0xFFFD);

// A page text with one box per character index, laid out line by line on a fixed pitch.
struct SyntheticPage
{
    QString text;
    QList<QRectF> boxes;

    // Characters of s from x, `advance` apart, boxes w × h centred on cy. Spaces get no box,
    // as Qt PDF gives them none; a trailing line feed (no box) ends the run.
    void addRun(const QString& s, double x, double cy, double w = 6, double h = 10,
                double advance = 7)
    {
        for (int i = 0; i < s.size(); ++i) {
            text.append(s.at(i));
            boxes.append(s.at(i) == u' ' ? QRectF() : QRectF(x + i * advance, cy - h / 2, w, h));
        }
        text.append(u'\n');
        boxes.append(QRectF());
    }
    void addBox(QChar c, const QRectF& box)
    {
        text.append(c);
        boxes.append(box);
    }
    QList<CharSlot> slotsFor() const { return makeCharSlots(boxes); }
};

TextLine lineWithRect(const QRectF& rect)
{
    TextLine line;
    line.rect = rect;
    line.chars.append(CharSlot{0, rect});
    return line;
}

QStringList texts(const QList<ReadingBlock>& blocks)
{
    QStringList result;
    for (const ReadingBlock& b : blocks)
        result.append(b.text);
    return result;
}

QStringList texts(const QList<TextLine>& lines)
{
    QStringList result;
    for (const TextLine& l : lines)
        result.append(l.text);
    return result;
}

QString remark(const char* text)
{
    return QCoreApplication::translate("dovrix::TextLayoutStore", text);
}

} // namespace

class TestReadingOrder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nearlyEmptyText_data();
    void nearlyEmptyText();
    void inferredSpaces_data();
    void inferredSpaces();
    void linesFollowGeometryNotIndexOrder();
    void overlappingCharactersKeepTextOrder();
    void superscriptsAndSubscripts_data();
    void superscriptsAndSubscripts();
    void lineBreakMarker_data();
    void lineBreakMarker();
    void gutters_data();
    void gutters();
    void spanningAndColumnOrder();
    void lineNearGutterIsReadOnce();
    void confidenceAndRemarks_data();
    void confidenceAndRemarks();
    void singleColumnPage();
    void twoColumnPages_data();
    void twoColumnPages();
    void spanningTitleReadsAsOneColumn();
    void narrowGuttersOfTypesetColumns();
    void pagesWithoutUsableText();
    void writtenPdfPages();
};

void TestReadingOrder::nearlyEmptyText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("nearlyEmpty");
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("a, space, b, line feed") << QStringLiteral("a b\n") << true;
    QTest::newRow("blanks around two") << QStringLiteral(" \t\r\n a\tb \r\n") << true;
    QTest::newRow("three letters") << QStringLiteral("abc") << false;
    QTest::newRow("three CJK with breaks") << QStringLiteral("页\n面\r\n文") << false;
}

void TestReadingOrder::nearlyEmptyText()
{
    QFETCH(QString, text);
    QFETCH(bool, nearlyEmpty);
    QCOMPARE(isNearlyEmptyText(text), nearlyEmpty);
}

void TestReadingOrder::inferredSpaces_data()
{
    QTest::addColumn<double>("gap");
    QTest::addColumn<double>("secondWidth");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("spaces");
    const QString runs = QStringLiteral("a\nb"); // two text runs: geometry decides
    // Threshold: a quarter of the second box's width, at least a quarter point.
    QTest::newRow("touching") << 0.0 << 8.0 << runs << QStringLiteral("ab") << 0;
    QTest::newRow("exactly a quarter") << 2.0 << 8.0 << runs << QStringLiteral("ab") << 0;
    QTest::newRow("just over a quarter") << 2.01 << 8.0 << runs << QStringLiteral("a b") << 1;
    QTest::newRow("very wide gap, one space") << 60.0 << 8.0 << runs << QStringLiteral("a b") << 1;
    QTest::newRow("narrow glyph uses one point")
        << 0.25 << 0.5 << runs << QStringLiteral("ab") << 0;
    QTest::newRow("narrow glyph, wider gap") << 0.3 << 0.5 << runs << QStringLiteral("a b") << 1;
    QTest::newRow("overlapping boxes") << -1.0 << 8.0 << runs << QStringLiteral("ab") << 0;
    // Neighbours in the page text: its own spaces count, tight ink gaps do not.
    QTest::newRow("same word, ink gap")
        << 3.0 << 8.0 << QStringLiteral("ab") << QStringLiteral("ab") << 0;
    QTest::newRow("text space") << 3.0 << 8.0 << QStringLiteral("a b") << QStringLiteral("a b")
                                << 0;
    QTest::newRow("text space, touching boxes")
        << 0.0 << 8.0 << QStringLiteral("a \t b") << QStringLiteral("a b") << 0;
    QTest::newRow("other character between")
        << 3.0 << 8.0 << QStringLiteral("a-b") << QStringLiteral("a b") << 1;
}

void TestReadingOrder::inferredSpaces()
{
    QFETCH(double, gap);
    QFETCH(double, secondWidth);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(int, spaces);
    const QList<CharSlot> charSlots = {
        {0, QRectF(10, 100, 8, 10)},
        {int(text.size()) - 1, QRectF(18 + gap, 100, secondWidth, 10)}};
    const QList<TextLine> lines = buildLines(charSlots, text);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first().text, expected);
    QCOMPARE(lines.first().inferredSpaces, spaces);
    QCOMPARE(lines.first().rect, QRectF(10, 100, 8 + gap + secondWidth, 10));
}

void TestReadingOrder::linesFollowGeometryNotIndexOrder()
{
    // The content stream draws the lower line first and each word backwards.
    SyntheticPage page;
    page.addBox(u'd', QRectF(30, 200, 6, 10));
    page.addBox(u'c', QRectF(20, 200, 6, 10));
    page.addBox(u'b', QRectF(17, 100, 6, 10));
    page.addBox(u'a', QRectF(10, 100, 6, 10));
    page.addBox(u'x', QRectF(40, 100, 0, 10));      // no width: never placed
    page.addBox(u'y', QRectF(50, 100, 6, -2));      // negative height: never placed
    page.addBox(u'z', QRectF(qQNaN(), 100, 6, 10)); // nor a box that is not a number
    QList<CharSlot> unfiltered;                     // every box as it came, the unusable ones too
    for (int i = 0; i < page.boxes.size(); ++i)
        unfiltered.append({i, page.boxes.at(i)});
    const QList<TextLine> lines = buildLines(unfiltered, page.text);
    QCOMPARE(texts(lines), QStringList({"ab", "c d"}));
    QCOMPARE(lines.at(0).chars.first().index, 3);
    QCOMPARE(lines.at(0).chars.size(), 2);
}

void TestReadingOrder::overlappingCharactersKeepTextOrder()
{
    // The two letters of a ligature share one box; an accent drawn over its letter has its
    // centre a little left of the letter's. Both keep the order of the text.
    SyntheticPage page;
    page.addBox(u'c', QRectF(10, 100, 6, 10));
    page.addBox(u'a', QRectF(17, 100, 6, 10));
    page.addBox(u'f', QRectF(24, 100, 6, 10));
    page.addBox(u'e', QRectF(31, 100, 6, 10));
    page.addBox(QChar(0x0301), QRectF(30.5, 99, 5, 4));
    page.addBox(u' ', QRectF());
    page.addBox(u'f', QRectF(45, 100, 9, 10));
    page.addBox(u'i', QRectF(45, 100, 9, 10));
    page.addBox(u'n', QRectF(55, 100, 6, 10));
    QList<CharSlot> placed = page.slotsFor();
    std::reverse(placed.begin(), placed.end());
    const QList<TextLine> lines = buildLines(placed, page.text);
    QCOMPARE(texts(lines), QStringList{QStringLiteral("cafe\u0301 fin")});
}

void TestReadingOrder::superscriptsAndSubscripts_data()
{
    QTest::addColumn<double>("offset"); // centre of the small box relative to the line centre
    QTest::addColumn<double>("smallHeight");
    QTest::addColumn<QStringList>("lines");
    // The line is 10 high: a box joins when its centre is within 0.6 × 10 of the line's.
    QTest::newRow("superscript joins") << -5.0 << 5.0 << QStringList({"x2y"});
    QTest::newRow("subscript joins") << 4.0 << 5.0 << QStringList({"x2y"});
    QTest::newRow("at the limit joins") << -6.0 << 5.0 << QStringList({"x2y"});
    QTest::newRow("too high: own line above") << -7.0 << 5.0 << QStringList({"2", "x y"});
    QTest::newRow("too low: own line below") << 7.0 << 5.0 << QStringList({"x y", "2"});
    // A tall box measures the distance against its own height.
    QTest::newRow("tall box joins") << 10.0 << 20.0 << QStringList({"x2y"});
}

void TestReadingOrder::superscriptsAndSubscripts()
{
    QFETCH(double, offset);
    QFETCH(double, smallHeight);
    QFETCH(QStringList, lines);
    const QString text = QStringLiteral("x2y");
    const double cy = 105;
    const QList<CharSlot> charSlots = {
        {0, QRectF(10, cy - 5, 6, 10)},
        {1, QRectF(16.5, cy + offset - smallHeight / 2, 3, smallHeight)},
        {2, QRectF(20, cy - 5, 6, 10)}};
    QCOMPARE(texts(buildLines(charSlots, text)), lines);
}

void TestReadingOrder::lineBreakMarker_data()
{
    QTest::addColumn<bool>("markerInside");
    QTest::addColumn<QRectF>("markerBox");
    QTest::addColumn<QStringList>("lines");
    // "adip" on the first line (y 100), "iscing" on the next (y 114).
    // Qt PDF gives the marker no box: the line it follows ends with the hyphen.
    QTest::newRow("no box, line end") << false << QRectF() << QStringList({"adip-", "iscing"});
    QTest::newRow("own box at line end")
        << false << QRectF(38, 104, 4, 1.5) << QStringList({"adip-", "iscing"});
    // An estimated box may put the marker at the start of the next line.
    QTest::newRow("estimated box on the next line")
        << false << QRectF(3, 114, 6, 10) << QStringList({"adip-", "iscing"});
    QTest::newRow("inside a line") << true << QRectF(38, 100, 6, 10) << QStringList({"adipiscing"});
}

void TestReadingOrder::lineBreakMarker()
{
    QFETCH(bool, markerInside);
    QFETCH(QRectF, markerBox);
    QFETCH(QStringList, lines);
    SyntheticPage page;
    page.text = QStringLiteral("adip") + kMarker + QStringLiteral("iscing");
    for (int i = 0; i < 4; ++i)
        page.boxes.append(QRectF(10 + 7 * i, 100, 6, 10));
    page.boxes.append(markerBox);
    for (int i = 0; i < 6; ++i)
        page.boxes.append(
            QRectF(markerInside ? 45 + 7 * i : 10 + 7 * i, markerInside ? 100 : 114, 6, 10));
    QCOMPARE(texts(buildLines(page.slotsFor(), page.text)), lines);
}

void TestReadingOrder::gutters_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<QList<QRectF>>("rects");
    QTest::addColumn<QList<double>>("gutters");
    // Width 480: one bin is 10 points.
    const auto col = [](double left, double right, double y) {
        return QRectF(left, y, right - left, 10);
    };
    QTest::newRow("single column")
        << 480.0 << QList<QRectF>{col(50, 430, 100), col(50, 300, 120)} << QList<double>{};
    QTest::newRow("bins 20 to 27 empty")
        << 480.0 << QList<QRectF>{col(50, 199, 100), col(280, 430, 100), col(50, 150, 120)}
        << QList<double>{240.0};
    QTest::newRow("run from bin 13 to 34: widest accepted")
        << 480.0 << QList<QRectF>{col(50, 125, 100), col(350, 430, 100)} << QList<double>{240.0};
    QTest::newRow("run starts at bin 12")
        << 480.0 << QList<QRectF>{col(50, 115, 100), col(250, 430, 100)} << QList<double>{};
    QTest::newRow("run ends at bin 36")
        << 480.0 << QList<QRectF>{col(50, 205, 100), col(365, 430, 100)} << QList<double>{};
    QTest::newRow("three columns, two gutters")
        << 480.0 << QList<QRectF>{col(20, 135, 100), col(175, 275, 100), col(315, 460, 100)}
        << QList<double>{155.0, 295.0};
    QTest::newRow("margins never count")
        << 480.0 << QList<QRectF>{col(200, 260, 100)} << QList<double>{};
    QTest::newRow("no width") << 1.0 << QList<QRectF>{col(0.1, 0.2, 1)} << QList<double>{};
    QTest::newRow("invalid page size")
        << -1.0 << QList<QRectF>{col(50, 199, 100), col(280, 430, 100)} << QList<double>{};
    QTest::newRow("boxes far outside the page")
        << 480.0 << QList<QRectF>{col(-1e12, 199, 100), col(280, 1e12, 100)}
        << QList<double>{240.0};
}

void TestReadingOrder::gutters()
{
    QFETCH(double, width);
    QFETCH(QList<QRectF>, rects);
    QFETCH(QList<double>, gutters);
    QList<TextLine> lines;
    for (const QRectF& r : rects)
        lines.append(lineWithRect(r));
    QCOMPARE(findGutters(lines, width), gutters);
}

void TestReadingOrder::spanningAndColumnOrder()
{
    const QList<double> gutters = {240.0};
    QVERIFY(isSpanningLine(lineWithRect(QRectF(200, 0, 100, 10)), gutters));
    QVERIFY(isSpanningLine(lineWithRect(QRectF(237, 0, 100, 10)), gutters));
    QVERIFY(!isSpanningLine(lineWithRect(QRectF(238, 0, 100, 10)), gutters)); // 2 past: no
    QVERIFY(!isSpanningLine(lineWithRect(QRectF(100, 0, 142, 10)), gutters));
    QVERIFY(!isSpanningLine(lineWithRect(QRectF(200, 0, 100, 10)), {}));

    QList<TextLine> lines;
    const auto add = [&](const QString& text, const QRectF& r) {
        TextLine l = lineWithRect(r);
        l.text = text;
        lines.append(l);
    };
    add("R1", QRectF(260, 100, 150, 10));
    add("L1", QRectF(40, 102, 150, 10));
    add("wide2", QRectF(40, 300, 400, 10));
    add("L2", QRectF(40, 120, 150, 10));
    add("wide1", QRectF(40, 50, 400, 10));
    add("R2", QRectF(260, 118, 150, 10));
    add("off page", QRectF(-50, 130, 20, 10)); // centre −40: in no column
    QCOMPARE(texts(orderLines(lines, gutters, 480)),
             QStringList({"wide1", "wide2", "L1", "L2", "R1", "R2"}));
    // Without gutters the lines keep their given order.
    QCOMPARE(texts(orderLines(lines, {}, 480)),
             QStringList({"R1", "L1", "wide2", "L2", "wide1", "R2", "off page"}));
}

void TestReadingOrder::lineNearGutterIsReadOnce()
{
    // Column intervals overlap by 2 points around a gutter; a line centred there must be read
    // once, not once per column.
    TextLine near = lineWithRect(QRectF(59, 100, 2, 10)); // centre 60, gutter at 60.5
    near.text = "x";
    TextLine left = lineWithRect(QRectF(5, 120, 30, 10));
    left.text = "left";
    const QList<TextLine> ordered = orderLines({near, left}, {60.5}, 150);
    QCOMPARE(texts(ordered), QStringList({"x", "left"}));
}

void TestReadingOrder::confidenceAndRemarks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("chars");
    QTest::addColumn<int>("spaces");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("confidence");
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("headerFooter");
    // Page height 1000: the bands are above 60 and below 940; lines are 10 high.
    const QString tounicode = remark("存在无法映射的字符（可能缺少 ToUnicode 表）");
    const QString spacing = remark("词间距为几何推断，文本可能被拆碎");
    const QString band = remark("页眉/页脚区域");
    const QString nine = QString(9, u'a');
    const QString eight = QString(8, u'a');
    QTest::newRow("clean") << "abcdef" << 6 << 0 << 500.0 << 1.0 << QString() << false;
    QTest::newRow("6 chars, 2 spaces")
        << "a bc de f" << 6 << 2 << 500.0 << 1.0 << QString() << false;
    QTest::newRow("6 chars, 3 spaces") << "a b c def" << 6 << 3 << 500.0 << 0.6 << spacing << false;
    QTest::newRow("1 unmapped in 10")
        << nine + kUnmapped << 10 << 0 << 500.0 << 0.9 << QString() << false;
    QTest::newRow("2 unmapped in 10")
        << eight + kUnmapped + kUnmapped << 10 << 0 << 500.0 << 0.8 << tounicode << false;
    QTest::newRow("unmapped remark survives spacing")
        << eight + kUnmapped + kUnmapped << 10 << 4 << 500.0 << 0.6 << tounicode << false;
    QTest::newRow("top at 5 %") << "abcdef" << 6 << 0 << 50.0 << 1.0 << band << true;
    QTest::newRow("top at 6 %") << "abcdef" << 6 << 0 << 60.0 << 1.0 << QString() << false;
    QTest::newRow("band replaces remark")
        << eight + kUnmapped + kUnmapped << 10 << 4 << 20.0 << 0.6 << band << true;
    QTest::newRow("bottom at 94 %") << "abcdef" << 6 << 0 << 930.0 << 1.0 << QString() << false;
    QTest::newRow("bottom past 94 %") << "abcdef" << 6 << 0 << 931.0 << 1.0 << band << true;
}

void TestReadingOrder::confidenceAndRemarks()
{
    QFETCH(QString, text);
    QFETCH(int, chars);
    QFETCH(int, spaces);
    QFETCH(double, top);
    QFETCH(double, confidence);
    QFETCH(QString, note);
    QFETCH(bool, headerFooter);
    TextLine line;
    line.text = text;
    line.inferredSpaces = spaces;
    line.rect = QRectF(50, top, 100, 10);
    for (int i = 0; i < chars; ++i)
        line.chars.append(CharSlot{i, QRectF(50 + i, top, 1, 10)});
    const QList<ReadingBlock> blocks = makeBlocks({line, line}, 1000);
    QCOMPARE(blocks.size(), 2);
    const ReadingBlock& b = blocks.at(1);
    QCOMPARE(b.index, 1);
    QCOMPARE(b.text, text);
    QCOMPARE(b.rect, line.rect);
    QVERIFY2(qAbs(b.confidence - confidence) < 1e-9, qPrintable(QString::number(b.confidence)));
    QCOMPARE(b.note, note);
    QCOMPARE(b.headerFooter, headerFooter);
}

void TestReadingOrder::singleColumnPage()
{
    SyntheticPage page;
    page.addRun("Second line", 72, 130);
    page.addRun("Title", 72, 100);
    page.addRun("Third and longest line of the page", 72, 160);
    const QList<ReadingBlock> blocks = buildReadingOrder(page.text, page.boxes, QSizeF(595, 842));
    QCOMPARE(texts(blocks),
             QStringList({"Title", "Second line", "Third and longest line of the page"}));
    for (int i = 0; i < blocks.size(); ++i) {
        QCOMPARE(blocks.at(i).index, i);
        QCOMPARE(blocks.at(i).confidence, 1.0);
        QVERIFY(blocks.at(i).note.isEmpty());
        QVERIFY(!blocks.at(i).headerFooter);
    }
    QCOMPARE(blocks.first().rect, QRectF(72, 95, 34, 10));
}

void TestReadingOrder::twoColumnPages_data()
{
    QTest::addColumn<double>("rightColumnShift");
    // Columns whose lines sit lower than the left ones by more than the join distance, and
    // columns on common baselines, where every row first comes out as one line across the page.
    QTest::newRow("staggered baselines") << 7.0;
    QTest::newRow("common baselines") << 0.0;
}

void TestReadingOrder::twoColumnPages()
{
    QFETCH(double, rightColumnShift);
    SyntheticPage page;
    // Width 480, 10-point bins; left column 40–194, right column 290–444: bins 20 to 28 empty.
    const QStringList left = {"Lorem ipsum dolor sit", "amet consectetur adip", "elit sed do"};
    const QStringList right = {"tempor incididunt ut", "labore et dolore magn", "aliqua enim ad"};
    for (int i = 0; i < 3; ++i) {
        page.addRun(left.at(i), 40, 100 + 20 * i);
        page.addRun(right.at(i), 290, 100 + 20 * i + rightColumnShift);
    }
    page.addRun("7", 400, 800); // page number in the footer band
    const QList<ReadingBlock> blocks = buildReadingOrder(page.text, page.boxes, QSizeF(480, 842));
    QCOMPARE(texts(blocks), QStringList() << left << right << "7");
    QVERIFY(blocks.last().headerFooter);
}

void TestReadingOrder::narrowGuttersOfTypesetColumns()
{
    // Three columns on common baselines, 10 points apart: narrower than one bin of the line
    // histogram (595 / 48 points), wider than a word space.
    SyntheticPage page;
    QStringList columns[3];
    for (int row = 0; row < 5; ++row) {
        for (int c = 0; c < 3; ++c) {
            const QString line = QStringLiteral("column %1 row %2 text here").arg(c).arg(row);
            columns[c] << line;
            page.addRun(line, 40 + c * 178, 100 + 14 * row);
        }
    }
    const QList<ReadingBlock> blocks = buildReadingOrder(page.text, page.boxes, QSizeF(595, 842));
    QCOMPARE(texts(blocks), columns[0] + columns[1] + columns[2]);

    // Two short lines with a wide word space in the middle of the page stay whole.
    SyntheticPage sparse;
    sparse.addRun(QStringLiteral("Name"), 250, 100);
    sparse.addRun(QStringLiteral("Value"), 290, 100);
    sparse.addRun(QStringLiteral("Other"), 250, 114);
    sparse.addRun(QStringLiteral("Thing"), 290, 114);
    QCOMPARE(texts(buildReadingOrder(sparse.text, sparse.boxes, QSizeF(595, 842))),
             QStringList({"Name Value", "Other Thing"}));
}

void TestReadingOrder::spanningTitleReadsAsOneColumn()
{
    // A title across the gutter covers its bins, so the page is read by line centre alone.
    SyntheticPage page;
    page.addRun("A title wide enough to cross the middle of the page", 40, 70);
    page.addRun("left one", 40, 100);
    page.addRun("right one", 290, 107);
    page.addRun("left two", 40, 120);
    page.addRun("right two", 290, 127);
    const QList<ReadingBlock> blocks = buildReadingOrder(page.text, page.boxes, QSizeF(480, 842));
    QCOMPARE(texts(blocks), QStringList({"A title wide enough to cross the middle of the page",
                                         "left one", "right one", "left two", "right two"}));
}

void TestReadingOrder::pagesWithoutUsableText()
{
    SyntheticPage page;
    page.addRun("ab", 72, 100);
    QVERIFY(buildReadingOrder(page.text, page.boxes, QSizeF(595, 842)).isEmpty());

    // Text without boxes (never measured) gives no blocks.
    QVERIFY(buildReadingOrder("A page of text", {}, QSizeF(595, 842)).isEmpty());

    // More boxes than characters, or fewer: nothing is read past the text.
    SyntheticPage shortText;
    shortText.addRun("abc", 72, 400);
    shortText.boxes.append(QRectF(200, 400, 6, 10));
    QCOMPARE(texts(buildReadingOrder(shortText.text, shortText.boxes, QSizeF(595, 842))),
             QStringList({"abc"}));

    // No size entry: width and height −1, no gutter, everything in the band.
    SyntheticPage twoCols;
    twoCols.addRun("left", 40, 100);
    twoCols.addRun("right", 290, 107);
    const QList<ReadingBlock> blocks =
        buildReadingOrder(twoCols.text, twoCols.boxes, QSizeF(-1, -1));
    QCOMPARE(texts(blocks), QStringList({"left", "right"}));
    QVERIFY(blocks.at(0).headerFooter && blocks.at(1).headerFooter);
}

void TestReadingOrder::writtenPdfPages()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("columns.pdf");
    // Two columns on common baselines; the left one hyphenates a word across lines.
    const QStringList left = {"Lorem ipsum dolor sit", "amet consectetur adip-", "iscing elit"};
    const QStringList right = {"tempor incididunt", "ut labore et dolore", "magna aliqua"};
    QList<test::PlacedLine> lines{{{60, 30}, "Running head"}};
    for (int i = 0; i < 3; ++i)
        lines << test::PlacedLine{{60, 100 + 14.0 * i}, left.at(i)}
              << test::PlacedLine{{340, 100 + 14.0 * i}, right.at(i)};
    lines << test::PlacedLine{{290, 820}, "1"};
    QVERIFY(test::writePlacedTextPdf(path, {lines}));
    const OpenResult opened = PdfDocument::open(path);
    QVERIFY(opened.document);
    const PageText page = opened.document->pageText(0);
    const QList<ReadingBlock> blocks =
        buildReadingOrder(page.text, page.boxes, opened.document->pageGeometry(0).size);
    // The centred page number lies in the left column's interval and is read with it.
    QCOMPARE(texts(blocks),
             QStringList({"Running head", "Lorem ipsum dolor sit", "amet consectetur adip-",
                          "iscing elit", "1", "tempor incididunt", "ut labore et dolore",
                          "magna aliqua"}));
    QVERIFY(blocks.at(0).headerFooter);
    QVERIFY(blocks.at(4).headerFooter);
    for (int i : {1, 2, 3, 5, 6, 7}) {
        QVERIFY(!blocks.at(i).headerFooter);
        QCOMPARE(blocks.at(i).confidence, 1.0);
        QVERIFY(!blocks.at(i).text.contains(kMarker));
    }
}

QTEST_MAIN(TestReadingOrder)
#include "tst_readingorder.moc"
