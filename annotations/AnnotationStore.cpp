#include "annotations/AnnotationStore.h"

#include "annotations/AnnotationsLog.h"
#include "annotations/RawJson.h"
#include "core/FileSafety.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>
#include <QMultiHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QUuid>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace dovrix {

namespace {

// A sidecar beyond this size is not loaded (it is kept like an unreadable one); real files with
// 100,000 annotations stay far below it.
constexpr qint64 MaxSidecarBytes = qint64(256) * 1024 * 1024;

QString freshId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// Half away from zero, printed without a fraction; huge values stay exact in print.
QString roundedPoint(double v)
{
    return QString::number(std::round(v), 'f', 0);
}

void appendJsonString(QByteArray& out, const QString& text)
{
    RawJson::appendString(out, text);
}

// The shortest text that reads back as the same double; a non-finite value is written as 0.
void appendJsonNumber(QByteArray& out, double value)
{
    out += std::isfinite(value) ? QByteArray::number(value, 'g', QLocale::FloatingPointShortest)
                                : QByteArrayLiteral("0");
}

// The anchors of an annotation as the sidecar keeps them: Qt PDF's indices under "start" and
// "length", MuPDF's with the quote under "textAnchor".
struct StoredAnchors
{
    int qtStart;
    int qtLength;
    int muStart;
    int muLength;
};

StoredAnchors storedAnchors(const Annotation& a, TextSpace space)
{
    if (space == TextSpace::MuPdf)
        return {a.otherStart, a.otherLength, a.start, a.length};
    return {a.start, a.length, a.otherStart, a.otherLength};
}

bool hasTextAnchor(const StoredAnchors& anchors, const Annotation& a)
{
    return anchors.muStart >= 0 || !a.quote.isEmpty();
}

const char* const MuPdfEngineName = "mupdf";

} // namespace

QByteArray AnnotationStore::encode(const Annotation& a, TextSpace space)
{
    const StoredAnchors anchors = storedAnchors(a, space);
    QByteArray out;
    out.reserve(256 + a.text.size() * 3);
    out += "{\"byText\":";
    out += a.byText ? "true" : "false";
    out += ",\"color\":";
    appendJsonString(out, a.color.name(QColor::HexRgb));
    out += ",\"created\":" + QByteArray::number(a.created);
    out += ",\"id\":";
    appendJsonString(out, a.id);
    out += ",\"length\":" + QByteArray::number(anchors.qtLength);
    out += ",\"page\":" + QByteArray::number(a.page);
    out += ",\"pt2\":[";
    appendJsonNumber(out, a.pt2.x());
    out += ',';
    appendJsonNumber(out, a.pt2.y());
    out += "],\"rect\":[";
    appendJsonNumber(out, a.rect.x());
    out += ',';
    appendJsonNumber(out, a.rect.y());
    out += ',';
    appendJsonNumber(out, a.rect.width());
    out += ',';
    appendJsonNumber(out, a.rect.height());
    out += "],\"start\":" + QByteArray::number(anchors.qtStart);
    out += ",\"text\":";
    appendJsonString(out, a.text);
    if (hasTextAnchor(anchors, a)) {
        out += ",\"textAnchor\":{\"engine\":\"";
        out += MuPdfEngineName;
        out += "\",\"length\":" + QByteArray::number(anchors.muLength);
        out += ",\"quote\":";
        appendJsonString(out, a.quote);
        out += ",\"start\":" + QByteArray::number(anchors.muStart);
        out += '}';
    }
    out += ",\"type\":";
    appendJsonString(out, typeName(a.type));
    out += '}';
    return out;
}

AnnotationStore::AnnotationStore(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<dovrix::Annotation>("dovrix::Annotation");
}

AnnotationStore::~AnnotationStore()
{
    waitForWrites();
}

QString AnnotationStore::sidecarPathFor(const QString& pdfPath)
{
    const QFileInfo fi(pdfPath);
    return fi.absoluteDir().filePath(fi.completeBaseName() + QLatin1String(".dovrixmark"));
}

