#include "PlCodeValues.h"

#include <array>

namespace PlCodeValues {
namespace {

// The 38 standard CTCSS tones in tenths of Hz, codes 1 to 38.
constexpr std::array<int, 38> kTones = { 670, 719, 744, 770, 797, 825, 854, 885, 915, 948, 974, 1000, 1035,
    1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1622, 1679, 1738, 1799, 1862,
    1928, 2035, 2107, 2181, 2257, 2336, 2418, 2503 };
constexpr int kExtraToneTenths = 693;

// The 83 standard DCS codes in ascending octal order, codes 39 to 121.
constexpr std::array<int, 83> kDplCodes
    = { 023, 025, 026, 031, 032, 043, 047, 051, 054, 065, 071, 072, 073, 074, 0114, 0115, 0116, 0125, 0131,
          0132, 0134, 0143, 0152, 0155, 0156, 0162, 0165, 0172, 0174, 0205, 0223, 0226, 0243, 0244, 0245,
          0251, 0261, 0263, 0265, 0271, 0306, 0311, 0315, 0331, 0343, 0346, 0351, 0364, 0365, 0371, 0411,
          0412, 0413, 0423, 0431, 0432, 0445, 0464, 0465, 0466, 0503, 0506, 0516, 0532, 0546, 0565, 0606,
          0612, 0624, 0627, 0631, 0632, 0654, 0662, 0664, 0703, 0712, 0723, 0731, 0732, 0734, 0743, 0754 };
constexpr int kExtraDplValue = 0645;
constexpr int kInvertedOffset = 91; // inverted code n stands for code n - 91

int customValue(int code, const XmlNode &setting)
{
    return setting.attributeOr(QStringLiteral("PLcode%1").arg(code)).toInt();
}

} // namespace

int StandardToneTenths(int code)
{
    if (code >= kFirstTone && code < kFirstDpl)
        return kTones[size_t(code - kFirstTone)];
    return code == kExtraTone ? kExtraToneTenths : 0;
}

int StandardDcsValue(int code)
{
    if (code >= kFirstDpl && code < kExtraTone)
        return kDplCodes[size_t(code - kFirstDpl)];
    return code == kExtraDpl ? kExtraDplValue : -1;
}

Signal SignalOf(int code, const XmlNode &setting)
{
    if (const int tenths = StandardToneTenths(code))
        return { Signal::Tone, tenths };
    if (const int dcs = StandardDcsValue(code); dcs >= 0)
        return { Signal::Dcs, dcs };
    if (code >= kFirstCustomTone && code <= kLastCustomTone)
        return { Signal::Tone, customValue(code, setting) };
    if (code >= kFirstInverted && code <= kLastInverted) {
        const int standard = code == kLastInverted ? kExtraDpl : code - kInvertedOffset;
        return { Signal::Dcs, StandardDcsValue(standard), true };
    }
    if (code >= kFirstCustomDpl && code <= kLastCustomDpl)
        return { Signal::Dcs, customValue(code, setting) };
    return {};
}

std::optional<int> StandardCode(const Signal &signal)
{
    if (signal.kind == Signal::None)
        return 0;
    for (int code = kFirstTone; code <= kExtraDpl; ++code) {
        const bool tone = signal.kind == Signal::Tone && StandardToneTenths(code) == signal.value;
        const bool dcs = signal.kind == Signal::Dcs && StandardDcsValue(code) == signal.value;
        if (tone && !signal.inverted)
            return code;
        if (dcs)
            return !signal.inverted ? code : code == kExtraDpl ? kLastInverted : code + kInvertedOffset;
    }
    return std::nullopt;
}

std::optional<int> CustomCode(const Signal &signal, const XmlNode &setting)
{
    if (signal.inverted || signal.kind == Signal::None)
        return std::nullopt;
    const int first = signal.kind == Signal::Tone ? kFirstCustomTone : kFirstCustomDpl;
    for (int code = first; code < first + 6; ++code) {
        if (setting.hasAttribute(QStringLiteral("PLcode%1").arg(code))
            && customValue(code, setting) == signal.value)
            return code;
    }
    return std::nullopt;
}

} // namespace PlCodeValues
