#include "discovery/auto_repeat_controller.h"

#include "core/clock.h"
#include "discovery/discovery_controller.h"
#include "discovery/list_tools_controller.h"
#include "form/main_form.h"
#include "widgets/busy_button.h"

#include <QCheckBox>
#include <QTimer>

namespace linknode {

AutoRepeatController::AutoRepeatController(MainForm& form, const Clock& clock,
    DiscoveryController& discovery, ListToolsController& listTools,
    std::function<void()> goTerminalMode)
    : QObject(&form)
    , form_(form)
    , clock_(clock)
    , discovery_(discovery)
    , listTools_(listTools)
    , goTerminalMode_(std::move(goTerminalMode))
{
    const struct {
        Control<QCheckBox> box;
        void (AutoRepeatController::*click)();
        Control<QTimer> timer;
        void (AutoRepeatController::*tick)();
    } modes[] = {
        { SW_AUTO_ASK, &AutoRepeatController::SW_AUTO_ASK_Click, TIM_AUTO_ASK,
            &AutoRepeatController::TIM_AUTO_ASK_Timer },
        { SW_AUTO_MAC, &AutoRepeatController::SW_AUTO_MAC_Click, TIM_AUTO_MAC,
            &AutoRepeatController::TIM_AUTO_MAC_Timer },
        { SW_AUTO_TERM, &AutoRepeatController::SW_AUTO_TERM_Click, TIM_AUTO_TERM,
            &AutoRepeatController::TIM_AUTO_TERM_Timer },
    };
    for (const auto& mode : modes) {
        connect(&form[mode.box], &QCheckBox::toggled, this, mode.click);
        connect(&form[mode.timer], &QTimer::timeout, this, mode.tick);
    }
}

void AutoRepeatController::SW_AUTO_ASK_Click()
{
    follow(SW_AUTO_ASK, TIM_AUTO_ASK, 3.0);
}
void AutoRepeatController::SW_AUTO_MAC_Click()
{
    follow(SW_AUTO_MAC, TIM_AUTO_MAC, 5.0);
}
void AutoRepeatController::SW_AUTO_TERM_Click()
{
    follow(SW_AUTO_TERM, TIM_AUTO_TERM, 5.0);
}

void AutoRepeatController::TIM_AUTO_ASK_Timer()
{
    if (idle(B_ASK_CFG))
        discovery_.B_ASK_CFG_Click();
}

void AutoRepeatController::TIM_AUTO_MAC_Timer()
{
    if (idle(B_SHOW_MAC))
        listTools_.B_SHOW_MAC_Click();
}

void AutoRepeatController::TIM_AUTO_TERM_Timer()
{
    if (idle(B_GO_TERM))
        goTerminalMode_();
}

void AutoRepeatController::follow(
    Control<QCheckBox> automatic, Control<QTimer> repeat, double seconds)
{
    auto& timer = form_[repeat];
    if (form_[automatic].isChecked())
        timer.start(clock_.timerMs(seconds));
    else {
        // Stopped with interval 0, as an unticked automatic mode shows it.
        timer.stop();
        timer.setInterval(0);
    }
}

bool AutoRepeatController::idle(Control<QPushButton> button) const
{
    return !isBusy(form_[button]);
}

} // namespace linknode
