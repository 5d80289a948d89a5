// The command line tool's results either reach standard output whole or the run fails: a full
// disk is an error naming the reason, a reader that stops early ends the tool quietly.
#include "tests/e2e/cli_site.h"

using namespace linknode;

namespace {

struct Outcome {
    const char* step;
    int status;
    const char* said; // on standard error; "" for nothing at all
    qsizetype lines; // of standard output that the step keeps
};

TEST_F(CliEndToEnd, OutputThatCannotBeWrittenFailsAndAClosedPipeEndsQuietly)
{
    // A 64 KiB file system in a private mount namespace takes the first part of a list many
    // times larger; /dev/full takes nothing; head reads one line and goes away.
    runSteps(QStringLiteral("export LC_ALL=C\n"
                            "mkdir \"$D/full\"\n"
                            "unshare -m sh -c 'mount -t tmpfs -o size=64k tmpfs \"$1\" || exit\n"
                            "  \"$2\" discover --format json >\"$1/list.json\" 2>\"$3/full.err\"\n"
                            "  echo $? >\"$3/full.status\"' sh \"$D/full\" \"$L\" \"$D\"\n"
                            "\"$L\" show 10.213.0.11 >/dev/full 2>\"$D/devfull.err\"\n"
                            "echo $? >\"$D/devfull.status\"\n"
                            "{ \"$L\" discover 2>\"$D/pipe.err\"; echo $? >\"$D/pipe.status\"; }"
                            " | head -1 >\"$D/pipe.out\""),
        { QStringLiteral("--preset"), QStringLiteral("synthetic"), QStringLiteral("--count"),
            QStringLiteral("1000") });
    const char* noSpace = "linknode: cannot write the output: No space left on device\n";
    const Outcome outcomes[] = {
        { "full", 1, noSpace, 0 }, { "devfull", 1, noSpace, 0 },
        { "pipe", 128 + 13, "", 1 }, // ended by SIGPIPE, as the shell reports it
    };
    for (const Outcome& outcome : outcomes) {
        EXPECT_EQ(status(outcome.step), outcome.status) << outcome.step;
        EXPECT_EQ(err(outcome.step), outcome.said) << outcome.step;
        EXPECT_EQ(out(outcome.step).count(u'\n'), outcome.lines) << outcome.step;
    }
    EXPECT_TRUE(out("pipe").startsWith(QStringLiteral("mac ")));
}

} // namespace
