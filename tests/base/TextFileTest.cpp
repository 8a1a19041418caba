#include "base/TextFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TextFileTest : public ::testing::Test
{
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

    QTemporaryDir m_dir;
    int m_count = 0;
};

TEST_F(TextFileTest, ProfileFileIsByteOrderMarkAndScrambledUtf16)
{
    const QByteArray bytes = EncodeProfileFile(QStringLiteral("<?xml a\u00A6\u00E9"));
    ASSERT_EQ(bytes.size(), 2 + 2 * 9);
    EXPECT_EQ(bytes.left(2), QByteArray("\xFF\xFE", 2));
    EXPECT_EQ(uchar(bytes[2]), '<' ^ 0xA6);  // scrambled
    EXPECT_EQ(uchar(bytes[3]), 0);           // the upper byte is kept
    EXPECT_EQ(uchar(bytes[16]), 0xA6);       // the key itself is written as it is
    EXPECT_EQ(read(bytes), QStringLiteral("<?xml a\u00A6\u00E9"));
}

TEST_F(TextFileTest, PlainAndScrambledFilesReadToTheSameText)
{
    const QString text = QStringLiteral("<?xml version=\"1.0\"?><a b=\"\u00FC\"/>") + QString(5000, QLatin1Char('x'));
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
    const QString text = QStringLiteral("<?xml") + QString(1017, QLatin1Char('a')) + QStringLiteral("\u00E9\u20AC end");
    EXPECT_EQ(read(text.toUtf8()), text);
}

TEST_F(TextFileTest, DamagedOrUnreadableFilesFail)
{
    QString text;
    EXPECT_FALSE(ReadTextFile(m_dir.filePath("absent"), text));
    read(QByteArray("\xFF\xFE\x3C", 3), false);  // odd UTF-16 length
    read(QByteArray(9 * 1024 * 1024, 'a'), false);  // far beyond any profile
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

} // namespace