void AnnotationStore::setSource(const QString& path, const QString& sourceHash,
                                bool sidecarNameable)
{
    waitForWrites(); // the notes of the previous binding reach its sidecar first
    bound = false;
    readOnly = false;
    hashMismatch = false;
    backupPending = false;
    neverWrite.reset();
    list.clear();
    pdfPath.clear();
    sidecar.clear();
    hash.clear();
    lastBackup.clear();
    encoded.clear();
    unknownKeys.clear();
    unreadable.clear();
    sections.clear();
    fieldValues.clear();
    newerVersion = false;
    if (path.isEmpty())
        return; // no document: nothing to bind, and no stray ".dovrixmark" in the working dir

    bound = true;
    pdfPath = path;
    hash = sourceHash;
    if (!sidecarNameable) {
        // Writing it under a name spelled otherwise would leave the notes where the next opening
        // never looks.
        neverWrite = Fallback::UnspellableName;
    } else {
        sidecar = sidecarPathFor(path);
        // A PDF named "x.dovrixmark" is its own sidecar, and a sidecar may be a link to the PDF:
        // reading it would parse the PDF as annotations, and saving would replace the PDF.
        if (sidecar == QFileInfo(path).absoluteFilePath() || isSameFile(sidecar, path))
            neverWrite = Fallback::SidecarIsTheSource;
    }
    if (neverWrite) {
        readOnly = true;
        Q_EMIT readonlyFallback(*neverWrite, {});
        return;
    }
    load();
}

QJsonObject AnnotationStore::toJson(const Annotation& a, TextSpace space)
{
    const StoredAnchors anchors = storedAnchors(a, space);
    QJsonObject o;
    o.insert(QLatin1String("byText"), a.byText);
    o.insert(QLatin1String("color"), a.color.name(QColor::HexRgb));
    o.insert(QLatin1String("created"), a.created);
    o.insert(QLatin1String("id"), a.id);
    o.insert(QLatin1String("length"), anchors.qtLength);
    o.insert(QLatin1String("page"), a.page);
    o.insert(QLatin1String("pt2"), QJsonArray{a.pt2.x(), a.pt2.y()});
    o.insert(QLatin1String("rect"),
             QJsonArray{a.rect.x(), a.rect.y(), a.rect.width(), a.rect.height()});
    o.insert(QLatin1String("start"), anchors.qtStart);
    o.insert(QLatin1String("text"), a.text);
    if (hasTextAnchor(anchors, a)) {
        o.insert(QLatin1String("textAnchor"),
                 QJsonObject{{QLatin1String("engine"), QLatin1String(MuPdfEngineName)},
                             {QLatin1String("length"), anchors.muLength},
                             {QLatin1String("quote"), a.quote},
                             {QLatin1String("start"), anchors.muStart}});
    }
    o.insert(QLatin1String("type"), typeName(a.type));
    return o;
}

namespace {

// The keys toJson writes, in alphabetical order.
const QLatin1String AnnotationKeys[] = {
    QLatin1String("byText"), QLatin1String("color"),      QLatin1String("created"),
    QLatin1String("id"),     QLatin1String("length"),     QLatin1String("page"),
    QLatin1String("pt2"),    QLatin1String("rect"),       QLatin1String("start"),
    QLatin1String("text"),   QLatin1String("textAnchor"), QLatin1String("type")};
// The top-level keys the store writes.
const QLatin1String AnnotationsKey("annotations");
const QLatin1String FormValuesKey("formValues");
const QLatin1String HashKey("sourceHash");
const QLatin1String NameKey("sourceName");
const QLatin1String VersionKey("version");

bool isAnnotationKey(QByteArrayView key)
{
    for (const QLatin1String& known : AnnotationKeys) {
        if (key == QByteArrayView(known.data(), known.size()))
            return true;
    }
    return false;
}

bool isOwnTopLevelKey(QStringView key)
{
    return key == AnnotationsKey || key == FormValuesKey || key == HashKey || key == NameKey
           || key == VersionKey;
}

// An integer in [low, high], written without a fraction.
bool readInteger(const QJsonValue& v, double low, double high, qint64* out)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (!(d >= low && d <= high) || d != std::trunc(d))
        return false;
    *out = qint64(d);
    return true;
}

