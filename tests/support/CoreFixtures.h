#pragma once

#include "TestPdf.h"

#include <QByteArray>
#include <QString>

namespace dovrix::test {

// Hand-built PDF files for the document core's tests of hostile and odd input.

// A valid PDF whose page tree is `depth` /Pages nodes deep, each with one kid, above one page.
QByteArray deepPageTreePdf(int depth);

// A valid PDF whose page tree has no pages at all.
QByteArray pagelessPdf();

// Four empty 300 × 400 point pages labelled i, ii, 1, 2: a roman front matter, then arabic
// numbers starting again at 1.
QByteArray labelledPdf();

// Writes an executable shell script with the given body (after "#!/bin/sh").
bool writeScript(const QString& path, const QByteArray& body);

} // namespace dovrix::test
