#include "session/AnnotationAnchoring.h"

#include "annotations/AnnotationStore.h"
#include "core/PdfWorker.h"
#include "text/TextAnchor.h"
#include "text/TextLayoutStore.h"

namespace dovrix {

AnnotationAnchoring::AnnotationAnchoring(PdfWorker* worker, TextLayoutStore* text,
                                         AnnotationStore* store, QObject* parent)
    : QObject(parent), worker(worker), text(text), store(store)
{
}

bool AnnotationAnchoring::needsAnchor(const Annotation& a)
{
    return a.byText && a.start < 0
           && (a.otherStart >= 0 || !a.quote.isEmpty()
               || (a.rect.width() > 0 && a.rect.height() > 0));
}

void AnnotationAnchoring::stop()
{
    runs.advance();
    disconnect(boxesConnection);
    waitingForOtherTexts = false;
    quotes.clear();
    pages.clear();
    anchored.clear();
    found = 0;
}

void AnnotationAnchoring::start(const OtherTexts& otherTexts)
{
    stop();
    if (!store || !text)
        return;
    QSet<int> unquoted; // pages whose other text holds the words of an annotation
    for (const Annotation& a : store->annotations()) {
        if (!needsAnchor(a))
            continue;
        pages.insert(a.page);
        quotes.insert(a.id, a.quote);
        if (a.quote.isEmpty() && a.otherStart >= 0 && a.otherLength > 0)
            unquoted.insert(a.page);
    }
    if (pages.isEmpty()) {
        Q_EMIT finished(0);
        return;
    }
    boxesConnection = connect(text, &TextLayoutStore::charBoxesReady, this,
                              &AnnotationAnchoring::onCharBoxesReady);
    if (unquoted.isEmpty() || !otherTexts) {
        requestPages();
        return;
    }
    // The words of annotations stored without them: the other page text holds them at their
    // indices.
    waitingForOtherTexts = true;
    const QList<int> otherPages(unquoted.cbegin(), unquoted.cend());
    worker->post(JobPriority::TextLayout, this, runs.ticket(), [otherTexts, otherPages] {
        const QHash<int, QString> texts = otherTexts(otherPages);
        return [texts](AnnotationAnchoring& self) {
            self.waitingForOtherTexts = false;
            if (self.store) {
                for (const Annotation& a : self.store->annotations()) {
                    const auto quote = self.quotes.find(a.id);
                    if (quote != self.quotes.end() && quote->isEmpty() && texts.contains(a.page)
                        && a.otherStart >= 0)
                        *quote = texts.value(a.page).mid(a.otherStart, a.otherLength);
                }
            }
            self.requestPages();
        };
    });
}

void AnnotationAnchoring::requestPages()
{
    const QList<int> waiting(pages.cbegin(), pages.cend());
    for (int page : waiting) {
        if (text->hasCharBoxes(page))
            anchorPage(page);
        else
            text->requestCharBoxes(page, JobPriority::TextLayout);
    }
    finishIfDone();
}

void AnnotationAnchoring::onCharBoxesReady(int page)
{
    if (waitingForOtherTexts || !pages.contains(page))
        return;
    anchorPage(page);
    finishIfDone();
}

void AnnotationAnchoring::anchorPage(int page)
{
    pages.remove(page);
    if (!store || !text)
        return;
    const QString pageText = text->pageText(page);
    const QList<QRectF> boxes = text->charBoxes(page);
    for (const Annotation& a : store->annotations()) {
        if (a.page != page || !quotes.contains(a.id) || !needsAnchor(a))
            continue;
        const QString quote = quotes.value(a.id);
        const AnchorMatch match = findAnchor(quote, a.rect, pageText, boxes);
        if (match.by == AnchorMatch::By::Nothing)
            continue;
        Annotation moved = a;
        moved.start = match.start;
        moved.length = match.length;
        moved.quote = pageText.mid(match.start, match.length);
        anchored.append(moved);
    }
}

void AnnotationAnchoring::finishIfDone()
{
    if (!pages.isEmpty() || waitingForOtherTexts)
        return;
    disconnect(boxesConnection);
    const QList<Annotation> result = anchored;
    anchored.clear();
    quotes.clear();
    if (store && !result.isEmpty())
        store->reanchor(result);
    Q_EMIT finished(int(result.size()));
}

} // namespace dovrix
