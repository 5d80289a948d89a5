#pragma once

#include "sim/command_effects.h"
#include "sim/delivery.h"
#include "sim/device.h"
#include "sim/faults.h"
#include "sim/fleet_subnets.h"
#include "sim/mqtt_gateway.h"
#include "sim/reply_sender.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QSet>
#include <QUdpSocket>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QNetworkDatagram;

namespace linknode::sim {

class Journal;
class LoopbackAddresses;
class MqttFleet;

struct SimulatorOptions {
    QHostAddress bindAddress = QHostAddress(QHostAddress::AnyIPv4);
    quint16 port = 1024;
    quint16 replyPort = 2024;
    double dropRate = 0.0;
    int jitterMs = 0;
    quint32 seed = 1;
    double resetPause = 1.0; // seconds a reset device stays deaf
    double restartPause = 1.0; // seconds a device that takes a changed configuration is deaf
    std::optional<CommandKind> fallSilentOn; // a device acting on this kind falls silent
    int exitAfterEnquiries = 0; // 0: never; else enquiryLimitReached after that many
    int floodCount = 0; // extra copies of the first device's reply to every enquiry
    double floodSeconds = 1.0; // spread of those copies
    MqttOptions mqtt; // the sensor gateways publish to their brokers
};

// The fleet on its UDP port: journals every datagram, works out from its destination address
// which devices it reached, applies the command to them, and lets every reached device that
// is not silent answer an enquiry with FE FF and its record, sent to the asker's address at
// the reply port. With `addresses`, a device that takes a new address in the fleet's starting
// subnets takes it on loopback too; without, no address is ever touched. With MQTT on, the
// sensor gateways publish to the brokers their records name (only on this host while the
// simulator listens on loopback).
class Simulator final : public QObject {
    Q_OBJECT
public:
    Simulator(std::vector<Device> fleet, const SimulatorOptions& options, Journal& journal,
        LoopbackAddresses* addresses = nullptr, QObject* parent = nullptr);
    ~Simulator() override;

    const std::vector<Device>& fleet() const { return fleet_; }

    bool start(QString* error);
    quint16 localPort() const { return socket_.localPort(); }

    qint64 received() const { return received_; }
    qint64 dropped() const { return dropped_; }
    const ReplySender& replies() const { return sender_; }

    // Writes the closing journal line with the counts.
    void finish();

signals:
    // The enquiry that options.exitAfterEnquiries names has been taken (and answered).
    void enquiryLimitReached();

private:
    void drain();
    void handle(const QNetworkDatagram& datagram);
    // Queues the replies of `devices`; returns how many were queued (drops are counted).
    int answer(const std::vector<size_t>& devices, const QHostAddress& asker);
    // Takes out of `devices` those whose copy of the datagram is lost; returns their MACs.
    QStringList lose(std::vector<size_t>& devices);
    // Queues the first device's reply floodCount times more, spread over floodSeconds, when
    // it answers; returns how many were queued.
    int flood(const std::vector<size_t>& devices, const QHostAddress& asker);
    Reply replyOf(const Device& device, const QHostAddress& asker) const;
    // The devices a datagram to `to` reaches, of those the command may be for.
    std::vector<size_t> reached(const Command& command, const QHostAddress& to);
    // Moves a device's address on loopback, noting what was done in `applied`.
    void follow(const AddressMove& move, QJsonObject& applied);
    // Keeps track of the 01 FF FF "T" of each sender; true for a frame that came right after.
    bool announced(const Command& command, const QString& from);
    double elapsed() const;

    std::vector<Device> fleet_;
    // The devices of each MAC: a configuration is looked up, not searched for, as a fleet of
    // thousands takes thousands of them a second.
    std::map<Mac, std::vector<size_t>> byMac_;
    AddressReach reach_;
    FleetSubnets subnets_; // where addresses may be put on loopback
    SimulatorOptions options_;
    Journal& journal_;
    QUdpSocket socket_;
    ReplySender sender_;
    FaultInjector faults_;
    QElapsedTimer clock_;
    QSet<quint32> localAddresses_;
    LoopbackAddresses* addresses_;
    // Made by start() when MQTT is on; declared after the fleet, so gone before it.
    std::unique_ptr<MqttFleet> mqtt_;
    QSet<QString> announcing_; // senders whose last terminal datagram was 01 FF FF "T"
    qint64 received_ = 0;
    qint64 dropped_ = 0;
    int enquiries_ = 0;
};

} // namespace linknode::sim