bool readNumbers(const QJsonValue& v, qsizetype count, double* out)
{
    if (!v.isArray())
        return false;
    const QJsonArray array = v.toArray();
    if (array.size() != count)
        return false;
    for (qsizetype i = 0; i < count; ++i) {
        if (!array.at(i).isDouble() || !std::isfinite(array.at(i).toDouble()))
            return false;
        out[i] = array.at(i).toDouble();
    }
    return true;
}

// #rgb, #rrggbb or a colour name; longer forms would smuggle in an alpha channel.
bool readColor(const QJsonValue& v, QColor* out)
{
    if (!v.isString())
        return false;
    const QString name = v.toString();
    if (name.startsWith(QLatin1Char('#')) && name.size() != 4 && name.size() != 7)
        return false;
    const QColor c = QColor::fromString(name);
    if (!c.isValid())
        return false;
    *out = c;
    out->setAlpha(255);
    return true;
}

// Created times beyond this many seconds are not times (and would not survive a double).
constexpr double MaxSeconds = 9007199254740992.0;

} // namespace

bool AnnotationStore::fromJson(const QJsonObject& o, Annotation* out, TextSpace space)
{
    Annotation a;
    const QJsonValue byText = o.value(QLatin1String("byText"));
    const QJsonValue id = o.value(QLatin1String("id"));
    const QJsonValue text = o.value(QLatin1String("text"));
    const QJsonValue type = o.value(QLatin1String("type"));
    qint64 created = 0, length = 0, page = 0, start = 0;
    double rect[4] = {}, pt2[2] = {};
    if (!byText.isBool() || !id.isString() || !text.isString() || !type.isString()
        || !readColor(o.value(QLatin1String("color")), &a.color)
        || !readInteger(o.value(QLatin1String("created")), -MaxSeconds, MaxSeconds, &created)
        || !readInteger(o.value(QLatin1String("length")), INT_MIN, INT_MAX, &length)
        || !readInteger(o.value(QLatin1String("page")), INT_MIN, INT_MAX, &page)
        || !readInteger(o.value(QLatin1String("start")), INT_MIN, INT_MAX, &start)
        || !readNumbers(o.value(QLatin1String("rect")), 4, rect)
        || !readNumbers(o.value(QLatin1String("pt2")), 2, pt2))
        return false;
    a.byText = byText.toBool();
    a.id = id.toString();
    a.text = text.toString();
    a.type = typeFromName(type.toString());
    // A longer note, or a type this version does not know, would be written back as less.
    if (a.text.size() > MaxNoteLength || typeName(a.type) != type.toString())
        return false;
    a.created = created;
    a.page = int(page);
    a.rect = QRectF(rect[0], rect[1], rect[2], rect[3]);
    a.pt2 = QPointF(pt2[0], pt2[1]);

    StoredAnchors anchors{int(start), int(length), -1, 0};
    const QJsonValue textAnchor = o.value(QLatin1String("textAnchor"));
    if (!textAnchor.isUndefined()) {
        // Written by this program alone: anything but its exact shape is damage.
        const QJsonObject anchor = textAnchor.toObject();
        qint64 muStart = 0, muLength = 0;
        const QJsonValue quote = anchor.value(QLatin1String("quote"));
        if (!textAnchor.isObject() || anchor.size() != 4
            || anchor.value(QLatin1String("engine")).toString() != QLatin1String(MuPdfEngineName)
            || !quote.isString()
            || !readInteger(anchor.value(QLatin1String("start")), INT_MIN, INT_MAX, &muStart)
            || !readInteger(anchor.value(QLatin1String("length")), INT_MIN, INT_MAX, &muLength))
            return false;
        anchors.muStart = int(muStart);
        anchors.muLength = int(muLength);
        a.quote = quote.toString();
    }
    if (space == TextSpace::MuPdf) {
        a.start = anchors.muStart;
        a.length = anchors.muLength;
        a.otherStart = anchors.qtStart;
        a.otherLength = anchors.qtLength;
    } else {
        a.start = anchors.qtStart;
        a.length = anchors.qtLength;
        a.otherStart = anchors.muStart;
        a.otherLength = anchors.muLength;
    }
    *out = a;
    return true;
}

