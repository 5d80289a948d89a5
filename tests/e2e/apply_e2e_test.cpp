// linknode apply end to end: a site file brought to simulated devices in waves, each change
// confirmed by discovery, a second run sending nothing, and the plans that cannot run refused
// before the first configuration leaves.
#include "tests/e2e/cli_site.h"
#include "tests/e2e/json_schema.h"

#include <QMap>
#include <algorithm>

using namespace linknode;

namespace {

class ApplyEndToEnd : public CliEndToEnd {
protected:
    // "" when the step's output is a result document that keeps to the published schema.
    QString schemaViolationOf(const char* step) const
    {
        const QJsonObject schema = publishedSchema("linknode-result.schema.json");
        return schema.isEmpty() ? QStringLiteral("no schema")
                                : schemaViolation(schema, jsonOf(step), QString::fromLatin1(step));
    }

    // The network configurations the simulator received, as "mac ip", in their order.
    QStringList configurations() const
    {
        QStringList taken;
        for (const QJsonObject& line : journal("network-config"))
            taken << line[QStringLiteral("mac")].toString() + u' '
                    + line[QStringLiteral("ip")].toString();
        return taken;
    }

    // site.json: `count` devices each at 192.168.2.N with its login (and a host address).
    QJsonArray writeSite(int count, bool withHost) const;
};

QString macOf(int device)
{
    return QStringLiteral("0-80-194-0-0-%1").arg(device);
}

QJsonArray ApplyEndToEnd::writeSite(int count, bool withHost) const
{
    QJsonArray devices;
    for (int i = 1; i <= count; ++i) {
        QJsonObject device { { QStringLiteral("mac"), macOf(i) },
            { QStringLiteral("ip"), QStringLiteral("192.168.2.%1").arg(i) },
            { QStringLiteral("login"), QStringLiteral("SITE%1").arg(i) } };
        if (withHost)
            device.insert(QStringLiteral("hostIp"), QStringLiteral("192.168.1.5"));
        devices.append(device);
    }
    write("site.json",
        QJsonDocument(
            QJsonObject { { QStringLiteral("format"), QStringLiteral("linknode-inventory") },
                { QStringLiteral("version"), 1 }, { QStringLiteral("devices"), devices } })
            .toJson());
    return devices;
}

TEST_F(ApplyEndToEnd, AFactoryFleetIsCommissionedOnceAndASecondRunSendsNothing)
{
    const int count = 50;
    const QJsonArray devices = writeSite(count, true);
    runSteps(QStringLiteral("run first apply \"$D/site.json\" --format json\n"
                            "grep -c network-config \"$D/journal.jsonl\" >\"$D/after-first\"\n"
                            "run second apply \"$D/site.json\" --format json\n"
                            "run found discover --format json"),
        synthetic(count, { QStringLiteral("--same-address"), QStringLiteral("192.168.1.100") }));

    const std::pair<const char*, const char*> runs[]
        = { { "first", "confirmed" }, { "second", "unchanged" } };
    for (const auto& [step, expected] : runs) {
        ASSERT_EQ(status(step), 0) << step << ": " << err(step);
        EXPECT_EQ(schemaViolationOf(step).toStdString(), "");
        const QJsonArray results = jsonOf(step)[QStringLiteral("devices")].toArray();
        EXPECT_EQ(results.size(), count) << step;
        for (const QJsonValue& device : results)
            EXPECT_EQ(device[QStringLiteral("status")].toString(), QLatin1String(expected))
                << step << ": " << device[QStringLiteral("mac")].toString().toStdString();
    }
    // What the first run counted is what the devices heard, and the second run adds nothing.
    const int heardAfterFirst = read(QStringLiteral("after-first")).trimmed().toInt();
    EXPECT_EQ(jsonOf("first")[QStringLiteral("datagrams")].toInt(), heardAfterFirst);
    EXPECT_EQ(jsonOf("second")[QStringLiteral("datagrams")].toInt(-1), 0);
    EXPECT_EQ(int(journal("network-config").size()), heardAfterFirst);

    QMap<QString, QJsonObject> written;
    for (const QJsonValue& device : devices)
        written[device[QStringLiteral("mac")].toString()] = device.toObject();
    const QJsonArray found = QJsonDocument::fromJson(out("found").toUtf8()).array();
    ASSERT_EQ(found.size(), count) << err("found");
    for (const QJsonValue& device : found) {
        const QJsonObject site = written.value(device[QStringLiteral("mac")].toString());
        EXPECT_EQ(device[QStringLiteral("ip")], site[QStringLiteral("ip")]);
        EXPECT_EQ(device[QStringLiteral("hostIp")], site[QStringLiteral("hostIp")]);
        // The login is the record's last field, behind the maker's prefix.
        EXPECT_TRUE(device[QStringLiteral("record")].toString().section(u',', -1).endsWith(
            site[QStringLiteral("login")].toString()))
            << device[QStringLiteral("record")].toString().toStdString();
    }
}

// Ctrl+C in the middle of a run: the round in flight goes out, every device is told as far as
// it came (exit 130), and a second run brings the site to its file.
TEST_F(ApplyEndToEnd, AnInterruptedRunTellsEveryDeviceAndASecondRunConverges)
{
    const int count = 20;
    writeSite(count, false);
    runSteps(QStringLiteral(
                 "\"$L\" apply \"$D/site.json\" --format json --rate 100 >\"$D/cut.out\" "
                 "2>\"$D/cut.err\" & cut=$!\n"
                 "for i in $(seq 100); do grep -q network-config \"$D/journal.jsonl\" && break; "
                 "sleep 0.1; done\n"
                 "kill -INT $cut; wait $cut; echo $? >\"$D/cut.status\"\n"
                 "run again apply \"$D/site.json\" --format json\n"
                 "run found discover --format json"),
        synthetic(count, { QStringLiteral("--same-address"), QStringLiteral("192.168.1.100") }));

    ASSERT_EQ(status("cut"), 130) << err("cut");
    EXPECT_EQ(schemaViolationOf("cut").toStdString(), "");
    const QJsonArray cut = jsonOf("cut")[QStringLiteral("devices")].toArray();
    EXPECT_EQ(cut.size(), count) << out("cut").toStdString();
    const QStringList told { QStringLiteral("confirmed"), QStringLiteral("sent"),
        QStringLiteral("not-tried") };
    for (const QJsonValue& device : cut)
        EXPECT_TRUE(told.contains(device[QStringLiteral("status")].toString()))
            << device[QStringLiteral("status")].toString().toStdString();
    EXPECT_THAT(err("cut"), testing::HasSubstr("interrupted"));

    EXPECT_EQ(status("again"), 0) << err("again");
    const QJsonArray found = QJsonDocument::fromJson(out("found").toUtf8()).array();
    ASSERT_EQ(found.size(), count) << err("found");
    for (const QJsonValue& device : found)
        EXPECT_TRUE(device[QStringLiteral("ip")].toString().startsWith(u"192.168.2."));
}

struct ApplyCase {
    const char* step;
    const char* site; // CSV rows; five synthetic devices at 10.213.0.11 to .15
    const char* options;
    int status;
    // Per device of the site, "status@wave" ("@wave" where it has one); "" for no devices.
    const char* outcome;
    QStringList faults = {};
};

// Configurations are sent exactly when some device got a wave and was not only planned.
bool sends(const QString& outcome)
{
    return outcome.contains(QStringLiteral("confirmed@"));
}

TEST_F(ApplyEndToEnd, EachSiteEndsAsPlannedAndRefusalsSendNothing)
{
    const char* chain = "0-80-194-0-0-1,10.213.0.12\n0-80-194-0-0-2,10.213.0.13\n"
                        "0-80-194-0-0-3,10.213.0.60\n";
    const char* exchange = "0-80-194-0-0-1,10.213.0.12\n0-80-194-0-0-2,10.213.0.11\n";
    const char* oneSilent = "0-80-194-0-0-1,10.213.0.31\n0-80-194-9-9-9,10.213.0.32\n";
    const ApplyCase cases[] = {
        { "check", chain, "--check", 0, "planned@3 planned@2 planned@1" },
        { "chain", chain, "", 0, "confirmed@3 confirmed@2 confirmed@1" },
        { "exchange", exchange, "", 2, "" },
        { "spare", exchange, "--spare 10.213.0.90", 0, "confirmed@3 confirmed@2" },
        // A spare is an address the parked device could hold: not the subnet's broadcast or
        // network address.
        { "spare-broadcast", exchange, "--spare 10.213.255.255", 2, "" },
        { "spare-network", exchange, "--spare 10.213.0.0", 2, "" },
        { "drops",
            "0-80-194-0-0-1,10.213.1.1\n0-80-194-0-0-2,10.213.1.2\n0-80-194-0-0-3,10.213.1.3\n"
            "0-80-194-0-0-4,10.213.1.4\n0-80-194-0-0-5,10.213.1.5\n",
            "", 0, "confirmed@1 confirmed@1 confirmed@1 confirmed@1 confirmed@1",
            { QStringLiteral("--drop"), QStringLiteral("0.2"), QStringLiteral("--seed"),
                QStringLiteral("4") } },
        { "silent", oneSilent, "", 3, "confirmed@1 not-confirmed" },
        { "strict", oneSilent, "--strict", 2, "" },
    };
    for (const ApplyCase& row : cases) {
        SCOPED_TRACE(row.step);
        const QString step = QString::fromLatin1(row.step);
        writeFile(dir.filePath(step + QStringLiteral(".csv")), QByteArray("mac,ip\n") + row.site);
        runSteps(QStringLiteral("run %1 apply \"$D/%1.csv\" %2 --format json")
                     .arg(step, QString::fromLatin1(row.options)),
            synthetic(5, row.faults));

        EXPECT_EQ(status(row.step), row.status) << err(row.step);
        EXPECT_EQ(schemaViolationOf(row.step).toStdString(), "");
        QStringList outcome;
        std::vector<std::pair<int, qsizetype>> waveAndTaken;
        const QStringList taken = configurations();
        for (const QJsonValue& device : jsonOf(row.step)[QStringLiteral("devices")].toArray()) {
            const int wave = device[QStringLiteral("wave")].toInt();
            outcome << device[QStringLiteral("status")].toString()
                    + (wave ? QStringLiteral("@%1").arg(wave) : QString());
            const QJsonArray changes = device[QStringLiteral("changes")].toArray();
            if (changes.isEmpty() || !sends(outcome.last()))
                continue;
            // The first configuration that carried the device's final address.
            const qsizetype at = taken.indexOf(device[QStringLiteral("mac")].toString() + u' '
                + changes[0][QStringLiteral("new")].toString());
            EXPECT_GE(at, 0) << outcome.last().toStdString();
            waveAndTaken.emplace_back(wave, at);
        }
        EXPECT_EQ(outcome.join(u' ').toStdString(), row.outcome);
        EXPECT_EQ(!taken.isEmpty(), sends(QString::fromLatin1(row.outcome))) << taken.size();
        // A wave's devices take their addresses only after every device of the wave before.
        std::sort(waveAndTaken.begin(), waveAndTaken.end());
        EXPECT_TRUE(std::is_sorted(waveAndTaken.begin(), waveAndTaken.end(),
            [](const auto& a, const auto& b) { return a.second < b.second; }))
            << taken.join(u'\n').toStdString();
    }
}

} // namespace
