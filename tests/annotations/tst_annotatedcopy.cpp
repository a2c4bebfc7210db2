#include "annotations/AnnotatedCopy.h"

#include "engine/PdfCopy.h"
#include "engine/PdfDocument.h"
#include "tests/support/FileFixtures.h"
#include "tests/support/SkipOrFail.h"
#include "tests/support/TestPdf.h"
#include "tests/support/TestWait.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace dovrix;

Q_DECLARE_METATYPE(dovrix::CopyOutcome::Result)

namespace {

const QStringList Texts{QStringLiteral("First page of the source\nwith a second line"),
                        QStringLiteral("Second page"), QStringLiteral("Third page"),
                        QStringLiteral("Fourth page")};

// The character boxes of a page as the page view measures them.
QList<QRectF> charBoxesOf(PdfDocument& doc, int page)
{
    return doc.pageText(page).boxes;
}

// A written file as another engine draws it, on white paper.
QImage drawnByQtPdf(const QString& path, int page, QSize size)
{
    const OpenResult opened = PdfDocument::open(path, {}, EngineKind::QtPdf, false);
    return opened.document ? opened.document->render(page, size, 0) : QImage();
}

Annotation annotation(AnnotationType type, int page, const QRectF& rect, const QColor& color,
                      const QString& text = {})
{
    Annotation a;
    a.id = QStringLiteral("id-%1-%2").arg(int(type)).arg(page);
    a.type = type;
    a.page = page;
    a.rect = rect;
    a.color = color;
    a.text = text;
    a.created = 1700000000 + int(type);
    return a;
}

bool near(const QRectF& a, const QRectF& b, double tolerance)
{
    return qAbs(a.left() - b.left()) <= tolerance && qAbs(a.top() - b.top()) <= tolerance
           && qAbs(a.right() - b.right()) <= tolerance
           && qAbs(a.bottom() - b.bottom()) <= tolerance;
}

QStringList pageTexts(const QString& path)
{
    const OpenResult opened = PdfDocument::open(path);
    if (!opened.document)
        return {QStringLiteral("<does not open>")};
    QStringList texts;
    for (int page = 0; page < opened.document->pageCount(); ++page)
        texts.append(opened.document->pageText(page).text);
    return texts;
}

} // namespace

class TestAnnotatedCopy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void markedLinesFollowTheText();
    void annotationsReadBackWithTheSourceText();
    void keptPagesOnly();
    void turnedAndCroppedPage();
    void formValuesAreFilledIn();
    void protectedSourceGivesProtectedCopy();
    void failuresLeaveNoFile_data();
    void failuresLeaveNoFile();

private:
    QTemporaryDir dir;
    QString source;
    QByteArray sourceBytes;
};

void TestAnnotatedCopy::initTestCase()
{
    QVERIFY(dir.isValid());
    source = dir.filePath(QStringLiteral("source.pdf"));
    QVERIFY(test::writeTextPdf(source, Texts));
    sourceBytes = test::readAll(source);
}

void TestAnnotatedCopy::markedLinesFollowTheText()
{
    const QList<QRectF> boxes{QRectF(10, 10, 5, 10), QRectF(15, 11, 5, 9),  QRectF(),
                              QRectF(20, 10, 5, 10), QRectF(10, 30, 5, 10), QRectF(15, 30, 5, 10)};
    QCOMPARE(markedLines(boxes, 0, 6),
             (QList<QRectF>{QRectF(10, 10, 15, 10), QRectF(10, 30, 10, 10)}));
    QCOMPARE(markedLines(boxes, 1, 2), QList<QRectF>{QRectF(15, 11, 5, 9)}); // the null box skipped
    QCOMPARE(markedLines(boxes, 5, 10), QList<QRectF>{QRectF(15, 30, 5, 10)}); // cut at the end
    QVERIFY(markedLines(boxes, -3, 2).isEmpty());
    QVERIFY(markedLines({}, 0, 4).isEmpty());
}

