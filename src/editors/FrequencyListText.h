#pragma once

#include <QString>

// A row of the RF frequency table as the channel's frequency lists show it:
// its number, the frequency in MHz as the language writes it, and the mark
// of a frequency that allows two watts at most.
QString FrequencyListText(int tableIndex, const QString &megahertz, bool twoWatt);
