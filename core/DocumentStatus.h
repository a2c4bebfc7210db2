#pragma once

namespace dovrix {

// Load state of a document, carried as a plain int in statusChanged signals.
enum DocumentStatus : int {
    Idle = 0,
    Loading = 1,
    Ready = 2,
    PasswordRequired = 3,
    Failed = 4,
};

} // namespace dovrix
