#include "sim/command_json.h"

#include <QJsonArray>

namespace linknode::sim {

namespace {

    QString text(const QByteArray& bytes)
    {
        return QString::fromLatin1(bytes);
    }

    void describeConfig(const NetworkConfig& config, QJsonObject& line)
    {
        line.insert(u"ip", text(config.ip));
        line.insert(u"mask", text(config.mask));
        line.insert(u"gateway", text(config.gateway));
        line.insert(u"mac", text(formatMac(config.mac)));
        if (config.host) {
            line.insert(u"hostIp", text(config.host->ip));
            line.insert(u"hostPort", text(config.host->port));
            line.insert(u"options", text(config.host->options));
        }
        if (config.serial) {
            line.insert(u"bauds", text(config.serial->bauds));
            line.insert(u"parity", config.serial->parity);
            line.insert(u"databits", config.serial->databits);
        }
        if (config.socketMode)
            line.insert(u"socketMode", *config.socketMode);
    }

    void describeLogin(const Login& login, QJsonObject& line)
    {
        line.insert(u"text", text(login.text));
        if (login.wiegand)
            line.insert(u"wiegand",
                QJsonArray { (*login.wiegand)[0], (*login.wiegand)[1], (*login.wiegand)[2] });
        if (login.displayMode)
            line.insert(u"displayMode", *login.displayMode);
        if (login.workstation)
            line.insert(u"workstation", text(*login.workstation));
    }

    QString purposeName(TerminalFrame::Purpose purpose)
    {
        switch (purpose) {
        case TerminalFrame::Purpose::LedFlash:
            return QStringLiteral("led-flash");
        case TerminalFrame::Purpose::Beep:
            return QStringLiteral("beep");
        case TerminalFrame::Purpose::Clear:
            return QStringLiteral("clear");
        case TerminalFrame::Purpose::Other:
            break;
        }
        return QStringLiteral("other");
    }

    void describeFrame(const TerminalFrame& frame, QJsonObject& line)
    {
        line.insert(u"purpose", purposeName(frame.purpose));
        line.insert(u"body", text(frame.body));
        if (frame.count)
            line.insert(u"count", *frame.count);
        if (frame.checksumOk)
            line.insert(u"checksumOk", *frame.checksumOk);
    }

} // namespace

QJsonObject describeCommand(const Command& command)
{
    QJsonObject line { { QStringLiteral("kind"), kindName(command.kind) } };
    switch (command.kind) {
    case CommandKind::NetworkConfig:
        describeConfig(*command.config, line);
        break;
    case CommandKind::HostUpdate:
        line.insert(u"hostIp", text(command.host->ip));
        line.insert(u"hostPort", text(command.host->port));
        line.insert(u"mode", command.host->mode);
        break;
    case CommandKind::Reset:
        line.insert(u"ip", text(command.text));
        break;
    case CommandKind::Login:
        describeLogin(*command.login, line);
        break;
    case CommandKind::Countdown:
        line.insert(u"value", text(command.text));
        break;
    case CommandKind::TerminalFrame:
        describeFrame(*command.frame, line);
        break;
    case CommandKind::Unknown:
        line.insert(u"reason", command.reason);
        break;
    case CommandKind::Enquiry:
    case CommandKind::ShowMac:
    case CommandKind::TerminalMode:
    case CommandKind::BootMode:
    case CommandKind::TerminalPrefix:
        break;
    }
    return line;
}

} // namespace linknode::sim
