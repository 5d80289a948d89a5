// A limited broadcast leaves through each adapter as 255.255.255.255, not as the adapter's
// subnet broadcast: a device whose factory address lies outside every subnet of this PC hears
// FIND DEVICES and SAVE CONFIGURATION too. Proved in a private network namespace with two
// adapters, each looping its broadcasts back to the local sockets with its own index.
#include "core/clock.h"
#include "link/link.h"
#include "link/udp_socket.h"
#include "tests/support/fake_socket.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QProcess>
#include <QUdpSocket>
#include <gtest/gtest.h>
#include <set>

namespace linknode {
namespace {

    constexpr quint16 devicePort = 41024;
    const char* const insideMark = "LINKNODE_TEST_IN_PRIVATE_NETWORK";

    // Two adapters on subnets of their own (veth pairs whose far ends lead nowhere).
    const QString twoAdapters = QStringLiteral("ip link set lo up && "
                                               "for n in 1 2; do "
                                               "ip link add a$n type veth peer name far$n && "
                                               "ip addr add 10.77.$n.1/24 dev a$n && "
                                               "ip link set a$n up && ip link set far$n up; "
                                               "done && exec \"$@\"");

    void sendAndWatch()
    {
        QUdpSocket watcher;
        ASSERT_TRUE(watcher.bind(QHostAddress::AnyIPv4, devicePort));
        Clock clock;
        UdpSocket sendSocket;
        FakeSocket receiveSocket;
        Link link(sendSocket, receiveSocket, clock, devicePort, 2024);
        QString error;
        ASSERT_TRUE(link.bindSend(&error)) << error.toStdString();
        link.setDestination("255.255.255.255");
        ASSERT_TRUE(link.send("enquiry")) << link.lastSendError().toStdString();

        std::set<int> adapters;
        const QDeadlineTimer deadline(5000);
        while (adapters.size() < 2 && !deadline.hasExpired()) {
            if (!watcher.waitForReadyRead(100))
                continue;
            while (watcher.hasPendingDatagrams()) {
                const QNetworkDatagram in = watcher.receiveDatagram();
                EXPECT_EQ(in.destinationAddress().toString().toStdString(), "255.255.255.255")
                    << "through adapter " << in.interfaceIndex();
                adapters.insert(static_cast<int>(in.interfaceIndex()));
            }
        }
        std::set<int> expected;
        for (const char* name : { "a1", "a2" })
            expected.insert(
                QNetworkInterface::interfaceFromName(QString::fromLatin1(name)).index());
        EXPECT_EQ(adapters, expected);
    }

    TEST(LimitedBroadcastPosix, LeavesThroughEachAdapterAsTheLimitedBroadcast)
    {
        if (qEnvironmentVariableIsSet(insideMark)) {
            sendAndWatch();
            return;
        }
        // Outside, the test runs itself again inside a namespace of its own.
        QProcess inside;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(insideMark), QStringLiteral("1"));
        inside.setProcessEnvironment(environment);
        inside.setProcessChannelMode(QProcess::MergedChannels);
        inside.start(QStringLiteral("unshare"),
            { QStringLiteral("-n"), QStringLiteral("sh"), QStringLiteral("-c"), twoAdapters,
                QStringLiteral("sh"), QCoreApplication::applicationFilePath(),
                QStringLiteral("--gtest_filter=LimitedBroadcastPosix.*") });
        const bool finished = inside.waitForFinished(30000);
        if (!finished)
            inside.kill();
        const QByteArray said = inside.readAll();
        if (inside.error() == QProcess::FailedToStart || said.contains("unshare failed")
            || said.contains("Operation not permitted"))
            GTEST_SKIP() << "no private network namespace here: " << said.toStdString();
        ASSERT_TRUE(finished);
        EXPECT_EQ(inside.exitCode(), 0) << said.toStdString();
    }

} // namespace
} // namespace linknode
