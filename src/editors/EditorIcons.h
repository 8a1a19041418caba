#pragma once

#include <QIcon>
#include <QSize>

// Pictures of the editors. They come from the program's resources; a
// program or test built without them gets a plain drawn stand-in.
namespace EditorIcons {

inline constexpr QSize kAddChannelSize { 32, 32 };

QIcon addChannel();

} // namespace EditorIcons
