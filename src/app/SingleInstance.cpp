#include "SingleInstance.h"

#include <QLocalSocket>

#include <unistd.h>

namespace {

constexpr int kWaitMs = 2000;
constexpr char kAccepted[] = "1";

} // namespace

CSingleInstance::CSingleInstance(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QLocalServer::newConnection, this, &CSingleInstance::acceptConnection);
}

QString CSingleInstance::serverName()
{
    return QStringLiteral("velacps-open-%1").arg(getuid());
}

bool CSingleInstance::handOver(const QString &path)
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.write(path.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(kWaitMs) || !socket.waitForReadyRead(kWaitMs))
        return false;
    return socket.readAll() == kAccepted;
}

bool CSingleInstance::listen()
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server.listen(serverName()))
        return true;
    // A socket left by a copy that died answers nobody and may be replaced.
    QLocalSocket probe;
    probe.connectToServer(serverName());
    if (probe.waitForConnected(kWaitMs))
        return false;
    QLocalServer::removeServer(serverName());
    return m_server.listen(serverName());
}

void CSingleInstance::acceptConnection()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QString path = QString::fromUtf8(socket->readLine()).trimmed();
            socket->write(kAccepted);
            socket->flush();
            if (!path.isEmpty())
                emit fileRequested(path);
        });
    }
}
