#include "core/utf8_text.h"

namespace linknode {

namespace {
    // The length of the UTF-8 character that starts `bytes` and its code point; 0 when no
    // character starts there.
    qsizetype characterAt(const unsigned char* bytes, qsizetype left, char32_t& code)
    {
        const unsigned char lead = bytes[0];
        code = lead;
        if (lead < 0x80)
            return 1;
        qsizetype length = 0;
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
        for (qsizetype i = 1; i < length; ++i) {
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
        const auto size = static_cast<qsizetype>(bytes.size());
        char32_t code = 0;
        for (qsizetype i = 0; i < size;) {
            const qsizetype length = characterAt(data + i, size - i, code);
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

QString utf8WithEscapes(QByteArrayView bytes)
{
    // Most payloads are UTF-8 through and through: Qt's decoder is the fast way, and a
    // replacement character in its result tells that it was not (or that the text holds one).
    QString text = QString::fromUtf8(bytes);
    if (!text.contains(QChar::ReplacementCharacter))
        return text;
    text.clear();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    char32_t code = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = characterAt(data + i, bytes.size() - i, code);
        if (length == 0) {
            text += QStringLiteral("\\x")
                + QString::number(data[i], 16).toUpper().rightJustified(2, u'0');
            ++i;
        } else {
            text += QString::fromUcs4(&code, 1);
            i += length;
        }
    }
    return text;
}

} // namespace linknode
