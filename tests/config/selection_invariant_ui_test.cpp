// Whatever device was shown before, selecting a device shows exactly what it reported in the
// fields a save sends back (host address, host port, option characters and login), and the
// window looks the same: what is shown, enabled, ticked, where, and with which text.
#include "core/latin1.h"
#include "sim/presets.h"
#include "tests/config/view_fixture.h"
#include "widgets/focus_line_edit.h"

#include <QAbstractButton>
#include <QPushButton>
#include <map>

using namespace linknode;
using namespace linknode::test;
using namespace Qt::StringLiterals;

namespace {

std::vector<std::string> fields(const std::string& record)
{
    std::vector<std::string> result;
    size_t start = 0;
    for (;;) {
        const size_t comma = record.find(',', start);
        std::string field = record.substr(start, comma - start);
        field.erase(0, field.find_first_not_of(' '));
        field.erase(field.find_last_not_of(' ') + 1);
        result.push_back(field);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    result.resize(std::max<size_t>(result.size(), 16));
    return result;
}

// The login box's form of field 15: control characters in caret notation, byte 234 as a
// comma, the maker prefix dropped; three characters are an empty login.
QString shownLogin(const std::string& raw)
{
    std::string caret;
    for (const char c : raw) {
        switch (static_cast<unsigned char>(c)) {
        case 13:
            caret += "^13^";
            break;
        case 10:
            caret += "^10^";
            break;
        case 9:
            caret += "^9^";
            break;
        case 234:
            caret += ',';
            break;
        default:
            caret += c;
        }
    }
    if (caret.size() == 3)
        caret.clear();
    else if (caret.starts_with("Tav"))
        caret.erase(0, 3);
    return toText(caret);
}

std::vector<std::string> records()
{
    std::vector<std::string> all;
    for (const sim::Device& device : sim::allModelsFleet()) {
        const QByteArray text = sim::recordText(device);
        all.emplace_back(text.constData(), static_cast<size_t>(text.size()));
    }
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
        const QVariant entryEnabled = control->property("entryEnabled");
        const bool enabled = entryEnabled.isValid() ? entryEnabled.toBool() : control->isEnabled();
        QString shown = control->isHidden() ? u"hidden"_s : u"shown"_s;
        shown += enabled ? u" enabled"_s : u" disabled"_s;
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

QString differences(
    const std::map<QString, QString>& expected, const std::map<QString, QString>& actual)
{
    QString report;
    for (const auto& [name, state] : expected) {
        const auto found = actual.find(name);
        if (found == actual.end() || found->second != state)
            report += u"%1: %2 / %3\n"_s.arg(
                name, state, found == actual.end() ? u"missing"_s : found->second);
    }
    return report;
}

TEST_F(ConfigView, EverySelectionShowsTheDevicesOwnHostOptionsAndLogin)
{
    const std::vector<std::string> all = records();
    for (const std::string& record : all)
        tool.receiveSocket.inject(Tool::reply(record));
    auto& hostIp = tool[INP_HOST_IP];
    auto& hostPort = tool[INP_HOST_PORT];
    auto& options = tool[INP_NO];
    auto& login = tool[INP_LOGIN];
    auto& workstation = tool[INP_DEVNAME];
    auto& zoneSign = tool[B_TIME_ZONE];
    auto& zoneHours = tool[INP_TIMEZONE];

    // The window as the first selection of each record left it.
    std::map<std::string, std::map<QString, QString>> firstSeen;

    for (const std::string& previous : all) {
        for (const std::string& record : all) {
            select(previous);
            workstation.setText(QStringLiteral("WS-PREVIOUS"));
            select(record);
            const std::vector<std::string> f = fields(record);
            SCOPED_TRACE("previous: " + previous + "\nshown: " + record);
            const auto state = windowState(tool.app.form);
            const auto& first = firstSeen.try_emplace(record, state).first->second;
            ASSERT_EQ(differences(first, state), QString())
                << "after another board, the window differs (first selection / now)";
            ASSERT_EQ(hostIp.text(), toText(f[9]));
            ASSERT_EQ(hostPort.text(), toText(f[10]));
            ASSERT_EQ(options.text(), f[11].empty() ? QStringLiteral("0000") : toText(f[11]));
            ASSERT_EQ(login.text(), shownLogin(f[15]));
            ASSERT_EQ(workstation.text(), QString());
            if (f[10].starts_with("00")) {
                const QString port = toText(f[10]);
                const bool minus = port.mid(2, 1) == QLatin1String("1");
                ASSERT_EQ(zoneSign.text(), minus ? QStringLiteral("-") : QStringLiteral("+"));
                ASSERT_EQ(zoneHours.text(), QString::number(port.mid(3).toInt()));
            }
        }
    }
}

} // namespace
