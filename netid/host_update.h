#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace linknode {

// FE FF 03: the device's host server IP, CR, port, 0E, mode byte (0 server, 1 client); the
// texts without blanks around them.
std::string hostUpdateDatagram(std::string_view serverIp, std::string_view port, std::uint8_t mode);

} // namespace linknode
