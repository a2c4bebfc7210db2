#include "annotations/Annotation.h"

#include <QStringList>

namespace dovrix {

namespace {

const char* const typeNames[] = {"highlight", "underline", "strikethrough",
                                 "note",      "rectangle", "arrow"};

} // namespace

QString typeName(int type)
{
    if (type < Highlight || type > Arrow)
        type = Highlight;
    return QLatin1String(typeNames[type]);
}

AnnotationType typeFromName(const QString& name)
{
    for (int t = Highlight; t <= Arrow; ++t) {
        if (name == QLatin1String(typeNames[t]))
            return AnnotationType(t);
    }
    return Highlight;
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

} // namespace dovrix
