#pragma once

#include <QDialog>
#include <QList>

class CProfileWindow;
class QComboBox;

// File > Compare...'s question: which open profile, and what to compare it
// with: another open profile, a profile or image file, or the radio on the
// cable.
class CCompareDialog : public QDialog {
    Q_OBJECT

public:
    enum class Other { Profile, File, Radio };

    // windows: the open profiles, active first chosen; radioReady: a radio
    // can be read now.
    CCompareDialog(const QList<CProfileWindow *> &windows, CProfileWindow *active, bool radioReady,
        QWidget *parent = nullptr);

    CProfileWindow *profile() const;
    Other other() const;
    // The other open profile, for Other::Profile.
    CProfileWindow *otherProfile() const;

    QComboBox *profileBox() const { return m_profile; }
    QComboBox *otherBox() const { return m_other; }

private:
    void fillOthers();

    QList<CProfileWindow *> m_windows;
    bool m_radioReady;
    QComboBox *m_profile;
    QComboBox *m_other;
};
