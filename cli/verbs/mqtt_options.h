#pragma once

#include "cli/verbs/mqtt_gateway.h"

#include <QCommandLineParser>
#include <optional>

// What both mqtt actions take from the command line beside the gateway.
namespace linknode {

// A run may last a day at most.
constexpr double longestMqttRun = 86400;

// --broker and --user in place of the gateway's; the password from --password-file,
// LINKNODE_MQTT_PASSWORD or, with --user, a prompt on the terminal (--password too, which
// ps shows); --tls with --cafile, and --cert with --key.
struct BrokerOptions {
    QCommandLineOption broker { QStringLiteral("broker"),
        QStringLiteral("This broker instead of the one the gateway names (an IPv6 address in "
                       "brackets)."),
        QStringLiteral("HOST:PORT") };
    QCommandLineOption user { QStringLiteral("user"),
        QStringLiteral("This user name instead of the gateway's; the password is asked for on "
                       "a terminal unless given otherwise."),
        QStringLiteral("NAME") };
    QCommandLineOption passwordFile { QStringLiteral("password-file"),
        QStringLiteral("The password instead of the gateway's: the first line of FILE (- for "
                       "standard input). LINKNODE_MQTT_PASSWORD gives it too."),
        QStringLiteral("FILE") };
    QCommandLineOption password { QStringLiteral("password"),
        QStringLiteral("The password as TEXT, which every user's ps shows: prefer "
                       "--password-file."),
        QStringLiteral("TEXT") };
    QCommandLineOption tls { QStringLiteral("tls"),
        QStringLiteral("Connect with TLS, to port 8883 unless --broker names another.") };
    QCommandLineOption caFile { QStringLiteral("cafile"),
        QStringLiteral("With --tls: the certificate authority that signed the broker's "
                       "certificate."),
        QStringLiteral("FILE") };
    QCommandLineOption cert { QStringLiteral("cert"),
        QStringLiteral("With --tls and --key: this client's certificate, for a broker that "
                       "asks for one."),
        QStringLiteral("FILE") };
    QCommandLineOption key { QStringLiteral("key"), QStringLiteral("With --cert: its private key."),
        QStringLiteral("FILE") };

    void addTo(QCommandLineParser& parser) const
    {
        parser.addOptions({ broker, user, passwordFile, password, tls, caFile, cert, key });
    }
    // The overrides, or none with the reason: a broker that is not HOST:PORT, two sources of
    // the password, a password file that cannot be read, --tls without --cafile or the other
    // way round, --cert without --key, a file that cannot be read.
    std::optional<MqttOverrides> read(const QCommandLineParser& parser, QString* problem) const;
};

// "linknode-watch-" and the process id, "-2", "-3"... after it for further connections of one
// run: a broker drops a client whose id another one takes.
QString mqttClientId(const char* action, int index);

// --seconds: above 0, up to longestMqttRun.
std::optional<double> runSeconds(const QString& text);

} // namespace linknode
