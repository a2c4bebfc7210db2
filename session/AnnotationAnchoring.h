#pragma once

#include "annotations/Annotation.h"
#include "core/Generation.h"

#include <QHash>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <functional>

namespace dovrix {

class AnnotationStore;
class PdfWorker;
class TextLayoutStore;

// Brings text-anchored annotations into the page text the document is shown with. Their
// character indices count in one engine's page text; when the document is shown with the other
// engine's text, each one is found again by the words it covers (the stored quote, or else the
// words at its indices in the other page text, read once) near its stored rectangle, or else by
// that rectangle alone. The store saves the new anchor beside the old one, so a sidecar keeps
// working in both. Until then an annotation is drawn at its rectangle. GUI thread only.
class AnnotationAnchoring : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(AnnotationAnchoring)

public:
    // Reads, on the worker, the page texts of the other text space for the pages given (0-based);
    // a page it cannot read is left out.
    using OtherTexts = std::function<QHash<int, QString>(const QList<int>& pages)>;

    AnnotationAnchoring(PdfWorker* worker, TextLayoutStore* text, AnnotationStore* store,
                        QObject* parent = nullptr);

    // Whether the annotation needs a new anchor in the store's text space.
    static bool needsAnchor(const Annotation& annotation);

    // Starts over for the store's annotations (after the store has been bound); otherTexts may
    // be empty when the other page texts cannot be read. Emits finished at once when there is
    // nothing to do.
    void start(const OtherTexts& otherTexts);
    // Forgets a run (a new document); a run in progress ends without a result.
    void stop();
    bool isRunning() const { return !pages.isEmpty() || waitingForOtherTexts; }

Q_SIGNALS:
    // annotations: how many got a new anchor.
    void finished(int annotations);

private:
    void requestPages();
    void onCharBoxesReady(int page);
    void anchorPage(int page);
    void finishIfDone();

    PdfWorker* worker;
    QPointer<TextLayoutStore> text;
    QPointer<AnnotationStore> store;
    Generation runs;
    bool waitingForOtherTexts = false;
    QHash<QString, QString> quotes; // by annotation id: the words to find
    QSet<int> pages;                // still to be anchored
    QList<Annotation> anchored;
    int found = 0;
    QMetaObject::Connection boxesConnection;
};

} // namespace dovrix
