#include "radio/StopEvent.h"

#include <chrono>

void CStopEvent::set()
{
    {
        std::lock_guard lock(m_mutex);
        m_set = true;
    }
    m_changed.notify_all();
}

bool CStopEvent::isSet() const
{
    std::lock_guard lock(m_mutex);
    return m_set;
}

bool CStopEvent::wait(int milliseconds) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return m_set; });
}
