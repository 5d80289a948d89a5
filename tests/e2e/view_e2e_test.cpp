// Every model of the simulator's all-models fleet selected through the automation driver:
// the view shows the model caption, picture and frames the device calls for.
#include "tests/e2e/private_network.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gmock/gmock.h>

using namespace linknode;

namespace {

struct ExpectedView {
    const char* caption;
    int picture; // 0: not checked
    const char* shown; // frames and controls expected visible (own flag), blank-separated
    const char* hidden;
};

// The fleet sorted by IP: 10.213.0.11 first, one line per preset board.
const ExpectedView fleet[] = {
    { "Keyra 2.4F", 2, "FR_CFG FR_MODE FR_SERIAL_CFG", "FR_WIEGAND FR_MQTT FR_PANORAMA_MODE" },
    { "Pelix 2.2F", 3, "FR_MODE FR_NTP", "FR_WIEGAND" },
    { "ConduitBioscrypt 2.4F", 5, "SW_BIOSCRYPT FR_BIOSCRYPT_PREFIX", "FR_WIEGAND" },
    { "ConduitQuillmark 2.4F", 10, "FR_WIEGAND", "FR_PANORAMA_MODE" },
    { "Conduit V2 2.3A", 6, "FR_WIEGAND", "SW_10BASET" },
    { "Conduit V3 2.3W", 7, "FR_WIEGAND SW_10BASET", "" },
    { "Conduit V4 2.4F", 12, "FR_WIEGAND SW_AUXRS232", "" },
    { "Conduit V4 Modbus 2.4F Modbus Zephyr-Pod", 12, "FR_WIEGAND", "FR_MODE FR_LOGIN SW_TIMEOUT" },
    { "Rotagate V1 2.4F", 13, "FR_WIEGAND", "" },
    { "QD Panorama V2 2.4F", 8, "FR_PANORAMA_MODE FR_NTP", "FR_WIEGAND" },
    { "QD-71R V5 2.4F", 11, "FR_PANORAMA_MODE", "FR_WIEGAND" },
    { "KRT-40/NX V5 2.3F", 9, "FR_WIEGAND FR_LOGIN", "FR_PANORAMA_MODE" },
    { "KRT-40/NX V6 2.4F", 14, "FR_WIEGAND FR_SERIAL_CFG PIC_V6_AUX",
        "FR_CONDUIT_AUTOBOOT AFF_DHCP_IP" },
    { "KRT-40/NX V6 Cloud 2.4F", 15, "FR_WIEGAND AFF_DHCP_IP FR_TERM_NO",
        "FR_SERIAL_CFG FR_CONDUIT_AUTOBOOT" },
    { "Conduit-IP MQTT 2.4F Zephyr-Pod", 12, "FR_MQTT AFF_DHCP_IP FR_WIEGAND",
        "FR_MODE SW_TIMEOUT" },
    { "KRT-40/NX V5 1.2B", 9, "TXT_MODE_NOT_AVAILABLE", "FR_LOGIN SW_AUTO_BOOT" },
    { "1.0A", 0, "TXT_MODE_NOT_AVAILABLE", "" },
    { "KRT-40/NX V6 2.4F Encrypted", 14, "PIC_ENCRYPTED", "" },
    { "Conduit V4 2.4F Zephyr-Pod", 12, "SW_AUXRS232", "" },
    { "2.2E", 4, "SW_CONDUIT(0)", "FR_WIEGAND" },
};

class ViewEndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        const QString reason = privateNetworkUnavailable();
        if (!reason.isEmpty())
            GTEST_SKIP() << qPrintable(reason);
    }

    static QJsonObject control(const QJsonObject& dump, const QString& name)
    {
        for (const QJsonValue& c : dump.value(QStringLiteral("controls")).toArray())
            if (c.toObject().value(QStringLiteral("name")).toString() == name)
                return c.toObject();
        ADD_FAILURE() << "no control " << name.toStdString();
        return {};
    }

    QTemporaryDir dir;
};

TEST_F(ViewEndToEnd, EveryModelShowsItsCaptionPictureAndFrames)
{
    QByteArray steps = "waitfor B_ASK_CFG visible 20\nclick B_SORT\n";
    for (size_t i = 0; i < std::size(fleet); ++i)
        steps += "select LST_KRT " + QByteArray::number(static_cast<int>(i)) + "\ndump "
            + dir.filePath(QStringLiteral("view%1.json").arg(i)).toUtf8() + "\n";
    steps += "quit\n";
    QFile script(dir.filePath(QStringLiteral("script.txt")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(steps);
    script.close();

    const RunResult run = runInPrivateNetwork(
        QStringLiteral("for a in $(\"$1\" --preset all-models --list-addresses); do ip addr add "
                       "\"$a/32\" dev lo; done\n"
                       "\"$1\" --preset all-models 2>/dev/null & simulator=$!\n"
                       "sleep 0.5\n"
                       "\"$2\" --automation \"$3\"; status=$?\n"
                       "kill $simulator; exit $status"),
        { QStringLiteral(LINKNODE_SIM), QStringLiteral(LINKNODE_TOOL), script.fileName() }, 120000);
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.standardError.constData();

    for (size_t i = 0; i < std::size(fleet); ++i) {
        const ExpectedView& expected = fleet[i];
        QFile file(dir.filePath(QStringLiteral("view%1.json").arg(i)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << i;
        const QJsonObject dump = QJsonDocument::fromJson(file.readAll()).object();
        SCOPED_TRACE(expected.caption);
        EXPECT_EQ(control(dump, QStringLiteral("AFF_VER")).value(QStringLiteral("text")).toString(),
            QString::fromLatin1(expected.caption));
        if (expected.picture != 0) {
            EXPECT_EQ(control(dump, QStringLiteral("PIC_PROD(0)"))
                          .value(QStringLiteral("picture"))
                          .toInt(),
                expected.picture);
        }
        for (const QString& name :
            QString::fromLatin1(expected.shown).split(u' ', Qt::SkipEmptyParts))
            EXPECT_TRUE(control(dump, name).value(QStringLiteral("visible")).toBool())
                << name.toStdString();
        for (const QString& name :
            QString::fromLatin1(expected.hidden).split(u' ', Qt::SkipEmptyParts))
            EXPECT_FALSE(control(dump, name).value(QStringLiteral("visible")).toBool())
                << name.toStdString();
        EXPECT_EQ(control(dump, QStringLiteral("LST_KRT")).value(QStringLiteral("tag")).toString(),
            QStringLiteral("0"));
    }
}

} // namespace
