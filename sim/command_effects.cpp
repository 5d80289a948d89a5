#include "sim/command_effects.h"

#include "sim/address.h"
#include "sim/record_effects.h"

#include <algorithm>

namespace linknode::sim {

namespace {

    QString text(const QByteArray& bytes)
    {
        return QString::fromLatin1(bytes);
    }

    std::optional<QString> refuseFrame(const TerminalFrame& frame, bool announced)
    {
        if (!announced)
            return QStringLiteral("frame without 01 FF FF \"T\" right before it");
        if (frame.purpose == TerminalFrame::Purpose::Other)
            return QStringLiteral("frame is neither a locate nor a clear");
        if (frame.checksumOk == false)
            return QStringLiteral("checksum does not match");
        return std::nullopt;
    }

    // Why no device takes the command at all, if none does.
    std::optional<QString> refusal(const std::vector<Device>& fleet,
        const std::vector<size_t>& devices, const Command& command, bool announced)
    {
        switch (command.kind) {
        case CommandKind::NetworkConfig: {
            if (!devices.empty())
                return refuseNetworkConfig(*command.config);
            const Mac& mac = command.config->mac;
            const bool known = std::any_of(fleet.begin(), fleet.end(),
                [&mac](const Device& device) { return parseMac(device.mac) == mac; });
            return (known ? QStringLiteral("the device with MAC %1 was not reached")
                          : QStringLiteral("no simulated device has MAC %1"))
                .arg(text(formatMac(mac)));
        }
        case CommandKind::Reset:
            if (devices.empty())
                return QStringLiteral("no reached device has the address \"%1\"")
                    .arg(text(command.text));
            return std::nullopt;
        case CommandKind::Login:
            return refuseLogin(*command.login);
        case CommandKind::TerminalFrame:
            return refuseFrame(*command.frame, announced);
        default:
            return std::nullopt;
        }
    }

    // Why this one device ignores the command, or empty when it acts on it.
    QString ignoredBecause(const Device& device, const Command& command, double now)
    {
        if (device.state.fellSilent)
            return QStringLiteral("fell silent");
        if (now < device.state.deafUntil)
            return device.state.deafBecause;
        if (command.kind == CommandKind::NetworkConfig && device.ignoresConfig)
            return QStringLiteral("ignores the configuration");
        const bool terminalOnly
            = command.kind == CommandKind::ShowMac || command.kind == CommandKind::TerminalFrame;
        if (terminalOnly && device.state.operating == DeviceState::Operating::Boot)
            return QStringLiteral("in boot mode");
        return {};
    }

    QJsonObject applyFrame(Device& device, const TerminalFrame& frame)
    {
        switch (frame.purpose) {
        case TerminalFrame::Purpose::LedFlash:
            ++device.state.ledFlashes;
            return { { QStringLiteral("locate"), QStringLiteral("led-flash") } };
        case TerminalFrame::Purpose::Beep:
            ++device.state.beeps;
            return { { QStringLiteral("locate"), QStringLiteral("beep") } };
        case TerminalFrame::Purpose::Clear:
            ++device.state.screenClears;
            return { { QStringLiteral("screen"), QStringLiteral("cleared") } };
        case TerminalFrame::Purpose::Other:
            break;
        }
        return {};
    }

    QJsonObject enterMode(Device& device, DeviceState::Operating mode)
    {
        device.state.operating = mode;
        return { { QStringLiteral("operating"),
            mode == DeviceState::Operating::Boot ? QStringLiteral("boot")
                                                 : QStringLiteral("terminal") } };
    }

    // A rebooting device hears nothing until `until`, then starts in terminal mode.
    void reboot(Device& device, double until, const QString& reason)
    {
        device.state.deafUntil = until;
        device.state.deafBecause = reason;
        enterMode(device, DeviceState::Operating::Terminal);
    }

    // A configuration that changes the record restarts the device with it; the same one
    // again (the tool repeats it) changes nothing and restarts nothing.
    QJsonObject configure(Device& device, const NetworkConfig& config, const EffectContext& context)
    {
        const QByteArray before = recordText(device);
        QJsonObject applied = applyNetworkConfig(device, config);
        if (context.restartPause > 0 && recordText(device) != before) {
            reboot(device, context.now + context.restartPause, QStringLiteral("restarting"));
            applied.insert(u"silentFor", context.restartPause);
        }
        return applied;
    }

    // The change `command` makes to one device that acts on it.
    QJsonObject applyTo(Device& device, const Command& command, const EffectContext& context)
    {
        switch (command.kind) {
        case CommandKind::NetworkConfig:
            return configure(device, *command.config, context);
        case CommandKind::HostUpdate:
            return applyHostUpdate(device, *command.host);
        case CommandKind::Login:
            return applyLogin(device, *command.login);
        case CommandKind::Reset:
            reboot(device, context.now + context.resetPause, QStringLiteral("resetting"));
            return { { QStringLiteral("silentFor"), context.resetPause } };
        case CommandKind::Countdown:
            device.state.countdown = command.text;
            return { { QStringLiteral("countdown"), text(command.text) } };
        case CommandKind::TerminalMode:
            return enterMode(device, DeviceState::Operating::Terminal);
        case CommandKind::BootMode:
            return enterMode(device, DeviceState::Operating::Boot);
        case CommandKind::ShowMac:
            device.state.shown = device.mac + ' ' + device.ip;
            return { { QStringLiteral("shown"), text(device.state.shown) } };
        case CommandKind::TerminalFrame:
            return applyFrame(device, *command.frame);
        case CommandKind::Enquiry:
        case CommandKind::TerminalPrefix:
        case CommandKind::Unknown:
            break;
        }
        return {};
    }

} // namespace

Outcome applyCommand(std::vector<Device>& fleet, const std::vector<size_t>& devices,
    const Command& command, const EffectContext& context)
{
    Outcome outcome;
    if (const auto reason = refusal(fleet, devices, command, context.announced)) {
        outcome.rejected = *reason;
        return outcome;
    }
    QJsonObject shownBy; // each device shows its own MAC and address
    for (const size_t i : devices) {
        Device& device = fleet[i];
        const QString ignored = ignoredBecause(device, command, context.now);
        if (!ignored.isEmpty()) {
            outcome.skipped.insert(text(device.mac), ignored);
            continue;
        }
        outcome.awake.push_back(i);
        const QByteArray before = device.ip;
        QJsonObject change = applyTo(device, command, context);
        if (command.kind == context.fallSilentOn) {
            device.state.fellSilent = true;
            change.insert(u"fellSilent", true);
        }
        if (device.ip != before)
            outcome.moves.push_back({ i, before, device.ip });
        if (command.kind == CommandKind::ShowMac)
            shownBy.insert(text(device.mac), change.value(u"shown"));
        else if (outcome.applied.isEmpty())
            outcome.applied = change;
    }
    if (!shownBy.isEmpty())
        outcome.applied.insert(u"shown", shownBy);
    return outcome;
}

} // namespace linknode::sim
