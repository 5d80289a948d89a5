// Device actions and the login-string path on the window (login texts, the terminal number,
// Wiegand formats and display modes, to the shown device or to every device): the exact
// datagrams, where they go, the checks that send nothing, and that the send address is always
// back at its field afterwards.
#include "tests/commands/command_fixture.h"
#include "tests/support/refused_values.h"

#include "link/envelope.h"

#include <QTest>
#include <QTimer>

using namespace linknode;
using namespace linknode::test;
using namespace Qt::StringLiterals;

namespace {

const char* const broadcast = "255.255.255.255";
const QByteArray prefix = QByteArray::fromHex("01ffff54");
const QByteArray ledFive = QByteArray::fromHex("02b3b3b3c7333630303545300303");
const QByteArray beepFive = QByteArray::fromHex("02070707c7333630303544430303");
const QByteArray resetShown = QByteArray("\xFE\xFF\x06") + "192.168.5.10";
const QByteArray wiegand = QByteArray::fromHex("feff0b0304030605100a030403"); // the second format

QByteArray login(const QByteArray& bytes)
{
    return QByteArray("\xFE\xFF\x0B", 3) + bytes;
}

// A countdown goes twice to the shown device.
QStringList countdownTwice(const char* digits)
{
    const QByteArray bytes = QByteArray("\xFE\xF8\x08\x02><ER") + digits + '\x03';
    return { Commands::line("192.168.5.10", bytes), Commands::line("192.168.5.10", bytes) };
}

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
    for (int i = 0; i < 3; ++i)
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

TEST_F(Actions, ResetAndCountdownAskThenSendToTheirPlaceOnceTwiceOrNothing)
{
    // RESET of the shown device is broadcast and asks nothing.
    tool[B_RESET].click();
    EXPECT_EQ(sent(), QStringList({ line(broadcast, resetShown) }));

    // A typed address gets its reset once.
    const struct {
        Control<QPushButton> button;
        std::optional<QString> answer;
        bool told; // a message says the address is wrong
        QStringList expected;
    } cases[] = { { B_RESET_ONE, std::nullopt, false, {} }, { B_RESET_ONE, QString(), false, {} },
        { B_RESET_ONE, u"   "_s, false, {} }, { B_RESET_ONE, u"10.1.2.300"_s, true, {} },
        { B_RESET_ONE, u"abc"_s, true, {} },
        { B_RESET_ONE, u" 10.1.2.3 "_s, false,
            { line("10.1.2.3", QByteArray("\xFE\xFF\x06") + "10.1.2.3") } },
        { Command2, u"25"_s, false, countdownTwice("0025") },
        { Command2, u"12345"_s, false, countdownTwice("12345") },
        { Command2, QString(), false, countdownTwice("0000") },
        { Command2, std::nullopt, false, {} } };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            std::string(c.button.name()) + " " + c.answer.value_or(u"(cancel)"_s).toStdString());
        const size_t messages = tool.dialogs.messages().size();
        tool.dialogs.queueAnswer(c.answer);
        tool[c.button].click();
        EXPECT_EQ(sent(), c.expected);
        EXPECT_EQ(tool.dialogs.messages().size() - messages, c.told ? 1u : 0u);
        const bool reset = c.button.row() == B_RESET_ONE.row();
        const auto& asked = tool.dialogs.inputs().back();
        EXPECT_EQ(asked.prompt,
            reset ? u"IP Address to reset"_s : u"Enter the reset countdown value in 4 digits"_s);
        EXPECT_EQ(asked.title, reset ? QString() : u"Reset countdown value"_s);
        // Neither offers the last answer.
        EXPECT_EQ(asked.defaultAnswer, QString());
        // The next command goes where the field says, not to the typed address.
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

// A login shown apart from its workstation identifier, or in caret form, goes back as it came.
TEST_F(Commands, AShownLoginIsSentBackAsTheDeviceHadIt)
{
    for (const QByteArray& stored : { QByteArray("A\r\x02WS01\x03"), QByteArray("A\x01B") }) {
        select(Record { .login = "Tav" + stored.toStdString() });
        sent();
        tool[B_SEND_LOGIN].click();
        EXPECT_EQ(sent().value(0), line("192.168.5.10", login(stored))) << stored.toStdString();
    }
}

TEST_F(Commands, LoginTextsExpandTheirCaretsAndTheDeviceResets)
{
    const std::pair<const char*, QByteArray> cases[] = { { "ABC^13^", "ABC\r" }, { "^13^A", "\rA" },
        { "A", "A" }, { "12^34", "12^34" }, { "^^", QByteArray(1, '\0') }, { "~", "~" } };
    for (const auto& [text, bytes] : cases) {
        tool[INP_LOGIN].setText(QString::fromLatin1(text));
        tool[B_SEND_LOGIN].click();
        EXPECT_EQ(sent(),
            QStringList({ line("192.168.5.10", login(bytes)), line(broadcast, resetShown) }))
            << text;
        EXPECT_FALSE(tool[B_SEND_LOGIN].isHidden());
    }
    expectSendAddress(QString::fromLatin1(broadcast));
    // CLEAR sends an empty login and no reset.
    tool[B_CLEAR_LOGIN].click();
    EXPECT_EQ(tool[INP_LOGIN].text(), QString());
    EXPECT_EQ(sent(), QStringList({ line("192.168.5.10", login({})) }));
    // ENTER, TAB and PAUSE write their codes into the box.
    tool[INP_LOGIN].setText(u"A"_s);
    tool.app.login.B_ADD_ENTER_Click();
    tool.app.login.B_ADD_TAB_Click();
    tool.app.login.B_ADD_PAUSE_Click();
    EXPECT_EQ(tool[INP_LOGIN].text(), u"A^13^^9^~"_s);
}

TEST_F(Commands, TerminalNumberTravelsWithTheWorkstationIdentifierWhereTheFirmwareHasOne)
{
    ASSERT_FALSE(tool[FR_DEVNAME].isHidden());
    tool[INP_DEVNAME].setText(u"WS01"_s);
    tool[INP_TERM_NO].setText(u"7"_s);
    apply(tool, { Do::FocusOut, INP_TERM_NO });
    EXPECT_EQ(tool[INP_TERM_NO].text(), u"0007"_s);
    EXPECT_EQ(tool[INP_LOGIN].text(), u"TER:0007:"_s);
    tool[B_SAVE_TERM_NO].click();
    EXPECT_EQ(sent(),
        QStringList(
            { line("192.168.5.10", login("TER:0007:\x02WS01\x03")), line(broadcast, resetShown) }));

    // Old firmware has no workstation identifier to send.
    Record old { .version = "COPYRIGHT+TAVREN KRT-40 1.2B" };
    select(old);
    ASSERT_TRUE(tool[FR_DEVNAME].isHidden());
    tool[INP_DEVNAME].setText(u"WS01"_s);
    tool[INP_LOGIN].setText(u"AB"_s);
    sent();
    tool.app.login.SEND_LOGIN_STRING();
    EXPECT_EQ(sent(), QStringList({ line("192.168.5.10", login("AB")) }));
}

TEST_F(Commands, BroadcastSwitchAndSaveAllSendToEveryDeviceAndPutTheAddressBack)
{
    tool[INP_UDP_MASK].setText(u"192.168.5.255"_s);
    tool[INP_WIEGAND_CFG].setCurrentIndex(1);
    tool[SW_LOGIN_ALL].setChecked(true);
    ASSERT_FALSE(tool[B_SAVE_WIEGAND].isHidden());
    const QString shownLogin = tool[INP_LOGIN].text();
    tool[B_SAVE_WIEGAND].click();
    EXPECT_EQ(sent(), QStringList({ line(broadcast, wiegand) }));
    EXPECT_EQ(tool[INP_LOGIN].text(), shownLogin);
    expectSendAddress(u"192.168.5.255"_s);

    tool[SW_LOGIN_ALL].setChecked(false);
    EXPECT_TRUE(tool[B_SAVE_WIEGAND].isHidden());
    tool.app.login.B_SAVE_WIEGAND_Click();
    EXPECT_EQ(sent(), QStringList({ line("192.168.5.10", wiegand) }));
    expectSendAddress(u"192.168.5.255"_s);

    // SAVE ALL broadcasts, then asks again.
    tool[INP_UDP_MASK].setText(QString::fromLatin1(broadcast));
    tool[INP_WIEGAND_CFG].setCurrentIndex(0);
    tool[B_SAVE_ALL_WIEGAND].click();
    const QStringList lines = sent();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], line(broadcast, QByteArray::fromHex("feff0b03040306010101030403")));
    EXPECT_TRUE(lines[1].startsWith(u"255.255.255.255 fe ff 01"_s));
    // The view's address is the device's again before the enquiry clears the view.
    EXPECT_NE(tool[INP_IP].text(), QString::fromLatin1(broadcast));
}

