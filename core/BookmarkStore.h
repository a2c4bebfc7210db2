#pragma once

#include "core/PageUnits.h"

#include <QList>
#include <QObject>
#include <QString>

namespace dovrix {

class AppSettings;

// A named place in a document: the page and the page point at the top of the view (points), and
// the zoom it was seen at.
struct Bookmark
{
    QString name;
    int page = 0;
    double topPt = 0.0;
    double zoom = 1.0;

    friend bool operator==(const Bookmark& a, const Bookmark& b)
    {
        return a.name == b.name && a.page == b.page && qFuzzyCompare(a.topPt + 1, b.topPt + 1)
               && sameZoom(a.zoom, b.zoom);
    }
};

// The user's named bookmarks of one document, stored in the settings under the document's
// content hash (its sourceHash) like the reading progress, so that a copy or a renamed file keeps
// them. Every change is written at once; in private mode nothing is written and the list lives
// only as long as the store. GUI thread only.
class BookmarkStore : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(BookmarkStore)

public:
    // settings is not owned and must outlive this object.
    explicit BookmarkStore(AppSettings* settings, QObject* parent = nullptr);

    // Loads the bookmarks stored for key (empty = none). The same key again keeps the list.
    void setDocumentKey(const QString& key);
    QString documentKey() const { return key; }

    const QList<Bookmark>& bookmarks() const { return list; }
    // Appends the bookmark; the caller has chosen its name.
    void add(const Bookmark& bookmark);
    // False for an index out of range or a blank name.
    bool rename(int index, const QString& name);
    bool remove(int index);

    // The stored form: a JSON array of {name, page, top, zoom}. decode skips entries without a
    // name or with a negative page, and gives an empty list for anything that is not such an array.
    static QByteArray encode(const QList<Bookmark>& bookmarks);
    static QList<Bookmark> decode(const QByteArray& encoded);

Q_SIGNALS:
    void bookmarksChanged();

private:
    void write();

    AppSettings* settings;
    QString key;
    QList<Bookmark> list;
};

} // namespace dovrix
