#pragma once

#include "mqtt/mqtt_client.h"
#include "sim/device.h"
#include "sim/gateway_settings.h"

#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace linknode::sim {

struct MqttOptions {
    bool enabled = false;
    double everySeconds = 5.0; // between two rounds of sensor messages
    int sensors = 4; // per gateway
};

struct MqttCounts {
    qint64 published = 0;
    qint64 publishFailed = 0; // refused by the client: not connected, a malformed topic
};

// One simulated gateway's MQTT side. It connects to the broker its record names, publishes
// its connect message, then one message per sensor every round. A restart or changed
// settings drop the connection, and the gateway comes back with the settings its record then
// holds once it is awake. A broker that refuses or cannot be reached is tried again after
// 1 s, doubling to 30 s. One timer does it all: the next attempt or the next round.
class MqttGateway final : public QObject {
public:
    using Clock = std::function<double()>; // seconds on the simulator's clock
    using Report = std::function<void(QJsonObject)>; // one journal event

    MqttGateway(const Device& device, int number, const MqttOptions& options, bool loopbackOnly,
        Clock clock, Report report, MqttCounts& counts, QObject* parent = nullptr);

    // Takes the record and the device's state as they are now: at start, and after the
    // device acted on a datagram.
    void review();

private:
    enum class Phase { Off, Waiting, Connecting, Connected };

    void onTimer();
    void attempt();
    void onConnected();
    void onConnectFailed(const QString& reason);
    void onDisconnected(const QString& reason);
    void publishRound();
    void publish(const QByteArray& topic, const QByteArray& message, const GatewayFacts& facts,
        const std::optional<SensorReading>& reading);
    void drop(const QString& reason);
    void retryLater(const QString& event, const QString& reason);
    void waitThen(Phase phase, double seconds);
    void report(const QString& event, QJsonObject details = {});

    const Device& device_;
    int number_;
    const MqttOptions& options_;
    bool loopbackOnly_;
    Clock clock_;
    Report report_;
    MqttCounts& counts_;
    std::optional<GatewaySettings> settings_;
    bool reviewed_ = false;
    Phase phase_ = Phase::Off;
    int backoffSeconds_ = 1;
    MqttClient client_;
    QTimer timer_;
};

} // namespace linknode::sim
