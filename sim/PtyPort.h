#pragma once

#include <QByteArray>
#include <QString>

// The emulator's end of a pseudo-terminal. The other end (the path) is what
// the radio link opens as its serial cable. The emulator keeps that end open
// itself too, in raw mode, so the terminal keeps its settings and stays
// usable while the link closes and reopens it.
class PtyPort {
public:
    PtyPort() = default;
    ~PtyPort();
    PtyPort(const PtyPort &) = delete;
    PtyPort &operator=(const PtyPort &) = delete;

    bool open(QString &error);
    QString path() const { return m_path; }

    // Waits up to timeoutMs for bytes from the link; empty when none came.
    QByteArray read(int timeoutMs);
    // Sends bytes to the link; paced: one byte every 10 bit times at 16406 baud.
    bool write(const QByteArray &bytes, bool paced);
    // A link locks the terminal and makes it exclusive while it has it open.
    // One that was killed leaves the exclusive mode behind, since this end
    // keeps the terminal open; with nobody holding the lock it is lifted.
    void releaseAbandonedTerminal();

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};
