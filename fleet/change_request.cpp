#include "fleet/change_request.h"

#include "commands/serial_codes.h"
#include "config/device_settings.h"
#include "config/wiegand.h"
#include "core/latin1.h"
#include "core/shown_text.h"
#include "fleet/device_values.h"
#include "mqtt/mqtt_templates.h"
#include "netid/save_checks.h"

#include <algorithm>
#include <vector>

namespace linknode {

namespace {
    // A value as a refusal quotes it: on one line and short, whatever was given.
    QString quoted(const QString& text)
    {
        constexpr qsizetype shownLength = 40;
        return u'"' + cutText(caretForm(text), shownLength) + u'"';
    }

    QString choices(const QString& name, const QString& text, const char* accepted)
    {
        return QStringLiteral("%1 %2: %3").arg(name, quoted(text), QLatin1String(accepted));
    }

    // Each reader puts its value into the request and gives "" or, when refused, why.
    using Reader = QString (*)(const QString& text, const QString& name, ConfigRequest& request);

    template <std::optional<std::string> (*parse)(const QString&),
        std::optional<std::string> ConfigRequest::*field>
    QString parsed(const QString& text, const QString& name, ConfigRequest& request)
    {
        request.*field = parse(text);
        return request.*field ? QString()
                              : QStringLiteral("%1 %2 is refused").arg(name, quoted(text));
    }

    std::optional<std::string> baudRate(const QString& text)
    {
        const std::string rate = toBytes(text);
        return std::ranges::find(baudRates, rate) != baudRates.end() ? std::optional(rate)
                                                                     : std::nullopt;
    }

    QString readMode(const QString& text, const QString& name, ConfigRequest& request)
    {
        if (text != QLatin1String("server") && text != QLatin1String("client"))
            return choices(name, text, "server or client");
        request.mode = text == QLatin1String("server") ? 0 : 1;
        return {};
    }

    // The option characters are sent between separators of the configuration datagram and
    // come back as a field of the record: a comma or a control character would break either.
    QString readOptions(const QString& text, const QString& name, ConfigRequest& request)
    {
        if (const auto c = unstorableCharacter(text))
            return unstorableText(name, *c);
        // Trimmed as the window sends its option box: the record reports them trimmed.
        const QString options = trimmedBlanks(text);
        const bool storable = std::none_of(options.begin(), options.end(),
            [](QChar c) { return c.unicode() < 32 || c.unicode() == 127 || c == u','; });
        if (options.isEmpty() || options.size() > 4 || !storable)
            return choices(name, text, "1 to 4 characters, no comma and no control character");
        request.options = toBytes(options);
        return {};
    }

    // `value` into `field`, or the refusal saying what is `accepted`.
    QString taken(std::optional<std::string>& field, std::optional<std::string> value,
        const QString& name, const QString& text, const char* accepted)
    {
        field = std::move(value);
        return field ? QString() : choices(name, text, accepted);
    }

    // A device takes its host (the MQTT gateway its broker) as four numbers, never a name.
    QString readHostIp(const QString& text, const QString& name, ConfigRequest& request)
    {
        return taken(request.hostIp, parseAddress(text), name, text,
            "an address of four numbers 0 to 255; a device takes no host name");
    }

    // As devices spell it: "00105" (a time zone) and "2101V" (10Base-T) stay so.
    QString readHostPort(const QString& text, const QString& name, ConfigRequest& request)
    {
        return taken(request.hostPort, parseHostPort(toBytes(text)), name, text,
            "a port 1 to 65535 or a time zone 00shh, then U or V for 10Base-T");
    }

    QString readParity(const QString& text, const QString& name, ConfigRequest& request)
    {
        request.parityBase = parityBase(toBytes(text));
        return request.parityBase ? QString() : choices(name, text, "none, even or odd");
    }

    QString readStopBits(const QString& text, const QString& name, ConfigRequest& request)
    {
        if (text != QLatin1String("1") && text != QLatin1String("2"))
            return choices(name, text, "1 or 2");
        request.twoStopBits = text == QLatin1String("2");
        return {};
    }

    QString readDataBits(const QString& text, const QString& name, ConfigRequest& request)
    {
        request.dataBitsCode = dataBitsCode(text.toInt());
        return request.dataBitsCode ? QString() : choices(name, text, "7 or 8");
    }

    QString readLogin(const QString& text, const QString& name, ConfigRequest& request)
    {
        if (const auto c = unstorableCharacter(text))
            return unstorableText(name, *c);
        if (const auto bad = badCaretCode(toBytes(text)))
            return QStringLiteral("the caret code %1 names no byte").arg(toText(*bad));
        request.login = toBytes(text);
        return {};
    }

