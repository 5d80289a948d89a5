#include "cli/output/output_format.h"
#include "cli/run/device_filter.h"
#include "cli/verbs/verbs.h"
#include "cli/verbs/watch.h"
#include "config/device_settings.h"
#include "core/logging.h"

#include <algorithm>
#include <iterator>

namespace linknode {

int discoverVerb(const QStringList& arguments, CliContext& context)
{
    VerbRun run(context, QStringLiteral("discover"),
        QStringLiteral("Asks every device (or those at each --to address) for its configuration "
                       "and lists one line per MAC."));
    QCommandLineParser& parser = run.parser();
    const QCommandLineOption to(QStringLiteral("to"),
        QStringLiteral("Ask at this address: a segment's broadcast address or one device. "
                       "Repeatable; default 255.255.255.255."),
        QStringLiteral("ADDRESS"));
    const QCommandLineOption wait(QStringLiteral("wait"),
        QStringLiteral("Collect replies at least this long (default 1)."),
        QStringLiteral("SECONDS"), QStringLiteral("1"));
    const QCommandLineOption model(QStringLiteral("model"),
        QStringLiteral("Only devices whose model caption holds TEXT (any case)."),
        QStringLiteral("TEXT"));
    const QCommandLineOption subnet(QStringLiteral("subnet"),
        QStringLiteral("Only devices with an address in CIDR (10.1.0.0/16)."),
        QStringLiteral("CIDR"));
    const QCommandLineOption flag(QStringLiteral("flag"),
        QStringLiteral("Only devices with this flag: duplicate-ip, off-subnet, encrypted, "
                       "old-firmware, record-cut (repeatable: all of them)."),
        QStringLiteral("NAME"));
    const QCommandLineOption watch(QStringLiteral("watch"),
        QStringLiteral("Ask again and again and write one JSON line per device that appears "
                       "(new), changes (changed) or stops answering for three enquiries "
                       "(missing), until interrupted."));
    const QCommandLineOption every(QStringLiteral("every"),
        QStringLiteral("With --watch: seconds between enquiries (default 5)."),
        QStringLiteral("SECONDS"), QStringLiteral("5"));
    parser.addOptions({ to, wait, model, subnet, flag, watch, every, fieldsOption() });
    if (const auto status = run.parse(arguments, 0))
        return *status;

    std::vector<std::string> targets;
    for (const QString& text : parser.values(to)) {
        const auto address = parseAddress(text);
        if (!address || *address == "0.0.0.0")
            return run.refuse(QStringLiteral("--to \"%1\" is not an address").arg(text));
        targets.push_back(*address);
    }
    const auto seconds = parseSeconds(parser.value(wait), 600);
    if (!seconds)
        return run.refuse(QStringLiteral("--wait \"%1\" is not a number of seconds from 0 to 600")
                              .arg(parser.value(wait)));
    const auto period = parseSeconds(parser.value(every), 3600);
    if (!period || *period < 1)
        return run.refuse(QStringLiteral("--every \"%1\" is not a number of seconds from 1 to 3600")
                              .arg(parser.value(every)));
    QString problem;
    const auto filter
        = parseFilter(parser.value(model), parser.value(subnet), parser.values(flag), &problem);
    if (!filter)
        return run.refuse(problem);
    const auto options
        = listOptions(run, parser.value(QStringLiteral("fields")), summaryRow({}), &problem);
    if (!options)
        return run.refuse(problem);

    Session* session = run.session();
    if (!session)
        return ExitFailure;
    if (parser.isSet(watch)) {
        const QString failure
            = watchDevices(*session, { targets, *seconds, *period, *filter }, run.console());
        return failure.isEmpty() ? ExitSuccess : run.fail(failure);
    }
    run.console().progress(QStringLiteral("asking the devices...\n"));
    std::vector<DeviceEntry> entries = session->discover(targets, *seconds);
    if (!session->sendFailure().isEmpty())
        return run.fail(session->sendFailure());
    run.warnIfIncomplete();
    std::erase_if(entries, [&](const DeviceEntry& entry) { return !matches(*filter, entry); });
    if (entries.empty())
        run.console().err(QStringLiteral("linknode: no device answered\n"));
    sortByAddress(entries);
    // Rows are built one at a time as they are written; JSON stays one array when empty.
    BufferedOutput output(run.console());
    writeList(
        entries.size(), [&](size_t i) { return summaryRow(entries[i]); }, run.format(),
        [&](const QString& text) { output.write(text); }, *options);
    output.flush();
    // For bench/measure-cli-discover: the part of the wait that is not the devices'.
    if (!entries.empty())
        qCInfo(discoveryLog, "%zu devices listed %.3f s after the last reply", entries.size(),
            session->now() - session->lastReply());
    return ExitSuccess;
}

int showVerb(const QStringList& arguments, CliContext& context)
{
    VerbRun run(context, QStringLiteral("show"),
        QStringLiteral("Shows one device: every field decoded, its model, firmware and flags; "
                       "for the MQTT gateway its MQTT settings too (mqtt.broker, mqtt.topic, "
                       "mqtt.payload, mqtt.clientId, mqtt.user, mqtt.password, "
                       "mqtt.connectTopic, mqtt.connectPayload; an object \"mqtt\" in JSON)."));
    addDeviceArgument(run.parser());
    run.parser().addOption(fieldsOption());
    if (const auto status = run.parse(arguments, 1))
        return *status;
    const QString named = run.parser().positionalArguments().front();
    const auto selector = parseSelector(named);
    if (!selector)
        return run.refuse(QStringLiteral("\"%1\" is neither a MAC nor an address").arg(named));
    QString problem;
    Row names = detailRow({});
    std::ranges::move(mqttRow({}), std::back_inserter(names));
    const auto options
        = listOptions(run, run.parser().value(QStringLiteral("fields")), names, &problem);
    if (!options)
        return run.refuse(problem);

    Session* session = run.session();
    if (!session)
        return ExitFailure;
    const std::vector<DeviceEntry> devices = session->discover({}, lookupSeconds);
    if (!session->sendFailure().isEmpty())
        return run.fail(session->sendFailure());
    run.warnIfIncomplete();
    const FoundDevice found = findOne(devices, *selector, named);
    if (!found.device)
        return run.finish(failed({}, found.exitStatus, found.problem));
    Row row = detailRow(*found.device);
    if (isMqttGateway(found.device->record))
        std::ranges::move(mqttRow(*found.device), std::back_inserter(row));
    run.console().out(oneText(row, run.format(), *options));
    return ExitSuccess;
}

} // namespace linknode
