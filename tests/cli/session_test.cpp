// The command line's discovery over fake sockets, against what any host on the segment can
// send: one entry per MAC, however it is written; a bounded list; junk that never holds the
// discovery open; a reset only to the address a device reports; a site device asked again; a
// replacing device that already holds the old one's serial settings left unchanged; an MQTT
// watch that ends after its seconds, a check that blames a gateway's malformed topic on it,
// show decoding the gateway's settings; an apply told its discovery was cut short; a reply too
// long for a record listed, cut and flagged.
#include "cli/run/session.h"
#include "cli/verbs/fleet_run.h"
#include "cli/verbs/verbs.h"
#include "commands/device_datagrams.h"
#include "config/device_record.h"
#include "core/file_writer.h"
#include "link/envelope.h"
#include "tests/support/fake_socket.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <gmock/gmock.h>

using namespace linknode;
using namespace Qt::StringLiterals;
using testing::ElementsAreArray;
using testing::HasSubstr;

namespace {

QByteArray reply(const std::string& record)
{
    return QByteArray("\xFE\xFF", 2) + QByteArray::fromStdString(record);
}

// "mac,ip" of each entry, in the order listed.
std::vector<std::string> listed(const std::vector<DeviceEntry>& entries)
{
    std::vector<std::string> shown;
    for (const DeviceEntry& entry : entries)
        shown.push_back(
            recordField(entry.record, FLD_MAC) + "," + recordField(entry.record, FLD_IP));
    return shown;
}

class RecordingConsole final : public Console {
public:
    void out(const QString& text) override { output += text; }
    void err(const QString& text) override { errors += text; }
    void progress(const QString&) override { }
    QString output, errors;
};

struct Sockets : testing::Test {
    // Arrivals while the discovery waits, as a burst right after the enquiry.
    void answerWith(const std::vector<std::string>& records)
    {
        std::vector<QByteArray> burst;
        for (const std::string& record : records)
            burst.push_back(reply(record));
        QTimer::singleShot(0, &receiveSocket, [this, burst] { receiveSocket.injectBurst(burst); });
    }

