#include "cli/verbs/mqtt_options.h"

#include "cli/output/terminal.h"
#include "cli/run/arguments.h"
#include "cli/run/passwords.h"
#include "fleet/device_values.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace linknode {

namespace {
    // The password that takes the place of the gateway's, or none; `problem` set when the one
    // named cannot be had.
    std::optional<QByteArray> passwordOverride(
        const BrokerOptions& options, const QCommandLineParser& parser, QString* problem)
    {
        if (parser.isSet(options.password) && parser.isSet(options.passwordFile)) {
            *problem = QStringLiteral("--password and --password-file both name the password: "
                                      "give one");
            return std::nullopt;
        }
        if (parser.isSet(options.password))
            return parser.value(options.password).toUtf8();
        if (parser.isSet(options.passwordFile)) {
            QString reason;
            auto password = readPasswordFile(parser.value(options.passwordFile), &reason);
            if (!password)
                *problem = QStringLiteral("--password-file \"%1\": %2")
                               .arg(parser.value(options.passwordFile), reason);
            return password;
        }
        if (auto password = passwordFromEnvironment())
            return password;
        // Another user's password is not the gateway's: asked for where a person can answer.
        if (!parser.isSet(options.user))
            return std::nullopt;
        const auto typed = askUnseen(
            QStringLiteral("MQTT password of %1: ").arg(parser.value(options.user)).toStdString());
        return typed ? std::optional(QByteArray::fromStdString(*typed)) : std::nullopt;
    }
}

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
    overrides.tls = parser.isSet(tls);
    overrides.caFile = parser.value(caFile);
    overrides.certFile = parser.value(cert);
    overrides.keyFile = parser.value(key);
    if (overrides.caFile.isEmpty() == overrides.tls) {
        *problem = QStringLiteral("--tls and --cafile FILE go together");
        return std::nullopt;
    }
    if (overrides.certFile.isEmpty() != overrides.keyFile.isEmpty()
        || (!overrides.certFile.isEmpty() && !overrides.tls)) {
        *problem = QStringLiteral("--cert FILE and --key FILE go together, with --tls");
        return std::nullopt;
    }
    const std::pair<const char*, const QString*> files[] = { { "--cafile", &overrides.caFile },
        { "--cert", &overrides.certFile }, { "--key", &overrides.keyFile } };
    for (const auto& [option, file] : files) {
        if (!file->isEmpty() && !QFileInfo(*file).isReadable()) {
            *problem = QStringLiteral("%1 \"%2\" cannot be read").arg(QLatin1String(option), *file);
            return std::nullopt;
        }
    }
    overrides.password = passwordOverride(*this, parser, problem);
    if (!problem->isEmpty())
        return std::nullopt;
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
