#include "cli/verbs/mqtt_gateway.h"

#include "config/device_record.h"
#include "config/device_settings.h"
#include "config/model_identity.h"
#include "config/mqtt_login.h"
#include "core/latin1.h"
#include "core/text_fields.h"
#include "fleet/device_values.h"

namespace linknode {

namespace {
    // The gateway holds what the login box held with its caret codes made bytes.
    std::string item(const MqttItems& items, size_t index)
    {
        return expandCarets(items[index]);
    }

    // Field 10 may carry the 10Base-T mark after the port.
    QString withoutSpeedMark(const QString& port)
    {
        return hasTenBaseTMark(toBytes(port)) ? port.chopped(1) : port;
    }
}

bool isMqttGateway(const DeviceEntry& entry)
{
    const FirmwareVersion version = firmwareVersion(entry.record);
    return !version.earliest && (identifyModel(entry.record, version.code).rules & RuleMqttFill);
}

MqttGateway mqttGateway(const DeviceEntry& entry)
{
    const std::string& record = entry.record;
    const MqttItems items = mqttItems(loginCaretForm(loginOf(record)));
    KnownPlaceholders known;
    if (const auto mac = recordMac(record))
        known.mac = macForms(*mac);
    known.version = toDatagram(firmwareVersion(record).text);
    const std::string user = item(items, 3);
    return MqttGateway { .mac = toText(recordField(record, FLD_MAC)),
        .host = toText(recordField(record, FLD_HOST_IP)),
        .port = toText(recordField(record, FLD_HOST_PORT)),
        .user = QString::fromUtf8(user.data(), static_cast<qsizetype>(user.size())),
        .password = toDatagram(item(items, 4)),
        .topic = toText(item(items, 0)),
        .message = toText(item(items, 1)),
        .connectTopic = toText(item(items, 5)),
        .connectMessage = toText(item(items, 6)),
        .known = known };
}

std::optional<MqttSettings> brokerSettings(const MqttGateway& gateway,
    const MqttOverrides& overrides, const QString& clientId, QString* problem)
{
    const QString host = overrides.host.value_or(gateway.host);
    const QString port = overrides.port.value_or(
        overrides.tls ? QString::number(mqttTlsPort) : withoutSpeedMark(gateway.port));
    if (host.isEmpty()) {
        *problem = QStringLiteral("%1 names no broker; give one with --broker").arg(gateway.mac);
        return std::nullopt;
    }
    const auto number = parsePort(port);
    if (!number) {
        *problem = QStringLiteral("the broker port \"%1\" is no port 1 to 65535").arg(port);
        return std::nullopt;
    }
    MqttSettings settings;
    settings.host = host;
    settings.port = static_cast<quint16>(std::stoi(*number));
    settings.clientId = clientId;
    settings.user = overrides.user.value_or(gateway.user);
    settings.password = overrides.password.value_or(gateway.password);
    settings.tls = overrides.tls;
    settings.caFile = overrides.caFile;
    settings.certFile = overrides.certFile;
    settings.keyFile = overrides.keyFile;
    return settings;
}

QString brokerName(const MqttSettings& settings)
{
    const QString host = settings.host.contains(u':') ? u'[' + settings.host + u']' : settings.host;
    return QStringLiteral("%1:%2").arg(host).arg(settings.port);
}

MessageTemplate sensorTemplate(const MqttGateway& gateway)
{
    return MessageTemplate(gateway.topic, gateway.message, gateway.known);
}

MessageTemplate connectTemplate(const MqttGateway& gateway)
{
    return MessageTemplate(gateway.connectTopic, gateway.connectMessage, gateway.known);
}

bool isJsonTemplate(const QString& message)
{
    const QString start = message.trimmed().left(1);
    return start == QLatin1String("{") || start == QLatin1String("[");
}

} // namespace linknode
