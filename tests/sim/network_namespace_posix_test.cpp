// Where network namespaces exist, the simulator run outside a private one keeps to loopback.
#include "sim/network_namespace.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <gtest/gtest.h>

namespace linknode::sim {
namespace {

    // Outside a private namespace, or with no ip command to run: --manage-addresses is refused
    // before any socket is made (the port is held here, so an attempt to listen would fail with
    // status 1 instead), and without --bind the simulator listens on 127.0.0.1 only.
    TEST(NetworkNamespacePosix, OutsideAPrivateNamespaceTheSimulatorKeepsToLoopback)
    {
        if (judgeNamespace(readNamespaceFacts()).isPrivate)
            GTEST_SKIP() << "runs in a private network namespace";
        QUdpSocket held;
        ASSERT_TRUE(held.bind(QHostAddress::LocalHost, 0, QAbstractSocket::DontShareAddress));
        const QString port = QString::number(held.localPort());
        const QStringList manage { QStringLiteral("--manage-addresses"), QStringLiteral("--bind"),
            QStringLiteral("127.0.0.1"), QStringLiteral("--port"), port };
        const QTemporaryDir noTools;
        const struct {
            QStringList arguments;
            int status;
            const char* said;
            bool withoutTools = false; // PATH names an empty folder
        } cases[] = {
            { manage, 2, "runs only inside a private network namespace" },
            { manage, 2, "needs the ip command", true },
            { { QStringLiteral("--port"), QStringLiteral("0") }, 0, "devices on 127.0.0.1:" },
        };
        for (const auto& c : cases) {
            QProcess simulator;
            if (c.withoutTools) {
                QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
                environment.insert(QStringLiteral("PATH"), noTools.path());
                simulator.setProcessEnvironment(environment);
            }
            simulator.start(QStringLiteral(LINKNODE_SIM),
                QStringList { QStringLiteral("--preset"), QStringLiteral("all-models"),
                    QStringLiteral("--exit-after"), QStringLiteral("0.3") }
                    + c.arguments);
            const bool finished = simulator.waitForFinished(10000);
            if (!finished)
                simulator.kill();
            ASSERT_TRUE(finished) << c.said;
            const QString said = QString::fromLocal8Bit(simulator.readAllStandardError());
            EXPECT_EQ(simulator.exitCode(), c.status) << said.toStdString();
            EXPECT_TRUE(said.contains(QString::fromLatin1(c.said))) << said.toStdString();
        }
    }

} // namespace
} // namespace linknode::sim
