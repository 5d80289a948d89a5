#include "cli/run/passwords.h"
#include "cli/verbs/fleet_run.h"
#include "cli/verbs/verbs.h"
#include "commands/device_datagrams.h"
#include "core/latin1.h"
#include "fleet/change_request.h"
#include "netid/change_comparison.h"
#include "netid/config_repetition.h"

#include <algorithm>

namespace linknode {

namespace {
    // A value set changes: the site file's key, the command line's option, its help.
    struct Change {
        const char* key;
        const char* option;
        const char* help;
        const char* valueName;
    };

    constexpr Change changes[] = {
        { "ip", "ip", "New address.", "ADDRESS" },
        { "mask", "mask", "New subnet mask.", "MASK" },
        { "gateway", "gateway", "New gateway.", "ADDRESS" },
        { "hostIp", "host-ip", "Host server address (client mode).", "ADDRESS" },
        { "hostPort", "host-port", "Host server port.", "PORT" },
        { "mode", "mode",
            "server (from client: clears the host address and options not named) or client.",
            "MODE" },
        { "options", "options",
            "The four option characters as show prints them (conduit, keepalive, auto boot, "
            "timeout).",
            "TEXT" },
        { "bauds", "bauds", "4800, 9600, 19200, 38400 or 57600.", "RATE" },
        { "parity", "parity", "none, even or odd.", "PARITY" },
        { "dataBits", "databits", "7 or 8.", "BITS" },
        { "stopBits", "stopbits", "1 or 2.", "BITS" },
        { "login", "login", "Login string in caret notation (^13^ is CR), Latin-1 only.", "TEXT" },
        { "wiegand", "wiegand",
            "Wiegand format: item 1 to 11 of the list, or its caret codes ^6^^a^^b^^c^.", "ITEM" },
        // The MQTT gateway's frame: texts in caret notation, as its boxes take them.
        { "mqttBroker", "mqtt-broker", "The MQTT gateway's broker (its host server).",
            "ADDRESS:PORT" },
        { "mqttTemplate", "mqtt-template",
            "The MQTT gateway's topics and messages as the window's template sets them; those "
            "named beside it win.",
            "domoticz|soti" },
        { "mqttClientId", "mqtt-client-id", "The MQTT gateway's device ID, its client id.",
            "TEXT" },
        { "mqttUser", "mqtt-user", "The MQTT gateway's user name.", "NAME" },
        { "mqttTopic", "mqtt-topic",
            "The topic of each sensor message: %M the gateway's MAC, %6 its version, %1 its "
            "number, %2 the sensor in hexadecimal, %S00 in decimal.",
            "TOPIC" },
        { "mqttPayload", "mqtt-payload",
            "Each sensor message: %3 the temperature, %4 the RSSI in dB, %R from 0 to 10, %5 the "
            "battery in volts, %B from 1 to 100.",
            "TEXT" },
        { "mqttConnectTopic", "mqtt-connect-topic",
            "The topic of the message the gateway sends as it connects.", "TOPIC" },
        { "mqttConnectPayload", "mqtt-connect-payload",
            "The message the gateway sends as it connects.", "TEXT" },
    };

    const QString passwordKey = QStringLiteral("mqttPassword");

    // The gateway's new password, kept off the command line where ps shows it: the first line
    // of a file, or the environment. None when neither is asked for, or (`problem` set) when
    // the one asked for cannot be read. Its bytes are the gateway's, in caret notation as its
    // PASSWORD box takes them.
    std::optional<QString> newPassword(const QCommandLineParser& parser,
        const QCommandLineOption& file, const QCommandLineOption& environment, QString* problem)
    {
        if (parser.isSet(file) && parser.isSet(environment)) {
            *problem = QStringLiteral("--mqtt-password-file and --mqtt-password-env both name "
                                      "the password: give one");
            return std::nullopt;
        }
        std::optional<QByteArray> password;
        if (parser.isSet(environment) && !(password = passwordFromEnvironment()))
            *problem = QStringLiteral("--mqtt-password-env: %1 is not set")
                           .arg(QLatin1String(mqttPasswordVariable));
        QString reason;
        if (parser.isSet(file) && !(password = readPasswordFile(parser.value(file), &reason)))
            *problem
                = QStringLiteral("--mqtt-password-file \"%1\": %2").arg(parser.value(file), reason);
        return password ? std::optional(QString::fromLatin1(*password)) : std::nullopt;
    }

    // The option of a key; none for a value that set does not take.
    std::optional<QString> optionOf(const QString& key)
    {
        for (const Change& change : changes)
            if (key == QLatin1String(change.key))
                return QString::fromLatin1(change.option);
        return std::nullopt;
    }

    // Every value named on the command line, or the first refusal.
    std::optional<ConfigRequest> request(const QCommandLineParser& parser, const MacBytes& mac,
        const std::optional<QString>& password, QString* problem)
    {
        const auto named = [&](const QString& key) -> std::optional<QString> {
            if (key == passwordKey)
                return password;
            const auto option = optionOf(key);
            if (!option || !parser.isSet(*option))
                return std::nullopt;
            return parser.value(*option);
        };
        const auto spelling = [](const QString& key) {
            return key == passwordKey ? QStringLiteral("the MQTT password")
                                      : QStringLiteral("--") + optionOf(key).value_or(key);
        };
        return readRequest(mac, named, spelling, problem);
    }

