#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace dovrix::test {

// One line of text in Helvetica: the left end of its baseline in page points (origin top-left).
struct FixtureLine
{
    QPointF baseline;
    double size = 24;
    QString text; // Latin-1
};

// A link annotation on a page: rectangle in page points (origin top-left); either a target page
// (0-based) or a URL.
struct FixtureLink
{
    int page = 0;
    QRectF rect;
    int targetPage = -1;
    QString url;
};

// Writes a small PDF by hand (one object per page, content stream, standard Helvetica font, link
// annotations), for tests that need links or exactly placed text. Returns false on a write error.
bool writeLinkedPdf(const QString& path, const QList<QList<FixtureLine>>& pages,
                    const QList<FixtureLink>& links = {}, const QSizeF& pageSize = {612, 792});

} // namespace dovrix::test
