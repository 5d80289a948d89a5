#include "app/shell_controller.h"

#include "commands/serial_codes.h"
#include "core/latin1.h"
#include "core/text_fields.h"
#include "core/wait.h"
#include "discovery/device_store.h"
#include "discovery/discovery_controller.h"
#include "discovery/reply_intake.h"
#include "form/dialogs.h"
#include "form/main_form.h"
#include "link/envelope.h"
#include "link/link.h"
#include "widgets/busy_button.h"
#include "widgets/change_label.h"
#include "widgets/counter_display.h"
#include "widgets/ip_entry.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPalette>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <span>

namespace linknode {

namespace {
    void fill(QComboBox& box, std::span<const char* const> items)
    {
        box.clear();
        for (const char* item : items)
            box.addItem(QString::fromLatin1(item));
        box.setCurrentIndex(-1);
    }
}

ShellController::ShellController(MainForm& form, Link& link, Dialogs& dialogs, Clock& clock,
    DeviceStore& store, DiscoveryController& discovery)
    : QObject(&form)
    , form_(form)
    , link_(link)
    , dialogs_(dialogs)
    , clock_(clock)
    , store_(store)
    , discovery_(discovery)
{
    auto& watchdog = form[TIM_TST];
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, &ShellController::TIM_TST_Timer);
    connect(&link, &Link::stamped, this, &ShellController::armWatchdog);
    connect(&form, &MainForm::closing, this, &ShellController::Form_Unload);
    connect(&form[AFF_MAC], &ChangeLabel::captionChanged, this, &ShellController::AFF_MAC_Change);
    connect(&discovery, &DiscoveryController::heldChanged, this, &ShellController::listHeld);
    connect(&form[AFF_TOT_TERM], &ChangeLabel::captionChanged, this,
        &ShellController::AFF_TOT_TERM_Change);
    for (const auto caption : Label1) {
        auto& label = form[caption];
        connect(&label, &ChangeLabel::clicked, this, &ShellController::Label1_Click);
        connect(&label, &ChangeLabel::doubleClicked, this, &ShellController::Label1_DblClick);
    }
}

bool ShellController::Form_Load()
{
    auto& tenBaseT = form_[SW_10BASET];
    const QRect auxPort = MainForm::designPlace(form_[SW_AUXRS232]);
    form_.moveTo(
        tenBaseT, auxPort.topLeft() + QPoint(0, MainForm::designPlace(tenBaseT).height() + 30));
    form_.moveTo(form_[FR_PANORAMA_MODE], MainForm::designPlace(form_[FR_WIEGAND]).topLeft());
    form_.show();

    auto& sendAddress = form_[INP_UDP_MASK];
    sendAddress.setMaskType(false);
    sendAddress.setBackColor(QApplication::palette().color(QPalette::Active, QPalette::Mid));
    form_[INP_MASK].setMaskType(true);

    fill(form_[INP_BAUDS], baudRates);
    fill(form_[INP_PARITY], std::array { "None", "Even", "Odd" });
    fill(form_[INP_StopBit], std::array { "1", "2" });
    fill(form_[INP_DATABITS], std::array { "7", "8" });

    for (int slot = 0; slot < DeviceStore::capacity; ++slot)
        store_.set(slot, "0");

    QCoreApplication::processEvents();
    QString error;
    link_.bindSend(&error);
    link_.bindReceive(&error);
    QCoreApplication::processEvents();
    DELAIS_EVT(clock_, 0.2);
    if (!link_.isReceiveOpen() && !link_.bindReceive(&error)) {
        dialogs_.message(QStringLiteral("ERROR: SWITCH THE LIBRARY IN CONFIG MODE !\r\n") + error,
            QCoreApplication::applicationName(), MessageIcon::None);
        return false;
    }

    form_.place(form_[FR_TERM_NO], MainForm::designPlace(form_[FR_LOGIN]));
    sendAddress.setText(QLatin1StringView(broadcastAddress));
    QCoreApplication::processEvents();
    discovery_.B_ASK_CFG_Click();
    return true;
}

void ShellController::Form_Unload()
{
    link_.close();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    DELAIS_EVT(clock_, 0.5);
    // Sequences still waiting end here instead of running on a closed window.
    clock_.abortWaits();
    emit ended();
}

void ShellController::armWatchdog()
{
    form_[TIM_TST].start(clock_.timerMs(replyQuietTime));
}

void ShellController::TIM_TST_Timer()
{
    const double elapsed = clock_.now() - link_.lastActivity();
    if (elapsed < replyQuietTime) {
        form_[TIM_TST].start(clock_.timerMs(replyQuietTime - elapsed));
        return;
    }
    setBusy(form_[B_ASK_CFG], false);
    discovery_.cycleEnded();
}

void ShellController::AFF_MAC_Change()
{
    // A rename pass shows each device in turn; its saves wait for the pass.
    form_[B_UPDATE].setEnabled(form_[AFF_MAC].text().size() >= 6 && !discovery_.held());
}

void ShellController::listHeld()
{
    AFF_MAC_Change();
    form_[B_SAVE_CFG_MQTT].setEnabled(!discovery_.held());
}

void ShellController::AFF_TOT_TERM_Change()
{
    const long long value = leadingNumber(toBytes(form_[AFF_TOT_TERM].text()));
    const int count = static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
    auto& list = form_[LST_KRT];
    auto& prompt = form_[AFF_SEL_DEV];
    if (count == 0)
        list.setToolTip(QStringLiteral("NO IP DEVICE FOUND --> PLEASE PUSH ON REFRESH BUTTON"));
    list.setVisible(count != 0);
    prompt.setVisible(count != 0);
    form_[AFF_TOT_TERMb].AFF(count);
}

void ShellController::Label1_Click()
{
    form_[INP_MASK].setText(QStringLiteral("255.255.0.0"));
}

void ShellController::Label1_DblClick()
{
    for (const auto automatic :
        ControlList<QCheckBox> { SW_AUTO_ASK, SW_AUTO_MAC, SW_LED_FLASH, SW_AUTO_TERM })
        form_[automatic].setChecked(true);
    form_[INP_UDP_MASK].setText(QLatin1StringView(broadcastAddress));
}

} // namespace linknode
