#pragma once

#include <QString>
#include <QStringList>

// Files of the install directory that the build makes (compiled help,
// translations). An install keeps them in the install directory itself; a
// build tree, whose install directory is the source tree's data folder,
// keeps them under the same relative path in the data folder beside the
// program (../share/velacps), so nothing is written into the sources.
namespace GeneratedData {

// Where installFile (an absolute path under the install directory) is
// looked for, in order.
QStringList candidates(const QString &installFile);
// The first candidate that exists; empty when none does.
QString find(const QString &installFile);

} // namespace GeneratedData
