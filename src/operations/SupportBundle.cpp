#include "operations/SupportBundle.h"

#include "base/ConfigStore.h"
#include "base/SafeFile.h"
#include "operations/RadioIdentityFields.h"
#include "radio/CablePort.h"
#include "radio/RadioTraceStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>

namespace SupportBundle {

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray systemText()
{
    return QStringLiteral("program: velacps %1\n"
                          "qt: %2 (built with %3)\n"
                          "system: %4\n"
                          "kernel: %5 %6\n"
                          "architecture: %7\n"
                          "install path: %8\n"
                          "language: %9\n")
        .arg(QStringLiteral(VELA_VERSION), QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR),
            QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
            QSysInfo::currentCpuArchitecture(), CConfigStore::installPath(), CConfigStore::currentLanguage())
        .toUtf8();
}

QByteArray radioText(const SupportFacts &facts)
{
    QString text
        = QStringLiteral("cable port: %1\ncable status: %2\n").arg(CablePort::current(), facts.cableStatus);
    if (!facts.radio) {
        text += QStringLiteral("radio: none identified in this run\n");
    } else {
        for (const auto &[name, value] : radioIdentityFields(*facts.radio)) {
            if (name != QLatin1String("password"))
                text += QStringLiteral("%1: %2\n").arg(name, value);
        }
    }
    return text.toUtf8();
}

} // namespace

QString withoutPasswords(const QString &text)
{
    static const QRegularExpression password(QStringLiteral(R"((\w*password\w*\s*=\s*)(?:"[^"]*"|[^\r\n]*))"),
        QRegularExpression::CaseInsensitiveOption);
    return QString(text).replace(password, QStringLiteral("\\1\"\""));
}

QList<TarGz::Entry> entries(const SupportFacts &facts, const QDateTime &made)
{
    const QString folder
        = QStringLiteral("velacps-support-%1/").arg(made.toString(QStringLiteral("yyyyMMdd-HHmmss")));
    auto settings
        = [](const QString &path) { return withoutPasswords(QString::fromUtf8(fileBytes(path))).toUtf8(); };
    QList<TarGz::Entry> files {
        { folder + QStringLiteral("system.txt"), systemText() },
        { folder + QStringLiteral("radio.txt"), radioText(facts) },
        { folder + QStringLiteral("settings/user.ini"), settings(CConfigStore::userFilePath()) },
        { folder + QStringLiteral("settings/machine.ini"), settings(CConfigStore::machineFilePath()) },
    };
    for (const QString &trace : RadioTraceStore::files())
        files.append({ folder + QStringLiteral("traces/") + QFileInfo(trace).fileName(), fileBytes(trace) });
    if (!facts.profileText.isEmpty())
        files.append(
            { folder + QStringLiteral("profile/%1.xml").arg(QFileInfo(facts.profileName).completeBaseName()),
                withoutPasswords(facts.profileText).toUtf8() });
    return files;
}

bool write(const QString &path, const SupportFacts &facts, QString *why)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QByteArray archive = TarGz::archive(entries(facts, now), now);
    if (archive.isEmpty()) {
        if (why)
            *why = QCoreApplication::translate("SupportBundle", "the archive could not be made");
        return false;
    }
    return WriteFileSafely(path, archive, why);
}

} // namespace SupportBundle
