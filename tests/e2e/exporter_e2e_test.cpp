// linknode exporter end to end: the simulator's devices, the exporter asking every 5 s, and a
// real Prometheus scraping it every second with the shipped alert rules (their 5 minutes made
// 1 s); promtool checks the rules and a scrape. A device stopped fires its alert, one changed
// behind the site file's back shows its drift, SIGTERM ends the exporter with status 0. Then
// the MQTT gateway's broker: the age of its last message there.
#include "tests/e2e/cli_site.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace linknode;
using testing::HasSubstr;
using testing::Not;

namespace {

const QString sourceDir = QStringLiteral(LINKNODE_SOURCE_DIR);

// Waits on HTTP inside the namespace, where only loopback and the devices' segment lead:
//   wait URL TEXT SECONDS OUT      until the body holds TEXT, kept in OUT
//   alert NAME MAC SECONDS OUT     until Prometheus has the alert firing for MAC
//   query EXPR OUT                 one query of Prometheus's API
//   queries DASHBOARD OUT          every query of a Grafana dashboard ($instance: any)
const char* httpScript = R"(import json, sys, time, urllib.parse, urllib.request
api = "http://127.0.0.1:9090/api/v1/"
def get(url):
    with urllib.request.urlopen(url, timeout=5) as reply:
        return reply.read()
def query(expr):
    try:
        return json.loads(get(api + "query?" + urllib.parse.urlencode({"query": expr})))
    except OSError as error:
        return {"status": "error", "error": str(error)}
def until(seconds, found):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            body = get(sys.argv[2] if sys.argv[1] == "wait" else api + "alerts")
            if found(body):
                return body
        except OSError:
            pass
        time.sleep(0.25)
    return None
action = sys.argv[1]
if action == "wait":
    body = until(float(sys.argv[4]), lambda body: sys.argv[3].encode() in body)
elif action == "alert":
    def firing(body):
        return any(a["labels"].get("alertname") == sys.argv[2] and a["labels"].get("mac") == sys.argv[3]
                   and a["state"] == "firing" for a in json.loads(body)["data"]["alerts"])
    body = until(float(sys.argv[4]), firing)
elif action == "query":
    body = json.dumps(query(sys.argv[2])).encode()
else:
    exprs = [t["expr"] for p in json.load(open(sys.argv[2]))["panels"] for t in p["targets"]]
    body = json.dumps({e: query(e.replace("$instance", ".*"))["status"] for e in exprs}).encode()
if body is None:
    sys.exit(1)
open(sys.argv[-1], "wb").write(body)
)";

// Three client-mode terminals; after the restart the first is gone and the second answers
// with another host port.
QByteArray fleet(bool restarted)
{
    QByteArray devices;
    for (int n = restarted ? 2 : 1; n <= 3; ++n)
        devices += QStringLiteral(R"(%1{"mac": "0-80-194-3-3-%2", "ip": "10.213.0.3%2",
            "mask": "255.255.255.0", "gateway": "10.213.0.1",
            "version": "COPYRIGHT+TAVREN KRT 2.4F", "mode": "1", "hostIp": "10.213.0.1",
            "hostPort": "%3", "options": "0700"})")
                       .arg(devices.isEmpty() ? QString() : QStringLiteral(","))
                       .arg(n)
                       .arg(restarted && n == 2 ? 4023 : 23)
                       .toUtf8();
    return "{\"devices\": [" + devices + "]}";
}

struct Tool {
    int exitCode = -1;
    QByteArray output;
};

Tool promtool(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("promtool"), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return {};
    return { process.exitCode(), process.readAll() };
}

class ExporterEndToEnd : public CliEndToEnd {
protected:
    void SetUp() override
    {
        CliEndToEnd::SetUp();
        if (IsSkipped())
            return;
        for (const char* program : { "prometheus", "promtool", "python3" })
            if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty())
                GTEST_SKIP() << program << " is not installed (Debian: prometheus, python3)";
        write("ask.py", httpScript);
    }

    QJsonObject document(const char* name) const
    {
        return QJsonDocument::fromJson(read(QString::fromLatin1(name))).object();
    }
};

