#pragma once

// The dealer's actions on the RF frequency table: adding a row, changing
// one and deleting rows, with the MURS and two-watt rules. Each is one
// undo step; the profile's hooks decide what else a row change touches.

#include "CommandVerdict.h"
#include "model/DataItem.h"

#include <QList>

class CProfileDocument;

class CFrequencyCommands {
public:
    // ask answers the commands' questions; without one, every question is
    // answered No.
    explicit CFrequencyCommands(CProfileDocument &document, CommandAsker ask = {});

    // row as the dealer gave it; its power rule becomes "Low power only"
    // when the dealer agrees to the two-watt conversion.
    CommandVerdict addFrequency(FrequencyRow &row);
    CommandVerdict changeFrequency(FrequencyRow &row);
    // The rows (any order) that no channel uses; asks once first. Rows in
    // use stay, with one warning. firstRemoved: the first row removed, -1
    // for none.
    CommandVerdict deleteFrequencies(const QList<int> &rows, int *firstRemoved = nullptr);

private:
    // The MURS refusal and the two-watt question; nullopt to go on.
    std::optional<CommandVerdict> checkRow(FrequencyRow &row) const;
    CDataItem frequencies() const;

    CProfileDocument &m_document;
    CommandAsker m_ask;
};
