#include "support/CoreFixtures.h"

#include "support/HostileFixtures.h"
#include "support/TestWait.h"
#include "synctex/EditorCommand.h"
#include "synctex/SynctexIndex.h"
#include "synctex/SynctexLink.h"
#include "synctex/SynctexProtocol.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace dovrix;

namespace {

// Scaled points per PostScript point: SyncTeX records TeX's sp, the parser answers in points.
constexpr double SpPerPt = 65781.76;

int sp(double points)
{
    return int(std::lround(points * SpPerPt));
}

// A SyncTeX file as pdfTeX writes it, for two pages of doc.tex: line 5 typeset as a box at
// (100, 190)-(300, 204) points on page 1 (baseline 200, height 10, depth 4), line 9 at
// (72, 290)-(272, 304) on page 2.
QByteArray handWrittenSynctex(int pages = 2)
{
    auto hbox = [](int line, double x, double baseline, double width) -> QByteArray {
        const QByteArray box = QByteArray::number(sp(x)) + ',' + QByteArray::number(sp(baseline))
                               + ':' + QByteArray::number(sp(width)) + ','
                               + QByteArray::number(sp(10)) + ',' + QByteArray::number(sp(4));
        return "(1," + QByteArray::number(line) + ':' + box + "\nh1," + QByteArray::number(line)
               + ':' + QByteArray::number(sp(x)) + ',' + QByteArray::number(sp(baseline)) + ':'
               + QByteArray::number(sp(width)) + ",0,0\n)\n";
    };
    QByteArray text = "SyncTeX Version:1\nInput:1:./doc.tex\nOutput:pdf\nMagnification:1000\n"
                      "Unit:1\nX Offset:0\nY Offset:0\nContent:\n";
    const double lines[][3] = {{5, 100, 200}, {9, 72, 300}, {12, 72, 100}};
    for (int page = 1; page <= pages; ++page) {
        const auto& at = lines[std::min(page - 1, 2)];
        text += "!100\n{" + QByteArray::number(page) + "\n[1,1:0,0:" + QByteArray::number(sp(595))
                + ',' + QByteArray::number(sp(842)) + ",0\n" + hbox(int(at[0]), at[1], at[2], 200)
                + "]\n}" + QByteArray::number(page) + '\n';
    }
    text += "!50\nPostamble:\nCount:12\n!20\nPost scriptum:\n";
    return text;
}

} // namespace