TEST_F(Commands, TextsADeviceCannotTakeSendNothing)
{
    using Send = void (LoginController::*)();
    const Send saveLogin = &LoginController::B_SEND_LOGIN_Click;
    const Send saveWiegand = &LoginController::B_SAVE_WIEGAND_Click;
    const Send saveAllWiegand = &LoginController::B_SAVE_ALL_WIEGAND_Click;
    struct Refusal {
        std::vector<std::pair<Control<QWidget>, QString>> edits; // the first one is at fault
        Send send;
        bool told = true; // a message, the focus on the box at fault
    };
    std::vector<Refusal> cases = { { { { INP_LOGIN, u"A^300^"_s } }, saveLogin },
        { { { INP_WIEGAND_CFG, u"^6^^300^"_s } }, saveWiegand },
        { { { INP_WIEGAND_CFG, u"^6 one caret"_s } }, saveWiegand, false },
        { { { INP_WIEGAND_CFG, u"^6 one caret"_s } }, saveAllWiegand, false },
        // Together more than one datagram carries.
        { { { INP_LOGIN, QString(32767, u'A') }, { INP_DEVNAME, QString(32767, u'B') } },
            saveLogin } };
    for (const char* text : unstorableTexts) {
        const QString unstorable = QString::fromUtf8(text);
        cases.push_back({ { { INP_LOGIN, unstorable } }, saveLogin });
        cases.push_back({ { { INP_DEVNAME, unstorable } }, saveLogin });
        for (const Send send : { saveWiegand, saveAllWiegand })
            cases.push_back({ { { INP_WIEGAND_CFG, u"^6^"_s + unstorable + u"^5^"_s } }, send });
    }
    for (const auto& c : cases) {
        const auto at = c.edits.front().first;
        SCOPED_TRACE(std::string(at.name()) + " " + c.edits.front().second.left(20).toStdString());
        select(Record {});
        sent();
        for (const auto& [control, value] : c.edits)
            type(control, value);
        const size_t messages = tool.dialogs.messages().size();
        (tool.app.login.*c.send)();
        EXPECT_EQ(sent(), QStringList());
        EXPECT_EQ(tool.dialogs.messages().size(), messages + (c.told ? 1 : 0));
        EXPECT_TRUE(!c.told || focusedOn(at));
        EXPECT_EQ(tool[INP_IP].text(), device);
        expectSendAddress(QString::fromLatin1(broadcast));
    }
}

