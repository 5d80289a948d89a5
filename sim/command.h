#pragma once

#include "sim/address.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace linknode::sim {

enum class CommandKind {
    Enquiry,
    NetworkConfig,
    ShowMac,
    HostUpdate,
    Reset,
    Login,
    Countdown,
    TerminalMode,
    BootMode,
    TerminalPrefix,
    TerminalFrame,
    Unknown,
};

// The journal's name of a kind: "enquiry", "network-config", ...
QString kindName(CommandKind kind);
// The kind a journal name stands for; none for a name no kind has.
std::optional<CommandKind> kindNamed(const QString& name);

// FE FF 01: texts, then the target MAC, then optionally the serial settings and socket mode.
struct NetworkConfig {
    struct Host {
        QByteArray ip;
        QByteArray port;
        QByteArray options;
    };
    struct Serial {
        QByteArray bauds;
        quint8 parity = 0;
        quint8 databits = 0;
    };
    QByteArray ip;
    QByteArray mask;
    QByteArray gateway;
    std::optional<Host> host;
    Mac mac {};
    std::optional<Serial> serial;
    std::optional<quint8> socketMode; // only after the host and serial parts
};

// FE FF 03: host server IP CR port 0E mode.
struct HostUpdate {
    QByteArray ip;
    QByteArray port;
    quint8 mode = 0;
};

// FE FF 0B: the login text, and what the caret commands inside it mean. The tool may end
// any of them with the workstation identifier framed by 02 and 03.
struct Login {
    QByteArray text; // everything after FE FF 0B
    QByteArray body; // the text without the workstation suffix
    std::optional<QByteArray> workstation; // the identifier of a 02 id 03 suffix
    std::optional<std::array<quint8, 3>> wiegand; // body is 03 04 03 06 w1 w2 w3 03 04 03
    std::optional<quint8> displayMode; // body is 07 n
};

// 02 ... 03, the data frame after 01 FF FF "T".
struct TerminalFrame {
    enum class Purpose { LedFlash, Beep, Clear, Other };
    Purpose purpose = Purpose::Other;
    QByteArray body; // between STX and the first ETX
    std::optional<int> count; // device count of a locate frame
    std::optional<bool> checksumOk; // of a locate frame
};

// One received datagram, decoded. Exactly the member of the kind is set; reset carries its
// address text and countdown its digits in `text`. An unknown datagram says why in `reason`.
struct Command {
    CommandKind kind = CommandKind::Unknown;
    std::optional<NetworkConfig> config; // enquiry and network-config
    std::optional<HostUpdate> host;
    std::optional<Login> login;
    std::optional<TerminalFrame> frame;
    QByteArray text;
    QString reason;
};

Command decodeCommand(const QByteArray& datagram);

} // namespace linknode::sim
