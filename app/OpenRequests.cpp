#include "app/OpenRequests.h"

#include "core/RawFilePath.h"

#include <QFile>

namespace dovrix {

namespace {

const QString kPage = QStringLiteral("page");
const QString kFind = QStringLiteral("find");
const QString kForward = QStringLiteral("synctex-forward");
const QString kRawPath = QStringLiteral("raw-path");

} // namespace

bool parseSynctexPosition(const QString& text, SourcePlace* place)
{
    const qsizetype first = text.indexOf(u':');
    const qsizetype second = first < 0 ? -1 : text.indexOf(u':', first + 1);
    if (second < 0)
        return false;
    bool lineOk = false;
    bool columnOk = true;
    const int line = text.left(first).trimmed().toInt(&lineOk, 10);
    const QString columnText = text.mid(first + 1, second - first - 1).trimmed();
    const int column = columnText.isEmpty() ? 0 : columnText.toInt(&columnOk, 10);
    const QString file = text.mid(second + 1);
    if (!lineOk || !columnOk || line < 1 || column < -1 || file.trimmed().isEmpty())
        return false;
    *place = SourcePlace{file, line, column};
    return true;
}

OpenRequestList openRequestsFromArguments(const QStringList& arguments,
                                          const QStringList& valueOptions,
                                          const QList<QByteArray>& rawArguments)
{
    OpenRequestList result;
    OpenRequest current;
    bool filesOnly = false;
    // Bytes are used only where they are those of the same arguments.
    const bool haveRaw = rawArguments.size() == arguments.size();
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (filesOnly || !argument.startsWith(u'-') || argument == QLatin1String("-")) {
            current.path = argument;
            current.rawPath.clear();
            if (haveRaw && RawFilePath::needed(rawArguments.at(i))
                && QFile::decodeName(rawArguments.at(i)) == argument)
                current.rawPath = rawArguments.at(i);
            result.requests.append(current);
            continue;
        }
        if (argument.startsWith(QLatin1String("--") + kRawPath + QLatin1Char('='))) {
            current.rawPath =
                QByteArray::fromPercentEncoding(argument.mid(kRawPath.size() + 3).toLatin1());
            current.path = QFile::decodeName(current.rawPath);
            result.requests.append(current);
            current.rawPath.clear();
            continue;
        }
        if (argument == QLatin1String("--")) {
            filesOnly = true;
            continue;
        }
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        QString value;
        const qsizetype equals = name.indexOf(u'=');
        const bool inlineValue = equals >= 0;
        if (inlineValue) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        const bool ours = name == kPage || name == kFind || name == kForward;
        if (!ours) {
            if (!inlineValue && valueOptions.contains(name))
                ++i;
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= arguments.size()) {
                result.errors.append(QStringLiteral("选项 --%1 缺少值").arg(name));
                continue;
            }
            value = arguments.at(++i);
        }
        if (name == kPage) {
            bool number = false;
            const int page = value.trimmed().toInt(&number, 10);
            if (value.trimmed().isEmpty() || (number && page < 1))
                result.errors.append(QStringLiteral("--page 的值无效：“%1”").arg(value));
            else
                current.page = value.trimmed();
        } else if (name == kFind) {
            if (value.trimmed().isEmpty())
                result.errors.append(QStringLiteral("--find 的值为空"));
            else
                current.find = value;
        } else {
            SourcePlace place;
            if (parseSynctexPosition(value, &place))
                current.forward = place;
            else
                result.errors.append(
                    QStringLiteral("--synctex-forward 的值无效：“%1”（应为 行:列:TeX 文件）")
                        .arg(value));
        }
    }
    return result;
}

QStringList argumentsForRequest(const OpenRequest& request)
{
    QStringList arguments;
    if (!request.page.isEmpty())
        arguments << QStringLiteral("--page=") + request.page;
    if (!request.find.isEmpty())
        arguments << QStringLiteral("--find=") + request.find;
    if (request.forward.line > 0)
        arguments << QStringLiteral("--synctex-forward=%1:%2:%3")
                         .arg(request.forward.line)
                         .arg(request.forward.column)
                         .arg(request.forward.file);
    if (!request.rawPath.isEmpty())
        arguments << QLatin1String("--") + kRawPath + QLatin1Char('=')
                         + QString::fromLatin1(request.rawPath.toPercentEncoding("/"));
    else
        arguments << QStringLiteral("--") << request.path;
    return arguments;
}

} // namespace dovrix
