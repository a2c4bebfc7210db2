#include "core/ProbeHost.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QProcess>

namespace dovrix {

namespace {

QPointer<ProbeHost>& runningHost()
{
    static QPointer<ProbeHost> host;
    return host;
}

} // namespace

ProbeHost::ProbeHost(const QString& hostProgram, QObject* parent)
    : QObject(parent), program(hostProgram), process(new QProcess(this))
{
    process->setProgram(program);
    process->setArguments({QStringLiteral("--serve")});
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::readyReadStandardOutput, this, &ProbeHost::take);
    const auto end = [this] {
        if (gone)
            return;
        gone = true;
        take();
        Q_EMIT lost();
        deleteLater();
    };
    connect(process, &QProcess::finished, this, end);
    connect(process, &QProcess::errorOccurred, this, [end](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end();
    });
    process->start();
}

ProbeHost::~ProbeHost()
{
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        // Its children die with it.
        process->kill();
        process->waitForFinished(1000);
    }
}

void ProbeHost::prepare(const QString& program)
{
    if (of(program) || !QCoreApplication::instance())
        return;
    shutDown();
    runningHost() = new ProbeHost(program, QCoreApplication::instance());
}

ProbeHost* ProbeHost::of(const QString& program)
{
    ProbeHost* host = runningHost();
    return host && !host->gone && host->program == program ? host : nullptr;
}

void ProbeHost::shutDown()
{
    if (ProbeHost* host = runningHost()) {
        host->gone = true;
        Q_EMIT host->lost();
        delete host;
    }
}

quint64 ProbeHost::open(EngineKind engine, const QString& path)
{
    const quint64 id = ++lastId;
    send("open " + QByteArray::number(id) + ' ' + engineName(engine).toLatin1() + ' '
         + QFile::encodeName(path).toHex());
    return gone ? 0 : id;
}

void ProbeHost::stop(quint64 id)
{
    send("stop " + QByteArray::number(id));
}

void ProbeHost::send(const QByteArray& request)
{
    process->write(request + '\n');
    // Sent now, not when the event loop next runs: that may be after the window has laid out and
    // painted. A host that has not started yet (or failed to) is found out here, at once.
    process->waitForBytesWritten(0);
}

void ProbeHost::readPending()
{
    process->waitForReadyRead(0);
    take();
}

qint64 ProbeHost::processId() const
{
    return process->processId();
}

void ProbeHost::take()
{
    const QByteArray chunk = process->readAllStandardOutput();
    qsizetype from = 0;
    // A receiver may delete the host (by shutting it down): no member is touched after that.
    const QPointer<ProbeHost> alive(this);
    for (qsizetype end = chunk.indexOf('\n'); end >= 0 && alive; end = chunk.indexOf('\n', from)) {
        const QByteArray line = partial + chunk.mid(from, end - from);
        partial.clear();
        from = end + 1;
        const qsizetype space = line.indexOf(' ');
        bool ok = false;
        const quint64 id = line.left(space).toULongLong(&ok);
        if (space < 0 || !ok)
            continue;
        const QByteArray rest = line.mid(space + 1);
        if (rest.startsWith("exit ") || rest.startsWith("signal "))
            Q_EMIT ended(id, rest == "exit 0");
        else
            Q_EMIT output(id, rest);
    }
    if (alive)
        partial += chunk.mid(from);
}

} // namespace dovrix
