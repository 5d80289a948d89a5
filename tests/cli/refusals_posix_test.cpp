// An endless input, named or on standard input, where the system has one to give (/dev/zero).
#include "tests/cli/refusals_fixture.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <unistd.h>

using namespace linknode;
using namespace Qt::StringLiterals;
using testing::HasSubstr;

namespace {

class RefusalsPosix : public Refusals { };

// Named or on standard input, an endless input is read no further than one byte past 64 MiB.
TEST_F(RefusalsPosix, AnInputLargerThan64MiBIsRefusedBeforeTheNetworkOpens)
{
    const int zero = open("/dev/zero", O_RDONLY);
    const int saved = dup(STDIN_FILENO);
    ASSERT_EQ(dup2(zero, STDIN_FILENO), STDIN_FILENO);
    const QStringList runs[] = { { u"apply"_s, u"/dev/zero"_s }, { u"apply"_s, u"-"_s },
        { u"readdress"_s, u"-"_s }, { u"inventory"_s, u"diff"_s, u"/dev/zero"_s },
        { u"replace"_s, u"0-80-194-1-2-3"_s, u"0-80-194-1-2-4"_s, u"--inventory"_s, u"-"_s } };
    for (const QStringList& arguments : runs) {
        console.errors.clear();
        EXPECT_EQ(run(arguments), ExitUsage) << arguments.join(u' ').toStdString();
        EXPECT_THAT(console.errors.toStdString(),
            HasSubstr(arguments.last().toStdString() + ": larger than 64 MiB"));
    }
    dup2(saved, STDIN_FILENO);
    close(saved);
    close(zero);
    EXPECT_EQ(opened, 0);
}

} // namespace
