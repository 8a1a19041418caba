#include "AppIcons.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QIcon iconAt(const QString &path)
{
    return QFile::exists(path) ? QIcon(path) : QIcon();
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
    QSvgRenderer renderer(QStringLiteral(":/splash.svg"));
    QPixmap picture(renderer.isValid() ? renderer.defaultSize() : QSize(480, 300));
    picture.fill(QColor(0x1f, 0x3a, 0x5f));
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

} // namespace AppIcons
