#include "core/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace dovrix {

QStringList companionFolders()
{
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir, QDir::cleanPath(dir + QLatin1Char('/') + QLatin1String(installedCompanionFolder))};
}

QString findCompanion(const QString& name)
{
    const QStringList folders = companionFolders();
    for (const QString& folder : folders) {
        const QString path = folder + QLatin1Char('/') + name;
        if (QFileInfo::exists(path))
            return path;
    }
    return folders.constFirst() + QLatin1Char('/') + name;
}

} // namespace dovrix
