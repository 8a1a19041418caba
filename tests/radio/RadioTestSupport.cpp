#include "RadioTestSupport.h"

#include "radio/RadioReport.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

void ReportRecorder::collect()
{
    QCoreApplication::sendPostedEvents(this, RadioReport::eventType());
}

std::vector<std::pair<int, int>> ReportRecorder::pairs()
{
    collect();
    std::vector<std::pair<int, int>> result;
    for (const Report &report : reports)
        result.emplace_back(report.wParam, report.lParam);
    return result;
}

std::vector<int> ReportRecorder::progress()
{
    collect();
    std::vector<int> result;
    for (const Report &report : reports) {
        if (report.wParam == RadioReport::Progress)
            result.push_back(report.lParam);
    }
    return result;
}

bool ReportRecorder::event(QEvent *event)
{
    if (event->type() != RadioReport::eventType())
        return QObject::event(event);
    const auto *report = static_cast<RadioReportEvent *>(event);
    reports.push_back({ report->wParam(), report->lParam(), tag ? tag() : 0 });
    return true;
}

int terminalExclusiveMode(const QString &path)
{
    const int probe = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY);
    int mode = -1;
    ::ioctl(probe, TIOCGEXCL, &mode);
    ::close(probe);
    return mode;
}
