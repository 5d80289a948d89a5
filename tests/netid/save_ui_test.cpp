// SAVE CONFIGURATION, the host update, the MQTT boxes and RENAME IP on the window: the
// datagrams in their order and destinations, and every check that keeps a bad value from
// leaving. RENAME IP gives every listed device its address by MAC in list order, from a
// snapshot taken at the start, and a plan that would leave a device unreachable sends nothing.
#include "fleet/change_request.h"
#include "tests/commands/command_fixture.h"
#include "tests/support/refused_values.h"

#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

using namespace linknode;
using namespace linknode::test;
using namespace Qt::StringLiterals;

namespace {

const QString broadcast = u"255.255.255.255"_s;

struct Save : LongCommands {

    // What kind of datagram, by its first bytes; the first match names it.
    static QString kind(const QByteArray& d)
    {
        // \x30 is the "0" of the enquiry's 0.0.0.0
        const std::pair<const char*, const char*> kinds[]
            = { { "\xFE\xFF\x01\xFF\x01\x30.0.0.0", "enquiry" }, { "\xFE\xFF\x01", "config" },
                  { "\xFE\xFF\x0B\x03\x04\x03", "wiegand" }, { "\xFE\xFF\x0B", "login" },
                  { "\xFE\xFF\x06", "reset" }, { "\xFE\xF8", "countdown" },
                  { "\x01\xFF\xFF\x41\xFA", "term" }, { "\x01\xFF\xFF\x41\x02", "boot" } };
        for (const auto& [start, name] : kinds)
            if (d.startsWith(start))
                return QString::fromLatin1(name);
        return u"other"_s;
    }

    // The datagrams sent, runs of one kind to one destination folded: "config 255.255.255.255 x10".
    QStringList steps()
    {
        QStringList folded;
        QString last;
        int count = 0;
        for (const auto& s : tool.sendSocket.sent) {
            const QString step = kind(s.datagram) + u' ' + s.host.toString();
            count = step == last ? count + 1 : 1;
            if (count == 1)
                folded << QString();
            folded.back() = step + u" x%1"_s.arg(count);
            last = step;
        }
        tool.sendSocket.sent.clear();
        return folded;
    }

    int sentOf(const QString& wanted) const
    {
        return static_cast<int>(std::ranges::count_if(
            tool.sendSocket.sent, [&](const auto& s) { return kind(s.datagram) == wanted; }));
    }

    // The device answers each enquiry of the refresh with `record`.
    void answerEnquiries(const Record& record)
    {
        QObject::connect(
            &answering, &QTimer::timeout, &tool.app.form, [this, text = record.text()] {
                const auto& sent = tool.sendSocket.sent;
                if (!sent.empty() && kind(sent.back().datagram) == u"enquiry"_s)
                    tool.receiveSocket.inject(Tool::reply(text));
            });
        answering.start(1);
    }

