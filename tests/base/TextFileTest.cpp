#include "base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

class TextFileTest : public ::testing::Test {
protected:
    QString write(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("f%1").arg(m_count++));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString read(const QByteArray &bytes, bool expectOk = true)
    {
        QString text;
        EXPECT_EQ(ReadTextFile(write(bytes), text), expectOk);
        return text;
    }
    static QByteArray utf16(const QString &text, bool scrambled)
    {
        const QString units = scrambled ? ScrambleText(text) : text;
        QByteArray bytes("\xFF\xFE", 2);
        for (QChar c : units)
            bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        return bytes;
    }
    static QByteArray eightBitScrambled(const QByteArray &plain)
    {
        QByteArray bytes = plain;
        for (char &c : bytes)
            c = char(c ^ 0xA6);
        return bytes;
    }

    QString fifo()
    {
        const QString path = m_dir.filePath(QStringLiteral("fifo"));
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        return path;
    }
    static QByteArray contentOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

    QTemporaryDir m_dir;
    int m_count = 0;
};

TEST_F(TextFileTest, ProfileFileIsByteOrderMarkAndScrambledUtf16)
{
    const QByteArray bytes = EncodeProfileFile(QStringLiteral("<?xml a\u00A6\u00E9"));
    ASSERT_EQ(bytes.size(), 2 + 2 * 9);
    EXPECT_EQ(bytes.left(2), QByteArray("\xFF\xFE", 2));
    EXPECT_EQ(uchar(bytes[2]), '<' ^ 0xA6); // scrambled
    EXPECT_EQ(uchar(bytes[3]), 0); // the upper byte is kept
    EXPECT_EQ(uchar(bytes[16]), 0xA6); // the key itself is written as it is
    EXPECT_EQ(read(bytes), QStringLiteral("<?xml a\u00A6\u00E9"));
}

TEST_F(TextFileTest, PlainAndScrambledFilesReadToTheSameText)
{
    const QString text
        = QStringLiteral("<?xml version=\"1.0\"?><a b=\"\u00FC\"/>") + QString(5000, QLatin1Char('x'));
    EXPECT_EQ(read(utf16(text, false)), text);
    EXPECT_EQ(read(utf16(text, true)), text);
    EXPECT_EQ(read(text.toUtf8()), text);
    EXPECT_EQ(read(eightBitScrambled(text.toUtf8())), text);
}

TEST_F(TextFileTest, PlainStartsAreComparedWithoutRegardToCase)
{
    EXPECT_EQ(read("<?XML version=\"1.0\"?><a/>"), "<?XML version=\"1.0\"?><a/>");
    EXPECT_EQ(read("option explicit\nx"), "option explicit\nx");
    EXPECT_EQ(read("\"use strict\";\nvar a;"), "\"use strict\";\nvar a;");
    EXPECT_EQ(read("'use strict';"), "'use strict';");
    // Anything else is taken as scrambled.
    EXPECT_EQ(read(eightBitScrambled("function f() {}")), "function f() {}");
}

TEST_F(TextFileTest, Utf16WithoutByteOrderMarkIsTakenAsEightBitText)
{
    const QString text = QStringLiteral("<?xml?>");
    QByteArray bytes = utf16(text, false).mid(2);
    // Not a plain start as 8-bit text, so it is unscrambled byte by byte.
    EXPECT_NE(read(bytes), text);
}

TEST_F(TextFileTest, EachUtf16ChunkEndsAtItsFirstZeroUnit)
{
    // 2046-byte chunks: a zero unit inside the first chunk cuts only that
    // chunk's text.
    QString text = QStringLiteral("<?xml") + QString(1018, QLatin1Char('a'));
    text[10] = QChar(0);
    text += QStringLiteral("tail");
    EXPECT_EQ(read(utf16(text, false)), QStringLiteral("<?xml") + QString(5, 'a') + QStringLiteral("tail"));
}

TEST_F(TextFileTest, CharactersSplitAcrossEightBitChunksSurvive)
{
    const QString text
        = QStringLiteral("<?xml") + QString(1017, QLatin1Char('a')) + QStringLiteral("\u00E9\u20AC end");
    EXPECT_EQ(read(text.toUtf8()), text);
}

TEST_F(TextFileTest, DamagedOrUnreadableFilesFailAndSayWhy)
{
    const struct {
        QString path;
        const char *why;
    } cases[] = {
        { m_dir.filePath("absent"), "No such file or directory" },
        { m_dir.path(), "Not a regular file" },
        // Refused at once: opening it for reading would wait for a writer.
        { fifo(), "Not a regular file" },
        { write(QByteArray("\xFF\xFE\x3C", 3)), "Damaged: UTF-16 text of an odd number of bytes" },
        { write(QByteArray(kMaxTextFileBytes + 1, 'a')),
            "Too large: 8388609 bytes, where at most 8388608 are read" },
    };
    for (const auto &unreadable : cases) {
        QString text, why;
        EXPECT_FALSE(ReadTextFile(unreadable.path, text, &why)) << unreadable.path.toStdString();
        EXPECT_EQ(why.toStdString(), unreadable.why);
    }
    EXPECT_EQ(read(QByteArray()), QString());
}

