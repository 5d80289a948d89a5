// The login-string path on the window: login texts, the terminal number, Wiegand formats and
// display modes, to the shown device or to every device, and the checks that send nothing.
#include "tests/commands/command_fixture.h"
#include "tests/support/refused_values.h"

#include <QComboBox>
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
    const std::pair<const char*, QByteArray> cases[] = {
        { "ABC^13^", "ABC\r" },
        { "^13^A", "\rA" },
        { "A", "A" },
        { "12^34", "12^34" },
        { "^^", QByteArray(1, '\0') },
        { "~", "~" },
    };
    for (const auto& [text, bytes] : cases) {
        tool[INP_LOGIN].setText(QString::fromLatin1(text));
        tool[B_SEND_LOGIN].click();
        EXPECT_EQ(sent(),
            QStringList({ line("192.168.5.10", login(bytes)), line(broadcast, resetShown) }))
            << text;
        EXPECT_FALSE(tool[B_SEND_LOGIN].isHidden());
    }
    expectSendAddress(QString::fromLatin1(broadcast));
}

TEST_F(Commands, TerminalNumberTravelsWithTheWorkstationIdentifier)
{
    ASSERT_FALSE(tool[FR_DEVNAME].isHidden());
    tool[INP_DEVNAME].setText(QStringLiteral("WS01"));
    tool[INP_TERM_NO].setText(QStringLiteral("7"));
    apply(tool, { Do::FocusOut, INP_TERM_NO });
    EXPECT_EQ(tool[INP_TERM_NO].text(), QStringLiteral("0007"));
    EXPECT_EQ(tool[INP_LOGIN].text(), QStringLiteral("TER:0007:"));
    tool[B_SAVE_TERM_NO].click();
    EXPECT_EQ(sent(),
        QStringList(
            { line("192.168.5.10", login("TER:0007:\x02WS01\x03")), line(broadcast, resetShown) }));
}

TEST_F(Commands, OldFirmwareHasNoWorkstationIdentifierToSend)
{
    Record old;
    old.version = "COPYRIGHT+TAVREN KRT-40 1.2B";
    select(old);
    ASSERT_TRUE(tool[FR_DEVNAME].isHidden());
    tool[INP_DEVNAME].setText(QStringLiteral("WS01"));
    tool[INP_LOGIN].setText(QStringLiteral("AB"));
    sent();
    tool.app.login.SEND_LOGIN_STRING();
    EXPECT_EQ(sent(), QStringList({ line("192.168.5.10", login("AB")) }));
}

TEST_F(Commands, BroadcastSwitchSendsToEveryDeviceAndPutsTheAddressBack)
{
    tool[INP_UDP_MASK].setText(QStringLiteral("192.168.5.255"));
    tool[INP_WIEGAND_CFG].setCurrentIndex(1);
    tool[SW_LOGIN_ALL].setChecked(true);
    ASSERT_FALSE(tool[B_SAVE_WIEGAND].isHidden());
    const QString shownLogin = tool[INP_LOGIN].text();
    tool[B_SAVE_WIEGAND].click();
    EXPECT_EQ(sent(),
        QStringList({ line(broadcast, QByteArray::fromHex("feff0b0304030605100a030403")) }));
    EXPECT_EQ(tool[INP_LOGIN].text(), shownLogin);
    expectSendAddress(QStringLiteral("192.168.5.255"));

    tool[SW_LOGIN_ALL].setChecked(false);
    EXPECT_TRUE(tool[B_SAVE_WIEGAND].isHidden());
    tool.app.login.B_SAVE_WIEGAND_Click();
    EXPECT_EQ(sent(),
        QStringList({ line("192.168.5.10", QByteArray::fromHex("feff0b0304030605100a030403")) }));
    expectSendAddress(QStringLiteral("192.168.5.255"));
}

