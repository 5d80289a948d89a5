// The MQTT gateway end to end: a template and a broker saved through the window, the
// simulated gateway publishing to a real mosquitto with a password file and an ACL, and
// linknode mqtt check and watch seeing it; then TLS, a wrong password and a stopped broker.
#include "tests/e2e/cli_site.h"

#include <QStandardPaths>

using namespace linknode;

namespace {

struct SavedTemplate {
    const char* name;
    int item; // of SW_MQTT_CFG_TEMPLATE
    const char* sensorTopic; // what every sensor message's topic starts with
};

const SavedTemplate templates[] = {
    { "Domoticz", 1, "domoticz/in" },
    { "Soti", 2, "SOTICONNECT/clients/observations/json/" },
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
                        "topic readwrite SOTICONNECT/#\n";

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
      "run watch mqtt watch \"$gw\" --count 8 --format json --seconds 30\n"
      "run tls mqtt watch \"$gw\" --count 2 --format json --seconds 30 --tls --cafile ca.crt "
      "--broker 10.213.0.1:8884\n"
      "run notGateway mqtt watch 10.213.0.11 --seconds 1\n"
      "run wrong set \"$gw\" --login "
      "'domoticz/in^13^x^13^id^13^gw^13^wrong^13^domoticz/in^13^x^13^'\n"
      "run refused mqtt check \"$gw\" --seconds 5\n"
      "kill $broker; wait $broker\n"
      "run stopped mqtt check \"$gw\" --seconds 5\n";

class MqttEndToEnd : public CliEndToEnd, public testing::WithParamInterface<SavedTemplate> {
protected:
    void SetUp() override
    {
        CliEndToEnd::SetUp();
        if (IsSkipped())
            return;
        for (const char* program : { "mosquitto", "mosquitto_passwd", "openssl" })
            if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty()
                && QStandardPaths::findExecutable(
                    QString::fromLatin1(program), { QStringLiteral("/usr/sbin") })
                       .isEmpty())
                GTEST_SKIP() << program << " is not installed (Debian: mosquitto, openssl)";
    }
};

TEST_P(MqttEndToEnd, SavedSettingsPublishToTheBrokerAndLinknodeSeesThem)
{
    const SavedTemplate& saved = GetParam();
    write("broker.conf", QByteArray(brokerConfig).replace("DIR", dir.path().toUtf8()));
    write("acl", brokerAcl);
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

} // namespace
