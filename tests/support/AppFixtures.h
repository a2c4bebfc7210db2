#pragma once

#include "SettingsFixtures.h"
#include "TestWait.h"

#include "session/DocumentSession.h"
#include "session/DocumentTab.h"

#include <QApplication>
#include <QCoreApplication>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace dovrix::test {

// Empties the isolated settings and keeps the interface in its source language, so that window
// tests can compare the program's own texts whatever catalogues are compiled in.
inline void resetSettingsToSourceLanguage()
{
    QSettings settings;
    settings.clear();
    settings.setValue(QStringLiteral("prefs/language"), QStringLiteral("zh-CN"));
}

// Waits until the tab's document is ready (see waitUntilReady).
inline bool waitReady(DocumentTab* tab)
{
    return tab && waitUntilReady(*tab->session()->controller());
}

// The folders every window test uses: settings of its own for the whole test (isolate() in
// initTestCase()), and a fresh folder for files with the settings emptied before each test
// function (freshStart() in init()).
class WindowTestFolders
{
protected:
    QTemporaryDir settingsDir;
    std::unique_ptr<QTemporaryDir> dir;

    void isolate()
    {
        QVERIFY(settingsDir.isValid());
        isolateSettings(settingsDir.path());
    }

    void freshStart()
    {
        resetSettingsToSourceLanguage();
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }
};

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
