#include "annotations/Annotation.h"

#include "text/TextLayoutStore.h"

#include <QCoreApplication>

namespace dovrix {

const AnnotationTypeInfo& annotationTypeInfo(AnnotationType type)
{
    for (const AnnotationTypeInfo& info : annotationTypes) {
        if (info.type == type)
            return info;
    }
    return annotationTypes[0];
}

QString typeName(AnnotationType type)
{
    return QLatin1String(annotationTypeInfo(type).name);
}

AnnotationType typeFromName(const QString& name)
{
    for (const AnnotationTypeInfo& info : annotationTypes) {
        if (name == QLatin1String(info.name))
            return info.type;
    }
    return AnnotationType::Highlight;
}

QString typeLabel(AnnotationType type)
{
    return QCoreApplication::translate("dovrix::AnnotationCard", annotationTypeInfo(type).label);
}

QString cutNoteText(const QString& text)
{
    if (text.size() <= MaxNoteLength)
        return text;
    int n = MaxNoteLength;
    if (text.at(n - 1).isHighSurrogate() && text.at(n).isLowSurrogate())
        --n;
    return text.left(n);
}

QString anchoredText(const TextLayoutStore* textStore, const Annotation& a, int maxLength)
{
    if (!a.isTextAnchored() || !textStore || !textStore->hasPageText(a.page))
        return {};
    const int length = maxLength < 0 ? a.length : qMin(a.length, maxLength);
    return textStore->pageText(a.page).mid(a.start, length).simplified();
}

} // namespace dovrix
