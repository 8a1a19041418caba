#pragma once

#include "xml/XmlDocument.h"

#include <optional>

// What the PL/DPL code numbers of rx_code and tx_code stand for: a CTCSS
// tone in tenths of Hz or a DCS code (its octal digits as a number, 023 is
// 19) with its polarity. The customised codes take their values from the
// profile's "setting" element (PLcode124..129, PLcode214..219).
namespace PlCodeValues {

struct Signal {
    enum Kind { None, Tone, Dcs };
    Kind kind = None;
    int value = 0; // tenths of Hz for a tone, the octal-digit value for a DCS code
    bool inverted = false;
    bool operator==(const Signal &) const = default;
};

// The numbering of the code table.
constexpr int kFirstTone = 1;
constexpr int kFirstDpl = 39;
constexpr int kExtraTone = 122; // 69.3 Hz, outside the 38-tone run
constexpr int kExtraDpl = 123; // DPL 645, outside the ascending run
constexpr int kFirstCustomTone = 124;
constexpr int kLastCustomTone = 129;
constexpr int kFirstInverted = 130;
constexpr int kLastInverted = 213;
constexpr int kFirstCustomDpl = 214;
constexpr int kLastCustomDpl = 219;

// The tone of a standard code (1..38, 122) in tenths of Hz, else 0.
int StandardToneTenths(int code);
// The DCS value of a standard, not inverted code (39..121, 123), else -1.
int StandardDcsValue(int code);

// What code stands for; setting is the profile's "setting" element. A
// number the table does not know stands for no signal.
Signal SignalOf(int code, const XmlNode &setting);
// The standard code of a signal (inverted codes included), if any.
std::optional<int> StandardCode(const Signal &signal);
// The first customised code that holds the signal, if any.
std::optional<int> CustomCode(const Signal &signal, const XmlNode &setting);

} // namespace PlCodeValues
