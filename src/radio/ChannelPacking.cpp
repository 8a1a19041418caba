#include "radio/ChannelPacking.h"

namespace ChannelPacking {

namespace {

constexpr quint8 kCheckBase = 0x5A;
constexpr int kCheckByte = 13;
constexpr int kFirstNameByte = 5;

quint8 bit(quint8 flag, int position)
{
    return flag ? quint8(1u << position) : 0;
}

quint8 flagAt(quint8 byte, int position)
{
    return (byte >> position) & 1;
}

} // namespace

void pack(const ChannelRecord &record, Packed &packed)
{
    packed[0] = record.rx_freq_ndx;
    packed[1] = record.rx_code;
    packed[2] = record.tx_freq_ndx;
    packed[3] = record.tx_code;
    packed[4] = bit(record.tx_bw, 7) | bit(record.talkaround_power, 6) | bit(record.autoScan, 5)
        | quint8((record.scramble_code & 0x03) << 3) | bit(record.repeater, 2) | bit(record.rx_bw, 1)
        | bit(record.repeater_power, 0);
    packed[5] = bit(record.disable_channel, 7) | (record.name[0] & 0x7F);
    packed[6] = bit(record.talkaround_scan, 7) | (record.name[1] & 0x7F);
    for (int i = 2; i < codeplug::kChannelNameLength; ++i)
        packed[kFirstNameByte + i] = record.name[i];
    quint8 sum = kCheckBase;
    for (int i = 0; i < kCheckByte; ++i)
        sum = quint8(sum + packed[i]);
    packed[kCheckByte] = sum;
}

void unpack(const Packed &packed, ChannelRecord &record)
{
    record.rx_freq_ndx = packed[0];
    record.rx_code = packed[1];
    record.tx_freq_ndx = packed[2];
    record.tx_code = packed[3];
    record.tx_bw = flagAt(packed[4], 7);
    record.talkaround_power = flagAt(packed[4], 6);
    record.autoScan = flagAt(packed[4], 5);
    record.scramble_code = (packed[4] >> 3) & 0x03;
    record.repeater = flagAt(packed[4], 2);
    record.rx_bw = flagAt(packed[4], 1);
    record.repeater_power = flagAt(packed[4], 0);
    record.disable_channel = flagAt(packed[5], 7);
    record.talkaround_scan = flagAt(packed[6], 7);
    for (int i = 0; i < codeplug::kChannelNameLength; ++i)
        record.name[i] = packed[kFirstNameByte + i] & 0x7F;
    record.radioCheckByte = packed[kCheckByte];
}

} // namespace ChannelPacking
