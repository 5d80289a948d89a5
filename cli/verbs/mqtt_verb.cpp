#include "cli/verbs/interrupt_notifier.h"
#include "cli/verbs/mqtt_check.h"
#include "cli/verbs/mqtt_gateway.h"
#include "cli/verbs/mqtt_options.h"
#include "cli/verbs/mqtt_watch.h"
#include "cli/verbs/verbs.h"
#include "commands/device_datagrams.h"
#include "config/model_identity.h"
#include "core/latin1.h"
#include "core/shown_text.h"
#include "fleet/device_values.h"
#include "mqtt/mqtt_topics.h"

#include <QEventLoop>
#include <QTimer>
#include <cmath>
#include <map>
#include <tuple>

namespace linknode {

namespace {
    const QString overview = QStringLiteral(
        "Usage: linknode mqtt watch|check [options] [device]\n"
        "What the MQTT sensor gateway publishes, seen from its broker.\n\n"
        "  watch  print each message of the gateway's topics as it comes\n"
        "  check  whether the broker answers, takes the credentials and gets the sensor "
        "messages\n\n"
        "linknode mqtt watch --help and linknode mqtt check --help tell more.\n");

    // The devices one discovery finds, with port 2024 still held.
    std::optional<std::vector<DeviceEntry>> discoverDevices(VerbRun& run, int* status)
    {
        Session* session = run.session();
        if (!session) {
            *status = ExitFailure;
            return std::nullopt;
        }
        std::vector<DeviceEntry> devices = session->discover({}, lookupSeconds);
        if (!session->sendFailure().isEmpty()) {
            *status = run.fail(session->sendFailure());
            return std::nullopt;
        }
        run.warnIfIncomplete();
        return devices;
    }

    // A MAC or an address, read before the network is opened.
    std::optional<DeviceSelector> readSelector(VerbRun& run, const QString& named, int* status)
    {
        const auto selector = parseSelector(named);
        if (!selector)
            *status
                = run.refuse(QStringLiteral("\"%1\" is neither a MAC nor an address").arg(named));
        return selector;
    }

    // The one gateway `selector` names, or the exit status of why there is none.
    std::optional<DeviceEntry> namedGateway(VerbRun& run, const std::vector<DeviceEntry>& devices,
        const DeviceSelector& selector, const QString& named, int* status)
    {
        const FoundDevice found = findOne(devices, selector, named);
        if (!found.device) {
            *status = run.finish(failed({}, found.exitStatus, found.problem));
            return std::nullopt;
        }
        if (!isMqttGateway(*found.device)) {
            *status = run.refuse(QStringLiteral("%1 is a %2, not the MQTT gateway")
                                     .arg(named, toText(modelCaption(found.device->record))));
            return std::nullopt;
        }
        return found.device;
    }

    // The subscriptions that take a gateway's sensor and connect messages; a topic the gateway
    // cannot publish to is told and left out.
    QStringList gatewaySubscriptions(const MqttGateway& gateway, bool named, Console& console)
    {
        QStringList subscriptions;
        for (const MessageTemplate& messages :
            { sensorTemplate(gateway), connectTemplate(gateway) }) {
            if (const QString topic = messages.topicProblem(); !topic.isEmpty())
                console.err(QStringLiteral("linknode: malformed topic: %1's topic %2: it can "
                                           "publish nothing there\n")
                                .arg(gateway.mac, caretForm(topic)));
            for (const QString& subscription : messages.subscriptions())
                if (!subscriptions.contains(subscription))
                    subscriptions << subscription;
        }
        if (named && !sensorTemplate(gateway).namesGateway())
            console.err(QStringLiteral("linknode: the sensor topic %1 does not name the gateway "
                                       "(no %M): other gateways' messages on it show too\n")
                            .arg(caretForm(gateway.topic)));
        return subscriptions;
    }

    // One connection per broker and credentials, each subscribed to the topics of the gateways
    // that publish there and to the topics named with --topic.
    std::optional<std::vector<WatchConnection>> watchConnections(
        const std::vector<DeviceEntry>& gateways, bool all, const MqttOverrides& overrides,
        const QStringList& ownTopics, Console& console, QString* problem)
    {
        std::map<std::tuple<QString, quint16, QString, QByteArray>, WatchConnection> byBroker;
        for (const DeviceEntry& entry : gateways) {
            MqttGateway gateway = mqttGateway(entry);
            // Watching every gateway, the MAC narrows nothing: one pattern serves them all
            // where a subscription per gateway and form of its MAC would be sent.
            if (all)
                gateway.known.mac.clear();
            const auto settings = brokerSettings(gateway, overrides, {}, problem);
            if (!settings)
                return std::nullopt;
            const QStringList subscriptions = gatewaySubscriptions(gateway, !all, console);
            WatchConnection& connection = byBroker[std::tuple(
                settings->host, settings->port, settings->user, settings->password)];
            connection.settings = *settings;
            for (const QString& subscription : subscriptions + ownTopics)
                if (!connection.subscriptions.contains(subscription))
                    connection.subscriptions << subscription;
        }
        std::vector<WatchConnection> connections;
        for (auto& [broker, connection] : byBroker) {
            if (connection.subscriptions.isEmpty()) {
                *problem = QStringLiteral("nothing to subscribe to at %1: no topic a broker "
                                          "takes")
                               .arg(brokerName(connection.settings));
                return std::nullopt;
            }
            connection.settings.clientId
                = mqttClientId("watch", static_cast<int>(connections.size()));
            connections.push_back(std::move(connection));
        }
        return connections;
    }