// Every kind of ours becomes its standard annotation: read back by the engine with its type,
// place, colour, text, date and identity; the pages keep their text; the copy stays small; and
// the highlight's own appearance covers its words when another engine draws the copy.
void TestAnnotatedCopy::annotationsReadBackWithTheSourceText()
{
    const OpenResult opened = PdfDocument::open(source);
    QVERIFY(opened.document);
    const QList<QRectF> boxes = charBoxesOf(*opened.document, 0);

    // "page of the source\nwith" spans two lines.
    Annotation highlight = annotation(AnnotationType::Highlight, 0, QRectF(1, 1, 1, 1),
                                      QColor(255, 215, 106), QStringLiteral("重点 and more"));
    highlight.byText = true;
    highlight.start = int(Texts.at(0).indexOf(QStringLiteral("page")));
    highlight.length = int(Texts.at(0).indexOf(QStringLiteral("second")) - highlight.start);
    const QList<Annotation> annotations{
        highlight,
        annotation(AnnotationType::Underline, 1, QRectF(72, 72, 80, 14), QColor(0, 128, 255)),
        annotation(AnnotationType::Strikethrough, 1, QRectF(72, 100, 80, 14), QColor(200, 0, 0)),
        annotation(AnnotationType::Note, 2, QRectF(300, 200, 0, 0), QColor(255, 215, 106),
                   QStringLiteral("A note\nover two lines")),
        annotation(AnnotationType::Rectangle, 2, QRectF(100, 400, 150, 80), QColor(0, 160, 0)),
        annotation(AnnotationType::Arrow, 3, QRectF(100, 500, 0, 0), QColor(214, 48, 39)),
    };
    const QList<CopyMark> marks =
        copyMarks(annotations, [&boxes](int page) { return page == 0 ? boxes : QList<QRectF>(); });
    QCOMPARE(marks.at(0).lines.size(), 2);

    CopyRequest request;
    request.sourcePath = source;
    request.targetPath = dir.filePath(QStringLiteral("copy.pdf"));
    request.marks = marks;
    const CopyOutcome outcome = writePdfCopy(request);
    QCOMPARE(int(outcome.result), int(CopyOutcome::Result::Written));
    QCOMPARE(outcome.bytes, QFileInfo(request.targetPath).size());
    QCOMPARE(test::readAll(source), sourceBytes);
    QCOMPARE(pageTexts(request.targetPath), pageTexts(source));
    QVERIFY2(outcome.bytes <= sourceBytes.size() * 11 / 10 + 2048 * annotations.size(),
             qPrintable(QString::number(outcome.bytes)));

    const QList<CopyMark> read = readPdfMarks(request.targetPath);
    QCOMPARE(read.size(), annotations.size());
    const CopyMark::Kind kinds[] = {CopyMark::Kind::Highlight, CopyMark::Kind::Underline,
                                    CopyMark::Kind::StrikeOut, CopyMark::Kind::Note,
                                    CopyMark::Kind::Square,    CopyMark::Kind::Line};
    for (int i = 0; i < annotations.size(); ++i) {
        const Annotation& a = annotations.at(i);
        const CopyMark& m = read.at(i);
        QCOMPARE(int(m.kind), int(kinds[i]));
        QCOMPARE(m.page, a.page);
        QCOMPARE(m.color.rgb(), a.color.rgb());
        QCOMPARE(m.contents, a.text);
        QCOMPARE(m.created.toSecsSinceEpoch(), a.created);
        QCOMPARE(m.name, a.id);
    }
    for (int line = 0; line < 2; ++line)
        QVERIFY(near(read.at(0).lines.at(line), marks.at(0).lines.at(line), 0.5));
    QVERIFY(near(read.at(1).lines.value(0), annotations.at(1).rect, 0.5));
    QVERIFY(read.at(3).rect.contains(annotations.at(3).rect.topLeft())); // the note's icon
    QVERIFY(near(read.at(4).rect, annotations.at(4).rect, 2));           // its frame's width
    QVERIFY(QLineF(read.at(5).lineStart, annotations.at(5).rect.topLeft()).length() < 0.5);
    QVERIFY(QLineF(read.at(5).lineEnd, QPointF(118, 518)).length() < 0.5); // the default head

    // Drawn by another engine from the annotation's own appearance: yellow over the words.
    const QSizeF pageSize = PdfDocument::open(request.targetPath).document->pageGeometry(0).size;
    const QImage paper = drawnByQtPdf(request.targetPath, 0, pageSize.toSize());
    QVERIFY(!paper.isNull());
    const QRect line = marks.at(0).lines.at(1).toAlignedRect();
    int yellow = 0;
    for (int x = line.left() + 1; x < line.right(); ++x) {
        const QColor c = paper.pixelColor(x, line.top() + 2); // above the letters' bodies
        yellow += c.red() > 200 && c.blue() < 160 ? 1 : 0;
    }
    QVERIFY2(yellow > line.width() / 2, qPrintable(QString::number(yellow)));
    const QPointF outside = marks.at(0).lines.at(1).bottomRight() + QPointF(30, 30);
    QCOMPARE(paper.pixelColor(outside.toPoint()), QColor(Qt::white));
}

