#pragma once

#include "cli/output/console.h"
#include "cli/verbs/mqtt_gateway.h"
#include "fleet/device_entry.h"
#include "mqtt/mqtt_client.h"

#include <QObject>
#include <QStringList>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace linknode {

// The brokers of the MQTT gateways a watched site's rounds find, each connected to once per
// broker and credentials and subscribed to its gateways' topics, telling which gateway each
// message is from. A broker that cannot be reached, or is lost, is told once on standard error
// and tried again at the next round.
class BrokerWatch : public QObject {
    Q_OBJECT
public:
    // A gateway's record names the broker: forged replies must not make the exporter connect
    // to any number of hosts.
    static constexpr size_t mostBrokers = 16;

    BrokerWatch(const MqttOverrides& overrides, Console& console, QObject* parent = nullptr);
    ~BrokerWatch() override;

    // The gateways the last round found. Gives the MACs (as their records spell them) whose
    // broker is now watched.
    QStringList follow(const std::vector<DeviceEntry>& gateways);

signals:
    // A message that fits one of the gateway's templates. Where gateways share a topic and
    // their messages do not name them (Domoticz), it fits each of them.
    void heard(const QString& mac);

private:
    using BrokerKey = std::tuple<QString, quint16, QString, QByteArray>;
    struct Gateway {
        QString mac;
        MessageTemplate sensor, connect;
    };
    struct Connection {
        MqttSettings settings;
        std::unique_ptr<MqttClient> client;
        QStringList subscriptions;
        std::vector<Gateway> gateways;
        bool live = false; // connected, or on its way
        bool told = false; // its failure is on standard error already
    };

    void open(Connection& connection);
    void subscribe(Connection& connection, const QString& subscription);
    void lose(Connection& connection, const QString& reason);
    void take(const Connection& connection, const QString& topic, const QByteArray& payload);

    MqttOverrides overrides_;
    Console& console_;
    std::map<BrokerKey, Connection> connections_;
    int clientsMade_ = 0;
    bool toldFull_ = false;
};

} // namespace linknode
