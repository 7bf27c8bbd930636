#include "InstanceChannel.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include "core/AppPaths.h"

namespace {

// The message: a list of paths, then the reply: one byte.
constexpr char Taken = 'k';
// A socket path must fit sockaddr_un's 108 bytes, with room to spare.
constexpr qsizetype MaxSocketPath = 100;
constexpr int RetryMs = 100;

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
    const QString name =
        QStringLiteral("vellumo-") +
        QString::fromLatin1(
            QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex().left(16));
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString path = runtime + QLatin1Char('/') + name;
    if (runtime.isEmpty() || QFile::encodeName(path).size() > MaxSocketPath)
        return name;
    return path;
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
    // Handed on from the event loop, not from inside the socket's readyRead: opening the files
    // can run a nested loop, in which the sender's hang-up deletes this socket while Qt is still
    // in its readyRead dispatch.
    QMetaObject::invokeMethod(
        this, [this, files] { emit filesReceived(files); }, Qt::QueuedConnection);
}

bool InstanceChannel::send(const QStringList &files, int timeoutMs, int startWaitMs)
{
    QLocalSocket socket;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        socket.connectToServer(serverName());
        if (socket.waitForConnected(timeoutMs))
            break;
        if (waited.elapsed() >= startWaitMs)
            return false;
        QThread::msleep(RetryMs);
    }
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
