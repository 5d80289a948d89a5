#include "sim/simulator.h"

#include "sim/command.h"
#include "sim/command_json.h"
#include "sim/journal.h"
#include "sim/loopback_addresses.h"
#include "sim/mqtt_fleet.h"
#include "sim/socket_calls.h"

#include <QJsonArray>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <algorithm>
#include <iterator>

namespace linknode::sim {

namespace {

    // Datagrams taken per ready-read turn, so a flood cannot keep the replies from going out.
    constexpr int drainLimit = 1024;

    QString peer(const QHostAddress& address, quint16 port)
    {
        return address.toString() + u':' + QString::number(port);
    }

} // namespace

Simulator::Simulator(std::vector<Device> fleet, const SimulatorOptions& options, Journal& journal,
    LoopbackAddresses* addresses, QObject* parent)
    : QObject(parent)
    , fleet_(std::move(fleet))
    , subnets_(fleet_)
    , options_(options)
    , journal_(journal)
    , socket_(this)
    , sender_(
          socket_,
          [this](const Reply& reply, const QString& error) {
              journal_.write({ { QStringLiteral("t"), elapsed() },
                  { QStringLiteral("event"), QStringLiteral("send-failure") },
                  { QStringLiteral("to"), peer(reply.to, reply.port) },
                  { QStringLiteral("device"), QString::fromLatin1(reply.mac) },
                  { QStringLiteral("error"), error } });
          },
          this)
    , faults_(options.dropRate, options.jitterMs, options.seed)
    , addresses_(addresses)
{
    for (size_t i = 0; i < fleet_.size(); ++i)
        if (const auto mac = parseMac(fleet_[i].mac))
            byMac_[*mac].push_back(i);
    connect(&socket_, &QUdpSocket::readyRead, this, &Simulator::drain);
}

Simulator::~Simulator() = default;

bool Simulator::start(QString* error)
{
    clock_.start();
    if (!socket_.bind(options_.bindAddress, options_.port)) {
        if (error)
            *error = socket_.errorString();
        return false;
    }
    // Large buffers: a fleet of thousands answers one enquiry in a burst.
    enlargeBuffers(socket_.socketDescriptor(), 8 * 1024 * 1024);
    // Replies leave from the device's own address where this host has it (the end-to-end
    // namespace puts every device address on loopback); elsewhere the system chooses.
    for (const QHostAddress& address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            localAddresses_.insert(address.toIPv4Address());
    if (options_.mqtt.enabled) {
        mqtt_ = std::make_unique<MqttFleet>(
            fleet_, options_.mqtt, options_.bindAddress.isLoopback(), [this] { return elapsed(); },
            journal_);
        mqtt_->start();
    }
    return true;
}

double Simulator::elapsed() const
{
    return static_cast<double>(clock_.nsecsElapsed()) / 1e9;
}

void Simulator::drain()
{
    for (int n = 0; n < drainLimit && socket_.hasPendingDatagrams(); ++n) {
        const QNetworkDatagram datagram = socket_.receiveDatagram();
        if (!datagram.isValid())
            return;
        handle(datagram);
    }
}

std::vector<size_t> Simulator::reached(const Command& command, const QHostAddress& to)
{
    std::vector<size_t> reached = reach_.reached(fleet_, to);
    if (command.kind != CommandKind::NetworkConfig)
        return reached;
    const auto named = byMac_.find(command.config->mac);
    if (named == byMac_.end())
        return {};
    std::vector<size_t> ofMac;
    std::set_intersection(reached.begin(), reached.end(), named->second.begin(),
        named->second.end(), std::back_inserter(ofMac));
    return ofMac;
}

void Simulator::handle(const QNetworkDatagram& datagram)
{
    ++received_;
    const QByteArray data = datagram.data();
    const Command command = decodeCommand(data);
    const QString from
        = peer(datagram.senderAddress(), static_cast<quint16>(datagram.senderPort()));
    const QHostAddress to = datagram.destinationAddress();
    const std::vector<size_t> devices = addressedDevices(fleet_, reached(command, to), command);

    const double now = elapsed();
    QJsonObject line = describeCommand(command);
    line.insert(u"t", now);
    line.insert(u"from", from);
    line.insert(u"to", to.isNull() ? QString() : to.toString());
    line.insert(u"hex", QString::fromLatin1(data.toHex()));
    QJsonArray macs;
    for (const size_t i : devices)
        macs.append(QString::fromLatin1(fleet_[i].mac));
    line.insert(u"devices", macs);

    const EffectContext context { .now = now,
        .resetPause = options_.resetPause,
        .restartPause = options_.restartPause,
        .announced = announced(command, from),
        .fallSilentOn = options_.fallSilentOn };
    // A lost configuration is never taken, so only the tool's repetitions bring it. Enquiries
    // lose their replies instead (answer()).
    std::vector<size_t> hearing = devices;
    const QStringList lost
        = command.kind == CommandKind::NetworkConfig ? lose(hearing) : QStringList();
    Outcome outcome;
    if (!hearing.empty() || lost.isEmpty())
        outcome = applyCommand(fleet_, hearing, command, context);
    for (const QString& mac : lost)
        outcome.skipped.insert(mac, QStringLiteral("dropped"));
    // Only a configuration writes an address or a mask.
    if (command.kind == CommandKind::NetworkConfig && !outcome.awake.empty())
        reach_.forget();
    for (const AddressMove& move : outcome.moves)
        follow(move, outcome.applied);
    if (command.kind == CommandKind::Enquiry) {
        const qint64 droppedBefore = dropped_;
        line.insert(u"replies", answer(outcome.awake, datagram.senderAddress()));
        line.insert(u"dropped", dropped_ - droppedBefore);
        if (options_.floodCount > 0)
            line.insert(u"flood", flood(outcome.awake, datagram.senderAddress()));
    }
    if (command.kind == CommandKind::TerminalFrame)
        line.insert(u"announced", context.announced);
    if (!outcome.applied.isEmpty())
        line.insert(u"applied", outcome.applied);
    if (!outcome.skipped.isEmpty())
        line.insert(u"skipped", outcome.skipped);
    if (!outcome.rejected.isEmpty())
        line.insert(u"rejected", outcome.rejected);
    journal_.write(line);
    // After the datagram's line, so the journal tells the cause before its consequence.
    if (mqtt_)
        mqtt_->review(outcome.awake);
    if (command.kind == CommandKind::Enquiry && ++enquiries_ == options_.exitAfterEnquiries)
        emit enquiryLimitReached();
}

bool Simulator::announced(const Command& command, const QString& from)
{
    switch (command.kind) {
    case CommandKind::TerminalPrefix:
        announcing_.insert(from);
        return false;
    case CommandKind::TerminalFrame:
    case CommandKind::TerminalMode:
    case CommandKind::BootMode:
        return announcing_.remove(from);
    default:
        // Other datagrams of the same sender (an enquiry of an automatic timer) do not end
        // the announcement: the terminal protocol is a stream of its own.
        return false;
    }
}

void Simulator::follow(const AddressMove& move, QJsonObject& applied)
{
    if (!addresses_)
        return;
    const auto holders = [this](const QByteArray& address) {
        return std::count_if(fleet_.begin(), fleet_.end(),
            [&address](const Device& device) { return device.ip == address; });
    };
    QStringList errors;
    // Another device may already hold the new address, or still hold the old one. An
    // address outside the fleet's subnets is never put on loopback, so never taken off.
    if (holders(move.to) == 1) {
        if (!subnets_.contains(move.to)) {
            errors.append(QString::fromLatin1(move.to)
                + QStringLiteral(" is outside the fleet's subnets: not put on lo"));
        } else if (const QString error = addresses_->add(move.to); !error.isEmpty()) {
            errors.append(error);
        } else {
            applied.insert(u"addressAdded", QString::fromLatin1(move.to));
            if (const auto added = parseIpv4(move.to))
                localAddresses_.insert(*added);
        }
    }
    if (holders(move.from) == 0 && subnets_.contains(move.from)) {
        if (const QString error = addresses_->remove(move.from); !error.isEmpty()) {
            errors.append(error);
        } else {
            applied.insert(u"addressRemoved", QString::fromLatin1(move.from));
            if (const auto removed = parseIpv4(move.from))
                localAddresses_.remove(*removed);
        }
    }
    if (!errors.isEmpty())
        applied.insert(u"addressError", errors.join(QStringLiteral("; ")));
}

int Simulator::answer(const std::vector<size_t>& devices, const QHostAddress& asker)
{
    int queued = 0;
    for (const size_t i : devices) {
        const Device& device = fleet_[i];
        if (device.silent)
            continue;
        if (faults_.drop()) {
            ++dropped_;
            continue;
        }
        sender_.enqueue(replyOf(device, asker), faults_.delayMs());
        // Real devices answer at once, each on its own: the first replies leave while later
        // ones are still being made, so a large fleet never goes quiet after an enquiry.
        if (++queued % 256 == 0)
            sender_.sendDue();
    }
    return queued;
}

QStringList Simulator::lose(std::vector<size_t>& devices)
{
    QStringList lost;
    std::erase_if(devices, [&](size_t i) {
        if (!faults_.drop())
            return false;
        ++dropped_;
        lost.append(QString::fromLatin1(fleet_[i].mac));
        return true;
    });
    return lost;
}

int Simulator::flood(const std::vector<size_t>& devices, const QHostAddress& asker)
{
    if (devices.empty() || devices.front() != 0 || fleet_.front().silent)
        return 0;
    // One datagram shared by every copy; no drops or jitter, a stuck sender repeats blindly.
    const Reply reply = replyOf(fleet_.front(), asker);
    const double spreadMs = options_.floodSeconds * 1000.0;
    for (int i = 0; i < options_.floodCount; ++i)
        sender_.enqueue(reply, static_cast<int>(spreadMs * i / options_.floodCount));
    return options_.floodCount;
}

Reply Simulator::replyOf(const Device& device, const QHostAddress& asker) const
{
    const auto ip = parseIpv4(device.ip);
    return Reply { .datagram = "\xFE\xFF" + recordText(device),
        .to = asker,
        .port = options_.replyPort,
        .from = ip && localAddresses_.contains(*ip) ? QHostAddress(*ip) : QHostAddress(),
        .mac = device.mac };
}

void Simulator::finish()
{
    QJsonObject line { { QStringLiteral("t"), elapsed() },
        { QStringLiteral("event"), QStringLiteral("stop") },
        { QStringLiteral("received"), received_ }, { QStringLiteral("dropped"), dropped_ },
        { QStringLiteral("sent"), sender_.sent() },
        { QStringLiteral("retries"), sender_.retries() },
        { QStringLiteral("sendFailures"), sender_.failed() },
        { QStringLiteral("unsent"), sender_.pending() } };
    if (mqtt_) {
        line.insert(u"published", mqtt_->counts().published);
        line.insert(u"publishFailed", mqtt_->counts().publishFailed);
    }
    journal_.write(line);
}

} // namespace linknode::sim
