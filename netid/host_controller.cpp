#include "netid/host_controller.h"

#include "commands/device_actions_controller.h"
#include "commands/sender_scope.h"
#include "config/device_settings.h"
#include "core/clock.h"
#include "core/latin1.h"
#include "core/text_fields.h"
#include "core/wait.h"
#include "form/dialogs.h"
#include "form/main_form.h"
#include "link/link.h"
#include "netid/host_update.h"
#include "netid/save_checks.h"
#include "widgets/busy_button.h"
#include "widgets/focus_line_edit.h"

#include <QCheckBox>
#include <QCoreApplication>

namespace linknode {

HostController::HostController(MainForm& form, Link& link, Dialogs& dialogs, const Clock& clock,
    DeviceActionsController& actions)
    : QObject(&form)
    , form_(form)
    , link_(link)
    , dialogs_(dialogs)
    , clock_(clock)
    , actions_(actions)
{
    auto& hostIp = form[INP_HOST_IP];
    connect(&hostIp, &FocusLineEdit::lostFocus, this, &HostController::INP_HOST_IP_LostFocus);
    connect(&form[INP_HOST_PORT], &FocusLineEdit::textChanged, this,
        &HostController::INP_HOST_PORT_Change);
    connect(&form[Command1], &QPushButton::clicked, this, &HostController::Command1_Click);
    connect(&form[Command2], &QPushButton::clicked, this, &HostController::Command2_Click);
}

void HostController::INP_HOST_IP_LostFocus()
{
    auto& hostIp = form_[INP_HOST_IP];
    hostIp.setText(trimmedBlanks(hostIp.text()));
}

void HostController::INP_HOST_PORT_Change()
{
    form_[SW_10BASET].setChecked(hasTenBaseTMark(toBytes(form_[INP_HOST_PORT].text())));
}

void HostController::Command1_Click()
{
    const QString title = QCoreApplication::applicationName();
    // A cancelled or empty answer to any question sends nothing.
    auto ask = [&](const char* prompt, const QString& defaultAnswer) -> std::optional<QString> {
        const auto answer = dialogs_.input(QString::fromLatin1(prompt), title, defaultAnswer);
        if (!answer || trimmedBlanks(*answer).isEmpty())
            return std::nullopt;
        return trimmedBlanks(*answer);
    };
    auto refuse = [&](const QString& text) {
        dialogs_.message(
            text + QStringLiteral(" Nothing was sent."), title, MessageIcon::Exclamation);
    };
    // Sent to one device's address: one that reaches a whole subnet, or none, is refused.
    const auto peripheral = ask("Tavren Peripheral IP:", QString());
    if (!peripheral)
        return;
    if (const Refusal problem = hostAddressProblem(toBytes(*peripheral))) {
        refuse(QStringLiteral("The host update goes to one device: %1.").arg(toText(problem.text)));
        return;
    }
    const auto server = ask("Server IP:", QString());
    if (!server)
        return;
    if (!strictAddress(toBytes(*server))) {
        refuse(QStringLiteral("The server \"%1\" is not an address of four numbers 0 to 255.")
                   .arg(*server));
        return;
    }
    const auto port = ask("Server Port:", QStringLiteral("23"));
    if (!port)
        return;
    if (!parseHostPort(trimBlanks(toBytes(*port)))) {
        refuse(QStringLiteral("The server port \"%1\" is not a number 1 to 65535.").arg(*port));
        return;
    }

    auto& button = form_[Command1];
    setBusy(button, true);
    link_.setDestination(toBytes(*peripheral));
    const std::string update = hostUpdateDatagram(toBytes(*server), toBytes(*port), 1);
    for (int i = 0; i < 10 && !clock_.waitsAborted(); ++i) {
        link_.send(update);
        QCoreApplication::processEvents();
        DELAIS_EVT(clock_, 0.1);
    }
    setBusy(button, false);
    QCoreApplication::processEvents();
    // Back to where the send address field points.
    link_.setDestination(toBytes(form_[INP_UDP_MASK].text()));
}

void HostController::Command2_Click()
{
    SenderRun run(countingDown_, form_[Command2]);
    if (run.started())
        actions_.sendCountdown(QString());
}

} // namespace linknode
