#include "core/utf8_text.h"

namespace linknode {

namespace {
    // The length of the UTF-8 character that starts `bytes` and its code point; 0 when no
    // character starts there.
    size_t characterAt(const unsigned char* bytes, size_t left, char32_t& code)
    {
        const unsigned char lead = bytes[0];
        code = lead;
        if (lead < 0x80)
            return 1;
        size_t length = 0;
        char32_t least = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
            least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
            least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
            least = 0x10000;
        } else {
            return 0;
        }
        if (length > left)
            return 0;
        for (size_t i = 1; i < length; ++i) {
            if ((bytes[i] & 0xC0) != 0x80)
                return 0;
            code = (code << 6) | (bytes[i] & 0x3F);
        }
        const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
        return code < least || surrogate || code > 0x10FFFF ? 0 : length;
    }

    template <typename Accepted> bool everyCharacter(std::string_view bytes, Accepted accepted)
    {
        const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
        char32_t code = 0;
        for (size_t i = 0; i < bytes.size();) {
            const size_t length = characterAt(data + i, bytes.size() - i, code);
            if (length == 0 || !accepted(code))
                return false;
            i += length;
        }
        return true;
    }
}

bool isUtf8(std::string_view bytes)
{
    return everyCharacter(bytes, [](char32_t) { return true; });
}

bool isMqttText(std::string_view bytes)
{
    return everyCharacter(bytes, [](char32_t code) {
        const bool control = code <= 0x1F || (code >= 0x7F && code <= 0x9F);
        const bool nonCharacter = (code >= 0xFDD0 && code <= 0xFDEF) || (code & 0xFFFE) == 0xFFFE;
        return !control && !nonCharacter;
    });
}

std::string utf8WithEscapes(std::string_view bytes)
{
    constexpr char hex[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size());
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    char32_t code = 0;
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = characterAt(data + i, bytes.size() - i, code);
        if (length == 0) {
            text += "\\x";
            text += hex[data[i] >> 4];
            text += hex[data[i] & 0x0F];
            ++i;
        } else {
            text.append(bytes.substr(i, length));
            i += length;
        }
    }
    return text;
}

} // namespace linknode
