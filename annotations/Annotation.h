#pragma once

#include <QColor>
#include <QMetaType>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace dovrix {

// Kind of annotation. The values are stored in the sidecar file by name (typeName).
enum AnnotationType : int {
    Highlight = 0,
    Underline = 1,
    Strikethrough = 2,
    Note = 3,
    Rectangle = 4,
    Arrow = 5,
};

// Longest note text kept, in UTF-16 code units.
constexpr int MaxNoteLength = 2000;

// The colour of a new annotation and the first card swatch.
inline QColor defaultAnnotationColor()
{
    return QColor(255, 215, 106);
}

// One annotation of a document. Geometry is in page points of the unrotated page, origin at the
// top-left corner. A text-anchored annotation (byText, start >= 0, length > 0) follows the current
// character boxes of its characters; rect is then only the fallback.
struct Annotation
{
    QString id;           // lower-case UUID without braces; assigned by AnnotationStore::add
    int type = Highlight; // an AnnotationType value
    int page = 0;
    int start = -1; // first anchored character, -1 = not anchored
    int length = 0;
    QRectF rect; // for Note and Arrow: zero-sized, top-left = note position / arrow tail
    QPointF pt2; // arrow head; (0, 0) = not set
    QString text;
    QColor color = defaultAnnotationColor(); // opaque; the alpha is never stored
    bool byText = false;
    qint64 created = 0; // seconds since the Unix epoch (UTC)

    bool isTextAnchored() const { return byText && start >= 0 && length > 0; }

    friend bool operator==(const Annotation& a, const Annotation& b)
    {
        return a.id == b.id && a.type == b.type && a.page == b.page && a.start == b.start
               && a.length == b.length && a.rect == b.rect && a.pt2 == b.pt2 && a.text == b.text
               && a.color == b.color && a.byText == b.byText && a.created == b.created;
    }
    friend bool operator!=(const Annotation& a, const Annotation& b) { return !(a == b); }
};

// "highlight", "underline", "strikethrough", "note", "rectangle", "arrow"; any other value gives
// "highlight". Not translated: these names are stored in files.
QString typeName(int type);
// Case-sensitive inverse of typeName; any other string (also the empty one) gives Highlight.
AnnotationType typeFromName(const QString& name);

// The first MaxNoteLength code units of text, without a lone high surrogate at the cut (half a
// character would not survive the UTF-8 file).
QString cutNoteText(const QString& text);

} // namespace dovrix

Q_DECLARE_METATYPE(dovrix::Annotation)
