#include "cli/verb_support.h"

#include "config/device_record.h"
#include "core/latin1.h"
#include "netid/save_checks.h"

namespace linknode {

std::optional<int> parseVerb(
    QCommandLineParser& parser, const QStringList& arguments, int positionals, Console& console)
{
    const QCommandLineOption help = parser.addHelpOption();
    if (!parser.parse(arguments))
        return refuse(console, parser.errorText());
    if (parser.isSet(help)) {
        console.out(parser.helpText());
        return ExitSuccess;
    }
    if (parser.positionalArguments().size() != positionals)
        return refuse(console,
            QStringLiteral("%1 takes %2 argument(s), see --help")
                .arg(arguments.value(0).section(u' ', 1))
                .arg(positionals));
    return std::nullopt;
}

int refuse(Console& console, const QString& message)
{
    console.err(QStringLiteral("linknode: ") + message + u'\n');
    return ExitUsage;
}

void addDeviceArgument(QCommandLineParser& parser)
{
    parser.addPositionalArgument(
        QStringLiteral("device"), QStringLiteral("MAC (0-80-194-1-2-3) or IP address."));
}

std::optional<DeviceSelector> deviceArgument(const QCommandLineParser& parser, Console& console)
{
    const QString named = parser.positionalArguments().front();
    const auto selector = parseSelector(named);
    if (!selector)
        refuse(console, QStringLiteral("\"%1\" is neither a MAC nor an address").arg(named));
    return selector;
}

int fail(Console& console, const QString& message)
{
    console.err(QStringLiteral("linknode: ") + message + u'\n');
    return ExitFailure;
}

QCommandLineOption formatOption()
{
    return { QStringLiteral("format"), QStringLiteral("table (default), json or csv."),
        QStringLiteral("FORMAT"), QStringLiteral("table") };
}

std::optional<OutputFormat> formatValue(const QCommandLineParser& parser, Console& console)
{
    const QString text = parser.value(QStringLiteral("format"));
    const auto format = parseFormat(text);
    if (!format)
        refuse(console, QStringLiteral("unknown format \"%1\": table, json or csv").arg(text));
    return format;
}

std::optional<DeviceEntry> findDevice(
    const std::vector<DeviceEntry>& entries, const DeviceSelector& selector)
{
    for (const DeviceEntry& entry : entries) {
        if (selector.mac && strictMac(recordField(entry.record, FLD_MAC)) == selector.mac)
            return entry;
        if (selector.ip && recordField(entry.record, FLD_IP) == *selector.ip)
            return entry;
    }
    return std::nullopt;
}

} // namespace linknode
