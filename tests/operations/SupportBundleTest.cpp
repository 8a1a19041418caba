// The support file: what a supplier unpacks from it with tar, that no
// codeplug password is in it, and the traces it takes, the newest twenty.

#include "operations/SupportBundle.h"
#include "TestEnvironment.h"
#include "radio/RadioTraceStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every file unpacked from the archive at path by tar, by its path in it,
// with its text.
QMap<QString, QString> unpacked(const QString &path, const QTemporaryDir &into)
{
    QProcess tar;
    tar.start(QStringLiteral("tar"), { QStringLiteral("-xzf"), path, QStringLiteral("-C"), into.path() });
    EXPECT_TRUE(tar.waitForFinished(60000) && tar.exitCode() == 0)
        << tar.readAllStandardError().toStdString();
    QMap<QString, QString> files;
    QDirIterator found(into.path(), QDir::Files, QDirIterator::Subdirectories);
    while (found.hasNext()) {
        const QString file = found.next();
        QFile read(file);
        EXPECT_TRUE(read.open(QIODevice::ReadOnly));
        files.insert(QDir(into.path()).relativeFilePath(file).section(QLatin1Char('/'), 1),
            QString::fromUtf8(read.readAll()));
    }
    return files;
}

TEST(SupportBundle, UnpacksWithTarAndHoldsNoPassword)
{
    ScopedConfig config;
    QSettings(config.userFile(), QSettings::IniFormat)
        .setValue(QStringLiteral("MailPassword"), QStringLiteral("4321"));
    for (int trace = 1; trace <= RadioTraceStore::kKept + 2; ++trace)
        ASSERT_FALSE(RadioTraceStore::keep(QStringLiteral("trace %1\n").arg(trace)).isEmpty());

    SupportFacts facts;
    facts.cableStatus = QStringLiteral("USB Cable Connected");
    RadioIdentity identity {};
    identity.modelLetters[0] = 'K';
    std::copy_n("4321", 4, identity.password);
    facts.radio = identity;
    facts.profileName = QStringLiteral("shop.kv9");
    facts.profileText
        = QStringLiteral("<VelaProfile><setting password=\"4321\" timeoutTimer=\"3\"/></VelaProfile>");

    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("support.tar.gz"));
    QString why;
    ASSERT_TRUE(SupportBundle::write(path, facts, &why)) << why.toStdString();
    QTemporaryDir into;
    const QMap<QString, QString> files = unpacked(path, into);

    for (const char *name :
        { "system.txt", "radio.txt", "settings/user.ini", "settings/machine.ini", "profile/shop.xml" })
        EXPECT_TRUE(files.contains(QLatin1String(name))) << name;
    EXPECT_TRUE(files.value(QStringLiteral("radio.txt"))
                    .contains(QLatin1String("cable status: USB Cable Connected")));
    EXPECT_TRUE(
        files.value(QStringLiteral("profile/shop.xml")).contains(QLatin1String("timeoutTimer=\"3\"")));
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        EXPECT_FALSE(file.value().contains(QLatin1String("4321"))) << file.key().toStdString();

    // The newest twenty traces, the first two gone.
    QStringList traces;
    for (auto file = files.cbegin(); file != files.cend(); ++file) {
        if (file.key().startsWith(QLatin1String("traces/")))
            traces << file.value().trimmed();
    }
    ASSERT_EQ(traces.size(), RadioTraceStore::kKept);
    EXPECT_EQ(traces.first(), QStringLiteral("trace 3"));
    EXPECT_EQ(traces.last(), QStringLiteral("trace %1").arg(RadioTraceStore::kKept + 2));
}

} // namespace
