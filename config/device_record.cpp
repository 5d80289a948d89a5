#include "config/device_record.h"

#include "core/text_fields.h"

#include <algorithm>
#include <climits>

namespace linknode {

namespace {

    bool isDigit(char c)
    {
        return c >= '0' && c <= '9';
    }

    // The part of `version` VERSION_CODE needs: two characters before the last, dots aside.
    bool hasVersionCode(std::string_view version)
    {
        size_t count = 0;
        for (const char c : version)
            count += c != '.';
        return count >= 3;
    }

    std::string twoDigitHex(long long value)
    {
        static constexpr char digits[] = "0123456789ABCDEF";
        std::string hex;
        auto rest = static_cast<unsigned long long>(value);
        do {
            hex.insert(hex.begin(), digits[rest % 16]);
            rest /= 16;
        } while (rest != 0);
        if (hex.size() < 2)
            hex.insert(hex.begin(), '0');
        return hex;
    }

} // namespace

std::string recordField(std::string_view record, RecordField field)
{
    return GET_PAR(record, field, ",");
}

FirmwareVersion firmwareVersion(std::string_view record)
{
    const std::string field = recordField(record, FLD_VERSION);
    FirmwareVersion version;
    version.text = field.size() > 4 ? field.substr(field.size() - 4) : field;
    version.earliest = version.text == "INC.";
    for (const char c : version.text) {
        if (isDigit(c))
            version.number = version.number * 10 + (c - '0');
    }
    if (!version.text.empty())
        version.letter = static_cast<unsigned char>(version.text.back());
    if (!version.earliest && hasVersionCode(version.text))
        version.code = VERSION_CODE(version.text);
    return version;
}

std::string macHex(std::string_view mac)
{
    // A malformed MAC still gives six parts: missing ones read as "00", negative ones as 0.
    std::string hex;
    for (int part = 0; part < 6; ++part) {
        if (part > 0)
            hex.push_back('-');
        const long long value = leadingNumber(GET_PAR(mac, part, "-"));
        hex += twoDigitHex(value < 0 ? 0 : value);
    }
    return hex;
}

std::string wiegandCode(std::string_view record)
{
    const std::string w1 = recordField(record, FLD_WIEGAND1);
    const std::string w2 = recordField(record, FLD_WIEGAND2);
    const std::string w3 = recordField(record, FLD_WIEGAND3);
    if (w1.empty() || w2.empty() || w3.empty())
        return {};
    return "^6^^" + w1 + "^^" + w2 + "^^" + w3 + "^";
}

std::string loginCaretForm(std::string_view rawLogin)
{
    std::string caret;
    caret.reserve(rawLogin.size());
    for (const char c : rawLogin) {
        switch (static_cast<unsigned char>(c)) {
        case 13:
            caret += "^13^";
            break;
        case 10:
            caret += "^10^";
            break;
        case 9:
            caret += "^9^";
            break;
        case 234: // the device's stand-in for a comma inside the record
            caret.push_back(',');
            break;
        default:
            caret.push_back(c);
        }
    }
    return caret;
}

LoginParts splitWorkstation(std::string_view caretLogin)
{
    constexpr std::string_view stx = "^2^", etx = "^3^";
    const size_t start = caretLogin.rfind(stx);
    if (start == std::string_view::npos || !caretLogin.ends_with(etx)
        || start + stx.size() + etx.size() > caretLogin.size())
        return { std::string(caretLogin), {} };
    const std::string_view id = caretLogin.substr(
        start + stx.size(), caretLogin.size() - etx.size() - start - stx.size());
    // Sent back, the identifier is trimmed and framed once: only one it keeps as it is splits.
    if (id.empty() || id.find('^') != std::string_view::npos || trimBlanks(id) != id)
        return { std::string(caretLogin), {} };
    return { std::string(caretLogin.substr(0, start)), std::string(id) };
}

std::string shownLogin(std::string_view caretLogin)
{
    if (caretLogin.size() == 3)
        return {};
    if (caretLogin.starts_with("Tav"))
        return std::string(caretLogin.substr(3));
    // Shorter texts are shown as the device sent them rather than leaving the previous
    // device's login in the box.
    return std::string(caretLogin);
}

int socketMode(std::string_view modeField)
{
    // Negative values stay: anything but 0 selects CLIENT, as the device reported it.
    const long long mode = leadingNumber(modeField);
    if (mode > 1)
        return 0;
    return static_cast<int>(std::max<long long>(mode, INT_MIN));
}

} // namespace linknode
