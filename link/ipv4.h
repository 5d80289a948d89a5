#pragma once

#include "link/ipv4_octets.h"

#include <QHostAddress>
#include <cstdint>

// The one conversion to Qt's address type, kept apart so the parsing builds without Qt.
namespace linknode {

inline QHostAddress toHostAddress(const IPv4Octets& octets)
{
    const std::uint32_t address = std::uint32_t { octets[0] } << 24
        | std::uint32_t { octets[1] } << 16 | std::uint32_t { octets[2] } << 8
        | std::uint32_t { octets[3] };
    return QHostAddress(address);
}

} // namespace linknode
