#pragma once

#include <QLocalServer>
#include <QObject>

// Hands a profile to open from a second start of the program to the copy
// already running, as a shell open request: the first copy listens on a
// per-user local socket, a later start with a file sends the path there
// and ends.
class CSingleInstance : public QObject {
    Q_OBJECT

public:
    explicit CSingleInstance(QObject *parent = nullptr);

    // Sends path to a running copy; true when one took it.
    static bool handOver(const QString &path);
    // Starts taking requests unless another copy already does.
    bool listen();

    static QString serverName();

signals:
    void fileRequested(const QString &path);

private:
    void acceptConnection();

    QLocalServer m_server;
};
