#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>

namespace dovrix::test {

// What writeInsidePdf puts into its document, for tests to compare with.
struct InsideSample
{
    static constexpr const char* Title = "Inside sample";
    static constexpr const char* Author = "Ada Lovelace";
    static constexpr const char* NotesFile = "notes.txt";
    static constexpr const char* NotesContents = "hello world";
    static constexpr const char* SheetFile = "data.csv";
    static constexpr const char* SheetContents = "a,b\n1,2\n";
};

// A two-page document with properties in its Info dictionary, tagged, fonts of several kinds
// (standard, embedded subset, a composite font inside a form), an embedded file in its
// EmbeddedFiles tree and one on a file-attachment annotation, and annotations of many kinds on
// page 1: a note (Ada) with a pop-up and a reply (Bob), a highlight, a link, an ink drawing, a
// square, a line, the attachment, and two damaged entries (a number and a missing object).
bool writeInsidePdf(const QString& path);

// Where writeFormPdf puts its fields: the rectangle of each, in points from the page's top-left
// corner (the page is 612 × 792 points, before its /Rotate).
struct FormSample
{
    static QRectF rectOf(const QString& name);
};

// One page with a form of every kind of field: "name" (text, at most 20 characters), "comments"
// (several lines), "pin" (password), "code" (comb of 6), "agree" (check box), "colour" (radio
// group of "Red" and "Blue", two widgets), "country" (combo box: France, Germany), "languages"
// (list box with several choices), "total" (text the document would compute with a script),
// "signature" (signature field) and a damaged widget without a type. rotate: the page's /Rotate.
bool writeFormPdf(const QString& path, int rotate = 0);

// One page carrying count sticky notes in a grid, authored "Reader N".
bool writeManyAnnotationsPdf(const QString& path, int count);

} // namespace dovrix::test
