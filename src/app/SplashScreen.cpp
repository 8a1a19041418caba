#include "SplashScreen.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

CSplashScreen::CSplashScreen(const QPixmap &picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
    , m_picture(picture)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAccessibleName(QCoreApplication::translate("CSplashScreen", "Splash screen"));
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    m_timer.setSingleShot(true);
    m_timer.setInterval(kShowMs);
    connect(&m_timer, &QTimer::timeout, this, &CSplashScreen::dismiss);
}

CSplashScreen::~CSplashScreen()
{
    qApp->removeEventFilter(this);
}

void CSplashScreen::start()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    qApp->installEventFilter(this);
    show();
    raise();
    m_timer.start();
}

void CSplashScreen::dismiss()
{
    const bool wasShowing = isShowing();
    m_timer.stop();
    qApp->removeEventFilter(this);
    // What waits for the picture is shown before it closes, so the program
    // always has a window on the screen.
    if (wasShowing)
        emit dismissed();
    close();
}

void CSplashScreen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

bool CSplashScreen::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        dismiss();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
