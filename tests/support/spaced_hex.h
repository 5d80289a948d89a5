#pragma once

#include <string>
#include <string_view>

namespace linknode {

// Bytes as two lower-case hex digits each, spaced ("fe ff 0b"), as datagrams are written in the
// tests. Without Qt, so the tests of the cores run in the Windows cross build too.
inline std::string spacedHex(std::string_view bytes)
{
    constexpr char digits[] = "0123456789abcdef";
    std::string text;
    for (const char c : bytes) {
        if (!text.empty())
            text += ' ';
        const auto byte = static_cast<unsigned char>(c);
        text += digits[byte >> 4];
        text += digits[byte & 0x0f];
    }
    return text;
}

} // namespace linknode
