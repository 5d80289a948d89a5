#include "sim/journal.h"
#include "sim/loopback_addresses.h"
#include "sim/presets.h"
#include "sim/simulator.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QMap>
#include <QNetworkDatagram>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Real sockets, loopback addresses only.
namespace linknode::sim {
namespace {

    const QHostAddress loopback(QHostAddress::LocalHost);

    using namespace Qt::StringLiterals;

    const QByteArray enquiry
        = "\xFE\xFF\x01\xFF\x01"_ba + "0.0.0.0\r0.0.0.0\r0.0.0.0\r\xFD\0\0\0\0\0\0"_ba;

    QByteArray configuration(const QByteArray& ip, const QByteArray& macBytes)
    {
        return "\xFE\xFF\x01\xFF\x01"_ba + ip
            + "\r255.0.0.0\r127.0.0.1\r127.0.0.9\r4001\r0780\r\xFD"_ba + macBytes
            + "19200\xFC\x01\x00\x00"_ba;
    }

    Device device(const QByteArray& mac, const QByteArray& ip, bool silent = false)
    {
        Device d = syntheticFleet(1).front();
        d.mac = mac;
        d.ip = ip;
        d.mask = "255.0.0.0";
        d.silent = silent;
        return d;
    }

    class SimulatorTest : public testing::Test {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(dir.isValid());
            QString error;
            ASSERT_TRUE(journal.open(dir.filePath(QStringLiteral("journal")), &error));
            ASSERT_TRUE(tool.bind(loopback, 0));
            tool.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 8 << 20);
            QObject::connect(&tool, &QUdpSocket::readyRead, &tool, [this] {
                while (tool.hasPendingDatagrams())
                    replies.push_back(tool.receiveDatagram());
            });
        }

        // Listening on every address lets datagrams to 127.0.0.2 and up reach the simulator;
        // they are still loopback addresses and go nowhere else.
        void start(std::vector<Device> fleet, SimulatorOptions options = {},
            LoopbackAddresses* addresses = nullptr,
            const QHostAddress& bind = QHostAddress(QHostAddress::LocalHost))
        {
            options.bindAddress = bind;
            options.port = 0;
            options.replyPort = tool.localPort();
            simulator = std::make_unique<Simulator>(std::move(fleet), options, journal, addresses);
            QString error;
            ASSERT_TRUE(simulator->start(&error)) << error.toStdString();
        }

        // Sends each datagram and waits until the simulator has taken them all.
        void sendAll(const std::vector<QByteArray>& datagrams, const QHostAddress& to = loopback)
        {
            ASSERT_TRUE(to.isLoopback());
            const qint64 before = simulator->received();
            for (const QByteArray& datagram : datagrams)
                ASSERT_EQ(
                    tool.writeDatagram(datagram, to, simulator->localPort()), datagram.size());
            ASSERT_TRUE(runUntil(
                [&] {
                    return simulator->received() == before + static_cast<qint64>(datagrams.size());
                },
                5000));
        }

        // Runs events until `done` holds or `ms` passed; false on time-out.
        static bool runUntil(const std::function<bool()>& done, int ms)
        {
            const QDeadlineTimer deadline(ms);
            while (!done() && !deadline.hasExpired())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
            return done();
        }

        // Journal line i holds the keys of expected[i] (JSON) with those values, objects key by
        // key; null stands for a key that is not there.
        void expectJournal(const std::vector<const char*>& expected) const
        {
            const std::vector<QJsonObject> lines = journalLines();
            ASSERT_EQ(lines.size(), expected.size());
            for (size_t i = 0; i < lines.size(); ++i)
                expectHas(lines[i], QJsonDocument::fromJson(expected[i]).object(), i);
        }

