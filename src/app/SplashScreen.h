#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

// The product picture shown while the program starts: frameless, above
// every other window, centred on the screen. It goes away after its time or
// at the first key or mouse-button press anywhere in the program.
class CSplashScreen : public QWidget {
    Q_OBJECT

public:
    static constexpr int kShowMs = 2500;

    explicit CSplashScreen(const QPixmap &picture);
    ~CSplashScreen() override;

    // Shows the picture and starts the timer.
    void start();
    // Closes at once (before a message box, which it must not cover).
    void dismiss();
    bool isShowing() const { return isVisible(); }

signals:
    // The picture went: its time is up, a key or button was pressed, or a
    // message box comes up.
    void dismissed();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPixmap m_picture;
    QTimer m_timer;
};
