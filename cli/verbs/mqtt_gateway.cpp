#include "cli/verbs/mqtt_gateway.h"

#include "config/device_record.h"
#include "config/device_settings.h"
#include "config/model_identity.h"
#include "config/mqtt_login.h"
#include "core/latin1.h"
#include "core/text_fields.h"
#include "fleet/device_values.h"
#include "mqtt/mqtt_topics.h"

#include <QRegularExpression>

namespace linknode {

namespace {
    // The gateway stores what the login box held with its caret codes made bytes.
    QString item(const MqttItems& items, size_t index)
    {
        return toText(expandCarets(items[index]));
    }

    // A placeholder as it stands in a template: "%S" carries two digits after it.
    QString placeholderPattern()
    {
        QStringList alternatives;
        for (const QString& placeholder : mqttPlaceholders())
            alternatives << QRegularExpression::escape(placeholder)
                    + (placeholder == QLatin1String("%S") ? QStringLiteral("\\d\\d") : QString());
        return alternatives.join(u'|');
    }

    // The texts a template gives: its own characters, any text in place of a placeholder.
    QRegularExpression templatePattern(const QString& templateText)
    {
        static const QRegularExpression placeholder(placeholderPattern());
        QString pattern;
        qsizetype done = 0;
        for (auto it = placeholder.globalMatch(templateText); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            pattern
                += QRegularExpression::escape(templateText.mid(done, match.capturedStart() - done))
                + QStringLiteral(".*");
            done = match.capturedEnd();
        }
        pattern += QRegularExpression::escape(templateText.mid(done));
        return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
            QRegularExpression::DotMatchesEverythingOption);
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
    return MqttGateway { .mac = toText(recordField(record, FLD_MAC)),
        .host = toText(recordField(record, FLD_HOST_IP)),
        .port = toText(recordField(record, FLD_HOST_PORT)),
        .user = item(items, 3),
        .password = item(items, 4),
        .topic = item(items, 0),
        .message = item(items, 1),
        .connectTopic = item(items, 5),
        .connectMessage = item(items, 6) };
}

std::optional<MqttSettings> brokerSettings(const MqttGateway& gateway,
    const MqttOverrides& overrides, const QString& clientId, QString* problem)
{
    const QString host = overrides.host.value_or(gateway.host);
    const QString port = overrides.port.value_or(withoutSpeedMark(gateway.port));
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
    return settings;
}

QString brokerName(const MqttSettings& settings)
{
    return QStringLiteral("%1:%2").arg(settings.host).arg(settings.port);
}

MessageTemplates::MessageTemplates(const MqttGateway& gateway)
    : topic_(templatePattern(gateway.topic))
    , connectTopic_(templatePattern(gateway.connectTopic))
    , connectMessage_(templatePattern(gateway.connectMessage))
{
}

MqttMessageKind MessageTemplates::kindOf(const QString& topic, const QByteArray& payload) const
{
    const bool sensorTopic = topic_.match(topic).hasMatch();
    if (connectTopic_.match(topic).hasMatch()
        && (!sensorTopic || connectMessage_.match(QString::fromLatin1(payload)).hasMatch()))
        return MqttMessageKind::Connect;
    return sensorTopic ? MqttMessageKind::Sensor : MqttMessageKind::Other;
}

bool isJsonTemplate(const QString& message)
{
    const QString start = message.trimmed().left(1);
    return start == QLatin1String("{") || start == QLatin1String("[");
}

} // namespace linknode
