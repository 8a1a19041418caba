// The folder of the files all running copies share, against another local
// user who prepares it first.
#include "base/PrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

// Runs body as the user nobody in a child process; whether it returned true.
bool asAnotherUser(const std::function<bool()> &body)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 && body() ? 0 : 1);
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status)
        && WEXITSTATUS(status) == 0;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PrivateFolderTest, AFolderAnotherUserPreparedIsRefusedAndItsLinksNotFollowed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    QTemporaryDir shared; // like /tmp: anyone may create in it
    ::chmod(QFile::encodeName(shared.path()).constData(), 01777);
    const QString victim = shared.filePath(QStringLiteral("dealer.kv9"));
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("profile") == 7);
    file.close();
    const QString trap = shared.filePath(QStringLiteral("velacps-0"));
    const QByteArray trapName = QFile::encodeName(trap);
    const QByteArray linkName = QFile::encodeName(trap + QStringLiteral("/VelaCPSFileMap"));
    const QByteArray victimName = QFile::encodeName(victim);
    ASSERT_TRUE(asAnotherUser([&] {
        return ::mkdir(trapName.constData(), 0777) == 0 && ::chmod(trapName.constData(), 0777) == 0
            && ::symlink(victimName.constData(), linkName.constData()) == 0;
    }));

    QString why;
    EXPECT_FALSE(PrivateFolder::ensure(trap, &why));
    EXPECT_EQ(why, QStringLiteral("owned by another user"));
    EXPECT_EQ(PrivateFolder::openSharedFile(trap, QStringLiteral("VelaCPSFileMap")), -1);

    // Even in a folder of one's own, a link is not followed.
    ASSERT_EQ(::lchown(trapName.constData(), 0, 0), 0);
    EXPECT_FALSE(PrivateFolder::ensure(trap, &why));
    EXPECT_EQ(why, QStringLiteral("open to other users"));
    ASSERT_EQ(::chmod(trapName.constData(), 0700), 0);
    EXPECT_TRUE(PrivateFolder::ensure(trap, &why)) << qPrintable(why);
    EXPECT_EQ(PrivateFolder::openSharedFile(trap, QStringLiteral("VelaCPSFileMap")), -1);
    EXPECT_EQ(contentOf(victim), "profile");
}

TEST(PrivateFolderTest, ARuntimeFolderOpenToOthersIsNotUsed)
{
    QTemporaryDir runtime;
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    ::chmod(QFile::encodeName(runtime.path()).constData(), 0700);
    EXPECT_EQ(PrivateFolder::runtimeFolder(), runtime.filePath(QStringLiteral("velacps")));
    ::chmod(QFile::encodeName(runtime.path()).constData(), 0755);
    EXPECT_FALSE(PrivateFolder::runtimeFolder().startsWith(runtime.path()));
    qputenv("XDG_RUNTIME_DIR", saved);
}

} // namespace
