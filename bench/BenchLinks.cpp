// dovrix-bench links FILE [--page N]: every link of the document (or of one page), one JSON object
// per link with its area and where it leads, in page space (0-based pages, points).
#include "bench/Bench.h"
#include "tests/support/TestWait.h"

#include "core/DocumentController.h"
#include "core/PdfWorker.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

namespace {

using namespace dovrix;

int runLinks(const QStringList& args)
{
    const QStringList files = bench::positional(args, {QStringLiteral("--page")});
    if (files.size() != 1)
        return bench::fail("links", QStringLiteral("expected one PDF file"));
    PdfWorker worker;
    DocumentController controller(&worker);
    controller.setProbeEnabled(false);
    if (!dovrix::test::openAndWait(controller, files.first()))
        return bench::fail("links", QStringLiteral("cannot open %1").arg(files.first()));
    int first = 0;
    int last = controller.pageCount() - 1;
    if (bench::hasFlag(args, QStringLiteral("--page"))) {
        bool ok = false;
        first = last = bench::option(args, QStringLiteral("--page")).toInt(&ok);
        if (!ok || first < 0 || first >= controller.pageCount())
            return bench::fail("links", QStringLiteral("no such page"));
    }
    // On this thread while the worker is idle: one user of the document at a time.
    worker.waitForIdle();
    const DocumentHandle document = controller.sharedDocument();
    const auto number = [](bool has, double value) {
        return has ? QJsonValue(value) : QJsonValue();
    };
    for (int page = first; page <= last; ++page) {
        for (const PdfLink& link : document->links(page)) {
            QRectF area;
            for (const QRectF& r : link.rectangles)
                area = area.isNull() ? r : area.united(r);
            QJsonObject line{{QStringLiteral("page"), page},
                             {QStringLiteral("rect"),
                              QJsonArray{area.x(), area.y(), area.width(), area.height()}}};
            if (link.target.isValid()) {
                const PdfDestination& to = link.target;
                line.insert(QStringLiteral("target_page"), to.page);
                line.insert(QStringLiteral("target_x"), number(to.hasLeft, to.point.x()));
                line.insert(QStringLiteral("target_y"), number(to.hasTop, to.point.y()));
            } else {
                line.insert(QStringLiteral("uri"), link.url.toString());
            }
            bench::printJson(line);
        }
    }
    return 0;
}

bench::Registration reg("links", "links FILE [--page N]   (N 0-based)", runLinks);

} // namespace
