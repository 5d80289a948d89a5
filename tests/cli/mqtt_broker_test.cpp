// The broker linknode mqtt connects to: the gateway's unless the command line names another,
// the TLS port by default with --tls, named as people write it.
#include "cli/verbs/mqtt_gateway.h"

#include <gmock/gmock.h>

using namespace linknode;
using namespace Qt::StringLiterals;

namespace {

TEST(MqttBroker, TheGatewaysBrokerUnlessNamedTlsOnItsOwnPortIpv6InBrackets)
{
    MqttGateway gateway;
    gateway.host = u"10.0.0.2"_s;
    gateway.port = u"1883V"_s; // the 10Base-T mark is no part of the port
    gateway.user = u"gw"_s;
    gateway.password = "secret";
    const auto tls = [](std::optional<QString> port) {
        MqttOverrides overrides;
        overrides.tls = true;
        overrides.port = std::move(port);
        return overrides;
    };
    MqttOverrides ipv6;
    ipv6.host = u"fd00::1"_s;
    ipv6.port = u"1884"_s;
    ipv6.password = QByteArray("other");
    const struct {
        const char* what;
        MqttOverrides overrides;
        const char* broker;
        const char* password;
    } cases[] = {
        { "the record's", {}, "10.0.0.2:1883", "secret" },
        { "TLS", tls(std::nullopt), "10.0.0.2:8883", "secret" },
        { "TLS on a port named", tls(u"8884"_s), "10.0.0.2:8884", "secret" },
        { "an IPv6 broker", ipv6, "[fd00::1]:1884", "other" },
    };
    for (const auto& c : cases) {
        QString problem;
        const auto settings = brokerSettings(gateway, c.overrides, u"id"_s, &problem);
        ASSERT_TRUE(settings) << c.what << ": " << problem.toStdString();
        EXPECT_EQ(brokerName(*settings).toStdString(), c.broker) << c.what;
        EXPECT_EQ(settings->password.toStdString(), c.password) << c.what;
        EXPECT_EQ(settings->user, u"gw"_s) << c.what;
    }

    gateway.host.clear();
    QString problem;
    EXPECT_FALSE(brokerSettings(gateway, {}, u"id"_s, &problem));
    EXPECT_THAT(problem.toStdString(), testing::HasSubstr("names no broker"));
}

} // namespace
