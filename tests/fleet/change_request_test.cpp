// One reading of a change's values for the command line and the site file: each value
// accepted in the forms people and the inventory write, refused with a reason otherwise.
#include "fleet/change_request.h"

#include "tests/support/refused_values.h"

#include <QStringList>
#include <gmock/gmock.h>
#include <map>

using namespace linknode;
using namespace Qt::StringLiterals;
using testing::HasSubstr;
using testing::StartsWith;

namespace {

const std::string client = "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,9600,1,0,"
                           "COPYRIGHT+TAVREN 2.4F,1,10.0.0.2,2101,0780,5,16,10,TavAB";

// The refusal, or the fields `record` would change to ("parity=4 dataBits=1"), with these
// values named.
std::string outcomeOf(const std::string& record, const std::map<QString, QString>& values)
{
    QString problem;
    const auto request = readRequest(
        *recordMac(record),
        [&](const QString& key) {
            const auto found = values.find(key);
            return found == values.end() ? std::nullopt : std::optional(found->second);
        },
        [](const QString& named) { return named; }, &problem);
    if (!request)
        return problem.toStdString();
    const PlannedChange plan = planChange(record, *request, {});
    QStringList changes;
    for (const FieldChange& change : differingFields(record, plan.expected))
        changes << change.field + u'=' + change.after;
    return plan.problem.text + changes.join(u' ').toStdString();
}

// The same with one value named on the client record.
std::string outcome(const QString& key, const QString& text)
{
    return outcomeOf(client, { { key, text } });
}

struct Reading {
    const char* key;
    const char* text; // UTF-8
    std::string outcome;
};

const std::string optionsRefusal = ": 1 to 4 characters, no comma and no control character";
const std::string portRefusal
    = ": a port 1 to 65535 or a time zone 00shh, then U or V for 10Base-T";

const Reading readings[] = { { "ip", "010.0.0.051", "ip=10.0.0.51" },
    { "ip", "127.0.0.1", "ip \"127.0.0.1\" is refused" },
    { "mask", "255.255.0.0", "mask=255.255.0.0" },
    { "mask", "255.0.255.0", "mask \"255.0.255.0\" is refused" },
    { "gateway", "10.0.0.254", "gateway=10.0.0.254" },
    { "gateway", "10.0.0", "gateway \"10.0.0\" is refused" },
    { "hostIp", "10.0.0.9", "hostIp=10.0.0.9" },
    { "hostIp", "host",
        "hostIp \"host\": an address of four numbers 0 to 255; a device "
        "takes no host name" },
    { "hostPort", "4000", "hostPort=4000" },
    { "hostPort", "70000", "hostPort \"70000\"" + portRefusal },
    // Spelt as devices report them: a time zone and a 10Base-T mark stay.
    { "hostPort", "00105", "hostPort=00105" }, { "hostPort", "2101V", "hostPort=2101V" },
    { "hostPort", "00205", "hostPort \"00205\"" + portRefusal },
    { "mode", "server", "mode=0 hostIp=0.0.0.0 options=0000" },
    { "mode", "Server", "mode \"Server\": server or client" },
    { "options", " 2780 ", "options=2780" },
    { "options", "000\xC2\xB8", "options=000\xC2\xB8" }, // byte 184: auto boot with AUX
    { "options", "12345", "options \"12345\"" + optionsRefusal },
    { "options", "0,00", "options \"0,00\"" + optionsRefusal },
    { "options", "0\t00", "options \"0^9^00\"" + optionsRefusal },
    { "bauds", "19200", "bauds=19200" }, { "bauds", "1200", "bauds \"1200\" is refused" },
    { "parity", "Odd", "parity=2" }, { "parity", "mark", "parity \"mark\": none, even or odd" },
    { "stopBits", "2", "parity=4" }, { "stopBits", "3", "stopBits \"3\": 1 or 2" },
    { "dataBits", "7", "dataBits=1" }, { "dataBits", "9", "dataBits \"9\": 7 or 8" },
    { "login", "A,Z^13^", "login=A,Z^13^" }, // shown as written: caret form, no prefix
    { "login", "A^300^", "the caret code ^300^ names no byte" },
    { "wiegand", "3", "wiegand1=98 wiegand2=24 wiegand3=8" },
    { "wiegand", "^6^^999^^1^^1^",
        "wiegand \"^6^^999^^1^^1^\": an item 1 to 11 or caret codes ^6^^a^^b^^c^, each 0 to "
        "255" } };

TEST(ReadValue, ChangesTheRecordOrIsRefused)
{
    for (const Reading& reading : readings)
        EXPECT_EQ(outcome(QString::fromLatin1(reading.key), QString::fromUtf8(reading.text)),
            reading.outcome);
    // Texts no device can store.
    for (const char* text : unstorableTexts) {
        for (const char* key : { "login", "options" }) {
            const std::string refusal = outcome(QString::fromLatin1(key), QString::fromUtf8(text));
            EXPECT_THAT(refusal, StartsWith(std::string(key) + " holds")) << text;
            EXPECT_THAT(refusal, HasSubstr("cannot store")) << text;
        }
    }
}

} // namespace

