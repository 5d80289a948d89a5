// RENAME IP on the window: every listed device gets its address by MAC in list order, from a
// snapshot taken at the start, and a plan that would leave a device unreachable sends nothing.
#include "tests/commands/command_fixture.h"
#include "tests/support/refused_values.h"

#include <QTest>
#include <QTimer>

using namespace linknode;
using namespace linknode::test;
using namespace Qt::StringLiterals;

namespace {

struct Rename : LongCommands {

    void SetUp() override
    {
        LongCommands::SetUp();
        // Three boards: a V6 terminal and a Conduit take 9600 bauds, the V5 terminal 57600.
        const std::pair<const char*, const char*> boards[]
            = { { "0-80-194-1-2-4", "COPYRIGHToTAVREN KRT-40 V6 2.4F" },
                  { "0-80-194-1-2-5", "COPYRIGHT!TAVREN CONDUIT V4 2.4F" } };
        for (const auto& [mac, version] : boards) {
            Record board { .mac = mac,
                .gate = std::string("192.168.009.") + mac[13],
                .version = version,
                .options = "0000" };
            tool.receiveSocket.inject(Tool::reply(board.text()));
        }
        Record shown { .version = "COPYRIGHT+TAVREN KRT-40 2.3F", .options = "0780" };
        select(shown);
        tool.sendSocket.sent.clear();
    }

    void rename() { tool.app.rename.B_RENAME_IP_Click(); }

    static QByteArray configuration(
        const char* ip, const char* gate, const char* mac, const QByteArray& baud)
    {
        return QByteArray("\xFE\xFF\x01\xFF\x01") + ip + "\r255.255.0.0\r" + gate
            + "\r0.0.0.0\r23\r0780\r\xFD" + QByteArray::fromHex(mac) + baud
            + QByteArray("\xFC\x00\x00\x00", 4);
    }
};

TEST_F(Rename, NumbersTheDevicesInListOrderByTheirMac)
{
    // Broadcast whatever the send address, each address written as plain numbers.
    tool[INP_UDP_MASK].setText(u"192.168.5.10"_s);
    tool[INP_AUTO_IP].setText(u"192.168.005."_s);
    QString progress;
    bool barBeside = false;
    QTimer::singleShot(30, &tool.app.form, [&] {
        progress = tool[AFF_SEL_DEV].text();
        const QRect count = tool[AFF_SEL_DEV].geometry();
        const QRect bar = tool[PRG_UPD_WAIT].geometry();
        barBeside = tool[PRG_UPD_WAIT].isVisibleTo(&tool.app.form) && bar.left() >= count.right()
            && bar.top() >= count.top() && bar.bottom() <= count.bottom()
            && tool[PRG_UPD_WAIT].maximum() == 3
            && tool[AFF_SEL_DEV].fontMetrics().horizontalAdvance(u"RENAME IP: device 20 of 20"_s)
                <= count.width();
        // Replies, ticks and clicks during the pass change nothing of it.
        Record late { .mac = "0-80-194-7-7-7" };
        tool.receiveSocket.inject(Tool::reply(late.text()));
        tool.app.discovery.B_ASK_CFG_Click();
        tool.app.listTools.B_SORT_Click();
        emit tool[TIM_AUTO_ASK].timeout({});
        QTest::mouseClick(tool[LST_KRT].viewport(), Qt::LeftButton);
    });
    rename();
    const QByteArray expected[]
        = { configuration("192.168.5.110", "192.168.5.1", "0050c2010203", "57600"),
              configuration("192.168.5.111", "192.168.9.4", "0050c2010204", "9600"),
              configuration("192.168.5.112", "192.168.9.5", "0050c2010205", "9600") };
    const auto& sent = tool.sendSocket.sent;
    ASSERT_GE(sent.size(), 15u);
    for (size_t i = 0; i < 15; ++i) {
        EXPECT_EQ(sent[i].datagram.toHex(' '), expected[i / 5].toHex(' ')) << i;
        EXPECT_EQ(sent[i].host.toString(), u"255.255.255.255"_s);
    }
    EXPECT_GE(sent[5].time - sent[4].time, 2.0 - 1e-6);
    EXPECT_TRUE(sent[15].datagram.startsWith("\xFE\xFF\x01\xFF\x01"
                                             "0.0.0.0"))
        << "asks again";
    EXPECT_THAT(progress.toStdString(), testing::MatchesRegex("RENAME IP: device [123] of 3"));
    EXPECT_TRUE(barBeside);
    EXPECT_EQ(tool[PRG_UPD_WAIT].parentWidget(), &tool[FR_UPD_WAIT]) << "given back";
    EXPECT_FALSE(tool[B_RENAME_IP].isHidden());
    expectSendAddress(u"192.168.5.10"_s);
}

TEST_F(Rename, APlanThatLeavesADeviceUnreachableOrAGatewayNoDeviceCanKeepSendsNothing)
{
    std::vector<std::pair<QString, QString>> refused = {
        { u"192.168.5"_s, u"255.255.0.0"_s }, { u"192.168.500."_s, u"255.255.0.0"_s },
        { u"192.168.5."_s, u"255.0.255.0"_s },
        { u"10.0.0."_s, u"255.255.255.240"_s }, // .111 is the broadcast address of .96/28
    };
    // Where no address of a prefix is a device's whatever the mask (0.0.0., 127.0.0., ...).
    for (const auto& [address, mask] : refusedDeviceAddresses) {
        const QString text = QString::fromLatin1(address);
        if (!*mask)
            refused.push_back({ text.left(text.lastIndexOf(u'.') + 1), u"255.255.0.0"_s });
    }
    for (const auto& [prefix, mask] : refused) {
        SCOPED_TRACE((prefix + u' ' + mask).toStdString());
        tool[INP_AUTO_IP].setText(prefix);
        tool[INP_AUTO_MASK].setText(mask);
        const size_t messages = tool.dialogs.messages().size();
        rename();
        EXPECT_TRUE(tool.sendSocket.sent.empty());
        EXPECT_EQ(tool.dialogs.messages().size(), messages + 1);
    }
    // So does a listed device whose gateway no device can keep, named.
    Record broken { .mac = "0-80-194-1-2-7", .gate = "192.168.9.300" };
    tool.receiveSocket.inject(Tool::reply(broken.text()));
    tool.sendSocket.sent.clear();
    tool[INP_AUTO_IP].setText(u"192.168.5."_s);
    tool[INP_AUTO_MASK].setText(u"255.255.0.0"_s);
    rename();
    EXPECT_TRUE(tool.sendSocket.sent.empty());
    EXPECT_TRUE(tool.dialogs.messages().back().text.contains(u"0-80-194-1-2-7"_s));
}

} // namespace
