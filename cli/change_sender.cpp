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
    Session& session, const ConfigRequest& request, const PlannedChange& plan, SendSteps steps)
{
    const std::string& address = plan.config.ip;
    session.send(
        broadcast, networkConfigDatagram(plan.config), steps.repetitions, configurationSpacing);
    session.wait(1.0);
    if (plan.wiegandDatagram)
        session.send(address, *plan.wiegandDatagram, unicastRepeats);
    if (plan.loginDatagram)
        session.send(address, *plan.loginDatagram, unicastRepeats);
    if (steps.reset)
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
