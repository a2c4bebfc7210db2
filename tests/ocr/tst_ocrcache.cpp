// The file that keeps recognised pages between runs: every field survives a round trip, and a file
// that is damaged, foreign or of another document is ignored as a whole and then replaced.

#include "ocr/OcrCache.h"

#include "tests/support/OcrFixtures.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace dovrix;

namespace {

const QString Hash = QString(64, QLatin1Char('a'));

QHash<int, OcrPageText> samplePages()
{
    QHash<int, OcrPageText> pages;
    pages.insert(0, OcrPageText::fromLines({{QRectF(12.5, 30.25, 400.125, 14.75),
                                             QStringLiteral("First line, “quoted”"), 0.975f},
                                            {QRectF(12.5, 50, 380, 14), QStringLiteral("第二行"),
                                             0.5f, OcrTextDirection::BottomToTop}}));
    pages.insert(3, OcrPageText::fromLines({})); // recognised, nothing found
    return pages;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestOcrCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void roundTripKeepsEveryField();
    void unusableFilesAreIgnored_data();
    void unusableFilesAreIgnored();
    void onlyHashesNameFiles();

private:
    QTemporaryDir home;
};

void TestOcrCache::initTestCase()
{
    QVERIFY(home.isValid());
    test::isolateOcrCache(home.path());
    QVERIFY(OcrCache::directory().startsWith(home.path()));
}

void TestOcrCache::roundTripKeepsEveryField()
{
    const QHash<int, OcrPageText> pages = samplePages();
    QVERIFY(OcrCache::save(Hash, pages));
    QVERIFY(QFile::exists(OcrCache::filePath(Hash)));
    QHash<int, OcrPageText> read;
    QVERIFY(OcrCache::load(Hash, 4, &read));
    QCOMPARE(read.keys().size(), 2);
    for (int page : {0, 3}) {
        const OcrPageText& expected = pages.value(page);
        const OcrPageText& actual = read.value(page);
        QCOMPARE(actual.text, expected.text);
        QCOMPARE(actual.lines.size(), expected.lines.size());
        for (int i = 0; i < expected.lines.size(); ++i) {
            QCOMPARE(actual.lines.at(i).box, expected.lines.at(i).box);
            QCOMPARE(actual.lines.at(i).text, expected.lines.at(i).text);
            QCOMPARE(actual.lines.at(i).score, expected.lines.at(i).score);
            QCOMPARE(actual.lines.at(i).direction, expected.lines.at(i).direction);
        }
    }
    // Pages beyond the document (its file changed length) are left out, the rest still count.
    QVERIFY(OcrCache::load(Hash, 1, &read));
    QCOMPARE(read.keys(), QList<int>{0});
}

void TestOcrCache::unusableFilesAreIgnored_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = OcrCache::serialize(Hash, samplePages());
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut short") << good.left(good.size() / 2);
    QTest::newRow("not JSON") << QByteArray("\x00\xff garbage", 10);
    QTest::newRow("an array") << QByteArray("[1,2,3]");
    QTest::newRow("another document")
        << OcrCache::serialize(QString(64, QLatin1Char('b')), samplePages());
    // The good file with one part changed.
    const auto changed = [&good](const char* from, const char* to) {
        return QByteArray(good).replace(from, to);
    };
    // Files of version 1 hold detected boxes, which overlap the neighbouring lines.
    QTest::newRow("an older version") << changed("\"version\":2", "\"version\":1");
    QTest::newRow("another format") << changed("dovrix-ocr", "other-tool");
    QTest::newRow("a box of text") << changed("[12.5,30.25,", "[12.5,\"x\",");
    QTest::newRow("a negative page") << changed("\"page\":3", "\"page\":-3");
    QTest::newRow("a score above one") << changed("\"score\":0.5", "\"score\":7");
    QTest::newRow("a blank line") << changed("\"第二行\"", "\"  \"");
    QTest::newRow("an unknown direction") << changed("bottomToTop", "diagonal");
    QTest::newRow("a page twice") << changed("\"page\":3", "\"page\":0");
    // Bounds by the document's ten pages.
    QHash<int, OcrPageText> crowded;
    QList<OcrLine> lines(OcrCache::MaxLinesPerPage + 1,
                         OcrLine{QRectF(1, 2, 3, 4), QStringLiteral("l"), 0.5f});
    crowded.insert(0, OcrPageText::fromLines(lines));
    QTest::newRow("too many lines on a page") << OcrCache::serialize(Hash, crowded);
    lines.resize(OcrCache::MaxLinesPerPage);
    crowded.insert(0, OcrPageText::fromLines(lines));
    for (int page = 0; page < 10; ++page)
        crowded.insert(page + 100, OcrPageText::fromLines(lines)); // beyond the document
    QTest::newRow("more lines than the pages hold") << OcrCache::serialize(Hash, crowded);
    QTest::newRow("larger than the document allows")
        << good + QByteArray(OcrCache::maxFileBytes(10) - good.size() + 1, ' ');
}

void TestOcrCache::unusableFilesAreIgnored()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(QDir().mkpath(OcrCache::directory()));
    QVERIFY(writeFile(OcrCache::filePath(Hash), bytes));
    QHash<int, OcrPageText> read;
    read.insert(9, OcrPageText());
    QVERIFY(!OcrCache::load(Hash, 10, &read));
    QCOMPARE(read.keys(), QList<int>{9}); // untouched
    // The next write replaces it.
    QVERIFY(OcrCache::save(Hash, samplePages()));
    QVERIFY(OcrCache::load(Hash, 10, &read));
    QCOMPARE(read.size(), 2);
}

void TestOcrCache::onlyHashesNameFiles()
{
    QVERIFY(OcrCache::filePath(QStringLiteral("../../etc/passwd")).isEmpty());
    QVERIFY(OcrCache::filePath(Hash.toUpper()).isEmpty());
    QVERIFY(!OcrCache::save(QStringLiteral("x"), samplePages()));
}

QTEST_MAIN(TestOcrCache)
#include "tst_ocrcache.moc"
