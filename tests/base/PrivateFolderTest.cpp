// The folder of the files all running copies share, against another local
// user who prepares it first.
#include "base/PrivateFolder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(PrivateFolderTest, AFolderAnotherUserPreparedIsRefusedAndItsLinksNotFollowed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    QTemporaryDir shared; // like /tmp: anyone may create in it
    const QByteArray sharedName = QFile::encodeName(shared.path());
    const QString trap = shared.filePath(QStringLiteral("velacps-0"));
    const QByteArray trapName = QFile::encodeName(trap), victim = sharedName + "/dealer.kv9";
    QFile file(QFile::decodeName(victim));
    ASSERT_TRUE(::chmod(sharedName.constData(), 01777) == 0 && file.open(QIODevice::ReadWrite)
        && file.write("profile") == 7);
    // The other user (nobody) makes the folder and a link in it.
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && ::mkdir(trapName.constData(), 0700) == 0
                    && ::symlink(victim.constData(), (trapName + "/VelaCPSFileMap").constData()) == 0
                ? 0
                : 1);
    int status = 1;
    ASSERT_TRUE(::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0);

    QString why;
    EXPECT_FALSE(PrivateFolder::ensure(trap, &why));
    EXPECT_EQ(why, QStringLiteral("owned by another user"));
    ASSERT_EQ(::lchown(trapName.constData(), 0, 0), 0);
    ASSERT_EQ(::chmod(trapName.constData(), 0755), 0);
    EXPECT_FALSE(PrivateFolder::ensure(trap, &why));
    EXPECT_EQ(why, QStringLiteral("open to other users"));
    ASSERT_EQ(::chmod(trapName.constData(), 0700), 0);
    EXPECT_TRUE(PrivateFolder::ensure(trap, &why)) << qPrintable(why);
    // Even in a folder of one's own, a link is not followed.
    EXPECT_EQ(PrivateFolder::openSharedFile(trap, QStringLiteral("VelaCPSFileMap")), -1);
    EXPECT_TRUE(file.seek(0) && file.readAll() == "profile");
}

TEST(PrivateFolderTest, ARuntimeFolderOpenToOthersIsNotUsed)
{
    QTemporaryDir runtime; // mode 0700
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    EXPECT_EQ(PrivateFolder::runtimeFolder(), runtime.filePath(QStringLiteral("velacps")));
    ::chmod(QFile::encodeName(runtime.path()).constData(), 0755);
    EXPECT_FALSE(PrivateFolder::runtimeFolder().startsWith(runtime.path()));
    qputenv("XDG_RUNTIME_DIR", saved);
}

} // namespace
