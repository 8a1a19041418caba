#pragma once

#include "document/ProfileComparison.h"

class CChildFrame;

// Finds the field of a difference in a profile window: the page that shows
// it selected in the tree, and its control (or the list row of a
// frequency) given the focus.
namespace FieldLocator {

// False when no page shows the field (the profile lacks the item, or the
// model shows no control for it): the first page that could is shown.
bool showField(CChildFrame &frame, const ProfileDifference &difference);

} // namespace FieldLocator
