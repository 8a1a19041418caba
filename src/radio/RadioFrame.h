#pragma once

#include <QtGlobal>

#include <cstdint>
#include <vector>

// Request frames of the radio protocol. Two forms, both ending in a checksum
// that is the complement of the 8-bit sum of every byte before it:
//   long:  FF, opcode, 16-bit big-endian length, then `length` bytes of
//          which the last is the checksum;
//   short: F0 + n, then n bytes (opcode and n - 1 data bytes), checksum.
namespace RadioFrame {

using Bytes = std::vector<quint8>;

inline constexpr quint8 kLongLead = 0xFF;
inline constexpr quint8 kShortLeadBase = 0xF0;
inline constexpr quint8 kAcknowledge = 0x50; // "P", the first byte of every reply

// Request opcodes.
inline constexpr quint8 kOpReadBlock = 0x11;
inline constexpr quint8 kOpWriteBlock = 0x17;
inline constexpr quint8 kOpReset = 0x10;
inline constexpr quint8 kOpControl = 0x38;
inline constexpr quint8 kOpPrepare = 0x22;
inline constexpr quint8 kOpQuery = 0x23;
inline constexpr quint8 kOpFrequency = 0x9A;

// Sub-codes of the query, frequency and prepare requests.
inline constexpr quint8 kQueryModel = 0x03;
inline constexpr quint8 kQueryStatus = 0x09;
inline constexpr quint8 kFrequencyRecord = 0x04;
inline constexpr quint8 kFrequencyCommit = 0x05;
inline constexpr quint8 kPrepareCode = 0x16;

// Reply opcodes that carry a 24-bit address before their data.
inline constexpr quint8 kReplyReadData = 0x80;
inline constexpr quint8 kReplyWritten = 0x84;
inline constexpr quint8 kReplyRefused = 0x85;
bool carriesAddress(quint8 replyOpcode);

// Most data a block read or write moves in one frame.
inline constexpr int kMaxBlockLength = 32;
// Most bytes after the opcode of a short frame (n is four bits).
inline constexpr int kMaxShortData = 14;

// The complement of the 8-bit sum of count bytes.
quint8 checksum(const quint8 *bytes, size_t count);

// body: the bytes between the length field and the checksum.
Bytes longFrame(quint8 opcode, const Bytes &body);
// data: the bytes after the opcode (at most 14).
Bytes shortFrame(quint8 opcode, const Bytes &data);

Bytes readBlock(quint32 address, int length);
Bytes writeBlock(quint32 address, const quint8 *data, int length);
Bytes reset();
Bytes control(quint8 p1, quint8 p2, quint8 p3);
Bytes prepare();
Bytes queryModel();
Bytes queryStatus();
Bytes writeFrequencyRecord(quint8 index, const quint8 (&record)[6]);
Bytes commitFrequencies(quint8 count, quint8 flag);

} // namespace RadioFrame
