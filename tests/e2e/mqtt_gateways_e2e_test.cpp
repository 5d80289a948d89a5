// linknode mqtt end to end against a real mosquitto: two gateways on one template, one set up
// by name, the other refused by the broker, checked apart; the password typed on a terminal;
// a watch across a broker restart, with a topic of one's own, and one that ends at the loss.
#include "tests/e2e/mqtt_broker.h"

#include <QDateTime>
#include <QRegularExpression>

using namespace linknode;

namespace {

// The command line's alone: no window.
using CliMqtt = MqttBrokerTest;

// Two gateways publishing every 0.2 s: the first with no broker yet, the second on the
// template set gives the first, with a password the broker refuses.
const char* twoGateways = R"({"devices": [
    {"mac": "0-80-194-20-0-1", "ip": "10.213.0.31", "mask": "255.255.255.0",
     "gateway": "10.213.0.1", "version": "COPYRIGHTqTAVREN CONDUIT-IP MQTT 2.4F", "mode": "1",
     "hostIp": "", "hostPort": "1883", "options": "00N0", "login": "Tav"},
    {"mac": "0-80-194-20-0-2", "ip": "10.213.0.32", "mask": "255.255.255.0",
     "gateway": "10.213.0.1", "version": "COPYRIGHTqTAVREN CONDUIT-IP MQTT 2.4F", "mode": "1",
     "hostIp": "10.213.0.1", "hostPort": "1884", "options": "00N0",
     "login": "Tavha/%M/s%2\r{\"t\":%3}\rgw-b\rgw\rwrong\rha/%M/up\r{\"up\":\"%M\"}\r"}]})";

// The first set up by name, its password from the environment; the checks; then two watches
// while the broker restarts, one that goes on and one --once.
const char* twoGatewaySteps
    = "echo gw-secret >pw\n"
      "export LINKNODE_MQTT_PASSWORD=gw-secret\n"
      "run setA set 0-80-194-20-0-1 --mqtt-broker 10.213.0.1:1884 --mqtt-user gw --mqtt-topic "
      "'ha/%M/s%2' --mqtt-payload '{\"t\":%3,\"unit\":\"^194^^176^C\"}' --mqtt-connect-topic "
      "'ha/%M/up' --mqtt-connect-payload '{\"up\":\"%M\"}' --mqtt-client-id gw-a "
      "--mqtt-password-env\n"
      "unset LINKNODE_MQTT_PASSWORD\n"
      "run show show 0-80-194-20-0-1 --format json\n"
      "run refused mqtt check 0-80-194-20-0-2 --seconds 2\n"
      "run refusedFromOutside mqtt check 0-80-194-20-0-2 --seconds 1.5 --password-file pw\n"
      "run passes mqtt check 0-80-194-20-0-1 --seconds 5 --format json\n"
      // The password typed on a terminal, not shown.
      "(sleep 0.5; echo gw-secret) | script -qec \"'$L' mqtt check 0-80-194-20-0-1 --user gw "
      "--seconds 5\" /dev/null >prompted.out 2>&1; echo $? >prompted.status\n"
      // A note of one's own, kept by the broker for those who subscribe later.
      "mosquitto_pub -h 10.213.0.1 -p 1884 -u gw -P gw-secret -t ha/notes -m hello -r\n"
      "\"$L\" mqtt watch 0-80-194-20-0-1 --format json --seconds 7 --topic ha/notes >watch.out "
      "2>watch.err &\n"
      "goesOn=$!\n"
      // Once the first has let port 2024 go after its discovery.
      "sleep 1.2\n"
      "\"$L\" mqtt watch 0-80-194-20-0-1 --once --seconds 7 >once.out 2>once.err &\n"
      "once=$!\n"
      "sleep 2; kill $broker; wait $broker; sleep 0.5\n"
      "mosquitto -c broker.conf 2>>broker.log & broker=$!\n"
      "wait $once; echo $? >once.status\n"
      "wait $goesOn; echo $? >watch.status\n"
      "kill $broker; wait $broker\n";

