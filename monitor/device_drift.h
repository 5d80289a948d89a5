#pragma once

#include "netid/device_change.h"

#include <string>
#include <vector>

namespace linknode {

// The fields in which a device holding `record` is not as its site file entry writes it, by
// the names of inventories ("ip", "hostPort", "wiegand1"), compared as apply compares them
// before it sends. Where the entry's values could not all be sent to it, its addresses, host
// and serial settings still compare, and a value refused for its own sake (a mode for a
// device without one, a login it cannot hold) is drift in that field.
std::vector<std::string> driftedFields(const std::string& record, const ConfigRequest& request);

} // namespace linknode
