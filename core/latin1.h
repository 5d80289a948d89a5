#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace linknode {

// Device texts are bytes 0..255; Latin-1 maps each byte to the character of the same code
// and back, so nothing is lost between controls and datagrams.
inline QString toText(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string toBytes(const QString& text)
{
    const QByteArray latin1 = text.toLatin1();
    return std::string(latin1.constData(), static_cast<size_t>(latin1.size()));
}

inline QByteArray toDatagram(std::string_view bytes)
{
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The first character of `text` a device cannot store, a byte being all it has (outside
// Latin-1: "€", "Ł", an emoji), as its code point; none when every character is one byte.
// toBytes would send "?" for it.
inline std::optional<char32_t> unstorableCharacter(const QString& text)
{
    for (const char32_t c : text.toUcs4())
        if (c > 255)
            return c;
    return std::nullopt;
}

// "the login holds "€" (U+20AC), which a device cannot store...": the refusal's words.
inline QString unstorableText(const QString& what, char32_t c)
{
    return QStringLiteral("%1 holds \"%2\" (U+%3), which a device cannot store: only Latin-1 "
                          "characters")
        .arg(what, QString::fromUcs4(&c, 1),
            QString::number(c, 16).toUpper().rightJustified(4, u'0'));
}

// A control's text without leading and trailing blanks (code 32 only, as devices expect).
inline QString trimmedBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace linknode
