#include "GeneratedData.h"

#include "base/ConfigStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace GeneratedData {

namespace {
constexpr char kDataBesideProgram[] = "../share/velacps";
}

QStringList candidates(const QString &installFile)
{
    if (installFile.isEmpty())
        return {};
    const QString relative = QDir(CConfigStore::installPath()).relativeFilePath(installFile);
    const QDir besideProgram(QDir(QCoreApplication::applicationDirPath()).filePath(kDataBesideProgram));
    return { installFile, QDir::cleanPath(besideProgram.filePath(relative)) };
}

QString find(const QString &installFile)
{
    for (const QString &candidate : candidates(installFile)) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QString();
}

} // namespace GeneratedData
