// Discovery cycles, the reply intake on the window, the automatic modes and the list tools,
// over the fake link.
#include "link/envelope.h"
#include "tests/support/tool_fixture.h"
#include "tests/widgets/user_input.h"
#include "widgets/busy_button.h"
#include "widgets/change_label.h"
#include "widgets/counter_display.h"
#include "widgets/focus_line_edit.h"
#include "widgets/list_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gmock/gmock.h>

using namespace linknode;
using namespace Qt::StringLiterals;

namespace {

const QByteArray enquiry = QByteArray::fromHex(
    "feff01ff01302e302e302e300d302e302e302e300d302e302e302e300dfd000000000000");

std::string device(int n, const std::string& ip)
{
    return "0-80-194-1-2-" + std::to_string(n) + "," + ip + ",255.255.255.0,10.0.0.254,9600";
}

struct Discovery : testing::Test {
    void SetUp() override { ASSERT_TRUE(tool.app.shell.Form_Load()); }

    void endCycle() { tool.whenShown(B_ASK_CFG); }
    auto enquiriesSent() const
    {
        return std::ranges::count(tool.sendSocket.sent, enquiry, &FakeSocket::Sent::datagram);
    }
    QStringList listed() { return tool[LST_KRT].items(); }

    Tool tool;
};

TEST_F(Discovery, RepliesAreListedACycleStartsEmptyAndTheSwitchSends25EnquiriesKeepingIt)
{
    tool.receiveSocket.injectBurst({ Tool::reply(device(3, "10.0.0.1")),
        Tool::reply(device(33, "10.0.0.2")), Tool::reply(device(3, "10.0.0.1")) });
    EXPECT_EQ(listed(),
        QStringList({ u"0-80-194-1-2-3 ,10.0.0.1,255.255.255.0,10.0.0.254,9600"_s,
            QString::fromStdString(device(33, "10.0.0.2")) }));
    EXPECT_EQ(tool[AFF_TOT_TERM].text(), u"2"_s);
    EXPECT_EQ(tool[AFF_TOT_TERMb].shownText(), u"   2"_s);
    EXPECT_TRUE(tool[LST_KRT].isVisible());
    EXPECT_TRUE(tool[AFF_SEL_DEV].isVisible());

    // A plain cycle sends one enquiry and starts with an empty list.
    endCycle();
    tool.sendSocket.sent.clear();
    QMetaObject::invokeMethod(&tool[B_ASK_CFG], "click");
    EXPECT_EQ(enquiriesSent(), 1);
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(tool[AFF_TOT_TERM].text(), u"0"_s);
    EXPECT_TRUE(tool[LST_KRT].isHidden());
    EXPECT_TRUE(tool[FR_CFG].isHidden());
    EXPECT_EQ(tool.sendSocket.sent.front().host, QHostAddress(u"255.255.255.255"_s));

    // With the Ethernet switch, 25 enquiries a tenth apart, and the list is kept.
    endCycle();
    tool.receiveSocket.inject(Tool::reply(device(1, "10.0.0.1")));
    tool[SW_SWITCH].setChecked(true);
    tool.sendSocket.sent.clear();
    bool shownDuringBurst = false;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, &tool.app.form, [&] {
        shownDuringBurst |= tool.sendSocket.sent.size() < 25 && !tool[B_ASK_CFG].isHidden();
    });
    probe.start(5);
    QMetaObject::invokeMethod(&tool[B_ASK_CFG], "click");
    const double back = tool.whenShown(B_ASK_CFG);
    probe.stop();
    ASSERT_EQ(enquiriesSent(), 25);
    // A loaded machine may hold one timer back; a tenth apart on the whole, never a second.
    const auto& sent = tool.sendSocket.sent;
    for (size_t i = 1; i < sent.size(); ++i) {
        EXPECT_GE(sent[i].time - sent[i - 1].time, 0.1) << i;
        EXPECT_LT(sent[i].time - sent[i - 1].time, 0.6) << i;
    }
    EXPECT_LT(sent.back().time - sent.front().time, 24 * 0.2);
    EXPECT_FALSE(shownDuringBurst) << "FIND DEVICES came back in the middle of the burst";
    EXPECT_GE(back - sent.back().time, 0.29);
    EXPECT_EQ(listed().size(), 1) << "the list is kept";
}

