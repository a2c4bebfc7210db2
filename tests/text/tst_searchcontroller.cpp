#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "engine/PdfDocument.h"
#include "text/SearchController.h"
#include "text/SearchNormalize.h"
#include "text/TextLayoutStore.h"

#include "tests/support/TestPdf.h"
#include "tests/support/TextStoreRig.h"
#include "tests/support/WorkerGate.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace dovrix;

namespace {

QString u(std::initializer_list<char16_t> units)
{
    QString s;
    for (const char16_t c : units)
        s += QChar(c);
    return s;
}

OcrLine line(const QString& text)
{
    return {QRectF(0, 0, 100, 10), text, 0.9f};
}

} // namespace

class TestSearchController : public QObject, private test::TextStoreRig
{
    Q_OBJECT

private:
    std::unique_ptr<SearchController> search;

    void dropUsers() override { search.reset(); }

    bool open(const QList<QStringList>& pages)
    {
        if (!TextStoreRig::open(pages))
            return false;
        makeSearch();
        return true;
    }

    void makeSearch()
    {
        search.reset();
        store = std::make_unique<TextLayoutStore>(worker.get(), controller.get());
        search = std::make_unique<SearchController>(store.get(), controller.get());
    }

    // Runs a search to its end and returns the announced hits.
    QList<SearchHit> run(const QString& query, bool caseSensitive = false)
    {
        QSignalSpy finished(search.get(), &SearchController::finished);
        search->startSearch(query, caseSensitive);
        if (finished.isEmpty() && !finished.wait(test::TimeoutMs))
            return {};
        return search->announcedHits();
    }

private Q_SLOTS:
    void initTestCase() { start(); }
    void cleanup() { closeDocument(); }
    void cleanupTestCase() { stop(); }

    void matching_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<QString>("hitTexts"); // page texts of the hits, joined with '|'

