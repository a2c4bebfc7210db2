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
    if (!key.isEmpty() && !settings->privateMode())
        settings->saveProgress(key, page, zoom);
}

} // namespace dovrix
