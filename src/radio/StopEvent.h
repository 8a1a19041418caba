#pragma once

#include <condition_variable>
#include <mutex>

// The shutdown signal every waiting loop of the cable threads waits on. Once
// set it stays set, so one signal wakes every waiter at once.
class CStopEvent {
public:
    void set();
    bool isSet() const;
    // Waits up to milliseconds, returning early when the event is set;
    // answers whether it is set.
    bool wait(int milliseconds) const;

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    bool m_set = false;
};
