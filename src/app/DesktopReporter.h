#pragma once

#include "base/MessageReporter.h"

#include <functional>

// Shows the core's messages as message boxes over the active window, with
// the application name as the title and the buttons and icon the style
// names.
class CDesktopReporter : public MessageReporter {
public:
    int show(const QString &text, unsigned style) override;

    // Runs before every box (the splash screen goes away, so it cannot
    // cover the box).
    void setBeforeShow(std::function<void()> beforeShow) { m_beforeShow = std::move(beforeShow); }

private:
    std::function<void()> m_beforeShow;
};
