#include "app/SingleInstance.h"

#include "app/AppLog.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QtEndian>

namespace dovrix {

namespace {

constexpr int messageVersion = 2;
constexpr int headerBytes = 4;
constexpr char acknowledgement = 'k';
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
    return socket.getChar(&answer) && answer == acknowledgement ? Answer::Taken : Answer::Silent;
}

bool SingleInstance::listen()
{
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Nobody answered on this path: a socket file there was left by a crashed instance. (With
    // UserAccessOption Qt would also replace it, by renaming its new socket over the path.)
    QLocalServer::removeServer(path);
    if (!server->listen(path)) {
        qCWarning(lcApp) << "cannot listen on" << path << server->errorString();
        delete server;
        server = nullptr;
        return false;
    }
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
            readFrom(socket);
        }
    });
    return true;
}

void SingleInstance::readFrom(QLocalSocket* socket)
{
    char header[headerBytes];
    if (socket->peek(header, headerBytes) < headerBytes)
        return;
    const quint32 size = qFromBigEndian<quint32>(header);
    if (size > quint32(MaxMessageBytes)) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < qint64(headerBytes + size))
        return;
    socket->skip(headerBytes);
    HandOver request;
    if (!decodeHandOver(socket->read(size), &request)) {
        socket->abort();
        return;
    }
    socket->putChar(acknowledgement);
    socket->flush();
    socket->disconnectFromServer();
    Q_EMIT received(request.requests, request.ocrPage);
}

} // namespace dovrix
