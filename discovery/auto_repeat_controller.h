#pragma once

#include "form/control_handle.h"

#include <QObject>
#include <functional>

namespace linknode {

class Clock;
class DiscoveryController;
class ListToolsController;
class MainForm;

// The automatic modes: while a switch is ticked its timer repeats an action, but only when
// that action's button is visible, that is, when the action is not already running.
class AutoRepeatController : public QObject {
    Q_OBJECT
public:
    AutoRepeatController(MainForm& form, const Clock& clock, DiscoveryController& discovery,
        ListToolsController& listTools, std::function<void()> goTerminalMode);

    void SW_AUTO_ASK_Click();
    void SW_AUTO_MAC_Click();
    void SW_AUTO_TERM_Click();
    void TIM_AUTO_ASK_Timer();
    void TIM_AUTO_MAC_Timer();
    void TIM_AUTO_TERM_Timer();

private:
    void follow(Control<QCheckBox> automatic, Control<QTimer> repeat, double seconds);
    bool idle(Control<QPushButton> button) const;

    MainForm& form_;
    const Clock& clock_;
    DiscoveryController& discovery_;
    ListToolsController& listTools_;
    std::function<void()> goTerminalMode_; // the boot loader's B_GO_TERM_Click
};

} // namespace linknode
