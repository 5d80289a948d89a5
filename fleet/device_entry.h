#pragma once

#include "link/network_adapters.h"

#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One device as a discovery found it: its record, the adapter its reply came in on, and what
// is worth a warning about it.
namespace linknode {

struct Reply {
    std::string record;
    QString interface;
    bool cut = false; // the reply was longer: the record is its first longestRecord bytes
};

struct DeviceEntry {
    std::string record;
    QString interface;
    QStringList flags; // duplicate-ip, off-subnet, encrypted, old-firmware, record-cut
};

// What tells devices apart: the six bytes of a MAC in one spelling ("000-080-194-001-002-003"
// and "0-80-194-1-2-3" give the same key); a text that is no MAC is its own key.
std::string macKey(std::string_view text);

// The flags of every reply, in the order given: another MAC reporting the same address, an
// address outside every subnet of the adapter the reply came in on (an unknown adapter
// raises nothing), the encryption marker, firmware older than the login and auto boot need,
// a record cut short.
std::vector<DeviceEntry> flaggedEntries(
    std::vector<Reply> replies, const std::vector<NetworkAdapter>& adapters);

// Sorted by address as numbers; a record without a valid address goes last.
void sortByAddress(std::vector<DeviceEntry>& entries);

// Named values in a fixed order; "flags" is an array, every other value a string. Texts of
// the record are Latin-1 code points, the same as the simulator's fleet files.
using Row = std::vector<std::pair<QString, QJsonValue>>;

// What a discovery lists: mac, ip, mask, gateway, model, firmware, mode, hostIp, hostPort,
// options, interface, flags, record.
Row summaryRow(const DeviceEntry& entry);
// Every decoded field: the summary plus bauds, parity, stopBits, dataBits, wiegand, login.
Row detailRow(const DeviceEntry& entry);
// The MQTT gateway's settings, named as set names them, in caret form as its MQTT boxes show
// them: mqtt.broker (ADDRESS:PORT), mqtt.topic, mqtt.payload, mqtt.clientId, mqtt.user,
// mqtt.password, mqtt.connectTopic, mqtt.connectPayload. A JSON object "mqtt" in JSON.
Row mqttRow(const DeviceEntry& entry);

} // namespace linknode
