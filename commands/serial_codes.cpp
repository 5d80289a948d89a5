#include "commands/serial_codes.h"

#include "core/text_fields.h"

#include <array>

namespace linknode {

namespace {

    constexpr std::array<const char*, 3> parityWords { "None", "Even", "Odd" };
    constexpr std::array<const char*, 3> upperParityWords { "NONE", "EVEN", "ODD" };

    char upper(char c)
    {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }

} // namespace

std::optional<std::string> parityWord(int code)
{
    if (code < 0 || code > 5)
        return std::nullopt;
    return std::string(parityWords[static_cast<size_t>(code % 3)]);
}

std::optional<int> parityBase(std::string_view word)
{
    std::string key(trimBlanks(word));
    for (char& c : key)
        c = upper(c);
    for (size_t base = 0; base < upperParityWords.size(); ++base) {
        if (key == upperParityWords[base])
            return static_cast<int>(base);
    }
    return std::nullopt;
}

int parityCode(int base, bool twoStopBits)
{
    return base + (twoStopBits ? 3 : 0);
}

std::optional<int> dataBitsCode(long long bits)
{
    if (bits == 8)
        return 0;
    if (bits == 7)
        return 1;
    return std::nullopt;
}

std::string dataBitsText(int code)
{
    return code == 1 ? "7" : "8";
}

} // namespace linknode
