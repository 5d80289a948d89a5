// Whatever device was shown before, selecting a device shows exactly what it reported in the
// fields a save sends back (host address, host port, option characters and login), and the
// window looks the same: what is shown, enabled, ticked, where, and with which text.
#include "config/device_record.h"
#include "config/option_text.h"
#include "config/time_zone.h"
#include "core/latin1.h"
#include "core/shown_text.h"
#include "tests/config/view_fixture.h"
#include "widgets/focus_line_edit.h"

#include <QAbstractButton>
#include <map>

using namespace linknode;
using namespace linknode::test;
using namespace Qt::StringLiterals;

namespace {

std::vector<std::string> records()
{
    std::vector<std::string> all = fleetRecords();
    const Record edges[] = {
        { .mac = "0-80-194-9-0-1", .options = "" },
        { .mac = "0-80-194-9-0-2",
            .mode = "",
            .hostIp = "10.9.0.2",
            .hostPort = "2102",
            .options = "0780" },
        { .mac = "0-80-194-9-0-3", .version = "COPYRIGHT+TAVREN KRT-40 2.4F", .fields = 8 },
        { .mac = "0-80-194-9-0-4", .login = "XY" },
        { .mac = "0-80-194-9-0-5",
            .version = "COPYRIGHT^TAVREN QD-71R 2.4F",
            .mode = "0",
            .hostIp = "10.9.0.5",
            .hostPort = "00105",
            .options = "0080" },
        { .mac = "0-80-194-9-0-6",
            .version = "COPYRIGHT\\TAVREN CONDUIT V3 2.3W",
            .hostPort = "2101V",
            .options = "2780" },
        { .mac = "0-80-194-9-0-7", .options = "48\2709", .login = "TavA\rB\352C" },
        { .mac = "0-80-194-9-0-8",
            .version = "COPYRIGHT!TAVREN ZEPHYR-POD 2.4F",
            .options = "20N0" },
        { .mac = "0-80-194-9-0-9", .mode = "", .hostPort = "00012", .options = "12" },
        // A zone text that re-encoding would change ("00102"): it stays as sent.
        { .mac = "0-80-194-9-0-11", .mode = "0", .hostPort = "0012" },
        // Old firmware in client mode; a Cloud board with the AUX port and a login without a
        // whole terminal number; a V6 board with an option letter and a mode character that
        // name nothing.
        { .mac = "0-80-194-9-0-12", .version = "COPYRIGHT+TAVREN KRT-40 1.2B" },
        { .mac = "0-80-194-9-0-13",
            .version = "COPYRIGHTxTAVREN KRT-40 CLOUD 2.4F",
            .options = "07\2000",
            .login = "TavTER:42" },
        { .mac = "0-80-194-9-0-14",
            .version = "COPYRIGHToTAVREN KRT-40 V6 2.4F",
            .options = "30M0" },
        { .mac = "0-80-194-9-0-10",
            .mode = "0",
            .hostPort = "1024U",
            .options = "6709",
            .fields = 15 },
    };
    for (const Record& edge : edges)
        all.push_back(edge.text());
    return all;
}

// Every named control as the window shows it: its own visibility flag, enabled state and
// tick; for what is on screen also its place, text and picture.
std::map<QString, QString> windowState(QWidget& window)
{
    std::map<QString, QString> state;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(u"qt_"))
            continue;
        QString shown = control->isHidden() ? u"hidden"_s : u"shown"_s;
        shown += enabledForUser(*control) ? u" enabled"_s : u" disabled"_s;
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            shown += button->isChecked() ? u" checked"_s : u" unchecked"_s;
        if (control->isVisible()) {
            shown += u" at %1,%2 \"%3\""_s.arg(control->x())
                         .arg(control->y())
                         .arg(shownText(*control));
            shown += control->property("picture").toString();
        }
        state[name] = shown;
    }
    return state;
}

TEST_F(ConfigView, EverySelectionShowsTheDevicesOwnHostOptionsAndLogin)
{
    const std::vector<std::string> all = records();
    for (const std::string& record : all)
        tool.receiveSocket.inject(Tool::reply(record));

    // The window as the first selection of each record left it.
    std::map<std::string, std::map<QString, QString>> firstSeen;

    for (const std::string& previous : all) {
        for (const std::string& record : all) {
            select(previous);
            tool[INP_DEVNAME].setText(QStringLiteral("WS-PREVIOUS"));
            select(record);
            const auto field = [&record](RecordField f) { return recordField(record, f); };
            SCOPED_TRACE("previous: " + previous + "\nshown: " + record);
            const auto state = windowState(tool.app.form);
            const auto& first = firstSeen.try_emplace(record, state).first->second;
            ASSERT_THAT(state, testing::ContainerEq(first))
                << "after another board, the window differs from its first selection";
            const std::string options = field(FLD_OPTIONS);
            ASSERT_EQ(tool[INP_HOST_IP].text(), toText(field(FLD_HOST_IP)));
            ASSERT_EQ(tool[INP_HOST_PORT].text(), toText(field(FLD_HOST_PORT)));
            // Control bytes in caret form, read back as the device sent them.
            ASSERT_EQ(
                optionsTyped(toBytes(tool[INP_NO].text())), options.empty() ? "0000" : options);
            ASSERT_FALSE(tool[INP_NO].text().contains(QChar(0x80)));
            // The device's own login, its workstation identifier apart where the firmware has one.
            const QString login = caretForm(toText(shownLogin(loginCaretForm(field(FLD_LOGIN)))));
            const LoginParts parts = tool[FR_DEVNAME].isHidden() ? LoginParts { toBytes(login), {} }
                                                                 : splitWorkstation(toBytes(login));
            ASSERT_EQ(tool[INP_LOGIN].text(), toText(parts.login));
            ASSERT_EQ(tool[INP_DEVNAME].text(), toText(parts.workstation));
            if (const auto zone = timeZoneOf(field(FLD_HOST_PORT))) {
                ASSERT_EQ(tool[B_TIME_ZONE].text(), toText(zone->sign));
                ASSERT_EQ(tool[INP_TIMEZONE].text(), toText(zone->hours));
            }
        }
    }
}

} // namespace
