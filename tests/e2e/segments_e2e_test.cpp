// Devices behind two network adapters: the window's broadcasts leave once through each
// adapter, and the devices of both segments are found.
#include "tests/e2e/simulated_site.h"
#include "tests/e2e/two_segments.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <unistd.h>

using namespace linknode;

namespace {

class SegmentsEndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        const QString reason = privateNetworkUnavailable();
        if (!reason.isEmpty())
            GTEST_SKIP() << qPrintable(reason);
        if (geteuid() != 0)
            GTEST_SKIP() << "joining namespaces (nsenter) needs root";
    }

    QString fleet(int segment)
    {
        const QString path = dir.filePath(QStringLiteral("fleet%1.json").arg(segment));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral(R"({"devices": [
            {"mac": "0-80-194-%1-0-1", "ip": "10.%1.0.11", "mask": "255.255.255.0",
             "gateway": "10.%1.0.1", "mode": "1", "hostIp": "10.%1.0.1", "hostPort": "23"},
            {"mac": "0-80-194-%1-0-2", "ip": "10.%1.0.12", "mask": "255.255.255.0",
             "gateway": "10.%1.0.1", "mode": "1", "hostIp": "10.%1.0.1", "hostPort": "23"}]})")
                       .arg(segment)
                       .toUtf8());
        return path;
    }

    std::vector<QJsonObject> traffic() const
    {
        std::vector<QJsonObject> lines;
        QFile file(dir.filePath(QStringLiteral("traffic.jsonl")));
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray& line : file.readAll().split('\n'))
                if (!line.isEmpty())
                    lines.push_back(QJsonDocument::fromJson(line).object());
        return lines;
    }

    QTemporaryDir dir;
};

TEST_F(SegmentsEndToEnd, TheWindowFindsTheDevicesOfBothSegments)
{
    const QString dump = dir.filePath(QStringLiteral("dump.json"));
    QFile script(dir.filePath(QStringLiteral("script.txt")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("waitfor B_ASK_CFG visible 20\ndump " + dump.toUtf8() + "\nquit\n");
    script.close();

    const RunResult run = runInPrivateNetwork(twoSegmentFunctions + QStringLiteral(R"(
sim=$1; tool=$2; dir=$3
segment 1 "$sim" "$4" "$dir/journal1" && segment 2 "$sim" "$5" "$dir/journal2" || exit 98
sleep 0.5
"$tool" --automation "$dir/script.txt" --traffic-log "$dir/traffic.jsonl"; status=$?
stop_segments "$dir/journal1.pid" "$dir/journal2.pid"
exit $status)"),
        { QStringLiteral(LINKNODE_SIM), QStringLiteral(LINKNODE_TOOL), dir.path(), fleet(1),
            fleet(2) },
        60000);
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.standardError.constData();

    QStringList macs;
    const QJsonObject state = [&] {
        QFile file(dump);
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()
                                              : QJsonObject();
    }();
    for (const QJsonValue& line : SimulatedSite::control(state, QStringLiteral("LST_KRT"))
                                      .value(QStringLiteral("items"))
                                      .toArray())
        macs << line.toString().section(u',', 0, 0).trimmed();
    macs.sort();
    EXPECT_EQ(macs.join(u' '),
        QStringLiteral("0-80-194-1-0-1 0-80-194-1-0-2 0-80-194-2-0-1 0-80-194-2-0-2"));

    // The start-up enquiry: one copy through each adapter, the default route's among them.
    QStringList enquiries;
    for (const QJsonObject& line : traffic()) {
        if (line.value(QStringLiteral("dir")).toString() == QLatin1String("out"))
            enquiries << line.value(QStringLiteral("interface")).toString();
    }
    enquiries.sort();
    EXPECT_EQ(enquiries.join(u' '), QStringLiteral("seg1 seg2 veth0"));
    for (const QJsonObject& line : traffic()) {
        if (line.value(QStringLiteral("dir")).toString() == QLatin1String("in")) {
            EXPECT_TRUE(line.value(QStringLiteral("interface")).toString().startsWith(u"seg"));
        }
    }
}

TEST_F(SegmentsEndToEnd, TheCommandLineFindsBothSegmentsAndChangesADeviceOnTheSecond)
{
    const RunResult run = runInPrivateNetwork(twoSegmentFunctions + QStringLiteral(R"(
sim=$1; cli=$2; dir=$3
segment 1 "$sim" "$4" "$dir/journal1" && segment 2 "$sim" "$5" "$dir/journal2" || exit 98
sleep 0.5
"$cli" discover --format csv > "$dir/discover.csv"; found=$?
"$cli" set 0-80-194-2-0-2 --host-port 4000; changed=$?
stop_segments "$dir/journal1.pid" "$dir/journal2.pid"
echo "$found $changed" > "$dir/status"
exit 0)"),
        { QStringLiteral(LINKNODE_SIM), QStringLiteral(LINKNODE_CLI), dir.path(), fleet(1),
            fleet(2) },
        90000);
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.standardError.constData();
    QFile status(dir.filePath(QStringLiteral("status")));
    ASSERT_TRUE(status.open(QIODevice::ReadOnly));
    EXPECT_EQ(status.readAll().trimmed(), "0 0") << run.standardError.constData();

    QFile csv(dir.filePath(QStringLiteral("discover.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = csv.readAll().trimmed().split('\n');
    ASSERT_EQ(rows.size(), 5) << "a header and four devices";
    const QList<QByteArray> header = rows[0].trimmed().split(',');
    const qsizetype mac = header.indexOf("mac");
    const qsizetype interface = header.indexOf("interface");
    ASSERT_GE(mac, 0);
    ASSERT_GE(interface, 0);
    QStringList seen;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QList<QByteArray> fields = rows[i].trimmed().split(',');
        seen << QString::fromLatin1(fields.value(mac) + ' ' + fields.value(interface));
    }
    seen.sort();
    EXPECT_EQ(seen.join(u','),
        QStringLiteral("0-80-194-1-0-1 seg1,0-80-194-1-0-2 seg1,0-80-194-2-0-1 seg2,"
                       "0-80-194-2-0-2 seg2"));
}

TEST_F(SegmentsEndToEnd, OneAdapterGetsExactlyOneCopy)
{
    QFile script(dir.filePath(QStringLiteral("script.txt")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("waitfor B_ASK_CFG visible 20\nquit\n");
    script.close();
    const RunResult run = runInPrivateNetwork(
        QStringLiteral("\"$1\" --automation \"$2/script.txt\" --traffic-log \"$2/traffic.jsonl\""),
        { QStringLiteral(LINKNODE_TOOL), dir.path() });
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.standardError.constData();
    const auto lines = traffic();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].value(QStringLiteral("interface")).toString(), QStringLiteral("veth0"));
}

} // namespace
