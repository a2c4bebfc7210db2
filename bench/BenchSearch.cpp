// dovrix-bench search FILE QUERY [--case-sensitive] [--rects]: one search of a document whose page
// texts are all loaded, driven through the search controller and the text layout store; --rects
// lists each hit's boxes (page space) as the view draws them.
#include "bench/Bench.h"
#include "tests/support/TestWait.h"

#include "core/DocumentController.h"
#include "core/PdfWorker.h"
#include "text/SearchController.h"
#include "text/TextLayoutStore.h"
#include "view/OcrTextGeometry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonObject>
#include <QTextStream>

namespace {

using namespace dovrix;

constexpr int kListedHits = 200;

int runSearch(const QStringList& args)
{
    const QStringList rest = bench::positional(args, {});
    if (rest.size() != 2) {
        QTextStream(stderr)
            << "usage: dovrix-bench search FILE QUERY [--case-sensitive] [--rects]\n";
        return 2;
    }
    PdfWorker worker;
    DocumentController controller(&worker);
    controller.setProbeEnabled(false);
    if (!dovrix::test::openAndWait(controller, rest.at(0))) {
        QTextStream(stderr) << "cannot open " << rest.at(0) << '\n';
        return 1;
    }
    TextLayoutStore store(&worker, &controller);
    SearchController search(&store, &controller);

    // Every page text first: the figure is the search over loaded texts.
    QElapsedTimer timer;
    timer.start();
    int loaded = 0;
    {
        QEventLoop loop;
        QObject::connect(&store, &TextLayoutStore::pageTextReady, &loop, [&] {
            if (++loaded == controller.pageCount())
                loop.quit();
        });
        for (int page = 0; page < controller.pageCount(); ++page)
            store.requestPageText(page, JobPriority::TextLayout);
        if (loaded < controller.pageCount())
            loop.exec();
    }
    const double textsMs = double(timer.nsecsElapsed()) / 1e6;

    bool finished = false;
    int total = 0;
    QObject::connect(&search, &SearchController::finished, [&](int hits) {
        finished = true;
        total = hits;
    });
    timer.start();
    search.startSearch(rest.at(1), bench::hasFlag(args, QStringLiteral("--case-sensitive")));
    if (!finished) {
        QEventLoop loop;
        QObject::connect(&search, &SearchController::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    const double searchMs = double(timer.nsecsElapsed()) / 1e6;

    const bool withRects = bench::hasFlag(args, QStringLiteral("--rects"));
    QJsonArray list;
    const QList<SearchHit>& hits = search.announcedHits();
    if (withRects) {
        // The boxes the view draws, asked for as the view asks (delivered from the event loop).
        for (qsizetype i = 0; i < hits.size() && i < kListedHits; ++i)
            store.requestHitBoxes(hits.at(i).page, hits.at(i).start, hits.at(i).length);
        QCoreApplication::processEvents();
    }
    for (qsizetype i = 0; i < hits.size() && i < kListedHits; ++i) {
        const SearchHit& hit = hits.at(i);
        QString text;
        if (hit.ocrLine < 0) {
            text = store.pageText(hit.page).mid(hit.start, hit.length);
        } else if (const OcrPageText* ocr = store.ocrResult(hit.page)) {
            if (hit.ocrLine < ocr->lines.size())
                text = ocr->lines.at(hit.ocrLine).text.mid(hit.start, hit.length);
        }
        QJsonObject item{{QStringLiteral("page"), hit.page},
                         {QStringLiteral("start"), hit.start},
                         {QStringLiteral("length"), hit.length},
                         {QStringLiteral("ocrLine"), hit.ocrLine},
                         {QStringLiteral("text"), text}};
        if (withRects) {
            QJsonArray rects;
            QList<QRectF> boxes;
            if (hit.ocrLine < 0)
                boxes = store.hitBoxes(hit.page, hit.start, hit.length);
            else if (const OcrPageText* ocr = store.ocrResult(hit.page))
                boxes.append(ocrSpanBox(ocr->lines.value(hit.ocrLine), hit.start, hit.length));
            for (const QRectF& r : boxes)
                rects.append(QJsonArray{r.x(), r.y(), r.width(), r.height()});
            item.insert(QStringLiteral("rects"), rects);
        }
        list.append(item);
    }
    bench::printJson(QJsonObject{{QStringLiteral("hits"), total},
                                 {QStringLiteral("ms"), searchMs},
                                 {QStringLiteral("pages"), controller.pageCount()},
                                 {QStringLiteral("texts_ms"), textsMs},
                                 {QStringLiteral("hits_list"), list}});
    return 0;
}

bench::Registration reg("search", "search FILE QUERY [--case-sensitive] [--rects]", runSearch);

} // namespace
