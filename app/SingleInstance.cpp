#include "app/SingleInstance.h"

#include "app/AppLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace dovrix {

namespace {

constexpr int messageVersion = 2;
constexpr int headerBytes = 4;
constexpr char acknowledgement = 'k';
constexpr char tooManyFiles = 'f';
constexpr int connectTimeoutMs = 3000;
// The running window answers from its event loop, which may still be busy opening its own files.
constexpr int answerTimeoutMs = 15000;
constexpr int lockTimeoutMs = 10000;

} // namespace

QByteArray encodeHandOver(const HandOver& request)
{
    QJsonArray requests;
    for (const OpenRequest& open : request.requests)
        requests.append(QJsonArray::fromStringList(argumentsForRequest(open)));
    const QJsonObject object{{QStringLiteral("version"), messageVersion},
                             {QStringLiteral("requests"), requests},
                             {QStringLiteral("ocrPage"), request.ocrPage}};
    const QByteArray body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    QByteArray message(headerBytes, Qt::Uninitialized);
    qToBigEndian(quint32(body.size()), message.data());
    return message + body;
}

bool decodeHandOver(const QByteArray& body, HandOver* request)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    const QJsonObject object = document.object();
    const QJsonValue requests = object.value(QStringLiteral("requests"));
    const QJsonValue page = object.value(QStringLiteral("ocrPage"));
    if (object.value(QStringLiteral("version")).toInt() != messageVersion || !requests.isArray()
        || !page.isDouble())
        return false;
    HandOver decoded;
    for (const QJsonValue& entry : requests.toArray()) {
        QStringList arguments;
        for (const QJsonValue& argument : entry.toArray()) {
            if (!argument.isString())
                return false;
            arguments.append(argument.toString());
        }
        const OpenRequestList parsed = openRequestsFromArguments(arguments);
        if (!parsed.errors.isEmpty() || parsed.requests.size() != 1)
            return false;
        const OpenRequest& open = parsed.requests.constFirst();
        if (open.path.isEmpty() || QDir::isRelativePath(open.path)
            || (open.forward.line > 0 && QDir::isRelativePath(open.forward.file)))
            return false;
        decoded.requests.append(open);
    }
    decoded.ocrPage = std::max(page.toInt(-1), -1);
    *request = decoded;
    return true;
}

SingleInstance::SingleInstance(const QString& socketPath, QObject* parent)
    : QObject(parent), path(socketPath)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultSocketPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/dovrix.socket");
}

SingleInstance::Role SingleInstance::start(const HandOver& request)
{
    currentRole = Role::Alone;
    if (path.isEmpty())
        return currentRole;
    // A lock left by a process that died is stale and taken over.
    QLockFile lock(path + QStringLiteral(".lock"));
    const bool locked = lock.tryLock(lockTimeoutMs);
    switch (handOver(request)) {
    case Answer::Taken:
        currentRole = Role::HandedOver;
        break;
    case Answer::Refused:
        currentRole = Role::Refused;
        break;
    case Answer::Silent:
        // Something listens but does not answer: leave it alone rather than take its socket.
        break;
    case Answer::NoServer:
        if (locked && listen())
            currentRole = Role::Serving;
        break;
    }
    return currentRole;
}

SingleInstance::Answer SingleInstance::handOver(const HandOver& request)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(connectTimeoutMs))
        return Answer::NoServer;
    socket.write(encodeHandOver(request));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(answerTimeoutMs))
            return Answer::Silent;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(answerTimeoutMs))
            return Answer::Silent;
    }
    char answer = 0;
    if (!socket.getChar(&answer))
        return Answer::Silent;
    if (answer == tooManyFiles)
        return Answer::Refused;
    return answer == acknowledgement ? Answer::Taken : Answer::Silent;
}

QString SingleInstance::refusalMessage()
{
    return tr("已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。")
        .arg(MaxFilesPerMessage);
}

void SingleInstance::setListenCheckInterval(int ms)
{
    if (listenCheck)
        listenCheck->setInterval(ms);
}

namespace {

quint64 inodeOf(const QString& path)
{
#if defined(Q_OS_UNIX)
    struct stat status
    {
    };
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0)
        return quint64(status.st_ino);
#else
    Q_UNUSED(path);
#endif
    return 0;
}

} // namespace

bool SingleInstance::listen()
{
    if (!server) {
        server = new QLocalServer(this);
        server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(server, &QLocalServer::newConnection, this, &SingleInstance::accept);
    }
    // Nobody answered on this path: a socket file there was left by a crashed instance. (With
    // UserAccessOption Qt would also replace it, by renaming its new socket over the path.)
    QLocalServer::removeServer(path);
    if (!server->listen(path)) {
        qCWarning(lcApp) << "cannot listen on" << path << server->errorString();
        return false;
    }
    socketInode = inodeOf(path);
    if (!listenCheck) {
        // At the descriptor limit Qt's server closes itself and deletes its socket file (accept
        // fails); a cleaner of the runtime folder may delete the file too.
        listenCheck = new QTimer(this);
        listenCheck->setInterval(ListenCheckMs);
        connect(listenCheck, &QTimer::timeout, this, &SingleInstance::checkListening);
        listenCheck->start();
    }
    return true;
}

void SingleInstance::checkListening()
{
    const quint64 inode = inodeOf(path);
    if (server->isListening() && inode == socketInode && inode != 0)
        return;
    if (inode != 0 && inode != socketInode) {
        // Another file took the path: another instance may serve there now. Leave it alone.
        QLocalSocket probe;
        probe.connectToServer(path);
        if (probe.waitForConnected(connectTimeoutMs)) {
            qCWarning(lcApp) << "another instance serves on" << path;
            server->close();
            listenCheck->stop();
            return;
        }
    }
    server->close();
    qCWarning(lcApp) << "listening again on" << path;
    listen();
}

void SingleInstance::accept()
{
    while (QLocalSocket* socket = server->nextPendingConnection()) {
        // Full: the connection waiting longest goes; a real start delivers its message at once.
        if (connections.size() >= MaxConnections)
            drop(connections.constFirst());
        connections.append(socket);
        auto* idle = new QTimer(socket);
        idle->setSingleShot(true);
        connect(idle, &QTimer::timeout, this, [this, socket] { drop(socket); });
        idle->start(idleTimeoutMs);
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { drop(socket); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        readFrom(socket);
    }
}

void SingleInstance::drop(QLocalSocket* socket)
{
    if (!connections.removeOne(socket))
        return;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void SingleInstance::readFrom(QLocalSocket* socket)
{
    char header[headerBytes];
    if (socket->peek(header, headerBytes) < headerBytes)
        return;
    const quint32 size = qFromBigEndian<quint32>(header);
    if (size > quint32(MaxMessageBytes)) {
        drop(socket);
        return;
    }
    if (socket->bytesAvailable() < qint64(headerBytes + size))
        return;
    socket->skip(headerBytes);
    HandOver request;
    if (!decodeHandOver(socket->read(size), &request)) {
        drop(socket);
        return;
    }
    // The answer is on its way; the connection is no longer counted or timed.
    connections.removeOne(socket);
    socket->disconnect(this);
    delete socket->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    const bool accepted = request.requests.size() <= MaxFilesPerMessage;
    socket->putChar(accepted ? acknowledgement : tooManyFiles);
    socket->flush();
    socket->disconnectFromServer();
    if (accepted)
        Q_EMIT received(request.requests, request.ocrPage);
    else
        qCWarning(lcApp) << "refused a request for" << request.requests.size() << "files";
}

} // namespace dovrix
