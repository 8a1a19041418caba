#pragma once

#include "SimOptions.h"

#include <QByteArray>
#include <QString>

// The emulated radio's memory: addresses 0x10000-0x2FFFF, laid out as the
// radio keeps its codeplug (main block with settings and channel records,
// frequency records, frequency range, limit block, serial clone byte,
// compander marker, model parameter table, synthesiser base, radio
// information). Saved and loaded as one raw file of that range.
class SimMemory {
public:
    static constexpr quint32 kFirstAddress = 0x10000;
    static constexpr int kSize = 0x20000;

    SimMemory();

    bool contains(quint32 address, int length) const;
    QByteArray read(quint32 address, int length) const;
    quint8 byte(quint32 address) const { return quint8(m_bytes[int(address - kFirstAddress)]); }
    void setByte(quint32 address, quint8 value) { m_bytes[int(address - kFirstAddress)] = char(value); }

    bool load(const QString &path, QString &error);
    bool save(const QString &path, QString &error) const;

    // A plausible radio of the options' model with their counts.
    void fillFactoryDefaults(const SimOptions &options);
    // Puts the options that were given into the memory (over a loaded one).
    void applyGivenOptions(const SimOptions &options);
    // Gives the radio the factory pattern's serial with number (1-9999).
    void setSerialNumber(int number);

    // Whether firmware keeps maxCodes in limit byte 18 rather than byte 5.
    static bool firmwareUsesSecondLimitLayout(const QString &firmware);

private:
    void setModel(const QString &model);
    void setPassword(const QString &password);
    void setMaxCodes(int maxCodes, const QString &firmware);
    void setChannelCount(int channels);
    void setFrequencyCount(int frequencies);
    void putBigEndian(quint32 address, quint32 value, int width);
    void putChannel(int k, int frequencies);
    void putFrequency(int i, quint32 hertz, quint8 power, quint8 bandwidth);

    // The factory frequency data of a band.
    struct Band {
        quint32 start, end; // Hz
        quint32 synthesiserBase; // integer part base of every frequency record
        quint32 firstChannel; // Hz of the first factory frequency record
    };
    static Band bandOf(const QString &model);
    Band m_band = bandOf(QString());

    QByteArray m_bytes;
};
