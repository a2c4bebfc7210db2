#include "app/OcrRunDialog.h"

#include "core/DocumentController.h"
#include "core/DocumentStatus.h"
#include "ocr/OcrController.h"
#include "session/DocumentSession.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QWidget>

#include <numeric>

namespace dovrix {

// The texts belong to the window, where they were first shown.
OcrRunDialog::OcrRunDialog(QWidget* parentWindow) : QObject(parentWindow), window(parentWindow)
{
}

QString OcrRunDialog::progressText(int done, int total, qint64 elapsedMs)
{
    if (done <= 0 || total <= done)
        return QCoreApplication::translate("dovrix::MainWindow", "正在离线 OCR…");
    // The time of the pages done so far is the best guess for the rest.
    const qint64 remainingS = (elapsedMs * (total - done) / done + 999) / 1000;
    return QCoreApplication::translate("dovrix::MainWindow",
                                       "正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…")
        .arg(done)
        .arg(total)
        .arg(remainingS);
}

void OcrRunDialog::start(DocumentSession* session)
{
    QList<int> pages(session->controller()->pageCount());
    std::iota(pages.begin(), pages.end(), 0);
    start(session, pages);
}

void OcrRunDialog::start(DocumentSession* session, const QList<int>& pages)
{
    close();
    OcrController* ocr = session->ocr();
    runTimer.start();
    auto* shown = new QProgressDialog(progressText(0, 0, 0),
                                      QCoreApplication::translate("dovrix::MainWindow", "取消"), 0,
                                      session->controller()->pageCount(), window);
    shown->setObjectName(QStringLiteral("ocrProgress"));
    shown->setWindowModality(Qt::WindowModal);
    progress = shown;
    connect(shown, &QProgressDialog::canceled, ocr, &OcrController::cancel);
    connections = {
        connect(ocr, &OcrController::progress, this,
                [this](int done, int totalPages) {
                    if (!progress)
                        return;
                    // Pages that had been recognised before are not part of the run.
                    progress->setMaximum(totalPages);
                    progress->setValue(done);
                    progress->setLabelText(progressText(done, totalPages, runTimer.elapsed()));
                }),
        connect(ocr, &OcrController::finished, this, &OcrRunDialog::close),
        // A run that stops without a signal (reload, closed tab) takes its dialog along.
        connect(session, &DocumentSession::statusChanged, this,
                [this](DocumentSession*, DocumentStatus status) {
                    if (status != DocumentStatus::Ready)
                        close();
                }),
        connect(session, &DocumentSession::documentReady, this, &OcrRunDialog::close),
        connect(session, &QObject::destroyed, this, &OcrRunDialog::close),
    };
    // A page takes seconds: the run shows at once that it has begun.
    shown->show();
    ocr->ocrPages(pages);
}

void OcrRunDialog::close()
{
    for (const QMetaObject::Connection& connection : std::as_const(connections))
        disconnect(connection);
    connections.clear();
    QProgressDialog* shown = progress.data();
    progress.clear();
    if (!shown)
        return;
    // Closing the dialog must not cancel a run that has ended.
    disconnect(shown, &QProgressDialog::canceled, nullptr, nullptr);
    shown->reset();
    shown->deleteLater();
}

} // namespace dovrix
