#include "SimMemory.h"

#include <QFile>
#include <QSaveFile>

namespace {

// The radio's memory map.
constexpr quint32 kMainBlock = 0x10000;
constexpr int kChannelOffset = 36;
constexpr int kChannelSize = 14;
constexpr int kCustomPlOffset = 302;
constexpr int kCustomDplOffset = 314;
constexpr quint32 kPasswordAddress = kMainBlock + 9;
constexpr quint32 kFrequencyRecords = 0x10800;
constexpr int kFrequencySize = 6;
constexpr quint32 kFrequencyRange = 0x10A80;
constexpr quint32 kLimitBlock = 0x10A8C;
constexpr quint32 kSerialClone = 0x10C01;
constexpr quint32 kCompanderMarker = 0x10C8E;
constexpr quint32 kSynthesiserBase = 0x10D80;
constexpr quint32 kRadioInformation = 0x10E18;

constexpr quint32 kStepHz = 1050000;

} // namespace

SimMemory::SimMemory()
    : m_bytes(kSize, '\0')
{
}

bool SimMemory::contains(quint32 address, int length) const
{
    return length >= 0 && address >= kFirstAddress
        && address - kFirstAddress + quint32(length) <= quint32(kSize);
}

QByteArray SimMemory::read(quint32 address, int length) const
{
    return m_bytes.mid(int(address - kFirstAddress), length);
}

bool SimMemory::load(const QString &path, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() != kSize) {
        error = QStringLiteral("%1 is not a radio memory file (%2 bytes, not %3)")
                    .arg(path)
                    .arg(bytes.size())
                    .arg(kSize);
        return false;
    }
    m_bytes = bytes;
    return true;
}

bool SimMemory::save(const QString &path, QString &error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_bytes) != m_bytes.size() || !file.commit()) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool SimMemory::firmwareUsesSecondLimitLayout(const QString &firmware)
{
    const QByteArray f = firmware.toLatin1();
    if (f.size() != 3)
        return false;
    const char phase = f[0], version = f[1], revision = f[2];
    return (phase == 'R' && version > '1') || (phase == 'R' && version == '1' && revision >= '7')
        || (phase == 'D' && version >= '7');
}

void SimMemory::putBigEndian(quint32 address, quint32 value, int width)
{
    for (int i = 0; i < width; ++i)
        setByte(address + quint32(i), quint8(value >> (8 * (width - 1 - i))));
}

void SimMemory::setModel(const QString &model)
{
    const QByteArray code = model.toLatin1();
    for (int i = 0; i < 3; ++i)
        setByte(kRadioInformation + 10 + quint32(i), quint8(code[i]));
    for (int i = 0; i < 5; ++i)
        setByte(kRadioInformation + 13 + quint32(i), quint8(code[3 + i] - '0'));
}

void SimMemory::setPassword(const QString &password)
{
    const QByteArray text = password.toLatin1();
    for (int i = 0; i < 4; ++i)
        setByte(kPasswordAddress + quint32(i), i < text.size() ? quint8(text[i]) : 0);
}

void SimMemory::setMaxCodes(int maxCodes, const QString &firmware)
{
    // Older firmware keeps the value in bits 6-0 of limit byte 5, newer
    // firmware in the whole of byte 18.
    if (firmwareUsesSecondLimitLayout(firmware)) {
        setByte(kLimitBlock + 5, byte(kLimitBlock + 5) & 0x80);
        setByte(kLimitBlock + 18, quint8(maxCodes));
    } else {
        setByte(kLimitBlock + 5, quint8((byte(kLimitBlock + 5) & 0x80) | (maxCodes & 0x7F)));
        setByte(kLimitBlock + 18, 0);
    }
}

void SimMemory::setChannelCount(int channels)
{
    setByte(kLimitBlock + 4, quint8((byte(kLimitBlock + 4) & 0xE0) | (channels & 0x1F)));
}

void SimMemory::setFrequencyCount(int frequencies)
{
    setByte(kLimitBlock + 6, quint8(frequencies));
}

void SimMemory::putChannel(int k, int frequencies)
{
    const quint32 at = kMainBlock + kChannelOffset + quint32(kChannelSize * k);
    const quint8 index = frequencies > 0 ? quint8(k % frequencies) : 0;
    const QByteArray name
        = QStringLiteral("CHAN%1").arg(k + 1, 2, 10, QLatin1Char('0')).leftJustified(8).toLatin1();
    quint8 record[kChannelSize] = {};
    record[0] = index; // receive frequency
    record[1] = quint8(k + 1); // receive code
    record[2] = index; // transmit frequency
    record[3] = quint8(k + 1); // transmit code
    record[4] = quint8(0x80 | 0x20 | ((k % 4) << 3) | 0x02); // tx_bw, autoScan, scramble, rx_bw
    for (int i = 0; i < 8; ++i)
        record[5 + i] = quint8(name[i]) & 0x7F;
    quint8 check = 0x5A;
    for (int i = 0; i < 13; ++i)
        check = quint8(check + record[i]);
    record[13] = check;
    for (int i = 0; i < kChannelSize; ++i)
        setByte(at + quint32(i), record[i]);
}

