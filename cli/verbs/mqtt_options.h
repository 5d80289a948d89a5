#pragma once

#include "cli/verbs/mqtt_gateway.h"

#include <QCommandLineParser>
#include <optional>

// What both mqtt actions take from the command line beside the gateway.
namespace linknode {

// A run may last a day at most.
constexpr double longestMqttRun = 86400;

// --broker, --user and --password in place of the gateway's, --tls with --cafile.
struct BrokerOptions {
    QCommandLineOption broker { QStringLiteral("broker"),
        QStringLiteral("This broker instead of the one the gateway names."),
        QStringLiteral("HOST:PORT") };
    QCommandLineOption user { QStringLiteral("user"),
        QStringLiteral("This user name instead of the gateway's."), QStringLiteral("NAME") };
    QCommandLineOption password { QStringLiteral("password"),
        QStringLiteral("This password instead of the gateway's."), QStringLiteral("TEXT") };
    QCommandLineOption tls { QStringLiteral("tls"),
        QStringLiteral("Connect with TLS (give the TLS port with --broker).") };
    QCommandLineOption caFile { QStringLiteral("cafile"),
        QStringLiteral("With --tls: the certificate authority that signed the broker's "
                       "certificate."),
        QStringLiteral("FILE") };

    void addTo(QCommandLineParser& parser) const
    {
        parser.addOptions({ broker, user, password, tls, caFile });
    }
    // The overrides, or none with the reason: a broker that is not HOST:PORT, --tls without
    // --cafile or the other way round, a CA file that cannot be read.
    std::optional<MqttOverrides> read(const QCommandLineParser& parser, QString* problem) const;
};

// "linknode-watch-" and the process id, "-2", "-3"... after it for further connections of one
// run: a broker drops a client whose id another one takes.
QString mqttClientId(const char* action, int index);

// --seconds: above 0, up to longestMqttRun.
std::optional<double> runSeconds(const QString& text);

} // namespace linknode
