#include "ChannelNameRepair.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

namespace codeplug {

namespace {

using Name = uint8_t[kChannelNameLength];

bool sameName(const Name &a, const Name &b)
{
    return std::memcmp(a, b, kChannelNameLength) == 0;
}

bool nameInUse(const VirtualCP &image, int count, const Name &name)
{
    return std::any_of(image.channels, image.channels + count,
        [&](const ChannelRecord &c) { return sameName(c.name, name); });
}

// The next generated name not used by any record; counter moves on past it.
void nextFreeName(const VirtualCP &image, int count, int &counter, Name &name)
{
    do {
        const QByteArray text = counter < 10 ? QByteArray("CHAN 0") + QByteArray::number(counter)
                                             : QByteArray("CHAN ") + QByteArray::number(counter);
        std::memset(name, 0, kChannelNameLength);
        std::memcpy(name, text.constData(), std::min<qsizetype>(text.size(), kChannelNameLength));
        ++counter;
    } while (nameInUse(image, count, name));
}

} // namespace

void repairDuplicateChannelNames(VirtualCP &image)
{
    const int count = channelRecordsInUse(image.limit);
    int counter = 1;
    for (int i = 1; i < count; ++i) {
        for (int j = 0; j < i; ++j) {
            if (!sameName(image.channels[j].name, image.channels[i].name))
                continue;
            Name candidate;
            nextFreeName(image, count, counter, candidate);
            std::memcpy(image.channels[i].name, candidate, kChannelNameLength);
        }
    }
}

} // namespace codeplug