void SimMemory::putFrequency(int i, quint32 hertz, quint8 power, quint8 bandwidth)
{
    // f = 1 050 000 N + F with the reference divider code R = 7 and mode 4.
    const quint32 n = hertz / kStepHz;
    const quint32 f = hertz - n * kStepHz;
    const quint32 offset = n - m_band.synthesiserBase;
    const quint32 fracHigh = f >> 16, fracLow = f & 0xFFFF;
    const quint32 at = kFrequencyRecords + quint32(kFrequencySize * i);
    setByte(at + 0, quint8((7 << 3) | ((offset >> 4) & 0x07)));
    setByte(at + 1, quint8(((offset & 0x0F) << 4) | ((power & 0x03) << 2)));
    setByte(at + 2, quint8(((bandwidth & 0x03) << 6) | (4 << 3) | ((fracHigh >> 8) & 0x07)));
    setByte(at + 3, quint8(fracHigh));
    putBigEndian(at + 4, fracLow, 2);
}

SimMemory::Band SimMemory::bandOf(const QString &model)
{
    // The second letter of the model code is the band; the synthesiser base
    // is the integer part of the band's lowest step, as in the factory data.
    if (model.size() > 1 && model.at(1) == QLatin1Char('X'))
        return Band { 136000000, 174000000, 128, 151625000 };
    return Band { 450000000, 470000000, 420, 462562500 };
}

void SimMemory::setSerialNumber(int number)
{
    const QByteArray serial
        = QByteArray("117SMU") + QByteArray::number(number % 10000).rightJustified(4, '0');
    for (int i = 0; i < serial.size(); ++i)
        setByte(kRadioInformation + quint32(i), quint8(serial[i]));
}

void SimMemory::fillFactoryDefaults(const SimOptions &options)
{
    m_bytes.fill('\0');

    // Radio information: serial, model, codeplug phase, version and development version.
    // The serial follows the factory's pattern, so a read of a fresh emulator
    // gives a profile like a real radio's.
    setSerialNumber(1);
    setModel(options.model);
    m_band = bandOf(options.model);
    setByte(kRadioInformation + 18, 'R');
    setByte(kRadioInformation + 19, quint8(options.codeplugVersion));
    setByte(kRadioInformation + 20, 0);

    putBigEndian(kSynthesiserBase, m_band.synthesiserBase, 2);
    putBigEndian(kFrequencyRange, m_band.start, 4);
    putBigEndian(kFrequencyRange + 4, m_band.end, 4);

    // Limit block: counts, feature flags, the repeater-disable bit set.
    setChannelCount(options.channels);
    setFrequencyCount(options.frequencies);
    setByte(kLimitBlock + 7, 0x20 | (2 << 3) | 0x04 | 0x02 | 0x01);
    setByte(kLimitBlock + 8, 5);
    setByte(kLimitBlock + 10, 0x48);
    setByte(kLimitBlock + 11, 0x0C);
    setByte(kLimitBlock + 13, 0x80);
    setByte(kLimitBlock + 16, 0x08);
    setMaxCodes(options.maxCodes, options.firmware);

    setByte(kSerialClone, 1);
    setByte(kCompanderMarker, 0x2F);

    // Setting block, with values a factory-fresh radio holds: the gains
    // and the time-out timer within what the editors offer.
    setByte(kMainBlock + 0, quint8((1 << 4) | (1 << 2) | 3));
    setByte(kMainBlock + 1, quint8((1 << 6) | 0x20 | 0x04));
    setByte(kMainBlock + 2, 0x15); // the radio's own bits
    setByte(kMainBlock + 3, 0x80 | 3);
    setByte(kMainBlock + 4, 0);
    setByte(kMainBlock + 5, 1);
    setByte(kMainBlock + 6, quint8(options.channels));
    setByte(kMainBlock + 7, 5);
    setByte(kMainBlock + 8, 60);
    setPassword(options.password);
    const quint8 buttons[8] = { 0x21, 0x43, 0x65, 0x87, 0xA9, 0xCB, 0xED, 0x0F };
    for (int i = 0; i < 8; ++i)
        setByte(kMainBlock + 13 + quint32(i), buttons[i]);
    setByte(kMainBlock + 21, 0x0F);
    setByte(kMainBlock + 22, 0x00);
    setByte(kMainBlock + 23, 0x00);
    const QByteArray greeting("WELCOME ");
    for (int i = 0; i < 8; ++i)
        setByte(kMainBlock + 24 + quint32(i), quint8(greeting[i]));
    setByte(kMainBlock + 32, 0);

    for (int k = 0; k < options.channels; ++k)
        putChannel(k, options.frequencies);
    const quint16 pl[6] = { 670, 719, 744, 770, 797, 825 }; // tenths of Hz
    const quint16 dpl[6] = { 023, 025, 026, 031, 032, 043 }; // octal codes
    for (int i = 0; i < 6; ++i) {
        putBigEndian(kMainBlock + kCustomPlOffset + quint32(2 * i), pl[i], 2);
        putBigEndian(kMainBlock + kCustomDplOffset + quint32(2 * i), dpl[i], 2);
    }
    for (int i = 0; i < options.frequencies; ++i)
        putFrequency(i, m_band.firstChannel + quint32(i) * 25000, quint8(i % 4), 1);
}

void SimMemory::applyGivenOptions(const SimOptions &options)
{
    if (options.isGiven(QStringLiteral("model")))
        setModel(options.model);
    m_band = bandOf(options.model);
    if (options.isGiven(QStringLiteral("codeplug-version")))
        setByte(kRadioInformation + 19, quint8(options.codeplugVersion));
    if (options.isGiven(QStringLiteral("password")))
        setPassword(options.password);
    if (options.isGiven(QStringLiteral("max-codes")))
        setMaxCodes(options.maxCodes, options.firmware);
    if (options.isGiven(QStringLiteral("channels")))
        setChannelCount(options.channels);
    if (options.isGiven(QStringLiteral("frequencies")))
        setFrequencyCount(options.frequencies);
}
