#pragma once

#include "VirtualCP.h"

#include <cstdint>

namespace codeplug {

// The radio serial number rule (ten characters; upper case means A-Z):
// positions 1-3 digits; 4 upper case but not O; 5 and 6 upper case but
// neither O nor I; 7 a digit or any upper-case letter; 8-10 a digit or an
// upper-case letter other than O and I. A radio whose image breaks it was
// not read soundly.
bool isValidSerialNumber(const uint8_t (&serial)[kSerialLength]);

} // namespace codeplug
