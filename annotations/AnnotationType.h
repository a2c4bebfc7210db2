#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <iterator>

namespace dovrix {

// Kind of annotation. Sidecar files and the summary store it by name (typeName), never by value.
// A new kind is one enumerator here, one row in annotationTypes below and, when it draws
// differently from the others, one branch in AnnotationPainter.
enum class AnnotationType : int {
    Highlight = 0,
    Underline = 1,
    Strikethrough = 2,
    Note = 3,
    Rectangle = 4,
    Arrow = 5,
};

// Where an annotation sits on its page: what a drag with its tool makes, what a click on the
// page finds, how the drag is previewed and where its note bubble goes.
enum class AnnotationShape {
    TextMarks, // over the text dragged across, anchored to its characters (else the rectangle)
    Box,       // the dragged rectangle
    Point,     // a round marker at the end of the drag; rect is zero-sized at its centre
    Line,      // from the drag's start (the rectangle's top-left) to its end (pt2)
};

struct AnnotationTypeInfo
{
    AnnotationType type;
    const char* name;     // stored in sidecar files and the summary; never translated
    const char* label;    // the type's name shown to the user (AnnotationCard's context)
    const char* toolText; // the tool's text with its shortcut (MainWindow's context)
    const char* toolName; // object name of the tool's action
    const char* shortcut; // the tool's key
    AnnotationShape shape;
    QRgb newColor; // colour of an annotation the tool draws

    bool marksText() const { return shape == AnnotationShape::TextMarks; }
};

// The colour of a new annotation and the first card swatch.
constexpr QRgb DefaultAnnotationRgb = 0xffffd76a;

// Every kind once, in the order of the card's list and the tool bar. An arrow is a thin line: the
// pale default of the marker kinds would hardly show on white paper, so it is drawn in red.
inline constexpr AnnotationTypeInfo annotationTypes[] = {
    {AnnotationType::Highlight, "highlight", QT_TRANSLATE_NOOP("dovrix::AnnotationCard", "高亮"),
     QT_TRANSLATE_NOOP("dovrix::MainWindow", "高亮（H）"), "highlightToolAction", "H",
     AnnotationShape::TextMarks, DefaultAnnotationRgb},
    {AnnotationType::Underline, "underline", QT_TRANSLATE_NOOP("dovrix::AnnotationCard", "下划线"),
     QT_TRANSLATE_NOOP("dovrix::MainWindow", "下划线（U）"), "underlineToolAction", "U",
     AnnotationShape::TextMarks, DefaultAnnotationRgb},
    {AnnotationType::Strikethrough, "strikethrough",
     QT_TRANSLATE_NOOP("dovrix::AnnotationCard", "删除线"),
     QT_TRANSLATE_NOOP("dovrix::MainWindow", "删除线（S）"), "strikethroughToolAction", "S",
     AnnotationShape::TextMarks, DefaultAnnotationRgb},
    {AnnotationType::Note, "note", QT_TRANSLATE_NOOP("dovrix::AnnotationCard", "便签"),
     QT_TRANSLATE_NOOP("dovrix::MainWindow", "便签（N）"), "noteToolAction", "N",
     AnnotationShape::Point, DefaultAnnotationRgb},
    {AnnotationType::Rectangle, "rectangle", QT_TRANSLATE_NOOP("dovrix::AnnotationCard", "矩形"),
     QT_TRANSLATE_NOOP("dovrix::MainWindow", "矩形（B）"), "rectangleToolAction", "B",
     AnnotationShape::Box, DefaultAnnotationRgb},
    {AnnotationType::Arrow, "arrow", QT_TRANSLATE_NOOP("dovrix::AnnotationCard", "箭头"),
     QT_TRANSLATE_NOOP("dovrix::MainWindow", "箭头（L）"), "arrowToolAction", "L",
     AnnotationShape::Line, 0xffd63027},
};

constexpr int AnnotationTypeCount = int(std::size(annotationTypes));

// The row of a type; a value without a row gets the highlight's.
const AnnotationTypeInfo& annotationTypeInfo(AnnotationType type);

// The stored name ("highlight", ..., "arrow").
QString typeName(AnnotationType type);
// Case-sensitive inverse of typeName; any other string (also the empty one) gives Highlight.
AnnotationType typeFromName(const QString& name);
// The type's name in the interface language ("高亮" for a highlight, ...).
QString typeLabel(AnnotationType type);

} // namespace dovrix
