#pragma once

#include "core/PdfWorker.h"
#include "synctex/SynctexIndex.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace dovrix {

class PdfWorker;

// Forward and inverse search for one document. The SyncTeX data is parsed on the PdfWorker at the
// first query after setDocument and kept there; every query runs on the worker too, and its
// answer comes back as a signal on the GUI thread unless setDocument was called since.
class SynctexLink : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SynctexLink)

public:
    static constexpr JobPriority Priority = JobPriority::TextLayout;

    // worker is not owned and must outlive the link.
    explicit SynctexLink(PdfWorker* worker, QObject* parent = nullptr);
    ~SynctexLink() override;

    // The PDF whose data later queries use (empty = none). Drops the parsed data and every
    // answer still on its way.
    void setDocument(const QString& pdfPath, int pageCount);
    QString documentPath() const { return pdfPath; }

    void requestBoxes(const SourcePlace& place);
    void requestPlace(int page, const QPointF& pointPt);

Q_SIGNALS:
    // boxes is empty when the data has no box for the place.
    void boxesReady(const dovrix::SourcePlace& place, const QList<dovrix::SynctexBox>& boxes);
    // place.file is empty when nothing was typeset from a source at that point.
    void placeReady(const dovrix::SourcePlace& place);
    // The data is missing, damaged or stale; sent instead of an answer.
    void unavailable(dovrix::SynctexState state);

private:
    struct Holder; // lives on the worker: the parsed index of the current document
    template <typename Query> void post(Query query);

    PdfWorker* worker;
    QString pdfPath;
    int pages = 0;
    Generation generation;
    std::shared_ptr<Holder> holder;
};

} // namespace dovrix

Q_DECLARE_METATYPE(dovrix::SourcePlace)
