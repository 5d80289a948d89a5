#include "cli/verbs/verbs.h"
#include "commands/device_datagrams.h"
#include "config/device_record.h"
#include "core/latin1.h"
#include "link/envelope.h"

namespace linknode {

namespace {
    const std::string broadcast(broadcastAddress);

    DeviceResult sentTo(const DeviceEntry& device)
    {
        return { toText(recordField(device.record, FLD_MAC)), DeviceStatus::Sent, {}, {} };
    }
}

int resetVerb(const QStringList& arguments, CliContext& context)
{
    VerbRun run(context, QStringLiteral("reset"), QStringLiteral("Resets one device."));
    addDeviceArgument(run.parser());
    if (const auto status = run.parse(arguments, 1))
        return *status;
    const QString named = run.parser().positionalArguments().front();
    const auto selector = parseSelector(named);
    if (!selector)
        return run.refuse(QStringLiteral("\"%1\" is neither a MAC nor an address").arg(named));

    Session* session = run.session();
    if (!session)
        return ExitFailure;
    const FoundDevice found = findOne(session->discover({}, lookupSeconds), *selector, named);
    if (!found.device)
        return run.finish(failed({}, found.exitStatus, found.problem));
    // The address inside names the device; sent to that address alone.
    const CommandAddress address = commandAddress(*found.device);
    if (!address.address)
        return run.fail(address.problem);
    session->send(*address.address, resetDatagram(*address.address));
    return run.finish(resultOf({ sentTo(*found.device) }));
}

int locateVerb(const QStringList& arguments, CliContext& context)
{
    VerbRun run(context, QStringLiteral("locate"),
        QStringLiteral("Makes the terminals in terminal mode flash their LED (or beep) so they "
                       "can be found: every one, or the one device named."));
    QCommandLineParser& parser = run.parser();
    parser.addPositionalArgument(QStringLiteral("device"),
        QStringLiteral("MAC or IP address of the one device to locate (default: every one)."),
        QStringLiteral("[device]"));
    const QCommandLineOption beep(
        QStringLiteral("beep"), QStringLiteral("Beep instead of flashing."));
    const QCommandLineOption seconds(QStringLiteral("seconds"),
        QStringLiteral("How long to repeat it (default 5, at most 600)."), QStringLiteral("N"),
        QStringLiteral("5"));
    parser.addOptions({ beep, seconds });
    if (const auto status = run.parse(arguments, 0, 1))
        return *status;
    const auto duration = parseSeconds(parser.value(seconds), 600);
    if (!duration)
        return run.refuse(QStringLiteral("--seconds \"%1\" is not a number from 0 to 600")
                              .arg(parser.value(seconds)));
    std::optional<DeviceSelector> selector;
    const QString named = parser.positionalArguments().value(0);
    if (!named.isEmpty() && !(selector = parseSelector(named)))
        return run.refuse(QStringLiteral("\"%1\" is neither a MAC nor an address").arg(named));

    Session* session = run.session();
    if (!session)
        return ExitFailure;
    const std::vector<DeviceEntry> devices = session->discover({}, lookupSeconds);
    VerbResult result;
    std::string destination = broadcast;
    if (selector) {
        const FoundDevice found = findOne(devices, *selector, named);
        if (!found.device)
            return run.finish(failed({}, found.exitStatus, found.problem));
        const CommandAddress address = commandAddress(*found.device);
        if (!address.address)
            return run.fail(address.problem);
        destination = *address.address;
        result.devices.push_back(sentTo(*found.device));
    } else {
        for (const DeviceEntry& device : devices)
            result.devices.push_back(sentTo(device));
    }
    // The frame carries the number of devices, as the window's counter shows it.
    const int count = static_cast<int>(devices.size());
    const std::string frame
        = locateDatagram(parser.isSet(beep) ? Locate::Beep : Locate::LedFlash, count);
    const double end = session->now() + *duration;
    int sent = 0;
    do {
        if (!session->send(destination, terminalPrefixDatagram())
            || !session->send(destination, frame))
            break;
        ++sent;
    } while (session->now() < end);
    run.console().err(
        QStringLiteral("%1 locate frame(s) sent to %2\n").arg(sent).arg(toText(destination)));
    return run.finish(result);
}

} // namespace linknode
