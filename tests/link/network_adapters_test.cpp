// A limited broadcast leaves once through every adapter that reaches a subnet, and the link
// logs the adapter of every copy.
#include "core/clock.h"
#include "link/link.h"
#include "link/network_adapters.h"
#include "link/traffic_log.h"
#include "tests/support/fake_socket.h"

#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>

using namespace linknode;

namespace {

NetworkAdapter adapter(int index, const char* name, quint32 address, int prefix, bool up = true,
    bool hasBroadcast = true)
{
    return { index, QString::fromLatin1(name), address,
        prefix == 0 ? 0 : ~quint32 {} << (32 - prefix), up, hasBroadcast };
}

constexpr quint32 ip(int a, int b, int c, int d)
{
    return quint32(a) << 24 | quint32(b) << 16 | quint32(c) << 8 | quint32(d);
}

TEST(BroadcastAdapters, OnePerSubnetOfTheUpAdaptersThatBroadcast)
{
    const std::vector<NetworkAdapter> all = {
        adapter(1, "lo", ip(127, 0, 0, 1), 8, true, false),
        adapter(2, "eth0", ip(192, 168, 5, 2), 24), adapter(3, "eth1", ip(10, 213, 0, 1), 16),
        adapter(4, "eth2", ip(192, 168, 5, 9), 24), // same subnet as eth0
        adapter(5, "eth3", ip(172, 16, 0, 1), 12, false), // down
        adapter(3, "eth1", ip(10, 214, 0, 1), 16), // a second subnet on eth1
    };
    QStringList chosen;
    for (const NetworkAdapter& a : broadcastAdapters(all))
        chosen << a.name + u'/' + QString::number(a.address & 0xFF);
    EXPECT_EQ(chosen.join(u' '), QStringLiteral("eth0/2 eth1/1 eth1/1"));
    EXPECT_TRUE(broadcastAdapters({}).empty());
}

struct LinkOverAdapters : testing::Test {
    Clock clock;
    FakeSocket sendSocket;
    FakeSocket receiveSocket;
    Link link { sendSocket, receiveSocket, clock, 1024, 2024 };
};

TEST_F(LinkOverAdapters, BroadcastGoesOnceThroughEachAdapterUnicastOnce)
{
    sendSocket.adapters
        = { adapter(2, "eth0", ip(192, 168, 5, 2), 24), adapter(3, "eth1", ip(10, 0, 0, 1), 8) };
    QTemporaryDir dir;
    TrafficLog log(clock);
    ASSERT_TRUE(log.open(dir.filePath(QStringLiteral("log.jsonl")), nullptr));
    link.setTrafficLog(&log);

    link.setDestination("255.255.255.255");
    link.send("\xFE\xFF\x02");
    link.setDestination("10.0.0.7");
    link.send("\xFE\xFF\x02");
    ASSERT_EQ(sendSocket.sent.size(), 3u);
    EXPECT_EQ(sendSocket.sent[0].interfaceIndex, 2);
    EXPECT_EQ(sendSocket.sent[1].interfaceIndex, 3);
    EXPECT_EQ(sendSocket.sent[2].interfaceIndex, 0);

    log.flush();
    QFile file(dir.filePath(QStringLiteral("log.jsonl")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_THAT(lines[0].toStdString(), testing::HasSubstr("\"interface\":\"eth0\""));
    EXPECT_THAT(lines[1].toStdString(), testing::HasSubstr("\"interface\":\"eth1\""));
    EXPECT_THAT(lines[2].toStdString(), testing::Not(testing::HasSubstr("interface")));

    // A refused send is logged as failed with the reason.
    sendSocket.failSend = QStringLiteral("Network unreachable");
    link.setDestination("255.255.255.255");
    link.send("\xFE\xFF\x02");
    log.flush();
    file.seek(0);
    const QList<QByteArray> after = file.readAll().trimmed().split('\n');
    ASSERT_EQ(after.size(), 5) << "a failed copy for each adapter";
    for (const QByteArray& failed : after.mid(3)) {
        EXPECT_THAT(failed.toStdString(), testing::HasSubstr("\"dir\":\"fail\""));
        EXPECT_THAT(failed.toStdString(), testing::HasSubstr("\"error\":\"Network unreachable\""));
    }
    EXPECT_EQ(sendSocket.sent.size(), 3u);
}

// A device on a second segment may sit outside every subnet of the PC, where the default
// route leads elsewhere: a unicast to it leaves through the adapter it answered on.
TEST_F(LinkOverAdapters, AUnicastLeavesThroughTheAdapterTheDeviceAnsweredOnAndAFilterLimitsAll)
{
    const QByteArray reply("\xFE\xFF"
                           "0-80-194-1-2-3,10.99.0.5",
        26);
    receiveSocket.inject(reply, QStringLiteral("10.99.0.5"), 1024, 7);
    receiveSocket.inject(reply, QStringLiteral("10.213.0.22"), 1024, 7);
    sendSocket.ownAddresses = { QHostAddress(QStringLiteral("10.213.0.22")) };
    // Heard, never heard, an address of this PC; with no broadcast adapter the system routes
    // the one copy of a broadcast.
    const std::pair<const char*, int> cases[] = { { "10.99.0.5", 7 }, { "10.99.0.6", 0 },
        { "10.213.0.22", 0 }, { "255.255.255.255", 0 } };
    for (const auto& [address, index] : cases) {
        const size_t before = sendSocket.sent.size();
        link.setDestination(address);
        EXPECT_TRUE(link.send("\xFE\xFF\x06"));
        ASSERT_EQ(sendSocket.sent.size(), before + 1) << address;
        EXPECT_EQ(sendSocket.sent.back().interfaceIndex, index) << address;
    }
    sendSocket.failSend = QStringLiteral("Network unreachable");
    EXPECT_FALSE(link.send("\xFE\xFF\x06"));
    EXPECT_THAT(link.lastSendError().toStdString(), testing::HasSubstr("Network unreachable"));

    // An adapter filter limits broadcasts and replies.
    sendSocket.failSend.clear();
    sendSocket.sent.clear();
    sendSocket.adapters
        = { adapter(2, "eth0", ip(192, 168, 5, 2), 24), adapter(3, "lo", ip(10, 0, 0, 1), 8) };
    int replies = 0;
    QObject::connect(&link, &Link::recordReceived, &link, [&] { ++replies; });
    link.setAdapterFilter({ QStringLiteral("lo") });
    link.setDestination("255.255.255.255");
    EXPECT_TRUE(link.send("\xFE\xFF\x02"));
    ASSERT_EQ(sendSocket.sent.size(), 1u);
    EXPECT_EQ(sendSocket.sent[0].interfaceIndex, 3);
    receiveSocket.inject(reply, QStringLiteral("10.0.0.5"), 1024, 0); // not known to come by lo
    receiveSocket.inject(reply, QStringLiteral("10.0.0.5"), 1024, 1); // lo
    EXPECT_EQ(replies, 1);
    link.setAdapterFilter({ QStringLiteral("eth9") });
    EXPECT_FALSE(link.send("\xFE\xFF\x02"));
}

} // namespace