    int watchVerb(const QStringList& arguments, CliContext& context)
    {
        VerbRun run(context, QStringLiteral("mqtt watch"),
            QStringLiteral("Connects to the broker of an MQTT sensor gateway (one discovery "
                           "finds it) and prints each message of its sensor and connect topics "
                           "as it comes: a line of time, topic and payload (read as UTF-8, a "
                           "byte that is none as \\xNN), or with --format json one object a "
                           "line {\"time\", \"topic\", \"payload\", \"fields\", \"qos\", "
                           "\"retained\"}, fields holding sensor, temperature, battery and "
                           "rssi of a Domoticz or SOTI Connect payload, any other JSON object as "
                           "it is. The subscriptions hold the gateway's MAC and version where "
                           "its topics do. A connection lost is made again after 1 s, doubling "
                           "to 30 s, each loss and reconnection told on standard error. Runs "
                           "until --seconds, --count or Ctrl+C (exit 0); exit 1 when a broker "
                           "cannot be reached at the start, refuses the credentials or a "
                           "subscription, or (--once) a connection is lost."));
        QCommandLineParser& parser = run.parser();
        parser.addPositionalArgument(QStringLiteral("device"),
            QStringLiteral("MAC or IP address of the gateway (or --all)."),
            QStringLiteral("[device]"));
        const QCommandLineOption all(
            QStringLiteral("all"), QStringLiteral("Every MQTT gateway that answers."));
        const QCommandLineOption seconds(QStringLiteral("seconds"),
            QStringLiteral("End after this many seconds."), QStringLiteral("N"));
        const QCommandLineOption count(QStringLiteral("count"),
            QStringLiteral("End after this many messages."), QStringLiteral("N"));
        const QCommandLineOption once(QStringLiteral("once"),
            QStringLiteral("End at the first connection lost (exit 1) instead of connecting "
                           "again."));
        const QCommandLineOption topic(QStringLiteral("topic"),
            QStringLiteral("Watch this topic of the gateway's broker too (+ and # as MQTT "
                           "takes them; repeatable)."),
            QStringLiteral("TOPIC"));
        const BrokerOptions broker;
        parser.addOptions({ all, seconds, count, once, topic });
        broker.addTo(parser);
        if (const auto status = run.parse(arguments, 0, 1))
            return *status;
        const QString named = parser.positionalArguments().value(0);
        if (named.isEmpty() == !parser.isSet(all))
            return run.refuse(QStringLiteral("name one gateway, or give --all"));
        std::optional<double> duration;
        if (parser.isSet(seconds) && !(duration = runSeconds(parser.value(seconds))))
            return run.refuse(QStringLiteral("--seconds \"%1\" is not a number above 0 up to %2")
                                  .arg(parser.value(seconds))
                                  .arg(longestMqttRun));
        WatchOutput output {
            .format = run.format(), .wide = run.wide(), .count = 0, .once = parser.isSet(once)
        };
        for (const QString& own : parser.values(topic))
            if (const QString problem = subscriptionProblem(own); !problem.isEmpty())
                return run.refuse(
                    QStringLiteral("--topic \"%1\" is no subscription: %2").arg(own, problem));
        if (parser.isSet(count)) {
            bool ok = false;
            output.count = parser.value(count).toInt(&ok);
            if (!ok || output.count < 1)
                return run.refuse(QStringLiteral("--count \"%1\" is not a number above 0")
                                      .arg(parser.value(count)));
        }
        QString problem;
        const auto overrides = broker.read(parser, &problem);
        if (!overrides)
            return run.refuse(problem);
        int status = ExitSuccess;
        std::optional<DeviceSelector> selector;
        if (!named.isEmpty() && !(selector = readSelector(run, named, &status)))
            return status;

        const auto devices = discoverDevices(run, &status);
        if (!devices)
            return status;
        std::vector<DeviceEntry> gateways;
        if (!selector) {
            std::copy_if(
                devices->begin(), devices->end(), std::back_inserter(gateways), isMqttGateway);
            if (gateways.empty())
                return run.fail(QStringLiteral("no MQTT gateway answered"));
        } else {
            const auto gateway = namedGateway(run, *devices, *selector, named, &status);
            if (!gateway)
                return status;
            gateways.push_back(*gateway);
        }
        // The devices' ports are free again while the watch runs: the window may use them.
        run.session()->link().close();
        auto connections = watchConnections(
            gateways, !selector, *overrides, parser.values(topic), run.console(), &problem);
        if (!connections)
            return run.fail(problem);
        run.console().progress(QStringLiteral("watching %1 gateway(s) through %2 broker "
                                              "connection(s)\n")
                                   .arg(gateways.size())
                                   .arg(connections->size()));

        QEventLoop loop;
        MqttWatch watch(std::move(*connections), output, run.console());
        QObject::connect(&watch, &MqttWatch::finished, &loop, &QEventLoop::quit);
        InterruptNotifier interrupt;
        QObject::connect(&interrupt, &InterruptNotifier::interrupted, &loop, &QEventLoop::quit);
        QTimer end;
        end.setSingleShot(true);
        QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
        if (duration)
            end.start(static_cast<int>(std::lround(*duration * 1000)));
        // Started from the loop, so a watch that ends at once still ends it.
        QTimer::singleShot(0, &watch, &MqttWatch::start);
        loop.exec();
        return watch.lostAny() ? ExitFailure : ExitSuccess;
    }

