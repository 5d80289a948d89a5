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
class WaveEngine;

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
    // What the save does with the login box: sends it, clears the device's login, or nothing.
    enum class LoginStep { None, Send, Clear };
    LoginStep loginStep(bool loginOwned) const;
    // Adds what the device reports once it took the Wiegand format and login the save sends.
    void expectWiegandAndLogin(std::vector<ReportedField>& expected, LoginStep step);
    void enterWaiting();
    void leaveWaiting(const QString& sendAddress);
    void sendWiegandAndLogin(const QString& wiegand, LoginStep step);
    // Asks again, so the list and the view show what the device now reports.
    void refresh(const std::string& ip);
    // Moves the progress bar of the wait one step on.
    void stepDone();
    void restart(const std::string& ip);
    void waitForDiscovery();
    // Tells the user what became of the save, if it did not go as planned.
    void tellOutcome(const WaveEngine& engine, const QString& mac);

    MainForm& form_;
    Link& link_;
    Dialogs& dialogs_;
    const Clock& clock_;
    Services services_;
    bool changing_ = false;
};

} // namespace linknode
