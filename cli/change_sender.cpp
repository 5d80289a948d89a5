#include "cli/change_sender.h"

#include "cli/arguments.h"
#include "cli/verb_support.h"
#include "commands/device_datagrams.h"
#include "core/latin1.h"

namespace linknode {

namespace {
    const std::string broadcast = "255.255.255.255";
    constexpr int unicastRepeats = 3;
}

SendOutcome sendChange(
    Session& session, const ConfigRequest& request, const PlannedChange& plan, bool reset)
{
    const std::string& address = plan.config.ip;
    session.send(
        broadcast, networkConfigDatagram(plan.config), configurationRepeats, configurationSpacing);
    session.wait(1.0);
    if (plan.wiegandDatagram)
        session.send(address, *plan.wiegandDatagram, unicastRepeats);
    if (plan.loginDatagram)
        session.send(address, *plan.loginDatagram, unicastRepeats);
    if (reset)
        session.send(address, resetDatagram(address));

    SendOutcome outcome { std::nullopt, { "no reply" } };
    const double end = session.now() + confirmSeconds;
    while (session.now() < end) {
        const auto found = findDevice(session.discover({ broadcast, address }, 0.5),
            DeviceSelector { .mac = request.mac, .ip = std::nullopt });
        if (found) {
            outcome.differing = unconfirmedFields(found->record, plan.expected);
            if (outcome.differing.empty()) {
                outcome.confirmed = found;
                return outcome;
            }
        }
        session.wait(0.5);
    }
    return outcome;
}

QString unconfirmedText(const MacBytes& mac, const SendOutcome& outcome)
{
    QStringList differing;
    for (const std::string& text : outcome.differing)
        differing << toText(text);
    return QStringLiteral("linknode: %1 not confirmed within %2 s: %3\n")
        .arg(toText(macText(mac)))
        .arg(confirmSeconds)
        .arg(differing.join(QStringLiteral("; ")));
}

} // namespace linknode
