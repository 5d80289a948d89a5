// The login-string path on the window: login texts, the terminal number, Wiegand formats and
// display modes, to the shown device or to every device, and the checks that send nothing.
#include "tests/commands/command_fixture.h"
#include "tests/support/refused_values.h"

#include <QTest>

using namespace linknode;
using namespace linknode::test;
using namespace Qt::StringLiterals;

namespace {

const char* const broadcast = "255.255.255.255";

QByteArray login(const QByteArray& bytes)
{
    return QByteArray("\xFE\xFF\x0B", 3) + bytes;
}

const QByteArray resetShown = QByteArray("\xFE\xFF\x06"
                                         "192.168.5.10");

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
    EXPECT_EQ(sent(),
        QStringList({ line(broadcast, QByteArray::fromHex("feff0b0304030605100a030403")) }));
    EXPECT_EQ(tool[INP_LOGIN].text(), shownLogin);
    expectSendAddress(u"192.168.5.255"_s);

    tool[SW_LOGIN_ALL].setChecked(false);
    EXPECT_TRUE(tool[B_SAVE_WIEGAND].isHidden());
    tool.app.login.B_SAVE_WIEGAND_Click();
    EXPECT_EQ(sent(),
        QStringList({ line("192.168.5.10", QByteArray::fromHex("feff0b0304030605100a030403")) }));
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

    const QByteArray countdown = QByteArray::fromHex("fef808023e3c45523030393003");
    modes.setEditText(u"Countdown on TTL IN"_s);
    tool.dialogs.queueAnswer(u"90"_s);
    tool[B_PANORAMA_SAVE_MODE].click();
    EXPECT_EQ(sent(),
        QStringList({ line("192.168.5.10", login("\x07<")), line("192.168.5.10", countdown),
            line("192.168.5.10", countdown) }));
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