    QString readWiegand(const QString& text, const QString& name, ConfigRequest& request)
    {
        request.wiegand = parseWiegand(text);
        if (request.wiegand)
            return {};
        return QStringLiteral("%1 %2: an item 1 to %3 or caret codes ^6^^a^^b^^c^, each 0 to 255")
            .arg(name, quoted(text))
            .arg(wiegandItems().size());
    }

    // ADDRESS:PORT, checked as the gateway's MQTT save checks its broker.
    QString readMqttBroker(const QString& text, const QString& name, ConfigRequest& request)
    {
        const qsizetype colon = text.lastIndexOf(u':');
        const auto address = parseAddress(text.left(colon));
        if (colon < 0 || !address)
            return choices(name, text, "ADDRESS:PORT, the address four numbers 0 to 255");
        const std::string port = toBytes(text.mid(colon + 1));
        if (const Refusal problem = mqttBrokerProblem(*address, port))
            return QStringLiteral("%1: %2").arg(name, toText(problem.text));
        request.mqttServer = address;
        request.mqttPort = port;
        return {};
    }

    // The ready-made topics and messages, as the window's template selector gives them.
    QString readMqttTemplate(const QString& text, const QString& name, ConfigRequest& request)
    {
        const bool named = text.compare(QLatin1String("domoticz"), Qt::CaseInsensitive) == 0
            || text.compare(QLatin1String("soti"), Qt::CaseInsensitive) == 0;
        const auto chosen = named ? mqttTemplate(toBytes(text)) : std::nullopt;
        if (!chosen)
            return choices(name, text, "domoticz or soti");
        request.mqttItems[0] = chosen->topic;
        request.mqttItems[1] = chosen->message;
        request.mqttItems[5] = chosen->connectTopic;
        request.mqttItems[6] = chosen->connectMessage;
        return {};
    }

    // One of the gateway's seven items, in caret notation as its MQTT box takes it.
    template <size_t item>
    QString readMqttItem(const QString& text, const QString& name, ConfigRequest& request)
    {
        if (const auto c = unstorableCharacter(text))
            return unstorableText(name, *c);
        if (const auto bad = badCaretCode(toBytes(text)))
            return QStringLiteral("%1: the caret code %2 names no byte").arg(name, toText(*bad));
        request.mqttItems[item] = toBytes(text);
        return {};
    }

    struct Key {
        QString name;
        Reader read;
    };

    const std::vector<Key>& keys()
    {
        static const std::vector<Key> table {
            { QStringLiteral("ip"), parsed<parseDeviceAddress, &ConfigRequest::ip> },
            { QStringLiteral("mask"), parsed<parseMask, &ConfigRequest::mask> },
            { QStringLiteral("gateway"), parsed<parseAddress, &ConfigRequest::gateway> },
            { QStringLiteral("hostIp"), readHostIp },
            { QStringLiteral("hostPort"), readHostPort },
            { QStringLiteral("mode"), readMode },
            { QStringLiteral("options"), readOptions },
            { QStringLiteral("bauds"), parsed<baudRate, &ConfigRequest::bauds> },
            { QStringLiteral("parity"), readParity },
            { QStringLiteral("stopBits"), readStopBits },
            { QStringLiteral("dataBits"), readDataBits },
            { QStringLiteral("login"), readLogin },
            { QStringLiteral("wiegand"), readWiegand },
            { QStringLiteral("mqttBroker"), readMqttBroker },
            { QStringLiteral("mqttTemplate"), readMqttTemplate },
            { QStringLiteral("mqttTopic"), readMqttItem<0> },
            { QStringLiteral("mqttPayload"), readMqttItem<1> },
            { QStringLiteral("mqttClientId"), readMqttItem<2> },
            { QStringLiteral("mqttUser"), readMqttItem<3> },
            { QStringLiteral("mqttPassword"), readMqttItem<4> },
            { QStringLiteral("mqttConnectTopic"), readMqttItem<5> },
            { QStringLiteral("mqttConnectPayload"), readMqttItem<6> },
        };
        return table;
    }
}

std::optional<ConfigRequest> readRequest(const MacBytes& mac, const NamedValue& value,
    const std::function<QString(const QString& key)>& spelling, QString* problem)
{
    ConfigRequest request;
    request.mac = mac;
    for (const Key& key : keys()) {
        const auto text = value(key.name);
        if (!text)
            continue;
        if (QString refusal = key.read(*text, spelling(key.name), request); !refusal.isEmpty()) {
            *problem = std::move(refusal);
            return std::nullopt;
        }
    }
    return request;
}

const QStringList& requestKeys()
{
    static const QStringList names = [] {
        QStringList list;
        for (const Key& key : keys())
            list << key.name;
        return list;
    }();
    return names;
}

} // namespace linknode
