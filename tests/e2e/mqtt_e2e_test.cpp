// The MQTT gateway end to end: a template and a broker saved through the window, the
// simulated gateway publishing to a real mosquitto with a password file and an ACL, and
// linknode mqtt check and watch seeing it; then TLS, a wrong password and a stopped broker.
// Two gateways on one template, one set up by name, the other refused by the broker, checked
// apart; a watch across a broker restart.
#include "tests/e2e/cli_site.h"
#include "tests/e2e/json_schema.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace linknode;

namespace {

struct SavedTemplate {
    const char* name;
    int item; // of SW_MQTT_CFG_TEMPLATE
    const char* sensorTopic; // what every sensor message's topic starts with
    bool namesGateway; // its sensor topic holds the gateway's MAC
};

const SavedTemplate templates[] = {
    { "Domoticz", 1, "domoticz/in", false },
    { "Soti", 2, "SOTICONNECT/clients/observations/json/", true },
};

// Named in the test list by its template, not by its bytes.
void PrintTo(const SavedTemplate& saved, std::ostream* out)
{
    *out << saved.name;
}

// The broker answers on 10.213.0.1 (the namespace's own address): plain on 1884, where the
// window sends the gateway, TLS on 8884. Only known users; the gateway's may use its own
// topics alone.
const char* brokerConfig = "allow_anonymous false\n"
                           "password_file DIR/passwords\n"
                           "acl_file DIR/acl\n"
                           "persistence false\n"
                           "user root\n"
                           "listener 1884 10.213.0.1\n"
                           "listener 8884 10.213.0.1\n"
                           "cafile DIR/ca.crt\n"
                           "certfile DIR/server.crt\n"
                           "keyfile DIR/server.key\n";
const char* brokerAcl = "user gw\n"
                        "topic readwrite domoticz/#\n"
                        "topic readwrite SOTICONNECT/#\n"
                        "topic readwrite ha/#\n";

// A CA, the broker's certificate for 10.213.0.1, the password file, the broker started.
const char* startBroker
    = "cd \"$D\"\n"
      "key='-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes'\n"
      "openssl req -x509 $key -keyout ca.key -out ca.crt -days 1 -subj /CN=test-ca 2>/dev/null\n"
      "openssl req $key -keyout server.key -out server.csr -subj /CN=10.213.0.1 2>/dev/null\n"
      "echo subjectAltName=IP:10.213.0.1 >san.ext\n"
      "openssl x509 -req -in server.csr -CA ca.crt -CAkey ca.key -CAcreateserial -days 1 "
      "-extfile san.ext -out server.crt 2>/dev/null\n"
      "mosquitto_passwd -b -c passwords gw gw-secret\n"
      "mosquitto -c broker.conf 2>broker.log & broker=$!\n"
      "sleep 0.5\n";

const char* checks
    = "gw=$(\"$L\" discover --model MQTT --fields mac --format csv | tail -n 1 | tr -d '\\r')\n"
      "run check mqtt check \"$gw\" --reset\n"
      "run unreset mqtt check \"$gw\" --format json\n"
      "run watch mqtt watch \"$gw\" --count 8 --format json --seconds 30\n"
      "run tls mqtt watch \"$gw\" --count 2 --format json --seconds 30 --tls --cafile ca.crt "
      "--broker 10.213.0.1:8884\n"
      "run notGateway mqtt watch 10.213.0.11 --seconds 1\n"
      "run wrong set \"$gw\" --login "
      "'domoticz/in^13^x^13^id^13^gw^13^wrong^13^domoticz/in^13^x^13^'\n"
      "run refused mqtt check \"$gw\" --seconds 5\n"
      "kill $broker; wait $broker\n"
      "run stopped mqtt check \"$gw\" --seconds 5\n";

class MqttSite : public CliEndToEnd {
protected:
    void SetUp() override
    {
        CliEndToEnd::SetUp();
        if (IsSkipped())
            return;
        for (const char* program : { "mosquitto", "mosquitto_passwd", "mosquitto_pub", "openssl" })
            if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty()
                && QStandardPaths::findExecutable(
                    QString::fromLatin1(program), { QStringLiteral("/usr/sbin") })
                       .isEmpty())
                GTEST_SKIP() << program
                             << " is not installed (Debian: mosquitto, mosquitto-clients, openssl)";
        write("broker.conf", QByteArray(brokerConfig).replace("DIR", dir.path().toUtf8()));
        write("acl", brokerAcl);
    }

    // "" when the step's output is a result document that keeps to the published schema.
    QString schemaViolationOf(const char* step) const
    {
        return schemaViolation(publishedSchema("linknode-result.schema.json"), jsonOf(step),
            QString::fromLatin1(step));
    }
};

class MqttEndToEnd : public MqttSite, public testing::WithParamInterface<SavedTemplate> { };

