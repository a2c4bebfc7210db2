#include "TestWait.h"

#include "core/DocumentController.h"

#include <QDebug>

namespace dovrix::test {

bool waitUntilReady(DocumentController& controller)
{
    if (waitForLoad(controller, TimeoutMs))
        return true;
    qWarning() << "document not ready: status" << controller.status();
    return false;
}

bool openAndWait(DocumentController& controller, const QString& path)
{
    controller.openFile(path);
    return waitUntilReady(controller);
}

} // namespace dovrix::test
