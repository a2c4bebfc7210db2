#include "annotations/AnnotationStore.h"
#include "annotations/RawJson.h"
#include "core/PdfWorker.h"
#include "support/FileFixtures.h"
#include "support/TestWait.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <limits>

using namespace dovrix;

namespace {

const QString Hash = QString(64, QLatin1Char('a'));
const QString OtherHash = QString(64, QLatin1Char('b'));

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray sidecarWith(const QByteArray& annotationsJson, const QString& hash = Hash)
{
    return "{\"version\":1,\"sourceHash\":\"" + hash.toLatin1()
           + "\",\"sourceName\":\"doc.pdf\",\"annotations\":" + annotationsJson + "}";
}

// One annotation entry as the program writes it (id "x", other fields at their defaults), with
// the members named in members (raw JSON text) replacing its own and those in without left out.
QByteArray entry(const QByteArray& members = {}, const QStringList& without = {})
{
    Annotation a;
    a.id = QStringLiteral("x");
    QJsonObject object = AnnotationStore::toJson(a);
    for (const RawJson::Member& member : RawJson::members(QByteArray("{" + members + "}")))
        object.remove(member.key);
    for (const QString& key : without)
        object.remove(key);
    QByteArray out = QJsonDocument(object).toJson(QJsonDocument::Compact);
    out.chop(1);
    if (!members.isEmpty())
        out += (object.isEmpty() ? "" : ",") + members;
    return out + '}';
}

Annotation full(int page, AnnotationType type = AnnotationType::Highlight)
{
    Annotation a;
    a.type = type;
    a.page = page;
    a.start = 12;
    a.length = 7;
    a.rect = QRectF(10.25, 0.1 + 0.2, 123.456789012345, 1e-7);
    a.pt2 = QPointF(-3.5, 1e300);
    a.text = QStringLiteral("批注 note \U0001F600 \"quoted\"\n\tline");
    a.color = QColor(0x12, 0xAB, 0xEF);
    a.byText = true;
    a.otherStart = 3;
    a.otherLength = 4;
    a.quote = QStringLiteral("the\r\nwords\uFFFE");
    return a;
}

} // namespace

class TestAnnotationStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir* dir = nullptr;
    QString pdf;
    QString sidecar;

