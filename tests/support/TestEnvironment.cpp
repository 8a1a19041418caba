#include "TestEnvironment.h"

#include "base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const char *const kMachineDirs = "XDG_CONFIG_DIRS";
const char *const kUserHome = "XDG_CONFIG_HOME";
const char *const kUserState = "XDG_STATE_HOME";
const char *const kDataHome = "XDG_DATA_HOME";
const QString kProductFile = QStringLiteral("Halvern/Vela LX Dealer CPS.ini");

void restore(const char *name, bool wasSet, const QByteArray &value)
{
    if (wasSet)
        qputenv(name, value);
    else
        qunsetenv(name);
}

// The install's template with InstallPath filled in, as the build does it.
QByteArray machineConfiguration(const QString &installPath)
{
    QString quoted = installPath;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""));
    QFile templateFile(dataPath(QStringLiteral("etc/Vela LX Dealer CPS.ini.in")));
    if (!templateFile.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read the machine configuration template "
                      << templateFile.fileName().toStdString();
        return QByteArray();
    }
    return QString::fromUtf8(templateFile.readAll())
        .replace(QStringLiteral("@VELA_INSTALL_PATH@"), quoted)
        .toUtf8();
}

} // namespace

ScopedConfig::ScopedConfig(const QString &installPath, bool writeMachine)
    : m_oldDirs(qgetenv(kMachineDirs))
    , m_oldHome(qgetenv(kUserHome))
    , m_hadDirs(qEnvironmentVariableIsSet(kMachineDirs))
    , m_hadHome(qEnvironmentVariableIsSet(kUserHome))
    , m_oldState(qgetenv(kUserState))
    , m_hadState(qEnvironmentVariableIsSet(kUserState))
    , m_oldData(qgetenv(kDataHome))
    , m_hadData(qEnvironmentVariableIsSet(kDataHome))
{
    if (!m_dir.isValid())
        ADD_FAILURE() << "cannot create a temporary configuration folder";
    qputenv(kMachineDirs, QFile::encodeName(m_dir.filePath(QStringLiteral("machine"))));
    qputenv(kUserHome, QFile::encodeName(m_dir.filePath(QStringLiteral("user"))));
    qputenv(kUserState, QFile::encodeName(m_dir.filePath(QStringLiteral("state"))));
    qputenv(kDataHome, QFile::encodeName(dataHome()));

    QDir().mkpath(QFileInfo(machineFile()).absolutePath());
    QFile machine(machineFile());
    if (!machine.open(QIODevice::WriteOnly)
        || (writeMachine && machine.write(machineConfiguration(installPath)) < 0))
        ADD_FAILURE() << "cannot write " << machineFile().toStdString();
}

ScopedConfig::~ScopedConfig()
{
    restore(kMachineDirs, m_hadDirs, m_oldDirs);
    restore(kUserHome, m_hadHome, m_oldHome);
    restore(kUserState, m_hadState, m_oldState);
    restore(kDataHome, m_hadData, m_oldData);
}

QString ScopedConfig::dataHome() const
{
    return m_dir.filePath(QStringLiteral("data"));
}

QString ScopedConfig::machineFile() const
{
    return m_dir.filePath(QStringLiteral("machine/") + kProductFile);
}

QString ScopedConfig::userFile() const
{
    return m_dir.filePath(QStringLiteral("user/") + kProductFile);
}

QString dataPath(const QString &relativePath)
{
    return QDir(QStringLiteral(VELA_DATA_DIR)).filePath(relativePath);
}

QString dataFileText(const QString &relativePath)
{
    QString text;
    if (!ReadTextFile(dataPath(relativePath), text))
        ADD_FAILURE() << "cannot read " << relativePath.toStdString();
    return text;
}
