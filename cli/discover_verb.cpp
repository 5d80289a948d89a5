#include "cli/output_format.h"
#include "cli/verbs.h"
#include "core/logging.h"

namespace linknode {

int discoverVerb(const QStringList& arguments, CliContext& context)
{
    Console& console = context.console;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Asks every device (or those at each --to address) for its configuration and lists "
        "one line per MAC."));
    const QCommandLineOption to(QStringLiteral("to"),
        QStringLiteral("Ask at this address: a segment's broadcast address or one device. "
                       "Repeatable; default 255.255.255.255."),
        QStringLiteral("ADDRESS"));
    const QCommandLineOption wait(QStringLiteral("wait"),
        QStringLiteral("Collect replies at least this long (default 1)."),
        QStringLiteral("SECONDS"), QStringLiteral("1"));
    parser.addOptions({ to, wait, formatOption() });
    if (const auto status = parseVerb(parser, arguments, 0, console))
        return *status;

    std::vector<std::string> targets;
    for (const QString& text : parser.values(to)) {
        const auto address = parseAddress(text);
        if (!address || *address == "0.0.0.0")
            return refuse(console, QStringLiteral("--to \"%1\" is not an address").arg(text));
        targets.push_back(*address);
    }
    const auto seconds = parseSeconds(parser.value(wait), 600);
    if (!seconds)
        return refuse(console,
            QStringLiteral("--wait \"%1\" is not a number of seconds from 0 to 600")
                .arg(parser.value(wait)));
    const auto format = formatValue(parser, console);
    if (!format)
        return ExitUsage;

    const auto session = context.openSession(console);
    if (!session)
        return ExitFailure;
    console.progress(QStringLiteral("asking the devices...\n"));
    std::vector<DeviceEntry> entries = session->discover(targets, *seconds);
    if (entries.empty())
        console.err(QStringLiteral("linknode: no device answered\n"));
    sortByAddress(entries);
    // Rows are built one at a time as they are written; JSON stays one array when empty.
    BufferedOutput output(console);
    writeList(
        entries.size(), [&](size_t i) { return summaryRow(entries[i]); }, *format,
        [&](const QString& text) { output.write(text); });
    output.flush();
    // For bench/measure-cli-discover: the part of the wait that is not the devices'.
    if (!entries.empty())
        qCInfo(discoveryLog, "%zu devices listed %.3f s after the last reply", entries.size(),
            session->now() - session->lastReply());
    return ExitSuccess;
}

int showVerb(const QStringList& arguments, CliContext& context)
{
    Console& console = context.console;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows one device: every field decoded, its model, firmware and flags."));
    addDeviceArgument(parser);
    parser.addOption(formatOption());
    if (const auto status = parseVerb(parser, arguments, 1, console))
        return *status;
    const auto selector = deviceArgument(parser, console);
    if (!selector)
        return ExitUsage;
    const auto format = formatValue(parser, console);
    if (!format)
        return ExitUsage;

    const auto session = context.openSession(console);
    if (!session)
        return ExitFailure;
    const auto device = findDevice(session->discover({}, lookupSeconds), *selector);
    if (!device)
        return fail(console,
            QStringLiteral("no device answers as %1").arg(parser.positionalArguments().front()));
    console.out(oneText(detailRow(*device), *format));
    return ExitSuccess;
}

} // namespace linknode
