#include "commands/login_controller.h"

#include "commands/device_actions_controller.h"
#include "commands/device_datagrams.h"
#include "commands/login_text.h"
#include "commands/sender_scope.h"
#include "config/device_draft.h"
#include "config/device_settings.h"
#include "config/view_state.h"
#include "core/clock.h"
#include "core/latin1.h"
#include "core/logging.h"
#include "core/text_fields.h"
#include "core/wait.h"
#include "discovery/discovery_controller.h"
#include "form/dialogs.h"
#include "form/main_form.h"
#include "link/envelope.h"
#include "link/link.h"
#include "widgets/busy_button.h"

#include <QCoreApplication>

namespace linknode {

namespace {
    const QString broadcast = QLatin1StringView(broadcastAddress);

    void setBackColor(QWidget& control, const QColor& color)
    {
        QPalette palette = control.palette();
        palette.setColor(QPalette::Window, color);
        palette.setColor(QPalette::Button, color);
        control.setPalette(palette);
        control.setAutoFillBackground(true);
    }
}

LoginController::LoginController(MainForm& form, Link& link, Dialogs& dialogs, const Clock& clock,
    DeviceActionsController& actions, DiscoveryController& discovery, DeviceDraft& draft)
    : QObject(&form)
    , form_(form)
    , link_(link)
    , dialogs_(dialogs)
    , clock_(clock)
    , actions_(actions)
    , discovery_(discovery)
    , draft_(draft)
{
    using C = LoginController;
    const std::pair<Control<QPushButton>, void (C::*)()> buttons[] = {
        { B_ADD_ENTER, &C::B_ADD_ENTER_Click },
        { B_ADD_TAB, &C::B_ADD_TAB_Click },
        { B_ADD_PAUSE, &C::B_ADD_PAUSE_Click },
        { B_CLEAR_LOGIN, &C::B_CLEAR_LOGIN_Click },
        { B_SEND_LOGIN, &C::B_SEND_LOGIN_Click },
        { B_SAVE_WIEGAND, &C::B_SAVE_WIEGAND_Click },
        { B_SAVE_ALL_WIEGAND, &C::B_SAVE_ALL_WIEGAND_Click },
        // The terminal number is saved as the login string it wrote into the login box.
        { B_SAVE_TERM_NO, &C::B_SEND_LOGIN_Click },
    };
    for (const auto& [button, handler] : buttons)
        connect(&form[button], &QPushButton::clicked, this, handler);
    connect(&form[INP_LOGIN], &QLineEdit::textChanged, this, &C::loginChanged);
    connect(&form[INP_DEVNAME], &QLineEdit::textChanged, this, &C::loginChanged);
    connect(&form[SW_LOGIN_ALL], &QCheckBox::toggled, this, &C::SW_LOGIN_ALL_Click);
}

void LoginController::append(const QString& text)
{
    auto& login = form_[INP_LOGIN];
    login.setText(login.text() + text);
}

void LoginController::B_ADD_ENTER_Click()
{
    append(QStringLiteral("^13^"));
}

void LoginController::B_ADD_TAB_Click()
{
    append(QStringLiteral("^9^"));
}

void LoginController::B_ADD_PAUSE_Click()
{
    append(QStringLiteral("~"));
}

void LoginController::B_CLEAR_LOGIN_Click()
{
    form_[INP_DEVNAME].setText(QString());
    form_[INP_LOGIN].setText(QString());
    SEND_LOGIN_STRING();
}

void LoginController::B_SEND_LOGIN_Click()
{
    if (SEND_LOGIN_STRING())
        actions_.B_RESET_Click();
}

bool LoginController::refuse(const QString& text, QWidget& box)
{
    qCInfo(commandsLog) << "login text refused:" << text;
    dialogs_.message(text + QStringLiteral(" Nothing was sent."), QStringLiteral("Login string"),
        MessageIcon::Exclamation);
    box.setFocus();
    return false;
}

bool LoginController::storable(const QString& text, const QString& what, QWidget& box)
{
    const auto unstorable = unstorableCharacter(text);
    return !unstorable || refuse(unstorableText(what, *unstorable) + u'.', box);
}

bool LoginController::caretsAreBytes(const QString& text, QWidget& box)
{
    const auto bad = badCaretCode(toBytes(text));
    return !bad
        || refuse(QStringLiteral("The caret code %1 names no byte: codes go from ^0^ to ^255^.")
                      .arg(toText(*bad)),
            box);
}

std::string LoginController::shownRecord() const
{
    const DeviceList& devices = discovery_.devices();
    const auto line = devices.lineOf(toBytes(trimmedBlanks(form_[AFF_MAC].text())));
    return line ? devices.record(*line) : std::string();
}

void LoginController::loginChanged()
{
    // The user's own text is the shown device's login to send, whatever the box held before.
    if (!viewBeingFilled(form_))
        draft_.setLoginOwner(toBytes(trimmedBlanks(form_[AFF_MAC].text())));
}

std::optional<std::string> LoginController::expandedLogin(const QString& login)
{
    // The workstation identifier follows the login only where the device's firmware has one.
    auto& workstation = form_[INP_DEVNAME];
    const bool hasWorkstation = draft_.workstationAvailable();
    if (!storable(login, QStringLiteral("The login"), form_[INP_LOGIN])
        || (hasWorkstation
            && !storable(
                workstation.text(), QStringLiteral("The workstation identifier"), workstation)))
        return std::nullopt;
    const std::string text = !hasWorkstation
        ? toBytes(login)
        : loginWithWorkstation(toBytes(login), toBytes(workstation.text()));
    if (!caretsAreBytes(toText(text), form_[INP_LOGIN]))
        return std::nullopt;
    std::string expanded = EXPAND_CARETS(text);
    if (const Refusal tooLong = loginLimitProblem(shownRecord(), expanded)) {
        refuse(QStringLiteral("The login string is too long: %1.").arg(toText(tooLong.text)),
            form_[INP_LOGIN]);
        return std::nullopt;
    }
    return expanded;
}

std::optional<std::string> LoginController::storedText()
{
    const QString login = form_[INP_LOGIN].text();
    if (!expandedLogin(login))
        return std::nullopt;
    return EXPAND_CARETS(toBytes(login));
}

bool LoginController::loginSendable(const QString& login)
{
    return expandedLogin(login).has_value();
}

bool LoginController::wiegandSendable(const QString& wiegand)
{
    auto& box = form_[INP_WIEGAND_CFG];
    if (!storable(wiegand, QStringLiteral("The Wiegand format"), box)
        || !caretsAreBytes(wiegand, box))
        return false;
    const auto command = caretCommand(toBytes(wiegand));
    return !command || loginSendable(toText(*command));
}

bool LoginController::SEND_LOGIN_STRING()
{
    const auto expanded = expandedLogin(form_[INP_LOGIN].text());
    if (!expanded)
        return false;

    auto& button = form_[B_SEND_LOGIN];
    setBusy(button, true);
    {
        const bool everyDevice = form_[SW_LOGIN_ALL].isChecked();
        SendAddressScope target(form_, everyDevice ? broadcast : form_[INP_IP].text());
        link_.send(loginDatagram(*expanded));
        QCoreApplication::processEvents();
        DELAIS_EVT(clock_, 0.1);
    }
    setBusy(button, false);
    if (startsCountdown(*expanded))
        actions_.COUNTDOWN_STEP();
    return true;
}

void LoginController::sendLoginRepeatedly(int times)
{
    actions_.holdCountdownAnswer(true);
    for (int i = 0; i < times && !clock_.waitsAborted(); ++i)
        SEND_LOGIN_STRING();
    actions_.holdCountdownAnswer(false);
}

bool LoginController::SEND_CARET_COMMAND(const QString& text)
{
    if (!wiegandSendable(text))
        return false;
    const auto command = caretCommand(toBytes(text));
    if (!command)
        return false;
    return sendCommand(toText(*command));
}

bool LoginController::sendCommand(const QString& command)
{
    auto& box = form_[INP_LOGIN];
    const QString text = box.text();
    const std::string owner = draft_.loginOwner();
    box.setText(command);
    const bool sent = SEND_LOGIN_STRING();
    box.setText(text);
    draft_.setLoginOwner(owner);
    return sent;
}

void LoginController::SW_LOGIN_ALL_Click()
{
    const bool everyDevice = form_[SW_LOGIN_ALL].isChecked();
    const QColor color
        = everyDevice ? QColor(Qt::red) : form_[FR_CFG_INP].palette().color(QPalette::Window);
    for (const auto control : ControlList<QWidget> { SW_LOGIN_ALL, Label4, FR_LOGIN })
        setBackColor(form_[control], color);
    form_[B_SAVE_WIEGAND].setVisible(everyDevice);
}

void LoginController::B_SAVE_WIEGAND_Click()
{
    saveWiegand();
}

bool LoginController::saveWiegand()
{
    SenderRun run(savingWiegand_, form_[B_SAVE_WIEGAND]);
    return run.started() && SEND_CARET_COMMAND(form_[INP_WIEGAND_CFG].currentText());
}

void LoginController::B_SAVE_ALL_WIEGAND_Click()
{
    SenderRun run(savingAllWiegand_, form_[B_SAVE_ALL_WIEGAND]);
    if (!run.started())
        return;
    auto& address = form_[INP_IP];
    const QString saved = address.text();
    address.setText(broadcast);
    const bool sent = saveWiegand();
    address.setText(saved);
    // Nothing sent, nothing changed to ask about.
    if (!sent)
        return;
    DELAIS_EVT(clock_, 0.5);
    discovery_.B_ASK_CFG_Click();
}

} // namespace linknode
