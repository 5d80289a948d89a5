// The command line tool end to end against the simulator.
#include "tests/e2e/cli_site.h"

using namespace linknode;
using testing::HasSubstr;

namespace {

TEST_F(CliEndToEnd, DiscoverListsTheAllModelsFleetInEveryFormat)
{
    runSteps(QStringLiteral("run table discover\n"
                            "run json discover --format json --wait 0.5\n"
                            "run csv discover --format csv\n"
                            "run none discover --to 10.213.0.99 --format json\n"
                            "\"$L\" locate --seconds 3 2>/dev/null & holder=$!\n"
                            "sleep 0.5; run busy discover; wait $holder"),
        allModels);
    for (const char* step : { "table", "json", "csv", "none" })
        ASSERT_EQ(status(step), 0) << step << ": " << err(step);

    const QJsonArray devices = QJsonDocument::fromJson(out("json").toUtf8()).array();
    ASSERT_EQ(devices.size(), 20);
    QMap<QString, QJsonObject> byIp;
    for (const QJsonValue& device : devices)
        byIp.insert(device[QStringLiteral("ip")].toString(), device.toObject());
    const QJsonObject keyra = byIp.value(QStringLiteral("10.213.0.11"));
    EXPECT_EQ(keyra[QStringLiteral("model")].toString(), QStringLiteral("Keyra 2.4F"));
    EXPECT_EQ(keyra[QStringLiteral("mode")].toString(), QStringLiteral("client"));
    EXPECT_EQ(keyra[QStringLiteral("hostPort")].toString(), QStringLiteral("2101"));
    EXPECT_EQ(keyra[QStringLiteral("interface")].toString(), QStringLiteral("veth0"));
    EXPECT_TRUE(keyra[QStringLiteral("record")].toString().startsWith(
        keyra[QStringLiteral("mac")].toString() + QStringLiteral(",10.213.0.11,")));
    const QJsonObject encrypted = byIp.value(QStringLiteral("10.213.0.28"));
    EXPECT_EQ(encrypted[QStringLiteral("model")].toString(),
        QStringLiteral("KRT-40/NX V6 2.4F Encrypted"));
    EXPECT_EQ(
        encrypted[QStringLiteral("flags")].toArray(), QJsonArray { QStringLiteral("encrypted") });
    EXPECT_EQ(byIp.value(QStringLiteral("10.213.0.27"))[QStringLiteral("flags")].toArray(),
        QJsonArray { QStringLiteral("old-firmware") });
    // Option character 3 of the Conduit V4 is byte 184, kept as that code point.
    EXPECT_EQ(byIp.value(QStringLiteral("10.213.0.17"))[QStringLiteral("options")].toString(),
        QStringLiteral("48") + QChar(184) + u'9');

    const QStringList table = out("table").split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(table.size(), 21);
    EXPECT_TRUE(table[0].startsWith(QStringLiteral("mac ")));

    const QString csv = out("csv");
    EXPECT_TRUE(csv.startsWith(QStringLiteral("mac,ip,mask,gateway,model,firmware,mode,hostIp,"
                                              "hostPort,options,interface,flags,record\r\n")));
    for (const QJsonValue& device : devices)
        EXPECT_TRUE(csv.contains(u'\n' + device[QStringLiteral("mac")].toString() + u','));

    // No device is an empty result and a note; the receive port held is named.
    EXPECT_EQ(QJsonDocument::fromJson(out("none").toUtf8()).array().size(), 0);
    EXPECT_THAT(err("none"), HasSubstr("no device answered"));
    EXPECT_EQ(status("busy"), 1);
    EXPECT_THAT(err("busy"), HasSubstr("port 2024 is in use, is the window open?"));
}

// A set is confirmed and asked again sends nothing; a dry run, refused or not, and a set on an
// unknown MAC send nothing; a device that hears each of the 50 commands of the bypass but keeps its
// old port is not confirmed.
TEST_F(CliEndToEnd, ASetIsConfirmedOnlyWhenTheDeviceReportsItNext)
{
    runSteps(QStringLiteral("run set set 0-80-194-10-0-11 --ip 10.213.0.111 --host-port 4000 "
                            "--wiegand 6 --login 'AB^13^'\n"
                            "run show show 10.213.0.111 --format json\n"
                            "run again set 0-80-194-10-0-11 --host-port 4000 --format json\n"
                            "run dry set 0-80-194-10-0-12 --ip 10.213.0.112 --reset --dry-run\n"
                            "run dryheld set 0-80-194-10-0-12 --ip 10.213.0.111 --dry-run\n"
                            "run unknown set 0-80-194-9-9-9 --ip 10.213.0.113\n"
                            "run ignored set 0-80-194-10-0-13 --host-port 4000 --bypass"),
        allModels
            + QStringList {
                QStringLiteral("--ignore-config"), QStringLiteral("0-80-194-10-0-13") });
    for (const char* step : { "set", "show", "again", "dry" })
        ASSERT_EQ(status(step), 0) << step << ": " << err(step);
    const QJsonObject device = jsonOf("show");
    EXPECT_EQ(device[QStringLiteral("mac")].toString(), QStringLiteral("0-80-194-10-0-11"));
    EXPECT_EQ(device[QStringLiteral("hostPort")].toString(), QStringLiteral("4000"));
    EXPECT_EQ(device[QStringLiteral("wiegand")].toString(), QStringLiteral("^6^^5^^16^^21^"));
    EXPECT_EQ(device[QStringLiteral("login")].toString(), QStringLiteral("AB^13^"));
    EXPECT_EQ(jsonOf("again")[QStringLiteral("devices")]
                  .toArray()[0][QStringLiteral("status")]
                  .toString(),
        QStringLiteral("unchanged"));
    // Configuration by broadcast ten times; the Wiegand format and login to the new address.
    QMap<QString, int> configured;
    for (const QJsonObject& command : journal("network-config")) {
        ++configured[command[QStringLiteral("mac")].toString()];
        if (command[QStringLiteral("mac")].toString() == u"0-80-194-10-0-13") {
            EXPECT_TRUE(command[QStringLiteral("skipped")].toObject().contains(
                QStringLiteral("0-80-194-10-0-13")));
        }
    }
    EXPECT_EQ(configured,
        (QMap<QString, int> { { QStringLiteral("0-80-194-10-0-11"), 10 },
            { QStringLiteral("0-80-194-10-0-13"), 50 } }));
    for (const QJsonObject& login : journal("login"))
        EXPECT_THAT(
            login[QStringLiteral("to")].toString().toStdString(), HasSubstr("10.213.0.111"));

    EXPECT_THAT(
        out("dry").toStdString(), HasSubstr("configuration x10 to 255.255.255.255: feff01ff01"));
    EXPECT_THAT(out("dry").toStdString(), HasSubstr("reset to 10.213.0.112: feff06"));
    EXPECT_TRUE(journal("reset").empty());
    // Refused as the run would refuse it.
    EXPECT_EQ(status("dryheld"), 2);
    EXPECT_THAT(err("dryheld"), HasSubstr("10.213.0.111 is held by"));
    EXPECT_EQ(status("unknown"), 1);
    EXPECT_THAT(err("unknown"), HasSubstr("no device answers"));
    EXPECT_EQ(status("ignored"), 3) << err("ignored");
    EXPECT_THAT(err("ignored"), HasSubstr("not confirmed"));
    EXPECT_THAT(err("ignored"), HasSubstr("hostPort"));
}

// A device whose record grew longer than a reply keeps is still listed, flagged, and a set of
// its login repairs it.
TEST_F(CliEndToEnd, ADeviceWithATooLongRecordIsListedAndASetRepairsIt)
{
    const QByteArray device = R"({"devices": [{"mac": "0-80-194-7-7-8", "ip": "10.213.0.60",
        "mask": "255.255.255.0", "gateway": "10.213.0.1", "bauds": "9600", "parity": "0",
        "databits": "0", "version": "COPYRIGHT+TAVREN KRT 2.4F", "mode": "1",
        "hostIp": "10.213.0.1", "hostPort": "3001", "options": "0780",
        "wiegand": ["5", "16", "21"], "login": "Tav)"
        + QByteArray(4071, 'L') + R"("}]})";
    runSteps(QStringLiteral("run cut discover --flag record-cut --format json\n"
                            "run set set 0-80-194-7-7-8 --login AB\n"
                            "run show show 0-80-194-7-7-8 --format json"),
        { QStringLiteral("--fleet"), write("long.json", device) });
    const QJsonArray cut = QJsonDocument::fromJson(out("cut").toUtf8()).array();
    ASSERT_EQ(cut.size(), 1) << err("cut");
    EXPECT_EQ(cut[0][QStringLiteral("record")].toString().size(), 4096);
    ASSERT_EQ(status("set"), 0) << err("set");
    EXPECT_EQ(jsonOf("show")[QStringLiteral("login")].toString(), QStringLiteral("AB"));
    EXPECT_EQ(jsonOf("show")[QStringLiteral("flags")].toArray(), QJsonArray {});
}

