#pragma once

#include "annotations/AnnotationType.h"

#include <QColor>
#include <QMetaType>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace dovrix {

class TextLayoutStore;

// Longest note text kept, in UTF-16 code units.
constexpr int MaxNoteLength = 2000;

// The colour of a new annotation and the first card swatch.
inline QColor defaultAnnotationColor()
{
    return QColor(DefaultAnnotationRgb);
}

// Whose page text the character indices of text-anchored annotations count: Qt PDF's (the indices
// older versions of the program stored) or MuPDF's. The two number the characters of one page
// differently.
enum class TextSpace { QtPdf, MuPdf };

// One annotation of a document. Geometry is in page points of the unrotated page, origin at the
// top-left corner. A text-anchored annotation (byText, start >= 0, length > 0) follows the current
// character boxes of its characters; rect is then only the fallback.
struct Annotation
{
    QString id; // lower-case UUID without braces; assigned by AnnotationStore::add
    AnnotationType type = AnnotationType::Highlight;
    int page = 0;
    int start = -1; // first anchored character, -1 = not anchored
    int length = 0;
    QRectF rect; // for Note and Arrow: zero-sized, top-left = note position / arrow tail
    QPointF pt2; // arrow head; (0, 0) = not set
    QString text;
    QColor color = defaultAnnotationColor(); // opaque; the alpha is never stored
    bool byText = false;
    qint64 created = 0; // seconds since the Unix epoch (UTC)
    // The anchor in the page text of the other text space than the store's, kept as read so that
    // saving keeps it for the program reading that one; -1 when not known.
    int otherStart = -1;
    int otherLength = 0;
    // The anchored characters as the page text gave them when the anchor was made; empty when
    // not known. Lets the anchor be found again in another page text.
    QString quote;

    bool isTextAnchored() const { return byText && start >= 0 && length > 0; }

    friend bool operator==(const Annotation& a, const Annotation& b)
    {
        return a.id == b.id && a.type == b.type && a.page == b.page && a.start == b.start
               && a.length == b.length && a.rect == b.rect && a.pt2 == b.pt2 && a.text == b.text
               && a.color == b.color && a.byText == b.byText && a.created == b.created
               && a.otherStart == b.otherStart && a.otherLength == b.otherLength
               && a.quote == b.quote;
    }
    friend bool operator!=(const Annotation& a, const Annotation& b) { return !(a == b); }
};

// The first MaxNoteLength code units of text, without a lone high surrogate at the cut (half a
// character would not survive the UTF-8 file).
QString cutNoteText(const QString& text);

// The text annotation a is anchored to, at most maxLength characters (-1: all) with white space
// simplified; empty when a is not text-anchored or the page text is not known yet.
QString anchoredText(const TextLayoutStore* textStore, const Annotation& a, int maxLength = -1);

} // namespace dovrix

Q_DECLARE_METATYPE(dovrix::Annotation)