// A later reply of a listed device under another spelling of its MAC replaces the line; the
// column widens at once and narrows when the cycle ends.
TEST_F(Discovery, AnotherSpellingOfAListedMacTakesTheLineAndTheColumnFollowsByTheCycleEnd)
{
    endCycle();
    QMetaObject::invokeMethod(&tool[B_ASK_CFG], "click");
    tool.receiveSocket.injectBurst(
        { Tool::reply(device(3, "10.0.0.1")), Tool::reply(device(33, "10.0.0.2")) });
    tool.receiveSocket.inject(Tool::reply("000-080-194-001-002-003,10.0.0.9"));
    EXPECT_EQ(listed(),
        QStringList({ u"000-080-194-001-002-003,10.0.0.9"_s,
            u"0-80-194-1-2-33        ,10.0.0.2,255.255.255.0,10.0.0.254,9600"_s }));
    tool.receiveSocket.inject(Tool::reply(device(3, "10.0.0.1")));
    EXPECT_EQ(listed().front(), u"0-80-194-1-2-3         ,10.0.0.1,255.255.255.0,10.0.0.254,9600"_s)
        << "no narrower column while replies come";
    endCycle();
    EXPECT_EQ(listed(),
        QStringList({ u"0-80-194-1-2-3 ,10.0.0.1,255.255.255.0,10.0.0.254,9600"_s,
            QString::fromStdString(device(33, "10.0.0.2")) }));
    EXPECT_EQ(tool[AFF_TOT_TERM].text(), u"2"_s);
}

TEST_F(Discovery, ADeviceWhoseReplyIsTooLongIsListedAndItsTipSaysItWasCut)
{
    // A gateway whose login grew too long.
    std::string record
        = device(7, "10.0.0.7") + ",1,0,COPYRIGHTqTAVREN 2.4F,1,10.0.0.2,1883,0780,5,16,10,Tav";
    record.resize(5000, 'L');
    tool.receiveSocket.inject(Tool::reply(record));
    ASSERT_EQ(listed(), QStringList { QString::fromStdString(record.substr(0, longestRecord)) });
    ASSERT_TRUE(tool[LST_KRT].selectRow(0));
    EXPECT_EQ(tool[AFF_MAC].text(), u"0-80-194-1-2-7"_s);
    EXPECT_EQ(tool[LST_KRT].toolTip(), listed()[0] + u" (record cut at 4096 bytes)"_s);
}

