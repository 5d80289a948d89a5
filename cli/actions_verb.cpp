#include "cli/verbs.h"
#include "commands/device_datagrams.h"
#include "config/device_record.h"
#include "core/latin1.h"

namespace linknode {

namespace {
    const std::string broadcast = "255.255.255.255";
}

int resetVerb(const QStringList& arguments, CliContext& context)
{
    Console& console = context.console;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Resets one device."));
    addDeviceArgument(parser);
    if (const auto status = parseVerb(parser, arguments, 1, console))
        return *status;
    const auto selector = deviceArgument(parser, console);
    if (!selector)
        return ExitUsage;

    const auto session = context.openSession(console);
    if (!session)
        return ExitFailure;
    std::string address = selector->ip.value_or(std::string());
    if (selector->mac) {
        const auto device = findDevice(session->discover({}, lookupSeconds), *selector);
        if (!device)
            return fail(console,
                QStringLiteral("no device answers with MAC %1")
                    .arg(parser.positionalArguments().front()));
        address = recordField(device->record, FLD_IP);
    }
    // The address inside names the device; sent to that address alone.
    session->send(address, resetDatagram(address));
    console.err(QStringLiteral("reset sent to %1\n").arg(toText(address)));
    return ExitSuccess;
}

int locateVerb(const QStringList& arguments, CliContext& context)
{
    Console& console = context.console;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Makes every terminal in terminal mode flash its LED (or beep) so it can be found."));
    const QCommandLineOption beep(
        QStringLiteral("beep"), QStringLiteral("Beep instead of flashing."));
    const QCommandLineOption seconds(QStringLiteral("seconds"),
        QStringLiteral("How long to repeat it (default 5, at most 600)."), QStringLiteral("N"),
        QStringLiteral("5"));
    parser.addOptions({ beep, seconds });
    if (const auto status = parseVerb(parser, arguments, 0, console))
        return *status;
    const auto duration = parseSeconds(parser.value(seconds), 600);
    if (!duration)
        return refuse(console,
            QStringLiteral("--seconds \"%1\" is not a number from 0 to 600")
                .arg(parser.value(seconds)));

    const auto session = context.openSession(console);
    if (!session)
        return ExitFailure;
    // The frame carries the number of devices, as the window's counter shows it.
    const int count = static_cast<int>(session->discover({}, lookupSeconds).size());
    const std::string frame
        = locateDatagram(parser.isSet(beep) ? Locate::Beep : Locate::LedFlash, count);
    const double end = session->now() + *duration;
    int sent = 0;
    do {
        session->send(broadcast, terminalPrefixDatagram());
        session->send(broadcast, frame);
        ++sent;
    } while (session->now() < end);
    console.err(QStringLiteral("%1 locate frame(s) sent for %2 device(s)\n").arg(sent).arg(count));
    return ExitSuccess;
}

} // namespace linknode
