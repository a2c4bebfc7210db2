#include "text/TextAnchor.h"

#include <QtTest>

using namespace dovrix;

namespace {

// A box of 10 x 10 points per character, lines 20 points apart; line feeds get none.
QList<QRectF> boxesOf(const QString& text)
{
    QList<QRectF> boxes;
    int column = 0;
    int line = 0;
    for (const QChar c : text) {
        if (c == u'\n') {
            boxes.append(QRectF());
            ++line;
            column = 0;
            continue;
        }
        boxes.append(QRectF(10.0 * column++, 20.0 * line, 10, 10));
    }
    return boxes;
}

} // namespace

class TestTextAnchor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Quotes as the older page text gave them, found in the page text of today's engine.
    void find_data()
    {
        QTest::addColumn<QString>("quote");
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("by");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        const int words = int(AnchorMatch::By::Words);
        const int area = int(AnchorMatch::By::Area);
        const int nothing = int(AnchorMatch::By::Nothing);
        const QString line = QStringLiteral("the quick brown fox");
        QTest::newRow("same words")
            << QStringLiteral("brown fox") << QRectF() << line << words << 10 << 9;
        QTest::newRow("other whitespace, other case")
            << QStringLiteral("Quick\r\nBrown") << QRectF() << line << words << 4 << 11;
        QTest::newRow("marker for a line-end hyphen")
            << (QStringLiteral("adip") + QChar(0xFFFE) + QStringLiteral("\r\niscing")) << QRectF()
            << QStringLiteral("amet adip-\niscing elit") << words << 5 << 12;
        QTest::newRow("ligature and soft hyphen") << QStringLiteral("\uFB01nd\u00ADing") << QRectF()
                                                  << QStringLiteral("a finding") << words << 2 << 7;
        QTest::newRow("vowel marks")
            << QStringLiteral("\u062D\u064E\u0628\u064A\u0628\u064A") << QRectF()
            << QStringLiteral("\u062D\u0628\u064A\u0628\u064A") << words << 0 << 5;
        // "the" at 0 and at 12: the stored rectangle tells them apart.
        QTest::newRow("the occurrence nearest the rectangle")
            << QStringLiteral("the") << QRectF(118, 1, 30, 8)
            << QStringLiteral("the cat and the dog") << words << 12 << 3;
        QTest::newRow("on another line")
            << QStringLiteral("the") << QRectF(40, 20, 30, 10)
            << QStringLiteral("the cat\nand the dog\nthe end") << words << 12 << 3;
        // Words the other text does not have (a right-to-left run in another order): the
        // characters inside the rectangle.
        QTest::newRow("by the rectangle")
            << QStringLiteral("\u062D\u064A\u0628\u064A\u0628") << QRectF(20, 0, 50, 10)
            << QStringLiteral("x \u062D\u0628\u064A\u0628\u064A y") << area << 2 << 5;
        QTest::newRow("empty quote")
            << QString() << QRectF(40, 0, 50, 10) << line << area << 4 << 5;
        QTest::newRow("nothing there")
            << QStringLiteral("zebra") << QRectF(0, 50, 50, 10) << line << nothing << -1 << 0;
        QTest::newRow("flat rectangle")
            << QStringLiteral("zebra") << QRectF(0, 5, 190, 0) << line << nothing << -1 << 0;
        QTest::newRow("empty page")
            << QStringLiteral("fox") << QRectF(0, 0, 10, 10) << QString() << nothing << -1 << 0;
    }
    void find()
    {
        QFETCH(QString, quote);
        QFETCH(QRectF, rect);
        QFETCH(QString, page);
        QFETCH(int, by);
        QFETCH(int, start);
        QFETCH(int, length);
        const AnchorMatch match = findAnchor(quote, rect, page, boxesOf(page));
        QCOMPARE(int(match.by), by);
        QCOMPARE(match.start, start);
        QCOMPARE(match.length, length);
    }
};

QTEST_MAIN(TestTextAnchor)
#include "tst_textanchor.moc"
