#pragma once

#include "discovery/device_list.h"
#include "discovery/device_list_model.h"

#include <QObject>
#include <string>

namespace linknode {

class Clock;
class DeviceStore;
class Link;
class MainForm;

// Finding devices: the enquiry cycle behind "FIND DEVICES" and the intake of every reply
// into the device store and the device list.
class DiscoveryController : public QObject {
    Q_OBJECT
public:
    DiscoveryController(MainForm& form, Link& link, const Clock& clock, DeviceStore& store);

    void B_ASK_CFG_Click();
    void RESET_DEVICE_LIST();

    DeviceList& devices() { return devices_; }
    // Shows what the replies taken in so far changed: new lines and the device count.
    void showReplies();

private:
    void takeReply(const std::string& record);

    MainForm& form_;
    Link& link_;
    const Clock& clock_;
    DeviceListModel model_;
    DeviceList devices_;
    bool toldListFull_ = false;
};

} // namespace linknode