TEST_F(ExporterEndToEnd, ADeviceStoppedFiresItsAlertAndOneChangedShowsItsDrift)
{
    const QString rules
        = sourceDir + QStringLiteral("/integrations/prometheus/linknode-alerts.yml");
    const Tool checked = promtool({ QStringLiteral("check"), QStringLiteral("rules"), rules });
    EXPECT_EQ(checked.exitCode, 0) << checked.output.constData();
    const QByteArray shortened = fileText(rules).replace("for: 5m", "for: 1s");
    ASSERT_TRUE(shortened.contains("for: 1s"));
    write("rules.yml", shortened);
    write("prometheus.yml",
        QStringLiteral("global: {scrape_interval: 1s, evaluation_interval: 1s}\n"
                       "rule_files: [%1]\n"
                       "scrape_configs:\n"
                       "  - job_name: linknode\n"
                       "    scrape_timeout: 1s\n"
                       "    static_configs: [{targets: ['127.0.0.1:9464']}]\n")
            .arg(dir.filePath(QStringLiteral("rules.yml")))
            .toUtf8());
    write("after.json", fleet(true));
    const QString dashboard
        = sourceDir + QStringLiteral("/integrations/grafana/linknode-dashboard.json");

    runSteps(QStringLiteral(R"(http() { python3 "$D/ask.py" "$@"; }
run save inventory save "$D/site.json"
prometheus --config.file="$D/prometheus.yml" --storage.tsdb.path="$D/tsdb" \
    --web.listen-address=127.0.0.1:9090 >"$D/prometheus.log" 2>&1 & prometheus=$!
http wait http://127.0.0.1:9090/-/ready Ready 20 "$D/ready"
run busy exporter --listen 127.0.0.1:9090
"$L" exporter --every 5 --site "$D/site.json" >"$D/exporter.out" 2>"$D/exporter.err" & exporter=$!
http wait http://127.0.0.1:9464/metrics 'linknode_device_up{mac="0-80-194-3-3-1"' 10 "$D/before.txt"
http query 'ALERTS{alertstate="firing"}' "$D/none.json"
kill $simulator; wait $simulator
"$sim" --fleet "$D/after.json" 2>/dev/null & simulator=$!
http alert LinknodeDeviceDown 0-80-194-3-3-1 40 "$D/alerts.json"
http wait http://127.0.0.1:9464/metrics 'field="hostPort"' 10 "$D/after.txt"
http query 'linknode_device_drift == 1' "$D/drift.json"
http queries "%1" "$D/dashboard.json"
kill -TERM $exporter; wait $exporter; echo $? >"$D/exporter.status"
kill $prometheus; wait $prometheus)")
                 .arg(dashboard),
        { QStringLiteral("--fleet"), write("before.json", fleet(false)) });

    EXPECT_EQ(status("save"), 0) << err("save");
    EXPECT_EQ(status("busy"), 1);
    EXPECT_THAT(err("busy"), HasSubstr("127.0.0.1:9090"));
    EXPECT_THAT(err("busy"), HasSubstr("in use"));

    const QByteArray before = read(QStringLiteral("before.txt"));
    EXPECT_THAT(before.toStdString(),
        HasSubstr("linknode_device_up{mac=\"0-80-194-3-3-1\",ip=\"10.213.0.31\",model=\"KRT-40/NX "
                  "V5 2.4F\"} 1"));
    EXPECT_THAT(before.toStdString(), HasSubstr("linknode_site_missing{mac=\"0-80-194-3-3-1\"} 0"));
    EXPECT_THAT(before.toStdString(), Not(HasSubstr("linknode_device_drift{")));
    for (const char* scrape : { "before.txt", "after.txt" }) {
        const Tool lint = promtool({ QStringLiteral("check"), QStringLiteral("metrics") },
            read(QString::fromLatin1(scrape)));
        EXPECT_EQ(lint.exitCode, 0) << scrape << ": " << lint.output.constData();
        EXPECT_EQ(lint.output, QByteArray()) << scrape;
    }

    // The alert fires once the device missed three rounds; before the stop none did.
    EXPECT_EQ(document("none.json")[u"data"][u"result"], QJsonArray())
        << read(QStringLiteral("none.json")).constData();
    const QJsonArray alerts = document("alerts.json")[u"data"][u"alerts"].toArray();
    ASSERT_FALSE(alerts.isEmpty())
        << "LinknodeDeviceDown never fired; exporter said: " << err("exporter");
    const QByteArray after = read(QStringLiteral("after.txt"));
    EXPECT_THAT(after.toStdString(),
        HasSubstr("linknode_device_up{mac=\"0-80-194-3-3-1\",ip=\"10.213.0.31\",model=\"KRT-40/NX "
                  "V5 2.4F\"} 0"));
    EXPECT_THAT(after.toStdString(), HasSubstr("linknode_site_missing{mac=\"0-80-194-3-3-1\"} 1"));
    EXPECT_THAT(after.toStdString(), HasSubstr("linknode_devices 2"));

    // Only the changed device drifts, in its host port alone; Prometheus has it too.
    const QJsonArray drift = document("drift.json")[u"data"][u"result"].toArray();
    ASSERT_EQ(drift.size(), 1) << read(QStringLiteral("drift.json")).constData();
    EXPECT_EQ(drift[0][u"metric"][u"mac"].toString(), QStringLiteral("0-80-194-3-3-2"));
    EXPECT_EQ(drift[0][u"metric"][u"field"].toString(), QStringLiteral("hostPort"));

    // Every query of the dashboard is one Prometheus takes.
    const QJsonObject queries = document("dashboard.json");
    EXPECT_GT(queries.size(), 5);
    for (auto it = queries.begin(); it != queries.end(); ++it)
        EXPECT_EQ(it.value().toString(), QStringLiteral("success")) << it.key().toStdString();

    EXPECT_EQ(read(QStringLiteral("exporter.status")).trimmed(), "0") << err("exporter");
    EXPECT_EQ(read(QStringLiteral("exporter.out")), QByteArray());
}

