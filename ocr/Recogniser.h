#pragma once

#include "core/Generation.h"
#include "core/PdfWorker.h"
#include "ocr/OcrEngine.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace dovrix {

// The program's one text recogniser: an OcrEngine started on the worker's recognition lane the
// first time a document needs it, then shared by every document's OcrController, whose jobs it
// runs on that lane one page at a time. The networks are thus loaded once per process, not per
// tab. State and signals belong to the GUI thread; the engine only to jobs of the lane.
class Recogniser : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(Recogniser)

public:
    // worker is not owned and must outlive the recogniser.
    explicit Recogniser(PdfWorker* worker, QObject* parent = nullptr);

    // Directory of the two model files; read when the engine starts.
    QString modelDirectory() const { return modelDir; }
    void setModelDirectory(const QString& directory) { modelDir = directory; }
    // Where to look for the inference library instead of the places next to the program. Empty
    // (the default) searches those places. For tests and tools.
    QStringList runtimeCandidates() const { return libraryCandidates; }
    void setRuntimeCandidates(const QStringList& candidates) { libraryCandidates = candidates; }

    bool isReady() const { return ready; }
    bool isStarting() const { return starting; }
    // Starts the engine on the recognition lane unless it is ready or starting (a failed start is
    // tried again); started() follows.
    void start();

    // Runs work with the engine on the recognition lane, after the jobs posted there before, at a
    // lower scheduling priority than the window; as PdfWorker::post otherwise.
    template <typename Owner, typename Work>
    void post(Owner* owner, Generation::Ticket ticket, Work work)
    {
        pdfWorker->post(PdfWorker::RecognitionLane, owner, ticket,
                        [engine = sharedEngine, work = std::move(work)]() mutable {
                            yieldToTheWindow();
                            return work(*engine);
                        });
    }

Q_SIGNALS:
    // The engine started (ok) or not, and why not.
    void started(bool ok, const dovrix::OcrFailure& failure);

private:
    // Recognition yields the processor to the window and to the page renders it waits for.
    static void yieldToTheWindow();

    PdfWorker* pdfWorker;
    // Shared with the jobs, which may outlive the recogniser.
    std::shared_ptr<OcrEngine> sharedEngine = std::make_shared<OcrEngine>();
    Generation lifetime; // the tickets of its own jobs
    QString modelDir;
    QStringList libraryCandidates;
    bool starting = false;
    bool ready = false;
};

} // namespace dovrix
