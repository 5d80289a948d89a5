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
    // times larger; /dev/full takes nothing; a closed standard output takes nothing either
    // (the results do not land in whatever the tool opens next); head reads one line and goes
    // away.
    runSteps(QStringLiteral("export LC_ALL=C\n"
                            "mkdir \"$D/full\"\n"
                            "unshare -m sh -c 'mount -t tmpfs -o size=64k tmpfs \"$1\" || exit\n"
                            "  \"$2\" discover --format json >\"$1/list.json\" 2>\"$3/full.err\"\n"
                            "  echo $? >\"$3/full.status\"' sh \"$D/full\" \"$L\" \"$D\"\n"
                            "\"$L\" show 10.213.0.11 >/dev/full 2>\"$D/devfull.err\"\n"
                            "echo $? >\"$D/devfull.status\"\n"
                            "\"$L\" show 10.213.0.11 >&- 2>\"$D/closed.err\"\n"
                            "echo $? >\"$D/closed.status\"\n"
                            "{ \"$L\" discover 2>\"$D/pipe.err\"; echo $? >\"$D/pipe.status\"; }"
                            " | head -1 >\"$D/pipe.out\""),
        synthetic(1000));
    const char* noSpace = "linknode: cannot write the output: No space left on device\n";
    const Outcome outcomes[] = {
        { "full", 1, noSpace, 0 }, { "devfull", 1, noSpace, 0 },
        { "closed", 1, "linknode: cannot write the output: Bad file descriptor\n", 0 },
        { "pipe", 128 + 13, "", 1 }, // ended by SIGPIPE, as the shell reports it
    };
    for (const Outcome& outcome : outcomes) {
        EXPECT_EQ(status(outcome.step), outcome.status) << outcome.step;
        EXPECT_EQ(err(outcome.step), outcome.said) << outcome.step;
        EXPECT_EQ(out(outcome.step).count(u'\n'), outcome.lines) << outcome.step;
    }
    EXPECT_TRUE(out("pipe").startsWith(QStringLiteral("mac ")));
}

// A save while the devices are unplugged, onto something that is not an inventory, onto a
// full file system, or through another user's link in a shared folder, leaves what is there as
// it was.
TEST_F(CliEndToEnd, AnInventoryIsNeverReplacedByABadRun)
{
    runSteps(
        QStringLiteral(
            "echo kept >\"$D/site.json\"; cp \"$D/site.json\" \"$D/again.json\"\n"
            "mkfifo \"$D/fifo\"\n"
            "run empty inventory save \"$D/site.json\" --subnet 10.99.0.0/16\n"
            "run allowed inventory save \"$D/again.json\" --subnet 10.99.0.0/16 --allow-empty\n"
            "run fifo inventory save \"$D/fifo\"\n"
            "mkdir -m 1777 \"$D/shared\"; echo secret >\"$D/secret\"\n"
            "ln -s \"$D/secret\" \"$D/shared/site.json\"; chown -h 65534 \"$D/shared/site.json\"\n"
            "run planted inventory save \"$D/shared/site.json\"\n"
            "mkdir \"$D/dev\"\n"
            "unshare -m sh -c 'mount -t tmpfs tmpfs \"$1\" && mknod \"$1/node\" c 1 3 || exit\n"
            "  \"$2\" inventory save \"$1/node\" >\"$3/node.out\" 2>\"$3/node.err\"\n"
            "  echo $? >\"$3/node.status\"; test -c \"$1/node\" && echo device >\"$3/kind\"\n"
            "  mkdir \"$1/full\" && mount -t tmpfs -o size=16k tmpfs \"$1/full\" || exit\n"
            "  echo kept >\"$1/full/site.json\"\n"
            "  dd if=/dev/zero of=\"$1/full/filler\" bs=1k count=64 2>/dev/null\n"
            "  \"$2\" inventory save \"$1/full/site.json\" 2>\"$3/full.err\"\n"
            "  echo $? >\"$3/full.status\"; cat \"$1/full/site.json\" >\"$3/full.json\"'"
            " sh \"$D/dev\" \"$L\" \"$D\""),
        allModels);
    const std::pair<const char*, int> statuses[] = { { "empty", 1 }, { "allowed", 0 },
        { "fifo", 1 }, { "node", 1 }, { "full", 1 }, { "planted", 1 } };
    for (const auto& [step, expected] : statuses)
        EXPECT_EQ(status(step), expected) << step << ": " << err(step);
    EXPECT_THAT(err("empty"), testing::HasSubstr("--allow-empty"));
    EXPECT_EQ(read(QStringLiteral("site.json")), QByteArray("kept\n"));
    EXPECT_TRUE(read(QStringLiteral("again.json")).contains("\"devices\": [\n    ]"));
    EXPECT_THAT(err("node"), testing::HasSubstr("not a regular file"));
    EXPECT_THAT(err("planted"), testing::HasSubstr("another user's link in a shared folder"));
    EXPECT_EQ(read(QStringLiteral("secret")), QByteArray("secret\n"));
    EXPECT_EQ(read(QStringLiteral("kind")), QByteArray("device\n"));
    EXPECT_THAT(err("full"), testing::HasSubstr("not written"));
    EXPECT_EQ(read(QStringLiteral("full.json")), QByteArray("kept\n"));
}

} // namespace
