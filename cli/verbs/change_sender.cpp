#include "cli/verbs/change_sender.h"

#include "cli/run/arguments.h"
#include "cli/run/verb_support.h"
#include "commands/device_datagrams.h"
#include "core/latin1.h"
#include "link/envelope.h"

namespace linknode {

namespace {
    const std::string broadcast(broadcastAddress);
}

SendOutcome sendChange(
    Session& session, const ConfigRequest& request, const PlannedChange& plan, SendSteps steps)
{
    SendOutcome outcome { std::nullopt, {}, {} };
    const std::string& address = plan.config.ip;
    const bool sent = session.send(
        broadcast, networkConfigDatagram(plan.config), steps.repetitions, configurationSpacing);
    if (sent)
        session.wait(1.0);
    if (sent && plan.wiegandDatagram)
        session.send(address, *plan.wiegandDatagram, unicastRepeats);
    if (sent && plan.loginDatagram)
        session.send(address, *plan.loginDatagram, unicastRepeats);
    if (sent && steps.reset)
        session.send(address, resetDatagram(address));
    if (!session.sendFailure().isEmpty()) {
        outcome.refused = session.sendFailure();
        return outcome;
    }

    const double end = session.now() + confirmSeconds;
    while (session.now() < end) {
        const auto found = findDevice(session.discover({ broadcast, address }, 0.5),
            DeviceSelector { .mac = request.mac, .ip = std::nullopt });
        if (found) {
            outcome.differing = differingFields(found->record, plan.expected);
            if (outcome.differing.empty()) {
                outcome.confirmed = found;
                return outcome;
            }
        }
        session.wait(0.5);
    }
    return outcome;
}

VerbResult changeOne(Session& session, Console& console, const std::string& record,
    const ConfigRequest& request, const PlannedChange& plan, SendSteps steps)
{
    const QString mac = toText(macText(request.mac));
    if (plan.problem) {
        VerbResult refused = failed(
            {}, ExitUsage, toText(plan.problem.text) + QStringLiteral("; nothing was sent"));
        refused.devices.push_back({ mac, DeviceStatus::Refused, {}, toText(plan.problem.text) });
        return refused;
    }
    const std::vector<FieldChange> changed = differingFields(record, plan.expected);
    if (changed.empty() && !steps.reset)
        return resultOf({ { mac, DeviceStatus::Unchanged, {}, {} } });
    console.progress(QStringLiteral("sending the configuration...\n"));
    const SendOutcome outcome = sendChange(session, request, plan, steps);
    VerbResult result = resultOf({ changeResult(request.mac, changed, outcome) });
    if (!outcome.confirmed) {
        result.exitStatus = outcome.refused.isEmpty() ? ExitUnconfirmed : ExitFailure;
        result.error = mac + u' ' + result.devices[0].error;
    }
    return result;
}

QString dryRunText(const PlannedChange& plan, SendSteps steps)
{
    const auto hex = [](const std::string& datagram) {
        return QString::fromLatin1(toDatagram(datagram).toHex());
    };
    const QString address = toText(plan.config.ip);
    QString text = QStringLiteral("configuration x%1 to %2: %3\n")
                       .arg(steps.repetitions)
                       .arg(toText(broadcast), hex(networkConfigDatagram(plan.config)));
    if (plan.wiegandDatagram)
        text += QStringLiteral("wiegand to %1: %2\n").arg(address, hex(*plan.wiegandDatagram));
    if (plan.loginDatagram)
        text += QStringLiteral("login to %1: %2\n").arg(address, hex(*plan.loginDatagram));
    if (steps.reset)
        text
            += QStringLiteral("reset to %1: %2\n").arg(address, hex(resetDatagram(plan.config.ip)));
    return text;
}

DeviceResult changeResult(
    const MacBytes& mac, const std::vector<FieldChange>& changes, const SendOutcome& outcome)
{
    DeviceResult result { toText(macText(mac)), DeviceStatus::Confirmed, changes, {} };
    if (!outcome.refused.isEmpty()) {
        result.status = DeviceStatus::NotConfirmed;
        result.error = outcome.refused;
    } else if (!outcome.confirmed) {
        result.status = DeviceStatus::NotConfirmed;
        QStringList differing;
        for (const FieldChange& field : outcome.differing)
            differing << QStringLiteral("%1 is %2, wanted %3")
                             .arg(field.field, field.before, field.after);
        result.error = QStringLiteral("not confirmed within %1 s: %2")
                           .arg(confirmSeconds)
                           .arg(differing.isEmpty() ? QStringLiteral("no reply")
                                                    : differing.join(QStringLiteral("; ")));
    }
    return result;
}

} // namespace linknode
