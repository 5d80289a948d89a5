// What the tool reads from a device it writes back exactly, end to end: an inventory of every
// model put back sends nothing, puts back two devices changed since exactly, and hands a
// replacement every saved value in the spellings the devices report.
#include "tests/e2e/cli_site.h"

using namespace linknode;
using testing::HasSubstr;

namespace {

using RoundTripEndToEnd = CliEndToEnd;

TEST_F(RoundTripEndToEnd, AnInventoryOfEveryModelPutsTheSiteBackExactly)
{
    // .12 is a server with options 0800, .21 a clock whose host port is the time zone 00002.
    runSteps(QStringLiteral("run save inventory save \"$D/site.json\"\n"
                            "run same apply \"$D/site.json\" --format json\n"
                            "grep -c network-config \"$D/journal.jsonl\" >\"$D/untouched\"\n"
                            "run one set 0-80-194-10-0-12 --ip 10.213.0.99 --options 0000 "
                            "--host-port 2222\n"
                            "run two set 0-80-194-10-0-21 --options 2000 --host-port 00103\n"
                            "run back apply \"$D/site.json\" --format json\n"
                            "run diff inventory diff \"$D/site.json\""),
        { QStringLiteral("--preset"), QStringLiteral("all-models") });
    ASSERT_EQ(status("save"), 0) << err("save");
    ASSERT_EQ(status("same"), 0) << err("same");
    EXPECT_EQ(jsonOf("same")[QStringLiteral("datagrams")].toInt(-1), 0);
    for (const QJsonValue& device : jsonOf("same")[QStringLiteral("devices")].toArray())
        EXPECT_EQ(device[QStringLiteral("status")].toString(), QStringLiteral("unchanged"))
            << device[QStringLiteral("mac")].toString().toStdString();
    EXPECT_EQ(read(QStringLiteral("untouched")).trimmed(), "0");

    ASSERT_EQ(status("one"), 0) << err("one");
    ASSERT_EQ(status("two"), 0) << err("two");
    ASSERT_EQ(status("back"), 0) << err("back");
    QStringList confirmed;
    for (const QJsonValue& device : jsonOf("back")[QStringLiteral("devices")].toArray())
        if (device[QStringLiteral("status")].toString() == QLatin1String("confirmed"))
            confirmed << device[QStringLiteral("mac")].toString();
    EXPECT_EQ(confirmed,
        (QStringList { QStringLiteral("0-80-194-10-0-12"), QStringLiteral("0-80-194-10-0-21") }));
    EXPECT_EQ(status("diff"), 0) << out("diff").toStdString() << err("diff");
}

TEST_F(RoundTripEndToEnd, AReplacementOfAServerTakesEveryValueInItsSpelling)
{
    // A server with option characters of its own and a 10Base-T port, replaced by a client
    // fresh from the factory.
    const QByteArray old = "0-80-194-1-2-3,10.213.0.41,255.255.255.0,10.213.0.1,9600,0,0,"
                           "COPYRIGHT*TAVREN PELIX 2.2F,0,10.213.0.7,2101V,0800,5,16,10,TavAB";
    write("saved.json",
        QJsonDocument(
            QJsonObject { { QStringLiteral("format"), QStringLiteral("linknode-inventory") },
                { QStringLiteral("version"), 1 },
                { QStringLiteral("devices"),
                    QJsonArray {
                        QJsonObject { { QStringLiteral("mac"), QStringLiteral("0-80-194-1-2-3") },
                            { QStringLiteral("record"), QString::fromLatin1(old) } } } } })
            .toJson());
    const QString fresh = write("fresh.json",
        R"({"devices": [{"mac": "0-80-194-7-7-7", "ip": "10.213.0.50", "mask": "255.255.0.0",
        "gateway": "0.0.0.0", "bauds": "9600", "parity": "0", "databits": "0",
        "version": "COPYRIGHT*TAVREN PELIX 2.2F", "mode": "1", "hostIp": "0.0.0.0",
        "hostPort": "23", "options": "0000", "wiegand": ["1", "1", "1"],
        "login": "TavFACTORY"}]})");
    runSteps(QStringLiteral("run replace replace 0-80-194-1-2-3 0-80-194-7-7-7 --inventory "
                            "\"$D/saved.json\" --format json\n"
                            "run show show 0-80-194-7-7-7 --format json"),
        { QStringLiteral("--fleet"), fresh });
    ASSERT_EQ(status("replace"), 0) << err("replace");
    ASSERT_EQ(status("show"), 0) << err("show");
    const QJsonObject device = jsonOf("show");
    const std::pair<const char*, const char*> expected[] = { { "ip", "10.213.0.41" },
        { "mode", "server" }, { "hostIp", "10.213.0.7" }, { "hostPort", "2101V" },
        { "options", "0800" }, { "wiegand", "^6^^5^^16^^10^" }, { "login", "AB" } };
    for (const auto& [field, value] : expected)
        EXPECT_EQ(device[QString::fromLatin1(field)].toString(), QString::fromLatin1(value))
            << field;
    // Its result names every value it sent, the ones the new device already had too.
    QStringList sent;
    const QJsonArray results = jsonOf("replace")[QStringLiteral("devices")].toArray();
    ASSERT_EQ(results.size(), 1);
    for (const QJsonValue& change : results[0][QStringLiteral("changes")].toArray())
        sent << change[QStringLiteral("field")].toString();
    EXPECT_THAT(sent.join(u' ').toStdString(),
        testing::AllOf(HasSubstr("options"), HasSubstr("hostPort"), HasSubstr("bauds"),
            HasSubstr("login"), HasSubstr("wiegand1")));
}

} // namespace
