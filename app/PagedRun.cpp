#include "app/PagedRun.h"

#include "core/DocumentStatus.h"
#include "session/DocumentSession.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QTimer>

namespace dovrix {

PagedRun::PagedRun(QObject* parent) : QObject(parent)
{
}

PagedRun::~PagedRun()
{
    // The dialog belongs to its parent widget, which may outlive the run.
    if (progressDialog) {
        disconnect(progressDialog, nullptr, this, nullptr);
        progressDialog->deleteLater();
    }
}

DocumentSession* PagedRun::session() const
{
    return running ? runSession.data() : nullptr;
}

void PagedRun::start(DocumentSession* session, QWidget* dialogParent, int total,
                     const Options& options, std::function<void(int)> nextPage)
{
    if (running || !session)
        return;
    running = true;
    ++run;
    runSession = session;
    runOptions = options;
    requestPage = std::move(nextPage);
    pagesDone = 0;
    pageTotal = total;

    // The cancel button reads as on every export dialog.
    auto* dialog = new QProgressDialog(
        options.label, QCoreApplication::translate("dovrix::ExportCommands", "取消"), 0, total,
        dialogParent);
    dialog->setWindowModality(Qt::WindowModal);
    if (options.minimumDurationMs >= 0)
        dialog->setMinimumDuration(options.minimumDurationMs);
    progressDialog = dialog;
    connect(dialog, &QProgressDialog::canceled, this, &PagedRun::abandon);

    // A reload or a new load releases the document the pages are read from.
    sessionConnections = {
        connect(session, &DocumentSession::statusChanged, this,
                [this](DocumentSession*, DocumentStatus status) {
                    if (status != DocumentStatus::Ready)
                        abandon();
                }),
        connect(session, &QObject::destroyed, this, &PagedRun::abandon),
    };
    if (options.showNow)
        dialog->show();
    if (total <= 0) {
        end(true);
        return;
    }
    if (!showProgress())
        return;
    if (requestPage)
        requestPage(0);
}

bool PagedRun::showProgress()
{
    const quint64 thisRun = run;
    showing = true;
    if (progressDialog) {
        if (runOptions.pageLabel && pagesDone < pageTotal)
            progressDialog->setLabelText(runOptions.pageLabel(pagesDone, pageTotal));
        progressDialog->setValue(pagesDone);
    }
    showing = false;
    return running && run == thisRun && runSession;
}

void PagedRun::pageDone()
{
    if (!running)
        return;
    ++pagesDone;
    if (pagesDone >= pageTotal) {
        end(true);
        return;
    }
    if (!showProgress())
        return;
    if (requestPage)
        QTimer::singleShot(0, this, [this, thisRun = run] { askNextPage(thisRun); });
}

void PagedRun::askNextPage(quint64 forRun)
{
    if (!running || run != forRun)
        return;
    if (!runSession) {
        abandon();
        return;
    }
    requestPage(pagesDone);
}

void PagedRun::abandon()
{
    if (running)
        end(false);
}

void PagedRun::end(bool completed)
{
    running = false;
    for (const QMetaObject::Connection& connection : std::as_const(sessionConnections))
        disconnect(connection);
    sessionConnections.clear();
    requestPage = nullptr;
    runSession = nullptr;
    if (QProgressDialog* dialog = progressDialog.data()) {
        progressDialog.clear();
        // The dialog's own cancel may have brought us here; a later value must not reopen it.
        disconnect(dialog, nullptr, this, nullptr);
        if (!showing)
            dialog->setValue(dialog->maximum());
        dialog->deleteLater();
    }
    if (completed)
        Q_EMIT finished();
    else
        Q_EMIT abandoned();
}

} // namespace dovrix
