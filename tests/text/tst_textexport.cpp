#include "text/TextExport.h"

#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "support/TestPdf.h"
#include "support/TestWait.h"
#include "text/TextLayoutStore.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace dovrix;

namespace {

const QChar kMarker(0xFFFE);

ReadingBlock block(const QString& text, const QString& note = {}, bool headerFooter = false)
{
    ReadingBlock b;
    b.text = text;
    b.note = note;
    b.headerFooter = headerFooter;
    return b;
}

} // namespace

class TestTextExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportPage_data();
    void exportPage();
    void lineBreakMarkers_data();
    void lineBreakMarkers();
    void lineEndHyphens_data();
    void lineEndHyphens();
    void exportThroughTheStore();
    void recognisedLinesReplaceTheScanNote();
};

void TestTextExport::exportPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<ReadingBlock>>("blocks");
    QTest::addColumn<QByteArray>("utf8");
    // Expected bytes are spelled out so that the window's export and the bench stay identical.
    const QByteArray header1 = "\xE2\x80\x94\xE2\x80\x94 \xE7\xAC\xAC 1 \xE9\xA1\xB5 "
                               "\xE2\x80\x94\xE2\x80\x94\n"; // —— 第 1 页 ——
    const QByteArray unreliable = "\xEF\xBC\x88\xE6\x9C\xAC\xE9\xA1\xB5\xE9\x83\xA8\xE5\x88\x86"
                                  "\xE6\x96\x87\xE6\x9C\xAC\xE5\x8F\xAF\xE8\x83\xBD\xE4\xB8\x8D"
                                  "\xE5\x8F\xAF\xE9\x9D\xA0\xEF\xBC\x89\n";
    const QByteArray scanned = "\xEF\xBC\x88\xE6\x9C\xAC\xE9\xA1\xB5\xE4\xB8\xBA\xE6\x89\xAB"
                               "\xE6\x8F\x8F\xE5\x9B\xBE\xE5\x83\x8F\xEF\xBC\x8C\xE6\x97\xA0"
                               "\xE6\x96\x87\xE6\x9C\xAC\xE5\xB1\x82\xEF\xBC\x89\n";
    QTest::newRow("plain lines") << 0 << QList<ReadingBlock>{block("First"), block("第二行")}
                                 << header1 + "First\n\xE7\xAC\xAC\xE4\xBA\x8C\xE8\xA1\x8C\n\n";
    QTest::newRow("header and footer left out")
        << 0
        << QList<ReadingBlock>{block("Journal 12", "band", true), block("Body"),
                               block("7", "band", true)}
        << header1 + "Body\n\n";
    QTest::newRow("remark on a written block")
        << 0 << QList<ReadingBlock>{block("a b c d", "spacing"), block("Body")}
        << header1 + "a b c d\nBody\n" + unreliable + "\n";
    QTest::newRow("remark only on the band: no note")
        << 0 << QList<ReadingBlock>{block("Body"), block("7", "band", true)}
        << header1 + "Body\n\n";
    QTest::newRow("no blocks: scanned page")
        << 11 << QList<ReadingBlock>{}
        << QByteArray("\xE2\x80\x94\xE2\x80\x94 \xE7\xAC\xAC 12 \xE9\xA1\xB5 "
                      "\xE2\x80\x94\xE2\x80\x94\n")
               + scanned + "\n";
    QTest::newRow("only band blocks: header and empty line")
        << 0 << QList<ReadingBlock>{block("7", "band", true)} << header1 + "\n";
    QTest::newRow("empty block text keeps its line")
        << 0 << QList<ReadingBlock>{block(QString())} << header1 + "\n\n";
    QTest::newRow("line-break markers")
        << 0
        << QList<ReadingBlock>{block(QStringLiteral("adip") + kMarker),
                               block(QStringLiteral("isc") + kMarker + QStringLiteral("ing"))}
        << header1 + "adip-\niscing\n\n";
}

void TestTextExport::exportPage()
{
    QFETCH(int, page);
    QFETCH(QList<ReadingBlock>, blocks);
    QFETCH(QByteArray, utf8);
    QCOMPARE(formatExportPage(page, blocks).toUtf8(), utf8);
}

void TestTextExport::lineBreakMarkers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("exported");
    QTest::addColumn<QString>("copied");
    const QString m(kMarker);
    QTest::newRow("plain text unchanged")
        << QStringLiteral("well-known 页面 soft\u00ADhyphen\r\nnext")
        << QStringLiteral("well-known 页面 soft\u00ADhyphen\r\nnext")
        << QStringLiteral("well-known 页面 soft\u00ADhyphen\r\nnext");
    QTest::newRow("inside a word")
        << "adip" + m + "iscing" << QStringLiteral("adipiscing") << QStringLiteral("adipiscing");
    QTest::newRow("at the line end")
        << "adip" + m << QStringLiteral("adip-") << QStringLiteral("adip");
    QTest::newRow("several") << m + "a" + m + "b" + m + m << QStringLiteral("ab-")
                             << QStringLiteral("ab");
    QTest::newRow("copy across a line break")
        << "consectetur adip" + m + "iscing elit" << QStringLiteral("consectetur adipiscing elit")
        << QStringLiteral("consectetur adipiscing elit");
    QTest::newRow("empty") << QString() << QString() << QString();
}

