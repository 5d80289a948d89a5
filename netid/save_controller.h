#pragma once

#include "config/device_settings.h"
#include "link/envelope.h"
#include "netid/device_change.h"

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

namespace linknode {

class BootController;
class Clock;
class DeviceDraft;
class Dialogs;
class DiscoveryController;
class Link;
class LoginController;
class MainForm;

// SAVE CONFIGURATION: sends the edited configuration of the shown device back to it by MAC,
// then its Wiegand format and login, asks again so the view shows what the device now
// reports, and restarts the device. Every value is checked before the first datagram.
class SaveController : public QObject {
    Q_OBJECT
public:
    struct Services {
        DiscoveryController& discovery;
        LoginController& login;
        BootController& boot;
        const DeviceDraft& draft;
    };
    SaveController(
        MainForm& form, Link& link, Dialogs& dialogs, const Clock& clock, const Services& services);

    void B_UPDATE_Click();

    // A save or a rename changes devices: only one at a time.
    bool changing() const { return changing_; }
    bool beginChange();
    void endChange() { changing_ = false; }

    // The change the view holds for the device it shows, planned as every change of one
    // device is: each value the view shows, the host group where the device has the mode
    // option (layout B), not where it has none (layout A).
    PlannedChange plannedChange(const MacBytes& mac) const;

    // Tells the user why a save does not start, the focus on the control at fault (if any);
    // always false.
    bool refuse(const QString& text, QWidget* focus);

private:
    struct Checked {
        std::string ip;
        std::string macText;
        MacBytes mac;
        PlannedChange plan;
    };
    std::optional<Checked> check();
    void enterWaiting();
    void leaveWaiting(const QString& sendAddress);
    // Sends the login where the box is the device's; what the device then keeps, if sent.
    std::optional<std::string> sendLogin(bool loginOwned);
    // Asks again; the fields of `expected` the device's last reply does not hold, none when
    // it did not answer.
    std::optional<std::vector<RecordField>> refresh(
        const std::string& ip, const MacBytes& mac, const std::vector<ReportedField>& expected);
    // The save's own sends, counted to tell a save that never reached the network.
    void countSend(const std::string& datagram);
    // Moves the progress bar of the wait one step on.
    void stepDone();
    void restart(const std::string& ip);
    void waitForDiscovery();

    MainForm& form_;
    Link& link_;
    Dialogs& dialogs_;
    const Clock& clock_;
    Services services_;
    bool changing_ = false;
    int sends_ = 0;
    int refused_ = 0;
};

} // namespace linknode
