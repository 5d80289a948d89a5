#pragma once

#include "core/refusal.h"
#include "link/envelope.h"
#include "link/ipv4_octets.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a configuration must pass before its first datagram leaves: a device given a wrong
// address, mask or MAC may be unreachable on site afterwards.
namespace linknode {

// Each octet, trimmed, one of 0, 128, 192, 224, 240, 248, 252, 254, 255 as written, and the
// ones of the mask contiguous (255.255.0.255 names no subnet).
bool maskAccepted(std::string_view mask);
// Why `mask` fails that check, naming the rule broken.
Refusal maskProblem(std::string_view mask);

// Four numbers 0 to 255 joined by "." (blanks around the whole allowed); none otherwise.
std::optional<IPv4Octets> strictAddress(std::string_view text);

// Why a device cannot take `address` as its own under `mask`: not four
// numbers 0 to 255, in 0.0.0.0/8, 127.0.0.0/8 or multicast 224.0.0.0/4, 255.255.255.255, or
// the network or broadcast address of its subnet (under a /31 or /32 mask every address is
// one: such a mask leaves a device no host address). A mask that is not one checks no subnet.
// Commands sent to such an address reach every device of the subnet, or none.
Refusal hostAddressProblem(std::string_view address, std::string_view mask = {});

// Why a device with `address` under `mask` (both passed the checks above) cannot route
// through `gateway`: one no host can have, the device's own address, or one outside its
// subnet. 0.0.0.0 means no gateway and passes.
Refusal gatewayProblem(std::string_view gateway, std::string_view address, std::string_view mask);

// Why a device cannot keep `address` as the host it talks to: not an address, or a multicast
// one. 0.0.0.0, a server's, passes.
Refusal peerAddressProblem(std::string_view address);

// Why the MQTT gateway cannot reach a broker at `server` and `port`, as its save refuses them:
// a server that is not four numbers 0 to 255 (the gateway takes no host name; blanks around
// are dropped), a port that is not 1 to 65535 in up to five digits (a "U" or "V" after it, the
// 10Base-T mark, kept).
Refusal mqttBrokerProblem(std::string_view server, std::string_view port);

// The addresses RENAME IP gives the listed devices in order (prefix + 110, + 111, ...), or
// why it must not start: a prefix that is not three numbers each followed by ".", a mask
// that fails the mask check, or more devices than host addresses from .110 on.
struct RenamePlan {
    std::vector<std::string> addresses;
    Refusal problem; // none: go ahead
};
RenamePlan renamePlan(std::string_view prefix, std::string_view mask, int devices);

} // namespace linknode
