#include "commands/device_actions_controller.h"

#include "commands/login_text.h"
#include "commands/sender_scope.h"
#include "config/view_state.h"
#include "core/clock.h"
#include "core/latin1.h"
#include "core/text_fields.h"
#include "core/wait.h"
#include "form/dialogs.h"
#include "form/main_form.h"
#include "link/ipv4.h"
#include "link/link.h"
#include "widgets/busy_button.h"

#include <QCoreApplication>
#include <utility>

namespace linknode {

namespace {
    constexpr double locateTick = 0.1; // seconds between automatic locate steps
    const QString countdownPrompt = QStringLiteral("Enter the reset countdown value in 4 digits");
    const QString countdownTitle = QStringLiteral("Reset countdown value");
}

DeviceActionsController::DeviceActionsController(
    MainForm& form, Link& link, Dialogs& dialogs, const Clock& clock)
    : QObject(&form)
    , form_(form)
    , link_(link)
    , dialogs_(dialogs)
    , clock_(clock)
{
    using C = DeviceActionsController;
    const std::pair<Control<QPushButton>, void (C::*)()> buttons[] = {
        { B_RESET, &C::B_RESET_Click },
        { B_RESET_ONE, &C::B_RESET_ONE_Click },
        { B_LED_FLASH, &C::B_LED_FLASH_Click },
        { B_SEND_BIP, &C::B_SEND_BIP_Click },
        { B_VT100_CLR, &C::B_VT100_CLR_Click },
    };
    for (const auto& [button, handler] : buttons)
        connect(&form[button], &QPushButton::clicked, this, handler);
    connect(&form[SW_LED_FLASH], &QCheckBox::toggled, this, &C::SW_LED_FLASH_Click);
    connect(&form[SW_SEND_BIP], &QCheckBox::toggled, this, &C::SW_SEND_BIP_Click);
    connect(&form[TIM_LED_FLASH], &QTimer::timeout, this, &C::TIM_LED_FLASH_Timer);
    connect(&form[INP_TERM_NO], &FocusLineEdit::lostFocus, this, &C::INP_TERM_NO_LostFocus);
}

void DeviceActionsController::sendThenWait(const std::string& datagram)
{
    link_.send(datagram);
    QCoreApplication::processEvents();
    DELAIS_EVT(clock_, 0.1);
}

void DeviceActionsController::B_RESET_Click()
{
    // The address inside names the device meant; the destination stays as it is.
    link_.send(resetDatagram(toBytes(form_[INP_IP].text())));
}

void DeviceActionsController::B_RESET_ONE_Click()
{
    const auto answer = dialogs_.input(QStringLiteral("IP Address to reset"), QString(), QString());
    if (!answer || trimmedBlanks(*answer).isEmpty())
        return;
    const std::string address = toBytes(trimmedBlanks(*answer));
    if (!parseIPv4(address)) {
        dialogs_.message(QStringLiteral("\"%1\" is not an IP address (four numbers 0 to 255 "
                                        "joined by \".\"). Nothing was sent.")
                             .arg(*answer),
            QStringLiteral("RESET DEVICE"), MessageIcon::Exclamation);
        return;
    }
    // Only this datagram goes to the typed address; the send address field still rules after.
    link_.setDestination(address);
    link_.send(resetDatagram(address));
    link_.setDestination(toBytes(form_[INP_UDP_MASK].text()));
}

void DeviceActionsController::locate(Locate pattern)
{
    // One sequence at a time: a prefix and a frame of another sequence in between would
    // leave the devices without their announced frame. A click that came meanwhile runs next.
    if (locating_)
        return;
    locating_ = true;
    for (std::optional<Locate> next = pattern; next;
         next = std::exchange(pendingLocate_, std::nullopt)) {
        auto& button = form_[*next == Locate::LedFlash ? B_LED_FLASH : B_SEND_BIP];
        setBusy(button, true);
        const int count = static_cast<int>(leadingNumber(toBytes(form_[AFF_TOT_TERM].text())));
        sendThenWait(terminalPrefixDatagram());
        sendThenWait(locateDatagram(*next, count));
        setBusy(button, false);
    }
    locating_ = false;
}

void DeviceActionsController::locateClicked(Locate pattern)
{
    // A tick of the automatic locate may be dropped; a click is not.
    if (locating_)
        pendingLocate_ = pattern;
    else
        locate(pattern);
}

void DeviceActionsController::B_LED_FLASH_Click()
{
    locateClicked(Locate::LedFlash);
}

void DeviceActionsController::B_SEND_BIP_Click()
{
    locateClicked(Locate::Beep);
}

void DeviceActionsController::followLocateSwitch(bool checked)
{
    // Either switch starts the automatic locate; unticking either stops it.
    auto& timer = form_[TIM_LED_FLASH];
    if (checked) {
        timer.start(clock_.timerMs(locateTick));
    } else {
        timer.stop();
        timer.setInterval(0);
    }
}

void DeviceActionsController::SW_LED_FLASH_Click()
{
    followLocateSwitch(form_[SW_LED_FLASH].isChecked());
}

void DeviceActionsController::SW_SEND_BIP_Click()
{
    followLocateSwitch(form_[SW_SEND_BIP].isChecked());
}

void DeviceActionsController::TIM_LED_FLASH_Timer()
{
    auto& led = form_[SW_LED_FLASH];
    const bool beep = form_[SW_SEND_BIP].isChecked();
    if (led.isChecked() && beep) {
        // The alternation flag: empty or 0 flashes next, 1 beeps next.
        const bool beepNext = led.property("tag").toString() == QLatin1String("1");
        led.setProperty("tag", beepNext ? QStringLiteral("0") : QStringLiteral("1"));
        locate(beepNext ? Locate::Beep : Locate::LedFlash);
    } else if (led.isChecked()) {
        locate(Locate::LedFlash);
    } else if (beep) {
        locate(Locate::Beep);
    }
}

void DeviceActionsController::B_VT100_CLR_Click()
{
    if (!deviceShown(form_))
        return;
    SenderRun run(clearing_, form_[B_VT100_CLR]);
    if (!run.started())
        return;
    SendAddressScope selected(form_, form_[INP_IP].text());
    sendThenWait(terminalPrefixDatagram());
    sendThenWait(terminalClearDatagram());
}

void DeviceActionsController::INP_TERM_NO_LostFocus()
{
    auto& number = form_[INP_TERM_NO];
    const std::string digits = terminalNumber(toBytes(number.text()));
    number.setText(toText(digits));
    form_[INP_LOGIN].setText(toText(terminalNumberLogin(digits)));
}

void DeviceActionsController::COUNTDOWN_STEP()
{
    if (countdownHeld_ && heldCountdown_) {
        if (*heldCountdown_ && deviceShown(form_))
            sendCountdownValue(**heldCountdown_);
        return;
    }
    const auto answer = sendCountdown(RESET_COUNTDOWN);
    if (answer)
        RESET_COUNTDOWN = *answer;
    if (countdownHeld_)
        heldCountdown_ = answer;
}

void DeviceActionsController::holdCountdownAnswer(bool held)
{
    countdownHeld_ = held;
    heldCountdown_.reset();
}

std::optional<QString> DeviceActionsController::sendCountdown(const QString& defaultAnswer)
{
    // With no device shown the address is no device's (0.0.0.0 reaches this PC).
    if (!deviceShown(form_))
        return std::nullopt;
    const auto answer = dialogs_.input(countdownPrompt, countdownTitle, defaultAnswer);
    if (!answer)
        return std::nullopt;
    sendCountdownValue(*answer);
    return answer;
}

void DeviceActionsController::sendCountdownValue(const QString& answer)
{
    SendAddressScope selected(form_, form_[INP_IP].text());
    const std::string datagram = countdownDatagram(countdownDigits(toBytes(answer)));
    for (int i = 0; i < 2; ++i)
        sendThenWait(datagram);
}

} // namespace linknode