TEST_P(MqttEndToEnd, SavedSettingsPublishToTheBrokerAndLinknodeSeesThem)
{
    const SavedTemplate& saved = GetParam();
    write("save.txt",
        "waitfor B_ASK_CFG visible 20\n"
        "click B_SORT\n"
        "select LST_KRT 14\n"
        "select SW_MQTT_CFG_TEMPLATE "
            + QByteArray::number(saved.item)
            + "\n"
              "set INP_MQTT_SERVER 10.213.0.1\n"
              "set INP_MQTT_PORT 1884\n"
              "set INP_MQTT_USER gw\n"
              "set INP_MQTT_PSW gw-secret\n"
              "click B_SAVE_CFG_MQTT\n"
              "waitfor B_UPDATE visible 60\n"
              "quit\n");
    const QString tool
        = QStringLiteral("\"%1\" --automation \"$D/save.txt\" >\"$D/tool.out\" 2>&1\n")
              .arg(QStringLiteral(LINKNODE_TOOL));
    runSteps(QString::fromLatin1(startBroker) + tool + QString::fromLatin1(checks),
        allModels + QStringList { QStringLiteral("--mqtt-every"), QStringLiteral("0.2") });

    EXPECT_EQ(status("check"), 0) << err("check") << read(QStringLiteral("broker.log")).data();
    EXPECT_THAT(out("check").toStdString(), testing::HasSubstr("connect message after the reset"));
    // Without the reset, a Domoticz topic cannot tell this gateway's messages from another's;
    // SOTI Connect's holds its MAC.
    EXPECT_EQ(status("unreset"), saved.namesGateway ? 0 : 4) << err("unreset");
    EXPECT_EQ(schemaViolationOf("unreset").toStdString(), "");

    ASSERT_EQ(status("watch"), 0) << err("watch");
    const QStringList lines = out("watch").split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 8);
    for (const QString& line : lines) {
        const QJsonObject message = QJsonDocument::fromJson(line.toUtf8()).object();
        const QString payload = message.value(QStringLiteral("payload")).toString();
        SCOPED_TRACE(line.toStdString());
        EXPECT_TRUE(message.value(QStringLiteral("topic"))
                        .toString()
                        .startsWith(QLatin1String(saved.sensorTopic)));
        EXPECT_TRUE(QJsonDocument::fromJson(payload.toUtf8()).isObject());
        EXPECT_FALSE(payload.contains(u'%'));
        const QJsonObject fields = message.value(QStringLiteral("fields")).toObject();
        EXPECT_TRUE(fields.contains(QStringLiteral("sensor")));
        EXPECT_TRUE(fields.contains(QStringLiteral("temperature")));
    }

    EXPECT_EQ(status("tls"), 0) << err("tls");
    EXPECT_EQ(out("tls").count(u'\n'), 2);
    EXPECT_EQ(status("notGateway"), 2) << err("notGateway");
    ASSERT_EQ(status("wrong"), 0) << err("wrong");
    EXPECT_EQ(status("refused"), 1);
    EXPECT_THAT(err("refused"), testing::HasSubstr("not authorised"));
    EXPECT_TRUE(read(QStringLiteral("journal.jsonl")).contains("\"mqtt-refused\""))
        << "the gateway journals the broker's refusal";
    EXPECT_EQ(status("stopped"), 1);
    EXPECT_THAT(err("stopped"), testing::HasSubstr("broker unreachable"));
}

INSTANTIATE_TEST_SUITE_P(Templates, MqttEndToEnd, testing::ValuesIn(templates),
    [](const testing::TestParamInfo<SavedTemplate>& info) { return std::string(info.param.name); });

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
      "run refusedFromOutside mqtt check 0-80-194-20-0-2 --seconds 2 --password-file pw\n"
      "run passes mqtt check 0-80-194-20-0-1 --seconds 5 --format json\n"
      // The password typed on a terminal, not shown.
      "(sleep 1; echo gw-secret) | script -qec \"'$L' mqtt check 0-80-194-20-0-1 --user gw "
      "--seconds 5\" /dev/null >prompted.out 2>&1; echo $? >prompted.status\n"
      // A note of one's own, kept by the broker for those who subscribe later.
      "mosquitto_pub -h 10.213.0.1 -p 1884 -u gw -P gw-secret -t ha/notes -m hello -r\n"
      "\"$L\" mqtt watch 0-80-194-20-0-1 --format json --seconds 8 --topic ha/notes >watch.out "
      "2>watch.err &\n"
      "goesOn=$!\n"
      // Once the first has let port 2024 go after its discovery.
      "sleep 1.3\n"
      "\"$L\" mqtt watch 0-80-194-20-0-1 --once --seconds 8 >once.out 2>once.err &\n"
      "once=$!\n"
      "sleep 2.5; kill $broker; wait $broker; sleep 0.5\n"
      "mosquitto -c broker.conf 2>>broker.log & broker=$!\n"
      "wait $once; echo $? >once.status\n"
      "wait $goesOn; echo $? >watch.status\n"
      "kill $broker; wait $broker\n";

TEST_F(MqttSite, TwoGatewaysOnOneTemplateAreCheckedApartAndAWatchOutlivesABrokerRestart)
{
    runSteps(QString::fromLatin1(startBroker) + QString::fromLatin1(twoGatewaySteps),
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
    EXPECT_THAT(err("refusedFromOutside"), testing::HasSubstr("no sensor message within 2 s"));
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
