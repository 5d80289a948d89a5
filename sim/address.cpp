#include "sim/address.h"

namespace linknode::sim {

namespace {

    // Splits `text` at `separator` into exactly N decimal numbers of 1..3 digits, each <= 255.
    template <size_t N>
    std::optional<std::array<quint8, N>> parseNumbers(QByteArrayView text, char separator)
    {
        std::array<quint8, N> numbers {};
        size_t index = 0;
        int value = 0;
        int digits = 0;
        for (qsizetype i = 0; i <= text.size(); ++i) {
            if (i == text.size() || text[i] == separator) {
                if (digits == 0 || index >= N)
                    return std::nullopt;
                numbers[index++] = static_cast<quint8>(value);
                value = 0;
                digits = 0;
                continue;
            }
            const char c = text[i];
            if (c < '0' || c > '9' || ++digits > 3)
                return std::nullopt;
            value = value * 10 + (c - '0');
            if (value > 255)
                return std::nullopt;
        }
        if (index != N)
            return std::nullopt;
        return numbers;
    }

} // namespace

std::optional<quint32> parseIpv4(QByteArrayView text)
{
    const auto octets = parseNumbers<4>(text, '.');
    if (!octets)
        return std::nullopt;
    quint32 address = 0;
    for (const quint8 octet : *octets)
        address = (address << 8) | octet;
    return address;
}

QByteArray formatIpv4(quint32 address)
{
    return QByteArray::number(address >> 24) + '.' + QByteArray::number((address >> 16) & 255) + '.'
        + QByteArray::number((address >> 8) & 255) + '.' + QByteArray::number(address & 255);
}

std::optional<Mac> parseMac(QByteArrayView text)
{
    return parseNumbers<6>(text, '-');
}

QByteArray formatMac(const Mac& mac)
{
    QByteArray text;
    for (size_t i = 0; i < mac.size(); ++i) {
        if (i > 0)
            text += '-';
        text += QByteArray::number(mac[i]);
    }
    return text;
}

} // namespace linknode::sim
