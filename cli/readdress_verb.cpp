#include "cli/change_sender.h"
#include "cli/readdress_plan.h"
#include "cli/verbs.h"
#include "config/device_record.h"
#include "core/latin1.h"

#include <QFile>

namespace linknode {

namespace {
    QString stepText(const PlanStep& step)
    {
        const std::string& record = step.device.record;
        QString text = QStringLiteral("%1  %2 -> %3")
                           .arg(toText(macText(step.row.mac)), toText(recordField(record, FLD_IP)),
                               toText(step.row.ip));
        if (step.row.mask)
            text += QStringLiteral("  mask %1 -> %2")
                        .arg(toText(recordField(record, FLD_MASK)), toText(*step.row.mask));
        if (step.row.gateway)
            text += QStringLiteral("  gateway %1 -> %2")
                        .arg(toText(recordField(record, FLD_GATE)), toText(*step.row.gateway));
        return text;
    }

    ConfigRequest requestOf(const PlanRow& row)
    {
        ConfigRequest request;
        request.mac = row.mac;
        request.ip = row.ip;
        request.mask = row.mask;
        request.gateway = row.gateway;
        return request;
    }

    // The devices as they stand once `changed` has taken its new address.
    void moved(std::vector<DeviceEntry>& devices, const DeviceEntry& changed)
    {
        for (DeviceEntry& device : devices)
            if (recordField(device.record, FLD_MAC) == recordField(changed.record, FLD_MAC))
                device = changed;
    }
}

int readdressVerb(const QStringList& arguments, CliContext& context)
{
    Console& console = context.console;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Gives devices new addresses from a plan of rows mac,ip[,mask[,gateway]]. The whole "
        "plan is checked first and printed old -> new in the order it would be applied; "
        "--apply changes the devices one at a time, each confirmed."));
    parser.addPositionalArgument(QStringLiteral("plan"), QStringLiteral("The plan (CSV)."));
    const QCommandLineOption apply(QStringLiteral("apply"), QStringLiteral("Change the devices."));
    parser.addOption(apply);
    if (const auto status = parseVerb(parser, arguments, 1, console))
        return *status;
    const QString path = parser.positionalArguments().front();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(console, QStringLiteral("%1: %2").arg(path, file.errorString()));
    QString problem;
    const auto rows = parsePlan(file.readAll(), &problem);
    if (!rows)
        return refuse(console, problem);

    const auto session = context.openSession(console);
    if (!session)
        return ExitFailure;
    std::vector<DeviceEntry> devices = session->discover({}, lookupSeconds);
    const OrderedPlan plan = orderPlan(*rows, devices);
    if (!plan.problem.isEmpty()) {
        console.err(QStringLiteral("linknode: %1; nothing was sent\n").arg(plan.problem));
        return plan.silent.isEmpty() ? ExitUsage : ExitFailure;
    }
    // Every row must pass the save's checks too, before the first device changes.
    for (const PlanStep& step : plan.steps) {
        std::vector<DeviceEntry> others;
        const PlannedChange change = planChange(step.device.record, requestOf(step.row), others);
        if (!change.problem.empty())
            return refuse(console,
                QStringLiteral("plan line %1: %2; nothing was sent")
                    .arg(step.row.line)
                    .arg(toText(change.problem)));
    }
    for (const PlanStep& step : plan.steps)
        console.out(stepText(step) + u'\n');
    if (!parser.isSet(apply))
        return ExitSuccess;

    int changed = 0;
    size_t tried = 0;
    for (const PlanStep& step : plan.steps) {
        ++tried;
        console.progress(
            QStringLiteral("[%1/%2] %3\n").arg(tried).arg(plan.steps.size()).arg(stepText(step)));
        const ConfigRequest request = requestOf(step.row);
        const PlannedChange change = planChange(step.device.record, request, devices);
        if (!change.problem.empty()) {
            console.err(QStringLiteral("linknode: plan line %1: %2\n")
                            .arg(step.row.line)
                            .arg(toText(change.problem)));
            --tried;
            break;
        }
        const SendOutcome outcome = sendChange(*session, request, change, {});
        if (!outcome.confirmed) {
            // The later steps count on this device having left its address: stop here.
            console.err(unconfirmedText(step.row.mac, outcome));
            break;
        }
        moved(devices, *outcome.confirmed);
        ++changed;
    }
    const int unconfirmed = static_cast<int>(tried) - changed;
    console.err(QStringLiteral("changed %1, not confirmed %2, not tried %3\n")
                    .arg(changed)
                    .arg(unconfirmed)
                    .arg(plan.steps.size() - tried));
    if (static_cast<size_t>(changed) == plan.steps.size())
        return ExitSuccess;
    return unconfirmed > 0 ? ExitUnconfirmed : ExitFailure;
}

} // namespace linknode
