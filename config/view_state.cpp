#include "config/view_state.h"

#include <QApplication>
#include <QPalette>

namespace linknode {

void showSocketMode(MainForm& form, bool client, bool loginAvailable)
{
    form[B_CLEAR_LOGIN].setVisible(client);
    form[SW_NTP].setEnabled(!client);
    const QPalette::ColorRole role = client ? QPalette::Base : QPalette::Mid;
    for (const auto entry : ControlList<QWidget> { INP_LOGIN, INP_DEVNAME }) {
        auto& box = form[entry];
        QPalette palette = box.palette();
        palette.setColor(QPalette::Base, QApplication::palette().color(role));
        box.setPalette(palette);
    }
    for (const auto control : ControlList<QWidget> { INP_LOGIN, Label2, B_SEND_LOGIN, B_ADD_TAB,
             B_ADD_PAUSE, AFF_ID400, B_ADD_ENTER, TXT_MODE(0), TXT_MODE(1), TXT_MODE(2) })
        form[control].setEnabled(client);
    // Grey, the caption reads as if the commands under it were off: they work in every mode.
    form[Label2].setToolTip(client ? QString() : QString::fromLatin1(notInClientMode));
    for (const auto control : ControlList<QWidget> { INP_NO, INP_HOST_IP, INP_HOST_PORT })
        form[control].setVisible(client);
    form[FR_LOGIN].setVisible(client && loginAvailable);
    // The connector lines would cross the MQTT frame.
    const bool lines = client && form[FR_MQTT].isHidden();
    for (const auto line : ControlList<QWidget> { Line1(0), Line1(1), Line2(0), Line2(1) })
        form[line].setVisible(lines);
}

void showNtpEntries(MainForm& form, bool on)
{
    for (const auto control :
        ControlList<QWidget> { INP_IP_NTP, AFF_TIMEZONE, INP_TIMEZONE, B_TIME_ZONE })
        form[control].setVisible(on);
}

} // namespace linknode
