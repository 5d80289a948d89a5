// What the system's file rights, links and file systems do to the writer: modes, a full
// disk, another user's link, a folder that says it can be written and cannot.
#include "core/file_writer.h"
#include "tests/support/file_content.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace linknode;
using namespace Qt::Literals::StringLiterals;

namespace {

// Inventories, the window's export and the automation dump may hold a gateway's password.
TEST(FileWriterPosix, ANewFileIsTheOwnersAloneAnExistingOneKeepsItsMode)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("site.json"));
    const auto mode = [&] {
        struct stat status { };
        return stat(path.toLocal8Bit().constData(), &status) == 0 ? status.st_mode & 07777 : 0;
    };
    ASSERT_TRUE(writeWholeFile(path, "{}", nullptr));
    EXPECT_EQ(mode(), 0600u);
    ASSERT_EQ(chmod(path.toLocal8Bit().constData(), 0640), 0);
    ASSERT_TRUE(writeWholeFile(path, "{ }", nullptr));
    EXPECT_EQ(mode(), 0640u);
}

// Mounts a small file system of its own on `folder`, in a private mount namespace (root only).
void mountPrivately(const QString& folder, const char* options)
{
    ASSERT_EQ(unshare(CLONE_NEWNS), 0);
    ASSERT_EQ(mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr), 0);
    ASSERT_EQ(mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, options), 0);
}

TEST(FileWriterPosix, AFullDiskLeavesTheOldFileUntouched)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    QTemporaryDir dir;
    const QByteArray mountPoint = dir.path().toLocal8Bit();
    ASSERT_NO_FATAL_FAILURE(mountPrivately(dir.path(), "size=64k"));

    const QString path = dir.filePath(QStringLiteral("LST_MAC_.TXT"));
    ASSERT_TRUE(writeWholeFile(path, "0-80-194-1-2-3   = front door\n", nullptr));
    QFile filler(dir.filePath(QStringLiteral("filler")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    for (int i = 0; i < 1000 && filler.write(block) == block.size(); ++i) { }
    filler.close();

    for (const int size : { 100, 100000 }) {
        QString reason;
        EXPECT_FALSE(writeWholeFile(path, QByteArray(size, 'n'), &reason)) << size;
        EXPECT_FALSE(reason.isEmpty());
        EXPECT_EQ(contentOf(path), "0-80-194-1-2-3   = front door\n") << size;
    }
    umount(mountPoint.constData());
}

// Root's save to /tmp/shared/site.json, where another user made it a link to a file of root's,
// would replace that file: such a link is not followed, as the system follows none for
// open(). The writer's own link, the folder owner's, or one in a folder not both sticky and
// writable by everyone is.
TEST(FileWriterPosix, AnotherUsersLinkInASharedFolderIsNotFollowed)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "links of another user need root";
    QTemporaryDir dir;
    ASSERT_NO_FATAL_FAILURE(mountPrivately(dir.path(), "mode=0755"));
    constexpr uid_t other = 65534;
    const struct {
        mode_t folderMode;
        uid_t folderOwner, linkOwner;
        bool throughOwnLink; // written through a link of root's outside that leads to it
        bool followed;
    } cases[] = {
        { 01777, 0, other, false, false },
        { 01777, 0, other, true, false },
        { 01777, 0, 0, false, true },
        { 01777, other, other, false, true },
        { 0777, 0, other, false, true },
        { 01775, 0, other, false, true },
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        const QString folder = dir.filePath(u"shared%1"_s.arg(i));
        const QString secret = dir.filePath(u"secret%1"_s.arg(i));
        const QString link = folder + u"/site.json"_s;
        ASSERT_TRUE(QDir().mkdir(folder));
        ASSERT_EQ(chmod(folder.toLocal8Bit().constData(), c.folderMode), 0);
        ASSERT_EQ(chown(folder.toLocal8Bit().constData(), c.folderOwner, 0), 0);
        ASSERT_TRUE(writeWholeFile(secret, "secret\n", nullptr));
        ASSERT_TRUE(QFile::link(secret, link));
        ASSERT_EQ(lchown(link.toLocal8Bit().constData(), c.linkOwner, 0), 0);
        QString written = link;
        if (c.throughOwnLink) {
            written = dir.filePath(u"own%1"_s.arg(i));
            ASSERT_TRUE(QFile::link(link, written));
        }

        QString reason;
        EXPECT_EQ(writeWholeFile(written, "inventory\n", &reason), c.followed) << i;
        EXPECT_EQ(contentOf(secret), QByteArray(c.followed ? "inventory\n" : "secret\n")) << i;
        EXPECT_TRUE(QFileInfo(link).isSymLink()) << i;
        if (!c.followed) {
            EXPECT_THAT(reason.toStdString(),
                testing::HasSubstr(c.throughOwnLink ? "leads through " + link.toStdString()
                                                    : "another user's link"))
                << i;
        }
    }
    umount(dir.path().toLocal8Bit().constData());
}

// A link planted at the target while the file is written (after every check) is replaced by
// the new file, never followed.
TEST(FileWriterPosix, ALinkPlantedWhileWritingIsReplacedNotFollowed)
{
    QTemporaryDir dir;
    const QString secret = dir.filePath(u"secret"_s);
    const QString path = dir.filePath(u"site.json"_s);
    ASSERT_TRUE(writeWholeFile(secret, "secret\n", nullptr));
    for (const bool existing : { false, true }) {
        QFile::remove(path);
        if (existing) {
            ASSERT_TRUE(writeWholeFile(path, "old\n", nullptr));
        }
        EXPECT_TRUE(writeWholeFile(
            path,
            [&](QIODevice& file) {
                QFile::remove(path);
                return QFile::link(secret, path) && file.write("inventory\n") == 10;
            },
            nullptr));
        EXPECT_FALSE(QFileInfo(path).isSymLink()) << existing;
        EXPECT_EQ(contentOf(path), "inventory\n") << existing;
        EXPECT_EQ(contentOf(secret), "secret\n") << existing;
    }
}

// A folder whose rights allow writing can still refuse a new file, as Program Files does on
// Windows while QFileInfo says it is writable: a file system without a free inode plays it.
TEST(FileWriterPosix, AWorkingFolderThatRefusesANewFileSendsABareNameToTheFallback)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    QTemporaryDir working;
    QTemporaryDir documents;
    ASSERT_NO_FATAL_FAILURE(mountPrivately(working.path(), "nr_inodes=1"));
    ASSERT_TRUE(QFileInfo(working.path()).isWritable());
    EXPECT_EQ(placeInWritableFolder(u"LST_MAC_.TXT"_s, working.path(), documents.path()),
        documents.filePath(u"LST_MAC_.TXT"_s));
    EXPECT_TRUE(QDir(working.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    umount(working.path().toLocal8Bit().constData());
}

} // namespace
