#include "cli/verbs/change_sender.h"
#include "cli/verbs/verbs.h"
#include "commands/serial_codes.h"
#include "config/wiegand.h"
#include "core/latin1.h"
#include "fleet/config_change.h"

#include <algorithm>

namespace linknode {

namespace {
    // Every value named on the command line, or the first refusal.
    std::optional<ConfigRequest> request(
        const QCommandLineParser& parser, const MacBytes& mac, QString* problem)
    {
        ConfigRequest request;
        request.mac = mac;
        auto value = [&](const char* name) {
            const QString option = QString::fromLatin1(name);
            return parser.isSet(option) ? std::optional<QString>(parser.value(option))
                                        : std::nullopt;
        };
        auto take = [&](const char* name, auto parse, std::optional<std::string>& into) {
            if (const auto text = value(name)) {
                into = parse(*text);
                if (!into)
                    *problem
                        = QStringLiteral("--%1 \"%2\" is refused").arg(QLatin1String(name), *text);
            }
        };
        take("ip", parseDeviceAddress, request.ip);
        take("mask", parseMask, request.mask);
        take("gateway", parseAddress, request.gateway);
        take("host-ip", parseAddress, request.hostIp);
        take("host-port", parsePort, request.hostPort);
        take(
            "bauds",
            [](const QString& text) -> std::optional<std::string> {
                static const QStringList rates { QStringLiteral("4800"), QStringLiteral("9600"),
                    QStringLiteral("19200"), QStringLiteral("38400"), QStringLiteral("57600") };
                return rates.contains(text) ? std::optional(toBytes(text)) : std::nullopt;
            },
            request.bauds);
        if (const auto mode = value("mode")) {
            if (*mode == QLatin1String("server") || *mode == QLatin1String("client"))
                request.mode = *mode == QLatin1String("server") ? 0 : 1;
            else
                *problem = QStringLiteral("--mode \"%1\": server or client").arg(*mode);
        }
        if (const auto parity = value("parity")) {
            request.parityBase = parityBase(toBytes(*parity));
            if (!request.parityBase)
                *problem = QStringLiteral("--parity \"%1\": none, even or odd").arg(*parity);
        }
        if (const auto bits = value("databits")) {
            request.dataBitsCode = dataBitsCode(bits->toInt());
            if (!request.dataBitsCode)
                *problem = QStringLiteral("--databits \"%1\": 7 or 8").arg(*bits);
        }
        if (const auto stop = value("stopbits")) {
            if (*stop == QLatin1String("1") || *stop == QLatin1String("2"))
                request.twoStopBits = *stop == QLatin1String("2");
            else
                *problem = QStringLiteral("--stopbits \"%1\": 1 or 2").arg(*stop);
        }
        if (const auto login = value("login")) {
            if (const auto c = unstorableCharacter(*login))
                *problem = unstorableText(QStringLiteral("--login"), *c);
            else if (const auto bad = badCaretCode(toBytes(*login)))
                *problem = QStringLiteral("the caret code %1 names no byte").arg(toText(*bad));
            else
                request.login = toBytes(*login);
        }
        if (const auto wiegand = value("wiegand")) {
            request.wiegand = parseWiegand(*wiegand);
            if (!request.wiegand)
                *problem = QStringLiteral("--wiegand \"%1\": an item 1 to %2 or caret codes "
                                          "^6^^a^^b^^c^, each 0 to 255")
                               .arg(*wiegand)
                               .arg(wiegandItems().size());
        }
        if (!problem->isEmpty())
            return std::nullopt;
        return request;
    }

}

int setVerb(const QStringList& arguments, CliContext& context)
{
    VerbRun run(context, QStringLiteral("set"),
        QStringLiteral("Changes the named values of one device, checks them as SAVE CONFIGURATION "
                       "does, sends the configuration by MAC and confirms that the device reports "
                       "them. Values already as asked are not sent."));
    QCommandLineParser& parser = run.parser();
    parser.addPositionalArgument(QStringLiteral("mac"), QStringLiteral("The device's MAC."));
    auto option = [](const char* name, const char* text, const char* value) {
        return QCommandLineOption(
            QString::fromLatin1(name), QString::fromLatin1(text), QString::fromLatin1(value));
    };
    const QList<QCommandLineOption> changes { option("ip", "New address.", "ADDRESS"),
        option("mask", "New subnet mask.", "MASK"), option("gateway", "New gateway.", "ADDRESS"),
        option("host-ip", "Host server address (client mode).", "ADDRESS"),
        option("host-port", "Host server port.", "PORT"),
        option("mode", "server (clears the host address and options) or client.", "MODE"),
        option("bauds", "4800, 9600, 19200, 38400 or 57600.", "RATE"),
        option("parity", "none, even or odd.", "PARITY"), option("databits", "7 or 8.", "BITS"),
        option("stopbits", "1 or 2.", "BITS"),
        option("login", "Login string in caret notation (^13^ is CR), Latin-1 only.", "TEXT"),
        option("wiegand",
            "Wiegand format: item 1 to 11 of the list, or its caret codes "
            "^6^^a^^b^^c^.",
            "ITEM") };
    parser.addOptions(changes);
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
    if (std::none_of(changes.begin(), changes.end(),
            [&](const QCommandLineOption& change) { return parser.isSet(change); }))
        return run.refuse(QStringLiteral("nothing to change: name a value, see --help"));
    QString problem;
    const auto wanted = request(parser, *mac, &problem);
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
    const PlannedChange plan = planChange(device.device->record, *wanted, found);
    const SendSteps steps { .repetitions
        = configurationRepetitions(parser.isSet(QStringLiteral("bypass"))),
        .reset = parser.isSet(QStringLiteral("reset")) };
    if (plan.problem.empty() && parser.isSet(QStringLiteral("dry-run"))) {
        run.console().out(dryRunText(plan, steps));
        return ExitSuccess;
    }
    return run.finish(
        changeOne(*session, run.console(), device.device->record, *wanted, plan, steps));
}

} // namespace linknode
