#pragma once

#include "form/dialogs.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace linknode {

// Never modal: every box is recorded, message boxes are acknowledged at once, input boxes
// take the next queued answer (none queued: Cancel).
class ScriptedDialogs final : public Dialogs {
public:
    struct Message {
        QString title, text;
        MessageIcon icon;
    };
    struct Input {
        QString prompt, title, defaultAnswer;
        std::optional<QString> answer;
    };

    // Also print each message box to standard error (automation runs).
    explicit ScriptedDialogs(bool echoToStderr = false);

    void queueAnswer(std::optional<QString> answer) { answers_.push_back(std::move(answer)); }

    void message(const QString& text, const QString& title, MessageIcon icon) override;
    std::optional<QString> input(
        const QString& prompt, const QString& title, const QString& defaultAnswer) override;
    void beep() override { ++beeps_; }

    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<Input>& inputs() const { return inputs_; }
    int beeps() const { return beeps_; }

private:
    bool echo_;
    std::deque<std::optional<QString>> answers_;
    std::vector<Message> messages_;
    std::vector<Input> inputs_;
    int beeps_ = 0;
};

QString iconName(MessageIcon icon);

} // namespace linknode
