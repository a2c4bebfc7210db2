#include "synctex/SynctexLink.h"

#include "core/PdfWorker.h"
#include "synctex/SynctexLog.h"

#include <QCoreApplication>

#include <functional>

namespace dovrix {

struct SynctexLink::Holder
{
    QString pdfPath;
    int pageCount = 0;
    std::unique_ptr<SynctexIndex> index; // built by the first query, on the worker

    const SynctexIndex& get()
    {
        if (!index)
            index = std::make_unique<SynctexIndex>(pdfPath, pageCount);
        return *index;
    }
};

SynctexLink::SynctexLink(PdfWorker* worker, QObject* parent) : QObject(parent), worker(worker)
{
    qRegisterMetaType<SourcePlace>();
}

SynctexLink::~SynctexLink() = default;

void SynctexLink::setDocument(const QString& path, int pageCount)
{
    pdfPath = path;
    pages = pageCount;
    generation.advance();
    // The worker may still hold the previous holder; it dies with the last job that uses it.
    holder = std::make_shared<Holder>();
    holder->pdfPath = path;
    holder->pageCount = pageCount;
}

template <typename Query> void SynctexLink::post(Query query)
{
    if (!holder || pdfPath.isEmpty()) {
        Q_EMIT unavailable(SynctexState::Missing);
        return;
    }
    worker->post(Priority, this, generation.ticket(),
                 [data = holder, query]() -> Reply<SynctexLink> {
                     const SynctexIndex& index = data->get();
                     const SynctexState state = index.state();
                     if (state != SynctexState::Ready) {
                         qCDebug(lcSynctex) << "no SyncTeX data, state" << int(state);
                         return [state](SynctexLink& self) { Q_EMIT self.unavailable(state); };
                     }
                     return query(index);
                 });
}

void SynctexLink::requestBoxes(const SourcePlace& place)
{
    post([place](const SynctexIndex& index) {
        return std::function<void(SynctexLink&)>(
            [place, boxes = index.boxesFor(place)](SynctexLink& link) {
                Q_EMIT link.boxesReady(place, boxes);
            });
    });
}

void SynctexLink::requestPlace(int page, const QPointF& pointPt)
{
    post([page, pointPt](const SynctexIndex& index) {
        return std::function<void(SynctexLink&)>(
            [place = index.placeAt(page, pointPt)](SynctexLink& link) {
                Q_EMIT link.placeReady(place);
            });
    });
}

} // namespace dovrix