QByteArray AnnotationStore::encodeAt(qsizetype index) const
{
    const QList<RawMember>& unknown = unknownKeys.at(index);
    QByteArray own = encode(list.at(index), textSpace);
    if (unknown.isEmpty())
        return own;
    // Known and unknown members together, keys in alphabetical order as always.
    QList<RawMember> all = RawJson::members(own);
    all.append(unknown);
    std::stable_sort(all.begin(), all.end(),
                     [](const RawMember& x, const RawMember& y) { return x.key < y.key; });
    QByteArray out = "{";
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (i > 0)
            out += ',';
        out += all.at(i).text;
    }
    return out + '}';
}

void AnnotationStore::load()
{
    ++changes;
    list.clear();
    encoded.clear();
    unknownKeys.clear();
    unreadable.clear();
    sections.clear();
    fieldValues.clear();
    hashMismatch = false;
    backupPending = false;
    newerVersion = false;
    if (!bound || sidecar.isEmpty())
        return;

    const QFileInfo info(sidecar);
    if (!info.exists())
        return; // a document without annotations

    QFile file(sidecar);
    QByteArray bytes;
    std::optional<Fallback> unread;
    if (!file.open(QIODevice::ReadOnly)) {
        unread = Fallback::Unreadable;
    } else if (file.size() > MaxSidecarBytes) {
        unread = Fallback::TooLarge;
    } else {
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            unread = Fallback::Unreadable;
    }
    if (unread) {
        backupPending = true;
        Q_EMIT readonlyFallback(*unread,
                                *unread == Fallback::Unreadable ? file.errorString() : QString());
        return;
    }

    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        // Counts as a file without annotations, but its bytes are kept before it is replaced.
        backupPending = !bytes.trimmed().isEmpty();
        return;
    }
    const QJsonObject root = doc.object();

    QByteArray annotationsText;
    const QList<RawMember> topLevel = RawJson::members(bytes);
    for (const RawMember& member : topLevel) {
        if (member.key == AnnotationsKey)
            annotationsText = member.value;
        else if (!isOwnTopLevelKey(member.key) && !sections.contains(member.key))
            sections.insert(member.key, member);
    }
    // A repeated key: the parser kept one of the values, the other would be lost.
    if (topLevel.size() != root.size())
        backupPending = true;

    const QJsonValue version = root.value(VersionKey);
    if (version.isDouble() && version.toDouble() >= FormatVersion + 1) {
        newerVersion = true;
    } else if (version.toDouble() != FormatVersion) {
        backupPending = true;
    }

    const QJsonValue fileHash = root.value(HashKey);
    if (!fileHash.isString() || !root.value(NameKey).isString())
        backupPending = true;
    if (fileHash.isString() && !fileHash.toString().isEmpty() && !hash.isEmpty()
        && fileHash.toString() != hash) {
        hashMismatch = true;
        backupPending = true; // the next save binds the notes to these contents
        Q_EMIT hashMismatchDetected();
    }

    const QJsonValue values = root.value(FormValuesKey);
    if (values.isObject()) {
        const QJsonObject object = values.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            // A value this version would write back otherwise is kept in the backup first.
            if (!it.value().isString() || it.value().toString().size() > MaxFormValueLength)
                backupPending = true;
            else
                fieldValues.insert(it.key(), it.value().toString());
        }
    } else if (!values.isUndefined()) {
        backupPending = true;
    }

    const QJsonValue annotations = root.value(AnnotationsKey);
    if (!annotations.isArray())
        backupPending = true; // missing, or something this version does not understand
    else
        loadEntries(annotations.toArray(), annotationsText);

    if (newerVersion) {
        readOnly = true;
        Q_EMIT readonlyFallback(Fallback::NewerVersion, {});
    }
}