    int checkVerb(const QStringList& arguments, CliContext& context)
    {
        VerbRun run(context, QStringLiteral("mqtt check"),
            QStringLiteral("Checks an MQTT sensor gateway's publishing from its broker: its "
                           "topics are ones a broker takes, the broker answers, it takes the "
                           "gateway's credentials and the subscriptions, a sensor message of "
                           "this gateway comes within --seconds, and payloads of a JSON "
                           "template are JSON. A message is the gateway's when it carries its "
                           "MAC (%M in the topic or message); with --reset the gateway is reset "
                           "once subscribed, its connect message is required, and the sensor "
                           "messages after it count as its own. Retained messages do not count. "
                           "One line and exit 0 when all hold; exit 1 naming the first that "
                           "failed; exit 4 when a sensor message came on a topic that does not "
                           "name the gateway, without --reset."));
        QCommandLineParser& parser = run.parser();
        addDeviceArgument(parser);
        const QCommandLineOption seconds(QStringLiteral("seconds"),
            QStringLiteral("How long the messages may take (default 15)."), QStringLiteral("N"),
            QStringLiteral("15"));
        const QCommandLineOption reset(QStringLiteral("reset"),
            QStringLiteral("Reset the gateway and require its connect message."));
        const BrokerOptions broker;
        parser.addOptions({ seconds, reset });
        broker.addTo(parser);
        if (const auto status = run.parse(arguments, 1))
            return *status;
        const auto duration = runSeconds(parser.value(seconds));
        if (!duration)
            return run.refuse(QStringLiteral("--seconds \"%1\" is not a number above 0 up to %2")
                                  .arg(parser.value(seconds))
                                  .arg(longestMqttRun));
        QString problem;
        const auto overrides = broker.read(parser, &problem);
        if (!overrides)
            return run.refuse(problem);
        int status = ExitSuccess;
        const QString named = parser.positionalArguments().front();
        const auto selector = readSelector(run, named, &status);
        if (!selector)
            return status;

        const auto devices = discoverDevices(run, &status);
        if (!devices)
            return status;
        const auto entry = namedGateway(run, *devices, *selector, named, &status);
        if (!entry)
            return status;
        CheckPlan plan {
            .gateway = mqttGateway(*entry), .settings = {}, .seconds = *duration, .reset = {}
        };
        const auto settings
            = brokerSettings(plan.gateway, *overrides, mqttClientId("check", 0), &problem);
        if (!settings)
            return run.fail(problem);
        plan.settings = *settings;
        if (parser.isSet(reset)) {
            const CommandAddress address = commandAddress(*entry);
            if (!address.address)
                return run.fail(address.problem);
            Link& link = run.session()->link();
            plan.reset = [&link, target = *address.address] {
                link.setDestination(target);
                return link.send(resetDatagram(target))
                    ? QString()
                    : QStringLiteral("the system refused to send to ") + link.lastSendError();
            };
        }

        QEventLoop loop;
        MqttCheck check(plan);
        QObject::connect(&check, &MqttCheck::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(0, &check, &MqttCheck::start);
        loop.exec();
        if (!check.failure().isEmpty())
            return run.finish(failed({}, check.exitStatus(), check.failure()));
        if (run.format() == OutputFormat::Json)
            return run.finish(resultOf({ DeviceResult { .mac = plan.gateway.mac,
                .status = DeviceStatus::Confirmed,
                .changes = {},
                .error = {},
                .wave = 0 } }));
        run.console().out(check.summary() + u'\n');
        return ExitSuccess;
    }
}

int mqttVerb(const QStringList& arguments, CliContext& context)
{
    const QString action = arguments.value(1);
    QStringList rest = arguments.mid(2);
    rest.prepend(QStringLiteral("linknode mqtt ") + action);
    if (action == QLatin1String("watch"))
        return watchVerb(rest, context);
    if (action == QLatin1String("check"))
        return checkVerb(rest, context);
    if (action == QLatin1String("--help") || action == QLatin1String("-h")) {
        context.console.out(overview);
        return ExitSuccess;
    }
    context.console.err(
        QStringLiteral("linknode: mqtt %1; watch or check, see linknode mqtt "
                       "--help\n")
            .arg(action.isEmpty() ? QStringLiteral("needs an action")
                                  : QStringLiteral("has no action \"%1\"").arg(action)));
    return ExitUsage;
}

} // namespace linknode
