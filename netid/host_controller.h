#pragma once

#include <QObject>

namespace linknode {

class DeviceActionsController;
class MainForm;

// The host server entries of the configuration view, and the countdown button beside them.
class HostController : public QObject {
    Q_OBJECT
public:
    HostController(MainForm& form, DeviceActionsController& actions);

    void INP_HOST_IP_LostFocus();
    void INP_HOST_PORT_Change();
    void Command2_Click();

private:
    MainForm& form_;
    DeviceActionsController& actions_;
    bool countingDown_ = false;
};

} // namespace linknode
