#pragma once

#include "document/ProfileComparison.h"

#include <QList>

// Prints differences to standard output: one line each as a dealer reads
// them, or (json) one JSON array of objects with section, item, field,
// caption, old, new, old_raw and new_raw. False after the message when the
// output cannot be written.
bool printDifferences(const QList<ProfileDifference> &differences, bool json);