        static void expectHas(const QJsonObject& line, const QJsonObject& expected, size_t i)
        {
            ASSERT_FALSE(expected.isEmpty()) << "line " << i;
            for (auto it = expected.begin(); it != expected.end(); ++it) {
                const QJsonValue value = line.value(it.key());
                if (it->isObject() && value.isObject()) {
                    expectHas(value.toObject(), it->toObject(), i);
                    continue;
                }
                EXPECT_EQ(value, it->isNull() ? QJsonValue(QJsonValue::Undefined) : *it)
                    << "line " << i << ": " << it.key().toStdString() << " in "
                    << QJsonDocument(line).toJson(QJsonDocument::Compact).toStdString();
            }
        }

        std::vector<QJsonObject> journalLines() const
        {
            QFile file(dir.filePath(QStringLiteral("journal")));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            std::vector<QJsonObject> lines;
            for (const QByteArray& line : file.readAll().split('\n'))
                if (!line.isEmpty())
                    lines.push_back(QJsonDocument::fromJson(line).object());
            return lines;
        }

        QTemporaryDir dir;
        Journal journal;
        QUdpSocket tool;
        std::vector<QNetworkDatagram> replies;
        std::unique_ptr<Simulator> simulator;
    };

    TEST_F(SimulatorTest, UnicastEnquiryIsAnsweredByTheDeviceWithThatAddressOnly)
    {
        const Device own = device("0-80-194-0-0-1", "127.0.0.1");
        start({ own, device("0-80-194-0-0-2", "127.0.0.2"),
            device("0-80-194-0-0-3", "127.0.0.1", true) });
        // A configuration for a device the datagram does not reach is for nobody.
        sendAll({ enquiry,
            "\xFE\xFF\x01\xFF\x01"_ba
                + "127.0.0.9\r255.0.0.0\r127.0.0.1\r\xFD\x00\x50\xC2\x00\x00\x02"_ba });
        runUntil([] { return false; }, 300); // room for a wrong second reply
        ASSERT_EQ(replies.size(), 1u);
        EXPECT_EQ(replies[0].data(), "\xFE\xFF" + recordText(own));
        EXPECT_EQ(replies[0].senderPort(), simulator->localPort());

        // The destination is known.
        expectJournal({ R"({"kind":"enquiry","to":"127.0.0.1","replies":1,"dropped":0,)"
                        R"("devices":["0-80-194-0-0-1","0-80-194-0-0-3"]})",
            R"({"kind":"network-config","devices":[],)"
            R"("rejected":"the device with MAC 0-80-194-0-0-2 was not reached"})" });
        const QJsonObject line = journalLines().front();
        EXPECT_EQ(
            line.value(u"from").toString(), QStringLiteral("127.0.0.1:%1").arg(tool.localPort()));
        EXPECT_EQ(line.value(u"hex").toString(), QString::fromLatin1(enquiry.toHex()));
    }

    TEST_F(SimulatorTest, DroppedRepliesAndConfigurationsAreCountedNotSentOrTaken)
    {
        SimulatorOptions options;
        options.dropRate = 1.0;
        start({ device("0-80-194-0-0-1", "127.0.0.1"), device("0-80-194-0-0-2", "127.0.0.1") },
            options);
        sendAll({ enquiry, configuration("127.0.0.2", "\x00\x50\xC2\x00\x00\x01"_ba) });
        runUntil([] { return false; }, 200);
        EXPECT_TRUE(replies.empty());
        EXPECT_EQ(simulator->dropped(), 3);
        EXPECT_EQ(simulator->fleet()[0].ip, "127.0.0.1");
        expectJournal({ R"({"dropped":2,"replies":0})",
            R"({"skipped":{"0-80-194-0-0-1":"dropped"},"applied":null,"rejected":null})" });
    }

    TEST_F(SimulatorTest, FloodRepeatsTheFirstDevicesReplyToEveryEnquiry)
    {
        SimulatorOptions options;
        options.floodCount = 2000;
        options.floodSeconds = 0.2;
        start({ device("0-80-194-0-0-1", "127.0.0.1"), device("0-80-194-0-0-2", "127.0.0.1") },
            options);
        sendAll({ enquiry, enquiry });
        ASSERT_TRUE(runUntil([this] { return replies.size() >= 2 * 2002; }, 10000))
            << replies.size();
        runUntil([] { return false; }, 100); // room for a copy too many
        QMap<QByteArray, int> copies;
        for (const QNetworkDatagram& reply : replies)
            ++copies[reply.data()];
        ASSERT_EQ(copies.size(), 2);
        EXPECT_EQ(copies.value("\xFE\xFF" + recordText(simulator->fleet()[0])), 2 * 2001);
        EXPECT_EQ(copies.value("\xFE\xFF" + recordText(simulator->fleet()[1])), 2);
        expectJournal({ R"({"replies":2,"flood":2000})", R"({"replies":2,"flood":2000})" });
    }

    // Notes what it was asked to do, and does nothing.
    struct RecordedAddresses final : LoopbackAddresses {
        QString add(const QByteArray& address) override { return note("add " + address); }
        QString remove(const QByteArray& address) override { return note("remove " + address); }
        QString note(const QByteArray& call)
        {
            calls.append(call);
            return {};
        }
        QList<QByteArray> calls;
    };

    // Then a reset keeps it deaf for its own pause.
    TEST_F(SimulatorTest, ConfiguredDeviceAnswersAtItsNewAddressWithItsNewRecord)
    {
        RecordedAddresses addresses;
        SimulatorOptions options;
        options.restartPause = 0.3;
        options.resetPause = 0.2;
        start({ device("0-80-194-0-0-1", "127.0.0.1") }, options, &addresses,
            QHostAddress(QHostAddress::AnyIPv4));
        const QByteArray move = configuration("127.0.0.2", "\x00\x50\xC2\x00\x00\x01"_ba);
        const QHostAddress moved(QStringLiteral("127.0.0.2"));
        sendAll({ move });
        // The repeats find the device at its new address, restarting at first.
        sendAll({ move }, moved);
        runUntil([] { return false; }, 300);
        sendAll({ move, configuration("127.0.0.7", "\x00\x50\xC2\x00\x00\x09"_ba) }, moved);
        sendAll({ enquiry }, QHostAddress(QStringLiteral("127.0.0.1")));
        sendAll({ enquiry }, moved);
        ASSERT_TRUE(runUntil([this] { return !replies.empty(); }, 5000));
        runUntil([] { return false; }, 200); // room for a wrong second reply
        ASSERT_EQ(replies.size(), 1u);
        EXPECT_EQ(replies[0].data(),
            "\xFE\xFF"_ba
                + "0-80-194-0-0-1,127.0.0.2,255.0.0.0,127.0.0.1,19200,1,0,"
                  "COPYRIGHT+TAVREN KRT-40 2.4F,0,127.0.0.9,4001,0780,5,16,10,Tav");
        EXPECT_EQ(replies[0].senderAddress(), moved);
        EXPECT_EQ(addresses.calls, (QList<QByteArray> { "add 127.0.0.2", "remove 127.0.0.1" }));

        sendAll({ "\xFE\xFF\x06"_ba + "127.0.0.2", enquiry }, moved);
        runUntil([] { return false; }, 250);
        sendAll({ enquiry }, moved);
        ASSERT_TRUE(runUntil([this] { return replies.size() == 2; }, 5000));

        // Once back, the repeated configuration moves nothing and restarts nothing.
        expectJournal({ R"({"applied":{"ip":"127.0.0.2","silentFor":0.3,)"
                        R"("addressAdded":"127.0.0.2","addressRemoved":"127.0.0.1"}})",
            R"({"skipped":{"0-80-194-0-0-1":"restarting"}})",
            R"({"applied":{"ip":"127.0.0.2","addressAdded":null,"silentFor":null}})",
            R"({"rejected":"no simulated device has MAC 0-80-194-0-0-9"})", R"({"replies":0})",
            R"({"replies":1})", R"({"applied":{"silentFor":0.2}})",
            R"({"skipped":{"0-80-194-0-0-1":"resetting"}})", R"({"replies":1})" });
    }

    TEST_F(SimulatorTest, SharedAddressesStayAndOnlyTheFleetsSubnetsAreManaged)
    {
        const std::vector<Device> fleet { device("0-80-194-0-0-1", "127.0.0.1"),
            device("0-80-194-0-0-2", "127.0.0.3"), device("0-80-194-0-0-3", "127.0.0.1") };
        RecordedAddresses addresses;
        start(fleet, {}, &addresses);
        // From 127.0.0.1, which the third device keeps, to 127.0.0.3, which the second has.
        sendAll({ configuration("127.0.0.3", "\x00\x50\xC2\x00\x00\x01"_ba) });
        EXPECT_TRUE(addresses.calls.isEmpty());
        EXPECT_EQ(simulator->fleet()[0].ip, "127.0.0.3");
        // The third device takes a host's address outside 127.0.0.0/8: it moves, lo does not
        // get the address, and the one it left, which no device holds now, goes.
        sendAll({ configuration("8.8.8.8", "\x00\x50\xC2\x00\x00\x03"_ba) });
        EXPECT_EQ(simulator->fleet()[2].ip, "8.8.8.8");
        EXPECT_EQ(addresses.calls, QList<QByteArray> { "remove 127.0.0.1" });

        start(fleet);
        sendAll({ configuration("127.0.0.5", "\x00\x50\xC2\x00\x00\x01"_ba) });
        EXPECT_EQ(simulator->fleet()[0].ip, "127.0.0.5");
        expectJournal({ R"({"applied":{"ip":"127.0.0.3","addressAdded":null}})",
            R"({"applied":{"ip":"8.8.8.8","addressAdded":null,"addressRemoved":"127.0.0.1",)"
            R"("addressError":"8.8.8.8 is outside the fleet's subnets: not put on lo"}})",
            R"({"applied":{"ip":"127.0.0.5","addressAdded":null,"addressRemoved":null}})" });
    }

    // The prefix announces one frame; an enquiry between them does not spoil it. The enquiry
    // limit is told once, right after the enquiry it names, whatever came between.
    TEST_F(SimulatorTest, TerminalFrameIsTakenOnlyRightAfterItsPrefix)
    {
        SimulatorOptions options;
        options.exitAfterEnquiries = 2;
        start({ device("0-80-194-0-0-1", "127.0.0.1") }, options);
        std::vector<qint64> toldAt;
        QObject::connect(simulator.get(), &Simulator::enquiryLimitReached, simulator.get(),
            [&] { toldAt.push_back(simulator->received()); });
        const QByteArray prefix = "\x01\xFF\xFF\x54"_ba;
        const QByteArray led = "\x02\xB3\xB3\xB3\xC7"_ba + "36001DC\x03\x03";
        sendAll({ prefix, enquiry, led, led, prefix, "\x01\xFF\xFF\x41\xFA"_ba, led, enquiry,
            enquiry });
        EXPECT_EQ(toldAt, (std::vector<qint64> { 8 }));
        EXPECT_EQ(simulator->fleet()[0].state.ledFlashes, 1);
        const char* unannounced
            = R"({"announced":false,"rejected":"frame without 01 FF FF \"T\" right before it"})";
        expectJournal({ R"({"kind":"terminal-prefix"})", R"({"kind":"enquiry"})",
            R"({"announced":true,"applied":{"locate":"led-flash"}})", unannounced,
            R"({"kind":"terminal-prefix"})", R"({"kind":"terminal-mode"})", unannounced,
            R"({"kind":"enquiry"})", R"({"kind":"enquiry"})" });
    }

} // namespace
} // namespace linknode::sim
