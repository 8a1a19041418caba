// The store of radio backups: what it keeps and what it refuses to hand
// back for a write.

#include "TestEnvironment.h"

#include "operations/RadioBackups.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstring>

namespace {

VirtualCP radioImage(const char *serial)
{
    VirtualCP image {};
    std::memcpy(image.factory.modelLetters, "KXD", 3);
    std::memcpy(image.factory.serial, serial, codeplug::kSerialLength);
    image.setting.numberChannels = 7;
    return image;
}

class RadioBackupsTest : public ::testing::Test {
protected:
    RadioBackup stored(const char *serial = "123ABC4567")
    {
        QString error;
        const std::optional<RadioBackup> backup
            = RadioBackups::store(radioImage(serial), RadioBackups::kReasonRead, QStringLiteral("P"), error);
        EXPECT_TRUE(backup.has_value()) << qPrintable(error);
        return backup.value_or(RadioBackup {});
    }
    // Whether load refuses the backup at path with a message naming it.
    static bool refused(const QString &path)
    {
        VirtualCP image;
        RadioBackup backup;
        QString error;
        return !RadioBackups::load(path, image, backup, error) && error.contains(path);
    }

    ScopedConfig m_config;
};

TEST_F(RadioBackupsTest, KeepsTheLastTwentyOfEachRadioNewestFirst)
{
    for (int i = 0; i < RadioBackups::kKeptPerRadio + 2; ++i)
        stored();
    const RadioBackup other = stored("123ABC4568");
    const QList<RadioBackup> kept = RadioBackups::list(QStringLiteral("123ABC4567"));
    ASSERT_EQ(kept.size(), RadioBackups::kKeptPerRadio);
    EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end(),
        [](const RadioBackup &a, const RadioBackup &b) { return a.time > b.time; }));
    EXPECT_EQ(RadioBackups::list().size(), RadioBackups::kKeptPerRadio + 1);
    EXPECT_EQ(RadioBackups::list().first().imagePath, other.imagePath);
}

TEST_F(RadioBackupsTest, DamagedOrForeignFilesAreRefused)
{
    const RadioBackup backup = stored();
    VirtualCP image;
    RadioBackup loaded;
    QString error;
    ASSERT_TRUE(RadioBackups::load(backup.imagePath, image, loaded, error)) << qPrintable(error);
    EXPECT_EQ(image.setting.numberChannels, 7);
    EXPECT_EQ(loaded.reason, "read");

    QFile file(backup.imagePath);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(offsetof(VirtualCP, setting));
    file.write("\x01", 1);
    file.close();
    EXPECT_TRUE(refused(backup.imagePath)) << "a changed byte";

    QFile foreign(QDir(m_config.root()).filePath(QStringLiteral("other.img")));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write(QByteArray(sizeof(VirtualCP), '\0'));
    foreign.close();
    EXPECT_TRUE(refused(foreign.fileName())) << "an image without its description";
    EXPECT_TRUE(RadioBackups::list().isEmpty()) << "the damaged one is not listed";
}

} // namespace
