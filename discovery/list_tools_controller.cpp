#include "discovery/list_tools_controller.h"

#include "config/option_text.h"
#include "core/file_writer.h"
#include "core/latin1.h"
#include "core/text_fields.h"
#include "discovery/discovery_controller.h"
#include "discovery/list_tools.h"
#include "form/dialogs.h"
#include "form/main_form.h"
#include "link/envelope.h"
#include "link/link.h"
#include "widgets/busy_button.h"
#include "widgets/focus_line_edit.h"
#include "widgets/list_box.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>

namespace linknode {

ListToolsController::ListToolsController(
    MainForm& form, Link& link, Dialogs& dialogs, DiscoveryController& discovery)
    : QObject(&form)
    , form_(form)
    , link_(link)
    , dialogs_(dialogs)
    , discovery_(discovery)
{
    connect(&form[B_SORT], &QPushButton::clicked, this, &ListToolsController::B_SORT_Click);
    connect(&form[B_SHOW_MAC], &QPushButton::clicked, this, &ListToolsController::B_SHOW_MAC_Click);
    connect(&form[B_SAVE], &QPushButton::clicked, this, &ListToolsController::B_SAVE_Click);
    connect(&form[INP_NO], &FocusLineEdit::lostFocus, this, &ListToolsController::INP_NO_LostFocus);
}

void ListToolsController::B_SORT_Click()
{
    if (discovery_.held())
        return;
    DeviceList& devices = discovery_.devices();
    std::vector<std::string> ips;
    std::vector<std::string> lines;
    for (int line = 0; line < devices.count(); ++line) {
        ips.push_back(GET_PAR(devices.record(line), 1, ","));
        lines.push_back(toBytes(devices.shownLine(line)));
    }
    devices.reorder(orderByIp(ips, lines));
}

void ListToolsController::B_SHOW_MAC_Click()
{
    auto& button = form_[B_SHOW_MAC];
    setBusy(button, true);
    link_.sendRepeatedly(showMacDatagram(), 10);
    setBusy(button, false);
}

void ListToolsController::B_SAVE_Click()
{
    auto& button = form_[B_SAVE];
    setBusy(button, true);
    const DeviceList& devices = discovery_.devices();
    std::vector<std::string> lines;
    for (int line = 0; line < devices.count(); ++line)
        lines.push_back(toBytes(devices.shownLine(line)));
    const std::string text = exportText(lines);
    // A failed export never damages a list the technician has already annotated.
    const QString name = placeInWritableFolder(form_[INP_SAVE].text(), QDir::currentPath(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QString reason;
    if (!writeWholeFile(name, toDatagram(text), &reason)) {
        dialogs_.message(QStringLiteral("The list could not be saved to \"%1\":\r\n%2")
                             .arg(QFileInfo(name).absoluteFilePath(), reason),
            QStringLiteral("Save:"), MessageIcon::Critical);
    }
    setBusy(button, false);
}

void ListToolsController::INP_NO_LostFocus()
{
    auto& options = form_[INP_NO];
    options.setText(
        toText(optionsShown(padOptionCharacters(optionsTyped(toBytes(options.text()))))));
}

} // namespace linknode
