#pragma once

#include "document/ProfileComparison.h"

#include <QDialog>
#include <QPointer>

class CDifferenceList;
class CProfileWindow;
class QLabel;
class QPushButton;

// File > Compare...'s result beside the profile windows: the differences
// between another profile, file or radio (the old side) and an open profile
// (the new side), grouped as the profile is. Go to Field (or Enter on a
// line) shows the field in the profile's window.
class CComparisonWindow : public QDialog {
    Q_OBJECT

public:
    CComparisonWindow(const QList<ProfileDifference> &differences, const QString &oldSide,
        CProfileWindow &profile, QWidget *parent = nullptr);

    CDifferenceList *differenceList() const { return m_list; }
    QString summary() const;
    // Shows the current line's field in the profile's window; false when
    // the window is gone or no page shows the field.
    bool goToField();

private:
    CDifferenceList *m_list;
    QLabel *m_summary;
    QPushButton *m_goTo;
    QPointer<CProfileWindow> m_profile;
};
