#pragma once

#include <QObject>

namespace linknode {

class MainForm;

// NTP on a digital clock: the server address and the time zone travel in the host fields
// (INP_HOST_IP, and INP_HOST_PORT as "00" + sign + hours). The controls live in a frame
// nobody sees; they follow the record when the view is filled.
class NtpController : public QObject {
    Q_OBJECT
public:
    explicit NtpController(MainForm& form);

    void SW_NTP_Click();
    void INP_IP_NTP_Change();
    void INP_TIMEZONE_Change();
    void INP_TIMEZONE_LostFocus();
    void B_TIME_ZONE_Click();

private:
    MainForm& form_;
};

} // namespace linknode
