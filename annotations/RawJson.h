#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace dovrix {

// The byte spans of JSON text, so that parts a reader does not understand can be written back
// exactly as they were (no number reformatted, no escape spelled otherwise). The text must be
// valid JSON already (checked by QJsonDocument): these functions only find where things are.
namespace RawJson {

// One member of an object: its key as decoded, the member as written ("key": value, without the
// separating comma) and its value alone.
struct Member
{
    QString key;
    QByteArray text;
    QByteArray value;
};

// The members of the object text, in file order (repeated keys included); empty when text is not
// an object.
QList<Member> members(QByteArrayView text);
// The members of the object text whose keys isKnown does not accept (it sees the key as written,
// between the quotes), and in count the number of all members: the cheap way to find what a
// reader left out.
QList<Member> unknownMembers(QByteArrayView text, bool (*isKnown)(QByteArrayView),
                             qsizetype* count);
// The elements of the array text, in order; empty when text is not an array.
QList<QByteArrayView> elements(QByteArrayView text);
// A member written from its key and compact JSON value.
QByteArray member(const QString& key, QByteArrayView value);
// Appends text as a JSON string: UTF-8, with quotes, backslashes and every control character
// escaped, so that any strict JSON reader accepts it.
void appendString(QByteArray& out, const QString& text);

} // namespace RawJson

} // namespace dovrix
