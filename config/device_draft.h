#pragma once

#include <string>
#include <string_view>

namespace linknode {

// The device the configuration view shows, as a record: the one the view was filled from, or
// for a device prepared by its MAC alone (DIRECT MAC) the values the view starts it with. A
// save plans its change against this record, so what the device has (a socket mode, a host)
// is read from a record, never from which controls are up.
class DeviceDraft {
public:
    const std::string& record() const { return record_; }
    void load(std::string record) { record_ = std::move(record); }
    // The start values for `mac`: no address, 255.255.0.0, 57600 bauds, firmware 1.6E. The
    // socket-mode group of the device shown before stays, as the view keeps its layout.
    void prepare(std::string_view mac);

    // Whose login the login box holds: the MAC of the record the view filled it from, the MAC
    // shown when the box changed since, or "" while a device prepared by its MAC is shown
    // with a box that holds nothing of it. A save sends the box only to its owner.
    const std::string& loginOwner() const { return loginOwner_; }
    void setLoginOwner(std::string mac) { loginOwner_ = std::move(mac); }
    // Whether the firmware of the device shown has the login string: the login frame follows
    // the socket mode only where it has.
    bool loginAvailable() const { return loginAvailable_; }
    void setLoginAvailable(bool available) { loginAvailable_ = available; }
    // Whether its firmware keeps a workstation identifier, which then follows the login.
    bool workstationAvailable() const { return workstationAvailable_; }
    void setWorkstationAvailable(bool available) { workstationAvailable_ = available; }

private:
    std::string record_;
    std::string loginOwner_;
    bool loginAvailable_ = true;
    bool workstationAvailable_ = true;
};

} // namespace linknode
