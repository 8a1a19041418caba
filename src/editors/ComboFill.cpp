#include "ComboFill.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {

bool Holds(const QComboBox *combo, const ComboItems &items)
{
    if (combo->count() != int(items.size()))
        return false;
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemData(i).toInt() != items[size_t(i)].value
            || combo->itemText(i) != items[size_t(i)].text)
            return false;
    }
    return true;
}

} // namespace

void FillCombo(QComboBox *combo, const ComboItems &items)
{
    if (Holds(combo, items))
        return;
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const ComboItem &item : items)
        combo->addItem(item.text, item.value);
}
