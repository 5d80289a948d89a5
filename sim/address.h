#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <optional>

namespace linknode::sim {

using Mac = std::array<quint8, 6>;

// Dotted IPv4 text to a number: exactly four decimal fields 0..255, nothing else.
std::optional<quint32> parseIpv4(QByteArrayView text);
QByteArray formatIpv4(quint32 address);

// A MAC as devices write it: six decimal numbers 0..255 joined by "-" ("0-80-194-1-2-3").
std::optional<Mac> parseMac(QByteArrayView text);
QByteArray formatMac(const Mac& mac);

} // namespace linknode::sim
