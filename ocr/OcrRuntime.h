#pragma once

#include "ocr/OcrFailure.h"

#include <QString>
#include <QStringList>

namespace dovrix {

namespace Ort {
struct Env;
}

// Loads the inference library once per process and keeps its function table (Ort::api()). Holds a
// process-wide mutex for the whole call, so any thread may call it. A false result sets nothing:
// the next call searches again. failure may be null; on false it receives why.
//
// The loaded library stays for the rest of the process (it cannot be unloaded safely while any
// engine's sessions may live), so this state is the process's, not an object's.
bool ensureRuntimeLoaded(OcrFailure* failure);

// The places searched, in order: next to the program, in its lib/ folder, in the installed
// companion folder (core/ProgramFiles.h) and in the source tree's third-party folder. Not cleaned.
QStringList runtimeCandidates();

// As ensureRuntimeLoaded(), trying the given files instead of runtimeCandidates(). For tests and
// tools that keep the library elsewhere than next to the program.
bool ensureRuntimeLoaded(const QStringList& candidates, OcrFailure* failure);

// The process-wide environment, created on first use (logging level error, log id "dovrix-ocr",
// C++ language projection) and never released. Requires a loaded runtime. Throws Ort::Exception
// when creation fails; the next call then tries again.
Ort::Env* sharedEnvironment();

} // namespace dovrix
