#pragma once

#include <QLocalServer>
#include <QObject>

// Hands a profile to open from a second start of the program to the copy
// already running on the same display, as a shell open request: the first
// copy listens on a socket in this user's private runtime folder, named
// after the display; a later start with a file sends the path there and
// ends. The path travels as a four-byte big-endian length and its bytes,
// and is opened exactly as sent.
class CSingleInstance : public QObject {
    Q_OBJECT

public:
    // Longer requests are refused unread (a path is at most 4096 bytes).
    static constexpr quint32 kMaxPathBytes = 4096;

    explicit CSingleInstance(QObject *parent = nullptr);

    // Sends path to a running copy; true when one took it.
    static bool handOver(const QString &path);
    // Starts taking requests unless another copy already does.
    bool listen();

    // The socket's path; empty when there is no safe folder for it.
    static QString serverName();

signals:
    void fileRequested(const QString &path);

private:
    void acceptConnection();

    QLocalServer m_server;
};
