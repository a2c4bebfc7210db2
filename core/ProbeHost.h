#pragma once

#include "engine/PdfDocument.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QProcess;

namespace dovrix {

// The file probe started ahead of need ("dovrix-probe --serve"): it waits, and forks one child
// per file to open, so that a file is checked without paying for a new process and the loading
// of the engine while the user waits. Lives on the GUI thread, as a child of the application.
class ProbeHost : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ProbeHost)

public:
    // Starts a host of program unless one of it runs already (one of another program is stopped).
    static void prepare(const QString& program);
    // The host of program when it runs; null otherwise.
    static ProbeHost* of(const QString& program);
    // Stops the running host, if any.
    static void shutDown();

    // Asks for path to be probed with engine; output() and then ended() carry the returned id.
    // 0 when the host turned out to be gone while the request was sent (lost() has come then).
    quint64 open(EngineKind engine, const QString& path);
    // Kills the child of id; its ended() still comes.
    void stop(quint64 id);
    // Reads what the host has written but this thread has not taken yet.
    void readPending();
    qint64 processId() const;

Q_SIGNALS:
    // One line of the child of id, without its line feed.
    void output(quint64 id, const QByteArray& line);
    // The child of id has ended; cleanly when it exited with 0.
    void ended(quint64 id, bool cleanly);
    // The host itself has ended: no ended() comes for the children still out.
    void lost();

private:
    ProbeHost(const QString& program, QObject* parent);
    ~ProbeHost() override;
    void take();
    void send(const QByteArray& request);

    const QString program;
    QProcess* process;
    QByteArray partial; // an incomplete last line
    quint64 lastId = 0;
    bool gone = false;
};

} // namespace dovrix