// A print job keeps the chosen pages: their text and their annotations, nothing else.
void TestAnnotatedCopy::keptPagesOnly()
{
    CopyRequest request;
    request.sourcePath = source;
    request.targetPath = dir.filePath(QStringLiteral("pages.pdf"));
    request.pages = {1, 3};
    request.marks =
        copyMarks({annotation(AnnotationType::Rectangle, 0, QRectF(10, 10, 50, 50), Qt::red),
                   annotation(AnnotationType::Rectangle, 3, QRectF(20, 20, 50, 50), Qt::blue)},
                  nullptr);
    QCOMPARE(int(writePdfCopy(request).result), int(CopyOutcome::Result::Written));
    QCOMPARE(pageTexts(request.targetPath),
             (QStringList{pageTexts(source).at(1), pageTexts(source).at(3)}));
    const QList<CopyMark> read = readPdfMarks(request.targetPath);
    QCOMPARE(read.size(), 1);
    QCOMPARE(read.first().page, 1);
    QCOMPARE(read.first().color, QColor(Qt::blue));
}

// On a page with its own /Rotate and a CropBox, a mark is where the page space puts it on the
// page as another engine shows it.
void TestAnnotatedCopy::turnedAndCroppedPage()
{
    const QString turned = dir.filePath(QStringLiteral("turned.pdf"));
    QVERIFY(test::writeFile(
        turned, test::assemblePdf({"<< /Type /Catalog /Pages 2 0 R >>",
                                   "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                   "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 300] "
                                   "/CropBox [10 20 190 280] /Rotate 90 >>"})));
    CopyRequest request;
    request.sourcePath = turned;
    request.targetPath = dir.filePath(QStringLiteral("turned-copy.pdf"));
    const QRectF frame(40, 60, 120, 50); // on the page as shown: 260 wide, 180 high
    request.marks =
        copyMarks({annotation(AnnotationType::Rectangle, 0, frame, QColor(255, 0, 0))}, nullptr);
    QCOMPARE(int(writePdfCopy(request).result), int(CopyOutcome::Result::Written));
    QVERIFY(near(readPdfMarks(request.targetPath).value(0).rect, frame, 2));

    const OpenResult written = PdfDocument::open(request.targetPath);
    QVERIFY(written.document);
    QCOMPARE(written.document->pageGeometry(0).size, QSizeF(260, 180));
    const QImage page = drawnByQtPdf(request.targetPath, 0, QSize(260, 180));
    const auto red = [&page](int x, int y) {
        const QColor c = page.pixelColor(x, y);
        return c.alpha() > 128 && c.red() > 200 && c.green() < 80;
    };
    QVERIFY(red(40, 85) || red(41, 85));   // the left side, half-way down
    QVERIFY(red(100, 60) || red(100, 61)); // the top side
    QVERIFY(!red(100, 85));                // inside
    QVERIFY(!red(20, 20));
}

