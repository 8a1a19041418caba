#pragma once

#include "KeyboardIndicators.h"

#include <QObject>
#include <QTimer>

class QLabel;
class QStatusBar;

// The lock panes at the right of the status bar: "CAP", "NUM" and "SCRL"
// while the lock is on, blank while it is off. They follow the keyboard
// twice a second; where the platform does not tell the indicators they are
// not added at all.
class CLockPanes : public QObject {
    Q_OBJECT

public:
    CLockPanes(QStatusBar *bar, KeyboardIndicators::Reader reader);

    static constexpr int kRefreshMs = 500;

    void refresh();

private:
    KeyboardIndicators::Reader m_reader;
    QLabel *m_caps = nullptr;
    QLabel *m_num = nullptr;
    QLabel *m_scroll = nullptr;
    QTimer m_timer;
};
