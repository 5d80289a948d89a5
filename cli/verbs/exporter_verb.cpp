#include "cli/run/input_file.h"
#include "cli/verbs/metrics_endpoint.h"
#include "cli/verbs/mqtt_options.h"
#include "cli/verbs/site_exporter.h"
#include "cli/verbs/verbs.h"

namespace linknode {

namespace {
    // Twice the largest site measured with it (10000 devices): a host on the segment can make
    // up MACs, and every device held is a handful of series.
    constexpr size_t mostWatchedDevices = 20000;
    // One enquiry a round is a few bytes a device; more often than this adds nothing a
    // person could act on.
    constexpr double shortestEvery = 5;
}

int exporterVerb(const QStringList& arguments, CliContext& context)
{
    VerbRun run(context, QStringLiteral("exporter"),
        QStringLiteral("Asks the devices every --every seconds, one enquiry a round, and serves "
                       "what it finds at http://ADDRESS:PORT/metrics for Prometheus: "
                       "linknode_device_up (0 once a device missed three rounds; forgotten "
                       "after a day), linknode_device_last_seen_timestamp_seconds, "
                       "linknode_device_info, linknode_devices, linknode_duplicate_address, "
                       "linknode_discovery_duration_seconds, linknode_replies_total, "
                       "linknode_replies_dropped_total; with --site linknode_device_drift and "
                       "linknode_site_missing; with --mqtt "
                       "linknode_mqtt_last_message_age_seconds. Runs until SIGTERM or Ctrl+C "
                       "(exit 0); exit 1 when the address cannot be listened at."));
    QCommandLineParser& parser = run.parser();
    const QCommandLineOption listen(QStringLiteral("listen"),
        QStringLiteral("Serve the metrics at this IPv4 address and port (default "
                       "127.0.0.1:9464; 0.0.0.0:9464 for every address)."),
        QStringLiteral("ADDRESS:PORT"), QStringLiteral("127.0.0.1:9464"));
    const QCommandLineOption every(QStringLiteral("every"),
        QStringLiteral("Seconds from one round's enquiry to the next, 5 to 3600 (default 30)."),
        QStringLiteral("SECONDS"), QStringLiteral("30"));
    const QCommandLineOption site(QStringLiteral("site"),
        QStringLiteral("Compare every device with this site file (an inventory or a readdress "
                       "plan, as apply reads it): drift per field, devices missing."),
        QStringLiteral("FILE"));
    const QCommandLineOption mqtt(QStringLiteral("mqtt"),
        QStringLiteral("Watch the brokers of the MQTT gateways found (their records name "
                       "them; --broker, --user, --password, --tls and --cafile take their "
                       "place) for the age of each gateway's last message."));
    const BrokerOptions broker;
    parser.addOptions({ listen, every, site, mqtt });
    broker.addTo(parser);
    if (const auto status = run.parse(arguments, 0))
        return *status;

    const auto address = parseListenAddress(parser.value(listen));
    if (!address)
        return run.refuse(QStringLiteral("--listen \"%1\" is not an IPv4 ADDRESS:PORT")
                              .arg(parser.value(listen)));
    ExporterPlan plan;
    const auto period = parseSeconds(parser.value(every), 3600);
    if (!period || *period < shortestEvery)
        return run.refuse(QStringLiteral("--every \"%1\" is not a number of seconds from %2 to "
                                         "3600")
                              .arg(parser.value(every))
                              .arg(shortestEvery));
    plan.every = *period;
    QString problem;
    if (parser.isSet(mqtt)) {
        plan.brokers = broker.read(parser, &problem);
        if (!plan.brokers)
            return run.refuse(problem);
    } else {
        for (const QCommandLineOption& option :
            { broker.broker, broker.user, broker.password, broker.tls, broker.caFile })
            if (parser.isSet(option))
                return run.refuse(
                    QStringLiteral("--%1 goes with --mqtt").arg(option.names().front()));
    }
    std::vector<SiteEntry> entries;
    if (parser.isSet(site)) {
        const QString path = parser.value(site);
        const auto text = readInput(path, &problem);
        if (!text)
            return run.refuse(QStringLiteral("%1: %2").arg(path, problem));
        auto parsed = parseSite(*text, &problem);
        if (!parsed)
            return run.refuse(QStringLiteral("%1: %2").arg(path, problem));
        entries = std::move(*parsed);
    }

    Session* session = run.session();
    if (!session)
        return ExitFailure;
    // Destroyed after the server, which reads it from its own threads until then.
    SiteExporter exporter(
        *session, SiteWatch(std::move(entries), mostWatchedDevices), plan, run.console());
    const auto endpoint = MetricsEndpoint::open(
        *address, [&exporter] { return exporter.metrics(); }, &problem);
    if (!endpoint)
        return run.fail(problem);
    run.console().progress(QStringLiteral("serving http://%1/metrics, asking every %2 s\n")
                               .arg(QString::fromStdString(*address))
                               .arg(plan.every));
    exporter.run();
    return ExitSuccess;
}

} // namespace linknode
