#pragma once

#include "fleet/device_entry.h"
#include "fleet/site_file.h"
#include "link/envelope.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A site watched round after round: which devices answer, with what, and how they stand
// against the site file, as the metrics an exporter serves. Widget-free, and no clock of its
// own: every call says when it happens (seconds since the epoch).
namespace linknode {

// What became of the datagrams at the reply port, added up over the rounds.
struct ReplyCounts {
    std::uint64_t datagrams = 0; // every one
    std::uint64_t junk = 0; // not a reply: no FE FF or FD FF, or too short
    std::uint64_t oversized = 0; // longer than a record may be: cut, its device still listed
    std::uint64_t notAMac = 0; // its first field names no device
    std::uint64_t overLimit = 0; // a device past the limits of what is held
};

struct WatchedDevice {
    std::string mac; // the devices' own spelling of its six bytes
    // Addresses as dotted numbers, "" where the record holds none; model and firmware in
    // caret form: no label holds device text without a bound, or a control byte.
    std::string ip, mask, gateway, model, firmware;
    double lastSeen = 0;
    int silentRounds = 0;
    std::vector<std::string> drift; // against the site file, as of its last reply
    std::optional<double> brokerWatchedSince, lastMessage; // MQTT gateways with --mqtt
};

class SiteWatch {
public:
    // Rounds in a row a device may miss before it counts as down.
    static constexpr int silentRoundsDown = 3;
    // A device silent this long is forgotten, its series with it.
    static constexpr double forgetAfter = 86400;

    // At most `mostDevices` are held, besides the devices of the site file, which always are:
    // forged replies must not push out the devices the site is about.
    SiteWatch(std::vector<SiteEntry> site, size_t mostDevices);

    // One round's devices (one entry per MAC, as a discovery lists them), when it ended and
    // how long it took.
    void takeRound(const std::vector<DeviceEntry>& found, double now, double duration);
    void count(const ReplyCounts& counts);
    // An MQTT gateway whose broker is watched from `now` on, and a message it published.
    void watchBroker(const MacBytes& mac, double now);
    void heardOnBroker(const MacBytes& mac, double now);

    static bool isUp(const WatchedDevice& device) { return device.silentRounds < silentRoundsDown; }
    // By MAC bytes.
    const std::map<MacBytes, WatchedDevice>& devices() const { return devices_; }
    const std::vector<SiteEntry>& site() const { return site_; }
    const ReplyCounts& counts() const { return counts_; }
    // How long the last round's discovery took; none before the first.
    std::optional<double> lastDuration() const { return lastDuration_; }

private:
    void take(const MacBytes& mac, const DeviceEntry& entry, double now);

    std::vector<SiteEntry> site_;
    std::map<MacBytes, const SiteEntry*> siteOf_;
    size_t mostDevices_;
    std::map<MacBytes, WatchedDevice> devices_;
    ReplyCounts counts_;
    std::optional<double> lastDuration_;
};

} // namespace linknode
