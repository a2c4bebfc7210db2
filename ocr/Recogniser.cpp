#include "ocr/Recogniser.h"

#include "ocr/OcrRuntime.h"

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace dovrix {

Recogniser::Recogniser(PdfWorker* worker, QObject* parent) : QObject(parent), pdfWorker(worker)
{
}

void Recogniser::yieldToTheWindow()
{
    // The lane's thread, and the inference threads it starts, run at a lower priority.
#ifdef Q_OS_LINUX
    constexpr int Niceness = 5;
    setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), Niceness);
#endif
}

void Recogniser::start()
{
    if (ready || starting)
        return;
    starting = true;
    post(this, lifetime.ticket(),
         [candidates = libraryCandidates,
          directory = modelDir](OcrEngine& engine) -> Reply<Recogniser> {
             OcrFailure failure;
             bool ok = candidates.isEmpty() || ensureRuntimeLoaded(candidates, &failure);
             if (ok) {
                 OcrEngineConfig config;
                 config.modelDir = directory;
                 ok = engine.initialize(config, &failure);
             }
             if (!ok && !failure.failed())
                 failure.kind = OcrFailure::Kind::StartFailed;
             return [ok, failure](Recogniser& self) {
                 self.starting = false;
                 self.ready = ok;
                 Q_EMIT self.started(ok, failure);
             };
         });
}

} // namespace dovrix
