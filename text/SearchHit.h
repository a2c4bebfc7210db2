#pragma once

#include <QMetaType>

namespace dovrix {

// One occurrence of the search query. For a hit in the page's text layer (ocrLine −1), start is a
// character index of the page text; for a hit in recognised text, start counts inside the text of
// OCR line ocrLine of that page.
struct SearchHit
{
    int page = 0;
    int start = 0;
    int length = 0; // at least 1
    int ocrLine = -1;

    friend bool operator==(const SearchHit& a, const SearchHit& b)
    {
        return a.page == b.page && a.start == b.start && a.length == b.length
               && a.ocrLine == b.ocrLine;
    }
    friend bool operator!=(const SearchHit& a, const SearchHit& b) { return !(a == b); }
};

} // namespace dovrix

Q_DECLARE_METATYPE(dovrix::SearchHit)
