// One reading of a change's values for the command line and the site file: each value
// accepted in the forms people and the inventory write, refused with a reason otherwise.
#include "fleet/change_request.h"

#include "tests/support/refused_values.h"

#include <QStringList>
#include <gmock/gmock.h>

using namespace linknode;
using testing::HasSubstr;
using testing::StartsWith;

namespace {

const std::string client = "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,9600,1,0,"
                           "COPYRIGHT+TAVREN 2.4F,1,10.0.0.2,2101,0780,5,16,10,TavAB";

// The refusal, or the fields the client record would change to: "parity=4 dataBits=1".
std::string outcome(const QString& key, const QString& text)
{
    QString problem;
    const auto request = readRequest(
        MacBytes { 0, 80, 194, 1, 2, 3 },
        [&](const QString& named) { return named == key ? std::optional(text) : std::nullopt; },
        [](const QString& named) { return named; }, &problem);
    if (!request)
        return problem.toStdString();
    const PlannedChange plan = planChange(client, *request, {});
    QStringList changes;
    for (const FieldChange& change : differingFields(client, plan.expected))
        changes << change.field + u'=' + change.after;
    return plan.problem.text + changes.join(u' ').toStdString();
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
