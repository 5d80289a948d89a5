#include "commands/ntp_controller.h"

#include "config/option_text.h"
#include "config/time_zone.h"
#include "config/view_state.h"
#include "core/latin1.h"
#include "core/text_fields.h"
#include "form/main_form.h"
#include "widgets/focus_line_edit.h"
#include "widgets/ip_entry.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace linknode {

NtpController::NtpController(MainForm& form)
    : QObject(&form)
    , form_(form)
{
    connect(&form[SW_NTP], &QCheckBox::toggled, this, &NtpController::SW_NTP_Click);
    connect(&form[INP_IP_NTP], &IpEntry::changed, this, &NtpController::INP_IP_NTP_Change);
    auto& zone = form[INP_TIMEZONE];
    connect(&zone, &FocusLineEdit::textChanged, this, &NtpController::INP_TIMEZONE_Change);
    connect(&zone, &FocusLineEdit::lostFocus, this, &NtpController::INP_TIMEZONE_LostFocus);
    connect(&form[B_TIME_ZONE], &QPushButton::clicked, this, &NtpController::B_TIME_ZONE_Click);
}

void NtpController::SW_NTP_Click()
{
    if (!form_[SW_NTP].isChecked()) {
        form_[SW_MODE(0)].setEnabled(true);
        form_[SW_MODE(1)].setEnabled(true);
        showNtpEntries(form_, false);
        if (!viewBeingFilled(form_))
            form_[INP_HOST_PORT].setText(QLatin1StringView(plainHostPort));
        return;
    }
    // A clock that uses NTP stays in server mode.
    form_[SW_MODE(0)].setEnabled(false);
    form_[SW_MODE(1)].setEnabled(false);
    form_[SW_MODE(0)].setChecked(true);
    INP_TIMEZONE_Change();
    form_[INP_IP_NTP].setText(form_[INP_HOST_IP].text());
    showNtpEntries(form_, true);
    INP_TIMEZONE_Change();
}

void NtpController::INP_IP_NTP_Change()
{
    if (viewBeingFilled(form_))
        return;
    form_[INP_HOST_IP].setText(form_[INP_IP_NTP].text());
    INP_TIMEZONE_Change();
}

void NtpController::INP_TIMEZONE_Change()
{
    // Filling the view shows the device's zone; it never rewrites the port it came from.
    if (viewBeingFilled(form_))
        return;
    const std::string sign = toBytes(form_[B_TIME_ZONE].text());
    const std::string hours = toBytes(form_[INP_TIMEZONE].text());
    form_[INP_HOST_PORT].setText(toText(timeZonePort(sign, hours)));
}

void NtpController::INP_TIMEZONE_LostFocus()
{
    auto& zone = form_[INP_TIMEZONE];
    zone.setText(QString::number(leadingNumber(toBytes(zone.text()))));
}

void NtpController::B_TIME_ZONE_Click()
{
    auto& sign = form_[B_TIME_ZONE];
    sign.setText(sign.text() == QLatin1String("+") ? QStringLiteral("-") : QStringLiteral("+"));
    INP_TIMEZONE_Change();
}

} // namespace linknode
