#pragma once

#include <QString>

namespace dovrix {
class DocumentController;
}

namespace dovrix::test {

// How long a test (or the bench) waits for anything that runs in the background or in another
// process: long enough for a loaded two-core machine. Only a failing wait takes this long.
inline constexpr int TimeoutMs = 60000;

// Waits until a load the controller has started ends; true when the document is ready. On failure
// the controller's status is logged, so that a fixture that does not open explains itself.
bool waitUntilReady(DocumentController& controller);

// Opens path with the controller and waits as waitUntilReady does.
bool openAndWait(DocumentController& controller, const QString& path);

// As openAndWait; on failure message names why the file did not open.
bool openAndWait(DocumentController& controller, const QString& path, QString* message);

} // namespace dovrix::test
