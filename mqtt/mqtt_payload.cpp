#include "mqtt/mqtt_payload.h"

#include "core/utf8_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <initializer_list>
#include <optional>

namespace linknode {

namespace {

    // Domoticz sends the temperature as text ("svalue"); a value neither number nor numeric
    // text is left out.
    std::optional<double> numberOf(const QJsonValue& value)
    {
        if (value.isDouble())
            return value.toDouble();
        bool ok = false;
        const double number = value.toString().toDouble(&ok);
        return ok ? std::optional(number) : std::nullopt;
    }

    struct FieldKey {
        const char* payloadKey;
        const char* field;
    };

    void copyFields(const QJsonObject& from, std::initializer_list<FieldKey> keys, QJsonObject& to)
    {
        for (const FieldKey& key : keys)
            if (const auto number = numberOf(from.value(QLatin1String(key.payloadKey))))
                to.insert(QLatin1String(key.field), *number);
    }

} // namespace

QString mqttText(const QByteArray& bytes)
{
    const std::string_view view(bytes.constData(), static_cast<size_t>(bytes.size()));
    // Most are UTF-8 through and through, and Qt's decoder is the fast way for them.
    return isUtf8(view) ? QString::fromUtf8(bytes) : QString::fromStdString(utf8WithEscapes(view));
}

QJsonObject payloadFields(const QByteArray& payload)
{
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError) {
        // A bare number or text is JSON too, which QJsonDocument reads only inside an array.
        const QJsonDocument wrapped = QJsonDocument::fromJson('[' + payload + ']', &error);
        if (error.error != QJsonParseError::NoError || wrapped.array().size() != 1)
            return {};
        return { { QStringLiteral("value"), wrapped.array().first() } };
    }
    if (!document.isObject())
        return { { QStringLiteral("value"), document.array() } };
    const QJsonObject object = document.object();
    QJsonObject fields;
    copyFields(object,
        { { "idx", "sensor" }, { "svalue", "temperature" }, { "Battery", "battery" },
            { "RSSI", "rssi" } },
        fields);
    copyFields(object.value(QLatin1String("Resource")).toObject(),
        { { "SensorNum", "sensor" }, { "Temperature", "temperature" },
            { "StateOfCharge", "battery" }, { "RSSI", "rssi" } },
        fields);
    return fields.isEmpty() ? object : fields;
}

} // namespace linknode
