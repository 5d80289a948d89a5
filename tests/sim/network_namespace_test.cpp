#include "sim/network_namespace.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <gtest/gtest.h>

namespace linknode::sim {
namespace {

    TEST(NetworkNamespace, OnlyAProvenPrivateNamespaceIsPrivate)
    {
        const QString unreadable = QStringLiteral("cannot read /proc/1/ns/net: Permission denied");
        const struct {
            NamespaceFacts facts;
            bool isPrivate;
            const char* reason;
        } cases[] = {
            { { .own = 4026532281, .initial = 4026531833 }, true, "" },
            { { .own = 4026531833, .initial = 4026531833 }, false, "the system's own" },
            { { .own = 4026532281, .unreadable = unreadable }, false, "Permission denied" },
            { { .initial = 4026531833, .unreadable = QStringLiteral("cannot read /proc/self") },
                false, "/proc/self" },
            // unshare -rn: a user namespace of its own, where pid 1 cannot be read.
            { { .own = 4026532281, .ownedByNestedUserNamespace = true, .unreadable = unreadable },
                true, "" },
        };
        for (const auto& c : cases) {
            const NamespaceVerdict verdict = judgeNamespace(c.facts);
            EXPECT_EQ(verdict.isPrivate, c.isPrivate) << c.reason;
            EXPECT_TRUE(verdict.reason.contains(QString::fromLatin1(c.reason)))
                << verdict.reason.toStdString();
            EXPECT_EQ(verdict.reason.isEmpty(), c.isPrivate) << verdict.reason.toStdString();
        }
    }

    // Outside a private namespace, or with no ip command to run: --manage-addresses is refused
    // before any socket is made (the port is held here, so an attempt to listen would fail with
    // status 1 instead), and without --bind the simulator listens on 127.0.0.1 only.
    TEST(NetworkNamespace, OutsideAPrivateNamespaceTheSimulatorKeepsToLoopback)
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
