#pragma once

#include <QString>

#include <vector>

class QComboBox;

// An item of a list that the profile fills, with its value as item data.
struct ComboItem {
    QString text;
    int value = 0;
};
using ComboItems = std::vector<ComboItem>;

// Makes combo hold exactly items, quietly; a combo that holds them already
// is left alone, so reloading a form does not rebuild long lists.
void FillCombo(QComboBox *combo, const ComboItems &items);
