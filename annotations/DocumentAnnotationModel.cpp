#include "annotations/DocumentAnnotationModel.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>

namespace dovrix {

namespace {

struct Kind
{
    const char* subtype;
    const char* label; // null: the label of our own kind
    std::optional<AnnotationType> own;
};

// The kinds a document may carry, with our kind for each where we have one.
const Kind kinds[] = {
    {"Text", nullptr, AnnotationType::Note},
    {"FreeText", QT_TRANSLATE_NOOP("dovrix::DocumentAnnotationModel", "文字框"),
     AnnotationType::Note},
    {"Highlight", nullptr, AnnotationType::Highlight},
    {"Underline", nullptr, AnnotationType::Underline},
    {"Squiggly", QT_TRANSLATE_NOOP("dovrix::DocumentAnnotationModel", "波浪线"),
     AnnotationType::Underline},
    {"StrikeOut", nullptr, AnnotationType::Strikethrough},
    {"Square", nullptr, AnnotationType::Rectangle},
    {"Line", QT_TRANSLATE_NOOP("dovrix::DocumentAnnotationModel", "直线"), AnnotationType::Arrow},
    {"Circle", QT_TRANSLATE_NOOP("dovrix::DocumentAnnotationModel", "椭圆"), std::nullopt},
    {"Ink", QT_TRANSLATE_NOOP("dovrix::DocumentAnnotationModel", "手绘"), std::nullopt},
    {"Polygon", QT_TRANSLATE_NOOP("dovrix::DocumentAnnotationModel", "多边形"), std::nullopt},
    {"PolyLine", QT_TRANSLATE_NOOP("dovrix::DocumentAnnotationModel", "折线"), std::nullopt},
    {"Stamp", QT_TRANSLATE_NOOP("dovrix::DocumentAnnotationModel", "图章"), std::nullopt},
    {"Caret", QT_TRANSLATE_NOOP("dovrix::DocumentAnnotationModel", "插入符"), std::nullopt},
    {"FileAttachment", QT_TRANSLATE_NOOP("dovrix::DocumentAnnotationModel", "文件附件"),
     std::nullopt},
};

const Kind* kindOf(const QString& subtype)
{
    for (const Kind& k : kinds)
        if (subtype == QLatin1String(k.subtype))
            return &k;
    return nullptr;
}

// Row identity for the view: the annotation's index plus one (0 is the invisible root).
quintptr idOf(int annotation)
{
    return quintptr(annotation) + 1;
}

} // namespace

std::optional<AnnotationType> ownTypeFor(const QString& subtype)
{
    const Kind* k = kindOf(subtype);
    return k ? k->own : std::nullopt;
}

std::optional<Annotation> copiedAnnotation(const DocumentAnnotation& source)
{
    const std::optional<AnnotationType> type = ownTypeFor(source.subtype);
    if (!type)
        return std::nullopt;
    Annotation a;
    a.type = *type;
    a.page = source.page;
    a.text = cutNoteText(source.contents);
    a.color = QColor::fromRgb(source.argb ? source.argb : annotationTypeInfo(a.type).newColor);
    a.color.setAlpha(255);
    QRectF marked;
    for (const QRectF& quad : source.quads)
        marked = marked.united(quad);
    switch (annotationTypeInfo(a.type).shape) {
    case AnnotationShape::TextMarks:
        a.rect = marked.isValid() ? marked : source.rect;
        break;
    case AnnotationShape::Box:
        a.rect = source.rect;
        break;
    case AnnotationShape::Point:
        a.rect = QRectF(source.rect.center(), QSizeF(0, 0));
        break;
    case AnnotationShape::Line:
        if (source.line.isNull())
            return std::nullopt;
        a.rect = QRectF(source.line.p1(), QSizeF(0, 0));
        a.pt2 = source.line.p2();
        break;
    }
    return a;
}

DocumentAnnotationModel::DocumentAnnotationModel(QObject* parent) : QAbstractItemModel(parent)
{
}

void DocumentAnnotationModel::setAnnotations(const QList<DocumentAnnotation>& annotations)
{
    beginResetModel();
    list = annotations;
    const int n = int(list.size());
    parentOf = QList<int>(n, -1);
    rowInParent = QList<int>(n, 0);
    children = QList<QList<int>>(n);
    topLevel.clear();
    QHash<int, int> byObject;
    for (int i = 0; i < n; ++i)
        if (list.at(i).object > 0)
            byObject.insert(list.at(i).object, i);
    for (int i = 0; i < n; ++i) {
        int parent = byObject.value(list.at(i).inReplyTo, -1);
        // A reply chain that loops (a hostile file) is cut where it would come round.
        for (int up = parent, steps = 0; up >= 0 && steps <= n; ++steps) {
            if (up == i) {
                parent = -1;
                break;
            }
            up = byObject.value(list.at(up).inReplyTo, -1);
        }
        if (parent == i)
            parent = -1;
        parentOf[i] = parent;
        QList<int>& siblings = parent < 0 ? topLevel : children[parent];
        rowInParent[i] = int(siblings.size());
        siblings.append(i);
    }
    endResetModel();
}

const DocumentAnnotation* DocumentAnnotationModel::annotationAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return nullptr;
    const qsizetype i = qsizetype(index.internalId()) - 1;
    return i >= 0 && i < list.size() ? &list.at(i) : nullptr;
}