void AnnotationStore::loadEntries(const QJsonArray& values, QByteArrayView text)
{
    const QList<QByteArrayView> raw = RawJson::elements(text);
    if (raw.size() != values.size()) { // cannot happen for text the parser accepted
        backupPending = true;
        return;
    }
    list.reserve(values.size());
    encoded.reserve(values.size());
    unknownKeys.reserve(values.size());
    QSet<QString> ids;
    ids.reserve(values.size());
    QString lastId;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QJsonValue value = values.at(i);
        Annotation a;
        QList<RawMember> unknown;
        bool whole = value.isObject() && fromJson(value.toObject(), &a, textSpace);
        if (whole) {
            qsizetype members = 0;
            unknown = RawJson::unknownMembers(raw.at(i), isAnnotationKey, &members);
            // A repeated key: the parser kept one of the values, the other would be lost.
            whole = members == value.toObject().size();
        }
        if (!whole) {
            unreadable.append({lastId, raw.at(i).toByteArray()});
            backupPending = true;
            continue;
        }
        // A repeated id would make the second annotation unreachable for editing and removal.
        if (a.id.isEmpty() || ids.contains(a.id)) {
            a.id = freshId();
            backupPending = true;
        }
        ids.insert(a.id);
        lastId = a.id;
        list.append(a);
        unknownKeys.append(unknown);
        encoded.append(encodeAt(list.size() - 1));
    }
}

QList<QByteArray> AnnotationStore::unreadableEntries() const
{
    QList<QByteArray> entries;
    for (const Unreadable& entry : unreadable)
        entries.append(entry.text);
    return entries;
}

QByteArray AnnotationStore::section(const QString& key) const
{
    return sections.value(key).value;
}

bool AnnotationStore::setSection(const QString& key, const QJsonValue& value)
{
    if (!bound || isOwnTopLevelKey(key))
        return false;
    if (value.isUndefined()) {
        sections.remove(key);
    } else {
        QByteArray compact = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        compact = compact.mid(1, compact.size() - 2); // the value without the brackets
        sections.insert(key, {key, RawJson::member(key, compact), compact});
    }
    saveChange();
    return true;
}

QStringList AnnotationStore::backupsOf(const QString& sidecarPath)
{
    const QFileInfo info(sidecarPath);
    const QRegularExpression pattern(QLatin1Char('^') + QRegularExpression::escape(info.fileName())
                                     + QLatin1String("\\.(\\d{8}-\\d{6})(?:-(\\d+))?\\.bak$"));
    struct Backup
    {
        QString stamp;
        int number;
        QString path;
    };
    QList<Backup> found;
    const QDir dir = info.absoluteDir();
    const QStringList names =
        dir.entryList({info.fileName() + QLatin1String(".*.bak")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (match.hasMatch())
            found.append({match.captured(1),
                          match.captured(2).isEmpty() ? 1 : match.captured(2).toInt(),
                          dir.filePath(name)});
    }
    std::sort(found.begin(), found.end(), [](const Backup& a, const Backup& b) {
        return a.stamp != b.stamp ? a.stamp < b.stamp : a.number < b.number;
    });
    QStringList paths;
    for (const Backup& b : std::as_const(found))
        paths.append(b.path);
    return paths;
}

bool AnnotationStore::keepUnreadableSidecar()
{
    if (!QFileInfo::exists(sidecar)) {
        backupPending = false; // gone meanwhile: nothing left to lose
        return true;
    }
    QFile source(sidecar);
    if (!source.open(QIODevice::ReadOnly)) {
        qCWarning(lcAnnotations) << "cannot read" << sidecar << source.errorString();
        return false;
    }

    // Each damaged sidecar gets a name of its own: a second one must not replace the first copy.
    const QString stem = sidecar + QLatin1Char('.')
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    // Numbered after the last copy of the same second, even when older ones were pruned.
    int number = 1;
    for (const QString& kept : backupsOf(sidecar)) {
        if (!kept.startsWith(stem))
            continue;
        const QString rest = kept.mid(stem.size()).chopped(4); // "" or "-n" before ".bak"
        number = qMax(number, rest.isEmpty() ? 2 : rest.mid(1).toInt() + 1);
    }
    QString target = stem + QLatin1String(".bak");
    if (number > 1)
        target = stem + QLatin1Char('-') + QString::number(number) + QLatin1String(".bak");
    for (; QFileInfo::exists(target); ++number)
        target = stem + QLatin1Char('-') + QString::number(number + 1) + QLatin1String(".bak");

    QSaveFile backup(target);
    if (!backup.open(QIODevice::WriteOnly)) {
        qCWarning(lcAnnotations) << "cannot write" << target << backup.errorString();
        return false;
    }
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (source.error() != QFileDevice::NoError || chunk.isEmpty()
            || backup.write(chunk) != chunk.size()) {
            backup.cancelWriting();
            return false;
        }
    }
    if (!commitSaveFile(backup))
        return false;
    backupPending = false;
    lastBackup = target;

    QStringList kept = backupsOf(sidecar);
    while (kept.size() > MaxBackups)
        QFile::remove(kept.takeFirst());
    return true;
}

