// The window by keys alone: Enter presses the focused button, the shortcuts press what they
// name from any box and leave the captions as they are, Tab goes in reading order and stops
// only at controls in sight. (Esc closes a box: tests/form/window_ui_test.cpp.)
#include "link/envelope.h"
#include "tests/config/view_fixture.h"
#include "tests/support/widget_stacking.h"
#include "tests/widgets/user_input.h"
#include "widgets/ip_entry.h"
#include "widgets/list_box.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace linknode;
using namespace linknode::test;
using namespace linknode::testing_input;

namespace {

struct Keys : ConfigView {
    Keys()
        : ConfigView(50.0)
    {
    }
    void SetUp() override
    {
        ConfigView::SetUp();
        ASSERT_TRUE(showActive(tool.app.form));
    }

    int enquiries() const
    {
        const QByteArray enquiry = QByteArray::fromStdString(enquiryDatagram());
        return static_cast<int>(
            std::ranges::count(tool.sendSocket.sent, enquiry, &FakeSocket::Sent::datagram));
    }

    // The controls Tab reaches from FIND DEVICES, once round, in order.
    QList<QWidget*> tabRound()
    {
        auto& start = tool[B_ASK_CFG];
        start.setFocus(Qt::TabFocusReason);
        QList<QWidget*> round { &start };
        for (int i = 0; i < 400; ++i) {
            pressKey(Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            if (!focused || focused == &start)
                break;
            round << focused;
        }
        return round;
    }
};

TEST_F(Keys, EnterPressesTheFocusedButtonAsSpaceDoes)
{
    for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space }) {
        SCOPED_TRACE(key);
        tool.whenShown(B_ASK_CFG);
        tool[B_ASK_CFG].setFocus();
        tool.sendSocket.sent.clear();
        pressKey(key);
        EXPECT_EQ(enquiries(), 1);
    }
}

// Each shortcut acts from a text box that has the focus (which would take Ctrl+E as the end of
// its line), and presses only a button a user could click.
TEST_F(Keys, ShortcutsPressWhatTheyNameFromAnyBox)
{
    QTemporaryDir folder;
    tool[INP_SAVE].setText(QDir(folder.path()).filePath(QStringLiteral("LST_MAC_.TXT")));
    select(fleetRecords().front());
    tool.whenShown(B_ASK_CFG);
    QSignalSpy saves(&tool[B_UPDATE], &QPushButton::clicked);
    QSignalSpy mqttSaves(&tool[B_SAVE_CFG_MQTT], &QPushButton::clicked);
    const QString captions = tool[B_ASK_CFG].text() + tool[B_UPDATE].text() + tool[B_SAVE].text();

    tool[INP_SAVE].setFocus();
    tool.sendSocket.sent.clear();
    pressKey(Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(tool[INP_SAVE].text())) << "Ctrl+E exports the list";
    pressKey(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), &tool[LST_KRT]) << "Ctrl+F goes to the list";
    tool[INP_HOST_PORT].setFocus();
    pressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saves.count(), 1) << "Ctrl+S saves the shown device";
    tool.whenShown(B_ASK_CFG, 5.0);
    tool[INP_SAVE].setFocus();
    tool.sendSocket.sent.clear();
    pressKey(Qt::Key_F5);
    EXPECT_EQ(enquiries(), 1) << "F5 finds the devices";
    EXPECT_EQ(tool[INP_SAVE].text().right(12), QStringLiteral("LST_MAC_.TXT"));

    // Nothing to save without a device shown; the gateway saves through its own frame.
    tool.whenShown(B_ASK_CFG);
    pressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saves.count(), 1);
    for (const std::string& record : fleetRecords()) {
        select(record);
        if (tool[FR_MQTT].isVisible())
            break;
    }
    ASSERT_TRUE(tool[FR_MQTT].isVisible()) << "the fleet has a sensor gateway";
    pressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(mqttSaves.count(), 1);
    EXPECT_EQ(saves.count(), 1);

    EXPECT_EQ(tool[B_ASK_CFG].text() + tool[B_UPDATE].text() + tool[B_SAVE].text(), captions);
    const std::pair<Control<QWidget>, const char*> tips[]
        = { { B_ASK_CFG, "(F5)" }, { B_UPDATE, "(Ctrl+S)" }, { B_SAVE_CFG_MQTT, "(Ctrl+S)" },
              { B_SAVE, "(Ctrl+E)" }, { FR_LST_KRT, "Ctrl+F" } };
    for (const auto& [control, keys] : tips)
        EXPECT_TRUE(tool[control].toolTip().contains(QLatin1String(keys))) << control.name();
}

