#include "app/OpenRequests.h"

#include <QtTest>

using namespace dovrix;

class TestOpenRequests : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void optionsApplyToTheFilesAfterThem()
    {
        const OpenRequestList list = openRequestsFromArguments(
            {"plain.pdf", "--page", "iv", "--find=Lemma 2", "a.pdf", "--ocr-page", "3", "--page=12",
             "-x", "b.pdf", "--synctex-forward", "40:0:ch 1:intro.tex", "--", "--page", "c.pdf"},
            {"ocr-page"});
        QVERIFY2(list.errors.isEmpty(), qPrintable(list.errors.join('\n')));
        QCOMPARE(list.requests.size(), 5);
        QCOMPARE(list.requests.at(0).path, "plain.pdf");
        QVERIFY(list.requests.at(0).page.isEmpty() && list.requests.at(0).find.isEmpty());
        QCOMPARE(list.requests.at(1).path, "a.pdf");
        QCOMPARE(list.requests.at(1).page, "iv");
        QCOMPARE(list.requests.at(1).find, "Lemma 2");
        QCOMPARE(list.requests.at(2).path, "b.pdf");
        QCOMPARE(list.requests.at(2).page, "12");
        QCOMPARE(list.requests.at(2).find, "Lemma 2");
        // After "--" option names are file names; the forward search still applies.
        QCOMPARE(list.requests.at(3).path, "--page");
        QCOMPARE(list.requests.at(3).forward.file, "ch 1:intro.tex");
        QCOMPARE(list.requests.at(3).forward.line, 40);
        QCOMPARE(list.requests.at(4).path, "c.pdf");

        // A running instance is handed the same request.
        const OpenRequest& request = list.requests.at(3);
        const OpenRequestList again = openRequestsFromArguments(argumentsForRequest(request));
        QCOMPARE(again.requests.size(), 1);
        QCOMPARE(again.requests.first().path, request.path);
        QCOMPARE(again.requests.first().page, request.page);
        QCOMPARE(again.requests.first().find, request.find);
        QCOMPARE(again.requests.first().forward.file, request.forward.file);
        QCOMPARE(again.requests.first().forward.line, request.forward.line);
    }

    void badValuesAreReportedAndFilesStillOpen_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("page zero") << QStringList{"--page", "0", "a.pdf"} << "--page";
        QTest::newRow("negative page") << QStringList{"--page=-4", "a.pdf"} << "--page";
        QTest::newRow("blank page") << QStringList{"--page", " ", "a.pdf"} << "--page";
        QTest::newRow("empty find") << QStringList{"--find=", "a.pdf"} << "--find";
        QTest::newRow("forward without file")
            << QStringList{"--synctex-forward", "12:3:", "a.pdf"} << "--synctex-forward";
        QTest::newRow("forward line not a number")
            << QStringList{"--synctex-forward=x:1:a.tex", "a.pdf"} << "--synctex-forward";
        QTest::newRow("forward line zero")
            << QStringList{"--synctex-forward=0:1:a.tex", "a.pdf"} << "--synctex-forward";
        QTest::newRow("forward with one colon")
            << QStringList{"--synctex-forward=12:a.tex", "a.pdf"} << "--synctex-forward";
        QTest::newRow("value missing at the end") << QStringList{"a.pdf", "--page"} << "--page";
    }

    void badValuesAreReportedAndFilesStillOpen()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const OpenRequestList list = openRequestsFromArguments(arguments);
        QCOMPARE(list.errors.size(), 1);
        QVERIFY2(list.errors.first().contains(error), qPrintable(list.errors.first()));
        QCOMPARE(list.requests.size(), 1);
        QCOMPARE(list.requests.first().path, "a.pdf");
        QVERIFY(list.requests.first().page.isEmpty());
        QVERIFY(list.requests.first().find.isEmpty());
        QCOMPARE(list.requests.first().forward.line, 0);
    }
};

QTEST_GUILESS_MAIN(TestOpenRequests)
#include "tst_openrequests.moc"
