#pragma once

#include <Qt>

// Whether the focus went to a menu: the menu bar (Alt) or a menu or popup
// opening. The field or list that had it stays the user's place: nothing is
// committed and the commands keep what they offer for it.
inline bool isMenuFocus(Qt::FocusReason reason)
{
    return reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
}
