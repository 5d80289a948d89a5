#include "sim/command.h"

#include <QList>
#include <algorithm>
#include <initializer_list>

namespace linknode::sim {

namespace {

    quint8 at(const QByteArray& d, qsizetype i)
    {
        return static_cast<quint8>(d[i]);
    }

    bool startsWith(const QByteArray& d, std::initializer_list<quint8> bytes)
    {
        if (d.size() < static_cast<qsizetype>(bytes.size()))
            return false;
        qsizetype i = 0;
        for (const quint8 b : bytes)
            if (at(d, i++) != b)
                return false;
        return true;
    }

    bool equals(const QByteArray& d, std::initializer_list<quint8> bytes)
    {
        return d.size() == static_cast<qsizetype>(bytes.size()) && startsWith(d, bytes);
    }

    bool isDigits(const QByteArray& text)
    {
        return !text.isEmpty()
            && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    }

    Command unknown(const QString& reason)
    {
        Command command;
        command.reason = reason;
        return command;
    }

    // FE FF 01 FF 01, 3 or 6 CR-ended texts, FD, 6 MAC bytes, then optionally the baud text,
    // FC, parity and data-bits bytes, and (with the host texts) the socket mode byte.
    Command decodeNetworkConfig(const QByteArray& d)
    {
        if (!startsWith(d, { 0xFE, 0xFF, 0x01, 0xFF, 0x01 }))
            return unknown(QStringLiteral("FE FF 01 without FF 01 after it"));
        qsizetype p = 5;
        QList<QByteArray> texts;
        while (p < d.size() && at(d, p) != 0xFD && texts.size() < 6) {
            const qsizetype cr = d.indexOf('\r', p);
            if (cr < 0)
                return unknown(QStringLiteral("text without CR"));
            texts.append(d.mid(p, cr - p));
            p = cr + 1;
        }
        if (p >= d.size() || at(d, p) != 0xFD)
            return unknown(QStringLiteral("no FD after the texts"));
        if (texts.size() != 3 && texts.size() != 6)
            return unknown(QStringLiteral("%1 texts, expected 3 or 6").arg(texts.size()));
        ++p;
        if (d.size() - p < 6)
            return unknown(QStringLiteral("MAC shorter than 6 bytes"));
        NetworkConfig config;
        config.ip = texts[0];
        config.mask = texts[1];
        config.gateway = texts[2];
        if (texts.size() == 6)
            config.host = NetworkConfig::Host { texts[3], texts[4], texts[5] };
        for (size_t i = 0; i < config.mac.size(); ++i)
            config.mac[i] = at(d, p++);
        if (p < d.size()) {
            const qsizetype fc = d.indexOf('\xFC', p);
            if (fc < 0 || d.size() - fc < 3)
                return unknown(QStringLiteral("serial settings incomplete"));
            config.serial
                = NetworkConfig::Serial { d.mid(p, fc - p), at(d, fc + 1), at(d, fc + 2) };
            p = fc + 3;
            if (config.host && p < d.size())
                config.socketMode = at(d, p++);
            if (p < d.size())
                return unknown(QStringLiteral("bytes after the settings"));
        }
        const bool zeroAddresses = std::all_of(
            texts.begin(), texts.end(), [](const QByteArray& t) { return t == "0.0.0.0"; });
        const bool zeroMac
            = std::all_of(config.mac.begin(), config.mac.end(), [](quint8 b) { return b == 0; });
        Command command;
        command.kind = texts.size() == 3 && zeroAddresses && zeroMac && !config.serial
            ? CommandKind::Enquiry
            : CommandKind::NetworkConfig;
        command.config = std::move(config);
        return command;
    }

    // FE FF 03, host IP, CR, port, 0E, mode byte.
    Command decodeHostUpdate(const QByteArray& d)
    {
        const qsizetype cr = d.indexOf('\r', 3);
        const qsizetype so = cr < 0 ? -1 : d.indexOf('\x0E', cr + 1);
        if (so < 0 || d.size() != so + 2)
            return unknown(QStringLiteral("host update not IP CR port 0E mode"));
        Command command;
        command.kind = CommandKind::HostUpdate;
        command.host = HostUpdate { d.mid(3, cr - 3), d.mid(cr + 1, so - cr - 1), at(d, so + 1) };
        return command;
    }

    // A trailing 02 id 03 with a non-empty id free of 02 and 03. A caret command's own last
    // bytes (03 04 03) never end in 02 x 03, so the envelope cannot be mistaken for it.
    std::optional<qsizetype> workstationStart(const QByteArray& t)
    {
        if (t.size() < 3 || t.back() != '\x03')
            return std::nullopt;
        for (qsizetype i = t.size() - 2; i >= 0; --i) {
            if (t[i] == '\x03')
                return std::nullopt;
            if (t[i] == '\x02')
                return i < t.size() - 2 ? std::optional(i) : std::nullopt;
        }
        return std::nullopt;
    }

    Command decodeLogin(const QByteArray& d)
    {
        Login login;
        login.text = d.mid(3);
        login.body = login.text;
        if (const auto suffix = workstationStart(login.text)) {
            login.body = login.text.first(*suffix);
            login.workstation = login.text.mid(*suffix + 1, login.text.size() - *suffix - 2);
        }
        const QByteArray& b = login.body;
        if (b.size() == 10 && startsWith(b, { 0x03, 0x04, 0x03, 0x06 })
            && b.endsWith("\x03\x04\x03"))
            login.wiegand = std::array<quint8, 3> { at(b, 4), at(b, 5), at(b, 6) };
        if (b.size() == 2 && at(b, 0) == 0x07)
            login.displayMode = at(b, 1);
        Command command;
        command.kind = CommandKind::Login;
        command.login = std::move(login);
        return command;
    }

