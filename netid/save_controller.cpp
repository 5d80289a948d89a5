#include "netid/save_controller.h"

#include "boot/boot_controller.h"
#include "commands/device_datagrams.h"
#include "commands/login_controller.h"
#include "commands/login_text.h"
#include "config/device_draft.h"
#include "config/device_record.h"
#include "config/device_settings.h"
#include "config/option_text.h"
#include "config/view_state.h"
#include "core/clock.h"
#include "core/latin1.h"
#include "core/logging.h"
#include "core/shown_text.h"
#include "core/text_fields.h"
#include "core/wait.h"
#include "discovery/discovery_controller.h"
#include "form/dialogs.h"
#include "form/main_form.h"
#include "link/envelope.h"
#include "link/link.h"
#include "netid/config_repetition.h"
#include "netid/device_change.h"
#include "netid/save_checks.h"
#include "netid/wave_engine.h"
#include "widgets/busy_button.h"

#include <QCoreApplication>

namespace linknode {

namespace {
    const QString broadcast = QLatin1StringView(broadcastAddress);
    constexpr double discoveryLimit = 10.0; // seconds the refresh waits for its discovery

    std::string trimmedText(const QString& text)
    {
        return toBytes(trimmedBlanks(text));
    }

    // Every widget under `widget` draws in its enabled colours also while disabled.
    void keepEnabledColours(QWidget& widget)
    {
        QList<QWidget*> widgets = widget.findChildren<QWidget*>();
        widgets.prepend(&widget);
        for (QWidget* w : widgets) {
            QPalette palette = w->palette();
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto r = static_cast<QPalette::ColorRole>(role);
                palette.setColor(QPalette::Disabled, r, palette.color(QPalette::Active, r));
            }
            w->setPalette(palette);
        }
    }

    // The view's own words for a field the device reports, by the name a change gives it.
    QString caption(const QString& name)
    {
        static constexpr const char* captions[] = { "the MAC", "IP", "MASK", "GATEWAY",
            "the baud rate", "the parity and stop bits", "the data bits", "the version",
            "SERVER / CLIENT", "HOST IP", "HOST PORT", "the option characters", "WIEGAND CONFIG",
            "WIEGAND CONFIG", "WIEGAND CONFIG", "the login string" };
        int field = FLD_MAC;
        while (field < FLD_LOGIN && name != QLatin1StringView(fieldName(RecordField(field))))
            ++field;
        return QString::fromLatin1(captions[field]);
    }

    // "The device ... did not take HOST PORT (the save sent "4000")...".
    QString notTakenText(const QString& mac, const std::vector<FieldChange>& fields)
    {
        QStringList values;
        for (const FieldChange& field : fields)
            values << QStringLiteral("%1 (the save sent \"%2\")")
                          .arg(caption(field.field), caretForm(field.after));
        return QStringLiteral("The device %1 did not take %2. The view shows what it reports now. "
                              "Check the device and save again.")
            .arg(mac, values.join(QStringLiteral(", ")));
    }

    quint8 codeOf(const QWidget& selector)
    {
        return static_cast<quint8>(leadingNumber(toBytes(selector.property("tag").toString())));
    }
}

SaveController::SaveController(
    MainForm& form, Link& link, Dialogs& dialogs, const Clock& clock, const Services& services)
    : QObject(&form)
    , form_(form)
    , link_(link)
    , dialogs_(dialogs)
    , clock_(clock)
    , services_(services)
{
    connect(&form[B_UPDATE], &QPushButton::clicked, this, &SaveController::B_UPDATE_Click);
}

bool SaveController::beginChange()
{
    if (changing_)
        return false;
    changing_ = true;
    return true;
}

bool SaveController::refuse(const QString& text, QWidget* focus)
{
    dialogs_.message(text, QCoreApplication::applicationName(), MessageIcon::Exclamation);
    if (focus)
        focus->setFocus();
    return false;
}

