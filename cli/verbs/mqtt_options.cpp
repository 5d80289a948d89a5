#include "cli/verbs/mqtt_options.h"

#include "cli/run/arguments.h"
#include "fleet/device_values.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace linknode {

std::optional<MqttOverrides> BrokerOptions::read(
    const QCommandLineParser& parser, QString* problem) const
{
    MqttOverrides overrides;
    if (parser.isSet(broker)) {
        const QString text = parser.value(broker);
        const qsizetype colon = text.lastIndexOf(u':');
        const QString host = text.left(colon).remove(u'[').remove(u']');
        if (colon < 1 || host.isEmpty() || !parsePort(text.mid(colon + 1))) {
            *problem = QStringLiteral("--broker \"%1\" is not HOST:PORT").arg(text);
            return std::nullopt;
        }
        overrides.host = host;
        overrides.port = text.mid(colon + 1);
    }
    if (parser.isSet(user))
        overrides.user = parser.value(user);
    if (parser.isSet(password))
        overrides.password = parser.value(password);
    overrides.tls = parser.isSet(tls);
    overrides.caFile = parser.value(caFile);
    if (overrides.caFile.isEmpty() == overrides.tls) {
        *problem = QStringLiteral("--tls and --cafile FILE go together");
        return std::nullopt;
    }
    if (!overrides.caFile.isEmpty() && !QFileInfo(overrides.caFile).isReadable()) {
        *problem = QStringLiteral("--cafile \"%1\" cannot be read").arg(overrides.caFile);
        return std::nullopt;
    }
    return overrides;
}

QString mqttClientId(const char* action, int index)
{
    const QString id = QStringLiteral("linknode-%1-%2")
                           .arg(QLatin1String(action))
                           .arg(QCoreApplication::applicationPid());
    return index == 0 ? id : QStringLiteral("%1-%2").arg(id).arg(index + 1);
}

std::optional<double> runSeconds(const QString& text)
{
    const auto seconds = parseSeconds(text, longestMqttRun);
    return seconds && *seconds > 0 ? seconds : std::nullopt;
}

} // namespace linknode
