// A file is read whole up to 64 MiB; a larger one, an endless input among them, is refused
// one byte past the limit, and a file that cannot be read says why.
#include "core/file_reader.h"
#include "tests/support/endless_file.h"

#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <vector>

using namespace linknode;
using namespace Qt::StringLiterals;

namespace {

TEST(FileReader, ReadsUpToTheLimitAndNoFurtherThanOneByteMore)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"input"_s);
    const struct {
        qint64 size;
        bool whole;
    } cases[] = { { 0, true }, { 3, true }, { largestInput, true }, { largestInput + 1, false },
        { 4 * largestInput, false } };
    for (const auto& c : cases) {
        // A sparse file: its size costs no disk.
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_TRUE(written.resize(c.size));
        written.close();
        QFile file(path);
        QString problem;
        const auto content = readWholeFile(file, &problem);
        ASSERT_EQ(content.has_value(), c.whole) << c.size;
        if (content) {
            EXPECT_EQ(*content, QByteArray(c.size, '\0'));
        } else {
            EXPECT_EQ(problem, u"larger than 64 MiB"_s);
            EXPECT_EQ(file.pos(), largestInput + 1) << c.size;
        }
    }
}

TEST(FileReader, AnEndlessOrUnreadableInputIsRefusedWithItsReason)
{
    QTemporaryDir dir;
    struct Case {
        QString path;
        const char* problem;
    };
    std::vector<Case> cases { { dir.path(), "directory" },
        { dir.filePath(u"missing"_s), "No such file or directory" } };
    if (!endlessFile().isEmpty())
        cases.push_back({ endlessFile(), "larger than 64 MiB" });
    for (const auto& c : cases) {
        QFile file(c.path);
        QString problem;
        EXPECT_FALSE(readWholeFile(file, &problem)) << c.path.toStdString();
        EXPECT_THAT(problem.toStdString(), testing::HasSubstr(c.problem));
    }
}

} // namespace
