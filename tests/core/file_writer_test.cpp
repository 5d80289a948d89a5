// A file is replaced whole or not at all, and a bare name goes where it can be written.
#include "core/file_writer.h"
#include "tests/support/file_content.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gmock/gmock.h>

using namespace linknode;
using namespace Qt::Literals::StringLiterals;

namespace {

TEST(FileWriter, ReplacesTheWholeFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.txt"));
    ASSERT_TRUE(writeWholeFile(path, "old\n", nullptr));
    ASSERT_TRUE(writeWholeFile(path, "new\n", nullptr));
    EXPECT_EQ(contentOf(path), "new\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no file left aside";
}

TEST(FileWriter, AFolderThatCannotHoldTheFileIsToldWithItsReason)
{
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("file"));
    ASSERT_TRUE(writeWholeFile(notAFolder, "x", nullptr));
    for (const QString& path : { dir.filePath(QStringLiteral("missing/list.txt")),
             notAFolder + QStringLiteral("/list.txt") }) {
        QString reason;
        EXPECT_FALSE(writeWholeFile(path, "text", &reason)) << path.toStdString();
        EXPECT_FALSE(reason.isEmpty());
    }
}

TEST(FileWriter, ABareNameGoesToTheWorkingFolderWhereItCanBeWrittenElseToTheFallback)
{
    QTemporaryDir working;
    QTemporaryDir documents;
    const QString missing = working.filePath(QStringLiteral("gone"));
    const QString file = working.filePath(QStringLiteral("file"));
    ASSERT_TRUE(writeWholeFile(file, "x", nullptr));
    const struct {
        QString name, workingFolder, expected;
    } cases[] = {
        { u"LST_MAC_.TXT"_s, working.path(), working.filePath(u"LST_MAC_.TXT"_s) },
        { u"LST_MAC_.TXT"_s, missing, documents.filePath(u"LST_MAC_.TXT"_s) },
        { u"LST_MAC_.TXT"_s, file, documents.filePath(u"LST_MAC_.TXT"_s) },
        { u"sub/list.txt"_s, working.path(), working.filePath(u"sub/list.txt"_s) },
        { u"/tmp/list.txt"_s, missing, u"/tmp/list.txt"_s },
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeInWritableFolder(c.name, c.workingFolder, documents.path()), c.expected)
            << c.name.toStdString() << " in " << c.workingFolder.toStdString();
}
} // namespace