private Q_SLOTS:
    void init()
    {
        dir = new QTemporaryDir;
        QVERIFY(dir->isValid());
        pdf = dir->filePath(QStringLiteral("doc.pdf"));
        QVERIFY(writeFile(pdf, "%PDF-1.4 placeholder"));
        sidecar = dir->filePath(QStringLiteral("doc.dovrixmark"));
    }
    void cleanup()
    {
        delete dir;
        dir = nullptr;
    }

    void sidecarName_data()
    {
        QTest::addColumn<QString>("pdfName");
        QTest::addColumn<QString>("sidecarName");
        QTest::newRow("plain") << "a.pdf"
                               << "a.dovrixmark";
        QTest::newRow("two dots") << "a.b.pdf"
                                  << "a.b.dovrixmark";

        QTest::newRow("no extension") << "scan"
                                      << "scan.dovrixmark";
    }
    void sidecarName()
    {
        QFETCH(QString, pdfName);
        QFETCH(QString, sidecarName);
        const QString path = AnnotationStore::sidecarPathFor(dir->filePath(pdfName));
        QCOMPARE(path, QDir(dir->path()).absoluteFilePath(sidecarName));
    }

    // Every field written by one store reads back unchanged in the next, in store order.
    void roundTrip()
    {
        AnnotationStore store;
        store.setSource(pdf, Hash);
        QList<Annotation> added;
        for (const AnnotationTypeInfo& info : annotationTypes) {
            const int n = int(info.type);
            Annotation a = full(n * 3, info.type);
            a.byText = n % 2 == 0;
            a.rect.translate(n * 0.1, -n * 7.77);
            const QString id = store.add(a);
            QCOMPARE(id.size(), 36);
            QVERIFY(!id.contains(QLatin1Char('{')));
            QCOMPARE(id, id.toLower());
            added.append(*store.find(id));
        }
        QVERIFY(!store.isReadOnly());
        QCOMPARE(added.first().text, full(0).text);
        QVERIFY(added.first().created > 1700000000);

        const QByteArray bytes = readFile(sidecar);
        QVERIFY(!bytes.contains('\n'));
        QVERIFY(bytes.contains("\"color\":\"#12abef\""));
        // The type names are the file format: files written before read the same.
        for (const char* name :
             {"highlight", "underline", "strikethrough", "note", "rectangle", "arrow"})
            QVERIFY(bytes.contains(QByteArray("\"type\":\"").append(name).append('"')));
        const QJsonObject root = QJsonDocument::fromJson(bytes).object();
        QCOMPARE(root.value("version").toInt(), 1);
        QCOMPARE(root.value("sourceHash").toString(), Hash);
        QCOMPARE(root.value("sourceName").toString(), QStringLiteral("doc.pdf"));

        AnnotationStore reread;
        reread.setSource(pdf, Hash);
        QCOMPARE(reread.allAnnotations(), added);
        QVERIFY(!reread.hasHashMismatch());
        QCOMPARE(reread.annotationsOnPage(3).size(), 1);
        QCOMPARE(reread.annotationsOnPage(3).first().type, AnnotationType::Underline);
    }

    // Form values live beside the annotations: they survive a reopening, a huge value is cut (to
    // whole characters), an unchanged value writes nothing, and a reset forgets them all.
    void formValues()
    {
        AnnotationStore store;
        store.setSource(pdf, Hash);
        store.add(full(0));
        QSignalSpy changed(&store, &AnnotationStore::formValuesChanged);
        store.setFormValue(QStringLiteral("applicant.name"), QStringLiteral("John \"Jo\" Doe"));
        const QString huge = QString(AnnotationStore::MaxFormValueLength - 1, QLatin1Char('x'))
                             + QString::fromUtf8("\xF0\x9F\x98\x80") + QString(1 << 20, 'y');
        store.setFormValue(QStringLiteral("essay"), huge);
        store.setFormValue(QStringLiteral("essay"), huge);
        QCOMPARE(changed.size(), 2);

        AnnotationStore reread;
        reread.setSource(pdf, Hash);
        QCOMPARE(reread.count(), 1);
        QCOMPARE(reread.formValues().value(QStringLiteral("applicant.name")),
                 QStringLiteral("John \"Jo\" Doe"));
        QCOMPARE(reread.formValues().value(QStringLiteral("essay")),
                 huge.left(AnnotationStore::MaxFormValueLength - 1));

        reread.clearFormValues();
        QVERIFY(!readFile(sidecar).contains("formValues"));
        AnnotationStore cleared;
        cleared.setSource(pdf, Hash);
        QVERIFY(cleared.formValues().isEmpty());
        QCOMPARE(cleared.count(), 1);
    }

    // An entry is read only when every value reads back exactly; any other entry is kept in the
    // file as it was, after a backup of the whole file.
    void readFields_data()
    {
        QTest::addColumn<QByteArray>("members");
        QTest::addColumn<QStringList>("without");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<Annotation>("expected");
        Annotation d;
        d.id = "x";
        const QStringList none;
        const auto row = [&](const char* name, const QByteArray& members, const Annotation* read,
                             const QStringList& without = {}) {
            QTest::newRow(name) << members << without << (read != nullptr)
                                << (read ? *read : Annotation());
        };
        row("as written", {}, &d);
        Annotation a = d;
        a.pt2 = QPointF(1e308, -5);
        row("pt2 extreme", "\"pt2\":[1e308,-5]", &a);
        a = d;
        a.color = QColor(0xaa, 0xbb, 0xcc);
        row("colour short", "\"color\":\"#abc\"", &a);
        a.color = QColor(255, 0, 0);
        row("colour named", "\"color\":\"red\"", &a);
        a = d;
        a.page = -4;
        a.start = -9;
        a.length = -2;
        row("negative indices", "\"page\":-4,\"start\":-9,\"length\":-2", &a);
        a = d;
        a.created = 4102444800;
        a.byText = true;
        row("created and byText", "\"created\":4102444800,\"byText\":true", &a);
        row("unknown key kept", "\"quote\":{\"before\":\"a\\u00e9\",\"n\":1.50}", &d);

        row("rect of 3", "\"rect\":[1,2,3]", nullptr);
        row("pt2 of 3", "\"pt2\":[1,2,3]", nullptr);
        row("rect with a string", "\"rect\":[1,\"2\",3,4]", nullptr);
        row("type capital", "\"type\":\"Arrow\"", nullptr);
        row("type unknown", "\"type\":\"squiggle\"", nullptr);
        row("colour with alpha", "\"color\":\"#80ff0000\"", nullptr);
        row("colour garbage", "\"color\":\"#zzzzzz\"", nullptr);
        row("huge numbers",
            "\"page\":1e12,\"start\":-1e300,\"length\":99999999999999999999999,\"created\":1e40",
            nullptr);
        row("fraction", "\"page\":1.5", nullptr);
        row("byText as number", "\"byText\":1", nullptr);
        row("id as number", "\"id\":5", nullptr);
        row("note too long", "\"text\":\"" + QByteArray(MaxNoteLength + 1, 'n') + '"', nullptr);
        row("key missing", {}, nullptr, {"page"});
        row("key renamed", "\"pagd\":0", nullptr, {"page"});
        row("key repeated", "\"page\":3,\"page\":4", nullptr);
        row("not an object", {}, nullptr, {});
    }
    void readFields()
    {
        QFETCH(QByteArray, members);
        QFETCH(QStringList, without);
        QFETCH(bool, readable);
        QFETCH(Annotation, expected);
        const QByteArray written = QTest::currentDataTag() == QByteArray("not an object")
                                       ? QByteArray("[\"x\", 42]")
                                       : entry(members, without);
        QVERIFY(writeFile(sidecar, sidecarWith('[' + written + ']')));
        AnnotationStore store;
        store.setSource(pdf, Hash);
        QCOMPARE(store.count(), readable ? 1 : 0);
        if (readable)
            QCOMPARE(store.allAnnotations().first(), expected);
        else
            QCOMPARE(store.unreadableEntries(), QList<QByteArray>{written});

        // Saved, an unreadable entry stays as it was, and the file as it was is kept first.
        QVERIFY(!store.add(full(1)).isEmpty());
        const QByteArray saved = readFile(sidecar);
        QCOMPARE(saved.contains(written), !readable || members.isEmpty());
        QCOMPARE(AnnotationStore::backupsOf(sidecar).size(), readable ? 0 : 1);
        if (QTest::currentDataTag() == QByteArray("unknown key kept"))
            QVERIFY(saved.contains("\"quote\":{\"before\":\"a\\u00e9\",\"n\":1.50}"));
    }

    // The sidecar's direct encoding says what the JSON object says, for awkward values too.
    void encodingMatchesJson()
    {
        Annotation odd = full(3, AnnotationType::Arrow);
        odd.text = QStringLiteral("\x01\x1f \\ \" \r\t é 中 \U0001F600 \x7f");
        odd.id = QStringLiteral("a\"b");
        odd.rect = QRectF(-0.0, 1e-320, 123456789012.5, 0.1);
        odd.pt2 = QPointF(std::numeric_limits<double>::infinity(), -1e300);
        odd.created = Q_INT64_C(9007199254740993);
        for (const Annotation& a : {full(0), odd, Annotation()}) {
            QJsonParseError error;
            const QByteArray bytes = AnnotationStore::encode(a);
            const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
            QCOMPARE(error.error, QJsonParseError::NoError);
            // Strict JSON for any reader: no control character written raw.
            QVERIFY(std::none_of(bytes.cbegin(), bytes.cend(),
                                 [](char c) { return uchar(c) < 0x20 || c == 0x7f; }));
            QJsonObject expected = AnnotationStore::toJson(a);
            if (a.pt2.x() == std::numeric_limits<double>::infinity())
                expected.insert("pt2", QJsonArray{0.0, a.pt2.y()}); // never written as infinity
            QCOMPARE(doc.object(), expected);
        }
    }

    // Older versions read Qt PDF's character indices under "start" and "length"; MuPDF's stay
    // beside them under "textAnchor". Each kind of store keeps what the other one reads.
    void textSpaces()
    {
        // As older versions write it.
        QVERIFY(writeFile(sidecar, sidecarWith('['
                                               + entry("\"byText\":true,\"id\":\"a\",\"length\":5,"
                                                       "\"page\":2,\"start\":10,"
                                                       "\"type\":\"underline\"")
                                               + ']')));
        AnnotationStore mu;
        mu.setTextSpace(TextSpace::MuPdf);
        mu.setSource(pdf, Hash);
        Annotation a = *mu.find("a");
        QVERIFY(!a.isTextAnchored()); // not in MuPDF's text yet
        QCOMPARE(a.otherStart, 10);
        QCOMPARE(a.otherLength, 5);
        QSignalSpy updated(&mu, &AnnotationStore::annotationUpdated);
        a.start = 12;
        a.length = 6;
        a.quote = QStringLiteral("quick\nbrown");
        a.text = QStringLiteral("not taken");
        mu.reanchor({a});
        QCOMPARE(updated.size(), 1);
        QCOMPARE(mu.find("a")->text, QString());
        const QJsonObject stored = QJsonDocument::fromJson(readFile(sidecar))
                                       .object()
                                       .value("annotations")
                                       .toArray()
                                       .first()
                                       .toObject();
        QCOMPARE(stored.value("start").toInt(), 10);
        QCOMPARE(stored.value("length").toInt(), 5);
        QCOMPARE(
            stored.value("textAnchor").toObject(),
            (QJsonObject{
                {"engine", "mupdf"}, {"start", 12}, {"length", 6}, {"quote", "quick\nbrown"}}));

        // Read as older versions read it, changed and saved by a Qt PDF store: both anchors stay.
        AnnotationStore qt;
        qt.setSource(pdf, Hash);
        Annotation b = *qt.find("a");
        QCOMPARE(b.start, 10);
        QCOMPARE(b.length, 5);
        b.text = QStringLiteral("noted");
        qt.update(b);
        mu.setSource(pdf, Hash);
        QCOMPARE(mu.find("a")->start, 12);
        QCOMPARE(mu.find("a")->length, 6);
        QCOMPARE(mu.find("a")->otherStart, 10);
        QCOMPARE(mu.find("a")->text, QStringLiteral("noted"));

        // A store of Qt PDF's indices writes what older versions wrote, without the new key.
        Annotation plain = full(0);
        plain.quote.clear();
        plain.otherStart = -1;
        QVERIFY(!AnnotationStore::encode(plain).contains("textAnchor"));
    }

    void colourWrittenLowerCase()
    {
        QVERIFY(writeFile(sidecar, sidecarWith('[' + entry("\"color\":\"#FFD76A\"") + ']')));
        AnnotationStore store;
        store.setSource(pdf, Hash);
        Annotation a = *store.find("x");
        a.text = "touched";
        store.update(a);
        const QByteArray bytes = readFile(sidecar);
        QVERIFY(bytes.contains("\"color\":\"#ffd76a\""));
        QVERIFY(!bytes.contains("FFD76A"));
    }

    void idsOnLoad()
    {
        QVERIFY(
            writeFile(sidecar, sidecarWith('[' + entry("\"id\":\"\",\"page\":1") + ','
                                           + entry("\"id\":\"\"") + ',' + entry("\"id\":\"dup\"")
                                           + ',' + entry("\"id\":\"dup\",\"page\":7") + ']')));
        AnnotationStore store;
        store.setSource(pdf, Hash);
        const QList<Annotation> all = store.allAnnotations();
        QCOMPARE(all.size(), 4);
        QCOMPARE(all.at(0).id.size(), 36);
        QCOMPARE(all.at(1).id.size(), 36);
        QVERIFY(all.at(0).id != all.at(1).id);
        QCOMPARE(all.at(2).id, QStringLiteral("dup"));
        // The second "dup" must stay reachable on its own.
        QVERIFY(all.at(3).id != QStringLiteral("dup"));
        QCOMPARE(store.find(all.at(3).id)->page, 7);
    }

    void noteTextCut()
    {
        AnnotationStore store;
        store.setSource(pdf, Hash);
        Annotation a;
        a.text = QString(2500, QLatin1Char('n'));
        const QString id = store.add(a);
        QCOMPARE(store.find(id)->text.size(), MaxNoteLength);

        a = *store.find(id);
        a.text = QString(MaxNoteLength - 1, QLatin1Char('m')) + QStringLiteral("\U0001F600tail");
        store.update(a);
        // The cut never leaves half a surrogate pair, so the text survives the UTF-8 file.
        QCOMPARE(store.find(id)->text, QString(MaxNoteLength - 1, QLatin1Char('m')));

        const QByteArray longText = QByteArray(2600, 'z');
        QVERIFY(writeFile(sidecar, sidecarWith('[' + entry("\"text\":\"" + longText + '"') + ']')));
        store.setSource(pdf, Hash);
        QVERIFY(!store.find("x")); // kept whole in the file instead of cut
        QCOMPARE(store.unreadableCount(), 1);
    }

    void hashMismatch_data()
    {
        QTest::addColumn<QString>("fileHash");
        QTest::addColumn<QString>("boundHash");
        QTest::addColumn<bool>("mismatch");
        QTest::newRow("same") << Hash << Hash << false;
        QTest::newRow("other") << OtherHash << Hash << true;
        QTest::newRow("file without hash") << QString() << Hash << false;
        QTest::newRow("bound without hash") << OtherHash << QString() << false;
    }
    void hashMismatch()
    {
        QFETCH(QString, fileHash);
        QFETCH(QString, boundHash);
        QFETCH(bool, mismatch);
        QVERIFY(writeFile(sidecar, sidecarWith('[' + entry("\"page\":2") + ']', fileHash)));
        AnnotationStore store;
        QSignalSpy spy(&store, &AnnotationStore::hashMismatchDetected);
        store.setSource(pdf, boundHash);
        QCOMPARE(store.hasHashMismatch(), mismatch);
        QCOMPARE(spy.size(), mismatch ? 1 : 0);
        QCOMPARE(store.count(), 1); // shown anyway
        // The next save binds the file to the current document.
        Annotation a = *store.find("x");
        a.page = 3;
        store.update(a);
        QCOMPARE(QJsonDocument::fromJson(readFile(sidecar)).object().value("sourceHash").toString(),
                 boundHash);
        store.setSource(pdf, boundHash);
        QVERIFY(!store.hasHashMismatch());
    }

    void changesAndSignals()
    {
        AnnotationStore store;
        QSignalSpy added(&store, &AnnotationStore::annotationAdded);
        QSignalSpy updated(&store, &AnnotationStore::annotationUpdated);
        QSignalSpy removed(&store, &AnnotationStore::annotationRemoved);

        store.setSource(QString(), Hash); // no document binds nothing
        QVERIFY(!store.isBound());
        QVERIFY(store.add(full(0)).isEmpty()); // not bound
        QVERIFY(!store.save());
        QVERIFY(!QFile::exists(sidecar));
        QCOMPARE(added.size(), 0);

        store.setSource(pdf, Hash);
        QVERIFY(!QFile::exists(sidecar)); // loading a missing sidecar writes nothing
        const QString a = store.add(full(0));
        const QString b = store.add(full(1));
        const QString c = store.add(full(2));
        QCOMPARE(added.size(), 3);
        QCOMPARE(added.at(1).at(0).toString(), b);

        Annotation ghost = full(5);
        ghost.id = "not-there";
        const QByteArray before = readFile(sidecar);
        store.update(ghost);
        store.remove("not-there");
        QCOMPARE(updated.size(), 0);
        QCOMPARE(removed.size(), 0);
        QCOMPARE(readFile(sidecar), before);

        Annotation edited = *store.find(b);
        edited.type = AnnotationType::Arrow;
        edited.created = 5;
        store.update(edited);
        QCOMPARE(updated.size(), 1);
        QCOMPARE(*store.find(b), edited);

        store.remove(b);
        QCOMPARE(removed.size(), 1);
        QCOMPARE(removed.at(0).at(0).toString(), b);
        QList<QString> ids;
        for (const Annotation& x : store.allAnnotations())
            ids.append(x.id);
        QCOMPARE(ids, (QList<QString>{a, c}));

        store.remove(a);
        store.remove(c);
        AnnotationStore reread;
        reread.setSource(pdf, Hash);
        QCOMPARE(reread.count(), 0);
        QVERIFY(readFile(sidecar).contains("\"annotations\":[]"));
        // Only the sidecar is left beside the PDF: every write replaced it whole.
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    // The directory disappears: annotations stay in memory, read-only until a save succeeds.
    void readOnlyFallback()
    {
        const QString sub = dir->filePath("sub");
        QVERIFY(QDir().mkpath(sub));
        const QString subPdf = sub + "/doc.pdf";
        AnnotationStore store;
        QSignalSpy fallback(&store, &AnnotationStore::readonlyFallback);
        store.setSource(subPdf, Hash);
        QVERIFY(QDir(sub).removeRecursively());

        const QString first = store.add(full(0));
        QVERIFY(!first.isEmpty());
        QVERIFY(store.isReadOnly());
        QCOMPARE(fallback.size(), 1);
        QCOMPARE(fallback.at(0).at(0).value<AnnotationStore::Fallback>(),
                 AnnotationStore::Fallback::FolderNotWritable);
        QVERIFY(!store.save());
        QCOMPARE(fallback.size(), 2);
        QCOMPARE(fallback.at(1).at(0).value<AnnotationStore::Fallback>(),
                 AnnotationStore::Fallback::FolderNotWritable);

        QVERIFY(QDir().mkpath(sub));
        store.add(full(1));
        QVERIFY(!store.isReadOnly());
        AnnotationStore reread;
        reread.setSource(subPdf, Hash);
        QCOMPARE(reread.count(), 2); // the earlier, unsaved one is written too
        QCOMPARE(reread.allAnnotations().first().id, first);
    }

    // A sidecar that cannot be understood is kept as a backup before it is replaced.
    void damagedSidecarKept_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("loaded");
        QByteArray random(4096, '\0');
        QRandomGenerator gen(42);
        for (char& c : random)
            c = char(gen.bounded(256));
        QTest::newRow("random bytes") << random << 0;
        QTest::newRow("stray comma") << sidecarWith("[{\"id\":\"x\"},]") << 0;

        QTest::newRow("deeply nested") << QByteArray("{\"annotations\":") + QByteArray(100000, '[')
                                              + QByteArray(100000, ']') + "}"
                                       << 0;
        QTest::newRow("top-level array") << QByteArray("[{\"id\":\"x\"}]") << 0;
        QTest::newRow("annotations not an array")
            << QByteArray("{\"annotations\":{\"id\":\"x\"}}") << 0;
        QTest::newRow("element not an object")
            << sidecarWith('[' + entry() + ",42," + entry("\"id\":\"y\"") + ']') << 2;
        QTest::newRow("number out of range")
            << sidecarWith("[{\"id\":\"x\",\"pt2\":[1e999,5]}]") << 0;
        QTest::newRow("utf-16") << QByteArray("\xff\xfe{\0}\0", 6) << 0;
    }
    void damagedSidecarKept()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, loaded);
        QVERIFY(writeFile(sidecar, bytes));
        AnnotationStore store;
        QSignalSpy fallback(&store, &AnnotationStore::readonlyFallback);
        store.setSource(pdf, Hash);
        QCOMPARE(store.count(), loaded);
        QCOMPARE(fallback.size(), 0);
        QVERIFY(AnnotationStore::backupsOf(sidecar).isEmpty()); // loading alone writes nothing

        QVERIFY(!store.add(full(1)).isEmpty());
        QVERIFY(!store.isReadOnly());
        QCOMPARE(AnnotationStore::backupsOf(sidecar), QStringList{store.lastBackupPath()});
        QCOMPARE(readFile(store.lastBackupPath()), bytes);
        AnnotationStore reread;
        reread.setSource(pdf, Hash);
        QCOMPARE(reread.count(), loaded + 1);

        // Once kept, later saves replace the (now valid) file without touching the backup.
        const QString backup = store.lastBackupPath();
        store.add(full(2));
        QCOMPARE(readFile(backup), bytes);
        QCOMPARE(AnnotationStore::backupsOf(sidecar).size(), 1);
    }

    // A newer program's sidecar: its own sections, keys the entries gain and entries of a kind
    // this version cannot read all survive every change here, byte for byte, without a backup
    // when nothing had to be left out.
    void unknownContentKeptVerbatim_data()
    {
        QTest::addColumn<QByteArray>("unreadableEntry");
        QTest::newRow("only unknown keys") << QByteArray();
        QTest::newRow("with an unreadable entry")
            << QByteArray("{\"id\":\"future\",\"type\":\"ink\",\"strokes\":[[1,2],[3,4]]}");
    }
    void unknownContentKeptVerbatim()
    {
        QFETCH(QByteArray, unreadableEntry);
        const QByteArray forms = "\"forms\":{\"name\":\"Z\\u00fcrich\",\"total\":12.50}";
        const QByteArray anchor = "\"anchor\":{\"quote\":\"x\",\"at\":1e2}";
        const QByteArray kept = entry("\"id\":\"kept\"," + anchor);
        QByteArray entries = kept + ',' + entry("\"id\":\"gone\"");
        if (!unreadableEntry.isEmpty())
            entries += ',' + unreadableEntry;
        QVERIFY(writeFile(sidecar, "{" + forms + ",\"annotations\":[" + entries
                                       + "],\"sourceHash\":\"" + Hash.toLatin1()
                                       + "\",\"sourceName\":\"doc.pdf\",\"version\":1}"));
        AnnotationStore store;
        store.setSource(pdf, Hash);
        QCOMPARE(store.count(), 2);
        QCOMPARE(store.unreadableCount(), unreadableEntry.isEmpty() ? 0 : 1);
        QCOMPARE(store.section("forms"), forms.mid(8));

        Annotation changed = *store.find("kept");
        changed.text = "edited";
        store.update(changed);
        store.remove("gone");
        store.add(full(2));
        QVERIFY(!store.isReadOnly());
        QVERIFY(store.setSection("inkSettings", QJsonObject{{"width", 2}}));
        QVERIFY(!store.setSection("annotations", QJsonArray()));

        const QByteArray saved = readFile(sidecar);
        QVERIFY2(saved.contains(forms), saved.constData());
        QVERIFY(saved.contains(anchor));
        QVERIFY(saved.contains(unreadableEntry));
        QVERIFY(saved.contains("\"inkSettings\":{\"width\":2}"));
        const QJsonObject root = QJsonDocument::fromJson(saved).object();
        QCOMPARE(root.keys(), (QStringList{"annotations", "forms", "inkSettings", "sourceHash",
                                           "sourceName", "version"}));
        // The entry that was not readable stays where it was: after the annotations before it.
        const QJsonArray array = root.value("annotations").toArray();
        QCOMPARE(array.size(), unreadableEntry.isEmpty() ? 2 : 3);
        QCOMPARE(array.at(0).toObject().value("text").toString(), QStringLiteral("edited"));
        QCOMPARE(AnnotationStore::backupsOf(sidecar).size(), unreadableEntry.isEmpty() ? 0 : 1);

        AnnotationStore reread;
        reread.setSource(pdf, Hash);
        QCOMPARE(reread.count(), 2);
        QCOMPARE(reread.unreadableEntries(),
                 unreadableEntry.isEmpty() ? QList<QByteArray>() : QList{unreadableEntry});
    }

    // A sidecar of a newer major version is shown, never written.
    void newerVersionReadOnly_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("same") << QByteArray("1") << false;
        QTest::newRow("newer") << QByteArray("2") << true;
        QTest::newRow("newer minor of a newer major") << QByteArray("3.5") << true;
        QTest::newRow("missing") << QByteArray() << false;
    }
    void newerVersionReadOnly()
    {
        QFETCH(QByteArray, version);
        QFETCH(bool, readOnly);
        QByteArray bytes = "{\"annotations\":[" + entry() + "],\"sourceHash\":\"" + Hash.toLatin1()
                           + "\",\"sourceName\":\"doc.pdf\"";
        if (!version.isEmpty())
            bytes += ",\"version\":" + version;
        bytes += '}';
        QVERIFY(writeFile(sidecar, bytes));
        AnnotationStore store;
        QSignalSpy fallback(&store, &AnnotationStore::readonlyFallback);
        store.setSource(pdf, Hash);
        QCOMPARE(store.count(), 1);
        QCOMPARE(store.isReadOnly(), readOnly);
        QCOMPARE(fallback.size(), readOnly ? 1 : 0);
        QVERIFY(!store.add(full(1)).isEmpty());
        QCOMPARE(store.count(), 2); // kept in memory either way
        QCOMPARE(readFile(sidecar) == bytes, readOnly);
        // A file without a version is not exactly ours: kept before it is replaced.
        QCOMPARE(AnnotationStore::backupsOf(sidecar).size(), version.isEmpty() ? 1 : 0);
    }

    // A flipped bit (in every third byte) never costs an annotation: either the file reads
    // back the same (the change only added one), or its bytes were kept before the save, or it
    // was not written at all.
    void byteFlipsNeverLoseData()
    {
        AnnotationStore writer;
        writer.setSource(pdf, Hash);
        Annotation note = full(4, AnnotationType::Note);
        note.text = QStringLiteral("多行\n\"引用\" é");
        writer.add(full(1));
        writer.add(note);
        writer.add(full(7, AnnotationType::Arrow));
        QVERIFY(writer.setSection("forms", QJsonObject{{"field", "value"}}));
        const QByteArray original = readFile(sidecar);

        // Compared as values, colour names as colours, the informational name left out.
        const auto normalised = [](const QByteArray& bytes, const QString& dropId) {
            QJsonObject root = QJsonDocument::fromJson(bytes).object();
            root.remove("sourceName");
            QJsonArray entries;
            for (const QJsonValue& value : root.value("annotations").toArray()) {
                QJsonObject object = value.toObject();
                if (!value.isObject() || object.value("id").toString() != dropId) {
                    if (object.value("color").isString())
                        object.insert("color",
                                      QColor::fromString(object.value("color").toString()).name());
                    entries.append(value.isObject() ? QJsonValue(object) : value);
                }
            }
            root.insert("annotations", entries);
            return root;
        };

        int kept = 0, same = 0, untouched = 0;
        for (qsizetype at = 0; at < original.size(); at += 3) {
            QByteArray flipped = original;
            flipped[at] = char(flipped.at(at) ^ (1 << (at % 8)));
            for (const QString& backup : AnnotationStore::backupsOf(sidecar))
                QVERIFY(QFile::remove(backup));
            QVERIFY(writeFile(sidecar, flipped));
            AnnotationStore store;
            store.setSource(pdf, Hash);
            const QString added = store.add(full(9));
            const QStringList backups = AnnotationStore::backupsOf(sidecar);
            const QByteArray saved = readFile(sidecar);
            if (backups.size() == 1 && readFile(backups.first()) == flipped)
                ++kept;
            else if (saved == flipped && store.isReadOnly())
                ++untouched;
            else if (backups.isEmpty() && normalised(saved, added) == normalised(flipped, {}))
                ++same;
            else
                QFAIL(qPrintable(QStringLiteral("bit %1 of byte %2: %3")
                                     .arg(at % 8)
                                     .arg(at)
                                     .arg(QString::fromUtf8(flipped))));
        }
        // Both ways occur: the test would notice a store that keeps everything or nothing.
        QVERIFY(kept > 0 && same > 0);
    }

    // Every damaged sidecar keeps a copy of its own (a second one never replaces the first);
    // only the last five are kept.
    void eachDamagedSidecarKeptApart()
    {
        QStringList kept;
        for (int i = 0; i < AnnotationStore::MaxBackups + 2; ++i) {
            const QByteArray damaged = "damaged " + QByteArray::number(i);
            QVERIFY(writeFile(sidecar, damaged));
            AnnotationStore store;
            store.setSource(pdf, Hash);
            QVERIFY(!store.add(full(i)).isEmpty());
            QVERIFY(!store.isReadOnly());
            QVERIFY(!kept.contains(store.lastBackupPath()));
            QCOMPARE(readFile(store.lastBackupPath()), damaged);
            kept.append(store.lastBackupPath());
        }
        const QStringList backups = AnnotationStore::backupsOf(sidecar);
        QCOMPARE(backups, kept.mid(kept.size() - AnnotationStore::MaxBackups));
        for (int i = 0; i < backups.size(); ++i)
            QCOMPARE(readFile(backups.at(i)), "damaged " + QByteArray::number(i + 2));
    }

    // When the backup cannot be written (the disk is full) the damaged file is not overwritten.
    void backupImpossibleKeepsFile()
    {
        const QByteArray damaged = sidecarWith("[{\"id\":\"x\"},") + QByteArray(200, ' ');
        QVERIFY(writeFile(sidecar, damaged));
        AnnotationStore store;
        QSignalSpy fallback(&store, &AnnotationStore::readonlyFallback);
        store.setSource(pdf, Hash);

        QString id;
        {
            test::FileSizeLimit full100(100);
            QVERIFY(full100.isActive());
            id = store.add(full(0));
            QVERIFY(!id.isEmpty());
            QVERIFY(store.isReadOnly());
            QCOMPARE(fallback.size(), 1);
            QCOMPARE(fallback.at(0).at(0).value<AnnotationStore::Fallback>(),
                     AnnotationStore::Fallback::BackupFailed);
            QCOMPARE(readFile(sidecar), damaged);
            QVERIFY(AnnotationStore::backupsOf(sidecar).isEmpty());
            QCOMPARE(store.count(), 1);

            Annotation a = *store.find(id);
            a.text = "still in memory";
            store.update(a);
            QCOMPARE(readFile(sidecar), damaged);
            QCOMPARE(fallback.size(), 2);
        }

        Annotation a = *store.find(id);
        store.update(a);
        QVERIFY(!store.isReadOnly());
        QCOMPARE(readFile(store.lastBackupPath()), damaged);
        AnnotationStore reread;
        reread.setSource(pdf, Hash);
        QCOMPARE(reread.find(id)->text, QStringLiteral("still in memory"));
    }

    // A full disk: the write fails. The previous sidecar stays byte-identical, the store turns
    // read-only with its message, and the next save that fits writes everything.
    void fullDiskKeepsPreviousSidecar()
    {
        QString first;
        QByteArray before;
        {
            AnnotationStore store;
            store.setSource(pdf, Hash);
            first = store.add(full(0));
            before = readFile(sidecar);
            QVERIFY(!before.isEmpty());
        }
        AnnotationStore store;
        QSignalSpy fallback(&store, &AnnotationStore::readonlyFallback);
        store.setSource(pdf, Hash);
        QString second;
        {
            test::FileSizeLimit full(qint64(before.size()) + 10);
            QVERIFY(full.isActive());
            second = store.add(::full(1));
            QVERIFY(!second.isEmpty());
            QVERIFY(store.isReadOnly());
            QCOMPARE(fallback.size(), 1);
            QCOMPARE(fallback.at(0).at(0).value<AnnotationStore::Fallback>(),
                     AnnotationStore::Fallback::WriteFailed);
            QVERIFY(!fallback.at(0).at(1).toString().isEmpty()); // the file's own words
            QVERIFY(!store.save());
        }
        {
            test::FileSizeLimit tiny(20);
            QVERIFY(!store.exportSummary(dir->filePath("summary.txt")).written());
        }
        QCOMPARE(readFile(sidecar), before);
        QVERIFY(!QFile::exists(dir->filePath("summary.txt")));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files).size(), 2); // no temporary file left

        QVERIFY(store.save());
        QVERIFY(!store.isReadOnly());
        AnnotationStore reread;
        reread.setSource(pdf, Hash);
        QCOMPARE(reread.count(), 2);
        QVERIFY(reread.find(first) && reread.find(second));
    }

    // Writes on the worker's files lane: a store closed right after its changes has written all
    // of them (the newest write replacing those still waiting), even while the lane is held by
    // another write, and a failed write takes the read-only path with its message, leaving the
    // previous sidecar as it was.
    void backgroundWrites()
    {
        PdfWorker worker;
        QStringList ids;
        {
            AnnotationStore store;
            store.setWriter(&worker);
            store.setSource(pdf, Hash);
            QSemaphore entered;
            QSemaphore release;
            worker.post(PdfWorker::FilesLane, [&] {
                entered.release();
                release.acquire();
            });
            entered.acquire();
            for (int i = 0; i < 3; ++i)
                ids << store.add(full(i));
            QVERIFY(store.hasPendingWrites());
            store.waitForWrites(); // written here: its lane is busy
            QVERIFY(!store.hasPendingWrites());
            release.release();
            ids << store.add(full(3));
            QVERIFY(store.hasPendingWrites());
        }
        const QByteArray before = readFile(sidecar);
        AnnotationStore store;
        store.setWriter(&worker);
        QSignalSpy fallback(&store, &AnnotationStore::readonlyFallback);
        store.setSource(pdf, Hash);
        QCOMPARE(store.count(), 4);
        for (const QString& id : std::as_const(ids))
            QVERIFY(store.find(id));
        {
            test::FileSizeLimit full(qint64(before.size()) + 10);
            QVERIFY(full.isActive());
            store.add(::full(4));
            QTRY_COMPARE_WITH_TIMEOUT(fallback.size(), 1, test::TimeoutMs);
        }
        QVERIFY(store.isReadOnly());
        QCOMPARE(fallback.at(0).at(0).value<AnnotationStore::Fallback>(),
                 AnnotationStore::Fallback::WriteFailed);
        QCOMPARE(readFile(sidecar), before);

        store.remove(ids.first());
        QTRY_VERIFY_WITH_TIMEOUT(!store.hasPendingWrites(), test::TimeoutMs);
        QVERIFY(!store.isReadOnly());
        AnnotationStore reread;
        reread.setSource(pdf, Hash);
        QCOMPARE(reread.count(), 4);
        QVERIFY(!reread.find(ids.first()));
    }

    // A PDF that is its own sidecar (named "x.dovrixmark", or a sidecar linked to the PDF) is
    // never parsed as annotations nor written.
    void sidecarThatIsTheSource_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::newRow("named like a sidecar") << false;
        QTest::newRow("sidecar linked to the pdf") << true;
    }
    void sidecarThatIsTheSource()
    {
        QFETCH(bool, linked);
        const QByteArray bytes = "%PDF-1.4 the source";
        QString source = dir->filePath("x.dovrixmark");
        if (linked) {
            source = dir->filePath("x.pdf");
            QVERIFY(QFile::link(source, dir->filePath("x.dovrixmark")));
        }
        QVERIFY(writeFile(source, bytes));
        AnnotationStore store;
        QSignalSpy fallback(&store, &AnnotationStore::readonlyFallback);
        store.setSource(source, Hash);
        QVERIFY(store.isReadOnly());
        QCOMPARE(fallback.size(), 1);
        QVERIFY(!store.add(full(0)).isEmpty());
        QCOMPARE(store.count(), 1);
        QCOMPARE(readFile(source), bytes);
        QVERIFY(AnnotationStore::backupsOf(dir->filePath("x.dovrixmark")).isEmpty());
    }

    // Every spelling of the source and the sidecar is refused as the summary's target.
    void summaryNeverReplacesSourceOrSidecar()
    {
        AnnotationStore store;
        store.setSource(pdf, Hash);
        store.add(full(0));
        const QByteArray source = readFile(pdf);
        const QByteArray notes = readFile(sidecar);
        QVERIFY(QFile::link(pdf, dir->filePath("link.pdf")));
        QVERIFY(test::hardLink(pdf, dir->filePath("hard.pdf")));
        QVERIFY(test::hardLink(sidecar, dir->filePath("hard.dovrixmark")));
        QVERIFY(QDir().mkpath(dir->filePath("sub")));
        const QStringList targets{dir->filePath("link.pdf"), dir->filePath("hard.pdf"),
                                  dir->filePath("sub/../doc.pdf"),
                                  dir->filePath("hard.dovrixmark")};
        const AnnotationStore::ExportRefusal expected[] = {
            AnnotationStore::ExportRefusal::IsTheSource,
            AnnotationStore::ExportRefusal::IsTheSource,
            AnnotationStore::ExportRefusal::IsTheSource,
            AnnotationStore::ExportRefusal::IsTheSidecar};
        for (int i = 0; i < targets.size(); ++i)
            QCOMPARE(store.exportSummary(targets.at(i)).refusal, expected[i]);
        QCOMPARE(readFile(pdf), source);
        QCOMPARE(readFile(sidecar), notes);
    }

    // The summary quotes the anchored text when it is known.
    void summaryQuotesAnchoredText()
    {
        AnnotationStore store;
        store.setSource(pdf, Hash);
        Annotation a = full(0);
        a.text.clear();
        store.add(a);
        const QString out = dir->filePath("s.txt");
        QVERIFY(store
                    .exportSummary(out,
                                   [](const Annotation& an) {
                                       return an.isTextAnchored()
                                                  ? QStringLiteral("  the  anchored words ")
                                                  : QString();
                                   })
                    .written());
        QVERIFY(
            QString::fromUtf8(readFile(out)).contains(QStringLiteral("「the anchored words」")));
    }

    // A sidecar that exists but cannot be opened (here: a directory) is reported and never
    // replaced, since its contents cannot be kept.
    void unreadableSidecar()
    {
        QVERIFY(QDir().mkpath(sidecar + "/inside"));
        AnnotationStore store;
        QSignalSpy fallback(&store, &AnnotationStore::readonlyFallback);
        store.setSource(pdf, Hash);
        QCOMPARE(fallback.size(), 1);
        QCOMPARE(fallback.at(0).at(0).value<AnnotationStore::Fallback>(),
                 AnnotationStore::Fallback::Unreadable);
        QVERIFY(!fallback.at(0).at(1).toString().isEmpty());
        QVERIFY(!store.isReadOnly());
        QCOMPARE(store.count(), 0);

        QVERIFY(!store.add(full(0)).isEmpty());
        QVERIFY(store.isReadOnly());
        QVERIFY(QFileInfo(sidecar + "/inside").isDir());
        QCOMPARE(store.count(), 1);
        // Says what is wrong: the folder itself is writable.
        QCOMPARE(fallback.size(), 2);
        QCOMPARE(fallback.at(1).at(0).value<AnnotationStore::Fallback>(),
                 AnnotationStore::Fallback::FolderInTheWay);
    }

    void manyAnnotations()
    {
        QJsonArray arr;
        for (int i = 0; i < 100000; ++i) {
            Annotation a;
            a.id = QString::number(i);
            a.page = i % 500 - 1; // page -1 on some: kept, not dropped
            a.rect = QRectF(i, i * 0.5, 10, 10);
            a.type = annotationTypes[i % AnnotationTypeCount].type;
            arr.append(AnnotationStore::toJson(a));
        }
        QJsonObject root{{"annotations", arr}, {"sourceHash", Hash}, {"version", 1}};
        QVERIFY(writeFile(sidecar, QJsonDocument(root).toJson(QJsonDocument::Compact)));

        AnnotationStore store;
        store.setSource(pdf, Hash);
        QCOMPARE(store.count(), 100000);
        QCOMPARE(store.annotationsOnPage(-1).size(), 200);
        QCOMPARE(store.find("99999")->rect, QRectF(99999, 49999.5, 10, 10));
        store.remove("0");
        AnnotationStore reread;
        reread.setSource(pdf, Hash);
        QCOMPARE(reread.count(), 99999);
        QCOMPARE(reread.allAnnotations().first().id, QStringLiteral("1"));
    }

    void summary()
    {
        AnnotationStore store;
        store.setSource(pdf, Hash);
        Annotation a;
        a.page = 2;
        a.type = AnnotationType::Highlight;
        a.byText = true;
        a.start = 4;
        a.length = 3;
        a.rect = QRectF(72.4, 100.5, 10, 10);
        a.text = "  first\n\tnote   here ";
        store.add(a);
        Annotation b;
        b.type = AnnotationType::Rectangle;
        b.rect = QRectF(10.5, -2.5, 4, 4);
        store.add(b);
        Annotation c;
        c.page = 2;
        c.type = AnnotationType::Note;
        c.byText = true; // not anchored: start stays -1
        store.add(c);

        const QString out = dir->filePath("summary.txt");
        const AnnotationStore::ExportOutcome outcome = store.exportSummary(out);
        QVERIFY2(outcome.written(), qPrintable(outcome.fileError));
        const QString text = QString::fromUtf8(readFile(out));
        const QString expected = QStringLiteral("Dovrix 批注汇总（共 3 条）\n\n"
                                                "—— 第 3 页 ——\n"
                                                "[highlight] 文本锚定 (位置 p3 x72 y101)\n"
                                                "  first note here\n"
                                                "—— 第 1 页 ——\n"
                                                "[rectangle] ▦ (位置 p1 x11 y-3)\n"
                                                "—— 第 3 页 ——\n"
                                                "[note] ▦ (位置 p3 x0 y0)\n"
                                                "\n注：批注仅保存在本地 sidecar 文件，用 Adobe "
                                                "等其他阅读器打开源文件不可见。\n");
        QCOMPARE(text, expected);
    }

    void summaryFailures()
    {
        AnnotationStore store;
        store.setSource(pdf, Hash);
        store.add(full(0));
        const AnnotationStore::ExportOutcome missing =
            store.exportSummary(dir->filePath("missing/summary.txt"));
        QVERIFY(!missing.written());
        QVERIFY(!missing.fileError.isEmpty());
        // The source PDF is never written, even when chosen as the target.
        QCOMPARE(store.exportSummary(pdf).refusal, AnnotationStore::ExportRefusal::IsTheSource);
        QCOMPARE(readFile(pdf), QByteArray("%PDF-1.4 placeholder"));
        // Nor the sidecar: the annotations would be gone at the next opening.
        const QByteArray stored = readFile(sidecar);
        QCOMPARE(store.exportSummary(sidecar).refusal,
                 AnnotationStore::ExportRefusal::IsTheSidecar);
        QCOMPARE(readFile(sidecar), stored);
    }
};

QTEST_MAIN(TestAnnotationStore)
#include "tst_annotationstore.moc"
