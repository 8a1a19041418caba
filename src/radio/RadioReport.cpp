#include "radio/RadioReport.h"

#include <QCoreApplication>

namespace RadioReport {

QEvent::Type eventType()
{
    // One type per process, shared by the engine and the windows that
    // receive its reports.
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

void post(QObject *target, int wParam, int lParam)
{
    if (target)
        QCoreApplication::postEvent(target, new RadioReportEvent(wParam, lParam));
}

} // namespace RadioReport
