// The real window in a private network namespace without devices: what it sends first, and
// how a run that cannot go on ends.
#include "tests/e2e/simulated_site.h"

#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <algorithm>
#include <gmock/gmock.h>

using namespace linknode;

namespace {

using ToolAlone = SiteTest;

// Help and version answer without a display and without opening any socket.
TEST(ToolWithoutDisplay, AnswersHelpAndVersion)
{
    for (const char* option : { "--version", "--help" }) {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral(LINKNODE_TOOL), { QString::fromLatin1(option) });
        ASSERT_TRUE(tool.waitForFinished(10000)) << option;
        EXPECT_EQ(tool.exitCode(), 0) << option << tool.readAllStandardError().constData();
        const QByteArray out = tool.readAllStandardOutput();
        EXPECT_TRUE(out.contains("LINKNODE TOOL 1.3\n") || out.contains("--automation")) << option;
    }
}

// Root forces the posix socket's buffer past the system's cap; Qt's socket can only ask, and
// the system grants at most twice net.core.rmem_max.
qint64 grantedReceiveBuffer(qint64 asked)
{
#ifdef LINKNODE_QT_SOCKET
    QFile cap(QStringLiteral("/proc/sys/net/core/rmem_max"));
    if (cap.open(QIODevice::ReadOnly))
        return std::min(asked, 2 * cap.readAll().trimmed().toLongLong());
#endif
    return asked;
}

// One enquiry on the wire, through the only adapter, and the help shown when no device
// answers; root gets the large buffer that keeps thousands of replies while the window is busy.
TEST_F(ToolAlone, StartsWithOneEnquiryThroughTheOnlyAdapter)
{
    const QString script
        = site.write("start.txt", "waitfor B_ASK_CFG visible 10\n" + site.dumpStep("dump.json"));
    const RunResult run = runInPrivateNetwork(
        QStringLiteral("exec \"$1\" --automation \"$2\" --traffic-log \"$3\""),
        { QStringLiteral(LINKNODE_TOOL), script, site.path(QStringLiteral("traffic.jsonl")) });
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.standardError.constData();

    const QJsonObject dump = site.dump("dump.json");
    EXPECT_TRUE(SimulatedSite::control(dump, "AFF_NO_DEV").value(QStringLiteral("shown")).toBool());
    EXPECT_TRUE(dump.value(QStringLiteral("messages")).toArray().isEmpty());
    EXPECT_GE(
        SimulatedSite::control(dump, "TCP_RX").value(QStringLiteral("receiveBuffer")).toInteger(),
        grantedReceiveBuffer(16 * 1024 * 1024));

    const auto traffic = jsonLines(site.path(QStringLiteral("traffic.jsonl")));
    ASSERT_EQ(traffic.size(), 1u);
    const std::pair<const char*, const char*> sent[] = { { "dir", "out" },
        { "peer", "255.255.255.255:1024" }, { "interface", "veth0" },
        { "hex", "feff01ff01302e302e302e300d302e302e302e300d302e302e302e300dfd000000000000" } };
    for (const auto& [key, value] : sent)
        EXPECT_EQ(traffic[0].value(QLatin1String(key)).toString(), QLatin1String(value)) << key;
}

// The receive port held by a first window, then a step naming no control.
TEST_F(ToolAlone, ARunThatCannotGoOnEndsWithItsStatusAndReason)
{
    site.write("hold.txt", "wait 20\nquit\n");
    site.write("none.txt", "quit\n");
    site.write("bad.txt", "wait 0.1\nclick NO_SUCH_CONTROL\n");
    const RunResult run = runInPrivateNetwork(
        QStringLiteral("cd \"$2\"; \"$1\" --automation hold.txt 2>/dev/null & first=$!\n"
                       "sleep 2\n"
                       "\"$1\" --automation none.txt 2>taken.err; echo $? >taken.status\n"
                       "kill $first; wait $first\n"
                       "\"$1\" --automation bad.txt 2>bad.err; echo $? >bad.status"),
        { QStringLiteral(LINKNODE_TOOL), site.path(QString()) });
    ASSERT_TRUE(run.finished);
    const struct {
        const char* run;
        int status;
        const char* said;
    } ends[] = { { "taken", 1, "ERROR: SWITCH THE LIBRARY IN CONFIG MODE !" },
        { "bad", 2, "NO_SUCH_CONTROL" } };
    for (const auto& end : ends) {
        const QString name = QString::fromLatin1(end.run);
        EXPECT_EQ(
            fileText(site.path(name + QStringLiteral(".status"))).trimmed().toInt(), end.status)
            << end.run;
        EXPECT_THAT(fileText(site.path(name + QStringLiteral(".err"))).toStdString(),
            testing::HasSubstr(end.said));
    }
}

} // namespace
