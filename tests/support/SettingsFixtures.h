#pragma once

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QString>

namespace dovrix::test {

// Points the program's INI settings at dir and names the application as start-up does, so that
// tests never touch the user's settings. Call before any AppSettings exists; calling it again
// with another folder starts afresh.
inline void isolateSettings(const QString& dir)
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
    QCoreApplication::setOrganizationName(QStringLiteral("Dovrix"));
    QCoreApplication::setApplicationName(QStringLiteral("Dovrix"));
}

} // namespace dovrix::test
