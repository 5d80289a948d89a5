#pragma once

#include "cli/console.h"
#include "cli/device_entry.h"
#include "core/clock.h"
#include "link/link.h"
#include "link/udp_socket.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace linknode {

// The tool's two sockets on the devices' ports, and the exchanges the verbs make with them.
class Session {
public:
    // None when the receive port cannot be bound; the reason is on standard error.
    static std::unique_ptr<Session> open(Console& console);

    // The enquiry to every target (255.255.255.255 when none), then the replies until 0.3 s
    // after the last one and `seconds` at least: one entry per MAC, flagged.
    std::vector<DeviceEntry> discover(const std::vector<std::string>& targets, double seconds);

    // `times` sends to `destination`, `spacing` seconds apart.
    void send(std::string_view destination, std::string_view datagram, int times = 1,
        double spacing = 0.1);
    void wait(double seconds);
    double now() const { return clock_.now(); }
    // When the last discovery's last reply came in (0: none came).
    double lastReply() const { return lastReply_; }

private:
    Session();

    Clock clock_;
    double lastReply_ = 0;
    UdpSocket sendSocket_;
    UdpSocket receiveSocket_;
    Link link_;
};

} // namespace linknode
