#pragma once

#include <QString>

// Folders and files that only the user running the program may touch: the
// files all running copies share (locks, the cable status block, the
// hand-over socket) live in one, so that another local user can neither
// read them, nor hold them, nor slip a link in their place.
namespace PrivateFolder {

// Creates the folder at path (mode 0700) when it is missing. True when it is
// a folder, not a link, owned by this user and closed to everyone else;
// otherwise errorText says why it is refused.
bool ensure(const QString &path, QString *errorText = nullptr);

// The folder of the shared files: "velacps" in $XDG_RUNTIME_DIR when that is
// this user's own closed folder, else /tmp/velacps-<uid>. Empty (after a
// warning on standard error) when the folder found there is not safe.
QString runtimeFolder();

// Opens the file name in folder for reading and writing (close-on-exec)
// without following a link; with create, a missing one is made (mode 0600)
// by this call alone. A file that is not a regular file of this user is
// refused. -1 (errno set) on failure.
int openSharedFile(const QString &folder, const QString &name, bool create = true);

} // namespace PrivateFolder
