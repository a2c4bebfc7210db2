#include "support/SkipOrFail.h"
#include "text/SearchNormalize.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace dovrix;

namespace {

const QString kEquivalents = QStringLiteral("/usr/share/unicode/EquivalentUnifiedIdeograph.txt");

QString u(std::initializer_list<char32_t> codePoints)
{
    QString s;
    for (const char32_t cp : codePoints) {
        const char32_t one[] = {cp};
        s += QString::fromUcs4(one, 1);
    }
    return s;
}

// Radical → ideograph as Unicode's data file lists them, radical blocks only.
QHash<char32_t, char32_t> radicalsFromDataFile()
{
    QHash<char32_t, char32_t> map;
    QFile file(kEquivalents);
    if (!file.open(QIODevice::ReadOnly))
        return map;
    static const QRegularExpression line(
        QStringLiteral("^([0-9A-F]+)(?:\\.\\.([0-9A-F]+))?\\s*;\\s*([0-9A-F]+)"));
    while (!file.atEnd()) {
        const QString text = QString::fromUtf8(file.readLine());
        const QRegularExpressionMatch m = line.match(text);
        if (!m.hasMatch())
            continue;
        const char32_t first = m.captured(1).toUInt(nullptr, 16);
        const char32_t last = m.captured(2).isEmpty() ? first : m.captured(2).toUInt(nullptr, 16);
        for (char32_t c = first; c <= last; ++c) {
            if (c >= 0x2E80 && c <= 0x2FDF)
                map.insert(c, m.captured(3).toUInt(nullptr, 16));
        }
    }
    return map;
}

} // namespace

