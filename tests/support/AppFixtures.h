#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace dovrix::test {

// Points the program's INI settings at dir and names the application as start-up does, so that
// window tests never touch the user's settings. Call once, before any AppSettings exists.
inline void isolateSettings(const QString& dir)
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
    QCoreApplication::setOrganizationName(QStringLiteral("Dovrix"));
    QCoreApplication::setApplicationName(QStringLiteral("Dovrix"));
}

// Empties the isolated settings and keeps the interface in its source language, so that window
// tests can compare the program's own texts whatever catalogues are compiled in.
inline void resetSettingsToSourceLanguage()
{
    QSettings settings;
    settings.clear();
    settings.setValue(QStringLiteral("prefs/language"), QStringLiteral("zh-CN"));
}

// Acts on the next modal dialog of type T from inside its own event loop: a zero-interval timer
// looks for it on every turn of the loop, so a test never blocks and never sleeps.
template <typename T> class ModalDriver
{
public:
    explicit ModalDriver(std::function<void(T*)> action, int count = 1) : remaining(count)
    {
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [this, action] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            timer.stop();
            ++handled;
            titles.append(dialog->windowTitle());
            action(dialog);
            if (--remaining > 0)
                timer.start();
        });
        timer.start();
    }

    int handled = 0;
    QStringList titles;

private:
    QTimer timer;
    int remaining;
};

} // namespace dovrix::test
