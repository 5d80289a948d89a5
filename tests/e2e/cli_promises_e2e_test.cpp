// What linknode promises to scripts, end to end: JSON that keeps to the published schemas,
// sends the system refuses named as failures, a watch that reports what changes, and devices
// behind two adapters reached through their own.
#include "tests/e2e/cli_site.h"
#include "tests/e2e/json_schema.h"
#include "tests/e2e/two_segments.h"

#include <QProcess>
#include <unistd.h>

using namespace linknode;
using testing::HasSubstr;

namespace {

class CliPromises : public CliEndToEnd {
protected:
    // Runs `steps` (with run NAME ARGS) in a namespace where only loopback is up: no route
    // leads anywhere, so every send to a device or a broadcast is refused by the system.
    void runOnLoopbackOnly(const QString& steps)
    {
        QProcess process;
        process.start(QStringLiteral("unshare"),
            { QStringLiteral("-n"), QStringLiteral("sh"), QStringLiteral("-c"),
                QStringLiteral("ip link set lo up || exit 97\nL=\"$1\"; D=\"$2\"\n"
                               "run() { name=$1; shift; \"$L\" \"$@\" >\"$D/$name.out\" "
                               "2>\"$D/$name.err\"; echo $? >\"$D/$name.status\"; }\n")
                    + steps,
                QStringLiteral("sh"), QStringLiteral(LINKNODE_CLI), dir.path() });
        ASSERT_TRUE(process.waitForFinished(60000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    }
};

enum class Shape { Devices, Device, Result };

struct JsonStep {
    const char* step;
    const char* arguments;
    int status;
    Shape shape;
    const char* before = ""; // a shell line the step needs first
};

TEST_F(CliPromises, EveryVerbsJsonKeepsToItsSchema)
{
    const JsonStep steps[] = {
        { "discover", "discover --wait 0.5", 0, Shape::Devices },
        { "show", "show 10.213.0.11", 0, Shape::Device },
        { "save", "inventory save \"$D/site.json\"", 0, Shape::Result },
        { "set", "set 0-80-194-10-0-11 --host-port 4000", 0, Shape::Result },
        { "diff", "inventory diff \"$D/site.json\"", 1, Shape::Result },
        { "nothing", "set 0-80-194-10-0-12", 2, Shape::Result },
        { "plan", "readdress \"$D/plan.csv\"", 0, Shape::Result,
            "run order readdress \"$D/plan.csv\"" },
        { "apply", "readdress \"$D/plan.csv\" --apply", 0, Shape::Result },
        // The inventory as if the device at .13 had replaced one that no longer answers.
        { "replace", "replace 0-80-194-1-2-3 0-80-194-10-0-13 --inventory \"$D/old.json\"", 0,
            Shape::Result,
            "sed 's/0-80-194-10-0-13\\([\",]\\)/0-80-194-1-2-3\\1/g' \"$D/site.json\" "
            ">\"$D/old.json\"" },
        { "locate", "locate --seconds 0.2 --beep", 0, Shape::Result },
        { "reset", "reset 0-80-194-10-0-22", 0, Shape::Result },
    };
    write("plan.csv", "0-80-194-10-0-12,10.213.0.112\n");
    QString shell;
    for (const JsonStep& step : steps)
        shell += QStringLiteral("%1\nrun %2 %3 --format json\n")
                     .arg(QString::fromUtf8(step.before), QString::fromLatin1(step.step),
                         QString::fromUtf8(step.arguments));
    runSteps(shell, allModels);

    const QJsonObject result = publishedSchema("linknode-result.schema.json");
    const QJsonObject device = publishedSchema("linknode-device.schema.json");
    ASSERT_FALSE(result.isEmpty());
    ASSERT_FALSE(device.isEmpty());
    const QJsonObject devices { { QStringLiteral("type"), QStringLiteral("array") },
        { QStringLiteral("items"), device } };
    // show writes every property, the serial settings, Wiegand format and login too; the MQTT
    // settings only for the gateway (the MQTT end-to-end test shows one).
    QJsonObject shown = device;
    QStringList every = device.value(QStringLiteral("properties")).toObject().keys();
    every.removeOne(QStringLiteral("mqtt"));
    shown.insert(QStringLiteral("required"), QJsonArray::fromStringList(every));

    for (const JsonStep& step : steps) {
        EXPECT_EQ(status(step.step), step.status) << step.step << ": " << err(step.step);
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(out(step.step).toUtf8(), &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << step.step;
        const QJsonValue value
            = document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
        const QJsonObject& schema = step.shape == Shape::Devices ? devices
            : step.shape == Shape::Device                        ? shown
                                                                 : result;
        EXPECT_EQ(schemaViolation(schema, value, QString::fromLatin1(step.step)).toStdString(), "");
        if (step.shape != Shape::Result)
            continue;
        EXPECT_EQ(value[QStringLiteral("exitStatus")].toInt(), step.status) << step.step;
        EXPECT_TRUE(QString::fromUtf8(step.arguments)
                        .startsWith(value[QStringLiteral("verb")].toString() + u' '))
            << step.step;
    }
    EXPECT_THAT(jsonOf("nothing")[QStringLiteral("error")].toString().toStdString(),
        HasSubstr("nothing to change"));

    // What the verbs did: the diff names the set's change, the plan (as a table too) moved its
    // device, the reset and the beep (with the count of the discovery made first) arrived.
    const QJsonArray changed = jsonOf("diff")[QStringLiteral("devices")].toArray();
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][QStringLiteral("changes")].toArray(),
        (QJsonArray { QJsonObject { { QStringLiteral("field"), QStringLiteral("hostPort") },
            { QStringLiteral("old"), QStringLiteral("2101") },
            { QStringLiteral("new"), QStringLiteral("4000") } } }));
    EXPECT_EQ(out("order").toStdString(), "0-80-194-10-0-12  10.213.0.12 -> 10.213.0.112\n");
    EXPECT_THAT(err("apply"), HasSubstr("changed 1, unchanged 0, not confirmed 0, not tried 0"));
    const auto resets = journal("reset");
    ASSERT_EQ(resets.size(), 1u);
    EXPECT_EQ(resets[0][QStringLiteral("devices")].toArray(),
        QJsonArray { QStringLiteral("0-80-194-10-0-22") });
    const auto frames = journal("terminal-frame");
    ASSERT_FALSE(frames.empty());
    EXPECT_THAT(frames[0][QStringLiteral("hex")].toString().toStdString(),
        HasSubstr("02070707c73336303230"));
}

TEST_F(CliPromises, ASendTheSystemRefusesFailsNamingItsReason)
{
    const char* const runs[][2] = {
        { "discover", "discover" },
        { "reset", "reset 10.213.0.5" },
        { "locate", "locate --seconds 0.2" },
    };
    QString steps;
    for (const auto& [step, arguments] : runs)
        steps += QStringLiteral("run %1 %2\n")
                     .arg(QString::fromLatin1(step), QString::fromLatin1(arguments));
    runOnLoopbackOnly(steps);
    for (const auto& [step, arguments] : runs) {
        EXPECT_EQ(status(step), 1) << step;
        EXPECT_THAT(err(step), HasSubstr("unreachable")) << step;
    }
}

TEST_F(CliPromises, AWatchReportsADeviceNewThenChangedThenMissing)
{
    const char* device = R"({"devices": [{"mac": "0-80-194-3-3-3", "ip": "10.213.0.33",
        "mask": "255.255.255.0", "version": "COPYRIGHT+TAVREN KRT 2.4F", "mode": "1",
        "hostIp": "10.213.0.1", "hostPort": "%1"}]})";
    const QString before = write("before.json", QString::fromLatin1(device).arg(23).toUtf8());
    write("after.json", QString::fromLatin1(device).arg(4023).toUtf8());
    // The simulator comes back with another host port, then stops for good.
    runSteps(
        QStringLiteral("\"$L\" discover --watch --every 1 >\"$D/watch.out\" 2>\"$D/watch.err\" &"
                       " watch=$!\n"
                       "sleep 1.5; kill $simulator; wait $simulator\n"
                       "\"$sim\" --fleet \"$D/after.json\" 2>/dev/null & simulator=$!\n"
                       "sleep 2; kill $simulator; wait $simulator\n"
                       "sleep 5; kill -INT $watch; wait $watch; echo $? >\"$D/watch.status\""),
        { QStringLiteral("--fleet"), before });

    EXPECT_EQ(status("watch"), 0) << err("watch");
    QStringList events;
    for (const QString& line : out("watch").split(u'\n', Qt::SkipEmptyParts)) {
        const QJsonObject event = QJsonDocument::fromJson(line.toUtf8()).object();
        EXPECT_EQ(event[QStringLiteral("mac")].toString(), QStringLiteral("0-80-194-3-3-3"));
        events << event[QStringLiteral("event")].toString();
        if (events.last() == u"changed") {
            EXPECT_TRUE(event[QStringLiteral("changes")].toArray().contains(
                QJsonObject { { QStringLiteral("field"), QStringLiteral("hostPort") },
                    { QStringLiteral("old"), QStringLiteral("23") },
                    { QStringLiteral("new"), QStringLiteral("4023") } }))
                << line.toStdString();
        }
    }
    EXPECT_EQ(events,
        (QStringList {
            QStringLiteral("new"), QStringLiteral("changed"), QStringLiteral("missing") }));
}