// The age the exporter gave the gateway's last message in a scrape; -1 without one.
double messageAge(const QByteArray& scrape)
{
    static const QRegularExpression sample(
        QStringLiteral(R"(^linknode_mqtt_last_message_age_seconds\{mac="[^"]+"\} (\S+)$)"),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = sample.match(QString::fromUtf8(scrape));
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

// The all-models gateway publishes every second to a broker at 10.213.0.1:1883; once the
// broker stops, the age of its last message grows.
TEST_F(ExporterEndToEnd, TheAgeOfAGatewaysLastMessageOnItsBroker)
{
    const QString broker = QStringLiteral("mosquitto");
    if (QStandardPaths::findExecutable(broker, { QStringLiteral("/usr/sbin") }).isEmpty())
        GTEST_SKIP() << "mosquitto is not installed (Debian: mosquitto)";
    write("broker.conf",
        "listener 1883 10.213.0.1\nallow_anonymous true\npersistence false\nuser root\n");
    runSteps(QStringLiteral(R"(http() { python3 "$D/ask.py" "$@"; }
PATH=$PATH:/usr/sbin
mosquitto -c "$D/broker.conf" 2>"$D/broker.log" & broker=$!
"$L" exporter --every 5 --mqtt >"$D/exporter.out" 2>"$D/exporter.err" & exporter=$!
http wait http://127.0.0.1:9464/metrics linknode_mqtt_last_message_age_seconds 15 "$D/first.txt"
sleep 2
http wait http://127.0.0.1:9464/metrics linknode_mqtt 5 "$D/live.txt"
kill $broker; wait $broker
sleep 4
http wait http://127.0.0.1:9464/metrics linknode_mqtt 5 "$D/silent.txt"
kill -TERM $exporter; wait $exporter; echo $? >"$D/exporter.status")"),
        allModels + QStringList { QStringLiteral("--mqtt-every"), QStringLiteral("1") });

    const double live = messageAge(read(QStringLiteral("live.txt")));
    EXPECT_GE(live, 0) << read(QStringLiteral("live.txt")).constData();
    EXPECT_LT(live, 3);
    EXPECT_GE(messageAge(read(QStringLiteral("silent.txt"))), 3);
    EXPECT_THAT(err("exporter"), HasSubstr("10.213.0.1:1883: connection lost"));
    EXPECT_EQ(read(QStringLiteral("exporter.status")).trimmed(), "0") << err("exporter");
}

} // namespace
