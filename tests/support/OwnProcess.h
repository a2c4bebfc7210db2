#pragma once

#include "TestWait.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace dovrix::test {

// True in the child process that DOVRIX_RUN_IN_OWN_PROCESS starts.
inline bool inOwnProcess()
{
    return qEnvironmentVariableIsSet("DOVRIX_OWN_PROCESS");
}

} // namespace dovrix::test

// For a test function that checks or leaves state of the whole process (a flag kept for the
// program's run, an abandoned thread): runs it again alone in a child process and checks that it
// passed there, so that it neither depends on nor disturbs the other functions' order. The body
// after this line runs in the child only.
#define DOVRIX_RUN_IN_OWN_PROCESS()                                                                \
    do {                                                                                           \
        const QString function = QString::fromLatin1(QTest::currentTestFunction());                \
        if (qEnvironmentVariable("DOVRIX_OWN_PROCESS") != function) {                              \
            QProcess child;                                                                        \
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();            \
            environment.insert(QStringLiteral("DOVRIX_OWN_PROCESS"), function);                    \
            child.setProcessEnvironment(environment);                                              \
            child.setProcessChannelMode(QProcess::ForwardedChannels);                              \
            child.start(QCoreApplication::applicationFilePath(), {function});                      \
            QVERIFY(child.waitForFinished(dovrix::test::TimeoutMs));                               \
            QCOMPARE(child.exitStatus(), QProcess::NormalExit);                                    \
            QCOMPARE(child.exitCode(), 0);                                                         \
            return;                                                                                \
        }                                                                                          \
    } while (false)
