// The real binary in a private network namespace, driven through its automation interface.
#include "tests/e2e/private_network.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gmock/gmock.h>

using namespace linknode;

namespace {

class ToolInPrivateNetwork : public testing::Test {
protected:
    void SetUp() override
    {
        const QString reason = privateNetworkUnavailable();
        if (!reason.isEmpty())
            GTEST_SKIP() << qPrintable(reason);
        ASSERT_TRUE(dir.isValid());
    }

    QString write(const QString& name, const QByteArray& text)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }

    static QJsonObject control(const QJsonObject& dump, const QString& name)
    {
        for (const QJsonValue& c : dump.value(QStringLiteral("controls")).toArray())
            if (c.toObject().value(QStringLiteral("name")).toString() == name)
                return c.toObject();
        ADD_FAILURE() << "no control " << qPrintable(name) << " in the dump";
        return {};
    }

    QTemporaryDir dir;
};

// Help and version answer without a display and without opening any socket.
TEST(ToolWithoutDisplay, AnswersHelpAndVersion)
{
    for (const char* option : { "--version", "--help" }) {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral(LINKNODE_TOOL), { QString::fromLatin1(option) });
        ASSERT_TRUE(tool.waitForFinished(10000)) << option;
        EXPECT_EQ(tool.exitCode(), 0) << option << tool.readAllStandardError().constData();
        const QByteArray out = tool.readAllStandardOutput();
        EXPECT_TRUE(out.contains("LINKNODE TOOL 1.3\n") || out.contains("--automation")) << option;
    }
}

TEST_F(ToolInPrivateNetwork, StartsWithTheEnquiryAndTheEmptyListShown)
{
    const QString script = write(QStringLiteral("start.txt"),
        "# after start-up the cycle ends on its own\n"
        "waitfor B_ASK_CFG visible 10\n"
        "dump "
            + dir.filePath(QStringLiteral("dump.json")).toUtf8()
            + "\n"
              "quit\n");
    const QString log = dir.filePath(QStringLiteral("traffic.jsonl"));
    const RunResult run = runInPrivateNetwork(
        QStringLiteral("exec \"$1\" --automation \"$2\" --traffic-log \"$3\""),
        { QStringLiteral(LINKNODE_TOOL), script, log });
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.standardError.constData();

    QFile dumpFile(dir.filePath(QStringLiteral("dump.json")));
    ASSERT_TRUE(dumpFile.open(QIODevice::ReadOnly));
    const QJsonObject dump = QJsonDocument::fromJson(dumpFile.readAll()).object();
    const struct {
        const char* name;
        bool visible;
    } states[] = {
        { "B_ASK_CFG", true },
        { "LST_KRT", false },
        { "AFF_NO_DEV", true },
        { "Text1", true },
        { "FR_CFG", false },
        { "FR_MQTT", false },
        { "AFF_SEL_DEV", false },
    };
    for (const auto& s : states) {
        const QJsonObject c = control(dump, QString::fromLatin1(s.name));
        EXPECT_EQ(c.value(QStringLiteral("visible")).toBool(), s.visible) << s.name;
        EXPECT_EQ(c.value(QStringLiteral("shown")).toBool(), s.visible) << s.name;
    }
    EXPECT_EQ(
        control(dump, QStringLiteral("INP_UDP_MASK")).value(QStringLiteral("text")).toString(),
        QStringLiteral("255.255.255.255"));
    EXPECT_EQ(
        control(dump, QStringLiteral("AFF_TOT_TERM")).value(QStringLiteral("text")).toString(),
        QStringLiteral("0"));
    EXPECT_TRUE(dump.value(QStringLiteral("messages")).toArray().isEmpty());
    // Root may force the large buffer that keeps thousands of replies while the window is busy.
    EXPECT_GE(
        control(dump, QStringLiteral("TCP_RX")).value(QStringLiteral("receiveBuffer")).toInteger(),
        16 * 1024 * 1024);

    QFile traffic(log);
    ASSERT_TRUE(traffic.open(QIODevice::ReadOnly));
    const QJsonObject first = QJsonDocument::fromJson(traffic.readLine()).object();
    EXPECT_EQ(first.value(QStringLiteral("dir")).toString(), QStringLiteral("out"));
    EXPECT_EQ(
        first.value(QStringLiteral("peer")).toString(), QStringLiteral("255.255.255.255:1024"));
    EXPECT_EQ(first.value(QStringLiteral("hex")).toString(),
        QStringLiteral("feff01ff01302e302e302e300d302e302e302e300d302e302e302e300dfd000000000000"));
}

TEST_F(ToolInPrivateNetwork, ReceivePortTakenEndsWithTheMessageAndStatusOne)
{
    const QString hold = write(QStringLiteral("hold.txt"), "wait 20\n");
    const QString none = write(QStringLiteral("none.txt"), "# nothing\n");
    const RunResult run
        = runInPrivateNetwork(QStringLiteral("\"$1\" --automation \"$2\" 2>/dev/null & first=$!\n"
                                             "sleep 2\n"
                                             "\"$1\" --automation \"$3\"; status=$?\n"
                                             "kill $first; exit $status"),
            { QStringLiteral(LINKNODE_TOOL), hold, none });
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.standardError.constData(),
        testing::HasSubstr("ERROR: SWITCH THE LIBRARY IN CONFIG MODE !"));
}

TEST_F(ToolInPrivateNetwork, BadStepExitsWithStatusTwoNamingTheLine)
{
    const QString script = write(QStringLiteral("bad.txt"), "wait 0.1\nclick NO_SUCH_CONTROL\n");
    const RunResult run = runInPrivateNetwork(QStringLiteral("exec \"$1\" --automation \"$2\""),
        { QStringLiteral(LINKNODE_TOOL), script });
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.standardError.constData(), testing::HasSubstr("NO_SUCH_CONTROL"));
    EXPECT_THAT(run.standardError.constData(), testing::HasSubstr("2"));
}

} // namespace
