#pragma once

#include <QString>
#include <QStringList>

namespace dovrix {

namespace Ort {
struct Env;
}

// Loads the inference library once per process and keeps its function table (Ort::api()). Holds a
// process-wide mutex for the whole call, so any thread may call it. A false result sets nothing:
// the next call searches again. error may be null; on false it receives a translated message.
bool ensureRuntimeLoaded(QString* error);

// The places searched, in order: next to the program, in its lib/ folder, in the installed
// companion folder (core/ProgramFiles.h) and in the source tree's third-party folder. Not cleaned.
QStringList runtimeCandidates();

// As ensureRuntimeLoaded(), trying the given files instead of runtimeCandidates(). For tests and
// tools that keep the library elsewhere than next to the program.
bool ensureRuntimeLoaded(const QStringList& candidates, QString* error);

// The process-wide environment, created on first use (logging level error, log id "dovrix-ocr",
// C++ language projection) and never released. Requires a loaded runtime. Throws Ort::Exception
// when creation fails; the next call then tries again.
Ort::Env* sharedEnvironment();

} // namespace dovrix
