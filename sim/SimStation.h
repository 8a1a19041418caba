#pragma once

#include "PtyPort.h"
#include "SimMemory.h"
#include "SimOptions.h"
#include "SimRadio.h"
#include "SimRequestParser.h"

#include <QElapsedTimer>

#include <atomic>
#include <csignal>
#include <functional>
#include <memory>

// One terminal of the emulator and the radio behind it. With swapping on,
// the radio is changed for one with the next serial after each completed
// write (a reset after block writes) and after swapEvery seconds without a
// write, with a pause in which the terminal answers nothing, as when a
// dealer takes one radio off the cable and puts on the next.
class SimStation {
public:
    // The serial number of the next radio put on a terminal, from 1.
    using SerialSource = std::function<int()>;

    SimStation(const SimOptions &options, SerialSource nextSerial);

    // Opens the terminal and puts the first radio on it; false with error.
    bool open(QString &error);
    QString path() const { return m_port.path(); }
    SimMemory &memory() { return m_memory; }

    // Answers requests until stop is set; false with error when the
    // terminal went away.
    bool run(const volatile std::sig_atomic_t &stop, QString &error);

private:
    // Puts a new radio (the options' radio, serial from m_nextSerial) on
    // the terminal.
    bool newRadio(QString &error);
    void swapRadio(const volatile std::sig_atomic_t &stop);
    bool swapDue() const;

    SimOptions m_options;
    SerialSource m_nextSerial;
    PtyPort m_port;
    SimMemory m_memory;
    std::unique_ptr<SimRadio> m_radio;
    SimRequestParser m_parser;
    QElapsedTimer m_clock;
    QElapsedTimer m_sinceWrite; // since the radio arrived or was last written
    bool m_writtenSinceReset = false;
};
