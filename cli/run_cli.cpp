#include "cli/verbs/verbs.h"

#include <QCoreApplication>
#include <map>

namespace linknode {

namespace {
    using Verb = int (*)(const QStringList&, CliContext&);

    const std::map<QString, Verb>& verbs()
    {
        static const std::map<QString, Verb> table {
            { QStringLiteral("discover"), discoverVerb },
            { QStringLiteral("show"), showVerb },
            { QStringLiteral("set"), setVerb },
            { QStringLiteral("reset"), resetVerb },
            { QStringLiteral("locate"), locateVerb },
            { QStringLiteral("inventory"), inventoryVerb },
            { QStringLiteral("readdress"), readdressVerb },
            { QStringLiteral("apply"), applyVerb },
            { QStringLiteral("replace"), replaceVerb },
            { QStringLiteral("mqtt"), mqttVerb },
            { QStringLiteral("exporter"), exporterVerb },
        };
        return table;
    }

    const QString overview = QStringLiteral(
        "Usage: linknode VERB [options]\n"
        "Finds, configures and commands the field devices on this network segment.\n\n"
        "Verbs:\n"
        "  discover   list every device that answers\n"
        "  show       one device, every field decoded\n"
        "  set        change a device's configuration and confirm it\n"
        "  reset      reset one device\n"
        "  locate     flash the LED (or beep) of the terminals, or of one device\n"
        "  inventory  save the devices to a file, or compare a file with them\n"
        "  readdress  give devices new addresses from a plan\n"
        "  replace    a swapped device takes over the saved configuration of the old one\n"
        "  apply      bring a whole site to the values of a site file, in parallel waves\n"
        "  mqtt       watch what the MQTT sensor gateway publishes, or check it (watch, check)\n"
        "  exporter   serve the site's devices as Prometheus metrics, asking again and again\n\n"
        "Every verb takes --format table|json|csv, -i/--interface NAME and --max-wait SECONDS.\n"
        "linknode VERB --help tells more. Exit status: 0 success, 1 failure (a send the system "
        "refused, output that could not be written, inventory diff finding a difference), 2 bad "
        "usage or a value refused before anything was sent, 3 sent but not confirmed.\n");
}

int runCli(const QStringList& arguments, CliContext& context)
{
    const QString first = arguments.value(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        context.console.out(overview);
        return ExitSuccess;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        context.console.out(
            QStringLiteral("linknode %1\n").arg(QCoreApplication::applicationVersion()));
        return ExitSuccess;
    }
    const auto verb = verbs().find(first);
    if (verb == verbs().end()) {
        // A message is one line; the overview's own line ends go one by one.
        for (const QString& line : overview.chopped(1).split(u'\n'))
            context.console.err(line + u'\n');
        context.console.err(
            QStringLiteral("linknode: %1\n")
                .arg(first.isEmpty() ? QStringLiteral("no verb given")
                                     : QStringLiteral("unknown verb \"%1\"").arg(first)));
        return ExitUsage;
    }
    QStringList rest = arguments.mid(2);
    rest.prepend(QStringLiteral("linknode ") + first);
    return verb->second(rest, context);
}

} // namespace linknode