void TestTextExport::lineBreakMarkers()
{
    QFETCH(QString, text);
    QFETCH(QString, exported);
    QFETCH(QString, copied);
    QCOMPARE(exportLineText(text), exported);
    QCOMPARE(textForClipboard(text), copied);
}

void TestTextExport::lineEndHyphens_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("joined");
    const auto same = [](const char* name, const QString& text) {
        QTest::newRow(name) << text << text;
    };
    QTest::newRow("broken word, lower case goes on")
        << QStringLiteral("amet adip-\niscing elit\nnext")
        << QStringLiteral("amet adipiscing elit\nnext");
    QTest::newRow("written with its hyphen elsewhere")
        << QStringLiteral("a Well-Known fact\nis well-\nknown")
        << QStringLiteral("a Well-Known fact\nis well-known");
    QTest::newRow("written whole elsewhere") << QStringLiteral("e-mail or email\nsend e-\nmail")
                                             << QStringLiteral("e-mail or email\nsend email");
    QTest::newRow("capital goes on")
        << QStringLiteral("Jean-\nPierre said") << QStringLiteral("Jean-Pierre said");
    QTest::newRow("digits") << QStringLiteral("pages 10-\n12") << QStringLiteral("pages 10-12");
    QTest::newRow("part already hyphenated")
        << QStringLiteral("state-of-the-\nart design") << QStringLiteral("state-of-the-art design");
    QTest::newRow("several lines")
        << QStringLiteral("in-\ncompre-\nhensible") << QStringLiteral("incomprehensible");
    QTest::newRow("soft hyphen and U+2010") << QStringLiteral("Jean\u00AD\nPierre docu\u2010\nment")
                                            << QStringLiteral("JeanPierre document");
    QTest::newRow("other scripts") << QStringLiteral("доку-\nмент") << QStringLiteral("документ");
    same("a dash after a space", QStringLiteral("wait -\nthen"));
    same("no word goes on", QStringLiteral("adip-\n (iscing)\nadip-\n\niscing"));
    same("last line", QStringLiteral("the end-"));
    same("not across pages", QStringLiteral("—— 第 1 页 ——\nend docu-\n\n—— 第 2 页 ——\nment\n\n"));
}

void TestTextExport::lineEndHyphens()
{
    QFETCH(QString, text);
    QFETCH(QString, joined);
    QCOMPARE(joinLineEndHyphens(text), joined);
}

void TestTextExport::exportThroughTheStore()
{
    // A written page through the document controller and the text layout store, as the window
    // exports it: columns on common baselines, a hyphenated word, a running head and a page
    // number; then a page without text.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("article.pdf");
    QVERIFY(test::writePlacedTextPdf(path, {{{{60, 30}, "Running head"},
                                             {{60, 100}, "Lorem ipsum dolor sit"},
                                             {{60, 114}, "amet consectetur adip-"},
                                             {{60, 128}, "iscing elit"},
                                             {{340, 100}, "tempor incididunt"},
                                             {{340, 114}, "ut labore et dolore"},
                                             {{500, 820}, "1"}},
                                            {}}));

    PdfWorker worker;
    DocumentController controller(&worker);
    controller.setProbeEnabled(false);
    QVERIFY(test::openAndWait(controller, path));
    TextLayoutStore store(&worker, &controller);
    QSignalSpy blocksReady(&store, &TextLayoutStore::readingBlocksReady);
    QString text;
    for (int page = 0; page < controller.pageCount(); ++page) {
        store.requestReadingBlocks(page);
        QTRY_VERIFY_WITH_TIMEOUT(store.hasReadingBlocks(page), test::TimeoutMs);
        text += formatExportPage(page, store.readingBlocks(page));
    }
    QCOMPARE(joinLineEndHyphens(text), QStringLiteral("—— 第 1 页 ——\n"
                                                      "Lorem ipsum dolor sit\n"
                                                      "amet consectetur adipiscing elit\n"
                                                      "tempor incididunt\n"
                                                      "ut labore et dolore\n"
                                                      "\n"
                                                      "—— 第 2 页 ——\n"
                                                      "（本页为扫描图像，无文本层）\n"
                                                      "\n"));
}

void TestTextExport::recognisedLinesReplaceTheScanNote()
{
    // Lines as the recogniser may order them (by centre); written top to bottom, simplified,
    // after the note that marks them as recognised.
    const QList<OcrLine> lines = {{QRectF(10, 50, 100, 12), QStringLiteral("second  line "), 0.9f},
                                  {QRectF(10, 20, 100, 12), QStringLiteral(" first"), 0.8f}};
    const QString page = formatExportPage(1, {}, lines);
    QCOMPARE(page,
             QStringLiteral("—— 第 2 页 ——\n（以下为 OCR 识别文本）\nfirst\nsecond line\n\n"));
    // The page's own text wins over recognised lines.
    QVERIFY(!formatExportPage(1, {block("Body")}, lines).contains(QStringLiteral("first")));
}

QTEST_MAIN(TestTextExport)
#include "tst_textexport.moc"
