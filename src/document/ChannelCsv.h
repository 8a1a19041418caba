#pragma once

// The channel list in the comma-separated exchange format that free radio
// programmers read and write: one row per channel, Location numbered from 1
// as the profile tree numbers channels, frequencies in MHz with six
// decimals, tones as Tone/TSQL/DTCS/Cross with their values, Mode FM (25
// kHz) or NFM (12.5 kHz), Skip "S" for channels outside the scan list and
// Power in watts of the model's power level. Every number uses a point,
// whatever the language.

#include "PlCodeValues.h"
#include "model/DataItem.h"

#include <QByteArray>
#include <QStringList>

#include <vector>

namespace ChannelCsv {

// The columns, in the order they are written.
const QStringList &Header();
// Larger files are refused before they are read.
constexpr qint64 kMaxBytes = 2 * 1024 * 1024;
constexpr int kMaxRows = 10000;

// One channel as the format carries it.
struct Entry {
    QString name;
    quint32 receiveHz = 0;
    quint32 transmitHz = 0;
    bool duplex = false; // through a repeater: transmits on transmitHz
    PlCodeValues::Signal transmit;
    PlCodeValues::Signal receive;
    bool wide = false; // 25 kHz
    int power = 0; // 0 low, 1 high: talkaround power simplex, repeater power duplex
    bool skip = false; // outside the scan list
};

// What the format needs to know of a profile: its frequency table, model
// limits, power levels and channels in use.
class ProfileView {
public:
    // root: the model's root item, which stays valid when the profile is
    // put back; reload() takes everything else again.
    explicit ProfileView(const CDataItem &root, int powerClass);

    int channelCount() const { return m_channelCount; }
    CDataItem channel(int index) const;
    Entry entryOf(int index) const;

    const std::vector<quint32> &frequencies() const { return m_frequencies; }
    // The table index of hz, or -1.
    int frequencyIndex(quint32 hz) const;
    CDataItem frequencyTable() const { return m_frequencyItem; }
    const XmlNode &setting() const { return m_setting; }
    int maxCodes() const { return m_maxCodes; }
    bool hasRepeater() const { return m_hasRepeater; }
    bool powerControl() const { return m_powerControl; }
    int powerClass() const { return m_powerClass; }
    // Watts of power level 0 (low) and 1 (high): 1 W low, the power class's
    // watts high.
    double watts(int level) const;
    // The power level nearest to watts (the lower one between two).
    int levelOf(double watts) const;

    void reload();

private:
    const CDataItem &m_root;
    CDataItem m_channels;
    CDataItem m_frequencyItem;
    XmlNode m_setting;
    std::vector<quint32> m_frequencies;
    int m_channelCount = 0;
    int m_maxCodes = 0;
    bool m_hasRepeater = true;
    bool m_powerControl = true;
    int m_powerClass = 0;
};

// Text of the format's numbers.
QString MegahertzText(quint32 hz);
QString ToneText(int tenths);
QString DcsText(int value);
QString WattsText(double watts);

// The cells of one row (Header order).
QStringList RowCells(int location, const Entry &entry, const ProfileView &profile);
// The whole file: the header and one row per channel in use, UTF-8, CRLF.
QByteArray Export(const CDataItem &root, int powerClass);

} // namespace ChannelCsv
