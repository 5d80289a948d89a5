#include "core/shown_text.h"

#include <algorithm>

namespace linknode {

QString caretForm(const QString& text)
{
    const auto isControl = [](QChar c) {
        const char16_t code = c.unicode();
        return code < 32 || (code >= 127 && code < 160);
    };
    if (std::none_of(text.begin(), text.end(), isControl))
        return text;
    QString shown;
    for (const QChar c : text) {
        if (isControl(c))
            shown += QStringLiteral("^%1^").arg(c.unicode());
        else
            shown += c;
    }
    return shown;
}

QString cutText(const QString& text, qsizetype width)
{
    if (text.size() <= width)
        return text;
    return text.left(width - 1) + QChar(0x2026);
}

QString cutMiddle(const QString& text, qsizetype width)
{
    if (text.size() <= width)
        return text;
    // A third for the start, the rest for the end, which names the thing itself.
    const qsizetype start = (width - 1) / 3;
    return text.left(start) + QChar(0x2026) + text.right(width - 1 - start);
}

QString counted(qsizetype count, const QString& one, const QString& many)
{
    return QString::number(count) + u' ' + (count == 1 ? one : many);
}

} // namespace linknode
