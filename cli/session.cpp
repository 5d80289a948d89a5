#include "cli/session.h"

#include "config/device_record.h"
#include "core/wait.h"
#include "link/envelope.h"

#include <algorithm>
#include <unordered_map>

namespace linknode {

namespace {
    constexpr quint16 devicePort = 1024;
    constexpr quint16 replyPort = 2024;
    constexpr double quietAfterLastReply = 0.3;
    // A flood of replies cannot keep a discovery open for ever.
    constexpr double longestExtension = 30.0;
    const std::string broadcast = "255.255.255.255";
}

Session::Session()
    : link_(sendSocket_, receiveSocket_, clock_, devicePort, replyPort)
{
}

std::unique_ptr<Session> Session::open(Console& console)
{
    std::unique_ptr<Session> session(new Session());
    QString error;
    if (!session->link_.bindReceive(&error)) {
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

std::vector<DeviceEntry> Session::discover(const std::vector<std::string>& targets, double seconds)
{
    std::vector<Reply> replies;
    std::unordered_map<std::string, size_t> indexOfMac;
    lastReply_ = 0;
    const auto connection = QObject::connect(&link_, &Link::recordReceived, &link_,
        [&](const std::string& record, const QString& interface) {
            lastReply_ = clock_.now();
            const std::string mac = recordField(record, FLD_MAC);
            const auto [found, added] = indexOfMac.try_emplace(mac, replies.size());
            if (added)
                replies.push_back({ record, interface });
            else
                replies[found->second] = { record, interface };
        });
    const std::vector<std::string> destinations
        = targets.empty() ? std::vector { broadcast } : targets;
    for (const std::string& destination : destinations) {
        link_.setDestination(destination);
        link_.send(enquiryDatagram());
    }
    // Read now rather than after the last reply: the list is due as soon as the wait ends.
    const std::vector<NetworkAdapter> adapters = systemAdapters();
    const double start = clock_.now();
    const double latest = start + seconds + longestExtension;
    while (clock_.now() < latest
        && (clock_.now() < start + seconds || clock_.now() < lastReply_ + quietAfterLastReply))
        DELAIS_EVT(clock_, 0.02);
    QObject::disconnect(connection);
    indexOfMac = {};
    return flaggedEntries(std::move(replies), adapters);
}

void Session::send(
    std::string_view destination, std::string_view datagram, int times, double spacing)
{
    link_.setDestination(destination);
    link_.sendRepeatedly(datagram, times, spacing);
}

void Session::wait(double seconds)
{
    DELAIS_EVT(clock_, seconds);
}

} // namespace linknode