TEST_F(TextFileTest, SafeWriteKeepsTheOldFileWhenTheWriteFails)
{
    const QString path = write("old content");
    EXPECT_TRUE(WriteFileSafely(path, "new content"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "new content");
    file.close();

    QString error;
    EXPECT_FALSE(WriteFileSafely(m_dir.filePath("no/such/folder/file.kv9"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(m_dir.filePath("no/such/folder/file.kv9")));
}

TEST_F(TextFileTest, SafeWriteFitsALongNameAndRemovesTemporariesKilledSavesLeft)
{
    const QDir folder(m_dir.path());
    const QString longName = QString(250, QLatin1Char('p')) + QStringLiteral(".kv9");
    EXPECT_TRUE(WriteFileSafely(folder.filePath(longName), "long"));
    EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), QStringList { longName });

    // Left by a killed save; one another save is writing (it holds its
    // lock); a name that only looks alike.
    const QString stale = write("stale"), busy = write("busy"), alike = write("alike");
    QFile::rename(stale, folder.filePath(QStringLiteral(".k.kv9.a97mr2zz.tmp")));
    QFile::rename(busy, folder.filePath(QStringLiteral(".k.kv9.00000000.tmp")));
    QFile::rename(alike, folder.filePath(QStringLiteral(".k.kv9.a97mr2.tmp")));
    QFile held(folder.filePath(QStringLiteral(".k.kv9.00000000.tmp")));
    ASSERT_TRUE(held.open(QIODevice::ReadOnly) && ::flock(held.handle(), LOCK_EX) == 0);
    EXPECT_TRUE(WriteFileSafely(folder.filePath(QStringLiteral("k.kv9")), "saved"));
    EXPECT_EQ(folder.entryList({ QStringLiteral(".k.kv9*") }, QDir::Files | QDir::Hidden),
        QStringList({ QStringLiteral(".k.kv9.00000000.tmp"), QStringLiteral(".k.kv9.a97mr2.tmp") }));
}

TEST_F(TextFileTest, SafeWriteRefusesSpecialFilesAndLeavesThemAlone)
{
    const QString special = fifo(), link = m_dir.filePath("link");
    QFile::link(special, link);
    for (const QString &path : { special, link, m_dir.path() }) {
        QString error;
        EXPECT_FALSE(WriteFileSafely(path, "profile", &error)) << path.toStdString();
        EXPECT_EQ(error, "Not a regular file");
    }
    EXPECT_TRUE(QFileInfo(special).exists() && !QFileInfo(special).isFile()) << "the FIFO was replaced";
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::System).size(), 2) << "a file was left behind";
}

TEST_F(TextFileTest, TextFilesAreWrittenOnlyAsLargeAsTheyAreRead)
{
    const QString path = write(QByteArray("<?xml").leftJustified(kMaxTextFileBytes, 'a'));
    QString error;
    EXPECT_FALSE(WriteTextFile(path, QByteArray(kMaxTextFileBytes + 1, 'b'), &error));
    EXPECT_EQ(error, "Too large: 8388609 bytes, where at most 8388608 can be opened again");
    EXPECT_EQ(read(contentOf(path)).size(), kMaxTextFileBytes);
}

// On a file system with no room left, a write fails, also one small enough
// to wait in a buffer until the file is closed, and the old file stays.
TEST_F(TextFileTest, SafeWriteOnAFullDiskFailsAndKeepsTheOldFile)
{
    const QString disk = m_dir.filePath("disk");
    const QByteArray mountPoint = QFile::encodeName(disk);
    ASSERT_TRUE(QDir().mkpath(disk));
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a small file system cannot be mounted here: " << qPrintable(qt_error_string(errno));
    const std::unique_ptr<const char, void (*)(const char *)> unmount(
        mountPoint.constData(), [](const char *at) { ::umount(at); });
    const QString old = disk + QStringLiteral("/profile.kv9");
    ASSERT_TRUE(
        WriteFileSafely(old, "old content") && WriteFileSafely(disk + "/other", QByteArray(56 * 1024, 'f')));
    for (const qsizetype size : { qsizetype(9 * 1024), qsizetype(1024 * 1024) }) {
        QString error;
        EXPECT_FALSE(WriteFileSafely(old, QByteArray(size, 'x'), &error)) << size;
        EXPECT_EQ(error, qt_error_string(ENOSPC)) << size;
        EXPECT_EQ(contentOf(old), "old content") << size;
        EXPECT_EQ(QDir(disk).entryList(QDir::Files).size(), 2) << "a file was left behind";
    }
}

} // namespace
