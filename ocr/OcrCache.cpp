#include "ocr/OcrCache.h"

#include "ocr/OcrLog.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace dovrix::OcrCache {

namespace {

const QLatin1String Format("dovrix-ocr");
// 2: line boxes hold the rows of their own text, not the detected box.
constexpr int Version = 2;
constexpr qint64 MaxFileBytes = 256 * 1024 * 1024;
// A long line written out (box, text, score, direction), generously.
constexpr qint64 MaxLineBytes = 512;

bool isSourceHash(const QString& hash)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-f]{64}$"));
    return pattern.match(hash).hasMatch();
}

// The stored names of OcrTextDirection, in its order.
const QStringList Directions = {QStringLiteral("leftToRight"), QStringLiteral("rightToLeft"),
                                QStringLiteral("topToBottom"), QStringLiteral("bottomToTop")};

bool finiteNumber(const QJsonValue& value)
{
    return value.isDouble() && std::isfinite(value.toDouble());
}

bool parseLine(const QJsonValue& value, OcrLine* line)
{
    const QJsonObject object = value.toObject();
    const QJsonArray box = object.value(QLatin1String("box")).toArray();
    const QJsonValue text = object.value(QLatin1String("text"));
    const QJsonValue score = object.value(QLatin1String("score"));
    if (!value.isObject() || box.size() != 4 || !text.isString() || !finiteNumber(score))
        return false;
    for (const QJsonValue& number : box) {
        if (!finiteNumber(number))
            return false;
    }
    line->box = QRectF(box.at(0).toDouble(), box.at(1).toDouble(), box.at(2).toDouble(),
                       box.at(3).toDouble());
    line->text = text.toString();
    line->score = float(score.toDouble());
    const QJsonValue direction = object.value(QLatin1String("direction"));
    if (!direction.isUndefined()) {
        const qsizetype known = Directions.indexOf(direction.toString());
        if (known < 1) // left to right is written by leaving the key out
            return false;
        line->direction = OcrTextDirection(known);
    }
    return line->box.width() >= 0 && line->box.height() >= 0 && !line->text.simplified().isEmpty()
           && line->score >= 0 && line->score <= 1;
}

} // namespace

qint64 maxFileBytes(int pageCount)
{
    return std::min(MaxFileBytes,
                    4096 + qint64(std::max(pageCount, 0)) * MaxLinesPerPage * MaxLineBytes);
}

QString directory()
{
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
                           + QStringLiteral("/ocr"));
}

QString filePath(const QString& sourceHash)
{
    if (!isSourceHash(sourceHash))
        return {};
    return directory() + QLatin1Char('/') + sourceHash + QStringLiteral(".json");
}

QByteArray serialize(const QString& sourceHash, const QHash<int, OcrPageText>& pages)
{
    QList<int> order = pages.keys();
    std::sort(order.begin(), order.end());
    QJsonArray pageArray;
    for (int page : order) {
        QJsonArray lines;
        for (const OcrLine& line : pages.value(page).lines) {
            QJsonObject object{
                {QStringLiteral("box"),
                 QJsonArray{line.box.x(), line.box.y(), line.box.width(), line.box.height()}},
                {QStringLiteral("text"), line.text},
                {QStringLiteral("score"), double(line.score)}};
            if (line.direction != OcrTextDirection::LeftToRight)
                object.insert(QStringLiteral("direction"), Directions.at(int(line.direction)));
            lines.append(object);
        }
        pageArray.append(
            QJsonObject{{QStringLiteral("page"), page}, {QStringLiteral("lines"), lines}});
    }
    const QJsonObject root{{QStringLiteral("format"), Format},
                           {QStringLiteral("version"), Version},
                           {QStringLiteral("sourceHash"), sourceHash},
                           {QStringLiteral("pages"), pageArray}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

bool parse(const QByteArray& json, const QString& sourceHash, int pageCount,
           QHash<int, OcrPageText>* pages)
{
    // Each line has one "box" and each page one "page": too many lines in all, or between two
    // pages, and the file is refused before the parser builds it in memory.
    qint64 lines = 0, linesOfPage = 0;
    for (qsizetype at = json.indexOf('"'); at >= 0; at = json.indexOf('"', at + 1)) {
        const QByteArrayView rest = QByteArrayView(json).sliced(at);
        if (rest.startsWith("\"box\"")) {
            if (++lines > qint64(std::max(pageCount, 0)) * MaxLinesPerPage
                || ++linesOfPage > MaxLinesPerPage)
                return false;
        } else if (rest.startsWith("\"page\"")) {
            linesOfPage = 0;
        }
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != Format
        || root.value(QLatin1String("version")).toInt(-1) != Version
        || root.value(QLatin1String("sourceHash")).toString() != sourceHash
        || !root.value(QLatin1String("pages")).isArray())
        return false;
    QHash<int, OcrPageText> read;
    QSet<int> seen;
    for (const QJsonValue& entry : root.value(QLatin1String("pages")).toArray()) {
        const QJsonObject object = entry.toObject();
        const QJsonValue page = object.value(QLatin1String("page"));
        const QJsonValue lines = object.value(QLatin1String("lines"));
        if (!entry.isObject() || !page.isDouble() || !lines.isArray())
            return false;
        const double index = page.toDouble();
        if (index != std::floor(index) || index < 0 || index > 1e9)
            return false;
        const QJsonArray lineArray = lines.toArray();
        if (lineArray.size() > MaxLinesPerPage || seen.contains(int(index)))
            return false;
        seen.insert(int(index));
        QList<OcrLine> pageLines;
        pageLines.reserve(lineArray.size());
        for (const QJsonValue& value : lineArray) {
            OcrLine line;
            if (!parseLine(value, &line))
                return false;
            pageLines.append(line);
        }
        if (index < pageCount)
            read.insert(int(index), OcrPageText::fromLines(pageLines));
    }
    *pages = read;
    return true;
}

bool load(const QString& sourceHash, int pageCount, QHash<int, OcrPageText>* pages)
{
    const QString path = filePath(sourceHash);
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.exists())
        return false; // nothing kept for this document
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxFileBytes(pageCount)) {
        qCWarning(lcOcr) << "cannot read the kept results" << path << file.errorString();
        return false;
    }
    return parse(file.readAll(), sourceHash, pageCount, pages);
}

bool save(const QString& sourceHash, const QHash<int, OcrPageText>& pages)
{
    const QString path = filePath(sourceHash);
    if (path.isEmpty() || !QDir().mkpath(directory()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = serialize(sourceHash, pages);
    // A failed write must not replace the old file (commit() would rename even then).
    if (file.write(bytes) != bytes.size()) {
        qCWarning(lcOcr) << "cannot keep the results in" << path << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qCWarning(lcOcr) << "cannot keep the results in" << path << file.errorString();
        return false;
    }
    return true;
}

} // namespace dovrix::OcrCache
