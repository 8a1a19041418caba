#pragma once

#include <QString>
#include <QTemporaryDir>

// Points the configuration store at a fresh temporary pair of machine and
// user folders (XDG_CONFIG_DIRS / XDG_CONFIG_HOME) for the lifetime of the
// object, and writes a machine configuration whose InstallPath is
// installPath (the source tree's data folder by default).
class ScopedConfig
{
public:
    explicit ScopedConfig(const QString &installPath = QStringLiteral(VELA_DATA_DIR), bool writeMachine = true);
    ~ScopedConfig();
    QString machineFile() const;
    QString userFile() const;
    QString root() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldDirs, m_oldHome;
};

// Reads a whole file of the source tree's data folder ("lib/Region.stv").
QString dataFileText(const QString &relativePath);
// Path of a file in the source tree's data folder.
QString dataPath(const QString &relativePath);
