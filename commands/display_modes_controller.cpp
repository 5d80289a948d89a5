#include "commands/display_modes_controller.h"

#include "commands/login_controller.h"
#include "commands/login_text.h"
#include "commands/sender_scope.h"
#include "core/latin1.h"
#include "form/dialogs.h"
#include "form/main_form.h"
#include "link/envelope.h"

#include <QLineEdit>

namespace linknode {

DisplayModesController::DisplayModesController(
    MainForm& form, Dialogs& dialogs, LoginController& login)
    : QObject(&form)
    , form_(form)
    , dialogs_(dialogs)
    , login_(login)
{
    connect(&form[B_PANORAMA_SAVE_MODE], &QPushButton::clicked, this,
        &DisplayModesController::B_PANORAMA_SAVE_MODE_Click);
    connect(&form[B_SAVE_ALL_PANORAMA], &QPushButton::clicked, this,
        &DisplayModesController::B_SAVE_ALL_PANORAMA_Click);
    // LST_PANORAMA_MODE_KeyPress drops typed keys: the mode comes from the list alone. A
    // read-only edit refuses typing, pasting and dropping alike, yet shows what code sets.
    auto& modes = form[LST_PANORAMA_MODE];
    modes.lineEdit()->setReadOnly(true);
    // Before any device is shown the list holds the start-up modes under a placeholder, so
    // the service frame's "Save all" offers a choice from the start.
    modes.addItems({ QStringLiteral("Clock Mode (Red)"), QStringLiteral("Clock Mode (Green)"),
        QStringLiteral("Clock Mode (Flash)"), QStringLiteral("String Mode"),
        QStringLiteral("Temperature Mode "), QStringLiteral("Show Version Mode"),
        QStringLiteral("Countdown on TTL IN") });
    modes.setCurrentIndex(-1);
    modes.setEditText(QStringLiteral("QD-Panorama and QD-71R Startup Mode"));
}

void DisplayModesController::B_PANORAMA_SAVE_MODE_Click()
{
    SenderRun run(saving_, form_[B_PANORAMA_SAVE_MODE]);
    if (!run.started())
        return;
    const auto code = displayModeCode(toBytes(form_[LST_PANORAMA_MODE].currentText()));
    if (!code) {
        // A placeholder names no mode: sending the device's login string instead would
        // change what the technician did not ask for.
        dialogs_.message(QStringLiteral("Choose a display mode from the list first."),
            QStringLiteral("Display mode"), MessageIcon::Exclamation);
        return;
    }
    login_.sendCommand(toText(*code));
}

void DisplayModesController::B_SAVE_ALL_PANORAMA_Click()
{
    SenderRun run(savingAll_, form_[B_SAVE_ALL_PANORAMA]);
    if (!run.started())
        return;
    auto& address = form_[INP_IP];
    const QString saved = address.text();
    address.setText(QLatin1StringView(broadcastAddress));
    B_PANORAMA_SAVE_MODE_Click();
    address.setText(saved);
}

} // namespace linknode