// Devices behind two adapters are listed with the adapter they answer on, and reached
// through it: a set on the second segment, and a reset of a device whose address is in no
// subnet of this PC, where only the adapter its replies came in on leads to it.
TEST_F(CliPromises, DevicesBehindTwoAdaptersAreReachedThroughTheirOwn)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "joining namespaces (nsenter) needs root";
    const QByteArray offSubnet = R"(,{"mac": "0-80-194-2-0-5", "ip": "10.99.0.5",
        "mask": "255.255.255.0", "gateway": "10.99.0.1", "version": "COPYRIGHT+TAVREN KRT 2.4F"})";
    const RunResult run = runInPrivateNetwork(twoSegmentFunctions + QStringLiteral(R"(
sim=$1; L=$2; D=$3
segment 1 "$sim" "$4" "$D/journal1" && segment 2 "$sim" "$5" "$D/journal.jsonl" || exit 98
sleep 0.5
run() { name=$1; shift; "$L" "$@" >"$D/$name.out" 2>"$D/$name.err"; echo $? >"$D/$name.status"; }
run discover discover --format csv --fields mac,interface
run set set 0-80-194-2-0-2 --host-port 4000
run reset reset 0-80-194-2-0-5
sleep 0.3
stop_segments "$D/journal1.pid" "$D/journal.jsonl.pid")"),
        { QStringLiteral(LINKNODE_SIM), QStringLiteral(LINKNODE_CLI), dir.path(),
            write("fleet1.json", segmentFleet(1)),
            write("fleet2.json", segmentFleet(2, offSubnet)) },
        90000);
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.standardError.constData();
    for (const char* step : { "discover", "set", "reset" })
        EXPECT_EQ(status(step), 0) << step << ": " << err(step);
    QStringList rows = out("discover").remove(u'\r').split(u'\n', Qt::SkipEmptyParts);
    rows.sort();
    EXPECT_EQ(rows.join(u' '),
        QStringLiteral("0-80-194-1-0-1,seg1 0-80-194-1-0-2,seg1 0-80-194-2-0-1,seg2 "
                       "0-80-194-2-0-2,seg2 0-80-194-2-0-5,seg2 mac,interface"));
    const auto resets = journal("reset");
    ASSERT_EQ(resets.size(), 1u);
    EXPECT_EQ(resets[0][QStringLiteral("devices")].toArray(),
        QJsonArray { QStringLiteral("0-80-194-2-0-5") });
}

} // namespace
