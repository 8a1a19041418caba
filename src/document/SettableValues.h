#pragma once

#include <QString>

#include <optional>

class CDataItem;

// The few values that the editors limit more narrowly than the profile
// schema does. A profile file holding another value would go into a radio
// without the dealer ever having seen or chosen it, so opening refuses it.
namespace SettableValues {

struct Unsettable {
    QString attribute; // "timeoutTimer", "channel" (of a preset), ...
    QString value; // as the file holds it
    QString allowed; // what the editors offer, e.g. "60, 120, 180" or "0-3"
};

// The first value of the profile under root that no editor could have set.
std::optional<Unsettable> FindUnsettable(const CDataItem &root);

} // namespace SettableValues
