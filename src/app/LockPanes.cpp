#include "LockPanes.h"

#include <QLabel>
#include <QStatusBar>

namespace {

QLabel *newPane(QStatusBar *bar, const char *objectName, const QString &text, const QString &lockName)
{
    auto *pane = new QLabel(bar);
    pane->setObjectName(QLatin1String(objectName));
    pane->setAlignment(Qt::AlignCenter);
    // Blank or not, the pane keeps its width, so the others do not move.
    pane->setMinimumWidth(
        pane->fontMetrics().horizontalAdvance(text) + 2 * pane->fontMetrics().averageCharWidth());
    pane->setProperty("lockText", text);
    pane->setAccessibleName(lockName);
    bar->addPermanentWidget(pane);
    return pane;
}

void show(QLabel *pane, bool on)
{
    pane->setText(on ? pane->property("lockText").toString() : QString());
    pane->setAccessibleDescription(on ? CLockPanes::tr("On") : CLockPanes::tr("Off"));
}

} // namespace

CLockPanes::CLockPanes(QStatusBar *bar, KeyboardIndicators::Reader reader)
    : QObject(bar)
    , m_reader(std::move(reader))
{
    if (!m_reader || !m_reader())
        return;
    m_caps = newPane(bar, "capsLockPane", tr("CAP"), tr("Caps Lock"));
    m_num = newPane(bar, "numLockPane", tr("NUM"), tr("Num Lock"));
    m_scroll = newPane(bar, "scrollLockPane", tr("SCRL"), tr("Scroll Lock"));
    refresh();
    m_timer.setInterval(kRefreshMs);
    connect(&m_timer, &QTimer::timeout, this, &CLockPanes::refresh);
    m_timer.start();
}

void CLockPanes::refresh()
{
    const std::optional<LockIndicators> state = m_reader();
    if (!state || !m_caps)
        return;
    show(m_caps, state->caps);
    show(m_num, state->num);
    show(m_scroll, state->scroll);
}
