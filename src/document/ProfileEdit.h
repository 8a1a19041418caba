#pragma once

// The types of the one edit path of a profile document (CProfileDocument's
// edit methods): what a hook made of a change (HookVerdict, from the data
// item), a frequency row (FrequencyRow) and what an accepted change touched
// (ProfileChange).

#include "model/DataItem.h"

#include <QMetaType>
#include <QString>

// What one accepted change touched, so that the tree and the editors
// refresh from one signal. The hooks may change more than the part named
// (deleting a channel renumbers the presets and numberChannels, a frequency
// row change adjusts the channels on it): a view showing such values
// refreshes on any change of the sections it depends on.
//
//   Attribute     an attribute of one element: section is its local name
//                 ("channel", "setting", "frequency", ...), index its place
//                 when it is a channel or a frequency, attribute the name
//   ChildAdded    section "channels" or "frequencies", index of the new child
//   ChildRemoved  section "channels" or "frequencies", index it had
//   Frequencies   a row of the frequency table: section "frequencies", index
//                 the row
//   Reloaded      the whole profile was replaced (undo, redo, load): every
//                 data item taken before is stale and must be taken again
struct ProfileChange {
    enum Kind { Attribute, ChildAdded, ChildRemoved, Frequencies, Reloaded };
    Kind kind = Reloaded;
    QString section;
    int index = -1;
    QString attribute;

    bool operator==(const ProfileChange &) const = default;
};
Q_DECLARE_METATYPE(ProfileChange)

// A child added through the edit path, with the hook's verdict.
struct AddedChild {
    HookVerdict verdict;
    CDataItem item; // empty unless accepted
};
