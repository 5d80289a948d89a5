#include "mqtt/mqtt_topics.h"

#include <QJsonDocument>
#include <QJsonValue>
#include <initializer_list>
#include <optional>

namespace linknode {

namespace {

    // The gateway version is free text and may hold "/"; every other value is a number, a MAC
    // or a reading, all without one.
    const QString versionPlaceholder = QStringLiteral("%6");

    bool holdsPlaceholder(const QString& level)
    {
        for (const QString& placeholder : mqttPlaceholders()) {
            if (level.contains(placeholder)) {
                return true;
            }
        }
        return false;
    }

    // Domoticz sends the temperature as text ("svalue"); a value neither number nor numeric
    // text is left out.
    std::optional<double> numberOf(const QJsonValue& value)
    {
        if (value.isDouble()) {
            return value.toDouble();
        }
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
        for (const FieldKey& key : keys) {
            if (const auto number = numberOf(from.value(QLatin1String(key.payloadKey)))) {
                to.insert(QLatin1String(key.field), *number);
            }
        }
    }

} // namespace

const QStringList& mqttPlaceholders()
{
    static const QStringList placeholders {
        QStringLiteral("%1"),
        QStringLiteral("%M"),
        QStringLiteral("%2"),
        QStringLiteral("%S"),
        QStringLiteral("%3"),
        QStringLiteral("%4"),
        QStringLiteral("%R"),
        QStringLiteral("%5"),
        QStringLiteral("%B"),
        versionPlaceholder,
    };
    return placeholders;
}

QString subscriptionOf(const QString& topicTemplate)
{
    QStringList levels = topicTemplate.split(QLatin1Char('/'));
    for (qsizetype i = 0; i < levels.size(); ++i) {
        if (levels[i].contains(versionPlaceholder)) {
            // Its value may span levels: only "#" from here on matches every topic it makes.
            levels.resize(i + 1);
            levels[i] = QStringLiteral("#");
            break;
        }
        if (holdsPlaceholder(levels[i])) {
            levels[i] = QStringLiteral("+");
        }
    }
    return levels.join(QLatin1Char('/'));
}

QJsonObject payloadFields(const QByteArray& payload)
{
    const QJsonObject object = QJsonDocument::fromJson(payload).object();
    QJsonObject fields;
    copyFields(object,
        { { "idx", "sensor" }, { "svalue", "temperature" }, { "Battery", "battery" },
            { "RSSI", "rssi" } },
        fields);
    copyFields(object.value(QLatin1String("Resource")).toObject(),
        { { "SensorNum", "sensor" }, { "Temperature", "temperature" },
            { "StateOfCharge", "battery" }, { "RSSI", "rssi" } },
        fields);
    return fields;
}

} // namespace linknode