        QTest::newRow("capitals match lower case")
            << QStringList{QStringLiteral("the quick fox")} << QStringLiteral("QUICK") << false
            << QStringLiteral("quick");
        QTest::newRow("case-sensitive does not") << QStringList{QStringLiteral("the quick fox")}
                                                 << QStringLiteral("QUICK") << true << QString();
        QTest::newRow("full-width query")
            << QStringList{QStringLiteral("find Abc here")} << u({0xFF21, 0xFF42, 0xFF43}) << false
            << QStringLiteral("Abc");
        QTest::newRow("soft hyphen inside a word")
            << QStringList{QStringLiteral("a so") + QChar(0xAD) + QStringLiteral("ft word")}
            << QStringLiteral("soft") << false << (QStringLiteral("so") + QChar(0xAD) + "ft");
        QTest::newRow("zero-width space inside a word")
            << QStringList{QStringLiteral("ze") + QChar(0x200B) + QStringLiteral("ro")}
            << QStringLiteral("zero") << false << (QStringLiteral("ze") + QChar(0x200B) + "ro");
        QTest::newRow("line feed is not a space")
            << QStringList{QStringLiteral("broken"), QStringLiteral("phrase")}
            << QStringLiteral("broken phrase") << false << QString();
        QTest::newRow("overlapping hits share a character")
            << QStringList{QStringLiteral("xaaax")} << QStringLiteral("aa") << false
            << QStringLiteral("aa|aa");
        QTest::newRow("two identical letters in four")
            << QStringList{QStringLiteral("bbbb")} << QStringLiteral("bb") << false
            << QStringLiteral("bb|bb|bb");
        QTest::newRow("radical found by its ideograph")
            << QStringList{QStringLiteral("p ") + QChar(0x2EDA) + QStringLiteral(" q")}
            << QString(QChar(0x9875)) << false << QString(QChar(0x2EDA));
        QTest::newRow("radical query finds the ideograph")
            << QStringList{QStringLiteral("p ") + QChar(0x9875)} << QString(QChar(0x2EDA)) << false
            << QString(QChar(0x9875));
        QTest::newRow("query is not trimmed")
            << QStringList{QStringLiteral("concat cat")} << QStringLiteral(" cat") << false
            << QStringLiteral(" cat");
    }

    void matching()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, query);
        QFETCH(bool, caseSensitive);
        QFETCH(QString, hitTexts);
        QVERIFY(open({lines}));
        const QList<SearchHit> hits = run(query, caseSensitive);
        QStringList texts;
        for (const SearchHit& hit : hits) {
            QCOMPARE(hit.ocrLine, -1);
            QVERIFY(hit.length >= 1);
            texts << store->pageText(hit.page).mid(hit.start, hit.length);
        }
        QCOMPARE(texts.join(QLatin1Char('|')), hitTexts);
    }

    // A word hyphenated at a line end is found whole; the hit covers the marker.
    void hyphenatedWord()
    {
        QVERIFY(open({{QStringLiteral("Lorem ipsum dolor sit amet, adip-"),
                       QStringLiteral("iscing elit")}}));
        const QList<SearchHit> hits = run(QStringLiteral("adipiscing"));
        const QString text = store->pageText(0);
        if (!text.contains(QChar(0xFFFE)))
            QSKIP("this Qt PDF keeps the hyphen as it is");
        QCOMPARE(hits.size(), 1);
        QCOMPARE(text.mid(hits.at(0).start, hits.at(0).length),
                 QStringLiteral("adip") + QChar(0xFFFE) + QStringLiteral("iscing"));
        QCOMPARE(hits.at(0).length, 11);
        // Plain text around it behaves as before.
        QCOMPARE(run(QStringLiteral("elit")).size(), 1);
        QCOMPARE(run(QStringLiteral("adip-")).size(), 0);
    }

    // Right-to-left text comes in its logical order: a word is found with or without its vowel
    // marks, and the hit covers it as written.
    void rightToLeft()
    {
        if (test::useEngineUnderTest() == EngineKind::QtPdf)
            QSKIP("Qt PDF gives right-to-left runs out of their order");
        const QString word = u({0x062D, 0x064E, 0x0628, 0x064A, 0x0628, 0x064A});
        QVERIFY(open({{u({0x0642, 0x0627, 0x0644}) + QLatin1Char(' ') + word + QLatin1Char(' ')
                       + u({0x0647, 0x0646, 0x0627})}}));
        for (const QString& query : {word, u({0x062D, 0x0628, 0x064A, 0x0628, 0x064A})}) {
            const QList<SearchHit> hits = run(query);
            QCOMPARE(hits.size(), 1);
            // The page text may hold the letters' presentation forms; folded they are the word.
            QCOMPARE(normalizeForSearch(store->pageText(0).mid(hits.at(0).start, hits.at(0).length),
                                        true)
                         .text,
                     normalizeForSearch(word, true).text);
        }
    }

    void emptyQueryAndNoPages()
    {
        // No document: 0 pages.
        controller = std::make_unique<DocumentController>(worker.get());
        makeSearch();
        QSignalSpy started(search.get(), &SearchController::started);
        QSignalSpy hit(search.get(), &SearchController::hitFound);
        QSignalSpy progress(search.get(), &SearchController::progress);
        QSignalSpy finished(search.get(), &SearchController::finished);
        search->startSearch(QStringLiteral("word"), false);
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.at(0).at(0).toInt(), 0);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 0);
        QCOMPARE(hit.count() + progress.count(), 0);
        QVERIFY(!search->isActive());

        // Empty query, and a query of nothing but invisible characters.
        QVERIFY(open({{QStringLiteral("text")}}));
        for (const QString& query : {QString(), u({0xAD, 0x200B, 0xFFFE})}) {
            QSignalSpy s(search.get(), &SearchController::started);
            QSignalSpy f(search.get(), &SearchController::finished);
            QSignalSpy p(search.get(), &SearchController::progress);
            search->startSearch(query, false);
            QCOMPARE(s.count(), 1);
            QCOMPARE(s.at(0).at(0).toInt(), 1);
            QCOMPARE(f.count(), 1);
            QCOMPARE(f.at(0).at(0).toInt(), 0);
            QCOMPARE(p.count(), 0);
            QVERIFY(!search->isActive());
        }
    }

    // Hits are announced in page order even when a later page's text arrives first.
    void announcedInPageOrder()
    {
        QVERIFY(open({{QStringLiteral("word zero")},
                      {QStringLiteral("nothing here")},
                      {QStringLiteral("word two")},
                      {QStringLiteral("word three word")}}));
        QSignalSpy text(store.get(), &TextLayoutStore::pageTextReady);
        QSignalSpy hit(search.get(), &SearchController::hitFound);
        QSignalSpy progress(search.get(), &SearchController::progress);
        QSignalSpy finished(search.get(), &SearchController::finished);
        {
            test::WorkerGate gate(worker.get());
            store->requestPageText(3, JobPriority::ShownPageText); // arrives first
            search->startSearch(QStringLiteral("word"), false);
            QCOMPARE(progress.count(), 0);
        }
        QVERIFY(finished.wait(test::TimeoutMs));
        QCOMPARE(text.at(0).at(0).toInt(), 3);
        // Page 3 was searched first, announced last.
        QCOMPARE(progress.at(0).at(0).toInt(), 1);
        QList<int> pages;
        for (const QList<QVariant>& args : hit)
            pages << args.at(0).toInt();
        QCOMPARE(pages, (QList<int>{0, 2, 3, 3}));
        QCOMPARE(hit.at(2).at(1).toInt(), 0);
        QCOMPARE(hit.at(3).at(1).toInt(), 11);
        QCOMPARE(progress.count(), 4);
        QCOMPARE(progress.last().at(0).toInt(), 4);
        QCOMPARE(progress.last().at(1).toInt(), 4);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 4);

        // All texts loaded: the whole search runs inside startSearch.
        QSignalSpy again(search.get(), &SearchController::finished);
        search->startSearch(QStringLiteral("WORD"), false);
        QCOMPARE(again.count(), 1);
        QCOMPARE(search->announcedHits().size(), 4);
        // A late text for a searched page changes nothing.
        Q_EMIT store->pageTextReady(2);
        QCOMPARE(search->announcedHits().size(), 4);
    }

    void ocrHits()
    {
        QVERIFY(open({{QStringLiteral("layer text")}, {QString()}}));
        store->setOcrResult(1,
                            OcrPageText::fromLines(
                                {line(QStringLiteral("first line")), line(QStringLiteral("second")),
                                 line(QStringLiteral("the word here")),
                                 line(QStringLiteral("x") + QChar(0xFB01) + QStringLiteral("y"))}));
        QList<SearchHit> hits = run(QStringLiteral("word"));
        QCOMPARE(hits.size(), 1);
        QCOMPARE(hits.at(0), (SearchHit{1, 4, 4, 2}));

        // The ligature: found by "fi", reported with length 1 at its index.
        hits = run(QStringLiteral("fi"));
        QCOMPARE(hits.size(), 2);
        QCOMPARE(hits.at(0), (SearchHit{1, 0, 2, 0})); // "fi" of "first"
        QCOMPARE(hits.at(1), (SearchHit{1, 1, 1, 3}));

        // A match running over the end of an OCR line is cut at the line's end.
        hits = run(QStringLiteral("line\nsec"));
        QCOMPARE(hits.size(), 1);
        QCOMPARE(hits.at(0), (SearchHit{1, 6, 4, 0}));

        // A match running from the text layer into the OCR text is cut at the page text's end.
        store->setOcrResult(0, OcrPageText::fromLines({line(QStringLiteral("ocr words"))}));
        hits = run(QStringLiteral("text\nocr"));
        QCOMPARE(hits.size(), 1);
        QCOMPARE(hits.at(0), (SearchHit{0, 6, 4, -1}));
        // One that starts on the joining line feed starts at the OCR text's first character.
        hits = run(QStringLiteral("\nocr"));
        QCOMPARE(hits.size(), 1);
        QCOMPARE(hits.at(0), (SearchHit{0, 0, 3, 0}));
    }

    // clear() forgets the search; texts arriving afterwards announce nothing.
    void clearSilences()
    {
        QVERIFY(open({{QStringLiteral("word")}, {QStringLiteral("word")}}));
        QSignalSpy hit(search.get(), &SearchController::hitFound);
        QSignalSpy progress(search.get(), &SearchController::progress);
        QSignalSpy finished(search.get(), &SearchController::finished);
        QSignalSpy text(store.get(), &TextLayoutStore::pageTextReady);
        {
            test::WorkerGate gate(worker.get());
            search->startSearch(QStringLiteral("word"), false);
            search->clear();
        }
        QTRY_COMPARE_WITH_TIMEOUT(text.count(), 2, test::TimeoutMs);
        QCOMPARE(hit.count() + progress.count() + finished.count(), 0);
        QVERIFY(search->announcedHits().isEmpty());
        QVERIFY(search->query().isEmpty());
    }

    // A listener may start a new search from inside hitFound; the old one stops announcing.
    void restartFromListener()
    {
        QVERIFY(open({{QStringLiteral("alpha beta")}, {QStringLiteral("alpha")}}));
        loadAllTexts();
        QList<SearchHit> seen;
        bool restarted = false;
        connect(search.get(), &SearchController::hitFound, this,
                [&](int page, int start, int length, int ocrLine) {
                    seen.append({page, start, length, ocrLine});
                    if (!restarted) {
                        restarted = true;
                        search->startSearch(QStringLiteral("beta"), false);
                    }
                });
        search->startSearch(QStringLiteral("alpha"), false);
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen.at(0), (SearchHit{0, 0, 5, -1}));
        QCOMPARE(seen.at(1), (SearchHit{0, 6, 4, -1}));
        QCOMPARE(search->announcedHits().size(), 1);
        QVERIFY(search->isFinished());
    }
};

QTEST_MAIN(TestSearchController)
#include "tst_searchcontroller.moc"
