// What the tool reads from a device it writes back unchanged: record -> settings ->
// datagrams -> the simulated device -> record gives the same settings, for every board of the
// all-models fleet and a few hundred generated records; and the limits of what a device can
// keep are refused before anything is sent.
#include "config/device_settings.h"

#include "commands/device_datagrams.h"
#include "core/text_fields.h"
#include "sim/command_effects.h"
#include "sim/delivery.h"
#include "sim/presets.h"

#include <gmock/gmock.h>
#include <random>

using namespace linknode;
using testing::HasSubstr;

namespace {

// The simulated device a record describes: its fields as they stand.
sim::Device deviceOf(const std::string& record)
{
    std::vector<QByteArray> f;
    for (const QByteArray& field : QByteArray::fromStdString(record).split(','))
        f.push_back(field);
    const int count = static_cast<int>(f.size());
    f.resize(sim::Device::fieldCount);
    return sim::Device { .mac = f[0],
        .ip = f[1],
        .mask = f[2],
        .gateway = f[3],
        .bauds = f[4],
        .parity = f[5],
        .databits = f[6],
        .version = f[7],
        .mode = f[8],
        .hostIp = f[9],
        .hostPort = f[10],
        .options = f[11],
        .wiegand = { f[12], f[13], f[14] },
        .login = f[15],
        .fields = count };
}

// Sends `datagrams` to the device of `record` as the device hears them; its record after.
std::string applied(const std::string& record, const std::vector<std::string>& datagrams)
{
    std::vector<sim::Device> fleet { deviceOf(record) };
    double now = 0; // far enough apart that the device is back from taking the last one
    for (const std::string& datagram : datagrams) {
        const sim::Command command = sim::decodeCommand(QByteArray::fromStdString(datagram));
        sim::applyCommand(fleet, sim::addressedDevices(fleet, { 0 }, command), command,
            sim::EffectContext { .now = now += 10, .fallSilentOn = std::nullopt });
    }
    return sim::recordText(fleet.front()).toStdString();
}

// Every datagram that writes `settings` back to the device with `mac`.
std::vector<std::string> writing(const DeviceSettings& settings)
{
    std::vector<std::string> datagrams { networkConfigDatagram(settings.config) };
    if (settings.wiegand)
        datagrams.push_back(loginDatagram(wiegandCommand(*settings.wiegand)));
    datagrams.push_back(loginDatagram(settings.login));
    return datagrams;
}

void expectSame(const DeviceSettings& a, const DeviceSettings& b, const std::string& record)
{
    SCOPED_TRACE(record);
    EXPECT_EQ(a.config.ip, b.config.ip);
    EXPECT_EQ(a.config.mask, b.config.mask);
    EXPECT_EQ(a.config.gateway, b.config.gateway);
    EXPECT_EQ(a.config.mac, b.config.mac);
    EXPECT_EQ(a.config.serial->baud, b.config.serial->baud);
    EXPECT_EQ(a.config.serial->parity, b.config.serial->parity);
    EXPECT_EQ(a.config.serial->dataBits, b.config.serial->dataBits);
    ASSERT_EQ(a.config.host.has_value(), b.config.host.has_value());
    if (a.config.host) {
        EXPECT_EQ(a.config.host->ip, b.config.host->ip);
        EXPECT_EQ(a.config.host->port, b.config.host->port);
        EXPECT_EQ(a.config.host->options, b.config.host->options);
        EXPECT_EQ(a.config.host->socketMode, b.config.host->socketMode);
    }
    EXPECT_EQ(a.wiegand, b.wiegand);
    EXPECT_EQ(a.login, b.login);
}

// A record as a device of any model may report it, spellings and odd bytes included.
std::string generated(std::mt19937& random, int n)
{
    const auto pick = [&](std::initializer_list<const char*> choices) {
        return std::string(*(choices.begin()
            + std::uniform_int_distribution<size_t>(0, choices.size() - 1)(random)));
    };
    const auto number = [&](int low, int high) {
        return std::to_string(std::uniform_int_distribution<int>(low, high)(random));
    };
    const std::string octet = number(1, 254);
    std::string record
        = "0-80-194-" + number(0, 255) + '-' + number(0, 255) + '-' + std::to_string(n % 256);
    record += ",10." + number(0, 255) + '.' + number(0, 255) + '.' + octet;
    record += ',' + pick({ "255.255.255.0", "255.255.0.0", "255.255.255.252" });
    record += ",10.0.0." + number(1, 254);
    record += ',' + pick({ "4800", "9600", "19200", "38400", "57600" });
    record += ',' + number(0, 5) + ',' + number(0, 1);
    record += ','
        + pick({ "COPYRIGHT+TAVREN KRT-40 2.4F", "COPYRIGHTqTAVREN CONDUIT-IP MQTT 2.4F",
            "COPYRIGHT^TAVREN QD-71R 2.4F", "COPYRIGHTmTAVREN CONDUIT MODBUS 2.4F" });
    record += ',' + pick({ "0", "1" });
    record += ',' + pick({ "10.0.0.2", "0.0.0.0", "192.168.1.250" });
    record += ',' + pick({ "23", "2101", "2101V", "00105", "00002", "502U", "65535" });
    const char option3[] = { '0', '8', '\x80', '\xb8', 'M', 'N' };
    record += ',' + pick({ "0", "2", "4", "5", "6" }) + pick({ "0", "7", "8" })
        + option3[std::uniform_int_distribution<size_t>(0, 5)(random)] + pick({ "0", "9" });
    record += ',' + number(0, 255) + ',' + number(0, 255) + ',' + number(0, 255);
    // A login as a device keeps it: CR, LF, TAB, the stand-in for a comma, blanks at its ends.
    std::string login = "Tav";
    const std::string bytes = std::string("AZaz09 ~:^\r\n\t") + '\xea';
    for (int i = std::uniform_int_distribution<int>(0, 40)(random); i > 0; --i)
        login += bytes[std::uniform_int_distribution<size_t>(0, bytes.size() - 1)(random)];
    return record + ',' + login;
}

TEST(DeviceSettings, ARecordWrittenBackGivesTheSameRecord)
{
    std::vector<std::string> records;
    for (const sim::Device& device : sim::allModelsFleet()) {
        // The device keeps a workstation identifier apart from its login, so a login ending in
        // one (02 id 03) comes back without it: a board with another login stands for it here.
        if (!device.login.endsWith('\x03'))
            records.push_back(sim::recordText(device).toStdString());
    }
    std::mt19937 random(28);
    for (int n = 0; n < 300; ++n)
        records.push_back(generated(random, n));
    for (const std::string& record : records) {
        const DeviceSettings read = readSettings(record);
        const std::string after = applied(record, writing(read));
        expectSame(readSettings(after), read, record);
        // Spellings survive: every field the tool writes reads back as it was.
        for (const RecordField field : { FLD_HOST_PORT, FLD_OPTIONS, FLD_IP, FLD_PARITY })
            EXPECT_EQ(recordField(after, field), recordField(record, field)) << record;
        EXPECT_EQ(RW_PAR(after, ",", FLD_LOGIN + 1), RW_PAR(record, ",", FLD_LOGIN + 1)) << record;
    }
}

TEST(DeviceSettings, TheReportAfterAWriteIsWhatReportedFieldsExpects)
{
    std::mt19937 random(29);
    for (int n = 0; n < 50; ++n) {
        const std::string record = generated(random, n);
        DeviceSettings wanted = readSettings(generated(random, n + 1000));
        wanted.config.mac = readSettings(record).config.mac;
        const std::string after = applied(record, writing(wanted));
        std::vector<ReportedField> expected = reportedFields(wanted.config);
        addReported(expected, *wanted.wiegand);
        addReportedLogin(expected, wanted.login);
        const auto holds = [&](const std::string& report) {
            return std::ranges::all_of(expected,
                [&](const ReportedField& f) { return reportedValue(report, f.first) == f.second; });
        };
        EXPECT_TRUE(holds(after)) << after;
        // And a device that kept its record is caught on a field that changed.
        EXPECT_FALSE(holds(record)) << record;
    }
}

TEST(DeviceSettings, ValuesADeviceCannotKeepAreRefused)
{
    const std::string gateway
        = "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,9600,0,0,"
          "COPYRIGHTqTAVREN CONDUIT-IP MQTT 2.4F,1,10.0.0.2,1883,00N0,1,1,1,Tav";
    // The record may grow to the reply limit and no further.
    const size_t room = longestRecord - (gateway.size() - 3) - 3;
    EXPECT_FALSE(loginLimitProblem(gateway, std::string(room, 'x')));
    EXPECT_THAT(loginLimitProblem(gateway, std::string(room + 1, 'x')).text, HasSubstr("vanish"));
    EXPECT_THAT(loginLimitProblem(gateway, std::string(70000, 'x')).text, HasSubstr("vanish"));

    const std::string items = "t^13^m^13^id^13^u^13^p^13^c^13^cm^13^";
    const struct {
        std::string login;
        const char* problem; // "": taken
    } logins[] = {
        { items, "" },
        { "t^13^m^13^id^13^u^13^ pass ^13^c^13^cm^13^", "" }, // blanks are the gateway's
        { "t^13^m^13^id^13^u^13^p^13^p2^13^c^13^cm^13^", "8 ends of item" }, // ^13^ in an item
        { "t^13^m^13^id^13^u^13^p^13^c^13^cm", "6 ends of item" },
        { "t^13^m^13^id^13^u^13^p^13^c^13^cm^13^x", "7 ends of item, and text after the last" },
        { "^13^m^13^id^13^u^13^p^13^c^13^cm^13^", "the topic is empty" },
        { "a/+/b^13^m^13^id^13^u^13^p^13^c^13^cm^13^", "wildcard" },
        { "t^13^m^13^id^13^u^13^p^13^c/#^13^cm^13^", "the connect topic" },
    };
    for (const auto& c : logins) {
        const Refusal problem = gatewayLoginProblem(c.login);
        EXPECT_THAT(problem.text, HasSubstr(c.problem)) << c.login;
        EXPECT_EQ(!problem, !*c.problem) << c.login;
    }
    MqttItems boxes { "t", "m", "id", "u", "pa^13^ss", "c", "cm" };
    const auto inPassword = mqttItemsProblem(boxes);
    ASSERT_TRUE(inPassword);
    EXPECT_EQ(inPassword.item, 4u);
    EXPECT_THAT(inPassword.text, HasSubstr("the MQTT password holds a carriage return"));
}

TEST(DeviceSettings, HostPortsKeepTheirSpelling)
{
    const std::pair<const char*, bool> ports[]
        = { { "23", true }, { "00105", true }, { "00002", true }, { "2101V", true },
              { "10001U", true }, { "65535", true }, { "0", false }, { "65536", false },
              { "2101v", false }, { "02101x", false }, { "", false }, { "123456", false },
              { "00205", false }, { "0023", false }, { "023", true }, { " 23", false } };
    for (const auto& [port, taken] : ports)
        EXPECT_EQ(parseHostPort(port), taken ? std::optional<std::string>(port) : std::nullopt)
            << port;
}

} // namespace
