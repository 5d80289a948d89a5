// Bad input at port 2024 and a window closed in the middle of a sequence: nothing crashes,
// nothing listed is lost or altered, nothing is sent after the close.
#include "tests/commands/command_fixture.h"

#include <QRandomGenerator>
#include <QTimer>

using namespace linknode;
using namespace linknode::test;

namespace {

struct Robustness : LongCommands {

    // Datagrams of every awkward size, then random ones.
    static std::vector<QByteArray> strays()
    {
        std::vector<QByteArray> datagrams;
        for (const int size : { 0, 1, 5, 6, 1472, 65507 }) {
            datagrams.push_back(QByteArray(size, '\xFE'));
            datagrams.push_back(QByteArray("\xFE\xFF", 2) + QByteArray(std::max(size - 2, 0), 'A'));
        }
        QRandomGenerator random(7);
        for (int i = 0; i < 200; ++i) {
            QByteArray bytes(static_cast<qsizetype>(random.bounded(1, 2000)), '\0');
            for (char& b : bytes)
                b = static_cast<char>(random.bounded(256));
            if (i % 2 == 0)
                bytes.replace(0, 2, "\xFE\xFF");
            datagrams.push_back(bytes);
        }
        return datagrams;
    }

    QStringList listed() { return tool[LST_KRT].items(); }
};

TEST_F(Robustness, StrayDatagramsChangeNeitherListNorShownDeviceAndLeaveASaveWhole)
{
    const QStringList before = listed();
    const QString mac = tool[AFF_MAC].text();
    for (const QByteArray& datagram : strays())
        tool.receiveSocket.inject(datagram);
    EXPECT_EQ(listed(), before);
    EXPECT_EQ(tool[AFF_MAC].text(), mac);

    QTimer::singleShot(20, &tool.app.form, [this] {
        for (const QByteArray& datagram : strays())
            tool.receiveSocket.inject(datagram);
    });
    tool.app.save.B_UPDATE_Click();
    int configurations = 0;
    for (const auto& s : tool.sendSocket.sent)
        configurations += s.datagram.startsWith("\xFE\xFF\x01\xFF\x01"
                                                "192.168.5.10");
    EXPECT_EQ(configurations, 10);
    EXPECT_TRUE(tool.app.form.isEnabled());
}

TEST_F(Robustness, OddRecordsAreListedAsTheyAreOrRefusedAndNeverCrashTheView)
{
    const std::string mac = "0-80-194-5-5-";
    std::string thousandFields = mac + "1";
    for (int i = 1; i < 1000; ++i)
        thousandFields += "," + std::to_string(i);
    Record longLogin { .mac = mac + "2", .login = "Tav" + std::string(3900, 'L') };
    Record tooLong = longLogin;
    tooLong.login = "Tav" + std::string(60000, 'L'); // longer than any record: no reply
    std::string everyByte = mac + "3";
    for (int field = 1; field < 16; ++field)
        everyByte += std::string(",\x00\xFF", 3);
    const struct {
        std::string record;
        bool listed;
    } cases[] = { { "no comma at all", false }, { thousandFields, true },
        { longLogin.text(), true }, { tooLong.text(), false },
        { mac + "4,10.0.0.4,255.0.0.0,10.0.0.1,9600,0,0,", true }, // no version
        { mac + "5,10.0.0.5,255.0.0.0,10.0.0.1,9600,0,0,2F", true },
        { mac + "6,10.0.0.6,255.0.0.0,10.0.0.1,9600,0,0,.4F", true }, { everyByte, true },
        { "00-50-C2-01-02-03,10.0.0.7", false } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record.substr(0, 40));
        const int before = static_cast<int>(listed().size());
        tool.receiveSocket.inject(Tool::reply(c.record));
        ASSERT_EQ(static_cast<int>(listed().size()), before + (c.listed ? 1 : 0));
        if (c.listed) {
            tool[LST_KRT].selectRow(before);
            EXPECT_FALSE(tool[FR_CFG].isHidden());
        }
    }
}

struct ClosingDuring : Robustness {
    // Closes the window `afterMs` of real time into `sequence`; nothing may leave after that.
    void expectNothingSentAfterClosing(int afterMs, const std::function<void()>& sequence)
    {
        double closedAt = -1;
        QTimer::singleShot(afterMs, &tool.app.form, [&] {
            closedAt = tool.clock.now();
            tool.app.form.close();
        });
        sequence();
        DELAIS_EVT(tool.clock, 0.5);
        EXPECT_GE(closedAt, 0) << "the window was closed during the sequence";
        for (const auto& s : tool.sendSocket.sent)
            EXPECT_LE(s.time, closedAt) << "sent after the close";
    }
};

TEST_F(ClosingDuring, ASave)
{
    expectNothingSentAfterClosing(30, [this] { tool.app.save.B_UPDATE_Click(); });
}

TEST_F(ClosingDuring, ARename)
{
    expectNothingSentAfterClosing(10, [this] { tool.app.rename.B_RENAME_IP_Click(); });
}

TEST_F(ClosingDuring, TheAutomaticLocate)
{
    expectNothingSentAfterClosing(10, [this] {
        tool[SW_LED_FLASH].setChecked(true);
        tool[SW_SEND_BIP].setChecked(true);
        DELAIS_EVT(tool.clock, 1.0);
    });
}

} // namespace
