#include "core/BookmarkStore.h"

#include "settings/AppSettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace dovrix {

BookmarkStore::BookmarkStore(AppSettings* settings, QObject* parent)
    : QObject(parent), settings(settings)
{
}

void BookmarkStore::setDocumentKey(const QString& newKey)
{
    if (newKey == key)
        return;
    key = newKey;
    list = decode(settings->bookmarks(key));
    Q_EMIT bookmarksChanged();
}

void BookmarkStore::add(const Bookmark& bookmark)
{
    list.append(bookmark);
    write();
}

bool BookmarkStore::rename(int index, const QString& name)
{
    if (index < 0 || index >= list.size() || name.trimmed().isEmpty())
        return false;
    list[index].name = name.trimmed();
    write();
    return true;
}

bool BookmarkStore::remove(int index)
{
    if (index < 0 || index >= list.size())
        return false;
    list.removeAt(index);
    write();
    return true;
}

void BookmarkStore::write()
{
    // Private mode is read at write time, like the reading progress.
    if (!key.isEmpty() && !settings->privateMode())
        settings->saveBookmarks(key, list.isEmpty() ? QByteArray() : encode(list));
    Q_EMIT bookmarksChanged();
}

QByteArray BookmarkStore::encode(const QList<Bookmark>& bookmarks)
{
    QJsonArray array;
    for (const Bookmark& bookmark : bookmarks) {
        array.append(QJsonObject{{QStringLiteral("name"), bookmark.name},
                                 {QStringLiteral("page"), bookmark.page},
                                 {QStringLiteral("top"), bookmark.topPt},
                                 {QStringLiteral("zoom"), bookmark.zoom}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

QList<Bookmark> BookmarkStore::decode(const QByteArray& encoded)
{
    QList<Bookmark> bookmarks;
    const QJsonArray array = QJsonDocument::fromJson(encoded).array();
    for (const QJsonValue& value : array) {
        const QJsonObject object = value.toObject();
        Bookmark bookmark;
        bookmark.name = object.value(QStringLiteral("name")).toString().trimmed();
        bookmark.page = object.value(QStringLiteral("page")).toInt(-1);
        bookmark.topPt = object.value(QStringLiteral("top")).toDouble();
        bookmark.zoom = object.value(QStringLiteral("zoom")).toDouble(1.0);
        if (!bookmark.name.isEmpty() && bookmark.page >= 0)
            bookmarks.append(bookmark);
    }
    return bookmarks;
}

} // namespace dovrix
