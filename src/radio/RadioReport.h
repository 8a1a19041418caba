#pragma once

#include <QEvent>

class QObject;

// The reports of the radio engine. Progress is posted, never sent, to the
// link's window as events of one registered type, carrying (1, percent);
// how an operation ended is the RadioOutcome its call returns, with the
// kinds (2, 0) finished, (3, code) failed, (4, status) the radio reports a
// memory status 1-31, (5, 0) stopped by CRadioLink::cancel().
namespace RadioReport {

enum Kind : int {
    Progress = 1,
    Finished = 2,
    Failed = 3,
    MemoryStatus = 4,
    Cancelled = 5,
};

// Result code of a failure to open, close or talk to the radio.
inline constexpr int kCommunicationFailure = -1;

// The event type registered for kMessageName.
QEvent::Type eventType();

// Posts (wParam, lParam) to target; nothing when target is null.
void post(QObject *target, int wParam, int lParam);

} // namespace RadioReport

class RadioReportEvent : public QEvent {
public:
    RadioReportEvent(int wParam, int lParam)
        : QEvent(RadioReport::eventType())
        , m_wParam(wParam)
        , m_lParam(lParam)
    {
    }
    int wParam() const { return m_wParam; }
    int lParam() const { return m_lParam; }

private:
    int m_wParam;
    int m_lParam;
};

// How an engine operation ended: its final report.
struct RadioOutcome {
    int kind = RadioReport::Finished; // Finished, Failed, MemoryStatus or Cancelled
    int value = 0; // 0, the failure code or the status
    // A write that did not finish had got blocks into the radio: it now
    // holds a partly written codeplug.
    bool partlyWritten = false;

    bool succeeded() const { return kind == RadioReport::Finished; }
    friend bool operator==(const RadioOutcome &, const RadioOutcome &) = default;
};
