#pragma once

#include "config/device_record.h"
#include "fleet/device_entry.h"
#include "fleet/device_result.h"
#include "link/envelope.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// A change of one device's configuration: the values named, the rest kept from its record,
// the window's rules and save checks applied, and the datagrams that carry it.
namespace linknode {

struct ConfigRequest {
    MacBytes mac {};
    std::optional<std::string> ip, mask, gateway, hostIp, hostPort, options, bauds;
    std::optional<int> mode; // 0 server, 1 client
    std::optional<int> parityBase; // 0 none, 1 even, 2 odd
    std::optional<bool> twoStopBits;
    std::optional<int> dataBitsCode;
    std::optional<std::string> login; // caret notation
    std::optional<std::string> wiegand; // caret codes, as parseWiegand gives them
};

struct PlannedChange {
    std::string problem; // empty: may be sent
    NetworkConfig config;
    std::optional<std::string> wiegandDatagram; // login-string command with the caret envelope
    std::optional<std::string> loginDatagram;
    // Record fields the device must report afterwards.
    std::vector<std::pair<RecordField, std::string>> expected;
};

// `record` is the device's current record; `others` the devices found with it, for the
// duplicate-address check.
PlannedChange planChange(const std::string& record, const ConfigRequest& request,
    const std::vector<DeviceEntry>& others);

// The expected fields the record does not hold as planned: the field, its value in the
// record, the value planned. Before sending, the change itself; after, what is unconfirmed.
std::vector<FieldChange> differingFields(
    const std::string& record, const std::vector<std::pair<RecordField, std::string>>& expected);

} // namespace linknode
