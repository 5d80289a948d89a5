// The command line tool end to end against the simulator.
#include "tests/e2e/cli_site.h"

using namespace linknode;
using testing::HasSubstr;

namespace {

TEST_F(CliEndToEnd, DiscoverListsTheAllModelsFleetInEveryFormat)
{
    runSteps(QStringLiteral("run table discover\n"
                            "run json discover --format json --wait 0.5\n"
                            "run csv discover --format csv"),
        allModels);
    ASSERT_EQ(status("table"), 0) << err("table");
    ASSERT_EQ(status("json"), 0) << err("json");
    ASSERT_EQ(status("csv"), 0) << err("csv");

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
    EXPECT_THAT(table[1].toStdString(), HasSubstr("10.213.0.11 "));
    EXPECT_THAT(table[20].toStdString(), HasSubstr("10.213.0.30 "));
    const qsizetype modelColumn = table[0].indexOf(QStringLiteral("model"));
    // Every line starts its model where the header does.
    for (const QString& line : table.mid(1)) {
        EXPECT_EQ(line[modelColumn - 1], u' ') << line.toStdString();
        EXPECT_NE(line[modelColumn], u' ') << line.toStdString();
    }

    const QString csv = out("csv");
    EXPECT_TRUE(csv.startsWith(QStringLiteral("mac,ip,mask,gateway,model,firmware,mode,hostIp,"
                                              "hostPort,options,interface,flags,record\r\n")));
    for (const QJsonValue& device : devices)
        EXPECT_TRUE(csv.contains(u'\n' + device[QStringLiteral("mac")].toString() + u','));
}

TEST_F(CliEndToEnd, NoDeviceIsAnEmptyResultAndANote)
{
    runSteps(QStringLiteral("run none discover --to 10.213.0.99 --format json"), allModels);
    EXPECT_EQ(status("none"), 0);
    EXPECT_EQ(QJsonDocument::fromJson(out("none").toUtf8()).array().size(), 0);
    EXPECT_THAT(err("none"), HasSubstr("no device answered"));
}

TEST_F(CliEndToEnd, TheReceivePortTakenIsNamed)
{
    runSteps(QStringLiteral("\"$L\" locate --seconds 3 2>/dev/null & holder=$!\n"
                            "sleep 0.5\n"
                            "run busy discover\n"
                            "wait $holder"),
        allModels);
    EXPECT_EQ(status("busy"), 1);
    EXPECT_THAT(err("busy"), HasSubstr("port 2024 is in use, is the window open?"));
}

TEST_F(CliEndToEnd, ASetIsConfirmedAndTheDeviceReportsItNext)
{
    runSteps(QStringLiteral("run set set 0-80-194-10-0-11 --ip 10.213.0.111 --host-port 4000 "
                            "--wiegand 6 --login 'AB^13^'\n"
                            "run show show 10.213.0.111 --format json"),
        allModels);
    ASSERT_EQ(status("set"), 0) << err("set");
    ASSERT_EQ(status("show"), 0) << err("show");
    const QJsonObject device = jsonOf("show");
    EXPECT_EQ(device[QStringLiteral("mac")].toString(), QStringLiteral("0-80-194-10-0-11"));
    EXPECT_EQ(device[QStringLiteral("hostPort")].toString(), QStringLiteral("4000"));
    EXPECT_EQ(device[QStringLiteral("wiegand")].toString(), QStringLiteral("^6^^5^^16^^21^"));
    EXPECT_EQ(device[QStringLiteral("login")].toString(), QStringLiteral("AB^13^"));
    // Configuration by broadcast ten times; the Wiegand format and login to the new address.
    EXPECT_EQ(journal("network-config").size(), 10u);
    for (const QJsonObject& login : journal("login"))
        EXPECT_THAT(
            login[QStringLiteral("to")].toString().toStdString(), HasSubstr("10.213.0.111"));
}

TEST_F(CliEndToEnd, ServerModeClearsTheHostAddressAndOptions)
{
    runSteps(QStringLiteral("run set set 0-80-194-10-0-13 --mode server --format json\n"
                            "run again set 0-80-194-10-0-13 --mode server --format json"),
        allModels);
    ASSERT_EQ(status("set"), 0) << err("set");
    const QJsonObject device = jsonOf("set")[QStringLiteral("devices")].toArray()[0].toObject();
    EXPECT_EQ(device[QStringLiteral("status")].toString(), QStringLiteral("confirmed"));
    QMap<QString, QString> changed;
    for (const QJsonValue& change : device[QStringLiteral("changes")].toArray())
        changed.insert(
            change[QStringLiteral("field")].toString(), change[QStringLiteral("new")].toString());
    EXPECT_EQ(changed.value(QStringLiteral("mode")), QStringLiteral("0"));
    EXPECT_EQ(changed.value(QStringLiteral("hostIp")), QStringLiteral("0.0.0.0"));
    EXPECT_EQ(changed.value(QStringLiteral("options")), QStringLiteral("0000"));
    // Asked again, the device is already so: nothing more is sent.
    EXPECT_EQ(status("again"), 0) << err("again");
    EXPECT_EQ(jsonOf("again")[QStringLiteral("devices")]
                  .toArray()[0][QStringLiteral("status")]
                  .toString(),
        QStringLiteral("unchanged"));
    EXPECT_EQ(journal("network-config").size(), 10u);
}

TEST_F(CliEndToEnd, ADeviceThatIgnoresTheConfigurationIsNotConfirmed)
{
    // It hears every one of the 50 commands the bypass sends and keeps its old port.
    runSteps(QStringLiteral("run set set 0-80-194-10-0-11 --host-port 4000 --bypass"),
        allModels
            + QStringList {
                QStringLiteral("--ignore-config"), QStringLiteral("0-80-194-10-0-11") });
    EXPECT_EQ(status("set"), 3) << err("set");
    EXPECT_THAT(err("set"), HasSubstr("not confirmed"));
    EXPECT_THAT(err("set"), HasSubstr("hostPort"));
    const auto commands = journal("network-config");
    EXPECT_EQ(commands.size(), 50u);
    for (const QJsonObject& command : commands)
        EXPECT_TRUE(command[QStringLiteral("skipped")].toObject().contains(
            QStringLiteral("0-80-194-10-0-11")));
}

TEST_F(CliEndToEnd, ADryRunPrintsTheDatagramsAndSendsNoChange)
{
    runSteps(QStringLiteral("run dry set 0-80-194-10-0-12 --ip 10.213.0.112 --reset --dry-run\n"
                            "run unknown set 0-80-194-9-9-9 --ip 10.213.0.113"),
        allModels);
    ASSERT_EQ(status("dry"), 0) << err("dry");
    EXPECT_THAT(
        out("dry").toStdString(), HasSubstr("configuration x10 to 255.255.255.255: feff01ff01"));
    EXPECT_THAT(out("dry").toStdString(), HasSubstr("reset to 10.213.0.112: feff06"));
    EXPECT_TRUE(journal("network-config").empty());
    EXPECT_TRUE(journal("reset").empty());
    EXPECT_EQ(status("unknown"), 1);
    EXPECT_THAT(err("unknown"), HasSubstr("no device answers"));
}

TEST_F(CliEndToEnd, InventoryDiffNamesAChangeMadeWithSet)
{
    runSteps(QStringLiteral("run save inventory save \"$D/site.json\"\n"
                            "run same inventory diff \"$D/site.json\"\n"
                            "run set set 0-80-194-10-0-19 --host-port 4001\n"
                            "run diff inventory diff \"$D/site.json\" --format json"),
        allModels);
    ASSERT_EQ(status("save"), 0) << err("save");
    EXPECT_EQ(status("same"), 0) << out("same").toStdString();
    ASSERT_EQ(status("set"), 0) << err("set");
    EXPECT_EQ(status("diff"), 1);
    const QJsonArray devices = jsonOf("diff")[QStringLiteral("devices")].toArray();
    ASSERT_EQ(devices.size(), 1);
    EXPECT_EQ(devices[0][QStringLiteral("status")].toString(), QStringLiteral("changed"));
    EXPECT_EQ(devices[0][QStringLiteral("changes")].toArray(),
        (QJsonArray { QJsonObject { { QStringLiteral("field"), QStringLiteral("hostPort") },
            { QStringLiteral("old"), QStringLiteral("2101") },
            { QStringLiteral("new"), QStringLiteral("4001") } } }));
}

TEST_F(CliEndToEnd, ResetAndLocateReachTheDevices)
{
    // Locate first: a device that has just been reset is deaf for a moment.
    runSteps(QStringLiteral("run locate locate --beep --seconds 0.5\n"
                            "run reset reset 0-80-194-10-0-22"),
        allModels);
    ASSERT_EQ(status("reset"), 0) << err("reset");
    ASSERT_EQ(status("locate"), 0) << err("locate");
    const auto resets = journal("reset");
    ASSERT_EQ(resets.size(), 1u);
    EXPECT_EQ(resets[0][QStringLiteral("devices")].toArray(),
        QJsonArray { QStringLiteral("0-80-194-10-0-22") });
    const auto frames = journal("terminal-frame");
    ASSERT_FALSE(frames.empty());
    // The beep frame carries the count of the discovery made first: 20 devices.
    EXPECT_THAT(frames[0][QStringLiteral("hex")].toString().toStdString(),
        HasSubstr("02070707c73336303230"));
}

// Device i takes the address of device i + 1 and the last a free one: the plan only works
// from the last device back to the first.
TEST_F(CliEndToEnd, ReaddressMovesTwentyDevicesInAnOrderThatFreesEachAddress)
{
    QFile plan(dir.filePath(QStringLiteral("plan.csv")));
    ASSERT_TRUE(plan.open(QIODevice::WriteOnly));
    plan.write("mac,ip,mask\n");
    // The simulator's device n has the MAC 0-80-194-0-0-n and the address 10.213.0.(10 + n).
    for (int n = 1; n <= 20; ++n)
        plan.write(QStringLiteral("0-80-194-0-0-%1,10.213.%2.%3,255.255.0.0\n")
                       .arg(n)
                       .arg(n == 20 ? 1 : 0)
                       .arg(n == 20 ? 30 : n + 11)
                       .toLatin1());
    plan.close();
    QFile exchange(dir.filePath(QStringLiteral("exchange.csv")));
    ASSERT_TRUE(exchange.open(QIODevice::WriteOnly));
    exchange.write("0-80-194-0-0-1,10.213.0.12\n0-80-194-0-0-2,10.213.0.11\n");
    exchange.close();

    runSteps(QStringLiteral("run exchange readdress \"$D/exchange.csv\" --apply\n"
                            "run check readdress \"$D/plan.csv\"\n"
                            "run apply readdress \"$D/plan.csv\" --apply\n"
                            "run after discover --format json"),
        { QStringLiteral("--preset"), QStringLiteral("synthetic"), QStringLiteral("--count"),
            QStringLiteral("20") });
    EXPECT_EQ(status("exchange"), 2);
    EXPECT_THAT(err("exchange"), HasSubstr("exchange addresses"));
    ASSERT_EQ(status("check"), 0) << err("check");
    const QStringList order = out("check").split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(order.size(), 20);
    EXPECT_TRUE(
        order.first().startsWith(QStringLiteral("0-80-194-0-0-20  10.213.0.30 -> 10.213.1.30")));
    EXPECT_TRUE(
        order.last().startsWith(QStringLiteral("0-80-194-0-0-1  10.213.0.11 -> 10.213.0.12")));

    ASSERT_EQ(status("apply"), 0) << err("apply");
    EXPECT_THAT(err("apply"), HasSubstr("changed 20, unchanged 0, not confirmed 0, not tried 0"));
    const QJsonArray after = QJsonDocument::fromJson(out("after").toUtf8()).array();
    ASSERT_EQ(after.size(), 20);
    for (const QJsonValue& device : after) {
        const int last = device[QStringLiteral("mac")].toString().section(u'-', 5).toInt();
        EXPECT_EQ(device[QStringLiteral("ip")].toString(),
            last == 20 ? QStringLiteral("10.213.1.30")
                       : QStringLiteral("10.213.0.%1").arg(last + 11));
        EXPECT_EQ(device[QStringLiteral("mask")].toString(), QStringLiteral("255.255.0.0"));
    }
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
    auto write = [&](const char* name, const QByteArray& devices) {
        QFile fleet(dir.filePath(QString::fromLatin1(name)));
        if (fleet.open(QIODevice::WriteOnly))
            fleet.write("{\"devices\": [" + devices + "]}");
        return fleet.fileName();
    };
    const QString before = write("before.json", old + "," + factory);
    const QString swapped = write("swapped.json", factory);

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

TEST_F(CliEndToEnd, AnInventoryThatCannotBeWrittenWholeLeavesTheOldFile)
{
    // A small file system, full before the save starts, in a private mount namespace.
    runSteps(QStringLiteral(
                 "mkdir \"$D/full\"\n"
                 "unshare -m sh -c 'mount -t tmpfs -o size=16k tmpfs \"$1\" || exit\n"
                 "  echo old >\"$1/site.json\"\n"
                 "  dd if=/dev/zero of=\"$1/filler\" bs=1k count=64 2>/dev/null\n"
                 "  \"$2\" inventory save \"$1/site.json\" >\"$3/full.out\" 2>\"$3/full.err\"\n"
                 "  echo $? >\"$3/full.status\"\n"
                 "  cat \"$1/site.json\" >\"$3/kept.json\"' sh \"$D/full\" \"$L\" \"$D\""),
        allModels);
    EXPECT_EQ(status("full"), 1) << err("full");
    EXPECT_THAT(err("full"), HasSubstr("not written"));
    EXPECT_EQ(read(QStringLiteral("kept.json")), QByteArray("old\n"));
}

} // namespace
