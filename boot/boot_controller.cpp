#include "boot/boot_controller.h"

#include "config/option_text.h"
#include "config/view_state.h"
#include "core/latin1.h"
#include "discovery/discovery_controller.h"
#include "form/main_form.h"
#include "link/envelope.h"
#include "link/link.h"
#include "widgets/busy_button.h"
#include "widgets/focus_line_edit.h"

#include <QCheckBox>
#include <QPushButton>

namespace linknode {

BootController::BootController(MainForm& form, Link& link, DiscoveryController& discovery)
    : QObject(&form)
    , form_(form)
    , link_(link)
    , discovery_(discovery)
{
    connect(&form[B_GO_TERM], &QPushButton::clicked, this, &BootController::B_GO_TERM_Click);
    connect(&form[B_GO_BOOT], &QPushButton::clicked, this, &BootController::B_GO_BOOT_Click);
    connect(&form[SW_BYPASSAUTOBOOT], &QCheckBox::toggled, this,
        &BootController::SW_BYPASSAUTOBOOT_Click);
    connect(&form[SW_AUTO_BOOT], &QCheckBox::toggled, this, &BootController::SW_AUTO_BOOT_Click);
}

void BootController::B_GO_TERM_Click()
{
    auto& button = form_[B_GO_TERM];
    setBusy(button, true);
    link_.sendRepeatedly(terminalModeDatagram(), 10);
    setBusy(button, false);
}

void BootController::B_GO_BOOT_Click()
{
    auto& button = form_[B_GO_BOOT];
    setBusy(button, true);
    link_.sendRepeatedly(bootModeDatagram(), 10);
    setBusy(button, false);
}

void BootController::SW_BYPASSAUTOBOOT_Click()
{
    form_[SW_SWITCH].setChecked(form_[SW_BYPASSAUTOBOOT].isChecked());
    for (int i = 0; i < 4; ++i)
        discovery_.B_ASK_CFG_Click();
}

void BootController::SW_AUTO_BOOT_Click()
{
    if (!deviceShown(form_))
        return;
    const char c
        = autoBootCharacter(form_[SW_AUTO_BOOT].isChecked(), form_[SW_AUXRS232].isChecked());
    // While the view is filled from a record, the options stay as the device sent them.
    if (viewBeingFilled(form_))
        return;
    auto& options = form_[INP_NO];
    options.setText(
        toText(optionsShown(withAutoBootCharacter(optionsTyped(toBytes(options.text())), c))));
}

} // namespace linknode
