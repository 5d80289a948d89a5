// Devices behind two network adapters: the window's broadcasts leave once through each
// adapter, and the devices of both segments are found.
#include "tests/e2e/simulated_site.h"
#include "tests/e2e/two_segments.h"

#include <gmock/gmock.h>
#include <unistd.h>

using namespace linknode;

namespace {

using SegmentsEndToEnd = SiteTest;

TEST_F(SegmentsEndToEnd, TheWindowFindsTheDevicesOfBothSegments)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "joining namespaces (nsenter) needs root";
    site.write(
        "script.txt", "waitfor B_ASK_CFG visible 20\n" + site.dumpStep("dump.json") + "quit\n");
    const RunResult run = runInPrivateNetwork(twoSegmentFunctions + QStringLiteral(R"(
sim=$1; tool=$2; dir=$3
segment 1 "$sim" "$4" "$dir/journal1" && segment 2 "$sim" "$5" "$dir/journal2" || exit 98
sleep 0.5
"$tool" --automation "$dir/script.txt" --traffic-log "$dir/traffic.jsonl"; status=$?
stop_segments "$dir/journal1.pid" "$dir/journal2.pid"
exit $status)"),
        { QStringLiteral(LINKNODE_SIM), QStringLiteral(LINKNODE_TOOL), site.path(QString()),
            site.write("fleet1.json", segmentFleet(1)),
            site.write("fleet2.json", segmentFleet(2)) });
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.standardError.constData();

    QStringList macs = SimulatedSite::macs(site.dump("dump.json"));
    macs.sort();
    EXPECT_EQ(macs.join(u' '),
        QStringLiteral("0-80-194-1-0-1 0-80-194-1-0-2 0-80-194-2-0-1 0-80-194-2-0-2"));

    // The start-up enquiry: one copy through each adapter, the default route's among them;
    // the replies come in through the segments.
    QStringList enquiries;
    for (const QJsonObject& line : jsonLines(site.path(QStringLiteral("traffic.jsonl")))) {
        const QString interface = line.value(QStringLiteral("interface")).toString();
        if (line.value(QStringLiteral("dir")).toString() == QLatin1String("out"))
            enquiries << interface;
        else
            EXPECT_TRUE(interface.startsWith(u"seg")) << interface.toStdString();
    }
    enquiries.sort();
    EXPECT_EQ(enquiries.join(u' '), QStringLiteral("seg1 seg2 veth0"));
}

} // namespace
