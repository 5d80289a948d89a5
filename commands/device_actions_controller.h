#pragma once

#include "commands/device_datagrams.h"

#include <QObject>
#include <QString>
#include <optional>

namespace linknode {

class Clock;
class Dialogs;
class Link;
class MainForm;

// One-shot commands fired at devices: reset, locate by LED flash or beep (by hand or
// automatically), terminal clear, the terminal number and the countdown.
class DeviceActionsController : public QObject {
    Q_OBJECT
public:
    DeviceActionsController(MainForm& form, Link& link, Dialogs& dialogs, const Clock& clock);

    void B_RESET_Click();
    void B_RESET_ONE_Click();
    void B_LED_FLASH_Click();
    void B_SEND_BIP_Click();
    void SW_LED_FLASH_Click();
    void SW_SEND_BIP_Click();
    void TIM_LED_FLASH_Timer();
    void B_VT100_CLR_Click();
    void INP_TERM_NO_LostFocus();
    // Asks for the countdown, offering the last value, and sends it to the selected device.
    void COUNTDOWN_STEP();
    // While held, the first countdown step asks and the following ones send the same answer
    // (or nothing, when it was cancelled) without asking again.
    void holdCountdownAnswer(bool held);
    // The countdown of the selected device asked with `defaultAnswer`; the value sent, or
    // none when the technician cancels (then nothing is sent).
    std::optional<QString> sendCountdown(const QString& defaultAnswer);

private:
    void locate(Locate pattern);
    void locateClicked(Locate pattern);
    void sendThenWait(const std::string& datagram);
    void sendCountdownValue(const QString& answer);
    void followLocateSwitch(bool checked);

    MainForm& form_;
    Link& link_;
    Dialogs& dialogs_;
    const Clock& clock_;
    QString RESET_COUNTDOWN; // the last countdown value entered, the next prompt's default
    bool countdownHeld_ = false;
    std::optional<std::optional<QString>> heldCountdown_; // asked while held: the answer
    std::optional<Locate> pendingLocate_; // clicked while another locate ran
    bool locating_ = false;
    bool clearing_ = false;
};

} // namespace linknode
