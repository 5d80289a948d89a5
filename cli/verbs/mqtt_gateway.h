#pragma once

#include "fleet/device_entry.h"
#include "mqtt/mqtt_client.h"

#include <QRegularExpression>
#include <QString>
#include <optional>

// What linknode mqtt reads from a sensor gateway's record: the broker it publishes to, its
// credentials and its templates, and what tells its messages apart.
namespace linknode {

struct MqttGateway {
    QString mac;
    QString host; // field 9
    QString port; // field 10, as the record has it
    QString user, password; // login items 4 and 5, carets expanded as the gateway holds them
    QString topic, message, connectTopic, connectMessage; // login items 1, 2, 6 and 7
};

// True for the one model that publishes over MQTT.
bool isMqttGateway(const DeviceEntry& entry);
MqttGateway mqttGateway(const DeviceEntry& entry);

// What the command line puts in place of the record's broker and credentials.
struct MqttOverrides {
    std::optional<QString> host, port, user, password;
    bool tls = false;
    QString caFile;
};

// The connection to the gateway's broker, or none with the reason (no host, a port that is
// none).
std::optional<MqttSettings> brokerSettings(const MqttGateway& gateway,
    const MqttOverrides& overrides, const QString& clientId, QString* problem);

// "host:port" as the broker is named in messages.
QString brokerName(const MqttSettings& settings);

enum class MqttMessageKind { Sensor, Connect, Other };
// Which of the gateway's templates a message fits: its topic and payload as the gateway
// would fill them, placeholders standing for any text. Where both templates share a topic
// (Domoticz), the payload tells them apart. Made once per gateway, for all its messages.
class MessageTemplates {
public:
    explicit MessageTemplates(const MqttGateway& gateway);
    MqttMessageKind kindOf(const QString& topic, const QByteArray& payload) const;

private:
    QRegularExpression topic_, connectTopic_, connectMessage_;
};

// Whether a template is meant to give JSON: it starts with "{" or "[".
bool isJsonTemplate(const QString& message);

} // namespace linknode