class TestSynctex : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        pdf = dir->filePath(QStringLiteral("doc.pdf"));
        // The index reads only the PDF's name and time; its contents do not matter here.
        QVERIFY(test::writeFile(pdf, "%PDF-1.4\n"));
        QVERIFY(
            test::writeFile(dir->filePath(QStringLiteral("doc.synctex")), handWrittenSynctex()));
    }

    void forwardAndInverseMapping()
    {
        SynctexIndex index(pdf, 2);
        QCOMPARE(index.state(), SynctexState::Ready);

        const QList<SynctexBox> boxes = index.boxesFor({dir->filePath("doc.tex"), 5, 0});
        QVERIFY(!boxes.isEmpty());
        QCOMPARE(boxes.first().page, 0);
        const QRectF r = boxes.first().rectPt;
        QVERIFY2(qAbs(r.left() - 100) < 0.05 && qAbs(r.top() - 190) < 0.05
                     && qAbs(r.width() - 200) < 0.05 && qAbs(r.height() - 14) < 0.05,
                 qPrintable(QStringLiteral("%1 %2 %3 %4")
                                .arg(r.left())
                                .arg(r.top())
                                .arg(r.width())
                                .arg(r.height())));
        const QList<SynctexBox> second = index.boxesFor({QStringLiteral("doc.tex"), 9, 0});
        QVERIFY(!second.isEmpty());
        QCOMPARE(second.first().page, 1);
        QVERIFY(index.boxesFor({QStringLiteral("other.tex"), 5, 0}).isEmpty());

        const SourcePlace place = index.placeAt(1, QPointF(150, 296));
        QCOMPARE(place.file, dir->filePath(QStringLiteral("doc.tex")));
        QCOMPARE(place.line, 9);
        QCOMPARE(index.placeAt(0, QPointF(150, 198)).line, 5);
    }

    void unusableDataIsNamed_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("pdfPages");
        QTest::addColumn<int>("state");
        QTest::newRow("missing") << QString() << QByteArray() << 2 << int(SynctexState::Missing);
        QTest::newRow("garbage") << "doc.synctex" << QByteArray("\x01\x02not synctex at all\n") << 2
                                 << int(SynctexState::Damaged);
        QTest::newRow("truncated")
            << "doc.synctex" << handWrittenSynctex().left(60) << 2 << int(SynctexState::Damaged);
        QTest::newRow("broken gzip")
            << "doc.synctex.gz" << QByteArray("\x1f\x8b\x08\x00garbage garbage") << 2
            << int(SynctexState::Damaged);
        QTest::newRow("more pages than the pdf")
            << "doc.synctex" << handWrittenSynctex(3) << 2 << int(SynctexState::Stale);
    }

    void unusableDataIsNamed()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, contents);
        QFETCH(int, pdfPages);
        QFETCH(int, state);
        QVERIFY(QFile::remove(dir->filePath(QStringLiteral("doc.synctex"))));
        if (!fileName.isEmpty())
            QVERIFY(test::writeFile(dir->filePath(fileName), contents));
        SynctexIndex index(pdf, pdfPages);
        QCOMPARE(int(index.state()), state);
        QVERIFY(index.boxesFor({QStringLiteral("doc.tex"), 5, 0}).isEmpty());
        QVERIFY(index.placeAt(0, QPointF(150, 198)).file.isEmpty());
    }

    void dataOlderThanThePdfIsStale()
    {
        QFile data(dir->filePath(QStringLiteral("doc.synctex")));
        QVERIFY(data.open(QIODevice::ReadWrite));
        QVERIFY(data.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
        data.close();
        QCOMPARE(SynctexIndex(pdf, 2).state(), SynctexState::Stale);
    }

    void linkAnswersOnTheGuiThread()
    {
        SynctexLink link;
        QSignalSpy boxes(&link, &SynctexLink::boxesReady);
        QSignalSpy places(&link, &SynctexLink::placeReady);
        QSignalSpy unavailable(&link, &SynctexLink::unavailable);

        link.requestBoxes({QStringLiteral("doc.tex"), 5, 0});
        QCOMPARE(unavailable.size(), 1); // no document yet

        link.setDocument(pdf, 2);
        link.requestBoxes({QStringLiteral("doc.tex"), 5, 0});
        QVERIFY(boxes.wait(test::TimeoutMs));
        QCOMPARE(boxes.first().at(1).value<QList<SynctexBox>>().first().page, 0);
        link.requestPlace(0, QPointF(150, 198));
        QVERIFY(places.wait(test::TimeoutMs));
        QCOMPARE(places.first().first().value<SourcePlace>().line, 5);

        // An answer on its way for the previous document is dropped.
        link.requestPlace(0, QPointF(150, 198));
        link.setDocument(dir->filePath(QStringLiteral("none.pdf")), 1);
        link.requestPlace(0, QPointF(150, 198));
        QVERIFY(unavailable.wait(test::TimeoutMs));
        QCOMPARE(unavailable.last().first().value<SynctexState>(), SynctexState::Missing);
        QCOMPARE(places.size(), 1);
    }

    // Data that crashes the parser (a recursion per sibling record) or unpacks without end ends
    // the reader process, not this one: the query is refused with the reason, later queries are
    // refused at once, and another document's data is read again.
    void hostileDataIsRefused_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<SynctexState>("state");
        QTest::newRow("600,000 siblings")
            << "doc.synctex" << test::synctexWithSiblings(600000) << SynctexState::Crashed;
        QTest::newRow("gzip bomb")
            << "doc.synctex.gz" << test::gzipBomb(int(SynctexLimits::UnpackedBytes >> 20) + 1)
            << SynctexState::TooLarge;
    }
    void hostileDataIsRefused()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, contents);
        QFETCH(SynctexState, state);
        QVERIFY(QFile::remove(dir->filePath(QStringLiteral("doc.synctex"))));
        QVERIFY(test::writeFile(dir->filePath(fileName), contents));
        SynctexLink link;
        QSignalSpy unavailable(&link, &SynctexLink::unavailable);
        QSignalSpy places(&link, &SynctexLink::placeReady);
        link.setDocument(pdf, 1);
        link.requestPlace(0, QPointF(150, 198));
        link.requestBoxes({QStringLiteral("doc.tex"), 5, 0});
        QTRY_COMPARE_WITH_TIMEOUT(unavailable.size(), 2, test::TimeoutMs);
        QCOMPARE(unavailable.at(0).first().value<SynctexState>(), state);
        QCOMPARE(unavailable.at(1).first().value<SynctexState>(), state);
        link.requestPlace(0, QPointF(150, 198));
        QCOMPARE(unavailable.size(), 3); // known: not read again

        QVERIFY(QFile::remove(dir->filePath(fileName)));
        QVERIFY(
            test::writeFile(dir->filePath(QStringLiteral("doc.synctex")), handWrittenSynctex()));
        link.setDocument(pdf, 2);
        link.requestPlace(0, QPointF(150, 198));
        QVERIFY(places.wait(test::TimeoutMs));
        QCOMPARE(places.first().first().value<SourcePlace>().line, 5);
    }

    void editorCommandKeepsArgumentsWhole_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("expected");
        const QString spaced = QStringLiteral("/tmp/my \"draft\" 'v2'.tex");
        QTest::newRow("line and file")
            << "editor +%l %f" << spaced << QStringList{"editor", "+12", spaced};
        QTest::newRow("joined placeholders")
            << "\"/opt/my editor/bin/ed\" --goto \"%f:%l:%c\"" << spaced
            << QStringList{"/opt/my editor/bin/ed", "--goto", spaced + ":12:3"};
        QTest::newRow("percent signs")
            << "ed --width=100%% %x %f%"
            << "a.tex" << QStringList{"ed", "--width=100%", "%x", "a.tex%"};
        QTest::newRow("file appended when not named")
            << "ed -n%l" << spaced << QStringList{"ed", "-n12", spaced};
        QTest::newRow("no shell") << "ed %f; rm -rf ~"
                                  << "a.tex" << QStringList{"ed", "a.tex;", "rm", "-rf", "~"};
        QTest::newRow("blank") << "   "
                               << "a.tex" << QStringList();
        QTest::newRow("newline in the name") << "ed %f"
                                             << "a\nb.tex" << QStringList();
        QTest::newRow("NUL in the name")
            << "ed %f" << QString("a") + QChar(0) + ".tex" << QStringList();
        // A shell the user put in front gets the name quoted for it, inside its own quotes too.
        const QString hostile = QStringLiteral("/p/a b;touch PWNED;$(id)`id`'x'\"y\".tex");
        const QString quoted = QStringLiteral("'/p/a b;touch PWNED;$(id)`id`'\\''x'\\''\"y\".tex'");
        QTest::newRow("sh -c") << "sh -c \"editor +%l %f\"" << hostile
                               << QStringList{"sh", "-c", "editor +12 " + quoted};
        QTest::newRow("single quotes in the script")
            << "/bin/bash -lc \"editor '%f'\"" << hostile
            << QStringList{"/bin/bash", "-lc", "editor ''" + quoted + "''"};
        QTest::newRow("double quotes in the script")
            << "env LC_ALL=C dash -c \"editor \"\"\"%f:%l\"\"\"\" name" << hostile
            << QStringList{"env", "LC_ALL=C", "dash", "-c", "editor \"\"" + quoted + "\":12\"",
                           "name"};
        QTest::newRow("arguments after the script stay data")
            << "sh -c \"editor \"\"\"$1\"\"\"\" sh %f" << hostile
            << QStringList{"sh", "-c", "editor \"$1\"", "sh", hostile};
    }

    void editorCommandKeepsArgumentsWhole()
    {
        QFETCH(QString, command);
        QFETCH(QString, file);
        QFETCH(QStringList, expected);
        QCOMPARE(editorCommandLine(command, SourcePlace{file, 12, 3}), expected);
    }

    // Run by the shell, the quoted name reaches the editor whole and runs nothing.
    void shellWrappedEditorGetsTheNameWhole()
    {
        const QString name =
            QStringLiteral("a b;touch PWNED;$(touch PWNED)`touch PWNED`'\"x\".tex");
        for (const QString& command : {QStringLiteral("sh -c \"printf '<%s>' %f\""),
                                       QStringLiteral("sh -c \"printf '<%s>' '%f'\""),
                                       QStringLiteral("sh -c \"printf '<%s>' \"\"\"%f\"\"\"\"")}) {
            const QStringList line = editorCommandLine(command, SourcePlace{name, 1, 0});
            QProcess shell;
            shell.setWorkingDirectory(dir->path());
            shell.start(line.first(), line.mid(1));
            QVERIFY(shell.waitForFinished(test::TimeoutMs));
            QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()), '<' + name + '>');
            QVERIFY(!QFile::exists(dir->filePath(QStringLiteral("PWNED"))));
        }
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString pdf;
};

QTEST_GUILESS_MAIN(TestSynctex)
#include "tst_synctex.moc"
