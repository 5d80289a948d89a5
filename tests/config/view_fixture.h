#pragma once

// The window with a device list, devices selected as a user selects them, and checks of the
// view's controls written as tables.
#include "tests/support/tool_fixture.h"

#include <gmock/gmock.h>
#include <string>
#include <vector>

// Failures print texts, not bytes.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace linknode::test {

// A device record as the device sends it, built field by field; `fields` cuts it short the
// way older firmware does.
struct Record {
    std::string mac = "0-80-194-1-2-3";
    std::string ip = "192.168.5.10";
    std::string mask = "255.255.255.0";
    std::string gate = "192.168.5.1";
    std::string bauds = "9600";
    std::string parity = "0";
    std::string databits = "0";
    std::string version = "COPYRIGHT+TAVREN KRT-40 2.4F";
    std::string mode = "1";
    std::string hostIp = "192.168.5.2";
    std::string hostPort = "2101";
    std::string options = "0000";
    std::string wiegand1 = "5";
    std::string wiegand2 = "16";
    std::string wiegand3 = "10";
    std::string login = "TavAB";
    int fields = 16;

    std::string text() const;
};

// What a control should show. `value` is Latin-1 text for Text, Tag and Tip, a combo box's
// items joined by '|' for Items, and "left,top" in twips for At.
enum class Is { Shown, Hidden, Enabled, Disabled, Checked, Unchecked, Text, Items, Tag, Tip, At };
struct Expect {
    Control<QWidget> control;
    Is state;
    const char* value = nullptr;
};

// Visibility is the control's own flag: a control inside a hidden frame still counts as shown.
void expectView(Tool& tool, const std::vector<Expect>& table);

// The text a control shows: a line edit's or IP entry's text, a combo box's current text, a
// label's or button's caption.
QString shownText(QWidget& control);

// Whether a user can work the control: an IP entry's own switch is its Enabled property.
bool enabledForUser(const QWidget& control);

// Whether the control takes a user's input: a button, switch, text box, selector or list.
bool isInput(const QWidget& control);

// One record for each device of the all-models fleet.
std::vector<std::string> fleetRecords();

// A user's edit of one control: tick or untick a box (select an option button), set a text
// (a combo box's edit text), click a button, move the focus away, or press the mouse on it.
enum class Do { Check, Uncheck, Set, Click, FocusOut, MouseClick };
struct Edit {
    Do action;
    Control<QWidget> control;
    const char* text = nullptr; // Latin-1, for Set
    std::vector<Expect> expect = {};
};
void apply(Tool& tool, const Edit& edit);

struct ConfigView : testing::Test {
    ConfigView() = default;
    // Long sequences (a save takes about 20 s of the tool's time) run on a faster clock.
    explicit ConfigView(double clockSpeed)
        : tool(0.0, clockSpeed)
    {
    }
    void SetUp() override;

    // Delivers the device's reply and selects its line in the list as a user's click does.
    void select(const std::string& record);
    void select(const Record& record) { select(record.text()); }

    Tool tool;
};

} // namespace linknode::test
