#pragma once

#include "core/OcrLine.h"
#include "text/ReadingBlock.h"

#include <QList>
#include <QString>

// Plain-text forms of page text: the full-text export and the clipboard. The window's export,
// the bench and every copy path use these so that they all write the same characters.
namespace dovrix {

// One page of the full-text export (0-based page): the page header line, the texts of the
// blocks that are not header/footer lines, a reliability note when a written block carries a
// remark; a page without blocks gives its recognised lines (top to bottom, after a note that
// marks them as recognised text) or, without any, the scanned-page note; then an empty line.
// Line feeds only. Translation context: dovrix::MainWindow.
QString formatExportPage(int page, const QList<ReadingBlock>& blocks,
                         const QList<OcrLine>& ocrLines = {});

// A line of exported text: a line-break marker (U+FFFE) ending the line becomes the hyphen the
// reader saw; any other one is dropped.
QString exportLineText(const QString& line);

// The export's text with words that a line end broke at a hyphen made whole again: a line
// ending in a letter or digit and a hyphen ('-', U+2010 or a soft hyphen) is joined with the next
// line when that starts with a letter or digit. The hyphen goes when the joined word is written
// whole elsewhere in the text, or when nothing says it belongs to the word and the next line
// goes on in lower case ("Docu-" "ment" gives "Document"); it stays when the hyphenated word is
// written with its hyphen inside a line elsewhere, when the part before it is itself hyphenated
// ("state-of-the-" "art"), and before a capital or a digit ("Jean-" "Pierre"). A soft hyphen
// always goes. Lines are separated by line feeds.
QString joinLineEndHyphens(const QString& text);

// Text put on the clipboard for a range of page text: line-break markers (U+FFFE) are left out,
// so a word hyphenated across lines comes out whole.
QString textForClipboard(const QString& pageTextRange);

} // namespace dovrix
