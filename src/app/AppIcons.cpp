#include "AppIcons.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// An SVG icon read when it is first drawn: Qt reads an SVG icon when it is
// made, and most of the program's icons wait in closed menus.
class CDeferredIconEngine : public QIconEngine {
public:
    explicit CDeferredIconEngine(const QString &path)
        : m_path(path)
    {
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new CDeferredIconEngine(m_path); }
    QString key() const override { return QStringLiteral("CDeferredIconEngine"); }

private:
    const QIcon &icon()
    {
        if (m_icon.isNull())
            m_icon = QIcon(m_path);
        return m_icon;
    }

    QString m_path;
    QIcon m_icon;
};

QIcon iconAt(const QString &path)
{
    return QFile::exists(path) ? QIcon(new CDeferredIconEngine(path)) : QIcon();
}

} // namespace

namespace AppIcons {

QIcon command(const QString &name)
{
    return iconAt(QStringLiteral(":/cmd-%1.svg").arg(name));
}

QIcon application()
{
    return iconAt(QStringLiteral(":/velacps.svg"));
}

QPixmap splash()
{
    // Drawn at build time where the build could.
    const QPixmap drawn(QStringLiteral(":/splash.png"));
    if (!drawn.isNull())
        return drawn;
    QSvgRenderer renderer(QStringLiteral(":/splash.svg"));
    QPixmap picture(renderer.isValid() ? renderer.defaultSize() : QSize(480, 300));
    picture.fill(QColor(0x1f, 0x3a, 0x5f));
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

} // namespace AppIcons