    FakeSocket sendSocket;
    FakeSocket receiveSocket;
    RecordingConsole console;
    CliContext context { console, [this](Console&, const SessionOptions& options) {
                            return std::make_unique<Session>(sendSocket, receiveSocket, options);
                        } };
};

TEST_F(Sockets, DiscoveryListsOneEntryPerMacAndNoMoreThanTheLimit)
{
    const struct {
        const char* what;
        std::vector<std::string> replies;
        size_t mostDevices;
        std::vector<std::string> listed;
        bool limitReached;
        size_t mostRecordBytes = 1000;
        std::vector<std::string> earlier = {};
    } cases[] = { { "one MAC in other digits is one device, a forged spelling first gives way",
                      { "000-080-194-001-002-003,10.0.0.6", "0-80-194-1-2-3,10.0.0.5",
                          "0-80-194-1-2-4,10.0.0.7" },
                      10, { "0-80-194-1-2-3,10.0.0.5", "0-80-194-1-2-4,10.0.0.7" }, false },
        { "a later reply as written replaces the record",
            { "0-80-194-1-2-3,10.0.0.5", "0-80-194-1-2-3,10.0.0.8" }, 10,
            { "0-80-194-1-2-3,10.0.0.8" }, false },
        { "replies past the limit are dropped, known devices still update",
            { "0-80-194-1-2-3,10.0.0.5", "0-80-194-1-2-4,10.0.0.6", "0-80-194-1-2-5,10.0.0.7",
                "0-80-194-1-2-3,10.0.0.9" },
            2, { "0-80-194-1-2-3,10.0.0.9", "0-80-194-1-2-4,10.0.0.6" }, true },
        { "records past the bytes a list holds are dropped, a refresh filling them is not",
            { "0-80-194-1-2-3,10.0.0.5", "0-80-194-1-2-4,10.0.0.66", "0-80-194-1-2-3,10.0.0.55",
                "0-80-194-1-2-3,10.0.0.555" },
            10, { "0-80-194-1-2-3,10.0.0.55" }, true, 24 },
        { "no MAC, no device", { "0-80-194-1-2,10.0.0.5", "0-0-0-0-0-0,10.0.0.6" }, 10, {}, false },
        { "a round asked again goes on from the earlier list, within the same limit",
            { "0-80-194-1-2-3,10.0.0.9", "0-80-194-1-2-5,10.0.0.7", "0-80-194-1-2-6,10.0.0.8" }, 3,
            { "0-80-194-1-2-3,10.0.0.9", "0-80-194-1-2-4,10.0.0.6", "0-80-194-1-2-5,10.0.0.7" },
            true, 1000, { "0-80-194-1-2-3,10.0.0.5", "0-80-194-1-2-4,10.0.0.6" } } };
    for (const auto& c : cases) {
        Session session(sendSocket, receiveSocket,
            { .interfaces = {},
                .mostDevices = c.mostDevices,
                .mostRecordBytes = c.mostRecordBytes });
        answerWith(c.replies);
        std::vector<DeviceEntry> earlier;
        for (const std::string& record : c.earlier)
            earlier.push_back({ record, {}, {} });
        EXPECT_THAT(listed(session.discover({}, 0, earlier)), ElementsAreArray(c.listed)) << c.what;
        EXPECT_EQ(session.deviceLimitReached(), c.limitReached) << c.what;
    }
}

TEST_F(Sockets, AReplyLongerThanARecordListsItsDeviceCutAndFlagged)
{
    // A gateway whose login grew too long: a 5000-byte reply.
    std::string record = "0-80-194-1-2-4,10.0.0.6,255.255.255.0,10.0.0.1,9600,1,0,"
                         "COPYRIGHTqTAVREN 2.4F,1,10.0.0.2,1883,0780,5,16,10,Tav";
    record.resize(4998, 'L');
    answerWith({ "0-80-194-1-2-3,10.0.0.5", record });
    EXPECT_EQ(
        runCli({ u"linknode"_s, u"discover"_s, u"--wait"_s, u"0"_s, u"--flag"_s, u"record-cut"_s,
                   u"--fields"_s, u"mac,flags,record"_s, u"--format"_s, u"csv"_s },
            context),
        ExitSuccess)
        << console.errors.toStdString();
    EXPECT_EQ(console.output.toStdString(),
        "mac,flags,record\r\n0-80-194-1-2-4,record-cut,\"" + record.substr(0, longestRecord)
            + "\"\r\n");
}

TEST_F(Sockets, JunkNeverHoldsTheDiscoveryOpen)
{
    Session session(
        sendSocket, receiveSocket, { .interfaces = {}, .longestFlood = 0.3, .mostDevices = 1 });
    answerWith({ "0-80-194-1-2-3,10.0.0.5" });
    // Past --max-wait and more: no MAC, a device past the limit.
    QTimer junk;
    int sent = 0;
    QObject::connect(&junk, &QTimer::timeout, &receiveSocket, [&] {
        if (++sent < 100)
            receiveSocket.injectBurst({ reply("junk,10.0.0.1"), reply("0-80-194-9-9-9,10.0.0.3") });
    });
    junk.start(10);
    const std::vector<DeviceEntry> entries = session.discover({}, 0);
    junk.stop();
    EXPECT_THAT(listed(entries), ElementsAreArray({ "0-80-194-1-2-3,10.0.0.5" }));
    EXPECT_FALSE(session.floodCut());
    EXPECT_LT(sent, 100) << "the discovery ended while junk still arrived";
}

TEST_F(Sockets, ResetGoesToTheAddressTheDeviceReportsAndNowhereWithoutOne)
{
    const struct {
        const char* record;
        int status;
        std::vector<std::pair<std::string, std::string>> sent; // destination, datagram
        const char* error;
    } cases[] = {
        { "0-80-194-1-2-3,10.0.0.5,255.255.255.0", ExitSuccess,
            { { "255.255.255.255", enquiryDatagram() }, { "10.0.0.5", resetDatagram("10.0.0.5") } },
            "" },
        { "0-80-194-1-2-3,10.0.0.x,255.255.255.0", ExitFailure,
            { { "255.255.255.255", enquiryDatagram() } },
            "reports no address a command can go to (10.0.0.x is not an address" }
    };
    for (const auto& c : cases) {
        sendSocket.sent.clear();
        console.errors.clear();
        answerWith({ c.record });
        EXPECT_EQ(runCli({ u"linknode"_s, u"reset"_s, u"0-80-194-1-2-3"_s }, context), c.status);
        EXPECT_THAT(console.errors.toStdString(), HasSubstr(c.error));
        std::vector<std::pair<std::string, std::string>> sent;
        for (const FakeSocket::Sent& one : sendSocket.sent)
            sent.emplace_back(one.host.toString().toStdString(), one.datagram.toStdString());
        EXPECT_THAT(sent, ElementsAreArray(c.sent)) << c.record;
    }
}

TEST_F(Sockets, AReplacingDeviceHoldingTheOldOnesSettingsIsLeftUnchanged)
{
    // Parity code 3 is no parity with two stop bits; data bits code 1 is 7 bits.
    const std::string settings = ",10.0.0.5,255.255.255.0,10.0.0.1,9600,3,1,COPYRIGHT+TAVREN "
                                 "2.4F,1,10.0.0.2,2101,0780,5,16,10,TavAB";
    QTemporaryDir dir;
    const QString inventory = dir.filePath(u"inventory.json"_s);
    ASSERT_TRUE(writeWholeFile(inventory,
        QByteArray(R"({"format": "linknode-inventory", "version": 1, "devices": [{"mac": )"
                   R"("0-80-194-1-2-3", "record": "0-80-194-1-2-3)")
            + QByteArray::fromStdString(settings) + "\"}]}",
        nullptr));
    answerWith({ "0-80-194-1-2-4" + settings });
    EXPECT_EQ(runCli({ u"linknode"_s, u"replace"_s, u"0-80-194-1-2-3"_s, u"0-80-194-1-2-4"_s,
                         u"--inventory"_s, inventory },
                  context),
        ExitSuccess)
        << console.errors.toStdString();
    EXPECT_EQ(sendSocket.sent.size(), 1u) << "the enquiry only";
}

TEST_F(Sockets, AnMqttWatchEndsAfterItsSeconds)
{
    // A broker on loopback that takes the connection and never answers.
    QTcpServer broker;
    ASSERT_TRUE(broker.listen(QHostAddress::LocalHost));
    answerWith({ "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,9600,1,0,COPYRIGHTqTAVREN 2.4F,1,"
                 "10.0.0.2,1883,0780,5,16,10,TavAB" });
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(runCli({ u"linknode"_s, u"mqtt"_s, u"watch"_s, u"0-80-194-1-2-3"_s, u"--seconds"_s,
                         u"0.3"_s, u"--broker"_s, u"127.0.0.1:%1"_s.arg(broker.serverPort()) },
                  context),
        ExitSuccess)
        << console.errors.toStdString();
    EXPECT_LT(elapsed.elapsed(), 3000);
}

// The MQTT gateway 0-80-194-1-2-3 with these seven login items, each ended by CR.
std::string gatewayRecord(const std::string& items)
{
    return "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,9600,1,0,COPYRIGHTqTAVREN CONDUIT-IP "
           "MQTT 2.4F,1,10.0.0.2,1883,00N0,1,1,1,Tav"
        + items;
}

TEST_F(Sockets, AnMqttCheckBlamesTopicsNoBrokerTakesOnTheGatewayNotTheBroker)
{
    const struct {
        const char* items;
        const char* told;
    } cases[] = {
        { "sensors/#/s%2\r{}\rid\ru\rp\rgw/up\r{}\r",
            "sensor topic \"sensors/#/s%2\" holds a wildcard" },
        { "\r{}\rid\ru\rp\rgw/up\r{}\r", "sensor topic \"\" is empty" },
        { "gw/%6/s%2\r{}\rid\ru\rp\r\xB0\r{}\r", "connect topic \"\\xB0\" is no UTF-8" },
    };
    for (const auto& c : cases) {
        // No broker listens: the check ends before it would connect.
        answerWith({ gatewayRecord(c.items) });
        console.errors.clear();
        EXPECT_EQ(runCli({ u"linknode"_s, u"mqtt"_s, u"check"_s, u"0-80-194-1-2-3"_s }, context),
            ExitFailure);
        EXPECT_THAT(console.errors.toStdString(), HasSubstr("malformed topic: the gateway's"));
        EXPECT_THAT(console.errors.toStdString(), HasSubstr(c.told));
    }
}

TEST_F(Sockets, ShowDecodesTheMqttGatewaysSettings)
{
    answerWith({ gatewayRecord("ha/%M/s%2\r{\"t\":%3}\rgw-7\rgw\rse cret\rha/%M/up\ron\r") });
    ASSERT_EQ(runCli({ u"linknode"_s, u"show"_s, u"0-80-194-1-2-3"_s, u"--format"_s, u"json"_s },
                  context),
        ExitSuccess)
        << console.errors.toStdString();
    const QJsonObject mqtt
        = QJsonDocument::fromJson(console.output.toUtf8()).object()[u"mqtt"_s].toObject();
    EXPECT_EQ(mqtt,
        QJsonObject({ { u"broker"_s, u"10.0.0.2:1883"_s }, { u"topic"_s, u"ha/%M/s%2"_s },
            { u"payload"_s, u"{\"t\":%3}"_s }, { u"clientId"_s, u"gw-7"_s }, { u"user"_s, u"gw"_s },
            { u"password"_s, u"se cret"_s }, { u"connectTopic"_s, u"ha/%M/up"_s },
            { u"connectPayload"_s, u"on"_s } }));
}

TEST_F(Sockets, ASiteDeviceMissingIsAskedForAgainUpToTheRoundsGiven)
{
    // The second device answers the second enquiry only; the third never answers.
    const struct {
        int rounds;
        size_t listed, enquiries;
    } cases[] = { { 1, 1, 1 }, { 2, 2, 2 }, { 3, 2, 3 } };
    for (const auto& c : cases) {
        sendSocket.sent.clear();
        Session session(sendSocket, receiveSocket);
        answerWith({ "0-80-194-1-2-3,10.0.0.5" });
        QTimer late;
        QObject::connect(&late, &QTimer::timeout, &receiveSocket, [&] {
            if (sendSocket.sent.size() == 2 && late.isActive()) {
                late.stop();
                receiveSocket.inject(reply("0-80-194-1-2-4,10.0.0.6"));
            }
        });
        late.start(50);
        std::vector<SiteEntry> entries(3);
        for (quint8 i = 0; i < 3; ++i)
            entries[i].request.mac = { 0, 80, 194, 1, 2, static_cast<quint8>(3 + i) };
        EXPECT_EQ(discoverSite(session, entries, c.rounds).size(), c.listed) << c.rounds;
        EXPECT_EQ(sendSocket.sent.size(), c.enquiries) << c.rounds;
    }
}

TEST_F(Sockets, AnApplyWhoseDiscoveryWasCutShortSaysSo)
{
    QTemporaryDir dir;
    const QString plan = dir.filePath(u"plan.csv"_s);
    ASSERT_TRUE(writeWholeFile(plan, "0-80-194-1-2-3,10.0.0.9\n", nullptr));
    // The device answers again and again, past --max-wait.
    QTimer again;
    int sent = 0;
    QObject::connect(&again, &QTimer::timeout, &receiveSocket, [&] {
        if (++sent < 200)
            receiveSocket.inject(reply("0-80-194-1-2-3,10.0.0.5"));
    });
    again.start(20);
    runCli({ u"linknode"_s, u"apply"_s, plan, u"--check"_s, u"--max-wait"_s, u"0.2"_s }, context);
    EXPECT_THAT(console.errors.toStdString(), HasSubstr("the list may be incomplete"));
}

// A discovery cut short never replaces a good inventory, unless asked to; a diff that no
// device answers says so instead of listing every device missing.
TEST_F(Sockets, AnInventoryStaysWhenTheDiscoveryWasCutShortOrSilent)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"site.json"_s);
    const QByteArray good = R"({"format": "linknode-inventory", "version": 1,
        "devices": [{"mac": "0-80-194-1-2-3", "record": "0-80-194-1-2-3,10.0.0.5"}]})";
    const struct {
        QStringList arguments;
        int status;
        bool flood, kept;
        const char* told;
    } cases[] = {
        { { u"save"_s, file }, ExitFailure, true, true, "cut short" },
        { { u"save"_s, file, u"--allow-incomplete"_s }, ExitSuccess, true, false, "saved" },
        { { u"diff"_s, file }, ExitFailure, false, true, "no device answered" },
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(writeWholeFile(file, good, nullptr));
        console.errors.clear();
        QTimer again;
        int sent = 0;
        QObject::connect(&again, &QTimer::timeout, &receiveSocket, [&] {
            if (++sent < 200)
                receiveSocket.inject(reply("0-80-194-1-2-3,10.0.0.5"));
        });
        if (c.flood)
            again.start(20);
        EXPECT_EQ(runCli(QStringList { u"linknode"_s, u"inventory"_s } + c.arguments
                          + QStringList { u"--max-wait"_s, u"0.2"_s },
                      context),
            c.status)
            << console.errors.toStdString();
        EXPECT_THAT(console.errors.toStdString(), HasSubstr(c.told));
        QFile saved(file);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll() == good, c.kept) << c.arguments.join(u' ').toStdString();
    }
}

} // namespace
