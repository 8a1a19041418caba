#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, compiled in from resources/resources.qrc (see
// resources/README.md for which picture serves what).
namespace AppIcons {

// The picture of a command ("new", "open", "read", ...); empty for a
// command without one.
QIcon command(const QString &name);
// The program's icon (windows, desktop entry).
QIcon application();
// The product picture of the splash screen.
QPixmap splash();

} // namespace AppIcons