TEST_F(CliMqtt, TwoGatewaysOnOneTemplateAreCheckedApartAndAWatchOutlivesABrokerRestart)
{
    runSteps(startBroker(false) + QString::fromLatin1(twoGatewaySteps),
        { QStringLiteral("--fleet"), write("fleet.json", twoGateways),
            QStringLiteral("--mqtt-every"), QStringLiteral("0.2"),
            QStringLiteral("--restart-seconds"), QStringLiteral("0.2") });

    ASSERT_EQ(status("setA"), 0) << err("setA");
    // What set named, read back by show, in the published form.
    EXPECT_EQ(schemaViolation(publishedSchema("linknode-device.schema.json"), jsonOf("show"),
                  QStringLiteral("show"))
                  .toStdString(),
        "");
    EXPECT_EQ(jsonOf("show")[QStringLiteral("mqtt")].toObject(),
        QJsonObject({ { QStringLiteral("broker"), QStringLiteral("10.213.0.1:1884") },
            { QStringLiteral("topic"), QStringLiteral("ha/%M/s%2") },
            { QStringLiteral("payload"),
                QStringLiteral("{\"t\":%3,\"unit\":\"") + QChar(194) + QChar(176)
                    + QStringLiteral("C\"}") },
            { QStringLiteral("clientId"), QStringLiteral("gw-a") },
            { QStringLiteral("user"), QStringLiteral("gw") },
            { QStringLiteral("password"), QStringLiteral("gw-secret") },
            { QStringLiteral("connectTopic"), QStringLiteral("ha/%M/up") },
            { QStringLiteral("connectPayload"), QStringLiteral("{\"up\":\"%M\"}") } }));

    // The refused gateway's own credentials are refused; with good ones the check gets in, and
    // the other gateway's messages on the same template do not pass for its own.
    EXPECT_EQ(status("refused"), 1);
    EXPECT_THAT(err("refused"), testing::HasSubstr("not authorised"));
    EXPECT_EQ(status("refusedFromOutside"), 1) << err("refusedFromOutside");
    EXPECT_THAT(err("refusedFromOutside"), testing::HasSubstr("no sensor message within 1.5 s"));
    EXPECT_EQ(status("passes"), 0) << err("passes");
    EXPECT_EQ(schemaViolationOf("passes").toStdString(), "");
    EXPECT_EQ(status("prompted"), 0) << out("prompted").toStdString();
    EXPECT_THAT(out("prompted").toStdString(), testing::HasSubstr("MQTT password of gw: "));
    EXPECT_THAT(out("prompted").toStdString(), testing::HasSubstr("user \"gw\" accepted"));
    EXPECT_FALSE(out("prompted").contains(QStringLiteral("gw-secret")));

    // The watch told the loss and the reconnection and went on with the gateway's messages,
    // the degree sign read as UTF-8; the --once watch ended at the loss.
    EXPECT_EQ(status("watch"), 0) << err("watch");
    EXPECT_THAT(err("watch"), testing::HasSubstr("connection lost"));
    EXPECT_THAT(err("watch"), testing::HasSubstr("connected again"));
    QStringList lines = out("watch").split(u'\n', Qt::SkipEmptyParts);
    // The topic named with --topic, its message retained.
    const qsizetype notes
        = lines.indexOf(QRegularExpression(QStringLiteral(".*\"topic\":\"ha/notes\".*")));
    ASSERT_GE(notes, 0) << out("watch").toStdString();
    const QJsonObject note = QJsonDocument::fromJson(lines.takeAt(notes).toUtf8()).object();
    EXPECT_EQ(note[QStringLiteral("payload")], QJsonValue(QStringLiteral("hello")));
    EXPECT_EQ(note[QStringLiteral("retained")], QJsonValue(true));
    ASSERT_FALSE(lines.isEmpty());
    const QJsonObject last = QJsonDocument::fromJson(lines.last().toUtf8()).object();
    EXPECT_EQ(
        last[QStringLiteral("topic")].toString().left(16), QStringLiteral("ha/0050C2140001/"));
    EXPECT_EQ(
        last[QStringLiteral("fields")][QStringLiteral("unit")].toString(), QStringLiteral("°C"));
    EXPECT_EQ(last[QStringLiteral("retained")], QJsonValue(false));
    const QString before = QJsonDocument::fromJson(lines.first().toUtf8())
                               .object()[QStringLiteral("time")]
                               .toString();
    EXPECT_GT(QDateTime::fromString(last[QStringLiteral("time")].toString(), Qt::ISODateWithMs)
                  .toMSecsSinceEpoch()
            - QDateTime::fromString(before, Qt::ISODateWithMs).toMSecsSinceEpoch(),
        3000)
        << "messages came after the restart too";
    EXPECT_EQ(status("once"), 1);
    EXPECT_THAT(err("once"), testing::HasSubstr("connection lost"));
}

} // namespace