TEST_F(Commands, DisplayModesAndTheCountdownTheyAskFor)
{
    auto& modes = tool[LST_PANORAMA_MODE];
    // Under the start-up placeholder no mode is chosen: the arrow key starts at the first.
    QTest::keyClick(&modes, Qt::Key_Down);
    EXPECT_EQ(modes.currentText(), u"Clock Mode (Red)"_s);
    // A placeholder sends nothing and asks for a choice.
    modes.setEditText(u"QD-Panorama Startup Mode"_s);
    tool[B_PANORAMA_SAVE_MODE].click();
    EXPECT_EQ(sent(), QStringList());
    ASSERT_FALSE(tool.dialogs.messages().empty());
    EXPECT_EQ(tool.dialogs.messages().back().title, u"Display mode"_s);

    modes.setEditText(u"Clock Mode (Green)"_s);
    tool[B_PANORAMA_SAVE_MODE].click();
    EXPECT_EQ(sent(), QStringList({ line("192.168.5.10", login("\x07\x23")) }));

    modes.setEditText(u"Countdown on TTL IN"_s);
    tool.dialogs.queueAnswer(u"90"_s);
    tool[B_PANORAMA_SAVE_MODE].click();
    EXPECT_EQ(
        sent(), QStringList({ line("192.168.5.10", login("\x07<")) }) + countdownTwice("0090"));
    // The next prompt offers the last value; Cancel sends no countdown.
    tool.dialogs.queueAnswer(std::nullopt);
    tool[B_PANORAMA_SAVE_MODE].click();
    EXPECT_EQ(tool.dialogs.inputs().back().defaultAnswer, u"90"_s);
    EXPECT_EQ(sent(), QStringList({ line("192.168.5.10", login("\x07<")) }));
    expectSendAddress(QString::fromLatin1(broadcast));

    modes.setEditText(u"Temperature Mode "_s);
    tool[B_SAVE_ALL_PANORAMA].click();
    EXPECT_EQ(sent(), QStringList({ line(broadcast, login("\x07\x32")) }));
    EXPECT_EQ(tool[INP_IP].text(), u"192.168.5.10"_s);

    // Typing into the selector changes nothing.
    modes.setEditText(u"String Mode"_s);
    modes.setFocus();
    QTest::keyClicks(&modes, u"xyz"_s);
    QTest::keyClick(&modes, Qt::Key_Backspace);
    EXPECT_EQ(modes.currentText(), u"String Mode"_s);
}

} // namespace
