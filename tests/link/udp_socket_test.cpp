#include "link/udp_socket.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

namespace linknode {
namespace {

    const QHostAddress loopback(QHostAddress::LocalHost);

    struct Arrival {
        QByteArray datagram;
        QHostAddress from;
        quint16 fromPort;
    };

    class UdpSocketTest : public testing::Test {
    protected:
        void SetUp() override
        {
            QString error;
            ASSERT_TRUE(receiver.bind(0, &error)) << error.toStdString();
            ASSERT_TRUE(sender.bind(0, &error)) << error.toStdString();
            QObject::connect(&receiver, &DatagramSocket::received, &receiver,
                [this](const QByteArray& datagram, const QHostAddress& from, quint16 port, int) {
                    arrivals.push_back({ datagram, from, port });
                });
        }

        quint16 receiverPort() const { return receiver.findChild<QUdpSocket*>()->localPort(); }

        // Runs events until `count` datagrams arrived or five seconds passed.
        bool waitForArrivals(size_t count)
        {
            const QDeadlineTimer deadline(5000);
            while (arrivals.size() < count && !deadline.hasExpired())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            return arrivals.size() >= count;
        }

        UdpSocket receiver;
        UdpSocket sender;
        std::vector<Arrival> arrivals;
    };

    TEST_F(UdpSocketTest, CarriesEveryByteValueUnchanged)
    {
        QByteArray all;
        for (int code = 0; code < 256; ++code)
            all.append(static_cast<char>(code));
        sender.send(all, loopback, receiverPort());
        ASSERT_TRUE(waitForArrivals(1));
        EXPECT_EQ(arrivals[0].datagram, all);
        EXPECT_EQ(arrivals[0].from.toIPv4Address(), loopback.toIPv4Address());
        EXPECT_EQ(arrivals[0].fromPort, sender.findChild<QUdpSocket*>()->localPort());
    }

    TEST_F(UdpSocketTest, DeliversEachDatagramOnItsOwnEvenInLongBursts)
    {
        // More than one ready-read turn hands on; the rest must follow on later turns.
        constexpr int count = 5000;
        if (receiver.receiveBufferSize() < count * 2048)
            GTEST_SKIP() << "receive buffer too small for the burst without privileges";
        for (int i = 0; i < count; ++i)
            sender.send(QByteArray::number(i), loopback, receiverPort());
        ASSERT_TRUE(waitForArrivals(count)) << arrivals.size() << " arrived";
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(arrivals[static_cast<size_t>(i)].datagram, QByteArray::number(i));
    }

    // A socket that stays ready must not hold the window's timers (its waits) back until it
    // is empty: Qt's event loop lets timers wait while other sources are ready.
    TEST_F(UdpSocketTest, TimersRunWhileABacklogIsTakenIn)
    {
        constexpr int count = 8000;
        if (receiver.receiveBufferSize() < count * 2048)
            GTEST_SKIP() << "receive buffer too small for the burst without privileges";
        for (int i = 0; i < count; ++i)
            sender.send(QByteArray::number(i), loopback, receiverPort());
        QEventLoop loop;
        QTimer ticker;
        int ticksDuringBacklog = 0;
        QObject::connect(&ticker, &QTimer::timeout, &loop, [&] {
            if (arrivals.size() < count)
                ++ticksDuringBacklog;
            else
                loop.quit();
        });
        ticker.start(0);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        ASSERT_EQ(arrivals.size(), size_t { count });
        EXPECT_GE(ticksDuringBacklog, 3);
    }

    // A device at one of this PC's own addresses is reached by the system's route, not an adapter.
    TEST_F(UdpSocketTest, TellsThisPcsOwnAddressesFromOthers)
    {
        EXPECT_TRUE(receiver.isOwnAddress(loopback));
        // From the range kept for documentation: no adapter carries it.
        EXPECT_FALSE(receiver.isOwnAddress(QHostAddress(QStringLiteral("192.0.2.1"))));
    }

    TEST_F(UdpSocketTest, PortTakenFailsWithReasonAlsoWhenHeldWithAddressReuse)
    {
        // Another program may hold the port with SO_REUSEADDR; we must not share it.
        QUdpSocket other;
        ASSERT_TRUE(other.bind(QHostAddress::AnyIPv4, 0, QAbstractSocket::ShareAddress));
        for (const quint16 port : { receiverPort(), other.localPort() }) {
            UdpSocket second;
            QString error;
            EXPECT_FALSE(second.bind(port, &error)) << port;
            EXPECT_FALSE(error.isEmpty());
        }
    }

} // namespace
} // namespace linknode
