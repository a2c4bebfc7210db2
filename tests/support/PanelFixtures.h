#pragma once

#include <QList>
#include <QSizeF>
#include <QString>

namespace dovrix::test {

// One entry of a document outline: its title, the 0-based page it points at (-1: no destination)
// and its child entries.
struct FixtureOutlineEntry
{
    QString title; // Latin-1
    int page = -1;
    QList<FixtureOutlineEntry> children;
};

// Writes a PDF by hand with pageCount pages (each showing "Page N") and, when entries is not
// empty, an outline (/Outlines) of those entries; top-level entries open. The page tree entries of
// brokenPages point at an object that does not exist: the document still counts them, but they
// have no size and cannot be rendered. Returns false on a write error.
bool writeOutlinedPdf(const QString& path, int pageCount, const QList<FixtureOutlineEntry>& entries,
                      const QSizeF& pageSize = {612, 792}, const QList<int>& brokenPages = {});

} // namespace dovrix::test
