#include "EditorIcons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

namespace EditorIcons {

namespace {

constexpr char kAddChannelResource[] = ":/cmd-add.svg";

QPixmap DrawnAddChannel()
{
    QPixmap picture(kAddChannelSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 110, 40), 6, Qt::SolidLine, Qt::RoundCap));
    const int middle = kAddChannelSize.width() / 2;
    painter.drawLine(middle, 6, middle, kAddChannelSize.height() - 6);
    painter.drawLine(6, middle, kAddChannelSize.width() - 6, middle);
    return picture;
}

} // namespace

QIcon addChannel()
{
    if (QFile::exists(QLatin1String(kAddChannelResource)))
        return QIcon(QLatin1String(kAddChannelResource));
    return QIcon(DrawnAddChannel());
}

} // namespace EditorIcons