bool AnnotationStore::refuseSave(Fallback reason, const QString& fileError)
{
    readOnly = true;
    Q_EMIT readonlyFallback(reason, fileError);
    return false;
}

bool AnnotationStore::prepareSave(QByteArray* json)
{
    if (!bound)
        return false;
    if (neverWrite)
        return refuseSave(*neverWrite);
    if (newerVersion)
        return refuseSave(Fallback::NewerVersion);
    if (QFileInfo(sidecar).isDir())
        return refuseSave(Fallback::FolderInTheWay);
    // Replacing the file now would destroy annotations that could not be read.
    if (backupPending && !keepUnreadableSidecar())
        return refuseSave(Fallback::BackupFailed);

    // The file is assembled from each annotation's encoding, made when it changed: a document
    // with 100,000 annotations is not converted again on every change. The entries this version
    // cannot read go back where they were, after the annotation they followed.
    qsizetype size = 128 + hash.size() + pdfPath.size() * 3;
    for (const QByteArray& bytes : std::as_const(encoded))
        size += bytes.size() + 1;
    for (const Unreadable& entry : std::as_const(unreadable))
        size += entry.text.size() + 1;
    QMultiHash<QString, QByteArray> following;
    for (const Unreadable& entry : std::as_const(unreadable))
        following.insert(entry.after, entry.text);
    QByteArray array;
    array.reserve(size);
    array += '[';
    const auto appendEntry = [&array](const QByteArray& entry) {
        if (array.size() > 1)
            array += ',';
        array += entry;
    };
    const auto appendFollowing = [&](const QString& id) {
        if (following.isEmpty())
            return;
        // QMultiHash gives the values of a key newest first.
        QList<QByteArray> entries = following.values(id);
        std::reverse(entries.begin(), entries.end());
        for (const QByteArray& entry : std::as_const(entries))
            appendEntry(entry);
    };
    appendFollowing(QString());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        appendEntry(encoded.at(i));
        appendFollowing(list.at(i).id);
    }
    array += ']';

    // Keys in alphabetical order, the sections of others among them.
    QList<std::pair<QString, QByteArray>> members;
    members.reserve(sections.size() + 4);
    members.append({AnnotationsKey, RawJson::member(AnnotationsKey, array)});
    QByteArray text;
    appendJsonString(text, hash);
    members.append({HashKey, RawJson::member(HashKey, text)});
    text.clear();
    appendJsonString(text, QFileInfo(pdfPath).fileName());
    members.append({NameKey, RawJson::member(NameKey, text)});
    members.append({VersionKey, RawJson::member(VersionKey, QByteArray::number(FormatVersion))});
    if (!fieldValues.isEmpty()) {
        QByteArray object = "{";
        for (auto it = fieldValues.cbegin(); it != fieldValues.cend(); ++it) {
            if (it != fieldValues.cbegin())
                object += ',';
            appendJsonString(object, it.key());
            object += ':';
            appendJsonString(object, it.value());
        }
        object += '}';
        members.append({FormValuesKey, RawJson::member(FormValuesKey, object)});
    }
    for (const RawMember& section : std::as_const(sections))
        members.append({section.key, section.text});
    std::sort(members.begin(), members.end(),
              [](const auto& x, const auto& y) { return x.first < y.first; });
    json->clear();
    json->reserve(size + 64);
    *json += '{';
    for (qsizetype i = 0; i < members.size(); ++i) {
        if (i > 0)
            *json += ',';
        *json += members.at(i).second;
    }
    *json += '}';
    return true;
}

