#include "bench/Bench.h"

#include "engine/PdfDocument.h"

#include <QApplication>
#include <QEventLoop>
#include <QJsonDocument>
#include <QMap>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace dovrix::bench {

namespace {

struct Entry
{
    QString usage;
    Command command;
};

QMap<QString, Entry>& registry()
{
    static QMap<QString, Entry> commands;
    return commands;
}

} // namespace

Registration::Registration(const char* name, const char* usage, Command command)
{
    registry().insert(QString::fromUtf8(name), {QString::fromUtf8(usage), std::move(command)});
}

void printJson(const QJsonObject& object)
{
    const QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact);
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QString option(const QStringList& args, const QString& name, const QString& fallback)
{
    const int at = int(args.indexOf(name));
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
}

bool hasFlag(const QStringList& args, const QString& name)
{
    return args.contains(name);
}

QStringList positional(const QStringList& args, const QStringList& optionsWithValue)
{
    QStringList result;
    for (int i = 0; i < args.size(); ++i) {
        if (optionsWithValue.contains(args.at(i))) {
            ++i;
            continue;
        }
        if (!args.at(i).startsWith(QLatin1String("--")))
            result << args.at(i);
    }
    return result;
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype mid = values.size() / 2;
    return values.size() % 2 ? values.at(mid) : (values.at(mid - 1) + values.at(mid)) / 2;
}

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

int fail(const char* command, const QString& message)
{
    QTextStream(stderr) << command << ": " << message << '\n';
    return 2;
}

} // namespace dovrix::bench

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Dovrix"));
    QApplication::setApplicationName(QStringLiteral("Dovrix"));

    QStringList args = QApplication::arguments().mid(1);
    // Every command opens files with this engine (and the fallback the program has).
    const int engineAt = int(args.indexOf(QStringLiteral("--engine")));
    if (engineAt >= 0) {
        dovrix::EngineKind engine = dovrix::EngineKind::MuPdf;
        if (engineAt + 1 >= args.size() || !dovrix::engineFromName(args.at(engineAt + 1), &engine))
            return dovrix::bench::fail("dovrix-bench", QStringLiteral("--engine mupdf|qtpdf"));
        dovrix::PdfDocument::setPreferredEngine(engine);
        args.remove(engineAt, 2);
    }
    const auto& commands = dovrix::bench::registry();
    if (args.isEmpty() || !commands.contains(args.first())) {
        QTextStream err(stderr);
        err << "usage: dovrix-bench [--engine mupdf|qtpdf] COMMAND ...\n";
        for (auto it = commands.begin(); it != commands.end(); ++it)
            err << "  " << it.value().usage << '\n';
        return 2;
    }
    const QString name = args.takeFirst();
    return commands.value(name).command(args);
}