class TestNormalize : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void folding_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("foldCase");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QList<int>>("sourceIndex");

        QTest::newRow("empty") << QString() << true << QString() << QList<int>{};
        QTest::newRow("ascii lower-cased")
            << QStringLiteral("AbC") << true << QStringLiteral("abc") << QList<int>{0, 1, 2};
        QTest::newRow("ascii case kept")
            << QStringLiteral("AbC") << false << QStringLiteral("AbC") << QList<int>{0, 1, 2};
        QTest::newRow("full-width letters")
            << u({0xFF21, 0xFF42, 0xFF43}) << true << QStringLiteral("abc") << QList<int>{0, 1, 2};
        QTest::newRow("ligature fi")
            << u({'x', 0xFB01, 'y'}) << true << QStringLiteral("xfiy") << QList<int>{0, 1, 1, 2};
        QTest::newRow("soft hyphen dropped")
            << u({'a', 0xAD, 'b'}) << true << QStringLiteral("ab") << QList<int>{0, 2};
        QTest::newRow("zero-width and BOM dropped")
            << u({'a', 0x200B, 'b', 0x200C, 0x200D, 'c', 0xFEFF}) << false << QStringLiteral("abc")
            << QList<int>{0, 2, 5};
        QTest::newRow("line-break marker dropped")
            << (QStringLiteral("adip") + QChar(0xFFFE) + QStringLiteral("iscing")) << true
            << QStringLiteral("adipiscing") << QList<int>{0, 1, 2, 3, 5, 6, 7, 8, 9, 10};
        // حَبيبي with a fatha and an elongation stroke; שָׁלוֹם with its points.
        QTest::newRow("Arabic vowel marks dropped")
            << u({0x062D, 0x064E, 0x0628, 0x0640, 0x064A, 0x0628, 0x064A}) << true
            << u({0x062D, 0x0628, 0x064A, 0x0628, 0x064A}) << QList<int>{0, 2, 4, 5, 6};
        QTest::newRow("Hebrew points dropped")
            << u({0x05E9, 0x05C1, 0x05B8, 0x05DC, 0x05D5, 0x05B9, 0x05DD}) << true
            << u({0x05E9, 0x05DC, 0x05D5, 0x05DD}) << QList<int>{0, 3, 4, 6};
        QTest::newRow("whitespace passes")
            << QStringLiteral("a\n\t b\r") << true << QStringLiteral("a\n\t b\r")
            << QList<int>{0, 1, 2, 3, 4, 5};
        QTest::newRow("no-break space becomes space")
            << u({'a', 0xA0, 'b'}) << true << QStringLiteral("a b") << QList<int>{0, 1, 2};
        QTest::newRow("dotted capital I, full lower case")
            << u({0x130}) << true << u({'i', 0x307}) << QList<int>{0, 0};
        QTest::newRow("kangxi radical one") << u({0x2F00}) << false << u({0x4E00}) << QList<int>{0};
        QTest::newRow("CJK ideograph unchanged")
            << u({0x9875, 0x9762}) << true << u({0x9875, 0x9762}) << QList<int>{0, 1};
        // Each code unit on its own: the halves of a surrogate pair stay as they are.
        QTest::newRow("surrogate pair halves")
            << u({0x1D400}) << true << u({0x1D400}) << QList<int>{0, 1};
        QTest::newRow("ellipsis expands")
            << u({0x2026}) << true << QStringLiteral("...") << QList<int>{0, 0, 0};
    }

    void folding()
    {
        QFETCH(QString, input);
        QFETCH(bool, foldCase);
        QFETCH(QString, expected);
        QFETCH(QList<int>, sourceIndex);
        const NormalizedText result = normalizeForSearch(input, foldCase);
        QCOMPARE(result.text, expected);
        QCOMPARE(result.sourceIndex, sourceIndex);
    }

    void radicalsFoldAsTheDataFileSays_data()
    {
        QTest::addColumn<int>("radical");
        QTest::newRow("C-simplified leaf") << 0x2EDA;
        QTest::newRow("radical person") << 0x2E85;
        QTest::newRow("radical table (outside the BMP)") << 0x2E87;
        QTest::newRow("kangxi radical sun") << 0x2F47;
    }

    void radicalsFoldAsTheDataFileSays()
    {
        QFETCH(int, radical);
        const QHash<char32_t, char32_t> map = radicalsFromDataFile();
        if (map.isEmpty())
            DOVRIX_SKIP_OR_FAIL_IN_CI("Unicode data file not installed");
        if (!map.contains(char32_t(radical)))
            QSKIP("this radical has no equivalent in the installed data file");
        const NormalizedText result = normalizeForSearch(u({char32_t(radical)}), true);
        QCOMPARE(result.text, u({map.value(char32_t(radical))}));
        QCOMPARE(result.sourceIndex, QList<int>(result.text.size(), 0));
    }

    // The generated table holds exactly the radical mappings of the data file.
    void radicalTableMatchesDataFile()
    {
        const QHash<char32_t, char32_t> map = radicalsFromDataFile();
        if (map.isEmpty())
            DOVRIX_SKIP_OR_FAIL_IN_CI("Unicode data file not installed");
        for (char32_t c = 0x2E80; c <= 0x2FDF; ++c)
            QCOMPARE(radicalEquivalent(c), map.value(c, 0));
        // Strokes are left alone even though the file lists equivalents for them.
        QCOMPARE(radicalEquivalent(0x31D0), char32_t(0));
        const NormalizedText stroke = normalizeForSearch(u({0x31D0}), true);
        QCOMPARE(stroke.text, u({0x31D0}));
    }

    // The shortcut for trivially folding code units gives exactly what the general path gives.
    void fastPathMatchesGeneralPath()
    {
        for (const bool foldCase : {false, true}) {
            for (uint unit = 0; unit <= 0xFFFF; ++unit) {
                QString fast;
                QString slow;
                foldCodeUnit(char16_t(unit), foldCase, fast);
                foldCodeUnitSlow(char16_t(unit), foldCase, slow);
                if (fast != slow)
                    QFAIL(qPrintable(QStringLiteral("U+%1 foldCase=%2")
                                         .arg(unit, 4, 16, QLatin1Char('0'))
                                         .arg(foldCase)));
            }
        }
    }

    // Plain text without the extra markers folds exactly as the NFKC-per-unit rule says.
    void plainTextFollowsPerUnitRule()
    {
        const QString text =
            QStringLiteral("Grüße, Ｆｕｌｌ ﬁne Ⅻ ½ 東京 ΣΑΣ\n") + u({0x2460, 0x3000, 0xFF61});
        const NormalizedText result = normalizeForSearch(text, true);
        QString expected;
        QList<int> index;
        for (int i = 0; i < text.size(); ++i) {
            const QString s = text.mid(i, 1).normalized(QString::NormalizationForm_KC).toLower();
            expected += s;
            index += QList<int>(s.size(), i);
        }
        QCOMPARE(result.text, expected);
        QCOMPARE(result.sourceIndex, index);
    }
};

QTEST_MAIN(TestNormalize)
#include "tst_normalize.moc"