std::optional<SaveController::Checked> SaveController::check()
{
    // The rules every change of one device passes, on the values this save would send.
    const std::string ip = trimmedText(form_[INP_IP].text());
    const QString macText = trimmedBlanks(form_[AFF_MAC].text());
    const auto mac = strictMac(toBytes(macText));
    PlannedChange plan = plannedChange(mac.value_or(MacBytes {}));
    using Value = Refusal::Value;
    switch (const Refusal problem = networkProblem(plan.config); problem.value) {
    case Value::None:
        break;
    case Value::Mask:
        dialogs_.message(
            toText(problem.text), QStringLiteral("Invalid Mask value"), MessageIcon::Critical);
        form_[INP_MASK].setFocus();
        return std::nullopt;
    case Value::Address:
        // Commands of the save follow to this address: one that reaches every device of the
        // subnet, or none, is no device's.
        refuse(QStringLiteral("No device can take this IP address: %1. Nothing was sent.")
                   .arg(toText(problem.text)),
            &form_[INP_IP]);
        return std::nullopt;
    case Value::Gateway:
    case Value::HostAddress: {
        QString text = toText(problem.text);
        text[0] = text[0].toUpper();
        refuse(text + QStringLiteral(". Nothing was sent."),
            problem.value == Value::Gateway ? static_cast<QWidget*>(&form_[INP_GATE])
                                            : &form_[INP_HOST_IP]);
        return std::nullopt;
    }
    default:
        break;
    }
    if (!mac) {
        refuse(QStringLiteral("The MAC address \"%1\" is not six numbers 0 to 255 joined by "
                              "\"-\". Nothing was sent.")
                   .arg(macText),
            nullptr);
        return std::nullopt;
    }
    // The Wiegand and login steps come after ten configurations: check them now.
    auto& login = services_.login;
    if (!login.wiegandSendable(form_[INP_WIEGAND_CFG].currentText())
        || !login.loginSendable(form_[INP_LOGIN].text()))
        return std::nullopt;

    if (plan.problem.value == Value::DoubleAddress) {
        dialogs_.beep();
        dialogs_.message(QStringLiteral("ERROR DOUBLE IP: ") + toText(ip),
            QCoreApplication::applicationName(), MessageIcon::None);
        return std::nullopt;
    }
    if (plan.problem) {
        refuse(toText(plan.problem.text) + QStringLiteral(". Nothing was sent."), nullptr);
        return std::nullopt;
    }
    return Checked { ip, toBytes(macText), *mac, std::move(plan) };
}

PlannedChange SaveController::plannedChange(const MacBytes& mac) const
{
    const auto text = [&](auto control) { return toBytes(form_[control].text()); };
    ConfigRequest request;
    request.mac = mac;
    request.ip = text(INP_IP);
    request.mask = text(INP_MASK);
    request.gateway = text(INP_GATE);
    request.bauds = toBytes(form_[INP_BAUDS].currentText());
    request.parityCode = codeOf(form_[INP_PARITY]);
    request.dataBitsCode = codeOf(form_[INP_DATABITS]);
    const std::string& record = services_.draft.record();
    if (readSettings(record).config.host) {
        request.hostIp = text(INP_HOST_IP);
        request.hostPort = text(INP_HOST_PORT);
        request.options = optionsTyped(text(INP_NO));
        request.mode = form_[SW_MODE(0)].isChecked() ? 0 : 1;
    }
    const DeviceList& devices = services_.discovery.devices();
    std::vector<std::string> records;
    for (int line = 0; line < devices.count(); ++line)
        records.push_back(devices.record(line));
    return planChange(record, request, records);
}

void SaveController::enterWaiting()
{
    form_[B_UPDATE].hide();
    form_.setEnabled(false);
    // What the user watches while the window is greyed keeps the colours of enabled text.
    for (QWidget* legible :
        { static_cast<QWidget*>(&form_[FR_UPD_WAIT]), static_cast<QWidget*>(&form_[INP_UDP_MASK]) })
        keepEnabledColours(*legible);
    auto& waiting = form_[FR_UPD_WAIT];
    // One step per configuration, then the Wiegand format, the login, the refresh and the restart.
    auto& progress = form_[PRG_UPD_WAIT];
    progress.setRange(0, configurationRepetitions(form_[SW_BYPASSAUTOBOOT].isChecked()) + 4);
    progress.setValue(0);
    form_.moveTo(waiting, { 1725, 480 });
    waiting.show();
    form_[FR_LST_KRT].hide();
}