AnnotationStore::WriteResult AnnotationStore::writeSidecar(const QString& path,
                                                           const QByteArray& bytes)
{
    WriteResult result;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo folder(QFileInfo(path).absolutePath());
        result.ok = false;
        result.folderUnusable = !folder.isDir() || !folder.isWritable();
        result.error = file.errorString();
        return result;
    }
    // A failed write or flush (a full disk) cancels the save: the previous file stays as it was.
    result.ok = writeAndCommit(file, bytes, &result.error);
    return result;
}

bool AnnotationStore::adoptWrite(const WriteResult& result)
{
    if (result.ok) {
        readOnly = false;
        return true;
    }
    if (result.folderUnusable)
        return refuseSave(Fallback::FolderNotWritable);
    return refuseSave(Fallback::WriteFailed, result.error);
}

bool AnnotationStore::save()
{
    waitForWrites(); // an older background write must not land after this one
    QByteArray json;
    if (!prepareSave(&json))
        return false;
    return adoptWrite(writeSidecar(sidecar, json));
}

void AnnotationStore::saveChange()
{
    if (!writer) {
        save();
        return;
    }
    QByteArray json;
    if (!prepareSave(&json))
        return;
    if (writing.isValid()) {
        // Supersedes any change still waiting: the newest bytes hold all of them.
        nextWrite = std::move(json);
        nextWritePending = true;
        return;
    }
    startWrite(std::move(json));
}

void AnnotationStore::startWrite(QByteArray json)
{
    writeGeneration.advance();
    written = std::make_shared<WriteResult>();
    // A write finished by waitForWrites() reports late; only the one in flight counts.
    writing = writer->postPending(PdfWorker::FilesLane, [self = QPointer<AnnotationStore>(this),
                                                         ticket = writeGeneration.ticket(),
                                                         path = sidecar, bytes = std::move(json),
                                                         result = written] {
        *result = writeSidecar(path, bytes);
        PdfWorker::replyTo<AnnotationStore>(self, ticket, [](AnnotationStore& store) {
            if (store.writing.isValid())
                store.finishWrite();
        });
    });
}

void AnnotationStore::finishWrite()
{
    writing.finish();
    writing = PendingJob();
    const bool more = std::exchange(nextWritePending, false);
    QByteArray next = std::exchange(nextWrite, QByteArray());
    adoptWrite(*std::exchange(written, nullptr));
    // A listener of the outcome may have changed the list again: its write holds everything.
    if (more && !writing.isValid())
        startWrite(std::move(next));
}

void AnnotationStore::waitForWrites()
{
    while (writing.isValid())
        finishWrite();
}

void AnnotationStore::setFormValue(const QString& field, const QString& value)
{
    if (!bound || field.isEmpty())
        return;
    QString kept = value.left(MaxFormValueLength);
    // Half a character would not survive the UTF-8 file.
    if (!kept.isEmpty() && kept.back().isHighSurrogate())
        kept.chop(1);
    const auto it = fieldValues.constFind(field);
    if (it != fieldValues.cend() && *it == kept)
        return;
    fieldValues.insert(field, kept);
    ++changes;
    saveChange();
    Q_EMIT formValuesChanged();
}

void AnnotationStore::clearFormValues()
{
    if (!bound || fieldValues.isEmpty())
        return;
    fieldValues.clear();
    ++changes;
    saveChange();
    Q_EMIT formValuesChanged();
}

QString AnnotationStore::add(const Annotation& annotation)
{
    if (!bound)
        return QString();
    Annotation a = annotation;
    a.id = freshId();
    a.created = QDateTime::currentSecsSinceEpoch();
    a.text = cutNoteText(a.text);
    list.append(a);
    unknownKeys.append(QList<RawMember>());
    encoded.append(encode(a, textSpace));
    ++changes;
    saveChange();
    Q_EMIT annotationAdded(a.id);
    return a.id;
}

void AnnotationStore::update(const Annotation& annotation)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        Annotation& a = list[i];
        if (a.id == annotation.id) {
            const bool anchorMoved = a.start != annotation.start || a.length != annotation.length;
            a = annotation;
            if (anchorMoved) {
                // What the other page text held there is no longer known.
                a.otherStart = -1;
                a.otherLength = 0;
            }
            a.text = cutNoteText(a.text);
            encoded[i] = encodeAt(i);
            ++changes;
            saveChange();
            Q_EMIT annotationUpdated(annotation.id);
            return;
        }
    }
}

