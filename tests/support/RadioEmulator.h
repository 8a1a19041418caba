#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The radio emulator (velacps-radiosim, built beside the tests) running as
// its own process for the lifetime of the object. It saves its memory when
// stopped, so what a link wrote can be inspected afterwards.
class RadioEmulator {
public:
    // The memory file's first address: byte i of memory() is radio address
    // kFirstAddress + i.
    static constexpr quint32 kFirstAddress = 0x10000;

    // With "--radios N" among arguments the emulator has N terminals. With
    // several, or "--swap-every", it keeps no memory file (memory() fails).
    explicit RadioEmulator(const QStringList &arguments = {});
    ~RadioEmulator();
    RadioEmulator(const RadioEmulator &) = delete;
    RadioEmulator &operator=(const RadioEmulator &) = delete;

    // The pseudo-terminal to open as the serial cable; empty when the
    // emulator did not start (the failure is recorded in the test).
    const QString &path() const { return m_path; }
    // Every terminal, the first being path().
    const QStringList &paths() const { return m_paths; }

    // Stops the emulator with a signal, as a user would; true when it
    // ended normally, having saved its memory.
    bool stop();
    // The memory the emulator held when stopped (stops it first); empty
    // when it could not be saved.
    QByteArray memory();
    // A byte of memory() by radio address.
    static quint8 byteAt(const QByteArray &memory, quint32 address);
    // What the emulator wrote to standard error (its log, with --verbose);
    // stops it first.
    QByteArray log();

    static QString program();

    // Waits until the emulator has logged text on standard error (started
    // with --verbose, it logs every request); false when it never does.
    bool waitForLogged(const QByteArray &text);

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_path;
    QStringList m_paths;
    QByteArray m_log;
};
