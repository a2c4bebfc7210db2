#pragma once

#include <QElapsedTimer>
#include <QJsonObject>
#include <QStringList>

#include <functional>

namespace dovrix::bench {

// A bench command receives the arguments after its name and returns the process exit code.
using Command = std::function<int(const QStringList& args)>;

// Registers a command at static-initialisation time: one Bench*.cpp file per command.
struct Registration
{
    Registration(const char* name, const char* usage, Command command);
};

// Prints one JSON object on one line to standard output.
void printJson(const QJsonObject& object);

// Value of "--name VALUE" in args, or fallback.
QString option(const QStringList& args, const QString& name, const QString& fallback = {});
bool hasFlag(const QStringList& args, const QString& name);
// Arguments that are neither options nor option values (options taking a value are listed).
QStringList positional(const QStringList& args, const QStringList& optionsWithValue);

double median(QList<double> values);

double elapsedMs(const QElapsedTimer& timer);

// Prints "command: message" to standard error and returns the exit code of a failed command.
int fail(const char* command, const QString& message);

} // namespace dovrix::bench
