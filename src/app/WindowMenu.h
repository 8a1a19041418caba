#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMdiArea;
class QMenu;

// The open profiles at the end of the Window menu, as multiple-document
// programs list them: numbered, the active one checked; choosing one
// brings its window to the front.
class CWindowMenu : public QObject {
    Q_OBJECT

public:
    CWindowMenu(QMenu *menu, QMdiArea *area);

private:
    void refresh();

    QMenu *m_menu;
    QMdiArea *m_area;
    QList<QAction *> m_entries;
};
