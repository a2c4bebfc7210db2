#include "annotations/RawJson.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace dovrix::RawJson {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

qsizetype skipSpace(QByteArrayView text, qsizetype at)
{
    while (at < text.size() && isSpace(text.at(at)))
        ++at;
    return at;
}

// The position just after the value that starts at at (which is not white space).
qsizetype skipValue(QByteArrayView text, qsizetype at)
{
    qsizetype depth = 0;
    bool inString = false;
    for (; at < text.size(); ++at) {
        const char c = text.at(at);
        if (inString) {
            if (c == '\\')
                ++at;
            else if (c == '"') {
                inString = false;
                if (depth == 0)
                    return at + 1;
            }
            continue;
        }
        switch (c) {
        case '"':
            inString = true;
            break;
        case '{':
        case '[':
            ++depth;
            break;
        case '}':
        case ']':
            if (depth == 0)
                return at; // the end of the enclosing container: a number or literal before it
            if (--depth == 0)
                return at + 1;
            break;
        case ',':
            if (depth == 0)
                return at;
            break;
        default:
            if (depth == 0 && isSpace(c))
                return at;
        }
    }
    return at;
}

QString decodeKey(QByteArrayView quoted)
{
    const QByteArrayView inner = quoted.sliced(1, quoted.size() - 2);
    if (!inner.contains('\\'))
        return QString::fromUtf8(inner);
    const QJsonDocument document = QJsonDocument::fromJson('[' + quoted.toByteArray() + ']');
    return document.array().at(0).toString();
}

// Calls visit(start, end) for each value of the container text (an object when members).
template <typename Visit> bool eachItem(QByteArrayView text, char open, Visit visit)
{
    qsizetype at = skipSpace(text, 0);
    if (at >= text.size() || text.at(at) != open)
        return false;
    at = skipSpace(text, at + 1);
    while (at < text.size() && text.at(at) != (open == '{' ? '}' : ']')) {
        const qsizetype end = skipValue(text, at);
        if (end <= at)
            return false;
        visit(at, end);
        at = skipSpace(text, end);
        if (at < text.size() && text.at(at) == ',')
            at = skipSpace(text, at + 1);
    }
    return true;
}

} // namespace

QList<Member> members(QByteArrayView text)
{
    qsizetype count = 0;
    return unknownMembers(
        text, [](QByteArrayView) { return false; }, &count);
}

QList<Member> unknownMembers(QByteArrayView text, bool (*isKnown)(QByteArrayView), qsizetype* count)
{
    *count = 0;
    QList<Member> found;
    qsizetype at = skipSpace(text, 0);
    if (at >= text.size() || text.at(at) != '{')
        return found;
    at = skipSpace(text, at + 1);
    while (at < text.size() && text.at(at) == '"') {
        const qsizetype keyEnd = skipValue(text, at);
        qsizetype valueStart = skipSpace(text, keyEnd);
        if (valueStart >= text.size() || text.at(valueStart) != ':')
            break;
        valueStart = skipSpace(text, valueStart + 1);
        const qsizetype valueEnd = skipValue(text, valueStart);
        ++*count;
        const QByteArrayView quoted = text.sliced(at, keyEnd - at);
        const QByteArrayView inner = quoted.sliced(1, quoted.size() - 2);
        // An escaped spelling is judged by what it spells.
        const bool known =
            inner.contains('\\') ? isKnown(decodeKey(quoted).toUtf8()) : isKnown(inner);
        if (!known)
            found.append({decodeKey(quoted), text.sliced(at, valueEnd - at).toByteArray(),
                          text.sliced(valueStart, valueEnd - valueStart).toByteArray()});
        at = skipSpace(text, valueEnd);
        if (at < text.size() && text.at(at) == ',')
            at = skipSpace(text, at + 1);
    }
    return found;
}

QList<QByteArrayView> elements(QByteArrayView text)
{
    QList<QByteArrayView> found;
    eachItem(text, '[', [&](qsizetype start, qsizetype end) {
        found.append(text.sliced(start, end - start));
    });
    return found;
}

QByteArray member(const QString& key, QByteArrayView value)
{
    QByteArray out;
    appendString(out, key);
    out += ':';
    out += value;
    return out;
}

void appendString(QByteArray& out, const QString& text)
{
    out += '"';
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (uchar(c) < 0x20 || c == 0x7f) {
                out += "\\u00";
                out += "0123456789abcdef"[uchar(c) >> 4];
                out += "0123456789abcdef"[uchar(c) & 0xf];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

} // namespace dovrix::RawJson
