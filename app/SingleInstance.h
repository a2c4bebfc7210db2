#pragma once

#include "app/OpenRequests.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

namespace dovrix {

// What a later start asks of the running window: the files to open with what its command line
// asked for each (absolute paths, in command-line order) and the 0-based page to recognise in the
// last of them (-1: none).
struct HandOver
{
    QList<OpenRequest> requests;
    int ocrPage = -1;
};

// The wire form: a 32-bit big-endian length, then the request as compact JSON
// ({"version":2,"requests":[[arguments of one file],...],"ocrPage":n}), each file's arguments as
// argumentsForRequest writes them.
QByteArray encodeHandOver(const HandOver& request);
// Decodes one complete message body (without the length). False for anything malformed (also an
// argument list that is not exactly one valid request), for an empty or relative path, a relative
// TeX file and another version.
bool decodeHandOver(const QByteArray& body, HandOver* request);

// One window per user. The first start listens on a local socket in the user's runtime folder; a
// later start connects, hands over its request and ends once the running window acknowledged it.
// A socket left behind by a crashed instance refuses connections: it is removed and replaced. A
// lock file next to the socket keeps two simultaneous starts from both taking the server role.
// Lives on the GUI thread; start() blocks only during start-up, before any window exists.
class SingleInstance : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SingleInstance)

public:
    enum class Role {
        Serving,    // this process runs the window and receives later requests
        HandedOver, // a running window took the request; this process ends
        Alone,      // no socket could be used: this process runs its window without serving
    };
    Q_ENUM(Role)

    // The largest request accepted; a longer one is dropped with its connection.
    static constexpr int MaxMessageBytes = 1 << 20;

    // socketPath: the full path of the socket; its folder must exist.
    explicit SingleInstance(const QString& socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // "dovrix.socket" in the user's runtime folder (XDG_RUNTIME_DIR, which Qt otherwise creates
    // private to the user); empty when there is none.
    static QString defaultSocketPath();

    Role start(const HandOver& request);
    Role role() const { return currentRole; }

Q_SIGNALS:
    // A later start's request, after it was acknowledged.
    void received(const QList<OpenRequest>& requests, int ocrPage);

private:
    enum class Answer { NoServer, Taken, Silent };
    Answer handOver(const HandOver& request);
    bool listen();
    void readFrom(QLocalSocket* socket);

    QString path;
    QLocalServer* server = nullptr;
    Role currentRole = Role::Alone;
};

} // namespace dovrix