// A value for a form field is written into the field, which gets an appearance drawn anew; a
// password field keeps what was typed but draws it as dots.
void TestAnnotatedCopy::formValuesAreFilledIn()
{
    const QString form = dir.filePath(QStringLiteral("form.pdf"));
    QVERIFY(test::writeFile(
        form,
        test::assemblePdf(
            {"<< /Type /Catalog /Pages 2 0 R /AcroForm << /Fields [4 0 R 6 0 R] /DA (/Helv 12 Tf "
             "0 g) /DR << /Font << /Helv 5 0 R >> >> >> >>",
             "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
             "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 300] /Annots [4 0 R 6 0 R] >>",
             "<< /Type /Annot /Subtype /Widget /FT /Tx /T (name) /Rect [20 200 280 240] /P 3 0 R "
             "/F 4 /DA (/Helv 12 Tf 0 g) >>",
             "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
             "<< /Type /Annot /Subtype /Widget /FT /Tx /T (pin) /Ff 8192 /Rect [20 100 280 140] "
             "/P 3 0 R /F 4 /DA (/Helv 12 Tf 0 g) >>"})));
    CopyRequest request;
    request.sourcePath = form;
    request.targetPath = dir.filePath(QStringLiteral("form-copy.pdf"));
    request.fields = {{QStringLiteral("name"), QStringLiteral("Ada Lovelace")},
                      {QStringLiteral("pin"), QStringLiteral("Babbage1")},
                      {QStringLiteral("no such field"), QStringLiteral("ignored")}};
    QCOMPARE(int(writePdfCopy(request).result), int(CopyOutcome::Result::Written));

    // The widget's dictionary, as qpdf writes the file out uncompressed.
    QProcess qpdf;
    qpdf.start(QStringLiteral("qpdf"),
               {QStringLiteral("--qdf"), QStringLiteral("--object-streams=disable"),
                request.targetPath, QStringLiteral("-")});
    if (!qpdf.waitForFinished(test::TimeoutMs) || qpdf.exitCode() != 0)
        DOVRIX_SKIP_OR_FAIL_IN_CI("qpdf is needed to read the copy's objects");
    const QByteArray objects = qpdf.readAllStandardOutput();
    const qsizetype widget = objects.indexOf("/T (name)");
    QVERIFY(widget > 0);
    const QByteArray dictionary =
        objects.mid(objects.lastIndexOf(" obj", widget),
                    objects.indexOf("endobj", widget) - objects.lastIndexOf(" obj", widget));
    QVERIFY2(dictionary.contains("/V (Ada Lovelace)"), dictionary.constData());
    QVERIFY2(dictionary.contains("/AP"), dictionary.constData());
    QCOMPARE(objects.count("Babbage1"), 1); // its /V, and nowhere in a drawing
}

// The copy of a password-protected document keeps its protection and its text.
void TestAnnotatedCopy::protectedSourceGivesProtectedCopy()
{
    const QString locked = dir.filePath(QStringLiteral("locked.pdf"));
    if (!test::encryptPdf(source, locked, QStringLiteral("secret")))
        DOVRIX_SKIP_OR_FAIL_IN_CI("qpdf is needed to encrypt a document");
    CopyRequest request;
    request.sourcePath = locked;
    request.password = "secret";
    request.targetPath = dir.filePath(QStringLiteral("locked-copy.pdf"));
    request.marks = copyMarks(
        {annotation(AnnotationType::Note, 1, QRectF(40, 40, 0, 0), Qt::yellow, "x")}, nullptr);
    QCOMPARE(int(writePdfCopy(request).result), int(CopyOutcome::Result::Written));
    QCOMPARE(PdfDocument::open(request.targetPath).outcome, OpenOutcome::PasswordRequired);
    const OpenResult copy = PdfDocument::open(request.targetPath, "secret");
    QVERIFY(copy.document);
    QCOMPARE(copy.document->pageText(3).text, pageTexts(source).at(3));
    QCOMPARE(readPdfMarks(request.targetPath, "secret").size(), 1);

    request.password = "wrong";
    QCOMPARE(int(writePdfCopy(request).result), int(CopyOutcome::Result::SourceUnreadable));
}

