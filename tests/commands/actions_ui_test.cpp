// Device actions on the window: the exact datagrams, where they go, and that the send address
// is always back at its field afterwards.
#include "tests/commands/command_fixture.h"

#include "link/envelope.h"

#include <QTimer>

using namespace linknode;
using namespace linknode::test;

namespace {

const char* const broadcast = "255.255.255.255";
const QByteArray prefix = QByteArray::fromHex("01ffff54");
const QByteArray ledFive = QByteArray::fromHex("02b3b3b3c7333630303545300303");
const QByteArray beepFive = QByteArray::fromHex("02070707c7333630303544430303");

struct Actions : Commands {
    void SetUp() override
    {
        Commands::SetUp();
        tool[AFF_TOT_TERM].setText(QStringLiteral("5"));
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

TEST_F(Actions, AutomaticLocateAlternatesAndStopsWithEitherSwitch)
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
    const QStringList frames = sent().filter(QStringLiteral(" 02 "));
    EXPECT_EQ(frames,
        QStringList({ line(broadcast, ledFive), line(broadcast, ledFive), line(broadcast, beepFive),
            line(broadcast, ledFive) }));

    tool[SW_SEND_BIP].setChecked(false);
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(timer.interval(), 0);
    tick(); // a tick still queued: only the LED switch remains
    EXPECT_EQ(sent().filter(QStringLiteral(" 02 ")), QStringList({ line(broadcast, ledFive) }));
}

TEST_F(Actions, ATickDuringALocateStartsNoSecondSequence)
{
    tool[SW_LED_FLASH].setChecked(true);
    tool[TIM_LED_FLASH].stop();
    QTimer::singleShot(5, &tool.app.form, [this] { tick(); });
    tick();
    EXPECT_EQ(sent().size(), 2);
}

TEST_F(Actions, DoubleClickOnLabel1StartsTheAutomaticLocate)
{
    QMetaObject::invokeMethod(&tool[Label1(0)], "doubleClick");
    EXPECT_TRUE(tool[TIM_LED_FLASH].isActive());
    EXPECT_GT(tool[TIM_LED_FLASH].interval(), 0);
}

TEST_F(Actions, ResetOfTheShownDeviceIsBroadcastWithItsAddressInside)
{
    tool[B_RESET].click();
    EXPECT_EQ(sent(),
        QStringList({ line(broadcast,
            "\xFE\xFF\x06"
            "192.168.5.10") }));
}

TEST_F(Actions, ResetByTypedAddressGoesThereOnceOrNowhere)
{
    const struct {
        std::optional<QString> answer;
        bool told; // a message says the address is wrong
        QStringList expected;
    } cases[] = {
        { std::nullopt, false, {} },
        { QString(), false, {} },
        { QStringLiteral("   "), false, {} },
        { QStringLiteral("10.1.2.300"), true, {} },
        { QStringLiteral("abc"), true, {} },
        { QStringLiteral(" 10.1.2.3 "), false,
            { line("10.1.2.3",
                QByteArray("\xFE\xFF\x06"
                           "10.1.2.3")) } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.value_or(QStringLiteral("(cancel)")).toStdString());
        const size_t messages = tool.dialogs.messages().size();
        tool.dialogs.queueAnswer(c.answer);
        tool[B_RESET_ONE].click();
        EXPECT_EQ(sent(), c.expected);
        EXPECT_EQ(tool.dialogs.messages().size() - messages, c.told ? 1u : 0u);
        EXPECT_EQ(tool.dialogs.inputs().back().prompt, QStringLiteral("IP Address to reset"));
        // The next command goes where the field says, not to the typed address.
        expectSendAddress(QString::fromLatin1(broadcast));
    }
}

TEST_F(Actions, TerminalClearGoesToTheShownDeviceOnceAtATime)
{
    tool[INP_UDP_MASK].setText(QStringLiteral("192.168.5.255"));
    QTimer::singleShot(5, &tool.app.form, [this] { tool.app.actions.B_VT100_CLR_Click(); });
    tool[B_VT100_CLR].click();
    EXPECT_EQ(sent(),
        QStringList({ line("192.168.5.10", prefix),
            line("192.168.5.10", QByteArray::fromHex("021b5b324a03")) }));
    expectSendAddress(QStringLiteral("192.168.5.255"));
    EXPECT_TRUE(tool[B_VT100_CLR].isEnabled());
}

TEST_F(Actions, CommandsForTheShownDeviceSendNothingWithNoneShown)
{
    tool.app.discovery.RESET_DEVICE_LIST();
    tool[FR_CFG].hide();
    tool.dialogs.queueAnswer(QStringLiteral("25")); // a countdown, were it asked
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
    } cases[] = { { QStringLiteral("25"), "0025" }, { QStringLiteral("12345"), "12345" },
        { QString(), "0000" }, { std::nullopt, nullptr } };
    for (const auto& c : cases) {
        tool.dialogs.queueAnswer(c.answer);
        tool[Command2].click();
        const auto& asked = tool.dialogs.inputs().back();
        EXPECT_EQ(asked.prompt, QStringLiteral("Enter the reset countdown value in 4 digits"));
        EXPECT_EQ(asked.title, QStringLiteral("Reset countdown value"));
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
