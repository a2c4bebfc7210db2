#include "PanelFixtures.h"

#include "TestPdf.h"

#include <QFile>

#include <functional>

namespace dovrix::test {

namespace {

QByteArray ref(int object)
{
    return QByteArray::number(object) + " 0 R";
}

// Object numbers of the outline entries in depth-first order, starting at next.
struct Numbered
{
    const FixtureOutlineEntry* entry;
    int object;
    QList<Numbered> children;
};

QList<Numbered> number(const QList<FixtureOutlineEntry>& entries, int& next)
{
    QList<Numbered> out;
    for (const FixtureOutlineEntry& e : entries) {
        Numbered n{&e, next++, {}};
        n.children = number(e.children, next);
        out.append(n);
    }
    return out;
}

int countAll(const QList<FixtureOutlineEntry>& entries)
{
    int n = int(entries.size());
    for (const FixtureOutlineEntry& e : entries)
        n += countAll(e.children);
    return n;
}

} // namespace

bool writeOutlinedPdf(const QString& path, int pageCount, const QList<FixtureOutlineEntry>& entries,
                      const QSizeF& pageSize, const QList<int>& brokenPages)
{
    // Objects: 1 catalog, 2 pages, 3 font, 4 outline root, then per page its page object and
    // content stream, then the outline entries depth first.
    auto pageObj = [](int i) { return 5 + 2 * i; };
    auto contentObj = [](int i) { return 6 + 2 * i; };
    int next = 5 + 2 * pageCount;
    const QList<Numbered> tree = number(entries, next);
    QList<QByteArray> objects(next - 1);

    const QByteArray h = QByteArray::number(pageSize.height(), 'f', 2);
    objects[0] = entries.isEmpty()
                     ? QByteArray("<< /Type /Catalog /Pages 2 0 R >>")
                     : "<< /Type /Catalog /Pages 2 0 R /Outlines 4 0 R /PageMode /UseOutlines >>";
    QByteArray kids;
    for (int i = 0; i < pageCount; ++i)
        kids += ref(brokenPages.contains(i) ? next + 100 : pageObj(i)) + " ";
    objects[1] =
        "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(pageCount) + " >>";
    objects[2] = "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>";
    for (int i = 0; i < pageCount; ++i) {
        objects[pageObj(i) - 1] = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 "
                                  + QByteArray::number(pageSize.width(), 'f', 2) + " " + h
                                  + "] /Resources << /Font << /F1 3 0 R >> >> /Contents "
                                  + ref(contentObj(i)) + " >>";
        const QByteArray stream = "BT /F1 24 Tf 72 " + QByteArray::number(pageSize.height() - 96)
                                  + " Td (Page " + QByteArray::number(i + 1) + ") Tj ET\n";
        objects[contentObj(i) - 1] = "<< /Length " + QByteArray::number(stream.size())
                                     + " >>\nstream\n" + stream + "endstream";
    }

    // Siblings link through /Prev and /Next; a parent names its first and last child and, with a
    // positive /Count, shows them (open).
    std::function<void(const QList<Numbered>&, int)> write = [&](const QList<Numbered>& level,
                                                                 int parent) {
        for (int i = 0; i < level.size(); ++i) {
            const Numbered& n = level.at(i);
            QByteArray dict =
                "<< /Title " + pdfString(n.entry->title.toLatin1()) + " /Parent " + ref(parent);
            if (i > 0)
                dict += " /Prev " + ref(level.at(i - 1).object);
            if (i + 1 < level.size())
                dict += " /Next " + ref(level.at(i + 1).object);
            if (!n.children.isEmpty()) {
                dict += " /First " + ref(n.children.first().object) + " /Last "
                        + ref(n.children.last().object) + " /Count "
                        + QByteArray::number(countAll(n.entry->children));
            }
            if (n.entry->page >= 0 && n.entry->page < pageCount)
                dict += " /Dest [" + ref(pageObj(n.entry->page)) + " /XYZ 0 " + h + " 1]";
            objects[n.object - 1] = dict + " >>";
            write(n.children, n.object);
        }
    };
    if (entries.isEmpty()) {
        objects[3] = "<< /Type /Outlines /Count 0 >>";
    } else {
        objects[3] = "<< /Type /Outlines /First " + ref(tree.first().object) + " /Last "
                     + ref(tree.last().object) + " /Count " + QByteArray::number(countAll(entries))
                     + " >>";
        write(tree, 4);
    }

    return writeFile(path, assemblePdf(objects));
}

} // namespace dovrix::test
