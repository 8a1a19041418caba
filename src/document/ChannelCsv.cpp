#include "ChannelCsv.h"

#include "CsvRecords.h"
#include <algorithm>

#include <cmath>

namespace ChannelCsv {
namespace {

using PlCodeValues::Signal;

int intAttribute(const CDataItem &item, const char *name)
{
    return item.GetAttributeValue(QLatin1String(name)).toInt();
}

bool flagAttribute(const CDataItem &item, const char *name)
{
    const QVariant value = item.GetAttributeValue(QLatin1String(name));
    return value.typeId() == QMetaType::Bool ? value.toBool() : value.toString() == QLatin1String("1");
}

constexpr double kLowWatts = 1.0;

// The tone columns of a row, with the values written for unused columns.
struct ToneCells {
    QString tone;
    QString rTone = QStringLiteral("88.5");
    QString cTone = QStringLiteral("88.5");
    QString dtcs = QStringLiteral("023");
    QString polarity = QStringLiteral("NN");
    QString rxDtcs = QStringLiteral("023");
    QString cross = QStringLiteral("Tone->Tone");
};

QString crossPart(const Signal &signal)
{
    return signal.kind == Signal::Tone ? QStringLiteral("Tone")
        : signal.kind == Signal::Dcs   ? QStringLiteral("DTCS")
                                       : QString();
}

QChar polarity(const Signal &signal)
{
    return signal.kind == Signal::Dcs && signal.inverted ? QLatin1Char('R') : QLatin1Char('N');
}

// Tone: transmit tone only; TSQL: the same tone both ways; DTCS: the same
// DCS code both ways (each with its polarity); anything else is Cross.
ToneCells toneCells(const Signal &transmit, const Signal &receive)
{
    ToneCells cells;
    if (transmit.kind == Signal::None && receive.kind == Signal::None)
        return cells;
    if (transmit.kind == Signal::Dcs)
        cells.dtcs = DcsText(transmit.value);
    if (receive.kind == Signal::Dcs)
        cells.rxDtcs = DcsText(receive.value);
    cells.polarity = QString(polarity(transmit)) + polarity(receive);
    if (transmit.kind == Signal::Tone && receive.kind == Signal::None) {
        cells.tone = QStringLiteral("Tone");
        cells.rTone = ToneText(transmit.value);
    } else if (transmit.kind == Signal::Tone && receive.kind == Signal::Tone
        && transmit.value == receive.value) {
        cells.tone = QStringLiteral("TSQL");
        cells.rTone = cells.cTone = ToneText(transmit.value);
    } else if (transmit.kind == Signal::Dcs && receive.kind == Signal::Dcs
        && transmit.value == receive.value) {
        cells.tone = QStringLiteral("DTCS");
    } else {
        cells.tone = QStringLiteral("Cross");
        cells.cross = crossPart(transmit) + QStringLiteral("->") + crossPart(receive);
        if (transmit.kind == Signal::Tone)
            cells.rTone = ToneText(transmit.value);
        if (receive.kind == Signal::Tone)
            cells.cTone = ToneText(receive.value);
    }
    return cells;
}

} // namespace

const QStringList &Header()
{
    static const QStringList header = QStringLiteral(
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
        "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE")
                                          .split(QLatin1Char(','));
    return header;
}

ProfileView::ProfileView(const CDataItem &root, int powerClass)
    : m_root(root)
    , m_powerClass(powerClass)
{
    reload();
}

void ProfileView::reload()
{
    CDataItem limit, setting;
    m_root.GetChildByName(QStringLiteral("channels"), m_channels);
    m_root.GetChildByName(QStringLiteral("frequencies"), m_frequencyItem);
    m_root.GetChildByName(QStringLiteral("limit"), limit);
    m_root.GetChildByName(QStringLiteral("setting"), setting);
    m_setting = setting.node();
    m_channelCount = std::min(m_channels.GetChildCount(), intAttribute(setting, "numberChannels"));
    m_maxCodes = std::min(intAttribute(limit, "maxCodes"), PlCodeValues::kLastCustomDpl);
    m_hasRepeater = !flagAttribute(limit, "disable_repeater_feature");
    m_powerControl = flagAttribute(limit, "power_cntrl_enabled");
    m_frequencies.clear();
    CDataItem entry;
    for (int i = 0; i < m_frequencyItem.GetChildCount(); ++i)
        m_frequencies.push_back(
            m_frequencyItem.GetChildByIndex(i, entry).GetAttributeValue(QStringLiteral("freq")).toUInt());
}

CDataItem ProfileView::channel(int index) const
{
    CDataItem result;
    return m_channels.GetChildByIndex(index, result);
}

int ProfileView::frequencyIndex(quint32 hz) const
{
    const auto found = std::find(m_frequencies.begin(), m_frequencies.end(), hz);
    return found == m_frequencies.end() ? -1 : int(found - m_frequencies.begin());
}

double ProfileView::watts(int level) const
{
    return level == 0 ? kLowWatts : std::max(double(m_powerClass), kLowWatts);
}

int ProfileView::levelOf(double watts) const
{
    return std::abs(watts - this->watts(1)) < std::abs(watts - this->watts(0)) ? 1 : 0;
}

Entry ProfileView::entryOf(int index) const
{
    const CDataItem item = channel(index);
    auto hzAt = [this](int row) {
        return row >= 0 && size_t(row) < m_frequencies.size() ? m_frequencies[size_t(row)] : 0u;
    };
    Entry entry;
    entry.name = item.GetAttributeValue(QStringLiteral("name")).toString();
    entry.receiveHz = hzAt(intAttribute(item, "rx_freq_ndx"));
    entry.duplex = m_hasRepeater && flagAttribute(item, "repeater");
    entry.transmitHz = entry.duplex ? hzAt(intAttribute(item, "tx_freq_ndx")) : entry.receiveHz;
    entry.transmit = PlCodeValues::SignalOf(intAttribute(item, "tx_code"), m_setting);
    entry.receive = PlCodeValues::SignalOf(intAttribute(item, "rx_code"), m_setting);
    entry.wide = intAttribute(item, "rx_bw") == 1;
    entry.power = intAttribute(item, entry.duplex ? "repeater_power" : "talkaround_power") == 1 ? 1 : 0;
    entry.skip = !flagAttribute(item, "in_scanlist");
    return entry;
}

QString MegahertzText(quint32 hz)
{
    return QStringLiteral("%1.%2").arg(hz / 1000000).arg(hz % 1000000, 6, 10, QLatin1Char('0'));
}

QString ToneText(int tenths)
{
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

QString DcsText(int value)
{
    return QStringLiteral("%1").arg(value, 3, 8, QLatin1Char('0'));
}

QString WattsText(double watts)
{
    return QString::number(watts, 'f', 1) + QLatin1Char('W');
}

QStringList RowCells(int location, const Entry &entry, const ProfileView &profile)
{
    const ToneCells tones = toneCells(entry.transmit, entry.receive);
    const qint64 offset = qint64(entry.transmitHz) - qint64(entry.receiveHz);
    const QString duplex = !entry.duplex ? QString() : offset < 0 ? QStringLiteral("-") : QStringLiteral("+");
    const bool onTwelveAndAHalf = entry.receiveHz % 12500 == 0 && entry.transmitHz % 12500 == 0;
    return { QString::number(location), CsvRecords::Protected(entry.name), MegahertzText(entry.receiveHz),
        duplex, MegahertzText(quint32(std::abs(offset))), tones.tone, tones.rTone, tones.cTone, tones.dtcs,
        tones.polarity, tones.rxDtcs, tones.cross, entry.wide ? QStringLiteral("FM") : QStringLiteral("NFM"),
        onTwelveAndAHalf ? QStringLiteral("12.50") : QStringLiteral("6.25"),
        entry.skip ? QStringLiteral("S") : QString(), WattsText(profile.watts(entry.power)), QString(),
        QString(), QString(), QString(), QString() };
}

QByteArray Export(const CDataItem &root, int powerClass)
{
    const ProfileView profile(root, powerClass);
    QString text = Header().join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (int i = 0; i < profile.channelCount(); ++i) {
        QStringList cells = RowCells(i + 1, profile.entryOf(i), profile);
        for (QString &cell : cells)
            cell = CsvRecords::Cell(cell);
        text += cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

} // namespace ChannelCsv
