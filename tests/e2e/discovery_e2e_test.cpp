// Discovery end to end: the real tool and the device simulator in a private network.
#include "tests/e2e/simulated_site.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <gmock/gmock.h>

using namespace linknode;

namespace {

class DiscoveryEndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        const QString reason = privateNetworkUnavailable();
        if (!reason.isEmpty())
            GTEST_SKIP() << qPrintable(reason);
    }

    // Runs `steps` (a dump to dump.json is added at the end) against a simulated fleet.
    QJsonObject run(const QByteArray& steps, const QStringList& simulatorArguments)
    {
        const QString dump = site.path(QStringLiteral("dump.json"));
        const RunResult result
            = site.run(steps + "dump " + dump.toUtf8() + "\n", simulatorArguments);
        EXPECT_TRUE(result.finished);
        EXPECT_EQ(result.exitCode, 0) << result.standardError.constData();
        return site.dump(QStringLiteral("dump.json"));
    }

    static QJsonObject control(const QJsonObject& dump, const char* name)
    {
        return SimulatedSite::control(dump, QString::fromLatin1(name));
    }

    static QStringList listed(const QJsonObject& dump)
    {
        QStringList lines;
        for (const QJsonValue& line :
            control(dump, "LST_KRT").value(QStringLiteral("items")).toArray())
            lines << line.toString();
        return lines;
    }

    static int simulatedDevices(const QStringList& simulatorArguments)
    {
        const RunResult result = runInPrivateNetwork(
            QStringLiteral("sim=\"$1\"; shift; \"$sim\" \"$@\" --list-addresses | wc -l >&2"),
            QStringList { QStringLiteral(LINKNODE_SIM) } + simulatorArguments);
        return result.standardError.trimmed().toInt();
    }

    SimulatedSite site;
};

TEST_F(DiscoveryEndToEnd, EveryModelIsListedOnceAlignedAndCounted)
{
    const QStringList fleet { QStringLiteral("--preset"), QStringLiteral("all-models") };
    const int devices = simulatedDevices(fleet);
    ASSERT_GE(devices, 19);
    const QJsonObject dump = run("waitfor B_ASK_CFG visible 20\n", fleet);
    const QStringList lines = listed(dump);
    ASSERT_EQ(lines.size(), devices);
    QSet<QString> macs;
    for (const QString& line : lines) {
        EXPECT_EQ(line.indexOf(u','), lines.front().indexOf(u',')) << line.toStdString();
        macs.insert(line.section(u',', 0, 0).trimmed());
    }
    EXPECT_EQ(macs.size(), devices);
    EXPECT_EQ(control(dump, "AFF_TOT_TERM").value(QStringLiteral("text")).toString(),
        QString::number(devices));
    EXPECT_EQ(control(dump, "AFF_TOT_TERMb").value(QStringLiteral("text")).toString(),
        QString::number(devices).rightJustified(4, u' '));
    EXPECT_TRUE(control(dump, "LST_KRT").value(QStringLiteral("shown")).toBool());
}

TEST_F(DiscoveryEndToEnd, AThousandDevicesAreAllListed)
{
    const QJsonObject dump = run("waitfor B_ASK_CFG visible 30\n",
        { QStringLiteral("--preset"), QStringLiteral("synthetic"), QStringLiteral("--count"),
            QStringLiteral("1000") });
    EXPECT_EQ(listed(dump).size(), 1000);
    EXPECT_EQ(control(dump, "AFF_TOT_TERM").value(QStringLiteral("text")).toString(),
        QStringLiteral("1000"));
}

TEST_F(DiscoveryEndToEnd, SortAndExportWorkOnARealList)
{
    const QString exported = site.path(QStringLiteral("LST_MAC_.TXT"));
    const QJsonObject dump = run("waitfor B_ASK_CFG visible 20\n"
                                 "click B_SORT\n"
                                 "set INP_SAVE "
            + exported.toUtf8() + "\nclick B_SAVE\n",
        { QStringLiteral("--preset"), QStringLiteral("all-models") });
    const QStringList lines = listed(dump);
    ASSERT_FALSE(lines.isEmpty());
    auto octets = [](const QString& line) {
        const QStringList parts = line.section(u',', 1, 1).split(u'.');
        return parts.size() == 4 ? std::array<int, 4> { parts[0].toInt(), parts[1].toInt(),
            parts[2].toInt(), parts[3].toInt() }
                                 : std::array<int, 4> { -1, -1, -1, -1 };
    };
    for (int i = 1; i < lines.size(); ++i)
        EXPECT_LE(octets(lines[i - 1]), octets(lines[i])) << lines[i].toStdString();

    QFile file(exported);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> written = file.readAll().split('\n');
    ASSERT_EQ(written.size(), 2 * lines.size() + 2);
    EXPECT_EQ(written[0], "\r");
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray& row = written[1 + 2 * i];
        EXPECT_TRUE(row.startsWith(lines[i].section(u',', 0, 0).toLatin1() + "   "))
            << row.constData();
        EXPECT_TRUE(row.endsWith(" = _______________________________\r")) << row.constData();
    }
}

TEST_F(DiscoveryEndToEnd, EthernetSwitchConvergesDespiteDroppedReplies)
{
    const QJsonObject dump = run("waitfor B_ASK_CFG visible 20\n"
                                 "check SW_SWITCH 1\n"
                                 "click B_ASK_CFG\n"
                                 "waitfor B_ASK_CFG visible 30\n",
        { QStringLiteral("--preset"), QStringLiteral("synthetic"), QStringLiteral("--count"),
            QStringLiteral("200"), QStringLiteral("--drop"), QStringLiteral("0.05"),
            QStringLiteral("--seed"), QStringLiteral("7") });
    EXPECT_EQ(listed(dump).size(), 200);
}

} // namespace
