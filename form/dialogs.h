#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace linknode {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };

// Message boxes, input boxes and the beep. The Qt implementation shows modal boxes; the
// scripted one (automation and tests) records them and answers from a queue.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const QString& text, const QString& title, MessageIcon icon) = 0;
    // The typed answer, or nullopt when the user cancels.
    virtual std::optional<QString> input(
        const QString& prompt, const QString& title, const QString& defaultAnswer)
        = 0;
    virtual void beep() = 0;
};

// Boxes open over the window they belong to: centred on it, modal to it, and without
// minimise or maximise buttons.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr);
    // The window is built after its dialogs; it becomes their parent once it exists.
    void setParentWindow(QWidget* parent) { parent_ = parent; }
    void message(const QString& text, const QString& title, MessageIcon icon) override;
    std::optional<QString> input(
        const QString& prompt, const QString& title, const QString& defaultAnswer) override;
    void beep() override;

private:
    QWidget* parent_;
};

} // namespace linknode