TEST_F(CliEndToEnd, AReplacementTakesOverTheSavedConfiguration)
{
    const QByteArray factory = R"({"mac": "0-80-194-7-7-7", "ip": "10.213.0.50",
        "mask": "255.255.0.0", "gateway": "0.0.0.0", "bauds": "9600", "parity": "0",
        "databits": "0", "version": "COPYRIGHT+TAVREN KRT 2.4F", "mode": "0",
        "hostIp": "0.0.0.0", "hostPort": "23", "options": "0000", "wiegand": ["1", "1", "1"],
        "login": "Tav"})";
    const QByteArray old = R"({"mac": "0-80-194-1-2-3", "ip": "10.213.0.41",
        "mask": "255.255.255.0", "gateway": "10.213.0.1", "bauds": "19200", "parity": "4",
        "databits": "1", "version": "COPYRIGHT+TAVREN KRT 2.4F", "mode": "1",
        "hostIp": "10.213.0.1", "hostPort": "3001", "options": "0780",
        "wiegand": ["5", "16", "21"], "login": "TavAB\r"})";
    const QString before = write("before.json", "{\"devices\": [" + old + "," + factory + "]}");
    const QString swapped = write("swapped.json", "{\"devices\": [" + factory + "]}");

    runSteps(QStringLiteral(
                 "run save inventory save \"$D/site.json\"\n"
                 "run early replace 0-80-194-1-2-3 0-80-194-7-7-7 --inventory \"$D/site.json\""),
        { QStringLiteral("--fleet"), before });
    ASSERT_EQ(status("save"), 0) << err("save");
    EXPECT_EQ(status("early"), 2);
    EXPECT_THAT(err("early"), HasSubstr("still answers"));

    runSteps(QStringLiteral(
                 "run replace replace 0-80-194-1-2-3 0-80-194-7-7-7 --inventory \"$D/site.json\"\n"
                 "run show show 0-80-194-7-7-7 --format json"),
        { QStringLiteral("--fleet"), swapped });
    ASSERT_EQ(status("replace"), 0) << err("replace");
    ASSERT_EQ(status("show"), 0) << err("show");
    const QJsonObject device = jsonOf("show");
    const std::pair<const char*, const char*> expected[]
        = { { "ip", "10.213.0.41" }, { "mask", "255.255.255.0" }, { "gateway", "10.213.0.1" },
              { "bauds", "19200" }, { "parity", "Even" }, { "stopBits", "2" }, { "dataBits", "7" },
              { "mode", "client" }, { "hostIp", "10.213.0.1" }, { "hostPort", "3001" },
              { "options", "0780" }, { "wiegand", "^6^^5^^16^^21^" }, { "login", "AB^13^" } };
    for (const auto& [field, value] : expected)
        EXPECT_EQ(device[QString::fromLatin1(field)].toString(), QString::fromLatin1(value))
            << field;
    // The Wiegand format and the login went by unicast to the old device's address.
    const auto logins = journal("login");
    ASSERT_FALSE(logins.empty());
    for (const QJsonObject& login : logins)
        EXPECT_THAT(login[QStringLiteral("to")].toString().toStdString(), HasSubstr("10.213.0.41"));
}

} // namespace
