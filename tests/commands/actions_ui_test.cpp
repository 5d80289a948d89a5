// Device actions on the window: the exact datagrams, where they go, and that the send address
// is always back at its field afterwards.
#include "tests/commands/command_fixture.h"

#include "link/envelope.h"

#include <QTimer>

using namespace linknode;
using namespace linknode::test;
using namespace Qt::StringLiterals;

namespace {

const char* const broadcast = "255.255.255.255";
const QByteArray prefix = QByteArray::fromHex("01ffff54");
const QByteArray ledFive = QByteArray::fromHex("02b3b3b3c7333630303545300303");
const QByteArray beepFive = QByteArray::fromHex("02070707c7333630303544430303");

struct Actions : Commands {
    void SetUp() override
    {
        Commands::SetUp();
        tool[AFF_TOT_TERM].setText(u"5"_s);
    }
    void tick() { emit tool[TIM_LED_FLASH].timeout({}); }
};

TEST_F(Actions, LedFlashAndBeepSendThePrefixThenTheFrame)
{
    const QStringList both = { line(broadcast, prefix), line(broadcast, ledFive),
        line(broadcast, prefix), line(broadcast, beepFive) };
    tool[B_LED_FLASH].click();
    tool[B_SEND_BIP].click();
    EXPECT_EQ(sent(), both);
    // Clicked while the flash runs, the beep follows it rather than being lost.
    QTimer::singleShot(5, &tool.app.form, [this] { tool[B_SEND_BIP].click(); });
    tool[B_LED_FLASH].click();
    EXPECT_EQ(sent(), both);
    EXPECT_FALSE(tool[B_LED_FLASH].isHidden());
    EXPECT_FALSE(tool[B_SEND_BIP].isHidden());
}

TEST_F(Actions, AutomaticLocateAlternatesStopsWithEitherSwitchAndNeverOverlaps)
{
    auto& timer = tool[TIM_LED_FLASH];
    tool[SW_LED_FLASH].setChecked(true);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), tool.clock.timerMs(0.1));
    tick(); // only the LED switch: flash
    tool[SW_SEND_BIP].setChecked(true);
    tick();
    tick();
    tick();
    const QStringList frames = sent().filter(u" 02 "_s);
    EXPECT_EQ(frames,
        QStringList({ line(broadcast, ledFive), line(broadcast, ledFive), line(broadcast, beepFive),
            line(broadcast, ledFive) }));

    tool[SW_SEND_BIP].setChecked(false);
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(timer.interval(), 0);
    tick(); // a tick still queued: only the LED switch remains
    EXPECT_EQ(sent().filter(u" 02 "_s), QStringList({ line(broadcast, ledFive) }));

    // A tick during a locate starts no second sequence.
    QTimer::singleShot(5, &tool.app.form, [this] { tick(); });
    tick();
    EXPECT_EQ(sent().size(), 2);
    // A double click on Label1 starts it again.
    tool[SW_LED_FLASH].setChecked(false);
    QMetaObject::invokeMethod(&tool[Label1(0)], "doubleClick");
    EXPECT_TRUE(tool[TIM_LED_FLASH].isActive());
    EXPECT_GT(tool[TIM_LED_FLASH].interval(), 0);
}

TEST_F(Actions, ResetOfTheShownDeviceIsBroadcastAndOfATypedAddressGoesThereOnceOrNowhere)
{
    tool[B_RESET].click();
    EXPECT_EQ(
        sent(), QStringList({ line(broadcast, QByteArray("\xFE\xFF\x06") + "192.168.5.10") }));

    const struct {
        std::optional<QString> answer;
        bool told; // a message says the address is wrong
        QStringList expected;
    } cases[] = { { std::nullopt, false, {} }, { QString(), false, {} }, { u"   "_s, false, {} },
        { u"10.1.2.300"_s, true, {} }, { u"abc"_s, true, {} },
        { u" 10.1.2.3 "_s, false,
            { line("10.1.2.3",
                QByteArray("\xFE\xFF\x06"
                           "10.1.2.3")) } } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.value_or(u"(cancel)"_s).toStdString());
        const size_t messages = tool.dialogs.messages().size();
        tool.dialogs.queueAnswer(c.answer);
        tool[B_RESET_ONE].click();
        EXPECT_EQ(sent(), c.expected);
        EXPECT_EQ(tool.dialogs.messages().size() - messages, c.told ? 1u : 0u);
        EXPECT_EQ(tool.dialogs.inputs().back().prompt, u"IP Address to reset"_s);
        // The next command goes where the field says, not to the typed address.
        expectSendAddress(QString::fromLatin1(broadcast));
    }
}

