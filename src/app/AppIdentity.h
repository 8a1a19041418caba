#pragma once

#include <QString>

// The names the program shows and registers itself under.
namespace AppIdentity {

// The title of the main window and of every message box.
QString applicationName();

// Profile files: extension without the dot, and the filter of the open and
// save dialogs ("KVX Series Distributor CPS Files (*.kv9);;All Files (*.*)").
inline constexpr char kProfileExtension[] = "kv9";
QString profileFileFilter();

// Base of the names of new, unsaved profiles ("Profile1", "Profile2", ...).
QString newDocumentBaseName();

} // namespace AppIdentity
