#pragma once

#include "discovery/device_list.h"
#include "discovery/device_list_model.h"
#include "link/link.h"

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
    // The longest a cycle keeps FIND DEVICES hidden, in seconds, however long replies keep
    // coming (the command line's --max-wait has the same default).
    static constexpr double longestCycle = longestDiscovery;

    DiscoveryController(MainForm& form, Link& link, const Clock& clock, DeviceStore& store);

    void B_ASK_CFG_Click();
    void RESET_DEVICE_LIST();

    DeviceList& devices() { return devices_; }
    // Selects the line of the device with this MAC, as a user's click does (the view shows
    // it); false when no line has it.
    bool selectDevice(const std::string& mac);
    // While held (a rename pass runs), FIND DEVICES, the automatic ask, SORT BY IP and clicks
    // on the list do nothing: the list must not change under the pass. The buttons look
    // disabled meanwhile.
    void hold(bool held);
    bool held() const { return held_; }

    // Shows what the replies taken in so far changed (new lines, the MAC column, the device
    // count) and stamps the activity if they listed or refreshed a device.
    void showReplies();
    // The cycle is over (FIND DEVICES is back): the MAC column fits the lines as they now
    // stand, and the button takes the keyboard focus if the cycle left it nowhere.
    void cycleEnded();

signals:
    void heldChanged();

private:
    void giveFocusBack();
    void takeReply(const std::string& record, const QString& interface, bool cut);

    MainForm& form_;
    Link& link_;
    const Clock& clock_;
    DeviceListModel model_;
    DeviceList devices_;
    bool toldListFull_ = false;
    bool held_ = false;
    bool focusOnReturn_ = false;
    bool heardDevice_ = false; // since the last showReplies
    double cycleStart_ = -longestCycle; // no cycle yet: no reply stamps
};

} // namespace linknode
