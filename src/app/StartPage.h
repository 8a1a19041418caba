#pragma once

#include <QWidget>

class CMainFrame;
class QCommandLinkButton;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QTimer;

// What the empty main window shows: New Profile, Open, Read from Radio
// (while a cable or the emulator is there), the recent profiles with their
// model and date, and the cable status. It lies over the profile area while
// no profile window is open, and goes when the first opens.
class CStartPage : public QWidget {
    Q_OBJECT

public:
    explicit CStartPage(CMainFrame &frame);

    // The model code saved in the profile file at path, or empty.
    static QString profileModel(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QCommandLinkButton *commandButton(QAction *action, const QString &text, const QString &description);
    // Shown exactly while the profile area has no window.
    void updateShown();
    void fillRecent(const QStringList &paths);
    void openRecent(QListWidgetItem *item);
    void updateCableStatus();

    CMainFrame &m_frame;
    QListWidget *m_recent;
    QLabel *m_noRecent;
    QLabel *m_cable;
    QTimer *m_cableTimer;
};
