#include "TreeIcons.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// The strip, in image-list order (see resources/README.md).
constexpr const char *kStripFiles[] = {
    ":/tree-radio.svg",
    ":/tree-general.svg",
    ":/tree-audio.svg",
    ":/tree-buttons.svg",
    ":/tree-frequency.svg",
    ":/tree-channels.svg",
    ":/tree-channel.svg",
    ":/tree-scan.svg",
    ":/tree-pl.svg",
    ":/tree-dpl.svg",
    ":/tree-channel-disabled.svg",
};

// A plain chip with a letter, for a program built without its pictures.
QPixmap StandIn(int number)
{
    QPixmap picture(CTreeIcons::kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QColor(0x1f, 0x3a, 0x5f));
    painter.setBrush(number == 10 ? QColor(0x98, 0xa2, 0xb3) : QColor(0xe6, 0xee, 0xf9));
    painter.drawRoundedRect(QRectF(0.5, 2.5, 24, 15), 3, 3);
    if (number != 6 && number != 10)
        painter.drawText(picture.rect(), Qt::AlignCenter, QString(QChar(u'A' + number)));
    return picture;
}

QPixmap StripPicture(int number)
{
    const QString path = QLatin1String(kStripFiles[number]);
    if (!QFile::exists(path))
        return StandIn(number);
    QPixmap picture(CTreeIcons::kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QSvgRenderer(path).render(&painter);
    return picture;
}

} // namespace

CTreeIcons::CTreeIcons()
{
    for (int number = 0; number < Count; ++number)
        m_strip.append(StripPicture(number));
}

QIcon CTreeIcons::section(int imageNumber) const
{
    const int strip = imageNumber >= kScanList ? imageNumber - kScanList + ScanList : imageNumber;
    return QIcon(m_strip.value(strip));
}

QIcon CTreeIcons::channel(int position, bool disabled) const
{
    QPixmap picture = m_strip.at(disabled ? DisabledChannel : Channel);
    QPainter painter(&picture);
    // A 12-pixel cell height, as the number's font is given, leaves an em
    // of about ten pixels.
    QFont font;
    font.setPixelSize(10);
    font.setWeight(QFont::Medium);
    painter.setFont(font);
    painter.setPen(QColor(0x1f, 0x3a, 0x5f));
    // Right-aligned on the right end of the chip's free left part, so that
    // two digits fit.
    const QRect numberBox(0, 4, 15, kSize.height() - 4);
    painter.drawText(numberBox, Qt::AlignRight | Qt::AlignTop, QString::asprintf("%i", position + 1));
    return QIcon(picture);
}
