#include "core/json_text.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

namespace linknode {

namespace {
    // The controls QJsonDocument leaves as they are.
    bool unescapedByQt(char16_t c)
    {
        return c >= 0x7f && c <= 0x9f;
    }

    // "\u00XX" in lower case, as QJsonDocument writes the controls below 32.
    std::array<char, 6> escapeOf(char16_t c)
    {
        constexpr char hex[] = "0123456789abcdef";
        return { '\\', 'u', '0', '0', hex[(c >> 4) & 15], hex[c & 15] };
    }
}

QByteArray jsonText(const QJsonDocument& document, QJsonDocument::JsonFormat format)
{
    const QByteArray text = document.toJson(format);
    // In UTF-8 DEL is the byte 127 and U+0080 to U+009F are C2 80 to C2 9F: neither can be a
    // part of another character, and outside strings JSON has neither.
    if (!text.contains('\x7f') && !text.contains('\xc2'))
        return text;
    QByteArray escaped;
    escaped.reserve(text.size() + 64);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (byte == 0x7f) {
            escaped.append(escapeOf(byte).data(), 6);
        } else if (byte == 0xc2 && next >= 0x80 && next <= 0x9f) {
            escaped.append(escapeOf(next).data(), 6);
            ++i;
        } else {
            escaped.append(text[i]);
        }
    }
    return escaped;
}

void appendJsonString(QString& out, QStringView text)
{
    // The escapes QJsonDocument writes in their short form.
    static constexpr std::pair<char16_t, char> shortForms[] = { { u'"', '"' }, { u'\\', '\\' },
        { u'\b', 'b' }, { u'\f', 'f' }, { u'\n', 'n' }, { u'\r', 'r' }, { u'\t', 't' } };
    out += u'"';
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code >= 0x20 && code != u'"' && code != u'\\' && !unescapedByQt(code)) {
            out += c;
            continue;
        }
        const auto* shortForm = std::find_if(std::begin(shortForms), std::end(shortForms),
            [&](const auto& form) { return form.first == code; });
        if (shortForm != std::end(shortForms)) {
            out += u'\\';
            out += QLatin1Char(shortForm->second);
        } else {
            out += QLatin1String(escapeOf(code).data(), 6);
        }
    }
    out += u'"';
}

namespace {
    // `text`'s lines between its first and last, each `indent` deeper.
    QByteArray innerLines(const QByteArray& text, const QByteArray& indent)
    {
        QList<QByteArray> lines = text.trimmed().split('\n');
        QByteArray inner;
        for (qsizetype i = 1; i + 1 < lines.size(); ++i)
            inner += indent + lines[i] + '\n';
        return inner;
    }

    // Ends the last line of `text` with a comma.
    QByteArray withComma(QByteArray text)
    {
        text.insert(text.size() - 1, ',');
        return text;
    }
}

bool writeIndentedJson(const QJsonObject& members, const QString& arrayKey, size_t count,
    const std::function<QJsonObject(size_t)>& element,
    const std::function<bool(const QByteArray&)>& write)
{
    // Keys in QJsonObject's order; each member as the whole document would hold it.
    QStringList keys = members.keys();
    keys.insert(std::lower_bound(keys.begin(), keys.end(), arrayKey), arrayKey);
    if (!write(QByteArrayLiteral("{\n")))
        return false;
    for (qsizetype k = 0; k < keys.size(); ++k) {
        const bool last = k + 1 == keys.size();
        if (keys[k] != arrayKey) {
            const QJsonObject member { { keys[k], members.value(keys[k]) } };
            const QByteArray text
                = innerLines(jsonText(QJsonDocument(member), QJsonDocument::Indented), {});
            if (!write(last ? text : withComma(text)))
                return false;
            continue;
        }
        QString name;
        appendJsonString(name, arrayKey);
        if (!write("    " + name.toUtf8() + ": [\n"))
            return false;
        for (size_t i = 0; i < count; ++i) {
            const QByteArray text = "        {\n"
                + innerLines(
                    jsonText(QJsonDocument(element(i)), QJsonDocument::Indented), "        ")
                + "        }\n";
            if (!write(i + 1 < count ? withComma(text) : text))
                return false;
        }
        if (!write(last ? QByteArrayLiteral("    ]\n") : QByteArrayLiteral("    ],\n")))
            return false;
    }
    return write(QByteArrayLiteral("}\n"));
}

} // namespace linknode
