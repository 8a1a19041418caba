#pragma once

#include "VirtualCP.h"

namespace codeplug {

// Gives every channel record in use whose eight name bytes equal those of an
// earlier record a new name "CHAN 01", "CHAN 02", … "CHAN 10", … from one
// counter that runs across all channels and skips names already in use.
// Record 0 keeps its name. Empty names are equal names too; a single empty
// name is left for the profile's own naming rule.
void repairDuplicateChannelNames(VirtualCP &image);

} // namespace codeplug
