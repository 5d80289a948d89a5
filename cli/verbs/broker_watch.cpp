#include "cli/verbs/broker_watch.h"

#include "cli/verbs/mqtt_options.h"
#include "mqtt/mqtt_topics.h"

namespace linknode {

BrokerWatch::BrokerWatch(const MqttOverrides& overrides, Console& console, QObject* parent)
    : QObject(parent)
    , overrides_(overrides)
    , console_(console)
{
}

BrokerWatch::~BrokerWatch() = default;

QStringList BrokerWatch::follow(const std::vector<DeviceEntry>& gateways)
{
    for (const DeviceEntry& entry : gateways) {
        const MqttGateway gateway = mqttGateway(entry);
        QString problem;
        const auto settings = brokerSettings(gateway, overrides_, {}, &problem);
        // A gateway that names no broker has nothing to watch.
        if (!settings)
            continue;
        const BrokerKey key { settings->host, settings->port, settings->user, settings->password };
        if (!connections_.contains(key) && connections_.size() >= mostBrokers) {
            if (!std::exchange(toldFull_, true))
                console_.err(QStringLiteral("linknode: the gateways name more than %1 brokers; "
                                            "only the first %1 are watched\n")
                                 .arg(mostBrokers));
            continue;
        }
        // A gateway given another broker leaves the one it had.
        for (auto& [other, connection] : connections_)
            std::erase_if(connection.gateways,
                [&](const Gateway& known) { return known.mac == gateway.mac; });
        Connection& connection = connections_[key];
        connection.settings = *settings;
        connection.gateways.push_back(
            { gateway.mac, sensorTemplate(gateway), connectTemplate(gateway) });
        const Gateway& added = connection.gateways.back();
        for (const MessageTemplate* messages : { &added.sensor, &added.connect })
            for (const QString& subscription : messages->subscriptions()) {
                if (connection.subscriptions.contains(subscription))
                    continue;
                connection.subscriptions << subscription;
                if (connection.client && connection.client->isConnected())
                    subscribe(connection, subscription);
            }
    }
    std::erase_if(connections_, [](const auto& held) { return held.second.gateways.empty(); });
    QStringList watched;
    for (auto& [key, connection] : connections_) {
        if (!connection.live)
            open(connection);
        for (const Gateway& gateway : connection.gateways)
            watched << gateway.mac;
    }
    return watched;
}

void BrokerWatch::open(Connection& connection)
{
    connection.live = true;
    connection.settings.clientId = mqttClientId("exporter", clientsMade_++);
    connection.client = std::make_unique<MqttClient>();
    MqttClient* client = connection.client.get();
    connect(client, &MqttClient::connected, this, [this, &connection] {
        connection.told = false;
        for (const QString& subscription : connection.subscriptions)
            subscribe(connection, subscription);
    });
    connect(client, &MqttClient::messageReceived, this,
        [this, &connection](
            const QString& topic, const QByteArray& payload) { take(connection, topic, payload); });
    connect(client, &MqttClient::connectFailed, this,
        [this, &connection](const QString& reason) { lose(connection, reason); });
    connect(client, &MqttClient::disconnected, this, [this, &connection](const QString& reason) {
        lose(connection, QStringLiteral("connection lost (%1)").arg(reason));
    });
    QString problem;
    if (!client->connectTo(connection.settings, &problem))
        lose(connection, problem);
}

void BrokerWatch::subscribe(Connection& connection, const QString& subscription)
{
    if (!connection.client->subscribe(subscription))
        console_.err(QStringLiteral("linknode: %1 refused the subscription %2\n")
                         .arg(brokerName(connection.settings), subscription));
}

void BrokerWatch::lose(Connection& connection, const QString& reason)
{
    connection.live = false;
    if (!std::exchange(connection.told, true))
        console_.err(QStringLiteral("linknode: %1: %2; tried again at the next round\n")
                         .arg(brokerName(connection.settings), reason));
}

void BrokerWatch::take(
    const Connection& connection, const QString& topic, const QByteArray& payload)
{
    for (const Gateway& gateway : connection.gateways)
        for (const MessageTemplate* messages : { &gateway.sensor, &gateway.connect })
            if (messages->fitsTopic(topic) && messages->fitsPayload(payload)) {
                emit heard(gateway.mac);
                break;
            }
}

} // namespace linknode
