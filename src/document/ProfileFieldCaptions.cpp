#include "document/ProfileFieldCaptions.h"

#include <QCoreApplication>

namespace {

struct Caption {
    const char *element;
    const char *attribute; // nullptr: the element's own label
    const char *text;
};

constexpr Caption kCaptions[] = {
    { "factory_setting", nullptr, QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Radio Information") },
    { "factory_setting", "model", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Model") },
    { "factory_setting", "serial", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Serial Number") },
    { "limit", nullptr, QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Radio Limits") },
    { "limit", "start_freq", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Lowest Frequency") },
    { "limit", "end_freq", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Highest Frequency") },
    { "setting", nullptr, QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Settings") },
    { "setting", "password", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Password") },
    { "setting", "powerupString", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Power-up Text") },
    { "setting", "numberChannels", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Number of Channels") },
    { "setting", "timeoutTimer", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Time-out Timer") },
    { "preset", nullptr, QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Preset") },
    { "preset", "channel", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Channel") },
    { "channel", nullptr, QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Channel") },
    { "channel", "name", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Name") },
    { "channel", "rx_freq_ndx", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Receive Frequency") },
    { "channel", "tx_freq_ndx", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Transmit Frequency") },
    { "channel", "rx_code", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Receive PL/DPL") },
    { "channel", "tx_code", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Transmit PL/DPL") },
    { "channel", "in_scanlist", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "In Scan List") },
    { "frequency", nullptr, QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Frequency") },
    { "frequency", "freq", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Frequency") },
    { "frequency", "power_level", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Power Level") },
    { "frequency", "bandwidth", QT_TRANSLATE_NOOP("ProfileFieldCaptions", "Bandwidth") },
};

QString lookUp(const QString &element, const char *attribute, const QString &fallback)
{
    for (const Caption &entry : kCaptions) {
        const bool sameAttribute = attribute ? entry.attribute && qstrcmp(entry.attribute, attribute) == 0
                                             : entry.attribute == nullptr;
        if (sameAttribute && element == QLatin1String(entry.element))
            return QCoreApplication::translate("ProfileFieldCaptions", entry.text);
    }
    return fallback;
}

} // namespace

namespace ProfileFieldCaptions {

QString elementCaption(const QString &element)
{
    return lookUp(element, nullptr, element);
}

QString caption(const QString &element, const QString &attribute)
{
    return lookUp(element, attribute.toLatin1().constData(), attribute);
}

} // namespace ProfileFieldCaptions
