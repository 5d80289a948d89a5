#include "sim/journal.h"
#include "sim/presets.h"
#include "sim/simulator.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkDatagram>
#include <QSet>
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

    QByteArray enquiry()
    {
        return "\xFE\xFF\x01\xFF\x01"
               "0.0.0.0\r0.0.0.0\r0.0.0.0\r\xFD\0\0\0\0\0\0"_ba;
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

        void start(std::vector<Device> fleet, SimulatorOptions options = {})
        {
            options.bindAddress = loopback;
            options.port = 0;
            options.replyPort = tool.localPort();
            simulator = std::make_unique<Simulator>(std::move(fleet), options, journal);
            QString error;
            ASSERT_TRUE(simulator->start(&error)) << error.toStdString();
        }

        void send(const QByteArray& datagram)
        {
            ASSERT_EQ(
                tool.writeDatagram(datagram, loopback, simulator->localPort()), datagram.size());
        }

        // Runs events until `done` holds or `ms` passed; false on time-out.
        static bool runUntil(const std::function<bool()>& done, int ms)
        {
            const QDeadlineTimer deadline(ms);
            while (!done() && !deadline.hasExpired())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
            return done();
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
        send(enquiry());
        // A configuration for a device the datagram does not reach is for nobody.
        send("\xFE\xFF\x01\xFF\x01"
             "127.0.0.9\r255.0.0.0\r127.0.0.1\r\xFD\x00\x50\xC2\x00\x00\x02"_ba);
        ASSERT_TRUE(runUntil([this] { return simulator->received() == 2; }, 5000));
        runUntil([] { return false; }, 300); // room for a wrong second reply
        ASSERT_EQ(replies.size(), 1u);
        EXPECT_EQ(replies[0].data(), "\xFE\xFF" + recordText(own));
        EXPECT_EQ(replies[0].senderPort(), simulator->localPort());

        const std::vector<QJsonObject> lines = journalLines();
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].value(u"kind").toString(), u"enquiry");
        EXPECT_EQ(lines[0].value(u"to").toString(), u"127.0.0.1"); // the destination is known
        EXPECT_EQ(lines[0].value(u"from").toString(),
            QStringLiteral("127.0.0.1:%1").arg(tool.localPort()));
        EXPECT_EQ(lines[0].value(u"hex").toString(), QString::fromLatin1(enquiry().toHex()));
        EXPECT_EQ(lines[0].value(u"devices").toArray(),
            (QJsonArray { QStringLiteral("0-80-194-0-0-1"), QStringLiteral("0-80-194-0-0-3") }));
        EXPECT_EQ(lines[0].value(u"replies").toInt(), 1);
        EXPECT_EQ(lines[1].value(u"kind").toString(), u"network-config");
        EXPECT_TRUE(lines[1].value(u"devices").toArray().isEmpty());
    }

    TEST_F(SimulatorTest, EveryReplyOfAJitteredBurstArrives)
    {
        std::vector<Device> fleet = syntheticFleet(300);
        for (Device& d : fleet)
            d.ip = "127.0.0.1";
        SimulatorOptions options;
        options.jitterMs = 50;
        start(fleet, options);
        send(enquiry());
        ASSERT_TRUE(runUntil([this] { return replies.size() >= 300; }, 10000)) << replies.size();
        QSet<QByteArray> distinct;
        for (const QNetworkDatagram& reply : replies)
            distinct.insert(reply.data());
        EXPECT_EQ(distinct.size(), 300);
        simulator->finish();
        const QJsonObject stop = journalLines().back();
        EXPECT_EQ(stop.value(u"event").toString(), u"stop");
        EXPECT_EQ(stop.value(u"sent").toInt(), 300);
        EXPECT_EQ(stop.value(u"sendFailures").toInt(), 0);
    }

    TEST_F(SimulatorTest, DroppedRepliesAreCountedNotSent)
    {
        SimulatorOptions options;
        options.dropRate = 1.0;
        start({ device("0-80-194-0-0-1", "127.0.0.1"), device("0-80-194-0-0-2", "127.0.0.1") },
            options);
        send(enquiry());
        ASSERT_TRUE(runUntil([this] { return simulator->received() == 1; }, 5000));
        runUntil([] { return false; }, 200);
        EXPECT_TRUE(replies.empty());
        EXPECT_EQ(simulator->dropped(), 2);
        EXPECT_EQ(journalLines().front().value(u"dropped").toInt(), 2);
    }

} // namespace
} // namespace linknode::sim