// FIND DEVICES comes back 0.3 s after the last listed reply, and after the longest cycle
// however often one device answers: a host sending junk or one reply without end cannot
// keep it hidden. A faster clock makes the longest cycle take a moment.
TEST(DiscoveryCycle, EndsWhateverKeepsArriving)
{
    const double longest = DiscoveryController::longestCycle;
    const struct {
        const char* what;
        QByteArray datagram; // arrives every 0.2 s
        double earliest, latest; // FIND DEVICES is back this long after the click
    } cases[] = { { "FE FF junk", QByteArray("\xFE\xFFjunk", 6), 0.3, 1.0 },
        { "a reply whose first field is no MAC", Tool::reply("1-2-3,10.0.0.1"), 0.3, 1.0 },
        { "one device answering again and again", Tool::reply(device(1, "10.0.0.1")), longest - 1.0,
            longest + 1.0 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Tool tool(0.0, 20.0);
        ASSERT_TRUE(tool.app.shell.Form_Load());
        tool.whenShown(B_ASK_CFG);
        QTimer arrivals;
        arrivals.setTimerType(Qt::PreciseTimer);
        QObject::connect(&arrivals, &QTimer::timeout, &tool.app.form,
            [&] { tool.receiveSocket.inject(c.datagram); });
        arrivals.start(tool.clock.timerMs(0.2));
        const double clickedAt = tool.clock.now();
        QMetaObject::invokeMethod(&tool[B_ASK_CFG], "click");
        const double back = tool.whenShown(B_ASK_CFG, longest + 2) - clickedAt;
        EXPECT_GE(back, c.earliest);
        EXPECT_LE(back, c.latest);
    }
}

TEST_F(Discovery, AutomaticModesRunOnlyWhenTheirButtonIsIdle)
{
    endCycle();
    struct Mode {
        Control<QCheckBox> box;
        Control<QTimer> timer;
        int intervalMs;
        Control<QPushButton> button;
        QByteArray datagram;
        int sends;
    } modes[] = { { SW_AUTO_ASK, TIM_AUTO_ASK, 600, B_ASK_CFG, enquiry, 1 },
        { SW_AUTO_MAC, TIM_AUTO_MAC, 1000, B_SHOW_MAC, QByteArray::fromHex("feff02"), 10 },
        { SW_AUTO_TERM, TIM_AUTO_TERM, 1000, B_GO_TERM, QByteArray::fromHex("01ffff41fa"), 10 } };
    for (const Mode& m : modes) {
        SCOPED_TRACE(m.box.name());
        auto& timer = tool[m.timer];
        tool[m.box].setChecked(true);
        EXPECT_TRUE(timer.isActive());
        EXPECT_EQ(timer.interval(), m.intervalMs);

        tool.sendSocket.sent.clear();
        setBusy(tool[m.button], true); // the action is running
        emit timer.timeout({});
        EXPECT_TRUE(tool.sendSocket.sent.empty());
        setBusy(tool[m.button], false);
        emit timer.timeout({});
        ASSERT_EQ(static_cast<int>(tool.sendSocket.sent.size()), m.sends);
        EXPECT_EQ(tool.sendSocket.sent.back().datagram, m.datagram);
        endCycle();

        tool[m.box].setChecked(false);
        EXPECT_FALSE(timer.isActive());
        EXPECT_EQ(timer.interval(), 0);
    }
}

// With AUTOMATIC ASK a cycle starts every 3 s and hides FIND DEVICES for a moment: keys typed
// meanwhile into a box stay in it. Pressed from the keyboard, the button has the focus again
// once it is back, and a Space while it is hidden asks nothing more.
TEST(DiscoveryFocus, StaysWhereTheUserPutIt)
{
    Tool tool(0.0, 20.0);
    ASSERT_TRUE(tool.app.shell.Form_Load());
    ASSERT_TRUE(testing_input::showActive(tool.app.form));
    tool.whenShown(B_ASK_CFG);
    tool[SW_AUTO_ASK].setChecked(true);
    const struct {
        Control<FocusLineEdit> box;
        const char* accessCode; // in INP_PW first: the service frame shows the box
        const char* typed;
    } boxes[] = { { INP_SAVE, "", "SITE_A.TXT" }, { INP_PW, "", "MARBLE KEY" },
        { INP_AUTO_IP, "MARBLE KEY", "10.40.7." } };
    for (const auto& c : boxes) {
        SCOPED_TRACE(c.box.name());
        tool[INP_PW].setText(QLatin1StringView(c.accessCode));
        auto& box = tool[c.box];
        box.clear();
        box.setFocus();
        tool.sendSocket.sent.clear();
        for (const char* key = c.typed; *key; ++key) {
            const char one[] = { *key, '\0' };
            testing_input::typeKeys(one);
            DELAIS_EVT(tool.clock, 0.8);
        }
        EXPECT_EQ(box.text().toStdString(), c.typed);
        EXPECT_EQ(QApplication::focusWidget(), &box);
        EXPECT_GE(std::ranges::count(tool.sendSocket.sent, enquiry, &FakeSocket::Sent::datagram), 2)
            << "the typing spans automatic rounds";
    }
    EXPECT_FALSE(tool[FR_RENIP].isHidden()) << "the access code typed whole";

    tool[SW_AUTO_ASK].setChecked(false);
    tool.whenShown(B_ASK_CFG);
    auto& find = tool[B_ASK_CFG];
    find.setFocus();
    tool.sendSocket.sent.clear();
    testing_input::pressKey(Qt::Key_Space);
    ASSERT_TRUE(find.isHidden());
    QTest::keyClick(
        QApplication::focusWidget() ? QApplication::focusWidget() : &tool.app.form, Qt::Key_Space);
    tool.whenShown(B_ASK_CFG);
    EXPECT_EQ(QApplication::focusWidget(), &find);
    EXPECT_EQ(tool.sendSocket.sent.size(), 1u);
}

TEST_F(Discovery, FullListRefusesNewDevicesAndSaysSoOnceACycle)
{
    endCycle();
    std::vector<QByteArray> burst;
    for (int i = 0; i < 10000; ++i)
        burst.push_back(Tool::reply(
            "1-1-1-1-" + std::to_string(i / 256) + "-" + std::to_string(i % 256) + ",10.1.0.1"));
    tool.receiveSocket.injectBurst(burst);
    EXPECT_EQ(tool[AFF_TOT_TERM].text(), u"10000"_s);
    EXPECT_EQ(tool[AFF_TOT_TERMb].shownText(), u"----"_s);
    tool.receiveSocket.inject(Tool::reply("9-9-9-9-9-9,10.1.0.2"));
    tool.receiveSocket.inject(Tool::reply("9-9-9-9-9-8,10.1.0.3"));
    EXPECT_EQ(listed().size(), 10000);
    EXPECT_THAT(tool[AFF_SEL_DEV].text().toStdString(), testing::HasSubstr("FULL"));
    EXPECT_TRUE(tool.dialogs.messages().empty()) << "no modal box in the middle of a discovery";
    QMetaObject::invokeMethod(&tool[B_ASK_CFG], "click");
    EXPECT_EQ(tool[AFF_SEL_DEV].text(), u"SELECT AN IP DEVICE FROM LIST ABOVE"_s);
}

TEST_F(Discovery, SortOrdersByTheOctetsAsNumbersAndExportWritesTheList)
{
    endCycle();
    tool.receiveSocket.injectBurst(
        { Tool::reply(device(1, "10.0.0.10")), Tool::reply(device(2, "10.0.1.1")),
            Tool::reply(device(3, "10.0.0.2")), Tool::reply("0-80-194-1-2-44,,x") });
    QMetaObject::invokeMethod(&tool[B_SORT], "click");
    QStringList ips;
    for (const QString& line : listed())
        ips << line.section(u',', 1, 1);
    EXPECT_EQ(ips, QStringList({ QString(), u"10.0.0.2"_s, u"10.0.0.10"_s, u"10.0.1.1"_s }));
    EXPECT_EQ(tool[AFF_TOT_TERM].text(), u"4"_s);

    // The export writes the list, a failure is told by name and leaves old files alone.
    QTemporaryDir dir;
    const QString file = dir.filePath(u"LST_MAC_.TXT"_s);
    tool[INP_SAVE].setText(file);
    QMetaObject::invokeMethod(&tool[B_SAVE], "click");
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().split('\n').size(), 10) << "nine CR LF lines";
    EXPECT_TRUE(tool.dialogs.messages().empty());

    // The name of an existing folder cannot be written: told by name, nothing damaged.
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"taken"_s));
    tool[INP_SAVE].setText(dir.filePath(u"taken"_s));
    QMetaObject::invokeMethod(&tool[B_SAVE], "click");
    ASSERT_EQ(tool.dialogs.messages().size(), 1u);
    EXPECT_THAT(tool.dialogs.messages().front().text.toStdString(), testing::HasSubstr("taken"));
    EXPECT_TRUE(QFileInfo(dir.filePath(u"taken"_s)).isDir());
    EXPECT_FALSE(tool[B_SAVE].isHidden());
}

// The padding's rules are the list tools' own; here the field applies them when left.
TEST_F(Discovery, OptionCharactersArePaddedWhenTheFieldIsLeft)
{
    auto& options = tool[INP_NO];
    for (const auto& [typed, kept] :
        { std::pair { u"7"_s, u"0007"_s }, { u"20N0"_s, u"20N0"_s } }) {
        options.setText(typed);
        emit options.lostFocus();
        EXPECT_EQ(options.text(), kept) << typed.toStdString();
    }
}

} // namespace
