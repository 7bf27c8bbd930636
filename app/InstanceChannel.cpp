#include "InstanceChannel.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>

#include "core/AppPaths.h"

namespace {

// The message: a list of paths, then the reply: one byte.
constexpr char Taken = 'k';

} // namespace

InstanceChannel::InstanceChannel(QObject *parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

InstanceChannel::~InstanceChannel() = default;

QString InstanceChannel::serverName()
{
    const QByteArray folder = AppPaths::dataFolder().toUtf8();
    return QStringLiteral("vellumo-") +
           QString::fromLatin1(
               QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(16));
}

bool InstanceChannel::listen()
{
    // A name left by a copy that crashed is taken over: this copy holds the instance lock.
    QLocalServer::removeServer(serverName());
    return m_server->listen(serverName());
}

void InstanceChannel::readFrom(QLocalSocket *socket)
{
    QDataStream in(socket);
    in.startTransaction();
    QStringList files;
    in >> files;
    if (!in.commitTransaction())
        return; // the rest is still on its way
    socket->write(&Taken, 1);
    socket->flush();
    emit filesReceived(files);
}

bool InstanceChannel::send(const QStringList &files, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QDataStream out(&socket);
    out << files;
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    char reply = 0;
    return socket.read(&reply, 1) == 1 && reply == Taken;
}