// Tab reaches each control in sight once a round, row by row within each frame, and nothing
// out of sight: not the help text under the list, not the commands under the service frame,
// not the switches below the window's edge until the window is enlarged.
TEST_F(Keys, TabGoesInReadingOrderAndStopsOnlyInSight)
{
    select(fleetRecords().front());
    tool.whenShown(B_ASK_CFG);
    const QList<QWidget*> round = tabRound();
    const auto before = [&](QWidget* a, QWidget* b) {
        return round.contains(a) && round.contains(b) && round.indexOf(a) < round.indexOf(b);
    };
    const std::pair<QWidget*, QWidget*> inOrder[] = {
        { &tool[B_ASK_CFG], &tool[SW_AUTO_ASK] },
        { &tool[SW_AUTO_ASK], &tool[INP_PW] },
        { &tool[SW_SWITCH], &tool[B_RESET_ONE] },
        { &tool[B_SAVE], &tool[INP_SAVE] },
        { &tool[B_SHOW_MAC], &tool[SW_AUTO_MAC] },
        { &tool[SW_AUTO_MAC], &tool[B_LED_FLASH] },
        { &tool[B_GO_TERM], &tool[B_GO_BOOT] },
        { &tool[LST_KRT], &tool[B_SORT] },
        { tool[INP_IP].box(0), tool[INP_IP].box(1) },
        { tool[INP_IP].box(3), tool[INP_MASK].box(0) },
        { tool[INP_MASK].box(3), tool[INP_GATE].box(0) },
        { &tool[INP_PARITY], &tool[INP_StopBit] },
        { &tool[INP_StopBit], &tool[INP_DATABITS] },
        { &tool[INP_HOST_IP], &tool[INP_HOST_PORT] },
        { &tool[INP_HOST_PORT], &tool[INP_NO] },
        // SAVE CONFIGURATION stands above the fields it saves, and comes after them.
        { tool[INP_GATE].box(3), &tool[B_UPDATE] },
        { &tool[INP_NO], &tool[B_UPDATE] },
    };
    for (const auto& [first, second] : inOrder) {
        EXPECT_TRUE(before(first, second)) << first->objectName().toStdString() << " before "
                                           << second->objectName().toStdString();
    }
    QList<const QWidget*> seen = controlsInSight(tool.app.form);
    for (QWidget* stop : round) {
        const QWidget* control
            = qobject_cast<IpEntry*>(stop->parentWidget()) ? stop->parentWidget() : stop;
        EXPECT_TRUE(seen.contains(control) && inWindow(*control).intersects(tool.app.form.rect()))
            << stop->objectName().toStdString() << " is out of sight";
        EXPECT_EQ(round.count(stop), 1) << stop->objectName().toStdString();
    }
    for (const auto hidden :
        ControlList<QWidget> { Text1, SW_BYPASSAUTOBOOT, Command1, Command2, INP_UNLOCK_255 })
        EXPECT_FALSE(round.contains(&tool[hidden])) << hidden.name();

    tool[INP_PW].setText(QStringLiteral("MARBLE KEY"));
    QList<QWidget*> service = tabRound();
    EXPECT_TRUE(service.contains(&tool[INP_AUTO_IP]));
    EXPECT_FALSE(service.contains(&tool[B_RESET_ONE])) << "under the service frame";

    tool.app.form.resize(tool.app.form.size() + QSize(0, 150));
    const QList<QWidget*> enlarged = tabRound();
    for (const auto below :
        ControlList<QWidget> { SW_BYPASSAUTOBOOT, Command1, Command2, INP_UNLOCK_255 })
        EXPECT_TRUE(enlarged.contains(&tool[below])) << below.name();
}

// Ctrl+plus (or Ctrl+=) and Ctrl+minus zoom a step from any box, Ctrl+0 back to the design.
TEST_F(Keys, CtrlPlusAndMinusZoomTheWindowAStep)
{
    tool[INP_SAVE].setFocus();
    const std::pair<QKeyCombination, int> steps[]
        = { { Qt::CTRL | Qt::Key_Plus, 125 }, { Qt::CTRL | Qt::Key_Equal, 150 },
              { Qt::CTRL | Qt::Key_Minus, 125 }, { Qt::CTRL | Qt::Key_Plus, 150 },
              { Qt::CTRL | Qt::Key_0, 100 }, { Qt::CTRL | Qt::Key_Minus, 100 } };
    for (const auto& [keys, zoom] : steps) {
        pressKey(keys.key(), keys.keyboardModifiers());
        EXPECT_EQ(tool.app.form.zoom(), zoom) << QKeySequence(keys).toString().toStdString();
    }
    EXPECT_EQ(tool[INP_SAVE].text(), QStringLiteral("LST_MAC_.TXT")) << "no key typed";
}

// The help text is a stop while it is what the list frame shows.
TEST_F(Keys, TheHelpTextIsAStopWhileNoDeviceIsListed)
{
    EXPECT_TRUE(tabRound().contains(&tool[Text1]));
}

} // namespace