    // What the change would send, one line per datagram in hexadecimal
    // ("configuration x10 to 255.255.255.255: feff01...").
    QString dryRunText(const PlannedChange& plan, int repetitions, bool reset)
    {
        const auto hex = [](const std::string& datagram) {
            return QString::fromLatin1(toDatagram(datagram).toHex());
        };
        const QString address = toText(plan.config.ip);
        QString text = QStringLiteral("configuration x%1 to %2: %3\n")
                           .arg(repetitions)
                           .arg(QLatin1StringView(broadcastAddress),
                               hex(networkConfigDatagram(plan.config)));
        if (plan.wiegandDatagram)
            text += QStringLiteral("wiegand to %1: %2\n").arg(address, hex(*plan.wiegandDatagram));
        if (plan.loginDatagram)
            text += QStringLiteral("login to %1: %2\n").arg(address, hex(*plan.loginDatagram));
        if (reset)
            text += QStringLiteral("reset to %1: %2\n")
                        .arg(address, hex(resetDatagram(plan.config.ip)));
        return text;
    }
}

int setVerb(const QStringList& arguments, CliContext& context)
{
    VerbRun run(context, QStringLiteral("set"),
        QStringLiteral("Changes the named values of one device, checks them as SAVE CONFIGURATION "
                       "does (the MQTT gateway's as its MQTT frame does), sends the configuration "
                       "by MAC and confirms that the device reports them. Values already as "
                       "asked are not sent."));
    QCommandLineParser& parser = run.parser();
    parser.addPositionalArgument(QStringLiteral("mac"), QStringLiteral("The device's MAC."));
    QList<QCommandLineOption> options;
    for (const Change& change : changes)
        options << QCommandLineOption(QString::fromLatin1(change.option),
            QString::fromLatin1(change.help), QString::fromLatin1(change.valueName));
    options << QCommandLineOption(QStringLiteral("mqtt-password-file"),
        QStringLiteral("The MQTT gateway's password: the first line of FILE (- for standard "
                       "input), kept out of the command line, where ps shows it."),
        QStringLiteral("FILE"))
            << QCommandLineOption(QStringLiteral("mqtt-password-env"),
                   QStringLiteral("The MQTT gateway's password from %1.")
                       .arg(QLatin1String(mqttPasswordVariable)));
    parser.addOptions(options);
    parser.addOptions({ { QStringLiteral("reset"), QStringLiteral("Reset the device afterwards.") },
        { QStringLiteral("bypass"),
            QStringLiteral("Send the configuration 50 times instead of 10, as the window's save "
                           "does with Bypass AutoBoot ticked: for a device still starting from "
                           "its boot loader.") },
        { QStringLiteral("dry-run"),
            QStringLiteral("Print each datagram in hexadecimal and send nothing.") } });
    if (const auto status = run.parse(arguments, 1))
        return *status;
    const QString macArgument = parser.positionalArguments().front();
    const auto mac = parseMac(macArgument);
    if (!mac)
        return run.refuse(QStringLiteral("\"%1\" is not a MAC").arg(macArgument));
    if (std::none_of(options.begin(), options.end(),
            [&](const QCommandLineOption& option) { return parser.isSet(option); }))
        return run.refuse(QStringLiteral("nothing to change: name a value, see --help"));
    QString problem;
    const auto password
        = newPassword(parser, options[options.size() - 2], options[options.size() - 1], &problem);
    if (!problem.isEmpty())
        return run.refuse(problem);
    const auto wanted = request(parser, *mac, password, &problem);
    if (!wanted)
        return run.refuse(problem);

    Session* session = run.session();
    if (!session)
        return ExitFailure;
    const std::vector<DeviceEntry> found = session->discover({}, lookupSeconds);
    const FoundDevice device
        = findOne(found, DeviceSelector { .mac = mac, .ip = std::nullopt }, macArgument);
    if (!device.device)
        return run.finish(failed({}, device.exitStatus, device.problem));
    // A run of one device, sent and confirmed as a fleet's devices are.
    FleetRunOptions oneDevice;
    oneDevice.verb = QStringLiteral("set");
    oneDevice.nameRefusedEntry = false; // the one device named on the command line
    oneDevice.engine.repetitions = configurationRepetitions(parser.isSet(QStringLiteral("bypass")));
    oneDevice.engine.reset = parser.isSet(QStringLiteral("reset"));
    oneDevice.engine.retries = 0; // as the window's save: told at once, sent again by hand
    oneDevice.plan.sendUnchanged = oneDevice.engine.reset;
    const std::vector<SiteEntry> entries { { 1, *wanted } };
    if (parser.isSet(QStringLiteral("dry-run"))) {
        // Planned as the run would be, refused as it would be; nothing leaves.
        const FleetPlan plan = planFleet(found, entries, oneDevice.plan);
        if (plan.problem)
            return run.finish(refusedRun(plan, oneDevice));
        if (plan.changes.empty())
            run.console().err(QStringLiteral("nothing to send: the device holds these values\n"));
        for (const FleetChange& change : plan.changes)
            run.console().out(
                dryRunText(change.plan, oneDevice.engine.repetitions, oneDevice.engine.reset));
        return ExitSuccess;
    }
    return run.finish(runFleet(run, found, entries, oneDevice).result);
}

} // namespace linknode
