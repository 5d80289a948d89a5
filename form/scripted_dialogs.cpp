#include "form/scripted_dialogs.h"

#include <cstdio>

namespace linknode {

ScriptedDialogs::ScriptedDialogs(bool echoToStderr)
    : echo_(echoToStderr)
{
}

void ScriptedDialogs::message(const QString& text, const QString& title, MessageIcon icon)
{
    messages_.push_back({ title, text, icon });
    if (echo_)
        std::fprintf(stderr, "MESSAGE [%s] %s\n", qUtf8Printable(title), qUtf8Printable(text));
}

std::optional<QString> ScriptedDialogs::input(
    const QString& prompt, const QString& title, const QString& defaultAnswer)
{
    std::optional<QString> answer;
    if (!answers_.empty()) {
        answer = std::move(answers_.front());
        answers_.pop_front();
    }
    inputs_.push_back({ prompt, title, defaultAnswer, answer });
    return answer;
}

QString iconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QStringLiteral("critical");
    case MessageIcon::Question:
        return QStringLiteral("question");
    case MessageIcon::Exclamation:
        return QStringLiteral("exclamation");
    case MessageIcon::Information:
        return QStringLiteral("information");
    case MessageIcon::None:
        break;
    }
    return QStringLiteral("none");
}

} // namespace linknode
