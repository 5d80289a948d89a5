#include "cli/run/input_file.h"
#include "cli/verbs/fleet_run.h"
#include "cli/verbs/verbs.h"
#include "netid/config_repetition.h"

#include <algorithm>

namespace linknode {

int applyVerb(const QStringList& arguments, CliContext& context)
{
    VerbRun run(context, QStringLiteral("apply"),
        QStringLiteral(
            "Brings the devices of a site file to the values it holds. SITE is an inventory "
            "(the format inventory save writes; an entry may hold only mac and the values to "
            "set) or a readdress plan (CSV rows mac,ip[,mask[,gateway]]). The devices are read "
            "by one discovery and compared field by field; devices already as written get "
            "nothing. Every change is checked before the first datagram; then the devices change "
            "together in waves (a device moving onto an address another still holds waits for "
            "the wave after it has left), each wave confirmed by a discovery. Exit 0 when every "
            "device is confirmed or unchanged, 3 when some are not, 2 when the file is "
            "refused."));
    QCommandLineParser& parser = run.parser();
    parser.addPositionalArgument(
        QStringLiteral("site"), QStringLiteral("The site file (- for standard input)."));
    const QCommandLineOption check(QStringLiteral("check"),
        QStringLiteral("Print the plan (waves, devices, fields old -> new, datagrams) and send "
                       "nothing."));
    const QCommandLineOption strict(QStringLiteral("strict"),
        QStringLiteral("Refuse the whole run when a device of the file does not answer (without "
                       "it the others change and the silent ones are reported)."));
    const QCommandLineOption spare(QStringLiteral("spare"),
        QStringLiteral("A free address a device of an exchange or a cycle of addresses may park "
                       "on (repeatable)."),
        QStringLiteral("ADDRESS"));
    const QCommandLineOption retries(QStringLiteral("retries"),
        QStringLiteral("How often the discovery asks again for devices of the file it did not "
                       "find, and a wave is sent again to its devices that did not confirm it "
                       "(0 to 10, default 2)."),
        QStringLiteral("N"), QStringLiteral("2"));
    const QCommandLineOption rate(QStringLiteral("rate"),
        QStringLiteral("Datagrams a second at most (10 to 100000, default 5000: 4 to 5 Mbit/s "
                       "of broadcast, a few per cent of a 100 Mbit/s office switch's port)."),
        QStringLiteral("N"), QStringLiteral("5000"));
    const QCommandLineOption bypass(QStringLiteral("bypass"),
        QStringLiteral("Send each configuration 50 times instead of 10, as the window's save "
                       "does with Bypass AutoBoot ticked."));
    parser.addOptions({ check, strict, spare, retries, rate, bypass });
    if (const auto status = run.parse(arguments, 1))
        return *status;

    FleetRunOptions options;
    options.check = parser.isSet(check);
    options.plan.strict = parser.isSet(strict);
    for (const QString& address : parser.values(spare)) {
        const auto parsed = parseDeviceAddress(address);
        if (!parsed)
            return run.refuse(
                QStringLiteral("--spare \"%1\" is no address a device can take").arg(address));
        options.plan.spares.push_back(*parsed);
    }
    bool ok = false;
    options.engine.retries = parser.value(retries).toInt(&ok);
    if (!ok || options.engine.retries < 0 || options.engine.retries > 10)
        return run.refuse(QStringLiteral("--retries \"%1\": 0 to 10").arg(parser.value(retries)));
    options.engine.rate = parser.value(rate).toInt(&ok);
    if (!ok || options.engine.rate < 10 || options.engine.rate > 100000)
        return run.refuse(QStringLiteral("--rate \"%1\": 10 to 100000").arg(parser.value(rate)));
    options.engine.repetitions = configurationRepetitions(parser.isSet(bypass));

    const QString path = parser.positionalArguments().front();
    QString problem;
    const auto text = readInput(path, &problem);
    if (!text)
        return run.refuse(QStringLiteral("%1: %2").arg(path, problem));
    const auto entries = parseSite(*text, &problem);
    if (!entries)
        return run.refuse(QStringLiteral("%1: %2; nothing was sent").arg(path, problem));
    Session* session = run.session();
    if (!session)
        return ExitFailure;
    const std::vector<DeviceEntry> found
        = discoverSite(*session, *entries, options.engine.retries + 1);
    run.warnIfIncomplete();
    if (!session->sendFailure().isEmpty())
        return run.fail(session->sendFailure() + QStringLiteral("; nothing was sent"));
    FleetOutcome outcome = runFleet(run, found, *entries, options);
    if (options.check && run.format() == OutputFormat::Table) {
        // The plan printed is the check's table: the result's rows would only say it again.
        if (!outcome.result.error.isEmpty())
            run.console().err(QStringLiteral("linknode: ") + outcome.result.error + u'\n');
        return outcome.result.exitStatus;
    }
    const auto count = [&](DeviceStatus status) { return countOf(outcome.result.devices, status); };
    if (!options.check && outcome.result.datagrams)
        run.console().err(QStringLiteral("confirmed %1, unchanged %2, not confirmed %3, not "
                                         "tried %4, parked %5; %6 configuration datagrams, %7 "
                                         "retries\n")
                              .arg(count(DeviceStatus::Confirmed))
                              .arg(count(DeviceStatus::Unchanged))
                              .arg(count(DeviceStatus::NotConfirmed))
                              .arg(count(DeviceStatus::NotTried))
                              .arg(count(DeviceStatus::Parked))
                              .arg(*outcome.result.datagrams)
                              .arg(outcome.retries));
    return run.finish(std::move(outcome.result));
}

} // namespace linknode
