#pragma once

#include "fleet/device_entry.h"
#include "mqtt/mqtt_client.h"
#include "mqtt/mqtt_topics.h"

#include <QString>
#include <optional>

// What linknode mqtt reads from a sensor gateway's record: the broker it publishes to, its
// credentials, its templates and the placeholder values that tell its messages apart.
namespace linknode {

struct MqttGateway {
    QString mac;
    QString host; // field 9
    QString port; // field 10, as the record has it
    QString user; // login item 4, carets expanded, read as UTF-8 as MQTT sends it
    QByteArray password; // login item 5, the bytes the gateway sends
    // Login items 1, 2, 6 and 7 with carets expanded, one Latin-1 character a byte.
    QString topic, message, connectTopic, connectMessage;
    KnownPlaceholders known; // its MAC and firmware version
};

// True for the one model that publishes over MQTT.
bool isMqttGateway(const DeviceEntry& entry);
MqttGateway mqttGateway(const DeviceEntry& entry);

// What the command line puts in place of the record's broker and credentials.
struct MqttOverrides {
    std::optional<QString> host, port, user;
    std::optional<QByteArray> password;
    bool tls = false;
    QString caFile, certFile, keyFile;
};

// The port a TLS connection takes unless one is named.
constexpr quint16 mqttTlsPort = 8883;

// The connection to the gateway's broker, or none with the reason (no host, a port that is
// none). With TLS and no port named, mqttTlsPort.
std::optional<MqttSettings> brokerSettings(const MqttGateway& gateway,
    const MqttOverrides& overrides, const QString& clientId, QString* problem);

// "host:port" as the broker is named in messages, an IPv6 address in brackets.
QString brokerName(const MqttSettings& settings);

// The sensor and connect messages of a gateway as a subscriber reads them.
MessageTemplate sensorTemplate(const MqttGateway& gateway);
MessageTemplate connectTemplate(const MqttGateway& gateway);

// Whether a template is meant to give JSON: it starts with "{" or "[".
bool isJsonTemplate(const QString& message);

} // namespace linknode
