#include "TestWait.h"
#include "TestPdf.h"

#include "engine/PdfDocument.h"

#include "core/DocumentController.h"

#include <QDebug>
#include <QMetaEnum>

namespace dovrix::test {

namespace {
// Also here: some suites open documents without building one through TestPdf.
const EngineKind chosenEngine = useEngineUnderTest();
} // namespace

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

bool openAndWait(DocumentController& controller, const QString& path, QString* message)
{
    OpenOutcome last = OpenOutcome::Opened;
    const QMetaObject::Connection connection =
        QObject::connect(&controller, &DocumentController::statusChanged,
                         [&last](DocumentStatus, OpenOutcome failure) { last = failure; });
    controller.openFile(path);
    const bool ready = waitUntilReady(controller);
    QObject::disconnect(connection);
    if (!ready) {
        *message =
            QStringLiteral("cannot open the file (%1)")
                .arg(QLatin1String(QMetaEnum::fromType<OpenOutcome>().valueToKey(int(last))));
    }
    return ready;
}

} // namespace dovrix::test
