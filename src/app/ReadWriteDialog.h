#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The progress window of a radio read or write. It shows the transfer's
// progress and how it ended: after a success OK closes it (accepted); a
// failure closes it by itself (rejected). Cancel asks the transfer to stop;
// the window stays until the transfer reports its end. Escape and the
// window's close button do nothing while the transfer runs.
class CReadWriteDialog : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Read, Write };

    CReadWriteDialog(Mode mode, QWidget *parent = nullptr);

    void setProgress(int percent);
    int progress() const;
    // Says the transfer failed (before its message is shown).
    void showFailure();
    // The transfer ended: success waits for OK, failure closes at once.
    void finish(bool succeeded);
    QString text() const;

signals:
    void cancelRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Mode m_mode;
    QLabel *m_text;
    QProgressBar *m_bar;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    bool m_running = true;
};
