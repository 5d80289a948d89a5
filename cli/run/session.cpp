#include "cli/run/session.h"

#include "cli/run/arguments.h"
#include "core/logging.h"
#include "core/wait.h"
#include "discovery/reply_intake.h"
#include "link/envelope.h"

namespace linknode {

namespace {
    constexpr quint16 devicePort = 1024;
    constexpr quint16 replyPort = 2024;
    const std::string broadcast(broadcastAddress);
}

Session::Session(std::unique_ptr<SystemSockets> owned, DatagramSocket& sendSocket,
    DatagramSocket& receiveSocket, const SessionOptions& options)
    : ownSockets_(std::move(owned))
    , options_(options)
    , link_(sendSocket, receiveSocket, clock_, devicePort, replyPort)
{
    link_.setAdapterFilter(options.interfaces);
}

Session::Session(
    DatagramSocket& sendSocket, DatagramSocket& receiveSocket, const SessionOptions& options)
    : Session(nullptr, sendSocket, receiveSocket, options)
{
}

std::unique_ptr<Session> Session::open(Console& console, const SessionOptions& options)
{
    auto sockets = std::make_unique<SystemSockets>();
    DatagramSocket& sendSocket = sockets->send;
    DatagramSocket& receiveSocket = sockets->receive;
    std::unique_ptr<Session> session(
        new Session(std::move(sockets), sendSocket, receiveSocket, options));
    QString error;
    if (!session->link_.bindReceive(&error)) {
        if (session->link_.isReceivePortRefused())
            console.err(
                QStringLiteral("linknode: the system keeps port %1 from this program (%2); "
                               "on Windows it may lie in a range the system reserves "
                               "(netsh interface ipv4 show excludedportrange protocol=udp)\n")
                    .arg(replyPort)
                    .arg(error));
        else
            console.err(QStringLiteral("linknode: port %1 is in use, is the window open? (%2)\n")
                            .arg(replyPort)
                            .arg(error));
        return nullptr;
    }
    if (!session->link_.bindSend(&error)) {
        console.err(QStringLiteral("linknode: cannot open a socket to send: %1\n").arg(error));
        return nullptr;
    }
    return session;
}

void Session::noteRefusal()
{
    if (sendFailure_.isEmpty())
        sendFailure_ = QStringLiteral("the system refused to send to ") + link_.lastSendError();
}

std::vector<DeviceEntry> Session::discover(
    const std::vector<std::string>& targets, double seconds, std::vector<DeviceEntry> earlier)
{
    std::vector<Reply> replies;
    ReplyIntake intake({ options_.mostDevices, options_.mostRecordBytes }, [&](size_t index) {
        return ReplyRecord { replies[index].record, replies[index].cut };
    });
    lastReply_ = 0;
    // A round asked again goes on from the earlier one's list, and from its shortfalls.
    if (earlier.empty()) {
        floodCut_ = false;
        deviceLimitReached_ = false;
        repliesPastLimit_ = 0;
    }
    for (DeviceEntry& entry : earlier) {
        const bool cut = entry.flags.contains(QLatin1String("record-cut"));
        if (intake.take(entry.record, cut).intake == Intake::Added)
            replies.push_back({ std::move(entry.record), entry.interface, cut });
    }
    earlier.clear();
    // Only a reply that is listed counts as one: junk from any host on the segment must not
    // hold the discovery open.
    const auto connection = QObject::connect(&link_, &Link::recordReceived, &link_,
        [&](const std::string& record, const QString& interface, bool cut) {
            const auto [taken, index] = intake.take(record, cut);
            if (taken == Intake::NotAMac) {
                qCInfo(discoveryLog, "a reply without a MAC is not listed");
                return;
            }
            if (taken == Intake::Full) {
                deviceLimitReached_ = true;
                ++repliesPastLimit_;
                return;
            }
            // An unchanged record may still have come in on another adapter.
            Reply reply { record, interface, cut };
            if (taken == Intake::Added)
                replies.push_back(std::move(reply));
            else
                replies[index] = std::move(reply);
            lastReply_ = clock_.now();
        });
    const std::vector<std::string> destinations
        = targets.empty() ? std::vector { broadcast } : targets;
    for (const std::string& destination : destinations) {
        link_.setDestination(destination);
        if (!link_.send(enquiryDatagram()))
            noteRefusal();
    }
    // Read now rather than after the last reply: the list is due as soon as the wait ends.
    const std::vector<NetworkAdapter> adapters = systemAdapters();
    const double start = clock_.now();
    const double latest = start + seconds + options_.longestFlood;
    auto waiting = [&] {
        return clock_.now() < start + seconds || clock_.now() < lastReply_ + replyQuietTime;
    };
    while (!clock_.waitsAborted() && clock_.now() < latest && waiting())
        waitWhileEventsRun(clock_, 0.02);
    floodCut_ = floodCut_ || waiting();
    QObject::disconnect(connection);
    intake.clear();
    return flaggedEntries(std::move(replies), adapters);
}

bool Session::send(
    std::string_view destination, std::string_view datagram, int times, double spacing)
{
    link_.setDestination(destination);
    bool allSent = true;
    for (int i = 0; i < times; ++i) {
        if (!link_.send(datagram)) {
            noteRefusal();
            allSent = false;
        }
        waitWhileEventsRun(clock_, spacing);
    }
    return allSent;
}

void Session::wait(double seconds)
{
    waitWhileEventsRun(clock_, seconds);
}

} // namespace linknode
