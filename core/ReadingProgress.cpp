#include "core/ReadingProgress.h"

#include "settings/AppSettings.h"

#include <QTimer>

namespace dovrix {

ReadingProgress::ReadingProgress(AppSettings* settings, QObject* parent)
    : QObject(parent), settings(settings), writeTimer(new QTimer(this))
{
    writeTimer->setSingleShot(true);
    writeTimer->setInterval(WriteDelayMs);
    connect(writeTimer, &QTimer::timeout, this, &ReadingProgress::write);
}

void ReadingProgress::setDocumentKey(const QString& newKey)
{
    // Dropping the pending write would lose the last page change of the previous document.
    if (writeTimer->isActive()) {
        writeTimer->stop();
        write();
    }
    key = newKey;
    viewReported = false;
}

void ReadingProgress::update(int newPage, double newZoom)
{
    if (key.isEmpty())
        return;
    page = newPage;
    zoom = newZoom;
    if (!settings->privateMode())
        writeTimer->start();
}

void ReadingProgress::updateView(const DocumentView& newView)
{
    if (key.isEmpty())
        return;
    view = newView;
    viewReported = true;
    zoom = newView.zoom;
    if (!settings->privateMode())
        writeTimer->start();
}

bool ReadingProgress::savedView(DocumentView* stored) const
{
    return !key.isEmpty() && settings->documentView(key, stored);
}

void ReadingProgress::flush()
{
    writeTimer->stop();
    write();
    key.clear();
}

int ReadingProgress::savedPage() const
{
    return key.isEmpty() ? -1 : settings->progressPage(key);
}

void ReadingProgress::write()
{
    // Private mode is read at write time: turning it on stops writes that were already pending.
    if (key.isEmpty() || settings->privateMode())
        return;
    settings->saveProgress(key, page, zoom);
    if (viewReported)
        settings->saveDocumentView(key, view);
}

} // namespace dovrix
