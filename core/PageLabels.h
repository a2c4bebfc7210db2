#pragma once

#include <QString>
#include <QStringList>

// The document's own page labels ("iv", "A-3") and the page numbers they stand for. Pure
// functions of their inputs.
namespace dovrix {

// The document's labels (one per page, empty where the page has none), or an empty list when
// every page's label is missing or equals its 1-based number, so that callers can test for labels
// with isEmpty().
QStringList distinctPageLabels(const QStringList& labels);

// The label of the 0-based page, or an empty string when it has none or it equals the number.
QString distinctPageLabel(const QStringList& labels, int page);

// "7 / 63" for a page without a distinct label, "iv (4 / 63)" for one with a label.
QString pageDisplayText(const QStringList& labels, int page, int pageCount);

// Short form for a single page: "iv (4)" or "4".
QString pageShortText(const QStringList& labels, int page);

// The 0-based page a user's text names, or -1. Accepted, in this order: a page label (exactly,
// then ignoring case), a 1-based page number, and everything pageDisplayText produces.
int pageFromText(const QString& text, const QStringList& labels, int pageCount);

} // namespace dovrix