namespace {

const std::string gateway = "0-80-194-1-2-4,10.0.0.6,255.255.255.0,10.0.0.1,9600,0,0,"
                            "COPYRIGHTqTAVREN CONDUIT-IP MQTT 2.4F,1,10.0.0.2,1883,00N0,1,1,1,"
                            "Tavdomoticz/in\rmsg\rid\ru\rp\rdomoticz/in\rcm\r";

TEST(ReadValue, TheMqttSettingsByNameAreCheckedAsTheGatewaysFrameChecksThem)
{
    const std::string login = "login=domoticz/in^13^msg^13^id^13^";
    const struct {
        std::map<QString, QString> values;
        std::string outcome; // the refusal, or the fields that change
    } cases[] = {
        { { { u"mqttBroker"_s, u"10.0.0.9:1884"_s } }, "hostIp=10.0.0.9 hostPort=1884" },
        { { { u"mqttBroker"_s, u"10.0.0.9:1884V"_s } }, "hostIp=10.0.0.9 hostPort=1884V" },
        { { { u"mqttBroker"_s, u"10.0.0.9:70000"_s } },
            "mqttBroker: the MQTT port \"70000\" is no port 1 to 65535 (a U or V after it "
            "limits the gateway to 10Base-T)" },
        { { { u"mqttBroker"_s, u"broker.lan:1883"_s } },
            "mqttBroker \"broker.lan:1883\": ADDRESS:PORT, the address four numbers 0 to 255" },
        { { { u"mqttUser"_s, u"gw"_s } }, login + "gw^13^p^13^domoticz/in^13^cm^13^" },
        { { { u"mqttPassword"_s, u" pass "_s } }, login + "u^13^ pass ^13^domoticz/in^13^cm^13^" },
        { { { u"mqttTemplate"_s, u"SOTI"_s }, { u"mqttTopic"_s, u"ha/%M/s%2"_s } },
            "login=ha/%M/s%2^13^{\"MessageID\": \"SensorInfo\",\"From\": \"%M%S00\",\"Resource\": "
            "{\"SensorNum\": %S00,\"Temperature\": %3, \"BatteryVolt\": %5,\"StateOfCharge\": "
            "%B,\"RSSI\": %4}}^13^id^13^u^13^p^13^SOTICONNECT/clients/json/%M^13^{\"MessageID\": "
            "\"Connected\",\"From\": \"%M\",\"Resource\": {\"Type\": "
            "\"ZephyrPodTempSensorForSOTIConnect\",\"Id\": \"%M\"}}^13^" },
        { { { u"mqttTemplate"_s, u"home"_s } }, "mqttTemplate \"home\": domoticz or soti" },
        { { { u"mqttTopic"_s, u"a/+/b"_s } }, "the topic \"a/+/b\" holds a wildcard" },
        { { { u"mqttConnectTopic"_s, u""_s } }, "the connect topic is empty" },
        { { { u"mqttTopic"_s, u"café/%2"_s } }, "the topic \"caf" }, // Latin-1: no UTF-8
        { { { u"mqttTopic"_s, u"caf^195^^169^/%2"_s } },
            "login=cafÃ©/%2^13^msg^13^id^13^u^13^p^13^domoticz/in^13^cm^13^" },
        { { { u"mqttUser"_s, u"g^9^w"_s } }, "the MQTT user \"g^9^w\" is no UTF-8 text" },
        { { { u"mqttPassword"_s, u"se^13^cret"_s } }, "the MQTT password holds a carriage return" },
        { { { u"mqttPassword"_s, u"se^300^"_s } },
            "mqttPassword: the caret code ^300^ names no byte" },
        { { { u"mqttUser"_s, u"gw"_s }, { u"login"_s, u"x"_s } },
            "the login and the MQTT settings both make the gateway's login: name one" },
        { { { u"mqttBroker"_s, u"10.0.0.9:1884"_s }, { u"hostIp"_s, u"10.0.0.8"_s } },
            "the gateway's host is its MQTT broker: name it once" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            c.values.begin()->first.toStdString() + " " + c.values.begin()->second.toStdString());
        EXPECT_THAT(outcomeOf(gateway, c.values), StartsWith(c.outcome));
    }
    EXPECT_EQ(outcomeOf(client, { { u"mqttUser"_s, u"gw"_s } }),
        "this device is no MQTT gateway: it keeps no MQTT settings");
    EXPECT_EQ(outcomeOf(client, { { u"mqttBroker"_s, u"10.0.0.9:1884"_s } }),
        "this device is no MQTT gateway: it keeps no MQTT settings");
}

} // namespace