void SaveController::leaveWaiting(const QString& sendAddress)
{
    form_[INP_UDP_MASK].setText(sendAddress);
    link_.setDestination(toBytes(sendAddress));
    form_.setEnabled(true);
    form_[B_UPDATE].show();
    form_[FR_UPD_WAIT].hide();
    form_[FR_LST_KRT].show();
}

SaveController::LoginStep SaveController::loginStep(bool loginOwned) const
{
    // The login box is sent only to the device whose login it holds, or for which the user
    // changed it: a device prepared by its MAC alone keeps its own login.
    if (!loginOwned)
        return LoginStep::None;
    if (!trimmedBlanks(form_[INP_LOGIN].text()).isEmpty()
        || !trimmedBlanks(form_[INP_DEVNAME].text()).isEmpty())
        return LoginStep::Send;
    // An empty login is cleared on the device once per loaded record.
    const auto loadedMode = leadingNumber(toBytes(form_[SW_MODE(0)].property("tag").toString()));
    return loadedMode == 0 ? LoginStep::Clear : LoginStep::None;
}

void SaveController::expectWiegandAndLogin(std::vector<ReportedField>& expected, LoginStep step)
{
    const QString wiegand = form_[INP_WIEGAND_CFG].currentText();
    if (wiegand.contains(u'^')) {
        const auto command = caretCommand(toBytes(wiegand));
        if (const auto parameters = wiegandParameters(EXPAND_CARETS(command.value_or(""))))
            addReported(expected, *parameters);
    }
    if (step == LoginStep::Send)
        addReportedLogin(expected, services_.login.storedText().value_or(""));
    else if (step == LoginStep::Clear)
        addReportedLogin(expected, {});
}

void SaveController::sendWiegandAndLogin(const QString& wiegand, LoginStep step)
{
    auto& login = services_.login;
    if (form_[INP_WIEGAND_CFG].currentText().contains(u'^')) {
        login.SEND_CARET_COMMAND(wiegand);
        DELAIS_EVT(clock_, 4.0);
    }
    stepDone();
    if (step == LoginStep::Send) {
        login.sendLoginRepeatedly(10);
    } else if (step == LoginStep::Clear) {
        login.B_CLEAR_LOGIN_Click();
        DELAIS_EVT(clock_, 0.5);
        form_[SW_MODE(0)].setProperty("tag", QStringLiteral("1"));
    }
    stepDone();
}

void SaveController::waitForDiscovery()
{
    const double end = clock_.now() + discoveryLimit;
    while (isBusy(form_[B_ASK_CFG]) && clock_.now() < end && !clock_.waitsAborted())
        DELAIS_EVT(clock_, 0.05);
}

void SaveController::refresh(const std::string& ip)
{
    auto& discovery = services_.discovery;
    auto& sendAddress = form_[INP_UDP_MASK];
    link_.setDestination(toBytes(broadcast));
    sendAddress.setText(broadcast);
    discovery.B_ASK_CFG_Click();
    DELAIS_EVT(clock_, 1.0);
    sendAddress.setText(toText(ip));
    discovery.B_ASK_CFG_Click();
    waitForDiscovery();
    stepDone();
}

void SaveController::restart(const std::string& ip)
{
    auto& boot = services_.boot;
    const std::string reset = resetDatagram(ip);
    link_.setDestination(ip);
    boot.B_GO_TERM_Click();
    DELAIS_EVT(clock_, 1.0);
    boot.B_GO_BOOT_Click();
    link_.send(reset);
    link_.setDestination(toBytes(broadcast));
    link_.send(reset);
    DELAIS_EVT(clock_, 1.0);
    link_.setDestination(ip);
    boot.B_GO_TERM_Click();
}

