#pragma once

#include "codeplug/VirtualCP.h"
#include "radio/RadioMemoryMap.h"

#include <QtGlobal>

// The radio's 14-byte channel record (bit 7 is the most significant):
//   bytes 0-3: rx_freq_ndx, rx_code, tx_freq_ndx, tx_code
//   byte 4: tx_bw 7, talkaround_power 6, autoScan 5, scramble_code 4-3,
//           repeater 2, rx_bw 1, repeater_power 0
//   byte 5: disable_channel 7, name character 1 in 6-0
//   byte 6: talkaround_scan 7, name character 2 in 6-0
//   bytes 7-12: name characters 3-8 (written whole, read as bits 6-0)
//   byte 13: record check, 0x5A plus the 8-bit sum of bytes 0-12
namespace ChannelPacking {

using Packed = quint8[RadioMemory::kPackedChannelSize];

// A flag sets its bit when it is not 0; values wider than their field are
// cut to it. Computes the record check.
void pack(const ChannelRecord &record, Packed &packed);
// Fills every field of record; the record check goes to the image record's
// last byte unverified.
void unpack(const Packed &packed, ChannelRecord &record);

} // namespace ChannelPacking
