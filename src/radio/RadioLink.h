#pragma once

#include "codeplug/VirtualCP.h"
#include "radio/RadioProtocol.h"
#include "radio/RadioReport.h"

#include <chrono>
#include <functional>
#include <memory>

class QObject;

// One run of the radio engine: the five operations a radio command needs,
// each opening the connection at the cable device index, talking to the
// radio and closing again. Progress and the outcome are posted to the window
// (RadioReport); the operations never show anything, and they also return
// their outcome for callers that wait for them.
//
// Every operation except Prepare holds the process-wide engine section for
// its whole run. The caller runs an operation on a worker thread holding the
// cable mutex (CableSharing::kCableMutexName).
class CRadioLink
{
public:
    // window may be null: nothing is posted then. cable null: the
    // configured cable port.
    explicit CRadioLink(QObject *window, std::unique_ptr<CUsbCable> cable = nullptr);
    ~CRadioLink();
    CRadioLink(const CRadioLink &) = delete;
    CRadioLink &operator=(const CRadioLink &) = delete;

    RadioOutcome Prepare();
    // Resets the radio and waits for it to restart before reporting 100.
    RadioOutcome ResetRadio();
    RadioOutcome Identify(RadioIdentity &identity);
    RadioOutcome ReadCodeplug(VirtualCP &image);
    RadioOutcome WriteCodeplug(const VirtualCP &image);

    CRadioProtocol &protocol() { return *m_protocol; }
    QObject *window() const { return m_window; }

    // How long ResetRadio waits for the radio to restart (2000 ms).
    void setResetSettleTime(std::chrono::milliseconds wait) { m_resetSettle = wait; }

private:
    void post(int wParam, int lParam);
    void progress(int percent) { post(RadioReport::Progress, percent); }
    // Opens, runs the steps and closes, posting the final report.
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
    std::chrono::milliseconds m_resetSettle{2000};
};
