#pragma once

#include "codeplug/VirtualCP.h"
#include "radio/RadioProtocol.h"
#include "radio/RadioReport.h"

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

class QObject;

// The radio engine on one open cable: the five operations a radio command
// needs. Progress is posted to the window (RadioReport); each operation
// returns its outcome and never shows anything.
//
// Every operation except Prepare holds the link's engine section for its
// whole run, so the operations of one cable never overlap. The caller runs an operation on a worker thread
// holding the cable mutex (CableSharing::kCableMutexName).
class CRadioLink {
public:
    // window may be null: nothing is posted then. cable: open, its line set
    // (CablePort::open); the link keeps it until it is destroyed, so one
    // command holds the radio from its identify to its reset.
    CRadioLink(QObject *window, std::unique_ptr<CUsbCable> cable);
    ~CRadioLink();
    CRadioLink(const CRadioLink &) = delete;
    CRadioLink &operator=(const CRadioLink &) = delete;

    RadioOutcome Prepare();
    // Resets the radio and waits for it to restart before reporting 100.
    // A cancelled link still resets: that is how a radio left in the middle
    // of a transfer comes back into service.
    RadioOutcome ResetRadio();
    RadioOutcome Identify(RadioIdentity &identity);
    RadioOutcome ReadCodeplug(VirtualCP &image);
    RadioOutcome WriteCodeplug(const VirtualCP &image);
    // The serial number of the radio information block, as text.
    RadioOutcome ReadSerial(QString &serial);

    // Thread-safe: ends the operation under way, and every later one but
    // ResetRadio, as Cancelled from its next block (or next cable read, when
    // the radio has gone silent).
    void cancel();

    CRadioProtocol &protocol() { return *m_protocol; }
    QObject *window() const { return m_window; }

    // How long ResetRadio waits for the radio to restart (2000 ms).
    void setResetSettleTime(std::chrono::milliseconds wait) { m_resetSettle = wait; }

private:
    void progress(int percent) { RadioReport::post(m_window, RadioReport::Progress, percent); }
    // Runs the steps; how they ended.
    RadioOutcome run(const std::function<void()> &steps);

    // Steps: each throws the failing result out of run().
    void readRange(quint32 address, int length, quint8 *destination);
    void writeRange(quint32 address, const quint8 *data, int length);
    void control(quint8 p1, quint8 p2, quint8 p3);
    void checkMemoryStatus();
    void queryFirmware(quint8 &phase, quint8 &version, quint8 &revision);
    void writeModelSpecificSettings(const VirtualCP &image);
    void writeFrequencyRecords(const VirtualCP &image, bool *companderMarked);

    QObject *m_window;
    std::unique_ptr<CRadioProtocol> m_protocol;
    std::chrono::milliseconds m_resetSettle { 2000 };

    // Serialises the operations of this link; links on other cables run
    // at the same time.
    std::mutex m_engine;
    std::mutex m_cancelMutex; // orders cancel() against the start of a reset
    bool m_cancelled = false;
    bool m_resetting = false;
};
