#include "netid/host_controller.h"

#include "commands/device_actions_controller.h"
#include "commands/sender_scope.h"
#include "core/latin1.h"
#include "form/main_form.h"
#include "widgets/focus_line_edit.h"

#include <QCheckBox>

namespace linknode {

HostController::HostController(MainForm& form, DeviceActionsController& actions)
    : QObject(&form)
    , form_(form)
    , actions_(actions)
{
    auto& hostIp = form[INP_HOST_IP];
    connect(&hostIp, &FocusLineEdit::lostFocus, this, &HostController::INP_HOST_IP_LostFocus);
    connect(&form[INP_HOST_PORT], &FocusLineEdit::textChanged, this,
        &HostController::INP_HOST_PORT_Change);
    connect(&form[Command2], &QPushButton::clicked, this, &HostController::Command2_Click);
}

void HostController::INP_HOST_IP_LostFocus()
{
    auto& hostIp = form_[INP_HOST_IP];
    hostIp.setText(trimmedBlanks(hostIp.text()));
}

void HostController::INP_HOST_PORT_Change()
{
    // A trailing "U" or "V" (upper case only) marks a port limited to 10Base-T.
    const QString port = form_[INP_HOST_PORT].text();
    form_[SW_10BASET].setChecked(port.endsWith(u'U') || port.endsWith(u'V'));
}

void HostController::Command2_Click()
{
    SenderRun run(countingDown_, form_[Command2]);
    if (run.started())
        actions_.sendCountdown(QString());
}

} // namespace linknode
