#include "annotations/AnnotatedCopy.h"

#include "annotations/AnnotationPainter.h"

#include <QDateTime>

#include <algorithm>

namespace dovrix {

namespace {

bool sameLine(const QRectF& a, const QRectF& b)
{
    const double overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
    return overlap >= 0.5 * std::min(a.height(), b.height());
}

CopyMark::Kind kindOf(AnnotationType type)
{
    switch (type) {
    case AnnotationType::Highlight:
        return CopyMark::Kind::Highlight;
    case AnnotationType::Underline:
        return CopyMark::Kind::Underline;
    case AnnotationType::Strikethrough:
        return CopyMark::Kind::StrikeOut;
    case AnnotationType::Note:
        return CopyMark::Kind::Note;
    case AnnotationType::Rectangle:
        return CopyMark::Kind::Square;
    case AnnotationType::Arrow:
        return CopyMark::Kind::Line;
    }
    return CopyMark::Kind::Highlight;
}

} // namespace

QList<QRectF> markedLines(const QList<QRectF>& charBoxes, int start, int length)
{
    QList<QRectF> lines;
    const qsizetype end = std::min<qsizetype>(charBoxes.size(), qsizetype(start) + length);
    for (qsizetype i = std::max(start, 0); i < end; ++i) {
        const QRectF& box = charBoxes.at(i);
        if (box.isNull())
            continue;
        if (!lines.isEmpty() && sameLine(lines.last(), box))
            lines.last() = lines.last().united(box);
        else
            lines.append(box);
    }
    return lines;
}

QList<CopyMark> copyMarks(const QList<Annotation>& annotations,
                          const std::function<QList<QRectF>(int page)>& charBoxesOf)
{
    QList<CopyMark> marks;
    marks.reserve(annotations.size());
    for (const Annotation& a : annotations) {
        CopyMark mark;
        mark.kind = kindOf(a.type);
        mark.page = a.page;
        mark.rect = a.rect;
        if (annotationTypeInfo(a.type).marksText() && a.isTextAnchored() && charBoxesOf)
            mark.lines = markedLines(charBoxesOf(a.page), a.start, a.length);
        if (a.type == AnnotationType::Arrow) {
            mark.lineStart = a.rect.topLeft();
            mark.lineEnd = arrowHeadPt(a, a.rect);
        }
        mark.color = a.color;
        mark.contents = a.text;
        if (a.created > 0)
            mark.created = QDateTime::fromSecsSinceEpoch(a.created, Qt::UTC);
        mark.name = a.id;
        marks.append(mark);
    }
    return marks;
}

} // namespace dovrix
