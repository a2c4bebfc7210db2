#pragma once

#include "app/OpenRequests.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;
class QTimer;

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
// TeX file and another version. A message may name more files than the running window takes
// (SingleInstance::MaxFilesPerMessage): that is for the receiver to refuse.
bool decodeHandOver(const QByteArray& body, HandOver* request);

// One window per user. The first start listens on a local socket in the user's runtime folder; a
// later start connects, hands over its request and ends once the running window acknowledged it.
// A socket left behind by a crashed instance refuses connections: it is removed and replaced. A
// lock file next to the socket keeps two simultaneous starts from both taking the server role.
// Lives on the GUI thread; start() blocks only during start-up, before any window exists.
//
// The socket is the user's alone (mode 0700), and nothing a client does can take it away: a
// connection that has not delivered its whole message within IdleTimeoutMs is closed, at most
// MaxConnections are open at once (a further one closes the oldest), a message naming more than
// MaxFilesPerMessage files is refused with an answer the later start reports, and should the
// server stop listening or its socket file vanish, it listens again (unless another instance
// serves there by then).
class SingleInstance : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SingleInstance)

public:
    enum class Role {
        Serving,    // this process runs the window and receives later requests
        HandedOver, // a running window took the request; this process ends
        Alone,      // no socket could be used: this process runs its window without serving
        Refused,    // a running window refused the request (too many files); this process ends
    };
    Q_ENUM(Role)

    // The largest request accepted; a longer one is dropped with its connection.
    static constexpr int MaxMessageBytes = 1 << 20;
    // The most files one later start may hand over.
    static constexpr int MaxFilesPerMessage = 64;
    // Connections open at once, and how long one may take to deliver its message.
    static constexpr int MaxConnections = 16;
    static constexpr int IdleTimeoutMs = 5000;
    // How often the server checks that it still listens on its socket file.
    static constexpr int ListenCheckMs = 2000;

    // socketPath: the full path of the socket; its folder must exist.
    explicit SingleInstance(const QString& socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // "dovrix.socket" in the user's runtime folder (XDG_RUNTIME_DIR, which Qt otherwise creates
    // private to the user); empty when there is none.
    static QString defaultSocketPath();

    Role start(const HandOver& request);
    Role role() const { return currentRole; }
    // Why a running window refused the request (for the Refused role).
    static QString refusalMessage();
    // Shorter limits, for tests.
    void setIdleTimeout(int ms) { idleTimeoutMs = ms; }
    void setListenCheckInterval(int ms);

Q_SIGNALS:
    // A later start's request, after it was acknowledged.
    void received(const QList<OpenRequest>& requests, int ocrPage);

private:
    enum class Answer { NoServer, Taken, Refused, Silent };
    Answer handOver(const HandOver& request);
    bool listen();
    void accept();
    void readFrom(QLocalSocket* socket);
    void drop(QLocalSocket* socket);
    // Listens again when the server stopped or its socket file is gone, and nobody else serves.
    void checkListening();

    QString path;
    QLocalServer* server = nullptr;
    QTimer* listenCheck = nullptr;
    QList<QLocalSocket*> connections; // open, oldest first
    quint64 socketInode = 0;          // of the socket file while we listen on it
    int idleTimeoutMs = IdleTimeoutMs;
    Role currentRole = Role::Alone;
};

} // namespace dovrix
