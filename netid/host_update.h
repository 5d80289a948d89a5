#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace linknode {

// FE FF 03: the device's host server IP, CR, port, 0E, mode byte (0 server, 1 client); the
// texts without blanks around them.
std::string hostUpdateDatagram(std::string_view serverIp, std::string_view port, std::uint8_t mode);

// A host port a device can take, blanks around it allowed: a number 1 to 65535, the 10Base-T
// mark "U" or "V" after it, or with NTP on the time zone the field then carries ("00105").
bool hostPortAccepted(std::string_view port);

} // namespace linknode
