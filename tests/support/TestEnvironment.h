#pragma once

#include <QString>
#include <QTemporaryDir>

// Points the configuration store at a fresh temporary pair of machine and
// user folders (XDG_CONFIG_DIRS / XDG_CONFIG_HOME), the user's state folder
// (XDG_STATE_HOME: the radio traces) and data folder (XDG_DATA_HOME: the
// radio backups) for the lifetime of the
// object, and writes the installed machine configuration with InstallPath =
// installPath (the source tree's data folder by default). Without
// writeMachine the machine file is left empty, so nothing installed
// elsewhere (nor the build tree's file) is read either.
class ScopedConfig {
public:
    explicit ScopedConfig(
        const QString &installPath = QStringLiteral(VELA_DATA_DIR), bool writeMachine = true);
    ~ScopedConfig();
    ScopedConfig(const ScopedConfig &) = delete;
    ScopedConfig &operator=(const ScopedConfig &) = delete;

    QString machineFile() const;
    QString userFile() const;
    QString dataHome() const;
    QString root() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldDirs, m_oldHome;
    bool m_hadDirs, m_hadHome;
    QByteArray m_oldState;
    bool m_hadState;
    QByteArray m_oldData;
    bool m_hadData;
};

// Reads a whole file of the source tree's data folder ("lib/Region.stv").
QString dataFileText(const QString &relativePath);
// Path of a file in the source tree's data folder.
QString dataPath(const QString &relativePath);
