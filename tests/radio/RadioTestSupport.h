#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

// Collects the engine's reports as they are delivered. tag() is asked for a
// note to keep with each report (for example how far the radio had got).
class ReportRecorder : public QObject {
public:
    struct Report {
        int wParam;
        int lParam;
        int tag;
        bool operator==(const Report &) const = default;
    };

    // Delivers the reports posted so far.
    void collect();
    // (wParam, lParam) pairs delivered so far.
    std::vector<std::pair<int, int>> pairs();
    std::vector<int> progress();

    std::function<int()> tag;
    std::vector<Report> reports;

protected:
    bool event(QEvent *event) override;
};

// Whether the terminal at path is in exclusive mode (1) or not (0); -1 when
// it cannot be asked. Root opens an exclusive terminal all the same.
int terminalExclusiveMode(const QString &path);