    // FE F8 08 02 "><ER" digits 03.
    Command decodeCountdown(const QByteArray& d)
    {
        constexpr qsizetype head = 8;
        if (!startsWith(d, { 0xFE, 0xF8, 0x08, 0x02, '>', '<', 'E', 'R' }) || d.size() < head + 2
            || d.back() != '\x03' || !isDigits(d.mid(head, d.size() - head - 1)))
            return unknown(QStringLiteral("countdown not FE F8 08 02 ><ER digits 03"));
        Command command;
        command.kind = CommandKind::Countdown;
        command.text = d.mid(head, d.size() - head - 1);
        return command;
    }

    // The two hex digits of a locate frame: the byte sum of STX up to the last count digit.
    QByteArray locateChecksum(const QByteArray& covered)
    {
        uint sum = 0;
        for (const char c : covered)
            sum += static_cast<quint8>(c);
        return QByteArray::number(sum & 0xFF, 16).toUpper().rightJustified(2, '0');
    }

    // 02, pattern x3, C7, "36", count digits, two checksum digits, 03, 03.
    void decodeLocate(const QByteArray& d, TerminalFrame& frame)
    {
        constexpr qsizetype head = 7;
        const bool led = startsWith(d, { 0x02, 0xB3, 0xB3, 0xB3, 0xC7, '3', '6' });
        const bool beep = startsWith(d, { 0x02, 0x07, 0x07, 0x07, 0xC7, '3', '6' });
        if ((!led && !beep) || d.size() < head + 3 + 4 || !d.endsWith("\x03\x03"))
            return;
        const QByteArray digits = d.mid(head, d.size() - head - 4);
        if (!isDigits(digits))
            return;
        frame.purpose = led ? TerminalFrame::Purpose::LedFlash : TerminalFrame::Purpose::Beep;
        frame.count = digits.toInt();
        frame.checksumOk = locateChecksum(d.first(head + digits.size())) == d.mid(d.size() - 4, 2);
    }

    Command decodeTerminalFrame(const QByteArray& d)
    {
        TerminalFrame frame;
        frame.body = d.mid(1, d.indexOf('\x03', 1) - 1);
        if (equals(d, { 0x02, 0x1B, '[', '2', 'J', 0x03 }))
            frame.purpose = TerminalFrame::Purpose::Clear;
        else
            decodeLocate(d, frame);
        Command command;
        command.kind = CommandKind::TerminalFrame;
        command.frame = std::move(frame);
        return command;
    }

    Command simple(CommandKind kind, QByteArray text = {})
    {
        Command command;
        command.kind = kind;
        command.text = std::move(text);
        return command;
    }

} // namespace

QString kindName(CommandKind kind)
{
    switch (kind) {
    case CommandKind::Enquiry:
        return QStringLiteral("enquiry");
    case CommandKind::NetworkConfig:
        return QStringLiteral("network-config");
    case CommandKind::ShowMac:
        return QStringLiteral("show-mac");
    case CommandKind::HostUpdate:
        return QStringLiteral("host-update");
    case CommandKind::Reset:
        return QStringLiteral("reset");
    case CommandKind::Login:
        return QStringLiteral("login");
    case CommandKind::Countdown:
        return QStringLiteral("countdown");
    case CommandKind::TerminalMode:
        return QStringLiteral("terminal-mode");
    case CommandKind::BootMode:
        return QStringLiteral("boot-mode");
    case CommandKind::TerminalPrefix:
        return QStringLiteral("terminal-prefix");
    case CommandKind::TerminalFrame:
        return QStringLiteral("terminal-frame");
    case CommandKind::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

std::optional<CommandKind> kindNamed(const QString& name)
{
    for (int k = 0; k < static_cast<int>(CommandKind::Unknown); ++k)
        if (kindName(static_cast<CommandKind>(k)) == name)
            return static_cast<CommandKind>(k);
    return std::nullopt;
}

Command decodeCommand(const QByteArray& d)
{
    if (startsWith(d, { 0xFE, 0xFF, 0x01 }))
        return decodeNetworkConfig(d);
    if (equals(d, { 0xFE, 0xFF, 0x02 }))
        return simple(CommandKind::ShowMac);
    if (startsWith(d, { 0xFE, 0xFF, 0x03 }))
        return decodeHostUpdate(d);
    if (startsWith(d, { 0xFE, 0xFF, 0x06 }))
        return simple(CommandKind::Reset, d.mid(3));
    if (startsWith(d, { 0xFE, 0xFF, 0x0B }))
        return decodeLogin(d);
    if (startsWith(d, { 0xFE, 0xF8 }))
        return decodeCountdown(d);
    if (equals(d, { 0x01, 0xFF, 0xFF, 'A', 0xFA }))
        return simple(CommandKind::TerminalMode);
    if (equals(d, { 0x01, 0xFF, 0xFF, 'A', 0x02, 0xFB, 'F', 'D', 0x03 }))
        return simple(CommandKind::BootMode);
    if (equals(d, { 0x01, 0xFF, 0xFF, 'T' }))
        return simple(CommandKind::TerminalPrefix);
    if (d.size() >= 2 && d.front() == '\x02' && d.back() == '\x03')
        return decodeTerminalFrame(d);
    if (d.isEmpty())
        return unknown(QStringLiteral("empty"));
    return unknown(QStringLiteral("no known envelope"));
}

} // namespace linknode::sim
