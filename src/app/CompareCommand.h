#pragma once

#include "document/ProfileComparison.h"

#include <QObject>

class CComparisonWindow;
class CMainFrame;
class CProductContext;
class CProfileWindow;
class QAction;

// File > Compare...: an open profile against another open profile, a
// profile or codeplug image file, or the radio on the cable (read first, as
// Read does); the differences come up in a comparison window.
class CCompareCommand : public QObject {
    Q_OBJECT

public:
    // Adds the command to the File menu of an open profile, after Save As.
    CCompareCommand(CMainFrame &frame, const CProductContext &context);

    QAction *action() const { return m_action; }

    // Asks what to compare, then compares.
    void compare();
    // Each shows the comparison window of profile against the other side
    // (the old one); nullptr after a message when they cannot be compared.
    CComparisonWindow *compareWithProfile(CProfileWindow &profile, CProfileWindow &other);
    CComparisonWindow *compareWithFile(CProfileWindow &profile, const QString &path);
    // Reads the radio; the window comes once the read has succeeded.
    void compareWithRadio(CProfileWindow &profile);

signals:
    void windowShown(CComparisonWindow *window);

private:
    CComparisonWindow *show(
        CProfileWindow &profile, const ProfileComparison::ComparisonSide &other, const QString &otherName);

    CMainFrame &m_frame;
    const CProductContext &m_context;
    QAction *m_action;
};