void TestAnnotatedCopy::failuresLeaveNoFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("sizeLimit"); // bytes a file may grow to; 0: no limit
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<CopyOutcome::Result>("result");

    QTest::newRow("full disk") << "copy.pdf" << 4096 << false << CopyOutcome::Result::WriteFailed;
    QTest::newRow("cancelled") << "copy.pdf" << 0 << true << CopyOutcome::Result::Cancelled;
    QTest::newRow("folder is a file")
        << "source.pdf/copy.pdf" << 0 << false << CopyOutcome::Result::TargetUnwritable;
    QTest::newRow("the source") << "source.pdf" << 0 << false
                                << CopyOutcome::Result::TargetIsSource;
    QTest::newRow("through ..") << "sub/../source.pdf" << 0 << false
                                << CopyOutcome::Result::TargetIsSource;
    QTest::newRow("symbolic link")
        << "link.pdf" << 0 << false << CopyOutcome::Result::TargetIsSource;
    QTest::newRow("hard link") << "hard.pdf" << 0 << false << CopyOutcome::Result::TargetIsSource;
}

// Whatever stops the copy, the chosen name holds what it held before (or nothing), no
// temporary file stays behind and the source is untouched.
void TestAnnotatedCopy::failuresLeaveNoFile()
{
    QFETCH(QString, target);
    QFETCH(int, sizeLimit);
    QFETCH(bool, cancelled);
    QFETCH(CopyOutcome::Result, result);

    QTemporaryDir folder;
    const QString own = folder.filePath(QStringLiteral("source.pdf"));
    QVERIFY(QFile::copy(source, own));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    QVERIFY(QFile::link(own, folder.filePath(QStringLiteral("link.pdf"))));
    QVERIFY(test::hardLink(own, folder.filePath(QStringLiteral("hard.pdf"))));
    const QString path = folder.filePath(target);
    const QByteArray previous = QByteArrayLiteral("the previous copy");
    const bool seeded = !QFile::exists(path) && QFileInfo(QFileInfo(path).path()).isDir();
    if (seeded)
        QVERIFY(test::writeFile(path, previous)); // kept whole when the new one fails
    const QStringList before = QDir(folder.path()).entryList(QDir::Files);

    std::atomic<bool> stop{cancelled};
    CopyRequest request;
    request.sourcePath = own;
    request.targetPath = path;
    request.cancelled = &stop;
    request.marks = copyMarks(
        {annotation(AnnotationType::Note, 0, QRectF(50, 50, 0, 0), Qt::yellow, "x")}, nullptr);
    CopyOutcome outcome;
    {
        std::unique_ptr<test::FileSizeLimit> limit;
        if (sizeLimit > 0) {
            limit = std::make_unique<test::FileSizeLimit>(sizeLimit);
            QVERIFY(limit->isActive());
        }
        outcome = writePdfCopy(request);
    }
    QCOMPARE(int(outcome.result), int(result));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), before);
    QCOMPARE(test::readAll(own), sourceBytes);
    if (seeded)
        QCOMPARE(test::readAll(path), previous);
    if (result == CopyOutcome::Result::WriteFailed)
        QVERIFY(!outcome.detail.isEmpty());
}

QTEST_MAIN(TestAnnotatedCopy)
#include "tst_annotatedcopy.moc"