void SaveController::stepDone()
{
    auto& progress = form_[PRG_UPD_WAIT];
    progress.setValue(progress.value() + 1);
}

void SaveController::B_UPDATE_Click()
{
    if (!beginChange())
        return;
    const auto checked = check();
    if (!checked) {
        qCInfo(saveLog) << "save refused before anything was sent";
        endChange();
        return;
    }
    const std::string& ip = checked->ip;
    const LoginStep login = loginStep(services_.draft.loginOwner() == checked->macText);
    PlannedChange plan = checked->plan;
    expectWiegandAndLogin(plan.expected, login);
    enterWaiting();
    const QString wiegand = form_[INP_WIEGAND_CFG].currentText();
    QCoreApplication::processEvents();
    const QString savedSendAddress = form_[INP_UDP_MASK].text();
    auto& ethernetSwitch = form_[SW_SWITCH];
    const bool savedSwitch = ethernetSwitch.isChecked();
    ethernetSwitch.setChecked(true);
    form_[INP_UDP_MASK].setText(broadcast);

    // The engine sends the configuration, to every device by MAC inside (also one whose
    // address is changing), and judges the device's next report; the window's own steps
    // come between, in their order.
    using Kind = EngineStep::Kind;
    EngineOptions options;
    options.repetitions = configurationRepetitions(form_[SW_BYPASSAUTOBOOT].isChecked());
    options.retries = 0;
    options.steps = {
        { Kind::Configurations, 0, {} },
        // The last configuration's spacing, then a second.
        { Kind::Pause, configurationSpacing + 1.0, {} },
        { Kind::Call, 0, [&] { sendWiegandAndLogin(wiegand, login); } },
        { Kind::Confirm, 0, [&] { refresh(ip); } },
        { Kind::Call, 0,
            [&] {
                ethernetSwitch.setChecked(savedSwitch);
                // The view shows the saved device again, found by its MAC, whatever line
                // is selected; it restarts at the address the view now shows.
                services_.discovery.selectDevice(checked->macText);
                const std::string shown = trimmedText(form_[INP_IP].text());
                restart(strictAddress(shown) ? shown : ip);
                stepDone();
            } },
    };
    WaveEngine engine(link_, clock_, options);
    connect(&engine, &WaveEngine::roundSent, this, &SaveController::stepDone);
    const std::string address = plan.config.ip;
    engine.start({ { checked->mac, std::move(plan), {} } }, { { { { 0, address, {} } } }, {} });
    waitForRun(engine, clock_);
    // Also when the run stopped before its last step (a refused send, the window closing).
    ethernetSwitch.setChecked(savedSwitch);
    leaveWaiting(savedSendAddress);
    tellOutcome(engine, toText(checked->macText));
    endChange();
}

void SaveController::tellOutcome(const WaveEngine& engine, const QString& mac)
{
    const auto tell = [&](const QString& text) {
        dialogs_.message(text, QCoreApplication::applicationName(), MessageIcon::Exclamation);
    };
    const WaveEngine::Report& report = engine.report(0);
    if (clock_.waitsAborted()) {
        qCInfo(saveLog) << "save of" << mac << "cut short: the window closed";
    } else if (!engine.refusal().isEmpty() && engine.datagramsSent() == 0) {
        tell(QStringLiteral("The save did not reach the network: %1. The device was not changed.")
                 .arg(engine.refusal()));
    } else if (!engine.refusal().isEmpty()) {
        tell(QStringLiteral("The save stopped: %1. The device may have taken part of it: check "
                            "the device and save again.")
                 .arg(engine.refusal()));
    } else if (!report.heard) {
        tell(QStringLiteral("The device %1 did not report the saved values when asked again: the "
                            "view shows what it reported last. Check the device and save again.")
                 .arg(mac));
    } else if (!report.differing.empty()) {
        tell(notTakenText(mac, report.differing));
    }
}

} // namespace linknode