void DocumentAnnotationModel::textsChanged()
{
    if (!topLevel.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(int(topLevel.size()) - 1, 0));
}

QModelIndex DocumentAnnotationModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return {};
    const QList<int>* rows = &topLevel;
    if (parent.isValid()) {
        const qsizetype p = qsizetype(parent.internalId()) - 1;
        if (p < 0 || p >= children.size())
            return {};
        rows = &children.at(p);
    }
    return row < rows->size() ? createIndex(row, 0, idOf(rows->at(row))) : QModelIndex();
}

QModelIndex DocumentAnnotationModel::parent(const QModelIndex& child) const
{
    const qsizetype i = child.isValid() ? qsizetype(child.internalId()) - 1 : -1;
    if (i < 0 || i >= parentOf.size() || parentOf.at(i) < 0)
        return {};
    const int p = parentOf.at(i);
    return createIndex(rowInParent.at(p), 0, idOf(p));
}

int DocumentAnnotationModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return int(topLevel.size());
    const qsizetype p = qsizetype(parent.internalId()) - 1;
    return p >= 0 && p < children.size() ? int(children.at(p).size()) : 0;
}

int DocumentAnnotationModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QString DocumentAnnotationModel::kindLabel(const QString& subtype)
{
    const Kind* k = kindOf(subtype);
    if (!k)
        return subtype;
    return k->label ? QCoreApplication::translate("dovrix::DocumentAnnotationModel", k->label)
                    : typeLabel(*k->own);
}

QString DocumentAnnotationModel::rowText(const DocumentAnnotation& a)
{
    QString head = kindLabel(a.subtype);
    if (!a.author.isEmpty())
        head += QStringLiteral(" · ") + a.author;
    head += QStringLiteral(" · ")
            + QCoreApplication::translate("dovrix::DocumentAnnotationModel", "第 %1 页")
                  .arg(a.page + 1);
    const QString firstLine = a.contents.section(QLatin1Char('\n'), 0, 0).simplified();
    return firstLine.isEmpty() ? head : head + QLatin1Char('\n') + firstLine.left(160);
}

QVariant DocumentAnnotationModel::data(const QModelIndex& index, int role) const
{
    const DocumentAnnotation* a = annotationAt(index);
    if (!a)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return rowText(*a);
    case Qt::ToolTipRole: {
        QString tip = kindLabel(a->subtype);
        if (a->modified.isValid())
            tip += QStringLiteral(" · ")
                   + QLocale().toString(a->modified.toLocalTime(), QLocale::ShortFormat);
        if (!a->contents.isEmpty())
            tip += QLatin1Char('\n') + a->contents.left(2000);
        return tip;
    }
    case AnnotationRole:
        return int(index.internalId()) - 1;
    default:
        return {};
    }
}

} // namespace dovrix