TEST_F(Actions, TerminalClearGoesToTheShownDeviceOnceAtATimeAndNowhereWithNoneShown)
{
    tool[INP_UDP_MASK].setText(u"192.168.5.255"_s);
    QTimer::singleShot(5, &tool.app.form, [this] { tool.app.actions.B_VT100_CLR_Click(); });
    tool[B_VT100_CLR].click();
    EXPECT_EQ(sent(),
        QStringList({ line("192.168.5.10", prefix),
            line("192.168.5.10", QByteArray::fromHex("021b5b324a03")) }));
    expectSendAddress(u"192.168.5.255"_s);
    EXPECT_TRUE(tool[B_VT100_CLR].isEnabled());

    // Commands for the shown device send nothing with none shown.
    tool[INP_UDP_MASK].setText(QString::fromLatin1(broadcast));
    tool.app.discovery.RESET_DEVICE_LIST();
    tool[FR_CFG].hide();
    tool.dialogs.queueAnswer(u"25"_s); // a countdown, were it asked
    for (const auto button : { B_VT100_CLR, Command2 }) {
        tool[button].click();
        EXPECT_TRUE(sent().isEmpty()) << button.name();
        expectSendAddress(QString::fromLatin1(broadcast));
    }
}

TEST_F(Actions, CountdownButtonAsksAndSendsTwiceOrNothing)
{
    const struct {
        std::optional<QString> answer;
        const char* digits; // nullptr: nothing sent
    } cases[] = { { u"25"_s, "0025" }, { u"12345"_s, "12345" }, { QString(), "0000" },
        { std::nullopt, nullptr } };
    for (const auto& c : cases) {
        tool.dialogs.queueAnswer(c.answer);
        tool[Command2].click();
        const auto& asked = tool.dialogs.inputs().back();
        EXPECT_EQ(asked.prompt, u"Enter the reset countdown value in 4 digits"_s);
        EXPECT_EQ(asked.title, u"Reset countdown value"_s);
        EXPECT_EQ(asked.defaultAnswer, QString());
        QStringList expected;
        if (c.digits) {
            const QByteArray countdown = QByteArray("\xFE\xF8\x08\x02><ER") + c.digits + '\x03';
            expected = { line("192.168.5.10", countdown), line("192.168.5.10", countdown) };
        }
        EXPECT_EQ(sent(), expected) << (c.digits ? c.digits : "cancel");
        expectSendAddress(QString::fromLatin1(broadcast));
    }
}

TEST_F(Actions, BootModeTenTimesAndTheBypassAsksFourTimes)
{
    tool[B_GO_BOOT].click();
    const auto& boots = tool.sendSocket.sent;
    ASSERT_EQ(boots.size(), 10u);
    for (size_t i = 1; i < boots.size(); ++i)
        EXPECT_GE(boots[i].time - boots[i - 1].time, 0.1 - 1e-6);
    EXPECT_EQ(sent().first(), line(broadcast, QByteArray::fromHex("01ffff4102fb464403")));
    EXPECT_FALSE(tool[B_GO_BOOT].isHidden());

    tool[SW_BYPASSAUTOBOOT].setChecked(true);
    EXPECT_TRUE(tool[SW_SWITCH].isChecked());
    const std::string enquiry = enquiryDatagram();
    const QString enquiryLine = line(broadcast, QByteArray(enquiry.data(), 36));
    EXPECT_EQ(sent().count(enquiryLine), 4 * 25);
}

} // namespace
