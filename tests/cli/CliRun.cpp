#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {
// Long enough for a slow machine; a run that takes longer has hung.
constexpr int kRunLimitMs = 120000;
}

CliResult CliTest::run(const QStringList &arguments)
{
    return runWithOutputTo(QString(), arguments);
}

CliResult CliTest::runWithOutputTo(const QString &path, const QStringList &arguments)
{
    QProcess process;
    if (!path.isEmpty())
        process.setStandardOutputFile(path);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(
        QStringLiteral("XDG_CONFIG_DIRS"), QDir(m_config.root()).filePath(QStringLiteral("machine")));
    environment.insert(
        QStringLiteral("XDG_CONFIG_HOME"), QDir(m_config.root()).filePath(QStringLiteral("user")));
    environment.insert(
        QStringLiteral("XDG_STATE_HOME"), QDir(m_config.root()).filePath(QStringLiteral("state")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_config.dataHome());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_temp.path());
    process.start(QStringLiteral(VELA_CLI_PATH), arguments);
    CliResult result;
    if (!process.waitForStarted()) {
        ADD_FAILURE() << "velacps-cli did not start: " << process.errorString().toStdString();
        return result;
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(kRunLimitMs)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "velacps-cli " << arguments.join(' ').toStdString() << " did not finish";
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    if (process.exitStatus() != QProcess::NormalExit)
        ADD_FAILURE() << "velacps-cli " << arguments.join(' ').toStdString() << " crashed\n"
                      << result.stderrText();
    else
        result.exitCode = process.exitCode();
    return result;
}

QString CliTest::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = tempPath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

QByteArray CliTest::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString CliTest::templatePath(const QString &model)
{
    return dataPath(QStringLiteral("profiletemplate/%1.kv9").arg(model));
}

QString CliTest::templateText(const QString &model)
{
    return dataFileText(QStringLiteral("profiletemplate/%1.kv9").arg(model));
}

QByteArray scrambledProfileFile(const QString &text)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (QChar c : text) {
        const char16_t unit = c.unicode() == 0xA6 ? c.unicode() : char16_t(c.unicode() ^ 0xA6);
        bytes.append(char(unit & 0xFF)).append(char(unit >> 8));
    }
    return bytes;
}
