#include "synctex/EditorCommand.h"

#include <QFileInfo>
#include <QProcess>

namespace dovrix {

namespace {

// Shells whose -c script is POSIX shell language (single quotes quote everything).
bool isPosixShell(const QString& program)
{
    static const QStringList shells = {
        QStringLiteral("sh"),  QStringLiteral("bash"), QStringLiteral("dash"),
        QStringLiteral("zsh"), QStringLiteral("ksh"),  QStringLiteral("mksh"),
        QStringLiteral("ash"), QStringLiteral("yash"), QStringLiteral("posh")};
    return shells.contains(QFileInfo(program).fileName());
}

// The index of the script argument of a shell started with -c, or -1. env and its settings
// (NAME=value, options) may come first.
qsizetype shellScriptIndex(const QStringList& arguments)
{
    qsizetype at = 0;
    if (!arguments.isEmpty() && QFileInfo(arguments.first()).fileName() == QLatin1String("env")) {
        for (at = 1; at < arguments.size(); ++at) {
            const QString& argument = arguments.at(at);
            if (!argument.startsWith(u'-') && !argument.contains(u'='))
                break;
        }
    }
    if (at >= arguments.size() || !isPosixShell(arguments.at(at)))
        return -1;
    bool script = false;
    for (++at; at < arguments.size(); ++at) {
        const QString& argument = arguments.at(at);
        if (argument == QLatin1String("--")) {
            ++at;
            break;
        }
        if (!argument.startsWith(u'-') && !argument.startsWith(u'+'))
            break;
        if (argument.startsWith(u'-') && !argument.startsWith(QLatin1String("--"))
            && argument.contains(u'c'))
            script = true;
        if (argument == QLatin1String("-o") || argument == QLatin1String("+o"))
            ++at; // its option name
    }
    return script && at < arguments.size() ? at : -1;
}

QString singleQuoted(const QString& value)
{
    QString quoted = value;
    quoted.replace(u'\'', QLatin1String("'\\''"));
    return u'\'' + quoted + u'\'';
}

enum class Quoting { None, Single, Double };

// Replaces the placeholders of one argument. In a shell script, the file is inserted quoted for
// the quoting in force where it stands: the script's own quotes are closed around it.
QString expand(const QString& argument, const SourcePlace& place, bool shellScript, bool* namesFile)
{
    QString expanded;
    Quoting quoting = Quoting::None;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const QChar c = argument.at(i);
        const QChar next = i + 1 < argument.size() ? argument.at(i + 1) : QChar();
        if (c != u'%' || next.isNull()) {
            expanded.append(c);
            if (!shellScript)
                continue;
            if (c == u'\\' && quoting != Quoting::Single && !next.isNull()) {
                expanded.append(next); // an escaped character quotes nothing
                ++i;
            } else if (c == u'\'' && quoting != Quoting::Double) {
                quoting = quoting == Quoting::Single ? Quoting::None : Quoting::Single;
            } else if (c == u'"' && quoting != Quoting::Single) {
                quoting = quoting == Quoting::Double ? Quoting::None : Quoting::Double;
            }
            continue;
        }
        ++i;
        if (next == u'f') {
            *namesFile = true;
            if (!shellScript) {
                expanded.append(place.file);
                continue;
            }
            const QString word = singleQuoted(place.file);
            if (quoting == Quoting::Single)
                expanded.append(u'\'' + word + u'\'');
            else if (quoting == Quoting::Double)
                expanded.append(u'"' + word + u'"');
            else
                expanded.append(word);
        } else if (next == u'l') {
            expanded.append(QString::number(place.line));
        } else if (next == u'c') {
            expanded.append(QString::number(std::max(place.column, 0)));
        } else if (next == u'%') {
            expanded.append(u'%');
        } else {
            expanded.append(c).append(next);
        }
    }
    return expanded;
}

} // namespace

bool isAcceptableSourceName(const QString& file)
{
    return !file.contains(u'\n') && !file.contains(u'\r') && !file.contains(QChar(0));
}

QStringList editorCommandLine(const QString& command, const SourcePlace& place)
{
    if (!isAcceptableSourceName(place.file))
        return {};
    QStringList arguments = QProcess::splitCommand(command);
    const qsizetype script = shellScriptIndex(arguments);
    bool namesFile = false;
    for (qsizetype i = 0; i < arguments.size(); ++i)
        arguments[i] = expand(arguments.at(i), place, i == script, &namesFile);
    if (!arguments.isEmpty() && !namesFile)
        arguments.append(place.file);
    return arguments;
}

} // namespace dovrix