void AnnotationStore::reanchor(const QList<Annotation>& anchored)
{
    QStringList changed;
    for (const Annotation& given : anchored) {
        for (qsizetype i = 0; i < list.size(); ++i) {
            Annotation& a = list[i];
            if (a.id != given.id)
                continue;
            a.start = given.start;
            a.length = given.length;
            a.quote = given.quote;
            encoded[i] = encodeAt(i);
            changed.append(a.id);
            break;
        }
    }
    if (changed.isEmpty())
        return;
    ++changes;
    saveChange();
    for (const QString& id : std::as_const(changed))
        Q_EMIT annotationUpdated(id);
}

void AnnotationStore::remove(const QString& id)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list.at(i).id == id) {
            // Unreadable entries that followed it now follow the one before it.
            const QString before = i > 0 ? list.at(i - 1).id : QString();
            for (Unreadable& entry : unreadable) {
                if (entry.after == id)
                    entry.after = before;
            }
            list.removeAt(i);
            unknownKeys.removeAt(i);
            encoded.removeAt(i);
            ++changes;
            saveChange();
            Q_EMIT annotationRemoved(id);
            return;
        }
    }
}

const Annotation* AnnotationStore::find(const QString& id) const
{
    for (const Annotation& a : list) {
        if (a.id == id)
            return &a;
    }
    return nullptr;
}

QList<Annotation> AnnotationStore::annotationsOnPage(int page) const
{
    QList<Annotation> result;
    for (const Annotation& a : list) {
        if (a.page == page)
            result.append(a);
    }
    return result;
}

AnnotationStore::ExportRefusal AnnotationStore::exportTargetRefusal(const QString& target,
                                                                    const QString& pdfPath)
{
    // Compared as files, not as spellings: a link, "..", a relative path or a hard link to the
    // source is the source. A file that does not exist yet never matches.
    if (isSameFile(target, pdfPath))
        return ExportRefusal::IsTheSource;
    if (isSameFile(target, sidecarPathFor(pdfPath)))
        return ExportRefusal::IsTheSidecar;
    return ExportRefusal::None;
}

AnnotationStore::ExportOutcome
AnnotationStore::exportSummary(const QString& filePath, const AnchoredText& anchoredText) const
{
    ExportOutcome outcome;
    if (!pdfPath.isEmpty()) {
        outcome.refusal = exportTargetRefusal(filePath, pdfPath);
        if (outcome.refusal != ExportRefusal::None)
            return outcome;
    }

    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        outcome.fileError = file.errorString();
        return outcome;
    }

    QString out = tr("Dovrix 批注汇总（共 %1 条）\n\n").arg(list.size());
    for (qsizetype i = 0; i < list.size(); ++i) {
        const Annotation& a = list.at(i);
        if (i == 0 || a.page != list.at(i - 1).page)
            out += tr("—— 第 %1 页 ——\n").arg(qint64(a.page) + 1);
        out += QLatin1Char('[') + typeName(a.type) + QLatin1String("] ");
        out += (a.byText && a.start >= 0) ? tr("文本锚定 ") : QStringLiteral("\u25A6 ");
        out += tr("(位置 p%1 x%2 y%3)")
                   .arg(QString::number(qint64(a.page) + 1), roundedPoint(a.rect.x()),
                        roundedPoint(a.rect.y()));
        const QString quoted =
            anchoredText && a.isTextAnchored() ? anchoredText(a).simplified() : QString();
        if (!quoted.isEmpty())
            out += QLatin1String("\n  ") + tr("「%1」").arg(quoted);
        if (!a.text.isEmpty())
            out += QLatin1String("\n  ") + a.text.simplified();
        out += QLatin1Char('\n');
    }
    out += QLatin1Char('\n');
    out += tr("注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。\n");

    if (!writeAndCommit(file, out.toUtf8(), &outcome.fileError) && outcome.fileError.isEmpty())
        outcome.fileError = file.errorString();
    return outcome;
}

} // namespace dovrix
