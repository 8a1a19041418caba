#pragma once

#include <QString>
#include <QStringList>

// The traces of the last radio transfers on disk, for a support file:
// "$XDG_STATE_HOME/velacps/traces" (default ~/.local/state), one text file
// per transfer named by its UTC time, the newest kKept kept.
namespace RadioTraceStore {

inline constexpr int kKept = 20;

QString directory();
// Writes text as the newest trace and removes the oldest beyond kKept; the
// new file's path, or empty when it could not be written.
QString keep(const QString &text);
// The kept traces' paths, oldest first.
QStringList files();

} // namespace RadioTraceStore
