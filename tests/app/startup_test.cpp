// Start-up, the end-of-cycle watchdog, shutdown and the small window handlers, over a fake
// link, scripted dialogs and a clock that runs five times faster than the wall.
#include "app/automation/automation_driver.h"
#include "core/file_writer.h"
#include "tests/support/tool_fixture.h"
#include "widgets/change_label.h"
#include "widgets/counter_display.h"
#include "widgets/focus_line_edit.h"
#include "widgets/ip_entry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gmock/gmock.h>

using namespace linknode;
using namespace Qt::StringLiterals;

namespace {

const QByteArray enquiry = QByteArray::fromHex(
    "feff01ff01302e302e302e300d302e302e302e300d302e302e302e300dfd000000000000");

// The enquiry leaves without a click; with no device FIND DEVICES comes back 0.3 s after the
// last activity on a monotonic clock, also for a cycle that starts a tenth of a second before
// midnight of the wall clock.
TEST(StartUp, SendsTheEnquiryFillsTheSelectorsAndFindDevicesComesBackEvenAcrossMidnight)
{
    for (const double clockStart : { 0.0, 86399.9 }) {
        Tool tool(clockStart);
        ASSERT_TRUE(tool.app.shell.Form_Load());
        EXPECT_EQ(tool.receiveSocket.boundPort, 2024);
        ASSERT_EQ(tool.sendSocket.sent.size(), 1u);
        const auto& first = tool.sendSocket.sent.front();
        EXPECT_EQ(first.datagram, enquiry);
        EXPECT_EQ(first.host, QHostAddress(u"255.255.255.255"_s));
        EXPECT_EQ(first.port, 1024);
        EXPECT_EQ(tool[INP_UDP_MASK].text(), u"255.255.255.255"_s);
        EXPECT_TRUE(tool.dialogs.messages().empty());
        EXPECT_TRUE(tool[B_ASK_CFG].isHidden()) << "a cycle runs";
        EXPECT_TRUE(tool[LST_KRT].isHidden());
        EXPECT_TRUE(tool[AFF_NO_DEV].isVisible() && tool[Text1].isVisible());
        const double back = tool.whenShown(B_ASK_CFG);
        EXPECT_GE(back - tool.app.link.lastActivity(), 0.3);
        EXPECT_LT(back - tool.sendSocket.sent.front().time, 0.45);
        EXPECT_EQ(tool[LST_KRT].toolTip(), u"IP DEVICES LIST"_s);
        // The selectors are filled with nothing selected; panels share their places.
        const std::pair<Control<QComboBox>, const char*> selectors[]
            = { { INP_BAUDS, "4800 9600 19200 38400 57600" }, { INP_PARITY, "None Even Odd" },
                  { INP_StopBit, "1 2" }, { INP_DATABITS, "7 8" } };
        for (const auto& [selector, items] : selectors) {
            auto& box = tool[selector];
            QStringList shown;
            for (int i = 0; i < box.count(); ++i)
                shown << box.itemText(i);
            EXPECT_EQ(shown.join(u' '), QString::fromLatin1(items)) << selector.name();
            EXPECT_EQ(box.currentIndex(), -1) << selector.name();
        }
        EXPECT_EQ(tool[FR_PANORAMA_MODE].pos(), tool[FR_WIEGAND].pos());
        EXPECT_EQ(tool[FR_TERM_NO].geometry(), tool[FR_LOGIN].geometry());
        EXPECT_EQ(tool[SW_10BASET].x(), tool[SW_AUXRS232].x());
        EXPECT_GT(tool[SW_10BASET].y(), tool[SW_AUXRS232].y() + tool[SW_10BASET].height());
        EXPECT_TRUE(tool[INP_MASK].maskType());
        EXPECT_FALSE(tool[INP_UDP_MASK].maskType());
    }
}

TEST(StartUp, ReceivePortTakenEndsWithTheMessageAndTheSystemsReason)
{
    Tool tool;
    tool.receiveSocket.failBind = u"The bound address is already in use"_s;
    EXPECT_FALSE(tool.app.shell.Form_Load());
    EXPECT_EQ(tool.receiveSocket.bindCalls, 2) << "bound once more before giving up";
    ASSERT_EQ(tool.dialogs.messages().size(), 1u);
    EXPECT_EQ(tool.dialogs.messages().front().text,
        QStringLiteral(
            "ERROR: SWITCH THE LIBRARY IN CONFIG MODE !\r\nThe bound address is already in use"));
    EXPECT_TRUE(tool.sendSocket.sent.empty());
}

TEST(Link, ListedRepliesRestartTheQuietPeriodAndTheSendAddressIsTheDestination)
{
    Tool tool;
    ASSERT_TRUE(tool.app.shell.Form_Load());
    DELAIS_EVT(tool.clock, 0.1);
    const double replyAt = tool.clock.now();
    tool.receiveSocket.inject(QByteArray::fromHex("feff31") + "-2-3-4-5-6,10.0.0.1");
    DELAIS_EVT(tool.clock, 0.1);
    tool.receiveSocket.inject(QByteArray::fromHex("feff312c32")); // 5 bytes: dropped
    tool.receiveSocket.inject("hello world");
    const double back = tool.whenShown(B_ASK_CFG);
    EXPECT_GE(back - replyAt, 0.3);
    EXPECT_LT(back - replyAt, 0.45);
    EXPECT_EQ(tool.app.link.rejectedCount(), 2u);

    // The destination follows the send address and never wraps an invalid one.
    const struct {
        const char* text;
        const char* sentTo; // nullptr: nothing is sent
    } cases[] = { { "192.168.5.20 ", "192.168.5.20" }, { "192.168.1.300", nullptr },
        { "10.0.0.7", "10.0.0.7" }, { "999.1.1.1", nullptr } };
    for (const auto& c : cases) {
        tool[INP_UDP_MASK].setText(QString::fromLatin1(c.text));
        tool.sendSocket.sent.clear();
        tool.app.link.send("x");
        ASSERT_EQ(tool.sendSocket.sent.size(), c.sentTo ? 1u : 0u) << c.text;
        if (c.sentTo) {
            EXPECT_EQ(tool.sendSocket.sent[0].host, QHostAddress(QString::fromLatin1(c.sentTo)));
        }
    }
    QMetaObject::invokeMethod(&tool[LABEL_UDP_TX_MASK(10)], "doubleClick");
    EXPECT_EQ(tool[INP_UDP_MASK].text(), u"255.255.255.255"_s);
    EXPECT_EQ(tool.app.link.destinationText(), u"255.255.255.255"_s);
}

TEST(LabelHandlers, MacCountLabel1AndTheSubnetWarning)
{
    Tool tool;
    // The MAC caption enables SAVE from six characters.
    for (const auto& [text, enabled] :
        { std::pair { u"0-1-2"_s, false }, { u"0-1-23"_s, true }, { QString(), false } }) {
        tool[AFF_MAC].setText(text);
        EXPECT_EQ(tool[B_UPDATE].isEnabled(), enabled) << text.toStdString();
    }
    // The subnet warning picture explains itself.
    QMetaObject::invokeMethod(&tool[PIC_WARNING_SUBNET(1)], "click");
    ASSERT_EQ(tool.dialogs.messages().size(), 1u);
    const auto& box = tool.dialogs.messages().front();
    EXPECT_EQ(box.title, u"Warning !"_s);
    EXPECT_EQ(box.icon, MessageIcon::Critical);
    EXPECT_TRUE(box.text.startsWith(u"Important: The IP address of the device"_s));

    // The device count shows or hides the list and drives the counter.
    ASSERT_TRUE(tool.app.shell.Form_Load());
    for (const auto& [count, shown] : { std::pair { u"3"_s, true }, { u"0"_s, false } }) {
        tool[AFF_TOT_TERM].setText(count);
        EXPECT_EQ(tool[LST_KRT].isVisible(), shown) << count.toStdString();
        EXPECT_EQ(tool[AFF_SEL_DEV].isVisible(), shown) << count.toStdString();
        EXPECT_EQ(tool[AFF_TOT_TERMb].shownText(), u"   "_s + count);
    }
    EXPECT_TRUE(tool[LST_KRT].isHidden() && tool[AFF_SEL_DEV].isHidden());
    EXPECT_EQ(tool[LST_KRT].toolTip(), u"NO IP DEVICE FOUND --> PLEASE PUSH ON REFRESH BUTTON"_s);

    // A click on Label1 sets the mask, a double click starts the automatic modes.
    QMetaObject::invokeMethod(&tool[Label1(1)], "click");
    EXPECT_EQ(tool[INP_MASK].text(), u"255.255.0.0"_s);
    tool[INP_UDP_MASK].setText(u"10.1.1.1"_s);
    QMetaObject::invokeMethod(&tool[Label1(0)], "doubleClick");
    for (const auto automatic : { SW_AUTO_ASK, SW_AUTO_MAC, SW_LED_FLASH, SW_AUTO_TERM })
        EXPECT_TRUE(tool[automatic].isChecked()) << automatic.name();
    EXPECT_EQ(tool[INP_UDP_MASK].text(), u"255.255.255.255"_s);
}

TEST(Shutdown, AScriptReachesHiddenControlsAndClosingEndsWaitsAndClosesBothSockets)
{
    Tool tool;
    ASSERT_TRUE(tool.app.shell.Form_Load());
    // The zone entry sits in a frame nobody sees; a script still reaches its focus handler.
    QTemporaryDir dir;
    const QString script = dir.filePath(u"s.txt"_s);
    ASSERT_TRUE(writeWholeFile(
        script, "set INP_TIMEZONE 5abc\nfocus INP_TIMEZONE\nfocus INP_PW\n", nullptr));
    AutomationDriver driver(tool.app.form, tool.dialogs, tool.clock, {});
    QString error;
    ASSERT_TRUE(driver.load(script, &error)) << error.toStdString();
    EXPECT_EQ(driver.run(), 0);
    EXPECT_EQ(tool[INP_TIMEZONE].text(), u"5"_s);

    bool ended = false;
    QObject::connect(
        &tool.app.shell, &ShellController::ended, &tool.app.form, [&] { ended = true; });
    // A long sequence is waiting when the user closes the window.
    QTimer::singleShot(20, &tool.app.form, [&] { tool.app.form.close(); });
    const double start = tool.clock.now();
    DELAIS_EVT(tool.clock, 60.0);
    EXPECT_LT(tool.clock.now() - start, 5.0);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(tool.sendSocket.closed);
    EXPECT_TRUE(tool.receiveSocket.closed);
}

} // namespace
