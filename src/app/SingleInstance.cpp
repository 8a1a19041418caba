#include "SingleInstance.h"

#include "base/PrivateFolder.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLocalSocket>
#include <QtEndian>

namespace {

constexpr int kWaitMs = 2000;
constexpr char kAccepted[] = "1";
constexpr int kLengthBytes = 4;

// Copies on different displays (or Wayland sessions) of one user are
// separate programs for that user, so each display has its own socket.
QByteArray displayKey()
{
    const QByteArray key = qgetenv("DISPLAY") + '\n' + qgetenv("WAYLAND_DISPLAY");
    return QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
}

// Reads one request from socket once it is complete: the path, or an
// empty array with *refused set when the request is malformed or too long.
QByteArray takeRequest(QLocalSocket *socket, bool *refused)
{
    *refused = false;
    if (socket->bytesAvailable() < kLengthBytes)
        return {};
    uchar prefix[kLengthBytes];
    socket->peek(reinterpret_cast<char *>(prefix), kLengthBytes);
    const quint32 length = qFromBigEndian<quint32>(prefix);
    if (length == 0 || length > CSingleInstance::kMaxPathBytes
        || socket->bytesAvailable() > kLengthBytes + qint64(length)) {
        *refused = true;
        return {};
    }
    if (socket->bytesAvailable() < kLengthBytes + qint64(length))
        return {};
    socket->skip(kLengthBytes);
    return socket->read(length);
}

} // namespace

CSingleInstance::CSingleInstance(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QLocalServer::newConnection, this, &CSingleInstance::acceptConnection);
}

QString CSingleInstance::serverName()
{
    const QString folder = PrivateFolder::runtimeFolder();
    if (folder.isEmpty())
        return QString();
    return folder + QStringLiteral("/open-") + QString::fromLatin1(displayKey());
}

bool CSingleInstance::handOver(const QString &path)
{
    const QString name = serverName();
    const QByteArray bytes = QFile::encodeName(path);
    if (name.isEmpty() || bytes.isEmpty() || quint32(bytes.size()) > kMaxPathBytes)
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kWaitMs))
        return false;
    uchar prefix[kLengthBytes];
    qToBigEndian<quint32>(quint32(bytes.size()), prefix);
    socket.write(reinterpret_cast<const char *>(prefix), kLengthBytes);
    socket.write(bytes);
    if (!socket.waitForBytesWritten(kWaitMs) || !socket.waitForReadyRead(kWaitMs))
        return false;
    return socket.readAll() == kAccepted;
}

bool CSingleInstance::listen()
{
    const QString name = serverName();
    if (name.isEmpty())
        return false;
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server.listen(name))
        return true;
    // A socket left by a copy that died answers nobody and may be replaced.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(kWaitMs))
        return false;
    QLocalServer::removeServer(name);
    return m_server.listen(name);
}

void CSingleInstance::acceptConnection()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        // Only what a whole request needs is ever kept.
        socket->setReadBufferSize(kLengthBytes + kMaxPathBytes + 1);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            bool refused = false;
            const QByteArray path = takeRequest(socket, &refused);
            if (refused) {
                socket->abort();
                return;
            }
            if (path.isEmpty())
                return;
            socket->write(kAccepted);
            socket->flush();
            emit fileRequested(QFile::decodeName(path));
        });
    }
}
