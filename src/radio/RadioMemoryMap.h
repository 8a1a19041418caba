#pragma once

#include <QtGlobal>

// Where the radio keeps what the codeplug image holds. Addresses are 24-bit;
// multi-byte radio values are big-endian.
namespace RadioMemory {

// The main block: the packed setting block at 0, the channel records at
// 36 + 14k, the customised PL codes 124-129 at 302 and the customised DPL
// codes 214-219 at 314 (six big-endian 16-bit values each).
inline constexpr quint32 kMainBlock = 0x10000;
inline constexpr int kMainBlockReadLength = 410;
inline constexpr int kMainBlockBaseLength = 386; // written without customised codes
inline constexpr int kMainBlockWithPlLength = 398; // written with the PL group
inline constexpr int kMainBlockFullLength = 410; // written with both groups
inline constexpr int kChannelRecordsOffset = 36;
inline constexpr int kPackedChannelSize = 14;
inline constexpr int kCustomPlOffset = 302;
inline constexpr int kCustomDplOffset = 314;

inline constexpr quint32 kPassword = 0x10009; // 4 bytes, setting block bytes 9-12
inline constexpr quint32 kFrequencyRecords = 0x10800; // 6 bytes per record
inline constexpr quint32 kFrequencyRange = 0x10A80; // start_freq, end_freq: 32-bit each
inline constexpr quint32 kLimitBlock = 0x10A8C; // 20 bytes
inline constexpr quint32 kLimitMaxCodesFirst = 0x10A91; // limit byte 5, bits 6-0
inline constexpr quint32 kLimitCounts = 0x10A92; // limit bytes 6-13; byte 6 = frequency records
inline constexpr int kLimitCountsLength = 8;
inline constexpr quint32 kLimitRepeaterByte = 0x10A99; // limit byte 13
inline constexpr quint32 kLimitMaxCodesSecond = 0x10A9E; // limit byte 18
inline constexpr quint32 kSerialClone = 0x10C01;
inline constexpr quint32 kCompanderMarker = 0x10C8E;
inline constexpr quint32 kModelParameterTable = 0x10C9C; // 196 bytes
inline constexpr quint32 kSynthesiserBase = 0x10D80; // 16-bit
inline constexpr quint32 kRadioInformation = 0x10E18; // 32 bytes
inline constexpr int kRadioInformationLength = 32;
inline constexpr quint32 kRadioModelCode = 0x10E22; // radio information bytes 10-19
inline constexpr int kRadioModelCodeLength = 10;
inline constexpr quint32 kModelSpecificWord = 0x20466; // written as 00 00

// Radio information layout.
inline constexpr int kInfoSerial = 0; // 10 characters
inline constexpr int kInfoModel = 10; // 3 letters, then 5 digit values
inline constexpr int kInfoCodeplugPhase = 18;
inline constexpr int kInfoCodeplugVersion = 19;
inline constexpr int kInfoCodeplugDevVersion = 20;

// The compander marker, and its value once a record uses compander mode 3.
inline constexpr quint8 kCompanderPlain = 0x2F;
inline constexpr quint8 kCompanderMode3 = 0x6F;
inline constexpr quint8 kCompanderModeMarked = 3;

} // namespace RadioMemory
