#include "core/PageLabels.h"

#include <QtTest>

using namespace dovrix;

class TestPageLabels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void displayText_data()
    {
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("shown");
        const QStringList front{"i", "ii", "iii", "iv", "1", "2", "A-3"};
        QTest::newRow("roman") << front << 3 << "iv (4 / 7)";
        QTest::newRow("label differs from number") << front << 4 << "1 (5 / 7)";
        QTest::newRow("appendix") << front << 6 << "A-3 (7 / 7)";
        QTest::newRow("no labels") << QStringList() << 2 << "3 / 7";
        QTest::newRow("label equals number") << QStringList{"1", "2", "3"} << 1 << "2 / 7";
        QTest::newRow("page without label") << QStringList{"i", ""} << 1 << "2 / 7";
    }

    void displayText()
    {
        QFETCH(QStringList, labels);
        QFETCH(int, page);
        QFETCH(QString, shown);
        QCOMPARE(pageDisplayText(labels, page, 7), shown);
        // What the page field shows leads back to the same page.
        QCOMPARE(pageFromText(shown, labels, 7), page);
        QCOMPARE(pageFromText(pageShortText(labels, page), labels, 7), page);
    }

    void textToPage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("page");
        QTest::newRow("label") << "iii" << 2;
        QTest::newRow("label, other case") << "IV" << 3;
        QTest::newRow("label wins over number") << "2" << 5;
        QTest::newRow("number without such label") << "4" << 3;
        QTest::newRow("spaces") << "  A-3 " << 6;
        QTest::newRow("number past the end") << "8" << -1;
        QTest::newRow("zero") << "0" << -1;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("unknown label") << "xiv" << -1;
        QTest::newRow("empty") << "" << -1;
    }

    void textToPage()
    {
        QFETCH(QString, text);
        QFETCH(int, page);
        QCOMPARE(pageFromText(text, {"i", "ii", "iii", "iv", "1", "2", "A-3"}, 7), page);
    }
};

QTEST_GUILESS_MAIN(TestPageLabels)
#include "tst_pagelabels.moc"
