#pragma once

#include <QObject>

namespace linknode {

class Clock;
class DeviceActionsController;
class Dialogs;
class Link;
class MainForm;

// The host server entries of the configuration view, the host update of one device by its
// address, and the countdown button beside them.
class HostController : public QObject {
    Q_OBJECT
public:
    HostController(MainForm& form, Link& link, Dialogs& dialogs, const Clock& clock,
        DeviceActionsController& actions);

    void INP_HOST_IP_LostFocus();
    void INP_HOST_PORT_Change();
    void Command1_Click();
    void Command2_Click();

private:
    MainForm& form_;
    Link& link_;
    Dialogs& dialogs_;
    const Clock& clock_;
    DeviceActionsController& actions_;
    bool countingDown_ = false;
};

} // namespace linknode
