#pragma once

#include "cli/output/console.h"
#include "core/clock.h"
#include "fleet/device_entry.h"
#include "link/link.h"
#include "link/udp_socket.h"

#include <QStringList>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace linknode {

// How the network is used: the adapters taken (none named: every one), how long a discovery
// may go on while replies keep arriving, and how many devices it lists at most.
struct SessionOptions {
    QStringList interfaces;
    double longestFlood = longestDiscovery;
    // Twice the largest fleet measured (50000): any host on the segment can make up MACs, and
    // the list must not grow with them without end.
    size_t mostDevices = 100000;
    // Bytes of records held at most: with records up to 4096 bytes, the count alone would
    // still let forged devices take 400 MB. Real records are 100 to 200 bytes: 32 MB holds
    // the largest list of them several times over and leaves every verb room under 100 MB.
    size_t mostRecordBytes = 32 * 1024 * 1024;
};

// The tool's two sockets on the devices' ports, and the exchanges the verbs make with them.
class Session {
public:
    // None when the receive port cannot be bound; the reason is on standard error.
    static std::unique_ptr<Session> open(Console& console, const SessionOptions& options = {});
    // Over sockets the caller owns and has bound: tests give fake ones.
    Session(DatagramSocket& sendSocket, DatagramSocket& receiveSocket,
        const SessionOptions& options = {});

    // The enquiry to every target (255.255.255.255 when none), then the replies until
    // replyQuietTime after the last one listed and `seconds` at least: one entry per MAC, its
    // latest reply as written, flagged (ReplyIntake). A reply whose first field is no MAC
    // names no device, and one past mostDevices or mostRecordBytes is dropped: neither is
    // listed nor makes the wait longer. The devices of an `earlier` round start the list, so
    // that rounds asked again share its limits.
    std::vector<DeviceEntry> discover(const std::vector<std::string>& targets, double seconds,
        std::vector<DeviceEntry> earlier = {});

    // `times` sends to `destination`, each followed by `spacing` seconds of wait. False when the
    // system refused one; sendFailure() then tells why.
    bool send(std::string_view destination, std::string_view datagram, int times = 1,
        double spacing = 0.1);
    // The first send the system refused in this session ("" when none): no result that
    // depends on it may be reported as a success.
    QString sendFailure() const { return sendFailure_; }
    // Whether the last discovery was cut short by replies that kept arriving.
    bool floodCut() const { return floodCut_; }
    // Whether the last discovery dropped devices past mostDevices or mostRecordBytes, and how
    // many replies it dropped so.
    bool deviceLimitReached() const { return deviceLimitReached_; }
    size_t repliesPastLimit() const { return repliesPastLimit_; }

    void wait(double seconds);
    // Ends the wait in progress, a discovery's too, and makes every later one return at once:
    // for a verb that runs until it is interrupted.
    void abortWaits() { clock_.abortWaits(); }
    // For an engine of its own that drives the exchanges by signals and timers.
    Link& link() { return link_; }
    const Clock& clock() const { return clock_; }
    double now() const { return clock_.now(); }
    // When the last discovery's last reply came in (0: none came).
    double lastReply() const { return lastReply_; }

private:
    struct SystemSockets {
        UdpSocket send, receive;
    };
    Session(std::unique_ptr<SystemSockets> owned, DatagramSocket& sendSocket,
        DatagramSocket& receiveSocket, const SessionOptions& options);
    void noteRefusal();

    std::unique_ptr<SystemSockets> ownSockets_; // none over a caller's sockets
    SessionOptions options_;
    Clock clock_;
    double lastReply_ = 0;
    bool floodCut_ = false;
    bool deviceLimitReached_ = false;
    size_t repliesPastLimit_ = 0;
    QString sendFailure_;
    Link link_;
};

} // namespace linknode
