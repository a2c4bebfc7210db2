#pragma once

#include "annotations/Annotation.h"
#include "engine/DocumentInside.h"

#include <QAbstractItemModel>
#include <QList>

#include <optional>

namespace dovrix {

// The kind of our own annotation a document annotation becomes when the user copies it to their
// notes; none when we have no kind for it (ink, stamps, circles, ...).
std::optional<AnnotationType> ownTypeFor(const QString& subtype);
// One of ours made from a document annotation: same kind, same place, its text as the note;
// none when ownTypeFor has no kind for it. The id and creation time are the store's to give.
std::optional<Annotation> copiedAnnotation(const DocumentAnnotation& source);

// The annotations the document carries itself, read-only, as a tree: replies (/IRT) under the
// annotation they answer, everything else at the top in page order. Row texts are made when the
// view asks, so that 10,000 annotations cost only the rows on screen.
class DocumentAnnotationModel : public QAbstractItemModel
{
    Q_OBJECT
    Q_DISABLE_COPY(DocumentAnnotationModel)

public:
    // The index into annotations() of a row.
    static constexpr int AnnotationRole = Qt::UserRole + 1;

    explicit DocumentAnnotationModel(QObject* parent = nullptr);

    void setAnnotations(const QList<DocumentAnnotation>& list);
    const QList<DocumentAnnotation>& annotations() const { return list; }
    // The annotation of a row, or null.
    const DocumentAnnotation* annotationAt(const QModelIndex& index) const;
    // Texts changed (language): repaint every row.
    void textsChanged();

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The row text: the kind, author and page, then the contents' first line.
    static QString rowText(const DocumentAnnotation& a);
    // The kind's name in the interface language ("便签" for /Text, ...).
    static QString kindLabel(const QString& subtype);

private:
    QList<DocumentAnnotation> list;
    QList<int> parentOf;        // per annotation: the index of its parent row; -1 at the top
    QList<int> rowInParent;     // per annotation: its row under its parent
    QList<QList<int>> children; // per annotation: its replies
    QList<int> topLevel;
};

} // namespace dovrix
