#include "synctex/EditorCommand.h"

#include <QProcess>

namespace dovrix {

QStringList editorCommandLine(const QString& command, const SourcePlace& place)
{
    QStringList arguments = QProcess::splitCommand(command);
    bool namesFile = false;
    for (QString& argument : arguments) {
        QString expanded;
        for (qsizetype i = 0; i < argument.size(); ++i) {
            const QChar c = argument.at(i);
            const QChar next = i + 1 < argument.size() ? argument.at(i + 1) : QChar();
            if (c != u'%' || next.isNull()) {
                expanded.append(c);
                continue;
            }
            ++i;
            if (next == u'f') {
                expanded.append(place.file);
                namesFile = true;
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
        argument = expanded;
    }
    if (!arguments.isEmpty() && !namesFile)
        arguments.append(place.file);
    return arguments;
}

} // namespace dovrix