TEST_F(Commands, SaveAllWiegandBroadcastsThenAsksAgain)
{
    tool[INP_WIEGAND_CFG].setCurrentIndex(0);
    tool[B_SAVE_ALL_WIEGAND].click();
    const QStringList lines = sent();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], line(broadcast, QByteArray::fromHex("feff0b03040306010101030403")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("255.255.255.255 fe ff 01")));
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
    std::vector<Refusal> cases = {
        { { { INP_LOGIN, u"A^300^"_s } }, saveLogin },
        { { { INP_WIEGAND_CFG, u"^6^^300^"_s } }, saveWiegand },
        { { { INP_WIEGAND_CFG, u"^6 one caret"_s } }, saveWiegand, false },
        { { { INP_WIEGAND_CFG, u"^6 one caret"_s } }, saveAllWiegand, false },
        // Together more than one datagram carries.
        { { { INP_LOGIN, QString(32767, u'A') }, { INP_DEVNAME, QString(32767, u'B') } },
            saveLogin },
    };
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
        for (const auto& [control, value] : c.edits) {
            if (auto* combo = qobject_cast<QComboBox*>(&tool[control]))
                combo->setEditText(value);
            else
                tool[control].setProperty("text", value);
        }
        const size_t messages = tool.dialogs.messages().size();
        (tool.app.login.*c.send)();
        EXPECT_EQ(sent(), QStringList());
        EXPECT_EQ(tool.dialogs.messages().size(), messages + (c.told ? 1 : 0));
        if (c.told) {
            const QWidget* focus = tool.app.form.focusWidget();
            EXPECT_TRUE(focus == &tool[at] || tool[at].isAncestorOf(focus));
        }
        EXPECT_EQ(tool[INP_IP].text(), device);
        expectSendAddress(QString::fromLatin1(broadcast));
    }
}

TEST_F(Commands, ClearSendsAnEmptyLogin)
{
    tool[INP_LOGIN].setText(QStringLiteral("AB"));
    tool[B_CLEAR_LOGIN].click();
    EXPECT_EQ(tool[INP_LOGIN].text(), QString());
    EXPECT_EQ(sent(), QStringList({ line("192.168.5.10", login({})) }));
}

TEST_F(Commands, DisplayModesAndTheCountdownTheyAskFor)
{
    auto& modes = tool[LST_PANORAMA_MODE];
    modes.setEditText(QStringLiteral("Clock Mode (Green)"));
    tool[B_PANORAMA_SAVE_MODE].click();
    EXPECT_EQ(sent(), QStringList({ line("192.168.5.10", login("\x07\x23")) }));

    const QByteArray countdown = QByteArray::fromHex("fef808023e3c45523030393003");
    modes.setEditText(QStringLiteral("Countdown on TTL IN"));
    tool.dialogs.queueAnswer(QStringLiteral("90"));
    tool[B_PANORAMA_SAVE_MODE].click();
    EXPECT_EQ(sent(),
        QStringList({ line("192.168.5.10", login("\x07<")), line("192.168.5.10", countdown),
            line("192.168.5.10", countdown) }));
    // The next prompt offers the last value; Cancel sends no countdown.
    tool.dialogs.queueAnswer(std::nullopt);
    tool[B_PANORAMA_SAVE_MODE].click();
    EXPECT_EQ(tool.dialogs.inputs().back().defaultAnswer, QStringLiteral("90"));
    EXPECT_EQ(sent(), QStringList({ line("192.168.5.10", login("\x07<")) }));
    expectSendAddress(QString::fromLatin1(broadcast));

    modes.setEditText(QStringLiteral("Temperature Mode "));
    tool[B_SAVE_ALL_PANORAMA].click();
    EXPECT_EQ(sent(), QStringList({ line(broadcast, login("\x07\x32")) }));
    EXPECT_EQ(tool[INP_IP].text(), QStringLiteral("192.168.5.10"));
}

TEST_F(Commands, APlaceholderModeSendsNothingAndAsksForAChoice)
{
    tool[LST_PANORAMA_MODE].setEditText(QStringLiteral("QD-Panorama Startup Mode"));
    tool[B_PANORAMA_SAVE_MODE].click();
    EXPECT_EQ(sent(), QStringList());
    ASSERT_FALSE(tool.dialogs.messages().empty());
    EXPECT_EQ(tool.dialogs.messages().back().title, QStringLiteral("Display mode"));
}

TEST_F(Commands, TypingIntoTheModeSelectorChangesNothing)
{
    auto& modes = tool[LST_PANORAMA_MODE];
    modes.setEditText(QStringLiteral("String Mode"));
    modes.setFocus();
    QTest::keyClicks(&modes, QStringLiteral("xyz"));
    QTest::keyClick(&modes, Qt::Key_Backspace);
    EXPECT_EQ(modes.currentText(), QStringLiteral("String Mode"));
}

} // namespace
