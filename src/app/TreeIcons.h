#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

// The pictures of the profile tree, 25 x 20: the section pictures and the
// channel pictures that carry their position number.
class CTreeIcons {
public:
    static constexpr QSize kSize { 25, 20 };
    // Image numbers of the tree's table: 0 to 5 the sections up to
    // "Channels", 25 to 27 the scan list and the customised codes.
    static constexpr int kScanList = 25;
    static constexpr int kCustomizedPL = 26;
    static constexpr int kCustomizedDPL = 27;

    CTreeIcons();

    QIcon section(int imageNumber) const;
    // The picture of the channel at position (0-based), numbered from 1.
    QIcon channel(int position, bool disabled) const;

private:
    enum Strip { Channel = 6, ScanList = 7, DisabledChannel = 10, Count = 11 };

    QList<QPixmap> m_strip;
};