    // A save, with only its own datagrams in the record.
    void save()
    {
        tool.sendSocket.sent.clear();
        tool.app.save.B_UPDATE_Click();
    }
    QTimer answering;
};

TEST_F(Save, StepsGoInOrderToTheirDestinationsAndAFailureIsTold)
{
    Record moved { .ip = "192.168.5.20" };
    Record maskKept = moved;
    maskKept.mask = "255.255.0.0";
    const QStringList toDevice = { u"config 255.255.255.255 x10"_s, u"wiegand 192.168.5.20 x1"_s,
        u"login 192.168.5.20 x10"_s, u"enquiry 255.255.255.255 x25"_s,
        u"enquiry 192.168.5.20 x25"_s };
    // The restart goes to the address the refreshed view shows.
    const auto restartAt = [](const QString& ip) {
        return QStringList { u"term "_s + ip + u" x10"_s, u"boot "_s + ip + u" x10"_s,
            u"reset "_s + ip + u" x1"_s, u"reset 255.255.255.255 x1"_s,
            u"term "_s + ip + u" x10"_s };
    };
    const struct {
        const char* name;
        std::optional<Record> answer; // none: the device stays silent
        QString failSend;
        QStringList restart;
        QString told; // empty: no message
        QString hostPort = u"2101"_s; // typed before the save
    } cases[] = { { "reported", moved, {}, restartAt(u"192.168.5.20"_s), {} },
        { "silent", std::nullopt, {}, restartAt(u"192.168.5.10"_s), u"did not report"_s },
        { "mask not taken", maskKept, {}, restartAt(u"192.168.5.20"_s), u"did not take MASK"_s },
        // A device that ignores the configuration is caught on any value, not only addresses.
        { "host port not taken", moved, {}, restartAt(u"192.168.5.20"_s),
            u"did not take HOST PORT (the save sent \"4000\")"_s, u"4000"_s },
        { "no network", moved, u"Network is unreachable"_s, {}, u"Network is unreachable"_s } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        select(Record {});
        if (c.answer)
            answerEnquiries(*c.answer);
        tool.sendSocket.failSend = c.failSend;
        tool[INP_IP].setText(u"192.168.5.20"_s);
        tool[INP_HOST_PORT].setText(c.hostPort);
        tool[INP_UDP_MASK].setText(u"192.168.5.255"_s);
        const size_t messages = tool.dialogs.messages().size();
        // While it runs: nothing clickable, no button blinking, the wait text legible, the bar
        // only going on.
        QList<int> progress;
        bool clickable = false;
        bool blinked = false;
        bool legible = true;
        QPoint waitPlace;
        QTimer watching;
        QObject::connect(&watching, &QTimer::timeout, &tool.app.form, [&] {
            const QPalette colours = tool[Label3].palette();
            legible = legible
                && colours.color(QPalette::Disabled, QPalette::WindowText)
                    == colours.color(QPalette::Active, QPalette::WindowText);
            clickable = clickable || tool.app.form.isEnabled();
            if (!tool[FR_UPD_WAIT].isHidden())
                waitPlace = tool[FR_UPD_WAIT].pos();
            for (const auto button : { B_ASK_CFG, B_GO_TERM, B_GO_BOOT, B_SEND_LOGIN })
                blinked = blinked || tool[button].isHidden();
            if (progress.isEmpty() || progress.back() != tool[PRG_UPD_WAIT].value())
                progress << tool[PRG_UPD_WAIT].value();
        });
        watching.start(1);
        save();
        watching.stop();
        EXPECT_FALSE(clickable);
        EXPECT_FALSE(blinked);
        EXPECT_TRUE(legible);
        EXPECT_EQ(waitPlace, QPoint(1725 / twipsPerPixel, 480 / twipsPerPixel));
        EXPECT_TRUE(std::ranges::is_sorted(progress));
        // A save the system refuses stops at once; one that runs fills the bar.
        if (c.failSend.isEmpty()) {
            EXPECT_GT(progress.size(), 3);
            EXPECT_EQ(tool[PRG_UPD_WAIT].value(), tool[PRG_UPD_WAIT].maximum());
        }
        answering.disconnect();
        answering.stop();
        tool.sendSocket.failSend.clear();
        EXPECT_EQ(steps(), c.failSend.isEmpty() ? toDevice + c.restart : QStringList());
        ASSERT_EQ(tool.dialogs.messages().size(), messages + (c.told.isEmpty() ? 0 : 1));
        EXPECT_TRUE(c.told.isEmpty() || lastMessage().contains(c.told))
            << lastMessage().toStdString();
        expectSendAddress(u"192.168.5.255"_s);
        EXPECT_FALSE(tool[B_UPDATE].isHidden());
        EXPECT_TRUE(tool[FR_UPD_WAIT].isHidden());
        EXPECT_FALSE(tool[FR_LST_KRT].isHidden());
        EXPECT_TRUE(tool.app.form.isEnabled());
        EXPECT_FALSE(tool[SW_SWITCH].isChecked());
    }
}

TEST_F(Save, LayoutBCarriesHostOptionsAndModeLayoutANot)
{
    // No second save or rename starts while one runs.
    QTimer::singleShot(50, &tool.app.form, [&] {
        tool.app.save.B_UPDATE_Click();
        tool.app.rename.B_RENAME_IP_Click();
    });
    save();
    EXPECT_EQ(sentOf(u"config"_s), 10);
    const QByteArray layoutB = QByteArray("\xFE\xFF\x01\xFF\x01"
                                          "192.168.5.10\r255.255.255.0\r192.168.5.1\r"
                                          "192.168.5.2\r2101\r0000\r")
        + QByteArray::fromHex("fd0050c2010203") + "9600" + QByteArray::fromHex("fc000001");
    const auto& first = tool.sendSocket.sent.front();
    EXPECT_EQ(first.datagram.toHex(' '), layoutB.toHex(' '));
    EXPECT_GE(tool.sendSocket.sent[1].time - first.time, 0.2 - 1e-6);
    // The device gets a second more to take the configuration in before the next step.
    EXPECT_GE(tool.sendSocket.sent[10].time - tool.sendSocket.sent[9].time, 1.2 - 1e-6);

    Record noMode { .mac = "0-80-194-1-2-4", .ip = "192.168.5.11", .mode = "" };
    select(noMode);
    ASSERT_FALSE(tool[TXT_MODE_NOT_AVAILABLE].isHidden());
    save();
    const QByteArray layoutA = QByteArray("\xFE\xFF\x01\xFF\x01"
                                          "192.168.5.11\r255.255.255.0\r192.168.5.1\r")
        + QByteArray::fromHex("fd0050c2010204") + "9600" + QByteArray::fromHex("fc0000");
    EXPECT_EQ(tool.sendSocket.sent.front().datagram.toHex(' '), layoutA.toHex(' '));

    // Bypass AutoBoot repeats the configuration fifty times.
    tool[SW_BYPASSAUTOBOOT].setChecked(true);
    save();
    EXPECT_EQ(steps().first(), u"config 255.255.255.255 x50"_s);
}

// The window and the command line plan one change alike: SAVE CONFIGURATION of edited values
// sends, for every model, the datagram `linknode set` sends for the same values.
TEST_F(Save, TheWindowAndSetSendTheSameConfigurationForEveryModel)
{
    const std::pair<const char*, const char*> edits[] = { { "ip", "10.213.0.201" },
        { "mask", "255.255.0.0" }, { "gateway", "10.213.0.254" }, { "bauds", "19200" },
        { "parity", "Even" }, { "stopBits", "2" }, { "dataBits", "7" } };
    const Control<QWidget> boxes[]
        = { INP_IP, INP_MASK, INP_GATE, INP_BAUDS, INP_PARITY, INP_StopBit, INP_DATABITS };
    for (const std::string& record : fleetRecords()) {
        SCOPED_TRACE(record);
        select(record);
        for (size_t i = 0; i < std::size(edits); ++i)
            type(boxes[i], QString::fromLatin1(edits[i].second));
        save();
        const auto config = std::ranges::find(
            tool.sendSocket.sent, u"config"_s, [](const auto& s) { return kind(s.datagram); });
        ASSERT_NE(config, tool.sendSocket.sent.end());

        QString problem;
        const auto request = readRequest(
            *recordMac(record),
            [&](const QString& key) -> std::optional<QString> {
                for (const auto& [name, value] : edits)
                    if (key == QLatin1String(name))
                        return QString::fromLatin1(value);
                return std::nullopt;
            },
            [](const QString& key) { return key; }, &problem);
        ASSERT_TRUE(request) << problem.toStdString();
        const PlannedChange plan = planChange(record, *request, {});
        ASSERT_FALSE(plan.problem) << plan.problem.text;
        EXPECT_EQ(config->datagram.toStdString(), networkConfigDatagram(plan.config));
    }
}

TEST_F(Save, BadValuesAndWhatAnMqttGatewayCannotKeepAreRefusedNotCutBeforeAnythingLeaves)
{
    Record other { .mac = "0-80-194-9-9-9", .ip = "192.168.5.30" };
    tool.receiveSocket.inject(Tool::reply(other.text()));
    struct Refusal {
        std::vector<std::pair<Control<QWidget>, QString>> edits; // the first one is at fault
        QString told; // part of the message
        bool focused = true; // the focus lands on the control at fault
        bool mqtt = false; // the MQTT boxes' SAVE on a gateway, not SAVE CONFIGURATION
    };
    std::vector<Refusal> cases
        = { { { { INP_MASK, u"255.255.0.255"_s } }, u"the ones must be contiguous"_s },
              { { { INP_MASK, u"255.255.255.1"_s } }, u"Invalid mask"_s },
              { { { INP_IP, u"192.168.5.300"_s } }, u"192.168.5.300"_s },
              { { { INP_GATE, u"192.168.5.999"_s } }, u"gateway"_s },
              { { { INP_HOST_IP, u"192.168.5.999"_s } }, u"host address"_s },
              { { { AFF_MAC, u"0-0-0-0-0-0"_s } }, u"MAC"_s, false },
              { { { AFF_MAC, QString() } }, u"MAC"_s, false },
              { { { INP_LOGIN, u"A^300^"_s } }, u"^300^"_s },
              { { { INP_LOGIN, QString(32767, u'A') }, { INP_DEVNAME, QString(32767, u'B') } },
                  u"too long"_s },
              { { { INP_IP, u"192.168.5.30"_s } }, u"ERROR DOUBLE IP: 192.168.5.30"_s, false } };
    for (const auto& [address, mask] : refusedDeviceAddresses) {
        Refusal refusal { { { INP_IP, QString::fromLatin1(address) } },
            QString::fromLatin1(address) };
        if (*mask)
            refusal.edits.push_back({ INP_MASK, QString::fromLatin1(mask) });
        cases.push_back(refusal);
    }
    for (const NetworkValues& refused : refusedNetworkValues) {
        Refusal refusal { {}, QString::fromLatin1(refused.told) };
        const std::pair<Control<QWidget>, const char*> edits[] = { { INP_GATE, refused.gateway },
            { INP_MASK, refused.mask }, { INP_HOST_IP, refused.hostIp }, { INP_IP, refused.ip } };
        for (const auto& [control, value] : edits)
            if (*value)
                refusal.edits.push_back({ control, QString::fromLatin1(value) });
        cases.push_back(refusal);
    }
    for (const char* text : unstorableTexts) {
        const QString unstorable = QString::fromUtf8(text);
        for (const auto box : { INP_LOGIN, INP_DEVNAME })
            cases.push_back({ { { box, unstorable } }, u"cannot store"_s });
        cases.push_back(
            { { { INP_WIEGAND_CFG, u"^6^"_s + unstorable + u"^5^"_s } }, u"cannot store"_s });
    }
    size_t next = 0;
    for (const auto box :
        { INP_MQTT_SERVER, INP_MQTT_PORT, INP_MQTT_TOPIC, INP_MQTT_MSG, INP_MQTT_DEVICEID,
            INP_MQTT_USER, INP_MQTT_PSW, INP_MQTT_TOPIC_CONNECT, INP_MQTT_MSG_CONNECT })
        cases.push_back(
            { { { box, QString::fromUtf8(unstorableTexts[next++ % std::size(unstorableTexts)]) } },
                {}, true, true });
    // What the gateway cannot take: an item that would end early, a topic no broker takes
    // (a wildcard, a Latin-1 byte that is no UTF-8), a broker by name, a port that is none.
    const std::pair<Control<QWidget>, QString> gatewayRefusals[]
        = { { INP_MQTT_PSW, u"se^13^cret"_s }, { INP_MQTT_TOPIC, u"ha/+/s"_s },
              { INP_MQTT_TOPIC_CONNECT, QString() }, { INP_MQTT_SERVER, u"broker.lan"_s },
              { INP_MQTT_DEVICEID, u"caf\u00e9"_s }, { INP_MQTT_PORT, u"18x3"_s } };
    const QString gatewayTold[] = { u"The MQTT password holds a carriage return"_s, u"wildcard"_s,
        u"The connect topic is empty"_s, u"takes no host name"_s, u"is no UTF-8 text"_s,
        u"is no port 1 to 65535"_s };
    for (size_t i = 0; i < std::size(gatewayRefusals); ++i)
        cases.push_back({ { gatewayRefusals[i] }, gatewayTold[i], true, true });
    // Together longer than the login box holds.
    cases.push_back({ { { INP_MQTT_MSG, QString(20000, u'm') },
                          { INP_MQTT_MSG_CONNECT, QString(20000, u'c') } },
        {}, false, true });
    const Record gateway { .version = "COPYRIGHTqTAVREN CONDUIT-IP MQTT 2.4F",
        .hostIp = "10.0.0.50",
        .hostPort = "1883",
        .login = "TavT\rM\rD\rU\rP\rTC\rMC\r" };
    for (const auto& c : cases) {
        const auto at = c.edits.front().first;
        SCOPED_TRACE(std::string(at.name()) + " " + c.edits.front().second.left(20).toStdString());
        select(c.mqtt ? gateway : Record {});
        for (const auto& [control, value] : c.edits)
            type(control, value);
        const size_t messages = tool.dialogs.messages().size();
        tool.sendSocket.sent.clear();
        c.mqtt ? tool[B_SAVE_CFG_MQTT].click() : save();
        EXPECT_EQ(tool.sendSocket.sent.size(), 0u);
        EXPECT_EQ(tool.dialogs.messages().size(), messages + 1);
        EXPECT_TRUE(lastMessage().contains(c.told)) << lastMessage().left(200).toStdString();
        EXPECT_FALSE(tool[B_UPDATE].isHidden());
        EXPECT_TRUE(tool[B_SAVE_CFG_MQTT].isEnabled());
        EXPECT_TRUE(tool.app.form.isEnabled());
        EXPECT_TRUE(!c.focused || focusedOn(at));
        // Every item kept with its separator: the login box was not cut.
        if (c.mqtt && !c.focused) {
            EXPECT_EQ(tool[INP_LOGIN].text().count(u"^13^"_s), 7);
        }
    }
    EXPECT_EQ(tool.dialogs.messages().front().title, u"Invalid Mask value"_s);
    EXPECT_EQ(tool.dialogs.beeps(), 1);
}

TEST_F(Save, TheLoginStepClearsOnlyALoadedLoginAndAsksACountdownOnce)
{
    Record server { .mode = "0", .login = "Tav" };
    const struct {
        const char* name;
        std::function<void()> prepare;
        int logins, countdowns, prompts;
    } cases[] = { { "empty login of a loaded record", [] {}, 1, 0, 0 },
        { "prepared by MAC, never loaded",
            [this] {
                tool[INP_UNLOCK_255].setText(u"0-80-194-7-7-7"_s);
                tool[INP_IP].setText(u"192.168.5.77"_s);
            },
            0, 0, 0 },
        // The box sends only the login of the device it came from, or what the user typed.
        { "prepared by MAC of a listed device, the box holding another's login",
            [this] {
                tool[INP_LOGIN].setText(u"OLD"_s);
                tool[INP_UNLOCK_255].setText(u"0-80-194-1-2-3"_s);
            },
            0, 0, 0 },
        { "prepared by MAC, then a login typed",
            [this] {
                tool[INP_UNLOCK_255].setText(u"0-80-194-7-7-7"_s);
                tool[INP_IP].setText(u"192.168.5.77"_s);
                tool[INP_LOGIN].setText(u"NEW"_s);
            },
            10, 0, 0 },
        { "countdown login", [this] { tool[INP_LOGIN].setText(u"^7^<"_s); }, 10, 20, 1 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        select(server);
        tool[INP_DEVNAME].setText(QString());
        c.prepare();
        tool.dialogs.queueAnswer(u"25"_s);
        const size_t prompts = tool.dialogs.inputs().size();
        save();
        EXPECT_EQ(sentOf(u"login"_s), c.logins);
        EXPECT_EQ(sentOf(u"countdown"_s), c.countdowns);
        EXPECT_EQ(tool.dialogs.inputs().size(), prompts + static_cast<size_t>(c.prompts));
    }
}

TEST_F(Save, NothingOfAnotherDeviceIsSaved)
{
    // even parity, two stop bits
    Record even { .mac = "0-80-194-1-2-9", .ip = "192.168.5.19", .parity = "4", .databits = "1" };
    select(even);
    Record bare { .parity = "", .databits = "" };
    select(bare);
    const std::string datagram
        = networkConfigDatagram(tool.app.save.plannedChange({ 0, 80, 194, 1, 2, 3 }).config);
    EXPECT_EQ(
        QByteArray::fromStdString(datagram.substr(datagram.size() - 3)).toHex(' '), "00 00 01")
        << "parity and data-bits codes of the start-up state, client mode";

    // With no device shown an option switch changes nothing a save could send.
    tool.app.discovery.RESET_DEVICE_LIST();
    tool[FR_CFG].hide();
    tool[INP_HOST_PORT].setText(u"2101"_s);
    const size_t messages = tool.dialogs.messages().size();
    tool[SW_10BASET].click();
    EXPECT_EQ(tool[INP_HOST_PORT].text(), u"2101"_s);
    EXPECT_EQ(tool.dialogs.messages().size(), messages);
}

TEST_F(Save, HostUpdateGoesToThePeripheralAndTheFieldRulesAfter)
{
    for (const char* answer : { "192.168.5.110", "192.168.5.1", "23" })
        tool.dialogs.queueAnswer(QString::fromLatin1(answer));
    tool[Command1].click();
    const auto sent = tool.sendSocket.sent;
    ASSERT_EQ(sent.size(), 10u);
    EXPECT_EQ(sent.front().datagram.toHex(' '),
        "fe ff 03 31 39 32 2e 31 36 38 2e 35 2e 31 0d 32 33 0e 01");
    EXPECT_EQ(sent.front().host.toString(), u"192.168.5.110"_s);
    EXPECT_GE(sent[1].time - sent[0].time, 0.1 - 1e-6);
    EXPECT_EQ(tool.dialogs.inputs()[2].defaultAnswer, u"23"_s);
    expectSendAddress(broadcast);

    // A cancelled or empty answer sends nothing, an invalid one is told and sends nothing; the
    // 10Base-T mark and an NTP zone are port texts the device takes.
    const QString peripheral = u"192.168.5.110"_s;
    const QString server = u"192.168.5.1"_s;
    const int told = -1; // a message, nothing sent
    std::vector<std::pair<std::vector<std::optional<QString>>, int>> cases = {
        { { peripheral, server, u"2101V"_s }, 10 }, { { peripheral, server, u"00000"_s }, 10 },
        { { std::nullopt }, 0 }, { { peripheral, QString() }, 0 },
        { { peripheral, server, std::nullopt }, 0 }, { { u"no address"_s }, told },
        { { peripheral, u"192.168.5"_s }, told }, { { peripheral, u"192.168.5.256"_s }, told },
        { { peripheral, server, u"0"_s }, told }, { { peripheral, server, u"65536"_s }, told },
        { { peripheral, server, u"23x"_s }, told }
    };
    for (const auto& [address, mask] : refusedDeviceAddresses)
        if (!*mask)
            cases.push_back({ { QString::fromLatin1(address) }, told });
    for (const auto& [answers, sent] : cases) {
        SCOPED_TRACE(answers.back().value_or(u"(cancel)"_s).toStdString());
        tool.sendSocket.sent.clear();
        const size_t messages = tool.dialogs.messages().size();
        for (const auto& answer : answers)
            tool.dialogs.queueAnswer(answer);
        tool[Command1].click();
        EXPECT_EQ(static_cast<int>(tool.sendSocket.sent.size()), std::max(sent, 0));
        EXPECT_EQ(tool.dialogs.messages().size(), messages + (sent == told ? 1 : 0));
        expectSendAddress(broadcast);
    }
}

TEST_F(Save, MqttTemplatesFillTheBoxesAndTheLoginBoxInItsOrder)
{
    auto& templates = tool[SW_MQTT_CFG_TEMPLATE];
    tool[INP_MQTT_USER].setText(u"u"_s);
    templates.setCurrentIndex(1);
    emit templates.activated(1);
    EXPECT_EQ(tool[INP_MQTT_TOPIC].text(), u"domoticz/in"_s);
    EXPECT_EQ(tool[INP_MQTT_TOPIC_CONNECT].text(), u"domoticz/in"_s);
    EXPECT_EQ(tool[INP_MQTT_USER].text(), u"u"_s);
    const QStringList items
        = { u"domoticz/in"_s, tool[INP_MQTT_MSG].text(), tool[INP_MQTT_DEVICEID].text(), u"u"_s,
              tool[INP_MQTT_PSW].text(), u"domoticz/in"_s, tool[INP_MQTT_MSG_CONNECT].text() };
    EXPECT_EQ(tool[INP_LOGIN].text(), items.join(u"^13^"_s) + u"^13^"_s);

    templates.setCurrentIndex(2);
    emit templates.activated(2);
    EXPECT_TRUE(tool[INP_MQTT_MSG_CONNECT].text().contains(u"ZephyrPodTempSensorForSOTIConnect"_s));
}

struct Rename : LongCommands {

    void SetUp() override
    {
        LongCommands::SetUp();
        // Three boards: a V6 terminal and a Conduit take 9600 bauds, the V5 terminal 57600.
        const std::pair<const char*, const char*> boards[]
            = { { "0-80-194-1-2-4", "COPYRIGHToTAVREN KRT-40 V6 2.4F" },
                  { "0-80-194-1-2-5", "COPYRIGHT!TAVREN CONDUIT V4 2.4F" } };
        for (const auto& [mac, version] : boards) {
            Record board { .mac = mac,
                .gate = std::string("192.168.009.") + mac[13],
                .version = version,
                .options = "0000" };
            tool.receiveSocket.inject(Tool::reply(board.text()));
        }
        Record shown { .version = "COPYRIGHT+TAVREN KRT-40 2.3F", .options = "0780" };
        select(shown);
        tool.sendSocket.sent.clear();
    }

    void rename() { tool.app.rename.B_RENAME_IP_Click(); }

    static QByteArray configuration(
        const char* ip, const char* gate, const char* mac, const QByteArray& baud)
    {
        return QByteArray("\xFE\xFF\x01\xFF\x01") + ip + "\r255.255.0.0\r" + gate
            + "\r0.0.0.0\r23\r0780\r\xFD" + QByteArray::fromHex(mac) + baud
            + QByteArray("\xFC\x00\x00\x00", 4);
    }
};

TEST_F(Rename, NumbersTheDevicesInListOrderByTheirMac)
{
    // Broadcast whatever the send address, each address written as plain numbers.
    tool[INP_UDP_MASK].setText(u"192.168.5.10"_s);
    tool[INP_AUTO_IP].setText(u"192.168.005."_s);
    QString progress;
    bool barBeside = false;
    // What ignores clicks while the pass runs looks disabled, and only then.
    const ControlList<QWidget> waiting { B_ASK_CFG, B_SORT, B_UPDATE, LST_KRT };
    QStringList enabledDuring;
    QTimer::singleShot(30, &tool.app.form, [&] {
        for (const auto control : waiting) {
            if (tool[control].isEnabled())
                enabledDuring << QLatin1String(control.name());
        }
        progress = tool[AFF_SEL_DEV].text();
        const QRect count = tool[AFF_SEL_DEV].geometry();
        const QRect bar = tool[PRG_UPD_WAIT].geometry();
        barBeside = tool[PRG_UPD_WAIT].isVisibleTo(&tool.app.form) && bar.left() >= count.right()
            && bar.top() >= count.top() && bar.bottom() <= count.bottom()
            && tool[PRG_UPD_WAIT].maximum() == 3
            && tool[AFF_SEL_DEV].fontMetrics().horizontalAdvance(u"RENAME IP: device 20 of 20"_s)
                <= count.width();
        // Replies, ticks and clicks during the pass change nothing of it.
        Record late { .mac = "0-80-194-7-7-7" };
        tool.receiveSocket.inject(Tool::reply(late.text()));
        tool.app.discovery.B_ASK_CFG_Click();
        tool.app.listTools.B_SORT_Click();
        emit tool[TIM_AUTO_ASK].timeout({});
        QTest::mouseClick(tool[LST_KRT].viewport(), Qt::LeftButton);
    });
    rename();
    const QByteArray expected[]
        = { configuration("192.168.5.110", "192.168.5.1", "0050c2010203", "57600"),
              configuration("192.168.5.111", "192.168.9.4", "0050c2010204", "9600"),
              configuration("192.168.5.112", "192.168.9.5", "0050c2010205", "9600") };
    const auto& sent = tool.sendSocket.sent;
    ASSERT_GE(sent.size(), 15u);
    for (size_t i = 0; i < 15; ++i) {
        EXPECT_EQ(sent[i].datagram.toHex(' '), expected[i / 5].toHex(' ')) << i;
        EXPECT_EQ(sent[i].host.toString(), broadcast);
    }
    EXPECT_GE(sent[5].time - sent[4].time, 2.0 - 1e-6);
    EXPECT_EQ(Save::kind(sent[15].datagram), u"enquiry"_s) << "asks again";
    EXPECT_THAT(progress.toStdString(), testing::MatchesRegex("RENAME IP: device [123] of 3"));
    EXPECT_TRUE(barBeside);
    EXPECT_EQ(tool[PRG_UPD_WAIT].parentWidget(), &tool[FR_UPD_WAIT]) << "given back";
    EXPECT_FALSE(tool[B_RENAME_IP].isHidden());
    expectSendAddress(u"192.168.5.10"_s);
    EXPECT_TRUE(enabledDuring.isEmpty()) << enabledDuring.join(u' ').toStdString();
    tool.whenShown(B_ASK_CFG);
    for (const auto control : { B_ASK_CFG, B_SORT })
        EXPECT_TRUE(tool[control].isEnabled()) << control.name();
}

TEST_F(Rename, APlanThatLeavesADeviceUnreachableOrAGatewayNoDeviceCanKeepSendsNothing)
{
    std::vector<std::pair<QString, QString>> refused = {
        { u"192.168.5"_s, u"255.255.0.0"_s }, { u"192.168.500."_s, u"255.255.0.0"_s },
        { u"192.168.5."_s, u"255.0.255.0"_s },
        { u"10.0.0."_s, u"255.255.255.240"_s }, // .111 is the broadcast address of .96/28
    };
    // Where no address of a prefix is a device's whatever the mask (0.0.0., 127.0.0., ...).
    for (const auto& [address, mask] : refusedDeviceAddresses) {
        const QString text = QString::fromLatin1(address);
        if (!*mask)
            refused.push_back({ text.left(text.lastIndexOf(u'.') + 1), u"255.255.0.0"_s });
    }
    const auto sendsNothing = [this](const QString& prefix, const QString& mask) {
        SCOPED_TRACE((prefix + u' ' + mask).toStdString());
        tool[INP_AUTO_IP].setText(prefix);
        tool[INP_AUTO_MASK].setText(mask);
        const size_t messages = tool.dialogs.messages().size();
        rename();
        EXPECT_TRUE(tool.sendSocket.sent.empty());
        EXPECT_EQ(tool.dialogs.messages().size(), messages + 1);
    };
    for (const auto& [prefix, mask] : refused)
        sendsNothing(prefix, mask);
    // A good plan, but a device listed just before it has a gateway no device can keep:
    // refused too, that device named.
    Record broken { .mac = "0-80-194-1-2-7", .gate = "192.168.9.300" };
    tool.receiveSocket.inject(Tool::reply(broken.text()));
    sendsNothing(u"192.168.5."_s, u"255.255.0.0"_s);
    EXPECT_TRUE(tool.dialogs.messages().back().text.contains(u"0-80-194-1-2-7"_s));
}

} // namespace
