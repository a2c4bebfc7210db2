#include "geometry/CharAlignment.h"

#include <QTest>

using namespace dovrix;

namespace {

// Engine characters for a string laid out on one line: each character 6 points wide, lines 14
// points apart. A line feed in the string starts the next line.
QList<EngineChar> laidOut(const QString& text, double left = 10, double top = 20)
{
    QList<EngineChar> chars;
    double x = left, y = top;
    for (const char32_t c : text.toUcs4()) {
        if (c == U'\n') {
            x = left;
            y += 14;
            continue;
        }
        chars.append(EngineChar{c, QRectF(x, y, 6, 12)});
        x += 6;
    }
    return chars;
}

} // namespace

class TestCharAlignment : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void comparableForm_data()
    {
        QTest::addColumn<uint>("codePoint");
        QTest::addColumn<QString>("form");
        QTest::newRow("letter") << uint('a') << QStringLiteral("a");
        QTest::newRow("space") << uint(' ') << QString();
        QTest::newRow("no-break space") << 0xA0u << QString();
        QTest::newRow("line feed") << uint('\n') << QString();
        QTest::newRow("nul") << 0u << QString();
        QTest::newRow("byte order mark") << 0xFEFFu << QString();
        QTest::newRow("replacement character") << 0xFFFDu << QString();
        QTest::newRow("line-break marker") << 0xFFFEu << QStringLiteral("-");
        QTest::newRow("start of text marker") << 0x2u << QStringLiteral("-");
        QTest::newRow("soft hyphen") << 0xADu << QStringLiteral("-");
        QTest::newRow("hyphen") << 0x2010u << QStringLiteral("-");
        QTest::newRow("non-breaking hyphen") << 0x2011u << QStringLiteral("-");
        QTest::newRow("fi ligature") << 0xFB01u << QStringLiteral("fi");
        QTest::newRow("ffl ligature") << 0xFB04u << QStringLiteral("ffl");
        QTest::newRow("fullwidth A") << 0xFF21u << QStringLiteral("A");
        QTest::newRow("outside the BMP") << 0x1D400u << QStringLiteral("A"); // bold capital A
        QTest::newRow("han") << 0x4E2Du << QString(QChar(0x4E2D));
    }

    void comparableForm()
    {
        QFETCH(uint, codePoint);
        QFETCH(QString, form);
        const QList<char32_t> result = dovrix::comparableForm(char32_t(codePoint));
        QCOMPARE(QString::fromUcs4(result.constData(), result.size()), form);
    }

    // Same text on both sides: every non-blank character gets its own box, blanks none.
    void identicalTexts()
    {
        const QString text = QStringLiteral("alpha beta\r\ngamma delta");
        const QList<EngineChar> chars = laidOut(QStringLiteral("alphabeta\ngammadelta"));
        const CharAlignment a = alignChars(text, chars);
        QCOMPARE(a.boxes.size(), text.size());
        QCOMPARE(a.comparable, 19);
        QCOMPARE(a.matched, 19);
        QCOMPARE(a.boxes.at(0), chars.at(0).box);
        QVERIFY(a.boxes.at(5).isNull());
        QCOMPARE(a.boxes.at(6), chars.at(5).box);  // b
        QCOMPARE(a.boxes.at(12), chars.at(9).box); // g, on the second line
    }

    // A ligature glyph on the engine side: both letters of the text share its box; a ligature
    // code unit in the text gets the union of the engine's two letters.
    void ligatures()
    {
        QList<EngineChar> glyph =
            laidOut(QStringLiteral("speci") + QChar(0xFB01) + QStringLiteral("c field"));
        const CharAlignment split = alignChars(QStringLiteral("specific field"), glyph);
        QCOMPARE(split.matched, split.comparable);
        QCOMPARE(split.boxes.at(5), glyph.at(5).box);
        QCOMPARE(split.boxes.at(6), glyph.at(5).box);
        QCOMPARE(split.boxes.at(7), glyph.at(6).box);

        const QList<EngineChar> letters = laidOut(QStringLiteral("specific"));
        const CharAlignment joined =
            alignChars(QStringLiteral("speci") + QChar(0xFB01) + QStringLiteral("c"), letters);
        QCOMPARE(joined.matched, joined.comparable);
        QCOMPARE(joined.boxes.at(5), letters.at(5).box.united(letters.at(6).box));
        QCOMPARE(joined.boxes.at(6), letters.at(7).box);
    }

    void surrogatePairsShareTheirBox()
    {
        const QString text =
            QStringLiteral("x") + QString::fromUcs4(U"\U0001F600", 1) + QStringLiteral("y");
        const CharAlignment a = alignChars(text, laidOut(text));
        QCOMPARE(a.comparable, 4);
        QCOMPARE(a.matched, 4);
        QVERIFY(!a.boxes.at(1).isNull());
        QCOMPARE(a.boxes.at(1), a.boxes.at(2));
        QCOMPARE(a.boxes.at(3).left(), a.boxes.at(1).right());
    }

    // The engine put a block elsewhere in its order; anchors still find both blocks.
    void blocksInAnotherOrder()
    {
        const QString first = QStringLiteral("the first block of words");
        const QString second = QStringLiteral("another block follows here");
        QList<EngineChar> chars = laidOut(QString(second).remove(u' '), 10, 100);
        chars += laidOut(QString(first).remove(u' '), 10, 20);
        const CharAlignment a = alignChars(first + QStringLiteral("\r\n") + second, chars);
        QCOMPARE(a.matched, a.comparable);
        QCOMPARE(a.boxes.at(0).top(), 20.0);
        QCOMPARE(a.boxes.at(first.size() + 2).top(), 100.0);
    }

    // Two columns on shared baselines, the text taking each row across both columns and the
    // engine one column after the other: every character keeps a box of its own column, also the
    // last letter of a line, whose neighbour in the other order is the same letter elsewhere.
    void columnsOnSharedBaselines()
    {
        const QString leftTop = QStringLiteral("left column top line");
        const QString rightTop = QStringLiteral("right column top line");
        const QString leftNext = QStringLiteral("left column next line");
        const QString rightNext = QStringLiteral("right column next line");
        const auto row = [](const QString& line, double left, double top) {
            return laidOut(QString(line).remove(u' '), left, top);
        };
        const QList<EngineChar> chars = row(rightTop, 340, 92) + row(leftTop, 60, 92)
                                        + row(leftNext, 60, 106) + row(rightNext, 340, 106);
        const QString text =
            leftTop + u' ' + rightTop + QStringLiteral("\r\n") + leftNext + u' ' + rightNext;
        const CharAlignment a = alignChars(text, chars);
        QCOMPARE(a.matched, a.comparable);
        qsizetype start = 0;
        for (const QString& line : {leftTop, rightTop, leftNext, rightNext}) {
            start = text.indexOf(line, start);
            const bool right = line.startsWith(u'r');
            for (qsizetype i = start; i < start + line.size(); ++i) {
                if (line.at(i - start) != u' ')
                    QCOMPARE(a.boxes.at(i).left() >= 340, right);
            }
            start += line.size();
        }
    }

    // Characters only one side has stay without a box (the line-break marker of the text, a
    // missing letter); the rest still matches around them.
    void gapsAndExtras()
    {
        const QString text =
            QStringLiteral("abcdefghij kl") + QChar(0xFFFE) + QStringLiteral("mnopqrstuv wxyz");
        const QList<EngineChar> chars =
            laidOut(QStringLiteral("abcdefghijkl\nmnopqrstuvwxz")); // no y, no hyphen glyph
        const CharAlignment a = alignChars(text, chars);
        QCOMPARE(a.comparable, 27);
        QCOMPARE(a.matched, 25);
        QVERIFY(a.boxes.at(13).isNull()); // the marker
        QVERIFY(a.boxes.at(27).isNull()); // y
        QCOMPARE(a.boxes.at(28), chars.last().box);
    }

    // A letter whose only match lies on another line than both its neighbours, between other
    // characters of that line, is left without a box, to be measured otherwise. A line of one
    // letter keeps its box: the line breaks lie on both sides of it in both texts.
    void matchOffTheLineIsDropped()
    {
        QList<EngineChar> chars = laidOut(QStringLiteral("lorem ip"));
        chars += laidOut(QStringLiteral("xsx"), 10, 320);
        chars += laidOut(QStringLiteral("um dolor"), 58, 20);
        const CharAlignment a = alignChars(QStringLiteral("loremipsumdolor"), chars);
        QCOMPARE(a.matched, a.comparable - 1);
        QVERIFY(a.boxes.at(7).isNull());
        QVERIFY(!a.boxes.at(6).isNull());
        QVERIFY(!a.boxes.at(8).isNull());

        const QList<EngineChar> index = laidOut(QStringLiteral("alpha 12\nB\nbeta 34"));
        const CharAlignment b = alignChars(QStringLiteral("alpha 12\r\nB\r\nbeta 34"), index);
        QCOMPARE(b.matched, b.comparable);
        QCOMPARE(b.boxes.at(10).top(), 34.0);
    }

    void emptyInputs()
    {
        QCOMPARE(alignChars(QString(), laidOut(QStringLiteral("abc"))).boxes.size(), 0);
        const CharAlignment a = alignChars(QStringLiteral("abc"), {});
        QCOMPARE(a.boxes.size(), 3);
        QCOMPARE(a.matched, 0);
        QCOMPARE(a.comparable, 3);
    }
};

QTEST_GUILESS_MAIN(TestCharAlignment)
#include "tst_charalignment.moc"
