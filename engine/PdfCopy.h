#pragma once

#include "engine/EngineExport.h"

#include <QByteArray>
#include <QColor>
#include <QDateTime>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <atomic>

namespace dovrix {

// One mark written into a copy as a standard PDF annotation with its own appearance, so that
// every reader shows it. Geometry is in the program's page space: points of the page as the
// document presents it (its visible box turned by its own /Rotate), origin top-left, y down.
struct CopyMark
{
    enum class Kind { Highlight, Underline, StrikeOut, Note, Square, Line };

    Kind kind = Kind::Highlight;
    int page = 0;
    QRectF rect;         // Square: the frame; Note: its icon's top-left; text marks: fallback
    QList<QRectF> lines; // text marks: one box per line of the marked characters
    QPointF lineStart;   // Line: the tail
    QPointF lineEnd;     // Line: the head, drawn with an arrow
    QColor color;
    QString contents;
    QDateTime created;
    QString name; // kept as the annotation's name (/NM)
};

// A form field's value to write into the copy, by the field's full name.
struct CopyField
{
    QString name;
    QString value;
};

struct CopyRequest
{
    QString sourcePath;
    QByteArray password;
    QString targetPath; // a new file; never the source
    QList<CopyMark> marks;
    QList<CopyField> fields;
    // Pages to keep, 0-based and ascending; empty keeps every page. A copy of some pages only
    // (a print job) loses the outline and links, which would point to pages it no longer has.
    QList<int> pages;
    // Set from another thread to give up; the target is then left as it was.
    const std::atomic<bool>* cancelled = nullptr;
};

struct CopyOutcome
{
    enum class Result {
        Written,
        Cancelled,
        SourceUnreadable, // the source cannot be opened (moved, damaged, wrong password)
        TargetIsSource,   // the target names the source file under any spelling
        TargetUnwritable, // the target's folder refuses a new file
        WriteFailed,      // writing stopped part-way (a full disk); nothing was left behind
    };

    Result result = Result::WriteFailed;
    QString detail; // the system's or engine's words for a failure
    qint64 bytes = 0;
};

// Writes a new PDF: the source's pages with their text, links, outline and metadata as they are,
// plus the marks as annotations and the field values. The file is complete under its name or not
// there at all: it is written aside and renamed into place only once whole. The source is opened
// read-only and never written. Safe on any thread; one call uses its own engine instance.
DOVRIX_ENGINE_EXPORT CopyOutcome writePdfCopy(const CopyRequest& request);

// The annotations a PDF file carries, as marks (kinds this module does not write are skipped);
// for checking what a copy holds. Empty when the file does not open.
DOVRIX_ENGINE_EXPORT QList<CopyMark> readPdfMarks(const QString& path,
                                                  const QByteArray& password = {});

} // namespace dovrix
