#pragma once

#include <Qt>

// The frame of the program's dialogs: a title and a close button; without
// the customise hint the window manager would add minimise and maximise.
inline constexpr Qt::WindowFlags kDialogFrame
    = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
