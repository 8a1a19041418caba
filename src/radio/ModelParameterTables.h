#pragma once

#include <QtGlobal>

#include <array>

// The model parameter tables the write puts at 0x10C9C on some rotary
// radios of the 4 W and 5 W classes. Their meaning is the radio's; table B
// differs from table A in byte 89 only.
namespace ModelParameterTables {
inline constexpr int kSize = 196;
using Table = std::array<quint8, kSize>;
const Table &tableA();
const Table &tableB();
} // namespace ModelParameterTables
