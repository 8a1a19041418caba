#include "WindowMenu.h"

#include "ProfileWindow.h"
#include "VelaCPSDoc.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>

CWindowMenu::CWindowMenu(QMenu *menu, QMdiArea *area)
    : QObject(menu)
    , m_menu(menu)
    , m_area(area)
{
    connect(menu, &QMenu::aboutToShow, this, &CWindowMenu::refresh);
}

void CWindowMenu::refresh()
{
    qDeleteAll(m_entries);
    m_entries.clear();
    const QList<QMdiSubWindow *> windows = m_area->subWindowList();
    if (windows.isEmpty())
        return;
    m_entries << m_menu->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow *window = windows.at(i);
        auto *profile = qobject_cast<CProfileWindow *>(window);
        const QString title = profile ? profile->document().title() : window->windowTitle();
        QAction *entry = m_menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(title));
        entry->setCheckable(true);
        entry->setChecked(window == m_area->activeSubWindow());
        connect(entry, &QAction::triggered, m_area, [this, window = QPointer<QMdiSubWindow>(window)] {
            if (window)
                m_area->setActiveSubWindow(window);
        });
        m_entries << entry;
    }
}
