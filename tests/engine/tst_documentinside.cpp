#include "engine/DocumentInside.h"
#include "engine/PdfDocument.h"

#include "support/InsideFixtures.h"
#include "support/SkipOrFail.h"
#include "support/TestPdf.h"

#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace dovrix;

class TestDocumentInside : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString samplePath;
    std::unique_ptr<PdfDocument> sample;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        samplePath = dir.filePath(QStringLiteral("inside.pdf"));
        QVERIFY(test::writeInsidePdf(samplePath));
        sample = PdfDocument::open(samplePath, {}, EngineKind::MuPdf, false).document;
        QVERIFY(sample);
    }

    void parseDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("utc");
        const auto at = [](int y, int mo, int d, int h, int mi, int s) {
            return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
        };
        QTest::newRow("offset east") << "D:20240131120000+01'00'" << at(2024, 1, 31, 11, 0, 0);
        QTest::newRow("offset west, no apostrophes")
            << "D:20240131120000-0530" << at(2024, 1, 31, 17, 30, 0);
        QTest::newRow("zulu") << "D:20240201093000Z" << at(2024, 2, 1, 9, 30, 0);
        QTest::newRow("date only, no prefix") << "20240202" << at(2024, 2, 2, 0, 0, 0);
        QTest::newRow("year only") << "D:1999" << at(1999, 1, 1, 0, 0, 0);
        QTest::newRow("month 13") << "D:20241301" << QDateTime();
        QTest::newRow("offset hour 24") << "D:20240101000000+24'00'" << QDateTime();
        QTest::newRow("words") << "yesterday" << QDateTime();
        QTest::newRow("empty") << "" << QDateTime();
    }

    void parseDate()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, utc);
        QCOMPARE(DocumentInside::parseDate(text), utc);
    }

    void properties()
    {
        const DocumentProperties p = DocumentInside::properties(*sample);
        QCOMPARE(p.info.title, QString::fromLatin1(test::InsideSample::Title));
        QCOMPARE(p.info.author, QString::fromLatin1(test::InsideSample::Author));
        QCOMPARE(p.info.keywords, QStringLiteral("pdf, test"));
        QCOMPARE(p.info.producer, QStringLiteral("By hand"));
        QCOMPARE(p.info.created, QDateTime(QDate(2024, 1, 31), QTime(11, 0), Qt::UTC));
        QCOMPARE(p.version, QStringLiteral("1.4"));
        QVERIFY(p.encryption.isEmpty());
        QVERIFY(p.mayPrint && p.mayCopy && p.mayModify);
        QVERIFY(p.tagged);
        QVERIFY(!p.hasForm);
    }

    // A restricted file says so; the permissions are the ones it declares.
    void encryptedProperties()
    {
        const QString qpdf = QStandardPaths::findExecutable(QStringLiteral("qpdf"));
        if (qpdf.isEmpty())
            DOVRIX_SKIP_OR_FAIL_IN_CI("qpdf is not installed");
        const QString locked = dir.filePath(QStringLiteral("locked.pdf"));
        QProcess process;
        process.start(qpdf,
                      {QStringLiteral("--encrypt"), QStringLiteral("u"), QStringLiteral("o"),
                       QStringLiteral("256"), QStringLiteral("--print=none"),
                       QStringLiteral("--extract=n"), QStringLiteral("--"), samplePath, locked});
        QVERIFY(process.waitForFinished() && process.exitCode() == 0);
        QCOMPARE(PdfDocument::open(locked, "wrong", EngineKind::MuPdf, false).outcome,
                 OpenOutcome::PasswordRequired);
        const std::unique_ptr<PdfDocument> geometry =
            PdfDocument::open(locked, "u", EngineKind::MuPdf, false).document;
        QVERIFY(geometry);
        const DocumentProperties p = DocumentInside::properties(*geometry);
        QVERIFY2(p.encryption.contains(QLatin1String("AES")), qPrintable(p.encryption));
        QVERIFY(!p.mayPrint && !p.mayCopy);
        QVERIFY(p.mayFillForms);
        QCOMPARE(p.info.title, QString::fromLatin1(test::InsideSample::Title));
    }

    // Each font once, from the page's resources and from a form it draws; a subset prefix is
    // taken off the name and noted.
    void fonts()
    {
        const QList<DocumentFont> all = DocumentInside::fonts(*sample);
        QStringList seen;
        for (const DocumentFont& f : all)
            seen << QStringLiteral("%1 %2 %3%4")
                        .arg(f.name, f.type,
                             f.embedded ? QStringLiteral("embedded") : QStringLiteral("external"),
                             f.subset ? QStringLiteral(" subset") : QString());
        QCOMPARE(seen, QStringList({QStringLiteral("Helvetica Type1 external"),
                                    QStringLiteral("DejaVuSans TrueType embedded subset"),
                                    QStringLiteral("NotoSansCJK Type0 external")}));
        QCOMPARE(DocumentInside::fonts(*sample, 0).size(), 1);
        QCOMPARE(DocumentInside::fonts(*sample, 1).size(), 2);
        QVERIFY(DocumentInside::fonts(*sample, 7).isEmpty());
    }

    // Both kinds of embedded file are listed and read back; an entry that is no file is skipped.
    void attachments()
    {
        const QList<DocumentAttachment> list = DocumentInside::attachments(*sample);
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[0].name, QString::fromLatin1(test::InsideSample::NotesFile));
        QCOMPARE(list[0].description, QStringLiteral("Reading notes"));
        QCOMPARE(list[0].size, qint64(qstrlen(test::InsideSample::NotesContents)));
        QCOMPARE(list[0].page, -1);
        QCOMPARE(list[1].name, QString::fromLatin1(test::InsideSample::SheetFile));
        QCOMPARE(list[1].description, QStringLiteral("Data sheet"));
        QCOMPARE(list[1].page, 0);
        QCOMPARE(list[1].size, qint64(qstrlen(test::InsideSample::SheetContents)));
        QByteArray bytes;
        QVERIFY(DocumentInside::attachmentContents(*sample, list[0], bytes));
        QCOMPARE(bytes, QByteArray(test::InsideSample::NotesContents));
        QVERIFY(DocumentInside::attachmentContents(*sample, list[1], bytes));
        QCOMPARE(bytes, QByteArray(test::InsideSample::SheetContents));
        DocumentAttachment gone = list[1];
        gone.annotObject = 999;
        QVERIFY(!DocumentInside::attachmentContents(*sample, gone, bytes));
        QVERIFY(bytes.isEmpty());
    }

    // Pop-ups, links and damaged entries are left out; a reply names its parent; geometry is in
    // page space (y down from the top of the page).
    void annotations()
    {
        const QList<DocumentAnnotation> list = DocumentInside::annotations(*sample);
        QStringList kinds;
        for (const DocumentAnnotation& a : list)
            kinds << a.subtype + QLatin1Char('/') + a.author;
        QCOMPARE(kinds, QStringList({"Text/Ada", "Text/Bob", "Highlight/Bob", "Ink/Cy",
                                     "Square/Ada", "Line/Ada", "FileAttachment/"}));
        const DocumentAnnotation& note = list[0];
        QCOMPARE(note.contents, QStringLiteral("First note"));
        QCOMPARE(note.modified, QDateTime(QDate(2024, 2, 1), QTime(9, 30), Qt::UTC));
        QCOMPARE(note.rect, QRectF(100, 72, 20, 20));
        QCOMPARE(note.argb, 0xffffff00u);
        QCOMPARE(list[1].inReplyTo, note.object);
        QVERIFY(note.object > 0);
        QCOMPARE(list[2].quads.size(), 1);
        QCOMPARE(list[2].quads[0], QRectF(72, 56, 78, 30));
        QCOMPARE(list[5].line, QLineF(100, 692, 200, 642));
    }

    // Every kind of field with what it declares; a radio group has one entry per button; a
    // widget without a type is skipped.
    void formFields()
    {
        const QString path = dir.filePath(QStringLiteral("form.pdf"));
        QVERIFY(test::writeFormPdf(path));
        const std::unique_ptr<PdfDocument> geometry =
            PdfDocument::open(path, {}, EngineKind::MuPdf, false).document;
        QVERIFY(geometry);
        const QList<FormField> fields = DocumentInside::formFields(*geometry);
        QStringList names;
        for (const FormField& f : fields)
            names << f.name;
        QCOMPARE(names, QStringList({"name", "comments", "pin", "code", "agree", "colour", "colour",
                                     "country", "languages", "total", "signature"}));
        using Kind = FormField::Kind;
        const QList<Kind> kinds = {Kind::Text,     Kind::Text,  Kind::Text,     Kind::Text,
                                   Kind::CheckBox, Kind::Radio, Kind::Radio,    Kind::ComboBox,
                                   Kind::ListBox,  Kind::Text,  Kind::Signature};
        for (int i = 0; i < kinds.size(); ++i)
            QVERIFY2(fields[i].kind == kinds[i], qPrintable(names[i]));
        QCOMPARE(fields[0].maxLength, 20);
        QCOMPARE(fields[0].fontSize, 12.0);
        QCOMPARE(fields[0].rect, test::FormSample::rectOf(QStringLiteral("name")));
        QVERIFY(fields[1].multiline && fields[2].password);
        QVERIFY(fields[3].comb && fields[3].maxLength == 6);
        QCOMPARE(fields[4].onState, QStringLiteral("Yes"));
        QCOMPARE(fields[4].value, QStringLiteral("Off"));
        QCOMPARE(fields[5].onState, QStringLiteral("Red"));
        QCOMPARE(fields[6].value, QStringLiteral("Blue"));
        QCOMPARE(fields[7].options, QStringList({"France", "Germany"}));
        QCOMPARE(fields[7].optionValues, QStringList({"FR", "DE"}));
        QVERIFY(fields[8].multiSelect);
        QVERIFY(fields[9].scripted && !fields[0].scripted);
        QCOMPARE(fields[9].value, QStringLiteral("0"));
    }

    void formValuesDrawn_data()
    {
        QTest::addColumn<int>("rotate");
        QTest::newRow("upright page") << 0;
        QTest::newRow("page turned by its /Rotate") << 90;
    }

    // Values given to the document are drawn into their fields by its renders (the widgets'
    // appearances made anew) on every lane, a password as dots, a choice by its display text,
    // where the fields are read to be; a value taken away leaves the field as the file has it, and
    // the fields still read as filed. The page's text follows the values drawn.
    void formValuesDrawn()
    {
        QFETCH(int, rotate);
        const QString path = dir.filePath(QStringLiteral("filled%1.pdf").arg(rotate));
        QVERIFY(test::writeFormPdf(path, rotate));
        const std::unique_ptr<PdfDocument> document =
            PdfDocument::open(path, {}, EngineKind::MuPdf, false).document;
        QVERIFY(document);
        QHash<QString, QRect> places;
        for (const FormField& f : DocumentInside::formFields(*document))
            places.insert(f.name, f.rect.toAlignedRect());
        const QSize size = document->pageSizes().value(0).toSize();
        QCOMPARE(size, rotate ? QSize(792, 612) : QSize(612, 792));
        QCOMPARE(DocumentInside::formFields(*document).value(0).pageRotate, rotate);
        const auto ink = [&](const char* field, int lane = 0) {
            PdfDocument::setThreadLane(lane);
            const QImage page = document->render(0, size, 0);
            PdfDocument::setThreadLane(0);
            return test::darkPixels(page, places.value(QLatin1String(field)));
        };
        QCOMPARE(ink("name"), 0);
        QCOMPARE(ink("agree"), 0);
        document->setFormValues({{"name", "WWWW"}, {"agree", "Yes"}});
        // The page's text is that of the values drawn, also before the lane draws again.
        QVERIFY(document->pageText(0).text.contains(QLatin1String("WWWW")));
        QVERIFY(ink("name") > 20);
        QVERIFY(ink("agree") > 5);
        QVERIFY(ink("name", 1) > 20);
        const auto shown = [&](const char* field, const QString& value) {
            document->setFormValues({{field, value}});
            return document->render(0, size, 0).copy(places.value(QLatin1String(field)));
        };
        const QImage dots = shown("pin", QString(6, QChar(0x2022)));
        QVERIFY(test::darkPixels(dots) > 10);
        QCOMPARE(shown("pin", QStringLiteral("secret")), dots);
        QCOMPARE(shown("country", QStringLiteral("DE")),
                 shown("country", QStringLiteral("Germany")));
        document->setFormValues({{"name", "WWWW"}, {"agree", "Yes"}});
        document->setFormValues({{"agree", "Yes"}});
        QCOMPARE(ink("name"), 0);
        QVERIFY(ink("agree") > 5);
        const QList<FormField> fields = DocumentInside::formFields(*document);
        QCOMPARE(fields.value(4).value, QStringLiteral("Off"));
        QVERIFY(ink("agree") > 5);
    }
};

QTEST_GUILESS_MAIN(TestDocumentInside)
#include "tst_documentinside.moc"
