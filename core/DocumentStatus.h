#pragma once

#include <QObject>

namespace dovrix {

// Holds the meta-object of DocumentStatus: the dovrix namespace's own lives in the engine library,
// and a namespace has only one.
class DocumentStatusGadget
{
    Q_GADGET

public:
    // Load state of a document.
    enum class DocumentStatus : int {
        Idle,
        Loading,
        Ready,
        PasswordRequired,
        Failed,
    };
    Q_ENUM(DocumentStatus)
};

using DocumentStatus = DocumentStatusGadget::DocumentStatus;

} // namespace dovrix
