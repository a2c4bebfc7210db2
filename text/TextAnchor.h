#pragma once

#include <QList>
#include <QRectF>
#include <QString>

// Finding the characters an annotation was anchored to in another text of the same page: two
// PDF engines give one page's text with other character indices (other whitespace and line ends,
// a hyphen at a line end or a marker in its place, ligatures split or not, right-to-left runs in
// another order), but the same words in the same places.
namespace dovrix {

struct AnchorMatch
{
    enum class By { Nothing, Words, Area };
    By by = By::Nothing;
    int start = -1;
    int length = 0;
};

// The range of pageText that holds quote, compared without whitespace, hyphens at line ends,
// invisible characters and combining marks, in compatibility form and lower case; of several
// such ranges the one whose boxes lie nearest to rect (page points). When quote is not found
// (or is empty): the characters from the first to the last one whose box centre lies in rect.
// boxes has one box per code unit of pageText (null for none). Pure.
AnchorMatch findAnchor(const QString& quote, const QRectF& rect, const QString& pageText,
                       const QList<QRectF>& boxes);

} // namespace dovrix
