#include "commands/option_switches_controller.h"

#include "boot/boot_controller.h"
#include "config/device_draft.h"
#include "config/device_settings.h"
#include "config/option_text.h"
#include "config/view_state.h"
#include "core/latin1.h"
#include "core/text_fields.h"
#include "form/dialogs.h"
#include "form/main_form.h"
#include "widgets/focus_line_edit.h"

#include <QCheckBox>
#include <QRadioButton>

namespace linknode {

OptionSwitchesController::OptionSwitchesController(
    MainForm& form, Dialogs& dialogs, BootController& boot, const DeviceDraft& draft)
    : QObject(&form)
    , form_(form)
    , dialogs_(dialogs)
    , boot_(boot)
    , draft_(draft)
{
    using C = OptionSwitchesController;
    const std::pair<Control<QCheckBox>, void (C::*)()> boxes[] = {
        { SW_CONDUIT(0), &C::SW_CONDUIT_Click },
        { SW_CONDUIT(1), &C::SW_CONDUIT_Click },
        { SW_BIOSCRYPT, &C::SW_BIOSCRYPT_Click },
        { SW_BIOSCRYPT_PREFIX, &C::SW_BIOSCRYPT_PREFIX_Click },
        { SW_KEEPALIVE, &C::SW_KEEPALIVE_Click },
        { SW_TIMEOUT, &C::SW_TIMEOUT_Click },
        { SW_AUXRS232, &C::SW_AUXRS232_Click },
        { SW_10BASET, &C::SW_10BASET_Click },
    };
    for (const auto& [name, handler] : boxes)
        connect(&form[name], &QCheckBox::toggled, this, handler);
    // Option buttons: only the one that becomes selected acts.
    const std::pair<Control<QRadioButton>, void (C::*)()> options[] = {
        { SW_KEEPALIVE_DEL(0), &C::SW_KEEPALIVE_DEL_Click },
        { SW_KEEPALIVE_DEL(1), &C::SW_KEEPALIVE_DEL_Click },
        { SW_MODE(0), &C::SW_MODE_Click },
        { SW_MODE(1), &C::SW_MODE_Click },
    };
    for (const auto& [name, handler] : options)
        connect(&form[name], &QRadioButton::toggled, this, [this, act = handler](bool on) {
            if (on)
                (this->*act)();
        });
    // A press comes before the change only when the user (or the automation) clicks.
    connect(&form[SW_10BASET], &QCheckBox::pressed, this,
        &OptionSwitchesController::SW_10BASET_MouseDown);
}

bool OptionSwitchesController::checked(Control<QAbstractButton> button) const
{
    return form_[button].isChecked();
}

void OptionSwitchesController::setChecked(Control<QAbstractButton> button, bool on)
{
    form_[button].setChecked(on);
}

void OptionSwitchesController::writeOption(int position, char c)
{
    auto& options = form_[INP_NO];
    const std::string current = optionsTyped(toBytes(options.text()));
    setTextOfShownDevice(INP_NO, toText(optionsShown(withOptionCharacter(current, position, c))));
}

void OptionSwitchesController::setTextOfShownDevice(Control<FocusLineEdit> box, const QString& text)
{
    // While the view is filled the texts stay as the device sent them; with no device shown
    // there is nothing to change, and nothing a later save could send by mistake.
    if (!viewBeingFilled(form_) && deviceShown(form_))
        form_[box].setText(text);
}

void OptionSwitchesController::SW_CONDUIT_Click()
{
    if (!deviceShown(form_))
        return;
    auto& conduit400 = form_[SW_CONDUIT(1)];
    char c;
    if (checked(SW_CONDUIT(0))) {
        c = '2';
        conduit400.setEnabled(true);
    } else {
        c = '0';
        conduit400.setChecked(false);
        conduit400.setEnabled(false);
    }
    if (conduit400.isChecked()) {
        setChecked(SW_BIOSCRYPT, false);
        setChecked(SW_BIOSCRYPT_PREFIX, false);
        c = '4';
        setChecked(SW_CONDUIT(0), true);
    } else if (checked(SW_CONDUIT(0))) {
        setChecked(SW_BIOSCRYPT, false);
        setChecked(SW_BIOSCRYPT_PREFIX, false);
        c = '2';
    }
    writeOption(1, c);
}

void OptionSwitchesController::SW_BIOSCRYPT_Click()
{
    if (!deviceShown(form_))
        return;
    auto& prefixFrame = form_[FR_BIOSCRYPT_PREFIX];
    char c;
    if (checked(SW_BIOSCRYPT)) {
        setChecked(SW_CONDUIT(0), false);
        setChecked(SW_CONDUIT(1), false);
        c = '5';
        prefixFrame.show();
    } else {
        c = '0';
        setChecked(SW_BIOSCRYPT_PREFIX, false);
        prefixFrame.hide();
    }
    // Written last, so it wins over what the conduit handler wrote meanwhile.
    writeOption(1, c);
}

void OptionSwitchesController::SW_BIOSCRYPT_PREFIX_Click()
{
    if (!deviceShown(form_))
        return;
    char c = '5';
    if (checked(SW_BIOSCRYPT_PREFIX)) {
        setChecked(SW_CONDUIT(0), false);
        setChecked(SW_CONDUIT(1), false);
        c = '6';
    }
    writeOption(1, c);
}

void OptionSwitchesController::SW_KEEPALIVE_Click()
{
    if (!deviceShown(form_))
        return;
    const bool on = checked(SW_KEEPALIVE);
    const char c = !on ? '0' : checked(SW_KEEPALIVE_DEL(0)) ? '7' : '8';
    form_[SW_KEEPALIVE_DEL(0)].setEnabled(on);
    form_[SW_KEEPALIVE_DEL(1)].setEnabled(on);
    writeOption(2, c);
}

void OptionSwitchesController::SW_KEEPALIVE_DEL_Click()
{
    SW_KEEPALIVE_Click();
}

void OptionSwitchesController::SW_TIMEOUT_Click()
{
    if (!deviceShown(form_))
        return;
    const std::string current = optionsTyped(toBytes(form_[INP_NO].text()));
    setTextOfShownDevice(
        INP_NO, toText(optionsShown(withTimeoutCharacter(current, checked(SW_TIMEOUT)))));
}

void OptionSwitchesController::SW_AUXRS232_Click()
{
    boot_.SW_AUTO_BOOT_Click();
    if (checked(SW_KRT_V6)) {
        const bool on = checked(SW_AUXRS232);
        form_[FR_SERIAL_CFG].setVisible(on);
        form_[PIC_V6_AUX].setVisible(on);
    }
}

void OptionSwitchesController::SW_10BASET_MouseDown()
{
    form_[SW_10BASET].setProperty("tag", QStringLiteral("1"));
}

void OptionSwitchesController::SW_10BASET_Click()
{
    auto& box = form_[SW_10BASET];
    if (!deviceShown(form_)) {
        box.setProperty("tag", QString());
        return;
    }
    const QString port = form_[INP_HOST_PORT].text();
    const QString number = QString::number(leadingNumber(toBytes(port)));
    if (!checked(SW_10BASET))
        setTextOfShownDevice(INP_HOST_PORT, number);
    else if (!hasTenBaseTMark(toBytes(port)))
        setTextOfShownDevice(INP_HOST_PORT, number + u'V');
    if (!box.property("tag").toString().isEmpty()) {
        dialogs_.message(
            QStringLiteral("You must click on button 'Save Configuration' and disconnect "
                           "and reconnect the device for this change take effect."),
            QStringLiteral("Warning !"), MessageIcon::Information);
        box.setProperty("tag", QString());
    }
}

void OptionSwitchesController::SW_MODE_Click()
{
    const bool client = checked(SW_MODE(1));
    if (client) {
        setChecked(SW_NTP, false);
    } else {
        setTextOfShownDevice(INP_HOST_IP, toText(serverModeHostIp));
        setTextOfShownDevice(INP_NO, toText(serverModeOptions));
    }
    showSocketMode(form_, client, draft_.loginAvailable());
}

} // namespace linknode
