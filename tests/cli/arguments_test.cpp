// Values typed on the command line: what passes and in which plain form.
#include "cli/run/arguments.h"
#include "cli/verbs/mqtt_options.h"

#include <QCoreApplication>

#include <gmock/gmock.h>

using namespace linknode;
using namespace Qt::StringLiterals;

namespace {

std::optional<std::string> macArgument(const QString& text)
{
    const auto mac = parseMac(text);
    return mac ? std::optional(macText(*mac)) : std::nullopt;
}

// Each value in the device's own plain form, or refused.
TEST(Arguments, ParseToThePlainFormOrAreRefused)
{
    const auto mac = macArgument, address = parseAddress, mask = parseMask, port = parsePort,
               deviceAddress = parseDeviceAddress;
    const auto no = std::nullopt;
    const struct {
        std::optional<std::string> (*parse)(const QString&);
        const char* text;
        std::optional<std::string> parsed;
    } cases[] = { { mac, "0-80-194-1-2-3", "0-80-194-1-2-3" },
        { mac, "00:50:C2:01:02:03", "0-80-194-1-2-3" },
        { mac, "00:50:c2:01:02:ff", "0-80-194-1-2-255" }, { mac, "0-80-194-1-2", no },
        { mac, "0-80-194-1-2-256", no }, { mac, "0-0-0-0-0-0", no }, { mac, "00:50:C2:01:02", no },
        { mac, "00:50:C2:01:02:3", no }, { mac, "10.0.0.1", no },
        { address, "10.0.0.1", "10.0.0.1" }, { address, "010.000.0.1", "10.0.0.1" },
        { address, "10.0.0.256", no }, { address, "10.0.0", no }, { address, "10.0.0.1.5", no },
        { address, " 10.0.0.1", no }, { address, "a.b.c.d", no },
        { deviceAddress, "10.0.0.5", "10.0.0.5" }, { deviceAddress, "0.0.0.0", no },
        { deviceAddress, "255.255.255.255", no }, { mask, "255.255.255.0", "255.255.255.0" },
        { mask, "255.255.252.0", "255.255.252.0" }, { mask, "255.255.0.255", no },
        { mask, "255.255.255.1", no }, { mask, "255.0.255.0", no }, { port, "2101", "2101" },
        { port, "65535", "65535" }, { port, "0", no }, { port, "65536", no }, { port, "21a", no },
        { port, "-1", no }, { port, "", no }, { port, " 21", no } };
    for (const auto& c : cases)
        EXPECT_EQ(c.parse(QString::fromLatin1(c.text)), c.parsed) << c.text;
}

TEST(Arguments, ASelectorTellsAMacFromAnAddressAndSecondsAreBounded)
{
    const auto byMac = parseSelector(u"0-80-194-1-2-3"_s);
    ASSERT_TRUE(byMac && byMac->mac);
    EXPECT_FALSE(byMac->ip);
    const auto byIp = parseSelector(u"10.0.0.7"_s);
    ASSERT_TRUE(byIp && byIp->ip);
    EXPECT_EQ(*byIp->ip, "10.0.0.7");
    EXPECT_FALSE(parseSelector(u"kitchen"_s));
    // Seconds are bounded.
    EXPECT_EQ(parseSeconds(u"1.5"_s, 600), 1.5);
    for (const char* refused : { "-1", "601", "nan", "soon" })
        EXPECT_FALSE(parseSeconds(QString::fromLatin1(refused), 600)) << refused;
    // A broker sees one client id per connection: the first plain, the next numbered from 2.
    const QString id = u"linknode-watch-%1"_s.arg(QCoreApplication::applicationPid());
    EXPECT_EQ(mqttClientId("watch", 0), id);
    EXPECT_EQ(mqttClientId("watch", 1), id + u"-2"_s);
}

} // namespace
